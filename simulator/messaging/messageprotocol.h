#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The frames exchanged on the simulator's message socket. A sender writes one message
// (application, command, payload); the simulator answers with one reply, an empty text when it
// took the message, the reason otherwise.
namespace MessageProtocol {

QByteArray encodeMessage(
    const QString &application, const QString &command, const QByteArray &payload);

enum ReadResult { Complete, Incomplete, Malformed };

// Reads one message from the device; Incomplete leaves the bytes for the next attempt.
ReadResult readMessage(
    QIODevice *device, QString *application, QString *command, QByteArray *payload);

QByteArray encodeReply(const QString &error);
ReadResult readReply(QIODevice *device, QString *error);

} // namespace MessageProtocol
