<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Inställningar | Wi-Fi-surfzon</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Använd surfzon</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvens</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Anslutningsläge</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>Telefonens SSID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Sparat</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>Telefonens SSID är tomt</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Lösenordet är tomt</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Lösenordet är för kort (8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>Ange inte ID på koreanska</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Ange inte lösenordet på koreanska</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Misslyckades</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Sparar...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Misslyckades
Försök igen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Lösenordet är för långt (8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>Telefonens SSID är för långt
(max 32 byte)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Använd bara engelska
bokstäver, siffror och
symboler i lösenordet</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Inställningar | Wi-Fi-surfzon</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Ingen enhet är ansluten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Kopplar från...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Frånkopplad</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Misslyckades</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>Surfzonen svarar inte</translation>
    </message>
</context>
</TS>
