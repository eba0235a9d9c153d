#include "core.h"

#include <QLibrary>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    // The visible texts of both screens, as the translation sources list them by context.
    void initTestCase()
    {
        QLibrary plugin(QStringLiteral(PLUGIN_FILE));
        QVERIFY2(plugin.load(), qPrintable(plugin.errorString()));
        QFile file(QStringLiteral(TS_DIR "/settings_hotspot_de_DE.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context;
        QSet<QString> contexts;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                contexts << (context = xml.readElementText());
            else if (xml.name() == QLatin1String("source"))
                m_texts.append({context, xml.readElementText()});
        }
        QCOMPARE(contexts,
            QSet<QString>() << "SettingsHotspot"
                            << "SettingsHotspotInfo");
        QVERIFY(m_texts.size() > 20);
    }
    void everyTextInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 0; language < Core::LanguageCount; ++language) {
            if (language != Core::English)
                QTest::newRow(qPrintable(Core::languageCode(language))) << language;
        }
    }
    void everyTextInEveryLanguage()
    {
        QFETCH(int, language);
        QTranslator translator;
        QVERIFY(
            translator.load(Core::translationFile(QStringLiteral("settings_hotspot"), language)));
        QStringList missing;
        for (const auto &text : qAsConst(m_texts)) {
            if (translator.translate(qPrintable(text.first), qPrintable(text.second)).isEmpty())
                missing << text.first + "::" + text.second;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    }

private:
    QList<QPair<QString, QString>> m_texts;
};

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
