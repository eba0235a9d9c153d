#include "core.h"

#include <QDir>
#include <QLibrary>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
};

// The visible texts of the two screens, as the translation sources list them.
QList<Message> sourceTexts(const QString &tsFile)
{
    QList<Message> messages;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, xml.readElementText()});
    }
    return messages;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextInEveryLanguage_data();
    void everyTextInEveryLanguage();

private:
    QList<Message> m_texts;
};

void tst_Translations::initTestCase()
{
    QLibrary plugin(QStringLiteral(PLUGIN_FILE));
    QVERIFY2(plugin.load(), qPrintable(plugin.errorString()));
    m_texts = sourceTexts(QStringLiteral(TS_DIR "/settings_hotspot_de_DE.ts"));
    QSet<QString> contexts;
    for (const Message &message : qAsConst(m_texts))
        contexts.insert(message.context);
    QCOMPARE(contexts, QSet<QString>({"SettingsHotspot", "SettingsHotspotInfo"}));
    QVERIFY(m_texts.size() > 20);
}

void tst_Translations::everyTextInEveryLanguage_data()
{
    QTest::addColumn<int>("language");
    for (int language = 0; language < Core::LanguageCount; ++language) {
        if (language != Core::English)
            QTest::newRow(qPrintable(Core::languageCode(language))) << language;
    }
}

void tst_Translations::everyTextInEveryLanguage()
{
    QFETCH(int, language);
    const QString file = Core::translationFile(QStringLiteral("settings_hotspot"), language);
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QTranslator translator;
    QVERIFY(translator.load(file));
    QStringList missing;
    for (const Message &message : qAsConst(m_texts)) {
        const QString translated
            = translator.translate(qPrintable(message.context), qPrintable(message.source));
        if (translated.isEmpty())
            missing << message.context + QLatin1String("::") + message.source;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
