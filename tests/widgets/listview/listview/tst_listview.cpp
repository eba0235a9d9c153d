#include "../rowcanvas.h"
#include "callmanager.h"
#include "core.h"
#include "listview.h"
#include "listviewdatetimeitems.h"
#include "listviewsettingitems.h"
#include "listviewvalueitems.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The screen under the list: takes the keys the list lets through.
class Screen : public QWidget
{
public:
    QList<int> released;

protected:
    void keyPressEvent(QKeyEvent *e) override { e->accept(); }
    void keyReleaseEvent(QKeyEvent *e) override { released << e->key(); }
};

QString keyName(int key)
{
    return QKeySequence(key).toString();
}

// Every signal of the list, in the order they came.
QStringList *record(ListView *list)
{
    auto *log = new QStringList;
    auto add = [log](const QString &entry) { log->append(entry); };
    QObject::connect(list, &QObject::destroyed, [log] { delete log; });
    QObject::connect(
        list, &ListView::clicked, [=](int i) { add(QStringLiteral("clicked(%1)").arg(i)); });
    QObject::connect(list, &ListView::clickedFuncKey,
        [=](int i) { add(QStringLiteral("clickedFuncKey(%1)").arg(i)); });
    QObject::connect(
        list, &ListView::longPress, [=](int i) { add(QStringLiteral("longPress(%1)").arg(i)); });
    QObject::connect(list, &ListView::keyPressed,
        [=](int k) { add(QStringLiteral("keyPressed(%1)").arg(keyName(k))); });
    QObject::connect(list, &ListView::focusChanged,
        [=](int i) { add(QStringLiteral("focusChanged(%1)").arg(i)); });
    QObject::connect(list, &ListView::leaveFocus, [=] { add(QStringLiteral("leaveFocus")); });
    QObject::connect(list, &ListView::endLeaveFocus,
        [=](int k) { add(QStringLiteral("endLeaveFocus(%1)").arg(keyName(k))); });
    QObject::connect(list, &ListView::changeValue,
        [=](int i, int v) { add(QStringLiteral("changeValue(%1,%2)").arg(i).arg(v)); });
    QObject::connect(list, &ListView::changeLineEditText, [=](int i, const QString &t) {
        add(QStringLiteral("changeLineEditText(%1,%2)").arg(i).arg(t));
    });
    QObject::connect(list, &ListView::textChanged,
        [=](const QString &t) { add(QStringLiteral("textChanged(%1)").arg(t)); });
    return log;
}

// One row per letter: p plain, x disabled, c check, n check the screen keeps, e check-and-edit,
// r radio, g progress (0 to 10, at 5), l line edit, t time edit.
void fill(ListView *list, const QString &rows)
{
    for (const QChar kind : rows) {
        const QString text = QStringLiteral("row %1").arg(list->itemSize());
        ListViewItem *row = nullptr;
        switch (kind.toLatin1()) {
        case 'c':
        case 'n': {
            auto *check = new ListViewCheckItem(text, false);
            check->setIsNoValueChange(kind == QLatin1Char('n'));
            row = check;
            break;
        }
        case 'e':
            row = new ListViewCheckLineEditItem(text, false, text);
            break;
        case 'r':
            row = new ListViewRadioItem(text, false);
            break;
        case 'g': {
            auto *progress = new ListViewProgressItem(text, 10);
            progress->setValue(5);
            row = progress;
            break;
        }
        case 'l':
            row = new ListViewLineEditItem(text, text);
            break;
        case 't':
            row = new ListViewTimeEditItem(text, QStringLiteral("12:34"), QString());
            break;
        default:
            row = new ListViewItem(text, QPixmap(), QPixmap());
            row->setItemSelectEnable(kind != QLatin1Char('x'));
        }
        list->addItem(row);
    }
}

} // namespace

