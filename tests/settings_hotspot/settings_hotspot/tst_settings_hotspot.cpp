#include "screenfixture.h"

#include "appmessage.h"
#include "selectpopup.h"
#include "settings_hotspotinfo.h"

#include <QLineEdit>
#include <QPushButton>

extern "C" QObject *qt_plugin_instance();
extern "C" const char *qt_plugin_query_verification_data();

// The plug-in's entry points, the screen driven through its keys, and the save cycle with the
// hotspot script replaced by a recorder.
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
        m_sent = new QSignalSpy(&f->shell.core, &Core::appMessageSent);
        m_notices.clear();
    }
    void cleanup()
    {
        delete qt_plugin_instance();
        delete m_sent;
        delete f;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void pluginEntry()
    {
        QPointer<QObject> first = qt_plugin_instance();
        auto screen = qobject_cast<SettingsHotspot *>(first);
        QVERIFY(screen);
        QCOMPARE(qt_plugin_instance(), screen);
        void *const app = static_cast<BaseAppInterface *>(screen);
        QCOMPARE(screen->qt_metacast("SettingsHotspot"), static_cast<void *>(screen));
        QCOMPARE(screen->qt_metacast("BaseAppInterface"), app);
        QCOMPARE(screen->qt_metacast("com.quorvelnet.Plugin.BaseAppInterface/1.0"), app);
        QVERIFY(!screen->qt_metacast("SettingsHotspotInfo"));
        delete first;
        QVERIFY(qobject_cast<SettingsHotspot *>(qt_plugin_instance()));
        QCOMPARE(QByteArray(qt_plugin_query_verification_data()),
            QByteArray("pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=4.8.2\ndebug=false\n"
                       "buildkey=arm linux g++-4 no-pkg-config"));
    }
    void everyShowTellsTheIdleScreen()
    {
        f->screen->show();
        f->screen->hide();
        f->screen->show();
        QCOMPARE(m_sent->count(), 2);
        for (const QList<QVariant> &message : qAsConst(*m_sent))
            QCOMPARE(message, QVariantList({"idle", "updateHotspotIcon(bool)", QByteArray(1, 0)}));
    }
    void languageChange()
    {
        f->shell.core.setLanguage(Core::German);
        f->screen->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(f->shell.status.title(), QStringLiteral("Einstellungen | WLAN-Hotspot"));
        QCOMPARE(f->tail()->funcButtonText(1), QStringLiteral("Info"));
        QCOMPARE(f->tail()->funcButtonText(4), QStringLiteral("Speichern"));
        f->shell.core.setIMEStatus(IMEStatusEnglishLower, false);
        QCOMPARE(f->tail()->button(3)->text(), QStringLiteral("Löschen"));
        f->shell.core.setLanguage(Core::English);
        f->screen->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(f->shell.status.title(), QStringLiteral("Settings | Wi-Fi Hotspot"));
    }

    void loadAndEnableTheRows()
    {
        QTest::ignoreMessage(
            QtWarningMsg, "ssid \"Office\" password \"********\" default \"KLX-p7720_unknown\"");
        f->open();
        QCOMPARE(choices(), QStringLiteral("2.4G 802.11n"));
        QCOMPARE(f->ssid()->editText() + ' ' + f->password()->editText(), "Office secret99");
        for (bool on : {false, true, false}) {
            QCOMPARE(f->useHotspot()->isChecked(), on);
            for (int idx = 1; idx < 5; ++idx)
                QCOMPARE(f->list()->item(idx)->m_itemSelectEnable, on);
            f->tap(Qt::Key_Enter);
        }
        QCOMPARE(storedSwitch(), QStringLiteral("false"));
    }
    void popupsOfferAndCancel_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("offer"); // the pre-selected choice marked '*'
        QTest::newRow("2.4G") << QByteArray("hw_mode=g\n") << 1 << QStringList {"2.4G*", "5G"};
        QTest::newRow("5G") << QByteArray("hw_mode=a\n") << 1 << QStringList {"2.4G", "5G*"};
        QTest::newRow("2.4G modes") << QByteArray("hw_mode=g\nieee80211n=1\n") << 2
                                    << QStringList {"802.11b", "802.11g", "802.11n*"};
        QTest::newRow("unknown mode") << QByteArray("hw_mode=G\n") << 2 << QStringList {"802.11a"};
    }
    void popupsOfferAndCancel()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, row);
        openEnabled(stored);
        const QString before = choices();
        QTEST(choose(row, 1, Qt::Key_F15), "offer");
        QCOMPARE(choices(), before);
    }
    void modeFollowsTheBand()
    {
        openEnabled("hw_mode=g\nieee80211n=1\n");
        // 5G takes the mode along to 802.11a, the only mode it then offers.
        choose(1, 1, Qt::Key_Enter);
        QCOMPARE(choices(), QStringLiteral("5G 802.11a"));
        QCOMPARE(choose(2, 0, Qt::Key_Escape), QStringList {"802.11a*"});
        // Back on 2.4G, 802.11a cannot stay.
        choose(1, 0, Qt::Key_F6);
        QCOMPARE(choices(), QStringLiteral("2.4G 802.11b"));
    }
    void textRowsSwitchTheInputState()
    {
        openEnabled(QByteArray());
        for (int row = 1; row < 5; ++row) {
            f->shell.core.setIMEStatus(IMEStatusNumber, false);
            f->tap(Qt::Key_Down);
            QCOMPARE(
                f->shell.core.getIMEStatus(), row < 3 ? IMEStatusNumber : IMEStatusEnglishLower);
        }
    }
    void longPressOfTheEraseKey()
    {
        openEnabled("ssid=Office\nwpa_passphrase=secret99\n");
        f->list()->setSelectedIdx(3);
        QTRY_COMPARE(f->list()->lineEdit()->text(), QStringLiteral("Office"));
        // The fourth key is the erase key while text is entered; holding it clears the row.
        f->shell.core.setIMEStatus(IMEStatusEnglishLower, true);
        QTest::keyPress(f->screen, Qt::Key_F14);
        QVERIFY(QMetaObject::invokeMethod(f->tail(), "longPressTimeout"));
        QTest::keyRelease(f->screen, Qt::Key_F14);
        QCOMPARE(f->ssid()->editText(), QString());
        QCOMPARE(f->list()->lineEdit()->text(), QString());
        QCOMPARE(f->password()->editText(), QStringLiteral("secret99"));
    }

    void savedClosesWithoutApplying()
    {
        // Toggling twice is no change either.
        openWith(true, "Office", "secret99");
        f->tap(Qt::Key_Enter);
        QTest::ignoreMessage(QtWarningMsg, "######## same data #########");
        pressSave();
        QCOMPARE(m_notices, QStringList({"Saved"}));
        QVERIFY(!f->screen->isVisible());
        // A result with no save pending neither closes the screen nor drops the user's edits.
        openWith(true, "Lab", "12345678");
        answer("on");
        QVERIFY(f->screen->isVisible() && !f->notice());
        QCOMPARE(f->ssid()->editText(), QStringLiteral("Lab"));
        QVERIFY(m_sent->isEmpty());
        QCOMPARE(f->scriptRuns(), 0);
    }
    // Values the rows show cut or cleaned survive saves that do not touch them.
    void storedValuesTheRowsCutSurvive()
    {
        const QByteArray conf = "[TETHERING]\nhw_mode=G\nssid=" + QByteArray(40, 'n')
            + "\nwpa_passphrase=" + QByteArray(64, 'f') + "\nieee80211n=1\n";
        const QByteArray env = "[HOTSPOT]\r\nHOTSPOT=TRUE\r\n";
        f->writeConf(f->hostapdConf(), conf);
        f->writeConf(f->envFile(), env);
        f->installRecorder();
        f->open();
        QCOMPARE(f->ssid()->editText().size(), 32);
        QTest::ignoreMessage(QtWarningMsg, "######## same data #########");
        pressSave();
        QCOMPARE(m_notices, QStringList({"Saved"}));
        QCOMPARE(f->scriptRuns(), 0);

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
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("row");
        const auto row = [](const char *name, const char *ssid, const char *password,
                             const char *message, int idx) {
            QTest::newRow(name) << QString::fromUtf8(ssid) << QString::fromUtf8(password)
                                << QString(message) << idx;
        };
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
        row("64 characters, not hex", "Lab",
            "gggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
            "Password is too long (8~63)", 4);
        row("accented passphrase", "Lab", "pässwort",
            "Use only English letters, digits\nand "
            "symbols in the Password",
            4);
        row("tab in passphrase", "Lab", "pass\tword",
            "Use only English letters, digits\nand "
            "symbols in the Password",
            4);
        row("32-byte name, 64 hex digits", "Café Ünïcödé Lôbby ßtudio",
            "0123456789abcdefABCDEF0123456789abcdefABCDEF0123456789abcdefABCD", "", -1);
        row("63 printable", "Lab",
            "~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !}~ !", "", -1);
    }
    void validation()
    {
        QFETCH(QString, ssid);
        QFETCH(QString, password);
        QFETCH(QString, message);
        openWith(true, ssid, password);
        pressSave();
        QVERIFY(f->screen->isVisible());
        if (message.isEmpty()) {
            QVERIFY(m_notices.isEmpty() && f->waitNotice());
            QTRY_COMPARE(f->scriptRuns(), 1);
            return;
        }
        QCOMPARE(m_notices, QStringList({message}));
        QTEST(f->list()->selectedIdx(), "row");
        QCOMPARE(storedSwitch(), QStringLiteral("false"));
        QCOMPARE(f->scriptRuns(), 0);
    }
    void applyOutcome_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("word"); // null: no answer before the guard expires
        QTest::addColumn<QString>("notice");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("indicator"); // -1: no update sent
        const auto row = [](const char *name, bool on, const char *word, const char *notice,
                             int runs, int indicator) {
            QTest::newRow(name) << on << QString(word) << QString(notice) << runs << indicator;
        };
        row("on, on", true, "on", "Saved", 1, 1);
        row("on, other", true, "invalid_passphrase", "Failed", 1, 0);
        // Without an answer the script runs again to switch the hotspot off.
        row("on, none", true, nullptr, "Failed\nPlease try again", 2, 0);
        row("off, on", false, "on", "Saved", 1, 0);
        row("off, none", false, nullptr, "Saved", 1, 0);
    }
    void applyOutcome()
    {
        QFETCH(bool, on);
        QFETCH(QString, word);
        QFETCH(QString, notice);
        QFETCH(int, runs);
        QFETCH(int, indicator);
        if (!on)
            f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
        // Switching off skips validation.
        const QString ssid = on ? "Lab 2" : "";
        openWith(true, on ? "  Lab 2 " : "", on ? "12345678" : "");
        pressSave();
        QTRY_COMPARE(f->scriptRuns(), 1);
        QCOMPARE(f->waitNotice()->message(), QStringLiteral("Saving..."));
        QCOMPARE(f->screen->guardTimer()->interval(), on ? 10000 : 5000);
        QVERIFY(f->screen->guardTimer()->isActive() && f->screen->guardTimer()->isSingleShot());
        QCOMPARE(storedSwitch(), QVariant(on).toString());
        QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/ssid").toString(), ssid);
        QCOMPARE(f->stored(f->hostapdConf(), "TETHERING/ieee80211n").toInt(), 1);

        // The result is told on the settings screen, also when the devices screen is over it.
        f->screen->findChild<SettingsHotspotInfo *>()->show();
        recordNotice();
        if (word.isNull()) {
            f->screen->guardTimer()->stop();
            QVERIFY(QMetaObject::invokeMethod(f->screen, "displayResult"));
        } else {
            answer(word);
        }
        QTRY_COMPARE(m_notices, QStringList {notice});
        QTRY_COMPARE(f->scriptRuns(), runs);
        QCOMPARE(f->screen->isVisible(), notice != QLatin1String("Saved"));
        QCOMPARE(storedSwitch(), QVariant(on && word == "on").toString());
        QVERIFY(!f->waitNotice() && !f->screen->guardTimer()->isActive());
        QCOMPARE(m_sent->count(), indicator < 0 ? 0 : 1);
        if (indicator >= 0)
            QCOMPARE(m_sent->at(0).at(2), QVariant(QByteArray(1, char(indicator))));
        QVERIFY(!f->screen->findChild<SettingsHotspotInfo *>()->isVisible());
        // A late answer, after the guard gave up or a failure, belongs to no save.
        if (f->screen->isVisible()) {
            answer("on");
            QCOMPARE(m_notices.size(), 1);
            QVERIFY(f->screen->isVisible() && m_sent->count() == 1);
            QCOMPARE(storedSwitch(), QStringLiteral("false"));
        }
    }
    void saveAgainHideOrEndWhileApplying()
    {
        openWith(true, "Lab", "12345678");
        pressSave();
        QTRY_COMPARE(f->scriptRuns(), 1);
        QPointer<ToastWait> first = f->waitNotice();
        // A Save that did not restart the guard would leave it at this short interval.
        f->screen->guardTimer()->start(100);
        pressSave();
        QTRY_COMPARE(f->scriptRuns(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(!first && f->waitNotice(), "the progress notice is replaced");
        QVERIFY(f->screen->guardTimer()->remainingTime() > 9000);
        for (bool end : {false, true}) {
            if (end) {
                openWith(true, "Lab", "12345678");
                pressSave();
                QVERIFY(f->screen->end());
            } else {
                f->screen->hide();
            }
            QVERIFY(!f->screen->isVisible() && !f->screen->guardTimer()->isActive());
            QVERIFY(!f->waitNotice());
        }
    }
    // A second result, a late guard or end() arriving while "Saved" runs its own modal loop
    // retires that notice under the loop's feet.
    void noticesRetiredInsideTheirOwnLoop()
    {
        for (int intruder : {0, 1, 2}) {
            f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=false\n");
            openWith(true, "Lab", "12345678");
            pressSave();
            m_notices.clear();
            f->whenNoticeShows([this, intruder](Toast *first) {
                m_notices << first->message();
                if (intruder == 0) {
                    recordNotice();
                    answer("on");
                } else if (intruder == 1) {
                    QMetaObject::invokeMethod(f->screen, "displayResult");
                } else {
                    f->screen->end();
                }
            });
            answer("on");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(m_notices.value(0), QStringLiteral("Saved"));
            QVERIFY(f->screen && (!f->notice() || intruder == 1));
        }
    }
    void saveThatCannotRun_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("fault");
        QTest::newRow("unwritable settings") << true << "unwritable";
        QTest::newRow("no script, switching on") << true << "missing";
        QTest::newRow("no script, switching off") << false << "missing";
        QTest::newRow("script not executable") << true << "not executable";
    }
    void saveThatCannotRun()
    {
        QFETCH(bool, on);
        QFETCH(QString, fault);
        f->writeConf(f->envFile(), on ? "[HOTSPOT]\nHOTSPOT=false\n" : "[HOTSPOT]\nHOTSPOT=true\n");
        openWith(true, "Lab", "12345678");
        const QString script = f->shell.path("/usr/sbin/hotspot.sh");
        if (fault == "missing") {
            QFile::remove(script);
        } else if (fault == "not executable") {
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner);
        } else {
            // The configuration directory has become a file: nothing can be written there.
            const QString dir = f->shell.path("/configs/wireless");
            QDir(dir).removeRecursively();
            f->writeConf(dir, "not a directory");
        }
        pressSave();
        QCOMPARE(f->notice() ? f->notice()->message() : QString(), QStringLiteral("Failed"));
        QVERIFY(f->screen->isVisible() && !f->waitNotice());
        QVERIFY(!f->screen->guardTimer() || !f->screen->guardTimer()->isActive());
        // The switch is put back, so the next load does not claim a change that never ran.
        QCOMPARE(storedSwitch(), QVariant(!on).toString());
        QCOMPARE(f->scriptRuns(), 0);
        for (const QList<QVariant> &message : qAsConst(*m_sent))
            QCOMPARE(message.at(2), QVariant(QByteArray(1, char(!on))));
    }
    // The script is started without a shell, so a device path with quotes and a command
    // substitution in it is just a path.
    void scriptPathIsNotInterpreted()
    {
        const QString odd = f->shell.root.path() + "/it's \"a\" $(touch pwned) box";
        QVERIFY(QDir().mkpath(odd));
        f->shell.core.setDeviceRoot(odd);
        f->installRecorder();
        openWith(true, "Lab", "12345678");
        pressSave();
        QTRY_COMPARE(f->scriptRuns(), 1);
        QVERIFY(!QFile::exists("pwned"));
    }

