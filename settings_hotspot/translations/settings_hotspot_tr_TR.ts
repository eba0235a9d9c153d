<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Ayarlar | Wi-Fi Erişim Noktası</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Erişim noktasını kullan</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Bağlantı modu</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>Telefon SSID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Kaydedildi</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>Telefon SSID boş</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Parola boş</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Parola çok kısa (8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>Kimliği Korece girmeyin</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Parolayı Korece girmeyin</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Kaydediliyor...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Başarısız
Lütfen tekrar deneyin</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Parola çok uzun (8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>Telefon SSID çok uzun
(en fazla 32 bayt)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Parolada yalnızca İngilizce harf,
rakam ve simge kullanın</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Ayarlar | Wi-Fi Erişim Noktası</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Bağlı cihaz yok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Bağlantı kesiliyor...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Bağlantı kesildi</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>Erişim noktası yanıt vermiyor</translation>
    </message>
</context>
</TS>
