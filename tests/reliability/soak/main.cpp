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
    parser.addOptions({{"events", "Number of events.", "n", "20000"},
        {"seed", "Seed of the event stream.", "n", "1"},
        {"plugin", "The plug-in to load.", "file", SOAK_PLUGIN_FILE},
        {"trace", "Write every event to <file>.", "file"},
        {"report-every", "Print progress every <n> events.", "n", "0"}});
    parser.process(application);

    SoakDriver::Options options;
    bool ok[3] = {};
    options.events = parser.value("events").toLongLong(&ok[0]);
    options.seed = parser.value("seed").toULongLong(&ok[1]);
    options.reportEvery = parser.value("report-every").toLongLong(&ok[2]);
    options.plugin = parser.value("plugin");
    options.trace = parser.value("trace");
    if (!ok[0] || options.events < 1 || !ok[1] || !ok[2]) {
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
