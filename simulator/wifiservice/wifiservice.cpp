#include "wifiservice.h"

#include "accesspoint.h"
#include "controlsocket.h"
#include "servicecontrol.h"
#include "station.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>

namespace {

constexpr int maxRequestBytes = 1024;

} // namespace

WifiService::WifiService(const QString &deviceRoot, QObject *parent)
    : QObject(parent)
    , m_root(QDir::cleanPath(QFileInfo(deviceRoot).absoluteFilePath()))
    , m_accessPoint(new AccessPoint(this))
    , m_controlSocket(new ControlSocket(
          [this](const QByteArray &request) { return m_accessPoint->handleRequest(request); },
          this))
    , m_server(new QLocalServer(this))
{
    m_applyTimer.setSingleShot(true);
    connect(&m_applyTimer, &QTimer::timeout, this, &WifiService::finishApply);
    connect(m_accessPoint, &AccessPoint::stationDenied, this, &WifiService::stationDenied);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &WifiService::acceptRequests);
}

// A message on its way to the shell is let go, not cut off with the service.
WifiService::~WifiService()
{
    m_server->close();
    const QList<QProcess *> senders = findChildren<QProcess *>();
    for (QProcess *sender : senders)
        sender->waitForFinished(2000);
}

QString WifiService::controlInterfacePath(const QString &deviceRoot)
{
    return deviceRoot + QStringLiteral("/var/run/hostapd/wlan1");
}

WifiService::Options WifiService::options() const
{
    QSettings settings(m_root + QStringLiteral("/configs/simulator.ini"), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("WifiService"));
    Options options;
    options.answerDelayMs
        = qMax(0, settings.value(QStringLiteral("AnswerDelayMs"), options.answerDelayMs).toInt());
    options.releaseDelayMs
        = qMax(0, settings.value(QStringLiteral("ReleaseDelayMs"), options.releaseDelayMs).toInt());
    options.silent
        = m_silent.value_or(settings.value(QStringLiteral("Silent"), options.silent).toBool());
    options.initialStations
        = qBound(0, settings.value(QStringLiteral("Stations"), options.initialStations).toInt(), 8);
    return options;
}

bool WifiService::start()
{
    m_errorString.clear();
    const QString controlPath = controlInterfacePath(m_root);
    if (!m_controlSocket->listen(controlPath)) {
        m_errorString = m_controlSocket->errorString();
        return false;
    }

    const QString servicePath = ServiceControl::socketPath(m_root);
    const int pathBytes = QFile::encodeName(servicePath).size();
    if (pathBytes > ControlSocket::maxPathBytes()) {
        m_errorString = QStringLiteral("the socket path %1 is %2 bytes long; a UNIX socket takes "
                                       "at most %3, so the device root must be shorter")
                            .arg(servicePath)
                            .arg(pathBytes)
                            .arg(ControlSocket::maxPathBytes());
        return false;
    }
    QLocalSocket probe;
    probe.connectToServer(servicePath);
    if (probe.waitForConnected(500)) {
        m_errorString = QStringLiteral("another Wi-Fi service runs for %1").arg(m_root);
        return false;
    }
    QLocalServer::removeServer(servicePath);
    if (!m_server->listen(servicePath)) {
        m_errorString
            = QStringLiteral("cannot listen on %1: %2").arg(servicePath, m_server->errorString());
        return false;
    }

    const Options initial = options();
    QString error;
    for (int i = 0; i < initial.initialStations; ++i)
        m_accessPoint->addStation(Station::random(m_random), &error);
    const HotspotSettings settings = HotspotSettings::read(m_root);
    if (settings.enabled && settings.check().isEmpty())
        m_accessPoint->start(settings);
    qInfo().noquote() << "WifiService: serving" << controlPath << "and" << servicePath
                      << "- hotspot" << (m_accessPoint->isEnabled() ? "on" : "off");
    return true;
}

void WifiService::acceptRequests()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequest(socket);
    }
}

void WifiService::readRequest(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > maxRequestBytes) {
            qWarning() << "WifiService: request too long, connection closed";
            socket->abort();
        }
        return;
    }
    const QString line = QString::fromUtf8(socket->readLine()).trimmed();
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QByteArray answer = handleServiceRequest(words);
    qInfo().noquote() << "WifiService:" << line << "->" << answer.trimmed();
    socket->write(answer);
    socket->disconnectFromServer();
}

