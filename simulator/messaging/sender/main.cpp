// shellmsg: sends one message to an application of the simulated telephone, as another process
// of the telephone would, through the simulator's message socket.

#include "messagearguments.h"
#include "messageprotocol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QLocalSocket>

namespace {

enum ExitCode { Delivered = 0, Refused = 1, Unreachable = 2 };

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("shellmsg"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sends one message to an application of the simulated telephone.\n"
        "The payload is built from the command's signature: str is a text, bool is\n"
        "true/false/1/0, int is a 32-bit integer; \"()\" takes no argument.\n"
        "Example: shellmsg settings_hotspot 'wifi2ui_Hotspot(str)' on\n"
        "Exit status: 0 delivered, 1 refused (arguments or application), 2 no simulator."));
    parser.addHelpOption();
    const QCommandLineOption socketOption(QStringLiteral("socket"),
        QStringLiteral("The simulator's message socket (default: $SHELL_MSG_SOCKET)."),
        QStringLiteral("path"));
    const QCommandLineOption noWaitOption(QStringLiteral("no-wait"),
        QStringLiteral("Do not wait for the simulator's answer (for callers that the simulator "
                       "itself waits for)."));
    const QCommandLineOption timeoutOption(QStringLiteral("timeout"),
        QStringLiteral("How long to wait for the answer."), QStringLiteral("ms"),
        QStringLiteral("5000"));
    parser.addOptions({socketOption, noWaitOption, timeoutOption});
    parser.addPositionalArgument(QStringLiteral("application"),
        QStringLiteral("Receiving application, e.g. settings_hotspot."));
    parser.addPositionalArgument(QStringLiteral("command"),
        QStringLiteral("Command signature, e.g. 'wifi2ui_Hotspot(str)'."));
    parser.addPositionalArgument(
        QStringLiteral("args"), QStringLiteral("The arguments."), QStringLiteral("[arg...]"));
    // Arguments such as "-5" are values, not options.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.process(app);

    QStringList positional = parser.positionalArguments();
    if (positional.size() < 2) {
        qWarning().noquote() << "shellmsg: an application and a command are needed\n"
                             << parser.helpText();
        return Refused;
    }
    const QString application = positional.takeFirst();
    const QString command = positional.takeFirst();
    QByteArray payload;
    QString error;
    if (!MessageArguments::buildPayload(command, positional, &payload, &error)) {
        qWarning().noquote() << "shellmsg:" << error;
        return Refused;
    }

    const QString socketPath = parser.isSet(socketOption)
        ? parser.value(socketOption)
        : qEnvironmentVariable("SHELL_MSG_SOCKET");
    if (socketPath.isEmpty()) {
        qWarning().noquote() << "shellmsg: no socket; pass --socket or set SHELL_MSG_SOCKET";
        return Unreachable;
    }
    bool timeoutOk = false;
    const int timeout = parser.value(timeoutOption).toInt(&timeoutOk);
    if (!timeoutOk || timeout < 0) {
        qWarning().noquote() << "shellmsg: --timeout takes milliseconds";
        return Refused;
    }

    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeout)) {
        qWarning().noquote() << "shellmsg: cannot reach the simulator at" << socketPath << "-"
                             << socket.errorString();
        return Unreachable;
    }
    socket.write(MessageProtocol::encodeMessage(application, command, payload));
    if (!socket.waitForBytesWritten(timeout)) {
        qWarning().noquote() << "shellmsg: sending failed:" << socket.errorString();
        return Unreachable;
    }
    if (parser.isSet(noWaitOption))
        return Delivered;

    QString refusal;
    MessageProtocol::ReadResult result = MessageProtocol::Incomplete;
    while (result == MessageProtocol::Incomplete && socket.waitForReadyRead(timeout))
        result = MessageProtocol::readReply(&socket, &refusal);
    if (result != MessageProtocol::Complete) {
        qWarning().noquote() << "shellmsg: no answer from the simulator";
        return Unreachable;
    }
    if (!refusal.isEmpty()) {
        qWarning().noquote() << "shellmsg:" << refusal;
        return Refused;
    }
    return Delivered;
}
