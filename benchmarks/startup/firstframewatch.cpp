#include "firstframewatch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstFrameWatch::FirstFrameWatch(QWidget *window)
    : m_window(window)
{
    m_window->installEventFilter(this);
}

bool FirstFrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        QTimer::singleShot(0, this, &FirstFrameWatch::shown);
    }
    return false;
}
