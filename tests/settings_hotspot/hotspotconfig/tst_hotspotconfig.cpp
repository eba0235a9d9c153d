#include "hotspotconfig.h"

#include "core.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Writes a file byte for byte, as another tool or a person would have left it.
void writeRaw(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

} // namespace

class tst_HotspotConfig : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void allFilesMissing();
    void hotspotSwitch_data();
    void hotspotSwitch();
    void radioChoices_data();
    void radioChoices();
    void radioParameters_data();
    void radioParameters();
    void passphraseMarkers_data();
    void passphraseMarkers();
    void networkName_data();
    void networkName();
    void writeKeepsEverythingElse();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void failedWriteIsReported();

private:
    QString hostapd() const { return m_core->devicePath(QLatin1String(HotspotConfig::hostapdConfPath)); }
    QString sipLine() const { return m_core->devicePath(QLatin1String(HotspotConfig::sipLinePath)); }
    QTemporaryDir *m_root = nullptr;
    Core *m_core = nullptr;
};

void tst_HotspotConfig::init()
{
    m_root = new QTemporaryDir;
    m_core = new Core;
    m_core->setDeviceRoot(m_root->path());
}

void tst_HotspotConfig::cleanup()
{
    delete m_core;
    delete m_root;
}

void tst_HotspotConfig::allFilesMissing()
{
    const HotspotConfig::Stored stored = HotspotConfig::load();
    QCOMPARE(stored.enabled, false);
    QCOMPARE(stored.hwMode, QStringLiteral("b"));
    QCOMPARE(stored.ieee80211n, 0);
    QCOMPARE(stored.defaultSsid, QStringLiteral("KLX-p7720_unknown"));
    QCOMPARE(stored.ssid, QStringLiteral("KLX-p7720_unknown"));
    QCOMPARE(stored.passphrase, QStringLiteral("meadows*#"));
    // Reading never creates a file.
    QVERIFY(!QFile::exists(hostapd()));
    QVERIFY(!QFile::exists(m_core->envInfoFileName()));
}

void tst_HotspotConfig::hotspotSwitch_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("on");
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("TRUE") << QByteArray("TRUE") << true;
    QTest::newRow("True") << QByteArray("True") << true;
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("false") << QByteArray("false") << false;
    QTest::newRow("FALSE") << QByteArray("FALSE") << false;
    QTest::newRow("fAlSe") << QByteArray("fAlSe") << false;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("other word") << QByteArray("enabled") << true;
    QTest::newRow("two") << QByteArray("2") << true;
}

void tst_HotspotConfig::hotspotSwitch()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, on);
    writeRaw(m_core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=" + value + "\n");
    QCOMPARE(HotspotConfig::load().enabled, on);
}

void tst_HotspotConfig::radioChoices_data()
{
    QTest::addColumn<QByteArray>("tethering");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("mode");
    QTest::newRow("b") << QByteArray("hw_mode=b\nieee80211n=1\n") << true << "2.4G" << "802.11b";
    QTest::newRow("missing mode") << QByteArray("ieee80211n=1\n") << true << "2.4G" << "802.11b";
    QTest::newRow("g with n") << QByteArray("hw_mode=g\nieee80211n=1\n") << true << "2.4G" << "802.11n";
    QTest::newRow("g with n=2") << QByteArray("hw_mode=g\nieee80211n=2\n") << true << "2.4G" << "802.11n";
    QTest::newRow("g without n") << QByteArray("hw_mode=g\nieee80211n=0\n") << true << "2.4G" << "802.11g";
    QTest::newRow("g, n missing") << QByteArray("hw_mode=g\n") << true << "2.4G" << "802.11g";
    QTest::newRow("g, n not a number") << QByteArray("hw_mode=g\nieee80211n=yes\n") << true << "2.4G" << "802.11g";
    QTest::newRow("a") << QByteArray("hw_mode=a\nieee80211n=1\n") << true << "5G" << "802.11a";
    QTest::newRow("capital G") << QByteArray("hw_mode=G\n") << false << "" << "";
    QTest::newRow("ad") << QByteArray("hw_mode=ad\n") << false << "" << "";
}

void tst_HotspotConfig::radioChoices()
{
    QFETCH(QByteArray, tethering);
    QFETCH(bool, known);
    QFETCH(QString, frequency);
    QFETCH(QString, mode);
    writeRaw(hostapd(), "[TETHERING]\n" + tethering);
    const HotspotConfig::Stored stored = HotspotConfig::load();
    QString gotFrequency = QStringLiteral("unchanged");
    QString gotMode = QStringLiteral("unchanged");
    QCOMPARE(HotspotConfig::choicesFor(stored.hwMode, stored.ieee80211n, &gotFrequency, &gotMode),
             known);
    QCOMPARE(gotFrequency, known ? frequency : QStringLiteral("unchanged"));
    QCOMPARE(gotMode, known ? mode : QStringLiteral("unchanged"));
}

