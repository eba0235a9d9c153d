#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

class QWidget;

// The telephone's display as the benchmarks draw it: one 480x272 image, into which either the
// bare backgrounds of a screen are painted (the floor that no screen can go below) or the
// windows on the display, bottom to top, each at its place, as the shell composes them.
class DisplayFrame
{
public:
    static constexpr int Width = 480;
    static constexpr int Height = 272;

    DisplayFrame();

    // The status bar's image, the list background and the function-key bar's image.
    void paintBackgrounds();
    // Every window with all its children, at the window's position on the display.
    void paintWindows(const QList<QWidget *> &windows);

    const QImage &image() const { return m_image; }
    // Writes the frame as a PNG named 'name' into the folder that HOTSPOT_BENCH_SHOTS names, so
    // that what a figure measures can be looked at; without it, does nothing.
    void saveShot(const QString &name) const;

private:
    QImage m_image;
    QPixmap m_statusBackground;
    QPixmap m_listBackground;
    QPixmap m_barBackground;
};
