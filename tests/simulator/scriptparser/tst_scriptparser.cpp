#include "core.h"
#include "scriptparser.h"

#include <QtTest>

class tst_ScriptParser : public QObject
{
    Q_OBJECT
private slots:
    void readsEveryCommand();
    void knowsTheKeypad_data();
    void knowsTheKeypad();
    void readsWifiRequests_data();
    void readsWifiRequests();
    void namesTheBadLine_data();
    void namesTheBadLine();
    void reportsAnUnreadableFile();
};

void tst_ScriptParser::readsEveryCommand()
{
    ScriptParser parser;
    QVERIFY2(parser.parse(QStringLiteral("# a comment\n"
                                         "\n"
                                         "key F11\n"
                                         "  press Down\r\n"
                                         "release Down\n"
                                         "hold F15 600\n"
                                         "type \"my \\\"home\\\" net\"\n"
                                         "msg settings_hotspot 'wifi2ui_Hotspot(str)' on\n"
                                         "wait 250\n"
                                         "screenshot shots/one.png\n"
                                         "window-screenshot whole.png\n"
                                         "language de_DE\n"
                                         "start\n"
                                         "end\n"
                                         "quit\n")),
        qPrintable(parser.errorString()));
    const QVector<ScriptCommand> commands = parser.commands();
    QCOMPARE(commands.size(), 13);

    QCOMPARE(commands.at(0).kind, ScriptCommand::Key);
    QCOMPARE(commands.at(0).line, 3);
    QCOMPARE(commands.at(0).key, int(Qt::Key_F11));
    QCOMPARE(commands.at(1).key, int(Qt::Key_Down));
    QCOMPARE(commands.at(3).milliseconds, 600);
    QCOMPARE(commands.at(4).text, QStringLiteral("my \"home\" net"));
    QCOMPARE(commands.at(5).command, QStringLiteral("wifi2ui_Hotspot(str)"));
    QCOMPARE(commands.at(5).payload.toHex(), QByteArray("00000004006f006e"));
    QCOMPARE(commands.at(6).milliseconds, 250);
    QCOMPARE(commands.at(7).text, QStringLiteral("shots/one.png"));
    QCOMPARE(commands.at(8).kind, ScriptCommand::WindowScreenshot);
    QCOMPARE(commands.at(9).language, int(Core::German));
    QCOMPARE(commands.at(12).kind, ScriptCommand::Quit);
    QCOMPARE(commands.at(12).line, 15);
}

void tst_ScriptParser::knowsTheKeypad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("first row key") << "F1" << int(Qt::Key_F1) << "";
    QTest::newRow("last soft key") << "F15" << int(Qt::Key_F15) << "";
    QTest::newRow("OK") << "OK" << int(Qt::Key_Enter) << "";
    QTest::newRow("Enter") << "Enter" << int(Qt::Key_Enter) << "";
    QTest::newRow("escape, any case") << "escape" << int(Qt::Key_Escape) << "";
    QTest::newRow("0") << "0" << int(Qt::Key_0) << "0";
    QTest::newRow("Star") << "Star" << int(Qt::Key_Asterisk) << "*";
    QTest::newRow("Hash") << "Hash" << int(Qt::Key_NumberSign) << "#";
    QTest::newRow("Mute") << "Mute" << int(Qt::Key_VolumeMute) << "";
}

void tst_ScriptParser::knowsTheKeypad()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, text);
    ScriptParser parser;
    QVERIFY2(parser.parse(QStringLiteral("press ") + name), qPrintable(parser.errorString()));
    QCOMPARE(parser.commands().at(0).key, key);
    QCOMPARE(parser.commands().at(0).keyText, text);
}

void tst_ScriptParser::readsWifiRequests_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("request");
    QTest::newRow("add random") << "station add" << QStringList {"station", "add"};
    QTest::newRow("add") << "station add 02:AB:00:00:00:01"
                         << QStringList {"station", "add", "02:AB:00:00:00:01"};
    QTest::newRow("remove newest") << "station remove" << QStringList {"station", "remove"};
    QTest::newRow("clear") << "station clear" << QStringList {"station", "clear"};
    QTest::newRow("silent") << "wifi silent on" << QStringList {"silent", "on"};
}

void tst_ScriptParser::readsWifiRequests()
{
    QFETCH(QString, source);
    QFETCH(QStringList, request);
    ScriptParser parser;
    QVERIFY2(parser.parse(source), qPrintable(parser.errorString()));
    QCOMPARE(parser.commands().size(), 1);
    QCOMPARE(parser.commands().at(0).kind, ScriptCommand::WifiService);
    QCOMPARE(parser.commands().at(0).request, request);
}

void tst_ScriptParser::namesTheBadLine_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    QTest::newRow("unknown key") << "key F16" << 1 << "unknown key \"F16\"";
    QTest::newRow("after comments") << "# first\n\nkey OK\nwait soon" << 4 << "not a time";
    QTest::newRow("hold without time") << "hold OK" << 1 << "usage: hold NAME MS";
    QTest::newRow("argument count")
        << "msg settings_hotspot wifi2ui_Hotspot(str)" << 1 << "takes 1 argument(s), 0";
    QTest::newRow("bad bool") << "key OK\nmsg idle updateHotspotIcon(bool) yes" << 2
                              << "true, false, 1 or 0";
    QTest::newRow("unknown application")
        << "msg idel updateHotspotIcon(bool) 1" << 1 << "no application \"idel\"";
    QTest::newRow("unknown command") << "jump" << 1 << "unknown command \"jump\"";
    QTest::newRow("open quote") << "type \"home net" << 1 << "unterminated quote";
    QTest::newRow("type two words") << "type home net" << 1 << "quote text with spaces";
    QTest::newRow("station without action") << "station" << 1 << "usage: station add";
    QTest::newRow("station clear with address")
        << "station clear 02:00:00:00:00:01" << 1 << "usage: station add";
    QTest::newRow("station broken address")
        << "station add 02:00:00:00:00" << 1 << "\"02:00:00:00:00\" is not a MAC address";
    QTest::newRow("silent yes") << "wifi silent yes" << 1 << "usage: wifi silent on|off";
    QTest::newRow("wifi other") << "wifi off" << 1 << "usage: wifi silent on|off";
}

void tst_ScriptParser::namesTheBadLine()
{
    QFETCH(QString, source);
    QFETCH(int, line);
    QFETCH(QString, reason);
    ScriptParser parser;
    QVERIFY(!parser.parse(source));
    QCOMPARE(parser.errorLine(), line);
    QVERIFY2(parser.errorString().startsWith(QStringLiteral("line %1: ").arg(line)),
        qPrintable(parser.errorString()));
    QVERIFY2(parser.errorString().contains(reason), qPrintable(parser.errorString()));
    // Nothing of a bad script runs.
    QVERIFY(parser.commands().isEmpty());
}

void tst_ScriptParser::reportsAnUnreadableFile()
{
    ScriptParser parser;
    QVERIFY(!parser.parseFile(QStringLiteral("/nonexistent/walk.script")));
    QVERIFY(parser.errorString().contains(QLatin1String("/nonexistent/walk.script")));
}

QTEST_GUILESS_MAIN(tst_ScriptParser)
#include "tst_scriptparser.moc"
