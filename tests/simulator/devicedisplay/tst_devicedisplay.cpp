#include "devicedisplay.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>

namespace {

// A device window that records the keys and window-server events reaching it.
class RecordingDialog : public QDialog
{
public:
    explicit RecordingDialog(QWidget *parent = nullptr)
        : QDialog(parent, Qt::FramelessWindowHint)
    { }
    QStringList keys;
    QStringList events;

protected:
    void keyPressEvent(QKeyEvent *e) override { keys << QStringLiteral("press %1").arg(e->key()); }
    void keyReleaseEvent(QKeyEvent *e) override
    {
        keys << QStringLiteral("release %1").arg(e->key());
    }
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::WindowBlocked)
            events << QStringLiteral("blocked");
        else if (e->type() == QEvent::WindowUnblocked)
            events << QStringLiteral("unblocked");
        return QDialog::event(e);
    }
};

void fill(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void typeKey(DeviceDisplay &display, int key, const QString &text)
{
    display.sendKey(key, text, true);
    display.sendKey(key, text, false);
}

} // namespace

class tst_DeviceDisplay : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void drawsWindowsWhereTheyAre();
    void keysReachTheFocusWidgetOfTheTopmostWindow();
    void modalWindowsBlockOnlyTheDeviceWindowsBelow();
    void takesActivationBackFromTheSimulator();
};

void tst_DeviceDisplay::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_DeviceDisplay::drawsWindowsWhereTheyAre()
{
    DeviceDisplay display;
    QDialog screen(nullptr, Qt::FramelessWindowHint);
    screen.setGeometry(0, 32, 480, 240);
    fill(&screen, Qt::red);
    screen.show();
    QVERIFY(screen.testAttribute(Qt::WA_DontShowOnScreen));
    QVERIFY(!screen.windowHandle() || !screen.windowHandle()->isVisible());
    QWidget chrome;
    DeviceDisplay::markChrome(&chrome);
    chrome.show();
    QVERIFY(!chrome.testAttribute(Qt::WA_DontShowOnScreen));
    QCOMPARE(display.deviceWindows(), QList<QWidget *> {&screen});

    QImage frame = display.frame();
    QCOMPARE(frame.size(), QSize(480, 272));
    QCOMPARE(frame.pixelColor(10, 40), QColor(Qt::red));
    QCOMPARE(frame.pixelColor(479, 271), QColor(Qt::red));
    QCOMPARE(frame.pixelColor(10, 31), QColor(Qt::black));

    // A translucent popup over the whole display shows only what it paints.
    QDialog popup(&screen, Qt::FramelessWindowHint);
    popup.setAttribute(Qt::WA_TranslucentBackground);
    popup.setGeometry(0, 0, 480, 272);
    auto box = new QWidget(&popup);
    box->setGeometry(100, 100, 50, 50);
    fill(box, Qt::green);
    popup.show();
    frame = display.frame();
    QCOMPARE(frame.pixelColor(120, 120), QColor(Qt::green));
    QCOMPARE(frame.pixelColor(300, 200), QColor(Qt::red));
    QCOMPARE(frame.pixelColor(10, 10), QColor(Qt::black));

    popup.hide();
    QCOMPARE(display.frame().pixelColor(120, 120), QColor(Qt::red));

    // Twice the size on the desktop, pixel for pixel.
    DeviceDisplay large(2);
    QCOMPARE(large.size(), QSize(960, 544));
    large.frame();
    const QImage shown = large.grab().toImage();
    QCOMPARE(shown.pixelColor(21, 65), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(21, 62), QColor(Qt::black));
}

void tst_DeviceDisplay::keysReachTheFocusWidgetOfTheTopmostWindow()
{
    DeviceDisplay display;
    RecordingDialog screen;
    auto edit = new QLineEdit(&screen);
    screen.show();
    QTRY_COMPARE(QApplication::activeWindow(), &screen);
    edit->setFocus();
    typeKey(display, Qt::Key_A, QStringLiteral("a"));
    QCOMPARE(edit->text(), QStringLiteral("a"));

    // What the focus widget leaves goes up to its window, press and release apart.
    screen.keys.clear();
    display.sendKey(Qt::Key_F12, QString(), true);
    QCOMPARE(screen.keys, QStringList {QStringLiteral("press %1").arg(Qt::Key_F12)});
    display.sendKey(Qt::Key_F12, QString(), false);
    QCOMPARE(screen.keys.size(), 2);

    RecordingDialog popup(&screen);
    auto popupEdit = new QLineEdit(&popup);
    popup.show();
    QTRY_COMPARE(QApplication::activeWindow(), &popup);
    popupEdit->setFocus();
    typeKey(display, Qt::Key_B, QStringLiteral("b"));
    QCOMPARE(popupEdit->text(), QStringLiteral("b"));
    QCOMPARE(edit->text(), QStringLiteral("a"));

    popup.hide();
    typeKey(display, Qt::Key_C, QStringLiteral("c"));
    QCOMPARE(edit->text(), QStringLiteral("ac"));
    QCOMPARE(QApplication::focusWidget(), edit);
}

void tst_DeviceDisplay::modalWindowsBlockOnlyTheDeviceWindowsBelow()
{
    DeviceDisplay display;
    QWidget keypad;
    DeviceDisplay::markChrome(&keypad);
    keypad.show();
    RecordingDialog screen;
    screen.show();
    RecordingDialog popup(&screen);
    popup.setModal(true);
    popup.show();
    QTRY_COMPARE(screen.events, QStringList {"blocked"});
    QVERIFY(popup.events.isEmpty());
    // Qt itself must not know the popup as modal, or the keypad could not be used.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(QApplication::activeWindow(), &popup);

    // A window shown without activation (the status bar) never takes the keys.
    QWidget statusBar;
    statusBar.setAttribute(Qt::WA_ShowWithoutActivating);
    statusBar.show();
    QCoreApplication::processEvents();
    QCOMPARE(display.activeDeviceWindow(), &popup);

    popup.hide();
    QTRY_COMPARE(screen.events, QStringList({"blocked", "unblocked"}));
    QVERIFY(popup.isModal());
    popup.show();
    QTRY_COMPARE(screen.events.size(), 3);
}

void tst_DeviceDisplay::takesActivationBackFromTheSimulator()
{
    DeviceDisplay display;
    QWidget simulator;
    DeviceDisplay::markChrome(&simulator);
    simulator.show();
    QDialog screen;
    screen.show();
    QTRY_COMPARE(QApplication::activeWindow(), &screen);
    QApplication::setActiveWindow(&simulator);
    QTRY_COMPARE(QApplication::activeWindow(), &screen);
}

QTEST_MAIN(tst_DeviceDisplay)
#include "tst_devicedisplay.moc"
