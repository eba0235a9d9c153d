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

namespace {

void row(const char *name, bool on, const QString &ssid, const QString &passphrase,
    const char *hwMode, const char *answer)
{
    QTest::newRow(name) << on << ssid << passphrase << QString(hwMode) << QString(answer);
}

} // namespace

// The service in this process on a sandbox made from the simulator's templates; its answers
// travel through the real sender to a message server as they do to the simulator. The access
// point's control interface is driven by hostapd's own tool in tests/integration.
class tst_WifiService : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answersTheSave_data();
    void answersTheSave();
    void silentWhenTheSandboxSaysSo();

private:
    void setOption(const QString &key, const QVariant &value);
    QString request(const QStringList &words);
    QStringList answers() const;

    QTemporaryDir *m_root = nullptr;
    Core *m_core = nullptr;
    MessageServer *m_server = nullptr;
    QSignalSpy *m_messages = nullptr;
    WifiService *m_service = nullptr;
};

void tst_WifiService::init()
{
    m_root = new QTemporaryDir;
    QVERIFY(Sandbox(m_root->path()).prepare());
    setOption(QStringLiteral("AnswerDelayMs"), 0);
    setOption(QStringLiteral("ReleaseDelayMs"), 0);
    setOption(QStringLiteral("Stations"), 0);
    m_core = new Core;
    m_core->setDeviceRoot(m_root->path());
    m_server = new MessageServer;
    const QString socket = m_root->filePath(QStringLiteral("shell.sock"));
    QVERIFY(m_server->listen(socket));
    qputenv("SHELL_MSG_SEND", SHELLMSG_PATH);
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
    QSettings(m_root->filePath(QStringLiteral("configs/simulator.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("WifiService/") + key, value);
}

QString tst_WifiService::request(const QStringList &words)
{
    QString reply;
    const auto result
        = ServiceControl::decodeAnswer(m_service->handleServiceRequest(words), &reply);
    return result == ServiceControl::Done ? reply : QStringLiteral("refused: ") + reply;
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

// What hostapd refuses to start with, at the edges of its limits: the SSID's limit counts bytes
// (Greek letters take two), the passphrase must be printable ASCII.
void tst_WifiService::answersTheSave_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("passphrase");
    QTest::addColumn<QString>("hwMode");
    QTest::addColumn<QString>("answer");
    const QString pass = QStringLiteral("Harbour-Lights-42");
    // Commas, quotes and a semicolon must survive the settings file between the two sides.
    row("valid", true, "Café, 2nd floor", "a;b=\"c\",d", "g", "on");
    row("edges of 32 and 63", true, QString(32, 'S'), QString(63, '~'), "b", "on");
    row("off, whatever the settings", false, "", "", "", "on");
    row("ssid of 33 bytes", true, QString(33, 'S'), pass, "g", "invalid_ssid");
    row("17 Greek letters", true, QString(17, QChar(0x03a9)), pass, "g", "invalid_ssid");
    row("passphrase of 7", true, "Lab", "1234567", "g", "invalid_passphrase");
    row("non-ASCII", true, "Lab", "pässwörter", "g", "invalid_passphrase");
    row("hw_mode G", true, "Lab", pass, "G", "invalid_hw_mode");
}

namespace {

const int allChanged
    = HotspotConfig::RadioChanged | HotspotConfig::SsidChanged | HotspotConfig::PassphraseChanged;

HotspotConfig::Tethering tethering(
    const QString &hwMode, const QString &ssid, const QString &passphrase)
{
    HotspotConfig::Tethering values;
    values.hwMode = hwMode;
    values.ieee80211n = 1;
    values.ssid = ssid;
    values.passphrase = passphrase;
    return values;
}

} // namespace

// The settings reach the service as the application writes them.
void tst_WifiService::answersTheSave()
{
    QFETCH(bool, on);
    QFETCH(QString, ssid);
    QFETCH(QString, passphrase);
    QFETCH(QString, hwMode);
    QFETCH(QString, answer);
    QVERIFY(HotspotConfig::save(on, tethering(hwMode, ssid, passphrase), allChanged));
    QVERIFY(request({"apply"}).contains(QStringLiteral("answer \"%1\"").arg(answer)));
    QTRY_COMPARE(answers(), QStringList {"settings_hotspot wifi2ui_Hotspot(str) " + answer});
    QCOMPARE(m_service->accessPoint()->isEnabled(), on && answer == QLatin1String("on"));
    if (m_service->accessPoint()->isEnabled())
        QCOMPARE(m_service->accessPoint()->settings().passphrase, passphrase);
}

void tst_WifiService::silentWhenTheSandboxSaysSo()
{
    setOption(QStringLiteral("Silent"), true);
    QVERIFY(HotspotConfig::writeSwitch(true));
    QCOMPARE(request({"apply"}), QStringLiteral("silent: no answer"));
    // The script's word outranks the file; the next answer is the only one.
    request({"silent", "off"});
    QVERIFY(HotspotConfig::save(true, tethering("g", "", "12345678"), allChanged));
    request({"apply"});
    QTRY_COMPARE(answers(), QStringList {"settings_hotspot wifi2ui_Hotspot(str) invalid_ssid"});
}

QTEST_GUILESS_MAIN(tst_WifiService)
#include "tst_wifiservice.moc"
