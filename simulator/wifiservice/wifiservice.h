#pragma once

#include "hotspotsettings.h"

#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QTimer>

#include <optional>

class AccessPoint;
class ControlSocket;
class QLocalServer;
class QLocalSocket;

// The telephone's Wi-Fi service with the access point it runs, for a device root: it applies
// the hotspot settings when the hotspot script asks, answers the shell as the device's
// service does ("wifi2ui_Hotspot(str)" after an apply, "wifi2ui_Hotspot_release_ack(str)"
// after a station was denied) through the sender in SHELL_MSG_SEND, and serves hostapd's
// control interface for hostapd_cli. Its timing and a silent mode, in which it never
// answers, come from the [WifiService] section of configs/simulator.ini.
class WifiService : public QObject
{
    Q_OBJECT
public:
    explicit WifiService(const QString &deviceRoot, QObject *parent = nullptr);
    ~WifiService() override;

    // <device root>/var/run/hostapd/wlan1, where hostapd_cli -p finds the access point.
    static QString controlInterfacePath(const QString &deviceRoot);

    // Opens both sockets and brings the access point up when the stored switch is on.
    bool start();
    QString errorString() const { return m_errorString; }

    AccessPoint *accessPoint() const { return m_accessPoint; }

    // One request of the service's own socket; the answer line.
    QByteArray handleServiceRequest(const QStringList &words);

private:
    struct Options
    {
        int answerDelayMs = 1500;
        int releaseDelayMs = 800;
        bool silent = false;
        int initialStations = 2;
    };

    Options options() const;
    void acceptRequests();
    void readRequest(QLocalSocket *socket);
    QByteArray apply();
    QByteArray stationRequest(const QStringList &words);
    void finishApply();
    void stationDenied(const QByteArray &address);
    void tellShell(const QString &application, const QString &command, const QString &word);

    QString m_root;
    QString m_errorString;
    AccessPoint *m_accessPoint;
    ControlSocket *m_controlSocket;
    QLocalServer *m_server;
    QRandomGenerator m_random {QRandomGenerator::securelySeeded()};
    // Set by "silent on|off"; until then the settings file decides.
    std::optional<bool> m_silent;
    QTimer m_applyTimer;
    HotspotSettings m_pendingSettings;
    QString m_pendingAnswer;
};
