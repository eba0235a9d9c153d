#include "status.h"
#include "ui_status.h"

#include "core.h"

#include <QDebug>

namespace {

QString statusImage(const char *name)
{
    return QStringLiteral(":/ui/images/status/") + QLatin1String(name);
}

// The signals and slots name the indicator types without the class, as the shell's other
// parts connect to them; the meta-type system needs those spellings for queued connections
// and signal spies.
void registerIndicatorTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<Status::UIStatusHeadset>("UIStatusHeadset");
        qRegisterMetaType<Status::UIStatusBluetoothHeadset>("UIStatusBluetoothHeadset");
        qRegisterMetaType<Status::UIStatusReplaceScreen>("UIStatusReplaceScreen");
        qRegisterMetaType<Status::UIStatusWifi>("UIStatusWifi");
        qRegisterMetaType<Status::UIStatusAG>("UIStatusAG");
        qRegisterMetaType<Status::UIStatusBTHeadsetPairing>("UIStatusBTHeadsetPairing");
        return true;
    }();
    Q_UNUSED(registered)
}

} // namespace

Status::Status(QWidget *parent)
    : QLabel(parent, Qt::FramelessWindowHint)
    , ui(new Ui_Status)
{
    registerIndicatorTypes();
    ui->setupUi(this);
    setFocusPolicy(Qt::NoFocus);
    ui->horizontalLayout_2->setContentsMargins(10, 0, 4, 0);
    ui->specialCharLabel->hide();
    ui->charLabel->hide();

    setUIStatusCall(false);
    setUIStatusConnectMobile(false);
    setUIStatusConnectAOM(false);
    setUIStatusConnectZenda(false);
    setUIStatusUpgrade(false);
    setUIStatusLock(false);
    setUIStatusWifiHotspot(false);
    setUIStatusReplaceScreen(UIStatusReplaceScreenOff);
    setUIStatusBluetoothHeadset(UIStatusBluetoothHeadsetOff);
    setUIStatusHeadSet(UIStatusHeadsetOff);
    setUIStatusWifi(UIStatusWifiOff);
    setUIStatusAGMode(UIStatusAGOff);
    setUIStatusBTHeadsetPairing(UIStatusBTHeadsetPairingOff);
    setStatusIcon_isCall(false);
    setPresence(PresenceOnline);
    setPresenceIconVisible(true);

    connect(&m_callTimer, SIGNAL(timeout()), this, SLOT(callTimeout()));
    connect(&m_clockTimer, SIGNAL(timeout()), this, SLOT(timeout()));
    m_clockTimer.start(1000);
    timeout();

    m_displayRssi = QString::fromLocal8Bit(qgetenv("DISPLAY_RSSI"));

    QFont font;
    font.setPointSize(18);
    ui->titleLabel->setFont(font);
    ui->timeLabel->setFont(font);
}

Status::~Status()
{
    m_clockTimer.stop();
    delete ui;
}

void Status::setTitle(const QString &title)
{
    if (m_disabledUpdateTitle) {
        qDebug() << "Status::setTitle m_disabledUpdateTitle:" << true;
        return;
    }
    ui->titleLabel->setText(title);
    ui->titleLabel->update();
}

QString Status::title() const
{
    return ui->titleLabel->text();
}

int Status::titleLabelWidgetWidth() const
{
    const QLabel *const counted[] = {
        ui->statusUpgrade,
        ui->statusLock,
        ui->statusScreen,
        ui->statusConnectZenda,
        ui->statusConnectAOM,
        ui->statusConnectMobile,
        ui->statusBTHSetPairing,
        ui->statusBlutoothHeadset,
        ui->statusHeadset,
        ui->statusAGMode,
        ui->statusWiFiHotspot,
        ui->statusWifi,
        ui->specialCharLabel,
        ui->charLabel,
        ui->timeLabel,
    };
    int available = width();
    for (const QLabel *label : counted) {
        if (!label->isHidden())
            available -= label->width();
    }
    return qMin(available, 300);
}

namespace {

// The multi-valued indicators, in the order of Status::Indicator: the label, the debug line
// for a value out of range, the image folder and the images of the values from 1 on.
struct IndicatorRow
{
    QLabel *Ui_Status::*label;
    const char *refused;
    const char *folder;
    const char *images[6];
};

const IndicatorRow indicators[] = {
    {&Ui_Status::statusHeadset, "Status::setUIStatusHeadSet invaild value! noupdate!", "status/",
        {"icon_hadeset.png", "icon_hadeset_EHS.png", "icon_hadeset_earjack.png"}},
    {&Ui_Status::statusBlutoothHeadset,
        "Status::setUIStatusBluetoothHeadset invaild value! noupdate!", "status/",
        {"icon_hadeset_blue.png", "icon_hadeset_blue_dim.png"}},
    {&Ui_Status::statusScreen, "Status::setUIStatusReplaceScreen invalid value! noupdate!",
        "status/",
        {"icon_view_off.png", "icon_view_on.png", "icon_view_off_dim.png", "icon_view_on_dim.png"}},
    {&Ui_Status::statusWifi, "Status::setUIStatusWifi invaild value! noupdate!", "",
        {"icon_wifi_unknown.png", "icon_wifi_step0_press.png", "icon_wifi_step1_press.png",
            "icon_wifi_step2_press.png", "icon_wifi_step3_press.png", "icon_wifi_step4_press.png"}},
    {&Ui_Status::statusAGMode, "Status::setUIStatusAG invalid value! noupdate!", "status/",
        {"icon_AG.png", "icon_AG_dim.png"}},
    {&Ui_Status::statusBTHSetPairing,
        "Status::setUIStatusBTHeadsetPairing invaild value! noupdate!", "status/",
        {"icon_status_bthset.png", "icon_status_bthset_dim.png"}},
};

} // namespace

