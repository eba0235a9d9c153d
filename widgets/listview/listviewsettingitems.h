#pragma once

#include "listviewitem.h"

// The rows of a settings screen: an on/off check, one choice of a radio group, a label with
// its current choice that opens a popup, and a label with a text box edited in place by the
// list's overlay editor. The list toggles check rows itself; the others only report clicks.

class ListViewCheckItem : public ListViewItem
{
public:
    ListViewCheckItem(const QString &text, const bool &checked);
    ~ListViewCheckItem() override;

    int type() override { return Check; }
    void paint(QPainter *painter, QRect &rect) override;

    void setChecked(const bool &checked) { m_checked = checked; }
    bool isChecked() const { return m_checked; }
    // When set the list leaves the row alone on Enter and function keys; the screen decides.
    void setIsNoValueChange(bool noValueChange) { m_noValueChange = noValueChange; }
    bool isNoValueChange() const { return m_noValueChange; }

private:
    bool m_checked;
    bool m_noValueChange = false;
};

class ListViewRadioItem : public ListViewItem
{
public:
    ListViewRadioItem(const QString &text, const bool &checked);
    ~ListViewRadioItem() override;

    int type() override { return Radio; }
    void paint(QPainter *painter, QRect &rect) override;

    void setChecked(const bool &checked) { m_checked = checked; }
    bool isChecked() const { return m_checked; }

private:
    bool m_checked;
};

class ListViewSelectItem : public ListViewItem
{
public:
    ListViewSelectItem(const QString &text, const QString &selectedText);
    ~ListViewSelectItem() override;

    int type() override { return Select; }
    void paint(QPainter *painter, QRect &rect) override;

    void setSelectedText(const QString &text) { m_selectedText = text; }
    QString selectedText() const { return m_selectedText; }
    // Kept for callers; the value is always drawn at 18 points.
    void setSelectTextFontPt(int pt) { m_selectTextFontPt = pt; }
    int selectTextFontPt() const { return m_selectTextFontPt; }
    // Width of the label.
    void setTextWidth(int width) { m_textWidth = width; }
    int textWidth() const { return m_textWidth; }

private:
    QString m_selectedText;
    int m_selectTextFontPt = -1;
    int m_textWidth = 216;
};

class ListViewLineEditItem : public ListViewEditItem
{
public:
    ListViewLineEditItem(const QString &text, const QString &editText);
    ~ListViewLineEditItem() override;

    int type() override { return LineEdit; }
    void paint(QPainter *painter, QRect &rect) override;

    // Stores the text cut to the byte limit, or else to the character limit.
    void setEditText(const QString &text) override;
    // Limits of 0 mean none. The two limits are kept consistent with each other.
    void setMaxLength(int length) override;
    void setMaxBytes(int bytes);
    int getMaxBytes() const { return m_maxBytes; }
    void setIPValidate(bool validate) { m_ipValidate = validate; }
    bool isIPValidate() const { return m_ipValidate; }
    void setSipPortValidate(bool validate) { m_sipPortValidate = validate; }
    bool isSipPortValidate() const { return m_sipPortValidate; }

private:
    // Keeps characters while fewer than maxBytes are counted, a character above 255 counting
    // two as the shell stores it: the character that reaches the limit stays, so a two-byte
    // character may end one byte past it.
    static QString cutToBytes(const QString &text, int maxBytes);

    int m_maxBytes = 0;
    bool m_ipValidate = false;
    bool m_sipPortValidate = false;
};
