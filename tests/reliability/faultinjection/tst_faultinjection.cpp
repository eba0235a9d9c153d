// The outside world failing under the application: settings files that cannot be written,
// a full disk, a hotspot script and a control tool that are missing, cannot run, fail, hang
// or flood their output. The user must see the right notice, and nothing may be lost: the
// edits stay in the rows and a file that could not be written stays as it was.

#include "../testhooks.h"
#include "screenfixture.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace {

const char editedSsid[] = "Lab 2";
const char editedPassword[] = "12345678";
const QStringList twoRows = {"3C:28:6D:11:22:33", "A4:5E:60:DE:AD:01"};

// Programs the stand-ins started, by the process ids they wrote down.
QList<qint64> recordedPids(const QString &file)
{
    QList<qint64> pids;
    for (const QByteArray &line : bytesOf(file).split('\n'))
        pids << line.toLongLong();
    pids.removeAll(0);
    return pids;
}

// The full-disk test's child: a save in a process that may not make any file larger than
// 'limit' bytes. It prints what the user is left with.
int saveUnderFileSizeLimit(const QString &root, qint64 limit, int argc, char **argv)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit fileSize = {rlim_t(limit), rlim_t(limit)};
    if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
        return 3;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ScreenFixture f;
    f.shell.core.setDeviceRoot(root);
    f.openAndEdit(editedSsid, editedPassword);
    f.softKey(4);
    QTextStream out(stdout);
    for (Toast *toast : f.screen->findChildren<Toast *>()) {
        if (toast->isVisible())
            out << "notice " << toast->message() << '\n';
    }
    out << "switch " << f.useHotspot()->isChecked() << "\nssid " << f.ssid()->editText()
        << "\npassword " << f.password()->editText() << "\nguard " << TestHooks::guarding(f.screen)
        << '\n';
    return 0;
}

} // namespace

