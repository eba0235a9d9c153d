#include "listviewpresenceitem.h"

#include "listviewrowpaint_p.h"
#include "palette.h"
#include "textcache.h"

#include <QFont>
#include <QPainter>

ListViewPresenceItem::ListViewPresenceItem(
    const QString &text, const QString &selectedText, const bool &checked)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_selectedText(selectedText)
    , m_checked(checked)
{ }

ListViewPresenceItem::~ListViewPresenceItem() = default;

void ListViewPresenceItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    if (selected() && backGroundSelectColor().isValid())
        painter->fillRect(rect, backGroundSelectColor());

    // Without an icon there is nothing for the white disc to back.
    if (!m_presenceIcon.isNull()) {
        const int w = m_presenceIcon.width();
        const int h = m_presenceIcon.height();
        painter->save();
        painter->setPen(Qt::white);
        painter->setBrush(Qt::white);
        painter->drawEllipse(
            QPoint(rect.x() + w / 2 + 32, rect.y() + h / 2 + 11), w / 2 - 2, h / 2 - 2);
        painter->restore();
        painter->drawPixmap(rect.x() + 33, rect.y() + 12, m_presenceIcon);
    }

    painter->drawPixmap(rect.x() + 8, rect.y() + 12,
        RowPaint::themeImage(m_checked ? QStringLiteral(":/ui/images/radio_button_press.png")
                                       : QStringLiteral(":/ui/images/radio_button_normal.png")));

    QColor pen = selected() ? textSelectColor() : textColor();
    if (!m_itemSelectEnable)
        pen = textDisableColor();
    painter->setPen(pen);
    TextCache::drawText(
        painter, QRect(rect.x() + 60, rect.y(), m_textWidth, rect.height()), alignment(), text());

    QFont valueFont;
    valueFont.setPointSize(18);
    painter->setFont(valueFont);
    painter->setPen(selected() ? WidgetPalette::selectedValue() : WidgetPalette::value());
    TextCache::drawText(painter,
        QRect(QPoint(rect.right() - 248, rect.top()), QPoint(rect.right() - 43, rect.bottom())),
        Qt::AlignRight | Qt::AlignVCenter, m_selectedText);

    RowPaint::drawNextArrow(painter, rect);
    painter->restore();
}
