// A minimal stand-in for the telephone's shell that proves the plug-in as built for the
// telephone: it checks the plug-in's build the way Qt 4 does before loading it, loads it through
// QPluginLoader, starts the settings screen on the QWS screen it serves, and drives it with key
// events injected into the server: the switch on, the Frequency popup, 5G, Save. A stand-in
// hotspot script and a stand-in Wi-Fi service answer the save. The composed screen is written
// to a PNG file at the end.
//
// Usage: device_smoke -qws <plug-in> <screenshot.png>   (QWS_DISPLAY selects the screen)

#include "appmessage.h"
#include "baseappinterface.h"
#include "core.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPixmap>
#include <QPluginLoader>
#include <QProcess>
#include <QRegExp>
#include <QSettings>
#include <QTemporaryFile>
#include <QTimer>
#include <QWSServer>

#include <functional>

namespace {

// The verification text that the telephone's shell accepts, to the byte.
const char expectedVerification[] = "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=4.8.2\n"
                                    "debug=false\nbuildkey=arm linux g++-4 no-pkg-config";

bool fail(const QString &what)
{
    qCritical("device_smoke: FAILED: %s", qPrintable(what));
    return false;
}

// What Qt 4 reads before it loads a plug-in: the verification text in the library file (read
// without running the library's code) and from the exported function. Both must be the
// telephone's, whose Qt release and build key must also be the running Qt's.
bool checkVerificationData(const QString &pluginPath)
{
    QFile file(pluginPath);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const char *pattern = "pattern=QT_PLUGIN_VERIFICATION_DATA";
    const int at = bytes.indexOf(pattern);
    if (at < 0 || bytes.indexOf(pattern, at + 1) >= 0
        || bytes.constData() + at != QByteArray(expectedVerification))
        return fail(
            QLatin1String("the library does not hold the telephone's verification text once"));
    typedef const char *(*QueryFunction)();
    QueryFunction query = reinterpret_cast<QueryFunction>(
        QLibrary::resolve(pluginPath, "qt_plugin_query_verification_data"));
    if (!query || query() != QByteArray(expectedVerification))
        return fail(QLatin1String("qt_plugin_query_verification_data does not give it"));
    qDebug("device_smoke: verification data as expected; running Qt %s, build key %s", qVersion(),
        qPrintable(QLibraryInfo::buildKey()));
    if (qstrcmp(qVersion(), "4.8.2") != 0
        || !QByteArray(expectedVerification).endsWith(QLibraryInfo::buildKey().toLatin1()))
        return fail(QLatin1String("the running Qt is not the telephone's"));
    return true;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The telephone's file tree as far as the settings screen reads and writes it. The hotspot
// script stand-in only leaves a mark that it ran, for the Wi-Fi service stand-in to answer.
bool makeDeviceRoot(const QString &root)
{
    const QString script = root + QLatin1String("/usr/sbin/hotspot.sh");
    return writeFile(root + QLatin1String("/configs/wireless/hostapd.conf"),
               "[TETHERING]\ninterface=wlan1\nssid=Smoke-Net\nhw_mode=g\nieee80211n=1\n"
               "channel=6\nwpa_passphrase=Harbour-Lights-42\n")
        && writeFile(root + QLatin1String("/configs/envinfo.ini"), "[HOTSPOT]\nHOTSPOT=false\n")
        && writeFile(script, "#!/bin/sh\n: > \"$0.ran\"\n")
        && QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void pressKey(int key, ushort unicode = 0xffff)
{
    QWSServer::sendKeyEvent(unicode, key, Qt::NoModifier, true, false);
    QWSServer::sendKeyEvent(unicode, key, Qt::NoModifier, false, false);
}

QWidget *visibleWidget(const char *className)
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->isVisible() && widget->inherits(className))
            return widget;
    }
    return nullptr;
}

// Runs the steps one after another from the event loop, each once its condition holds; a step
// whose condition does not come true in time ends the run as failed.
class Driver : public QObject
{
    Q_OBJECT
public:
    struct Step
    {
        const char *waitsFor;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    explicit Driver(BaseAppInterface *application)
        : m_application(application)
    {
        connect(&m_poll, SIGNAL(timeout()), this, SLOT(poll()));
        m_poll.start(50);
    }

    void addStep(const char *waitsFor, std::function<bool()> ready, std::function<void()> act)
    {
        m_steps.append(Step {waitsFor, ready, act});
    }

