#pragma once

#include "listviewitem.h"

#include <QPixmap>
#include <QString>

class QWidget;

// A call-log or active-call row: a call-type icon or a photo, the caller's name, and either
// the time of a past call or the running duration of the current one. The row has no timer of
// its own; the duration is worked out whenever the owner repaints it.
class ListViewCallItem : public ListViewItem
{
public:
    // Layout modes.
    enum Mode {
        PhotoMode = 0,
        HistoryMode = 1,
        ActiveLineMode = 2,
        TextOnlyMode = 3,
    };

    explicit ListViewCallItem(const QString &label);
    ListViewCallItem(int mode, QWidget *parent);
    ~ListViewCallItem() override;

    int type() override { return Call; }
    void paint(QPainter *painter, QRect &rect) override;

    void setLabelText(QString text) { m_labelText = text; }
    // Painting shortens the label to what fits, so this is what was last drawn.
    QString labelText() const { return m_labelText; }
    void setHistoryTimeText(const QString &text) { m_historyTimeText = text; }
    QString historyTimeText() const { return m_historyTimeText; }
    void setCallItemMode(int mode) { m_callItemMode = mode; }
    int callItemMode() const { return m_callItemMode; }
    void setItemIndex(int index) { m_itemIndex = index; }
    int itemIndex() const { return m_itemIndex; }

    // Picks the icon by call type (history mode) or line state (active-line mode); codes
    // without an image leave the icon as it was. In active-line mode it also turns the
    // duration on.
    void setThumbnail(int code);
    void setPressThumbnail(int code);
    // Falls back to the default photo when the file cannot be read.
    void setThumbnailPath(QString path);
    QPixmap pressThumbnail() const { return m_pressThumbnail; }
    bool showTimer() const { return m_showTimer; }

    // Seconds the call had already lasted when the duration clock was started.
    bool setStartTime(int seconds);
    // Restarts the duration clock; returns the milliseconds since the previous start, 0 the
    // first time.
    int startTime();

    // The highlight bar of a selected row, made of a left cap, a middle piece and a right cap.
    void drawBg(QPainter *painter, QRect &rect);

private:
    friend class ListViewCallItemPrivate;
    // Milliseconds on a steady clock; the duration shown is measured with it.
    using Clock = qint64 (*)();

    static qint64 now();
    static QString durationText(qint64 seconds);

    QString m_labelText;
    QString m_timeText = QStringLiteral("00:00:00");
    QString m_historyTimeText;
    QPixmap m_thumbnail;
    QPixmap m_pressThumbnail;
    int m_callItemMode = PhotoMode;
    int m_labelAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_showTimer = false;
    // Clock reading at the last startTime(); negative until then.
    qint64 m_time = -1;
    int m_startTime = 0;
    int m_itemIndex = 0;

    static Clock s_clock;
};