class tst_ListView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void upDown_data();
    void upDown();
    void paging();
    void functionKeys_data();
    void functionKeys();
    void checkToggling_data();
    void checkToggling();
    void progressKeys_data();
    void progressKeys();
    void longPress();
    void releaseWithoutPress();
    void callStateGuard_data();
    void callStateGuard();
    void selection();
    void emptyList();
    void rowsOfThePage();
    void scrollBar_data();
    void scrollBar();
    void emptyText();
    void overlayFollowsSelection_data();
    void overlayFollowsSelection();
    void editorSettings();
    void editsAreWrittenBack();
    void typingPastTheByteLimit();
    void enterInOverlays_data();
    void enterInOverlays();

private:
    void press(int key) { QTest::keyPress(m_list, Qt::Key(key)); }
    void release(int key) { QTest::keyRelease(m_list, Qt::Key(key)); }
    void click(int key)
    {
        press(key);
        release(key);
    }
    // Shows the list in an active window and paints it once, which places the rows.
    void showActive();
    QImage render()
    {
        QImage image(480, 208, QImage::Format_RGB32);
        m_list->render(&image);
        return image;
    }

    Core *m_core = nullptr;
    Screen *m_screen = nullptr;
    ListView *m_list = nullptr;
    QStringList *m_log = nullptr;
};

void tst_ListView::initTestCase()
{
    RowCanvas::pinFont();
    m_core = new Core(this);
}

void tst_ListView::init()
{
    m_core->callManager()->setCallState(QStringLiteral("IDLE"));
    m_core->m_callViewShown = false;
    m_core->setMenuVisible(false);
    m_screen = new Screen;
    m_screen->resize(480, 208);
    m_list = new ListView(m_screen);
    m_list->setGeometry(0, 0, 480, 208);
    m_list->setBackgroundColor(RowCanvas::background);
    m_log = record(m_list);
}

void tst_ListView::cleanup()
{
    delete m_screen;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ListView::showActive()
{
    m_screen->show();
    QApplication::setActiveWindow(m_screen);
    QVERIFY(QTest::qWaitForWindowActive(m_screen));
    m_list->setFocus();
    m_list->repaint();
}

void tst_ListView::upDown_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("leaveSignals");
    QTest::addColumn<int>("newSelected");
    QTest::addColumn<int>("newStart");
    QTest::addColumn<QString>("signal");

    const int down = Qt::Key_Down;
    const int up = Qt::Key_Up;
    QTest::newRow("down skips disabled rows")
        << "ppxxpp" << 1 << 0 << down << false << 4 << 0 << "focusChanged(4)";
    QTest::newRow("down over disabled rows moves the first row shown")
        << "pppxxpp" << 2 << 0 << down << false << 5 << 1 << "focusChanged(5)";
    QTest::newRow("down past the end wraps to the first selectable row")
        << "xpppppp" << 6 << 2 << down << false << 1 << 0 << "focusChanged(1)";
    QTest::newRow("down past the end leaves focus")
        << "ppppppp" << 6 << 2 << down << true << 6 << 2 << "endLeaveFocus(Down)";
    QTest::newRow("down from no selection")
        << "xxpp" << -1 << 0 << down << false << 2 << 0 << "focusChanged(2)";
    QTest::newRow("up on the first row wraps to the last selectable row")
        << "pppppppx" << 0 << 0 << up << false << 6 << 2 << "focusChanged(6)";
    QTest::newRow("up on the first row leaves focus")
        << "ppppppp" << 0 << 0 << up << true << 0 << 0 << "leaveFocus";
    QTest::newRow("up stays below a disabled first row")
        << "xpp" << 1 << 0 << up << false << 1 << 0 << "";
    QTest::newRow("up scrolls one row")
        << "pppppppp" << 5 << 5 << up << false << 4 << 4 << "focusChanged(4)";
    QTest::newRow("up over disabled rows")
        << "pxxpppp" << 3 << 0 << up << false << 0 << 0 << "focusChanged(0)";
}

