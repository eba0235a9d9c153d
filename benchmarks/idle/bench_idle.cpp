#include "benchenvironment.h"
#include "benchshell.h"
#include "listview.h"
#include "selectpopup_p.h"
#include "settings_hotspot.h"
#include "simulatedclock.h"
#include "toast.h"

#include <QPropertyAnimation>

#include <cstdio>

// An idle settings screen over a minute of simulated time: what wakes it, and what that costs.
// Before the minute the user has opened and cancelled the selection popup (a finished slide)
// and a wait notice has come and gone; of the widgets, only the status bar's clock may run.
// Prints the timer events by widget class, and fails if any other widget's timer ran.
class bench_idle : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void idleMinute();

private:
    SimulatedClock *clock() const
    {
        return static_cast<SimulatedClock *>(QAbstractEventDispatcher::instance());
    }

    BenchShell *m_shell = nullptr;
};

void bench_idle::initTestCase()
{
    BenchEnvironment::quietLogs();
    m_shell = new BenchShell;
    m_shell->storeHotspotOn();
    m_shell->status()->show();
}

void bench_idle::cleanupTestCase()
{
    delete m_shell;
}

void bench_idle::idleMinute()
{
    SettingsHotspot screen;
    screen.loadsetting();
    screen.show();
    QApplication::setActiveWindow(&screen);
    auto *list = screen.findChild<ListView *>();
    list->setFocus();
    clock()->advance(1000);

    list->setSelectedIdx(1);
    QTimer::singleShot(0, &screen, [&screen] {
        if (auto *popup = screen.findChild<SelectPopup *>())
            popup->reject();
    });
    QTest::keyClick(list, Qt::Key_Return);
    auto *notice = new ToastWait(QStringLiteral("Saving..."), 10000, &screen);
    notice->show();
    clock()->advance(1000);
    notice->hide();
    clock()->advance(1000);
    QVERIFY(!screen.findChild<SelectPopup *>() || !screen.findChild<SelectPopup *>()->isVisible());

    clock()->resetCounts();
    QBENCHMARK_ONCE
    {
        clock()->advance(60 * 1000);
    }
    const QMap<QString, int> events = clock()->timerEvents();
    for (auto it = events.begin(); it != events.end(); ++it)
        std::fprintf(stderr, "idle timer events\t%s\t%d\n", qPrintable(it.key()), it.value());
    // Qt's own caches (the pixmap cache ages its entries) are no widget's doing.
    for (const QString &owner : events.keys())
        QVERIFY2(owner == QLatin1String("Status") || owner.endsWith(SimulatedClock::notWidget),
            qPrintable(owner + QStringLiteral(" runs a timer")));
    QCOMPARE(events.value(QStringLiteral("Status")), 60);
}

int main(int argc, char *argv[])
{
    BenchEnvironment::prepare();
    QCoreApplication::setEventDispatcher(new SimulatedClock);
    QApplication app(argc, argv);
    BenchEnvironment::pinFont();
    bench_idle bench;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_idle.moc"
