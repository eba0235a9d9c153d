#include "baseappinterface.h"
#include "callmanager.h"
#include "core.h"
#include "ime.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A bare application object: its own name and, optionally, the application that owns it.
class FakeApp : public QObject, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
public:
    FakeApp(const QString &name, QObject *parent)
        : QObject(parent)
        , BaseAppInterface(name, parent)
    {
    }
    bool start(QWidget *, void *) override { return true; }
    bool end() override { return true; }
    void receiveMsg(const QString &, const QByteArray &) override { }
};

QString translatedSave()
{
    return QCoreApplication::translate("SettingsHotspot", "Save");
}

} // namespace

class tst_Core : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void isTheCoreWhileItLives();
    void devicePaths_data();
    void devicePaths();
    void koreanCharacters_data();
    void koreanCharacters();
    void encodedStringIsUtf8();
    void imeAnnouncesChangesOnly();
    void sentMessagesReachTheHost();
    void languageCodes();
    void translationFollowsTheLanguage();
    void subApplicationUsesItsOwnersTranslation();
};

void tst_Core::initTestCase()
{
    QLibrary plugin(QStringLiteral(PLUGIN_FILE));
    QVERIFY2(plugin.load(), qPrintable(plugin.errorString()));
}

void tst_Core::isTheCoreWhileItLives()
{
    QVERIFY(!theCore);
    {
        Core core;
        QCOMPARE(theCore, &core);
        QCOMPARE(core.callManager()->callState(), QStringLiteral("IDLE"));
        QVERIFY(core.ime());
        QVERIFY(core.soundManager());
    }
    QVERIFY(!theCore);
}

void tst_Core::devicePaths_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("device") << QString() << "/configs/wireless/hostapd.conf"
                            << "/configs/wireless/hostapd.conf";
    QTest::newRow("sandbox") << "/tmp/sandbox" << "/configs/sip/line_0.conf"
                             << "/tmp/sandbox/configs/sip/line_0.conf";
    QTest::newRow("trailing slash") << "/tmp/sandbox/" << "/usr/sbin/hotspot.sh"
                                    << "/tmp/sandbox/usr/sbin/hotspot.sh";
    QTest::newRow("odd characters") << "/tmp/it's a \"box\" $(x)" << "/usr/sbin/hotspot.sh"
                                    << "/tmp/it's a \"box\" $(x)/usr/sbin/hotspot.sh";
}

void tst_Core::devicePaths()
{
    QFETCH(QString, root);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    Core core;
    core.setDeviceRoot(root);
    QCOMPARE(core.devicePath(path), expected);
    // The shell's own files follow the root unless the host names them.
    QVERIFY(core.envInfoFileName().startsWith(core.devicePath(QStringLiteral("/configs"))));
    core.setEnvInfoFileName(QStringLiteral("/elsewhere/env.ini"));
    QCOMPARE(core.envInfoFileName(), QStringLiteral("/elsewhere/env.ini"));
    QVERIFY(core.configFileName(UserConfigFile) != core.configFileName(SystemConfigFile));
}

void tst_Core::koreanCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("korean");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("ascii") << "Hotspot-2001" << false;
    QTest::newRow("latin accents") << QString::fromUtf8("Ærø Straße") << false;
    QTest::newRow("syllable") << QString::fromUtf8("핫스팟") << true;
    QTest::newRow("compatibility jamo") << QString::fromUtf8("abcㄱ") << true;
    QTest::newRow("last syllable") << QString(QChar(0xD7A3)) << true;
    QTest::newRow("japanese") << QString::fromUtf8("テスト") << false;
    QTest::newRow("chinese") << QString::fromUtf8("热点") << false;
}

void tst_Core::koreanCharacters()
{
    QFETCH(QString, text);
    QFETCH(bool, korean);
    Core core;
    QCOMPARE(core.IshasKRCharacter(text), korean);
}

void tst_Core::encodedStringIsUtf8()
{
    QCOMPARE(getEncodedString(QStringLiteral("ab")), QByteArray("ab"));
    QCOMPARE(getEncodedString(QString::fromUtf8("가")).size(), 3);
}

void tst_Core::imeAnnouncesChangesOnly()
{
    Core core;
    QSignalSpy spy(core.ime(), &IME::changedIMEStatus);
    core.setIMEStatus(IMEStatusEnglishLower, false);
    core.setIMEStatus(IMEStatusEnglishLower, false);
    QCOMPARE(spy.count(), 1);
    // Re-applying the current state announces it again.
    core.setIMEStatus(core.getIMEStatus(), true);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().at(0).toInt(), int(IMEStatusEnglishLower));
    QCOMPARE(core.ime()->imeStatus(), int(IMEStatusEnglishLower));
}

void tst_Core::sentMessagesReachTheHost()
{
    Core core;
    QSignalSpy spy(&core, &Core::appMessageSent);
    core.sendAppMsg(QStringLiteral("idle"), QStringLiteral("updateHotspotIcon(bool)"),
                    QByteArray(1, '\1'));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("idle"));
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("updateHotspotIcon(bool)"));
    QCOMPARE(spy.at(0).at(2).toByteArray(), QByteArray(1, '\1'));
}

void tst_Core::languageCodes()
{
    QCOMPARE(Core::languageCode(Core::Korean), QStringLiteral("kr"));
    QCOMPARE(Core::languageCode(Core::Greek), QStringLiteral("gr_GR"));
    QCOMPARE(Core::languageCode(Core::Swedish), QStringLiteral("se_SE"));
    QVERIFY(Core::languageCode(Core::English).isEmpty());
    for (int language = 0; language < Core::LanguageCount; ++language) {
        if (language != Core::English)
            QCOMPARE(Core::languageFromCode(Core::languageCode(language)), language);
    }
    QCOMPARE(Core::languageFromCode(QStringLiteral("en")), int(Core::English));
    QCOMPARE(Core::languageFromCode(QStringLiteral("xx_XX")), -1);

    Core core;
    QTest::ignoreMessage(QtWarningMsg, "Core::setLanguage invalid language: 99");
    core.setLanguage(99);
    QCOMPARE(core.language(), int(Core::English));
}

void tst_Core::translationFollowsTheLanguage()
{
    Core core;
    FakeApp app(QStringLiteral("settings_hotspot"), nullptr);
    core.setLanguage(Core::German);
    app.reloadLanguage();
    QCOMPARE(translatedSave(), QStringLiteral("Speichern"));
    core.setLanguage(Core::Italian);
    app.reloadLanguage();
    QCOMPARE(translatedSave(), QStringLiteral("Salva"));
    core.setLanguage(Core::English);
    app.reloadLanguage();
    QCOMPARE(translatedSave(), QStringLiteral("Save"));
}

void tst_Core::subApplicationUsesItsOwnersTranslation()
{
    Core core;
    FakeApp owner(QStringLiteral("settings_hotspot"), nullptr);
    FakeApp sub(QStringLiteral("settings_hotspotinfo"), &owner);
    core.setLanguage(Core::Korean);
    sub.reloadLanguage();
    QCOMPARE(translatedSave(), QString::fromUtf8("저장"));

    // An application that has no translations at all keeps the source texts.
    FakeApp stranger(QStringLiteral("no_such_app"), nullptr);
    QTest::ignoreMessage(QtWarningMsg,
                         "Core::installTranslation no translation: \":/no_such_app/no_such_app_kr.qm\"");
    stranger.reloadLanguage();
}

QTEST_GUILESS_MAIN(tst_Core)
#include "tst_core.moc"
