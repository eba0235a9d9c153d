#include "hotspotconfig.h"

#include "core.h"

#include "inifile.h"

#include <QDebug>
#include <QVariant>

namespace HotspotConfig {

namespace {

    const QString tethering = QLatin1String("TETHERING");
    const QString hotspot = QLatin1String("HOTSPOT");

    QString devicePath(const char *path)
    {
        return theCore ? theCore->devicePath(QLatin1String(path)) : QString::fromLatin1(path);
    }

    QString envInfoFile()
    {
        return theCore ? theCore->envInfoFileName() : QString();
    }

    // The text-to-boolean rule of QVariant; a serialised value means nothing here.
    bool readSwitch(const IniFile &env)
    {
        const QString text = env.value(hotspot, hotspot, QLatin1String("FALSE"));
        return !text.startsWith(QLatin1Char('@')) && QVariant(text).toBool();
    }

    int readIeee80211n(const IniFile &hostapd)
    {
        return hostapd.value(tethering, QLatin1String("ieee80211n"), QLatin1String("0")).toInt();
    }

    QString readPassphrase(const IniFile &hostapd)
    {
        return hostapd.value(tethering, QLatin1String("wpa_passphrase"))
            .trimmed()
            .remove(QLatin1String("sec:"));
    }

    void setSwitch(IniFile &env, bool on)
    {
        if (!env.contains(hotspot, hotspot) || readSwitch(env) != on)
            env.setValue(hotspot, hotspot, on);
    }

    // A text the user changed, or one the file lacks or holds blank (the screen showed a
    // default for it), is stored; any other stays as it is.
    void setText(
        IniFile &hostapd, const char *key, const QString &stored, const QString &text, bool changed)
    {
        const QString name = QLatin1String(key);
        if (stored.isEmpty() || (changed && stored != text))
            hostapd.setValue(tethering, name, text);
    }

} // namespace

Stored load()
{
    Stored stored;
    stored.enabled = readSwitch(IniFile(envInfoFile()));

    const IniFile hostapd(devicePath(hostapdConfPath));
    stored.hwMode = hostapd.value(tethering, QLatin1String("hw_mode"), QLatin1String("b"));
    stored.ieee80211n = readIeee80211n(hostapd);

    QString number = IniFile(devicePath(sipLinePath))
                         .value(QLatin1String("LineInfo"), QLatin1String("LineNumber"));
    if (number.isEmpty())
        number = QLatin1String("unknown");
    stored.defaultSsid = QLatin1String("KLX-p7720_") + number;

    stored.ssid = hostapd.value(tethering, QLatin1String("ssid")).trimmed();
    stored.passphrase = readPassphrase(hostapd);
    if (stored.ssid.isEmpty())
        stored.ssid = stored.defaultSsid;
    if (stored.passphrase.isEmpty())
        stored.passphrase = QLatin1String(builtinPassphrase);
    return stored;
}

bool choicesFor(const QString &hwMode, int ieee80211n, QString *frequency, QString *mode)
{
    if (hwMode == QLatin1String("b")) {
        *frequency = QLatin1String(frequency24);
        *mode = QStringLiteral("802.11b");
    } else if (hwMode == QLatin1String("g")) {
        *frequency = QLatin1String(frequency24);
        *mode = ieee80211n != 0 ? QStringLiteral("802.11n") : QStringLiteral("802.11g");
    } else if (hwMode == QLatin1String("a")) {
        *frequency = QLatin1String(frequency5);
        *mode = QStringLiteral("802.11a");
    } else {
        return false;
    }
    return true;
}

void parametersFor(const QString &frequency, const QString &mode, QString *hwMode, int *ieee80211n)
{
    *ieee80211n = 0;
    if (frequency != QLatin1String(frequency24)) {
        *hwMode = QStringLiteral("a");
    } else if (mode == QLatin1String("802.11g")) {
        *hwMode = QStringLiteral("g");
    } else if (mode == QLatin1String("802.11n")) {
        *hwMode = QStringLiteral("g");
        *ieee80211n = 1;
    } else {
        *hwMode = QStringLiteral("b");
    }
}

bool save(bool on, const Tethering &values, int changed)
{
    IniFile env(envInfoFile());
    setSwitch(env, on);

    IniFile hostapd(devicePath(hostapdConfPath));
    const QString hwMode = QLatin1String("hw_mode");
    const QString ieee80211n = QLatin1String("ieee80211n");
    const bool radio = changed & RadioChanged;
    if (!hostapd.contains(tethering, hwMode)
        || (radio && hostapd.value(tethering, hwMode) != values.hwMode))
        hostapd.setValue(tethering, hwMode, values.hwMode);
    if (!hostapd.contains(tethering, ieee80211n)
        || (radio && readIeee80211n(hostapd) != values.ieee80211n))
        hostapd.setValue(tethering, ieee80211n, values.ieee80211n);
    setText(hostapd, "ssid", hostapd.value(tethering, QLatin1String("ssid")).trimmed(),
        values.ssid.trimmed(), changed & SsidChanged);
    setText(hostapd, "wpa_passphrase", readPassphrase(hostapd), values.passphrase.trimmed(),
        changed & PassphraseChanged);

    if (!env.save())
        return false;
    if (hostapd.save())
        return true;
    // The switch must not claim settings that never reached the access point's file.
    if (!env.restore())
        qWarning() << "HotspotConfig::save the switch could not be put back";
    return false;
}

bool writeSwitch(bool on)
{
    IniFile env(envInfoFile());
    setSwitch(env, on);
    return env.save();
}

QString masked(const QString &passphrase)
{
    return passphrase.isEmpty() ? QString() : QStringLiteral("********");
}

} // namespace HotspotConfig
