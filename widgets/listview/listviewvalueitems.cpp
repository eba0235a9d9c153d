#include "listviewvalueitems.h"

#include "listviewrowpaint_p.h"
#include "textcache.h"

#include <QDebug>
#include <QFontMetrics>

#include <algorithm>

using namespace RowPaint;

namespace {

// The background of the rows with a text box: the pressed image while the box is in use,
// otherwise the usual select colour.
void paintEditBackground(
    QPainter *painter, const ListViewItem &row, bool useEditText, const QRect &rect)
{
    if (useEditText && row.selected())
        drawPressedBackground(painter, rect);
    else
        fillSelected(painter, row, rect);
}

} // namespace

ListViewCheckLineEditItem::ListViewCheckLineEditItem(
    const QString &text, const bool &checked, const bool &useEditText, const QString &editText)
    : ListViewEditItem(text, editText)
    , m_checked(checked)
    , m_useEditText(useEditText)
    , m_useTitleText(true)
{ }

ListViewCheckLineEditItem::ListViewCheckLineEditItem(
    const QString &text, const bool &checked, const QString &editText)
    : ListViewEditItem(text, editText)
    , m_checked(checked)
    , m_useEditText(true)
    , m_useTitleText(false)
{ }

ListViewCheckLineEditItem::~ListViewCheckLineEditItem() = default;

void ListViewCheckLineEditItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    paintEditBackground(painter, *this, m_useEditText, rect);
    drawCheckBox(painter, rect.right() - 464, rect.top() + 8, m_checked);

    if (m_useTitleText) {
        painter->setPen(rowPen(*this));
        TextCache::drawText(
            painter, span(rect, rect.left() + 54, rect.left() + 441), alignment(), text());
    }
    if (m_useEditText) {
        int x0 = rect.left() + 54;
        int width = rect.width() - 72;
        if (m_useTitleText) {
            x0 = rect.left() + 125 + m_editTextLeftMargin;
            width = rect.width() - 140 - m_editTextLeftMargin;
        }
        drawInputBox(painter, x0, rect.top() + 3, width);
        painter->setPen(m_itemSelectEnable ? textColor() : textDisableColor());
        TextCache::drawText(painter,
            QRect(QPoint(x0 + 9, rect.top() + 9), QPoint(x0 + width - 9, rect.top() + 31)),
            alignment(), masked(m_editText, m_echoPasswordMode));
    }
    painter->restore();
}

ListViewLineEditCheckItem::ListViewLineEditCheckItem(
    const QString &text, const bool &checked, const bool &useEditText, const QString &editText)
    : ListViewEditItem(text, editText)
    , m_checked(checked)
    , m_useEditText(useEditText)
{ }

ListViewLineEditCheckItem::~ListViewLineEditCheckItem() = default;

void ListViewLineEditCheckItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    paintEditBackground(painter, *this, m_useEditText, rect);
    drawRightCheckBox(painter, rect, m_checked);
    drawScaled(painter, QRect(rect.left() + 7, rect.top(), 418, rect.height()),
        QStringLiteral(":/ui/images/call_hold_bg_right.png"));
    painter->setPen(rowPen(*this));
    TextCache::drawText(painter,
        QRect(
            QPoint(rect.left() + 14, rect.top() + 6), QPoint(rect.left() + 417, rect.bottom() - 6)),
        alignment(), masked(m_editText, m_echoPasswordMode));
    painter->restore();
}

ListViewProgressItem::ListViewProgressItem(const QString &text, int maxValue)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_normalSegment(QStringLiteral(":/ui/images/setting_volume_normal.png"))
    , m_pressSegment(QStringLiteral(":/ui/images/setting_volume_press.png"))
    , m_pressFocusSegment(QStringLiteral(":/ui/images/setting_volume_press_focus.png"))
    , m_maxValue(maxValue)
{ }

ListViewProgressItem::~ListViewProgressItem() = default;

