// The soak is only as good as its checks: each must see the fault it is there for, and stay
// quiet while all is well.

#include "appmessage.h"
#include "listview.h"
#include "listviewsettingitems.h"
#include "screeninvariants.h"
#include "selectpopup.h"
#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"
#include "soakdevice.h"
#include "soakmessages.h"
#include "soakrandom.h"
#include "testshell.h"
#include "toast.h"

#include <QProcess>
#include <QSet>
#include <QtTest>

#include <functional>

namespace {

void writeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | mode));
    file.write(bytes);
}

QString firstViolation(const QStringList &violations)
{
    return violations.value(0);
}

} // namespace

class tst_SoakChecks : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void freshDeviceIsClean();
    void fileFaultsAreSeen_data();
    void fileFaultsAreSeen();
    void commandLines_data();
    void commandLines();
    void standInsRecordWhatTheyAreGiven();
    void queriesEndAsReleased_data();
    void queriesEndAsReleased();
    void noQueryWaiting();
    void screenFaultsAreSeen_data();
    void screenFaultsAreSeen();
    void seedReplaysTheStream();
    void messagesReachEveryCommand();
};

void tst_SoakChecks::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SoakChecks::freshDeviceIsClean()
{
    SoakDevice device;
    QVERIFY2(device.isValid(), qPrintable(device.errorString()));
    QCOMPARE(device.checkFiles(), QStringList());
    QCOMPARE(device.checkCommands(), QStringList());
    // The root's name would break any command line it were spliced into.
    QVERIFY(device.root().contains(QLatin1Char('\'')));
    QVERIFY(device.root().contains(QLatin1String("$(")));
}

void tst_SoakChecks::fileFaultsAreSeen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("change");
    QTest::addColumn<QString>("violation");
    const QString hostapd = QStringLiteral("/configs/wireless/hostapd.conf");
    const QString env = QStringLiteral("/configs/envinfo.ini");
    QTest::newRow("foreign value")
        << hostapd << QByteArray("STATION/ssid=other") << "STATION/ssid changed";
    QTest::newRow("foreign key dropped")
        << hostapd << QByteArray("-RADIO/country_code") << "lost the line \"country_code=DE\"";
    QTest::newRow("foreign section of the switch file")
        << env << QByteArray("-DISPLAY/Brightness") << "lost the line \"Brightness=7\"";
    QTest::newRow("owned value out of range")
        << hostapd << QByteArray("TETHERING/hw_mode=n") << "TETHERING/hw_mode holds \"n\"";
    QTest::newRow("switch not a boolean")
        << env << QByteArray("HOTSPOT/HOTSPOT=yes") << "HOTSPOT/HOTSPOT holds \"yes\"";
    QTest::newRow("name too long")
        << hostapd << QByteArray("TETHERING/ssid=") + QByteArray(33, 'n') << "TETHERING/ssid holds";
    QTest::newRow("unparsable") << hostapd << QByteArray("+[broken\n") << "no longer parses";
    QTest::newRow("read-only file written")
        << QStringLiteral("/configs/sip/line_0.conf") << QByteArray("+\n") << "was written";
    QTest::newRow("file gone") << env << QByteArray("!") << "is gone";
}

// A change is "KEY=VALUE" (set through QSettings), "-KEY" (removed), "+TEXT" (appended as it
// stands) or "!" (the file deleted).
void tst_SoakChecks::fileFaultsAreSeen()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, change);
    QFETCH(QString, violation);
    SoakDevice device;
    const QString path = device.path(file);
    if (change == "!") {
        QVERIFY(QFile::remove(path));
    } else if (change.startsWith('+')) {
        writeFile(path, change.mid(1), QIODevice::Append);
    } else {
        QSettings settings(path, QSettings::IniFormat);
        if (change.startsWith('-'))
            settings.remove(QString::fromLatin1(change.mid(1)));
        else
            settings.setValue(QString::fromLatin1(change).section(QLatin1Char('='), 0, 0),
                QString::fromLatin1(change).section(QLatin1Char('='), 1));
    }
    const QStringList violations = device.checkFiles();
    QVERIFY2(!violations.filter(violation).isEmpty(), qPrintable(firstViolation(violations)));
}

