#include "listviewsubtitleitem.h"

#include "guicompat.h"
#include "palette.h"
#include "textcache.h"

#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QObject>
#include <QPainter>
#include <QPixmap>

namespace {

// Group headings sit this much higher than their row, their fragments this much lower.
constexpr int groupNameShift = 10;
// Gap a fragment placed after the text before it leaves.
constexpr int fragmentGap = 10;
// Width of the box the last fragment gets once the row has a subtitle alignment.
constexpr int alignedBoxWidth = 142;

} // namespace

ListViewSubTitleItem::ListViewSubTitleItem(const QString &text)
    : ListViewItem(text, QPixmap(), QPixmap())
{ }

ListViewSubTitleItem::~ListViewSubTitleItem()
{
    while (!m_subTitles.isEmpty())
        delete m_subTitles.takeLast();
}

void ListViewSubTitleItem::addSubTitle(
    const QString &text, int x, int pt, const QColor &color, const QColor &selectColor)
{
    auto *fragment = new textClass(text);
    fragment->setTextColor(color);
    fragment->setTextSelecteColor(selectColor);
    fragment->setTextPt(pt);
    fragment->settextX(x);
    m_subTitles.append(fragment);
}

textClass *ListViewSubTitleItem::subTitle(int idx)
{
    if (idx < 0 || idx >= m_subTitles.size()) {
        qDebug() << "ListViewSubTitleItem::subTitle index err";
        return nullptr;
    }
    return m_subTitles.at(idx);
}

int ListViewSubTitleItem::setSubtitleAlignment(int flags)
{
    m_subtitleAlignment = flags;
    m_useSubtitleAlignment = true;
    return 0;
}

QRect ListViewSubTitleItem::paintFrame(QPainter *painter, const QRect &rect)
{
    if (hasFocus() && selected() && backGroundSelectColor().isValid())
        painter->fillRect(rect, backGroundSelectColor());

    QRect label;
    QPixmap *normal = pixmap(0);
    if (normal && !normal->isNull()) {
        QPixmap *selectedIcon = pixmap(1);
        const QPixmap &icon = (hasFocus() && selected() && selectedIcon) ? *selectedIcon : *normal;
        const int y = icon.height() >= rect.height()
            ? rect.top() + 9
            : rect.top() + (rect.height() - icon.height()) / 2;
        painter->drawPixmap(rect.left() + 15, y, icon);
        // Like the plain row, the label starts at a fixed x, not offset by the row's left.
        const int right = m_textWidth == -1 ? rect.right() - rect.left() : 52 + m_textWidth;
        label = QRect(QPoint(53, rect.top()), QPoint(right, rect.bottom()));
    } else if (m_groupNameItem) {
        const int right = m_textWidth == -1 ? rect.right() - 5 : rect.left() + 9 + m_textWidth;
        label = QRect(QPoint(rect.left() + 10, rect.top() - groupNameShift),
            QPoint(right, rect.bottom() - groupNameShift));
    } else {
        const int right = m_textWidth == -1 ? rect.right() : rect.left() + 14 + m_textWidth;
        label = QRect(QPoint(rect.left() + 15, rect.top()), QPoint(right, rect.bottom()));
    }
    painter->setPen(labelPen());
    return label;
}

void ListViewSubTitleItem::paintSubTitles(QPainter *painter, const QRect &rect, int cursor)
{
    const bool highlighted = hasFocus() && selected();
    for (int i = 0; i < m_subTitles.size(); ++i) {
        const textClass *fragment = m_subTitles.at(i);
        const int x = fragment->textX();
        if (x == -1)
            cursor += fragmentGap;
        else
            cursor = x;

        painter->setPen(highlighted ? fragment->textSelectColor() : fragment->textColor());
        QRect box(cursor, rect.top(), fragment->textWidth(), rect.height());
        if (m_groupNameItem)
            box.translate(rect.left(), groupNameShift);
        // Only a fragment that follows the text before it pushes the next one along; the
        // advance is that of the font the fragment follows, before its own size applies.
        if (x < 0)
            cursor += GuiCompat::textWidth(painter->fontMetrics(), fragment->text());

        if (fragment->textPt() >= 0) {
            QFont font;
            // QFont refuses a size of 0 with a warning; the default size is what it keeps then.
            if (fragment->textPt() > 0)
                font.setPointSize(fragment->textPt());
            painter->setFont(font);
        }

        if (!m_useSubtitleAlignment) {
            const QString shown = TextCache::elidedText(painter, fragment->text(), box.width());
            TextCache::drawText(painter, box, fragment->alignment(), shown);
        } else if (i < m_subTitles.size() - 1) {
            TextCache::drawText(painter, box, fragment->alignment(), fragment->text());
        } else {
            TextCache::drawText(painter,
                QRect(rect.left() + x, rect.top(), alignedBoxWidth, rect.height()),
                m_subtitleAlignment, fragment->text());
        }
    }
}

void ListViewSubTitleItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    const QRect label = paintFrame(painter, rect);
    const QString shown = TextCache::elidedText(painter, text(), label.width());
    if (m_useTextShadow != 0) {
        const QPen pen = painter->pen();
        painter->setPen(WidgetPalette::subtitleShadow());
        TextCache::drawText(painter, label.translated(1, 1), alignment(), shown);
        painter->setPen(pen);
    }
    TextCache::drawText(painter, label, alignment(), shown);
    paintSubTitles(
        painter, rect, label.left() + GuiCompat::textWidth(painter->fontMetrics(), shown));
    painter->restore();
}

ListViewSubTitleItemHistory::ListViewSubTitleItemHistory(const QString &text)
    : ListViewSubTitleItem(text)
{ }

ListViewSubTitleItemHistory::~ListViewSubTitleItemHistory() = default;

void ListViewSubTitleItemHistory::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    const QRect label = paintFrame(painter, rect);
    const int width = label.width();

    const QFontMetrics metrics = painter->fontMetrics();
    const QString line1 = metrics.elidedText(m_textLine1, Qt::ElideRight, width);
    const QString line2 = metrics.elidedText(m_textLine2, Qt::ElideRight, width);
    const bool noLine1 = m_textLine1.isEmpty() || m_textLine1 == QLatin1String("Unknown");
    QString shown;
    bool combined = false;
    if (noLine1) {
        shown = m_textLine2.isEmpty() ? QObject::tr("No Information") : line2;
    } else if (m_textLine2.isEmpty() || m_textLine2 == m_textLine1) {
        shown = line1;
    } else {
        // One arg() call, so a "%" in a name is never taken for a place marker.
        shown = QStringLiteral("%1 (%2)").arg(line1, line2);
        combined = true;
    }

    if (GuiCompat::textWidth(metrics, shown) <= width) {
        TextCache::drawText(painter, label, alignment(), shown);
    } else if (!combined) {
        // Only the fixed text can be too wide on its own; there are no two lines to stack.
        TextCache::drawText(
            painter, label, alignment(), metrics.elidedText(shown, Qt::ElideRight, width));
    } else {
        QFont font = painter->font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * 0.75);
        else
            font.setPixelSize(qMax(1, qRound(font.pixelSize() * 0.75)));
        painter->setFont(font);

        const QFontMetrics small = painter->fontMetrics();
        const QString first = small.elidedText(m_textLine1, Qt::ElideRight, width);
        const QString second = small.elidedText(m_textLine2, Qt::ElideRight, width);
        const int height = label.height();
        const int lineHeight = small.boundingRect(first).height();
        const int gap = (height - 2 * lineHeight) / 3;
        const int flags = Qt::AlignLeft | Qt::AlignVCenter;
        TextCache::drawText(
            painter, QRect(label.left(), label.top() + gap, width, height / 2), flags, first);
        painter->setPen(
            hasFocus() && selected() ? WidgetPalette::selectedValue() : WidgetPalette::value());
        TextCache::drawText(painter,
            QRect(label.left(), label.top() + gap + lineHeight + gap, width, height / 2), flags,
            second);
    }

    const QString ownText = TextCache::elidedText(painter, text(), width);
    paintSubTitles(
        painter, rect, label.left() + GuiCompat::textWidth(painter->fontMetrics(), ownText));
    painter->restore();
}
