#include "simulatoroptions.h"

#include "core.h"
#include "devicekeys.h"
#include "scriptparser.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

QStringList SimulatorOptions::takePluginOption(int &argc, char **argv)
{
    QStringList taken;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if ((argument == "--plugin" || argument == "-plugin") && i + 1 < argc) {
            taken << QStringLiteral("--plugin") << QString::fromLocal8Bit(argv[++i]);
        } else if (argument.startsWith("--plugin=")) {
            taken << QString::fromLocal8Bit(argument);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return taken;
}

SimulatorOptions::Result SimulatorOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs the Settings | Wi-Fi Hotspot application as the telephone's shell does, on a "
        "simulated 480x272 display with a keypad.\nWithout a display it runs headless: with no "
        "script it starts the application, saves a screenshot and exits."));
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption pluginOption(QStringLiteral("plugin"),
        QStringLiteral("The application plug-in (default: ../lib/libsettings_hotspot.so beside "
                       "the simulator)."),
        QStringLiteral("path"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
        QStringLiteral("Display scale, 1 or 2 (default 1)."), QStringLiteral("n"),
        QStringLiteral("1"));
    const QCommandLineOption sandboxOption(QStringLiteral("sandbox"),
        QStringLiteral("Folder of the simulated device files, created on first use (default: "
                       "the user's data folder)."),
        QStringLiteral("dir"));
    const QCommandLineOption deviceRootOption(QStringLiteral("device-root"),
        QStringLiteral("Use this folder as the device's root as it is, without a sandbox; / "
                       "means the real device files."),
        QStringLiteral("dir"));
    const QCommandLineOption socketOption(QStringLiteral("socket"),
        QStringLiteral("Message socket (default: shell.sock in the sandbox)."),
        QStringLiteral("path"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshots"),
        QStringLiteral("Folder for screenshots (default: ./screenshots)."), QStringLiteral("dir"),
        QStringLiteral("screenshots"));
    const QCommandLineOption scriptOption(QStringLiteral("script"),
        QStringLiteral("Run the commands of this script."), QStringLiteral("file"));
    const QCommandLineOption languageOption(QStringLiteral("language"),
        QStringLiteral("Start in this language (en, kr, de_DE, nl_NL, ...)."),
        QStringLiteral("code"));
    const QCommandLineOption noStartOption(QStringLiteral("no-start"),
        QStringLiteral("Show the idle screen instead of starting the application."));
    parser.addOptions({helpOption, pluginOption, scaleOption, sandboxOption, deviceRootOption,
        socketOption, screenshotOption, scriptOption, languageOption, noStartOption});

    if (!parser.parse(arguments)) {
        m_message = parser.errorText();
        return Invalid;
    }
    if (parser.isSet(helpOption)) {
        m_message = parser.helpText() + QStringLiteral("\nKeys (keypad key, desktop key):\n")
            + DeviceKeys::shortcutTable()
            + QStringLiteral("  Other printable keys are typed as they are; holding a desktop "
                             "key does not repeat it.\n\nScript commands (one a line, # starts "
                             "a comment line):\n")
            + ScriptParser::syntax();
        return ShowHelp;
    }
    if (!parser.positionalArguments().isEmpty()) {
        m_message = QStringLiteral("unexpected argument \"%1\"")
                        .arg(parser.positionalArguments().first());
        return Invalid;
    }

    const QString scaleText = parser.value(scaleOption);
    if (scaleText != QLatin1String("1") && scaleText != QLatin1String("2")) {
        m_message = QStringLiteral("--scale takes 1 or 2, not \"%1\"").arg(scaleText);
        return Invalid;
    }
    scale = scaleText.toInt();

    if (parser.isSet(languageOption)) {
        language = Core::languageFromCode(parser.value(languageOption));
        if (language < 0) {
            m_message = QStringLiteral("unknown language \"%1\"").arg(parser.value(languageOption));
            return Invalid;
        }
    }
    if (parser.isSet(sandboxOption) && parser.isSet(deviceRootOption)) {
        m_message = QStringLiteral("--sandbox and --device-root exclude each other");
        return Invalid;
    }

    pluginPath = parser.isSet(pluginOption) ? parser.value(pluginOption)
                                            : QDir::cleanPath(QCoreApplication::applicationDirPath()
                                                + QStringLiteral("/../lib/libsettings_hotspot.so"));
    sandboxDir = parser.value(sandboxOption);
    deviceRoot = parser.value(deviceRootOption);
    socketPath = parser.value(socketOption);
    screenshotDir = QDir(parser.value(screenshotOption)).absolutePath();
    scriptFile = parser.value(scriptOption);
    startApplication = !parser.isSet(noStartOption);
    return Run;
}