void tst_SoakChecks::commandLines_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("violation");
    QTest::newRow("query") << "cli.calls" << QByteArray("[all_sta]\n") << "";
    QTest::newRow("disconnect") << "cli.calls" << QByteArray("[deny_mac][3C:28:6D:11:22:33]\n")
                                << "";
    QTest::newRow("address with more")
        << "cli.calls" << QByteArray("[deny_mac][3C:28:6D:11:22:33; reboot]\n") << "called as";
    QTest::newRow("split argument")
        << "cli.calls" << QByteArray("[deny_mac][3C:28:6D][11:22:33]\n") << "called as";
    QTest::newRow("line still being written") << "cli.calls" << QByteArray("[deny_mac][x") << "";
    QTest::newRow("script alone") << "hotspot.runs" << QByteArray("run 0\n") << "";
    QTest::newRow("script with arguments")
        << "hotspot.runs" << QByteArray("run 2\n") << "given arguments";
}

void tst_SoakChecks::commandLines()
{
    QFETCH(QString, log);
    QFETCH(QByteArray, lines);
    QFETCH(QString, violation);
    SoakDevice device;
    writeFile(device.path(QStringLiteral("/usr/sbin/") + log), lines, QIODevice::Append);
    const QStringList violations = device.checkCommands();
    if (violation.isEmpty()) {
        QCOMPARE(violations, QStringList());
    } else {
        QCOMPARE(violations.size(), 1);
        QVERIFY2(violations.first().contains(violation), qPrintable(violations.first()));
    }
    // Each line is judged once.
    QCOMPARE(device.checkCommands(), QStringList());
}

void tst_SoakChecks::standInsRecordWhatTheyAreGiven()
{
    SoakDevice device;
    QProcess tool;
    tool.start(device.path(QStringLiteral("/usr/sbin/hostapd_cli")),
        {QStringLiteral("deny_mac"), QStringLiteral("AA:BB:CC:DD:EE:FF x")});
    QVERIFY(tool.waitForFinished(5000));
    QProcess script;
    script.start(device.path(QStringLiteral("/usr/sbin/hotspot.sh")), {});
    QVERIFY(script.waitForFinished(5000));
    QCOMPARE(script.exitCode(), 0);
    const QStringList violations = device.checkCommands();
    QCOMPARE(violations,
        QStringList({"the control tool was called as [deny_mac][AA:BB:CC:DD:EE:FF x]"}));
    QCOMPARE(device.scriptRuns(), 1);

    // A file that only a shell could have made.
    writeFile(device.canary(), "", QIODevice::Truncate);
    QVERIFY(
        firstViolation(device.checkCommands()).contains(QLatin1String("run as a shell command")));
}

void tst_SoakChecks::queriesEndAsReleased_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("minimumSize");
    QTest::newRow("stations") << QByteArray("stations") << 0 << 0;
    QTest::newRow("failure") << QByteArray("fail") << 255 << 0;
    QTest::newRow("megabytes") << QByteArray("huge") << 0 << 1000000;
}

void tst_SoakChecks::queriesEndAsReleased()
{
    QFETCH(QByteArray, mode);
    QFETCH(int, exitCode);
    QFETCH(int, minimumSize);
    SoakDevice device;
    QProcess query;
    query.start(device.path(QStringLiteral("/usr/sbin/hostapd_cli")), {QStringLiteral("all_sta")});
    QVERIFY(query.waitForStarted(5000));
    // The query waits for its answer.
    QVERIFY(!query.waitForFinished(100));
    const QByteArray output = "Selected interface 'wlan1'\naa:bb:cc:dd:ee:01\n";
    QVERIFY(device.releaseQuery(mode, output));
    QVERIFY(query.waitForFinished(10000));
    QCOMPARE(query.exitCode(), exitCode);
    const QByteArray printed = query.readAllStandardOutput();
    QVERIFY(printed.endsWith(output));
    QVERIFY(printed.size() >= minimumSize);
}

void tst_SoakChecks::noQueryWaiting()
{
    SoakDevice device;
    QVERIFY(!device.releaseQuery("stations", "x\n", 50));
}

void tst_SoakChecks::screenFaultsAreSeen_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("violation");
    QTest::newRow("none") << "none"
                          << "";
    QTest::newRow("two popups") << "two popups"
                                << "2 selection popups are shown";
    QTest::newRow("two notices") << "two notices"
                                 << "the settings screen shows 2 result notices";
    QTest::newRow("two progress notices") << "two progress notices"
                                          << "shows 2 progress notices";
    QTest::newRow("rows ignore the switch") << "rows ignore the switch"
                                            << "row 1 is disabled while Use Hotspot is on";
    QTest::newRow("guard behind a hidden screen") << "hidden guard"
                                                  << "hidden with its guard running";
    QTest::newRow("stranded progress notice") << "stranded progress"
                                              << "progress notice with no guard running";
    QTest::newRow("notice pile-up") << "pile-up"
                                    << "the settings screen keeps 3 notices alive";
    QTest::newRow("popup pile-up") << "popups"
                                   << "1 selection popups are alive";
    QTest::newRow("process pile-up") << "processes"
                                     << "the devices screen keeps 3 processes";
}

