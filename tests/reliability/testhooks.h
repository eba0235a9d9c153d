#pragma once

#include "settings_hotspot_p.h"
#include "settings_hotspotinfo_p.h"

#include <QTimer>

// The application's private hooks, reached only through here by the reliability tests.
namespace TestHooks {

// The guard timer of either screen.
inline QTimer *guard(const QWidget *screen)
{
    if (auto info = qobject_cast<const SettingsHotspotInfo *>(screen))
        return SettingsHotspotInfoPrivate::guardTimer(info);
    return SettingsHotspotPrivate::guardTimer(static_cast<const SettingsHotspot *>(screen));
}
inline bool guarding(const QWidget *screen)
{
    const QTimer *timer = guard(screen);
    return timer && timer->isActive();
}

} // namespace TestHooks
