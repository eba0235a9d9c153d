#include "screenfixture.h"

#include "appmessage.h"

#include <QSignalSpy>

namespace {

QByteArray result(const QString &word)
{
    return AppMessage::payload(word);
}

} // namespace

class tst_SaveCycle : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void unchangedSaveCloses();
    void validation_data();
    void validation();
    void switchingOnWithAnswerOn();
    void switchingOnWithAnotherAnswer();
    void switchingOnWithoutAnswer();
    void switchingOffSkipsValidation();
    void switchingOffWithoutAnswer();
    void saveAgainWhileApplying();
    void hidingOrEndingWhileApplying();
    void resultWithNoSavePending();
    void noticesRetiredInsideTheirOwnLoop_data();
    void noticesRetiredInsideTheirOwnLoop();
    void failedWriteIsNotSaved();
    void scriptPathIsNotInterpreted();

private:
    // Opens the screen with the hotspot off and valid texts, then edits it the way a user
    // would before pressing Save.
    void openWith(bool on, const QString &ssid, const QString &password);
    // Presses Save; a modal notice that shows is recorded and ended at once.
    void pressSave();
    void answer(const QString &word);
    QStringList m_notices;
    ScreenFixture *f = nullptr;
    QSignalSpy *m_sent = nullptr;
};

void tst_SaveCycle::init()
{
    f = new ScreenFixture;
    f->installRecorder();
    f->writeConf(f->hostapdConf(),
        "[TETHERING]\ninterface=wlan1\nhw_mode=g\nieee80211n=0\nssid=Office\n"
        "wpa_passphrase=secret99\n[STATION]\nssid=Home\n");
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=false\n");
    m_sent = new QSignalSpy(&f->shell.core, &Core::appMessageSent);
    m_notices.clear();
}

void tst_SaveCycle::cleanup()
{
    delete m_sent;
    delete f;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SaveCycle::openWith(bool on, const QString &ssid, const QString &password)
{
    f->open();
    if (on)
        f->tap(Qt::Key_Enter);
    f->ssid()->setEditText(ssid);
    f->password()->setEditText(password);
    m_sent->clear();
}

void tst_SaveCycle::pressSave()
{
    QPointer<QTimer> watch = f->whenNoticeShows([this](Toast *toast) {
        m_notices << toast->message();
        ScreenFixture::expire(toast);
    });
    f->softKey(4);
    delete watch;
}

void tst_SaveCycle::answer(const QString &word)
{
    f->screen->receiveMsg(QStringLiteral("wifi2ui_Hotspot(str)"), result(word));
}

void tst_SaveCycle::unchangedSaveCloses()
{
    openWith(false, QStringLiteral("Office"), QStringLiteral("secret99"));
    // Toggling twice is no change either.
    f->tap(Qt::Key_Enter);
    f->tap(Qt::Key_Enter);
    QTest::ignoreMessage(QtWarningMsg, "######## same data #########");
    pressSave();
    QCOMPARE(m_notices, QStringList({"Saved"}));
    QVERIFY(!f->screen->isVisible());
    QVERIFY(!f->screen->guardTimer());
    QCOMPARE(f->scriptRuns(), 0);
}

void tst_SaveCycle::validation_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("row");
    QTest::newRow("empty name") << ""
                                << ""
                                << "Phone SSID is Empty" << 3;
    QTest::newRow("empty passphrase") << "Lab"
                                      << ""
                                      << "Password is Empty " << 4;
    QTest::newRow("7 characters") << "Lab"
                                  << "1234567"
                                  << "Password is too short (8~63)" << 4;
    QTest::newRow("korean name first")
        << QString::fromUtf8("연구실") << QString::fromUtf8("비밀번호12345")
        << "Do not Enter the ID into Korean" << 3;
    QTest::newRow("korean passphrase") << "Lab" << QString::fromUtf8("pass워드word")
                                       << "Do not Enter the Password into Korean" << 4;
}

void tst_SaveCycle::validation()
{
    QFETCH(QString, ssid);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(int, row);
    openWith(true, ssid, password);
    const QByteArray before
        = QSettings(f->hostapdConf(), QSettings::IniFormat).value("TETHERING/ssid").toByteArray();
    f->shell.core.setIMEStatus(IMEStatusOff, false);
    pressSave();
    QCOMPARE(m_notices, QStringList({message}));
    QCOMPARE(f->list()->selectedIdx(), row);
    QCOMPARE(f->shell.core.getIMEStatus(), IMEStatusEnglishLower);
    QVERIFY(f->screen->isVisible());
    QCOMPARE(f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QStringLiteral("false"));
    QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/ssid").toByteArray(), before);
    QCOMPARE(f->scriptRuns(), 0);
}

