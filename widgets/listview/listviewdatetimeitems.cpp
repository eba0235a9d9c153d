#include "listviewdatetimeitems.h"

#include "listviewrowpaint_p.h"
#include "palette.h"
#include "textcache.h"

#include <QFontMetrics>

using namespace RowPaint;

WeekdaySelection::WeekdaySelection()
    : m_weekList({QObject::tr("M"), QObject::tr("T"), QObject::tr("W"), QObject::tr("T"),
        QObject::tr("F"), QObject::tr("S"), QObject::tr("S")})
{ }

void WeekdaySelection::paintStrip(
    QPainter *painter, const QRect &rect, int x, bool rowSelected) const
{
    painter->setFont(valueFont());
    for (int day = 0; day < 7; ++day) {
        painter->setPen(isDataSelected(day) ? WidgetPalette::markedDay() : valuePen(rowSelected));
        TextCache::drawText(painter, QRect(x + 18 * day, rect.top(), 18, rect.height()),
            Qt::AlignCenter, m_weekList.value(day));
    }
}

ListViewDateSelectItem::ListViewDateSelectItem(const QString &text)
    : ListViewItem(text, QPixmap(), QPixmap())
{ }

ListViewDateSelectItem::~ListViewDateSelectItem() = default;

void ListViewDateSelectItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    fillSelected(painter, *this, rect);

    QRect labelRect = span(rect, rect.left() + 15, rect.left() + 230);
    QPixmap *icon = pixmap(0);
    if (icon && !icon->isNull()) {
        QPixmap *selectedIcon = pixmap(1);
        painter->drawPixmap(
            rect.left() + 13, rect.top() + 12, selected() && selectedIcon ? *selectedIcon : *icon);
        labelRect = span(rect, rect.left() + 37, rect.left() + 252);
    }
    painter->setPen(rowPen(*this));
    TextCache::drawText(painter, labelRect, alignment(), text());

    m_week.paintStrip(painter, rect, rect.right() - 163, selected());
    drawNextArrow(painter, rect);
    painter->restore();
}

ListViewAlarmItem::ListViewAlarmItem(
    const QString &text, const QString &alarmName, const bool &checked)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_checked(checked)
    , m_alarmName(alarmName)
{ }

ListViewAlarmItem::~ListViewAlarmItem() = default;

void ListViewAlarmItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    fillSelected(painter, *this, rect);
    painter->setPen(rowPen(*this, false));
    TextCache::drawText(
        painter, span(rect, rect.left() + 15, rect.left() + 229), alignment(), text());

    drawRightCheckBox(painter, rect, m_checked);

    const QRect nameRect = span(rect, rect.left() + 95, rect.left() + 299);
    TextCache::drawText(painter, nameRect, m_infoAlignment,
        TextCache::elidedText(painter, m_alarmName, nameRect.width()));

    m_week.paintStrip(painter, rect, rect.right() - 173, selected());
    painter->restore();
}

ListViewTimeEditItem::ListViewTimeEditItem(
    const QString &text, const QString &time, const QString &ampm)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_time(time)
    , m_ampm(ampm)
{ }

ListViewTimeEditItem::~ListViewTimeEditItem() = default;

void ListViewTimeEditItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    drawEditRowLabel(painter, *this, rect);

    // A row that cannot be selected cannot be edited either, so it shows no box.
    if (m_itemSelectEnable)
        drawInputBox(painter, rect.left() + 207, rect.top() + 3, 189);
    painter->setPen(m_itemSelectEnable ? textColor() : textDisableColor());
    TextCache::drawText(painter,
        QRect(
            QPoint(rect.left() + 216, rect.top() + 9), QPoint(rect.left() + 387, rect.top() + 31)),
        Qt::AlignCenter, m_time);

    QFont ampmFont = painter->font();
    ampmFont.setPointSize(18);
    painter->setFont(ampmFont);
    painter->setPen(valuePen(selected()));
    TextCache::drawText(painter, span(rect, rect.right() - 248, rect.right() - 43),
        Qt::AlignRight | Qt::AlignVCenter, m_ampm);

    drawNextArrow(painter, rect);
    painter->restore();
}
