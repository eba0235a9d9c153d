#pragma once

#include "hotspotsettings.h"
#include "station.h"

#include <QObject>
#include <QVector>

#include <functional>

// The simulated access point: the hotspot's radio state, its stations and its deny list, and
// the commands of hostapd's control interface that the telephone's tools use, answered byte
// for byte as hostapd answers them. Stations stay in the table while the hotspot is off (the
// devices in range), but only an enabled access point has them associated and lists them.
class AccessPoint : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<qint64()>;

    explicit AccessPoint(QObject *parent = nullptr);

    // The time source of association times and counters, in milliseconds.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Brings the access point up with these settings, or restarts it: as when hostapd
    // starts, every station associates anew and the deny list is empty again.
    void start(const HotspotSettings &settings);
    void stop();
    bool isEnabled() const { return m_enabled; }
    HotspotSettings settings() const { return m_settings; }

    // Adds a station (newest first, as hostapd keeps them), giving it the lowest free
    // association id. Refused, with the reason, for an address that is in the table already
    // or, while the access point is up, on its deny list.
    bool addStation(Station station, QString *error);
    // Removes the station with this address, or the newest one when the address is empty;
    // the removed station's address, or empty with the reason.
    QByteArray removeStation(const QByteArray &address, QString *error);
    int clearStations();
    QVector<Station> stations() const { return m_stations; }
    QVector<QByteArray> deniedAddresses() const { return m_denied; }

    // One request of the control interface and its reply. An empty reply is a real answer:
    // hostapd sends an empty datagram after the last station.
    QByteArray handleRequest(const QByteArray &request);

signals:
    // An associated station was put on the deny list and so disassociated.
    void stationDenied(const QByteArray &address);

private:
    int indexOf(const QByteArray &address) const;
    QByteArray stationReply(int index) const;
    QByteArray nextStation(const QByteArray &text) const;
    QByteArray denyList(const QByteArray &arguments);
    QByteArray status() const;
    int freeAid() const;
    qint64 now() const { return m_clock(); }

    Clock m_clock;
    bool m_enabled = false;
    HotspotSettings m_settings;
    QVector<Station> m_stations;
    QVector<QByteArray> m_denied;
};
