#include "imagebutton.h"
#include "listviewitem.h"
#include "renderprobe.h"
#include "selectpopup.h"
#include "soundmanager.h"
#include "testshell.h"

#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

namespace {

SelectPopup *popupWith(int entries, QWidget *parent, bool animated = false)
{
    auto popup = new SelectPopup(parent, 5);
    popup->setUseAnimation(animated);
    for (int i = 0; i < entries; ++i)
        popup->addListViewItem(QStringLiteral("Entry %1").arg(i));
    return popup;
}

void tap(QWidget *widget, Qt::Key key)
{
    QTest::keyPress(widget, key);
    QTest::keyRelease(widget, key);
}

QColor pixelOf(const char *image, int x, int y)
{
    return QImage(QLatin1String(image)).pixelColor(x, y);
}

} // namespace

class tst_SelectPopup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout();
    void acceptingAnEntrySlidesOut();
    void cancelKeys_data();
    void cancelKeys();
    void releaseWithoutPressIsIgnored();
    void okTakesOverFromNext();
    void multipleCheck();
    void clickPastTheEndRejects();
    void firstRowHighlightAndThumb();
    void keyTonesOffWhileShown();

private:
    TestShell *m_shell = nullptr;
    QWidget *m_screen = nullptr;
};

void tst_SelectPopup::init()
{
    m_shell = new TestShell;
    m_screen = new QWidget;
    m_screen->resize(480, 272);
}

void tst_SelectPopup::cleanup()
{
    delete m_screen;
    delete m_shell;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SelectPopup::layout()
{
    SelectPopup *popup = new SelectPopup(m_screen, 5);
    QCOMPARE(popup->geometry(), QRect(0, 0, 480, 272));
    QVERIFY(popup->isModal());
    QCOMPARE(popup->listView()->geometry(), QRect(190, 30, 288, 211));
    QCOMPARE(popup->listView()->objectName(), QStringLiteral("SelectPopup::m_litView"));
    QCOMPARE(popup->prevButton()->geometry(), QRect(193, 240, 93, 31));
    QCOMPARE(popup->nextButton()->geometry(), QRect(287, 240, 93, 31));
    QCOMPARE(popup->cancelButton()->geometry(), QRect(381, 240, 93, 31));
    QVERIFY(popup->okButton()->isHidden());
    // F6 to F10 pick the rows, leaving F11 to F15 to the buttons.
    QCOMPARE(popup->listView()->keyToItemIdx(Qt::Key_F6), 0);
    QCOMPARE(popup->listView()->keyToItemIdx(Qt::Key_F1), -1);

    QCOMPARE(popup->showAnimation()->startValue().toRect(), QRect(0, 272, 480, 272));
    QCOMPARE(popup->showAnimation()->endValue().toRect(), QRect(0, 0, 480, 272));
    QCOMPARE(popup->showAnimation()->duration(), 100);
    QCOMPARE(popup->showAnimation()->easingCurve().type(), QEasingCurve::OutQuad);
    QCOMPARE(popup->hideAnimation()->endValue().toRect(), QRect(0, 272, 480, 272));
    QCOMPARE(popup->hideAnimation()->duration(), 80);
    QCOMPARE(popup->hideAnimation()->easingCurve().type(), QEasingCurve::InQuad);
    // Switching the slide on parks a hidden popup just below the screen.
    popup->setUseAnimation(true);
    QCOMPARE(popup->pos(), QPoint(0, 272));
}

void tst_SelectPopup::acceptingAnEntrySlidesOut()
{
    SelectPopup *popup = popupWith(3, m_screen, true);
    QSignalSpy clicked(popup, &SelectPopup::clicked);
    bool closing = false;
    QTimer::singleShot(0, popup, [&] {
        popup->listView()->setSelectedIdx(2);
        tap(popup->listView(), Qt::Key_Enter);
        // The slide-out is pending: the popup still counts as showing.
        closing
            = popup->isVisible() && popup->hideAnimation()->state() == QAbstractAnimation::Running;
    });
    QCOMPARE(popup->exec(), 1);
    QVERIFY(closing);
    QCOMPARE(popup->selectedIdx(), 2);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
    QCOMPARE(popup->geometry(), QRect(0, 272, 480, 272));
}

void tst_SelectPopup::cancelKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("F15") << int(Qt::Key_F15);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void tst_SelectPopup::cancelKeys()
{
    QFETCH(int, key);
    SelectPopup *popup = popupWith(3, m_screen);
    QSignalSpy clicked(popup, &SelectPopup::clicked);
    QColor held;
    QTimer::singleShot(0, popup, [&] {
        popup->listView()->setSelectedIdx(1);
        QTest::keyPress(popup->listView(), Qt::Key(key));
        held = render(popup->cancelButton()).pixelColor(6, 3);
        QTest::keyRelease(popup->listView(), Qt::Key(key));
    });
    QCOMPARE(popup->exec(), 0);
    QCOMPARE(popup->selectedIdx(), -1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), -1);
    QCOMPARE(held, pixelOf(":/ui/images/popup_button_press_bg_center.png", 0, 3));
    QCOMPARE(render(popup->cancelButton()).pixelColor(6, 3),
        pixelOf(":/ui/images/popup_button_bg_center.png", 0, 3));
}

