#include "messagearguments.h"

#include <QtTest>

class tst_MessageArguments : public QObject
{
    Q_OBJECT
private slots:
    void buildsPayloadsByteForByte_data();
    void buildsPayloadsByteForByte();
    void refusesArgumentsThatDoNotFit_data();
    void refusesArgumentsThatDoNotFit();
};

// The payloads must equal what the telephone's Qt 4.8 processes serialise.
void tst_MessageArguments::buildsPayloadsByteForByte_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("str") << "wifi2ui_Hotspot(str)" << QStringList {"on"}
                         << QByteArray("00000004006f006e");
    QTest::newRow("empty str") << "wifi2ui_Hotspot_release_ack(str)" << QStringList {""}
                               << QByteArray("00000000");
    QTest::newRow("bool true") << "updateHotspotIcon(bool)" << QStringList {"true"}
                               << QByteArray("01");
    QTest::newRow("bool 0") << "updateHotspotIcon(bool)" << QStringList {"0"} << QByteArray("00");
    QTest::newRow("negative int") << "setLevel(int)" << QStringList {"-5"}
                                  << QByteArray("fffffffb");
    QTest::newRow("no arguments") << "changedLanguage()" << QStringList() << QByteArray();
    QTest::newRow("two, in order")
        << "pair(str, int)" << QStringList {"A", "7"} << QByteArray("00000002004100000007");
}

void tst_MessageArguments::buildsPayloadsByteForByte()
{
    QFETCH(QString, command);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, hex);
    QByteArray payload("stale");
    QString error;
    QVERIFY2(
        MessageArguments::buildPayload(command, arguments, &payload, &error), qPrintable(error));
    QCOMPARE(payload.toHex(), hex);
}

void tst_MessageArguments::refusesArgumentsThatDoNotFit_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "wifi2ui_Hotspot(str)" << QStringList() << "takes 1 argument(s), 0";
    QTest::newRow("too many") << "wifi2ui_Hotspot(str)" << QStringList {"on", "off"}
                              << "takes 1 argument(s), 2";
    QTest::newRow("not a bool") << "updateHotspotIcon(bool)" << QStringList {"yes"}
                                << "true, false, 1 or 0";
    QTest::newRow("not an int") << "setLevel(int)" << QStringList {"ten"} << "integer";
    QTest::newRow("int overflow") << "setLevel(int)" << QStringList {"4294967296"} << "integer";
    QTest::newRow("no signature") << "wifi2ui_Hotspot" << QStringList {"on"} << "not a command";
    QTest::newRow("unknown type") << "volume(double)" << QStringList {"1"}
                                  << "unknown argument type";
}

void tst_MessageArguments::refusesArgumentsThatDoNotFit()
{
    QFETCH(QString, command);
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QByteArray payload("untouched");
    QString error;
    QVERIFY(!MessageArguments::buildPayload(command, arguments, &payload, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(payload, QByteArray("untouched"));
}

QTEST_GUILESS_MAIN(tst_MessageArguments)
#include "tst_messagearguments.moc"
