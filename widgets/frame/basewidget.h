#pragma once

#include <QDialog>

class Status;
class Tail;

// The base of every screen: a frameless dialog below the shell's shared status bar, with its
// own function-key bar along the bottom. It routes the soft keys to the bar, closes on Escape,
// and lets the screen in front put its title into the status bar whenever it becomes active.
class BaseWidget : public QDialog
{
    Q_OBJECT
public:
    explicit BaseWidget(QWidget *parent = nullptr);

    // Re-reads the clock format and the lock settings and shows them in the status bar.
    void updateStatus();

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;

    // Called whenever the screen becomes the active window; screens set their title here.
    virtual void setupStatus();

    Status *m_status = nullptr;
    Tail *m_tail = nullptr;
};
