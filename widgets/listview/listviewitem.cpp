#include "listviewitem.h"

#include "palette.h"
#include "textcache.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

ListViewItem::ListViewItem()
    : m_textSelectColor(WidgetPalette::selectedText())
    , m_backGroundNoFocusSelectColor(WidgetPalette::noFocusSelectedBackground())
{ }

ListViewItem::ListViewItem(const QString &text, const QPixmap &normal, const QPixmap &selected)
    : m_normalPixmap(normal.isNull() ? nullptr : new QPixmap(normal))
    , m_selectedPixmap(selected.isNull() ? nullptr : new QPixmap(selected))
    , m_text(text)
    , m_textSelectColor(Qt::yellow)
    , m_backGroundNoFocusSelectColor(Qt::lightGray)
    , m_textDisableColor(Qt::gray)
{ }

ListViewItem::~ListViewItem()
{
    delete m_normalPixmap;
    delete m_selectedPixmap;
}

void ListViewItem::setPixmap(const QPixmap &normal, const QPixmap &selected)
{
    if (!normal.isNull()) {
        if (m_normalPixmap)
            *m_normalPixmap = normal;
        else
            m_normalPixmap = new QPixmap(normal);
    }
    delete m_selectedPixmap;
    m_selectedPixmap = new QPixmap(selected.isNull() ? normal : selected);
}

QPixmap *ListViewItem::pixmap(int which)
{
    switch (which) {
    case 0:
        return m_normalPixmap;
    case 1:
        return m_selectedPixmap;
    default:
        return nullptr;
    }
}

QColor ListViewItem::labelPen() const
{
    if (!m_itemSelectEnable)
        return m_textDisableColor;
    return (m_focus && m_selected) ? m_textSelectColor : m_textColor;
}

void ListViewItem::paintSelectBackground(QPainter *painter, const QRect &rect) const
{
    if (!m_selected)
        return;
    if (m_focus) {
        if (m_backGroundSelectColor.isValid())
            painter->fillRect(rect, m_backGroundSelectColor);
    } else {
        painter->fillRect(rect, m_backGroundNoFocusSelectColor);
    }
}

void ListViewItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    paintSelectBackground(painter, rect);

    QRect labelRect;
    int elideWidth;
    if (m_normalPixmap && !m_normalPixmap->isNull()) {
        const bool useSelected = m_focus && m_selected && m_selectedPixmap;
        painter->drawPixmap(
            rect.x() + 15, rect.y() + 9, useSelected ? *m_selectedPixmap : *m_normalPixmap);
        // The label starts at a fixed x, not offset by the row's left edge.
        labelRect
            = QRect(QPoint(53, rect.top()), QPoint(rect.right() - rect.left(), rect.bottom()));
        elideWidth = rect.width() - 53;
    } else if (m_twoColumn) {
        labelRect = rect;
        elideWidth = rect.width() - 15;
    } else {
        labelRect = QRect(rect.left() + 15, rect.top(), rect.width() - 15, rect.height());
        elideWidth = rect.width() - 15;
    }

    painter->setPen(labelPen());
    const QString label = TextCache::elidedText(painter, m_text, elideWidth);
    TextCache::drawText(painter, labelRect, m_alignment, label);
    painter->restore();
}

textClass::textClass(const QString &text)
    : m_text(text)
{ }

ListViewEditItem::ListViewEditItem(const QString &text, const QString &editText)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_editText(editText)
{ }

void ListViewEditItem::setEditText(const QString &text)
{
    m_editText = m_maxLength != 0 ? text.left(m_maxLength) : text;
}

void ListViewEditItem::setMaxLength(int length)
{
    m_maxLength = length;
    if (length != 0)
        m_editText = m_editText.left(length);
}
