<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Impostazioni | Hotspot Wi-Fi</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Usa hotspot</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>SSID telefono</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>SSID del telefono vuoto</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Password vuota</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Password troppo corta (8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>Non inserire l&apos;ID in coreano</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Non inserire la password in coreano</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvataggio...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Non riuscito
Riprovare</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Password troppo lunga (8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>SSID del telefono troppo lungo
(max 32 byte)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Usare solo lettere inglesi, cifre e
simboli nella password</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Impostazioni | Hotspot Wi-Fi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Nessun dispositivo connesso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Disconnessione...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>L&apos;hotspot non risponde</translation>
    </message>
</context>
</TS>
