#include "benchenvironment.h"
#include "benchshell.h"
#include "listview.h"
#include "selectpopup_p.h"
#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"
#include "status_p.h"
#include "stockhotspotdialog.h"
#include "toast_p.h"

#include <QBackingStore>
#include <QComboBox>
#include <QLineEdit>
#include <QPropertyAnimation>

#include <memory>

// The frames a user sees, each from the event to the finished frame: the event's delivery, the
// widgets' work, and the repaint of the dirty region that Qt's backing store performs for it.
// Beside each, the full repaint of the same windows through the same path, and the same key
// presses on the stock peer. The clock is held still and the cursor does not blink, so that no
// tick of theirs lands in a frame measured; the clock's own tick is measured by its slot.
class bench_frames : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void fullRepaint_data();
    void fullRepaint();
    void settingsKey_data();
    void settingsKey();
    void devicesDown();
    void popupSlide_data();
    void popupSlide();
    void waitNotice_data();
    void waitNotice();
    void clockTick();
    void typeCharacter();
    void stockKey_data();
    void stockKey();

private:
    // The settings screen on the display, its list focused, its rows loaded.
    std::unique_ptr<SettingsHotspot> showSettings();
    // The devices screen with the five stations listed, as the Information key shows it.
    void showDevices(SettingsHotspot *screen, SettingsHotspotInfo **devices);
    void showFocused(QWidget *screen, QWidget *focus);
    // The selected row's background as the backing store holds it.
    void verifySelected(QWidget *screen, int row);

    BenchShell *m_shell = nullptr;
};

namespace {

// What an event leaves behind: the posted repaint request with the backing store's repaint,
// and the work the widgets defer by a millisecond after a key (the editor's placement).
void finishFrame()
{
    QCoreApplication::processEvents();
    QThread::msleep(2);
    QCoreApplication::processEvents();
}

QColor backingStorePixel(QWidget *window, const QPoint &at)
{
    auto *image = static_cast<QImage *>(window->backingStore()->paintDevice());
    return image->pixelColor(at);
}

const QColor selectedBackground(95, 113, 160);

} // namespace

void bench_frames::initTestCase()
{
    BenchEnvironment::quietLogs();
    QApplication::setCursorFlashTime(0);
    m_shell = new BenchShell;
    m_shell->storeHotspotOn();
    m_shell->installStations(5);
    m_shell->status()->setTitle(QStringLiteral("Settings | Wi-Fi Hotspot"));
    m_shell->status()->show();
    StatusPrivate::clockTimer(m_shell->status())->stop();
}

void bench_frames::cleanupTestCase()
{
    delete m_shell;
}

void bench_frames::showFocused(QWidget *screen, QWidget *focus)
{
    screen->show();
    screen->raise();
    QApplication::setActiveWindow(screen);
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
    BenchEnvironment::settle();
}

std::unique_ptr<SettingsHotspot> bench_frames::showSettings()
{
    std::unique_ptr<SettingsHotspot> screen(new SettingsHotspot);
    screen->loadsetting();
    showFocused(screen.get(), screen->findChild<ListView *>());
    return screen;
}

void bench_frames::showDevices(SettingsHotspot *screen, SettingsHotspotInfo **devices)
{
    QTest::keyClick(screen, Qt::Key_F12);
    *devices = screen->findChild<SettingsHotspotInfo *>();
    QVERIFY(*devices && (*devices)->isVisible());
    auto *list = (*devices)->findChild<ListView *>();
    QTRY_COMPARE_WITH_TIMEOUT(list->itemSize(), 5, 60000);
    showFocused(*devices, list);
}

void bench_frames::verifySelected(QWidget *screen, int row)
{
    // Rows are 41 pixels high with a separator below; the selection fills the row.
    QCOMPARE(backingStorePixel(screen, QPoint(240, row * 42 + 4)), selectedBackground);
}

void bench_frames::fullRepaint_data()
{
    QTest::addColumn<QString>("windows");
    QTest::newRow("settings") << QStringLiteral("settings");
    QTest::newRow("devices") << QStringLiteral("devices");
    QTest::newRow("popup") << QStringLiteral("popup");
}

// The reference: every window on the display repainted whole by its backing store.
void bench_frames::fullRepaint()
{
    QFETCH(QString, windows);
    const std::unique_ptr<SettingsHotspot> screen = showSettings();
    QList<QWidget *> shown {m_shell->status(), screen.get()};
    if (windows == QLatin1String("devices")) {
        SettingsHotspotInfo *devices = nullptr;
        showDevices(screen.get(), &devices);
        QVERIFY(devices);
        shown << devices;
    }
    const auto measure = [&shown] {
        finishFrame();
        QBENCHMARK_ONCE
        {
            for (QWidget *window : shown)
                window->update();
            finishFrame();
        }
    };
    if (windows != QLatin1String("popup")) {
        measure();
        return;
    }

    auto *list = screen->findChild<ListView *>();
    list->setSelectedIdx(1);
    bool measured = false;
    QVERIFY(BenchShell::insidePopup(list, [&](SelectPopup *popup) {
        QTRY_VERIFY(
            SelectPopupPrivate::showAnimation(popup)->state() == QAbstractAnimation::Stopped);
        BenchEnvironment::settle();
        shown << popup;
        measure();
        measured = true;
    }));
    QVERIFY(measured);
}

void bench_frames::settingsKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("down") << int(Qt::Key_Down) << 1 << 2;
    QTest::newRow("up") << int(Qt::Key_Up) << 2 << 1;
}