void tst_SaveCycle::switchingOnWithAnswerOn()
{
    openWith(true, QStringLiteral("  Lab 2 "), QStringLiteral("12345678"));
    QTest::ignoreMessage(
        QtWarningMsg, "hw_mode \"g\" iee80211n 0 ssid \"Lab 2\" \"********\" true");
    pressSave();
    QTRY_COMPARE(f->scriptRuns(), 1);
    QVERIFY(m_notices.isEmpty());
    QCOMPARE(f->waitNotice()->message(), QStringLiteral("Saving..."));
    QCOMPARE(f->screen->guardTimer()->interval(), 10000);
    QVERIFY(f->screen->guardTimer()->isActive());
    QVERIFY(f->screen->guardTimer()->isSingleShot());
    QCOMPARE(f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QStringLiteral("true"));
    QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/ssid").toString(), QStringLiteral("Lab 2"));
    QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/wpa_passphrase").toString(),
        QStringLiteral("12345678"));
    QCOMPARE(
        f->stored(f->hostapdConf(), "TETHERING/interface").toString(), QStringLiteral("wlan1"));
    QCOMPARE(f->stored(f->hostapdConf(), "STATION/ssid").toString(), QStringLiteral("Home"));

    f->whenNoticeShows([this](Toast *toast) {
        m_notices << toast->message();
        ScreenFixture::expire(toast);
    });
    answer(QStringLiteral("on"));
    QCOMPARE(m_notices, QStringList({"Saved"}));
    QVERIFY(!f->screen->guardTimer()->isActive());
    QVERIFY(!f->waitNotice());
    QVERIFY(!f->screen->isVisible());
    QCOMPARE(m_sent->count(), 1);
    QCOMPARE(m_sent->at(0).at(1).toString(), QStringLiteral("updateHotspotIcon(bool)"));
    QCOMPARE(m_sent->at(0).at(2).toByteArray(), QByteArray(1, '\1'));
}

void tst_SaveCycle::switchingOnWithAnotherAnswer()
{
    openWith(true, QStringLiteral("Lab"), QStringLiteral("12345678"));
    pressSave();
    answer(QStringLiteral("invalid_passphrase"));
    QVERIFY(!f->screen->guardTimer()->isActive());
    QVERIFY(!f->waitNotice());
    QCOMPARE(f->notice()->message(), QStringLiteral("Failed"));
    QVERIFY(f->screen->isVisible());
    QCOMPARE(f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QStringLiteral("false"));
    QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/ssid").toString(), QStringLiteral("Lab"));
    QCOMPARE(f->ssid()->editText(), QStringLiteral("Lab"));
    QCOMPARE(m_sent->count(), 0);
}

void tst_SaveCycle::switchingOnWithoutAnswer()
{
    openWith(true, QStringLiteral("Lab"), QStringLiteral("12345678"));
    pressSave();
    QTRY_COMPARE(f->scriptRuns(), 1);
    f->screen->guardTimer()->stop();
    QVERIFY(QMetaObject::invokeMethod(f->screen, "displayResult"));
    QTRY_COMPARE(f->scriptRuns(), 2);
    QCOMPARE(f->notice()->message(), QStringLiteral("Failed\nPlease try again"));
    QVERIFY(!f->waitNotice());
    QVERIFY(f->screen->isVisible());
    QCOMPARE(f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QStringLiteral("false"));
    QCOMPARE(m_sent->count(), 1);
    QCOMPARE(m_sent->at(0).at(2).toByteArray(), QByteArray(1, '\0'));
}

void tst_SaveCycle::switchingOffSkipsValidation()
{
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    openWith(true, QString(), QString());
    QCOMPARE(f->useHotspot()->isChecked(), false);
    pressSave();
    QVERIFY(m_notices.isEmpty());
    QCOMPARE(f->screen->guardTimer()->interval(), 5000);
    QCOMPARE(f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QStringLiteral("false"));
    QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/ssid").toString(), QString());

    f->whenNoticeShows([this](Toast *toast) {
        m_notices << toast->message();
        ScreenFixture::expire(toast);
    });
    answer(QStringLiteral("on"));
    QCOMPARE(m_notices, QStringList({"Saved"}));
    QVERIFY(!f->screen->isVisible());
    QCOMPARE(m_sent->at(0).at(2).toByteArray(), QByteArray(1, '\0'));
}

void tst_SaveCycle::switchingOffWithoutAnswer()
{
    f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    openWith(true, QStringLiteral("Office"), QStringLiteral("secret99"));
    pressSave();
    QTRY_COMPARE(f->scriptRuns(), 1);
    f->screen->guardTimer()->stop();
    f->whenNoticeShows([this](Toast *toast) {
        m_notices << toast->message();
        ScreenFixture::expire(toast);
    });
    QVERIFY(QMetaObject::invokeMethod(f->screen, "displayResult"));
    QCOMPARE(m_notices, QStringList({"Saved"}));
    QVERIFY(!f->screen->isVisible());
    QCOMPARE(f->scriptRuns(), 1);
    QCOMPARE(m_sent->count(), 1);
    QCOMPARE(m_sent->at(0).at(2).toByteArray(), QByteArray(1, '\0'));
}

