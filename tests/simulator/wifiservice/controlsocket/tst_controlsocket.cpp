#include "controlsocket.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A control interface client as hostapd_cli opens one: a datagram socket bound to a path of
// its own, connected to the server's.
class Client
{
public:
    Client(const QString &ownPath, const QString &serverPath)
    {
        m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        if (!ownPath.isEmpty()) {
            const sockaddr_un own = address(ownPath);
            m_bound = ::bind(m_fd, reinterpret_cast<const sockaddr *>(&own), sizeof own) == 0;
        }
        const sockaddr_un server = address(serverPath);
        m_connected
            = ::connect(m_fd, reinterpret_cast<const sockaddr *>(&server), sizeof server) == 0;
    }
    ~Client() { ::close(m_fd); }

    bool isReady(bool bound) const { return m_connected && m_bound == bound; }
    bool send(const QByteArray &request) const
    {
        return ::send(m_fd, request.constData(), size_t(request.size()), 0) == request.size();
    }
    // Whether the reply has arrived; asking again does not read another one.
    bool hasReply()
    {
        if (!m_replied) {
            char buffer[4096];
            const ssize_t count = ::recv(m_fd, buffer, sizeof buffer, 0);
            m_replied = count >= 0;
            if (m_replied)
                m_reply = QByteArray(buffer, int(count));
        }
        return m_replied;
    }
    QByteArray reply() const { return m_reply; }

private:
    static sockaddr_un address(const QString &path)
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray encoded = QFile::encodeName(path);
        std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
        return address;
    }

    int m_fd = -1;
    bool m_bound = false;
    bool m_connected = false;
    bool m_replied = false;
    QByteArray m_reply;
};

QByteArray echo(const QByteArray &request)
{
    if (request == "PING")
        return "PONG\n";
    if (request == "EMPTY")
        return QByteArray();
    return "got " + request;
}

} // namespace

class tst_ControlSocket : public QObject
{
    Q_OBJECT
private slots:
    void repliesToTheClientsAddress_data();
    void repliesToTheClientsAddress();
    void clientsWithoutAddressAreSkipped();
    void refusesAPathTooLongForASocket();
    void refusesAPathInUse();
    void replacesAStaleSocketAndRemovesItsOwn();
};

void tst_ControlSocket::repliesToTheClientsAddress_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("ping") << QByteArray("PING") << QByteArray("PONG\n");
    // hostapd ends a station list with an empty datagram, which the client must receive.
    QTest::newRow("empty reply") << QByteArray("EMPTY") << QByteArray();
}

void tst_ControlSocket::repliesToTheClientsAddress()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QTemporaryDir dir;
    ControlSocket socket(echo);
    const QString path = dir.filePath(QStringLiteral("run/hostapd/wlan1"));
    QVERIFY2(socket.listen(path), qPrintable(socket.errorString()));

    Client client(dir.filePath(QStringLiteral("client")), path);
    QVERIFY(client.isReady(true));
    QVERIFY(client.send(request));
    QTRY_VERIFY(client.hasReply());
    QCOMPARE(client.reply(), reply);
}

void tst_ControlSocket::clientsWithoutAddressAreSkipped()
{
    QTemporaryDir dir;
    ControlSocket socket(echo);
    const QString path = dir.filePath(QStringLiteral("wlan1"));
    QVERIFY(socket.listen(path));
    Client anonymous(QString(), path);
    QVERIFY(anonymous.isReady(false));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("without an address"));
    QVERIFY(anonymous.send("PING"));

    // The server goes on answering others.
    Client client(dir.filePath(QStringLiteral("client")), path);
    QVERIFY(client.send("PING"));
    QTRY_VERIFY(client.hasReply());
    QCOMPARE(client.reply(), QByteArray("PONG\n"));
}

void tst_ControlSocket::refusesAPathTooLongForASocket()
{
    QTemporaryDir dir;
    QCOMPARE(ControlSocket::maxPathBytes(), 107);
    const QString base = dir.path() + QLatin1Char('/');
    const QString fits = base + QString(107 - base.size(), QLatin1Char('x'));
    const QString tooLong = fits + QLatin1Char('x');
    ControlSocket socket(echo);
    QVERIFY(!socket.listen(tooLong));
    QVERIFY(socket.errorString().contains(QLatin1String("108 bytes long")));
    QVERIFY(socket.errorString().contains(QLatin1String("at most 107")));
    QVERIFY(!QFile::exists(tooLong));
    QVERIFY2(socket.listen(fits), qPrintable(socket.errorString()));
}

void tst_ControlSocket::refusesAPathInUse()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wlan1"));
    ControlSocket first(echo);
    QVERIFY(first.listen(path));
    ControlSocket second(echo);
    QVERIFY(!second.listen(path));
    QVERIFY(second.errorString().contains(QLatin1String("another process")));

    // The first keeps its socket.
    Client client(dir.filePath(QStringLiteral("client")), path);
    QVERIFY(client.send("PING"));
    QTRY_VERIFY(client.hasReply());
    QCOMPARE(client.reply(), QByteArray("PONG\n"));
}

void tst_ControlSocket::replacesAStaleSocketAndRemovesItsOwn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wlan1"));
    {
        // A socket file whose process is gone.
        const int stale = ::socket(AF_UNIX, SOCK_DGRAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray encoded = QFile::encodeName(path);
        std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
        QCOMPARE(::bind(stale, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        ::close(stale);
    }
    QVERIFY(QFile::exists(path));
    {
        ControlSocket socket(echo);
        QVERIFY2(socket.listen(path), qPrintable(socket.errorString()));
        Client client(dir.filePath(QStringLiteral("client")), path);
        QVERIFY(client.send("PING"));
        QTRY_VERIFY(client.hasReply());
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(tst_ControlSocket)
#include "tst_controlsocket.moc"
