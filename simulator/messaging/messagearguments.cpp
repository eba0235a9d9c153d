#include "messagearguments.h"

#include "appmessage.h"

#include <QDataStream>
#include <QRegularExpression>

namespace MessageArguments {

bool signatureTypes(const QString &command, QStringList *types, QString *error)
{
    static const QRegularExpression signature(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*\\(([^()]*)\\)$"));
    const QRegularExpressionMatch match = signature.match(command);
    if (!match.hasMatch()) {
        *error = QStringLiteral("\"%1\" is not a command signature such as \"name(str)\"")
                     .arg(command);
        return false;
    }
    types->clear();
    const QString list = match.captured(1).trimmed();
    if (list.isEmpty())
        return true;
    for (const QString &type : list.split(QLatin1Char(','))) {
        const QString trimmed = type.trimmed();
        if (trimmed != QLatin1String("str") && trimmed != QLatin1String("bool")
            && trimmed != QLatin1String("int")) {
            *error = QStringLiteral("unknown argument type \"%1\" in %2 (str, bool and int are "
                                    "known)")
                         .arg(trimmed, command);
            return false;
        }
        types->append(trimmed);
    }
    return true;
}

bool buildPayload(
    const QString &command, const QStringList &arguments, QByteArray *payload, QString *error)
{
    QStringList types;
    if (!signatureTypes(command, &types, error))
        return false;
    if (types.size() != arguments.size()) {
        *error = QStringLiteral("%1 takes %2 argument(s), %3 given")
                     .arg(command)
                     .arg(types.size())
                     .arg(arguments.size());
        return false;
    }

    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(AppMessage::streamVersion);
    for (int i = 0; i < types.size(); ++i) {
        const QString &value = arguments.at(i);
        if (types.at(i) == QLatin1String("str")) {
            stream << value;
        } else if (types.at(i) == QLatin1String("bool")) {
            const QString lower = value.toLower();
            if (lower == QLatin1String("true") || lower == QLatin1String("1")) {
                stream << true;
            } else if (lower == QLatin1String("false") || lower == QLatin1String("0")) {
                stream << false;
            } else {
                *error = QStringLiteral("argument %1 of %2 must be true, false, 1 or 0, not \"%3\"")
                             .arg(i + 1)
                             .arg(command, value);
                return false;
            }
        } else {
            bool ok = false;
            const qint32 number = value.toInt(&ok);
            if (!ok) {
                *error = QStringLiteral("argument %1 of %2 must be an integer, not \"%3\"")
                             .arg(i + 1)
                             .arg(command, value);
                return false;
            }
            stream << number;
        }
    }
    *payload = data;
    return true;
}

} // namespace MessageArguments
