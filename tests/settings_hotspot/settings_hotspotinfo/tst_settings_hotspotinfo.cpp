#include "appmessage.h"
#include "listview.h"
#include "listviewitem.h"
#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"
#include "tail.h"
#include "testshell.h"
#include "toast.h"

#include <QtTest>

namespace {

// The control tool's 'all_sta' output: two WPA2 stations and one only authenticated.
const char stations[]
    = "Selected interface 'wlan1'\n3c:28:6d:11:22:33\n"
      "flags=[AUTH][ASSOC][AUTHORIZED][WMM][HT]\naid=1\ncapability=0x1431\n"
      "listen_interval=10\nsupported_rates=82 84 8b 96 0c 12 18 24 30 48 60 6c\n"
      "timeout_next=NULLFUNC POLL\ndot11RSNAStatsSTAAddress=3c:28:6d:11:22:33\n"
      "dot11RSNAStatsVersion=1\ndot11RSNAStatsSelectedPairwiseCipher=00-0f-ac-4\n"
      "dot11RSNAStatsTKIPLocalMICFailures=0\n"
      "dot11RSNAStatsTKIPRemoteMICFailures=0\nwpa=2\nAKMSuiteSelector=00-0f-ac-2\n"
      "hostapdWPAPTKState=11\nhostapdWPAPTKGroupState=0\nrx_packets=2841\n"
      "tx_packets=1974\nrx_bytes=351106\ntx_bytes=1221574\ninactive_msec=620\n"
      "signal=-48\nrx_rate_info=650 mcs 7 shortGI\ntx_rate_info=720 mcs 7 shortGI\n"
      "connected_time=714\na4:5e:60:de:ad:01\nflags=[AUTH][ASSOC][AUTHORIZED][WMM]\n"
      "dot11RSNAStatsSTAAddress=a4:5e:60:de:ad:01\nwpa=2\n"
      "  f0:9f:c2:00:00:0a  \nflags=[AUTH]\naid=0\n";

// A stand-in for the control tool: records each call, prints the stations file, or hangs,
// floods or fails while a file of that name exists.
const char fakeTool[]
    = "#!/bin/sh\ndir=$(dirname \"$0\")\n"
      "for a in \"$@\"; do printf '[%s]' \"$a\"; done >> \"$dir/calls\"\n"
      "echo >> \"$dir/calls\"\n[ \"$1\" = all_sta ] || exit 0\n"
      "[ -f \"$dir/hang\" ] && exec sleep 30\n"
      "[ -f \"$dir/flood\" ] && { yes 02:00:00:00:00:01 | head -c 300000; exit; }\n"
      "[ -f \"$dir/fail\" ] && { echo 'Failed to connect' >&2; exit $(cat \"$dir/fail\"); }\n"
      "cat \"$dir/stations\"\n";

} // namespace

