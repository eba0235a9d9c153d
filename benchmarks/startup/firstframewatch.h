#pragma once

#include <QObject>

class QWidget;

// Tells when a window has put its first frame on the display: its first paint has been drawn,
// with its children, and handed to the platform, which happens in the same pass of the event
// loop; shown() follows once that pass is over.
class FirstFrameWatch : public QObject
{
    Q_OBJECT
public:
    explicit FirstFrameWatch(QWidget *window);

signals:
    void shown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window = nullptr;
};
