#include "timelabel.h"

#include <QPainter>

TimeLabel::TimeLabel(QWidget *parent)
    : QLabel(parent)
{
}

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
    const QTime now = QTime::currentTime();
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, width(), height()), Qt::AlignRight | Qt::AlignVCenter,
                     timeText(now));
    painter.restore();
}
