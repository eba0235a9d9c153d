#pragma once

#include <QStringList>

class SettingsHotspot;

// What must hold of the application's screens between any two events, whatever came before:
// one popup and one notice of each kind on screen at most, the settings rows selectable
// exactly while "Use Hotspot" is checked (once the screen is on show), selections inside their
// lists, no guard running behind a hidden screen and no pile-up of notices, popups or processes.
namespace ScreenInvariants {

QStringList check(SettingsHotspot *screen);

// Notices and popups still alive, once retired ones have been deleted. 'blockedFrames' is the
// number of handlers further down the stack that wait in a modal loop, each of which may keep
// its own notice or popup alive.
QStringList checkPileUp(SettingsHotspot *screen, int blockedFrames);

} // namespace ScreenInvariants
