#pragma once

#include <QString>

class QPainter;
class QRect;

// The widgets draw the same few texts on every paint, and laying a text out (shaping it, eliding
// it) costs several times more than putting its glyphs on screen. These draw and elide as
// QPainter and QFontMetrics do, from pictures and results kept from earlier paints.
namespace TextCache {

// As painter->drawText(box, flags, text), with the painter's font, pen and hints.
void drawText(QPainter *painter, const QRect &box, int flags, const QString &text);

// As painter->fontMetrics().elidedText(text, Qt::ElideRight, width).
QString elidedText(QPainter *painter, const QString &text, int width);

// What is kept at most: pictures of this many pixels in all, four bytes each, and this many
// elided texts. The least recently used go first.
const int MaxPicturePixels = 256 * 1024;
const int MaxElisions = 2048;

} // namespace TextCache
