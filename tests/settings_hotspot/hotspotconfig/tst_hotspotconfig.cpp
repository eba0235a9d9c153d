#include "hotspotconfig.h"

#include "core.h"
#include "inifile.h"
#include "testfiles.h"

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

    // The network name falls back to one made from the line number; "sec:" markers are
    // dropped from the passphrase; the switch takes what the shell writes for true.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("files"); // line file, tethering, switch; split at '|'
        QTest::addColumn<QString>("read"); // switch, name, passphrase
        const auto row = [](const char *files, const char *read) {
            QTest::newRow(files) << QByteArray(files) << QString(read);
        };
        row("||", "0 KLX-p7720_unknown meadows*#");
        row("LineNumber=7|ssid=Office\nwpa_passphrase=secret99|TRUE", "1 Office secret99");
        row("LineNumber=7|ssid=\" Lab 2 \"|enabled", "1 Lab 2 meadows*#");
        row("LineNumber=7|ssid=\"    \"|fAlSe", "0 KLX-p7720_7 meadows*#");
        row("LineNumber=|wpa_passphrase=\"  sec:secret99  \"|0", "0 KLX-p7720_unknown secret99");
        row("Other=1|wpa_passphrase=sec:|2", "1 KLX-p7720_unknown meadows*#");
        row("|wpa_passphrase=abcsec:def|", "0 KLX-p7720_unknown abcdef");
        row("|wpa_passphrase=SEC:abcdefgh|", "0 KLX-p7720_unknown SEC:abcdefgh");
        row("|wpa_passphrase=\"   \"|", "0 KLX-p7720_unknown meadows*#");
    }
    void reading()
    {
        QFETCH(QByteArray, files);
        const QList<QByteArray> parts = files.split('|');
        if (files != "||") {
            writeFile(m_core->devicePath(HotspotConfig::sipLinePath), "[LineInfo]\n" + parts[0]);
            writeFile(hostapd(), "[TETHERING]\n" + parts[1] + "\n");
            writeFile(m_core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=" + parts[2] + "\n");
        }
        const HotspotConfig::Stored stored = HotspotConfig::load();
        const QString read
            = QString::number(stored.enabled) + ' ' + stored.ssid + ' ' + stored.passphrase;
        QTEST(read, "read");
        // Reading never creates a file.
        if (files == "||")
            QVERIFY(
                QDir(m_root->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
    void radioChoices_data()
    {
        QTest::addColumn<QByteArray>("tethering");
        QTest::addColumn<QString>("choices"); // "- -": a mode the screen does not know
        const char *const rows[][2]
            = {{"ieee80211n=1", "2.4G 802.11b"}, {"hw_mode=g\nieee80211n=2", "2.4G 802.11n"},
                {"hw_mode=g\nieee80211n=yes", "2.4G 802.11g"},
                {"hw_mode=a\nieee80211n=1", "5G 802.11a"}, {"hw_mode=G", "- -"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QByteArray(row[0]) << QString(row[1]);
    }
    void radioChoices()
    {
        QFETCH(QByteArray, tethering);
        QFETCH(QString, choices);
        writeFile(hostapd(), "[TETHERING]\n" + tethering + "\n");
        const HotspotConfig::Stored stored = HotspotConfig::load();
        QString frequency = "-", mode = "-";
        QCOMPARE(HotspotConfig::choicesFor(stored.hwMode, stored.ieee80211n, &frequency, &mode),
            choices != "- -");
        QCOMPARE(frequency + ' ' + mode, choices);
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
        writeFile(hostapd(), file(conf));
        writeFile(m_core->envInfoFileName(), file(env));
        const QByteArray saved = file(QByteArray(conf).replace("ssid=Older", "ssid=New net"));

        HotspotConfig::Tethering values {"g", 1, "New net", "secret 99"};
        QVERIFY(HotspotConfig::save(true, values, HotspotConfig::SsidChanged));
        QCOMPARE(bytesOf(hostapd()), saved);
        QCOMPARE(bytesOf(m_core->envInfoFileName()),
            file(QByteArray(env).replace("HOTSPOT=false", "HOTSPOT=true")));
        // Switching off touches the switch alone; unchanged radio choices keep their bytes.
        values.hwMode = "b";
        QVERIFY(HotspotConfig::save(false, values, 0));
        QCOMPARE(bytesOf(hostapd()), saved);
        QCOMPARE(bytesOf(m_core->envInfoFileName()), file(env));
    }
    // Values the rows show cut or cleaned stay as stored while the user leaves them alone;
    // missing or blank ones are written with what the screen showed.
    void untouchedValuesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("tethering");
        QTest::addColumn<QByteArray>("afterSave"); // empty: unchanged
        const QByteArray shown = "hw_mode=b\nieee80211n=0\nssid=Shown\nwpa_passphrase=shown pass\n";
        QTest::newRow("long name, sec:, unknown mode") << QByteArray("hw_mode=G\nssid="
            + QByteArray(40, 'n') + "\nwpa_passphrase=ab sec:cdefgh\nieee80211n=1\n")
                                                       << QByteArray();
        QTest::newRow("spaces, 64-hex key") << QByteArray(
            "hw_mode=a\nssid=\"  Lab  \"\nwpa_passphrase=" + QByteArray(64, 'a')
            + "\nieee80211n=0\n") << QByteArray();
        QTest::newRow("missing keys") << QByteArray("hw_mode=b\n") << shown;
        QTest::newRow("blank name and passphrase")
            << QByteArray("hw_mode=b\nieee80211n=0\nssid=\nwpa_passphrase=\" sec: \"\n") << shown;
    }
    void untouchedValuesKeepTheirBytes()
    {
        QFETCH(QByteArray, tethering);
        QFETCH(QByteArray, afterSave);
        writeFile(hostapd(), "[TETHERING]\n" + tethering);
        QVERIFY(HotspotConfig::save(true, {"b", 0, "Shown", "shown pass"}, 0));
        QCOMPARE(
            bytesOf(hostapd()), "[TETHERING]\n" + (afterSave.isEmpty() ? tethering : afterSave));
    }
    // Missing keys go to the end of their section, a missing section to the end of the file.
    void missingKeysAndSections()
    {
        writeFile(hostapd(), "[TETHERING]\r\nhw_mode=a\r\n\r\n[OTHER]\r\nx=1");
        QVERIFY(HotspotConfig::save(false, {"a", 0, "net", "passphrase"},
            HotspotConfig::SsidChanged | HotspotConfig::PassphraseChanged));
        QCOMPARE(bytesOf(hostapd()),
            QByteArray("[TETHERING]\r\nhw_mode=a\r\nieee80211n=0\r\nssid=net\r\n"
                       "wpa_passphrase=passphrase\r\n\r\n[OTHER]\r\nx=1"));
        QCOMPARE(bytesOf(m_core->envInfoFileName()), QByteArray("[HOTSPOT]\nHOTSPOT=false\n"));
        writeFile(m_core->envInfoFileName(), "[DISPLAY]\nBrightness=7");
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
        writeFile(hostapd(), "[TETHERING]\nhw_mode=b\n");
        QVERIFY(HotspotConfig::save(false, {"b", 0, "x" + text + "x", "y" + text},
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
        writeFile(hostapd(),
            "[TETHERING]\nssid=" + dateTime
                + "\nwpa_passphrase=@ByteArray(pass1234)\nhw_mode=@Invalid()\nieee80211n="
                + bytes("@Variant(\0\0\0\x02\0\0\0\x01)\n"));
        writeFile(
            m_core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=" + bytes("@Variant(\0\0\0\x01\x01)\n"));
        const HotspotConfig::Stored stored = HotspotConfig::load();
        QCOMPARE(stored.ssid, QString::fromLatin1(dateTime.constData(), dateTime.size()));
        QCOMPARE(
            stored.passphrase + stored.hwMode, QStringLiteral("@ByteArray(pass1234)@Invalid()"));
        QVERIFY(!stored.enabled && stored.ieee80211n == 0);
    }
    // The new file replaces the old one whole, as the same owner and mode, at a link's target.
    void replacementKeepsOwnerModeAndLinks()
    {
        const QString real = m_root->filePath("real/hostapd.conf");
        writeFile(real, "[TETHERING]\nssid=a\n");
        QDir().mkpath(QFileInfo(hostapd()).absolutePath());
        QVERIFY(QFile::link(real, hostapd()));
        QVERIFY(
            QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(QFile::encodeName(real).constData(), 1234, 5678), 0);
        QVERIFY(
            HotspotConfig::save(false, {"b", 0, "b", "passphrase"}, HotspotConfig::SsidChanged));
        QVERIFY(QFileInfo(hostapd()).isSymLink());
        QVERIFY(bytesOf(hostapd()).startsWith("[TETHERING]\nssid=b\n"));
        struct stat after;
        QCOMPARE(::stat(QFile::encodeName(real).constData(), &after), 0);
        QCOMPARE(after.st_mode & 07777, mode_t(0640));
        if (root)
            QVERIFY(after.st_uid == 1234 && after.st_gid == 5678);
        QCOMPARE(QDir(m_root->filePath("real")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"hostapd.conf"}));
    }

private:
    template<size_t N> static QByteArray bytes(const char (&text)[N])
    {
        return QByteArray(text, int(N - 1));
    }
    QString hostapd() const { return m_core->devicePath(HotspotConfig::hostapdConfPath); }
    QTemporaryDir *m_root = nullptr;
    Core *m_core = nullptr;
};

QTEST_GUILESS_MAIN(tst_HotspotConfig)
#include "tst_hotspotconfig.moc"
