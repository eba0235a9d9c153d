#pragma once

#include "scripthost.h"
#include "simulatoroptions.h"

#include <QObject>
#include <QPluginLoader>
#include <QPointer>

class Core;
class IdleScreen;
class MessageRouter;
class MessageServer;
class ScriptRunner;
class SimulatorWindow;
class Status;
class WifiServiceRunner;

// Plays the telephone's shell for one application plug-in: it owns the core library's state
// and the shared status bar, loads the plug-in and starts it as the shell does, routes the
// messages between the application, the idle screen and other processes, runs the simulated
// Wi-Fi service beside a sandbox, and runs scripts.
class Simulator : public QObject, public ScriptHost
{
    Q_OBJECT
public:
    explicit Simulator(const SimulatorOptions &options, QObject *parent = nullptr);
    ~Simulator() override;

    // Prepares the device files, loads the plug-in and schedules the start; false when the
    // simulator cannot run.
    bool setUp();

    void sendKey(int key, const QString &text, bool press) override;
    void sendMessage(
        const QString &application, const QString &command, const QByteArray &payload) override;
    void setLanguage(int language) override;
    bool startApplication(QString *error) override;
    void endApplication() override;
    bool saveScreenshot(const QString &fileName, bool wholeWindow, QString *error) override;
    bool requestWifiService(const QStringList &request, QString *error) override;

private slots:
    void openRequested();
    void scriptFinished(bool quitRequested);
    void scriptFailed(int line, const QString &reason);
    void panelRequest(const QStringList &request);

private:
    bool prepareDeviceRoot();
    bool loadApplication();
    void listenForMessages();
    void startWifiService();
    void showServiceState();
    void connectPanel();
    bool startScript();
    void runApplication();

    SimulatorOptions m_options;
    bool m_headless = false;
    QString m_deviceRoot;
    Core *m_core = nullptr;
    SimulatorWindow *m_window = nullptr;
    Status *m_status = nullptr;
    IdleScreen *m_idle = nullptr;
    MessageRouter *m_router = nullptr;
    MessageServer *m_server = nullptr;
    ScriptRunner *m_runner = nullptr;
    WifiServiceRunner *m_wifiService = nullptr;
    QPluginLoader m_loader;
    QPointer<QObject> m_application;
    bool m_startQueued = false;
    bool m_running = false;
};
