#include "wifiservicerunner.h"

#include "servicecontrol.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>

WifiServiceRunner::WifiServiceRunner(QObject *parent)
    : QObject(parent)
{ }

WifiServiceRunner::~WifiServiceRunner()
{
    stop();
}

QString WifiServiceRunner::defaultProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/wifiservice");
}

bool WifiServiceRunner::start(const QString &program, const QString &deviceRoot)
{
    stop();
    m_errorString.clear();
    m_deviceRoot = deviceRoot;
    m_process = new QProcess(this);
    // Its log joins the simulator's; its standard output only says when it serves.
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(
        program, {QStringLiteral("--root"), deviceRoot, QStringLiteral("--stop-on-eof")});
    if (!m_process->waitForStarted(StartTimeoutMs)) {
        m_errorString = QStringLiteral("cannot run %1: %2").arg(program, m_process->errorString());
        stop();
        return false;
    }
    QByteArray output;
    while (!output.contains('\n') && m_process->waitForReadyRead(StartTimeoutMs))
        output += m_process->readAllStandardOutput();
    if (output.trimmed() != "ready") {
        m_errorString = m_process->state() == QProcess::NotRunning
            ? QStringLiteral("the Wi-Fi service ended at once (exit code %1)")
                  .arg(m_process->exitCode())
            : QStringLiteral("the Wi-Fi service did not get ready");
        stop();
        return false;
    }
    return true;
}

void WifiServiceRunner::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->closeWriteChannel();
        if (!m_process->waitForFinished(3000)) {
            qWarning() << "WifiServiceRunner: the Wi-Fi service does not end; killed";
            m_process->kill();
            m_process->waitForFinished(1000);
        }
    }
    delete m_process;
    m_process = nullptr;
}

bool WifiServiceRunner::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

bool WifiServiceRunner::request(const QStringList &words, QString *reply)
{
    if (!isRunning()) {
        *reply = QStringLiteral("the Wi-Fi service is not running");
        return false;
    }
    return ServiceControl::request(ServiceControl::socketPath(m_deviceRoot), words, reply)
        == ServiceControl::Done;
}