void tst_ListView::upDown()
{
    QFETCH(QString, rows);
    QFETCH(int, selected);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(bool, leaveSignals);
    QFETCH(QString, signal);

    fill(m_list, rows);
    m_list->setSelectedIdx(selected);
    m_list->setStartIdx(start);
    m_list->setActiveLeaveFocusSignal(leaveSignals);
    m_list->setActiveEndLeaveFocusSignal(leaveSignals);
    m_log->clear();
    click(key);
    QTEST(m_list->selectedIdx(), "newSelected");
    QTEST(m_list->startIdx(), "newStart");
    QStringList expected {QStringLiteral("keyPressed(%1)").arg(keyName(key))};
    if (!signal.isEmpty())
        expected << signal;
    QCOMPARE(*m_log, expected);
    QVERIFY(m_screen->released.isEmpty());

    m_list->setIsEnabledArrowKeyMove(false);
    QTest::ignoreMessage(QtDebugMsg, "ListView::keyReleaseEvent skip Key_Up or Key_Down");
    click(key);
    QCOMPARE(m_screen->released, QList<int> {key});
}

void tst_ListView::paging()
{
    fill(m_list, QStringLiteral("pppppppppppp"));
    QCOMPARE(m_list->maxPage(), 1);
    QList<QPair<int, int>> seen;
    for (int i = 0; i < 3; ++i) {
        m_list->nextPage();
        seen << qMakePair(m_list->startIdx(), m_list->page());
        QCOMPARE(m_list->selectedIdx(), m_list->startIdx());
    }
    QCOMPARE(seen, (QList<QPair<int, int>> {{5, 1}, {10, 2}, {0, 0}}));
    // Back from the first page: the last page, rows 10 and 11.
    m_list->prevPage();
    QCOMPARE(m_list->startIdx(), 10);
    QCOMPARE(m_list->page(), 2);
    QCOMPARE(m_list->selectedIdx(), 10);

    QTest::ignoreMessage(QtDebugMsg, "ListView::setPage overValue: 3");
    m_list->setPage(3);
    QTest::ignoreMessage(QtDebugMsg, "ListView::setPage value: -1");
    m_list->setPage(-1);
    QCOMPARE(m_list->page(), 2);
    // No page count may be divided by 0.
    QTest::ignoreMessage(QtDebugMsg, "ListView::setPageCount pageCount: 0");
    m_list->setPageCount(0);
    QTest::ignoreMessage(QtDebugMsg, "ListView::setPageCount pageCount: -2");
    m_list->setPageCount(-2);
    QCOMPARE(m_list->pageCount(), 5);
    m_list->setPageCount(4);
    QCOMPARE(m_list->maxPage(), 2);
}

void tst_ListView::functionKeys_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");

    QTest::newRow("F1 on the first page") << 0 << int(Qt::Key_F1) << 0;
    QTest::newRow("F3 on page 2") << 5 << int(Qt::Key_F3) << 7;
    QTest::newRow("F8 on page 2") << 5 << int(Qt::Key_F8) << 7;
    QTest::newRow("F10 on page 2") << 5 << int(Qt::Key_F10) << 9;
    QTest::newRow("F4 past the end") << 10 << int(Qt::Key_F4) << -1;
    QTest::newRow("F11 outside the range") << 0 << int(Qt::Key_F11) << -1;
}

void tst_ListView::functionKeys()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, row);

    fill(m_list, QStringLiteral("pppppppppppp"));
    m_list->setStartIdx(start);
    m_log->clear();
    click(key);
    QStringList expected {QStringLiteral("keyPressed(%1)").arg(keyName(key))};
    if (row > 0)
        expected << QStringLiteral("focusChanged(%1)").arg(row);
    if (row >= 0) {
        expected << QStringLiteral("clicked(%1)").arg(row)
                 << QStringLiteral("clickedFuncKey(%1)").arg(row);
    }
    QCOMPARE(*m_log, expected);
    QCOMPARE(m_list->selectedIdx(), row >= 0 ? row : 0);
    // Keys the list does not take reach the screen.
    QCOMPARE(m_screen->released.isEmpty(), row >= 0);

    m_list->setEnableFuncKey(false);
    QCOMPARE(m_list->keyToItemIdx(key), -1);
}

