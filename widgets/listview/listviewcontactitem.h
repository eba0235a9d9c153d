#pragma once

#include "listviewitem.h"

#include <QPixmap>

// A phone-book row: the contact's photo in a frame, the name, and at the right the contact's
// call availability and presence, both chosen from the status codes the presence service
// reports.
class ListViewContactItem : public ListViewItem
{
public:
    explicit ListViewContactItem(const QString &text);
    ~ListViewContactItem() override;

    int type() override { return Contact; }
    void paint(QPainter *painter, QRect &rect) override;

    void setupNumberImage();
    // The photo and the one shown while selected (the photo itself when that is null).
    void setPixmap(const QPixmap &photo, const QPixmap &selectedPhoto);
    QPixmap photo() const { return m_photo; }
    QPixmap photoSelected() const { return m_photoSelected; }
    void setPixmapPresc(const QPixmap &icon) { m_presenceIcon = icon; }
    QPixmap presenceIcon() const { return m_presenceIcon; }
    QPixmap callIcon() const { return m_callIcon; }

    // Picks the presence icon by presence code and, for presences that show one, the call
    // icon by call status. Codes without an image keep the icon shown before.
    void setupPresenceImage(int callStatus, int presence);
    int presenceState() const { return m_presenceState; }
    int callState() const { return m_callState; }

    // Photo position from the row's top-left corner, and its size.
    void setOffset(int x, int y);
    void setSize(int width, int height);
    void setPrescOffset(int x, int y);
    // 0 and 2 are framed photos with the label at 30 or 50 pixels, 1 a wider label.
    void setListType(int type) { m_listType = type; }
    int getListType() const { return m_listType; }

    // Where the label goes for the current list type; empty for an unknown type.
    QRect labelRect(const QRect &rect) const;

private:
    QPixmap m_photo;
    QPixmap m_photoSelected;
    int m_photoX = -12;
    int m_photoY = 5;
    int m_photoWidth = 32;
    int m_photoHeight = 32;
    QPixmap m_presenceIcon;
    QPixmap m_callIcon;
    int m_prescX = -12;
    int m_prescY = 4;
    int m_presenceIconWidth = 16;
    int m_presenceIconHeight = 16;
    int m_callIconWidth = 11;
    int m_callIconHeight = 21;
    int m_presenceState = -1;
    int m_callState = -1;
    int m_listType = 0;
};
