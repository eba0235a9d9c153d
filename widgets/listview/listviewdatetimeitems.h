#pragma once

#include "listviewitem.h"

#include <QHash>
#include <QStringList>

// Rows of schedule screens: the chosen weekdays of a repeat, an alarm with its weekdays and
// switch, and a time edited in place by the list's time overlay. The list only reports clicks
// on them; the screens open their own editors.

// The seven one-letter day names, Monday first, and which of them are chosen. Shared by the
// date-select and alarm rows.
class WeekdaySelection
{
public:
    WeekdaySelection();

    void setWeekList(const QStringList &weekList) { m_weekList = weekList; }
    QStringList weekList() const { return m_weekList; }
    // Day 0 is the first entry of the week list.
    void setDateSelection(int day, bool selected) { m_daySelection.insert(day, selected); }
    bool isDataSelected(int day) const { return m_daySelection.value(day, false); }

    // Draws the letters in 18-pixel cells from x, chosen days highlighted.
    void paintStrip(QPainter *painter, const QRect &rect, int x, bool rowSelected) const;

private:
    QHash<int, bool> m_daySelection;
    QStringList m_weekList;
};

class ListViewDateSelectItem : public ListViewItem
{
public:
    explicit ListViewDateSelectItem(const QString &text);
    ~ListViewDateSelectItem() override;

    int type() override { return DateSelect; }
    void paint(QPainter *painter, QRect &rect) override;

    void setWeekList(const QStringList &weekList) { m_week.setWeekList(weekList); }
    void setDateSelection(int day, bool selected) { m_week.setDateSelection(day, selected); }
    bool isDataSelected(int day) const { return m_week.isDataSelected(day); }
    // Kept for callers; the letters are always drawn at 18 points.
    void setSelectTextFontPt(int pt) { m_selectTextFontPt = pt; }
    int selectTextFontPt() const { return m_selectTextFontPt; }

private:
    int m_selectTextFontPt = -1;
    WeekdaySelection m_week;
};

class ListViewAlarmItem : public ListViewItem
{
public:
    ListViewAlarmItem(const QString &text, const QString &alarmName, const bool &checked);
    ~ListViewAlarmItem() override;

    int type() override { return Alarm; }
    void paint(QPainter *painter, QRect &rect) override;

    void setAlarmName(const QString &name) { m_alarmName = name; }
    QString alarmName() const { return m_alarmName; }
    void setInfoAlignment(int alignment) { m_infoAlignment = alignment; }
    void setChecked(const bool &checked) { m_checked = checked; }
    bool isChecked() const { return m_checked; }
    void setWeekList(const QStringList &weekList) { m_week.setWeekList(weekList); }
    void setDateSelection(int day, bool selected) { m_week.setDateSelection(day, selected); }
    bool isDataSelected(int day) const { return m_week.isDataSelected(day); }
    void setSelectTextFontPt(int pt) { m_selectTextFontPt = pt; }
    int selectTextFontPt() const { return m_selectTextFontPt; }

private:
    bool m_checked;
    QString m_alarmName;
    int m_infoAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_selectTextFontPt = -1;
    WeekdaySelection m_week;
};

class ListViewTimeEditItem : public ListViewItem
{
public:
    ListViewTimeEditItem(const QString &text, const QString &time, const QString &ampm);
    ~ListViewTimeEditItem() override;

    int type() override { return TimeEdit; }
    void paint(QPainter *painter, QRect &rect) override;

    // "hh:mm", as the overlay's input mask gives it.
    void setTime(const QString &time) { m_time = time; }
    QString getTime() const { return m_time; }
    void setAMPM(const QString &ampm) { m_ampm = ampm; }
    QString getAMPM() const { return m_ampm; }

private:
    QString m_time;
    QString m_ampm;
};
