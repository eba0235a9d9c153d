#include "timelabel.h"

#include "guicompat.h"
#include "palette.h"
#include "textcache.h"
#include "timelabel_p.h"

#include <QPainter>

TimeLabel::TimeLabel(QWidget *parent)
    : QLabel(parent)
{ }

QString TimeLabelPrivate::timeText(const QTime &time, bool time24Hour, bool blinkFlag)
{
    QString format;
    if (time24Hour)
        format = blinkFlag ? QStringLiteral("hh:mm") : QStringLiteral("hh mm");
    else
        format = blinkFlag ? QStringLiteral("ap hh:mm") : QStringLiteral("ap hh mm");
    return time.toString(format);
}

void TimeLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.save();
    const QString text
        = TimeLabelPrivate::timeText(QTime::currentTime(), m_time24Hour, m_blinkFlag);
    // The status bar gives the clock a fixed width; a font wider than the one it was laid out
    // for is narrowed so that the hours are not cut off. Hinted glyphs do not shrink in
    // proportion, so the size is stepped down until the text fits.
    QFont font = painter.font();
    for (int needed = GuiCompat::textWidth(QFontMetrics(font), text); needed > width();
         needed = GuiCompat::textWidth(QFontMetrics(font), text)) {
        if (font.pixelSize() > 0) {
            if (font.pixelSize() == 1)
                break;
            font.setPixelSize(
                qMax(1, qMin(font.pixelSize() - 1, font.pixelSize() * width() / needed)));
        } else {
            if (font.pointSizeF() <= 1)
                break;
            font.setPointSizeF(
                qMin<qreal>(font.pointSizeF() - 0.5, font.pointSizeF() * width() / needed));
        }
    }
    painter.setFont(font);
    painter.setPen(WidgetPalette::barText());
    TextCache::drawText(
        &painter, QRect(0, 0, width(), height()), Qt::AlignRight | Qt::AlignVCenter, text);
    painter.restore();
}
