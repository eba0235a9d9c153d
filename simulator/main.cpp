// The telephone simulator: runs the application plug-in on a simulated display and keypad.

#include "simulator.h"
#include "simulatoroptions.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char *argv[])
{
    // Without a desktop to show on, the simulator still runs, draws and takes screenshots.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // The telephone's screen is set up for 72 dpi, the default of its Qt for Embedded Linux; the
    // widget set's point sizes are meant for it.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");

    const QStringList pluginOption = SimulatorOptions::takePluginOption(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("settings-hotspot-simulator"));

    SimulatorOptions options;
    switch (options.parse(QApplication::arguments() + pluginOption)) {
    case SimulatorOptions::ShowHelp:
        qInfo().noquote() << options.message();
        return 0;
    case SimulatorOptions::Invalid:
        qWarning().noquote() << "simulator:" << options.message();
        return 1;
    case SimulatorOptions::Run:
        break;
    }

    Simulator simulator(options);
    if (!simulator.setUp())
        return 1;
    return app.exec();
}