    // The screen closes by itself once "Saved" has been shown.
    bool succeeded() const
    {
        if (m_next < m_steps.size())
            return fail(QLatin1String("the screen closed before ") + m_steps.at(m_next).waitsFor);
        return true;
    }
    bool hotspotIconOn() const { return m_iconOn; }

public slots:
    // What the application tells the other applications; the idle screen's hotspot indicator
    // follows the switch once the access point runs.
    void appMessageSent(const QString &to, const QString &command, const QByteArray &payload)
    {
        if (to == QLatin1String("idle") && command == QLatin1String("updateHotspotIcon(bool)"))
            m_iconOn = AppMessage::firstArgument<bool>(payload);
    }

private slots:
    // A step's action may enter a modal loop (a popup, a notice), in which the polling must go
    // on; Qt does not fire a timer again while its slot runs, so actions run on timers of their
    // own.
    void poll()
    {
        // Emulated ARM runs are slow; a step still has a bound.
        const int boundMs = 30000;
        if (m_next >= m_steps.size()) {
            m_poll.stop();
        } else if (m_steps.at(m_next).ready()) {
            m_pending.append(m_steps.at(m_next++).act);
            m_waitedMs = 0;
            QTimer::singleShot(0, this, SLOT(act()));
        } else if ((m_waitedMs += m_poll.interval()) > boundMs) {
            fail(QLatin1String("timed out waiting for ") + m_steps.at(m_next).waitsFor);
            m_poll.stop();
            m_application->end();
        }
    }

    void act() { m_pending.takeFirst()(); }

private:
    QList<Step> m_steps;
    QList<std::function<void()>> m_pending;
    BaseAppInterface *m_application;
    QTimer m_poll;
    int m_next = 0;
    int m_waitedMs = 0;
    bool m_iconOn = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv, QApplication::GuiServer);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    arguments = arguments.filter(QRegExp(QLatin1String("^[^-]")));
    if (arguments.size() != 2) {
        qCritical("usage: device_smoke -qws <plug-in> <screenshot.png>");
        return 2;
    }
    const QString pluginPath = arguments.at(0);
    const QString screenshot = arguments.at(1);

    // A fresh device root, named after a unique temporary file.
    QTemporaryFile rootMarker(QDir::tempPath() + QLatin1String("/device_smoke.XXXXXX"));
    if (!rootMarker.open())
        return 1;
    const QString root = rootMarker.fileName() + QLatin1String(".root");
    Core core;
    core.setDeviceRoot(root);
    if (!makeDeviceRoot(root) || !checkVerificationData(pluginPath))
        return 1;

    QPluginLoader loader(pluginPath);
    QObject *instance = loader.instance();
    BaseAppInterface *application = qobject_cast<BaseAppInterface *>(instance);
    if (!application) {
        fail(QLatin1String("no application in the plug-in: ") + loader.errorString());
        return 1;
    }

    Driver driver(application);
    QObject::connect(&core, SIGNAL(appMessageSent(QString, QString, QByteArray)), &driver,
        SLOT(appMessageSent(QString, QString, QByteArray)));
    driver.addStep(
        "the settings screen", [] { return visibleWidget("SettingsHotspot"); },
        [] {
            pressKey(Qt::Key_Enter, '\r'); // the switch on
            pressKey(Qt::Key_Down);
            pressKey(Qt::Key_Enter, '\r');
        });
    driver.addStep(
        "the Frequency popup", [] { return visibleWidget("SelectPopup"); },
        [] {
            pressKey(Qt::Key_Down); // 5G
            pressKey(Qt::Key_Enter, '\r');
        });
    driver.addStep(
        "the popup to close", [] { return !visibleWidget("SelectPopup"); },
        [] { pressKey(Qt::Key_F15); }); // Save
    const QString scriptMark = core.devicePath(QLatin1String("/usr/sbin/hotspot.sh.ran"));
    driver.addStep(
        "the hotspot script", [&scriptMark] { return QFile::exists(scriptMark); },
        [application] {
            application->receiveMsg(QLatin1String("wifi2ui_Hotspot(str)"),
                AppMessage::payload(QString::fromLatin1("on")));
        });
    driver.addStep(
        "the hotspot indicator and \"Saved\"",
        [&driver] { return driver.hotspotIconOn() && visibleWidget("Toast"); },
        [&screenshot] {
            QApplication::processEvents();
            const QPixmap shot = QPixmap::grabWindow(QApplication::desktop()->winId());
            if (!shot.save(screenshot, "PNG"))
                fail(QLatin1String("cannot write ") + screenshot);
        });
    application->start(nullptr, nullptr);

    QSettings hostapd(
        core.devicePath(QLatin1String("/configs/wireless/hostapd.conf")), QSettings::IniFormat);
    QSettings envinfo(core.envInfoFileName(), QSettings::IniFormat);
    bool ok = driver.succeeded();
    if (ok && hostapd.value(QLatin1String("TETHERING/hw_mode")).toString() != QLatin1String("a"))
        ok = fail(QLatin1String("hostapd.conf does not hold the 5 GHz band"));
    if (ok && envinfo.value(QLatin1String("HOTSPOT/HOTSPOT")).toString() != QLatin1String("true"))
        ok = fail(QLatin1String("envinfo.ini does not hold the switch on"));
    QProcess::execute(QLatin1String("rm"), QStringList() << QLatin1String("-rf") << root);
    if (ok)
        qDebug("device_smoke: saved at 5 GHz; screenshot %s", qPrintable(screenshot));
    return ok ? 0 : 1;
}

#include "devicesmoke.moc"
