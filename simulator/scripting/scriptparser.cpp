#include "scriptparser.h"

#include "core.h"
#include "devicekeys.h"
#include "messagearguments.h"
#include "messagerouter.h"
#include "station.h"

#include <QFile>

namespace {

// Splits on spaces, as a shell does: '...' and "..." group words, and inside "..." a backslash
// escapes a quote or a backslash.
bool tokenize(const QString &line, QStringList *tokens, QString *error)
{
    QString current;
    bool inToken = false;
    QChar quote;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
            } else if (quote == QLatin1Char('"') && c == QLatin1Char('\\') && i + 1 < line.size()
                && (line.at(i + 1) == QLatin1Char('"') || line.at(i + 1) == QLatin1Char('\\'))) {
                current += line.at(++i);
            } else {
                current += c;
            }
        } else if (c.isSpace()) {
            if (inToken)
                tokens->append(current);
            current.clear();
            inToken = false;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            inToken = true;
        } else {
            current += c;
            inToken = true;
        }
    }
    if (!quote.isNull()) {
        *error = QStringLiteral("unterminated quote");
        return false;
    }
    if (inToken)
        tokens->append(current);
    return true;
}

bool parseMilliseconds(const QString &text, int *milliseconds)
{
    bool ok = false;
    *milliseconds = text.toInt(&ok);
    return ok && *milliseconds >= 0;
}

const struct
{
    const char *name;
    ScriptCommand::Kind kind;
} commandNames[] = {
    {"key", ScriptCommand::Key},
    {"press", ScriptCommand::Press},
    {"release", ScriptCommand::Release},
    {"hold", ScriptCommand::Hold},
    {"type", ScriptCommand::Type},
    {"msg", ScriptCommand::Message},
    {"wait", ScriptCommand::Wait},
    {"until", ScriptCommand::Until},
    {"screenshot", ScriptCommand::Screenshot},
    {"window-screenshot", ScriptCommand::WindowScreenshot},
    {"language", ScriptCommand::Language},
    {"start", ScriptCommand::Start},
    {"end", ScriptCommand::End},
    {"quit", ScriptCommand::Quit},
    {"station", ScriptCommand::WifiService},
    {"wifi", ScriptCommand::WifiService},
};

// "station add|remove [MAC]", "station clear" and "wifi silent on|off", as the service's
// requests.
bool parseWifiRequest(
    const QString &name, const QStringList &arguments, QStringList *request, QString *error)
{
    const QString action = arguments.value(0);
    if (name == QLatin1String("wifi")) {
        if (arguments.size() != 2 || action != QLatin1String("silent")
            || (arguments.at(1) != QLatin1String("on")
                && arguments.at(1) != QLatin1String("off"))) {
            *error = QStringLiteral("usage: wifi silent on|off");
            return false;
        }
        *request = arguments;
        return true;
    }
    const bool takesAddress = action == QLatin1String("add") || action == QLatin1String("remove");
    const bool clear = action == QLatin1String("clear") && arguments.size() == 1;
    if (!clear && !(takesAddress && arguments.size() <= 2)) {
        *error = QStringLiteral("usage: station add [MAC], station remove [MAC], station clear");
        return false;
    }
    QByteArray address;
    if (arguments.size() == 2 && !Station::parseAddress(arguments.at(1).toLatin1(), &address)) {
        *error = QStringLiteral("\"%1\" is not a MAC address").arg(arguments.at(1));
        return false;
    }
    *request = QStringList {QStringLiteral("station")} + arguments;
    return true;
}

} // namespace

bool ScriptParser::parseFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_commands.clear();
        m_errorLine = 0;
        m_errorString = QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

bool ScriptParser::parse(const QString &source)
{
    m_commands.clear();
    m_errorString.clear();
    m_errorLine = 0;
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (!parseLine(lines.at(i), i + 1)) {
            m_commands.clear();
            return false;
        }
    }
    return true;
}

bool ScriptParser::fail(int line, const QString &reason)
{
    m_errorLine = line;
    m_errorString = QStringLiteral("line %1: %2").arg(line).arg(reason);
    return false;
}

