#include "callmanager.h"
#include "core.h"
#include "listview.h"
#include "listviewdatetimeitems.h"
#include "listviewsettingitems.h"
#include "listviewvalueitems.h"
#include "rowcanvas.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QValidator>
#include <QtTest>

namespace {

// Every signal of the list, in the order they came, as "name(arguments)".
class Recorder : public QObject
{
    Q_OBJECT
public:
    Recorder(ListView *list, QStringList *log)
        : QObject(list)
        , m_log(log)
    {
        connect(list, SIGNAL(clicked(int)), SLOT(clicked(int)));
        connect(list, SIGNAL(clickedFuncKey(int)), SLOT(clickedFuncKey(int)));
        connect(list, SIGNAL(longPress(int)), SLOT(longPress(int)));
        connect(list, SIGNAL(focusChanged(int)), SLOT(focusChanged(int)));
        connect(list, SIGNAL(keyPressed(int)), SLOT(keyPressed(int)));
        connect(list, SIGNAL(endLeaveFocus(int)), SLOT(endLeaveFocus(int)));
        connect(list, SIGNAL(leaveFocus()), SLOT(leaveFocus()));
        connect(list, SIGNAL(changeValue(int, int)), SLOT(changeValue(int, int)));
        connect(
            list, SIGNAL(changeLineEditText(int, QString)), SLOT(changeLineEditText(int, QString)));
        connect(list, SIGNAL(textChanged(QString)), SLOT(textChanged(QString)));
    }

private slots:
    void clicked(int i) { add("clicked", QString::number(i)); }
    void clickedFuncKey(int i) { add("clickedFuncKey", QString::number(i)); }
    void longPress(int i) { add("longPress", QString::number(i)); }
    void focusChanged(int i) { add("focusChanged", QString::number(i)); }
    void keyPressed(int k) { add("keyPressed", QKeySequence(k).toString()); }
    void endLeaveFocus(int k) { add("endLeaveFocus", QKeySequence(k).toString()); }
    void leaveFocus() { m_log->append("leaveFocus"); }
    void changeValue(int i, int v) { add("changeValue", QStringLiteral("%1,%2").arg(i).arg(v)); }
    void changeLineEditText(int i, const QString &t)
    {
        add("changeLineEditText", QString::number(i) + ',' + t);
    }
    void textChanged(const QString &t) { add("textChanged", t); }

private:
    void add(const char *name, const QString &args)
    {
        m_log->append(QStringLiteral("%1(%2)").arg(QLatin1String(name), args));
    }
    QStringList *m_log;
};

// One row per letter: p plain, x disabled, c check, n check the screen keeps, d disabled check,
// e check-and-edit, g progress (5 of 10), l line edit, t time edit.
void fill(ListView *list, const QString &rows)
{
    for (const QChar kind : rows) {
        const QString text = QStringLiteral("row %1").arg(list->itemSize());
        ListViewItem *row = QStringLiteral("cnd").contains(kind)
            ? new ListViewCheckItem(text, false)
            : kind == 'e' ? new ListViewCheckLineEditItem(text, false, text)
            : kind == 'g' ? new ListViewProgressItem(text, 10)
            : kind == 'l' ? new ListViewLineEditItem(text, text)
            : kind == 't' ? new ListViewTimeEditItem(text, QStringLiteral("12:34"), QString())
                          : new ListViewItem(text, QPixmap(), QPixmap());
        row->setItemSelectEnable(kind != 'x' && kind != 'd');
        if (auto *check = dynamic_cast<ListViewCheckItem *>(row))
            check->setIsNoValueChange(kind == 'n');
        if (auto *progress = dynamic_cast<ListViewProgressItem *>(row))
            progress->setValue(5);
        list->addItem(row);
    }
}

} // namespace

