#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The simulator program as CI runs it: headless, with and without a script.
class tst_Simulator : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void headlessRunLeavesAScreenshot();
    void scriptClosesAndReopensTheApplication();
    void scriptErrorNamesTheLine_data();
    void scriptErrorNamesTheLine();
    void wifiServiceRunsWithTheSandbox();

private:
    int run(const QStringList &arguments);
    QString writeScript(const QByteArray &text);

    QTemporaryDir *m_dir = nullptr;
    QString m_output;
};

void tst_Simulator::init()
{
    m_dir = new QTemporaryDir;
    m_output.clear();
}

void tst_Simulator::cleanup()
{
    delete m_dir;
}

int tst_Simulator::run(const QStringList &arguments)
{
    QProcess simulator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    simulator.setProcessEnvironment(environment);
    simulator.setProcessChannelMode(QProcess::MergedChannels);
    simulator.setWorkingDirectory(m_dir->path());
    simulator.start(QStringLiteral(SIMULATOR_PATH),
        QStringList {"--sandbox", m_dir->filePath(QStringLiteral("sandbox"))} + arguments);
    const bool finished = simulator.waitForFinished(60000);
    m_output = QString::fromLocal8Bit(simulator.readAll());
    if (!finished || simulator.exitStatus() != QProcess::NormalExit)
        return -1;
    return simulator.exitCode();
}

QString tst_Simulator::writeScript(const QByteArray &text)
{
    const QString path = m_dir->filePath(QStringLiteral("walk.script"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}

void tst_Simulator::headlessRunLeavesAScreenshot()
{
    QCOMPARE(run({}), 0);
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("sandbox/configs/envinfo.ini"))));
    const QImage shot(m_dir->filePath(QStringLiteral("screenshots/settings_hotspot.png")));
    QVERIFY2(!shot.isNull(), qPrintable(m_output));
    QCOMPARE(shot.size(), QSize(480, 272));
    // Status bar, screen and function-key bar are all drawn; nothing is left black.
    for (int y : {16, 100, 256})
        QVERIFY2(shot.pixelColor(240, y) != QColor(Qt::black), qPrintable(QString::number(y)));
}

void tst_Simulator::scriptClosesAndReopensTheApplication()
{
    const QString script = writeScript("key Back\n"
                                       "wait 100\n"
                                       "screenshot idle.png\n"
                                       "key OK\n"
                                       "wait 100\n"
                                       "screenshot again.png\n"
                                       "quit\n");
    QCOMPARE(run({"--script", script, "--screenshots", "shots"}), 0);
    QCOMPARE(m_output.count(QLatin1String("application started")), 2);
    QCOMPARE(m_output.count(QLatin1String("application closed")), 2);

    // The idle screen is dark blue; the application's screen is not.
    const QImage idle(m_dir->filePath(QStringLiteral("shots/idle.png")));
    const QImage again(m_dir->filePath(QStringLiteral("shots/again.png")));
    QVERIFY(!idle.isNull() && !again.isNull());
    const QColor idleColor = idle.pixelColor(4, 40);
    QVERIFY(idleColor.blue() > idleColor.red() + 20);
    QVERIFY(again.pixelColor(4, 40) != idleColor);
}

void tst_Simulator::scriptErrorNamesTheLine_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("message");
    QTest::newRow("before running") << QByteArray("wait 10\nkey Nope\n") << "line 2: unknown key";
    QTest::newRow("while running")
        << QByteArray("wait 10\n\nstart\n") << "line 3: the application is running already";
}

void tst_Simulator::scriptErrorNamesTheLine()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, message);
    QCOMPARE(run({"--script", writeScript(script)}), 1);
    QVERIFY2(m_output.contains(message), qPrintable(m_output));
}

// The service starts with the sandbox, takes the script's requests, answers a save through
// the sender, and ends with the simulator.
void tst_Simulator::wifiServiceRunsWithTheSandbox()
{
    const QString sandbox = m_dir->filePath(QStringLiteral("sandbox"));
    QDir().mkpath(sandbox + QStringLiteral("/configs"));
    QFile options(sandbox + QStringLiteral("/configs/simulator.ini"));
    QVERIFY(options.open(QIODevice::WriteOnly));
    options.write("[WifiService]\nAnswerDelayMs=0\nStations=0\n");
    options.close();
    const QString script = writeScript("station add 02:00:00:00:00:01\n"
                                       "station add\n"
                                       "station remove 02:00:00:00:00:01\n"
                                       "wifi silent on\n"
                                       "wifi silent off\n"
                                       "key Enter\n"
                                       "key F15\n"
                                       "wait 1000\n"
                                       "station clear\n"
                                       "station remove\n");
    QCOMPARE(run({"--script", script}), 1);
    QVERIFY2(m_output.contains(QLatin1String("added 02:00:00:00:00:01")), qPrintable(m_output));
    QVERIFY(m_output.contains(QLatin1String("removed 02:00:00:00:00:01")));
    QVERIFY(m_output.contains(QLatin1String("removed 1 stations")));
    QVERIFY(m_output.contains(QLatin1String("line 10: there is no station")));
    // The save was answered "on", and the application turned the idle screen's indicator on.
    QVERIFY2(m_output.contains(QLatin1String("telling settings_hotspot wifi2ui_Hotspot(str) on")),
        qPrintable(m_output));
    QVERIFY(m_output.contains(QLatin1String("\"updateHotspotIcon(bool)\" payload: \"01\"")));
    QVERIFY(!QFileInfo::exists(sandbox + QStringLiteral("/var/run/hostapd/wlan1")));
    QVERIFY(!QFileInfo::exists(sandbox + QStringLiteral("/var/run/wifiservice.sock")));
}

QTEST_GUILESS_MAIN(tst_Simulator)
#include "tst_simulator.moc"
