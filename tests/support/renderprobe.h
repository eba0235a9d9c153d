#pragma once

#include <QImage>
#include <QKeyEvent>
#include <QWidget>

#include <functional>

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
inline QRect bounds(const QImage &image, const std::function<bool(int x, int y)> &test)
{
    QRect result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(x, y))
                result |= QRect(x, y, 1, 1);
        }
    }
    return result;
}