void tst_ListView::checkToggling_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("toggled");
    QTest::addColumn<QString>("emitted");

    const int enter = Qt::Key_Return;
    QTest::newRow("check, Enter") << "c" << enter << true << "keyPressed(Return) clicked(0)";
    QTest::newRow("check, F1") << "c" << int(Qt::Key_F1) << true
                               << "keyPressed(F1) clicked(0) clickedFuncKey(0)";
    QTest::newRow("check the screen keeps")
        << "n" << enter << false << "keyPressed(Return) clicked(0)";
    QTest::newRow("check the screen keeps, F1")
        << "n" << int(Qt::Key_F1) << false << "keyPressed(F1) clicked(0) clickedFuncKey(0)";
    QTest::newRow("check-and-edit, Enter")
        << "e" << enter << true << "keyPressed(Return) clicked(0)";
    QTest::newRow("radio, Enter") << "r" << enter << false << "keyPressed(Return) clicked(0)";
    // A disabled row must not change under a function key, and is not clicked.
    QTest::newRow("disabled check, F2") << "pc" << int(Qt::Key_F2) << false << "keyPressed(F2)";
}

void tst_ListView::checkToggling()
{
    QFETCH(QString, rows);
    QFETCH(int, key);
    QFETCH(bool, toggled);
    QFETCH(QString, emitted);

    fill(m_list, rows);
    ListViewItem *row = m_list->item(rows.size() - 1);
    if (rows == QLatin1String("pc"))
        row->setItemSelectEnable(false);
    click(key);
    bool checked = false;
    if (row->type() == ListViewItem::Check)
        checked = static_cast<ListViewCheckItem *>(row)->isChecked();
    else if (row->type() == ListViewItem::CheckLineEdit)
        checked = static_cast<ListViewCheckLineEditItem *>(row)->isChecked();
    QCOMPARE(checked, toggled);
    QCOMPARE(m_log->join(QLatin1Char(' ')), emitted);
}

void tst_ListView::progressKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");

    // Minimum 2, maximum 10, step 3.
    QTest::newRow("Left") << int(Qt::Key_Left) << 6 << 3;
    QTest::newRow("Left at the minimum") << int(Qt::Key_Left) << 3 << 2;
    QTest::newRow("Right at the maximum") << int(Qt::Key_Right) << 10 << 10;
    QTest::newRow("volume up") << int(Qt::Key_VolumeUp) << 6 << 9;
    QTest::newRow("volume down") << int(Qt::Key_VolumeDown) << 6 << 3;
    QTest::newRow("mute") << int(Qt::Key_VolumeMute) << 6 << 2;
}

void tst_ListView::progressKeys()
{
    QFETCH(int, key);
    QFETCH(int, value);
    QFETCH(int, expected);

    fill(m_list, QStringLiteral("pg"));
    auto *progress = static_cast<ListViewProgressItem *>(m_list->item(1));
    progress->setMinValue(2);
    progress->setStep(3);
    progress->setValue(value);
    m_list->setSelectedIdx(1);
    m_log->clear();
    click(key);
    QCOMPARE(progress->value(), expected);
    QCOMPARE(m_log->last(), QStringLiteral("changeValue(1,%1)").arg(expected));

    // On another row these keys do nothing and go on to the screen.
    m_list->setSelectedIdx(0);
    click(key);
    QCOMPARE(progress->value(), expected);
    QCOMPARE(m_screen->released, QList<int> {key});
}

void tst_ListView::longPress()
{
    fill(m_list, QStringLiteral("ppp"));
    m_list->setIsEnabledLongPress(true);
    auto *timer = m_list->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(timer);
    press(Qt::Key_F2);
    QCOMPARE(m_list->selectedIdx(), 1);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QMetaObject::invokeMethod(m_list, "longPressTimeout");
    QVERIFY(!timer->isActive());
    QCOMPARE(m_log->join(QLatin1Char(' ')), QStringLiteral("focusChanged(1) longPress(1)"));

    // The release after a long press is handled like any other.
    release(Qt::Key_F2);
    QCOMPARE(m_log->last(), QStringLiteral("clickedFuncKey(1)"));

    // Released before the timer fires: no long press.
    m_list->setIsVisibleSelectBackGround(false);
    click(Qt::Key_F3);
    m_log->clear();
    QMetaObject::invokeMethod(m_list, "longPressTimeout");
    QVERIFY(m_log->isEmpty());

    press(Qt::Key_F3);
    QMetaObject::invokeMethod(m_list, "longPressTimeout");
    QCOMPARE(m_log->last(), QStringLiteral("longPress(2)"));
    QCOMPARE(m_list->selectedIdx(), -1);
}

