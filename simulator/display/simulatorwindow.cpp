#include "simulatorwindow.h"

#include "core.h"
#include "devicedisplay.h"
#include "devicekeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr int bezelPadding = 10;
// The display's list rows lie between the status bar and the function-key bar.
constexpr int statusBarHeight = 32;
constexpr int functionBarHeight = 32;

const char bodyStyle[] = R"(
QWidget#body { background-color: #2b2d31; }
QFrame#bezel { background-color: #060606; border: 2px solid #50545a; border-radius: 10px; }
QWidget#keypad { background-color: #232528; border-radius: 18px; }
QPushButton {
    color: #eef0f2;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5a5e65, stop:1 #35383d);
    border: 1px solid #141517;
    font-weight: bold;
}
QPushButton:pressed { background-color: #8a96a8; color: #101010; }
QPushButton[group="soft"] { border-radius: 10px; }
QPushButton[group="row"] { border-radius: 9px; }
QPushButton[group="digit"] { border-radius: 22px; font-size: 17px; }
QPushButton[group="arrow"] { border-radius: 19px; font-size: 13px; }
QPushButton[group="ok"] {
    border-radius: 26px;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f6a9c, stop:1 #2f4570);
}
QPushButton[group="pill"] { border-radius: 13px; font-size: 11px; }
QWidget#world { background-color: #232528; border-radius: 12px; }
QWidget#world QLabel, QWidget#world QCheckBox { color: #c8ccd2; font-size: 11px; }
QLabel#worldTitle { color: #eef0f2; font-weight: bold; }
QPushButton[group="panel"] { border-radius: 6px; font-size: 11px; padding: 3px 6px; }
)";

// The display's languages, each under its own name, in the order a person looks for them.
const struct
{
    const char *name;
    Core::Language language;
} languageNames[] = {
    {"English", Core::English},
    {"Deutsch", Core::German},
    {"Nederlands", Core::Dutch},
    {"Français", Core::French},
    {"Español", Core::Spanish},
    {"Português", Core::Portuguese},
    {"Italiano", Core::Italian},
    {"Svenska", Core::Swedish},
    {"Türkçe", Core::Turkish},
    {"Ελληνικά", Core::Greek},
    {"Русский", Core::Russian},
    {"한국어", Core::Korean},
};

struct KeyStyle
{
    const char *group;
    QSize size;
};

KeyStyle styleFor(const DeviceKey &key)
{
    switch (key.group) {
    case DeviceKey::SoftKey:
        return {"soft", QSize(62, 20)};
    case DeviceKey::RowKey:
        return {"row", QSize(28, 18)};
    case DeviceKey::Digit:
        return {"digit", QSize(44, 44)};
    case DeviceKey::Volume:
        return {"pill", QSize(46, 26)};
    case DeviceKey::Navigation:
        break;
    }
    if (key.key == Qt::Key_Enter)
        return {"ok", QSize(52, 52)};
    if (key.key == Qt::Key_Escape)
        return {"pill", QSize(46, 26)};
    return {"arrow", QSize(38, 38)};
}

QString describe(const DeviceKey &key)
{
    switch (key.group) {
    case DeviceKey::SoftKey:
        return SimulatorWindow::tr("Soft key %1 (%2)").arg(key.key - Qt::Key_F11 + 1).arg(key.name);
    case DeviceKey::RowKey:
        return SimulatorWindow::tr("Row key %1").arg(key.name);
    default:
        return key.name;
    }
}

// Keys that reach the device as typed text, as its input method would commit them.
bool isTypedKey(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete)
        return true;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return !event.text().isEmpty() && event.text().at(0).isPrint();
}

} // namespace

