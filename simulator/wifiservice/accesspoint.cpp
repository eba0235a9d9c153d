#include "accesspoint.h"

#include <QDebug>
#include <QElapsedTimer>

#include <algorithm>
#include <memory>

namespace {

const QByteArray ok = "OK\n";
const QByteArray fail = "FAIL\n";

// What follows the address of a station command: nothing, or a space and anything (hostapd
// reads the address and ignores the rest).
bool takeAddress(const QByteArray &text, QByteArray *address)
{
    if (text.size() > 17 && text.at(17) != ' ')
        return false;
    return Station::parseAddress(text.left(17), address);
}

} // namespace

AccessPoint::AccessPoint(QObject *parent)
    : QObject(parent)
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    m_clock = [timer] { return timer->elapsed(); };
}

void AccessPoint::start(const HotspotSettings &settings)
{
    m_settings = settings;
    m_enabled = true;
    m_denied.clear();
    const qint64 time = now();
    for (Station &station : m_stations)
        station.associatedAtMs = time;
    qInfo().noquote() << "AccessPoint: up, ssid" << settings.ssid << "hw_mode" << settings.hwMode
                      << "ieee80211n" << settings.ieee80211n << "with" << m_stations.size()
                      << "stations";
}

void AccessPoint::stop()
{
    if (m_enabled)
        qInfo() << "AccessPoint: down";
    m_enabled = false;
}

bool AccessPoint::addStation(Station station, QString *error)
{
    if (indexOf(station.address) >= 0) {
        *error = QStringLiteral("%1 is connected already").arg(QLatin1String(station.address));
        return false;
    }
    if (m_enabled && m_denied.contains(station.address)) {
        *error = QStringLiteral("%1 is on the deny list").arg(QLatin1String(station.address));
        return false;
    }
    station.aid = freeAid();
    station.associatedAtMs = now();
    m_stations.prepend(station);
    qInfo().noquote() << "AccessPoint: station" << station.address << "aid" << station.aid;
    return true;
}

QByteArray AccessPoint::removeStation(const QByteArray &address, QString *error)
{
    const int index = address.isEmpty() ? (m_stations.isEmpty() ? -1 : 0) : indexOf(address);
    if (index < 0) {
        *error = address.isEmpty() ? QStringLiteral("there is no station")
                                   : QStringLiteral("no station %1").arg(QLatin1String(address));
        return QByteArray();
    }
    const QByteArray removed = m_stations.takeAt(index).address;
    qInfo().noquote() << "AccessPoint: station" << removed << "left";
    return removed;
}

int AccessPoint::clearStations()
{
    const int count = m_stations.size();
    m_stations.clear();
    return count;
}

int AccessPoint::indexOf(const QByteArray &address) const
{
    for (int i = 0; i < m_stations.size(); ++i) {
        if (m_stations.at(i).address == address)
            return i;
    }
    return -1;
}

int AccessPoint::freeAid() const
{
    for (int aid = 1;; ++aid) {
        const bool taken = std::any_of(m_stations.cbegin(), m_stations.cend(),
            [aid](const Station &station) { return station.aid == aid; });
        if (!taken)
            return aid;
    }
}

QByteArray AccessPoint::handleRequest(const QByteArray &request)
{
    if (request == "PING")
        return "PONG\n";
    if (request == "STA-FIRST")
        return m_enabled && !m_stations.isEmpty() ? stationReply(0) : QByteArray();
    if (request.startsWith("STA-NEXT "))
        return nextStation(request.mid(9));
    if (request.startsWith("STA ")) {
        QByteArray address;
        const int index = takeAddress(request.mid(4), &address) ? indexOf(address) : -1;
        return m_enabled && index >= 0 ? stationReply(index) : fail;
    }
    if (request.startsWith("DENY_ACL "))
        return denyList(request.mid(9));
    if (request == "STATUS")
        return status();
    return "UNKNOWN COMMAND\n";
}

QByteArray AccessPoint::stationReply(int index) const
{
    return m_stations.at(index).mib(m_settings, now());
}

// The station after the one named; after the last one an empty reply, for an address that
// is not associated (or no address) FAIL.
QByteArray AccessPoint::nextStation(const QByteArray &text) const
{
    QByteArray address;
    const int index = takeAddress(text, &address) ? indexOf(address) : -1;
    if (!m_enabled || index < 0)
        return fail;
    if (index + 1 >= m_stations.size())
        return QByteArray();
    return stationReply(index + 1);
}

QByteArray AccessPoint::denyList(const QByteArray &arguments)
{
    QByteArray address;
    if (arguments.startsWith("ADD_MAC ")) {
        if (!takeAddress(arguments.mid(8), &address))
            return fail;
        if (!m_denied.contains(address))
            m_denied.append(address);
        const int index = indexOf(address);
        if (m_enabled && index >= 0) {
            m_stations.removeAt(index);
            qInfo().noquote() << "AccessPoint: station" << address << "denied and disassociated";
            emit stationDenied(address);
        }
        return ok;
    }
    if (arguments.startsWith("DEL_MAC ")) {
        if (!takeAddress(arguments.mid(8), &address))
            return fail;
        m_denied.removeAll(address);
        return ok;
    }
    if (arguments == "SHOW") {
        QByteArray text;
        for (const QByteArray &denied : qAsConst(m_denied))
            text += denied + " VLAN_ID=0\n";
        return text;
    }
    if (arguments == "CLEAR")
        m_denied.clear();
    // hostapd acknowledges any other word as well.
    return ok;
}

QByteArray AccessPoint::status() const
{
    const bool fiveGigahertz = m_settings.hwMode == QLatin1String("a");
    const int frequency
        = fiveGigahertz ? 5000 + 5 * m_settings.channel : 2407 + 5 * m_settings.channel;
    QByteArray text = "state=" + QByteArray(m_enabled ? "ENABLED" : "DISABLED") + '\n';
    if (!m_enabled)
        return text;
    text += "freq=" + QByteArray::number(frequency) + '\n';
    text += "channel=" + QByteArray::number(m_settings.channel) + '\n';
    text += "ieee80211n=" + QByteArray::number(m_settings.ieee80211n != 0 ? 1 : 0) + '\n';
    text += "bss[0]=wlan1\n";
    text += "ssid[0]=" + m_settings.ssid.toUtf8() + '\n';
    text += "num_sta[0]=" + QByteArray::number(m_stations.size()) + '\n';
    return text;
}
