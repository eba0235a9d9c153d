#include "messageserver.h"

#include "messageprotocol.h"
#include "messagerouter.h"

#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>

MessageServer::MessageServer(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &MessageServer::acceptConnections);
}

MessageServer::~MessageServer()
{
    m_server->close();
}

bool MessageServer::listen(const QString &path)
{
    m_errorString.clear();
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(500)) {
        m_errorString = QStringLiteral("another process listens on %1").arg(path);
        return false;
    }
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        m_errorString = m_server->errorString();
        return false;
    }
    return true;
}

void MessageServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A sender that did not wait for its answer may have written and gone already.
        readFrom(socket);
    }
}

void MessageServer::readFrom(QLocalSocket *socket)
{
    QString application;
    QString command;
    QByteArray payload;
    switch (MessageProtocol::readMessage(socket, &application, &command, &payload)) {
    case MessageProtocol::Incomplete:
        return;
    case MessageProtocol::Malformed:
        qWarning() << "MessageServer::readFrom not a message, connection closed";
        socket->abort();
        return;
    case MessageProtocol::Complete:
        break;
    }

    QString error;
    if (!MessageRouter::hasRoute(application)) {
        error = QStringLiteral("no application \"%1\" in the simulator").arg(application);
        qWarning() << "MessageServer::readFrom refused application:" << application
                   << "command:" << command;
    }
    if (socket->state() == QLocalSocket::ConnectedState) {
        socket->write(MessageProtocol::encodeReply(error));
        socket->disconnectFromServer();
    } else if (socket->state() == QLocalSocket::UnconnectedState) {
        socket->deleteLater();
    }
    if (!error.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, application, command, payload] {
            emit messageReceived(application, command, payload);
        },
        Qt::QueuedConnection);
}