void tst_SelectPopup::releaseWithoutPressIsIgnored()
{
    SelectPopup *popup = popupWith(8, m_screen);
    bool stillOpen = false;
    int startAfterStray = -1;
    QTimer::singleShot(0, popup, [&] {
        // The release of the key that opened the popup.
        QTest::keyRelease(popup->listView(), Qt::Key_F14);
        QTest::keyRelease(popup->listView(), Qt::Key_F15);
        stillOpen = popup->QWidget::isVisible();
        startAfterStray = popup->listView()->startIdx();
        tap(popup->listView(), Qt::Key_F14);
        tap(popup->listView(), Qt::Key_Escape);
    });
    QCOMPARE(popup->exec(), 0);
    QVERIFY(stillOpen);
    QCOMPARE(startAfterStray, 0);
    QCOMPARE(popup->listView()->startIdx(), 5);
}

void tst_SelectPopup::okTakesOverFromNext()
{
    SelectPopup *popup = popupWith(3, m_screen);
    popup->nextButton()->hide();
    popup->okButton()->show();
    QTimer::singleShot(0, popup, [&] { tap(popup->listView(), Qt::Key_F14); });
    QCOMPARE(popup->exec(), 1);
    QCOMPARE(popup->selectedIdx(), -1);
}

void tst_SelectPopup::multipleCheck()
{
    SelectPopup *popup = popupWith(3, m_screen);
    popup->setMultipleCheck(true);
    QSignalSpy clicked(popup, &SelectPopup::clicked);
    bool openAfterClicks = false;
    QTimer::singleShot(0, popup, [&] {
        tap(popup->listView(), Qt::Key_F6);
        tap(popup->listView(), Qt::Key_F8);
        openAfterClicks = popup->QWidget::isVisible();
        tap(popup->listView(), Qt::Key_F14);
    });
    QCOMPARE(popup->exec(), 1);
    QVERIFY(openAfterClicks);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(1).at(0).toInt(), 2);
}

void tst_SelectPopup::clickPastTheEndRejects()
{
    SelectPopup *popup = popupWith(2, m_screen);
    // F8 picks the third row of the page, which this list does not have; the list itself
    // refuses it, so the popup stays open until Cancel.
    QSignalSpy clicked(popup, &SelectPopup::clicked);
    QTimer::singleShot(0, popup, [&] {
        tap(popup->listView(), Qt::Key_F8);
        QMetaObject::invokeMethod(popup, "clickedListView", Q_ARG(int, 5));
    });
    QCOMPARE(popup->exec(), 0);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(popup->selectedIdx(), 5);
}

void tst_SelectPopup::firstRowHighlightAndThumb()
{
    SelectPopup *popup = popupWith(7, m_screen);
    SelectPopupListView *list = popup->listView();
    list->setSelectPixmap(QPixmap(4, 4), QPixmap(4, 4), QPixmap(4, 4));
    // The rows paint their focused look only while the list has the focus, as in a popup on
    // screen.
    popup->show();
    QApplication::setActiveWindow(popup);
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    const int h = list->height();
    const QColor blue(95, 113, 160);

    list->setSelectedIdx(0);
    QImage image = render(list);
    // Rounded caps above the fill on the first row; the fill starts 5 pixels down.
    QCOMPARE(image.pixelColor(5, 4), pixelOf(":/ui/images/popup_press_left.png", 1, 0));
    QCOMPARE(image.pixelColor(100, 5 + 6), blue);
    // The highlight fill covers the first row's separator; the second row (42 high) ends in a
    // grey then a white line, inside the line margins only.
    QCOMPARE(image.pixelColor(100, 5 + 39 - 1), blue);
    QCOMPARE(image.pixelColor(100, 5 + 39 + 42 - 1), QColor(195, 195, 195));
    QCOMPARE(image.pixelColor(100, 5 + 39 + 42), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(7, 5 + 39 + 42).alpha(), 0);
    // Seven rows on a five-row page: the thumb sits at the top margin for row 0.
    const int thumbX = 288 - 1 - 8;
    QVERIFY(image.pixelColor(thumbX, 60).alpha() > 0);
    QCOMPARE(image.pixelColor(thumbX + 1, 60).alpha(), 0);
    QVERIFY(image.pixelColor(thumbX - 5, 6 + 103).alpha() > 0);
    QCOMPARE(image.pixelColor(thumbX - 6, 60).alpha(), 0);
    QCOMPARE(image.pixelColor(thumbX, 6 + 104 + 5).alpha(), 0);

    // The last row puts the thumb at the bottom; a selected row other than the first of its
    // page is filled by the row itself, right up to its top.
    list->setStartIdx(5);
    list->setSelectedIdx(6);
    image = render(list);
    QVERIFY(image.pixelColor(thumbX, h - 104).alpha() > 0);
    QCOMPARE(image.pixelColor(thumbX, h - 105).alpha(), 0);
    QCOMPARE(image.pixelColor(100, 5 + 39), blue);
    QCOMPARE(image.pixelColor(5, 4).alpha(), 0);
}

void tst_SelectPopup::keyTonesOffWhileShown()
{
    SoundManager *sound = m_shell->core.soundManager();
    SoundSelectPopup popup(m_screen, 5);
    popup.setUseAnimation(false);
    popup.show();
    QVERIFY(!sound->isKeytoneEnabled());
    popup.hide();
    QVERIFY(sound->isKeytoneEnabled());
    popup.show();
    QVERIFY(!sound->isKeytoneEnabled());
    popup.hide();
    QVERIFY(sound->isKeytoneEnabled());
}

QTEST_MAIN(tst_SelectPopup)
#include "tst_selectpopup.moc"
