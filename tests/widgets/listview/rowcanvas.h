#pragma once

#include "listviewitem.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>

// Renders rows into fixed images and measures what landed where. The row rectangle sits off
// the image origin so that a position taken from the image instead of the row shows.
namespace RowCanvas {

const QColor background(20, 30, 40);
const QRect rowRect(10, 10, 480, 41);

inline void pinFont()
{
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
}

inline QImage paintRow(ListViewItem &row, const QRect &rect = rowRect)
{
    QImage image(rect.right() + 11, rect.bottom() + 11, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(background);
    QPainter painter(&image);
    QRect target = rect;
    row.paint(&painter, target);
    return image;
}

// Bounding box of the pixels inside region that differ from the other image (or, without
// one, from the background).
inline QRect changed(const QImage &image, const QRect &region, const QImage &other = QImage())
{
    QRect box;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb reference = other.isNull() ? background.rgb() : other.pixel(x, y);
            if (image.pixel(x, y) != reference)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Bounding box of the pixels of exactly one colour.
inline QRect inkOf(const QImage &image, const QColor &colour, const QRect &region = QRect())
{
    QRect box;
    const QRect area = region.isNull() ? image.rect() : region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour.rgb())
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Where an image leaves its mark: the bounding box of its pixels that are not transparent.
inline QRect opaqueBox(const QString &path)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// A rectangle by its inclusive horizontal extent over the row's height.
inline QRect span(int left, int right, const QRect &rect = rowRect)
{
    return QRect(QPoint(left, rect.top()), QPoint(right, rect.bottom()));
}

} // namespace RowCanvas
