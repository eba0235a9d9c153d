// Plays the shell for a start-up measurement: with the core in place, loads the application
// plug-in, starts it and ends once its screen's first frame is on the display. Under callgrind
// two spans are counted: from main() until the shell is ready ("shell ready"), and from loading
// the plug-in to the first frame ("first frame"). The shell's status bar is left out: it is on
// the display long before an application starts, and it comes from the plug-in library here,
// which the host must not have loaded before the count begins.

#include "baseappinterface.h"
#include "benchenvironment.h"
#include "core.h"
#include "firstframewatch.h"

#include <QApplication>
#include <QDir>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QTimer>

#include <valgrind/callgrind.h>

int main(int argc, char *argv[])
{
    BenchEnvironment::prepare();
    CALLGRIND_ZERO_STATS;
    QApplication app(argc, argv);
    BenchEnvironment::pinFont();
    const QString plugin = argc > 1
        ? QString::fromLocal8Bit(argv[1])
        : QDir(QCoreApplication::applicationDirPath())
              .filePath(QStringLiteral("../lib/libsettings_hotspot.so"));

    QTemporaryDir deviceRoot;
    Core core;
    core.setDeviceRoot(deviceRoot.path());

    int status = 0;
    QTimer::singleShot(0, &app, [&] {
        CALLGRIND_DUMP_STATS_AT("shell ready");
        QPluginLoader loader(plugin);
        QObject *instance = loader.instance();
        auto *application = qobject_cast<BaseAppInterface *>(instance);
        auto *screen = qobject_cast<QWidget *>(instance);
        if (!application || !screen) {
            qWarning(
                "startup_plugin: %s: %s", qPrintable(plugin), qPrintable(loader.errorString()));
            status = 1;
            QCoreApplication::quit();
            return;
        }
        FirstFrameWatch watch(screen);
        QObject::connect(&watch, &FirstFrameWatch::shown, screen, [application] {
            CALLGRIND_DUMP_STATS_AT("first frame");
            application->end();
        });
        application->start(nullptr, nullptr);
        delete instance;
        QCoreApplication::quit();
    });
    const int exitCode = app.exec();
    return status != 0 ? status : exitCode;
}
