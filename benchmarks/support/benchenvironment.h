#pragma once

#include <QtTest>

// The conditions every benchmark runs in, so that figures compare from run to run: headless,
// at the device's 72 dpi and in the narrow typeface the simulator draws with, with the
// product's log lines dropped (their cost is counted, the test log's formatting is not).
class BenchEnvironment
{
public:
    // Before the application object exists.
    static void prepare();
    // After it exists.
    static void pinFont();
    static void quietLogs();
    // Lets deferred work (overlay placement, slides, focus checks) finish before a frame is
    // measured.
    static void settle(int ms = 300);
};

// main() of a benchmark program: QTEST_MAIN in the conditions above.
#define HOTSPOT_BENCH_MAIN(BenchClass)                                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        BenchEnvironment::prepare();                                                               \
        QApplication app(argc, argv);                                                              \
        BenchEnvironment::pinFont();                                                               \
        BenchClass bench;                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&bench, argc, argv);                                                   \
    }
