#include "hotspotconfig.h"
#include "messagerouter.h"
#include "messageserver.h"
#include "sandbox.h"
#include "screenfixture.h"
#include "settings_hotspotinfo.h"
#include "wifiservicerunner.h"

#include <QLabel>
#include <QSettings>
#include <QtTest>

namespace {

const char realTool[] = "/usr/sbin/hostapd_cli";
const QString phone = QStringLiteral("02:11:22:33:44:55");
const QString laptop = QStringLiteral("a4:5e:60:de:ad:01");

} // namespace

// The whole path of a station list and a disconnect, and of a save: the screens on a sandbox
// made from the simulator's templates, whose hostapd_cli runs hostapd's own tool against the
// simulated access point, and whose hotspot script asks the simulated Wi-Fi service; the
// service's answers come back through the sender and the simulator's message server.
class tst_ConnectedDevices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsAndDisconnectsStations();
    void savingSwitchesTheHotspotOn();

private:
    void startService(bool hotspotOn, const QStringList &stations);
    SettingsHotspotInfo *info() const { return f->screen->findChild<SettingsHotspotInfo *>(); }
    QStringList rows(QWidget *screen) const;
    // Ends every result notice as its timeout would, noting its text.
    void expireNotices(QWidget *screen);

    ScreenFixture *f = nullptr;
    MessageServer *m_server = nullptr;
    MessageRouter *m_router = nullptr;
    WifiServiceRunner *m_service = nullptr;
    QTimer *m_noticeWatch = nullptr;
    QStringList m_notices;
};

void tst_ConnectedDevices::initTestCase()
{
    if (!QFileInfo(QLatin1String(realTool)).isExecutable())
        QSKIP("hostapd_cli is not installed (Debian package hostapd)");
    qputenv("SHELL_MSG_SEND", SHELLMSG_PATH);
    qputenv("WIFI_SERVICE", WIFISERVICE_PATH);
}

void tst_ConnectedDevices::init()
{
    f = new ScreenFixture;
    const QString root = f->shell.root.path();
    QVERIFY(Sandbox(root).prepare());
    QSettings options(root + QStringLiteral("/configs/simulator.ini"), QSettings::IniFormat);
    options.setValue(QStringLiteral("WifiService/AnswerDelayMs"), 50);
    options.setValue(QStringLiteral("WifiService/ReleaseDelayMs"), 50);
    options.setValue(QStringLiteral("WifiService/Stations"), 0);

    m_server = new MessageServer;
    QVERIFY(m_server->listen(root + QStringLiteral("/shell.sock")));
    qputenv("SHELL_MSG_SOCKET", QFile::encodeName(root + QStringLiteral("/shell.sock")));
    m_router = new MessageRouter(&f->shell.status);
    m_router->setApplication(f->screen);
    connect(m_server, &MessageServer::messageReceived, m_router, &MessageRouter::route);
    connect(&f->shell.core, &Core::appMessageSent, m_router, &MessageRouter::route,
        Qt::QueuedConnection);
    m_notices.clear();
}

void tst_ConnectedDevices::cleanup()
{
    delete m_noticeWatch;
    m_noticeWatch = nullptr;
    delete m_service;
    delete m_router;
    delete m_server;
    delete f;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ConnectedDevices::startService(bool hotspotOn, const QStringList &stations)
{
    QVERIFY(HotspotConfig::writeSwitch(hotspotOn));
    m_service = new WifiServiceRunner;
    QVERIFY2(m_service->start(WIFISERVICE_PATH, f->shell.root.path()),
        qPrintable(m_service->errorString()));
    for (const QString &station : stations) {
        QString reply;
        QVERIFY2(m_service->request({"station", "add", station}, &reply), qPrintable(reply));
    }
}

QStringList tst_ConnectedDevices::rows(QWidget *screen) const
{
    QStringList texts;
    auto list = screen->findChild<ListView *>();
    for (int i = 0; list && i < list->itemSize(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void tst_ConnectedDevices::expireNotices(QWidget *screen)
{
    m_noticeWatch = new QTimer;
    connect(m_noticeWatch, &QTimer::timeout, this, [this, screen] {
        const QList<Toast *> toasts = screen->findChildren<Toast *>();
        for (Toast *toast : toasts) {
            if (toast->isVisible() && !qobject_cast<ToastWait *>(toast)) {
                m_notices << toast->message();
                ScreenFixture::expire(toast);
            }
        }
    });
    m_noticeWatch->start(5);
}

void tst_ConnectedDevices::listsAndDisconnectsStations()
{
    startService(true, {phone, laptop});
    SettingsHotspotInfo *screen = info();
    expireNotices(screen);
    screen->show();
    // hostapd keeps the newest station first.
    QTRY_COMPARE_WITH_TIMEOUT(
        rows(screen), QStringList({laptop.toUpper(), phone.toUpper()}), 10000);

    auto list = screen->findChild<ListView *>();
    list->setSelectedIdx(1);
    QTest::keyPress(screen, Qt::Key_F15);
    QTest::keyRelease(screen, Qt::Key_F15);
    QVERIFY(screen->guardTimer()->isActive());
    // The acknowledgement arrives, the notice shows, and the list is asked for again.
    QTRY_COMPARE_WITH_TIMEOUT(m_notices, QStringList {"Disconnected"}, 10000);
    QVERIFY(!screen->guardTimer()->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(rows(screen), QStringList {laptop.toUpper()}, 10000);

    QString state;
    QVERIFY(m_service->request({"status"}, &state));
    QCOMPARE(state, QStringLiteral("hotspot on, 1 stations"));
    // The denied device stays out while the access point runs.
    QVERIFY(!m_service->request({"station", "add", phone}, &state));
    QVERIFY2(state.contains(QLatin1String("deny list")), qPrintable(state));
}

void tst_ConnectedDevices::savingSwitchesTheHotspotOn()
{
    startService(false, {phone});
    f->open();
    f->tap(Qt::Key_Enter);
    f->password()->setEditText(QStringLiteral("Harbour-Lights-42"));
    expireNotices(f->screen);
    f->softKey(4);
    QTRY_COMPARE_WITH_TIMEOUT(m_notices, QStringList {"Saved"}, 10000);
    QVERIFY(!f->screen->isVisible());
    const auto indicator = f->shell.status.findChild<QLabel *>(QStringLiteral("statusWiFiHotspot"));
    QVERIFY(indicator);
    QTRY_VERIFY(!indicator->isHidden());

    QString state;
    QVERIFY(m_service->request({"status"}, &state));
    QCOMPARE(state, QStringLiteral("hotspot on, 1 stations"));
}

QTEST_MAIN(tst_ConnectedDevices)
#include "tst_connecteddevices.moc"