void tst_HotspotConfig::radioParameters_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("hwMode");
    QTest::addColumn<int>("ieee80211n");
    QTest::newRow("2.4G b") << "2.4G" << "802.11b" << "b" << 0;
    QTest::newRow("2.4G g") << "2.4G" << "802.11g" << "g" << 0;
    QTest::newRow("2.4G n") << "2.4G" << "802.11n" << "g" << 1;
    QTest::newRow("2.4G with a") << "2.4G" << "802.11a" << "b" << 0;
    QTest::newRow("5G") << "5G" << "802.11a" << "a" << 0;
    QTest::newRow("5G with n") << "5G" << "802.11n" << "a" << 0;
    QTest::newRow("empty frequency") << "" << "" << "a" << 0;
}

void tst_HotspotConfig::radioParameters()
{
    QFETCH(QString, frequency);
    QFETCH(QString, mode);
    QFETCH(QString, hwMode);
    QFETCH(int, ieee80211n);
    QString gotMode;
    int gotN = -1;
    HotspotConfig::parametersFor(frequency, mode, &gotMode, &gotN);
    QCOMPARE(gotMode, hwMode);
    QCOMPARE(gotN, ieee80211n);
}

void tst_HotspotConfig::passphraseMarkers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("plain") << QByteArray("secret99") << "secret99";
    QTest::newRow("marker first") << QByteArray("sec:secret99") << "secret99";
    QTest::newRow("marker, spaces around") << QByteArray("\"  sec:secret99  \"") << "secret99";
    QTest::newRow("marker alone") << QByteArray("sec:") << "meadows*#";
    QTest::newRow("marker inside") << QByteArray("abcsec:def") << "abcdef";
    QTest::newRow("markers twice") << QByteArray("sec:ab sec:cd") << "ab cd";
    QTest::newRow("other case kept") << QByteArray("SEC:abcdefgh") << "SEC:abcdefgh";
    QTest::newRow("only spaces") << QByteArray("\"   \"") << "meadows*#";
}

void tst_HotspotConfig::passphraseMarkers()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, read);
    writeRaw(hostapd(), "[TETHERING]\nwpa_passphrase=" + stored + "\n");
    QCOMPARE(HotspotConfig::load().passphrase, read);
}

void tst_HotspotConfig::networkName_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("ssid");
    QTest::addColumn<QString>("defaultSsid");
    QTest::addColumn<QString>("read");
    QTest::newRow("stored") << QByteArray("LineNumber=2001") << QByteArray("ssid=Office")
                            << "KLX-p7720_2001" << "Office";
    QTest::newRow("trimmed") << QByteArray("LineNumber=2001") << QByteArray("ssid=\" Lab 2 \"")
                             << "KLX-p7720_2001" << "Lab 2";
    QTest::newRow("blank") << QByteArray("LineNumber=2001") << QByteArray("ssid=\"    \"")
                           << "KLX-p7720_2001" << "KLX-p7720_2001";
    QTest::newRow("missing") << QByteArray("LineNumber=42") << QByteArray("")
                             << "KLX-p7720_42" << "KLX-p7720_42";
    QTest::newRow("empty line number") << QByteArray("LineNumber=") << QByteArray("")
                                       << "KLX-p7720_unknown" << "KLX-p7720_unknown";
    QTest::newRow("no line number") << QByteArray("Other=1") << QByteArray("")
                                    << "KLX-p7720_unknown" << "KLX-p7720_unknown";
    QTest::newRow("unquoted comma") << QByteArray("LineNumber=7") << QByteArray("ssid=a,b")
                                    << "KLX-p7720_7" << "a,b";
}

void tst_HotspotConfig::networkName()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, ssid);
    QFETCH(QString, defaultSsid);
    QFETCH(QString, read);
    writeRaw(sipLine(), "[LineInfo]\n" + line + "\n");
    writeRaw(hostapd(), "[TETHERING]\n" + ssid + "\n");
    const HotspotConfig::Stored stored = HotspotConfig::load();
    QCOMPARE(stored.defaultSsid, defaultSsid);
    QCOMPARE(stored.ssid, read);
}

