#pragma once

#include <QString>
#include <QStringList>

// The Wi-Fi service's own request socket, through which the hotspot script asks it to apply
// the settings and the simulator moves stations about. A request is one line of words, the
// answer one line: "OK" and what was done, or "FAIL" and why.
namespace ServiceControl {

// <device root>/var/run/wifiservice.sock
QString socketPath(const QString &deviceRoot);

enum Result { Done, Refused, Unreachable };

// Sends one request and waits for its answer; the answer's text (without OK or FAIL), or
// what went wrong, in *reply.
Result request(
    const QString &socketPath, const QStringList &words, QString *reply, int timeoutMs = 3000);

QByteArray encodeAnswer(bool done, const QString &text);
// Done or Refused with the answer's text; Unreachable for a line that is no answer.
Result decodeAnswer(const QByteArray &line, QString *text);

} // namespace ServiceControl
