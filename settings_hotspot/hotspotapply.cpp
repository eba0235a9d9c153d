#include "hotspotapply.h"

#include "appmessage.h"
#include "core.h"
#include "retire.h"
#include "settings_hotspot.h"
#include "toast.h"

#include <QDebug>
#include <QProcess>
#include <QTimer>

namespace {

// What the radio accepts: a network name of 1 to 32 bytes, and a passphrase of 8 to 63
// printable ASCII characters or a raw key of 64 hexadecimal digits.
const int maxSsidBytes = 32;
const int minPassphrase = 8;
const int maxPassphrase = 63;
const int rawKeyLength = 64;

bool isPrintableAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

bool isRawKey(const QString &text)
{
    if (text.size() != rawKeyLength)
        return false;
    for (const QChar c : text) {
        const ushort u = c.toLower().unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f')))
            return false;
    }
    return true;
}

} // namespace

HotspotApply::HotspotApply(QWidget *screen, QWidget *devices)
    : QObject(screen)
    , m_screen(screen)
    , m_devices(devices)
{ }

HotspotApply::~HotspotApply()
{
    delete m_timer;
}

// The texts are judged as they will be stored, trimmed: anything the Wi-Fi service would
// refuse must be refused here, before the running hotspot and the last good settings go.
HotspotApply::Field HotspotApply::refusal(
    const QString &ssid, const QString &password, QString *message)
{
    const QString storedSsid = ssid.trimmed();
    const QString storedPassword = password.trimmed();
    Field field = NoField;
    if (storedSsid.isEmpty()) {
        *message = SettingsHotspot::tr("Phone SSID is Empty");
        field = SsidField;
    } else if (storedPassword.isEmpty()) {
        *message = SettingsHotspot::tr("Password is Empty ");
        field = PasswordField;
    } else if (storedPassword.size() < minPassphrase) {
        *message = SettingsHotspot::tr("Password is too short (8~63)");
        field = PasswordField;
    } else if (theCore && theCore->IshasKRCharacter(ssid)) {
        *message = SettingsHotspot::tr("Do not Enter the ID into Korean");
        field = SsidField;
    } else if (theCore && theCore->IshasKRCharacter(password)) {
        *message = SettingsHotspot::tr("Do not Enter the Password into Korean");
        field = PasswordField;
    } else if (storedSsid.toUtf8().size() > maxSsidBytes) {
        *message = SettingsHotspot::tr("Phone SSID is too long\n(max. 32 bytes)");
        field = SsidField;
    } else if (!isRawKey(storedPassword) && storedPassword.size() > maxPassphrase) {
        *message = SettingsHotspot::tr("Password is too long (8~63)");
        field = PasswordField;
    } else if (!isRawKey(storedPassword) && !isPrintableAscii(storedPassword)) {
        *message
            = SettingsHotspot::tr("Use only English letters, digits\nand symbols in the Password");
        field = PasswordField;
    }
    return field;
}

void HotspotApply::apply(bool on, const HotspotConfig::Tethering &tethering, int changed)
{
    // A script that cannot start leaves the access point, and so the switch, as they were.
    const bool storedOn = HotspotConfig::load().enabled;
    // A write that does not reach the disk must not be applied or reported as saved.
    const bool written = HotspotConfig::save(on, tethering, changed);
    qWarning() << "hw_mode" << tethering.hwMode << "iee80211n" << tethering.ieee80211n << "ssid"
               << tethering.ssid.trimmed() << HotspotConfig::masked(tethering.passphrase.trimmed())
               << on;
    if (!written) {
        qWarning() << "SettingsHotspot::send2WiFi the settings could not be written";
        showNotice(SettingsHotspot::tr("Failed"), 2000);
        return;
    }

    // A save that could not run is no save: no answer will come for it.
    if (!runHotspotScript()) {
        if (m_timer)
            m_timer->stop();
        retire(m_toastWait);
        storeSwitch(storedOn);
        showResult(SettingsHotspot::tr("Failed"), 2000);
        return;
    }

    const int guardMs = on ? SettingsHotspot::GuardOnMs : SettingsHotspot::GuardOffMs;
    if (!m_timer) {
        m_timer = new QTimer;
        m_timer->setSingleShot(true);
        connect(m_timer, SIGNAL(timeout()), this, SIGNAL(guardTimeout()));
    }
    m_timer->setInterval(guardMs);
    m_timer->start();

    retire(m_toastWait);
    m_toastWait = new ToastWait(SettingsHotspot::tr("Saving..."), guardMs, m_screen);
    m_toastWait->setIgnoreKey(true);
    m_toastWait->setMessage(SettingsHotspot::tr("Saving..."));
    m_toastWait->raise();
    m_toastWait->show();
    m_toastWait->raise();
}

