#include "messageprotocol.h"

#include <QDataStream>
#include <QIODevice>

namespace {

// Guards against something other than a sender talking to the socket.
constexpr quint32 messageMagic = 0x534d5347;
constexpr quint32 replyMagic = 0x534d5352;
constexpr QDataStream::Version frameVersion = QDataStream::Qt_5_15;

} // namespace

namespace MessageProtocol {

QByteArray encodeMessage(
    const QString &application, const QString &command, const QByteArray &payload)
{
    QByteArray frame;
    QDataStream stream(&frame, QIODevice::WriteOnly);
    stream.setVersion(frameVersion);
    stream << messageMagic << application << command << payload;
    return frame;
}

ReadResult readMessage(
    QIODevice *device, QString *application, QString *command, QByteArray *payload)
{
    QDataStream stream(device);
    stream.setVersion(frameVersion);
    stream.startTransaction();
    quint32 magic = 0;
    stream >> magic;
    if (stream.status() == QDataStream::Ok && magic != messageMagic) {
        stream.abortTransaction();
        return Malformed;
    }
    stream >> *application >> *command >> *payload;
    if (!stream.commitTransaction())
        return stream.status() == QDataStream::ReadCorruptData ? Malformed : Incomplete;
    return Complete;
}

QByteArray encodeReply(const QString &error)
{
    QByteArray frame;
    QDataStream stream(&frame, QIODevice::WriteOnly);
    stream.setVersion(frameVersion);
    stream << replyMagic << error;
    return frame;
}

ReadResult readReply(QIODevice *device, QString *error)
{
    QDataStream stream(device);
    stream.setVersion(frameVersion);
    stream.startTransaction();
    quint32 magic = 0;
    stream >> magic;
    if (stream.status() == QDataStream::Ok && magic != replyMagic) {
        stream.abortTransaction();
        return Malformed;
    }
    stream >> *error;
    if (!stream.commitTransaction())
        return stream.status() == QDataStream::ReadCorruptData ? Malformed : Incomplete;
    return Complete;
}

} // namespace MessageProtocol
