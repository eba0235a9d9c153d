#include "screenfixture.h"

#include "imagebutton.h"
#include "selectpopup.h"
#include "settings_hotspotinfo.h"

#include <QLineEdit>

namespace {

// What a selection popup offered, read while it is open.
struct Offer
{
    QStringList choices;
    QList<bool> checked;
    int preselected = -1;
};

Offer readOffer(SelectPopup *popup)
{
    Offer offer;
    ListView *list = popup->listView();
    for (int i = 0; i < list->itemSize(); ++i) {
        auto row = static_cast<ListViewRadioItem *>(list->item(i));
        offer.choices << row->text();
        offer.checked << row->isChecked();
        if (row->isChecked())
            offer.preselected = list->selectedIdx();
    }
    return offer;
}

} // namespace

class tst_SettingsScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rowsAndLayout();
    void defaultsWithNoFiles();
    void useHotspotEnablesTheRows();
    void frequencyPopup_data();
    void frequencyPopup();
    void modePopupFollowsTheBand();
    void unknownStoredModeOffersOnlyA();
    void cancelChangesNothing();
    void textRowsSwitchTheInputState();
    void longPressOfTheEraseKey();
    void informationShowsConnectedDevices();

private:
    // Opens the popup of row 'idx' with the keypad and runs 'inside' while it is open.
    void withPopup(int idx, std::function<void(SelectPopup *)> inside);
    ScreenFixture *f = nullptr;
};

void tst_SettingsScreen::init()
{
    f = new ScreenFixture;
}

void tst_SettingsScreen::cleanup()
{
    delete f;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SettingsScreen::withPopup(int idx, std::function<void(SelectPopup *)> inside)
{
    f->list()->setSelectedIdx(idx);
    QTimer::singleShot(0, f->screen, [this, inside] {
        QTRY_VERIFY(f->screen->findChild<SelectPopup *>());
        auto popup = f->screen->findChild<SelectPopup *>();
        QTRY_VERIFY(popup->listView()->hasFocus());
        inside(popup);
    });
    f->tap(Qt::Key_Enter);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(!f->screen->findChild<SelectPopup *>(), "the popup is deleted once it closes");
    // The window system gives the screen back the keys once the popup has gone.
    QApplication::setActiveWindow(f->screen);
    f->list()->setFocus();
    QTRY_VERIFY(f->list()->hasFocus());
}

void tst_SettingsScreen::rowsAndLayout()
{
    ListView *list = f->list();
    QCOMPARE(list->geometry(), QRect(0, 0, 480, 208));
    QCOMPARE(list->lineColor(), QColor(195, 195, 195));
    QCOMPARE(list->itemSize(), 5);
    const QString labels[]
        = {"Use Hotspot", "Frequency", "Connection Mode", "Phone SSID", "Password"};
    const int kinds[] = {ListViewItem::Check, ListViewItem::Select, ListViewItem::Select,
        ListViewItem::LineEdit, ListViewItem::LineEdit};
    for (int idx = 0; idx < 5; ++idx) {
        ListViewItem *row = list->item(idx);
        QCOMPARE(row->text(), labels[idx]);
        QCOMPARE(row->type(), kinds[idx]);
        QCOMPARE(row->textColor(), QColor(28, 28, 28));
        QCOMPARE(row->textSelectColor(), QColor(255, 255, 255));
        QCOMPARE(row->backGroundSelectColor(), QColor(95, 113, 160));
    }
    QCOMPARE(f->ssid()->getMaxLength(), 32);
    QCOMPARE(f->password()->getMaxLength(), 63);
    QVERIFY(f->password()->echoPasswordMode());
    QVERIFY(!f->ssid()->echoPasswordMode());
    QCOMPARE(f->ssid()->editTextLeftMargin(), 80);
    // Before a load the rows show what they were built with.
    QCOMPARE(f->frequency()->selectedText(), QStringLiteral("2.4G"));
    QCOMPARE(f->mode()->selectedText(), QStringLiteral("802.11b"));
}

void tst_SettingsScreen::defaultsWithNoFiles()
{
    QTest::ignoreMessage(QtWarningMsg,
        "ssid \"KLX-p7720_unknown\" password \"********\" default \"KLX-p7720_unknown\"");
    f->open();
    QVERIFY(!f->useHotspot()->isChecked());
    QCOMPARE(f->frequency()->selectedText(), QStringLiteral("2.4G"));
    QCOMPARE(f->mode()->selectedText(), QStringLiteral("802.11b"));
    QCOMPARE(f->ssid()->editText(), QStringLiteral("KLX-p7720_unknown"));
    QCOMPARE(f->password()->editText(), QStringLiteral("meadows*#"));
    for (int idx = 1; idx < 5; ++idx)
        QVERIFY(!f->list()->item(idx)->m_itemSelectEnable);
    QCOMPARE(f->list()->selectedIdx(), 0);
}

void tst_SettingsScreen::useHotspotEnablesTheRows()
{
    f->open();
    f->tap(Qt::Key_Enter);
    QVERIFY(f->useHotspot()->isChecked());
    for (int idx = 1; idx < 5; ++idx)
        QVERIFY(f->list()->item(idx)->m_itemSelectEnable);
    f->tap(Qt::Key_Down);
    QCOMPARE(f->list()->selectedIdx(), 1);
    f->tap(Qt::Key_Up);
    f->tap(Qt::Key_Enter);
    for (int idx = 1; idx < 5; ++idx)
        QVERIFY(!f->list()->item(idx)->m_itemSelectEnable);
    // Clicking stores nothing.
    QVERIFY(!QFile::exists(f->envFile()));
}

void tst_SettingsScreen::frequencyPopup_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("preselected");
    QTest::newRow("2.4G") << QByteArray("hw_mode=g\n") << 0;
    QTest::newRow("5G") << QByteArray("hw_mode=a\n") << 1;
}

