#include "tail.h"
#include "testshell.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QImage render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image);
    return image;
}

// The highlight image is tiled from y 1; this is its colour at the probe row below.
QRgb pressedColour()
{
    return QImage(QStringLiteral(":/ui/images/menu_press.png")).pixel(0, 3);
}

} // namespace

class tst_Tail : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void labels_data();
    void labels();
    void openAndCloseIconsOnlyOnLastButton();
    void invalidIndexesOnlyLog();
    void unlabelledButtonDoesNotReact();
    void clickOnRelease_data();
    void clickOnRelease();
    void longPressThenClick();
    void armedStateClicksUntrackedRelease();
    void highlightIsPaintedOnce();
    void eraseKeyWithInputMethod();
    void inputMethodLabelFollowsUnlessBlocked();
    void pointerClick();
    void geometryQueries();

private:
    TestShell *m_shell = nullptr;
    Tail *m_tail = nullptr;
};

void tst_Tail::init()
{
    m_shell = new TestShell;
    m_tail = new Tail;
}

void tst_Tail::cleanup()
{
    delete m_tail;
    delete m_shell;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Tail::labels_data()
{
    QTest::addColumn<int>("idx");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<bool>("hasIcon");
    QTest::addColumn<QString>("logical");

    QTest::newRow("plain") << 1 << "Save" << "Save" << false << "Save";
    QTest::newRow("left arrow") << 2 << "<Back" << "" << true << "<Back";
    QTest::newRow("right arrow") << 0 << "Next>" << "" << true << "Next>";
    QTest::newRow("both marks take the left arrow") << 2 << "<Page>" << "" << true << "<Page>";
    QTest::newRow("left arrow on the erase button") << 3 << "<" << "" << true << "<";
    QTest::newRow("empty") << 4 << "" << "" << false << "";
}

void tst_Tail::labels()
{
    QFETCH(int, idx);
    QFETCH(QString, text);
    QFETCH(QString, visible);
    QFETCH(bool, hasIcon);
    QFETCH(QString, logical);

    m_tail->setFuncButtonText(idx, text);
    QCOMPARE(m_tail->button(idx)->text(), visible);
    QCOMPARE(!m_tail->button(idx)->icon().isNull(), hasIcon);
    QCOMPARE(m_tail->funcButtonText(idx), logical);

    // A plain label afterwards replaces the icon.
    m_tail->setFuncButtonText(idx, QStringLiteral("Plain"));
    QVERIFY(m_tail->button(idx)->icon().isNull());
    QCOMPARE(m_tail->funcButtonText(idx), QStringLiteral("Plain"));
}

void tst_Tail::openAndCloseIconsOnlyOnLastButton()
{
    m_tail->setFuncButtonText(4, QStringLiteral("<>"));
    QVERIFY(!m_tail->button(4)->icon().isNull());
    QVERIFY(m_tail->button(4)->text().isEmpty());
    QCOMPARE(m_tail->funcButtonText(4), QStringLiteral("<>"));
    m_tail->setFuncButtonText(4, QStringLiteral("><"));
    QCOMPARE(m_tail->funcButtonText(4), QStringLiteral("><"));

    m_tail->setFuncButtonText(0, QStringLiteral("Menu"));
    m_tail->setFuncButtonText(0, QStringLiteral("<>"));
    QCOMPARE(m_tail->button(0)->text(), QStringLiteral("Menu"));
    QVERIFY(m_tail->button(0)->icon().isNull());
}

void tst_Tail::invalidIndexesOnlyLog()
{
    QTest::ignoreMessage(QtDebugMsg, "Tail::setFuncButtonText invalid idx: 5");
    m_tail->setFuncButtonText(5, QStringLiteral("x"));
    QTest::ignoreMessage(QtDebugMsg, "Tail::setFuncButtonText invalid idx: -1");
    m_tail->setFuncButtonText(-1, QStringLiteral("x"));
    QTest::ignoreMessage(QtDebugMsg, "Tail::funcButtonText invalid idx: 9");
    QVERIFY(m_tail->funcButtonText(9).isNull());
    for (int idx = 0; idx < 5; ++idx)
        QVERIFY(m_tail->button(idx)->text().isEmpty());
}

void tst_Tail::unlabelledButtonDoesNotReact()
{
    QSignalSpy clicked(m_tail, &Tail::clicked);
    QSignalSpy longPress(m_tail, &Tail::longPress);
    QTest::keyPress(m_tail, Qt::Key_F12);
    QVERIFY(render(m_tail).pixel(QPoint(100, 4)) != pressedColour());
    QTest::keyRelease(m_tail, Qt::Key_F12);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(longPress.count(), 0);
}

void tst_Tail::clickOnRelease_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("index");
    QTest::newRow("F11") << int(Qt::Key_F11) << 0;
    QTest::newRow("F12") << int(Qt::Key_F12) << 1;
    QTest::newRow("F13") << int(Qt::Key_F13) << 2;
    QTest::newRow("F14") << int(Qt::Key_F14) << 3;
    QTest::newRow("F15") << int(Qt::Key_F15) << 4;
}

