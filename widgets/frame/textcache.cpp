#include "textcache.h"
#include "guicompat.h"
#include "textcache_p.h"

#include <QCache>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRect>

namespace TextCache {

namespace {

    struct Picture
    {
        QImage image;
        QPoint topLeft;
    };

    // Everything that changes how a text comes out, except its position.
    struct Key
    {
        QFont font;
        int dpiX = 0;
        int dpiY = 0;
        int direction = 0;
        QRgb pen = 0;
        int hints = 0;
        int flags = 0;
        QSize box;
        QString text;

        bool operator==(const Key &other) const
        {
            return text == other.text && box == other.box && flags == other.flags
                && pen == other.pen && hints == other.hints && dpiX == other.dpiX
                && dpiY == other.dpiY && direction == other.direction && font == other.font;
        }
    };

    // Without a seed, which Qt 4's hashes lack (Qt 5 seeds this one itself). Qt 4 cannot hash
    // a font either, and its key() is a string built on every call: the fields that tell the
    // widget set's fonts apart do, and equality checks the rest.
    uint qHash(const Key &key)
    {
        const QFont &font = key.font;
        uint hash = ::qHash(key.text);
        for (const uint part : {::qHash(font.family()), uint(font.pixelSize()),
                 uint(font.pointSizeF() * 64), uint(font.weight()), uint(font.italic()),
                 uint(key.box.width()), uint(key.box.height()), uint(key.flags), uint(key.pen),
                 uint(key.hints), uint(key.dpiX * 1000 + key.dpiY)})
            hash = hash * 31 + part;
        return hash;
    }

    Key keyFor(QPainter *painter, const QString &text)
    {
        Key key;
        key.font = painter->font();
        key.dpiX = painter->device()->logicalDpiX();
        key.dpiY = painter->device()->logicalDpiY();
        key.direction = painter->layoutDirection();
        key.text = text;
        return key;
    }

    // Costs are pixels: many screens' worth of rows.
    QCache<Key, Picture> &pictures()
    {
        static QCache<Key, Picture> cache(MaxPicturePixels);
        return cache;
    }

    QCache<Key, QString> &elisions()
    {
        static QCache<Key, QString> cache(MaxElisions);
        return cache;
    }

    // A picture drawn apart and laid over the target matches drawing on it directly only on
    // the raster engine, at whole-pixel offsets, with a plain pen over what is below.
    bool cacheable(QPainter *painter, const QRect &box)
    {
        const QTransform &transform = painter->worldTransform();
        return box.isValid() && painter->paintEngine()
            && painter->paintEngine()->type() == QPaintEngine::Raster
            && GuiCompat::devicePixelRatio(painter->device()) == 1.0
            && transform.type() <= QTransform::TxTranslate
            && transform.dx() == qRound(transform.dx()) && transform.dy() == qRound(transform.dy())
            && painter->compositionMode() == QPainter::CompositionMode_SourceOver
            && painter->pen().style() == Qt::SolidLine
            && painter->pen().brush().style() == Qt::SolidPattern;
    }

    // The part of a picture that holds ink: a line's box is mostly empty, and the cache is
    // what the screen's texts cost in memory.
    QRect inkBounds(const QImage &image)
    {
        const int width = image.width();
        int left = width;
        int right = -1;
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            int first = 0;
            while (first < width && !qAlpha(line[first]))
                ++first;
            if (first == width)
                continue;
            int last = width - 1;
            while (last > right && !qAlpha(line[last]))
                --last;
            left = qMin(left, first);
            right = qMax(right, last);
            if (top < 0)
                top = y;
            bottom = y;
        }
        return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    }

} // namespace

void drawText(QPainter *painter, const QRect &box, int flags, const QString &text)
{
    if (text.isEmpty())
        return;
    if (!cacheable(painter, box)) {
        painter->drawText(box, flags, text);
        return;
    }
    Key key = keyFor(painter, text);
    key.pen = painter->pen().color().rgba();
    key.hints = int(painter->renderHints());
    key.flags = flags;
    key.box = box.size();
    Picture *picture = pictures().object(key);
    if (!picture) {
        // Pictures are kept relative to the box's top left corner. Glyphs may reach a little
        // past the layout's box (overhangs, italics); the margin keeps their ink.
        const QRect local(QPoint(0, 0), box.size());
        const QRect area = painter->boundingRect(local, flags, text).adjusted(-4, -4, 4, 4);
        picture = new Picture;
        picture->topLeft = area.topLeft();
        picture->image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        const QPaintDevice *device = painter->device();
        picture->image.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
        picture->image.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
        picture->image.fill(Qt::transparent);
        QPainter imagePainter(&picture->image);
        imagePainter.setRenderHints(painter->renderHints());
        imagePainter.setLayoutDirection(painter->layoutDirection());
        imagePainter.setFont(painter->font());
        imagePainter.setPen(painter->pen());
        imagePainter.translate(-area.topLeft());
        imagePainter.drawText(local, flags, text);
        imagePainter.end();
        const QRect ink = inkBounds(picture->image);
        picture->image = ink.isEmpty() ? QImage() : picture->image.copy(ink);
        picture->topLeft += ink.topLeft();
        const int cost = qMax(1, ink.width() * ink.height());
        // A picture larger than the whole cache is drawn once and not kept.
        if (!pictures().insert(key, picture, cost)) {
            painter->drawText(box, flags, text);
            return;
        }
    }
    painter->drawImage(box.topLeft() + picture->topLeft, picture->image);
}

void clear()
{
    pictures().clear();
    elisions().clear();
}

QString elidedText(QPainter *painter, const QString &text, int width)
{
    Key key = keyFor(painter, text);
    key.box = QSize(width, 0);
    if (const QString *elided = elisions().object(key))
        return *elided;
    const QString elided = painter->fontMetrics().elidedText(text, Qt::ElideRight, width);
    elisions().insert(key, new QString(elided));
    return elided;
}

} // namespace TextCache
