#include "screenfixture.h"
#include "testcompat.h"

#include "selectpopup.h"
#include "settings_hotspotinfo.h"

// The screen driven through its keys, and the save cycle with the hotspot script replaced by a
// recorder. The shell's loading of the plug-in is the simulator's and the device smoke test's.
class tst_SettingsHotspot : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = new ScreenFixture;
        f->installRecorder();
        f->writeConf(f->hostapdConf(),
            "[TETHERING]\ninterface=wlan1\nhw_mode=g\nieee80211n=1\n"
            "ssid=Office\nwpa_passphrase=secret99\n[STATION]\nssid=Home\n");
        f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=false\n");
        m_sent
            = new QSignalSpy(&f->shell.core, SIGNAL(appMessageSent(QString, QString, QByteArray)));
        m_notices.clear();
    }
    void cleanup()
    {
        delete m_sent;
        delete f;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void loadAndTranslate()
    {
        f->open();
        QCOMPARE(
            m_sent->value(0), QVariantList({"idle", "updateHotspotIcon(bool)", QByteArray(1, 0)}));
        for (bool on : {false, true}) {
            QCOMPARE(f->useHotspot()->isChecked(), on);
            QCOMPARE(f->list()->item(4)->m_itemSelectEnable, on);
            f->tap(Qt::Key_Enter);
        }
        f->shell.core.setLanguage(Core::German);
        f->screen->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(f->tail()->funcButtonText(4), QStringLiteral("Speichern"));
    }
    // The band takes the mode along: 5G allows 802.11a alone, which 2.4G cannot keep.
    void popups_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("select");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("to 5G") << QByteArray("g\nieee80211n=1") << 1 << 1 << int(Qt::Key_Enter)
                               << "5G 802.11a";
        QTest::newRow("back to 2.4G")
            << QByteArray("a") << 1 << 0 << int(Qt::Key_Enter) << "2.4G 802.11b";
        QTest::newRow("cancelled")
            << QByteArray("g") << 2 << 2 << int(Qt::Key_F15) << "2.4G 802.11g";
        QTest::newRow("backed out")
            << QByteArray("a") << 1 << 0 << int(Qt::Key_Escape) << "5G 802.11a";
    }
    void popups()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, row);
        QFETCH(int, select);
        QFETCH(int, key);
        f->writeConf(f->hostapdConf(), "[TETHERING]\nhw_mode=" + stored + "\n");
        f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
        f->open();
        f->list()->setSelectedIdx(row);
        runSoon(f->screen, [&] {
            QTRY_VERIFY(f->screen->findChild<SelectPopup *>());
            ListView *list = f->screen->findChild<SelectPopup *>()->listView();
            QTRY_VERIFY(list->hasFocus());
            list->setSelectedIdx(select);
            f->tap(Qt::Key(key), list);
        });
        f->tap(Qt::Key_Enter);
        QTEST(QString(f->frequency()->selectedText() + ' ' + f->mode()->selectedText()), "after");
    }
    // A result with no save pending neither closes the screen nor drops the user's edits.
    void resultWithoutASave()
    {
        openWith("Lab", "12345678");
        f->answer("on");
        QVERIFY(f->screen->isVisible() && !f->notice() && m_sent->isEmpty());
        QCOMPARE(f->ssid()->editText(), QStringLiteral("Lab"));
        QCOMPARE(f->scriptRuns(), 0);
    }
    // Values the rows show cut or cleaned survive saves that do not touch them.
    void storedValuesTheRowsCutSurvive()
    {
        const QByteArray conf = "[TETHERING]\nhw_mode=G\nssid=" + QByteArray(40, 'n')
            + "\nwpa_passphrase=" + QByteArray(64, 'f') + "\nieee80211n=1\n";
        f->writeConf(f->hostapdConf(), conf);
        f->writeConf(f->envFile(), "[HOTSPOT]\r\nHOTSPOT=TRUE\r\n");
        f->open();
        QCOMPARE(f->ssid()->editText().size(), 32);
        // Toggling twice is no change either: "Saved", and the screen closes.
        f->tap(Qt::Key_Enter);
        f->tap(Qt::Key_Enter);
        QTest::ignoreMessage(QtWarningMsg, "######## same data #########");
        pressSave();
        QCOMPARE(m_notices, QStringList({"Saved"}));
        QVERIFY(!f->screen->isVisible());
        f->open();
        f->tap(Qt::Key_Enter);
        f->softKey(4);
        QTRY_COMPARE(f->scriptRuns(), 1);
        QCOMPARE(bytesOf(f->hostapdConf()), conf);
        QCOMPARE(bytesOf(f->envFile()), QByteArray("[HOTSPOT]\r\nHOTSPOT=false\r\n"));
    }
    void validation_data()
    {
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<int>("row");
        const auto row = [](const char *name, const char *ssid, const char *password,
                             const char *message, int idx) {
            QTest::newRow(name) << QString::fromUtf8(ssid) << QString::fromUtf8(password)
                                << QString(message) << idx;
        };
        const char *const ascii = "Use only English letters, digits\nand symbols in the Password";
        row("empty name", "", "", "Phone SSID is Empty", 3);
        row("empty passphrase", "Lab", "", "Password is Empty ", 4);
        row("7 characters", "Lab", "1234567", "Password is too short (8~63)", 4);
        row("korean name first", "연구실", "비밀번호12345", "Do not Enter the ID into Korean", 3);
        row("korean passphrase", "Lab", "pass워드word", "Do not Enter the Password into Korean", 4);
        // What the Wi-Fi service would refuse, judged as stored: trimmed, the name in bytes.
        row("only spaces name", "   ", "12345678", "Phone SSID is Empty", 3);
        row("33-byte name", "Café Ünïcödé Lôbby ßtudio!", "12345678",
            "Phone SSID is too long\n(max. 32 bytes)", 3);
        row("7 characters in spaces", "Lab", " abcdefg ", "Password is too short (8~63)", 4);
        row("64 characters, not hex", "Lab", QByteArray(64, 'g').constData(),
            "Password is too long (8~63)", 4);
        row("accented passphrase", "Lab", "pässwort", ascii, 4);
        row("tab in passphrase", "Lab", "pass\tword", ascii, 4);
        row("32-byte name, 64 hex digits", "Café Ünïcödé Lôbby ßtudio",
            "0123456789abcdefABCDEF0123456789abcdefABCDEF0123456789abcdefABCD", "", -1);
        row("63 printable", "Lab", QByteArray(63, '~').replace(5, 1, " ").constData(), "", -1);
    }
    void validation()
    {
        QFETCH(QString, ssid);
        QFETCH(QString, password);
        QFETCH(QString, message);
        openWith(ssid, password);
        pressSave();
        QVERIFY(f->screen->isVisible());
        if (message.isEmpty()) {
            QVERIFY(m_notices.isEmpty() && f->waitNotice());
            QTRY_COMPARE(f->scriptRuns(), 1);
            return;
        }
        QCOMPARE(m_notices, QStringList({message}));
        QTEST(f->list()->selectedIdx(), "row");
        QCOMPARE(f->shell.core.getIMEStatus(), IMEStatusEnglishLower);
        QCOMPARE(storedSwitch(), QStringLiteral("false"));
        QCOMPARE(f->scriptRuns(), 0);
    }
    void applyOutcome_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("word"); // null: no answer before the guard expires
        QTest::addColumn<QString>("notice");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("indicator");
        QTest::newRow("on, on") << true << "on"
                                << "Saved" << 1 << 1;
        QTest::newRow("on, other") << true << "invalid_passphrase"
                                   << "Failed" << 1 << 0;
        // Without an answer the script runs again to switch the hotspot off.
        QTest::newRow("on, none") << true << QString() << "Failed\nPlease try again" << 2 << 0;
        QTest::newRow("off, on") << false << "on"
                                 << "Saved" << 1 << 0;
        QTest::newRow("off, none") << false << QString() << "Saved" << 1 << 0;
    }
    void applyOutcome()
    {
        QFETCH(bool, on);
        QFETCH(QString, word);
        QFETCH(QString, notice);
        QFETCH(int, runs);
        if (!on)
            f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
        // Switching off skips validation.
        openWith(on ? "  Lab 2 " : "", on ? "12345678" : "");
        pressSave();
        QTRY_COMPARE(f->scriptRuns(), 1);
        QCOMPARE(f->waitNotice()->message(), QStringLiteral("Saving..."));
        QCOMPARE(f->guard()->interval(), on ? 10000 : 5000);
        QVERIFY(f->guard()->isActive() && f->guard()->isSingleShot());
        QCOMPARE(storedSwitch(), QVariant(on).toString());
        QCOMPARE(
            f->stored(f->hostapdConf(), "TETHERING/ssid").toString(), QString(on ? "Lab 2" : ""));

        // The result is told on the settings screen, also when the devices screen is over it.
        SettingsHotspotPrivate::devices(f->screen)->show();
        recordNotice();
        if (word.isNull()) {
            f->guard()->stop();
            QVERIFY(QMetaObject::invokeMethod(f->screen, "displayResult"));
        } else {
            f->answer(word);
        }
        QTRY_COMPARE(m_notices, QStringList {notice});
        QTRY_COMPARE(f->scriptRuns(), runs);
        QCOMPARE(f->screen->isVisible(), notice != QLatin1String("Saved"));
        QCOMPARE(storedSwitch(), QVariant(on && word == "on").toString());
        QVERIFY(!f->waitNotice() && !f->guard()->isActive());
        QCOMPARE(m_sent->size(), 1);
        QTEST(int(m_sent->at(0).at(2).toByteArray().at(0)), "indicator");
        QVERIFY(!SettingsHotspotPrivate::devices(f->screen)->isVisible());
        // A late answer, after the guard gave up or a failure, belongs to no save.
        if (f->screen->isVisible()) {
            f->answer("on");
            QVERIFY(m_notices.size() == 1 && f->screen->isVisible() && m_sent->size() == 1);
            QCOMPARE(storedSwitch(), QStringLiteral("false"));
        }
    }
    void saveAgainHideOrEndWhileApplying()
    {
        openWith("Lab", "12345678");
        pressSave();
        QPointer<ToastWait> first = f->waitNotice();
        // A Save that did not restart the guard would leave it at this short interval.
        f->guard()->start(100);
        pressSave();
        QTRY_COMPARE(f->scriptRuns(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(!first && f->waitNotice(), "the progress notice is replaced");
        QVERIFY(f->guard()->isActive() && f->guard()->interval() == 10000);
        for (bool end : {false, true}) {
            if (end) {
                openWith("Lab", "12345678");
                pressSave();
                QVERIFY(f->screen->end());
            } else {
                f->screen->hide();
            }
            QVERIFY(!f->screen->isVisible() && !f->guard()->isActive() && !f->waitNotice());
        }
    }
    // A second result, a late guard or end() arriving while "Saved" runs its own modal loop
    // retires that notice under the loop's feet.
    void noticesRetiredInsideTheirOwnLoop()
    {
        for (int intruder : {0, 1, 2}) {
            f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=false\n");
            openWith("Lab", "12345678");
            pressSave();
            m_notices.clear();
            f->whenNoticeShows([this, intruder](Toast *first) {
                m_notices << first->message();
                if (intruder == 0) {
                    recordNotice();
                    f->answer("on");
                } else if (intruder == 1) {
                    QVERIFY(QMetaObject::invokeMethod(f->screen, "displayResult"));
                } else {
                    f->screen->end();
                }
            });
            f->answer("on");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(m_notices.value(0), QStringLiteral("Saved"));
            QVERIFY(f->screen && (!f->notice() || intruder == 1));
        }
    }
    // The script is started without a shell, so a device path with quotes and a command
    // substitution in it is just a path.
    void scriptPathIsNotInterpreted()
    {
        const QString odd = f->shell.root.path() + "/it's \"a\" $(touch pwned) box";
        QVERIFY(QDir().mkpath(odd));
        f->shell.core.setDeviceRoot(odd);
        f->installRecorder();
        openWith("Lab", "12345678");
        pressSave();
        QTRY_COMPARE(f->scriptRuns(), 1);
        QVERIFY(!QFile::exists("pwned"));
    }

private:
    void openWith(const QString &ssid, const QString &password)
    {
        f->openAndEdit(ssid, password);
        m_sent->clear();
    }
    // Notes the next result notice and ends it as its timeout would.
    QPointer<QObject> recordNotice()
    {
        return f->whenNoticeShows([this](Toast *toast) {
            m_notices << toast->message();
            ScreenFixture::expire(toast);
        });
    }
    // Presses Save; a modal notice that shows is noted and ended at once.
    void pressSave()
    {
        QPointer<QObject> watch = recordNotice();
        f->softKey(4);
        delete watch;
    }
    QString storedSwitch() const { return f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(); }
    QStringList m_notices;
    ScreenFixture *f = nullptr;
    QSignalSpy *m_sent = nullptr;
};

QTEST_MAIN(tst_SettingsHotspot)
#include "tst_settings_hotspot.moc"
