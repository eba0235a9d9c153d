#pragma once

#include <QFontMetrics>
#include <QPaintDevice>
#include <QString>
#include <QTimer>

// The GUI calls whose Qt 5 forms the telephone's Qt 4.8 lacks, in one place.
namespace GuiCompat {

inline int textWidth(const QFontMetrics &metrics, const QString &text)
{
#if QT_VERSION >= 0x050B00
    return metrics.horizontalAdvance(text);
#else
    return metrics.width(text);
#endif
}

// Qt 4 paints every device at one device pixel per logical pixel.
inline qreal devicePixelRatio(const QPaintDevice *device)
{
#if QT_VERSION >= 0x050600
    return device->devicePixelRatioF();
#else
    Q_UNUSED(device);
    return 1.0;
#endif
}

// Qt 5's coarse timers may run a few seconds' notice up to 5 % long or short; Qt 4's timers
// are all precise.
inline void makePrecise(QTimer *timer)
{
#if QT_VERSION >= 0x050000
    timer->setTimerType(Qt::PreciseTimer);
#else
    Q_UNUSED(timer);
#endif
}

} // namespace GuiCompat
