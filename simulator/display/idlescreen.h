#pragma once

#include <QWidget>

class Status;

// The shell's idle screen as far as the simulator needs it: what the display shows below the
// status bar while the application is not running, and the OK key that opens the application
// again. It is a device window like the application's screens.
class IdleScreen : public QWidget
{
    Q_OBJECT
public:
    explicit IdleScreen(Status *status, QWidget *parent = nullptr);

signals:
    void openRequested();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Status *m_status;
    // OK opens the application only when pressed here too, not when the release of a key
    // that closed the application lands on the idle screen.
    bool m_okPressed = false;
};
