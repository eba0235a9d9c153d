#pragma once

#include <QByteArray>

class HotspotSettings;
class QRandomGenerator;

// One simulated client device of the access point, with what hostapd knows of it: its
// address, association id, the radio figures its driver reports and the traffic it makes.
class Station
{
public:
    // "aa:bb:cc:dd:ee:ff" in either letter case, as hostapd reads an address; the address in
    // hostapd's own lower-case form.
    static bool parseAddress(const QByteArray &text, QByteArray *address);

    // A phone, tablet or laptop with plausible figures; a random locally administered
    // address (as today's devices show to networks) unless one is given.
    static Station random(QRandomGenerator &generator, const QByteArray &address = QByteArray());

    // hostapd's reply to STA-FIRST, STA-NEXT and STA for this station: its address on the
    // first line, then the attribute lines, for an access point run with these settings.
    QByteArray mib(const HotspotSettings &radio, qint64 nowMs) const;

    QByteArray address;
    int aid = 0;
    int listenInterval = 10;
    int signal = -50;
    int inactiveMs = 0;
    // Traffic each way, for the counters that grow while the station stays connected.
    int rxPacketsPerSecond = 20;
    int txPacketsPerSecond = 15;
    int rxPacketBytes = 120;
    int txPacketBytes = 600;
    // When it associated, on the access point's clock.
    qint64 associatedAtMs = 0;
};
