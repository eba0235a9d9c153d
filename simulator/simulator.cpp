#include "simulator.h"

#include "baseappinterface.h"
#include "core.h"
#include "devicedisplay.h"
#include "devicefont.h"
#include "idlescreen.h"
#include "messagerouter.h"
#include "messageserver.h"
#include "sandbox.h"
#include "scriptrunner.h"
#include "simulatorwindow.h"
#include "status.h"
#include "wifiservicerunner.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QLatin1String applicationName("settings_hotspot");
// The application's connected-devices screen is an application of the shell of its own.
const QLatin1String infoApplicationName("settings_hotspotinfo");

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
    // The telephone's own typeface is narrow; the nearest common one keeps texts in their
    // fixed-size places as on the device.
    const QFont font = DeviceFont::font();
    QApplication::setFont(font);
    qInfo().noquote()
        << "Simulator: display font" << font.family() << "- Korean drawn with"
        << DeviceFont::drawingFamilies(font, QStringLiteral("설정")).join(QLatin1String(", "));
    const QStringList uncovered = DeviceFont::uncoveredLanguages(font);
    if (!uncovered.isEmpty()) {
        qWarning().noquote() << "Simulator: no installed font draws" << uncovered.join(", ")
                             << "text; it shows as boxes (install fonts-noto-core and "
                                "fonts-noto-cjk)";
    }
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
    startWifiService();
    connectPanel();

    if (!loadApplication())
        return false;
    if (m_options.language >= 0)
        setLanguage(m_options.language);
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

// Only a sandbox has a simulated Wi-Fi service; a device root given as it is has whatever it
// has. The service's answers reach the simulator through the sender, so it starts after the
// message socket is known.
void Simulator::startWifiService()
{
    if (!m_options.deviceRoot.isEmpty()) {
        m_window->setServiceAvailable(false);
        return;
    }
    m_wifiService = new WifiServiceRunner(this);
    const QString program = WifiServiceRunner::defaultProgram();
    if (!m_wifiService->start(program, m_deviceRoot)) {
        qWarning().noquote() << "Simulator: no Wi-Fi service:" << m_wifiService->errorString()
                             << "- saves end with their guard and no station is listed";
        m_window->setServiceAvailable(false);
        return;
    }
    // The sandbox's hotspot script asks the service through this.
    qputenv("WIFI_SERVICE", QFile::encodeName(program));
    qInfo().noquote() << "Wi-Fi service:" << program;
    showServiceState();
    // The panel follows what the service tells the application.
    if (m_server) {
        connect(m_server, &MessageServer::messageReceived, this,
            [this](const QString &, const QString &command) {
                if (command.startsWith(QLatin1String("wifi2ui_")))
                    showServiceState();
            });
    }
}

void Simulator::showServiceState()
{
    QString state;
    if (m_wifiService->request({QStringLiteral("status")}, &state))
        m_window->showServiceMessage(state);
}

void Simulator::connectPanel()
{
    connect(m_window, &SimulatorWindow::languageChosen, this, &Simulator::setLanguage);
    connect(m_window, &SimulatorWindow::stationAddRequested, this, [this] {
        panelRequest({QStringLiteral("station"), QStringLiteral("add")});
    });
    connect(m_window, &SimulatorWindow::stationRemoveRequested, this, [this] {
        panelRequest({QStringLiteral("station"), QStringLiteral("remove")});
    });
    connect(m_window, &SimulatorWindow::silentToggled, this, [this](bool silent) {
        panelRequest(
            {QStringLiteral("silent"), silent ? QStringLiteral("on") : QStringLiteral("off")});
    });
}

void Simulator::panelRequest(const QStringList &request)
{
    QString error;
    requestWifiService(request, &error);
    if (!error.isEmpty())
        m_window->showServiceMessage(error);
}

bool Simulator::requestWifiService(const QStringList &request, QString *error)
{
    QString reply;
    if (!m_wifiService || !m_wifiService->request(request, &reply)) {
        *error = m_wifiService ? reply : QStringLiteral("the Wi-Fi service is not running");
        qWarning().noquote() << "Simulator: Wi-Fi service:" << request.join(QLatin1Char(' ')) << "-"
                             << *error;
        return false;
    }
    qInfo().noquote() << "Simulator: Wi-Fi service:" << request.join(QLatin1Char(' ')) << "-"
                      << reply;
    if (request.value(0) == QLatin1String("silent"))
        m_window->showSilent(request.value(1) == QLatin1String("on"));
    m_window->showServiceMessage(reply);
    return true;
}

bool Simulator::loadApplication()
{
    m_loader.setFileName(m_options.pluginPath);
    // A telephone started in another language builds the application in it: the translation
    // (in the library's resources) is installed between loading and creating the object.
    if (m_loader.load() && m_core->language() != Core::English)
        m_core->installTranslation(applicationName);
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

// The shell tells every application of the language; the connected-devices screen has its
// own texts.
void Simulator::setLanguage(int language)
{
    m_core->setLanguage(language);
    m_window->showLanguage(language);
    sendMessage(applicationName, QStringLiteral("changedLanguage()"), QByteArray());
    sendMessage(infoApplicationName, QStringLiteral("changedLanguage()"), QByteArray());
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
