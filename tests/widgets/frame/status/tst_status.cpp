#include "testshell.h"
#include "timelabel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

QImage imageOf(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage resource(const QString &path)
{
    const QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_Status : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsWithEverythingOff();
    void outOfRangeValuesChangeNothing();
    void changeSignalOnEveryCallInfoOnlyOnChange();
    void multiValuedImages_data();
    void multiValuedImages();
    void replaceScreenReportsCamera();
    void onOffIndicatorsWaitForTheEndOfACall();
    void callAnimation();
    void inCallLayout();
    void inputMethodIndicator_data();
    void inputMethodIndicator();
    void titleWidth();
    void titleCanBeFrozen();
    void clockFormatAndBlink();

private:
    QLabel *label(const char *name) const
    {
        return m_shell->status.findChild<QLabel *>(QLatin1String(name));
    }
    TestShell *m_shell = nullptr;
};

void tst_Status::init()
{
    m_shell = new TestShell;
}

void tst_Status::cleanup()
{
    delete m_shell;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Status::startsWithEverythingOff()
{
    const char *const indicators[] = {
        "statusCall",          "statusUpgrade",       "statusLock",      "statusScreen",
        "statusConnectZenda",  "statusConnectAOM",    "statusConnectMobile",
        "statusBTHSetPairing", "statusBlutoothHeadset", "statusHeadset", "statusAGMode",
        "statusWiFiHotspot",   "statusWifi",          "specialCharLabel", "charLabel"};
    for (const char *name : indicators)
        QVERIFY2(label(name)->isHidden(), name);
    QVERIFY(!label("timeLabel")->isHidden());
    QVERIFY(m_shell->status.presenceIconVisible());
    QCOMPARE(imageOf(label("presenceLabel")), resource(":/ui/images/icon_presence_online.png"));
    QCOMPARE(m_shell->status.size(), QSize(480, 32));
    QCOMPARE(label("titleLabel")->font().pointSize(), 18);
}

void tst_Status::outOfRangeValuesChangeNothing()
{
    Status &status = m_shell->status;
    QSignalSpy wifi(&status, &Status::changeWifi);
    QSignalSpy info(&status, &Status::statusInfoChanged);
    QTest::ignoreMessage(QtDebugMsg, "Status::setUIStatusWifi invaild value! noupdate!");
    status.setUIStatusWifi(Status::UIStatusWifi(7));
    QTest::ignoreMessage(QtDebugMsg, "Status::setUIStatusHeadSet invaild value! noupdate!");
    status.setUIStatusHeadSet(Status::UIStatusHeadset(-1));
    QTest::ignoreMessage(QtDebugMsg, "Status::setUIStatusReplaceScreen invalid value! noupdate!");
    status.setUIStatusReplaceScreen(Status::UIStatusReplaceScreen(5));
    QTest::ignoreMessage(QtDebugMsg, "Status::setPresence not define type!");
    status.setPresence(Status::Presence(7));
    QCOMPARE(wifi.count(), 0);
    QCOMPARE(info.count(), 0);
    QVERIFY(label("statusWifi")->isHidden());
    QCOMPARE(status.statusHeadset(), Status::UIStatusHeadsetOff);
    QCOMPARE(imageOf(label("presenceLabel")), resource(":/ui/images/icon_presence_online.png"));
}

void tst_Status::changeSignalOnEveryCallInfoOnlyOnChange()
{
    Status &status = m_shell->status;
    QSignalSpy headset(&status, &Status::changeHeadset);
    QSignalSpy info(&status, &Status::statusInfoChanged);
    status.setUIStatusHeadSet(Status::UIStatusHeadsetEHS);
    status.setUIStatusHeadSet(Status::UIStatusHeadsetEHS);
    QCOMPARE(headset.count(), 2);
    QCOMPARE(headset.at(1).at(0).value<Status::UIStatusHeadset>(), Status::UIStatusHeadsetEHS);
    QCOMPARE(info.count(), 1);
    QCOMPARE(status.statusHeadset(), Status::UIStatusHeadsetEHS);
    status.setUIStatusHeadSet(Status::UIStatusHeadsetOff);
    QVERIFY(label("statusHeadset")->isHidden());
    QCOMPARE(info.count(), 2);
}

void tst_Status::multiValuedImages_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("image");
    QTest::newRow("earjack") << "setUIStatusHeadSet" << 3 << "statusHeadset"
                             << ":/ui/images/status/icon_hadeset_earjack.png";
    QTest::newRow("bluetooth dim") << "setUIStatusBluetoothHeadset" << 2 << "statusBlutoothHeadset"
                                   << ":/ui/images/status/icon_hadeset_blue_dim.png";
    QTest::newRow("wifi unknown") << "setUIStatusWifi" << 1 << "statusWifi"
                                  << ":/ui/images/icon_wifi_unknown.png";
    QTest::newRow("wifi full") << "setUIStatusWifi" << 6 << "statusWifi"
                               << ":/ui/images/icon_wifi_step4_press.png";
    QTest::newRow("ag dim") << "setUIStatusAGMode" << 2 << "statusAGMode"
                            << ":/ui/images/status/icon_AG_dim.png";
    QTest::newRow("pairing") << "setUIStatusBTHeadsetPairing" << 1 << "statusBTHSetPairing"
                             << ":/ui/images/status/icon_status_bthset.png";
}

void tst_Status::multiValuedImages()
{
    QFETCH(QString, setter);
    QFETCH(int, value);
    QFETCH(QString, labelName);
    QFETCH(QString, image);
    // The setters are slots, reachable by name as the shell's other parts reach them.
    const QMetaObject *meta = m_shell->status.metaObject();
    bool found = false;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != setter.toLatin1())
            continue;
        found = true;
        void *args[] = {nullptr, &value};
        QMetaObject::metacall(&m_shell->status, QMetaObject::InvokeMetaMethod, i, args);
    }
    QVERIFY(found);
    auto shown = m_shell->status.findChild<QLabel *>(labelName);
    QVERIFY(!shown->isHidden());
    QVERIFY(!resource(image).isNull());
    QCOMPARE(imageOf(shown), resource(image));
}

