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

// The service in this process, on a sandbox made from the simulator's templates; its answers
// travel through the real sender to a message server as they do to the simulator. Its
// requests are handed to it directly: a client waiting on its socket would block the very
// loop that serves it (the program's socket is tested with the simulator).
class tst_WifiService : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsFromTheSandbox();
    void apply_data();
    void apply();
    void silentServiceNeverAnswers();
    void silentFromTheSettingsFile();
    void denyIsAcknowledged();

private:
    QString request(const QStringList &words, ServiceControl::Result expected);
    void setOption(const QString &key, const QVariant &value);
    QStringList answers() const;

    QTemporaryDir *m_root = nullptr;
    Core *m_core = nullptr;
    MessageServer *m_server = nullptr;
    QSignalSpy *m_messages = nullptr;
    WifiService *m_service = nullptr;
};

void tst_WifiService::initTestCase()
{
    qputenv("SHELL_MSG_SEND", SHELLMSG_PATH);
}

void tst_WifiService::init()
{
    m_root = new QTemporaryDir;
    QVERIFY(Sandbox(m_root->path()).prepare());
    setOption(QStringLiteral("AnswerDelayMs"), 20);
    setOption(QStringLiteral("ReleaseDelayMs"), 20);
    m_core = new Core;
    m_core->setDeviceRoot(m_root->path());

    m_server = new MessageServer;
    const QString socket = m_root->filePath(QStringLiteral("shell.sock"));
    QVERIFY(m_server->listen(socket));
    qputenv("SHELL_MSG_SOCKET", QFile::encodeName(socket));
    m_messages = new QSignalSpy(m_server, &MessageServer::messageReceived);

    m_service = new WifiService(m_root->path());
    QVERIFY2(m_service->start(), qPrintable(m_service->errorString()));
}

void tst_WifiService::cleanup()
{
    delete m_service;
    delete m_messages;
    delete m_server;
    delete m_core;
    delete m_root;
}