void tst_ListView::releaseWithoutPress()
{
    fill(m_list, QStringLiteral("ppp"));
    release(Qt::Key_F2);
    release(Qt::Key_Down);
    QVERIFY(m_log->isEmpty());
    QCOMPARE(m_list->selectedIdx(), 0);
    // The press of a key the list does not take still pairs with its release.
    click(Qt::Key_Escape);
    QCOMPARE(*m_log, QStringList {QStringLiteral("keyPressed(Esc)")});
    QCOMPARE(m_screen->released, (QList<int> {Qt::Key_F2, Qt::Key_Down, Qt::Key_Escape}));
}

void tst_ListView::callStateGuard_data()
{
    QTest::addColumn<QString>("callState");
    QTest::addColumn<bool>("callViewShown");
    QTest::addColumn<bool>("menuVisible");
    QTest::addColumn<bool>("moves");

    QTest::newRow("idle") << "IDLE" << true << false << true;
    QTest::newRow("call screen in front") << "CONNECTED" << true << false << false;
    QTest::newRow("menu over the call screen") << "CONNECTED" << true << true << true;
    QTest::newRow("call screen not shown") << "CONNECTED" << false << false << true;
}

void tst_ListView::callStateGuard()
{
    QFETCH(QString, callState);
    QFETCH(bool, callViewShown);
    QFETCH(bool, menuVisible);
    QFETCH(bool, moves);

    m_core->callManager()->setCallState(callState);
    m_core->m_callViewShown = callViewShown;
    m_core->setMenuVisible(menuVisible);
    fill(m_list, QStringLiteral("pc"));
    click(Qt::Key_F2);
    QCOMPARE(m_list->selectedIdx(), moves ? 1 : 0);
    // The row is toggled and clicked either way.
    QVERIFY(static_cast<ListViewCheckItem *>(m_list->item(1))->isChecked());
    QCOMPARE(m_log->last(), QStringLiteral("clickedFuncKey(1)"));
}

void tst_ListView::selection()
{
    fill(m_list, QStringLiteral("ppxpp"));
    QTest::ignoreMessage(QtDebugMsg, "ListView::setSelectedIdx curr item is disale! idx: 2");
    m_list->setSelectedIdx(2);
    QTest::ignoreMessage(QtDebugMsg, "ListView::setSelectedIdx invalid idx: 5");
    m_list->setSelectedIdx(5);
    QCOMPARE(m_list->selectedIdx(), 0);
    m_list->setSelectedIdx(-1);
    QCOMPARE(*m_log, QStringList {QStringLiteral("focusChanged(-1)")});
    QVERIFY(!m_list->item(QStringLiteral("no such row")));
    QCOMPARE(m_list->item(QStringLiteral("row 3")), m_list->item(3));

    // Removing the selected last row selects the new last row.
    m_list->setSelectedIdx(4);
    m_list->removeItem(4);
    QCOMPARE(m_list->selectedIdx(), 3);
    m_list->removeItem(0);
    QCOMPARE(m_list->itemSize(), 3);
    QCOMPARE(m_list->item(0)->text(), QStringLiteral("row 1"));
    m_list->removeItem(7);
    QCOMPARE(m_list->itemSize(), 3);

    // Showing the list brings the page of the selection into view.
    m_list->setPageCount(2);
    m_list->setSelectedIdx(2);
    m_screen->show();
    QCOMPARE(m_list->startIdx(), 2);
}

