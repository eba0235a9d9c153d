#include "messageserver.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The sender tool and the simulator's socket end, talking as the stand-ins of the telephone's
// services will.
class tst_MessageServer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void deliversPayloadsByteForByte_data();
    void deliversPayloadsByteForByte();
    void refusesWrongArguments_data();
    void refusesWrongArguments();
    void refusesUnknownApplications();
    void findsTheSocketThroughTheEnvironment();
    void keepsALiveSocket();

private:
    int send(const QStringList &arguments, QString *errors = nullptr,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    QTemporaryDir *m_dir = nullptr;
    MessageServer *m_server = nullptr;
    QString m_socket;
};

void tst_MessageServer::init()
{
    m_dir = new QTemporaryDir;
    m_socket = m_dir->filePath(QStringLiteral("shell.sock"));
    m_server = new MessageServer;
    QVERIFY2(m_server->listen(m_socket), qPrintable(m_server->errorString()));
}

void tst_MessageServer::cleanup()
{
    delete m_server;
    delete m_dir;
}

// Runs the sender without blocking the event loop, which the server needs to answer.
int tst_MessageServer::send(
    const QStringList &arguments, QString *errors, const QProcessEnvironment &environment)
{
    QProcess sender;
    sender.setProcessEnvironment(environment);
    QEventLoop loop;
    connect(&sender, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
        &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    sender.start(QStringLiteral(SHELLMSG_PATH), arguments);
    if (!sender.waitForStarted())
        return -1;
    loop.exec();
    if (sender.state() != QProcess::NotRunning)
        return -1;
    if (errors)
        *errors = QString::fromLocal8Bit(sender.readAllStandardError());
    return sender.exitStatus() == QProcess::NormalExit ? sender.exitCode() : -1;
}

void tst_MessageServer::deliversPayloadsByteForByte_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("apply result") << QStringList {"settings_hotspot", "wifi2ui_Hotspot(str)", "on"}
                                  << "settings_hotspot"
                                  << "wifi2ui_Hotspot(str)" << QByteArray("00000004006f006e");
    QTest::newRow("value like an option")
        << QStringList {"settings_hotspot", "level(int)", "-5"} << "settings_hotspot"
        << "level(int)" << QByteArray("fffffffb");
    // A caller that the simulator itself waits for must not wait for the simulator.
    QTest::newRow("no wait") << QStringList {"--no-wait", "settings_hotspotinfo", "changedStatus()"}
                             << "settings_hotspotinfo"
                             << "changedStatus()" << QByteArray();
}

void tst_MessageServer::deliversPayloadsByteForByte()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, application);
    QFETCH(QString, command);
    QFETCH(QByteArray, hex);
    QSignalSpy received(m_server, &MessageServer::messageReceived);

    QString errors;
    QCOMPARE(send(QStringList {"--socket", m_socket} + arguments, &errors), 0);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toString(), application);
    QCOMPARE(received.at(0).at(1).toString(), command);
    QCOMPARE(received.at(0).at(2).toByteArray().toHex(), hex);
}

void tst_MessageServer::refusesWrongArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("missing") << QStringList {"settings_hotspot", "wifi2ui_Hotspot(str)"};
    QTest::newRow("bad bool") << QStringList {"idle", "updateHotspotIcon(bool)", "maybe"};
}

void tst_MessageServer::refusesWrongArguments()
{
    QFETCH(QStringList, arguments);
    QSignalSpy received(m_server, &MessageServer::messageReceived);
    QString errors;
    QCOMPARE(send(QStringList {"--socket", m_socket} + arguments, &errors), 1);
    QVERIFY(!errors.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(received.count(), 0);
}

void tst_MessageServer::refusesUnknownApplications()
{
    QSignalSpy received(m_server, &MessageServer::messageReceived);
    QString errors;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused application")));
    QCOMPARE(send({"--socket", m_socket, "browser", "open(str)", "x"}, &errors), 1);
    QVERIFY2(errors.contains(QLatin1String("no application \"browser\"")), qPrintable(errors));
    QCoreApplication::processEvents();
    QCOMPARE(received.count(), 0);
}

void tst_MessageServer::findsTheSocketThroughTheEnvironment()
{
    QSignalSpy received(m_server, &MessageServer::messageReceived);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SHELL_MSG_SOCKET"), m_socket);
    QCOMPARE(send({"settings_hotspot", "changedLanguage()"}, nullptr, environment), 0);
    QTRY_COMPARE(received.count(), 1);
}

// A second simulator on the same sandbox must not take the first one's socket away.
void tst_MessageServer::keepsALiveSocket()
{
    MessageServer second;
    QVERIFY(!second.listen(m_socket));
    QVERIFY(second.errorString().contains(QLatin1String("another process")));

    QSignalSpy received(m_server, &MessageServer::messageReceived);
    QCOMPARE(send({"--socket", m_socket, "idle", "updateHotspotIcon(bool)", "true"}), 0);
    QTRY_COMPARE(received.count(), 1);
}

QTEST_GUILESS_MAIN(tst_MessageServer)
#include "tst_messageserver.moc"
