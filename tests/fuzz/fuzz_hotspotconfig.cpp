// The hotspot configuration, environment and SIP line files as bytes split at "\0\xff": loading
// yields usable values; a successful write reads back, changes no byte outside the written
// value and keeps others' keys; a failed one leaves the file as it was.

#include "core.h"
#include "hotspotconfig.h"
#include "inifile.h"
#include "testfiles.h"

#include <QCoreApplication>
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

// What 'after' holds in place of the one stretch in which it differs from 'before'.
QByteArray insertedInto(const QByteArray &before, const QByteArray &after)
{
    int prefix = 0;
    const int shorter = qMin(before.size(), after.size());
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix
        && before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    return after.mid(prefix, after.size() - prefix - suffix);
}

// Only the name changed: its value, or a line (and section) added for it.
void checkOnlyTheNameChanged(
    const QString &hostapd, const QByteArray &before, const IniFile &others, const QString &ssid)
{
    const QByteArray inserted = insertedInto(before, bytesOf(hostapd));
    const QByteArray added
        = "\n[TETHERING]\nssid=" + IniFile::encoded(ssid, before.startsWith("\xef\xbb\xbf")) + '\n';
    if (!added.contains(inserted) && !QByteArray(added).replace("\n", "\r\n").contains(inserted))
        fail("bytes outside the name changed:", QString::fromLatin1(inserted.toHex()));
    const IniFile after(hostapd);
    for (const char *key : {"hw_mode", "ieee80211n", "wpa_passphrase", "interface"}) {
        const QString name = QLatin1String(key);
        if (after.value(QStringLiteral("TETHERING"), name)
            != others.value(QStringLiteral("TETHERING"), name))
            fail("a key the save did not change reads differently:", name);
    }
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
    for (int part = 0; part < 3; ++part) {
        int at = part < 2 ? input.indexOf(QByteArray("\0\xff", 2), from) : -1;
        at = at < 0 ? input.size() : at;
        files << input.mid(from, at - from);
        from = qMin(at + 2, input.size());
    }

    const QString root = scratch->filePath(QString::number(++run));
    core->setDeviceRoot(root);
    const QString hostapd = core->devicePath(QLatin1String(HotspotConfig::hostapdConfPath));
    const QString env = core->envInfoFileName();
    if (!writeFile(hostapd, files.at(0)) || !writeFile(env, files.at(1))
        || !writeFile(core->devicePath(QLatin1String(HotspotConfig::sipLinePath)), files.at(2)))
        fail("cannot write the files under", root);

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

    // A first save fills in what the files lack; the second changes the name alone.
    HotspotConfig::Tethering values {
        stored.hwMode, stored.ieee80211n, stored.ssid, stored.passphrase};
    // A file the first save could not take may still lack keys the second one adds.
    const bool filled = HotspotConfig::save(stored.enabled, values, 0);
    const QByteArray bytesBefore = bytesOf(hostapd);
    const QString ssid = QStringLiteral("pass, \"word\"; #9 ") + stored.ssid.left(8);
    values.ssid = ssid;
    const IniFile others(hostapd);
    if (HotspotConfig::save(stored.enabled, values, HotspotConfig::SsidChanged)) {
        const HotspotConfig::Stored again = HotspotConfig::load();
        if (again.ssid != ssid.trimmed())
            fail("name read back as", again.ssid);
        if (again.passphrase != stored.passphrase || again.hwMode != stored.hwMode)
            fail("an unchanged value read back as", again.passphrase + again.hwMode);
        if (filled)
            checkOnlyTheNameChanged(hostapd, bytesBefore, others, ssid.trimmed());
    } else if (bytesOf(hostapd) != bytesBefore) {
        fail("a failed write changed the file");
    }

    const QByteArray envBefore = bytesOf(env);
    if (HotspotConfig::writeSwitch(true) ? !HotspotConfig::load().enabled
                                         : bytesOf(env) != envBefore)
        fail("the switch neither read back as on nor stayed as it was");

    QDir(root).removeRecursively();
    return 0;
}