void tst_Tail::clickOnRelease()
{
    QFETCH(int, key);
    QFETCH(int, index);
    m_tail->setFuncButtonText(index, QStringLiteral("Key"));
    QSignalSpy clicked(m_tail, &Tail::clicked);
    QTest::keyPress(m_tail, Qt::Key(key));
    QCOMPARE(clicked.count(), 0);
    QTest::keyRelease(m_tail, Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), index);
}

void tst_Tail::longPressThenClick()
{
    m_tail->setFuncButtonText(0, QStringLiteral("Hold"));
    QSignalSpy clicked(m_tail, &Tail::clicked);
    QSignalSpy longPress(m_tail, &Tail::longPress);
    QTest::keyPress(m_tail, Qt::Key_F11);
    QCOMPARE(Tail::LongPressInterval, 500);
    // The timer's expiry, without waiting half a second.
    QVERIFY(QMetaObject::invokeMethod(m_tail, "longPressTimeout"));
    QCOMPARE(longPress.count(), 1);
    QCOMPARE(longPress.at(0).at(0).toInt(), 0);
    QCOMPARE(clicked.count(), 0);
    QTest::keyRelease(m_tail, Qt::Key_F11);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 0);
}

void tst_Tail::armedStateClicksUntrackedRelease()
{
    m_tail->setFuncButtonText(0, QStringLiteral("Hold"));
    QSignalSpy clicked(m_tail, &Tail::clicked);
    QTest::keyPress(m_tail, Qt::Key_F11);
    QMetaObject::invokeMethod(m_tail, "longPressTimeout");
    QTest::keyRelease(m_tail, Qt::Key_F11);
    // The next release of any soft key counts, even that of an unlabelled button.
    QTest::keyRelease(m_tail, Qt::Key_F13);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(1).at(0).toInt(), 2);
    QTest::keyRelease(m_tail, Qt::Key_F13);
    QCOMPARE(clicked.count(), 2);
}

void tst_Tail::highlightIsPaintedOnce()
{
    m_tail->setFuncButtonText(2, QStringLiteral("Press"));
    const QRgb press = pressedColour();
    const QPoint inside(196, 4);
    QVERIFY(render(m_tail).pixel(inside) != press);

    QTest::keyPress(m_tail, Qt::Key_F13);
    QCOMPARE(render(m_tail).pixel(inside), press);
    QVERIFY(render(m_tail).pixel(QPoint(100, 4)) != press);
    // The highlight belongs to one paint only.
    QVERIFY(render(m_tail).pixel(inside) != press);
    QTest::keyRelease(m_tail, Qt::Key_F13);
}

void tst_Tail::eraseKeyWithInputMethod()
{
    QWidget window;
    auto layout = new QVBoxLayout(&window);
    auto edit = new QLineEdit(QStringLiteral("abc"));
    auto tail = new Tail;
    layout->addWidget(edit);
    layout->addWidget(tail);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->end(false);
    QSignalSpy clicked(tail, &Tail::clicked);

    m_shell->core.setIMEStatus(IMEStatusEnglishLower, false);
    QCOMPARE(tail->button(3)->text(), QStringLiteral("Erase"));
    QTest::keyPress(tail, Qt::Key_F14);
    QTest::keyRelease(tail, Qt::Key_F14);
    QCOMPARE(edit->text(), QStringLiteral("ab"));
    QCOMPARE(clicked.count(), 0);

    tail->setFuncButtonText(3, QStringLiteral("Clear"));
    m_shell->core.setIMEStatus(IMEStatusOff, false);
    QTest::keyPress(tail, Qt::Key_F14);
    QTest::keyRelease(tail, Qt::Key_F14);
    QCOMPARE(edit->text(), QStringLiteral("ab"));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 3);
}

