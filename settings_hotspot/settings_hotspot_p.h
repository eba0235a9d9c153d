#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the application's interface: the tests and the soak harness follow the save
// cycle's guard and the devices screen through it. It may change from build to build.
//

#include "hotspotapply.h"
#include "settings_hotspot.h"

class SettingsHotspotPrivate
{
public:
    // The guard of a pending apply (null before the first save).
    static QTimer *guardTimer(const SettingsHotspot *screen) { return screen->m_apply->m_timer; }
    // The devices screen, built if it has not been yet, as the Information key builds it.
    static SettingsHotspotInfo *devices(SettingsHotspot *screen) { return screen->hotspotInfo(); }
};
