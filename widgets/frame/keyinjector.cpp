#include "keyinjector.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#ifdef Q_WS_QWS
#include <QWSServer>
#endif

namespace KeyInjector {

void sendKeyEvent(
    int unicode, int keyCode, Qt::KeyboardModifiers modifiers, bool isPress, bool autoRepeat)
{
#ifdef Q_WS_QWS
    // Only the window server's own process may inject; a client has no server to ask.
    if (QWSServer::instance()) {
        QWSServer::sendKeyEvent(unicode, keyCode, modifiers, isPress, autoRepeat);
        return;
    }
#endif
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