void tst_ListView::emptyList()
{
    click(Qt::Key_Return);
    QTest::ignoreMessage(
        QtDebugMsg, "ListView::searchNextItemIndex startIdx is under zero! idx: -1");
    click(Qt::Key_Up);
    QCOMPARE(m_list->selectedIdx(), 0);
    QTest::ignoreMessage(QtDebugMsg, "ListView::searchNextItemIndex startIdx is over size! idx: 0");
    click(Qt::Key_Down);
    QCOMPARE(m_list->selectedIdx(), -1);
    QCOMPARE(m_log->join(QLatin1Char(' ')),
        QStringLiteral("keyPressed(Return) clicked(0) keyPressed(Up) keyPressed(Down) "
                       "focusChanged(-1)"));
    m_list->nextPage();
    m_list->prevPage();
    QCOMPARE(m_list->startIdx(), 0);
}

void tst_ListView::rowsOfThePage()
{
    fill(m_list, QStringLiteral("pppppppp"));
    m_list->setLineLeftMargin(10);
    m_list->setLineRightMargin(20);
    m_list->setStartIdx(5);
    m_list->setSelectedIdx(6);
    const QImage image = render();

    // Rows are 208 / 5 = 41 high, each followed by its separator.
    for (int i = 0; i < 3; ++i) {
        ListViewItem *row = m_list->item(5 + i);
        QCOMPARE(row->geometry(), QRect(10, i * 42, 450, 41));
        QCOMPARE(row->selected(), i == 1);
        QVERIFY(!row->hasFocus());
        QCOMPARE(QColor(image.pixel(10, i * 42 + 41)), QColor(195, 195, 195));
        QCOMPARE(QColor(image.pixel(459, i * 42 + 41)), QColor(195, 195, 195));
        QCOMPARE(image.pixel(9, i * 42 + 41), RowCanvas::background.rgb());
        QCOMPARE(image.pixel(460, i * 42 + 41), RowCanvas::background.rgb());
    }
    QCOMPARE(m_list->item(4)->geometry(), QRect());
    QCOMPARE(image.pixel(100, 3 * 42 + 41), RowCanvas::background.rgb());
}

void tst_ListView::scrollBar_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("thumbTop");
    QTest::addColumn<int>("thumbBottom");

    QTest::newRow("exactly one page") << 5 << 0 << -1 << -1;
    QTest::newRow("one more row") << 6 << 0 << 4 << 163;
    QTest::newRow("40 pixels at least") << 100 << 0 << 4 << 43;
    QTest::newRow("last of 100 ends at the bottom margin") << 100 << 99 << 196 << 203;
}

void tst_ListView::scrollBar()
{
    QFETCH(int, rows);
    QFETCH(int, selected);

    fill(m_list, QString(rows, QLatin1Char('p')));
    m_list->setLineRightMargin(10);
    m_list->setSelectedIdx(selected);
    // The thumb is the only thing drawn right of the rows, 6 pixels wide ending 2 from the edge.
    const QImage image = render();
    const QRect thumb = RowCanvas::changed(image, QRect(470, 0, 10, 208));
    QCOMPARE(thumb.isEmpty(), rows == 5);
    if (rows > 5) {
        QCOMPARE(thumb.left(), 472);
        QCOMPARE(thumb.right(), 477);
        QTEST(thumb.top(), "thumbTop");
        QTEST(thumb.bottom(), "thumbBottom");
        // Translucent gray over the list's background, the same in every pixel.
        QImage expected(1, 1, image.format());
        expected.fill(RowCanvas::background);
        QPainter(&expected).fillRect(expected.rect(), QColor(178, 178, 178, 160));
        for (int y = thumb.top(); y <= thumb.bottom(); ++y) {
            for (int x = thumb.left(); x <= thumb.right(); ++x)
                QCOMPARE(image.pixel(x, y), expected.pixel(0, 0));
        }
    }
}

