#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;

// Runs the simulated Wi-Fi service (the program wifiservice) for a device root while the
// simulator runs, and passes it requests. The service ends when this closes its standard
// input, also when the simulator dies, so none is left behind.
class WifiServiceRunner : public QObject
{
    Q_OBJECT
public:
    static constexpr int StartTimeoutMs = 5000;

    explicit WifiServiceRunner(QObject *parent = nullptr);
    ~WifiServiceRunner() override;

    // wifiservice beside the running program.
    static QString defaultProgram();

    // Starts the service and waits until it serves; false, with errorString(), when it
    // cannot (the program is missing, or the root's socket paths are too long).
    bool start(const QString &program, const QString &deviceRoot);
    void stop();
    bool isRunning() const;
    QString errorString() const { return m_errorString; }

    // One request ("station add", "silent on", ...); the service's answer, or why there is
    // none, in *reply.
    bool request(const QStringList &words, QString *reply);

private:
    QProcess *m_process = nullptr;
    QString m_deviceRoot;
    QString m_errorString;
};
