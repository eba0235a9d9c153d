#include "core.h"
#include "recordingapp.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtTest>

class tst_Core : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLibrary plugin(QStringLiteral(PLUGIN_FILE));
        QVERIFY2(plugin.load(), qPrintable(plugin.errorString()));
    }
    // Every language survives its code's round trip; an unknown one is refused and changes nothing.
    // An application's translation comes and goes with the language (a sub-application's use of
    // its owner's is the devices screen's test's); one without translations keeps the source.
    void languages()
    {
        for (int language = 0; language < Core::LanguageCount; ++language)
            QCOMPARE(Core::languageFromCode(Core::languageCode(language)), language);
        QCOMPARE(Core::languageFromCode(QStringLiteral("en")), int(Core::English));
        QCOMPARE(Core::languageFromCode(QStringLiteral("xx_XX")), -1);
        Core core;
        QTest::ignoreMessage(QtWarningMsg, "Core::setLanguage invalid language: 99");
        core.setLanguage(99);
        QCOMPARE(core.language(), int(Core::English));

        RecordingApp owner(QStringLiteral("settings_hotspot"), nullptr);
        const auto save = [] { return QCoreApplication::translate("SettingsHotspot", "Save"); };
        core.setLanguage(Core::German);
        owner.reloadLanguage();
        QCOMPARE(save(), QStringLiteral("Speichern"));
        core.setLanguage(Core::English);
        owner.reloadLanguage();
        QCOMPARE(save(), QStringLiteral("Save"));
        RecordingApp stranger(QStringLiteral("no_such_app"), nullptr);
        core.setLanguage(Core::Korean);
        QTest::ignoreMessage(QtWarningMsg,
            "Core::installTranslation no translation: \":/no_such_app/no_such_app_kr.qm\"");
        stranger.reloadLanguage();
    }
};

QTEST_GUILESS_MAIN(tst_Core)
#include "tst_core.moc"
