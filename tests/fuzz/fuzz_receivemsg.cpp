// Records of a selector byte (bit 7: to the devices screen; bits 0-2: the command, 7 naming its
// own in the payload's first bytes after a count byte), a 16-bit big-endian length and the
// payload, delivered to a fresh application; notices expire at once. After every message the
// screens must still hold together.

#include "core.h"
#include "screeninvariants.h"
#include "selectpopup.h"
#include "settings_hotspot_p.h"
#include "settings_hotspotinfo.h"
#include "status.h"
#include "testfiles.h"
#include "toast.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *scratch = nullptr;
Core *core = nullptr;
QTimer *expirer = nullptr;

const char *const commands[] = {"wifi2ui_Hotspot(str)", "wifi2ui_Hotspot_release_ack(str)",
    "changedLanguage()", "changedStatus()", "wifi2ui_Hotspot(QString)", "WIFI2UI_HOTSPOT(STR)", ""};

// What the notices' own timers would do, only sooner.
void expireEverything()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (qobject_cast<SelectPopup *>(widget) && widget->isVisible())
            widget->hide();
        if (!qobject_cast<Toast *>(widget))
            continue;
        for (QTimer *timer :
            widget->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (timer->isSingleShot() && timer->isActive()) {
                timer->stop();
                if (!QMetaObject::invokeMethod(widget, "timeout"))
                    std::abort();
            }
        }
    }
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    // Never destroyed: the offscreen platform does not free all it made (false leaks).
    auto application = new QApplication(*argc, *argv);
    application->setQuitOnLastWindowClosed(false);
    scratch = new QTemporaryDir;
    core = new Core;
    core->setDeviceRoot(scratch->path());
    core->setStatusWidget(new Status);
    writeFile(core->devicePath(QStringLiteral("/configs/wireless/hostapd.conf")),
        "[TETHERING]\nhw_mode=g\nieee80211n=0\nssid=Office\nwpa_passphrase=secret99\n");
    writeFile(core->envInfoFileName(), "[HOTSPOT]\nHOTSPOT=true\n");
    expirer = new QTimer;
    expirer->setInterval(0);
    QObject::connect(expirer, &QTimer::timeout, expireEverything);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QPointer<SettingsHotspot> screen = new SettingsHotspot;
    screen->loadsetting();
    screen->show();
    expirer->start();

    size_t at = 0;
    for (int count = 0; count < 8 && at + 3 <= size && screen; ++count) {
        const uint8_t selector = data[at];
        const size_t length = std::min(size - at - 3, size_t(data[at + 1]) << 8 | data[at + 2]);
        QByteArray payload(reinterpret_cast<const char *>(data + at + 3), int(length));
        at += 3 + length;

        QString command;
        if ((selector & 7) == 7) {
            const int nameLength
                = payload.isEmpty() ? 0 : std::min(int(uint8_t(payload.at(0))), payload.size() - 1);
            command = QString::fromUtf8(payload.mid(1, nameLength));
            payload = payload.mid(1 + nameLength);
        } else {
            command = QLatin1String(commands[selector & 7]);
        }
        if (command == QLatin1String("changedLanguage()"))
            core->setLanguage(selector % Core::LanguageCount);

        if (selector & 0x80)
            SettingsHotspotPrivate::devices(screen)->receiveMsg(command, payload);
        else
            screen->receiveMsg(command, payload);

        const QStringList violations = ScreenInvariants::check(screen);
        if (!violations.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(violations.join(QLatin1String("; "))));
            std::abort();
        }
    }

    expirer->stop();
    delete screen;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
