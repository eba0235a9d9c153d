#include "basewidget.h"
#include "benchenvironment.h"
#include "benchshell.h"
#include "displayframe.h"
#include "gallerypages.h"
#include "listview.h"
#include "selectpopup_p.h"
#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"
#include "toast.h"

#include <QPropertyAnimation>

// Full repaints of what the display shows, into one 480x272 image, beside the floor: the three
// backgrounds that any screen stands on. Each frame is drawn once before it is measured, so
// that the figure is a repaint, not the first paint with its caches cold.
class bench_screens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void floor();
    void settingsScreen();
    void settingsWithPopup();
    void toastOverScreen();
    void connectedDevices();
    void galleryPage_data();
    void galleryPage();

private:
    void measure(const QList<QWidget *> &windows, const QString &shot);
    void showFocused(QWidget *screen);
    // The selected row's background, where the screens paint it in the list's first row.
    void verifySelectionPainted(const DisplayFrame &frame);

    BenchShell *m_shell = nullptr;
};

void bench_screens::initTestCase()
{
    BenchEnvironment::quietLogs();
    m_shell = new BenchShell;
    m_shell->storeHotspotOn();
    m_shell->installStations(5);
    m_shell->status()->setTitle(QStringLiteral("Settings | Wi-Fi Hotspot"));
    m_shell->status()->show();
}

void bench_screens::cleanupTestCase()
{
    delete m_shell;
}

void bench_screens::measure(const QList<QWidget *> &windows, const QString &shot)
{
    DisplayFrame frame;
    frame.paintWindows(windows);
    QBENCHMARK
    {
        frame.paintWindows(windows);
    }
    frame.saveShot(shot);
}

void bench_screens::showFocused(QWidget *screen)
{
    screen->show();
    QApplication::setActiveWindow(screen);
    auto *list = screen->findChild<ListView *>();
    QVERIFY(list);
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    BenchEnvironment::settle();
}

void bench_screens::verifySelectionPainted(const DisplayFrame &frame)
{
    QCOMPARE(frame.image().pixelColor(240, 32 + 4), QColor(95, 113, 160));
}

void bench_screens::floor()
{
    DisplayFrame frame;
    frame.paintBackgrounds();
    QBENCHMARK
    {
        frame.paintBackgrounds();
    }
    frame.saveShot(QStringLiteral("floor"));
}

void bench_screens::settingsScreen()
{
    SettingsHotspot screen;
    screen.loadsetting();
    showFocused(&screen);
    measure({m_shell->status(), &screen}, QStringLiteral("settings"));

    DisplayFrame check;
    check.paintWindows({m_shell->status(), &screen});
    verifySelectionPainted(check);
}

// The popup runs its own modal loop; the frame is measured inside it, once the popup has slid
// into place, and the popup is then cancelled.
void bench_screens::settingsWithPopup()
{
    SettingsHotspot screen;
    screen.loadsetting();
    showFocused(&screen);
    auto *list = screen.findChild<ListView *>();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedIdx(), 1);

    bool measured = false;
    QVERIFY(BenchShell::insidePopup(list, [&](SelectPopup *popup) {
        QTRY_VERIFY(
            SelectPopupPrivate::showAnimation(popup)->state() == QAbstractAnimation::Stopped);
        BenchEnvironment::settle();
        measure({m_shell->status(), &screen, popup}, QStringLiteral("settings-popup"));
        measured = true;
    }));
    QVERIFY(measured);
}

void bench_screens::toastOverScreen()
{
    SettingsHotspot screen;
    screen.loadsetting();
    showFocused(&screen);
    auto *toast = new Toast(QStringLiteral("Saved"), 0, &screen);
    toast->setIgnoreKey(true);
    toast->show();
    toast->raise();
    BenchEnvironment::settle();
    measure({m_shell->status(), &screen}, QStringLiteral("toast"));
}

void bench_screens::connectedDevices()
{
    SettingsHotspotInfo screen;
    showFocused(&screen);
    auto *list = screen.findChild<ListView *>();
    QTRY_COMPARE_WITH_TIMEOUT(list->itemSize(), 5, 60000);
    measure({m_shell->status(), &screen}, QStringLiteral("connected-devices"));
}

void bench_screens::galleryPage_data()
{
    QTest::addColumn<int>("page");
    const QList<GalleryPage> pages = galleryPages();
    for (int idx = 0; idx < pages.size(); ++idx)
        QTest::newRow(qPrintable(pages.at(idx).title)) << idx;
}

// Each page fills the content area of a screen, under the status bar and above the
// function-key bar, as a screen made of it would.
void bench_screens::galleryPage()
{
    QFETCH(int, page);
    const GalleryPage built = galleryPages().at(page);
    BaseWidget screen;
    QWidget *content = built.build(&screen);
    content->setGeometry(0, 0, 480, 208);
    screen.setFocusProxy(content);
    screen.show();
    QApplication::setActiveWindow(&screen);
    content->setFocus();
    BenchEnvironment::settle();
    m_shell->status()->setTitle(built.title);
    QString shot = built.title.toLower();
    shot.replace(QLatin1Char(' '), QLatin1Char('-'));
    measure({m_shell->status(), &screen}, QStringLiteral("gallery-") + shot);
    m_shell->status()->setTitle(QStringLiteral("Settings | Wi-Fi Hotspot"));
}

HOTSPOT_BENCH_MAIN(bench_screens)

#include "bench_screens.moc"
