#include "timelabel.h"

#include "textcache.h"

#include <QPainter>

TimeLabel::TimeLabel(QWidget *parent)
    : QLabel(parent)
{ }

QString TimeLabel::timeText(const QTime &time) const
{
    QString format;
    if (m_time24Hour)
        format = m_blinkFlag ? QStringLiteral("hh:mm") : QStringLiteral("hh mm");
    else
        format = m_blinkFlag ? QStringLiteral("ap hh:mm") : QStringLiteral("ap hh mm");
    return time.toString(format);
}

void TimeLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.save();
    const QString text = timeText(QTime::currentTime());
    // The status bar gives the clock a fixed width; a font wider than the one it was laid out
    // for is narrowed so that the hours are not cut off.
    const int needed = painter.fontMetrics().horizontalAdvance(text);
    if (needed > width()) {
        QFont font = painter.font();
        if (font.pixelSize() > 0)
            font.setPixelSize(qMax(1, font.pixelSize() * width() / needed));
        else
            font.setPointSizeF(font.pointSizeF() * width() / needed);
        painter.setFont(font);
    }
    painter.setPen(Qt::white);
    TextCache::drawText(
        &painter, QRect(0, 0, width(), height()), Qt::AlignRight | Qt::AlignVCenter, text);
    painter.restore();
}
