// wifiservice: the telephone's Wi-Fi service and access point, simulated for a device root.
// Without a request it runs the service; with one it sends that request to the running
// service (the hotspot script's "apply").

#include "servicecontrol.h"
#include "wifiservice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

enum ExitCode { Done = 0, Refused = 1, Unreachable = 2 };

// The simulator keeps the service's standard input open while it runs; its end (also when the
// simulator dies) ends the service, so no service outlives its simulator.
void quitWhenInputEnds(QCoreApplication *app)
{
    auto notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [notifier] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            notifier->setEnabled(false);
            QCoreApplication::quit();
        }
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wifiservice"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The simulated Wi-Fi service and access point of a device root.\n"
        "Without a request it serves hostapd's control interface in\n"
        "ROOT/var/run/hostapd/wlan1 and its own requests in ROOT/var/run/wifiservice.sock.\n"
        "Requests: apply | status | station add [MAC] | station remove [MAC] | station clear |\n"
        "silent on|off\n"
        "Exit status of a request: 0 done, 1 refused, 2 no service."));
    parser.addHelpOption();
    const QCommandLineOption rootOption(QStringLiteral("root"),
        QStringLiteral("The device root (the simulator's sandbox)."), QStringLiteral("dir"));
    const QCommandLineOption stdinOption(
        QStringLiteral("stop-on-eof"), QStringLiteral("Serve until standard input ends."));
    parser.addOptions({rootOption, stdinOption});
    parser.addPositionalArgument(QStringLiteral("request"), QStringLiteral("A request to send."),
        QStringLiteral("[request...]"));
    parser.process(app);

    if (!parser.isSet(rootOption)) {
        qWarning().noquote() << "wifiservice: --root is needed\n" << parser.helpText();
        return Refused;
    }
    const QString root = parser.value(rootOption);
    const QStringList request = parser.positionalArguments();
    if (!request.isEmpty()) {
        QString reply;
        const ServiceControl::Result result
            = ServiceControl::request(ServiceControl::socketPath(root), request, &reply);
        std::fprintf(result == ServiceControl::Done ? stdout : stderr, "wifiservice: %s\n",
            qPrintable(reply));
        return result == ServiceControl::Done   ? Done
            : result == ServiceControl::Refused ? Refused
                                                : Unreachable;
    }

    WifiService service(root);
    if (!service.start()) {
        qWarning().noquote() << "wifiservice:" << service.errorString();
        return Unreachable;
    }
    if (parser.isSet(stdinOption))
        quitWhenInputEnds(&app);
    // Whoever started the service waits for this line before relying on it.
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
