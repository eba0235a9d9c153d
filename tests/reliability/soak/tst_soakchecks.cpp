// The soak is only as good as its checks: each must see its fault and stay quiet otherwise.

#include "listview.h"
#include "listviewsettingitems.h"
#include "screeninvariants.h"
#include "selectpopup.h"
#include "settings_hotspot_p.h"
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
    void queriesEndAsReleased();
    void screenFaultsAreSeen_data();
    void screenFaultsAreSeen();
};

namespace {

// Checks that must stay quiet see nothing; the others report the fault they are there for.
void verifyViolation(const QStringList &violations, const QString &expected)
{
    if (expected.isEmpty())
        QCOMPARE(violations, QStringList());
    else
        QVERIFY2(!violations.filter(expected).isEmpty(), qPrintable(violations.join(';')));
}

} // namespace

// A change is "KEY=VALUE" (set through QSettings), "-KEY" (removed) or "+TEXT" (appended).
void tst_SoakChecks::fileFaultsAreSeen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("violation");
    const auto row = [](const char *name, const char *file, const char *change, const char *seen) {
        QTest::newRow(name) << QString::fromLatin1(file) << QString::fromLatin1(change)
                            << QString::fromLatin1(seen);
    };
    const char conf[] = "/configs/wireless/hostapd.conf";
    const char env[] = "/configs/envinfo.ini";
    row("untouched", conf, "", "");
    row("foreign value", conf, "STATION/ssid=x", "STATION/ssid changed");
    row("foreign line dropped", env, "-DISPLAY/Brightness", "lost the line");
    row("owned value out of range", conf, "TETHERING/hw_mode=n", "hw_mode holds \"n\"");
    row("switch not a boolean", env, "HOTSPOT/HOTSPOT=yes", "HOTSPOT holds");
    row("unparsable", conf, "+[broken\n", "no longer parses");
    row("read-only file written", "/configs/sip/line_0.conf", "+\n", "was written");
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
    verifyViolation(device.checkFiles(), violation);
}

void tst_SoakChecks::commandLines_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("violation");
    const auto row = [](const char *name, const char *log, const char *lines, const char *seen) {
        QTest::newRow(name) << QString::fromLatin1(log) << QByteArray(lines)
                            << QString::fromLatin1(seen);
    };
    row("query", "cli.calls", "[all_sta]\n", "");
    row("disconnect", "cli.calls", "[deny_mac][3C:28:6D:11:22:33]\n", "");
    row("address with more", "cli.calls", "[deny_mac][3C:28:6D:11:22:33; reboot]\n", "called as");
    row("line still being written", "cli.calls", "[deny_mac][x", "");
    row("script with arguments", "hotspot.runs", "run 2\n", "given");
    // No log: the file that only a text run through a shell would create.
    row("canary", "", "", "run as a shell command");
}

void tst_SoakChecks::commandLines()
{
    QFETCH(QString, log);
    QFETCH(QByteArray, lines);
    QFETCH(QString, violation);
    SoakDevice device;
    QFile file(log.isEmpty() ? device.canary() : device.path(QStringLiteral("/usr/sbin/") + log));
    QVERIFY(file.open(QIODevice::Append));
    file.write(lines);
    file.close();
    const QStringList violations = device.checkCommands();
    verifyViolation(violations, violation);
    QVERIFY(violations.size() <= 1);
}

// The stand-in tool ends a query as the soak releases it, and waits until then.
void tst_SoakChecks::queriesEndAsReleased()
{
    SoakDevice device;
    QVERIFY(!device.releaseQuery("stations", "x\n", 50));
    const QByteArray output = "Selected interface 'wlan1'\naa:bb:cc:dd:ee:01\n";
    for (const QByteArray mode : {"stations", "fail", "huge"}) {
        QProcess query;
        query.start(device.path("/usr/sbin/hostapd_cli"), {QStringLiteral("all_sta")});
        QVERIFY(query.waitForStarted(5000));
        QVERIFY(device.releaseQuery(mode, output));
        QVERIFY(query.waitForFinished(10000));
        QCOMPARE(query.exitCode(), mode == "fail" ? 255 : 0);
        const QByteArray printed = query.readAllStandardOutput();
        QVERIFY(printed.endsWith(output) && printed.size() >= (mode == "huge" ? 1000000 : 0));
    }
}

// The row's name is the fault.
void tst_SoakChecks::screenFaultsAreSeen_data()
{
    QTest::addColumn<QString>("violation");
    QTest::newRow("none") << QString();
    QTest::newRow("two popups") << "2 selection popups are shown";
    QTest::newRow("two notices") << "settings screen shows 2 result notices";
    QTest::newRow("rows") << "row 1 is disabled while Use Hotspot is on";
    QTest::newRow("hidden guard") << "hidden with its guard running";
    QTest::newRow("pile-up") << "the settings screen keeps 3 notices alive";
    QTest::newRow("processes") << "the devices screen keeps 3 processes";
}

void tst_SoakChecks::screenFaultsAreSeen()
{
    QFETCH(QString, violation);
    const QLatin1String fault(QTest::currentDataTag());
    TestShell shell;
    SettingsHotspot screen;
    screen.loadsetting();
    screen.show();
    auto list = screen.findChild<ListView *>();
    for (int idx = 0; idx < 3; ++idx) {
        if (fault == "two popups" && idx < 2) {
            auto popup = new SelectPopup(&screen, 5);
            popup->setUseAnimation(false);
            static_cast<QWidget *>(popup)->show();
        } else if (fault == "two notices" && idx < 2) {
            (new Toast(QStringLiteral("a"), 2000, &screen))->show();
        } else if (fault == "pile-up") {
            new Toast(QStringLiteral("x"), 2000, &screen);
        } else if (fault == "processes") {
            new QProcess(screen.findChild<SettingsHotspotInfo *>());
        }
    }
    if (fault == "rows") {
        static_cast<ListViewCheckItem *>(list->item(0))->setChecked(true);
    } else if (fault == "hidden guard") {
        // A save on a phone whose switch is off and whose script never answers.
        const QString script = shell.path(QStringLiteral("/usr/sbin/hotspot.sh"));
        QVERIFY(QDir().mkpath(QFileInfo(script).path()));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n") > 0);
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QTest::keyClick(list, Qt::Key_Enter);
        QTest::keyClick(&screen, Qt::Key_F15);
        QVERIFY(SettingsHotspotPrivate::guardTimer(&screen)
            && SettingsHotspotPrivate::guardTimer(&screen)->isActive());
        QCOMPARE(ScreenInvariants::check(&screen), QStringList());
        screen.hide();
        SettingsHotspotPrivate::guardTimer(&screen)->start();
    }
    verifyViolation(
        ScreenInvariants::check(&screen) + ScreenInvariants::checkPileUp(&screen, 0), violation);
}

QTEST_MAIN(tst_SoakChecks)
#include "tst_soakchecks.moc"
