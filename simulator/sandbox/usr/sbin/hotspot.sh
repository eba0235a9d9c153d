#!/bin/sh
# Applies the hotspot settings that the application has just written (HOTSPOT/HOTSPOT in
# configs/envinfo.ini, section TETHERING of configs/wireless/hostapd.conf). The Wi-Fi service
# reads them itself and answers the application with wifi2ui_Hotspot(str) once the access
# point is up or down; nothing of the settings passes through this script.
root=$(CDPATH='' cd -- "$(dirname -- "$0")/../.." && pwd) || exit 1
if [ -z "${WIFI_SERVICE:-}" ]; then
    echo "hotspot.sh: no Wi-Fi service to ask (WIFI_SERVICE is not set; the simulator sets it)" >&2
    exit 2
fi
exec "$WIFI_SERVICE" --root "$root" apply