void tst_SoakChecks::screenFaultsAreSeen()
{
    QFETCH(QString, fault);
    QFETCH(QString, violation);
    TestShell shell;
    SettingsHotspot screen;
    screen.loadsetting();
    screen.show();
    auto list = screen.findChild<ListView *>();
    auto info = screen.findChild<SettingsHotspotInfo *>();

    if (fault == QLatin1String("two popups")) {
        for (int idx = 0; idx < 2; ++idx) {
            auto popup = new SelectPopup(&screen, 5);
            popup->setUseAnimation(false);
            static_cast<QWidget *>(popup)->show();
        }
    } else if (fault == QLatin1String("two notices")) {
        (new Toast(QStringLiteral("a"), 2000, &screen))->show();
        (new Toast(QStringLiteral("b"), 2000, &screen))->show();
    } else if (fault == QLatin1String("two progress notices")) {
        (new ToastWait(QStringLiteral("a"), 2000, info))->show();
        (new ToastWait(QStringLiteral("b"), 2000, info))->show();
        info->show();
    } else if (fault == QLatin1String("rows ignore the switch")) {
        static_cast<ListViewCheckItem *>(list->item(0))->setChecked(true);
    } else if (fault == QLatin1String("hidden guard")
        || fault == QLatin1String("stranded progress")) {
        // A save on a phone whose switch is off and whose script is missing.
        QTest::keyClick(list, Qt::Key_Enter);
        QTest::keyClick(&screen, Qt::Key_F15);
        QVERIFY(screen.guardTimer() && screen.guardTimer()->isActive());
        QCOMPARE(ScreenInvariants::check(&screen), QStringList());
        if (fault == QLatin1String("hidden guard")) {
            screen.hide();
            screen.guardTimer()->start();
        } else {
            screen.guardTimer()->stop();
        }
    } else if (fault == QLatin1String("pile-up")) {
        for (int idx = 0; idx < 3; ++idx)
            new Toast(QStringLiteral("x"), 2000, &screen);
    } else if (fault == QLatin1String("popups")) {
        new SelectPopup(&screen, 5);
    } else if (fault == QLatin1String("processes")) {
        for (int idx = 0; idx < 3; ++idx)
            new QProcess(info);
    }

    const QStringList violations
        = ScreenInvariants::check(&screen) + ScreenInvariants::checkPileUp(&screen, 0);
    if (violation.isEmpty())
        QCOMPARE(violations, QStringList());
    else
        QVERIFY2(!violations.filter(violation).isEmpty(),
            qPrintable(violations.join(QLatin1String("; "))));
}

void tst_SoakChecks::seedReplaysTheStream()
{
    SoakRandom first(42);
    SoakRandom again(42);
    SoakRandom other(43);
    QList<quint64> drawn;
    bool differs = false;
    for (int idx = 0; idx < 100; ++idx) {
        const quint64 value = first.next();
        drawn << value;
        QCOMPARE(again.next(), value);
        differs = differs || other.next() != value;
    }
    QVERIFY(differs);
    // A weight of 0 is never drawn.
    SoakRandom random(7);
    for (int idx = 0; idx < 1000; ++idx)
        QVERIFY(random.weighted({3, 0, 1}) != 1);
}

// A generator that lost a command or never produced a payload that fails to decode would
// leave that part of the application unexercised without anyone noticing.
void tst_SoakChecks::messagesReachEveryCommand()
{
    SoakRandom random(1);
    QSet<QString> commands;
    QSet<QString> applications;
    int undecodable = 0;
    int saidOn = 0;
    for (int idx = 0; idx < 2000; ++idx) {
        const SoakMessages::Message message
            = SoakMessages::randomMessage(random, QStringLiteral("c"));
        commands.insert(message.command);
        applications.insert(message.application);
        QDataStream stream(message.payload);
        stream.setVersion(AppMessage::streamVersion);
        QString word;
        stream >> word;
        if (stream.status() != QDataStream::Ok)
            ++undecodable;
        else if (word == QLatin1String("on"))
            ++saidOn;
    }
    for (const QString &known : SoakMessages::knownCommands())
        QVERIFY2(commands.contains(known), qPrintable(known));
    QCOMPARE(applications,
        QSet<QString>({SoakMessages::settingsApplication, SoakMessages::infoApplication}));
    QVERIFY(undecodable > 100);
    QVERIFY(saidOn > 50);
}

QTEST_MAIN(tst_SoakChecks)
#include "tst_soakchecks.moc"