void ListViewProgressItem::setValue(int value)
{
    m_value = std::max(m_minValue, std::min(value, m_maxValue));
}

void ListViewProgressItem::setMinValue(int value)
{
    m_minValue = std::min(value, m_maxValue);
    // A higher minimum lifts the value with it.
    m_value = std::max(m_value, m_minValue);
}

void ListViewProgressItem::setMaxValue(int value)
{
    if (value >= MaxValueLimit) {
        qDebug() << "ListViewProgressItem::setMaxValue maxValue is over! check code! value:"
                 << value;
        return;
    }
    m_maxValue = value;
    // A lower maximum carries the minimum and the value along: minimum <= value <= maximum.
    m_minValue = std::min(m_minValue, m_maxValue);
    m_value = std::min(m_value, m_maxValue);
}

void ListViewProgressItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    fillSelected(painter, *this, rect);
    painter->setPen(rowPen(*this));
    TextCache::drawText(
        painter, span(rect, rect.left() + 15, rect.left() + 267), alignment(), text());

    // The bar grows leftwards from a fixed x: empty segments first, then the filled ones.
    const int top = rect.top() + 6;
    int x = 450;
    for (int i = 0; i < m_maxValue - m_value; ++i, x -= 14)
        painter->drawPixmap(QRect(x, top, 8, 30), m_normalSegment);
    const QPixmap &filled = selected() ? m_pressFocusSegment : m_pressSegment;
    for (int i = 0; i < m_value; ++i, x -= 14)
        painter->drawPixmap(QRect(x, top, 8, 30), filled);
    painter->restore();
}

ListViewInfoItem::ListViewInfoItem(const QString &text, const QString &infoText)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_infoText(infoText)
{ }

ListViewInfoItem::~ListViewInfoItem() = default;

void ListViewInfoItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    drawEditRowLabel(painter, *this, rect, false);

    const QRect infoRect = span(rect, rect.left() + m_infoLeftMargin,
        rect.left() + m_infoLeftMargin - m_infoRightMargin + 224);
    const QString info = TextCache::elidedText(painter, m_infoText, infoRect.width());
    TextCache::drawText(painter, infoRect, m_infoAlignment, info);
    painter->restore();
}

ListViewNetworkItem::ListViewNetworkItem(const QString &text, const QString &infoText)
    : ListViewItem(text, QPixmap(), QPixmap())
    , m_infoText(infoText)
{ }

ListViewNetworkItem::~ListViewNetworkItem() = default;

QString ListViewNetworkItem::signalIconPath() const
{
    if (m_signalLevel < 1 || m_signalLevel > 5) {
        return selected() ? QStringLiteral(":/ui/images/icon_wifi_unknown.png")
                          : QStringLiteral(":/ui/images/icon_wifi_unknown_normal.png");
    }
    return QStringLiteral(":/ui/images/icon_wifi_step%1%2%3.png")
        .arg(m_signalLevel - 1)
        .arg(m_hold ? QStringLiteral("_hold") : QString())
        .arg(selected() ? QStringLiteral("_press") : QString());
}

void ListViewNetworkItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    fillSelected(painter, *this, rect);
    painter->setPen(rowPen(*this, false));
    const QRect labelRect = span(rect, rect.left() + 15, rect.left() + 230);
    TextCache::drawText(
        painter, labelRect, alignment(), TextCache::elidedText(painter, text(), labelRect.width()));

    // A size of 0 is no valid font size; it keeps the painter's font like a negative one.
    if (m_infoTextFontPt > 0) {
        QFont font = painter->font();
        font.setPointSize(m_infoTextFontPt);
        painter->setFont(font);
    }
    TextCache::drawText(painter, span(rect, rect.right() - 263, rect.right() - 58),
        Qt::AlignRight | Qt::AlignVCenter, m_infoText);
    drawScaled(painter, QRect(rect.right() - 34, rect.top() + 11, 19, 16), signalIconPath());
    painter->restore();
}
