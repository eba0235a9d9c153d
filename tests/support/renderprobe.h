#pragma once

#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QWidget>

// A parent that records the keys its children leave to it.
class KeyRecorder : public QWidget
{
public:
    QList<int> presses;
    QList<int> releases;

protected:
    void keyPressEvent(QKeyEvent *e) override { presses << e->key(); }
    void keyReleaseEvent(QKeyEvent *e) override { releases << e->key(); }
};

// The widget and its children over a transparent background (or, with onScreen, over the
// widget's own background), one pixel per pixel.
const QWidget::RenderFlags onScreen = QWidget::DrawWindowBackground | QWidget::DrawChildren;
inline QImage render(QWidget *widget, QWidget::RenderFlags flags = QWidget::DrawChildren)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), flags);
    return image;
}

// Bounding box of the pixels of the area (the whole image if null) for which pick(x, y) holds.
template<typename Pick> QRect boxWhere(const QImage &image, Pick pick, const QRect &area = {})
{
    QRect box;
    const QRect inside = area.isNull() ? image.rect() : area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (pick(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// A picture as a pixmap holds it, premultiplied, so that both sides of a comparison round alike.
inline QImage pixmapImage(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
// An image file as a pixmap holds it; a missing one matches nothing, not even no picture.
inline QImage imageFile(const QString &path)
{
    const QImage image(path);
    return image.isNull() ? QImage(1, 1, QImage::Format_Mono)
                          : pixmapImage(QPixmap::fromImage(image));
}

// Pixels of the area that differ by more than a glyph edge's antialiasing under another FreeType
// build: more than 24 in a channel.
inline int differingPixels(const QImage &a, const QImage &b, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += qAbs(qRed(p) - qRed(q)) > 24 || qAbs(qGreen(p) - qGreen(q)) > 24
                || qAbs(qBlue(p) - qBlue(q)) > 24;
        }
    }
    return count;
}
