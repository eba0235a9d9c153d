#pragma once

#include <QImage>
#include <QKeyEvent>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include <functional>

// What the popup tests share: rendering a widget alone into an image and finding what it drew.

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

// The widget and its children over a transparent background, one pixel per pixel.
inline QImage render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The smallest rectangle holding every pixel that passes the test.
inline QRect bounds(const QImage &image, const std::function<bool(QRgb)> &test)
{
    QRect result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y)))
                result |= QRect(x, y, 1, 1);
        }
    }
    return result;
}

// Where two renderings differ: the text, when they differ only in it.
inline QRect difference(const QImage &a, const QImage &b)
{
    QRect result;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                result |= QRect(x, y, 1, 1);
        }
    }
    return result;
}

inline std::function<bool(QRgb)> isColour(const QColor &colour)
{
    const QRgb rgb = colour.rgba();
    return [rgb](QRgb pixel) { return pixel == rgb; };
}

inline QPixmap filled(const QSize &size, const QColor &colour)
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}