SimulatorWindow::SimulatorWindow(int scale, QWidget *parent)
    : QWidget(parent)
    , m_display(new DeviceDisplay(scale))
{
    DeviceDisplay::markChrome(this);
    setObjectName(QStringLiteral("body"));
    setWindowTitle(tr("Telephone simulator"));
    setStyleSheet(QLatin1String(bodyStyle));

    auto bezel = new QFrame;
    bezel->setObjectName(QStringLiteral("bezel"));
    auto bezelLayout = new QVBoxLayout(bezel);
    bezelLayout->setContentsMargins(bezelPadding, bezelPadding, bezelPadding, bezelPadding);
    bezelLayout->addWidget(m_display);

    auto screenArea = new QGridLayout;
    screenArea->setHorizontalSpacing(8);
    screenArea->setVerticalSpacing(12);
    screenArea->addWidget(rowKeyColumn(Qt::Key_F1), 0, 0);
    screenArea->addWidget(bezel, 0, 1);
    screenArea->addWidget(rowKeyColumn(Qt::Key_F6), 0, 2);
    screenArea->addLayout(softKeyRow(), 1, 1);
    screenArea->setRowStretch(2, 1);

    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addLayout(screenArea);
    auto side = new QVBoxLayout;
    side->setSpacing(12);
    side->addWidget(keypadPanel());
    side->addWidget(worldPanel());
    side->addStretch(1);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QImage SimulatorWindow::grabWindow()
{
    m_display->frame();
    return grab().toImage();
}

QAbstractButton *SimulatorWindow::makeKey(const DeviceKey &key)
{
    auto button = new QPushButton(key.label);
    const KeyStyle style = styleFor(key);
    button->setObjectName(QStringLiteral("key_") + key.name);
    button->setProperty("group", QLatin1String(style.group));
    button->setFixedSize(style.size);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(tr("%1\nKeyboard: %2").arg(describe(key), key.shortcut));
    const int code = key.key;
    const QString text = key.text;
    connect(button, &QAbstractButton::pressed, this,
        [this, code, text] { m_display->sendKey(code, text, true); });
    connect(button, &QAbstractButton::released, this,
        [this, code, text] { m_display->sendKey(code, text, false); });
    m_buttons.insert(code, button);
    return button;
}

// Five keys, each level with one row of the list between the status bar and the soft keys.
QWidget *SimulatorWindow::rowKeyColumn(int firstKey)
{
    const int scale = m_display->scale();
    auto column = new QWidget;
    column->setFixedHeight(DeviceDisplay::DisplayHeight * scale + 2 * bezelPadding);
    auto layout = new QVBoxLayout(column);
    layout->setContentsMargins(
        0, bezelPadding + statusBarHeight * scale, 0, bezelPadding + functionBarHeight * scale);
    layout->setSpacing(0);
    for (int i = 0; i < 5; ++i)
        layout->addWidget(makeKey(*DeviceKeys::byKey(firstKey + i)), 1, Qt::AlignCenter);
    return column;
}

// One key under each of the function-key bar's five buttons.
QLayout *SimulatorWindow::softKeyRow()
{
    auto layout = new QHBoxLayout;
    layout->setContentsMargins(bezelPadding, 0, bezelPadding, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 5; ++i)
        layout->addWidget(makeKey(*DeviceKeys::byKey(Qt::Key_F11 + i)), 1, Qt::AlignCenter);
    return layout;
}

QWidget *SimulatorWindow::keypadPanel()
{
    auto panel = new QWidget;
    panel->setObjectName(QStringLiteral("keypad"));
    panel->setAttribute(Qt::WA_StyledBackground);
    auto layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 14, 12, 14);
    layout->setSpacing(16);

    auto volume = new QHBoxLayout;
    volume->setSpacing(6);
    for (int key : {Qt::Key_VolumeDown, Qt::Key_VolumeMute, Qt::Key_VolumeUp})
        volume->addWidget(makeKey(*DeviceKeys::byKey(key)));
    layout->addLayout(volume);

    auto navigation = new QGridLayout;
    navigation->setSpacing(4);
    navigation->addWidget(makeKey(*DeviceKeys::byKey(Qt::Key_Up)), 0, 1, Qt::AlignCenter);
    navigation->addWidget(makeKey(*DeviceKeys::byKey(Qt::Key_Left)), 1, 0, Qt::AlignCenter);
    navigation->addWidget(makeKey(*DeviceKeys::byKey(Qt::Key_Enter)), 1, 1, Qt::AlignCenter);
    navigation->addWidget(makeKey(*DeviceKeys::byKey(Qt::Key_Right)), 1, 2, Qt::AlignCenter);
    navigation->addWidget(makeKey(*DeviceKeys::byKey(Qt::Key_Down)), 2, 1, Qt::AlignCenter);
    navigation->addWidget(
        makeKey(*DeviceKeys::byKey(Qt::Key_Escape)), 2, 2, Qt::AlignRight | Qt::AlignBottom);
    layout->addLayout(navigation);

    auto digits = new QGridLayout;
    digits->setSpacing(8);
    int index = 0;
    for (const DeviceKey &key : DeviceKeys::all()) {
        if (key.group == DeviceKey::Digit) {
            digits->addWidget(makeKey(key), index / 3, index % 3, Qt::AlignCenter);
            ++index;
        }
    }
    layout->addLayout(digits);
    return panel;
}

