// The hotspot configuration, environment and SIP line files as bytes split at "\0\xff": loading
// yields usable values; a successful write reads back and keeps others' keys; a failed one
// leaves the file as it was.

#include "core.h"
#include "hotspotconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *scratch = nullptr;
Core *core = nullptr;
int run = 0;

void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "%s %s\n", what, qPrintable(detail));
    std::abort();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("cannot write", path);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything QSettings reads from a file, the keys the screen writes left out.
QMap<QString, QVariant> othersOf(const QString &path, const QStringList &owned)
{
    QMap<QString, QVariant> values;
    const QSettings settings(path, QSettings::IniFormat);
    for (const QString &key : settings.allKeys()) {
        if (!owned.contains(key))
            values.insert(key, settings.value(key));
    }
    return values;
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(quiet);
    new QCoreApplication(*argc, *argv);
    // In memory: every write is flushed to the disk.
    const bool shm = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    scratch = new QTemporaryDir((shm ? QStringLiteral("/dev/shm") : QDir::tempPath())
        + QStringLiteral("/fuzz-hotspotconfig-XXXXXX"));
    core = new Core;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QList<QByteArray> files;
    int from = 0;
    for (int part = 0; part < 2; ++part) {
        const int at = input.indexOf(QByteArray("\0\xff", 2), from);
        if (at < 0)
            break;
        files << input.mid(from, at - from);
        from = at + 2;
    }
    files << input.mid(from);
    while (files.size() < 3)
        files << QByteArray();

    // QSettings keeps files it has read by name; every input gets names of its own.
    const QString root = scratch->filePath(QString::number(++run));
    core->setDeviceRoot(root);
    const QString hostapd = core->devicePath(QLatin1String(HotspotConfig::hostapdConfPath));
    const QString env = core->envInfoFileName();
    writeFile(hostapd, files.at(0));
    writeFile(env, files.at(1));
    writeFile(core->devicePath(QLatin1String(HotspotConfig::sipLinePath)), files.at(2));

    const HotspotConfig::Stored stored = HotspotConfig::load();
    if (stored.ssid.isEmpty() || stored.passphrase.isEmpty())
        fail("empty name or passphrase");
    if (!stored.defaultSsid.startsWith(QLatin1String("KLX-p7720_")))
        fail("default name", stored.defaultSsid);
    QString frequency;
    QString mode;
    if (HotspotConfig::choicesFor(stored.hwMode, stored.ieee80211n, &frequency, &mode)
        && frequency != QLatin1String(HotspotConfig::frequency24)
        && frequency != QLatin1String(HotspotConfig::frequency5))
        fail("frequency", frequency);

    const QStringList owned
        = {QStringLiteral("TETHERING/hw_mode"), QStringLiteral("TETHERING/ieee80211n"),
            QStringLiteral("TETHERING/ssid"), QStringLiteral("TETHERING/wpa_passphrase")};
    const QMap<QString, QVariant> before = othersOf(hostapd, owned);
    const QByteArray bytesBefore = bytesOf(hostapd);
    const QString ssid = stored.ssid.left(32);
    const QString passphrase = QStringLiteral("pass, \"word\"; #9");
    if (HotspotConfig::writeTethering(QStringLiteral("g"), 1, ssid, passphrase)) {
        const HotspotConfig::Stored again = HotspotConfig::load();
        if (again.hwMode != QLatin1String("g") || again.ieee80211n != 1)
            fail("radio parameters read back as", again.hwMode);
        if (again.ssid != (ssid.trimmed().isEmpty() ? again.defaultSsid : ssid.trimmed()))
            fail("name read back as", again.ssid);
        if (again.passphrase != passphrase)
            fail("passphrase read back as", again.passphrase);
        // QSettings writes a "/" in a key's name as "\", so such a key comes back under another
        // name; every other key of another owner must still be there as it was.
        const QMap<QString, QVariant> after = othersOf(hostapd, owned);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (it.key().count(QLatin1Char('/')) < 2 && after.value(it.key()) != it.value())
                fail("a key of another owner changed:", it.key());
        }
    } else if (bytesOf(hostapd) != bytesBefore) {
        fail("a failed write changed the file");
    }

    if (!HotspotConfig::writeSwitch(true) || !HotspotConfig::load().enabled)
        fail("the switch did not read back as on");

    QDir(root).removeRecursively();
    return 0;
}
