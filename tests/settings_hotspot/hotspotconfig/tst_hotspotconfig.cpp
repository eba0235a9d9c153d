#include "hotspotconfig.h"

#include "core.h"

#include <QtTest>

class tst_HotspotConfig : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_root = new QTemporaryDir;
        m_core = new Core;
        m_core->setDeviceRoot(m_root->path());
    }
    void cleanup()
    {
        delete m_core;
        delete m_root;
    }

    void allFilesMissing()
    {
        const HotspotConfig::Stored stored = HotspotConfig::load();
        QVERIFY(!stored.enabled);
        QCOMPARE(
            stored.ssid + ' ' + stored.passphrase, QStringLiteral("KLX-p7720_unknown meadows*#"));
        // Reading never creates a file.
        QCOMPARE(QDir(m_root->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {});
    }
    void hotspotSwitch_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("on");
        for (const char *value : {"true", "TRUE", "True", "1", "enabled", "2"})
            QTest::newRow(value) << QByteArray(value) << true;
        for (const char *value : {"false", "FALSE", "fAlSe", "0", ""})
            QTest::newRow(*value ? value : "empty") << QByteArray(value) << false;
    }
    void hotspotSwitch()
    {
        QFETCH(QByteArray, value);
        writeRaw(m_core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=" + value + "\n");
        QTEST(HotspotConfig::load().enabled, "on");
    }
    void radioChoices_data()
    {
        QTest::addColumn<QByteArray>("tethering");
        QTest::addColumn<QString>("choices"); // "unchanged": a mode the screen does not know
        const QList<QPair<const char *, const char *>> rows
            = {{"hw_mode=b\nieee80211n=1", "2.4G 802.11b"}, {"ieee80211n=1", "2.4G 802.11b"},
                {"hw_mode=g\nieee80211n=1", "2.4G 802.11n"},
                {"hw_mode=g\nieee80211n=2", "2.4G 802.11n"},
                {"hw_mode=g\nieee80211n=0", "2.4G 802.11g"}, {"hw_mode=g", "2.4G 802.11g"},
                {"hw_mode=g\nieee80211n=yes", "2.4G 802.11g"},
                {"hw_mode=a\nieee80211n=1", "5G 802.11a"}, {"hw_mode=G", "unchanged unchanged"},
                {"hw_mode=ad", "unchanged unchanged"}};
        for (const auto &row : rows)
            QTest::newRow(row.first) << QByteArray(row.first) << QString(row.second);
    }
    void radioChoices()
    {
        QFETCH(QByteArray, tethering);
        QFETCH(QString, choices);
        writeRaw(hostapd(), "[TETHERING]\n" + tethering + "\n");
        const HotspotConfig::Stored stored = HotspotConfig::load();
        QString frequency = "unchanged", mode = "unchanged";
        QCOMPARE(HotspotConfig::choicesFor(stored.hwMode, stored.ieee80211n, &frequency, &mode),
            !choices.startsWith("unchanged"));
        QCOMPARE(frequency + ' ' + mode, choices);
    }
    // The network name falls back to one made from the line number; "sec:" markers are
    // dropped from the passphrase.
    void texts_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("tethering");
        QTest::addColumn<QString>("read");
        const auto row
            = [](const char *name, const char *line, const char *tethering, const char *read) {
                  QTest::newRow(name) << QByteArray(line) << QByteArray(tethering) << QString(read);
              };
        row("stored", "LineNumber=7", "ssid=Office\nwpa_passphrase=secret99", "Office secret99");
        row("trimmed", "LineNumber=7", "ssid=\" Lab 2 \"", "Lab 2 meadows*#");
        row("blank ssid", "LineNumber=7", "ssid=\"    \"", "KLX-p7720_7 meadows*#");
        row("empty line number", "LineNumber=", "", "KLX-p7720_unknown meadows*#");
        row("no line number", "Other=1", "", "KLX-p7720_unknown meadows*#");
        row("sec: first", "", "wpa_passphrase=sec:secret99", "KLX-p7720_unknown secret99");
        row("sec: spaced", "", "wpa_passphrase=\"  sec:secret99  \"", "KLX-p7720_unknown secret99");
        row("sec: alone", "", "wpa_passphrase=sec:", "KLX-p7720_unknown meadows*#");
        row("sec: inside", "", "wpa_passphrase=abcsec:def", "KLX-p7720_unknown abcdef");
        row("SEC: kept", "", "wpa_passphrase=SEC:abcdefgh", "KLX-p7720_unknown SEC:abcdefgh");
        row("blank passphrase", "", "wpa_passphrase=\"   \"", "KLX-p7720_unknown meadows*#");
    }
    void texts()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, tethering);
        writeRaw(m_core->devicePath(HotspotConfig::sipLinePath), "[LineInfo]\n" + line + "\n");
        writeRaw(hostapd(), "[TETHERING]\n" + tethering + "\n");
        const HotspotConfig::Stored stored = HotspotConfig::load();
        QTEST(QString(stored.ssid + ' ' + stored.passphrase), "read");
    }
    void writesRoundTripAndKeepTheRest_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"net;work", "a=b=c", "#first", "say \"hi\"", "C:\\path\\",
                 "one, two", "my  home  net", "[TETHERING]", "Café Ωmega 핫스팟"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void writesRoundTripAndKeepTheRest()
    {
        QFETCH(QString, text);
        writeRaw(hostapd(),
            "[RADIO]\ncountry_code=DE\n\n[TETHERING]\ninterface=wlan1\nhw_mode=b\n\n"
            "[STATION]\nssid=HomeNet\n");
        writeRaw(m_core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=false\n[DISPLAY]\nBrightness=7\n");
        QVERIFY(HotspotConfig::writeSwitch(true));
        // Spaces at either end are trimmed on the way in.
        QVERIFY(HotspotConfig::writeTethering("g", 1, " " + text + "  ", "\t" + text + "pw "));
        const HotspotConfig::Stored stored = HotspotConfig::load();
        QVERIFY(stored.enabled);
        QCOMPARE(stored.ssid, text);
        QCOMPARE(stored.passphrase, text + "pw");
        const QSettings conf(hostapd(), QSettings::IniFormat);
        for (const char *pair : {"RADIO/country_code=DE", "TETHERING/interface=wlan1",
                 "STATION/ssid=HomeNet", "TETHERING/hw_mode=g", "TETHERING/ieee80211n=1"})
            QCOMPARE(conf.value(QString(pair).section('=', 0, 0)), QString(pair).section('=', 1));
        QCOMPARE(
            QSettings(m_core->envInfoFileName(), QSettings::IniFormat).value("DISPLAY/Brightness"),
            "7");
        // The script reads plain key=value lines.
        QFile raw(hostapd());
        QVERIFY(raw.open(QIODevice::ReadOnly) && raw.readAll().contains("\nhw_mode=g\n"));
    }

private:
    QString hostapd() const { return m_core->devicePath(HotspotConfig::hostapdConfPath); }
    // Writes a file byte for byte, as another tool or a person would have left it.
    void writeRaw(const QString &path, const QByteArray &contents)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }
    QTemporaryDir *m_root = nullptr;
    Core *m_core = nullptr;
};

QTEST_GUILESS_MAIN(tst_HotspotConfig)
#include "tst_hotspotconfig.moc"
