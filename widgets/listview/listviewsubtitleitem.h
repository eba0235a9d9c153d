#pragma once

#include "listviewitem.h"

#include <QList>

// A row with a main label followed on the same line by separately styled text fragments,
// each with its own position, size and colours. It can be a group heading (drawn higher than
// the rows under it), shadow its label, and box its last fragment with an alignment of its
// own.
class ListViewSubTitleItem : public ListViewItem
{
public:
    explicit ListViewSubTitleItem(const QString &text);
    ~ListViewSubTitleItem() override;

    int type() override { return SubTitle; }
    void paint(QPainter *painter, QRect &rect) override;

    // An x of -1 places the fragment 10 pixels after the text before it; any other x is a
    // fixed position. A point size of -1 keeps the font in use.
    void addSubTitle(
        const QString &text, int x, int pt, const QColor &color, const QColor &selectColor);
    // The fragment stays owned by the row; null for an index out of range.
    textClass *subTitle(int idx);

    // Width of the main label; -1 lets it run to the row's right edge.
    void setTextWidth(int width) { m_textWidth = width; }
    void setGroupNameItem(const bool &groupName) { m_groupNameItem = groupName; }
    bool isGroupNameItem() const { return m_groupNameItem; }
    void setUseTextShadow(int shadow) { m_useTextShadow = shadow; }
    int useTextShadow() const { return m_useTextShadow; }
    // Draws the last fragment in a fixed box with these flags from now on.
    int setSubtitleAlignment(int flags);

protected:
    // Paints the background and the icon, sets the label pen and returns the label rectangle.
    QRect paintFrame(QPainter *painter, const QRect &rect);
    // Draws the fragments, the cursor starting at the given x.
    void paintSubTitles(QPainter *painter, const QRect &rect, int cursor);

private:
    QList<textClass *> m_subTitles;
    bool m_groupNameItem = false;
    bool m_useSubtitleAlignment = false;
    int m_subtitleAlignment = 0;
    int m_textWidth = -1;
    int m_useTextShadow = 0;
};

// A call-history row whose label is made of two lines: "line 1 (line 2)" when that fits, the
// two lines stacked in a smaller font when it does not.
class ListViewSubTitleItemHistory : public ListViewSubTitleItem
{
public:
    explicit ListViewSubTitleItemHistory(const QString &text);
    ~ListViewSubTitleItemHistory() override;

    void paint(QPainter *painter, QRect &rect) override;

    void setTextLine1(QString &line) { m_textLine1 = line; }
    void setTextLine2(QString &line) { m_textLine2 = line; }
    QString textLine1() const { return m_textLine1; }
    QString textLine2() const { return m_textLine2; }

private:
    QString m_textLine1;
    QString m_textLine2;
};
