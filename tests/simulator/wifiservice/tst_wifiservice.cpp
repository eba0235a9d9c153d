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

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

sockaddr_un socketAddress(const QString &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return address;
}

// A control interface client as hostapd_cli opens one: a datagram socket bound to a path of
// its own (the reply goes there), connected to the access point's.
class Client
{
public:
    Client(const QString &ownPath, const QString &serverPath)
    {
        const sockaddr_un own = socketAddress(ownPath);
        const sockaddr_un server = socketAddress(serverPath);
        ::bind(m_fd, reinterpret_cast<const sockaddr *>(&own), sizeof own);
        ::connect(m_fd, reinterpret_cast<const sockaddr *>(&server), sizeof server);
    }
    ~Client() { ::close(m_fd); }

    // The access point answers from this process's event loop, so the reply is polled for.
    QByteArray ask(const QByteArray &request)
    {
        if (::send(m_fd, request.constData(), size_t(request.size()), 0) != request.size())
            return "not sent";
        char buffer[4096];
        for (QDeadlineTimer deadline(5000); !deadline.hasExpired(); QTest::qWait(5)) {
            const ssize_t count = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (count >= 0)
                return QByteArray(buffer, int(count));
        }
        return "no reply";
    }

private:
    int m_fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
};

void row(const char *name, bool on, const QString &ssid, const QString &passphrase,
    const char *hwMode, const char *answer)
{
    QTest::newRow(name) << on << ssid << passphrase << QString(hwMode) << QString(answer);
}

} // namespace

// The service in this process on a sandbox made from the simulator's templates; its answers
// travel through the real sender to a message server as they do to the simulator.
class tst_WifiService : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answersTheSave_data();
    void answersTheSave();
    void silentWhenTheSandboxSaysSo();
    void accessPointServesTheControlInterface();

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
    row("edges of 1 and 8", true, "x", "12345678", "a", "on");
    row("edges of 32 and 63", true, QString(32, 'S'), QString(63, '~'), "b", "on");
    row("off, whatever the settings", false, "", "", "", "on");
    row("empty ssid", true, "", pass, "g", "invalid_ssid");
    row("ssid of 33 bytes", true, QString(33, 'S'), pass, "g", "invalid_ssid");
    row("17 Greek letters", true, QString(17, QChar(0x03a9)), pass, "g", "invalid_ssid");
    row("passphrase of 7", true, "Lab", "1234567", "g", "invalid_passphrase");
    row("passphrase of 64", true, "Lab", QString(64, 'p'), "g", "invalid_passphrase");
    row("tab", true, "Lab", "meadows\t*#", "g", "invalid_passphrase");
    row("non-ASCII", true, "Lab", "pässwörter", "g", "invalid_passphrase");
    row("hw_mode G", true, "Lab", pass, "G", "invalid_hw_mode");
}

namespace {

const int allChanged = HotspotConfig::RadioChanged | HotspotConfig::SsidChanged
    | HotspotConfig::PassphraseChanged;

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

// hostapd_cli walks the list with STA-FIRST and STA-NEXT until an empty reply; the list of
// connected devices releases a device with DENY_ACL ADD_MAC and waits for the service's word.
void tst_WifiService::accessPointServesTheControlInterface()
{
    QVERIFY(HotspotConfig::writeSwitch(true));
    request({"apply"});
    QTRY_COMPARE(answers().size(), 1);
    m_messages->clear();
    const QByteArray phone = "02:11:22:33:44:55";
    const QByteArray laptop = "a4:5e:60:de:ad:01";
    QCOMPARE(request({"station", "add", phone}), "added " + phone);
    QCOMPARE(request({"station", "add", laptop}), "added " + laptop);

    Client client(m_root->filePath(QStringLiteral("client")),
        WifiService::controlInterfacePath(m_root->path()));
    QCOMPARE(client.ask("PING"), QByteArray("PONG\n"));
    // The newest first; each record begins with the address on a line of its own.
    QVERIFY(client.ask("STA-FIRST").startsWith(laptop + "\nflags="));
    QVERIFY(client.ask("STA-NEXT " + laptop).startsWith(phone + '\n'));
    QCOMPARE(client.ask("STA-NEXT " + phone), QByteArray());

    // The telephone's tool sends the address as the list shows it, in capitals.
    QCOMPARE(client.ask("DENY_ACL ADD_MAC " + laptop.toUpper()), QByteArray("OK\n"));
    QTRY_COMPARE(
        answers(), QStringList {"settings_hotspotinfo wifi2ui_Hotspot_release_ack(str) success"});
    QVERIFY(client.ask("STA-FIRST").startsWith(phone + '\n'));
    QVERIFY(request({"station", "add", laptop}).contains(QLatin1String("deny list")));
    QCOMPARE(request({"station", "remove", phone}), "removed " + phone);
    QCOMPARE(client.ask("STA-FIRST"), QByteArray());
}

QTEST_GUILESS_MAIN(tst_WifiService)
#include "tst_wifiservice.moc"