void bench_frames::settingsKey()
{
    QFETCH(int, key);
    QFETCH(int, from);
    QFETCH(int, to);
    const std::unique_ptr<SettingsHotspot> screen = showSettings();
    auto *list = screen->findChild<ListView *>();
    list->setSelectedIdx(from);
    finishFrame();
    QBENCHMARK_ONCE
    {
        QTest::keyClick(list, Qt::Key(key));
        finishFrame();
    }
    QCOMPARE(list->selectedIdx(), to);
    verifySelected(screen.get(), to);
}

void bench_frames::devicesDown()
{
    const std::unique_ptr<SettingsHotspot> screen = showSettings();
    SettingsHotspotInfo *devices = nullptr;
    showDevices(screen.get(), &devices);
    QVERIFY(devices);
    auto *list = devices->findChild<ListView *>();
    list->setSelectedIdx(1);
    finishFrame();
    QBENCHMARK_ONCE
    {
        QTest::keyClick(list, Qt::Key_Down);
        finishFrame();
    }
    QCOMPARE(list->selectedIdx(), 2);
    verifySelected(devices, 2);
}

void bench_frames::popupSlide_data()
{
    // The animation timer ticks every 16 ms; the slide-in lasts 100 ms.
    QTest::addColumn<int>("ms");
    for (int step = 1; step * 16 < SelectPopup::ShowDurationMs + 16; ++step)
        QTest::newRow(qPrintable(QStringLiteral("step %1").arg(step)))
            << qMin(step * 16, SelectPopup::ShowDurationMs);
}

// Each step as the animation timer drives it: the popup's place at that moment, the move and
// what the backing stores repaint for it.
void bench_frames::popupSlide()
{
    QFETCH(int, ms);
    const std::unique_ptr<SettingsHotspot> screen = showSettings();
    auto *list = screen->findChild<ListView *>();
    list->setSelectedIdx(1);
    bool measured = false;
    QVERIFY(BenchShell::insidePopup(list, [&](SelectPopup *popup) {
        QPropertyAnimation *slide = SelectPopupPrivate::showAnimation(popup);
        slide->pause();
        // The popup's first paint follows its show at once: it belongs to the Enter key's
        // frame, before the first step.
        slide->setCurrentTime(ms - 16);
        BenchEnvironment::settle();
        finishFrame();
        QBENCHMARK_ONCE
        {
            slide->setCurrentTime(ms);
            finishFrame();
        }
        QCOMPARE(popup->y(), slide->currentValue().toRect().y());
        measured = true;
    }));
    QVERIFY(measured);
}

void bench_frames::waitNotice_data()
{
    QTest::addColumn<int>("frame");
    for (int frame = 1; frame <= 6; ++frame)
        QTest::newRow(qPrintable(QStringLiteral("frame %1").arg(frame))) << frame;
}

// The wait notice over the settings screen, as a save shows it; its timer is held and each
// frame is driven by the timer's slot.
void bench_frames::waitNotice()
{
    QFETCH(int, frame);
    const std::unique_ptr<SettingsHotspot> screen = showSettings();
    auto *notice = new ToastWait(QStringLiteral("Saving..."), 0, screen.get());
    notice->show();
    notice->raise();
    ToastPrivate::frameTimer(notice)->stop();
    while (ToastPrivate::frame(notice) != (frame + 4) % 6)
        QMetaObject::invokeMethod(notice, "pixmapTimeout");
    finishFrame();
    QBENCHMARK_ONCE
    {
        QMetaObject::invokeMethod(notice, "pixmapTimeout");
        finishFrame();
    }
    QCOMPARE(ToastPrivate::frame(notice), frame - 1);
}

// A tick that follows one of each blink phase in the same minute: the clock's usual tick. The
// first tick of a minute lays its new text out once more.
void bench_frames::clockTick()
{
    const std::unique_ptr<SettingsHotspot> screen = showSettings();
    for (int phase = 0; phase < 2; ++phase) {
        QMetaObject::invokeMethod(m_shell->status(), "timeout");
        finishFrame();
    }
    QBENCHMARK_ONCE
    {
        QMetaObject::invokeMethod(m_shell->status(), "timeout");
        finishFrame();
    }
}

void bench_frames::typeCharacter()
{
    const std::unique_ptr<SettingsHotspot> screen = showSettings();
    auto *list = screen->findChild<ListView *>();
    list->setSelectedIdx(3);
    QTRY_VERIFY(list->lineEdit()->hasFocus());
    BenchEnvironment::settle();
    QLineEdit *editor = list->lineEdit();
    const QString before = editor->text();
    QBENCHMARK_ONCE
    {
        QTest::keyClick(editor, 'x');
        finishFrame();
    }
    QVERIFY(editor->text().startsWith(before + QLatin1Char('x')));
}

void bench_frames::stockKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("down") << QStringLiteral("down");
    QTest::newRow("type") << QStringLiteral("type");
}

// The same keys on the stock dialog: Down in the band's combo box, which moves its choice,
// and a character typed into the network name.
void bench_frames::stockKey()
{
    QFETCH(QString, key);
    StockHotspotDialog stock;
    stock.move(0, 0);
    auto *band = stock.findChildren<QComboBox *>().value(0);
    auto *name = stock.findChildren<QLineEdit *>().value(0);
    QVERIFY(band && name);
    const bool down = key == QLatin1String("down");
    showFocused(&stock, down ? static_cast<QWidget *>(band) : name);
    band->setCurrentIndex(0);
    finishFrame();
    const QString before = name->text();
    QBENCHMARK_ONCE
    {
        if (down)
            QTest::keyClick(band, Qt::Key_Down);
        else
            QTest::keyClick(name, 'x');
        finishFrame();
    }
    if (down)
        QCOMPARE(band->currentIndex(), 1);
    else
        QVERIFY(name->text().startsWith(before + QLatin1Char('x')));
}

HOTSPOT_BENCH_MAIN(bench_frames)

#include "bench_frames.moc"
