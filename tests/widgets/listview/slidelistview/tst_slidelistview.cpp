#include "slidelistview.h"

#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

class tst_SlideListView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void slides_data();
    void slides();

private:
    QWidget *m_screen = nullptr;
    SlideListView *m_list = nullptr;
};

void tst_SlideListView::init()
{
    m_screen = new QWidget;
    m_screen->resize(480, 272);
    m_screen->show();
    m_list = new SlideListView(m_screen);
    m_list->setGeometry(0, 36, 480, 200);
}

void tst_SlideListView::cleanup()
{
    delete m_screen;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SlideListView::slides_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("hidden");

    QTest::newRow("from below") << 1 << QRect(0, 0, 480, 272) << QPoint(0, 308);
    QTest::newRow("from above, tall screen") << 2 << QRect(0, 0, 800, 600) << QPoint(0, -564);
    QTest::newRow("from the left, always 480") << 3 << QRect(0, 0, 800, 600) << QPoint(-480, 36);
}

void tst_SlideListView::slides()
{
    QFETCH(int, type);
    QFETCH(QRect, screen);
    QFETCH(QPoint, hidden);

    m_list->setScreenRect(screen);
    m_list->setSlideType(SlideListView::eSlideType(type));
    m_list->setGeometry(0, 36, 480, 200);
    m_list->setUseAnimation(true);
    QSignalSpy shown(m_list, &SlideListView::showFinished);
    QSignalSpy hiddenSpy(m_list, &SlideListView::hideFinished);
    QSignalSpy closed(m_list, &SlideListView::closeFinished);
    // Each slide is run to its end at once instead of waiting for it.
    auto finish = [this] {
        for (QPropertyAnimation *animation : m_list->findChildren<QPropertyAnimation *>()) {
            if (animation->state() == QAbstractAnimation::Running)
                animation->setCurrentTime(animation->duration());
        }
    };
    m_list->show();
    QCOMPARE(m_list->pos(), hidden);
    QVERIFY(shown.isEmpty());
    finish();
    QCOMPARE(m_list->geometry(), QRect(0, 36, 480, 200));
    QCOMPARE(shown.count(), 1);

    m_list->hide();
    // Still on screen while sliding out, but no longer counted as visible.
    QVERIFY(m_list->QWidget::isVisible() && !m_list->isVisible());
    finish();
    QCOMPARE(m_list->pos(), hidden);
    QVERIFY(!m_list->QWidget::isVisible());
    QCOMPARE(hiddenSpy.count(), 1);

    m_list->show();
    finish();
    m_list->close();
    finish();
    QVERIFY(!m_list->QWidget::isVisible());
    QCOMPARE(closed.count(), 1);

    // Without animation the list jumps, and no slide reports its end.
    m_list->setUseAnimation(false);
    m_list->show();
    QCOMPARE(m_list->pos(), QPoint(0, 36));
    m_list->hide();
    QVERIFY(!m_list->QWidget::isVisible());
    QCOMPARE(shown.count(), 2);
    QCOMPARE(hiddenSpy.count(), 1);
}

QTEST_MAIN(tst_SlideListView)
#include "tst_slidelistview.moc"
