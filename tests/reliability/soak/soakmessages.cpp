#include "soakmessages.h"

#include "appmessage.h"
#include "soakrandom.h"

namespace SoakMessages {

const char settingsApplication[] = "settings_hotspot";
const char infoApplication[] = "settings_hotspotinfo";

QStringList knownCommands()
{
    return {QStringLiteral("wifi2ui_Hotspot(str)"),
        QStringLiteral("wifi2ui_Hotspot_release_ack(str)"), QStringLiteral("changedLanguage()"),
        QStringLiteral("changedStatus()")};
}

QByteArray stringPayload(const QString &text)
{
    return AppMessage::payload(text);
}

QString randomWord(SoakRandom &random, const QString &canary)
{
    switch (random.below(12)) {
    case 0:
    case 1:
        return QStringLiteral("on");
    case 2:
    case 3:
        return QStringLiteral("success");
    case 4:
        return random.pick(QVector<QString> {QStringLiteral("off"), QStringLiteral("fail"),
            QStringLiteral("ON"), QStringLiteral(" on"), QStringLiteral("on\n"),
            QStringLiteral("Success"), QStringLiteral("invalid_passphrase")});
    case 5:
        return QString();
    case 6:
        return QString(1000 + random.below(9000), QLatin1Char('x'));
    case 7:
        return random.pick(QVector<QString> {QStringLiteral("$(touch %1)").arg(canary),
            QStringLiteral("; touch %1 #").arg(canary), QStringLiteral("`touch %1`").arg(canary),
            QStringLiteral("' ; touch %1 '").arg(canary)});
    case 8:
        return QStringLiteral("aa:bb:cc:dd:ee:ff");
    default: {
        // Any UTF-16 units, lone surrogates and NUL included.
        QString text;
        const int length = random.below(24);
        for (int idx = 0; idx < length; ++idx)
            text.append(QChar(ushort(random.below(0x10000))));
        return text;
    }
    }
}

QString randomCommand(SoakRandom &random)
{
    const QStringList known = knownCommands();
    switch (random.below(10)) {
    case 0:
        return random.pick(QVector<QString> {QStringLiteral("wifi2ui_hotspot(str)"),
            QStringLiteral("wifi2ui_Hotspot(QString)"), QStringLiteral("wifi2ui_Hotspot(str) "),
            QStringLiteral("changedLanguage"), QStringLiteral("updateHotspotIcon(bool)"),
            QString()});
    case 1:
        return QString::fromLatin1(random.bytes(random.below(40)));
    case 2:
        return QString(4096, QLatin1Char('c'));
    default:
        return known.at(random.below(known.size()));
    }
}

QByteArray randomPayload(SoakRandom &random, const QString &canary)
{
    switch (random.below(10)) {
    case 0:
        // A null string.
        return QByteArray("\xff\xff\xff\xff", 4);
    case 1: {
        const QByteArray whole = stringPayload(randomWord(random, canary));
        return whole.left(random.below(whole.size()));
    }
    case 2:
        return random.bytes(random.below(48));
    case 3:
        // Claims far more than it holds.
        return QByteArray("\x7f\xff\xff\xf0", 4) + random.bytes(random.below(8));
    case 4:
        return QByteArray();
    case 5:
        // An odd byte count cannot be UTF-16.
        return QByteArray("\0\0\0\x03"
                          "abc",
            7);
    case 6:
        return AppMessage::payload(random.percent(50));
    case 7:
        return AppMessage::payload(randomWord(random, canary), randomWord(random, canary));
    default:
        return stringPayload(randomWord(random, canary));
    }
}

Message randomMessage(SoakRandom &random, const QString &canary)
{
    Message message;
    message.application = QLatin1String(random.percent(70) ? settingsApplication : infoApplication);
    message.command = randomCommand(random);
    message.payload = randomPayload(random, canary);
    return message;
}

namespace {

    // Commands may hold any bytes; the log shows the unprintable ones as hex.
    QString printable(const QString &text)
    {
        QString shown;
        for (const QChar c : text) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                shown.append(c);
            else
                shown.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
        return shown;
    }

} // namespace

QString describe(const Message &message)
{
    const QString command = message.command.size() > 48 ? printable(message.command.left(48))
            + QStringLiteral("...(%1)").arg(message.command.size())
                                                        : printable(message.command);
    const QByteArray payload = message.payload.size() > 24 ? message.payload.left(24).toHex()
            + "...(" + QByteArray::number(message.payload.size()) + ")"
                                                           : message.payload.toHex();
    return QStringLiteral("message %1 \"%2\" %3")
        .arg(message.application, command, QString::fromLatin1(payload));
}

} // namespace SoakMessages
