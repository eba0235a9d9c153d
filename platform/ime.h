#pragma once

#include <QObject>

// Input states of the shell's keypad input method. Only "off" is special to most callers;
// the status bar shows a different language indicator for each active state.
enum IMEStatus {
    IMEStatusOff = 0,
    IMEStatusKorean = 1,
    IMEStatusEnglishLower = 2,
    IMEStatusEnglishUpper = 3,
    IMEStatusNumber = 4,
    IMEStatusSymbol = 5,
    IMEStatusDialNumber = 6,
    IMEStatusHidden = 7,
};

// The shell's keypad input method. Widgets watch it to relabel the erase key while text is
// being entered.
class IME : public QObject
{
    Q_OBJECT
public:
    explicit IME(QObject *parent = nullptr);

    int imeStatus() const { return m_status; }

    // Switches the input state; 'announce' reports it even when the state is unchanged,
    // which re-applies it to everyone listening.
    void setImeStatus(int status, bool announce = false);

signals:
    void changedIMEStatus(int status);

private:
    int m_status = IMEStatusOff;
};