class tst_SettingsHotspotInfo : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_shell = new TestShell;
        QDir().mkpath(sbin(QString()));
        write("hostapd_cli", fakeTool);
        QFile::setPermissions(sbin("hostapd_cli"), QFile::ReadOwner | QFile::ExeOwner);
        write("stations", stations);
        // As the shell has it: owned by the settings screen, whose translations it uses.
        m_owner = new SettingsHotspot;
        m_info = m_owner->findChild<SettingsHotspotInfo *>();
    }
    void cleanup()
    {
        delete m_owner;
        delete m_shell;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void parsing_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("addresses");
        const auto row = [](const char *name, const char *output, const QStringList &addresses) {
            QTest::newRow(name) << QByteArray(output) << addresses;
        };
        row("real output", stations,
            {"3c:28:6d:11:22:33", "a4:5e:60:de:ad:01", "f0:9f:c2:00:00:0a"});
        row("empty", "", {});
        row("interface only", "Selected interface 'wlan1'\n", {});
        row("no final newline", "00:11:22:33:44:55", {"00:11:22:33:44:55"});
        row("error", "Failed to connect - wpa_ctrl_open: No such file\n", {});
        row("garbage",
            "00:11:22:33:44\n00:11:22:33:44:55:66\n0g:11:22:33:44:55\n"
            "00-11-22-33-44-55\n\xff:\x01\n",
            {});
    }
    void parsing()
    {
        QFETCH(QByteArray, output);
        QTEST(SettingsHotspotInfo::parseStations(output), "addresses");
    }

    void showQueriesAndLists()
    {
        QVERIFY(calls().isEmpty());
        openInfo();
        QCOMPARE(calls(), QStringList({"[all_sta]"}));
        QCOMPARE(
            rows(), QStringList({"3C:28:6D:11:22:33", "A4:5E:60:DE:AD:01", "F0:9F:C2:00:00:0A"}));
        QCOMPARE(tail()->funcButtonText(0) + ' ' + tail()->funcButtonText(4), "Refresh Disconnect");
        QCOMPARE(m_shell->status.title(), QStringLiteral("Settings | Wi-Fi Hotspot"));
        // A status change rebuilds the list without asking the tool again.
        list()->setSelectedIdx(2);
        list()->itemClear();
        m_info->receiveMsg("changedStatus()", QByteArray());
        QCOMPARE(rows().size(), 3);
        QCOMPARE(list()->selectedIdx(), 0);
        QCOMPARE(calls().size(), 1);
        m_shell->core.setLanguage(Core::German);
        m_info->receiveMsg("changedLanguage()", QByteArray());
        QCOMPARE(tail()->funcButtonText(0), QStringLiteral("Neu laden"));
    }
    void emptyListOffersCancel()
    {
        write("stations", "Selected interface 'wlan1'\n");
        openInfo();
        QCOMPARE(rows(), QStringList({"There is no connected device"}));
        QCOMPARE(tail()->funcButtonText(4), QStringLiteral("Cancel"));
        key(Qt::Key_F15);
        QVERIFY(!m_info->isVisible());
    }

    // A tool that cannot be asked is no empty access point.
    void queryFailures_data()
    {
        QTest::addColumn<QString>("fault");
        for (const char *fault : {"missing", "not executable", "fail 1", "fail 0", "flood", "hang"})
            QTest::newRow(fault) << QString(fault);
    }
    void queryFailures()
    {
        QFETCH(QString, fault);
        if (fault == "missing")
            QFile::remove(sbin("hostapd_cli"));
        else if (fault == "not executable")
            QFile::setPermissions(sbin("hostapd_cli"), QFile::ReadOwner);
        else
            write(fault.section(' ', 0, 0), fault.section(' ', 1).toLatin1());
        m_info->show();
        if (fault == "hang") {
            QTRY_COMPARE(calls().size(), 1);
            QTimer *timer = m_info->queryTimer();
            QVERIFY(timer && timer->isActive() && timer->interval() == 5000);
            QMetaObject::invokeMethod(timer, "timeout");
        }
        QTRY_COMPARE(rows(), QStringList({"The hotspot is not answering"}));
        QCOMPARE(tail()->funcButtonText(4), QStringLiteral("Cancel"));
    }

    void refreshReplacesARunningQuery()
    {
        openInfo();
        write("hang", "");
        key(Qt::Key_F11);
        QTRY_COMPARE(calls().size(), 2);
        QFile::remove(sbin("hang"));
        write("stations", "02:00:00:00:00:01\nflags=[AUTH][ASSOC][AUTHORIZED]\n");
        key(Qt::Key_F11);
        QTRY_COMPARE(rows(), QStringList({"02:00:00:00:00:01"}));
        QCOMPARE(calls().size(), 3);
    }

    void disconnect_data()
    {
        QTest::addColumn<QString>("answer"); // null: none before the guard expires
        QTest::addColumn<QString>("shown");
        QTest::newRow("released") << QString("success") << QString("Disconnected");
        QTest::newRow("refused") << QString("fail") << QString("Failed");
        QTest::newRow("no answer") << QString() << QString("Failed");
    }
    void disconnect()
    {
        QFETCH(QString, answer);
        openInfo();
        list()->setSelectedIdx(1);
        key(Qt::Key_F15);
        QTRY_COMPARE(calls().value(1), QStringLiteral("[deny_mac][A4:5E:60:DE:AD:01]"));
        QVERIFY(m_info->guardTimer()->isActive());
        QCOMPARE(m_info->guardTimer()->interval(), 10000);
        auto wait = m_info->findChild<ToastWait *>();
        QVERIFY(wait->isVisible() && wait->message() == "Disconnecting...");
        // The result notice is ended as its timeout would, modal or not.
        QString shown;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            for (Toast *toast : m_info->findChildren<Toast *>()) {
                if (shown.isNull() && toast->isVisible() && !qobject_cast<ToastWait *>(toast)) {
                    shown = toast->message();
                    QMetaObject::invokeMethod(toast, "timeout");
                }
            }
        });
        poll.start(1);
        if (answer.isNull()) {
            m_info->guardTimer()->stop();
            QVERIFY(QMetaObject::invokeMethod(m_info, "displayResult"));
        } else {
            m_info->receiveMsg("wifi2ui_Hotspot_release_ack(str)", AppMessage::payload(answer));
        }
        QTRY_VERIFY(!shown.isNull());
        QTEST(shown, "shown");
        QVERIFY(!m_info->guardTimer()->isActive() && !wait->isVisible());
        QTRY_COMPARE(calls().value(2), QStringLiteral("[all_sta]"));
    }

    void hidingWhilePending()
    {
        openInfo();
        key(Qt::Key_F15);
        m_info->hide();
        QVERIFY(!m_info->guardTimer()->isActive());
        QVERIFY(!m_info->findChild<ToastWait *>()->isVisible());
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
        QTimer::singleShot(0, m_info, [&] {
            shown << resultNotice()->message();
            if (!secondAcknowledgement) {
                QMetaObject::invokeMethod(m_info, "displayResult");
                return;
            }
            QTimer::singleShot(0, m_info, [&] {
                shown << resultNotice()->message();
                QMetaObject::invokeMethod(resultNotice(), "timeout");
            });
            m_info->diconnectResult(QStringLiteral("fail"));
        });
        m_info->diconnectResult(QStringLiteral("success"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shown.first(), QStringLiteral("Disconnected"));
        QCOMPARE(shown.last(), secondAcknowledgement ? QStringLiteral("Failed") : "Disconnected");
        QVERIFY(m_info);
    }

    void destroyedWhileQuerying()
    {
        write("hang", "");
        m_info->show();
        QTRY_COMPARE(calls().size(), 1);
        delete m_owner;
        QVERIFY(!m_info);
        QCOMPARE(calls().size(), 1);
    }

private:
    QString sbin(const QString &name) const { return m_shell->path("/usr/sbin/" + name); }
    void write(const QString &name, const QByteArray &contents)
    {
        QFile file(sbin(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }
    QStringList calls() const
    {
        QFile file(sbin("calls"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QStringList rows() const
    {
        QStringList texts;
        for (int i = 0; i < list()->itemSize(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    void openInfo()
    {
        m_info->show();
        QTRY_VERIFY(list()->itemSize() > 0);
    }
    void key(Qt::Key key)
    {
        QTest::keyPress(m_info, key);
        QTest::keyRelease(m_info, key);
    }
    Toast *resultNotice() const
    {
        for (Toast *toast : m_info->findChildren<Toast *>()) {
            if (toast->isVisible() && !qobject_cast<ToastWait *>(toast))
                return toast;
        }
        return nullptr;
    }
    ListView *list() const { return m_info->findChild<ListView *>(); }
    Tail *tail() const { return m_info->findChild<Tail *>(); }
    TestShell *m_shell = nullptr;
    QPointer<SettingsHotspot> m_owner;
    QPointer<SettingsHotspotInfo> m_info;
};

QTEST_MAIN(tst_SettingsHotspotInfo)
#include "tst_settings_hotspotinfo.moc"
