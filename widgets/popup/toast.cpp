#include "toast.h"
#include "guicompat.h"

#include <QDebug>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <climits>

namespace {

const int textFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWrapAnywhere;
const int frameCount = 6;
const int frameInterval = 100;

// Rounds the corners by percentages of half the width and height; the percentages shrink as a
// side grows, so the radius stays near 4 to 6 pixels whatever the size of the bubble.
void drawBubble(QPainter &painter, const QRectF &bubble)
{
    const float width = float(bubble.width());
    const float height = float(bubble.height());
    const int xRound = int(height / width * 3.8f + 3.8f);
    const int yRound = int(width / height * 3.8f + 3.8f);
    painter.drawRoundedRect(bubble, xRound, yRound, Qt::RelativeSize);
}

QPixmap framePixmap(int frame)
{
    return QPixmap(QString::fromLatin1(":ui/images/presence_loading%1.png").arg(frame + 1));
}

void prepareBubblePainter(QPainter &painter, const QColor &fill)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setBrush(fill);
}

} // namespace

Toast::Toast(const QString &message, int timeout, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_timeout(timeout)
    , m_message(message)
{
    setGeometry(0, 0, 480, 272);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
    if (timeout > 0)
        armTimer(timeout);
}

Toast::~Toast()
{
    // The loop belongs to the exec() below us on the stack; it returns once we are gone.
    if (m_eventLoop)
        m_eventLoop->exit(0);
}

void Toast::armTimer(int ms)
{
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setSingleShot(true);
        GuiCompat::makePrecise(m_timer);
        connect(m_timer, SIGNAL(timeout()), this, SLOT(timeout()));
    }
    m_timer->stop();
    m_timer->setInterval(ms);
    m_timer->start();
    m_countdown.start();
    m_timedOut = false;
    m_pausedMs = 0;
}

void Toast::setTimeout(int ms)
{
    if (ms < 1) {
        if (m_timer)
            m_timer->stop();
        m_timedOut = false;
        m_pausedMs = 0;
        return;
    }
    m_timeout = ms;
    armTimer(ms);
}

void Toast::setMessage(const QString &message)
{
    m_message = message;
    if (m_timeout > 0 && m_timer)
        armTimer(m_timer->interval());
}

int Toast::exec()
{
    if (m_eventLoop) {
        qWarning() << "Toast::exec already running:" << m_message;
        return -1;
    }
    // A countdown that ran out before exec() would otherwise leave a toast that ignores keys
    // on the screen for good.
    if (m_timedOut) {
        qDebug() << "Toast::exec timed out before exec:" << m_message;
        return 0;
    }

    setFocusPolicy(Qt::StrongFocus);
    raise();
    show();
    setFocus(Qt::OtherFocusReason);

    QEventLoop loop;
    m_eventLoop = &loop;
    const QPointer<Toast> self(this);
    const int result = loop.exec();
    if (self)
        m_eventLoop = nullptr;
    return result;
}

void Toast::closeByItself()
{
    if (m_eventLoop)
        m_eventLoop->exit(0);
    close();
    emit toastTimeout();
}

void Toast::timeout()
{
    qDebug() << "Toast::timeout";
    m_timedOut = true;
    closeByItself();
}

// Every key is accepted, also one that arrives already ignored: none may travel on to the
// screen under the toast (an Escape would close it behind the notice).
void Toast::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    m_keyPressed = true;
}

void Toast::keyReleaseEvent(QKeyEvent *e)
{
    e->accept();
    // The press of this release went to whoever had the focus before the toast.
    if (!m_keyPressed)
        return;
    qDebug() << "Toast::keyReleaseEvent";
    if (!m_ignoreKey)
        closeByItself();
}

void Toast::showEvent(QShowEvent *)
{
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);
    if (m_pausedMs > 0)
        armTimer(m_pausedMs);
}

// A notice that leaves the screen keeps what is left of its countdown instead of waking up
// later to close what is already closed; shown again, it counts the rest.
void Toast::hideEvent(QHideEvent *)
{
    if (m_timer && m_timer->isActive()) {
        m_pausedMs = int(qBound<qint64>(1, m_timer->interval() - m_countdown.elapsed(), INT_MAX));
        m_timer->stop();
    }
    if (m_eventLoop)
        m_eventLoop->exit(0);
}

QRectF Toast::textRect() const
{
    const float w = float(width());
    const float h = float(height());
    const float textHeight = h * 0.5f;
    return QRectF((w - 267.0f) * 0.5f, (h - textHeight) * 0.5f - 32.0f, 267.0f, textHeight);
}

QRectF Toast::minimumBubble(const QRectF &bubble) const
{
    QRectF result = bubble;
    if (result.width() < 251) {
        result.setLeft((width() - 251.0f) * 0.5f);
        result.setWidth(251);
    }
    if (result.height() < 58) {
        result.setTop((height() - 58.0f) * 0.5f - 32.0f);
        result.setHeight(58);
    }
    return result;
}

