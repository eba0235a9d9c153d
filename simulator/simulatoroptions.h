#pragma once

#include <QString>
#include <QStringList>

// The simulator's command line.
class SimulatorOptions
{
public:
    enum Result { Run, ShowHelp, Invalid };

    // Qt reads "-plugin" and "--plugin" as its own option. Takes the simulator's --plugin
    // option out of argv before QApplication sees it; the result goes to parse() along with
    // the arguments Qt leaves.
    static QStringList takePluginOption(int &argc, char **argv);

    Result parse(const QStringList &arguments);
    // The help text, or what was wrong with the command line.
    QString message() const { return m_message; }

    QString pluginPath;
    int scale = 1;
    // Empty: the default sandbox.
    QString sandboxDir;
    // Set: run against this folder as it is, with no sandbox ("/" for the real device files).
    QString deviceRoot;
    QString socketPath;
    QString screenshotDir;
    QString scriptFile;
    int language = -1;
    bool startApplication = true;

private:
    QString m_message;
};
