#include "hotspotconfig.h"

#include "core.h"
#include "inifile.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

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
    // Every byte outside the changed values stays: comments, blank lines, order, duplicates,
    // keys of other owners however QSettings would have re-encoded them, line breaks.
    void saveChangesOnlyTheChangedValues_data()
    {
        QTest::addColumn<QByteArray>("lineBreak");
        QTest::addColumn<bool>("finalBreak");
        QTest::newRow("LF") << QByteArray("\n") << true;
        QTest::newRow("CRLF") << QByteArray("\r\n") << true;
        QTest::newRow("LF, no final line break") << QByteArray("\n") << false;
    }
    void saveChangesOnlyTheChangedValues()
    {
        QFETCH(QByteArray, lineBreak);
        QFETCH(bool, finalBreak);
        const auto file = [&](QByteArray text) {
            text.replace("\n", lineBreak);
            return finalBreak ? text : text.left(text.size() - lineBreak.size());
        };
        const QByteArray conf = "# hostapd settings, kept by provisioning\n"
                                "; second comment style\n\n"
                                "[RADIO]\ncountry_code=DE\npsk=abc#def;ghi\nlist=a,b,c\n"
                                "key with space = x\npath/key=y\nperc%ent=z\n\n"
                                "[TETHERING]\ninterface=wlan1\nhw_mode=g\n"
                                "ssid=Old  ; the name\nssid=Older\n"
                                "wpa_passphrase = \"sec:secret 99\"\nnote=Caf\xc3\xa9\n"
                                "ieee80211n=1\r\n\n[STATION]\nssid=\"HomeNet\"\n";
        const QByteArray env = "[DISPLAY]\nBrightness=7\n\n[HOTSPOT]\nHOTSPOT=false ; off\n";
        writeRaw(hostapd(), file(conf));
        writeRaw(m_core->envInfoFileName(), file(env));

        HotspotConfig::Tethering values = tethering("g", 1, "New net", "secret 99");
        QVERIFY(HotspotConfig::save(true, values, HotspotConfig::SsidChanged));
        QCOMPARE(bytesOf(hostapd()), file(QByteArray(conf).replace("ssid=Older", "ssid=New net")));
        QCOMPARE(bytesOf(m_core->envInfoFileName()),
            file(QByteArray(env).replace("HOTSPOT=false", "HOTSPOT=true")));

        // Switching off touches the switch alone; unchanged radio choices keep their bytes.
        values.hwMode = "b";
        QVERIFY(HotspotConfig::save(false, values, 0));
        QCOMPARE(bytesOf(hostapd()), file(QByteArray(conf).replace("ssid=Older", "ssid=New net")));
        QCOMPARE(bytesOf(m_core->envInfoFileName()), file(env));
    }

    // Values the rows show cut or cleaned stay as stored while the user leaves them alone;
    // missing or blank ones are written with what the screen showed.
    void untouchedValuesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("tethering");
        QTest::addColumn<QByteArray>("afterSave");
        const QByteArray hex64(64, 'a');
        QTest::newRow("long name, 64-hex key, sec:, unknown mode") << "hw_mode=G\nssid="
                + QByteArray(40, 'n')
                + "\nwpa_passphrase=ab sec:cdefgh\n"
                  "ieee80211n=1\n" << QByteArray();
        QTest::newRow("surrounding spaces")
            << "hw_mode=a\nssid=\"  Lab  \"\nwpa_passphrase=" + hex64 + "\nieee80211n=0\n"
            << QByteArray();
        QTest::newRow("missing keys")
            << QByteArray("hw_mode=b\n")
            << QByteArray("hw_mode=b\nieee80211n=0\nssid=Shown\nwpa_passphrase=shown pass\n");
        QTest::newRow("blank name and passphrase")
            << QByteArray("hw_mode=b\nieee80211n=0\nssid=\nwpa_passphrase=\" sec: \"\n")
            << QByteArray("hw_mode=b\nieee80211n=0\nssid=Shown\nwpa_passphrase=shown pass\n");
    }
    void untouchedValuesKeepTheirBytes()
    {
        QFETCH(QByteArray, tethering);
        QFETCH(QByteArray, afterSave);
        writeRaw(hostapd(), "[TETHERING]\n" + tethering);
        QVERIFY(HotspotConfig::save(true, this->tethering("b", 0, "Shown", "shown pass"), 0));
        QCOMPARE(
            bytesOf(hostapd()), "[TETHERING]\n" + (afterSave.isEmpty() ? tethering : afterSave));
    }

    // Missing keys go to the end of their section, a missing section to the end of the file.
    void missingKeysAndSections()
    {
        writeRaw(hostapd(), "[TETHERING]\r\nhw_mode=a\r\n\r\n[OTHER]\r\nx=1");
        QVERIFY(HotspotConfig::save(false, tethering("a", 0, "net", "passphrase"),
            HotspotConfig::SsidChanged | HotspotConfig::PassphraseChanged));
        QCOMPARE(bytesOf(hostapd()),
            QByteArray("[TETHERING]\r\nhw_mode=a\r\nieee80211n=0\r\nssid=net\r\n"
                       "wpa_passphrase=passphrase\r\n\r\n[OTHER]\r\nx=1"));
        QCOMPARE(bytesOf(m_core->envInfoFileName()), QByteArray("[HOTSPOT]\nHOTSPOT=false\n"));
        writeRaw(m_core->envInfoFileName(), "[DISPLAY]\nBrightness=7");
        QVERIFY(HotspotConfig::writeSwitch(true));
        QCOMPARE(bytesOf(m_core->envInfoFileName()),
            QByteArray("[DISPLAY]\nBrightness=7\n\n[HOTSPOT]\nHOTSPOT=true\n"));
    }

    // What the screen writes, QSettings reads back as written, and the other way round.
    void valuesInQSettingsForm_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text :
            {"net;work", "a=b=c", "#first", "say \"hi\"", "C:\\path\\", "one, two", "my  home  net",
                "[TETHERING]", "Café Ωmega 핫스팟", "@at", "@@twice", " spaced ", "tab\there",
                "\x01\x7f"
                "9"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void valuesInQSettingsForm()
    {
        QFETCH(QString, text);
        writeRaw(hostapd(), "[TETHERING]\nhw_mode=b\n");
        QVERIFY(HotspotConfig::save(false, tethering("b", 0, "x" + text + "x", "y" + text),
            HotspotConfig::SsidChanged | HotspotConfig::PassphraseChanged));
        QCOMPARE(QSettings(hostapd(), QSettings::IniFormat).value("TETHERING/ssid").toString(),
            "x" + text + "x");
        QCOMPARE(HotspotConfig::load().ssid, "x" + text + "x");

        const QString written = m_root->filePath("qsettings.ini");
        QSettings(written, QSettings::IniFormat).setValue("TETHERING/ssid", text);
        const QByteArray raw = bytesOf(written);
        const int from = raw.indexOf("ssid=") + 5;
        QCOMPARE(IniFile::decoded(raw, from, raw.indexOf('\n', from), false), text);
        QCOMPARE(IniFile::encoded(text, false), raw.mid(from, raw.indexOf('\n', from) - from));
    }

    // Nothing in a file is ever turned into a Qt type: serialised forms read as their text.
    void serialisedFormsReadAsText()
    {
        // A cut serialised QDateTime once made QSettings throw std::bad_alloc.
        const QByteArray dateTime = bytes("@Variant(\0\0\0\x10\0%\x8b\xd1\xff\xff\xff\xff\xff)");
        writeRaw(hostapd(),
            "[TETHERING]\nssid=" + dateTime
                + "\nwpa_passphrase=@ByteArray(pass1234)\nhw_mode=@Invalid()\nieee80211n="
                + bytes("@Variant(\0\0\0\x02\0\0\0\x01)\n"));
        writeRaw(
            m_core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=" + bytes("@Variant(\0\0\0\x01\x01)\n"));
        const HotspotConfig::Stored stored = HotspotConfig::load();
        QCOMPARE(stored.ssid, QString::fromLatin1(dateTime.constData(), dateTime.size()));
        QCOMPARE(stored.passphrase, QStringLiteral("@ByteArray(pass1234)"));
        QCOMPARE(stored.hwMode, QStringLiteral("@Invalid()"));
        QCOMPARE(stored.ieee80211n, 0);
        QVERIFY(!stored.enabled);
    }

    // The new file replaces the old one whole, as the same owner and mode, at a link's target.
    void replacementKeepsOwnerModeAndLinks()
    {
        const QString real = m_root->filePath("real/hostapd.conf");
        writeRaw(real, "[TETHERING]\nssid=a\n");
        QDir().mkpath(QFileInfo(hostapd()).absolutePath());
        QVERIFY(QFile::link(real, hostapd()));
        QVERIFY(
            QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(QFile::encodeName(real).constData(), 1234, 5678), 0);

        QVERIFY(HotspotConfig::save(
            false, tethering("b", 0, "b", "passphrase"), HotspotConfig::SsidChanged));
        QVERIFY(QFileInfo(hostapd()).isSymLink());
        QVERIFY(bytesOf(hostapd()).startsWith("[TETHERING]\nssid=b\n"));
        struct stat after;
        QCOMPARE(::stat(QFile::encodeName(real).constData(), &after), 0);
        QCOMPARE(after.st_mode & 07777, mode_t(0640));
        if (root) {
            QCOMPARE(after.st_uid, uid_t(1234));
            QCOMPARE(after.st_gid, gid_t(5678));
        }
        QCOMPARE(QDir(m_root->filePath("real")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"hostapd.conf"}));
    }

private:
    template<size_t N> static QByteArray bytes(const char (&text)[N])
    {
        return QByteArray(text, int(N - 1));
    }
    static HotspotConfig::Tethering tethering(
        const char *hwMode, int ieee80211n, const QString &ssid, const QString &passphrase)
    {
        HotspotConfig::Tethering values;
        values.hwMode = QLatin1String(hwMode);
        values.ieee80211n = ieee80211n;
        values.ssid = ssid;
        values.passphrase = passphrase;
        return values;
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
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
