#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The stations in what "hostapd_cli all_sta" prints. The tool gives, per station, its address
// on a line of its own followed by attribute lines (one of which repeats the address after
// "dot11RSNAStatsSTAAddress="); only the address lines are stations, and what is taken from
// them becomes an argument of the disconnect command.
namespace StationList {

// The station addresses of the tool's output, trimmed, in order.
QStringList parse(const QByteArray &output);
// One MAC address in colon notation, with nothing but white space around it.
bool isAddress(const QString &text);

} // namespace StationList
