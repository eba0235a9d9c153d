#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a script drives: the keypad, the message routing, the application's lifecycle, the
// simulated Wi-Fi service and the screenshots. The simulator implements it; tests put a recorder in
// its place.
class ScriptHost
{
public:
    virtual ~ScriptHost() = default;

    virtual void sendKey(int key, const QString &text, bool press) = 0;
    virtual void sendMessage(
        const QString &application, const QString &command, const QByteArray &payload)
        = 0;
    virtual void setLanguage(int language) = 0;
    // False, with the reason, when the application cannot be started now.
    virtual bool startApplication(QString *error) = 0;
    virtual void endApplication() = 0;
    virtual bool saveScreenshot(const QString &fileName, bool wholeWindow, QString *error) = 0;
    // A request to the simulated Wi-Fi service ("station add", "silent on", ...); false, with
    // the reason, when the service refuses it or does not run.
    virtual bool requestWifiService(const QStringList &request, QString *error) = 0;
};
