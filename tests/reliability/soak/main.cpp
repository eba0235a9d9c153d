#include "core.h"
#include "soakdevice.h"
#include "soakdriver.h"
#include "status.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace {

SoakDriver *theDriver = nullptr;

// The application logs a line or two for nearly every event; the driver keeps the last ones
// for a failure report instead of printing a million of them.
void collect(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (theDriver)
        theDriver->logMessage(type, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Screens close and open again all the time; only the driver ends the run.
    application.setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Drives the hotspot application with a seeded random stream of keys, messages, timer "
        "expiries, starts, ends and outside-program answers, and checks it after every event."));
    parser.addHelpOption();
    const QCommandLineOption events(QStringLiteral("events"),
        QStringLiteral("Number of events (default 20000)."), QStringLiteral("n"),
        QStringLiteral("20000"));
    const QCommandLineOption seed(QStringLiteral("seed"),
        QStringLiteral("Seed of the event stream (default 1)."), QStringLiteral("n"),
        QStringLiteral("1"));
    const QCommandLineOption plugin(QStringLiteral("plugin"),
        QStringLiteral("The application plug-in to load."), QStringLiteral("file"),
        QStringLiteral(SOAK_PLUGIN_FILE));
    const QCommandLineOption trace(QStringLiteral("trace"),
        QStringLiteral("Write every event to <file>."), QStringLiteral("file"));
    const QCommandLineOption report(QStringLiteral("report-every"),
        QStringLiteral("Print progress every <n> events."), QStringLiteral("n"),
        QStringLiteral("0"));
    parser.addOptions({events, seed, plugin, trace, report});
    parser.process(application);

    SoakDriver::Options options;
    bool eventsOk = false;
    bool seedOk = false;
    bool reportOk = false;
    options.events = parser.value(events).toLongLong(&eventsOk);
    options.seed = parser.value(seed).toULongLong(&seedOk);
    options.reportEvery = parser.value(report).toLongLong(&reportOk);
    options.plugin = parser.value(plugin);
    options.trace = parser.value(trace);
    if (!eventsOk || options.events < 1 || !seedOk || !reportOk) {
        std::fprintf(stderr, "soak: --events, --seed and --report-every take whole numbers\n");
        return 2;
    }

    SoakDevice device;
    if (!device.isValid()) {
        std::fprintf(stderr, "soak: %s\n", qPrintable(device.errorString()));
        return 2;
    }
    Core core;
    core.setDeviceRoot(device.root());
    SoakDriver driver(options, &device);
    theDriver = &driver;
    qInstallMessageHandler(collect);
    Status status;
    core.setStatusWidget(&status);

    QObject::connect(&driver, &SoakDriver::finished, &application, &QCoreApplication::exit);
    QTimer::singleShot(0, &driver, &SoakDriver::begin);
    const int result = application.exec();
    qInstallMessageHandler(nullptr);
    theDriver = nullptr;
    return result;
}
