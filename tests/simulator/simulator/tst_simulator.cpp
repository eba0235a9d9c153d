#include "messageserver.h"

#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Pixels that differ by more than a glyph edge's antialiasing under another FreeType build.
int differingPixels(const QImage &a, const QImage &b, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            count += qAbs(qRed(p) - qRed(q)) > 24 || qAbs(qGreen(p) - qGreen(q)) > 24
                || qAbs(qBlue(p) - qBlue(q)) > 24;
        }
    }
    return count;
}

const QRect checkBox(440, 40, 30, 25);
const QRect hotspotIcon(398, 4, 20, 24);

} // namespace

// The simulator and the sender as programs, headless as CI runs them.
class tst_Simulator : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }

    void scriptDrivesKeysMessagesAndTheService()
    {
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("sandbox/configs"))));
        QFile options(m_dir->filePath(QStringLiteral("sandbox/configs/simulator.ini")));
        QVERIFY(options.open(QIODevice::WriteOnly));
        options.write("[WifiService]\nAnswerDelayMs=0\n");
        options.close();
        // Back closes the application and OK opens it again. Then OK switches the hotspot on and
        // opens the frequency popup, whose modal loop ends with Back; F15 saves, and the service's
        // answer comes through the sender.
        const QString script
            = writeScript("screenshot start.png\nkey Back\nscreenshot idle.png\nkey OK\n"
                          "until shown SettingsHotspot 5000\nkey OK\nkey Down\nkey OK\n"
                          "until shown SelectPopup 5000\nscreenshot popup.png\nkey Back\n"
                          "until hidden SelectPopup 5000\nkey F15\nuntil shown Toast 10000\n"
                          "screenshot saved.png\nmsg idle updateHotspotIcon(bool) 0\n"
                          "screenshot hidden.png\n"
                          "window-screenshot window.png\nquit\n");
        QCOMPARE(run({"--script", script, "--screenshots", "shots"}), 0);
        const QImage start = shot("shots/start.png"), popup = shot("shots/popup.png");
        const QImage saved = shot("shots/saved.png"), hidden = shot("shots/hidden.png");
        const QImage idle = shot("shots/idle.png"), golden(SETTINGS_GOLDEN);
        QVERIFY2(!hidden.isNull(), qPrintable(m_output));
        // The status bar's title and the function keys as the settings screen's golden picture
        // shows them (the clock and the indicators are left out).
        QCOMPARE(start.size(), golden.size());
        QVERIFY(differingPixels(start, golden, QRect(0, 0, 380, 32)) < 20);
        QVERIFY(differingPixels(start, golden, QRect(0, 240, 480, 32)) < 20);
        // The idle screen is dark blue.
        QVERIFY(idle.pixelColor(4, 40).blue() > idle.pixelColor(4, 40).red() + 20);
        QVERIFY(differingPixels(start, popup, QRect(200, 40, 270, 60)) > 1000);
        QVERIFY(differingPixels(start, saved, checkBox) > 20);
        // The "Saved" notice follows the answer "on", and the application lit the indicator.
        QCOMPARE(saved.pixelColor(240, 120), QColor(Qt::black));
        QVERIFY(differingPixels(start, saved, hotspotIcon) > 20);
        QCOMPARE(differingPixels(start, hidden, hotspotIcon), 0);
        // The whole window shows the keypad beside the display.
        const QSize window = shot(QStringLiteral("shots/window.png")).size();
        QVERIFY(window.width() > idle.width() && window.height() > idle.height());
        QVERIFY(
            !QFileInfo::exists(m_dir->filePath(QStringLiteral("sandbox/var/run/hostapd/wlan1"))));
    }

    void scriptErrorNamesTheLine_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("message");
        QTest::newRow("before running")
            << QByteArray("wait 10\nkey Nope\n") << "line 2: unknown key";
        QTest::newRow("while running")
            << QByteArray("wait 10\n\nstart\n") << "line 3: the application is running already";
        QTest::newRow("nothing shows in time") << QByteArray("until shown SelectPopup 20\n")
                                               << "line 1: no SelectPopup shown after 20 ms";
        QTest::newRow("refused by the service")
            << QByteArray("station clear\nstation remove\n") << "line 2: there is no station";
    }

    void scriptErrorNamesTheLine()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, message);
        QCOMPARE(run({"--script", writeScript(script)}), 1);
        QVERIFY2(m_output.contains(message), qPrintable(m_output));
    }

    // The payloads must equal what the telephone's Qt 4.8 processes serialise; what does not fit
    // its command's signature is refused and never sent.
    void senderDeliversPayloadsByteForByte_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("hex");
        const QString hotspot = QStringLiteral("settings_hotspot");
        const QString icon = QStringLiteral("updateHotspotIcon(bool)");
        QTest::newRow("str") << QStringList {hotspot, "wifi2ui_Hotspot(str)", "on"}
                             << QByteArray("00000004006f006e");
        QTest::newRow("empty str")
            << QStringList {"settings_hotspotinfo", "ack(str)", ""} << QByteArray("00000000");
        QTest::newRow("two, in order") << QStringList {hotspot, "pair(str, int)", "A", "-5"}
                                       << QByteArray("000000020041fffffffb");
        QTest::newRow("bool") << QStringList {"idle", icon, "true"} << QByteArray("01");
        QTest::newRow("no arguments") << QStringList {hotspot, "changedLanguage()"} << QByteArray();
        QTest::newRow("not a bool") << QStringList {"idle", icon, "yes"} << QByteArray("refused");
        QTest::newRow("unknown application")
            << QStringList {"browser", "open(str)", "x"} << QByteArray("refused");
    }

    void senderDeliversPayloadsByteForByte()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, hex);
        MessageServer server;
        const QString socket = m_dir->filePath(QStringLiteral("shell.sock"));
        QVERIFY2(server.listen(socket), qPrintable(server.errorString()));
        QSignalSpy received(&server, &MessageServer::messageReceived);
        QProcess sender;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SHELL_MSG_SOCKET"), socket);
        sender.setProcessEnvironment(environment);
        sender.start(QStringLiteral(SHELLMSG_PATH), arguments);
        // The sender waits for the server, which answers from this loop.
        QTRY_COMPARE_WITH_TIMEOUT(sender.state(), QProcess::NotRunning, 10000);
        QCoreApplication::processEvents();
        if (hex == "refused") {
            QCOMPARE(sender.exitCode(), 1);
            QCOMPARE(received.count(), 0);
            return;
        }
        QCOMPARE(sender.exitCode(), 0);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).mid(0, 2), QVariantList({arguments.at(0), arguments.at(1)}));
        QCOMPARE(received.at(0).at(2).toByteArray().toHex(), hex);
    }

private:
    int run(const QStringList &arguments)
    {
        QProcess simulator;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        simulator.setProcessEnvironment(environment);
        simulator.setProcessChannelMode(QProcess::MergedChannels);
        simulator.setWorkingDirectory(m_dir->path());
        simulator.start(QStringLiteral(SIMULATOR_PATH),
            QStringList {"--sandbox", m_dir->filePath(QStringLiteral("sandbox"))} + arguments);
        const bool finished = simulator.waitForFinished(60000);
        m_output = QString::fromLocal8Bit(simulator.readAll());
        return finished && simulator.exitStatus() == QProcess::NormalExit ? simulator.exitCode()
                                                                          : -1;
    }

    QString writeScript(const QByteArray &text)
    {
        const QString path = m_dir->filePath(QStringLiteral("walk.script"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        return path;
    }

    QImage shot(const QString &name) const { return QImage(m_dir->filePath(name)); }

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_output;
};

QTEST_GUILESS_MAIN(tst_Simulator)
#include "tst_simulator.moc"
