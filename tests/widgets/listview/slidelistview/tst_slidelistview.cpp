#include "slidelistview.h"

#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

class tst_SlideListView : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void slides_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("hidden");
        QTest::newRow("from below") << 1 << QRect(0, 0, 480, 272) << QPoint(0, 308);
        QTest::newRow("from the left, always 480")
            << 3 << QRect(0, 0, 800, 600) << QPoint(-480, 36);
    }
    void slides()
    {
        QFETCH(int, type);
        QFETCH(QRect, screen);
        QFETCH(QPoint, hidden);
        QWidget window;
        window.resize(480, 272);
        window.show();
        auto *list = new SlideListView(&window);
        list->setScreenRect(screen);
        list->setSlideType(SlideListView::eSlideType(type));
        list->setGeometry(0, 36, 480, 200);
        list->setUseAnimation(true);
        QSignalSpy shown(list, SIGNAL(showFinished()));
        QSignalSpy hiddenSpy(list, SIGNAL(hideFinished()));
        QSignalSpy closed(list, SIGNAL(closeFinished()));
        // Each slide is run to its end at once instead of waiting for it.
        auto finish = [list] {
            for (QPropertyAnimation *animation : list->findChildren<QPropertyAnimation *>()) {
                if (animation->state() == QAbstractAnimation::Running)
                    animation->setCurrentTime(animation->duration());
            }
        };
        list->show();
        QCOMPARE(list->pos(), hidden);
        QVERIFY(shown.isEmpty());
        finish();
        QCOMPARE(list->geometry(), QRect(0, 36, 480, 200));
        QCOMPARE(shown.count(), 1);

        list->hide();
        // Still on screen while sliding out, but no longer counted as visible.
        QVERIFY(list->QWidget::isVisible() && !list->isVisible());
        finish();
        QCOMPARE(list->pos(), hidden);
        QVERIFY(!list->QWidget::isVisible());
        QCOMPARE(hiddenSpy.count(), 1);

        list->show();
        finish();
        list->close();
        finish();
        QVERIFY(!list->QWidget::isVisible());
        QCOMPARE(closed.count(), 1);

        // Without animation the list jumps, and no slide reports its end.
        list->setUseAnimation(false);
        list->show();
        QCOMPARE(list->pos(), QPoint(0, 36));
        QCOMPARE(shown.count(), 2);
    }
};

QTEST_MAIN(tst_SlideListView)
#include "tst_slidelistview.moc"