void tst_Tail::inputMethodLabelFollowsUnlessBlocked()
{
    m_tail->setFuncButtonText(3, QStringLiteral("Clear"));
    m_shell->core.setIMEStatus(IMEStatusKorean, false);
    QCOMPARE(m_tail->button(3)->text(), QStringLiteral("Erase"));
    m_shell->core.setIMEStatus(IMEStatusOff, false);
    QCOMPARE(m_tail->button(3)->text(), QStringLiteral("Clear"));

    m_tail->setUseEraseStr(true);
    m_tail->setEraseStr(QStringLiteral("Del"));
    m_shell->core.setIMEStatus(IMEStatusNumber, false);
    QCOMPARE(m_tail->button(3)->text(), QStringLiteral("Del"));
    m_shell->core.setIMEStatus(IMEStatusOff, false);

    // While a modal window covers the bar, changes are lost.
    QEvent blocked(QEvent::WindowBlocked);
    QCoreApplication::sendEvent(m_tail, &blocked);
    m_shell->core.setIMEStatus(IMEStatusNumber, false);
    QCOMPARE(m_tail->button(3)->text(), QStringLiteral("Clear"));
    QEvent unblocked(QEvent::WindowUnblocked);
    QCoreApplication::sendEvent(m_tail, &unblocked);
    m_shell->core.setIMEStatus(IMEStatusOff, false);
    m_shell->core.setIMEStatus(IMEStatusNumber, false);
    QCOMPARE(m_tail->button(3)->text(), QStringLiteral("Del"));
}

void tst_Tail::pointerClick()
{
    m_tail->show();
    QSignalSpy clicked(m_tail, &Tail::clicked);
    QTest::mouseClick(m_tail->button(2), Qt::LeftButton);
    QTest::mouseClick(m_tail->button(4), Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
    QCOMPARE(clicked.at(1).at(0).toInt(), 4);
}

void tst_Tail::geometryQueries()
{
    QCOMPARE(m_tail->objectName(), QStringLiteral("Tail"));
    QCOMPARE(m_tail->size(), QSize(480, 32));
    QCOMPARE(m_tail->buttonWidth(2), 96);
    QTest::ignoreMessage(QtDebugMsg, "Tail::button invalid idx: 7");
    QCOMPARE(m_tail->buttonWidth(7), 96);
    const int expectedX[] = {0, 96, 192, 289, 385};
    for (int idx = 0; idx < 5; ++idx) {
        QCOMPARE(m_tail->button(idx)->x(), expectedX[idx]);
        QCOMPARE(m_tail->button(idx)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(m_tail->button(idx)->font().pointSize(), 18);
    }

    m_tail->setFuncButtonText(1, QStringLiteral("Information"));
    m_tail->setFuncButtonText(4, QStringLiteral("Save"));
    QCOMPARE(m_tail->findButtonIndex(QStringLiteral("Sa"), 0, 4), 4);
    QCOMPARE(m_tail->findButtonIndex(QStringLiteral("Info"), 2, 4), -1);
    QCOMPARE(m_tail->findButtonIndex(QStringLiteral("Info"), 9, 4), 1);
    QTest::ignoreMessage(QtDebugMsg, "Tail::button invalid idx: -1");
    QCOMPARE(m_tail->findButtonIndex(QStringLiteral("Info"), 0, -1), 1);

    m_tail->setButtonTextColor(1, QColor(255, 0, 0));
    QCOMPARE(m_tail->button(1)->styleSheet(), QStringLiteral("QPushButton { color: #ff0000; }"));
}

QTEST_MAIN(tst_Tail)
#include "tst_tail.moc"
