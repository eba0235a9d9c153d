// Faults the random-event soak found, each pinned down as the user meets it.

#include "../testhooks.h"
#include "screenfixture.h"

#include "selectpopup.h"

#include <QLineEdit>

class tst_Regressions : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = new ScreenFixture;
        f->installRecorder();
        f->writeConf(f->hostapdConf(),
            "[TETHERING]\nhw_mode=g\nieee80211n=0\nssid=Office\nwpa_passphrase=secret99\n");
        f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=true\n");
    }

    void cleanup()
    {
        delete f;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void popupGoesWithItsHiddenScreen_data()
    {
        QTest::addColumn<bool>("byEnd");
        QTest::newRow("shell hides the screen") << false;
        QTest::newRow("shell ends the application") << true;
    }

    // A popup left behind by a hidden screen stayed over whatever came next and took its keys.
    void popupGoesWithItsHiddenScreen()
    {
        QFETCH(bool, byEnd);
        f->open();
        f->list()->setSelectedIdx(1);
        QPointer<SelectPopup> seen;
        bool shownWhileOpen = false;
        bool leftBehind = false;
        QTimer::singleShot(0, f->screen, [&] {
            QTRY_VERIFY(f->screen->findChild<SelectPopup *>());
            seen = f->screen->findChild<SelectPopup *>();
            shownWhileOpen = static_cast<QWidget *>(seen.data())->isVisible();
            if (byEnd)
                f->screen->end();
            else
                f->screen->hide();
            // One left behind is closed here so that its loop cannot hold the test.
            QTimer::singleShot(SelectPopup::HideDurationMs * 3, f->screen, [&] {
                leftBehind = seen && static_cast<QWidget *>(seen.data())->isVisible();
                if (leftBehind)
                    static_cast<QWidget *>(seen.data())->hide();
            });
        });
        // Returns once the popup's own loop has ended.
        f->tap(Qt::Key_Enter);
        QVERIFY(shownWhileOpen);
        QVERIFY(!f->screen->isVisible());
        QVERIFY(!leftBehind);
        QCOMPARE(f->frequency()->selectedText(), QStringLiteral("2.4G"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!seen);
    }

    // A guard expiring under a validation message stacked its notice on top of it.
    void guardResultReplacesValidationMessage()
    {
        f->open();
        f->password()->setEditText(QStringLiteral("12345678"));
        f->softKey(4);
        QTimer *guard = TestHooks::guard(f->screen);
        QVERIFY(guard->isActive());

        f->password()->setEditText(QStringLiteral("short"));
        QStringList shownTogether;
        f->whenNoticeShows([this, guard, &shownTogether](Toast *validation) {
            QCOMPARE(validation->message(), QStringLiteral("Password is too short (8~63)"));
            guard->stop();
            QVERIFY(QMetaObject::invokeMethod(f->screen, "displayResult"));
            for (Toast *toast : f->shown())
                shownTogether << toast->message();
        });
        // Returns when the validation message's loop has ended.
        f->softKey(4);
        QCOMPARE(shownTogether, QStringList({"Failed\nPlease try again"}));
        QCOMPARE(f->shown().size(), 1);
        QCOMPARE(f->shown().first()->message(), QStringLiteral("Failed\nPlease try again"));
        // The failed save still points the user at the row to correct.
        QCOMPARE(f->list()->selectedIdx(), 4);
        QCOMPARE(f->password()->editText(), QStringLiteral("short"));
    }

    void validationMessageReplacesResult()
    {
        f->open();
        f->password()->setEditText(QStringLiteral("12345678"));
        f->softKey(4);
        f->answer(QStringLiteral("invalid_passphrase"));
        QCOMPARE(f->notice()->message(), QStringLiteral("Failed"));

        f->ssid()->setEditText(QString());
        QList<int> shownCounts;
        f->whenNoticeShows([this, &shownCounts](Toast *validation) {
            shownCounts << f->shown().size();
            ScreenFixture::expire(validation);
        });
        f->softKey(4);
        QCOMPARE(shownCounts, QList<int>({1}));
        QCOMPARE(f->list()->selectedIdx(), 3);
    }

    void linesQSettingsCannotReadDoNotFailTheSave_data()
    {
        QTest::addColumn<bool>("inSwitchFile");
        QTest::newRow("configuration file") << false;
        QTest::newRow("switch file") << true;
    }

    // A line QSettings cannot read made it report an error after writing; the save said "Failed"
    // and never ran the script, though the new settings were in the file.
    void linesQSettingsCannotReadDoNotFailTheSave()
    {
        QFETCH(bool, inSwitchFile);
        f->writeConf(inSwitchFile ? f->envFile() : f->hostapdConf(),
            "# written by the provisioning tool\n"
                + QByteArray(inSwitchFile
                        ? "[HOTSPOT]\nHOTSPOT=false\n"
                        : "[TETHERING]\nhw_mode=g\nssid=Office\nwpa_passphrase=secret99\n"));
        if (!inSwitchFile)
            f->writeConf(f->envFile(), "[HOTSPOT]\nHOTSPOT=false\n");
        f->open();
        f->tap(Qt::Key_Enter);
        f->softKey(4);
        QVERIFY(!f->notice());
        QVERIFY(f->waitNotice());
        QVERIFY(TestHooks::guarding(f->screen));
        QTRY_COMPARE(f->scriptRuns(), 1);
        QCOMPARE(f->stored(f->envFile(), "HOTSPOT/HOTSPOT").toString(), QStringLiteral("true"));
        QCOMPARE(
            f->stored(f->hostapdConf(), "TETHERING/ssid").toString(), QStringLiteral("Office"));
    }

    // The editor took the row's geometry as last painted: placed before the paint of a row new on
    // screen, it stayed zero pixels wide.
    void editorFollowsARowPaintedLate()
    {
        ListView list;
        for (int idx = 0; idx < 7; ++idx)
            list.addItem(new ListViewLineEditItem(
                QStringLiteral("Row %1").arg(idx), QStringLiteral("text")));
        list.resize(480, 208);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setSelectedIdx(4);
        QTRY_COMPARE(list.lineEdit()->y(), 4 * 42 + 5);

        list.setUpdatesEnabled(false);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedIdx(), 5);
        // The list scrolled by one row: row 5 is new on screen, at the bottom.
        QCOMPARE(list.startIdx(), 1);
        // The deferred placement runs while the list has not painted the new row.
        QTRY_COMPARE(list.lineEdit()->width(), 0);
        list.setUpdatesEnabled(true);

        // Rows of 41 pixels and a separator: the fifth shown starts at 168; its text box from 132.
        QTRY_COMPARE(list.lineEdit()->geometry(), QRect(QPoint(132, 173), QPoint(458, 201)));
    }

private:
    ScreenFixture *f = nullptr;
};

QTEST_MAIN(tst_Regressions)
#include "tst_regressions.moc"
