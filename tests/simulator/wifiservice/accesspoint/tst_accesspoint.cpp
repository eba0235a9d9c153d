#include "accesspoint.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QByteArray phone = "02:11:22:33:44:55";
const QByteArray laptop = "a4:5e:60:de:ad:01";

// hostapd's STA reply for the phone, 30.5 s after it associated, on 802.11n with WPA2.
const QByteArray phoneMib = "02:11:22:33:44:55\n"
                            "flags=[AUTH][ASSOC][AUTHORIZED][SHORT_PREAMBLE][WMM][HT]\n"
                            "aid=1\n"
                            "capability=0x431\n"
                            "listen_interval=10\n"
                            "supported_rates=82 84 8b 96 0c 12 18 24 30 48 60 6c\n"
                            "timeout_next=NULLFUNC POLL\n"
                            "dot11RSNAStatsSTAAddress=02:11:22:33:44:55\n"
                            "dot11RSNAStatsVersion=1\n"
                            "dot11RSNAStatsSelectedPairwiseCipher=00-0f-ac-4\n"
                            "dot11RSNAStatsTKIPLocalMICFailures=0\n"
                            "dot11RSNAStatsTKIPRemoteMICFailures=0\n"
                            "wpa=2\n"
                            "AKMSuiteSelector=00-0f-ac-2\n"
                            "hostapdWPAPTKState=11\n"
                            "hostapdWPAPTKGroupState=0\n"
                            "rx_packets=374\n"
                            "tx_packets=549\n"
                            "rx_bytes=44880\n"
                            "tx_bytes=329400\n"
                            "inactive_msec=620\n"
                            "signal=-48\n"
                            "rx_rate_info=650 mcs 7 shortGI\n"
                            "tx_rate_info=650 mcs 7 shortGI\n"
                            "connected_time=30\n";

// The laptop joined 10 s after the phone and sits far away.
const QByteArray laptopMib = "a4:5e:60:de:ad:01\n"
                             "flags=[AUTH][ASSOC][AUTHORIZED][SHORT_PREAMBLE][WMM][HT]\n"
                             "aid=2\n"
                             "capability=0x431\n"
                             "listen_interval=1\n"
                             "supported_rates=82 84 8b 96 0c 12 18 24 30 48 60 6c\n"
                             "timeout_next=NULLFUNC POLL\n"
                             "dot11RSNAStatsSTAAddress=a4:5e:60:de:ad:01\n"
                             "dot11RSNAStatsVersion=1\n"
                             "dot11RSNAStatsSelectedPairwiseCipher=00-0f-ac-4\n"
                             "dot11RSNAStatsTKIPLocalMICFailures=0\n"
                             "dot11RSNAStatsTKIPRemoteMICFailures=0\n"
                             "wpa=2\n"
                             "AKMSuiteSelector=00-0f-ac-2\n"
                             "hostapdWPAPTKState=11\n"
                             "hostapdWPAPTKGroupState=0\n"
                             "rx_packets=814\n"
                             "tx_packets=2209\n"
                             "rx_bytes=244200\n"
                             "tx_bytes=2650800\n"
                             "inactive_msec=40\n"
                             "signal=-71\n"
                             "rx_rate_info=390 mcs 4\n"
                             "tx_rate_info=390 mcs 4\n"
                             "connected_time=20\n";

HotspotSettings radio(const QString &hwMode = QStringLiteral("g"), int ieee80211n = 1, int wpa = 2)
{
    HotspotSettings settings;
    settings.enabled = true;
    settings.hwMode = hwMode;
    settings.ieee80211n = ieee80211n;
    settings.wpa = wpa;
    settings.ssid = QStringLiteral("KLX-p7720_2001");
    settings.passphrase = QStringLiteral("Harbour-Lights-42");
    return settings;
}

