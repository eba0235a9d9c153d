#pragma once

#include "core.h"
#include "status.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class ListView;
class SelectPopup;

// What a benchmark needs of the telephone's shell: the core (theCore) on an empty device root in
// a temporary folder, and the shared status bar at the top of the display, where the screens
// find it when they are built.
class BenchShell
{
public:
    BenchShell();

    QString path(const QString &devicePath) const { return m_core.devicePath(devicePath); }
    Core &core() { return m_core; }
    Status *status() { return &m_status; }

    // Stores a switched-on hotspot with a name and passphrase, so that every settings row is
    // enabled and filled as on a phone in use.
    void storeHotspotOn();
    // Installs a stand-in for the access point's control tool that reports 'count' stations.
    void installStations(int count);

    // Opens the selection popup of the list's selected row and runs 'inside' in the popup's own
    // loop once it is up; the popup closes afterwards, whatever failed, or the loop would never
    // return. False when no popup opened.
    static bool insidePopup(ListView *list, const std::function<void(SelectPopup *)> &inside);

    // What the control tool prints for "all_sta" with 'count' associated WPA2 stations: each
    // address on a line of its own, followed by its attribute lines.
    static QByteArray stationListing(int count);
    // The address of station 'idx' of the listing.
    static QString stationAddress(int idx);

private:
    void writeFile(const QString &devicePath, const QByteArray &contents);

    QTemporaryDir m_root;
    Core m_core;
    Status m_status;
};
