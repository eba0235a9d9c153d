#include "devicefont.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

namespace {

const QLatin1String deviceFamily("DejaVu Sans Condensed");

// Words of the application's own translations, with the letters each language adds to Latin.
const struct
{
    const char *language;
    const char *sample;
} languageSamples[] = {
    {"Korean", "설정 | 와이파이 핫스팟 연결된 기기"},
    {"Greek", "Ρυθμίσεις | Σημείο πρόσβασης Wi-Fi"},
    {"Russian", "Настройки | Точка доступа Wi-Fi"},
    {"Turkish", "Ayarlar | Wi-Fi Erişim Noktası ğışçöü"},
    {"German", "Einstellungen | Verbundene Geräte ß"},
    {"French", "Paramètres | Point d’accès Wi-Fi çéêœ"},
    {"Spanish", "Configuración | Punto de acceso ñ"},
    {"Portuguese", "Definições | Ponto de acesso ãõ"},
    {"Swedish", "Inställningar | Surfzon åäö"},
};

QList<QGlyphRun> glyphRuns(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

} // namespace

QFont DeviceFont::font()
{
    if (QFontDatabase().hasFamily(deviceFamily))
        return QFont(deviceFamily);
    return QFont();
}

QStringList DeviceFont::uncoveredLanguages(const QFont &font)
{
    QStringList uncovered;
    for (const auto &entry : languageSamples) {
        if (!drawsAll(font, QString::fromUtf8(entry.sample)))
            uncovered.append(QLatin1String(entry.language));
    }
    return uncovered;
}

// A letter no font has is drawn with glyph 0, the box, of the primary font.
bool DeviceFont::drawsAll(const QFont &font, const QString &text)
{
    const QList<QGlyphRun> runs = glyphRuns(font, text);
    return std::none_of(runs.cbegin(), runs.cend(),
        [](const QGlyphRun &run) { return run.glyphIndexes().contains(0); });
}

QStringList DeviceFont::drawingFamilies(const QFont &font, const QString &text)
{
    QStringList families;
    for (const QGlyphRun &run : glyphRuns(font, text)) {
        const QString family = run.rawFont().familyName();
        if (!families.contains(family))
            families.append(family);
    }
    return families;
}
