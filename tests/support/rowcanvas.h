#pragma once

#include "listviewitem.h"
#include "renderprobe.h"

#include <QApplication>
#include <QPainter>

// Renders rows into fixed images and measures what landed where. The row rectangle sits off
// the image origin so that a position taken from the image instead of the row shows.
namespace RowCanvas {

const QColor background(20, 30, 40);
const QRect rowRect(10, 10, 480, 41);

// Tests that find text by its exact pen pin monochrome glyphs.
inline void pinFont(bool smooth = true)
{
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    if (!smooth)
        font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font);
}

inline QImage paintRow(ListViewItem &row, const QRect &rect = rowRect, const QFont &font = QFont())
{
    QImage image(rect.right() + 11, rect.bottom() + 11, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    QRect target = rect;
    row.paint(&painter, target);
    return image;
}

// Pixels inside region that differ from the other image (or, without one, the background).
inline QRect changed(const QImage &image, const QRect &region, const QImage &other = QImage())
{
    return boxWhere(
        image,
        [&](int x, int y) {
            return image.pixel(x, y) != (other.isNull() ? background.rgb() : other.pixel(x, y));
        },
        region);
}

// Pixels of exactly one colour.
inline QRect inkOf(const QImage &image, const QColor &colour, const QRect &region = QRect())
{
    return boxWhere(
        image, [&](int x, int y) { return image.pixel(x, y) == colour.rgb(); }, region);
}

inline QPixmap solid(const QSize &size, const QColor &colour)
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

} // namespace RowCanvas
