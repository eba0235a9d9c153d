<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Ρυθμίσεις | Σημείο πρόσβασης Wi-Fi</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Πληροφ.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκ.</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Χρήση σημείου πρόσβασης</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Συχνότητα</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Λειτουργία σύνδεσης</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>SSID τηλεφώνου</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Αποθηκεύτηκε</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>Το SSID τηλεφώνου είναι κενό</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Ο κωδικός είναι κενός</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Ο κωδικός είναι πολύ σύντομος
(8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>Μην εισάγετε το ID στα κορεατικά</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Μην εισάγετε τον κωδικό στα κορεατικά</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Απέτυχε</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Αποθήκευση...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Απέτυχε
Δοκιμάστε ξανά</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Ο κωδικός είναι πολύ μεγάλος
(8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>Το SSID τηλεφώνου είναι
πολύ μεγάλο (έως 32 byte)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Στον κωδικό μόνο λατινικά
γράμματα, ψηφία και σύμβολα</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Ρυθμίσεις | Σημείο πρόσβασης Wi-Fi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Ανανέωση</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Αποσύνδεση</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Δεν υπάρχει συνδεδεμένη συσκευή</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Αποσύνδεση...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Αποσυνδέθηκε</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Απέτυχε</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>Το σημείο πρόσβασης δεν αποκρίνεται</translation>
    </message>
</context>
</TS>
