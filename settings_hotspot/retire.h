#pragma once

#include <QPointer>
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
