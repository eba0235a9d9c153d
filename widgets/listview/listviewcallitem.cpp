#include "listviewcallitem.h"

#include "palette.h"
#include "textcache.h"

#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <chrono>
#include <climits>
#include <type_traits>

namespace {

const char defaultThumbnail[] = ":/call/images/call/call_thumbnail_img.png";

// Call-type icons of the history mode by code; the gap (12 to 17) has no image.
const char *const callTypeIcons[] = {
    "icon_call_incoming_nor.png",
    "icon_call_incoming_press.png",
    "icon_call_outgoing_nor.png",
    "icon_call_outgoing_press.png",
    "icon_call_missed_nor.png",
    "icon_call_missed_press.png",
    "icon_videoConference_incoming_nor.png",
    "icon_videoConference_incoming_press.png",
    "icon_videoConference_missed_nor.png",
    "icon_videoConference_missed_press.png",
    "icon_videoConference_outgoing_nor.png",
    "icon_videoConference_outgoing_press.png",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "icon_msg_incoming_nor.png",
    "icon_msg_incoming_press.png",
    "icon_msg_outgoing_nor.png",
    "icon_msg_outgoing_press.png",
    "icon_msg_missed_nor.png",
    "icon_msg_missed_press.png",
    "call_thumbnail_img.png",
};

constexpr int lineIncoming = 13;
constexpr int lineHold = 16;

// The image a code names in a mode, for the normal or the pressed icon; empty for none.
QString iconPath(int mode, int code, bool pressed)
{
    if (mode == ListViewCallItem::HistoryMode) {
        if (code < 0 || code >= int(std::extent<decltype(callTypeIcons)>::value)
            || !callTypeIcons[code])
            return QString();
        return QLatin1String(":/call/images/call/") + QLatin1String(callTypeIcons[code]);
    }
    if (mode == ListViewCallItem::ActiveLineMode) {
        if (code == lineIncoming)
            return pressed ? QStringLiteral(":/ui/images/icon_line_Incoming.png")
                           : QStringLiteral(":/ui/images/icon_line_Incoming_01.png");
        if (code == lineHold)
            return pressed ? QStringLiteral(":/ui/images/icon_line_hold.png")
                           : QStringLiteral(":/ui/images/icon_line_hold_01.png");
    }
    return QString();
}

struct ModeLayout
{
    int labelLeft;
    int elideWidth;
};

ModeLayout modeLayout(int mode)
{
    switch (mode) {
    case ListViewCallItem::HistoryMode:
        return {65, 135};
    case ListViewCallItem::ActiveLineMode:
        return {63, 157};
    case ListViewCallItem::TextOnlyMode:
        return {35, 211};
    default:
        return {65, 211};
    }
}

// Steady, so that setting the wall clock during a call does not change its duration.
qint64 steadyClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QFont smallFont()
{
    QFont font;
    font.setPixelSize(16);
    return font;
}

} // namespace

ListViewCallItem::Clock ListViewCallItem::s_clock = nullptr;

ListViewCallItem::ListViewCallItem(const QString &label)
    : m_labelText(label)
    , m_thumbnail(QString::fromLatin1(defaultThumbnail))
{ }

ListViewCallItem::ListViewCallItem(int mode, QWidget *parent)
    : m_thumbnail(QString::fromLatin1(defaultThumbnail))
    , m_callItemMode(mode)
{
    Q_UNUSED(parent)
}

ListViewCallItem::~ListViewCallItem() = default;

void ListViewCallItem::setThumbnail(int code)
{
    const QString path = iconPath(m_callItemMode, code, false);
    if (!path.isEmpty())
        m_thumbnail = QPixmap(path);
    if (m_callItemMode == ActiveLineMode)
        m_showTimer = true;
}

void ListViewCallItem::setPressThumbnail(int code)
{
    const QString path = iconPath(m_callItemMode, code, true);
    if (!path.isEmpty())
        m_pressThumbnail = QPixmap(path);
}

void ListViewCallItem::setThumbnailPath(QString path)
{
    m_thumbnail = QPixmap(path);
    if (m_thumbnail.isNull())
        m_thumbnail = QPixmap(QString::fromLatin1(defaultThumbnail));
}