void tst_HotspotConfig::writeKeepsEverythingElse()
{
    writeRaw(hostapd(), "[RADIO]\ncountry_code=DE\n\n"
                        "[TETHERING]\ninterface=wlan1\nchannel=6\nwpa=2\nwpa_key_mgmt=WPA-PSK\n"
                        "rsn_pairwise=CCMP\nhw_mode=b\nssid=Old\nwpa_passphrase=oldpass1\n\n"
                        "[STATION]\nssid=HomeNet\nwpa_passphrase=home-secret\n");
    writeRaw(m_core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=false\n[DISPLAY]\nBrightness=7\n");

    QVERIFY(HotspotConfig::writeSwitch(true));
    QVERIFY(HotspotConfig::writeTethering(QStringLiteral("g"), 1, QStringLiteral("New"),
                                          QStringLiteral("newpass99")));

    const QSettings conf(hostapd(), QSettings::IniFormat);
    QCOMPARE(conf.value("RADIO/country_code").toString(), QStringLiteral("DE"));
    QCOMPARE(conf.value("TETHERING/interface").toString(), QStringLiteral("wlan1"));
    QCOMPARE(conf.value("TETHERING/channel").toString(), QStringLiteral("6"));
    QCOMPARE(conf.value("TETHERING/wpa_key_mgmt").toString(), QStringLiteral("WPA-PSK"));
    QCOMPARE(conf.value("TETHERING/rsn_pairwise").toString(), QStringLiteral("CCMP"));
    QCOMPARE(conf.value("STATION/ssid").toString(), QStringLiteral("HomeNet"));
    QCOMPARE(conf.value("STATION/wpa_passphrase").toString(), QStringLiteral("home-secret"));
    QCOMPARE(conf.value("TETHERING/hw_mode").toString(), QStringLiteral("g"));
    QCOMPARE(conf.value("TETHERING/ieee80211n").toString(), QStringLiteral("1"));
    QCOMPARE(conf.value("TETHERING/ssid").toString(), QStringLiteral("New"));
    QCOMPARE(conf.value("TETHERING/wpa_passphrase").toString(), QStringLiteral("newpass99"));

    const QSettings env(m_core->envInfoFileName(), QSettings::IniFormat);
    QCOMPARE(env.value("DISPLAY/Brightness").toString(), QStringLiteral("7"));
    QCOMPARE(env.value("HOTSPOT/HOTSPOT").toString(), QStringLiteral("true"));
    QCOMPARE(env.childGroups(), QStringList({"DISPLAY", "HOTSPOT"}));

    // The files stay readable by the script: plain key=value lines.
    QFile raw(hostapd());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    QVERIFY(text.contains("\nhw_mode=g\n"));
    QVERIFY(text.contains("\nchannel=6\n"));
}

void tst_HotspotConfig::textsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("semicolon") << "net;work";
    QTest::newRow("equals") << "a=b=c";
    QTest::newRow("hash") << "#first";
    QTest::newRow("quotes") << "say \"hi\"";
    QTest::newRow("backslash") << "C:\\path\\";
    QTest::newRow("comma") << "one, two";
    QTest::newRow("inner spaces") << "my  home  net";
    QTest::newRow("non-ascii") << QString::fromUtf8("Café Ωmega 핫스팟");
    QTest::newRow("brackets") << "[TETHERING]";
}

void tst_HotspotConfig::textsRoundTrip()
{
    QFETCH(QString, text);
    QVERIFY(HotspotConfig::writeTethering(QStringLiteral("b"), 0, text, text + QStringLiteral("pw")));
    const HotspotConfig::Stored stored = HotspotConfig::load();
    QCOMPARE(stored.ssid, text);
    QCOMPARE(stored.passphrase, text + QStringLiteral("pw"));

    // Spaces at either end are trimmed on the way in, so they never come back.
    QVERIFY(HotspotConfig::writeTethering(QStringLiteral("b"), 0, "  " + text + "  ",
                                          "\t" + text + "pw "));
    QCOMPARE(HotspotConfig::load().ssid, text);
    QCOMPARE(HotspotConfig::load().passphrase, text + QStringLiteral("pw"));
}

void tst_HotspotConfig::failedWriteIsReported()
{
    // A file where the configuration directory should be: no write can succeed, not even
    // as root.
    writeRaw(m_core->devicePath(QStringLiteral("/configs/wireless")), "not a directory");
    QVERIFY(!HotspotConfig::writeTethering(QStringLiteral("b"), 0, QStringLiteral("x"),
                                           QStringLiteral("y")));

    m_core->setEnvInfoFileName(m_core->devicePath(QStringLiteral("/configs/wireless/env.ini")));
    QVERIFY(!HotspotConfig::writeSwitch(true));
}

QTEST_GUILESS_MAIN(tst_HotspotConfig)
#include "tst_hotspotconfig.moc"