void tst_ListView::emptyText()
{
    QCOMPARE(RowCanvas::changed(render(), QRect(0, 0, 480, 208)), QRect());
    m_list->setShowEmptyString(true);
    const QImage image = render();
    const QRect text = RowCanvas::changed(image, QRect(0, 0, 480, 208));
    QVERIFY(qAbs(text.center().x() - 240) <= 1 && qAbs(text.center().y() - 104) <= 4);
    QVERIFY(text.width() > 40 && text.height() < 30);
    QVERIFY(!RowCanvas::inkOf(image, QColor(89, 89, 89)).isEmpty());

    // A background pixmap replaces the colour.
    QPixmap white(480, 208);
    white.fill(Qt::white);
    m_list->setBackgroundPixmap(white);
    QCOMPARE(render().pixel(0, 0), qRgb(255, 255, 255));
}

void tst_ListView::overlayFollowsSelection_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("margin");
    QTest::addColumn<bool>("timeEditor");
    QTest::addColumn<QRect>("editorRect");

    QTest::newRow("line edit") << "pl" << 10 << false << QRect(142, 47, 317, 29);
    QTest::newRow("check-and-edit without title") << "pe" << 10 << false << QRect(61, 47, 371, 29);
    QTest::newRow("time edit") << "pt" << 0 << true << QRect(214, 47, 176, 29);
}

void tst_ListView::overlayFollowsSelection()
{
    QFETCH(QString, rows);
    QFETCH(int, margin);
    QFETCH(bool, timeEditor);
    QFETCH(QRect, editorRect);

    fill(m_list, rows);
    if (auto *edit = dynamic_cast<ListViewLineEditItem *>(m_list->item(1)))
        edit->setEditTextLeftMargin(margin);
    if (auto *edit = dynamic_cast<ListViewCheckLineEditItem *>(m_list->item(1)))
        edit->setEditTextLeftMargin(margin);
    showActive();
    click(Qt::Key_Down);
    QLineEdit *editor = nullptr;
    QTRY_VERIFY((editor = m_list->findChild<QLineEdit *>()) && editor->hasFocus());
    QCOMPARE(editor->geometry(), editorRect);
    QCOMPARE(editor->objectName(), timeEditor ? QString() : QStringLiteral("ListView::m_lineEdit"));
    QCOMPARE(editor->inputMask().isEmpty(), !timeEditor);
    QCOMPARE(editor->text(), timeEditor ? QStringLiteral("12:34") : QStringLiteral("row 1"));
    // Filling the editor reports no change.
    QCOMPARE(m_log->join(QLatin1Char(' ')), QStringLiteral("keyPressed(Down) focusChanged(1)"));

    m_list->setSelectedIdx(0);
    QTRY_VERIFY(editor->isHidden());
    QVERIFY(m_list->hasFocus());
}

void tst_ListView::editorSettings()
{
    fill(m_list, QStringLiteral("lll"));
    auto *address = static_cast<ListViewLineEditItem *>(m_list->item(0));
    address->setIPValidate(true);
    address->setMaxLength(32);
    static_cast<ListViewLineEditItem *>(m_list->item(1))->setSipPortValidate(true);
    auto *password = static_cast<ListViewLineEditItem *>(m_list->item(2));
    password->setEchoPasswordMode(true);
    password->setEditTextDisabled(true);
    showActive();
    QLineEdit *editor = m_list->lineEdit();
    QTRY_VERIFY(editor->hasFocus());
    QCOMPARE(editor->echoMode(), QLineEdit::Normal);
    QCOMPARE(editor->styleSheet(),
        QStringLiteral("QLineEdit {background-color: #546483; color: #ffffff; border: none; }"));

    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("256.1.1.1"));
    QVERIFY(editor->text() != QStringLiteral("256.1.1.1"));
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("192.168.0.1"));
    QCOMPARE(editor->text(), QStringLiteral("192.168.0.1"));
    QVERIFY(editor->hasAcceptableInput());

    m_list->setSelectedIdx(1);
    QTRY_VERIFY(qobject_cast<const QIntValidator *>(editor->validator()));
    auto *ports = qobject_cast<const QIntValidator *>(editor->validator());
    QCOMPARE(ports->bottom(), 10000);
    QCOMPARE(ports->top(), 65535);

    // A row without a limit leaves the editor with the last one set.
    m_list->setSelectedIdx(2);
    QTRY_COMPARE(editor->echoMode(), QLineEdit::Password);
    QVERIFY(!editor->validator());
    QVERIFY(!editor->isEnabled());
    QCOMPARE(editor->maxLength(), 32);
}