void HotspotApply::applyResult(const QString &result)
{
    // An answer that belongs to no save in progress (none was started, or its guard has
    // already reported a failure) must neither close the screen nor change the switch.
    if (!m_timer || !m_timer->isActive()) {
        qWarning() << "SettingsHotspot::applyResult no apply pending, ignored:" << result;
        return;
    }
    m_timer->stop();
    if (m_toastWait)
        m_toastWait->hide();
    if (result == QLatin1String("on")) {
        succeeded();
        return;
    }
    storeSwitch(false);
    showResult(SettingsHotspot::tr("Failed"), 2000);
}

void HotspotApply::guardExpired(bool on)
{
    if (m_toastWait)
        m_toastWait->hide();
    retire(m_toast);
    // Switching off needs no answer: the quiet service has done it.
    if (!on) {
        succeeded();
        return;
    }
    storeSwitch(false);
    runHotspotScript();
    showResult(SettingsHotspot::tr("Failed\nPlease try again"), 5000);
}

void HotspotApply::succeeded()
{
    qDebug() << "SettingsHotspot::saveSetting";
    retire(m_toast);
    if (m_devices)
        m_devices->hide();
    sendHotspotIcon();
    if (showModal(SettingsHotspot::tr("Saved"), 3000))
        m_screen->close();
}

// The notice takes the place of the result notice, so that a result arriving while it is up
// (of an apply still pending) replaces it instead of piling up on top of it.
bool HotspotApply::showModal(const QString &message, int ms)
{
    retire(m_toast);
    m_toast = new Toast(message, ms, m_screen);
    m_toast->setIgnoreKey(true);
    QPointer<Toast> notice = m_toast;
    QPointer<HotspotApply> self(this);
    notice->exec();
    if (!self)
        return false;
    if (m_toast == notice)
        retire(m_toast);
    return true;
}

void HotspotApply::dismiss()
{
    ::dismissPending(m_timer, m_toastWait, m_toast);
}

// A result notice that does not block: the screen stays open under it.
void HotspotApply::showNotice(const QString &message, int ms)
{
    retire(m_toast);
    m_toast = new Toast(message, ms, m_screen);
    m_toast->setIgnoreKey(true);
    m_toast->raise();
    m_toast->show();
    m_toast->raise();
}

// The outcome of a save is told on the settings screen, so the devices screen over it gives
// way.
void HotspotApply::showResult(const QString &message, int ms)
{
    if (m_devices)
        m_devices->hide();
    showNotice(message, ms);
}

// The idle screen's indicator follows every change of the stored switch.
void HotspotApply::storeSwitch(bool on)
{
    if (!HotspotConfig::writeSwitch(on))
        qWarning() << "SettingsHotspot::storeSwitch the switch could not be written";
    sendHotspotIcon();
}

void HotspotApply::sendHotspotIcon()
{
    if (theCore) {
        theCore->sendAppMsg(QLatin1String("idle"), QLatin1String("updateHotspotIcon(bool)"),
            AppMessage::payload(HotspotConfig::load().enabled));
    }
}

// Starts the hotspot script in the background, without a shell in between: the device root
// may hold any character. Its answer comes back as a message, or the guard notices none.
bool HotspotApply::runHotspotScript()
{
    const QString path = QLatin1String("/usr/sbin/hotspot.sh");
    const QString script = theCore ? theCore->devicePath(path) : path;
    if (QProcess::startDetached(script, QStringList()))
        return true;
    qWarning() << "SettingsHotspot::runHotspotScript cannot start" << script;
    return false;
}
