#include "listviewsettingitems.h"

#include "listviewrowpaint_p.h"
#include "textcache.h"

#include <QFontMetrics>

using namespace RowPaint;

ListViewCheckItem::ListViewCheckItem(const QString &text, const bool &checked)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_checked(checked)
{ }

ListViewCheckItem::~ListViewCheckItem() = default;

void ListViewCheckItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    fillSelected(painter, *this, rect);
    painter->setPen(rowPen(*this));
    TextCache::drawText(
        painter, span(rect, rect.left() + 15, rect.left() + 441), alignment(), text());
    drawRightCheckBox(painter, rect, m_checked);
    painter->restore();
}

ListViewRadioItem::ListViewRadioItem(const QString &text, const bool &checked)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_checked(checked)
{ }

ListViewRadioItem::~ListViewRadioItem() = default;

void ListViewRadioItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    fillSelected(painter, *this, rect);
    painter->setPen(rowPen(*this));
    TextCache::drawText(
        painter, span(rect, rect.left() + 15, rect.right() - 25), alignment(), text());
    drawImage(painter, rect.right() - 39, rect.top() + 15,
        m_checked ? QStringLiteral(":/ui/images/radio_button_press.png")
                  : QStringLiteral(":/ui/images/radio_button_normal.png"));
    painter->restore();
}

ListViewSelectItem::ListViewSelectItem(const QString &text, const QString &selectedText)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_selectedText(selectedText)
{ }

ListViewSelectItem::~ListViewSelectItem() = default;

void ListViewSelectItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    fillSelected(painter, *this, rect);

    int labelLeft = rect.left() + 15;
    QPixmap *icon = pixmap(0);
    if (icon && !icon->isNull()) {
        QPixmap *selectedIcon = pixmap(1);
        const bool useSelected = selected() && selectedIcon;
        painter->drawPixmap(rect.left() + 13, rect.top() + 12, useSelected ? *selectedIcon : *icon);
        labelLeft = rect.left() + 37;
    }
    painter->setPen(rowPen(*this));
    TextCache::drawText(
        painter, QRect(labelLeft, rect.top(), m_textWidth, rect.height()), alignment(), text());

    const QRect valueRect = span(rect, rect.right() - 248, rect.right() - 43);
    painter->setFont(valueFont());
    painter->setPen(valuePen(selected()));
    const QString value = TextCache::elidedText(painter, m_selectedText, valueRect.width());
    TextCache::drawText(painter, valueRect, Qt::AlignRight | Qt::AlignVCenter, value);

    drawNextArrow(painter, rect);
    painter->restore();
}

ListViewLineEditItem::ListViewLineEditItem(const QString &text, const QString &editText)
    : ListViewEditItem(text, editText)
{ }

ListViewLineEditItem::~ListViewLineEditItem() = default;

QString ListViewLineEditItem::cutToBytes(const QString &text, int maxBytes)
{
    int bytes = 0;
    int kept = 0;
    while (kept < text.size() && bytes < maxBytes) {
        bytes += text.at(kept).unicode() > 255 ? 2 : 1;
        ++kept;
    }
    return text.left(kept);
}

void ListViewLineEditItem::setEditText(const QString &text)
{
    if (m_maxBytes > 0)
        m_editText = cutToBytes(text, m_maxBytes);
    else if (m_maxLength != 0)
        m_editText = text.left(m_maxLength);
    else
        m_editText = text;
}

void ListViewLineEditItem::setMaxBytes(int bytes)
{
    if (bytes < 0)
        return;
    m_maxBytes = bytes;
    if (bytes > m_maxLength) {
        if (m_maxLength > 0)
            m_maxBytes = m_maxLength;
        else
            m_maxLength = bytes;
    }
    if (m_maxBytes != 0)
        m_editText = cutToBytes(m_editText, m_maxBytes);
}

void ListViewLineEditItem::setMaxLength(int length)
{
    if (length < 0)
        return;
    m_maxLength = length;
    if (m_maxBytes == 0) {
        if (length != 0)
            m_editText = m_editText.left(length);
    } else if (length < m_maxBytes) {
        setMaxBytes(length);
    } else {
        m_editText = m_editText.left(length);
    }
}

void ListViewLineEditItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    drawEditRowLabel(painter, *this, rect);

    const int base = rect.left() + 125 + m_editTextLeftMargin;
    const int width = rect.width() - 140 - m_editTextLeftMargin;
    drawInputBox(painter, base, rect.top() + 3, width);

    painter->setPen(m_itemSelectEnable ? textColor() : textDisableColor());
    TextCache::drawText(painter,
        QRect(QPoint(base + 9, rect.top() + 9), QPoint(base + width - 9, rect.top() + 31)),
        alignment(), masked(m_editText, m_echoPasswordMode));
    painter->restore();
}
