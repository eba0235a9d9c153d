#include "core.h"
#include "hotspotconfig.h"
#include "hotspotsettings.h"
#include "sandbox.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class tst_Sandbox : public QObject
{
    Q_OBJECT
private slots:
    void createsTheDeviceFilesWhereTheCoreLooks();
    void neverOverwritesExistingFiles();
    void installsProgramsExecutable();
    void accessPointSettingsServeBothSides();
    void toolWrappers_data();
    void toolWrappers();
};

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The template names must match the paths the core library resolves under the device root.
void tst_Sandbox::createsTheDeviceFilesWhereTheCoreLooks()
{
    QTemporaryDir dir;
    Sandbox sandbox(dir.filePath(QStringLiteral("new/sandbox")));
    QVERIFY(sandbox.prepare());
    QCOMPARE(sandbox.createdFiles().size(), 8);

    Core core;
    core.setDeviceRoot(sandbox.root());
    const QSettings env(core.envInfoFileName(), QSettings::IniFormat);
    QCOMPARE(env.value(QStringLiteral("HOTSPOT/HOTSPOT")).toString(), QStringLiteral("false"));
    const QSettings systemConfig(core.configFileName(SystemConfigFile), QSettings::IniFormat);
    QVERIFY(systemConfig.contains(QStringLiteral("Menu_Password/enable")));
    QVERIFY(systemConfig.contains(QStringLiteral("Security/CallLock")));
    const QSettings user(core.configFileName(UserConfigFile), QSettings::IniFormat);
    QVERIFY(user.contains(QStringLiteral("Settings/24HourTime")));
    const QSettings line(
        core.devicePath(QStringLiteral("/configs/sip/line_0.conf")), QSettings::IniFormat);
    QCOMPARE(line.value(QStringLiteral("LineInfo/LineNumber")).toString(), QStringLiteral("2001"));

    // Copies of compiled-in files are read-only unless made writable; the application saves.
    QVERIFY(QFileInfo(core.envInfoFileName()).isWritable());
    QVERIFY(!QFileInfo(core.envInfoFileName()).isExecutable());
}

void tst_Sandbox::neverOverwritesExistingFiles()
{
    QTemporaryDir dir;
    QVERIFY(Sandbox(dir.path()).prepare());
    const QString env = dir.filePath(QStringLiteral("configs/envinfo.ini"));
    const QString line = dir.filePath(QStringLiteral("configs/sip/line_0.conf"));
    writeFile(env, "[HOTSPOT]\nHOTSPOT=true\n");
    QVERIFY(QFile::remove(line));

    Sandbox again(dir.path());
    QVERIFY(again.prepare());
    QCOMPARE(again.createdFiles(), QStringList {QStringLiteral("configs/sip/line_0.conf")});
    QCOMPARE(readFile(env), QByteArray("[HOTSPOT]\nHOTSPOT=true\n"));
    QVERIFY(QFileInfo::exists(line));
}

void tst_Sandbox::installsProgramsExecutable()
{
    QTemporaryDir templates;
    writeFile(templates.filePath(QStringLiteral("usr/sbin/hotspot.sh")), "#!/bin/sh\n");
    writeFile(templates.filePath(QStringLiteral("configs/wireless/hostapd.conf")), "[TETHERING]\n");
    QTemporaryDir root;
    Sandbox sandbox(root.path(), templates.path());
    QVERIFY(sandbox.prepare());

    const QFileInfo script(root.filePath(QStringLiteral("usr/sbin/hotspot.sh")));
    QVERIFY(script.isExecutable());
    QCOMPARE(readFile(script.filePath()), QByteArray("#!/bin/sh\n"));
    QVERIFY(
        !QFileInfo(root.filePath(QStringLiteral("configs/wireless/hostapd.conf"))).isExecutable());
}