bool ScriptParser::parseLine(const QString &line, int number)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return true;

    QStringList tokens;
    QString error;
    if (!tokenize(trimmed, &tokens, &error))
        return fail(number, error);

    ScriptCommand command;
    command.line = number;
    const QString name = tokens.takeFirst();
    bool known = false;
    for (const auto &entry : commandNames) {
        if (name == QLatin1String(entry.name)) {
            command.kind = entry.kind;
            known = true;
        }
    }
    if (!known)
        return fail(number, QStringLiteral("unknown command \"%1\"").arg(name));

    auto expectArguments = [&](int count, const char *usage) {
        if (tokens.size() == count)
            return true;
        fail(number, QStringLiteral("usage: %1").arg(QLatin1String(usage)));
        return false;
    };
    auto takeKey = [&]() {
        const DeviceKey *key = DeviceKeys::byName(tokens.first());
        if (!key) {
            fail(number, QStringLiteral("unknown key \"%1\"").arg(tokens.first()));
            return false;
        }
        command.key = key->key;
        command.keyText = key->text;
        return true;
    };

    switch (command.kind) {
    case ScriptCommand::Key:
    case ScriptCommand::Press:
    case ScriptCommand::Release:
        if (!expectArguments(1, "key|press|release NAME") || !takeKey())
            return false;
        break;
    case ScriptCommand::Hold:
        if (!expectArguments(2, "hold NAME MS") || !takeKey())
            return false;
        if (!parseMilliseconds(tokens.at(1), &command.milliseconds))
            return fail(number, QStringLiteral("\"%1\" is not a time in ms").arg(tokens.at(1)));
        break;
    case ScriptCommand::Type:
        if (!expectArguments(1, "type TEXT (quote text with spaces)"))
            return false;
        command.text = tokens.first();
        break;
    case ScriptCommand::Message:
        if (tokens.size() < 2)
            return fail(number, QStringLiteral("usage: msg APPLICATION COMMAND [ARG...]"));
        command.application = tokens.takeFirst();
        command.command = tokens.takeFirst();
        if (!MessageRouter::hasRoute(command.application)) {
            return fail(number,
                QStringLiteral("no application \"%1\" in the simulator").arg(command.application));
        }
        if (!MessageArguments::buildPayload(command.command, tokens, &command.payload, &error))
            return fail(number, error);
        break;
    case ScriptCommand::Wait:
        if (!expectArguments(1, "wait MS"))
            return false;
        if (!parseMilliseconds(tokens.first(), &command.milliseconds))
            return fail(number, QStringLiteral("\"%1\" is not a time in ms").arg(tokens.first()));
        break;
    case ScriptCommand::Until:
        if (!expectArguments(3, "until shown|hidden CLASS MS"))
            return false;
        command.shown = tokens.at(0) == QLatin1String("shown");
        command.text = tokens.at(1);
        if (!command.shown && tokens.at(0) != QLatin1String("hidden"))
            return fail(number, QStringLiteral("usage: until shown|hidden CLASS MS"));
        if (!parseMilliseconds(tokens.at(2), &command.milliseconds))
            return fail(number, QStringLiteral("\"%1\" is not a time in ms").arg(tokens.at(2)));
        break;
    case ScriptCommand::Screenshot:
    case ScriptCommand::WindowScreenshot:
        if (!expectArguments(1, "screenshot|window-screenshot FILE"))
            return false;
        command.text = tokens.first();
        break;
    case ScriptCommand::Language:
        if (!expectArguments(1, "language CODE"))
            return false;
        command.language = Core::languageFromCode(tokens.first());
        if (command.language < 0)
            return fail(number, QStringLiteral("unknown language \"%1\"").arg(tokens.first()));
        break;
    case ScriptCommand::Start:
    case ScriptCommand::End:
    case ScriptCommand::Quit:
        if (!expectArguments(0, "start|end|quit"))
            return false;
        break;
    case ScriptCommand::WifiService:
        if (!parseWifiRequest(name, tokens, &command.request, &error))
            return fail(number, error);
        break;
    }
    m_commands.append(command);
    return true;
}

QString ScriptParser::syntax()
{
    return QStringLiteral(
        "  key NAME                   press and release a key\n"
        "  press NAME, release NAME   press or release a key\n"
        "  hold NAME MS               press, keep it down MS milliseconds, release\n"
        "  type TEXT                  type text into the focused widget\n"
        "  msg APP COMMAND [ARG...]   deliver a message, e.g. msg settings_hotspot "
        "'wifi2ui_Hotspot(str)' on\n"
        "  wait MS                    let the simulator run MS milliseconds\n"
        "  until shown|hidden CLASS MS\n"
        "                             wait until a widget of class CLASS is on show and at\n"
        "                             rest, or none is visible; fail after MS milliseconds\n"
        "  screenshot FILE            save the display (relative to the screenshot folder)\n"
        "  window-screenshot FILE     save the whole simulator window\n"
        "  language CODE              switch the language (en, de_DE, kr, ...)\n"
        "  start, end                 start the application, end it\n"
        "  station add|remove [MAC]   connect a station to the hotspot (a random one), or\n"
        "                             disconnect one (the newest)\n"
        "  station clear              disconnect every station\n"
        "  wifi silent on|off         make the Wi-Fi service stop or resume answering\n"
        "  quit                       leave the simulator\n");
}
