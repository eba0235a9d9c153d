#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Builds a message payload from text arguments, the way a command's signature asks for them:
// "str" is a QString, "bool" a bool (true, false, 1 or 0), "int" a 32-bit integer, and "()"
// takes no argument. Used by the message sender and by simulator scripts, so that a stand-in
// of another process can answer an application exactly as the real one does.
namespace MessageArguments {

// The argument types of a command such as "wifi2ui_Hotspot(str)"; false for a command that is
// not written like a signature.
bool signatureTypes(const QString &command, QStringList *types, QString *error);

// The payload for the arguments, or false with a reason for a wrong argument count, a value
// that does not fit its type or an unknown type.
bool buildPayload(
    const QString &command, const QStringList &arguments, QByteArray *payload, QString *error);

} // namespace MessageArguments
