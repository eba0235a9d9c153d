<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Настройки | Точка доступа Wi-Fi</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Точка доступа</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Режим подключения</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>SSID телефона</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>SSID телефона не задан</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Пароль не задан</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Пароль слишком короткий
(8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>Не вводите ID на корейском</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Не вводите пароль на корейском</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Сохранение...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Ошибка
Повторите попытку</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Пароль слишком длинный
(8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>SSID телефона слишком
длинный (макс. 32 байта)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>В пароле допустимы только
латинские буквы, цифры
и символы</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Настройки | Точка доступа Wi-Fi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Нет подключённых устройств</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Отключение...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>Точка доступа не отвечает</translation>
    </message>
</context>
</TS>
