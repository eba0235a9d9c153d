#pragma once

#include <Qt>

// Injects a key event as if it came from the keypad: on Qt for Embedded Linux through the
// window server, which delivers it to the focused window later, from the event loop; elsewhere
// at once to the widget that has the keyboard focus (or, without one, the active window),
// which is where the window server would deliver it.
namespace KeyInjector {

// 'unicode' is the character of the key, or -1 for a key without one.
void sendKeyEvent(
    int unicode, int keyCode, Qt::KeyboardModifiers modifiers, bool isPress, bool autoRepeat);

} // namespace KeyInjector
