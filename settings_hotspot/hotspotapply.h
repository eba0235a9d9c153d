#pragma once

#include "hotspotconfig.h"

#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;
class Toast;
class ToastWait;

// The save-and-apply cycle of the settings screen: checks the texts the Wi-Fi service would
// refuse, writes the settings, starts the hotspot script and waits, under a guard timer, for
// the service's answer, then tells the outcome on the screen and to the idle screen. The
// notices it shows are children of the screen; its texts, and the names in its log lines, are
// the screen's (translation context SettingsHotspot), as the shell's logs and translators know
// them.
class HotspotApply : public QObject
{
    Q_OBJECT
public:
    // The row a refused text belongs to.
    enum Field { NoField, SsidField, PasswordField };

    // 'devices' is the devices screen, which gives way to an outcome told on 'screen'.
    HotspotApply(QWidget *screen, QWidget *devices);
    ~HotspotApply() override;

    // The devices screen, once the settings screen has built it.
    void setDevices(QWidget *devices) { m_devices = devices; }

    // The first rule a switched-on hotspot's name or passphrase breaks, with its message.
    static Field refusal(const QString &ssid, const QString &password, QString *message);

    // Writes the settings and starts the script; the answer, or the guard, ends the apply.
    void apply(bool on, const HotspotConfig::Tethering &tethering, int changed);
    // The Wi-Fi service's answer to an apply ("on", or anything else for a failure).
    void applyResult(const QString &result);
    // The guard ran out; 'on' is the state the user has asked for by now.
    void guardExpired(bool on);

    // A notice that blocks until it has timed out; false when the screen went away meanwhile.
    bool showModal(const QString &message, int ms);
    // Stops the guard and hides the notices of an apply.
    void dismiss();

    // Tells the idle screen the stored switch, which is what the access point runs by.
    static void sendHotspotIcon();

signals:
    void guardTimeout();

private:
    friend class SettingsHotspotPrivate;

    void succeeded();
    void showNotice(const QString &message, int ms);
    void showResult(const QString &message, int ms);
    void storeSwitch(bool on);
    bool runHotspotScript();

    QWidget *m_screen = nullptr;
    QPointer<QWidget> m_devices;
    QTimer *m_timer = nullptr;
    QPointer<ToastWait> m_toastWait;
    QPointer<Toast> m_toast;
};
