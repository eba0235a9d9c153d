#include "renderprobe.h"
#include "tail.h"
#include "testshell.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class tst_Tail : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void buttons()
    {
        TestShell shell;
        Tail tail;
        tail.setFuncButtonText(2, QStringLiteral("Press"));
        const QRgb press = QImage(QStringLiteral(":/ui/images/menu_press.png")).pixel(0, 3);
        QSignalSpy clicked(&tail, SIGNAL(clicked(int)));
        // An unlabelled button neither lights up nor clicks.
        QTest::keyPress(&tail, Qt::Key_F12);
        QVERIFY(render(&tail, onScreen).pixel(100, 4) != press);
        QTest::keyRelease(&tail, Qt::Key_F12);
        QCOMPARE(clicked.count(), 0);

        QTest::keyPress(&tail, Qt::Key_F13);
        QCOMPARE(render(&tail, onScreen).pixel(196, 4), press);
        // The highlight belongs to one paint only.
        QVERIFY(render(&tail, onScreen).pixel(196, 4) != press);
        QTest::keyRelease(&tail, Qt::Key_F13);
        QCOMPARE(clicked.count(), 1);

        // Labels are white unless a key is given a colour of its own.
        const auto inked = [&](QRgb color) {
            const QImage bar = render(&tail, onScreen);
            return boxWhere(bar, [&](int x, int y) { return bar.pixel(x, y) == color; });
        };
        QVERIFY(inked(qRgb(255, 255, 255)).intersects(tail.button(2)->geometry()));
        tail.setButtonTextColor(2, Qt::red);
        QVERIFY(inked(qRgb(255, 0, 0)).intersects(tail.button(2)->geometry()));
        QVERIFY(inked(qRgb(255, 255, 255)).isNull());
    }

    void eraseKeyWithInputMethod()
    {
        TestShell shell;
        Tail tail;
        QWidget window;
        auto edit = new QLineEdit(QStringLiteral("abc"), &window);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        tail.setFuncButtonText(3, QStringLiteral("Clear"));
        QSignalSpy clicked(&tail, SIGNAL(clicked(int)));

        shell.core.setIMEStatus(IMEStatusEnglishLower, false);
        QCOMPARE(tail.button(3)->text(), QStringLiteral("Erase"));
        QTest::keyClick(&tail, Qt::Key_F14);
        // Qt for Embedded Linux delivers it through the window server, from the event loop.
        QTRY_COMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(clicked.count(), 0);

        shell.core.setIMEStatus(IMEStatusOff, false);
        QCOMPARE(tail.button(3)->text(), QStringLiteral("Clear"));
        QTest::keyClick(&tail, Qt::Key_F14);
        QTRY_COMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 3);
    }
};

QTEST_MAIN(tst_Tail)
#include "tst_tail.moc"