Station station(const QByteArray &address, int listenInterval, int signal, int inactiveMs,
    int rxPerSecond, int txPerSecond, int rxBytes, int txBytes)
{
    Station station;
    station.address = address;
    station.listenInterval = listenInterval;
    station.signal = signal;
    station.inactiveMs = inactiveMs;
    station.rxPacketsPerSecond = rxPerSecond;
    station.txPacketsPerSecond = txPerSecond;
    station.rxPacketBytes = rxBytes;
    station.txPacketBytes = txBytes;
    return station;
}

} // namespace

class tst_AccessPoint : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void replies_data();
    void replies();
    void listsOnlyWhileEnabled();
    void radioShapesTheAttributes_data();
    void radioShapesTheAttributes();
    void denyDisassociates();
    void denyOfAnAbsentStation();
    void restartForgetsTheDenyList();
    void stationTable();

private:
    AccessPoint *m_ap = nullptr;
    qint64 m_now = 0;
};

void tst_AccessPoint::init()
{
    m_now = 0;
    m_ap = new AccessPoint;
    m_ap->setClock([this] { return m_now; });
    m_ap->start(radio());
    QString error;
    QVERIFY(m_ap->addStation(station(phone, 10, -48, 620, 12, 18, 120, 600), &error));
    m_now = 10000;
    QVERIFY(m_ap->addStation(station(laptop, 1, -71, 40, 40, 110, 300, 1200), &error));
    m_now = 30500;
}

void tst_AccessPoint::cleanup()
{
    delete m_ap;
}

// Byte for byte what hostapd answers; hostapd_cli walks the list with STA-FIRST and STA-NEXT
// until an empty reply (then one more STA-NEXT with no address, which must FAIL).
void tst_AccessPoint::replies_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("ping") << QByteArray("PING") << QByteArray("PONG\n");
    QTest::newRow("first is the newest") << QByteArray("STA-FIRST") << laptopMib;
    QTest::newRow("next") << "STA-NEXT " + laptop << phoneMib;
    QTest::newRow("after the last") << "STA-NEXT " + phone << QByteArray();
    QTest::newRow("next of no address") << QByteArray("STA-NEXT ") << QByteArray("FAIL\n");
    QTest::newRow("next of an unknown station")
        << QByteArray("STA-NEXT 02:00:00:00:00:99") << QByteArray("FAIL\n");
    QTest::newRow("next in capitals") << QByteArray("STA-NEXT A4:5E:60:DE:AD:01") << phoneMib;
    QTest::newRow("next with a broken address")
        << QByteArray("STA-NEXT a4:5e:60:de:ad") << QByteArray("FAIL\n");
    QTest::newRow("one station") << "STA " + phone << phoneMib;
    QTest::newRow("one unknown station")
        << QByteArray("STA 02:00:00:00:00:99") << QByteArray("FAIL\n");
    QTest::newRow("empty deny list") << QByteArray("DENY_ACL SHOW") << QByteArray();
    QTest::newRow("deny of a broken address")
        << QByteArray("DENY_ACL ADD_MAC 02:11:22") << QByteArray("FAIL\n");
    QTest::newRow("status") << QByteArray("STATUS")
                            << QByteArray("state=ENABLED\nfreq=2437\nchannel=6\nieee80211n=1\n"
                                          "bss[0]=wlan1\nssid[0]=KLX-p7720_2001\nnum_sta[0]=2\n");
    QTest::newRow("commands are case-sensitive")
        << QByteArray("ping") << QByteArray("UNKNOWN COMMAND\n");
    QTest::newRow("unknown") << QByteArray("ATTACH") << QByteArray("UNKNOWN COMMAND\n");
}

void tst_AccessPoint::replies()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QCOMPARE(m_ap->handleRequest(request), reply);
}