QByteArray WifiService::handleServiceRequest(const QStringList &words)
{
    const QString request = words.value(0);
    if (request == QLatin1String("apply") && words.size() == 1)
        return apply();
    if (request == QLatin1String("station"))
        return stationRequest(words.mid(1));
    if (request == QLatin1String("silent") && words.size() == 2
        && (words.at(1) == QLatin1String("on") || words.at(1) == QLatin1String("off"))) {
        m_silent = words.at(1) == QLatin1String("on");
        return ServiceControl::encodeAnswer(
            true, *m_silent ? QStringLiteral("silent: no answers") : QStringLiteral("answering"));
    }
    if (request == QLatin1String("status") && words.size() == 1) {
        return ServiceControl::encodeAnswer(true,
            QStringLiteral("hotspot %1, %2 stations")
                .arg(m_accessPoint->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"))
                .arg(m_accessPoint->stations().size()));
    }
    return ServiceControl::encodeAnswer(false,
        QStringLiteral("unknown request \"%1\"; requests: apply, status, station add [MAC], "
                       "station remove [MAC], station clear, silent on|off")
            .arg(words.join(QLatin1Char(' '))));
}

// Reads what the application has just written, decides at once what hostapd would make of
// it, and answers after the delay an access point takes to come up.
QByteArray WifiService::apply()
{
    const Options current = options();
    const HotspotSettings settings = HotspotSettings::read(m_root);
    const QString problem = settings.check();
    if (current.silent) {
        qInfo() << "WifiService: silent, the apply stays unanswered";
        return ServiceControl::encodeAnswer(true, QStringLiteral("silent: no answer"));
    }
    m_pendingSettings = settings;
    m_pendingAnswer = problem.isEmpty() ? QStringLiteral("on") : problem;
    m_applyTimer.start(current.answerDelayMs);
    return ServiceControl::encodeAnswer(true,
        QStringLiteral("hotspot %1, answer \"%2\" in %3 ms")
            .arg(settings.enabled ? QStringLiteral("on") : QStringLiteral("off"), m_pendingAnswer)
            .arg(current.answerDelayMs));
}

void WifiService::finishApply()
{
    if (m_pendingSettings.enabled && m_pendingAnswer == QLatin1String("on"))
        m_accessPoint->start(m_pendingSettings);
    else
        m_accessPoint->stop();
    tellShell(QStringLiteral("settings_hotspot"), QStringLiteral("wifi2ui_Hotspot(str)"),
        m_pendingAnswer);
}

QByteArray WifiService::stationRequest(const QStringList &words)
{
    const QString action = words.value(0);
    const bool takesAddress = action == QLatin1String("add") || action == QLatin1String("remove");
    if (!(takesAddress && words.size() <= 2)
        && !(action == QLatin1String("clear") && words.size() == 1)) {
        return ServiceControl::encodeAnswer(
            false, QStringLiteral("usage: station add [MAC], station remove [MAC], station clear"));
    }
    QByteArray address;
    if (words.size() == 2 && !Station::parseAddress(words.at(1).toLatin1(), &address)) {
        return ServiceControl::encodeAnswer(
            false, QStringLiteral("\"%1\" is not a MAC address").arg(words.at(1)));
    }
    QString error;
    if (action == QLatin1String("add")) {
        const Station station = Station::random(m_random, address);
        if (!m_accessPoint->addStation(station, &error))
            return ServiceControl::encodeAnswer(false, error);
        return ServiceControl::encodeAnswer(
            true, QStringLiteral("added %1").arg(QLatin1String(station.address)));
    }
    if (action == QLatin1String("remove")) {
        const QByteArray removed = m_accessPoint->removeStation(address, &error);
        if (removed.isEmpty())
            return ServiceControl::encodeAnswer(false, error);
        return ServiceControl::encodeAnswer(
            true, QStringLiteral("removed %1").arg(QLatin1String(removed)));
    }
    return ServiceControl::encodeAnswer(
        true, QStringLiteral("removed %1 stations").arg(m_accessPoint->clearStations()));
}

// The device's service learns of the release from the driver a moment after the deny.
void WifiService::stationDenied(const QByteArray &address)
{
    const Options current = options();
    if (current.silent) {
        qInfo().noquote() << "WifiService: silent, the release of" << address
                          << "stays unacknowledged";
        return;
    }
    QTimer::singleShot(current.releaseDelayMs, this, [this] {
        tellShell(QStringLiteral("settings_hotspotinfo"),
            QStringLiteral("wifi2ui_Hotspot_release_ack(str)"), QStringLiteral("success"));
    });
}

void WifiService::tellShell(const QString &application, const QString &command, const QString &word)
{
    const QString sender = qEnvironmentVariable("SHELL_MSG_SEND");
    if (sender.isEmpty()) {
        qWarning().noquote() << "WifiService: no shell to tell" << command << word
                             << "(SHELL_MSG_SEND is not set)";
        return;
    }
    qInfo().noquote() << "WifiService: telling" << application << command << word;
    auto process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process,
        [process, command](int exitCode, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit || exitCode != 0)
                qWarning().noquote() << "WifiService: the shell did not take" << command;
            process->deleteLater();
        });
    connect(process, &QProcess::errorOccurred, process,
        [process, sender](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                qWarning().noquote() << "WifiService: cannot run" << sender;
                process->deleteLater();
            }
        });
    process->start(sender, {application, command, word});
}
