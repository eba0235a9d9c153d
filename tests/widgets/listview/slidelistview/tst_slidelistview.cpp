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
    void hiddenRect_data();
    void hiddenRect();
    void showSlidesIn();
    void hideAndCloseSlideOut();
    void jumpsWithoutAnimation();
    void timingSettings();

private:
    // Runs an animation to its end without waiting for it.
    static void finish(QPropertyAnimation *animation)
    {
        animation->setCurrentTime(animation->duration());
    }

    QWidget *m_screen = nullptr;
    SlideListView *m_list = nullptr;
    QPropertyAnimation *m_show = nullptr;
    QPropertyAnimation *m_hide = nullptr;
};

void tst_SlideListView::init()
{
    // Shown first, so that the list stays hidden until it is shown itself.
    m_screen = new QWidget;
    m_screen->resize(480, 272);
    m_screen->show();
    m_list = new SlideListView(m_screen);
    // The two slides are told apart by their initial durations.
    for (QPropertyAnimation *animation : m_list->findChildren<QPropertyAnimation *>())
        (animation->duration() == 100 ? m_show : m_hide) = animation;
    QVERIFY(m_show && m_hide && m_show != m_hide);
}

void tst_SlideListView::cleanup()
{
    delete m_screen;
    m_show = m_hide = nullptr;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SlideListView::hiddenRect_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("hidden");

    const QRect phone(0, 0, 480, 272);
    const QRect wide(0, 0, 800, 600);
    QTest::newRow("none") << 0 << phone << QPoint(0, 36);
    QTest::newRow("from below") << 1 << phone << QPoint(0, 308);
    QTest::newRow("from above, tall screen") << 2 << wide << QPoint(0, -564);
    QTest::newRow("from the left, always 480") << 3 << wide << QPoint(-480, 36);
    QTest::newRow("from the right") << 4 << wide << QPoint(800, 36);
}

void tst_SlideListView::hiddenRect()
{
    QFETCH(int, type);
    QFETCH(QRect, screen);
    QFETCH(QPoint, hidden);

    m_list->setScreenRect(screen);
    m_list->setSlideType(SlideListView::eSlideType(type));
    m_list->setGeometry(0, 36, 480, 200);
    // setGeometry ends on screen; applying the type again moves the list to its hidden place.
    QCOMPARE(m_list->geometry(), QRect(0, 36, 480, 200));
    m_list->setUseAnimation(true);
    QCOMPARE(m_list->pos(), hidden);
    m_list->show();
    QCOMPARE(m_show->startValue().toRect(), QRect(hidden, QSize(480, 200)));
    QCOMPARE(m_show->endValue().toRect(), QRect(0, 36, 480, 200));
}

void tst_SlideListView::showSlidesIn()
{
    QSignalSpy shown(m_list, &SlideListView::showFinished);
    m_list->setGeometry(0, 36, 480, 200);
    m_list->show();
    QVERIFY(m_list->QWidget::isVisible());
    QCOMPARE(m_show->state(), QAbstractAnimation::Running);
    QCOMPARE(m_show->duration(), 100);
    QCOMPARE(m_show->easingCurve().type(), QEasingCurve::OutQuad);
    QCOMPARE(m_list->pos(), QPoint(0, 308));
    m_show->setCurrentTime(50);
    QVERIFY(m_list->y() < 308 && m_list->y() > 36);
    QVERIFY(m_list->isVisible());
    QVERIFY(shown.isEmpty());
    finish(m_show);
    QCOMPARE(m_list->geometry(), QRect(0, 36, 480, 200));
    QCOMPARE(shown.count(), 1);
}

void tst_SlideListView::hideAndCloseSlideOut()
{
    QSignalSpy hidden(m_list, &SlideListView::hideFinished);
    QSignalSpy closed(m_list, &SlideListView::closeFinished);
    m_list->setGeometry(0, 36, 480, 200);
    m_list->show();
    finish(m_show);

    m_list->hide();
    QCOMPARE(m_hide->startValue().toRect(), QRect(0, 36, 480, 200));
    QCOMPARE(m_hide->endValue().toRect(), QRect(0, 308, 480, 200));
    // Still on screen while sliding out, but no longer counted as visible.
    QVERIFY(m_list->QWidget::isVisible());
    QVERIFY(!m_list->isVisible());
    finish(m_hide);
    QVERIFY(!m_list->QWidget::isVisible());
    QCOMPARE(hidden.count(), 1);

    m_list->show();
    finish(m_show);
    m_list->close();
    // The close slide starts from the origin, not from where the list stands.
    QCOMPARE(m_hide->startValue().toRect(), QRect(0, 0, 480, 200));
    finish(m_hide);
    QVERIFY(!m_list->QWidget::isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(hidden.count(), 1);
}

void tst_SlideListView::jumpsWithoutAnimation()
{
    QSignalSpy shown(m_list, &SlideListView::showFinished);
    QSignalSpy hidden(m_list, &SlideListView::hideFinished);
    QSignalSpy closed(m_list, &SlideListView::closeFinished);
    m_list->setGeometry(0, 36, 480, 200);
    m_list->setUseAnimation(false);
    m_list->show();
    QVERIFY(m_list->isVisible());
    QCOMPARE(m_list->pos(), QPoint(0, 36));
    m_list->hide();
    QVERIFY(!m_list->isVisible());
    QCOMPARE(m_list->pos(), QPoint(0, 36));
    m_list->show();
    m_list->close();
    QVERIFY(!m_list->isVisible());
    QCOMPARE(m_show->state(), QAbstractAnimation::Stopped);
    QCOMPARE(m_hide->state(), QAbstractAnimation::Stopped);
    QVERIFY(shown.isEmpty() && hidden.isEmpty() && closed.isEmpty());
}

void tst_SlideListView::timingSettings()
{
    QCOMPARE(m_list->getShowDuration(), 100);
    QCOMPARE(m_list->getHideDuration(), 70);
    QCOMPARE(m_list->getShowAnimationType().type(), QEasingCurve::OutQuad);
    QCOMPARE(m_list->getHideAnimationType().type(), QEasingCurve::InQuad);
    QCOMPARE(m_hide->easingCurve().type(), QEasingCurve::InQuad);

    m_list->setShowDuration(250);
    m_list->setHideDuration(40);
    m_list->setShowAnimationType(QEasingCurve::Linear);
    m_list->setHideAnimationType(QEasingCurve::OutBounce);
    QCOMPARE(m_show->duration(), 250);
    QCOMPARE(m_hide->duration(), 40);
    QCOMPARE(m_show->easingCurve().type(), QEasingCurve::Linear);
    QCOMPARE(m_list->getHideAnimationType().type(), QEasingCurve::OutBounce);
    QCOMPARE(m_hide->easingCurve().type(), QEasingCurve::OutBounce);
}

QTEST_MAIN(tst_SlideListView)
#include "tst_slidelistview.moc"