void tst_SaveCycle::saveAgainWhileApplying()
{
    openWith(true, QStringLiteral("Lab"), QStringLiteral("12345678"));
    pressSave();
    QTRY_COMPARE(f->scriptRuns(), 1);
    QPointer<ToastWait> first = f->waitNotice();
    pressSave();
    QTRY_COMPARE(f->scriptRuns(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(!first, "the previous progress notice is replaced");
    QVERIFY(f->waitNotice());
    QVERIFY(f->screen->guardTimer()->isActive());
    QCOMPARE(f->screen->guardTimer()->remainingTime() > 9000, true);
}

void tst_SaveCycle::hidingOrEndingWhileApplying()
{
    openWith(true, QStringLiteral("Lab"), QStringLiteral("12345678"));
    pressSave();
    f->screen->hide();
    QVERIFY(!f->screen->guardTimer()->isActive());
    QVERIFY(!f->waitNotice());

    f->open();
    f->tap(Qt::Key_Enter);
    f->ssid()->setEditText(QStringLiteral("Lab"));
    f->password()->setEditText(QStringLiteral("12345678"));
    pressSave();
    QVERIFY(f->screen->guardTimer()->isActive());
    QVERIFY(f->screen->end());
    QVERIFY(!f->screen->isVisible());
    QVERIFY(!f->screen->guardTimer()->isActive());
    QVERIFY(!f->waitNotice());
}

void tst_SaveCycle::resultWithNoSavePending()
{
    f->open();
    f->whenNoticeShows([this](Toast *toast) {
        m_notices << toast->message();
        ScreenFixture::expire(toast);
    });
    answer(QStringLiteral("on"));
    QCOMPARE(m_notices, QStringList({"Saved"}));
    QVERIFY(!f->screen->isVisible());
}

// A second result, a late guard or end() arriving while "Saved" runs its own modal loop
// retires that notice under the loop's feet.
void tst_SaveCycle::noticesRetiredInsideTheirOwnLoop_data()
{
    QTest::addColumn<QString>("intruder");
    QTest::newRow("second result") << "result";
    QTest::newRow("guard expiry") << "guard";
    QTest::newRow("end") << "end";
}

void tst_SaveCycle::noticesRetiredInsideTheirOwnLoop()
{
    QFETCH(QString, intruder);
    openWith(true, QStringLiteral("Lab"), QStringLiteral("12345678"));
    pressSave();
    f->whenNoticeShows([this, intruder](Toast *first) {
        m_notices << first->message();
        if (intruder == QLatin1String("result")) {
            f->whenNoticeShows([this](Toast *second) {
                m_notices << second->message();
                ScreenFixture::expire(second);
            });
            answer(QStringLiteral("on"));
        } else if (intruder == QLatin1String("guard")) {
            QMetaObject::invokeMethod(f->screen, "displayResult");
        } else {
            f->screen->end();
        }
    });
    answer(QStringLiteral("on"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_notices.startsWith(QStringLiteral("Saved")));
    QVERIFY(f->screen);
    QVERIFY(!f->notice() || intruder == QLatin1String("guard"));
}

void tst_SaveCycle::failedWriteIsNotSaved()
{
    openWith(true, QStringLiteral("Lab"), QStringLiteral("12345678"));
    // The configuration directory has become a file: nothing can be written there.
    QDir(f->shell.path(QStringLiteral("/configs/wireless"))).removeRecursively();
    f->writeConf(f->shell.path(QStringLiteral("/configs/wireless")), "not a directory");
    pressSave();
    QCOMPARE(f->notice()->message(), QStringLiteral("Failed"));
    QVERIFY(f->screen->isVisible());
    QCOMPARE(f->ssid()->editText(), QStringLiteral("Lab"));
    QVERIFY(!f->waitNotice());
    QVERIFY(!f->screen->guardTimer());
    // The switch is put back, so the next load does not claim a hotspot that never started.
    QCOMPARE(f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QStringLiteral("false"));
    QCOMPARE(f->scriptRuns(), 0);
}

void tst_SaveCycle::scriptPathIsNotInterpreted()
{
    const QString odd = f->shell.root.path() + QStringLiteral("/it's \"a\" $(touch pwned) box");
    QVERIFY(QDir().mkpath(odd));
    f->shell.core.setDeviceRoot(odd);
    f->installRecorder();
    openWith(true, QStringLiteral("Lab"), QStringLiteral("12345678"));
    pressSave();
    QTRY_COMPARE(f->scriptRuns(), 1);
    QVERIFY(!QFile::exists(QStringLiteral("pwned")));
}

QObject *createSaveCycleTests()
{
    return new tst_SaveCycle;
}

#include "tst_savecycle.moc"
