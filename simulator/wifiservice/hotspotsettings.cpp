#include "hotspotsettings.h"

#include <QSettings>
#include <QStringList>

namespace {

constexpr int maxSsidBytes = 32;
constexpr int minPassphraseLength = 8;
constexpr int maxPassphraseLength = 63;

// A value another tool wrote with unquoted commas reads as a list; it is one text.
QString readText(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

HotspotSettings HotspotSettings::read(const QString &deviceRoot)
{
    HotspotSettings settings;
    const QSettings env(deviceRoot + QStringLiteral("/configs/envinfo.ini"), QSettings::IniFormat);
    settings.enabled = env.value(QStringLiteral("HOTSPOT/HOTSPOT"), false).toBool();

    const QSettings hostapd(
        deviceRoot + QStringLiteral("/configs/wireless/hostapd.conf"), QSettings::IniFormat);
    settings.hwMode = readText(hostapd, QStringLiteral("TETHERING/hw_mode"));
    settings.ieee80211n = hostapd.value(QStringLiteral("TETHERING/ieee80211n"), 0).toInt();
    settings.wpa = hostapd.value(QStringLiteral("TETHERING/wpa"), 2).toInt();
    settings.channel = hostapd.value(QStringLiteral("TETHERING/channel"), 6).toInt();
    settings.ssid = readText(hostapd, QStringLiteral("TETHERING/ssid"));
    settings.passphrase = readText(hostapd, QStringLiteral("TETHERING/wpa_passphrase"));
    return settings;
}

QString HotspotSettings::check() const
{
    if (!enabled)
        return QString();
    if (!isValidSsid(ssid))
        return QStringLiteral("invalid_ssid");
    if (wpa != 0 && !isValidPassphrase(passphrase))
        return QStringLiteral("invalid_passphrase");
    if (!isValidHwMode(hwMode))
        return QStringLiteral("invalid_hw_mode");
    return QString();
}

bool HotspotSettings::isValidSsid(const QString &ssid)
{
    const int bytes = ssid.toUtf8().size();
    return bytes >= 1 && bytes <= maxSsidBytes;
}

bool HotspotSettings::isValidPassphrase(const QString &passphrase)
{
    if (passphrase.size() < minPassphraseLength || passphrase.size() > maxPassphraseLength)
        return false;
    for (const QChar c : passphrase) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

bool HotspotSettings::isValidHwMode(const QString &hwMode)
{
    return hwMode == QLatin1String("a") || hwMode == QLatin1String("b")
        || hwMode == QLatin1String("g");
}
