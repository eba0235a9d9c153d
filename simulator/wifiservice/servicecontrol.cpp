#include "servicecontrol.h"

#include <QLocalSocket>

namespace ServiceControl {

QString socketPath(const QString &deviceRoot)
{
    return deviceRoot + QStringLiteral("/var/run/wifiservice.sock");
}

QByteArray encodeAnswer(bool done, const QString &text)
{
    QString line = done ? QStringLiteral("OK") : QStringLiteral("FAIL");
    if (!text.isEmpty())
        line += QLatin1Char(' ') + text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.toUtf8() + '\n';
}

Result request(const QString &socketPath, const QStringList &words, QString *reply, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs)) {
        *reply = QStringLiteral("the Wi-Fi service does not answer on %1 (%2)")
                     .arg(socketPath, socket.errorString());
        return Unreachable;
    }
    QString line = words.join(QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    socket.write(line.toUtf8() + '\n');
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    if (!answer.contains('\n')) {
        *reply = QStringLiteral("no answer from the Wi-Fi service");
        return Unreachable;
    }
    return decodeAnswer(answer.left(answer.indexOf('\n')), reply);
}

Result decodeAnswer(const QByteArray &line, QString *text)
{
    const QString answer = QString::fromUtf8(line).trimmed();
    const bool done = answer == QLatin1String("OK") || answer.startsWith(QLatin1String("OK "));
    const bool refused
        = answer == QLatin1String("FAIL") || answer.startsWith(QLatin1String("FAIL "));
    if (!done && !refused) {
        *text = QStringLiteral("the Wi-Fi service answered \"%1\"").arg(answer);
        return Unreachable;
    }
    *text = answer.mid(done ? 3 : 5);
    return done ? Done : Refused;
}

} // namespace ServiceControl
