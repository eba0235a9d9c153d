#include "screenfixture.h"
#include "testcompat.h"

#include "appmessage.h"
#include "settings_hotspotinfo_p.h"
#include "stationlist.h"

namespace {

// The control tool's 'all_sta' output, cut short: two WPA2 stations and one authenticated.
const char stations[] = "Selected interface 'wlan1'\n3c:28:6d:11:22:33\n"
                        "flags=[AUTH][ASSOC][AUTHORIZED][WMM][HT]\naid=1\n"
                        "dot11RSNAStatsSTAAddress=3c:28:6d:11:22:33\nwpa=2\nsignal=-48\n"
                        "a4:5e:60:de:ad:01\nflags=[AUTH][ASSOC][AUTHORIZED][WMM]\n"
                        "dot11RSNAStatsSTAAddress=a4:5e:60:de:ad:01\n"
                        "  f0:9f:c2:00:00:0a  \nflags=[AUTH]\naid=0\n";

} // namespace

class tst_SettingsHotspotInfo : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = new ScreenFixture;
        // Records each call; ends as the file query.mode says (more faults in
        // tst_faultinjection).
        f->installStandIn("hostapd_cli");
        f->writeConf(f->sbin("stations"), stations);
        // As the shell has it: owned by the settings screen, whose translations it uses.
        m_info = SettingsHotspotPrivate::devices(f->screen);
    }
    void cleanup()
    {
        delete f;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Only address lines are stations (the screen's own test lists a real output): each
    // becomes an argument of the disconnect command.
    void parsing_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("addresses");
        QTest::newRow("no final newline")
            << QByteArray("00:11:22:33:44:55") << QStringList {"00:11:22:33:44:55"};
        QTest::newRow("error") << QByteArray("Failed to connect - wpa_ctrl_open: x\n")
                               << QStringList();
        QTest::newRow("garbage") << QByteArray("00:11:22:33:44\n00:11:22:33:44:55:66\n"
                                               "0g:11:22:33:44:55\n00-11-22-33-44-55\n\xff:\x01\n")
                                 << QStringList();
    }
    void parsing()
    {
        QFETCH(QByteArray, output);
        QTEST(StationList::parse(output), "addresses");
    }

    void showQueriesAndLists()
    {
        m_info->show();
        QTRY_COMPARE(
            rows(), QStringList({"3C:28:6D:11:22:33", "A4:5E:60:DE:AD:01", "F0:9F:C2:00:00:0A"}));
        QCOMPARE(calls(), QStringList({"[all_sta]"}));
        // A status change rebuilds the list without asking the tool again.
        list()->itemClear();
        m_info->receiveMsg("changedStatus()", QByteArray());
        QCOMPARE(rows().size(), 3);
        QCOMPARE(calls().size(), 1);
        f->shell.core.setLanguage(Core::German);
        m_info->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(m_info->findChild<Tail *>()->funcButtonText(0), QStringLiteral("Neu laden"));
    }
    void disconnect_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("released") << "success"
                                  << "Disconnected";
        QTest::newRow("refused") << "fail"
                                 << "Failed";
    }
    void disconnect()
    {
        QFETCH(QString, answer);
        openInfo();
        list()->setSelectedIdx(1);
        key(Qt::Key_F15);
        QTRY_COMPARE(calls().value(1), QStringLiteral("[deny_mac][A4:5E:60:DE:AD:01]"));
        QVERIFY(guard()->isActive() && guard()->interval() == 10000);
        auto wait = m_info->findChild<ToastWait *>();
        QVERIFY(wait->isVisible() && wait->message() == "Disconnecting...");
        // The result notice is ended as its timeout would, modal or not.
        QString shown;
        f->whenNoticeShows([&shown](Toast *toast) {
            shown = toast->message();
            ScreenFixture::expire(toast);
        });
        m_info->receiveMsg("wifi2ui_Hotspot_release_ack(str)", AppMessage::payload(answer));
        QTRY_VERIFY(!shown.isNull());
        QTEST(shown, "shown");
        QVERIFY(!guard()->isActive() && !wait->isVisible());
        QTRY_COMPARE(calls().value(2), QStringLiteral("[all_sta]"));
        // Hiding the screen while a disconnect is pending takes its guard and notice along.
        key(Qt::Key_F15);
        m_info->hide();
        QVERIFY(!guard()->isActive() && !wait->isVisible());
    }
    // A second acknowledgement, or the guard, arriving inside the modal "Disconnected" must
    // not touch the notice whose loop is still running (the sanitizer build checks this).
    void resultInsideTheResultNotice_data()
    {
        QTest::addColumn<bool>("secondAcknowledgement");
        QTest::newRow("second acknowledgement") << true;
        QTest::newRow("guard expiry") << false;
    }
    void resultInsideTheResultNotice()
    {
        QFETCH(bool, secondAcknowledgement);
        openInfo();
        key(Qt::Key_F15);
        QStringList shown;
        runSoon(m_info, [&] {
            shown << f->notice()->message();
            if (!secondAcknowledgement) {
                QVERIFY(QMetaObject::invokeMethod(m_info, "displayResult"));
                return;
            }
            runSoon(m_info, [&] {
                shown << f->notice()->message();
                QVERIFY(QMetaObject::invokeMethod(f->notice(), "timeout"));
            });
            m_info->diconnectResult(QStringLiteral("fail"));
        });
        m_info->diconnectResult(QStringLiteral("success"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shown.first(), QStringLiteral("Disconnected"));
        QCOMPARE(shown.last(), secondAcknowledgement ? QStringLiteral("Failed") : "Disconnected");
        QVERIFY(m_info);
    }
    // A query still running when the screen goes away is stopped by the screen, not left to
    // QProcess's destructor, which warns.
    void destroyedWhileQuerying()
    {
        f->writeConf(f->sbin("query.mode"), "hang");
        m_info->show();
        QTRY_COMPARE(calls().size(), 1);
        static QStringList warnings;
        const QtMessageHandler test = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { warnings << text; });
        delete f->screen;
        qInstallMessageHandler(test);
        QVERIFY(!m_info);
        QVERIFY2(
            warnings.filter("QProcess").isEmpty(), qPrintable(warnings.join(QStringLiteral("\n"))));
    }

private:
    QStringList calls() const
    {
        QFile file(f->sbin("cli.calls"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QStringList rows() const { return ScreenFixture::rowTexts(list()); }
    void openInfo()
    {
        m_info->show();
        QTRY_VERIFY(list()->itemSize() > 1);
    }
    void key(Qt::Key key) { f->tap(key, m_info); }
    QTimer *guard() const { return SettingsHotspotInfoPrivate::guardTimer(m_info); }
    ListView *list() const { return m_info->findChild<ListView *>(); }
    ScreenFixture *f = nullptr;
    QPointer<SettingsHotspotInfo> m_info;
};

QTEST_MAIN(tst_SettingsHotspotInfo)
#include "tst_settings_hotspotinfo.moc"