// Values are compared as unsigned, so a negative one is out of range too.
bool Status::acceptIndicator(Indicator which, int value) const
{
    const IndicatorRow &row = indicators[which];
    if (uint(value) == 0
        || (uint(value) <= sizeof(row.images) / sizeof(row.images[0]) && row.images[value - 1]))
        return true;
    qDebug() << row.refused;
    return false;
}

// Value 0 hides the indicator's label, any other shows the value's image.
void Status::showIndicator(Indicator which, int value)
{
    const IndicatorRow &row = indicators[which];
    QLabel *label = ui->*row.label;
    if (value == 0) {
        label->hide();
        return;
    }
    label->setPixmap(QPixmap(QString::fromLatin1(":/ui/images/") + QLatin1String(row.folder)
        + QLatin1String(row.images[value - 1])));
    label->show();
}

template<typename Value>
void Status::updateIndicator(
    Indicator which, Value value, Value &stored, void (Status::*changed)(Value))
{
    if (!acceptIndicator(which, value))
        return;
    const Value old = stored;
    stored = value;
    (this->*changed)(value);
    showIndicator(which, value);
    if (value != old)
        emit statusInfoChanged();
}

void Status::setUIStatusHeadSet(UIStatusHeadset value)
{
    updateIndicator(HeadsetIndicator, value, m_headset, &Status::changeHeadset);
}

void Status::setUIStatusBluetoothHeadset(UIStatusBluetoothHeadset value)
{
    updateIndicator(
        BluetoothHeadsetIndicator, value, m_bluetoothHeadset, &Status::changeBluetoothHeadset);
}

void Status::setUIStatusWifi(UIStatusWifi value)
{
    updateIndicator(WifiIndicator, value, m_wifi, &Status::changeWifi);
}

void Status::setUIStatusAGMode(UIStatusAG value)
{
    updateIndicator(AGModeIndicator, value, m_agMode, &Status::changeAGMode);
}

void Status::setUIStatusBTHeadsetPairing(UIStatusBTHeadsetPairing value)
{
    updateIndicator(
        BTHeadsetPairingIndicator, value, m_btHeadsetPairing, &Status::changeBTHsetPairing);
}

// Unlike the others, the screen indicator reports the change before it stores it, and also
// reports whether the camera is off.
void Status::setUIStatusReplaceScreen(UIStatusReplaceScreen value)
{
    if (!acceptIndicator(ReplaceScreenIndicator, value))
        return;
    const UIStatusReplaceScreen old = m_replaceScreen;
    emit changeReplaceScreen(value);
    m_replaceScreen = value;
    if (value != UIStatusReplaceScreenOff)
        qDebug() << "Status::setUIStatusReplaceScreen value!!!" << int(value);
    showIndicator(ReplaceScreenIndicator, value);
    emit changeCamOff(value == UIStatusReplaceScreenOff);
    if (value != old)
        emit statusInfoChanged();
}

// The on/off indicators only record their state during the in-call layout; leaving it shows
// what was recorded.
void Status::setOnOffIndicator(bool &flag, bool on, QLabel *label)
{
    const bool old = flag;
    flag = on;
    if (m_statusIcon_isCall)
        return;
    label->setVisible(on);
    if (on != old)
        emit statusInfoChanged();
}

void Status::setUIStatusLock(bool on)
{
    setOnOffIndicator(m_lock, on, ui->statusLock);
}

void Status::setUIStatusUpgrade(bool on)
{
    setOnOffIndicator(m_upgrade, on, ui->statusUpgrade);
}

void Status::setUIStatusConnectMobile(bool on)
{
    qDebug() << "Status::setUIStatusConnectMobile value:" << on;
    setOnOffIndicator(m_connectMobile, on, ui->statusConnectMobile);
}

void Status::setUIStatusWifiHotspot(bool on)
{
    qDebug() << "Status::setUIStatusWifiHotspot value:" << on;
    setOnOffIndicator(m_wifiHotspot, on, ui->statusWiFiHotspot);
}

