#pragma once

#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"

#include <QTimer>

// The application's hooks for tests, reached only through here, so that moving them out of the
// public headers touches one file of the reliability tests.
namespace TestHooks {

inline QTimer *guard(const SettingsHotspot *screen)
{
    return screen->guardTimer();
}
inline QTimer *guard(const SettingsHotspotInfo *screen)
{
    return screen->guardTimer();
}
inline bool guarding(const QWidget *screen)
{
    const QTimer *timer = qobject_cast<const SettingsHotspotInfo *>(screen)
        ? guard(static_cast<const SettingsHotspotInfo *>(screen))
        : guard(static_cast<const SettingsHotspot *>(screen));
    return timer && timer->isActive();
}
inline QStringList deviceList(const SettingsHotspotInfo *screen)
{
    return screen->deviceList();
}

} // namespace TestHooks
