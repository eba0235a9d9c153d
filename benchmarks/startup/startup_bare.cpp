// A bare Qt program that shows one empty window of the display's size and ends once its first
// frame is on the display. Under callgrind, everything from main() to that frame is counted.

#include "benchenvironment.h"
#include "firstframewatch.h"

#include <QApplication>
#include <QWidget>

#include <valgrind/callgrind.h>

int main(int argc, char *argv[])
{
    BenchEnvironment::prepare();
    CALLGRIND_ZERO_STATS;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(480, 272);
    FirstFrameWatch watch(&window);
    QObject::connect(&watch, &FirstFrameWatch::shown, &app, [] {
        CALLGRIND_DUMP_STATS_AT("first frame");
        QCoreApplication::quit();
    });
    window.show();
    return app.exec();
}
