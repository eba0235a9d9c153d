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
#include "testcompat.h"
#include "testfiles.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPixmap>
#include <QPluginLoader>
#include <QRegExp>
#include <QSettings>
#include <QSignalSpy>
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
    const QByteArray bytes = bytesOf(pluginPath);
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

// The telephone's file tree as far as the settings screen reads and writes it. The hotspot
// script is the tests' stand-in, which notes each run, for the Wi-Fi service stand-in to answer.
bool makeDeviceRoot(const QString &root)
{
    return writeFile(root + QLatin1String("/configs/wireless/hostapd.conf"),
               "[TETHERING]\ninterface=wlan1\nssid=Smoke-Net\nhw_mode=g\nieee80211n=1\n"
               "channel=6\nwpa_passphrase=Harbour-Lights-42\n")
        && writeFile(root + QLatin1String("/configs/envinfo.ini"), "[HOTSPOT]\nHOTSPOT=false\n")
        && installStandIn(root + QLatin1String("/usr/sbin/hotspot.sh"));
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

// The steps run one after another from the event loop, each once its condition holds, also
// inside the modal loops of popups and notices.
struct Step
{
    std::function<bool()> ready;
    std::function<void()> act;
};

void runSteps(const QList<Step> &steps, int *done)
{
    if (*done < steps.size()) {
        new RunWhen(qApp, steps.at(*done).ready, [steps, done] {
            // The next step waits already while this one's action runs a modal loop.
            const int step = (*done)++;
            runSteps(steps, done);
            steps.at(step).act();
        });
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv, QApplication::GuiServer);
    const QStringList arguments
        = QStringList(app.arguments().mid(1)).filter(QRegExp(QLatin1String("^[^-]")));
    if (arguments.size() != 2) {
        qCritical("usage: device_smoke -qws <plug-in> <screenshot.png>");
        return 2;
    }
    const QString pluginPath = arguments.at(0);
    const QString screenshot = arguments.at(1);

    QTemporaryDir rootDir;
    const QString root = rootDir.path();
    Core core;
    core.setDeviceRoot(root);
    if (!rootDir.isValid() || !makeDeviceRoot(root) || !checkVerificationData(pluginPath))
        return 1;

    QPluginLoader loader(pluginPath);
    QObject *instance = loader.instance();
    BaseAppInterface *application = qobject_cast<BaseAppInterface *>(instance);
    if (!application) {
        fail(QLatin1String("no application in the plug-in: ") + loader.errorString());
        return 1;
    }

    // The idle screen's hotspot indicator follows the switch once the access point runs.
    QSignalSpy sent(&core, SIGNAL(appMessageSent(QString, QString, QByteArray)));
    const auto hotspotIcon = [&sent] {
        return sent.contains(QVariantList()
            << QLatin1String("idle") << QLatin1String("updateHotspotIcon(bool)")
            << AppMessage::payload(true));
    };
    const QString scriptMark = core.devicePath(QLatin1String("/usr/sbin/runs"));
    const QList<Step> steps = {{[] { return visibleWidget("SettingsHotspot"); },
                                   [] {
                                       pressKey(Qt::Key_Enter, '\r'); // the switch on
                                       pressKey(Qt::Key_Down);
                                       pressKey(Qt::Key_Enter, '\r');
                                   }},
        {[] { return visibleWidget("SelectPopup"); },
            [] {
                pressKey(Qt::Key_Down); // 5G
                pressKey(Qt::Key_Enter, '\r');
            }},
        {[] { return !visibleWidget("SelectPopup"); }, [] { pressKey(Qt::Key_F15); }}, // Save
        {[&scriptMark] { return QFile::exists(scriptMark); },
            [application] {
                application->receiveMsg(QLatin1String("wifi2ui_Hotspot(str)"),
                    AppMessage::payload(QString::fromLatin1("on")));
            }},
        {[&hotspotIcon] { return hotspotIcon() && visibleWidget("Toast"); },
            [&screenshot] {
                const QPixmap shot = QPixmap::grabWindow(QApplication::desktop()->winId());
                if (!shot.save(screenshot, "PNG"))
                    fail(QLatin1String("cannot write ") + screenshot);
            }}};
    QFile::remove(screenshot);
    int done = 0;
    runSteps(steps, &done);
    // Emulated ARM is slow, but every wait has its bound.
    QElapsedTimer clock;
    clock.start();
    new RunWhen(
        qApp, [&clock] { return clock.elapsed() > 60000; }, [application] { application->end(); });
    // The screen closes by itself once "Saved" has been shown.
    application->start(nullptr, nullptr);

    QSettings hostapd(
        core.devicePath(QLatin1String("/configs/wireless/hostapd.conf")), QSettings::IniFormat);
    QSettings envinfo(core.envInfoFileName(), QSettings::IniFormat);
    bool ok
        = done == steps.size() || fail(QString::fromLatin1("stopped before step %1").arg(done + 1));
    if (ok && hostapd.value(QLatin1String("TETHERING/hw_mode")).toString() != QLatin1String("a"))
        ok = fail(QLatin1String("hostapd.conf does not hold the 5 GHz band"));
    if (ok && envinfo.value(QLatin1String("HOTSPOT/HOTSPOT")).toString() != QLatin1String("true"))
        ok = fail(QLatin1String("envinfo.ini does not hold the switch on"));
    if (ok)
        qDebug("device_smoke: saved at 5 GHz; screenshot %s", qPrintable(screenshot));
    return ok ? 0 : 1;
}
