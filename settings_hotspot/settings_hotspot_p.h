#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the application's interface: the tests and the soak harness follow the save
// cycle's guard through it. It may change from build to build.
//

#include "hotspotapply.h"
#include "settings_hotspot.h"

class SettingsHotspotPrivate
{
public:
    // The guard of a pending apply (null before the first save).
    static QTimer *guardTimer(const SettingsHotspot *screen) { return screen->m_apply->m_timer; }
};
