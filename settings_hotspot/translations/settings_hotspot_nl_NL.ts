<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Instellingen | Wi-Fi-hotspot</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Hotspot gebruiken</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Verbindingsmodus</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>SSID telefoon</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>SSID telefoon is leeg</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Wachtwoord is leeg</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Wachtwoord is te kort (8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>Voer de ID niet in het Koreaans in</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Voer het wachtwoord niet in het Koreaans in</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Opslaan...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Mislukt
Probeer het opnieuw</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Wachtwoord is te lang (8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>SSID telefoon is te lang
(max. 32 bytes)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Alleen Engelse letters, cijfers
en symbolen in het wachtwoord</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Instellingen | Wi-Fi-hotspot</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Er is geen apparaat verbonden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Verbinding verbreken...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbroken</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>De hotspot reageert niet</translation>
    </message>
</context>
</TS>
