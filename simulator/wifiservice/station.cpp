#include "station.h"

#include "hotspotsettings.h"

#include <QRandomGenerator>

#include <iterator>

namespace {

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

struct DeviceKind
{
    int listenInterval;
    int signalFrom;
    int signalTo;
    int rxPacketsPerSecond;
    int txPacketsPerSecond;
};

// Phones doze longest between beacons; laptops sit farther away and move the most data.
const DeviceKind deviceKinds[] = {
    {10, -58, -35, 12, 18},
    {5, -65, -45, 25, 60},
    {1, -72, -50, 40, 110},
};

QByteArray supportedRates(const HotspotSettings &radio)
{
    if (radio.hwMode == QLatin1String("a"))
        return "8c 12 98 24 b0 48 60 6c";
    if (radio.hwMode == QLatin1String("b"))
        return "82 84 8b 96";
    return "82 84 8b 96 0c 12 18 24 30 48 60 6c";
}

// Rates in 100 kbit/s, as the driver reports the last frame's rate.
QByteArray rateInfo(const HotspotSettings &radio, int signal)
{
    if (radio.ieee80211n != 0)
        return signal > -60 ? "650 mcs 7 shortGI" : "390 mcs 4";
    if (radio.hwMode == QLatin1String("b"))
        return "110";
    return signal > -60 ? "540" : "360";
}

} // namespace

bool Station::parseAddress(const QByteArray &text, QByteArray *address)
{
    if (text.size() != 17)
        return false;
    for (int i = 0; i < text.size(); ++i) {
        const bool separator = i % 3 == 2;
        if (separator ? text.at(i) != ':' : !isHexDigit(text.at(i)))
            return false;
    }
    *address = text.toLower();
    return true;
}

Station Station::random(QRandomGenerator &generator, const QByteArray &address)
{
    Station station;
    if (address.isEmpty()) {
        // Locally administered, unicast: bit 1 of the first octet set, bit 0 clear.
        QByteArray octets(6, '\0');
        for (char &octet : octets)
            octet = char(generator.bounded(256));
        octets[0] = char((octets.at(0) & 0xfc) | 0x02);
        station.address = octets.toHex(':');
    } else {
        station.address = address;
    }
    const DeviceKind &kind = deviceKinds[generator.bounded(int(std::size(deviceKinds)))];
    station.listenInterval = kind.listenInterval;
    station.signal = generator.bounded(kind.signalFrom, kind.signalTo + 1);
    station.inactiveMs = generator.bounded(3000);
    station.rxPacketsPerSecond = kind.rxPacketsPerSecond;
    station.txPacketsPerSecond = kind.txPacketsPerSecond;
    station.rxPacketBytes = generator.bounded(90, 400);
    station.txPacketBytes = generator.bounded(400, 1400);
    return station;
}

QByteArray Station::mib(const HotspotSettings &radio, qint64 nowMs) const
{
    const bool fiveGigahertz = radio.hwMode == QLatin1String("a");
    const bool protectedNetwork = radio.wpa != 0;
    // ESS, short preamble and short slot on 2.4 GHz, spectrum management on 5 GHz; privacy
    // when the network is protected.
    int capability = fiveGigahertz ? 0x101 : 0x421;
    if (protectedNetwork)
        capability |= 0x10;

    QByteArray flags = "[AUTH][ASSOC][AUTHORIZED]";
    if (!fiveGigahertz)
        flags += "[SHORT_PREAMBLE]";
    flags += "[WMM]";
    if (radio.ieee80211n != 0)
        flags += "[HT]";

    QByteArray text = address + '\n';
    text += "flags=" + flags + '\n';
    text += "aid=" + QByteArray::number(aid) + '\n';
    text += "capability=0x" + QByteArray::number(capability, 16) + '\n';
    text += "listen_interval=" + QByteArray::number(listenInterval) + '\n';
    text += "supported_rates=" + supportedRates(radio) + '\n';
    text += "timeout_next=NULLFUNC POLL\n";
    if (protectedNetwork) {
        // WPA2 (RSN) when the network offers it, otherwise the original WPA.
        const bool rsn = (radio.wpa & 2) != 0;
        const QByteArray cipher = rsn ? "00-0f-ac-4" : "00-50-f2-2";
        const QByteArray keyManagement = rsn ? "00-0f-ac-2" : "00-50-f2-2";
        text += "dot11RSNAStatsSTAAddress=" + address + '\n';
        text += "dot11RSNAStatsVersion=1\n";
        text += "dot11RSNAStatsSelectedPairwiseCipher=" + cipher + '\n';
        text += "dot11RSNAStatsTKIPLocalMICFailures=0\n";
        text += "dot11RSNAStatsTKIPRemoteMICFailures=0\n";
        text += "wpa=" + QByteArray::number(rsn ? 2 : 1) + '\n';
        text += "AKMSuiteSelector=" + keyManagement + '\n';
        text += "hostapdWPAPTKState=11\n";
        text += "hostapdWPAPTKGroupState=0\n";
    }
    const qint64 seconds = qMax<qint64>(0, (nowMs - associatedAtMs) / 1000);
    const qint64 rxPackets = 14 + seconds * rxPacketsPerSecond;
    const qint64 txPackets = 9 + seconds * txPacketsPerSecond;
    text += "rx_packets=" + QByteArray::number(rxPackets) + '\n';
    text += "tx_packets=" + QByteArray::number(txPackets) + '\n';
    text += "rx_bytes=" + QByteArray::number(rxPackets * rxPacketBytes) + '\n';
    text += "tx_bytes=" + QByteArray::number(txPackets * txPacketBytes) + '\n';
    text += "inactive_msec=" + QByteArray::number(inactiveMs) + '\n';
    text += "signal=" + QByteArray::number(signal) + '\n';
    text += "rx_rate_info=" + rateInfo(radio, signal) + '\n';
    text += "tx_rate_info=" + rateInfo(radio, signal) + '\n';
    text += "connected_time=" + QByteArray::number(seconds) + '\n';
    return text;
}
