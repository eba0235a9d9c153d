#pragma once

#include "listviewitem.h"

#include <QPixmap>

// A presence-setting row: a radio mark, the presence's icon and name, the current value at
// the right and an arrow that says the row opens a choice.
class ListViewPresenceItem : public ListViewItem
{
public:
    ListViewPresenceItem(const QString &text, const QString &selectedText, const bool &checked);
    ~ListViewPresenceItem() override;

    int type() override { return Presence; }
    void paint(QPainter *painter, QRect &rect) override;

    void setSelectedText(const QString &text) { m_selectedText = text; }
    QString selectedText() const { return m_selectedText; }
    void setPixmapPresc(const QPixmap &icon) { m_presenceIcon = icon; }
    QPixmap presenceIcon() const { return m_presenceIcon; }
    void setTextWidth(int width) { m_textWidth = width; }
    int textWidth() const { return m_textWidth; }
    void setChecked(const bool &checked) { m_checked = checked; }
    bool isChecked() const { return m_checked; }
    void setSelectTextFontPt(int pt) { m_selectTextFontPt = pt; }
    int selectTextFontPt() const { return m_selectTextFontPt; }
    void setIsNoValueChange(bool noValueChange) { m_isNoValueChange = noValueChange; }
    bool isNoValueChange() const { return m_isNoValueChange; }

private:
    QString m_selectedText;
    QPixmap m_presenceIcon;
    int m_selectTextFontPt = -1;
    int m_textWidth = 216;
    bool m_checked = false;
    bool m_isNoValueChange = false;
};
