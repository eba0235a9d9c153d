#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The typeface the simulator draws the display with, and a check that the fonts installed
// draw every language the application is translated into: a language whose letters no font
// has shows up as boxes, which would hide real faults of the layout.
class DeviceFont
{
public:
    // The narrow family nearest to the telephone's own typeface, when it is installed.
    static QFont font();

    // The languages (by English name) that have letters no installed font draws in this font.
    static QStringList uncoveredLanguages(const QFont &font);
    // False when a letter of the text has no glyph in the font or any fallback of it.
    static bool drawsAll(const QFont &font, const QString &text);

    // The families Qt draws a text with, each once: the primary one and the fallbacks it
    // picked for letters the primary one lacks.
    static QStringList drawingFamilies(const QFont &font, const QString &text);
};
