#pragma once

#include "settings_hotspot_p.h"
#include "settings_hotspotinfo_p.h"

#include <QTimer>

// The application's private hooks, reached only through here by the reliability tests.
namespace TestHooks {

inline QTimer *guard(const SettingsHotspot *screen)
{
    return SettingsHotspotPrivate::guardTimer(screen);
}
inline QTimer *guard(const SettingsHotspotInfo *screen)
{
    return SettingsHotspotInfoPrivate::guardTimer(screen);
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
    return SettingsHotspotInfoPrivate::deviceList(screen);
}

} // namespace TestHooks
