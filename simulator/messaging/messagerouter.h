#pragma once

#include <QObject>
#include <QPointer>

class BaseAppInterface;
class Status;

// The shell's message switchboard, reduced to the applications that exist in the simulator:
// the idle screen's hotspot indicator (shown in the status bar), the loaded application, and
// the applications it holds inside (its connected-devices screen), each reached by its own
// name; a name it does not hold inside goes to the application itself. Every message is
// logged; a message for an application that does not exist here is logged and dropped.
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
    BaseAppInterface *receiver(const QString &application) const;

    QPointer<Status> m_status;
    QPointer<QObject> m_application;
};
