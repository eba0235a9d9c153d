#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class SoakRandom;

// The messages the soak routes to the application as the shell would: the commands the screens
// know, near misses of them and garbage, each with a payload that may be well formed,
// truncated, of the wrong type or random bytes.
namespace SoakMessages {

struct Message
{
    QString application;
    QString command;
    QByteArray payload;
};

extern const char settingsApplication[];
extern const char infoApplication[];

// Commands the screens act on.
QStringList knownCommands();

// Texts a result or acknowledgement might carry; 'canary' is a file that a text run through a
// shell would create.
QString randomWord(SoakRandom &random, const QString &canary);
QString randomCommand(SoakRandom &random);
QByteArray randomPayload(SoakRandom &random, const QString &canary);
Message randomMessage(SoakRandom &random, const QString &canary);

// A payload of one string, as the Wi-Fi service sends it.
QByteArray stringPayload(const QString &text);

// One line for the event log.
QString describe(const Message &message);

} // namespace SoakMessages
