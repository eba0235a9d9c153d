#include "benchenvironment.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

const QLatin1String deviceFamily("DejaVu Sans Condensed");

QtMessageHandler testLog = nullptr;

void dropChatter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && testLog)
        testLog(type, context, message);
}

} // namespace

void BenchEnvironment::prepare()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "72");
}

void BenchEnvironment::pinFont()
{
    if (!QFontDatabase().hasFamily(deviceFamily))
        qFatal("The benchmarks draw in %s; install fonts-dejavu-core", deviceFamily.data());
    QApplication::setFont(QFont(deviceFamily));
}

void BenchEnvironment::quietLogs()
{
    const QtMessageHandler previous = qInstallMessageHandler(dropChatter);
    if (previous != dropChatter)
        testLog = previous;
}

void BenchEnvironment::settle(int ms)
{
    QTest::qWait(ms);
}
