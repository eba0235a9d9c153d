#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the application's interface: the tests and benchmarks look at the devices
// screen's stations and timers through it. It may change from build to build.
//

#include "settings_hotspotinfo.h"

class SettingsHotspotInfoPrivate
{
public:
    static QStringList deviceList(const SettingsHotspotInfo *screen)
    {
        return screen->m_deviceList;
    }
    // The stations of a query that ended, without running one: the benchmarks list more of them
    // than a query's output may hold.
    static void setStations(SettingsHotspotInfo *screen, const QStringList &stations)
    {
        screen->m_deviceList = stations;
        screen->m_queryFailed = false;
    }
    // The guard of a pending disconnect (null before the first).
    static QTimer *guardTimer(const SettingsHotspotInfo *screen) { return screen->m_timer; }
    static QTimer *queryTimer(const SettingsHotspotInfo *screen) { return screen->m_queryTimer; }
};
