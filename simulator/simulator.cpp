#include "simulator.h"

#include "baseappinterface.h"
#include "core.h"
#include "devicedisplay.h"
#include "idlescreen.h"
#include "messagerouter.h"
#include "messageserver.h"
#include "sandbox.h"
#include "scriptrunner.h"
#include "simulatorwindow.h"
#include "status.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QLatin1String applicationName("settings_hotspot");

// The telephone's own typeface is narrow; this is the nearest common one, so that texts fit
// their fixed-size places as they do on the device.
const QLatin1String deviceFontFamily("DejaVu Sans Condensed");

// Without a script, a headless run shows what the application looks like and ends.
const char headlessScript[] = "wait 1000\n"
                              "screenshot settings_hotspot.png\n"
                              "quit\n";

} // namespace

Simulator::Simulator(const SimulatorOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
    const QString platform = QGuiApplication::platformName();
    m_headless = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

Simulator::~Simulator()
{
    // The application goes first: its screens use the status bar and the core.
    if (auto application = qobject_cast<BaseAppInterface *>(m_application.data()))
        application->end();
    delete m_application;
    delete m_idle;
    delete m_status;
    delete m_window;
    delete m_core;
}

bool Simulator::setUp()
{
    if (!prepareDeviceRoot())
        return false;
    if (QFontDatabase().hasFamily(deviceFontFamily))
        QApplication::setFont(QFont(deviceFontFamily));
    else
        qInfo().noquote() << "Simulator: no font" << deviceFontFamily << "- texts may not fit";
    // Screens take the status bar from the core when they are built, so both exist before the
    // plug-in creates its application object.
    m_core = new Core;
    m_core->setDeviceRoot(m_deviceRoot);
    if (m_options.language >= 0)
        m_core->setLanguage(m_options.language);

    m_window = new SimulatorWindow(m_options.scale);
    connect(m_window, &SimulatorWindow::closeRequested, qApp, &QCoreApplication::quit);

    m_status = new Status;
    m_status->setAttribute(Qt::WA_ShowWithoutActivating);
    m_status->move(0, 0);
    const QSettings userSettings(m_core->configFileName(UserConfigFile), QSettings::IniFormat);
    m_status->setTime24Hour(userSettings.value(QStringLiteral("Settings/24HourTime")).toBool());
    m_core->setStatusWidget(m_status);
    connect(m_core->ime(), &IME::changedIMEStatus, m_status,
        [this](int status) { m_status->setIMEStatus(IMEStatus(status)); });
    m_status->show();

    m_idle = new IdleScreen(m_status);
    connect(m_idle, &IdleScreen::openRequested, this, &Simulator::openRequested);
    m_idle->show();

    m_router = new MessageRouter(m_status, this);
    connect(m_core, &Core::appMessageSent, m_router, &MessageRouter::route, Qt::QueuedConnection);
    listenForMessages();

    if (!loadApplication())
        return false;
    if (m_options.language >= 0)
        sendMessage(applicationName, QStringLiteral("changedLanguage()"), QByteArray());
    m_window->show();

    if (m_options.startApplication) {
        QString error;
        startApplication(&error);
    }
    return startScript();
}

bool Simulator::prepareDeviceRoot()
{
    if (!m_options.deviceRoot.isEmpty()) {
        const QFileInfo root(m_options.deviceRoot);
        if (!root.isDir()) {
            qWarning().noquote() << "Simulator: no folder" << m_options.deviceRoot;
            return false;
        }
        m_deviceRoot = root.absoluteFilePath();
        qInfo().noquote() << "Device root:" << m_deviceRoot;
        return true;
    }
    Sandbox sandbox(m_options.sandboxDir.isEmpty() ? Sandbox::defaultRoot() : m_options.sandboxDir);
    if (!sandbox.prepare()) {
        qWarning().noquote() << "Simulator: cannot prepare the sandbox:" << sandbox.errorString();
        return false;
    }
    m_deviceRoot = sandbox.root();
    qInfo().noquote() << "Sandbox:" << m_deviceRoot;
    return true;
}

void Simulator::listenForMessages()
{
    QString path = m_options.socketPath;
    if (path.isEmpty() && m_options.deviceRoot.isEmpty())
        path = m_deviceRoot + QStringLiteral("/shell.sock");
    else if (path.isEmpty())
        path = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
            + QStringLiteral("/settings-hotspot-simulator.sock");

    m_server = new MessageServer(this);
    if (!m_server->listen(path)) {
        qWarning().noquote() << "Simulator: no message socket:" << m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return;
    }
    connect(m_server, &MessageServer::messageReceived, m_router, &MessageRouter::route);
    // Processes started from here (the stand-ins of the telephone's services) find the
    // simulator and the sender through these.
    qputenv("SHELL_MSG_SOCKET", QFile::encodeName(path));
    qputenv("SHELL_MSG_SEND",
        QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/shellmsg")));
    qInfo().noquote() << "Message socket:" << path;
}

bool Simulator::loadApplication()
{
    m_loader.setFileName(m_options.pluginPath);
    QObject *instance = m_loader.instance();
    if (!instance) {
        qWarning().noquote() << "Simulator: cannot load the plug-in:" << m_loader.errorString();
        return false;
    }
    if (!qobject_cast<BaseAppInterface *>(instance)) {
        qWarning().noquote() << "Simulator:" << m_options.pluginPath
                             << "is not an application of the shell";
        return false;
    }
    m_application = instance;
    m_router->setApplication(instance);
    qInfo().noquote() << "Plug-in:" << m_loader.fileName();
    return true;
}

bool Simulator::startScript()
{
    ScriptParser parser;
    if (!m_options.scriptFile.isEmpty()) {
        if (!parser.parseFile(m_options.scriptFile)) {
            qWarning().noquote() << "Script" << m_options.scriptFile << parser.errorString();
            return false;
        }
    } else if (m_headless) {
        parser.parse(QLatin1String(headlessScript));
    } else {
        return true;
    }
    m_runner = new ScriptRunner(this, this);
    connect(m_runner, &ScriptRunner::finished, this, &Simulator::scriptFinished);
    connect(m_runner, &ScriptRunner::failed, this, &Simulator::scriptFailed);
    m_runner->run(parser.commands());
    return true;
}

void Simulator::scriptFinished(bool quitRequested)
{
    if (quitRequested || m_headless) {
        QCoreApplication::exit(0);
        return;
    }
    qInfo() << "Script finished; the simulator stays open";
}

void Simulator::scriptFailed(int line, const QString &reason)
{
    const QString script = m_options.scriptFile.isEmpty() ? QStringLiteral("(built-in script)")
                                                          : m_options.scriptFile;
    qWarning().noquote()
        << QStringLiteral("Script %1: line %2: %3").arg(script).arg(line).arg(reason);
    QCoreApplication::exit(1);
}

void Simulator::openRequested()
{
    QString error;
    if (!startApplication(&error))
        qDebug().noquote() << "Simulator::openRequested" << error;
}

bool Simulator::startApplication(QString *error)
{
    if (!m_application) {
        *error = QStringLiteral("no application is loaded");
        return false;
    }
    if (m_running || m_startQueued) {
        *error = QStringLiteral("the application is running already");
        return false;
    }
    // start() returns only when the screen closes, so it runs from the event loop.
    m_startQueued = true;
    QMetaObject::invokeMethod(this, &Simulator::runApplication, Qt::QueuedConnection);
    return true;
}

void Simulator::runApplication()
{
    m_startQueued = false;
    auto application = qobject_cast<BaseAppInterface *>(m_application.data());
    if (!application)
        return;
    m_running = true;
    qInfo() << "Simulator: application started";
    application->start(nullptr, nullptr);
    m_running = false;
    qInfo() << "Simulator: application closed";
}

void Simulator::endApplication()
{
    if (auto application = qobject_cast<BaseAppInterface *>(m_application.data()))
        application->end();
}

void Simulator::sendKey(int key, const QString &text, bool press)
{
    m_window->display()->sendKey(key, text, press);
}

// Delivered from the event loop, as the shell delivers messages of other processes.
void Simulator::sendMessage(
    const QString &application, const QString &command, const QByteArray &payload)
{
    QMetaObject::invokeMethod(
        m_router,
        [this, application, command, payload] { m_router->route(application, command, payload); },
        Qt::QueuedConnection);
}

void Simulator::setLanguage(int language)
{
    m_core->setLanguage(language);
    sendMessage(applicationName, QStringLiteral("changedLanguage()"), QByteArray());
}

bool Simulator::saveScreenshot(const QString &fileName, bool wholeWindow, QString *error)
{
    const QString path = QDir(m_options.screenshotDir).absoluteFilePath(fileName);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    const QImage image = wholeWindow ? m_window->grabWindow() : m_window->display()->frame();
    if (!image.save(path)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    qInfo().noquote() << "Screenshot:" << path;
    return true;
}
