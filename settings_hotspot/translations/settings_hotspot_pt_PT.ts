<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Definições | Hotspot Wi-Fi</translation>
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
        <translation>Usar hotspot</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Modo de ligação</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>SSID do telefone</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
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
        <translation>O SSID do telefone está vazio</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>A palavra-passe está vazia</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Palavra-passe demasiado curta
(8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>Não introduza o ID em coreano</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>Não introduza a palavra-passe em coreano</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>A guardar...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Falhou
Tente novamente</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Palavra-passe demasiado longa
(8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>SSID do telefone demasiado
longo (máx. 32 bytes)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Na palavra-passe apenas letras
inglesas, algarismos e símbolos</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Definições | Hotspot Wi-Fi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Não há nenhum dispositivo ligado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>A desligar...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>O hotspot não responde</translation>
    </message>
</context>
</TS>
