#include "peerscreens.h"

#include "settings_hotspot.h"
#include "stockhotspotdialog.h"

#include <QLayout>

QWidget *buildPeerScreen(PeerScreen kind)
{
    QWidget *screen = kind == PeerScreen::Stock ? static_cast<QWidget *>(new StockHotspotDialog)
                                                : new SettingsHotspot;
    screen->ensurePolished();
    if (screen->layout())
        screen->layout()->activate();
    return screen;
}