// Nothing here takes the focus: the desktop keys keep going to the display.
QWidget *SimulatorWindow::worldPanel()
{
    auto panel = new QWidget;
    panel->setObjectName(QStringLiteral("world"));
    panel->setAttribute(Qt::WA_StyledBackground);
    auto layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(6);

    auto title = new QLabel(tr("Wi-Fi hotspot"));
    title->setObjectName(QStringLiteral("worldTitle"));
    layout->addWidget(title);
    auto stations = new QHBoxLayout;
    stations->setSpacing(6);
    auto add = new QPushButton(tr("Add station"));
    auto remove = new QPushButton(tr("Remove station"));
    add->setObjectName(QStringLiteral("addStation"));
    remove->setObjectName(QStringLiteral("removeStation"));
    add->setToolTip(tr("A device with a random address joins the hotspot"));
    remove->setToolTip(tr("The device that joined last leaves the hotspot"));
    for (QPushButton *button : {add, remove}) {
        button->setProperty("group", QLatin1String("panel"));
        button->setFocusPolicy(Qt::NoFocus);
        stations->addWidget(button);
    }
    connect(add, &QPushButton::clicked, this, &SimulatorWindow::stationAddRequested);
    connect(remove, &QPushButton::clicked, this, &SimulatorWindow::stationRemoveRequested);
    layout->addLayout(stations);

    m_silent = new QCheckBox(tr("Wi-Fi service silent"));
    m_silent->setObjectName(QStringLiteral("silent"));
    m_silent->setToolTip(tr("The service stops answering, so the application's waits run out"));
    m_silent->setFocusPolicy(Qt::NoFocus);
    connect(m_silent, &QCheckBox::toggled, this, &SimulatorWindow::silentToggled);
    layout->addWidget(m_silent);
    m_serviceControls = {add, remove, m_silent};

    m_serviceMessage = new QLabel;
    m_serviceMessage->setObjectName(QStringLiteral("serviceMessage"));
    m_serviceMessage->setWordWrap(true);
    m_serviceMessage->setFixedWidth(190);
    layout->addWidget(m_serviceMessage);

    auto language = new QHBoxLayout;
    language->addWidget(new QLabel(tr("Language")));
    m_language = new QComboBox;
    m_language->setObjectName(QStringLiteral("language"));
    m_language->setFocusPolicy(Qt::NoFocus);
    for (const auto &entry : languageNames)
        m_language->addItem(QString::fromUtf8(entry.name), int(entry.language));
    m_language->setCurrentIndex(m_language->findData(int(Core::English)));
    connect(m_language, qOverload<int>(&QComboBox::activated), this,
        [this](int index) { emit languageChosen(m_language->itemData(index).toInt()); });
    language->addWidget(m_language, 1);
    layout->addLayout(language);
    return panel;
}

void SimulatorWindow::showLanguage(int language)
{
    const QSignalBlocker blocker(m_language);
    m_language->setCurrentIndex(m_language->findData(language));
}

void SimulatorWindow::showSilent(bool silent)
{
    const QSignalBlocker blocker(m_silent);
    m_silent->setChecked(silent);
}

void SimulatorWindow::setServiceAvailable(bool available)
{
    for (QWidget *control : qAsConst(m_serviceControls))
        control->setEnabled(available);
    if (!available)
        showServiceMessage(tr("The Wi-Fi service is not running."));
}

void SimulatorWindow::showServiceMessage(const QString &text)
{
    m_serviceMessage->setText(text);
}

void SimulatorWindow::keyPressEvent(QKeyEvent *event)
{
    // A key held on the desktop is one press on the device, not a stream of them.
    if (event->isAutoRepeat())
        return;
    HeldKey held;
    if (const DeviceKey *key = DeviceKeys::fromDesktopEvent(*event)) {
        held = {key->key, key->text};
        if (QAbstractButton *button = m_buttons.value(key->key))
            button->setDown(true);
    } else if (isTypedKey(*event)) {
        held = {event->key(), event->text()};
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    m_heldKeys.insert(event->key(), held);
    m_display->sendKey(held.key, held.text, true);
}

void SimulatorWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    const auto it = m_heldKeys.constFind(event->key());
    if (it == m_heldKeys.constEnd()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    const HeldKey held = it.value();
    m_heldKeys.erase(it);
    if (QAbstractButton *button = m_buttons.value(held.key))
        button->setDown(false);
    m_display->sendKey(held.key, held.text, false);
}

void SimulatorWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closeRequested();
}
