// The soak is only as good as its checks: each must see the fault it is there for, and stay
// quiet while all is well.

#include "listview.h"
#include "listviewsettingitems.h"
#include "screeninvariants.h"
#include "selectpopup.h"
#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"
#include "soakdevice.h"
#include "testshell.h"
#include "toast.h"

#include <QProcess>
#include <QtTest>

class tst_SoakChecks : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void fileFaultsAreSeen_data();
    void fileFaultsAreSeen();
    void commandLines_data();
    void commandLines();
    void queriesEndAsReleased_data();
    void queriesEndAsReleased();
    void screenFaultsAreSeen_data();
    void screenFaultsAreSeen();
};

// A change is "KEY=VALUE" (set through QSettings), "-KEY" (removed), "+TEXT" (appended) or ""
// (none).
void tst_SoakChecks::fileFaultsAreSeen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("violation");
    const QString hostapd = QStringLiteral("/configs/wireless/hostapd.conf");
    const QString env = QStringLiteral("/configs/envinfo.ini");
    QTest::newRow("untouched") << hostapd << ""
                               << "";
    QTest::newRow("foreign value") << hostapd << "STATION/ssid=x"
                                   << "STATION/ssid changed";
    QTest::newRow("foreign line dropped") << env << "-DISPLAY/Brightness"
                                          << "lost the line \"Brightness=7\"";
    QTest::newRow("owned value out of range") << hostapd << "TETHERING/hw_mode=n"
                                              << "TETHERING/hw_mode holds \"n\"";
    QTest::newRow("switch not a boolean") << env << "HOTSPOT/HOTSPOT=yes"
                                          << "HOTSPOT holds";
    QTest::newRow("unparsable") << hostapd << "+[broken\n"
                                << "no longer parses";
    QTest::newRow("read-only file written") << "/configs/sip/line_0.conf"
                                            << "+\n"
                                            << "was written";
}

void tst_SoakChecks::fileFaultsAreSeen()
{
    QFETCH(QString, file);
    QFETCH(QString, change);
    QFETCH(QString, violation);
    SoakDevice device;
    QVERIFY2(device.isValid(), qPrintable(device.errorString()));
    const QString path = device.path(file);
    if (change.startsWith(QLatin1Char('+'))) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::Append));
        out.write(change.mid(1).toLatin1());
    } else if (change.startsWith(QLatin1Char('-'))) {
        QSettings(path, QSettings::IniFormat).remove(change.mid(1));
    } else if (!change.isEmpty()) {
        QSettings(path, QSettings::IniFormat)
            .setValue(change.section(QLatin1Char('='), 0, 0), change.section(QLatin1Char('='), 1));
    }
    const QStringList violations = device.checkFiles();
    if (violation.isEmpty())
        QCOMPARE(violations, QStringList());
    else
        QVERIFY2(!violations.filter(violation).isEmpty(), qPrintable(violations.join(';')));
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
    QTest::newRow("line still being written") << "cli.calls" << QByteArray("[deny_mac][x") << "";
    QTest::newRow("script with arguments") << "hotspot.runs" << QByteArray("run 2\n") << "given";
    QTest::newRow("canary") << "" << QByteArray() << "run as a shell command";
}

void tst_SoakChecks::commandLines()
{
    QFETCH(QString, log);
    QFETCH(QByteArray, lines);
    QFETCH(QString, violation);
    SoakDevice device;
    // No log: the file that only a text run through a shell would create.
    QFile file(log.isEmpty() ? device.canary() : device.path(QStringLiteral("/usr/sbin/") + log));
    QVERIFY(file.open(QIODevice::Append));
    file.write(lines);
    file.close();
    const QStringList violations = device.checkCommands();
    if (violation.isEmpty())
        QCOMPARE(violations, QStringList());
    else
        QVERIFY2(violations.size() == 1 && violations.first().contains(violation),
            qPrintable(violations.join(';')));
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
    QVERIFY(!device.releaseQuery("stations", "x\n", 50));
    QProcess query;
    query.start(device.path(QStringLiteral("/usr/sbin/hostapd_cli")), {QStringLiteral("all_sta")});
    QVERIFY(query.waitForStarted(5000));
    const QByteArray output = "Selected interface 'wlan1'\naa:bb:cc:dd:ee:01\n";
    QVERIFY(device.releaseQuery(mode, output));
    QVERIFY(query.waitForFinished(10000));
    QCOMPARE(query.exitCode(), exitCode);
    const QByteArray printed = query.readAllStandardOutput();
    QVERIFY(printed.endsWith(output) && printed.size() >= minimumSize);
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
                                 << "settings screen shows 2 result notices";
    QTest::newRow("rows ignore the switch") << "rows"
                                            << "row 1 is disabled while Use Hotspot is on";
    QTest::newRow("guard of a hidden screen") << "hidden guard"
                                              << "hidden with its guard running";
    QTest::newRow("notice pile-up") << "pile-up"
                                    << "the settings screen keeps 3 notices alive";
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
    for (int idx = 0; idx < 3; ++idx) {
        if (fault == QLatin1String("two popups") && idx < 2) {
            auto popup = new SelectPopup(&screen, 5);
            popup->setUseAnimation(false);
            static_cast<QWidget *>(popup)->show();
        } else if (fault == QLatin1String("two notices") && idx < 2) {
            (new Toast(QStringLiteral("a"), 2000, &screen))->show();
        } else if (fault == QLatin1String("pile-up")) {
            new Toast(QStringLiteral("x"), 2000, &screen);
        } else if (fault == QLatin1String("processes")) {
            new QProcess(screen.findChild<SettingsHotspotInfo *>());
        }
    }
    if (fault == QLatin1String("rows")) {
        static_cast<ListViewCheckItem *>(list->item(0))->setChecked(true);
    } else if (fault == QLatin1String("hidden guard")) {
        // A save on a phone whose switch is off and whose script is missing.
        QTest::keyClick(list, Qt::Key_Enter);
        QTest::keyClick(&screen, Qt::Key_F15);
        QVERIFY(screen.guardTimer() && screen.guardTimer()->isActive());
        QCOMPARE(ScreenInvariants::check(&screen), QStringList());
        screen.hide();
        screen.guardTimer()->start();
    }
    const QStringList violations
        = ScreenInvariants::check(&screen) + ScreenInvariants::checkPileUp(&screen, 0);
    if (violation.isEmpty())
        QCOMPARE(violations, QStringList());
    else
        QVERIFY2(!violations.filter(violation).isEmpty(), qPrintable(violations.join(';')));
}

QTEST_MAIN(tst_SoakChecks)
#include "tst_soakchecks.moc"
