#include "appmessage.h"
#include "listview.h"
#include "listviewitem.h"
#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"
#include "tail.h"
#include "testshell.h"
#include "toast.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QtTest>

namespace {

// What the control tool prints for 'all_sta' with two WPA2 stations and one that has only
// authenticated, as the real tool prints it.
const char twoStations[] = R"(Selected interface 'wlan1'
3c:28:6d:11:22:33
flags=[AUTH][ASSOC][AUTHORIZED][WMM][HT]
aid=1
capability=0x1431
listen_interval=10
supported_rates=82 84 8b 96 0c 12 18 24 30 48 60 6c
timeout_next=NULLFUNC POLL
dot11RSNAStatsSTAAddress=3c:28:6d:11:22:33
dot11RSNAStatsVersion=1
dot11RSNAStatsSelectedPairwiseCipher=00-0f-ac-4
dot11RSNAStatsTKIPLocalMICFailures=0
dot11RSNAStatsTKIPRemoteMICFailures=0
wpa=2
AKMSuiteSelector=00-0f-ac-2
hostapdWPAPTKState=11
hostapdWPAPTKGroupState=0
rx_packets=2841
tx_packets=1974
rx_bytes=351106
tx_bytes=1221574
inactive_msec=620
signal=-48
rx_rate_info=650 mcs 7 shortGI
tx_rate_info=720 mcs 7 shortGI
connected_time=714
a4:5e:60:de:ad:01
flags=[AUTH][ASSOC][AUTHORIZED][WMM]
aid=2
dot11RSNAStatsSTAAddress=a4:5e:60:de:ad:01
wpa=2
connected_time=31
  f0:9f:c2:00:00:0a  
flags=[AUTH]
aid=0
connected_time=2
)";

// A stand-in for the control tool: prints the stations file, or hangs while a 'hang' file
// exists, and records every call.
const char fakeTool[] = R"(#!/bin/sh
dir=$(dirname "$0")
for argument in "$@"; do printf '[%s]' "$argument"; done >> "$dir/calls"
echo >> "$dir/calls"
if [ "$1" = all_sta ]; then
    [ -f "$dir/hang" ] && exec sleep 30
    cat "$dir/stations"
fi
)";

} // namespace

class tst_SettingsHotspotInfo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void metaObject();
    void parsing_data();
    void parsing();
    void showQueriesAndLists();
    void emptyListOffersCancel();
    void rowsWithoutAddressLeaveTheKeyEmpty();
    void refreshReplacesARunningQuery();
    void disconnect_data();
    void disconnect();
    void noAcknowledgement();
    void hidingWhilePending();
    void statusAndLanguageMessages();
    void acknowledgementsRetireTheirNotice_data();
    void acknowledgementsRetireTheirNotice();
    void destroyedWhileQuerying();

private:
    QString sbin(const QString &name) const
    {
        return m_shell->path(QStringLiteral("/usr/sbin/") + name);
    }
    void setStations(const QByteArray &output);
    QStringList calls() const;
    QStringList rows() const;
    void openInfo();
    ListView *list() const { return m_info->findChild<ListView *>(); }
    Tail *tail() const { return m_info->findChild<Tail *>(); }
    Toast *notice() const;
    TestShell *m_shell = nullptr;
    QPointer<SettingsHotspotInfo> m_info;
};