void tst_ListView::editsAreWrittenBack()
{
    fill(m_list, QStringLiteral("let"));
    QSignalSpy screenSpy(m_list->lineEdit(), &QLineEdit::textChanged);
    showActive();
    QTRY_VERIFY(m_list->lineEdit()->hasFocus());
    m_list->lineEdit()->clear();
    QTest::keyClicks(m_list->lineEdit(), QStringLiteral("ab"));
    QCOMPARE(
        static_cast<ListViewLineEditItem *>(m_list->item(0))->editText(), QStringLiteral("ab"));

    click(Qt::Key_Down);
    QTRY_VERIFY(m_list->lineEdit()->geometry().top() == 47);
    m_list->lineEdit()->end(false);
    QTest::keyClicks(m_list->lineEdit(), QStringLiteral("c"));
    QCOMPARE(static_cast<ListViewCheckLineEditItem *>(m_list->item(1))->editText(),
        QStringLiteral("row 1c"));

    click(Qt::Key_Down);
    QTRY_COMPARE(m_list->findChildren<QLineEdit *>().size(), 2);
    QLineEdit *time = m_list->findChildren<QLineEdit *>().constLast();
    QTRY_VERIFY(time->hasFocus());
    QTest::keyClicks(time, QStringLiteral("0"));
    QCOMPARE(
        static_cast<ListViewTimeEditItem *>(m_list->item(2))->getTime(), QStringLiteral("02:34"));

    QCOMPARE(m_log->filter(QStringLiteral("text"), Qt::CaseInsensitive).join(QLatin1Char(' ')),
        QStringLiteral("textChanged() changeLineEditText(0,) textChanged(a) "
                       "changeLineEditText(0,a) textChanged(ab) changeLineEditText(0,ab) "
                       "textChanged(row 1c) changeLineEditText(1,row 1c) textChanged(02:34) "
                       "changeLineEditText(2,02:34)"));
    // A screen's own connection to the editor survives the refills: it saw both fills, the
    // clear and the three characters typed.
    QCOMPARE(screenSpy.count(), 6);
}

void tst_ListView::typingPastTheByteLimit()
{
    fill(m_list, QStringLiteral("l"));
    auto *row = static_cast<ListViewLineEditItem *>(m_list->item(0));
    row->setEditText(QString());
    row->setMaxLength(10);
    row->setMaxBytes(4);
    QSignalSpy ime(m_core->ime(), &IME::changedIMEStatus);
    showActive();
    QLineEdit *editor = m_list->lineEdit();
    QTRY_VERIFY(editor->hasFocus());
    QTest::keyClicks(editor, QStringLiteral("abcd"));
    QVERIFY(ime.isEmpty());
    QTest::keyClicks(editor, QStringLiteral("e"));
    QCOMPARE(row->editText(), QStringLiteral("abcd"));
    QCOMPARE(m_log->last(), QStringLiteral("changeLineEditText(0,abcd)"));
    QCOMPARE(ime.count(), 1);
    // The list took the focus back and refilled the editor with the row's text.
    QCOMPARE(editor->text(), QStringLiteral("abcd"));
}

void tst_ListView::enterInOverlays_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("reachesEditor");

    QTest::newRow("line edit") << "l" << false;
    QTest::newRow("check-and-edit") << "e" << true;
    QTest::newRow("time edit") << "t" << false;
}

void tst_ListView::enterInOverlays()
{
    QFETCH(QString, rows);
    QFETCH(bool, reachesEditor);

    fill(m_list, rows);
    showActive();
    QLineEdit *editor = nullptr;
    QTRY_VERIFY((editor = m_list->findChild<QLineEdit *>()) && editor->hasFocus());
    QSignalSpy returned(editor, &QLineEdit::returnPressed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(editor, Qt::Key_Enter);
    QCOMPARE(returned.count(), reachesEditor ? 2 : 0);
}

QTEST_MAIN(tst_ListView)
#include "tst_listview.moc"
