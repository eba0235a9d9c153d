<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Einstellungen | WLAN-Hotspot</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Hotspot verwenden</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Verbindungsmodus</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>Telefon-SSID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>Telefon-SSID ist leer</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Passwort ist leer</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Passwort zu kurz (8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>ID nicht auf Koreanisch eingeben</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Passwort nicht auf Koreanisch eingeben</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Fehlgeschlagen
Bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Passwort zu lang (8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>Telefon-SSID zu lang
(max. 32 Byte)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Im Passwort nur englische
Buchstaben, Ziffern und Zeichen</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Einstellungen | WLAN-Hotspot</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Wird getrennt...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>Der Hotspot antwortet nicht</translation>
    </message>
</context>
</TS>
