#pragma once

#include <QObject>

class QLocalServer;
class QLocalSocket;

// The simulator's end of the message socket: other processes (the stand-ins of the
// telephone's services, or a person with the sender tool) deliver one message per connection.
// The sender is answered at once, before the message is handed on, so that a sender never
// waits for whatever the receiving application does with it.
class MessageServer : public QObject
{
    Q_OBJECT
public:
    explicit MessageServer(QObject *parent = nullptr);
    ~MessageServer() override;

    // Refuses a path on which another process is listening; a stale socket file is replaced.
    bool listen(const QString &path);
    QString errorString() const { return m_errorString; }

signals:
    // Emitted from the event loop, after the sender has its answer.
    void messageReceived(
        const QString &application, const QString &command, const QByteArray &payload);

private slots:
    void acceptConnections();

private:
    void readFrom(QLocalSocket *socket);

    QLocalServer *m_server;
    QString m_errorString;
};
