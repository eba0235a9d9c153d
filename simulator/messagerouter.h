#pragma once

#include <QObject>
#include <QPointer>

class Status;

// The shell's message switchboard, reduced to the applications that exist in the simulator:
// the idle screen's hotspot indicator (shown in the status bar) and the loaded application,
// which also answers for its connected-devices screen. Every message is logged; a message for
// an application that does not exist here is logged and dropped.
class MessageRouter : public QObject
{
    Q_OBJECT
public:
    explicit MessageRouter(Status *status, QObject *parent = nullptr);

    // The application object; it must implement BaseAppInterface.
    void setApplication(QObject *application) { m_application = application; }

    static bool hasRoute(const QString &application);

public slots:
    void route(const QString &application, const QString &command, const QByteArray &payload);

private:
    QPointer<Status> m_status;
    QPointer<QObject> m_application;
};