void tst_SettingsHotspotInfo::init()
{
    m_shell = new TestShell;
    QDir().mkpath(sbin(QString()));
    QFile tool(sbin(QStringLiteral("hostapd_cli")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write(fakeTool);
    tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    tool.close();
    setStations(twoStations);
    m_info = new SettingsHotspotInfo;
}

void tst_SettingsHotspotInfo::cleanup()
{
    delete m_info;
    delete m_shell;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SettingsHotspotInfo::setStations(const QByteArray &output)
{
    QFile stations(sbin(QStringLiteral("stations")));
    QVERIFY(stations.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stations.write(output);
}

QStringList tst_SettingsHotspotInfo::calls() const
{
    QFile file(sbin(QStringLiteral("calls")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList tst_SettingsHotspotInfo::rows() const
{
    QStringList texts;
    for (int i = 0; i < list()->itemSize(); ++i)
        texts << list()->item(i)->text();
    return texts;
}

Toast *tst_SettingsHotspotInfo::notice() const
{
    const QList<Toast *> toasts = m_info->findChildren<Toast *>();
    for (Toast *toast : toasts) {
        if (toast->isVisible() && !qobject_cast<ToastWait *>(toast))
            return toast;
    }
    return nullptr;
}

void tst_SettingsHotspotInfo::openInfo()
{
    m_info->show();
    QTRY_COMPARE(list()->itemSize() > 0, true);
}

void tst_SettingsHotspotInfo::metaObject()
{
    const QMetaObject &meta = SettingsHotspotInfo::staticMetaObject;
    QStringList slotNames;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        slotNames << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(slotNames,
        QStringList({"displayResult()", "listFocusChanged(int)", "tailFuncButtonLongPressed(int)",
            "tailFuncButtonClicked(int)", "clickedListViewItem(int)",
            "finishToStdout(int,QProcess::ExitStatus)"}));
    // The long-press slot is reachable by name and does nothing.
    QVERIFY(QMetaObject::invokeMethod(m_info, "tailFuncButtonLongPressed", Q_ARG(int, 4)));
    QVERIFY(calls().isEmpty());

    QCOMPARE(m_info->qt_metacast("SettingsHotspotInfo"), static_cast<void *>(m_info.data()));
    void *const interface = static_cast<BaseAppInterface *>(m_info.data());
    QCOMPARE(m_info->qt_metacast("BaseAppInterface"), interface);
    QCOMPARE(m_info->qt_metacast("com.quorvelnet.Plugin.BaseAppInterface/1.0"), interface);
    QCOMPARE(m_info->qt_metacast("BaseWidget"), static_cast<void *>(m_info.data()));
    QCOMPARE(qobject_cast<BaseAppInterface *>(m_info.data())->appName(),
        QStringLiteral("settings_hotspotinfo"));
}

void tst_SettingsHotspotInfo::parsing_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("stations");
    QTest::newRow("real output") << QByteArray(twoStations)
                                 << QStringList({"3c:28:6d:11:22:33", "a4:5e:60:de:ad:01",
                                        "f0:9f:c2:00:00:0a"});
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("interface line only")
        << QByteArray("Selected interface 'wlan1'\n") << QStringList();
    QTest::newRow("error with a colon")
        << QByteArray("Failed to connect to hostapd - wpa_ctrl_open: No such file or directory\n")
        << QStringList();
    QTest::newRow("no final newline")
        << QByteArray("00:11:22:33:44:55") << QStringList({"00:11:22:33:44:55"});
    QTest::newRow("almost addresses") << QByteArray(
        "00:11:22:33:44\n00:11:22:33:44:55:66\n0g:11:22:33:44:55\n00-11-22-33-44-55\n"
        "x00:11:22:33:44:55\n") << QStringList();
    QTest::newRow("binary garbage")
        << QByteArray("\x00\xff\xfe:\x01\n\n\n:::::\n", 14) << QStringList();
}

void tst_SettingsHotspotInfo::parsing()
{
    QFETCH(QByteArray, output);
    QFETCH(QStringList, stations);
    QCOMPARE(SettingsHotspotInfo::parseStations(output), stations);
}

void tst_SettingsHotspotInfo::showQueriesAndLists()
{
    QCOMPARE(m_info->objectName(), QStringLiteral("settings_hotspotinfo"));
    QVERIFY(calls().isEmpty());
    m_shell->status.setTitle(QStringLiteral("Other"));
    openInfo();
    QCOMPARE(calls(), QStringList({"[all_sta]"}));
    QCOMPARE(rows(), QStringList({"3C:28:6D:11:22:33", "A4:5E:60:DE:AD:01", "F0:9F:C2:00:00:0A"}));
    QCOMPARE(list()->selectedIdx(), 0);
    QCOMPARE(tail()->funcButtonText(0), QStringLiteral("Refresh"));
    QCOMPARE(tail()->funcButtonText(4), QStringLiteral("Disconnect"));
    QCOMPARE(m_shell->status.title(), QStringLiteral("Settings | Wi-Fi Hotspot"));
    QCOMPARE(list()->item(0)->textColor(), QColor(28, 28, 28));
    QCOMPARE(list()->item(0)->backGroundNoFocusSelectColor(), QColor(95, 113, 160));
}

void tst_SettingsHotspotInfo::emptyListOffersCancel()
{
    setStations("Selected interface 'wlan1'\n");
    openInfo();
    QCOMPARE(rows(), QStringList({"There is no connected device"}));
    QCOMPARE(tail()->funcButtonText(4), QStringLiteral("Cancel"));
    QTest::keyPress(m_info, Qt::Key_F15);
    QTest::keyRelease(m_info, Qt::Key_F15);
    QVERIFY(!m_info->isVisible());
}

void tst_SettingsHotspotInfo::rowsWithoutAddressLeaveTheKeyEmpty()
{
    openInfo();
    QVERIFY(QMetaObject::invokeMethod(m_info, "listFocusChanged", Q_ARG(int, 1)));
    QCOMPARE(tail()->funcButtonText(4), QStringLiteral("Disconnect"));
    list()->addItem(new ListViewItem(QStringLiteral("No address here"), QPixmap(), QPixmap()));
    list()->setSelectedIdx(3);
    QCOMPARE(tail()->funcButtonText(4), QString());
    QTest::keyPress(m_info, Qt::Key_F15);
    QTest::keyRelease(m_info, Qt::Key_F15);
    QVERIFY(m_info->isVisible());
    QCOMPARE(calls().size(), 1);
    QTest::ignoreMessage(QtWarningMsg, "SettingsHotspotInfo::listFocusChanged() invaild idx 9");
    QMetaObject::invokeMethod(m_info, "listFocusChanged", Q_ARG(int, 9));
}

void tst_SettingsHotspotInfo::refreshReplacesARunningQuery()
{
    openInfo();
    QFile(sbin(QStringLiteral("hang"))).open(QIODevice::WriteOnly);
    QTest::keyPress(m_info, Qt::Key_F11);
    QTest::keyRelease(m_info, Qt::Key_F11);
    QTRY_COMPARE(calls().size(), 2);

    QFile::remove(sbin(QStringLiteral("hang")));
    setStations("02:00:00:00:00:01\nflags=[AUTH][ASSOC][AUTHORIZED]\n");
    QTest::keyPress(m_info, Qt::Key_F11);
    QTest::keyRelease(m_info, Qt::Key_F11);
    QTRY_COMPARE(rows(), QStringList({"02:00:00:00:00:01"}));
    QCOMPARE(calls().size(), 3);
}

void tst_SettingsHotspotInfo::disconnect_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("released") << "success"
                              << "Disconnected";
    QTest::newRow("refused") << "fail"
                             << "Failed";
    QTest::newRow("empty") << ""
                           << "Failed";
}

void tst_SettingsHotspotInfo::disconnect()
{
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    openInfo();
    list()->setSelectedIdx(1);
    QTest::keyPress(m_info, Qt::Key_F15);
    QTest::keyRelease(m_info, Qt::Key_F15);
    QTRY_COMPARE(calls().size(), 2);
    QCOMPARE(calls().at(1), QStringLiteral("[deny_mac][A4:5E:60:DE:AD:01]"));
    QVERIFY(m_info->guardTimer()->isActive());
    QCOMPARE(m_info->guardTimer()->interval(), 10000);
    auto wait = m_info->findChild<ToastWait *>();
    QVERIFY(wait && wait->isVisible());
    QCOMPARE(wait->message(), QStringLiteral("Disconnecting..."));

    // The acknowledgement's notice is modal; it is ended as its timeout would.
    QString shown;
    QTimer::singleShot(0, m_info, [&] {
        Toast *result = notice();
        QVERIFY(result);
        shown = result->message();
        QMetaObject::invokeMethod(result, "timeout");
    });
    m_info->receiveMsg(
        QStringLiteral("wifi2ui_Hotspot_release_ack(str)"), AppMessage::payload(answer));
    QCOMPARE(shown, expected);
    QVERIFY(!m_info->guardTimer()->isActive());
    QVERIFY(!wait->isVisible());
    QTRY_COMPARE(calls().size(), 3);
    QCOMPARE(calls().at(2), QStringLiteral("[all_sta]"));
}

void tst_SettingsHotspotInfo::noAcknowledgement()
{
    openInfo();
    QTest::keyPress(m_info, Qt::Key_F15);
    QTest::keyRelease(m_info, Qt::Key_F15);
    QVERIFY(m_info->guardTimer()->isActive());
    m_info->guardTimer()->stop();
    QVERIFY(QMetaObject::invokeMethod(m_info, "displayResult"));
    QCOMPARE(notice()->message(), QStringLiteral("Failed"));
    QVERIFY(!m_info->findChild<ToastWait *>()->isVisible());
    QTRY_COMPARE(calls().last(), QStringLiteral("[all_sta]"));
}

void tst_SettingsHotspotInfo::hidingWhilePending()
{
    openInfo();
    QTest::keyPress(m_info, Qt::Key_F15);
    QTest::keyRelease(m_info, Qt::Key_F15);
    m_info->hide();
    QVERIFY(!m_info->guardTimer()->isActive());
    QVERIFY(!m_info->findChild<ToastWait *>()->isVisible());
}

void tst_SettingsHotspotInfo::statusAndLanguageMessages()
{
    openInfo();
    const int queries = calls().size();
    list()->setSelectedIdx(2);
    list()->itemClear();
    m_info->receiveMsg(QStringLiteral("changedStatus()"), QByteArray());
    QCOMPARE(rows().size(), 3);
    QCOMPARE(list()->selectedIdx(), 0);
    QCOMPARE(calls().size(), queries);

    m_shell->core.setLanguage(Core::Spanish);
    SettingsHotspot owner;
    auto translated = new SettingsHotspotInfo(&owner);
    translated->receiveMsg(QStringLiteral("changedLanguage()"), QByteArray());
    QCOMPARE(translated->findChild<Tail *>()->funcButtonText(4),
        QCoreApplication::translate("SettingsHotspotInfo", "Disconnect"));
    QVERIFY(translated->findChild<Tail *>()->funcButtonText(4) != QLatin1String("Disconnect"));
    m_shell->core.setLanguage(Core::English);
    translated->receiveMsg(QStringLiteral("changedLanguage()"), QByteArray());
    QCOMPARE(translated->findChild<Tail *>()->funcButtonText(0), QStringLiteral("Refresh"));
}

// A second acknowledgement or a guard expiry while "Disconnected" runs its modal loop.
void tst_SettingsHotspotInfo::acknowledgementsRetireTheirNotice_data()
{
    QTest::addColumn<bool>("secondAcknowledgement");
    QTest::newRow("second acknowledgement") << true;
    QTest::newRow("guard expiry") << false;
}

void tst_SettingsHotspotInfo::acknowledgementsRetireTheirNotice()
{
    QFETCH(bool, secondAcknowledgement);
    openInfo();
    QTest::keyPress(m_info, Qt::Key_F15);
    QTest::keyRelease(m_info, Qt::Key_F15);
    QStringList shown;
    QTimer::singleShot(0, m_info, [&] {
        shown << notice()->message();
        if (secondAcknowledgement) {
            QTimer::singleShot(0, m_info, [&] {
                shown << notice()->message();
                QMetaObject::invokeMethod(notice(), "timeout");
            });
            m_info->diconnectResult(QStringLiteral("fail"));
        } else {
            QMetaObject::invokeMethod(m_info, "displayResult");
        }
    });
    m_info->diconnectResult(QStringLiteral("success"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(shown.first(), QStringLiteral("Disconnected"));
    if (secondAcknowledgement)
        QCOMPARE(shown.last(), QStringLiteral("Failed"));
    QVERIFY(m_info);
}

void tst_SettingsHotspotInfo::destroyedWhileQuerying()
{
    QFile(sbin(QStringLiteral("hang"))).open(QIODevice::WriteOnly);
    auto owner = new SettingsHotspot;
    auto info = owner->findChild<SettingsHotspotInfo *>();
    info->show();
    QTRY_COMPARE(calls().size(), 1);
    delete owner;
    QCOMPARE(calls().size(), 1);
}

QTEST_MAIN(tst_SettingsHotspotInfo)
#include "tst_settings_hotspotinfo.moc"