// The application shows the template's access point, and the service would start it as it is.
void tst_Sandbox::accessPointSettingsServeBothSides()
{
    QTemporaryDir dir;
    QVERIFY(Sandbox(dir.path()).prepare());
    Core core;
    core.setDeviceRoot(dir.path());
    const HotspotConfig::Stored stored = HotspotConfig::load();
    QCOMPARE(stored.ssid, QStringLiteral("KLX-p7720_2001"));
    QCOMPARE(stored.passphrase, QStringLiteral("Harbour-Lights-42"));
    QString frequency;
    QString mode;
    QVERIFY(HotspotConfig::choicesFor(stored.hwMode, stored.ieee80211n, &frequency, &mode));
    QCOMPARE(mode, QStringLiteral("802.11n"));

    QVERIFY(HotspotConfig::writeSwitch(true));
    HotspotSettings settings = HotspotSettings::read(dir.path());
    QCOMPARE(settings.check(), QString());
    QCOMPARE(settings.wpa, 2);
    QCOMPARE(settings.channel, 6);
    // The other sections of the file survive the application's save.
    QVERIFY(HotspotConfig::writeTethering("a", 0, "Lab", "12345678"));
    const QSettings file(
        core.devicePath(QStringLiteral("/configs/wireless/hostapd.conf")), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("CLIENT/interface")).toString(), QStringLiteral("wlan0"));
    QCOMPARE(
        file.value(QStringLiteral("TETHERING/rsn_pairwise")).toString(), QStringLiteral("CCMP"));
    QCOMPARE(HotspotSettings::read(dir.path()).hwMode, QStringLiteral("a"));
}

// The device's command lines reach the tools behind them with every argument intact; no value
// is read by a shell.
void tst_Sandbox::toolWrappers_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("toolPresent");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<QString>("error");

    const QString dir = QStringLiteral("[-p][ROOT/var/run/hostapd][--]");
    QTest::newRow("station list") << "usr/sbin/hostapd_cli" << QStringList {"all_sta"} << true << 0
                                  << dir + "[all_sta]"
                                  << "";
    QTest::newRow("deny") << "usr/sbin/hostapd_cli" << QStringList {"deny_mac", "A4:5E:60:DE:AD:01"}
                          << true << 0 << dir + "[deny_acl][ADD_MAC][A4:5E:60:DE:AD:01]"
                          << "";
    QTest::newRow("hostile address")
        << "usr/sbin/hostapd_cli" << QStringList {"deny_mac", "-v; touch x $(id)"} << true << 0
        << dir + "[deny_acl][ADD_MAC][-v; touch x $(id)]"
        << "";
    QTest::newRow("deny without address")
        << "usr/sbin/hostapd_cli" << QStringList {"deny_mac"} << true << 2 << ""
        << "usage: hostapd_cli deny_mac";
    QTest::newRow("tool missing") << "usr/sbin/hostapd_cli" << QStringList {"all_sta"} << false
                                  << 127 << ""
                                  << "is not installed";
    QTest::newRow("apply") << "usr/sbin/hotspot.sh" << QStringList() << true << 0
                           << "[--root][ROOT][apply]"
                           << "";
    QTest::newRow("no service") << "usr/sbin/hotspot.sh" << QStringList() << false << 2 << ""
                                << "WIFI_SERVICE is not set";
}

void tst_Sandbox::toolWrappers()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, toolPresent);
    QFETCH(int, exitCode);
    QFETCH(QString, calls);
    QFETCH(QString, error);
    // A root with a space and a quote in its name.
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("my \"device\" root"));
    QVERIFY(Sandbox(root).prepare());
    const QString recorder = dir.filePath(QStringLiteral("recorder"));
    writeFile(
        recorder, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$0.calls\"\n");
    QFile::setPermissions(recorder, QFile::permissions(recorder) | QFile::ExeOwner);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WIFI_SERVICE"));
    const QString tool = toolPresent ? recorder : dir.filePath(QStringLiteral("absent"));
    environment.insert(QStringLiteral("HOSTAPD_CLI"), tool);
    if (toolPresent)
        environment.insert(QStringLiteral("WIFI_SERVICE"), recorder);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(root + QLatin1Char('/') + program, arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY2(
        QString::fromLocal8Bit(process.readAllStandardError()).contains(error), qPrintable(error));
    QCOMPARE(QString::fromLocal8Bit(readFile(recorder + QStringLiteral(".calls"))),
        QString(calls).replace(QLatin1String("ROOT"), root));
}

QTEST_GUILESS_MAIN(tst_Sandbox)
#include "tst_sandbox.moc"