class tst_FaultInjection : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = new ScreenFixture;
        f->writeConf(f->envFile(), "[DISPLAY]\nBrightness=7\n[HOTSPOT]\nHOTSPOT=false\n");
        f->writeConf(f->hostapdConf(),
            "[RADIO]\ncountry_code=DE\n[STATION]\nssid=Home\nwpa_passphrase=\"pa;ss, word\"\n"
            "[TETHERING]\nchannel=6\ninterface=wlan1\nhw_mode=g\nieee80211n=0\nssid=Office\n"
            "wpa_passphrase=secret99\n");
    }
    void cleanup()
    {
        for (qint64 pid : recordedPids(f->sbin("pids")))
            ::kill(pid_t(pid), SIGKILL);
        delete f;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void saveFailsAtOnce_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("on"); // what the save switches the hotspot to
        // Permission bits do not stop root; a folder where the file should be stops everyone.
        QTest::newRow("configuration file is a folder") << "/configs/wireless/hostapd.conf"
                                                        << "present" << true;
        QTest::newRow("switch file is a folder") << "/configs/envinfo.ini"
                                                 << "present" << true;
        QTest::newRow("script missing") << QString() << "missing" << true;
        QTest::newRow("script not executable") << QString() << "not executable" << true;
        QTest::newRow("script missing, switching off") << QString() << "missing" << false;
    }
    // A save that cannot write its files or start its script says "Failed" at once: no guard,
    // the switch and the idle screen's indicator left as stored (the next start must not claim
    // a change that never ran), the configuration file untouched when the switch cannot be
    // written, the edits kept.
    void saveFailsAtOnce()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, script);
        QFETCH(bool, on);
        if (!on)
            f->writeConf(f->envFile(), "[DISPLAY]\nBrightness=7\n[HOTSPOT]\nHOTSPOT=true\n");
        const QByteArray confBefore = bytesOf(f->hostapdConf());
        if (script != QLatin1String("missing"))
            f->installStandIn("hotspot.sh", script == QLatin1String("present"));
        if (!blocked.isEmpty()) {
            QVERIFY(QFile::remove(f->shell.path(blocked)));
            QVERIFY(QDir().mkpath(f->shell.path(blocked)));
        } else {
            QTest::ignoreMessage(QtWarningMsg,
                QRegularExpression("^SettingsHotspot::runHotspotScript cannot start "));
        }
        QSignalSpy sent(&f->shell.core, SIGNAL(appMessageSent(QString, QString, QByteArray)));
        f->openAndEdit(editedSsid, editedPassword);
        f->softKey(4);
        QCOMPARE(f->notice() ? f->notice()->message() : QString(), QStringLiteral("Failed"));
        QVERIFY(!f->waitNotice() && !TestHooks::guard(f->screen));
        QCOMPARE(f->scriptRuns(), 0);
        checkEditsKept(on);
        if (blocked.endsWith(QLatin1String("envinfo.ini")))
            QCOMPARE(bytesOf(f->hostapdConf()), confBefore);
        else
            QCOMPARE(
                f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QVariant(!on).toString());
        for (const QList<QVariant> &message : qAsConst(sent))
            QCOMPARE(message.at(2), QVariant(QByteArray(1, !on)));
    }

    void diskFull_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("switchFits");
        QTest::newRow("nothing fits") << 16 << false;
        // Here Qt 5 would put the configuration file in place, cut short at the limit.
        QTest::newRow("the switch file fits, the configuration file does not") << 120 << true;
    }
    void diskFull()
    {
        QFETCH(int, limit);
        f->installRecorder();
        const QByteArray envBefore = bytesOf(f->envFile());
        const QByteArray confBefore = bytesOf(f->hostapdConf());
        QTEST(envBefore.size() < limit, "switchFits");
        QVERIFY(confBefore.size() > limit);

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
            {"--save-under-file-size-limit", f->shell.root.path(), QString::number(limit)});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QStringList({"notice Failed", "switch 1", QStringLiteral("ssid ") + editedSsid,
                QStringLiteral("password ") + editedPassword, "guard 0"}));
        QCOMPARE(bytesOf(f->envFile()), envBefore);
        QCOMPARE(bytesOf(f->hostapdConf()), confBefore);
        // No half-written copy is left beside the files either.
        QCOMPARE(QDir(QFileInfo(f->hostapdConf()).absolutePath()).entryList(QDir::Files),
            QStringList({"hostapd.conf"}));
        QCOMPARE(f->scriptRuns(), 0);
    }

    void scriptFailsLater_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::newRow("fails") << QByteArray("fail");
        QTest::newRow("never ends") << QByteArray("hang");
    }
    // A script that started and failed is noticed by the guard, and the apply never waits for
    // the script itself.
    void scriptFailsLater()
    {
        QFETCH(QByteArray, mode);
        f->installRecorder();
        f->writeConf(f->sbin("hotspot.mode"), mode);
        f->openAndEdit(editedSsid, editedPassword);
        QElapsedTimer saving;
        saving.start();
        f->softKey(4);
        QVERIFY2(saving.elapsed() < 2000, "the screen waited for the script");
        QTimer *guard = TestHooks::guard(f->screen);
        QVERIFY(f->waitNotice() && guard->isActive());
        QTRY_COMPARE(f->scriptRuns(), 1);

        // The guard's failure, and the switch put back, are the save cycle's own test's.
        guard->stop();
        QVERIFY(QMetaObject::invokeMethod(f->screen, "displayResult"));
        QCOMPARE(f->notice()->message(), QStringLiteral("Failed\nPlease try again"));
        QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/ssid").toString(), editedSsid);
        checkEditsKept();
        QTRY_COMPARE(f->scriptRuns(), 2);
    }

    void brokenStationQuery_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("disconnect");
        QTest::addColumn<QStringList>("rowsAfter");
        // A tool that cannot answer is told as such, not as an empty access point.
        const QStringList failed = {"The hotspot is not answering"};
        QTest::newRow("query: tool missing") << "missing" << false << failed;
        QTest::newRow("query: tool not executable") << "not executable" << false << failed;
        // Given up after its time.
        QTest::newRow("query: never ends") << "query.mode=hang" << false << failed;
        QTest::newRow("query: fails with an error") << "query.mode=fail" << false << failed;
        QTest::newRow("query: only an error, exit code 0")
            << "query.mode=stderr" << false << failed;
        // Far more than any station list: the tool is stopped, and the shell does not grow.
        QTest::newRow("query: megabytes of attribute lines")
            << "query.mode=huge" << false << failed;
        QTest::newRow("query: one endless line") << "query.mode=endless" << false << failed;
        QTest::newRow("disconnect: tool missing") << "missing" << true << twoRows;
        QTest::newRow("disconnect: never ends") << "deny.mode=hang" << true << twoRows;
    }
    // A refresh that cannot get an answer says so, and a disconnect without one ends in the
    // guard's failure notice and a new query; the tool coming back brings the list back to
    // life, and no command is left running behind.
    void brokenStationQuery()
    {
        QFETCH(QString, fault);
        QFETCH(bool, disconnect);
        const QString pidFile = f->sbin("pids");
        f->installStandIn("hostapd_cli");
        f->writeConf(f->sbin("stations"),
            "Selected interface 'wlan1'\n3c:28:6d:11:22:33\nflags=[AUTH][ASSOC]\naid=1\n"
            "a4:5e:60:de:ad:01\nflags=[AUTH][ASSOC]\naid=2\n");
        m_info = SettingsHotspotPrivate::devices(f->screen);
        m_info->show();
        QTRY_COMPARE(rows(), twoRows);

        if (fault == QLatin1String("missing"))
            QVERIFY(QFile::remove(f->sbin("hostapd_cli")));
        else if (fault == QLatin1String("not executable"))
            f->installStandIn("hostapd_cli", false);
        else
            f->writeConf(f->sbin(fault.section('=', 0, 0)), fault.section('=', 1).toLatin1());
        if (fault == QLatin1String("query.mode=fail"))
            f->writeConf(f->sbin("stations"),
                "Failed to connect to hostapd - wpa_ctrl_open: No such file or directory\n");
        const int started = recordedPids(pidFile).size();
        const auto settled = [this] {
            const QList<QProcess *> processes = m_info->findChildren<QProcess *>();
            return std::all_of(processes.cbegin(), processes.cend(),
                [](QProcess *process) { return process->state() == QProcess::NotRunning; });
        };
        QTest::keyClick(m_info, disconnect ? Qt::Key_F15 : Qt::Key_F11);
        if (fault.endsWith(QLatin1String("=hang"))) {
            QTRY_COMPARE_WITH_TIMEOUT(recordedPids(pidFile).size(), started + 1, 2000);
            if (!disconnect) {
                // The list stays until the query's time is up.
                QCOMPARE(rows(), twoRows);
                QTimer *timer = SettingsHotspotInfoPrivate::queryTimer(m_info);
                QVERIFY(timer->isActive() && timer->interval() == 5000);
                QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
            }
        } else if (!fault.startsWith(QLatin1String("query."))) {
            // The screen learns of a tool that cannot start at once, or never.
            QTRY_VERIFY(settled());
            QCOMPARE(recordedPids(pidFile).size(), started);
        }
        if (fault.startsWith(QLatin1String("query."))) {
            QTRY_COMPARE(rows(), QStringList({"The hotspot is not answering"}));
            QTRY_VERIFY(settled());
            QVERIFY(SettingsHotspotInfoPrivate::deviceList(m_info).isEmpty());
        }
        QTEST(rows(), "rowsAfter");
        // The fixture's notices are those of the devices screen too, which is the one shown.
        QVERIFY(m_info->isVisible() && !f->notice());
        QCOMPARE(TestHooks::guarding(m_info), disconnect);

        // The tool works again.
        f->installStandIn("hostapd_cli");
        QFile::remove(f->sbin(fault.section('=', 0, 0)));
        if (disconnect) {
            TestHooks::guard(m_info)->stop();
            QVERIFY(QMetaObject::invokeMethod(m_info, "displayResult"));
            QCOMPARE(f->notice() ? f->notice()->message() : QString(), QStringLiteral("Failed"));
            QTRY_COMPARE(rows(), twoRows);
        } else {
            f->writeConf(f->sbin("stations"), "Selected interface 'wlan1'\n02:00:00:00:00:07\n");
            QTest::keyClick(m_info, Qt::Key_F11);
            QTRY_COMPARE(rows(), QStringList({"02:00:00:00:00:07"}));
        }
        // A command that hung was stopped, not left behind.
        const QList<qint64> pids = recordedPids(pidFile);
        for (int idx = started; idx < pids.size() - 1; ++idx)
            QTRY_VERIFY2(::kill(pid_t(pids.at(idx)), 0) != 0, "a command was left running");
    }

private:
    QStringList rows() const { return ScreenFixture::rowTexts(m_info->findChild<ListView *>()); }
    // The edits stay in the rows (the other owners' keys in the files are the settings files'
    // own tests' and the soak's).
    void checkEditsKept(bool on = true)
    {
        QVERIFY(f->screen->isVisible() && f->useHotspot()->isChecked() == on);
        QCOMPARE(f->ssid()->editText(), QLatin1String(editedSsid));
        QCOMPARE(f->password()->editText(), QLatin1String(editedPassword));
    }

    ScreenFixture *f = nullptr;
    QPointer<SettingsHotspotInfo> m_info;
};

int main(int argc, char *argv[])
{
    if (argc >= 4 && qstrcmp(argv[1], "--save-under-file-size-limit") == 0)
        return saveUnderFileSizeLimit(
            QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong(), argc, argv);
    QApplication application(argc, argv);
    tst_FaultInjection test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faultinjection.moc"