void tst_Status::replaceScreenReportsCamera()
{
    Status &status = m_shell->status;
    QSignalSpy screen(&status, &Status::changeReplaceScreen);
    QSignalSpy camOff(&status, &Status::changeCamOff);
    status.setUIStatusReplaceScreen(Status::UIStatusReplaceScreenOff);
    QCOMPARE(screen.count(), 1);
    QCOMPARE(camOff.count(), 1);
    QCOMPARE(camOff.at(0).at(0).toBool(), true);

    QTest::ignoreMessage(QtDebugMsg, "Status::setUIStatusReplaceScreen value!!! 3");
    status.setUIStatusReplaceScreen(Status::UIStatusReplaceScreenViewOffDim);
    QCOMPARE(camOff.last().at(0).toBool(), false);
    QCOMPARE(status.getUIStatusReplaceScreen(), Status::UIStatusReplaceScreenViewOffDim);
    QCOMPARE(imageOf(label("statusScreen")), resource(":/ui/images/status/icon_view_off_dim.png"));
}

void tst_Status::onOffIndicatorsWaitForTheEndOfACall()
{
    Status &status = m_shell->status;
    QSignalSpy info(&status, &Status::statusInfoChanged);
    status.setStatusIcon_isCall(true);
    info.clear();
    status.setUIStatusLock(true);
    status.setUIStatusConnectAOM(true);
    QVERIFY(label("statusLock")->isHidden());
    QVERIFY(label("statusConnectAOM")->isHidden());
    QCOMPARE(info.count(), 0);

    status.setStatusIcon_isCall(false);
    QVERIFY(!label("statusLock")->isHidden());
    QVERIFY(!label("statusConnectAOM")->isHidden());
    QCOMPARE(info.count(), 1);

    // Outside a call the indicator follows at once.
    status.setUIStatusWifiHotspot(true);
    QVERIFY(!label("statusWiFiHotspot")->isHidden());
    status.setUIStatusWifiHotspot(false);
    QVERIFY(label("statusWiFiHotspot")->isHidden());
    QCOMPARE(info.count(), 3);
}

void tst_Status::callAnimation()
{
    Status &status = m_shell->status;
    status.setUIStatusCall(true);
    QVERIFY2(label("statusCall")->isHidden(), "no call animation outside the in-call layout");

    status.setStatusIcon_isCall(true);
    status.setUIStatusCall(true);
    QVERIFY(!label("statusCall")->isHidden());
    const QString frames[] = {
        ":/ui/images/status/icon_dial_line.png",    ":/ui/images/status/icon_dial_line_01.png",
        ":/ui/images/status/icon_dial_line_02.png", ":/ui/images/status/icon_dial_line_03.png",
        ":/ui/images/status/icon_dial_line_04.png", ":/ui/images/status/icon_dial_line_05.png",
        ":/ui/images/status/icon_dial_line.png"};
    QCOMPARE(imageOf(label("statusCall")), resource(frames[0]));
    for (int frame = 1; frame < 7; ++frame) {
        status.callTimeout();
        QVERIFY(!resource(frames[frame]).isNull());
        QCOMPARE(imageOf(label("statusCall")), resource(frames[frame]));
    }
    status.setUIStatusCall(false);
    QVERIFY(label("statusCall")->isHidden());
}