void tst_SettingsScreen::frequencyPopup()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, preselected);
    f->writeConf(f->hostapdConf(), "[TETHERING]\n" + stored);
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    f->open();
    Offer offer;
    withPopup(1, [&offer](SelectPopup *popup) {
        offer = readOffer(popup);
        QVERIFY(popup->prevButton()->isHidden());
        QVERIFY(popup->nextButton()->isHidden());
        QTest::keyPress(popup->listView(), Qt::Key_F15);
        QTest::keyRelease(popup->listView(), Qt::Key_F15);
    });
    QCOMPARE(offer.choices, QStringList({"2.4G", "5G"}));
    QCOMPARE(offer.preselected, preselected);
    QCOMPARE(offer.checked.count(true), 1);
}

void tst_SettingsScreen::modePopupFollowsTheBand()
{
    f->writeConf(f->hostapdConf(), "[TETHERING]\nhw_mode=g\nieee80211n=1\n");
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    f->open();
    Offer offer;
    withPopup(2, [&offer](SelectPopup *popup) {
        offer = readOffer(popup);
        QTest::keyPress(popup->listView(), Qt::Key_Escape);
        QTest::keyRelease(popup->listView(), Qt::Key_Escape);
    });
    QCOMPARE(offer.choices, QStringList({"802.11b", "802.11g", "802.11n"}));
    QCOMPARE(offer.preselected, 2);

    // Choosing 5G takes the mode along to 802.11a, the only mode it then offers.
    withPopup(1, [](SelectPopup *popup) {
        popup->listView()->setSelectedIdx(1);
        QTest::keyPress(popup->listView(), Qt::Key_Enter);
        QTest::keyRelease(popup->listView(), Qt::Key_Enter);
    });
    QCOMPARE(f->frequency()->selectedText(), QStringLiteral("5G"));
    QCOMPARE(f->mode()->selectedText(), QStringLiteral("802.11a"));
    withPopup(2, [&offer](SelectPopup *popup) {
        offer = readOffer(popup);
        QTest::keyPress(popup->listView(), Qt::Key_Enter);
        QTest::keyRelease(popup->listView(), Qt::Key_Enter);
    });
    QCOMPARE(offer.choices, QStringList({"802.11a"}));
    QCOMPARE(offer.preselected, 0);

    // Back on 2.4G, 802.11a cannot stay.
    withPopup(1, [](SelectPopup *popup) {
        QTest::keyPress(popup->listView(), Qt::Key_F6);
        QTest::keyRelease(popup->listView(), Qt::Key_F6);
    });
    QCOMPARE(f->frequency()->selectedText(), QStringLiteral("2.4G"));
    QCOMPARE(f->mode()->selectedText(), QStringLiteral("802.11b"));
}

