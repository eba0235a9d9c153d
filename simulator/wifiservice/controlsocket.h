#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

// A control interface socket as hostapd opens one: a UNIX datagram socket bound to a path,
// one request per datagram, each reply sent to the address the client bound (hostapd_cli
// binds one of its own in /tmp). A client that did not bind cannot be answered.
class ControlSocket : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<QByteArray(const QByteArray &request)>;

    explicit ControlSocket(Handler handler, QObject *parent = nullptr);
    // Closes the socket and removes its file.
    ~ControlSocket() override;

    // A socket address holds a path of at most this many bytes (108 with the final zero).
    static int maxPathBytes();

    // Creates the folder and binds. Refuses a path that is too long for a socket address, and
    // one on which another process answers; a file left by a process that died is replaced.
    bool listen(const QString &path);
    QString errorString() const { return m_errorString; }

private:
    void readRequests();
    void close();

    Handler m_handler;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_path;
    QString m_errorString;
};