void tst_AccessPoint::listsOnlyWhileEnabled()
{
    m_ap->stop();
    QCOMPARE(m_ap->handleRequest("STA-FIRST"), QByteArray());
    QCOMPARE(m_ap->handleRequest("STA-NEXT " + laptop), QByteArray("FAIL\n"));
    QCOMPARE(m_ap->handleRequest("STA " + phone), QByteArray("FAIL\n"));
    QCOMPARE(m_ap->handleRequest("STATUS"), QByteArray("state=DISABLED\n"));
    QCOMPARE(m_ap->handleRequest("PING"), QByteArray("PONG\n"));

    // The devices in range associate anew when the access point comes back.
    m_now = 90000;
    m_ap->start(radio());
    m_now = 95000;
    const QByteArray first = m_ap->handleRequest("STA-FIRST");
    QVERIFY(first.startsWith(laptop + '\n'));
    QVERIFY(first.endsWith("\nconnected_time=5\n"));
}

void tst_AccessPoint::radioShapesTheAttributes_data()
{
    QTest::addColumn<QString>("hwMode");
    QTest::addColumn<int>("ieee80211n");
    QTest::addColumn<int>("wpa");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("absent");
    QTest::newRow("802.11b")
        << "b" << 0 << 2
        << QByteArrayList {"flags=[AUTH][ASSOC][AUTHORIZED][SHORT_PREAMBLE][WMM]",
               "capability=0x431", "supported_rates=82 84 8b 96", "rx_rate_info=110", "wpa=2"}
        << QByteArrayList {"[HT]"};
    QTest::newRow("802.11g")
        << "g" << 0 << 2
        << QByteArrayList {"supported_rates=82 84 8b 96 0c 12 18 24 30 48 60 6c",
               "tx_rate_info=540"}
        << QByteArrayList {"[HT]"};
    QTest::newRow("802.11a") << "a" << 0 << 2
                             << QByteArrayList {"flags=[AUTH][ASSOC][AUTHORIZED][WMM]",
                                    "capability=0x111", "supported_rates=8c 12 98 24 b0 48 60 6c"}
                             << QByteArrayList {"SHORT_PREAMBLE"};
    QTest::newRow("open network") << "g" << 1 << 0
                                  << QByteArrayList {"capability=0x421",
                                         "flags=[AUTH][ASSOC][AUTHORIZED][SHORT_PREAMBLE][WMM][HT]"}
                                  << QByteArrayList {
                                         "dot11RSNAStatsSTAAddress", "wpa=", "AKMSuiteSelector"};
    QTest::newRow("first WPA") << "g" << 1 << 1
                               << QByteArrayList {"dot11RSNAStatsSTAAddress=02:11:22:33:44:55",
                                      "dot11RSNAStatsSelectedPairwiseCipher=00-50-f2-2", "wpa=1",
                                      "AKMSuiteSelector=00-50-f2-2"}
                               << QByteArrayList {"00-0f-ac"};
}

void tst_AccessPoint::radioShapesTheAttributes()
{
    QFETCH(QString, hwMode);
    QFETCH(int, ieee80211n);
    QFETCH(int, wpa);
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, absent);
    m_ap->start(radio(hwMode, ieee80211n, wpa));
    const QByteArray mib = m_ap->handleRequest("STA " + phone);
    const QByteArrayList mibLines = mib.split('\n');
    QCOMPARE(mibLines.first(), phone);
    for (const QByteArray &line : lines)
        QVERIFY2(mibLines.contains(line), line.constData());
    for (const QByteArray &text : absent)
        QVERIFY2(!mib.contains(text), text.constData());
}

