#include "listviewcontactitem.h"

#include "listviewrowpaint_p.h"
#include "palette.h"
#include "textcache.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QString presenceImage(int presence)
{
    switch (presence) {
    case 1:
        return QStringLiteral(":/ui/images/icon_presence_online.png");
    case 3:
        return QStringLiteral(":/ui/images/icon_presence_meeting.png");
    case 4:
        return QStringLiteral(":/ui/images/icon_presence_food.png");
    case 5:
        return QStringLiteral(":/ui/images/icon_presence_different.png");
    case 7:
        return QStringLiteral(":/ui/images/icon_presence_danger.png");
    case 0:
    case 2:
    case 6:
        return QString();
    default:
        return QStringLiteral(":/ui/images/icon_presence_logout.png");
    }
}

// Presences under which a contact's call availability is not shown.
bool hidesCallIcon(int presence)
{
    return presence == 0 || presence == 2 || presence == 6;
}

QString callImage(int callStatus)
{
    switch (callStatus) {
    case 1:
        return QStringLiteral(":/ui/images/call_icon_available.png");
    case 2:
    case 4:
        return QStringLiteral(":/ui/images/call_icon_unavailable.png");
    default:
        return QStringLiteral(":/ui/images/call_icon_unregister.png");
    }
}

constexpr int callAvailable = 1;

} // namespace

ListViewContactItem::ListViewContactItem(const QString &text)
    : ListViewItem(text, QPixmap(), QPixmap())
{
    setupNumberImage();
    setupPresenceImage(0, 0);
    // Nothing has been reported for the contact yet.
    m_presenceState = -1;
    m_callState = -1;
}

ListViewContactItem::~ListViewContactItem() = default;

void ListViewContactItem::setupNumberImage()
{
    m_photo = QPixmap(QStringLiteral(":/ui/images/number_img_default.png"));
}

void ListViewContactItem::setPixmap(const QPixmap &photo, const QPixmap &selectedPhoto)
{
    m_photo = photo;
    m_photoSelected = selectedPhoto.isNull() ? photo : selectedPhoto;
}

void ListViewContactItem::setupPresenceImage(int callStatus, int presence)
{
    const QString presencePath = presenceImage(presence);
    if (!presencePath.isEmpty())
        m_presenceIcon = QPixmap(presencePath);

    if (hidesCallIcon(presence) || callStatus == 0) {
        m_callState = 0;
    } else {
        m_callIcon = QPixmap(callImage(callStatus));
        m_callState = callStatus;
    }
    m_presenceState = presence;
}

void ListViewContactItem::setOffset(int x, int y)
{
    m_photoX = x;
    m_photoY = y;
}

void ListViewContactItem::setSize(int width, int height)
{
    m_photoWidth = width;
    m_photoHeight = height;
}

void ListViewContactItem::setPrescOffset(int x, int y)
{
    m_prescX = x;
    m_prescY = y;
}

QRect ListViewContactItem::labelRect(const QRect &rect) const
{
    const bool withPresence = !m_presenceIcon.isNull();
    int left;
    int right;
    switch (m_listType) {
    case 0:
        left = 30;
        right = withPresence ? 176 : 220;
        break;
    case 1:
        left = 44;
        right = withPresence ? 234 : 278;
        break;
    case 2:
        left = 50;
        right = withPresence ? 176 : 220;
        break;
    default:
        return QRect();
    }
    return QRect(QPoint(rect.x() + left, rect.top()), QPoint(rect.x() + right, rect.bottom()));
}

void ListViewContactItem::paint(QPainter *painter, QRect &rect)
{
    painter->save();
    if (selected() && backGroundSelectColor().isValid())
        painter->fillRect(rect, backGroundSelectColor());

    const QRect label = labelRect(rect);
    if (!label.isEmpty()) {
        painter->setPen(selected() ? textSelectColor() : textColor());
        TextCache::drawText(
            painter, label, alignment(), TextCache::elidedText(painter, text(), label.width()));
    }

    // A row that never got a selected photo keeps showing its photo while selected.
    const QPixmap &photo = (selected() && !m_photoSelected.isNull()) ? m_photoSelected : m_photo;
    const QRect photoRect(rect.x() + m_photoX, rect.y() + m_photoY, m_photoWidth, m_photoHeight);
    if (!photo.isNull())
        painter->drawPixmap(photoRect, photo.scaledToHeight(m_photoHeight, Qt::FastTransformation));
    if (m_listType == 0 || m_listType == 2) {
        painter->save();
        painter->setPen(WidgetPalette::contactDetail());
        painter->drawRect(
            photoRect.x() - 1, photoRect.y() - 1, m_photoWidth + 1, m_photoHeight + 1);
        painter->restore();
    }

    const QRect callRect(rect.right() - 58, rect.y() + 11, m_callIconWidth, m_callIconHeight);
    if (selected() && m_callState == callAvailable)
        painter->drawPixmap(callRect,
            RowPaint::themeImage(QStringLiteral(":/ui/images/call_icon_presence_press.png")));
    else if (!m_callIcon.isNull())
        painter->drawPixmap(callRect, m_callIcon);

    if (!m_presenceIcon.isNull()) {
        const int w = m_presenceIcon.width();
        const int h = m_presenceIcon.height();
        // A white disc behind the icon keeps its transparent middle readable on any row colour.
        painter->setPen(Qt::white);
        painter->setBrush(Qt::white);
        painter->drawEllipse(
            QPoint(rect.right() - 44 + w / 2 - 1, rect.y() + h / 2 + 12), w / 2 - 2, h / 2 - 2);
        painter->drawPixmap(
            QRect(rect.right() - 44, rect.y() + 13, m_presenceIconWidth, m_presenceIconHeight),
            m_presenceIcon);
    }
    painter->restore();
}
