#include "core.h"
#include "hotspotconfig.h"
#include "hotspotsettings.h"
#include "messagerouter.h"
#include "recordingapp.h"
#include "renderprobe.h"
#include "sandbox.h"
#include "testfiles.h"

#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class tst_Simulator : public QObject
{
    Q_OBJECT
private slots:
    // A scripted run, headless as CI runs it: the screenshots are written, and a save reaches
    // the simulated Wi-Fi service, whose answer comes back through the sender.
    void scriptSavesThroughTheService()
    {
        QTemporaryDir dir;
        QSettings(dir.filePath("sandbox/configs/simulator.ini"), QSettings::IniFormat)
            .setValue("WifiService/AnswerDelayMs", 0);
        const QString script = dir.filePath("walk.script");
        QVERIFY(writeFile(script,
            "screenshot start.png\nkey OK\nkey F15\nuntil shown Toast 10000\n"
            "screenshot saved.png\nquit\n"));
        QProcess simulator;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        simulator.setProcessEnvironment(environment);
        simulator.setProcessChannelMode(QProcess::MergedChannels);
        simulator.setWorkingDirectory(dir.path());
        simulator.start(SIMULATOR_PATH,
            {"--sandbox", dir.filePath("sandbox"), "--script", script, "--screenshots", "shots"});
        QVERIFY(simulator.waitForFinished(60000));
        QVERIFY2(simulator.exitCode() == 0, simulator.readAll().constData());
        const QImage start(dir.filePath("shots/start.png")), saved(dir.filePath("shots/saved.png"));
        const QImage golden(SETTINGS_GOLDEN);
        // The status bar's title and the function keys as the golden picture shows them.
        QCOMPARE(start.size(), golden.size());
        QVERIFY(differingPixels(start, golden, QRect(0, 0, 380, 32)) < 20);
        QVERIFY(differingPixels(start, golden, QRect(0, 240, 480, 32)) < 20);
        // The check box turned on; the "Saved" notice follows the answer "on", and the
        // application lit the hotspot indicator.
        QVERIFY(differingPixels(start, saved, QRect(440, 40, 30, 25)) > 20);
        QCOMPARE(saved.pixelColor(240, 120), QColor(Qt::black));
        QVERIFY(differingPixels(start, saved, QRect(398, 4, 20, 24)) > 20);
    }

    // The connected-devices screen is an application of its own inside the settings
    // application; while it is closed its messages go to the settings screen.
    void routesToTheRightScreen()
    {
        RecordingApp app(QStringLiteral("settings_hotspot"));
        MessageRouter router(nullptr);
        router.setApplication(&app);
        router.route("settings_hotspotinfo", "wifi2ui_Hotspot_release_ack(str)", QByteArray());
        auto inner = new RecordingApp("settings_hotspotinfo", new QObject(&app));
        router.route("settings_hotspotinfo", "changedLanguage()", QByteArray());
        router.route("settings_hotspot", "wifi2ui_Hotspot(str)", QByteArray());
        QCOMPARE(app.received,
            QStringList({"wifi2ui_Hotspot_release_ack(str)", "wifi2ui_Hotspot(str)"}));
        QCOMPARE(inner->received, QStringList({"changedLanguage()"}));
    }

    // The simulated Wi-Fi service refuses what hostapd refuses to start with, at the edges of
    // its limits: the SSID's limit counts bytes (Greek letters take two), the passphrase must be
    // printable ASCII; commas, quotes and a semicolon survive the file between the two sides.
    void serviceRefusesWhatHostapdRefuses_data()
    {
        QTest::addColumn<bool>("on");
        // The SSID, the passphrase, hw_mode and the refusal.
        QTest::addColumn<QStringList>("fields");
        const QString pass = QStringLiteral("Harbour-Lights-42");
        QTest::newRow("valid") << true << QStringList {"Café, 2nd floor", "a;b=\"c\",d", "g", ""};
        QTest::newRow("edges") << true << QStringList {QString(32, 'S'), QString(63, '~'), "b", ""};
        QTest::newRow("off") << false << QStringList {"", "", "", ""};
        QTest::newRow("ssid 33") << true
                                 << QStringList {QString(33, 'S'), pass, "g", "invalid_ssid"};
        QTest::newRow("ssid 34 bytes")
            << true << QStringList {QString(17, QChar(0x03a9)), pass, "g", "invalid_ssid"};
        QTest::newRow("pass 7") << true
                                << QStringList {"Lab", "1234567", "g", "invalid_passphrase"};
        QTest::newRow("non-ASCII")
            << true << QStringList {"Lab", "pässwörter", "g", "invalid_passphrase"};
        QTest::newRow("hw_mode G") << true << QStringList {"Lab", pass, "G", "invalid_hw_mode"};
    }

    void serviceRefusesWhatHostapdRefuses()
    {
        QFETCH(bool, on);
        QFETCH(QStringList, fields);
        QTemporaryDir root;
        QVERIFY(Sandbox(root.path()).prepare());
        Core core;
        core.setDeviceRoot(root.path());
        const HotspotConfig::Tethering values {fields.at(2), 1, fields.at(0), fields.at(1)};
        QVERIFY(HotspotConfig::save(on, values,
            HotspotConfig::RadioChanged | HotspotConfig::SsidChanged
                | HotspotConfig::PassphraseChanged));
        const HotspotSettings read = HotspotSettings::read(root.path());
        QCOMPARE(read.check(), fields.at(3));
        QCOMPARE(read.enabled, on);
        if (on)
            QCOMPARE(QStringList({read.ssid, read.passphrase}), fields.mid(0, 2));
    }
};

QTEST_GUILESS_MAIN(tst_Simulator)
#include "tst_simulator.moc"