void tst_AccessPoint::denyDisassociates()
{
    QSignalSpy denied(m_ap, &AccessPoint::stationDenied);
    QCOMPARE(m_ap->handleRequest("DENY_ACL ADD_MAC 02:11:22:33:44:55"), QByteArray("OK\n"));
    QCOMPARE(denied.size(), 1);
    QCOMPARE(denied.at(0).at(0).toByteArray(), phone);
    QCOMPARE(m_ap->handleRequest("STA-NEXT " + laptop), QByteArray());
    QCOMPARE(m_ap->handleRequest("DENY_ACL SHOW"), QByteArray("02:11:22:33:44:55 VLAN_ID=0\n"));

    // The telephone's tool sends the address as the list shows it, in capitals.
    QCOMPARE(m_ap->handleRequest("DENY_ACL ADD_MAC A4:5E:60:DE:AD:01"), QByteArray("OK\n"));
    QCOMPARE(denied.size(), 2);
    QCOMPARE(denied.at(1).at(0).toByteArray(), laptop);
    QCOMPARE(m_ap->handleRequest("STA-FIRST"), QByteArray());

    // A denied device cannot join again while the access point runs.
    QString error;
    QVERIFY(!m_ap->addStation(station(phone, 10, -50, 0, 1, 1, 100, 100), &error));
    QVERIFY(error.contains(QLatin1String("deny list")));
    QCOMPARE(m_ap->handleRequest("DENY_ACL DEL_MAC 02:11:22:33:44:55"), QByteArray("OK\n"));
    QVERIFY(m_ap->addStation(station(phone, 10, -50, 0, 1, 1, 100, 100), &error));
}

void tst_AccessPoint::denyOfAnAbsentStation()
{
    QSignalSpy denied(m_ap, &AccessPoint::stationDenied);
    QCOMPARE(m_ap->handleRequest("DENY_ACL ADD_MAC 02:00:00:00:00:99"), QByteArray("OK\n"));
    m_ap->stop();
    QCOMPARE(m_ap->handleRequest("DENY_ACL ADD_MAC 02:11:22:33:44:55"), QByteArray("OK\n"));
    QCOMPARE(denied.size(), 0);
    QCOMPARE(m_ap->stations().size(), 2);
}

void tst_AccessPoint::restartForgetsTheDenyList()
{
    m_ap->handleRequest("DENY_ACL ADD_MAC 02:00:00:00:00:99");
    QCOMPARE(m_ap->deniedAddresses().size(), 1);
    m_ap->start(radio());
    QCOMPARE(m_ap->handleRequest("DENY_ACL SHOW"), QByteArray());
    m_ap->handleRequest("DENY_ACL ADD_MAC 02:00:00:00:00:99");
    QCOMPARE(m_ap->handleRequest("DENY_ACL CLEAR"), QByteArray("OK\n"));
    QVERIFY(m_ap->deniedAddresses().isEmpty());
}

void tst_AccessPoint::stationTable()
{
    QString error;
    QVERIFY(!m_ap->addStation(station(phone, 1, -40, 0, 1, 1, 1, 1), &error));
    QVERIFY(error.contains(QLatin1String("connected already")));

    // The newest leaves first; a freed association id is given again.
    QCOMPARE(m_ap->removeStation(QByteArray(), &error), laptop);
    QCOMPARE(m_ap->removeStation(phone, &error), phone);
    QCOMPARE(m_ap->removeStation(QByteArray(), &error), QByteArray());
    QCOMPARE(error, QStringLiteral("there is no station"));
    QCOMPARE(m_ap->removeStation(laptop, &error), QByteArray());
    QVERIFY(error.contains(QLatin1String(laptop)));

    QVERIFY(m_ap->addStation(station(laptop, 1, -40, 0, 1, 1, 1, 1), &error));
    QVERIFY(m_ap->addStation(station(phone, 1, -40, 0, 1, 1, 1, 1), &error));
    m_ap->removeStation(laptop, &error);
    QVERIFY(m_ap->addStation(station("02:00:00:00:00:03", 1, -40, 0, 1, 1, 1, 1), &error));
    QCOMPARE(m_ap->stations().first().aid, 1);
    QCOMPARE(m_ap->clearStations(), 2);
    QCOMPARE(m_ap->handleRequest("STA-FIRST"), QByteArray());
}

QTEST_GUILESS_MAIN(tst_AccessPoint)
#include "tst_accesspoint.moc"
