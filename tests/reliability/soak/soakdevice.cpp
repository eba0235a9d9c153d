#include "soakdevice.h"

#include "soakrandom.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The stand-ins run often; they fork nothing they do not need to.
const char hotspotScript[] = R"sh(#!/bin/sh
# Stand-in for the hotspot script: records that it ran and with how many arguments.
dir=${0%/*}
printf 'run %s\n' "$#" >> "$dir/hotspot.runs"
mode=
[ -f "$dir/hotspot.mode" ] && read -r mode < "$dir/hotspot.mode"
case "$mode" in
fail) exit 3 ;;
slow) sleep 1 ;;
esac
exit 0
)sh";

// A station query waits on a FIFO until the soak writes how it ends and what it prints.
const char controlTool[] = R"sh(#!/bin/sh
# Stand-in for hostapd's control tool: records each command line in one write.
dir=${0%/*}
line=""
for argument in "$@"; do line="$line[$argument]"; done
printf '%s\n' "$line" >> "$dir/cli.calls"
case "$1" in
all_sta)
    exec 3< "$dir/all_sta.fifo"
    read -r mode <&3
    case "$mode" in
    hang) exec sleep 30 ;;
    huge) yes 'flags=[AUTH][ASSOC][AUTHORIZED][WMM][HT]' | head -c 1000000; echo ;;
    esac
    cat <&3
    [ "$mode" = fail ] && exit 255
    exit 0 ;;
deny_mac)
    mode=
    [ -f "$dir/deny.mode" ] && read -r mode < "$dir/deny.mode"
    [ "$mode" = hang ] && exec sleep 30
    [ "$mode" = fail ] && exit 1
    exit 0 ;;
esac
exit 2
)sh";

// Sections and their lines, as a script reading the file line by line sees them.
QMap<QString, QList<QByteArray>> rawSections(const QByteArray &text)
{
    QMap<QString, QList<QByteArray>> sections;
    QString section;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[') && line.endsWith(']'))
            section = QString::fromLatin1(line.mid(1, line.size() - 2));
        else if (!line.isEmpty())
            sections[section].append(line);
    }
    return sections;
}

QByteArray readAll(const QString &path, bool *exists = nullptr)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (exists)
        *exists = opened;
    return opened ? file.readAll() : QByteArray();
}

// Every save flushes the settings files to the disk; in memory that costs nothing, which
// matters a million events long.
QString scratchBase()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.absoluteFilePath() : QDir::tempPath();
}

} // namespace

SoakDevice::SoakDevice()
    : m_root(scratchBase() + QStringLiteral("/hotspot-soak it's $(true) XXXXXX"))
    , m_canaryDir(scratchBase() + QStringLiteral("/hotspot-soak-canary-XXXXXX"))
{
    if (!m_root.isValid() || !m_canaryDir.isValid()) {
        m_errorString = QStringLiteral("cannot create a temporary device root");
        return;
    }
    plant();
}

QString SoakDevice::path(const QString &devicePath) const
{
    return QDir::cleanPath(root() + QLatin1Char('/') + devicePath);
}

QString SoakDevice::canary() const
{
    return m_canaryDir.filePath(QStringLiteral("pwned"));
}

void SoakDevice::plant()
{
    for (const char *dir : {"/configs/wireless", "/configs/sip", "/usr/sbin"}) {
        if (!QDir().mkpath(path(QLatin1String(dir))))
            m_errorString = QStringLiteral("cannot create %1").arg(path(QLatin1String(dir)));
    }

    plantFile(QStringLiteral("/configs/envinfo.ini"),
        {{QStringLiteral("HOTSPOT/HOTSPOT"), false}, {QStringLiteral("DISPLAY/Brightness"), 7},
            {QStringLiteral("NETWORK/Name"), QStringLiteral("Desk, phone; 3F")},
            {QStringLiteral("NETWORK/Vlan"), QStringLiteral("off")}},
        {{QStringLiteral("HOTSPOT/HOTSPOT"), [](const QString &v) {
              return v == QLatin1String("true") || v == QLatin1String("false");
          }}});
    plantFile(QStringLiteral("/configs/wireless/hostapd.conf"),
        {{QStringLiteral("TETHERING/interface"), QStringLiteral("wlan1")},
            {QStringLiteral("TETHERING/channel"), 6}, {QStringLiteral("TETHERING/wpa"), 2},
            {QStringLiteral("TETHERING/wpa_key_mgmt"), QStringLiteral("WPA-PSK")},
            {QStringLiteral("TETHERING/rsn_pairwise"), QStringLiteral("CCMP")},
            {QStringLiteral("TETHERING/hw_mode"), QStringLiteral("g")},
            {QStringLiteral("TETHERING/ieee80211n"), 1},
            {QStringLiteral("TETHERING/ssid"), QStringLiteral("Desk hotspot")},
            {QStringLiteral("TETHERING/wpa_passphrase"), QStringLiteral("secret-99")},
            {QStringLiteral("STATION/ssid"), QString::fromUtf8("Caf\u00e9 \ud56b\uc2a4\ud31f")},
            {QStringLiteral("STATION/wpa_passphrase"), QStringLiteral("pa;ss, w\"ord")},
            {QStringLiteral("RADIO/country_code"), QStringLiteral("DE")}},
        {{QStringLiteral("TETHERING/hw_mode"),
             [](const QString &v) {
                 return QStringList {"a", "b", "g"}.contains(v);
             }},
            {QStringLiteral("TETHERING/ieee80211n"),
                [](const QString &v) {
                    return v == QLatin1String("0") || v == QLatin1String("1");
                }},
            {QStringLiteral("TETHERING/ssid"), [](const QString &v) { return v.size() <= 32; }},
            {QStringLiteral("TETHERING/wpa_passphrase"),
                [](const QString &v) { return v.size() <= 63; }}});
    // Files the application only reads.
    plantFile(QStringLiteral("/configs/sip/line_0.conf"),
        {{QStringLiteral("LineInfo/LineNumber"), 2001},
            {QStringLiteral("LineInfo/Display"), QStringLiteral("Front desk")}});
    plantFile(
        QStringLiteral("/configs/settings.conf"), {{QStringLiteral("Settings/24HourTime"), true}});
    plantFile(QStringLiteral("/configs/system.conf"),
        {{QStringLiteral("Menu_Password/enable"), false},
            {QStringLiteral("Security/CallLock"), 0}});

    writeProgram(QStringLiteral("hotspot.sh"), hotspotScript, Present);
    writeProgram(QStringLiteral("hostapd_cli"), controlTool, Present);
    const QByteArray fifo = QFile::encodeName(path(QStringLiteral("/usr/sbin/all_sta.fifo")));
    if (::mkfifo(fifo.constData(), 0600) != 0)
        m_errorString
            = QStringLiteral("cannot create the FIFO %1").arg(QString::fromLocal8Bit(fifo));
}

void SoakDevice::plantFile(const QString &devicePath, const QMap<QString, QVariant> &values,
    const QMap<QString, Check> &owned)
{
    WatchedFile file;
    file.path = path(devicePath);
    file.owned = owned;
    file.readOnly = owned.isEmpty();
    {
        QSettings settings(file.path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            m_errorString = QStringLiteral("cannot write %1").arg(file.path);
    }
    file.bytes = readAll(file.path);

    // The planted keys read back as QSettings reads them, and their lines as it wrote them.
    const QSettings reread(file.path, QSettings::IniFormat);
    const QMap<QString, QList<QByteArray>> sections = rawSections(file.bytes);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (owned.contains(it.key()))
            continue;
        file.foreign.insert(it.key(), reread.value(it.key()));
        const QString section = it.key().section(QLatin1Char('/'), 0, 0);
        const QByteArray name = it.key().section(QLatin1Char('/'), 1).toLatin1();
        for (const QByteArray &line : sections.value(section)) {
            if (line.startsWith(name + '='))
                file.foreignLines[section].append(line);
        }
    }
    m_files.append(file);
}

void SoakDevice::writeProgram(const QString &name, const QByteArray &text, ProgramState state)
{
    const QString program = path(QStringLiteral("/usr/sbin/") + name);
    QFile::remove(program);
    if (state == Missing)
        return;
    QFile file(program);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        m_errorString = QStringLiteral("cannot write %1").arg(program);
        return;
    }
    file.close();
    QFile::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (state == Present)
        permissions |= QFileDevice::ExeOwner;
    file.setPermissions(permissions);
}

void SoakDevice::setProgramState(Program program, ProgramState state)
{
    if (program == Script)
        writeProgram(QStringLiteral("hotspot.sh"), hotspotScript, state);
    else
        writeProgram(QStringLiteral("hostapd_cli"), controlTool, state);
}

void SoakDevice::setMode(const char *file, const QByteArray &mode)
{
    QFile out(path(QStringLiteral("/usr/sbin/") + QLatin1String(file)));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(mode);
}

bool SoakDevice::releaseQuery(const QByteArray &mode, const QByteArray &output, int waitMs)
{
    const QByteArray fifo = QFile::encodeName(path(QStringLiteral("/usr/sbin/all_sta.fifo")));
    // Opening for writing without blocking succeeds only while a query holds the FIFO open;
    // one that has just started may take a moment to get there.
    QElapsedTimer waited;
    waited.start();
    int fd = -1;
    while ((fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0) {
        if (errno != ENXIO || waited.hasExpired(waitMs))
            return false;
        QThread::usleep(200);
    }
    // The whole text fits the pipe's buffer, so the writes never wait for the reader.
    const QByteArray text = mode + '\n' + output;
    qint64 written = 0;
    while (written < text.size()) {
        const ssize_t chunk
            = ::write(fd, text.constData() + written, size_t(text.size() - written));
        if (chunk < 0 && errno != EAGAIN && errno != EINTR)
            break;
        if (chunk > 0)
            written += chunk;
    }
    ::close(fd);
    return written == text.size();
}

QByteArray SoakDevice::randomStationOutput(SoakRandom &random, const QString &canary)
{
    QByteArray output;
    if (random.percent(10))
        return random.bytes(random.below(512));
    if (random.percent(80))
        output += "Selected interface 'wlan1'\n";
    const int stations = random.below(9);
    for (int idx = 0; idx < stations; ++idx) {
        QByteArray address;
        for (int part = 0; part < 6; ++part) {
            if (part > 0)
                address += ':';
            address += QByteArray::number(random.below(256) | 0x100, 16).right(2);
        }
        if (random.percent(30))
            address = address.toUpper();
        if (random.percent(10))
            address = "  " + address + " ";
        output += address + '\n';
        output += "flags=[AUTH][ASSOC][AUTHORIZED]\n";
        output += "dot11RSNAStatsSTAAddress=" + address.trimmed() + '\n';
        output += "connected_time=" + QByteArray::number(random.below(100000)) + '\n';
        switch (random.below(8)) {
        case 0:
            output += address.trimmed() + "; touch " + canary.toLocal8Bit() + '\n';
            break;
        case 1:
            output += "$(touch " + canary.toLocal8Bit() + "):00:00:00:00:00\n";
            break;
        case 2:
            output += "Failed to connect to hostapd - wpa_ctrl_open: No such file or directory\n";
            break;
        default:
            break;
        }
    }
    if (random.percent(20))
        output.chop(1);
    return output;
}

QVector<qint64> SoakDevice::stampOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {qint64(info.st_ino), info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

QStringList SoakDevice::newLines(const QString &file, qint64 *offset) const
{
    QFile log(file);
    if (!log.open(QIODevice::ReadOnly) || log.size() <= *offset || !log.seek(*offset))
        return {};
    QByteArray data = log.readAll();
    // A line still being written is left for the next look.
    data.truncate(data.lastIndexOf('\n') + 1);
    *offset += data.size();
    return QString::fromLocal8Bit(data).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList SoakDevice::checkCommands()
{
    QStringList violations;
    const QStringList runs
        = newLines(path(QStringLiteral("/usr/sbin/hotspot.runs")), &m_runsOffset);
    for (const QString &run : runs) {
        ++m_scriptRuns;
        if (run != QLatin1String("run 0"))
            violations << QStringLiteral("the hotspot script was given arguments: %1").arg(run);
    }

    static const QRegularExpression allowed(QStringLiteral(
        "\\A(?:\\[all_sta\\]|\\[deny_mac\\]\\[(?:[0-9A-F]{2}:){5}[0-9A-F]{2}\\])\\z"));
    const QStringList calls = newLines(path(QStringLiteral("/usr/sbin/cli.calls")), &m_callsOffset);
    for (const QString &call : calls) {
        ++m_toolCalls;
        if (!allowed.match(call).hasMatch())
            violations << QStringLiteral("the control tool was called as %1").arg(call);
    }

    if (QFileInfo::exists(canary()))
        violations << QStringLiteral("a text was run as a shell command (%1 exists)").arg(canary());
    return violations;
}

QStringList SoakDevice::checkFiles() const
{
    QStringList violations;
    for (const WatchedFile &file : m_files) {
        // Checks stop the run at the first violation, so an unchanged file is still clean.
        const QVector<qint64> stamp = stampOf(file.path);
        if (!stamp.isEmpty() && stamp == file.checked)
            continue;
        file.checked = stamp;
        bool exists = false;
        const QByteArray bytes = readAll(file.path, &exists);
        if (!exists) {
            violations << QStringLiteral("%1 is gone").arg(file.path);
            continue;
        }
        if (file.readOnly) {
            if (bytes != file.bytes)
                violations << QStringLiteral("%1 was written").arg(file.path);
            continue;
        }

        const QMap<QString, QList<QByteArray>> sections = rawSections(bytes);
        for (auto it = file.foreignLines.cbegin(); it != file.foreignLines.cend(); ++it) {
            for (const QByteArray &line : it.value()) {
                if (!sections.value(it.key()).contains(line)) {
                    violations << QStringLiteral("%1 lost the line \"%2\" of [%3]")
                                      .arg(file.path, QString::fromLatin1(line), it.key());
                }
            }
        }

        QSettings settings(file.path, QSettings::IniFormat);
        const QStringList keys = settings.allKeys();
        if (settings.status() != QSettings::NoError)
            violations << QStringLiteral("%1 no longer parses").arg(file.path);
        for (auto it = file.foreign.cbegin(); it != file.foreign.cend(); ++it) {
            if (settings.value(it.key()) != it.value()) {
                violations << QStringLiteral("%1: %2 changed to %3")
                                  .arg(file.path, it.key(), settings.value(it.key()).toString());
            }
        }
        for (auto it = file.owned.cbegin(); it != file.owned.cend(); ++it) {
            const QString value = settings.value(it.key()).toString();
            if (keys.contains(it.key()) && !it.value()(value))
                violations << QStringLiteral("%1: %2 holds \"%3\"").arg(file.path, it.key(), value);
        }
    }
    return violations;
}
