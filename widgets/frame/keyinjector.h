#pragma once

#include <Qt>

// Injects a key event as if it came from the keypad. On the device this was the window
// server's key injection; here the event goes to the widget that has the keyboard focus (or,
// without one, the active window), which is where the window server would deliver it.
namespace KeyInjector {

// 'unicode' is the character of the key, or -1 for a key without one.
void sendKeyEvent(
    int unicode, int keyCode, Qt::KeyboardModifiers modifiers, bool isPress, bool autoRepeat);

} // namespace KeyInjector
