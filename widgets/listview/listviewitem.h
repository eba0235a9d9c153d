#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class QPixmap;

// One row of a ListView: a label with an optional icon, its colours and state flags, and the
// rectangle the list last painted it into. Not a widget: the list owns its rows and asks
// each to paint itself. The row kinds derive from it and dispatch on type().
class ListViewItem
{
public:
    // Kind ids returned by type().
    enum Type {
        Plain = 0,
        Progress = 1,
        Select = 2,
        Check = 3,
        Radio = 4,
        LineEdit = 5,
        Info = 6,
        Network = 7,
        Contact = 8,
        SubTitle = 9,
        Alarm = 10,
        TimeEdit = 11,
        DateSelect = 12,
        Call = 13,
        Presence = 14,
        CheckLineEdit = 15,
        LineEditCheck = 16,
    };

    ListViewItem();
    ListViewItem(const QString &text, const QPixmap &normal, const QPixmap &selected);
    virtual ~ListViewItem();

    virtual int type() { return Plain; }
    virtual void paint(QPainter *painter, QRect &rect);

    void setPixmap(const QPixmap &normal, const QPixmap &selected);
    // 0 is the normal icon, 1 the selected one; either may be null.
    QPixmap *pixmap(int which);

    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect &rect) { m_geometry = rect; }
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment) { m_alignment = alignment; }

    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &color) { m_textColor = color; }
    QColor textSelectColor() const { return m_textSelectColor; }
    void setTextSelectColor(const QColor &color) { m_textSelectColor = color; }
    QColor textDisableColor() const { return m_textDisableColor; }
    void setTextDisableColor(const QColor &color) { m_textDisableColor = color; }
    QColor backGroundSelectColor() const { return m_backGroundSelectColor; }
    void setBackGroundSelectColor(const QColor &color) { m_backGroundSelectColor = color; }
    QColor backGroundNoFocusSelectColor() const { return m_backGroundNoFocusSelectColor; }
    void setBackGroundNoFocusSelectColor(const QColor &color)
    {
        m_backGroundNoFocusSelectColor = color;
    }

    bool selected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    bool hasFocus() const { return m_focus; }
    void setFocus(bool focus) { m_focus = focus; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    bool isTwoColumn() const { return m_twoColumn; }
    void setTwoColumn(bool twoColumn) { m_twoColumn = twoColumn; }

    void *data() const { return m_data; }
    void setData(void *data) { m_data = data; }

    QString &text() { return m_text; }
    void setText(const QString &text) { m_text = text; }

    void setItemSelectEnable(bool enable) { m_itemSelectEnable = enable; }

    // The pen for the label under the current focus, selection and enable state.
    QColor labelPen() const;
    // Fills the row's background the way every kind does: the select colour while focused,
    // the no-focus select colour otherwise, nothing for an unselected row.
    void paintSelectBackground(QPainter *painter, const QRect &rect) const;

private:
    Q_DISABLE_COPY(ListViewItem)

    QPixmap *m_normalPixmap = nullptr;
    QPixmap *m_selectedPixmap = nullptr;
    QString m_text;
    int m_alignment = Qt::AlignVCenter;
    bool m_focus = true;
    bool m_selected = false;
    bool m_visible = true;
    bool m_twoColumn = false;
    QColor m_textColor = Qt::white;
    QColor m_textSelectColor;
    QColor m_backGroundSelectColor;
    QColor m_backGroundNoFocusSelectColor;
    QColor m_textDisableColor;
    QRect m_geometry;
    void *m_data = nullptr;

public:
    // The row can be selected and clicked; the list and the row kinds read it directly.
    bool m_itemSelectEnable = true;
};

// What the three rows with a text box share: the text, its limit, how it shows and whether
// it can be changed. The list places its overlay editor over the box of such a row.
class ListViewEditItem : public ListViewItem
{
public:
    ListViewEditItem(const QString &text, const QString &editText);

    // Stores the text cut to the character limit (0: none).
    virtual void setEditText(const QString &text);
    QString editText() const { return m_editText; }
    void setEditTextLeftMargin(int margin) { m_editTextLeftMargin = margin; }
    int editTextLeftMargin() const { return m_editTextLeftMargin; }
    void setEchoPasswordMode(bool password) { m_echoPasswordMode = password; }
    bool echoPasswordMode() const { return m_echoPasswordMode; }
    virtual void setMaxLength(int length);
    int getMaxLength() const { return m_maxLength; }
    void setEditTextDisabled(bool disabled) { m_editTextDisabled = disabled; }
    bool editTextDisabled() const { return m_editTextDisabled; }

protected:
    QString m_editText;
    int m_editTextLeftMargin = 0;
    bool m_echoPasswordMode = false;
    int m_maxLength = 0;
    bool m_editTextDisabled = false;
};

// One styled text fragment of a row that draws several (the subtitle rows).
class textClass
{
public:
    explicit textClass(const QString &text);

    void setText(const QString &text) { m_text = text; }
    QString text() const { return m_text; }
    void settextX(int x) { m_x = x; }
    int textX() const { return m_x; }
    void setTextWidth(int width) { m_width = width; }
    int textWidth() const { return m_width; }
    // A negative point size keeps the painter's font.
    void setTextPt(int pt) { m_pointSize = pt; }
    int textPt() const { return m_pointSize; }
    void setTextColor(const QColor &color) { m_textColor = color; }
    QColor textColor() const { return m_textColor; }
    void setTextSelecteColor(const QColor &color) { m_textSelectColor = color; }
    QColor textSelectColor() const { return m_textSelectColor; }
    void setAlignment(int alignment) { m_alignment = alignment; }
    int alignment() const { return m_alignment; }

private:
    QString m_text;
    int m_x = 0;
    int m_width = 480;
    int m_pointSize = -1;
    QColor m_textColor = Qt::yellow;
    QColor m_textSelectColor = Qt::red;
    int m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