private:
    void openEnabled(const QByteArray &tethering)
    {
        f->writeConf(f->hostapdConf(), "[TETHERING]\n" + tethering);
        f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
        f->open();
    }
    void openWith(bool toggle, const QString &ssid, const QString &password)
    {
        f->open();
        if (toggle)
            f->tap(Qt::Key_Enter);
        f->ssid()->setEditText(ssid);
        f->password()->setEditText(password);
        m_sent->clear();
    }
    // Opens the popup of row 'idx' with the keypad, notes what it offers, moves to choice
    // 'select' and leaves with 'key'.
    QStringList choose(int idx, int select, Qt::Key key)
    {
        QStringList offer;
        f->list()->setSelectedIdx(idx);
        QTimer::singleShot(0, f->screen, [&] {
            QTRY_VERIFY(f->screen->findChild<SelectPopup *>());
            ListView *list = f->screen->findChild<SelectPopup *>()->listView();
            QTRY_VERIFY(list->hasFocus());
            for (int i = 0; i < list->itemSize(); ++i) {
                auto row = static_cast<ListViewRadioItem *>(list->item(i));
                offer << row->text() + (row->isChecked() ? "*" : "");
                if (row->isChecked())
                    QCOMPARE(list->selectedIdx(), i);
            }
            list->setSelectedIdx(select);
            f->tap(key, list);
        });
        f->tap(Qt::Key_Enter);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (f->screen->findChild<SelectPopup *>())
            offer << "the popup stayed";
        // The window system gives the screen back the keys once the popup has gone.
        QApplication::setActiveWindow(f->screen);
        f->list()->setFocus();
        return offer;
    }
    // Notes the next result notice and ends it as its timeout would.
    QPointer<QTimer> recordNotice()
    {
        return f->whenNoticeShows([this](Toast *toast) {
            const bool covered = f->screen->findChild<SettingsHotspotInfo *>()->isVisible();
            m_notices << toast->message() + (covered ? " under the devices screen" : "");
            ScreenFixture::expire(toast);
        });
    }
    // Presses Save; a modal notice that shows is noted and ended at once.
    void pressSave()
    {
        QPointer<QTimer> watch = recordNotice();
        f->softKey(4);
        delete watch;
    }
    void answer(const QString &word)
    {
        f->screen->receiveMsg("wifi2ui_Hotspot(str)", AppMessage::payload(word));
    }
    QString choices() const
    {
        return f->frequency()->selectedText() + ' ' + f->mode()->selectedText();
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString storedSwitch() const { return f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(); }
    QStringList m_notices;
    ScreenFixture *f = nullptr;
    QSignalSpy *m_sent = nullptr;
};

QTEST_MAIN(tst_SettingsHotspot)
#include "tst_settings_hotspot.moc"
