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

// The access point's parameters a save stores.
struct Tethering
{
    QString hwMode;
    int ieee80211n = 0;
    QString ssid;
    QString passphrase;
};

// What the user changed on the screen. A parameter left alone keeps the bytes its file holds
// (values the rows cannot show in full survive that way), unless the file lacks it or holds
// nothing usable, when the value the screen showed is stored.
enum Change { RadioChanged = 0x1, SsidChanged = 0x2, PassphraseChanged = 0x4 };

// Stores the switch and the access point's parameters, changing no other byte of either
// file. Both files are written or, when either cannot be, neither.
bool save(bool on, const Tethering &values, int changed);

// Stores the switch alone; a file that already holds it is left alone.
bool writeSwitch(bool on);

// A passphrase as it may appear in the log.
QString masked(const QString &passphrase);

} // namespace HotspotConfig