void tst_WifiService::setOption(const QString &key, const QVariant &value)
{
    QSettings settings(
        m_root->filePath(QStringLiteral("configs/simulator.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("WifiService/") + key, value);
}

QString tst_WifiService::request(const QStringList &words, ServiceControl::Result expected)
{
    QString reply;
    const QByteArray answer = m_service->handleServiceRequest(words);
    if (!answer.endsWith('\n') || answer.count('\n') != 1)
        return QStringLiteral("not one line: ") + QString::fromUtf8(answer);
    const ServiceControl::Result result = ServiceControl::decodeAnswer(answer, &reply);
    if (result != expected)
        qWarning() << "unexpected result" << result << reply;
    return result == expected ? reply : QStringLiteral("unexpected: ") + reply;
}

// Each message as "application command word".
QStringList tst_WifiService::answers() const
{
    QStringList texts;
    for (const QList<QVariant> &message : qAsConst(*m_messages)) {
        texts << message.at(0).toString() + QLatin1Char(' ') + message.at(1).toString()
                + QLatin1Char(' ')
                + AppMessage::firstArgument<QString>(message.at(2).toByteArray());
    }
    return texts;
}

void tst_WifiService::startsFromTheSandbox()
{
    QVERIFY(QFileInfo::exists(WifiService::controlInterfacePath(m_root->path())));
    QCOMPARE(request({"status"}, ServiceControl::Done), QStringLiteral("hotspot off, 2 stations"));
    // Switched off, the access point lists nobody.
    QCOMPARE(m_service->accessPoint()->handleRequest("STA-FIRST"), QByteArray());
}

void tst_WifiService::apply_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("passphrase");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("up");
    QTest::newRow("on") << true << "Lab"
                        << "Harbour-Lights-42"
                        << "2.4G"
                        << "on" << true;
    QTest::newRow("on at 5 GHz") << true << "Lab"
                                 << "Harbour-Lights-42"
                                 << "5G"
                                 << "on" << true;
    QTest::newRow("off") << false << ""
                         << ""
                         << "2.4G"
                         << "on" << false;
    QTest::newRow("short passphrase") << true << "Lab"
                                      << "1234567"
                                      << "2.4G"
                                      << "invalid_passphrase" << false;
    QTest::newRow("non-ASCII passphrase") << true << "Lab"
                                          << "M\u00fcllerstra\u00dfe"
                                          << "2.4G"
                                          << "invalid_passphrase" << false;
    QTest::newRow("long Greek ssid") << true << QString(20, QChar(0x03a9)) << "Harbour-Lights-42"
                                     << "2.4G"
                                     << "invalid_ssid" << false;
}

// The settings reach the service as the application writes them.
void tst_WifiService::apply()
{
    QFETCH(bool, on);
    QFETCH(QString, ssid);
    QFETCH(QString, passphrase);
    QFETCH(QString, frequency);
    QFETCH(QString, answer);
    QFETCH(bool, up);
    QString hwMode;
    int ieee80211n = 0;
    HotspotConfig::parametersFor(frequency, QStringLiteral("802.11n"), &hwMode, &ieee80211n);
    QVERIFY(HotspotConfig::writeSwitch(on));
    QVERIFY(HotspotConfig::writeTethering(hwMode, ieee80211n, ssid, passphrase));

    const QString reply = request({"apply"}, ServiceControl::Done);
    QVERIFY2(
        reply.contains(QStringLiteral("answer \"%1\" in 20 ms").arg(answer)), qPrintable(reply));
    QTRY_COMPARE_WITH_TIMEOUT(
        answers(), QStringList {"settings_hotspot wifi2ui_Hotspot(str) " + answer}, 10000);
    QCOMPARE(m_service->accessPoint()->isEnabled(), up);
    if (up) {
        QCOMPARE(m_service->accessPoint()->settings().ssid, ssid);
        QCOMPARE(m_service->accessPoint()->settings().hwMode, hwMode);
        QVERIFY(m_service->accessPoint()->handleRequest("STA-FIRST").contains("\nwpa=2\n"));
    }
}

void tst_WifiService::silentServiceNeverAnswers()
{
    QVERIFY(HotspotConfig::writeSwitch(true));
    QVERIFY(HotspotConfig::writeTethering("g", 1, "Lab", "Harbour-Lights-42"));
    QCOMPARE(request({"silent", "on"}, ServiceControl::Done), QStringLiteral("silent: no answers"));
    QCOMPARE(request({"apply"}, ServiceControl::Done), QStringLiteral("silent: no answer"));
    QVERIFY(!m_service->accessPoint()->isEnabled());

    // A later answer is the only one: the silent apply was never scheduled.
    QCOMPARE(request({"silent", "off"}, ServiceControl::Done), QStringLiteral("answering"));
    QVERIFY(HotspotConfig::writeTethering("g", 1, "", "Harbour-Lights-42"));
    request({"apply"}, ServiceControl::Done);
    QTRY_COMPARE_WITH_TIMEOUT(
        answers(), QStringList {"settings_hotspot wifi2ui_Hotspot(str) invalid_ssid"}, 10000);
}

void tst_WifiService::silentFromTheSettingsFile()
{
    setOption(QStringLiteral("Silent"), true);
    QCOMPARE(request({"apply"}, ServiceControl::Done), QStringLiteral("silent: no answer"));
    // The script's word outranks the file.
    request({"silent", "off"}, ServiceControl::Done);
    QVERIFY(request({"apply"}, ServiceControl::Done).contains(QLatin1String("answer \"on\"")));
    QTRY_COMPARE_WITH_TIMEOUT(answers().size(), 1, 10000);
}

void tst_WifiService::denyIsAcknowledged()
{
    QVERIFY(HotspotConfig::writeSwitch(true));
    request({"apply"}, ServiceControl::Done);
    QTRY_COMPARE_WITH_TIMEOUT(
        answers(), QStringList {"settings_hotspot wifi2ui_Hotspot(str) on"}, 10000);
    m_messages->clear();
    const QByteArray first = m_service->accessPoint()->stations().first().address;
    QCOMPARE(m_service->accessPoint()->handleRequest("DENY_ACL ADD_MAC " + first.toUpper()),
        QByteArray("OK\n"));
    QTRY_COMPARE_WITH_TIMEOUT(answers(),
        QStringList {"settings_hotspotinfo wifi2ui_Hotspot_release_ack(str) success"}, 10000);
    QCOMPARE(m_service->accessPoint()->stations().size(), 1);

    // Silent, the release happens but nobody hears of it.
    request({"silent", "on"}, ServiceControl::Done);
    const QByteArray second = m_service->accessPoint()->stations().first().address;
    m_service->accessPoint()->handleRequest("DENY_ACL ADD_MAC " + second);
    QVERIFY(m_service->accessPoint()->stations().isEmpty());
    request({"silent", "off"}, ServiceControl::Done);
    request({"station", "add", "02:00:00:00:00:01"}, ServiceControl::Done);
    m_service->accessPoint()->handleRequest("DENY_ACL ADD_MAC 02:00:00:00:00:01");
    QTRY_COMPARE_WITH_TIMEOUT(answers().size(), 2, 10000);
}

QTEST_GUILESS_MAIN(tst_WifiService)
#include "tst_wifiservice.moc"