bool ListViewCallItem::setStartTime(int seconds)
{
    qDebug() << "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::setStartTime(int startTime) : "
             << seconds;
    m_startTime = seconds;
    return true;
}

int ListViewCallItem::startTime()
{
    qDebug() << "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::startTime() "
                "---------------------------";
    const qint64 current = now();
    const qint64 elapsed = m_time < 0 ? 0 : current - m_time;
    m_time = current;
    return int(qBound<qint64>(0, elapsed, INT_MAX));
}

qint64 ListViewCallItem::now()
{
    return s_clock ? s_clock() : steadyClock();
}

QString ListViewCallItem::durationText(qint64 seconds)
{
    // A negative start time would otherwise show minus signs in every field.
    const qint64 total = qMax<qint64>(0, seconds);
    const auto field
        = [](qint64 value) { return QString::number(value).rightJustified(2, QLatin1Char('0')); };
    return field(total / 3600) + QLatin1Char(':') + field(total / 60 % 60) + QLatin1Char(':')
        + field(total % 60);
}

void ListViewCallItem::drawBg(QPainter *painter, QRect &rect)
{
    if (!painter || !selected())
        return;
    const QPixmap left(QStringLiteral(":/ui/images/call_hold_bg_left.png"));
    const QPixmap center(QStringLiteral(":/ui/images/call_hold_bg_center.png"));
    const QPixmap right(QStringLiteral(":/ui/images/call_hold_bg_right.png"));
    const int height = left.height();

    int x = rect.x() + 29;
    painter->drawPixmap(x, rect.y(), left.width(), height, left);
    x += left.width();
    const int steps = 253 - left.width() - right.width();
    for (int i = 0; i < steps; ++i)
        painter->drawPixmap(x + i, rect.y(), center.width(), height, center);
    painter->drawPixmap(rect.x() + 282 - right.width(), rect.y(), right.width(), height, right);
}

void ListViewCallItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    drawBg(painter, rect);

    const QColor pen
        = selected() ? WidgetPalette::callLabelSelected() : WidgetPalette::selectedText();
    painter->setPen(pen);

    QPixmap icon = (selected() && !m_pressThumbnail.isNull()) ? m_pressThumbnail : m_thumbnail;
    if (m_callItemMode == PhotoMode && !icon.isNull())
        icon = icon.scaled(27, 27, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int iconY = rect.y() + (rect.height() - icon.height()) / 2;
    if (m_callItemMode == HistoryMode)
        iconY += 1;
    if (m_callItemMode != TextOnlyMode)
        painter->drawPixmap(rect.x() + 34, iconY, icon);

    if (m_callItemMode == PhotoMode) {
        painter->save();
        painter->setPen(selected() ? WidgetPalette::selectedText() : WidgetPalette::callDetail());
        painter->drawRect(rect.x() + 33, iconY - 1, icon.width() + 1, icon.height() + 1);
        painter->restore();
    }

    const ModeLayout layout = modeLayout(m_callItemMode);
    m_labelText = TextCache::elidedText(painter, m_labelText, layout.elideWidth);
    TextCache::drawText(painter, QRect(rect.x() + layout.labelLeft, rect.y(), 238, rect.height()),
        m_labelAlignment, m_labelText);

    if (m_callItemMode == HistoryMode) {
        painter->setFont(smallFont());
        painter->setPen(WidgetPalette::callTime());
        TextCache::drawText(painter,
            QRect(QPoint(rect.x() + 184, rect.top()), QPoint(rect.x() + 277, rect.bottom())),
            Qt::AlignRight | Qt::AlignVCenter, m_historyTimeText);
    }

    if (m_showTimer) {
        painter->setFont(smallFont());
        painter->setPen(WidgetPalette::callTime());
        const qint64 elapsed = m_time < 0 ? 0 : now() - m_time;
        m_timeText = durationText(elapsed / 1000 + m_startTime);
        TextCache::drawText(painter,
            QRect(QPoint(rect.x() + 206, rect.top()), QPoint(rect.x() + 275, rect.bottom())),
            Qt::AlignRight | Qt::AlignVCenter, m_timeText);
    }
    painter->restore();
}
