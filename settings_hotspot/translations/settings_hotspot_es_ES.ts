<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Ajustes | Zona Wi-Fi</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Usar zona Wi-Fi</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Modo de conexión</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>SSID del teléfono</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>El SSID del teléfono está vacío</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>La contraseña está vacía</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Contraseña demasiado corta
(8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>No escriba el ID en coreano</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>No escriba la contraseña en coreano</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Error
Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Contraseña demasiado larga
(8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>SSID del teléfono demasiado
largo (máx. 32 bytes)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Solo letras inglesas, números y
símbolos en la contraseña</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Ajustes | Zona Wi-Fi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>No hay ningún dispositivo conectado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Desconectando...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>La zona Wi-Fi no responde</translation>
    </message>
</context>
</TS>
