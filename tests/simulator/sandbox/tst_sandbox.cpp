#include "core.h"
#include "sandbox.h"

#include <QFile>
#include <QFileInfo>
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
    QCOMPARE(sandbox.createdFiles().size(), 4);

    Core core;
    core.setDeviceRoot(sandbox.root());
    const QSettings env(core.envInfoFileName(), QSettings::IniFormat);
    QCOMPARE(env.value(QStringLiteral("HOTSPOT/HOTSPOT")).toString(), QStringLiteral("false"));
    const QSettings system(core.configFileName(SystemConfigFile), QSettings::IniFormat);
    QVERIFY(system.contains(QStringLiteral("Menu_Password/enable")));
    QVERIFY(system.contains(QStringLiteral("Security/CallLock")));
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

QTEST_GUILESS_MAIN(tst_Sandbox)
#include "tst_sandbox.moc"