void Toast::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setPixelSize(18);
    painter.setFont(font);

    // The icon sits in the bubble above the text and pushes the text down.
    const float iconOffset = m_icon.isNull() ? 0.0f : float(m_icon.height() - 10);
    const QRectF text = textRect();
    const QRectF bound = painter.boundingRect(text, textFlags, m_message);
    const QRectF bubble = minimumBubble(QRectF(bound.left() - 10, bound.top() - 10 - iconOffset,
        bound.width() + 20, bound.height() + 2 * (iconOffset + 10)));

    prepareBubblePainter(painter, QColor(0, 0, 0, 255));
    drawBubble(painter, bubble);
    if (!m_icon.isNull())
        painter.drawPixmap((width() - m_icon.width()) / 2, int(bubble.top() + 12), m_icon);

    painter.setPen(Qt::white);
    painter.drawText(text.translated(0, iconOffset), textFlags, m_message);
}

ToastWait::ToastWait(const QString &message, int timeout, QWidget *parent)
    : Toast(message, timeout, parent)
    , m_frameTimer(new QTimer(this))
{
    m_frameTimer->setInterval(frameInterval);
    connect(m_frameTimer, SIGNAL(timeout()), this, SLOT(pixmapTimeout()));
    m_frameTimer->start();
}

void ToastWait::pixmapTimeout()
{
    const int previous = m_frame;
    m_frame = m_frame < frameCount - 1 ? m_frame + 1 : 0;
    if (!isVisible()) {
        m_frameTimer->stop();
        return;
    }
    if (m_frameTop < 0 || !m_framesLoaded) {
        update();
        return;
    }
    update(frameRect(m_frames[previous]) | frameRect(m_frames[m_frame]));
}

QRect ToastWait::frameRect(const QPixmap &frame) const
{
    return QRect((width() - frame.width()) / 2, m_frameTop, frame.width(), frame.height());
}

void ToastWait::showEvent(QShowEvent *e)
{
    Toast::showEvent(e);
    m_frameTimer->start();
}

void ToastWait::hideEvent(QHideEvent *e)
{
    m_frameTimer->stop();
    Toast::hideEvent(e);
}

void ToastWait::paintEvent(QPaintEvent *e)
{
    QPainter painter(this);

    const QRectF text = textRect();
    if (m_boundMessage != message() || m_boundSize != size() || m_boundFont != font()
        || m_bound.isNull()) {
        m_bound = painter.boundingRect(text, textFlags, message());
        m_boundMessage = message();
        m_boundSize = size();
        m_boundFont = font();
    }
    const QRectF &bound = m_bound;
    const QRectF bubble = minimumBubble(
        QRectF(bound.left() - 10, bound.top() - 25, bound.width() + 20, bound.height() + 50));

    const QColor fill(0, 0, 0, 216);
    // Clear of the rounded corners the bubble is a plain fill, which costs no path.
    if (bubble.adjusted(8, 8, -8, -8).contains(e->rect())) {
        painter.fillRect(e->rect(), fill);
    } else {
        prepareBubblePainter(painter, fill);
        drawBubble(painter, bubble);
    }

    if (!m_framesLoaded) {
        for (int idx = 0; idx < frameCount; ++idx)
            m_frames[idx] = framePixmap(idx);
        m_framesLoaded = true;
    }
    // A missing frame image leaves its slot empty.
    const QPixmap &frame = m_frames[m_frame];
    m_frameTop = int(bubble.top() + 12);
    if (!frame.isNull())
        painter.drawPixmap(frameRect(frame).topLeft(), frame);

    const QRectF shown = text.translated(0, 15);
    if (!e->region().intersects(shown.toAlignedRect()))
        return;
    painter.setPen(Qt::white);
    painter.drawText(shown, textFlags, message());
}

ToastWithOutKeyEvent::ToastWithOutKeyEvent(const QString &message, int timeout, QWidget *parent)
    : Toast(message, timeout, parent)
{ }

void ToastWithOutKeyEvent::keyPressEvent(QKeyEvent *e)
{
    QWidget::keyPressEvent(e);
}

void ToastWithOutKeyEvent::keyReleaseEvent(QKeyEvent *e)
{
    QWidget::keyReleaseEvent(e);
}

ToastWaitWithOutKeyEvent::ToastWaitWithOutKeyEvent(
    const QString &message, int timeout, QWidget *parent)
    : ToastWait(message, timeout, parent)
{ }

void ToastWaitWithOutKeyEvent::keyPressEvent(QKeyEvent *e)
{
    if (e->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    emit escaped();
}

void ToastWaitWithOutKeyEvent::keyReleaseEvent(QKeyEvent *e)
{
    if (e->key() != Qt::Key_Escape) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    e->accept();
}
