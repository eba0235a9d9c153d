#pragma once

#include <QLabel>

// The clock at the right of the status bar: the time of day in white, right-aligned, with a
// colon that the status bar blinks once a second.
class TimeLabel : public QLabel
{
public:
    explicit TimeLabel(QWidget *parent = nullptr);

    void setTime24Hour(bool on) { m_time24Hour = on; }
    bool time24Hour() const { return m_time24Hour; }
    // Shows the colon if it was hidden and hides it if it was shown; the owner repaints.
    void changeTimeBlinkFlag() { m_blinkFlag = !m_blinkFlag; }
    bool blinkFlag() const { return m_blinkFlag; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    bool m_time24Hour = false;
    bool m_blinkFlag = true;
};
