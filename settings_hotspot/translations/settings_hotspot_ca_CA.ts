<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Paramètres | Point d&apos;accès Wi-Fi</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>Activer le point d&apos;accès</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Mode de connexion</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>SSID du téléphone</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>Le SSID du téléphone est vide</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>Le mot de passe est vide</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>Mot de passe trop court (8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>N&apos;écrivez pas l&apos;ID en coréen</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>N&apos;écrivez pas le mot de passe en coréen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>Échec
Veuillez réessayer</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>Mot de passe trop long (8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>SSID du téléphone trop long
(32 octets max.)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>Mot de passe : lettres latines,
chiffres et symboles uniquement</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>Paramètres | Point d&apos;accès Wi-Fi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>Aucun appareil connecté</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Déconnexion...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>Le point d&apos;accès ne répond pas</translation>
    </message>
</context>
</TS>
