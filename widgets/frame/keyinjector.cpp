#include "keyinjector.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace KeyInjector {

void sendKeyEvent(
    int unicode, int keyCode, Qt::KeyboardModifiers modifiers, bool isPress, bool autoRepeat)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        return;
    const QString text = unicode >= 0 ? QString(QChar(unicode)) : QString();
    QKeyEvent event(
        isPress ? QEvent::KeyPress : QEvent::KeyRelease, keyCode, modifiers, text, autoRepeat);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace KeyInjector
