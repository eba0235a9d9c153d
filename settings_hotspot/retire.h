#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

// Drops a notice or popup that may still be running its own modal loop further up the stack
// (a second result message, a guard expiry, or end() arriving while "Saved" is shown).
// Hiding ends that loop; the deletion waits until the loop has unwound, so no frame ever
// returns into a freed object.
template<typename T> void retire(QPointer<T> &widget)
{
    if (!widget)
        return;
    static_cast<QWidget *>(widget.data())->hide();
    widget->deleteLater();
    widget = nullptr;
}

// Nothing of an apply or a disconnect in progress outlives the screen on show: its guard
// stops and its notices go.
inline void dismissPending(QTimer *guard, QWidget *waitNotice, QWidget *notice)
{
    if (guard && guard->isActive())
        guard->stop();
    if (waitNotice && waitNotice->isVisible())
        waitNotice->hide();
    if (notice && notice->isVisible())
        notice->hide();
}