void tst_SettingsScreen::unknownStoredModeOffersOnlyA()
{
    f->writeConf(f->hostapdConf(), "[TETHERING]\nhw_mode=G\n");
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    f->open();
    QCOMPARE(f->frequency()->selectedText(), QString());
    QCOMPARE(f->mode()->selectedText(), QString());
    Offer offer;
    withPopup(2, [&offer](SelectPopup *popup) {
        offer = readOffer(popup);
        QTest::keyPress(popup->listView(), Qt::Key_F15);
        QTest::keyRelease(popup->listView(), Qt::Key_F15);
    });
    QCOMPARE(offer.choices, QStringList({"802.11a"}));
    QCOMPARE(offer.checked.count(true), 0);
}

void tst_SettingsScreen::cancelChangesNothing()
{
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    f->open();
    withPopup(1, [](SelectPopup *popup) {
        popup->listView()->setSelectedIdx(1);
        QTest::keyPress(popup->listView(), Qt::Key_F15);
        QTest::keyRelease(popup->listView(), Qt::Key_F15);
    });
    QCOMPARE(f->frequency()->selectedText(), QStringLiteral("2.4G"));
    QCOMPARE(f->mode()->selectedText(), QStringLiteral("802.11b"));
}

void tst_SettingsScreen::textRowsSwitchTheInputState()
{
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    f->open();
    f->shell.core.setIMEStatus(IMEStatusNumber, false);
    f->tap(Qt::Key_Down);
    f->tap(Qt::Key_Down);
    QCOMPARE(f->shell.core.getIMEStatus(), IMEStatusNumber);
    f->tap(Qt::Key_Down);
    QCOMPARE(f->list()->selectedIdx(), 3);
    QCOMPARE(f->shell.core.getIMEStatus(), IMEStatusEnglishLower);

    f->shell.core.setIMEStatus(IMEStatusNumber, false);
    f->list()->setSelectedIdx(4);
    QCOMPARE(f->shell.core.getIMEStatus(), IMEStatusEnglishLower);
    // Going back up leaves the state alone.
    f->shell.core.setIMEStatus(IMEStatusNumber, false);
    f->list()->setSelectedIdx(1);
    QCOMPARE(f->shell.core.getIMEStatus(), IMEStatusNumber);
}

void tst_SettingsScreen::longPressOfTheEraseKey()
{
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    f->writeConf(f->hostapdConf(), "[TETHERING]\nssid=Office\nwpa_passphrase=secret99\n");
    f->open();
    f->list()->setSelectedIdx(3);
    QTRY_VERIFY(f->list()->lineEdit()->isVisible());
    QCOMPARE(f->list()->lineEdit()->text(), QStringLiteral("Office"));

    // Held keys other than the fourth do nothing.
    QVERIFY(QMetaObject::invokeMethod(f->screen, "tailFuncButtonLongPressed", Q_ARG(int, 4)));
    QCOMPARE(f->ssid()->editText(), QStringLiteral("Office"));

    // The fourth key is the erase key while text is entered; holding it clears the row.
    f->shell.core.setIMEStatus(IMEStatusEnglishLower, true);
    QTest::keyPress(f->screen, Qt::Key_F14);
    QVERIFY(QMetaObject::invokeMethod(f->tail(), "longPressTimeout"));
    QTest::keyRelease(f->screen, Qt::Key_F14);
    QCOMPARE(f->ssid()->editText(), QString());
    QCOMPARE(f->list()->lineEdit()->text(), QString());

    // On a row of another kind it changes nothing.
    f->list()->setSelectedIdx(1);
    QVERIFY(QMetaObject::invokeMethod(f->screen, "tailFuncButtonLongPressed", Q_ARG(int, 3)));
    QCOMPARE(f->frequency()->selectedText(), QStringLiteral("2.4G"));
    QCOMPARE(f->password()->editText(), QStringLiteral("secret99"));
}

void tst_SettingsScreen::informationShowsConnectedDevices()
{
    f->open();
    auto info = f->screen->findChild<SettingsHotspotInfo *>();
    QVERIFY(info);
    QVERIFY(!info->isVisible());
    QCOMPARE(f->tail()->funcButtonText(1), QStringLiteral("Information"));
    f->softKey(1);
    QVERIFY(info->isVisible());
    QCOMPARE(info->objectName(), QStringLiteral("settings_hotspotinfo"));
    f->screen->end();
    QVERIFY(!info->isVisible());
    QVERIFY(!f->screen->isVisible());
}

QObject *createScreenTests()
{
    return new tst_SettingsScreen;
}

#include "tst_screen.moc"
