#include "hotspotconfig.h"
#include "messagerouter.h"
#include "messageserver.h"
#include "sandbox.h"
#include "screenfixture.h"
#include "settings_hotspotinfo_p.h"
#include "wifiservicerunner.h"

// The connected-devices screen on a sandbox made from the simulator's templates: its
// hostapd_cli runs hostapd's own tool against the simulated access point, and the Wi-Fi
// service's answers come back through the sender and the simulator's message server.
class tst_ConnectedDevices : public QObject
{
    Q_OBJECT
private slots:
    void listsAndDisconnectsStations()
    {
        if (!QFileInfo("/usr/sbin/hostapd_cli").isExecutable())
            QSKIP("hostapd_cli is not installed (Debian package hostapd)");
        qputenv("SHELL_MSG_SEND", SHELLMSG_PATH);
        qputenv("WIFI_SERVICE", WIFISERVICE_PATH);
        ScreenFixture f;
        const QString root = f.shell.root.path();
        QVERIFY(Sandbox(root).prepare());
        QSettings options(root + "/configs/simulator.ini", QSettings::IniFormat);
        options.setValue("WifiService/AnswerDelayMs", 50);
        options.setValue("WifiService/ReleaseDelayMs", 50);
        options.setValue("WifiService/Stations", 0);
        options.sync();
        MessageServer server;
        QVERIFY(server.listen(root + "/shell.sock"));
        qputenv("SHELL_MSG_SOCKET", QFile::encodeName(root + "/shell.sock"));
        MessageRouter router(&f.shell.status);
        router.setApplication(f.screen);
        connect(&server, &MessageServer::messageReceived, &router, &MessageRouter::route);

        QVERIFY(HotspotConfig::writeSwitch(true));
        WifiServiceRunner service;
        QVERIFY2(service.start(WIFISERVICE_PATH, root), qPrintable(service.errorString()));
        const QString phone = "02:11:22:33:44:55", laptop = "a4:5e:60:de:ad:01";
        QString reply;
        for (const QString &station : {phone, laptop})
            QVERIFY2(service.request({"station", "add", station}, &reply), qPrintable(reply));

        auto screen = SettingsHotspotPrivate::devices(f.screen);
        QStringList notices;
        f.whenNoticeShows([&notices](Toast *toast) {
            notices << toast->message();
            ScreenFixture::expire(toast);
        });
        screen->show();
        auto list = screen->findChild<ListView *>();
        const auto rows = [list] { return ScreenFixture::rowTexts(list); };
        // hostapd keeps the newest station first.
        QTRY_COMPARE_WITH_TIMEOUT(rows(), QStringList({laptop.toUpper(), phone.toUpper()}), 10000);
        list->setSelectedIdx(1);
        QTest::keyClick(screen, Qt::Key_F15);
        QTimer *guard = SettingsHotspotInfoPrivate::guardTimer(screen);
        QVERIFY(guard->isActive());
        // The acknowledgement arrives, the notice shows, and the list is asked for again.
        QTRY_COMPARE_WITH_TIMEOUT(notices, QStringList {"Disconnected"}, 10000);
        QVERIFY(!guard->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(rows(), QStringList {laptop.toUpper()}, 10000);
        // The denied device stays out while the access point runs.
        QVERIFY(!service.request({"station", "add", phone}, &reply));
    }
};

QTEST_MAIN(tst_ConnectedDevices)
#include "tst_connecteddevices.moc"
