#include "scripthost.h"
#include "scriptparser.h"
#include "scriptrunner.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QtTest>

namespace {

class RecordingHost : public ScriptHost
{
public:
    RecordingHost() { clock.start(); }

    void sendKey(int key, const QString &text, bool press) override
    {
        calls << QStringLiteral("%1 %2 %3")
                     .arg(press ? "press" : "release")
                     .arg(key, 0, 16)
                     .arg(text);
        keyTimes << clock.elapsed();
    }
    void sendMessage(
        const QString &application, const QString &command, const QByteArray &payload) override
    {
        calls << QStringLiteral("msg %1 %2 %3")
                     .arg(application, command, QString::fromLatin1(payload.toHex()));
    }
    void setLanguage(int language) override
    {
        calls << QStringLiteral("language %1").arg(language);
    }
    bool startApplication(QString *) override
    {
        calls << QStringLiteral("start");
        return true;
    }
    void endApplication() override { calls << QStringLiteral("end"); }
    bool saveScreenshot(const QString &fileName, bool wholeWindow, QString *error) override
    {
        calls << QStringLiteral("%1 %2").arg(wholeWindow ? "window" : "display", fileName);
        *error = QStringLiteral("disk full");
        return screenshotSucceeds;
    }
    bool requestWifiService(const QStringList &request, QString *error) override
    {
        calls << QStringLiteral("wifi ") + request.join(QLatin1Char('|'));
        *error = QStringLiteral("there is no station");
        return serviceAgrees;
    }

    QStringList calls;
    QList<qint64> keyTimes;
    QElapsedTimer clock;
    bool screenshotSucceeds = true;
    bool serviceAgrees = true;
    std::function<void(int, bool)> onKey;
};

QVector<ScriptCommand> parse(const QString &source)
{
    ScriptParser parser;
    if (!parser.parse(source))
        qWarning() << parser.errorString();
    return parser.commands();
}

} // namespace

class tst_ScriptRunner : public QObject
{
    Q_OBJECT
private slots:
    void runsCommandsInOrder();
    void holdsAKeyForItsTime();
    void quitEndsTheScript();
    void failureNamesTheLine();
    void refusedServiceRequestFails();
    void keepsRunningWhileAKeyOpensAModalLoop();
};

void tst_ScriptRunner::runsCommandsInOrder()
{
    RecordingHost host;
    ScriptRunner runner(&host);
    runner.setStepPause(0);
    QSignalSpy finished(&runner, &ScriptRunner::finished);
    runner.run(parse(QStringLiteral("key OK\npress 7\nrelease 7\ntype aB\n"
                                    "msg idle updateHotspotIcon(bool) 1\nlanguage kr\nstart\n"
                                    "end\nscreenshot a.png\nwindow-screenshot b.png\n"
                                    "station add 02:00:00:00:00:01\nwifi silent on")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    const QStringList expected {
        "press 1000005 ",
        "release 1000005 ",
        "press 37 7",
        "release 37 7",
        "press 41 a",
        "release 41 a",
        "press 42 B",
        "release 42 B",
        "msg idle updateHotspotIcon(bool) 01",
        "language 0",
        "start",
        "end",
        "display a.png",
        "window b.png",
        "wifi station|add|02:00:00:00:00:01",
        "wifi silent|on",
    };
    QCOMPARE(host.calls, expected);
}

// A soft key held this long makes a long press on the function-key bar; a timer that fires
// early would make it a click.
void tst_ScriptRunner::holdsAKeyForItsTime()
{
    RecordingHost host;
    ScriptRunner runner(&host);
    runner.setStepPause(0);
    QSignalSpy finished(&runner, &ScriptRunner::finished);
    runner.run(parse(QStringLiteral("hold F12 300")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(host.calls, QStringList({"press 100003b ", "release 100003b "}));
    QVERIFY(host.keyTimes.at(1) - host.keyTimes.at(0) >= 300);
}

void tst_ScriptRunner::quitEndsTheScript()
{
    RecordingHost host;
    ScriptRunner runner(&host);
    runner.setStepPause(0);
    QSignalSpy finished(&runner, &ScriptRunner::finished);
    runner.run(parse(QStringLiteral("end\nquit\nkey OK")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(host.calls, QStringList {"end"});
}

void tst_ScriptRunner::failureNamesTheLine()
{
    RecordingHost host;
    host.screenshotSucceeds = false;
    ScriptRunner runner(&host);
    runner.setStepPause(0);
    QSignalSpy failed(&runner, &ScriptRunner::failed);
    QSignalSpy finished(&runner, &ScriptRunner::finished);
    runner.run(parse(QStringLiteral("wait 0\n\nscreenshot x.png\nkey OK")));
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toInt(), 3);
    QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("disk full"));
    // The rest of the script does not run.
    QVERIFY(host.keyTimes.isEmpty());
    QCOMPARE(finished.count(), 0);
}

// A request the Wi-Fi service refuses stops the script like a failed command.
void tst_ScriptRunner::refusedServiceRequestFails()
{
    RecordingHost host;
    host.serviceAgrees = false;
    ScriptRunner runner(&host);
    runner.setStepPause(0);
    QSignalSpy failed(&runner, &ScriptRunner::failed);
    runner.run(parse(QStringLiteral("station clear\nstation remove\nkey OK")));
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toInt(), 1);
    QCOMPARE(failed.at(0).at(1).toString(), QStringLiteral("there is no station"));
    QCOMPARE(host.calls, QStringList {"wifi station|clear"});
}

// OK opens a popup whose modal loop returns only when Back closes it, as on the device.
void tst_ScriptRunner::keepsRunningWhileAKeyOpensAModalLoop()
{
    RecordingHost host;
    QEventLoop popup;
    host.onKey = [&popup](int key, bool press) {
        if (key == Qt::Key_Enter && !press)
            popup.exec();
        else if (key == Qt::Key_Escape && !press)
            popup.quit();
    };
    ScriptRunner runner(&host);
    QSignalSpy finished(&runner, &ScriptRunner::finished);
    runner.run(parse(QStringLiteral("key OK\nkey Down\nkey Back\nend")));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(host.calls.size(), 7);
    QCOMPARE(host.calls.last(), QStringLiteral("end"));
}

QTEST_GUILESS_MAIN(tst_ScriptRunner)
#include "tst_scriptrunner.moc"
