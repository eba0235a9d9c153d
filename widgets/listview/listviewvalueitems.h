#pragma once

#include "listviewitem.h"

#include <QPixmap>

// Rows that show or take a value: a check box with an optional label and text box, a long
// text box with a check box, a volume-style level bar, a read-only value and a Wi-Fi network
// with its signal icon.

// A check box at the left, optionally followed by a label and a text box that the list edits
// in place.
class ListViewCheckLineEditItem : public ListViewEditItem
{
public:
    // With a label (the title) and the text box switched by useEditText.
    ListViewCheckLineEditItem(
        const QString &text, const bool &checked, const bool &useEditText, const QString &editText);
    // Without a label: the text box takes the row.
    ListViewCheckLineEditItem(const QString &text, const bool &checked, const QString &editText);
    ~ListViewCheckLineEditItem() override;

    int type() override { return CheckLineEdit; }
    void paint(QPainter *painter, QRect &rect) override;

    void setChecked(const bool &checked) { m_checked = checked; }
    bool isChecked() const { return m_checked; }
    void setIsNoValueChange(bool noValueChange) { m_noValueChange = noValueChange; }
    bool isNoValueChange() const { return m_noValueChange; }
    void setUseEditText(bool use) { m_useEditText = use; }
    bool useEditText() const { return m_useEditText; }
    void setUseTitleText(bool use) { m_useTitleText = use; }
    bool useTitleText() const { return m_useTitleText; }

private:
    bool m_checked;
    bool m_noValueChange = false;
    bool m_useEditText;
    bool m_useTitleText;
};

// A long text box with a check box at the right; the screen changes both.
class ListViewLineEditCheckItem : public ListViewEditItem
{
public:
    ListViewLineEditCheckItem(
        const QString &text, const bool &checked, const bool &useEditText, const QString &editText);
    ~ListViewLineEditCheckItem() override;

    int type() override { return LineEditCheck; }
    void paint(QPainter *painter, QRect &rect) override;

    void setChecked(const bool &checked) { m_checked = checked; }
    bool isChecked() const { return m_checked; }
    void setIsNoValueChange(bool noValueChange) { m_noValueChange = noValueChange; }
    bool isNoValueChange() const { return m_noValueChange; }
    void setUseEditText(bool use) { m_useEditText = use; }
    bool useEditText() const { return m_useEditText; }

private:
    bool m_checked;
    bool m_noValueChange = false;
    bool m_useEditText;
};

// A level from minimum to maximum drawn as a bar of up to 15 segments; the list changes it
// with Left/Right and the volume keys.
class ListViewProgressItem : public ListViewItem
{
public:
    // The maximum is taken as given here; setMaxValue enforces the segment limit.
    ListViewProgressItem(const QString &text, int maxValue);
    ~ListViewProgressItem() override;

    int type() override { return Progress; }
    void paint(QPainter *painter, QRect &rect) override;

    void setValue(int value);
    int value() const { return m_value; }
    void setMinValue(int value);
    int minValue() const { return m_minValue; }
    void setMaxValue(int value);
    int maxValue() const { return m_maxValue; }
    void setStep(int step) { m_step = step; }
    int step() const { return m_step; }

    // The bar has room for 15 segments.
    static constexpr int MaxValueLimit = 16;

private:
    QPixmap m_normalSegment;
    QPixmap m_pressSegment;
    QPixmap m_pressFocusSegment;
    int m_step = 1;
    int m_value = 0;
    int m_minValue = 0;
    int m_maxValue;
};

// A label and a read-only value.
class ListViewInfoItem : public ListViewItem
{
public:
    ListViewInfoItem(const QString &text, const QString &infoText);
    ~ListViewInfoItem() override;

    int type() override { return Info; }
    void paint(QPainter *painter, QRect &rect) override;

    void setInfoText(const QString &text) { m_infoText = text; }
    QString infoText() const { return m_infoText; }
    void setInfoAlignment(int alignment) { m_infoAlignment = alignment; }
    void setInfoLeftMargin(int margin) { m_infoLeftMargin = margin; }
    void setInfoRightMargin(int margin) { m_infoRightMargin = margin; }

private:
    QString m_infoText;
    int m_infoAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_infoLeftMargin = 255;
    int m_infoRightMargin = 0;
};

// A Wi-Fi network: its name, a value and the signal icon. The screen filling a network list
// writes the signal level and the hold flag directly.
class ListViewNetworkItem : public ListViewItem
{
public:
    ListViewNetworkItem(const QString &text, const QString &infoText);
    ~ListViewNetworkItem() override;

    int type() override { return Network; }
    void paint(QPainter *painter, QRect &rect) override;

    void setInfoText(const QString &text) { m_infoText = text; }
    QString infoText() const { return m_infoText; }
    // A negative size keeps the painter's font.
    void setInfoTextFontPt(int pt) { m_infoTextFontPt = pt; }
    int infoTextFontPt() const { return m_infoTextFontPt; }

    // 1 to 5 select the signal steps 0 to 4; any other value shows the unknown icon.
    int m_signalLevel = 0;
    // Selects the icon set of a network on hold.
    bool m_hold = false;

private:
    // The image path of the signal icon for the current level, hold flag and selection.
    QString signalIconPath() const;

    QString m_infoText;
    int m_infoTextFontPt = -1;
};
