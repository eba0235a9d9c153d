#include "imagebutton.h"
#include "renderprobe.h"

#include <QtTest>

// The button's faces, icons and texts, at rest and held, are in the gallery's golden pictures.
class tst_ImageButton : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void keysAndMouse()
    {
        KeyRecorder popup;
        auto *button = new ImageButton(&popup);
        button->resize(110, 32);
        button->setText(QStringLiteral("OK"));
        const QImage normal = render(button);
        QSignalSpy clicked(button, SIGNAL(clicked()));
        QTest::keyPress(button, Qt::Key_Enter);
        QVERIFY(render(button) != normal);
        QCOMPARE(clicked.count(), 0);
        QTest::keyRelease(button, Qt::Key_Enter);
        QCOMPARE(render(button), normal);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicked.count(), 2);
        // Other keys are the popup's.
        QTest::keyClick(button, Qt::Key_Escape);
        QCOMPARE(popup.releases, QList<int> {Qt::Key_Escape});

        popup.show();
        QTest::mouseClick(button, Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QCOMPARE(clicked.count(), 2);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QCOMPARE(clicked.count(), 3);
    }
};

QTEST_MAIN(tst_ImageButton)
#include "tst_imagebutton.moc"
