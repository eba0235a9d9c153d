// How the list paints: its background, the rows of the shown page with their separators, and
// the scroll-bar thumb.
#include "listview.h"

#include "listviewitem.h"
#include "palette.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

void ListView::paintEvent(QPaintEvent *e)
{
    QPainter painter(this);
    painter.save();
    if (!m_backgroundPixmap.isNull())
        painter.drawPixmap(0, 0, m_backgroundPixmap);
    else
        painter.fillRect(rect(), m_backgroundColor);

    if (m_showEmptyString && m_items.isEmpty()) {
        painter.setPen(WidgetPalette::emptyListText());
        painter.drawText(rect(), Qt::AlignCenter, m_emptyString);
        painter.restore();
        return;
    }

    const int rowHeight = height() / m_pageCount;
    const int right = width() - m_lineRightMargin - 1;
    const bool focused = hasFocus();
    bool selectedMoved = false;
    for (int idx = m_startIdx, i = 0; idx < m_startIdx + m_pageCount && idx < m_items.size();
         ++idx, ++i) {
        ListViewItem *row = item(idx);
        if (!row)
            break;
        const int top = i * (rowHeight + 1);
        QRect rowRect(QPoint(m_lineLeftMargin, top), QPoint(right, top + rowHeight - 1));
        selectedMoved = selectedMoved || (idx == m_selectedIdx && row->geometry() != rowRect);
        row->setGeometry(rowRect);
        row->setFocus(focused);
        row->setSelected(idx == m_selectedIdx);
        // Rows outside the repainted part cost their layout and text for nothing.
        if (!e->region().intersects(QRect(0, top, width(), rowHeight + 1)))
            continue;
        row->paint(&painter, rowRect);
        painter.fillRect(
            QRect(QPoint(m_lineLeftMargin, top + rowHeight), QPoint(right, top + rowHeight)),
            WidgetPalette::separator());
    }
    paintScrollBar(&painter);
    painter.restore();
    m_paintedStartIdx = m_startIdx;
    // A row learns its place when it is painted; an editor placed before that (a new page, a
    // first show) sits where the row is not, so it is placed again.
    if (selectedMoved)
        scheduleCheckFocus();
}

void ListView::paintScrollBar(QPainter *painter)
{
    const int n = m_items.size();
    const int p = m_pageCount;
    if (n <= p)
        return;
    // Single precision, as the device draws it.
    const float bottomLimit = float(height() - m_scrollBottomMargin);
    const float track = float(height() - m_scrollTopMargin - m_scrollBottomMargin);
    const float selected = m_selectedIdx < 0 ? 0.0f : float(m_selectedIdx);
    float length = track * (1.0f - float(n - p) / float(n - 1));
    if (length < 40.0f)
        length = 40.0f;
    const float top = selected * ((track / float(n - 1)) * float(n - p) / float(n - 1))
        + float(m_scrollTopMargin);
    if (top + length >= bottomLimit) {
        length -= top + length - bottomLimit;
        if (length <= 0.0f)
            length = 1.0f;
    }
    // The raster engine fills a translucent rectangle a line at a time, which costs more than
    // the rest of the bar; a ready-made strip of the thumb's colour is blended in one go. The
    // edges are rounded as the engine rounds those of a filled rectangle.
    const QRectF thumb(width() - 1 - m_scrollRightMargin - 5, top, 6, length);
    const QRect pixels(QPoint(qRound(thumb.left()), qRound(thumb.top())),
        QPoint(qRound(thumb.right()) - 1, qRound(thumb.bottom()) - 1));
    static const QImage strip = [] {
        QImage image(6, 1024, QImage::Format_ARGB32_Premultiplied);
        image.fill(WidgetPalette::scrollThumb());
        return image;
    }();
    if (pixels.width() == strip.width() && pixels.height() <= strip.height())
        painter->drawImage(pixels.topLeft(), strip, QRect(QPoint(0, 0), pixels.size()));
    else
        painter->fillRect(thumb, WidgetPalette::scrollThumb());
}
