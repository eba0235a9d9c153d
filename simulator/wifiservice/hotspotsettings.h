#pragma once

#include <QString>

// What the Wi-Fi service reads when it is asked to apply the hotspot: the switch in the
// environment file and the TETHERING section of hostapd.conf, both in the device root. check()
// refuses what hostapd itself would refuse to start with, naming the fault with the word the
// service answers the shell with.
class HotspotSettings
{
public:
    static HotspotSettings read(const QString &deviceRoot);

    // Empty when the access point would come up (or when the switch is off: there is nothing
    // to start); otherwise "invalid_ssid", "invalid_passphrase" or "invalid_hw_mode".
    QString check() const;

    // hostapd's limits: an SSID is 1 to 32 bytes, a WPA passphrase 8 to 63 printable ASCII
    // characters.
    static bool isValidSsid(const QString &ssid);
    static bool isValidPassphrase(const QString &passphrase);
    static bool isValidHwMode(const QString &hwMode);

    bool enabled = false;
    QString hwMode = QStringLiteral("g");
    int ieee80211n = 0;
    // 0: an open network; otherwise WPA (2: WPA2), which needs the passphrase.
    int wpa = 2;
    int channel = 6;
    QString ssid;
    QString passphrase;
};
