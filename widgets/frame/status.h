#pragma once

#include "ime.h"

#include <QLabel>
#include <QTimer>

class Ui_Status;

// The shell's status bar across the top of the display: presence icon, the title of the
// screen in front, the state indicators, the input-method indicator and the clock. One
// instance serves every screen. It has a normal layout and an in-call layout that hides the
// less urgent indicators.
class Status : public QLabel
{
    Q_OBJECT
public:
    enum UIStatusHeadset {
        UIStatusHeadsetOff = 0,
        UIStatusHeadsetOn = 1,
        UIStatusHeadsetEHS = 2,
        UIStatusHeadsetEarjack = 3,
    };
    Q_ENUMS(UIStatusHeadset)
    enum UIStatusBluetoothHeadset {
        UIStatusBluetoothHeadsetOff = 0,
        UIStatusBluetoothHeadsetOn = 1,
        UIStatusBluetoothHeadsetDim = 2,
    };
    Q_ENUMS(UIStatusBluetoothHeadset)
    enum UIStatusReplaceScreen {
        UIStatusReplaceScreenOff = 0,
        UIStatusReplaceScreenViewOff = 1,
        UIStatusReplaceScreenViewOn = 2,
        UIStatusReplaceScreenViewOffDim = 3,
        UIStatusReplaceScreenViewOnDim = 4,
    };
    Q_ENUMS(UIStatusReplaceScreen)
    enum UIStatusWifi {
        UIStatusWifiOff = 0,
        UIStatusWifiUnknown = 1,
        UIStatusWifiStep0 = 2,
        UIStatusWifiStep1 = 3,
        UIStatusWifiStep2 = 4,
        UIStatusWifiStep3 = 5,
        UIStatusWifiStep4 = 6,
    };
    Q_ENUMS(UIStatusWifi)
    enum UIStatusAG {
        UIStatusAGOff = 0,
        UIStatusAGOn = 1,
        UIStatusAGDim = 2,
    };
    Q_ENUMS(UIStatusAG)
    enum UIStatusBTHeadsetPairing {
        UIStatusBTHeadsetPairingOff = 0,
        UIStatusBTHeadsetPairingOn = 1,
        UIStatusBTHeadsetPairingDim = 2,
    };
    Q_ENUMS(UIStatusBTHeadsetPairing)
    enum Presence {
        PresenceOnline = 0,
        PresenceMeeting = 1,
        PresenceFood = 2,
        PresenceOffline = 3,
        PresenceDanger = 4,
        PresenceDifferent = 5,
        PresenceLogout = 6,
    };
    Q_ENUMS(Presence)

    explicit Status(QWidget *parent = nullptr);
    ~Status() override;

    void setTitle(const QString &title);
    QString title() const;
    void setDisabledUpdateTitle(bool disabled) { m_disabledUpdateTitle = disabled; }
    int titleLabelWidgetWidth() const;

    void setUIStatusLock(bool on);
    void setUIStatusUpgrade(bool on);
    void setUIStatusConnectMobile(bool on);
    void setUIStatusWifiHotspot(bool on);
    void setUIStatusConnectAOM(bool on);
    void setUIStatusConnectZenda(bool on);
    void setUIStatusCall(bool on);

    UIStatusHeadset statusHeadset() const { return m_headset; }
    UIStatusBluetoothHeadset statusBluetoothHeadset() const { return m_bluetoothHeadset; }
    UIStatusReplaceScreen getUIStatusReplaceScreen() const { return m_replaceScreen; }
    UIStatusBTHeadsetPairing statusBTHeadsetPairing() const { return m_btHeadsetPairing; }

    void setStatusIcon_isCall(bool isCall);
    bool statusIcon_isCall() const { return m_statusIcon_isCall; }
    void setIMEStatus(IMEStatus status);
    void setPresence(Presence value);
    void setPresenceIconVisible(bool visible);
    bool presenceIconVisible() const;
    void setTime24Hour(bool on);
    void setDisplayRssi(const QString &value) { m_displayRssi = value; }
    QString displayRssi() const { return m_displayRssi; }

signals:
    void changeHeadset(UIStatusHeadset value);
    void changeBluetoothHeadset(UIStatusBluetoothHeadset value);
    void changeReplaceScreen(UIStatusReplaceScreen value);
    void changeCamOff(bool value);
    void changeWifi(UIStatusWifi value);
    void changeAGMode(UIStatusAG value);
    void changeBTHsetPairing(UIStatusBTHeadsetPairing value);
    void statusInfoChanged();

public slots:
    void timeout();
    void callTimeout();
    void setUIStatusHeadSet(UIStatusHeadset value);
    void setUIStatusBluetoothHeadset(UIStatusBluetoothHeadset value);
    void setUIStatusReplaceScreen(UIStatusReplaceScreen value);
    void setUIStatusWifi(UIStatusWifi value);
    void setUIStatusAGMode(UIStatusAG value);
    void setUIStatusBTHeadsetPairing(UIStatusBTHeadsetPairing value);

private:
    friend class StatusPrivate;

    // The multi-valued indicators, in the order of their table in the source.
    enum Indicator {
        HeadsetIndicator,
        BluetoothHeadsetIndicator,
        ReplaceScreenIndicator,
        WifiIndicator,
        AGModeIndicator,
        BTHeadsetPairingIndicator,
    };
    bool acceptIndicator(Indicator which, int value) const;
    void showIndicator(Indicator which, int value);
    // Checks, stores, reports and shows a multi-valued indicator.
    template<typename Value>
    void updateIndicator(
        Indicator which, Value value, Value &stored, void (Status::*changed)(Value));
    void setOnOffIndicator(bool &flag, bool on, QLabel *label);

    Ui_Status *ui;
    bool m_disabledUpdateTitle = false;
    bool m_statusIcon_isCall = false;
    QTimer m_clockTimer;
    QTimer m_callTimer;
    int m_callFrame = 0;
    bool m_call = false;
    bool m_connectMobile = false;
    bool m_connectAOM = false;
    bool m_connectZenda = false;
    bool m_upgrade = false;
    bool m_lock = false;
    bool m_wifiHotspot = false;
    UIStatusWifi m_wifi = UIStatusWifiOff;
    UIStatusReplaceScreen m_replaceScreen = UIStatusReplaceScreenOff;
    UIStatusHeadset m_headset = UIStatusHeadsetOff;
    UIStatusBTHeadsetPairing m_btHeadsetPairing = UIStatusBTHeadsetPairingOff;
    UIStatusBluetoothHeadset m_bluetoothHeadset = UIStatusBluetoothHeadsetOff;
    UIStatusAG m_agMode = UIStatusAGOff;
    QString m_displayRssi;
};
