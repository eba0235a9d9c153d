#include "hotspotconfig.h"

#include "core.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

namespace HotspotConfig {

namespace {

    QString devicePath(const char *path)
    {
        return theCore ? theCore->devicePath(QLatin1String(path)) : QString::fromLatin1(path);
    }

    QString envInfoFile()
    {
        return theCore ? theCore->envInfoFileName() : QString();
    }

    // A value that another tool wrote with unquoted commas reads as a list; it is one text.
    QString readText(const QSettings &settings, const QString &key, const QString &fallback)
    {
        const QVariant value = settings.value(key, fallback);
        if (value.type() == QVariant::StringList)
            return value.toStringList().join(QLatin1Char(','));
        return value.toString();
    }

    // Qt 5's QSaveFile puts its new file in place even when the last write to it failed, so a
    // full disk would leave a settings file cut short and QSettings would report success. A
    // file is only rewritten when one twice its size, and some, fits beside it.
    bool roomFor(const QString &path)
    {
        const QFileInfo target(path);
        QTemporaryFile probe(target.absolutePath() + QStringLiteral("/.space-XXXXXX"));
        bool room = QDir().mkpath(target.absolutePath()) && probe.open();
        const QByteArray block(4096, '\0');
        for (qint64 left = 2 * target.size() + block.size(); room && left > 0; left -= block.size())
            room = probe.write(block) == block.size();
        room = room && probe.flush();
        if (!room)
            qWarning() << "HotspotConfig::roomFor no room to rewrite" << path;
        return room;
    }

    // A line QSettings cannot parse (a '#' comment, say) leaves a format error behind, but the
    // file is written all the same; only an access error means the write did not happen.
    bool flush(QSettings &settings)
    {
        settings.sync();
        return settings.status() != QSettings::AccessError;
    }

} // namespace

Stored load()
{
    Stored stored;
    {
        const QSettings env(envInfoFile(), QSettings::IniFormat);
        stored.enabled
            = env.value(QStringLiteral("HOTSPOT/HOTSPOT"), QStringLiteral("FALSE")).toBool();
    }

    const QSettings hostapd(devicePath(hostapdConfPath), QSettings::IniFormat);
    stored.hwMode = readText(hostapd, QStringLiteral("TETHERING/hw_mode"), QStringLiteral("b"));
    stored.ieee80211n
        = hostapd.value(QStringLiteral("TETHERING/ieee80211n"), QStringLiteral("0")).toInt();

    {
        const QSettings line(devicePath(sipLinePath), QSettings::IniFormat);
        QString number = readText(line, QStringLiteral("LineInfo/LineNumber"), QString());
        if (number.isEmpty())
            number = QStringLiteral("unknown");
        stored.defaultSsid = QStringLiteral("KLX-p7720_") + number;
    }

    stored.ssid = readText(hostapd, QStringLiteral("TETHERING/ssid"), stored.defaultSsid).trimmed();
    stored.passphrase = readText(
        hostapd, QStringLiteral("TETHERING/wpa_passphrase"), QLatin1String(builtinPassphrase))
                            .trimmed();
    stored.passphrase.remove(QLatin1String("sec:"));

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

bool writeSwitch(bool on)
{
    if (!roomFor(envInfoFile()))
        return false;
    QSettings env(envInfoFile(), QSettings::IniFormat);
    env.setValue(QStringLiteral("HOTSPOT/HOTSPOT"), on);
    return flush(env);
}

bool writeTethering(
    const QString &hwMode, int ieee80211n, const QString &ssid, const QString &passphrase)
{
    if (!roomFor(devicePath(hostapdConfPath)))
        return false;
    QSettings hostapd(devicePath(hostapdConfPath), QSettings::IniFormat);
    hostapd.setValue(QStringLiteral("TETHERING/hw_mode"), hwMode);
    hostapd.setValue(QStringLiteral("TETHERING/ieee80211n"), ieee80211n);
    hostapd.setValue(QStringLiteral("TETHERING/ssid"), ssid.trimmed());
    hostapd.setValue(QStringLiteral("TETHERING/wpa_passphrase"), passphrase.trimmed());
    return flush(hostapd);
}

QString masked(const QString &passphrase)
{
    return passphrase.isEmpty() ? QString() : QStringLiteral("********");
}

} // namespace HotspotConfig
