#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// Payloads of the messages the shell routes between applications: the arguments in order,
// serialised by QDataStream in the format of the shell's Qt 4.8, which the shell and every
// application share byte for byte.
namespace AppMessage {

constexpr QDataStream::Version streamVersion = QDataStream::Qt_4_8;

inline void writeArguments(QDataStream &) { }

template<typename T, typename... Rest>
void writeArguments(QDataStream &stream, const T &first, const Rest &...rest)
{
    stream << first;
    writeArguments(stream, rest...);
}

template<typename... Args> QByteArray payload(const Args &...args)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::ReadWrite);
    stream.setVersion(streamVersion);
    writeArguments(stream, args...);
    return data;
}

// Reads the first argument of a payload; a payload too short for it yields T's empty value.
template<typename T> T firstArgument(const QByteArray &data)
{
    QDataStream stream(data);
    stream.setVersion(streamVersion);
    T value {};
    stream >> value;
    if (stream.status() != QDataStream::Ok)
        return T {};
    return value;
}

} // namespace AppMessage
