#pragma once

#include <QString>

// The hotspot's settings in the telephone's settings files: the on/off switch in the shell's
// environment file, the access point's parameters in the TETHERING section of the hotspot
// configuration (consumed by the hotspot script), and the first SIP line's number, which
// names the network by default. Each read or write opens the files once and closes them.
namespace HotspotConfig {

constexpr char hostapdConfPath[] = "/configs/wireless/hostapd.conf";
constexpr char sipLinePath[] = "/configs/sip/line_0.conf";
constexpr char builtinPassphrase[] = "meadows*#";
constexpr char frequency24[] = "2.4G";
constexpr char frequency5[] = "5G";

// The settings as the files hold them, with the reading rules applied.
struct Stored
{
    bool enabled = false;
    QString hwMode;
    int ieee80211n = 0;
    QString ssid;
    QString passphrase;
    QString defaultSsid;
};

Stored load();

// The screen's Frequency and Connection Mode choices for stored radio parameters; false for
// a hardware mode this screen does not know, leaving both untouched.
bool choicesFor(const QString &hwMode, int ieee80211n, QString *frequency, QString *mode);

// The radio parameters to store for the screen's choices.
void parametersFor(const QString &frequency, const QString &mode, QString *hwMode, int *ieee80211n);

// Each write flushes its file and reports whether it reached the disk; a failed write
// leaves the file as it was.
bool writeSwitch(bool on);
bool writeTethering(
    const QString &hwMode, int ieee80211n, const QString &ssid, const QString &passphrase);

// A passphrase as it may appear in the log.
QString masked(const QString &passphrase);

} // namespace HotspotConfig
