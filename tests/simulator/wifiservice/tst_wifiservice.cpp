#include "accesspoint.h"
#include "appmessage.h"
#include "core.h"
#include "hotspotconfig.h"
#include "messageserver.h"
#include "sandbox.h"
#include "servicecontrol.h"
#include "wifiservice.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The service in this process on a sandbox made from the simulator's templates; its answers
// travel through the real sender to a message server as they do to the simulator. The access
// point's control interface is driven by hostapd's own tool in tests/integration.
class tst_WifiService : public QObject
{
    Q_OBJECT
private slots:
    // What hostapd refuses to start with, at the edges of its limits: the SSID's limit counts
    // bytes (Greek letters take two), the passphrase must be printable ASCII.
    void answersTheSave_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("passphrase");
        QTest::addColumn<QString>("hwMode");
        QTest::addColumn<QString>("answer");
        const QString pass = QStringLiteral("Harbour-Lights-42");
        // Commas, quotes and a semicolon must survive the settings file between the two sides.
        QTest::newRow("valid") << true << "Café, 2nd floor"
                               << "a;b=\"c\",d"
                               << "g"
                               << "on";
        QTest::newRow("edges of 32 and 63") << true << QString(32, 'S') << QString(63, '~') << "b"
                                            << "on";
        QTest::newRow("off, whatever the settings") << false << ""
                                                    << ""
                                                    << ""
                                                    << "on";
        QTest::newRow("ssid of 33 bytes") << true << QString(33, 'S') << pass << "g"
                                          << "invalid_ssid";
        QTest::newRow("17 Greek letters") << true << QString(17, QChar(0x03a9)) << pass << "g"
                                          << "invalid_ssid";
        QTest::newRow("passphrase of 7") << true << "Lab"
                                         << "1234567"
                                         << "g"
                                         << "invalid_passphrase";
        QTest::newRow("non-ASCII") << true << "Lab"
                                   << "pässwörter"
                                   << "g"
                                   << "invalid_passphrase";
        QTest::newRow("hw_mode G") << true << "Lab" << pass << "G"
                                   << "invalid_hw_mode";
    }

    // The settings reach the service as the application writes them.
    void answersTheSave()
    {
        QFETCH(bool, on);
        QFETCH(QString, passphrase);
        QFETCH(QString, answer);
        QTemporaryDir root;
        QVERIFY(Sandbox(root.path()).prepare());
        QSettings options(root.filePath("configs/simulator.ini"), QSettings::IniFormat);
        for (const char *key : {"AnswerDelayMs", "ReleaseDelayMs", "Stations"})
            options.setValue(QStringLiteral("WifiService/") + key, 0);
        options.sync();
        Core core;
        core.setDeviceRoot(root.path());
        MessageServer server;
        QVERIFY(server.listen(root.filePath("shell.sock")));
        qputenv("SHELL_MSG_SEND", SHELLMSG_PATH);
        qputenv("SHELL_MSG_SOCKET", QFile::encodeName(root.filePath("shell.sock")));
        QSignalSpy messages(&server, &MessageServer::messageReceived);
        WifiService service(root.path());
        QVERIFY2(service.start(), qPrintable(service.errorString()));

        HotspotConfig::Tethering values;
        QFETCH(QString, hwMode);
        values.hwMode = hwMode;
        values.ieee80211n = 1;
        QFETCH(QString, ssid);
        values.ssid = ssid;
        values.passphrase = passphrase;
        QVERIFY(HotspotConfig::save(on, values,
            HotspotConfig::RadioChanged | HotspotConfig::SsidChanged
                | HotspotConfig::PassphraseChanged));
        QString reply;
        QCOMPARE(ServiceControl::decodeAnswer(service.handleServiceRequest({"apply"}), &reply),
            ServiceControl::Done);
        QVERIFY2(reply.contains(QStringLiteral("answer \"%1\"").arg(answer)), qPrintable(reply));
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(
            messages.at(0).mid(0, 2), QVariantList({"settings_hotspot", "wifi2ui_Hotspot(str)"}));
        QCOMPARE(AppMessage::firstArgument<QString>(messages.at(0).at(2).toByteArray()), answer);
        QCOMPARE(service.accessPoint()->isEnabled(), on && answer == QLatin1String("on"));
        if (service.accessPoint()->isEnabled())
            QCOMPARE(service.accessPoint()->settings().passphrase, passphrase);
    }
};

QTEST_GUILESS_MAIN(tst_WifiService)
#include "tst_wifiservice.moc"
