#include "hotspotsettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class tst_HotspotSettings : public QObject
{
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void readsWhatTheApplicationWrites();
};

// What hostapd refuses to start with, at the edges of its limits.
void tst_HotspotSettings::check_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("passphrase");
    QTest::addColumn<QString>("hwMode");
    QTest::addColumn<int>("wpa");
    QTest::addColumn<QString>("problem");

    const QString ssid = QStringLiteral("KLX-p7720_2001");
    const QString passphrase = QStringLiteral("Harbour-Lights-42");
    const QString g = QStringLiteral("g");
    QTest::newRow("valid") << true << ssid << passphrase << g << 2 << "";
    QTest::newRow("ssid of 1 byte") << true << "x" << passphrase << g << 2 << "";
    QTest::newRow("empty ssid") << true << "" << passphrase << g << 2 << "invalid_ssid";
    QTest::newRow("ssid of 32 bytes") << true << QString(32, 'S') << passphrase << g << 2 << "";
    QTest::newRow("ssid of 33 bytes")
        << true << QString(33, 'S') << passphrase << g << 2 << "invalid_ssid";
    // Greek letters take two bytes, Hangul syllables three: the limit counts bytes.
    QTest::newRow("16 Greek letters")
        << true << QString(16, QChar(0x03a9)) << passphrase << g << 2 << "";
    QTest::newRow("17 Greek letters")
        << true << QString(17, QChar(0x03a9)) << passphrase << g << 2 << "invalid_ssid";
    QTest::newRow("10 Hangul syllables")
        << true << QString(10, QChar(0xd55c)) << passphrase << g << 2 << "";
    QTest::newRow("11 Hangul syllables")
        << true << QString(11, QChar(0xd55c)) << passphrase << g << 2 << "invalid_ssid";
    QTest::newRow("passphrase of 7") << true << ssid << "1234567" << g << 2 << "invalid_passphrase";
    QTest::newRow("passphrase of 8") << true << ssid << "12345678" << g << 2 << "";
    QTest::newRow("passphrase of 63") << true << ssid << QString(63, 'p') << g << 2 << "";
    QTest::newRow("passphrase of 64")
        << true << ssid << QString(64, 'p') << g << 2 << "invalid_passphrase";
    QTest::newRow("printable edges") << true << ssid << " !~meadows*#" << g << 2 << "";
    QTest::newRow("tab") << true << ssid << "meadows\t*#" << g << 2 << "invalid_passphrase";
    QTest::newRow("delete") << true << ssid << QStringLiteral("meadows*#\x7f") << g << 2
                            << "invalid_passphrase";
    QTest::newRow("non-ASCII") << true << ssid << QStringLiteral("pässwörter") << g << 2
                               << "invalid_passphrase";
    QTest::newRow("Hangul passphrase")
        << true << ssid << QString(8, QChar(0xd55c)) << g << 2 << "invalid_passphrase";
    QTest::newRow("open network without passphrase") << true << ssid << "" << g << 0 << "";
    QTest::newRow("hw_mode a") << true << ssid << passphrase << "a" << 2 << "";
    QTest::newRow("hw_mode b") << true << ssid << passphrase << "b" << 2 << "";
    QTest::newRow("hw_mode G") << true << ssid << passphrase << "G" << 2 << "invalid_hw_mode";
    QTest::newRow("hw_mode n") << true << ssid << passphrase << "n" << 2 << "invalid_hw_mode";
    QTest::newRow("no hw_mode") << true << ssid << passphrase << "" << 2 << "invalid_hw_mode";
    QTest::newRow("ssid before passphrase") << true << ""
                                            << "short"
                                            << "x" << 2 << "invalid_ssid";
    QTest::newRow("passphrase before hw_mode") << true << ssid << "short"
                                               << "x" << 2 << "invalid_passphrase";
    // Switching off starts nothing, so nothing is checked.
    QTest::newRow("off") << false << ""
                         << ""
                         << "" << 2 << "";
}

void tst_HotspotSettings::check()
{
    QFETCH(bool, enabled);
    QFETCH(QString, ssid);
    QFETCH(QString, passphrase);
    QFETCH(QString, hwMode);
    QFETCH(int, wpa);
    QFETCH(QString, problem);
    HotspotSettings settings;
    settings.enabled = enabled;
    settings.ssid = ssid;
    settings.passphrase = passphrase;
    settings.hwMode = hwMode;
    settings.wpa = wpa;
    QCOMPARE(settings.check(), problem);
}

void tst_HotspotSettings::readsWhatTheApplicationWrites()
{
    QTemporaryDir root;
    {
        QSettings env(root.filePath(QStringLiteral("configs/envinfo.ini")), QSettings::IniFormat);
        env.setValue(QStringLiteral("HOTSPOT/HOTSPOT"), true);
        QSettings hostapd(
            root.filePath(QStringLiteral("configs/wireless/hostapd.conf")), QSettings::IniFormat);
        hostapd.setValue(QStringLiteral("TETHERING/hw_mode"), QStringLiteral("a"));
        hostapd.setValue(QStringLiteral("TETHERING/ieee80211n"), 1);
        // Commas, a semicolon, quotes and an equals sign are quoted or escaped in the file.
        hostapd.setValue(QStringLiteral("TETHERING/ssid"), QStringLiteral("Caf\u00e9, 2nd floor"));
        hostapd.setValue(QStringLiteral("TETHERING/wpa_passphrase"), QStringLiteral("a;b=\"c\",d"));
        hostapd.setValue(QStringLiteral("TETHERING/channel"), 36);
    }
    const HotspotSettings settings = HotspotSettings::read(root.path());
    QVERIFY(settings.enabled);
    QCOMPARE(settings.hwMode, QStringLiteral("a"));
    QCOMPARE(settings.ieee80211n, 1);
    QCOMPARE(settings.ssid, QStringLiteral("Caf\u00e9, 2nd floor"));
    QCOMPARE(settings.passphrase, QStringLiteral("a;b=\"c\",d"));
    QCOMPARE(settings.channel, 36);
    QCOMPARE(settings.wpa, 2);
    QCOMPARE(settings.check(), QString());
}

QTEST_GUILESS_MAIN(tst_HotspotSettings)
#include "tst_hotspotsettings.moc"
