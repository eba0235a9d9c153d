#include "devicedisplay.h"

#include <QApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QPainter>

namespace {

const char chromeProperty[] = "_simulator_chrome";
// Modality of a device window while it is shown, which Qt itself must not see: a modal window
// would block the simulator's keypad along with the device windows below it.
const char modalityProperty[] = "_simulator_modality";
const char explicitModalityProperty[] = "_simulator_explicit_modality";

bool isChrome(const QWidget *widget)
{
    if (widget->window()->windowType() == Qt::ToolTip)
        return true;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->windowType() == Qt::Desktop || w->property(chromeProperty).toBool())
            return true;
    }
    return false;
}

bool isModalDeviceWindow(const QWidget *window)
{
    return window->property(modalityProperty).isValid() || window->isModal();
}

bool mayBeActivated(const QWidget *window)
{
    return !window->testAttribute(Qt::WA_ShowWithoutActivating)
        && !(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
}

} // namespace

DeviceDisplay::DeviceDisplay(int scale, QWidget *parent)
    : QWidget(parent)
    , m_scale(qBound(1, scale, 2))
    , m_frame(DisplayWidth, DisplayHeight, QImage::Format_ARGB32_Premultiplied)
{
    // Also when it stands alone, as in a test.
    markChrome(this);
    setFixedSize(DisplayWidth * m_scale, DisplayHeight * m_scale);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_frame.fill(Qt::black);

    m_renderTimer.setSingleShot(true);
    m_renderTimer.setInterval(0);
    connect(&m_renderTimer, &QTimer::timeout, this, &DeviceDisplay::render);

    qApp->installEventFilter(this);
    // Windows made before the display existed.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (isDeviceWindow(window) && window->isVisible())
            windowShown(window);
    }
}

DeviceDisplay::~DeviceDisplay()
{
    qApp->removeEventFilter(this);
}

void DeviceDisplay::markChrome(QWidget *window)
{
    window->setProperty(chromeProperty, true);
}

bool DeviceDisplay::isDeviceWindow(const QWidget *widget)
{
    return widget->isWindow() && !isChrome(widget);
}

QImage DeviceDisplay::frame()
{
    render();
    return m_frame;
}

QList<QWidget *> DeviceDisplay::deviceWindows() const
{
    QList<QWidget *> windows;
    for (const QPointer<QWidget> &window : m_stack) {
        if (window)
            windows.append(window);
    }
    return windows;
}

QWidget *DeviceDisplay::activeDeviceWindow() const
{
    for (auto it = m_stack.crbegin(); it != m_stack.crend(); ++it) {
        if (*it && mayBeActivated(*it))
            return *it;
    }
    return nullptr;
}

void DeviceDisplay::sendKey(int key, const QString &text, bool press)
{
    if (m_restackPending)
        restack();
    QWidget *window = activeDeviceWindow();
    if (!window) {
        qDebug() << "DeviceDisplay::sendKey no device window takes key" << Qt::hex << key;
        return;
    }
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window->focusWidget() ? window->focusWidget() : window;
    qDebug() << "DeviceDisplay::sendKey" << (press ? "press" : "release") << Qt::hex << key
             << Qt::dec << text << "to" << target->metaObject()->className()
             << target->objectName();
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &event);
}

bool DeviceDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::Polish:
        if (isDeviceWindow(widget))
            adopt(widget);
        break;
    case QEvent::Show:
        if (isDeviceWindow(widget))
            windowShown(widget);
        else if (isTracked(widget->window()))
            scheduleRender();
        break;
    case QEvent::Hide:
        if (widget->isWindow() && isTracked(widget))
            windowHidden(widget);
        else if (isTracked(widget->window()))
            scheduleRender();
        break;
    case QEvent::UpdateRequest:
    case QEvent::Paint:
    case QEvent::Move:
    case QEvent::Resize:
        if (!m_rendering && isTracked(widget->window()))
            scheduleRender();
        break;
    case QEvent::WindowActivate:
        // The desktop activated the simulator's window; the device window takes it back.
        if (widget->isWindow() && !isDeviceWindow(widget) && !m_stack.isEmpty())
            scheduleRestack();
        break;
    default:
        break;
    }
    return false;
}

void DeviceDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_frame);
}

void DeviceDisplay::adopt(QWidget *window)
{
    if (!window->testAttribute(Qt::WA_DontShowOnScreen))
        window->setAttribute(Qt::WA_DontShowOnScreen);
}

// Runs before Qt shows the window, so Qt never registers it as modal.
void DeviceDisplay::windowShown(QWidget *window)
{
    adopt(window);
    if (window->isModal()) {
        window->setProperty(modalityProperty, int(window->windowModality()));
        window->setProperty(
            explicitModalityProperty, window->testAttribute(Qt::WA_SetWindowModality));
        window->setWindowModality(Qt::NonModal);
        window->setAttribute(
            Qt::WA_SetWindowModality, window->property(explicitModalityProperty).toBool());
    }
    m_stack.removeAll(window);
    m_stack.append(window);
    scheduleRestack();
    scheduleRender();
}

void DeviceDisplay::windowHidden(QWidget *window)
{
    m_stack.removeAll(window);
    const QVariant modality = window->property(modalityProperty);
    if (modality.isValid()) {
        const bool explicitModality = window->property(explicitModalityProperty).toBool();
        window->setProperty(modalityProperty, QVariant());
        window->setProperty(explicitModalityProperty, QVariant());
        window->setWindowModality(Qt::WindowModality(modality.toInt()));
        window->setAttribute(Qt::WA_SetWindowModality, explicitModality);
    }
    scheduleRestack();
    scheduleRender();
}

bool DeviceDisplay::isTracked(const QWidget *window) const
{
    for (const QPointer<QWidget> &tracked : m_stack) {
        if (tracked == window)
            return true;
    }
    return false;
}

void DeviceDisplay::scheduleRender()
{
    if (!m_renderTimer.isActive())
        m_renderTimer.start();
}

void DeviceDisplay::scheduleRestack()
{
    if (m_restackPending)
        return;
    m_restackPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_restackPending)
                restack();
        },
        Qt::QueuedConnection);
}

// Brings blocking and activation in line with the stacking order.
void DeviceDisplay::restack()
{
    m_restackPending = false;
    m_stack.removeAll(nullptr);

    QList<QPointer<QWidget>> blocked;
    bool modalAbove = false;
    for (auto it = m_stack.crbegin(); it != m_stack.crend(); ++it) {
        if (modalAbove)
            blocked.append(*it);
        if (isModalDeviceWindow(*it))
            modalAbove = true;
    }
    // The events may show or hide windows; work on copies.
    const QList<QPointer<QWidget>> previous = m_blocked;
    m_blocked = blocked;
    for (const QPointer<QWidget> &window : previous) {
        if (window && !blocked.contains(window)) {
            QEvent unblocked(QEvent::WindowUnblocked);
            QCoreApplication::sendEvent(window, &unblocked);
        }
    }
    for (const QPointer<QWidget> &window : blocked) {
        if (window && !previous.contains(window)) {
            QEvent blockedEvent(QEvent::WindowBlocked);
            QCoreApplication::sendEvent(window, &blockedEvent);
        }
    }

    QWidget *active = activeDeviceWindow();
    if (active && QApplication::activeWindow() != active)
        QApplication::setActiveWindow(active);
}

void DeviceDisplay::render()
{
    m_renderTimer.stop();
    m_rendering = true;
    m_frame.fill(Qt::black);
    QPainter painter(&m_frame);
    // Painting may show or hide windows; draw the stack as it was.
    const QList<QPointer<QWidget>> windows = m_stack;
    for (const QPointer<QWidget> &window : windows) {
        if (window && window->isVisible()) {
            window->render(&painter, window->pos(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
        }
    }
    painter.end();
    m_rendering = false;
    update();
}