class tst_ListView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        RowCanvas::pinFont();
        // A blinking cursor repaints the list, which places the editors again and would hide
        // a list that forgot to.
        QApplication::setCursorFlashTime(0);
        m_core = new Core(this);
    }
    void init()
    {
        m_core->callManager()->setCallState(QStringLiteral("IDLE"));
        m_core->m_callViewShown = false;
        m_core->setMenuVisible(false);
        m_screen = new KeyRecorder;
        m_screen->resize(480, 208);
        m_list = new ListView(m_screen);
        m_list->setGeometry(0, 0, 480, 208);
        m_list->setBackgroundColor(RowCanvas::background);
        m_log.clear();
        new Recorder(m_list, &m_log);
    }
    void cleanup()
    {
        delete m_screen;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    void keys_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("leaveSignals");
        QTest::addColumn<int>("newSelected");
        QTest::addColumn<int>("newStart");
        // Signals after keyPressed, then the rows checked and whether the key went on to the
        // screen.
        QTest::addColumn<QString>("emitted");

        QTest::newRow("down skips disabled rows")
            << "pppxxpp" << 2 << 0 << int(Qt::Key_Down) << false << 5 << 1 << "focusChanged(5)";
        QTest::newRow("down past the end wraps to the first selectable row")
            << "xpppppp" << 6 << 2 << int(Qt::Key_Down) << false << 1 << 0 << "focusChanged(1)";
        QTest::newRow("down past the end leaves focus")
            << "ppppppp" << 6 << 2 << int(Qt::Key_Down) << true << 6 << 2 << "endLeaveFocus(Down)";
        QTest::newRow("up on the first row wraps to the last selectable row")
            << "pppppppx" << 0 << 0 << int(Qt::Key_Up) << false << 6 << 2 << "focusChanged(6)";
        QTest::newRow("up on the first row leaves focus")
            << "ppppppp" << 0 << 0 << int(Qt::Key_Up) << true << 0 << 0 << "leaveFocus";
        QTest::newRow("up over disabled rows")
            << "pxxpppp" << 3 << 0 << int(Qt::Key_Up) << false << 0 << 0 << "focusChanged(0)";
        const QString twelve(12, 'p');
        QTest::newRow("F3 on page 2") << twelve << 0 << 5 << int(Qt::Key_F3) << false << 7 << 5
                                      << "focusChanged(7) clicked(7) clickedFuncKey(7)";
        QTest::newRow("F4 past the end")
            << twelve << 0 << 10 << int(Qt::Key_F4) << false << 0 << 10 << "screen";
        QTest::newRow("check, Enter")
            << "pc" << 1 << 0 << int(Qt::Key_Return) << false << 1 << 0 << "clicked(1) checked(1)";
        QTest::newRow("check the screen keeps")
            << "pn" << 1 << 0 << int(Qt::Key_Return) << false << 1 << 0 << "clicked(1)";
        // A disabled row must not change under a function key, and is not clicked.
        QTest::newRow("disabled check, F2")
            << "pd" << 0 << 0 << int(Qt::Key_F2) << false << 0 << 0 << "";
        // The progress row starts at 5 of 10.
        QTest::newRow("Left") << "pg" << 1 << 0 << int(Qt::Key_Left) << false << 1 << 0
                              << "changeValue(1,4)";
        QTest::newRow("Right") << "pg" << 1 << 0 << int(Qt::Key_Right) << false << 1 << 0
                               << "changeValue(1,6)";
        QTest::newRow("volume up")
            << "pg" << 1 << 0 << int(Qt::Key_VolumeUp) << false << 1 << 0 << "changeValue(1,6)";
        QTest::newRow("volume keys on another row")
            << "gp" << 1 << 0 << int(Qt::Key_VolumeUp) << false << 1 << 0 << "screen";
    }
    void keys()
    {
        QFETCH(QString, rows);
        QFETCH(int, selected);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(bool, leaveSignals);
        QFETCH(QString, emitted);

        fill(m_list, rows);
        m_list->setSelectedIdx(selected);
        m_list->setStartIdx(start);
        m_list->setActiveLeaveFocusSignal(leaveSignals);
        m_list->setActiveEndLeaveFocusSignal(leaveSignals);
        m_log.clear();
        click(key);
        for (int i = 0; i < m_list->itemSize(); ++i) {
            if (auto *row = dynamic_cast<ListViewCheckItem *>(m_list->item(i));
                row && row->isChecked())
                m_log << QStringLiteral("checked(%1)").arg(i);
        }
        if (!m_screen->releases.isEmpty())
            m_log << QStringLiteral("screen");
        QTEST(m_list->selectedIdx(), "newSelected");
        QTEST(m_list->startIdx(), "newStart");
        QCOMPARE(m_log.join(" "),
            QString("keyPressed(" + QKeySequence(key).toString() + ") " + emitted).trimmed());
    }
    void paging()
    {
        fill(m_list, QStringLiteral("pppppppppppp"));
        // Forward to the last page and round to the first, then back round to the last.
        for (int page = 0; page < 3; ++page)
            m_list->nextPage();
        QCOMPARE(m_list->startIdx(), 0);
        m_list->prevPage();
        QCOMPARE(m_list->startIdx(), 10);
        QCOMPARE(m_list->selectedIdx(), 10);
        // Page arithmetic divides by the page count.
        m_list->setPageCount(0);
        QCOMPARE(m_list->pageCount(), 5);
    }
    void longPress()
    {
        fill(m_list, QStringLiteral("ppp"));
        m_list->setIsEnabledLongPress(true);
        auto *timer = m_list->findChild<QTimer *>();
        QTest::keyPress(m_list, Qt::Key_F2);
        QVERIFY(timer && timer->isActive());
        QVERIFY(QMetaObject::invokeMethod(m_list, "longPressTimeout"));
        QTest::keyRelease(m_list, Qt::Key_F2);
        QCOMPARE(m_log.join(" "),
            QStringLiteral(
                "focusChanged(1) longPress(1) keyPressed(F2) clicked(1) clickedFuncKey(1)"));
    }
    void callStateGuard()
    {
        // With the call screen in front a function key leaves the selection where it is; the row
        // is toggled and clicked either way.
        m_core->callManager()->setCallState(QStringLiteral("CONNECTED"));
        m_core->m_callViewShown = true;
        fill(m_list, QStringLiteral("pc"));
        click(Qt::Key_F2);
        QCOMPARE(m_list->selectedIdx(), 0);
        QVERIFY(static_cast<ListViewCheckItem *>(m_list->item(1))->isChecked());
        QCOMPARE(m_log.last(), QStringLiteral("clickedFuncKey(1)"));
        // A menu over the call screen takes the keys as usual.
        m_core->setMenuVisible(true);
        click(Qt::Key_F2);
        QCOMPARE(m_list->selectedIdx(), 1);
    }
    void removeAndEmptyList()
    {
        click(Qt::Key_Return);
        click(Qt::Key_Up);
        click(Qt::Key_Down);
        QCOMPARE(m_log.join(" "),
            QStringLiteral("keyPressed(Return) clicked(0) keyPressed(Up) keyPressed(Down) "
                           "focusChanged(-1)"));

        fill(m_list, QStringLiteral("ppp"));
        m_log.clear();
        // Releases without their press are not the list's.
        QTest::keyRelease(m_list, Qt::Key_F2);
        QTest::keyRelease(m_list, Qt::Key_Down);
        QVERIFY(m_log.isEmpty());
        QCOMPARE(m_screen->releases, (QList<int> {Qt::Key_F2, Qt::Key_Down}));
        m_list->setSelectedIdx(2);
        m_list->removeItem(2);
        QCOMPARE(m_list->selectedIdx(), 1);
    }
    void scrollBar_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QRect>("thumb");

        QTest::newRow("one more row") << 6 << 0 << QRect(472, 4, 6, 160);
        QTest::newRow("40 pixels at least") << 100 << 0 << QRect(472, 4, 6, 40);
        QTest::newRow("last of 100 ends at the bottom margin")
            << 100 << 99 << QRect(472, 196, 6, 8);
    }
    void scrollBar()
    {
        QFETCH(int, rows);
        QFETCH(int, selected);
        QFETCH(QRect, thumb);

        fill(m_list, QString(rows, QLatin1Char('p')));
        m_list->setLineRightMargin(10);
        m_list->setSelectedIdx(selected);
        // The thumb is the only thing drawn right of the rows (a list of one page has none, as the
        // pictures show).
        const QImage image = render(m_list, onScreen);
        QCOMPARE(RowCanvas::changed(image, QRect(470, 0, 10, 208)), thumb);
        // Translucent gray over the list's background, the same in every pixel.
        QImage expected(thumb.size(), image.format());
        expected.fill(RowCanvas::background);
        QPainter(&expected).fillRect(expected.rect(), QColor(178, 178, 178, 160));
        QCOMPARE(image.copy(thumb), expected);
    }
    void overlayFollowsSelection_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QRect>("editorRect");
        QTest::addColumn<QString>("text");
        // Enter belongs to the list's click, except in the check-and-edit row's editor.
        QTest::addColumn<int>("returns");
        // What a screen's own connection to the line editor saw of the fill.
        QTest::addColumn<int>("screenSaw");

        QTest::newRow("line edit") << "pl" << QRect(132, 47, 327, 29) << "row 1" << 0 << 1;
        QTest::newRow("check-and-edit without title")
            << "pe" << QRect(61, 47, 381, 29) << "row 1" << 2 << 1;
        QTest::newRow("time edit") << "pt" << QRect(214, 47, 176, 29) << "12:34" << 0 << 0;
    }
    void overlayFollowsSelection()
    {
        QFETCH(QString, rows);

        fill(m_list, rows);
        QSignalSpy screenSpy(m_list->lineEdit(), SIGNAL(textChanged(QString)));
        QVERIFY(showActive());
        click(Qt::Key_Down);
        QTRY_VERIFY(focusedEditor());
        QLineEdit *editor = focusedEditor();
        QTEST(editor->geometry(), "editorRect");
        QTEST(editor->text(), "text");
        // Filling the editor writes into no row and reports no change, but the list drops only its
        // own connection while filling.
        QCOMPARE(m_log.join(" "), QStringLiteral("keyPressed(Down) focusChanged(1)"));
        QTEST(screenSpy.count(), "screenSaw");
        QSignalSpy returned(editor, SIGNAL(returnPressed()));
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_Enter);
        QTEST(returned.count(), "returns");

        m_list->setSelectedIdx(0);
        QTRY_VERIFY(editor->isHidden());
        QVERIFY(m_list->hasFocus());
    }
    void removingTheTimeRowReplacesTheEditor()
    {
        fill(m_list, QStringLiteral("tl"));
        QVERIFY(showActive());
        QTRY_VERIFY(focusedEditor());
        QLineEdit *timeEditor = focusedEditor();
        // The placements that showing deferred run first, so that none of them hides the fault.
        QTest::qWait(20);
        // Left in place, the time editor would go on editing the line row moved under it.
        m_list->removeItem(0);
        QTRY_VERIFY(timeEditor->isHidden());
        QTRY_COMPARE(focusedEditor(), m_list->lineEdit());
        QCOMPARE(m_list->lineEdit()->text(), QStringLiteral("row 1"));
    }
    void editors()
    {
        fill(m_list, QStringLiteral("lll"));
        auto *address = static_cast<ListViewLineEditItem *>(m_list->item(0));
        address->setIPValidate(true);
        address->setMaxLength(32);
        static_cast<ListViewLineEditItem *>(m_list->item(1))->setSipPortValidate(true);
        auto *name = static_cast<ListViewLineEditItem *>(m_list->item(2));
        name->setEditText(QString());
        name->setMaxLength(10);
        name->setMaxBytes(4);
        QSignalSpy ime(m_core->ime(), SIGNAL(changedIMEStatus(int)));
        QVERIFY(showActive());
        QLineEdit *editor = m_list->lineEdit();
        QTRY_VERIFY(editor->hasFocus());
        editor->clear();
        QTest::keyClicks(editor, QStringLiteral("256.1.1.1"));
        QVERIFY(editor->text() != QStringLiteral("256.1.1.1"));
        editor->clear();
        QTest::keyClicks(editor, QStringLiteral("192.168.0.1"));
        QVERIFY(editor->hasAcceptableInput());
        QPointer<QValidator> old = const_cast<QValidator *>(editor->validator());

        m_list->setSelectedIdx(1);
        QTRY_VERIFY(qobject_cast<const QIntValidator *>(editor->validator()));
        auto *ports = qobject_cast<const QIntValidator *>(editor->validator());
        QCOMPARE(qMakePair(ports->bottom(), ports->top()), qMakePair(10000, 65535));
        // Each selection makes a new validator; the old ones must not pile up.
        QVERIFY(old.isNull());
        // A row without a limit leaves the editor with the last one set.
        QCOMPARE(editor->maxLength(), 32);

        // Typing past the byte limit: the row keeps what fits, the list takes the focus back and
        // refills the editor with it.
        m_list->setSelectedIdx(2);
        QTRY_VERIFY(editor->hasFocus() && editor->maxLength() == 10);
        ime.clear();
        QTest::keyClicks(editor, QStringLiteral("abcde"));
        QCOMPARE(name->editText(), QStringLiteral("abcd"));
        QCOMPARE(m_log.last(), QStringLiteral("changeLineEditText(2,abcd)"));
        QCOMPARE(ime.count(), 1);
        QCOMPARE(editor->text(), QStringLiteral("abcd"));
    }

private:
    void click(int key) { QTest::keyClick(m_list, Qt::Key(key)); }
    // Shows the list in an active window; the first paint places the rows and the editors.
    bool showActive()
    {
        m_screen->show();
        QApplication::setActiveWindow(m_screen);
        m_list->setFocus();
        m_list->repaint();
        return QTest::qWaitForWindowActive(m_screen);
    }
    QLineEdit *focusedEditor() { return qobject_cast<QLineEdit *>(QApplication::focusWidget()); }

    Core *m_core = nullptr;
    KeyRecorder *m_screen = nullptr;
    ListView *m_list = nullptr;
    QStringList m_log;
};

QTEST_MAIN(tst_ListView)
#include "tst_listview.moc"