void tst_Status::inCallLayout()
{
    Status &status = m_shell->status;
    QSignalSpy info(&status, &Status::statusInfoChanged);
    status.setStatusIcon_isCall(true);
    QVERIFY(status.statusIcon_isCall());
    QVERIFY(!status.presenceIconVisible());
    QVERIFY(label("titleLabel")->isHidden());
    QCOMPARE(info.count(), 1);
    status.setStatusIcon_isCall(true);
    QCOMPARE(info.count(), 1);

    status.setStatusIcon_isCall(false);
    status.setDisplayRssi(QStringLiteral("-61"));
    status.setStatusIcon_isCall(true);
    QVERIFY2(!label("titleLabel")->isHidden(), "the title stays while the signal is displayed");
}

void tst_Status::inputMethodIndicator_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("ime");
    QTest::addColumn<QString>("image");
    QTest::newRow("hangul") << int(Core::Korean) << 1 << "indicator_language_hangul.png";
    QTest::newRow("korean state in english")
        << int(Core::English) << 1 << "indicator_language_english_01.png";
    QTest::newRow("lower case") << int(Core::Korean) << 2 << "indicator_language_english_01.png";
    QTest::newRow("upper case") << int(Core::German) << 3 << "indicator_language_english.png";
    QTest::newRow("number") << int(Core::German) << 4 << "indicator_language_number.png";
}

void tst_Status::inputMethodIndicator()
{
    QFETCH(int, language);
    QFETCH(int, ime);
    QFETCH(QString, image);
    m_shell->core.setLanguage(language);
    Status &status = m_shell->status;
    status.setIMEStatus(IMEStatus(ime));
    QVERIFY(!label("specialCharLabel")->isHidden());
    QVERIFY(!label("charLabel")->isHidden());
    QVERIFY(label("timeLabel")->isHidden());
    QCOMPARE(imageOf(label("charLabel")), resource(":/ui/images/status/" + image));

    status.setIMEStatus(IMEStatusSymbol);
    QVERIFY(label("charLabel")->isHidden());
    QVERIFY(!label("timeLabel")->isHidden());
}

void tst_Status::titleWidth()
{
    Status &status = m_shell->status;
    status.resize(480, 32);
    // Only the clock is counted: 480 - 67 leaves more than the cap.
    QCOMPARE(status.titleLabelWidgetWidth(), 300);
    status.setUIStatusWifi(Status::UIStatusWifiStep2);
    status.setUIStatusHeadSet(Status::UIStatusHeadsetOn);
    status.setUIStatusLock(true);
    status.setIMEStatus(IMEStatusNumber);
    const char *const counted[] = {"statusWifi", "statusHeadset", "statusLock",
                                   "specialCharLabel", "charLabel"};
    int used = 0;
    for (const char *name : counted)
        used += label(name)->width();
    QCOMPARE(status.titleLabelWidgetWidth(), qMin(480 - used, 300));
    // The call indicator and the presence icon do not count.
    status.setStatusIcon_isCall(true);
    status.setUIStatusCall(true);
    QCOMPARE(status.titleLabelWidgetWidth(), qMin(480 - used + label("statusLock")->width(), 300));
}

void tst_Status::titleCanBeFrozen()
{
    Status &status = m_shell->status;
    status.setTitle(QStringLiteral("Settings"));
    status.setDisabledUpdateTitle(true);
    QTest::ignoreMessage(QtDebugMsg, "Status::setTitle m_disabledUpdateTitle: true");
    status.setTitle(QStringLiteral("Other"));
    QCOMPARE(status.title(), QStringLiteral("Settings"));
}

void tst_Status::clockFormatAndBlink()
{
    Status &status = m_shell->status;
    auto clock = status.findChild<TimeLabel *>(QStringLiteral("timeLabel"));
    // The constructor flips the colon once at once, so the first second shows the space.
    QVERIFY(!clock->blinkFlag());
    status.timeout();
    QVERIFY(clock->blinkFlag());
    status.setTime24Hour(true);
    QVERIFY(clock->time24Hour());
    QCOMPARE(clock->minimumWidth(), 44);
    status.setTime24Hour(false);
    QCOMPARE(clock->minimumWidth(), 67);
}

QTEST_MAIN(tst_Status)
#include "tst_status.moc"