void Status::setUIStatusConnectAOM(bool on)
{
    qDebug() << "Status::setUIStatusConnectAOM value:" << on;
    setOnOffIndicator(m_connectAOM, on, ui->statusConnectAOM);
}

void Status::setUIStatusConnectZenda(bool on)
{
    qDebug() << "Status::setUIStatusConnectZenda value:" << on;
    setOnOffIndicator(m_connectZenda, on, ui->statusConnectZenda);
}

void Status::setUIStatusCall(bool on)
{
    m_call = on;
    if (!on) {
        ui->statusCall->hide();
        m_callTimer.stop();
        return;
    }
    if (!m_statusIcon_isCall)
        return;
    ui->statusCall->show();
    m_callFrame = 0;
    m_callTimer.start(1000);
    callTimeout();
}

void Status::callTimeout()
{
    const QString image = m_callFrame == 0
        ? statusImage("icon_dial_line.png")
        : QStringLiteral(":/ui/images/status/icon_dial_line_%1.png")
              .arg(m_callFrame, 2, 10, QLatin1Char('0'));
    ui->statusCall->setPixmap(QPixmap(image));
    m_callFrame = m_callFrame <= 4 ? m_callFrame + 1 : 0;
}

void Status::setStatusIcon_isCall(bool isCall)
{
    const bool old = m_statusIcon_isCall;
    m_statusIcon_isCall = isCall;
    ui->presenceLabel->setVisible(!isCall);

    setUpdatesEnabled(false);
    if (isCall) {
        if (m_displayRssi.isEmpty())
            ui->titleLabel->hide();
        ui->statusLock->hide();
        ui->statusUpgrade->hide();
        ui->statusConnectAOM->hide();
        ui->statusConnectZenda->hide();
        ui->statusConnectMobile->hide();
        ui->statusBTHSetPairing->setVisible(m_btHeadsetPairing != UIStatusBTHeadsetPairingOff);
        ui->horizontalSpacer_3->changeSize(300, 11, QSizePolicy::Fixed, QSizePolicy::Fixed);
    } else {
        ui->titleLabel->show();
        const std::pair<bool, QLabel *> recorded[] = {
            {m_lock, ui->statusLock},
            {m_upgrade, ui->statusUpgrade},
            {m_connectAOM, ui->statusConnectAOM},
            {m_connectZenda, ui->statusConnectZenda},
            {m_connectMobile, ui->statusConnectMobile},
            {m_btHeadsetPairing != UIStatusBTHeadsetPairingOff, ui->statusBTHSetPairing},
        };
        for (const auto &indicator : recorded) {
            if (indicator.first)
                indicator.second->show();
        }
        ui->horizontalSpacer_3->changeSize(4, 11, QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    ui->horizontalLayout->invalidate();
    setUpdatesEnabled(true);
    update();
    if (isCall != old)
        emit statusInfoChanged();
}

void Status::setIMEStatus(IMEStatus status)
{
    switch (status) {
    case IMEStatusOff:
    case IMEStatusSymbol:
    case IMEStatusDialNumber:
    case IMEStatusHidden:
        ui->specialCharLabel->hide();
        ui->charLabel->hide();
        ui->timeLabel->show();
        return;
    default:
        break;
    }
    ui->specialCharLabel->show();
    const char *image = nullptr;
    switch (status) {
    case IMEStatusKorean:
        image = (theCore && theCore->language() == 0) ? "indicator_language_hangul.png"
                                                      : "indicator_language_english_01.png";
        break;
    case IMEStatusEnglishLower:
        image = "indicator_language_english_01.png";
        break;
    case IMEStatusEnglishUpper:
        image = "indicator_language_english.png";
        break;
    case IMEStatusNumber:
        image = "indicator_language_number.png";
        break;
    default:
        break;
    }
    if (image)
        ui->charLabel->setPixmap(QPixmap(statusImage(image)));
    ui->charLabel->show();
    ui->timeLabel->hide();
    update();
}

void Status::setPresence(Presence value)
{
    if (uint(value) > 6) {
        qDebug() << "Status::setPresence not define type!";
        return;
    }
    static const char *const images[] = {"icon_presence_online.png", "icon_presence_meeting.png",
        "icon_presence_food.png", "icon_presence_offline.png", "icon_presence_danger.png",
        "icon_presence_different.png", "icon_presence_logout.png"};
    ui->presenceLabel->setPixmap(
        QPixmap(QStringLiteral(":/ui/images/") + QLatin1String(images[value])));
}

void Status::setPresenceIconVisible(bool visible)
{
    ui->presenceLabel->setVisible(visible);
}

bool Status::presenceIconVisible() const
{
    return !ui->presenceLabel->isHidden();
}

void Status::setTime24Hour(bool on)
{
    ui->timeLabel->setTime24Hour(on);
    ui->timeLabel->setMinimumWidth(on ? 44 : 67);
    ui->horizontalLayout->invalidate();
}

void Status::timeout()
{
    ui->timeLabel->changeTimeBlinkFlag();
    ui->timeLabel->update();
}
