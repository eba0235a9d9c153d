#include "messagerouter.h"

#include "appmessage.h"
#include "baseappinterface.h"
#include "status.h"

#include <QDebug>

namespace {

const QLatin1String idleApplication("idle");

bool isHotspotApplication(const QString &application)
{
    return application == QLatin1String("settings_hotspot")
        || application == QLatin1String("settings_hotspotinfo");
}

} // namespace

MessageRouter::MessageRouter(Status *status, QObject *parent)
    : QObject(parent)
    , m_status(status)
{ }

bool MessageRouter::hasRoute(const QString &application)
{
    return application == idleApplication || isHotspotApplication(application);
}

void MessageRouter::route(
    const QString &application, const QString &command, const QByteArray &payload)
{
    qDebug() << "MessageRouter::route application:" << application << "command:" << command
             << "payload:" << payload.toHex(' ');

    if (application == idleApplication) {
        if (command == QLatin1String("updateHotspotIcon(bool)")) {
            if (m_status)
                m_status->setUIStatusWifiHotspot(AppMessage::firstArgument<bool>(payload));
        } else {
            qDebug() << "MessageRouter::route the idle screen ignores" << command;
        }
        return;
    }
    if (isHotspotApplication(application)) {
        BaseAppInterface *target = receiver(application);
        if (!target) {
            qWarning() << "MessageRouter::route no application loaded, dropped" << command;
            return;
        }
        target->receiveMsg(command, payload);
        return;
    }
    qWarning() << "MessageRouter::route no application" << application << "dropped" << command;
}

BaseAppInterface *MessageRouter::receiver(const QString &application) const
{
    auto main = qobject_cast<BaseAppInterface *>(m_application.data());
    if (!main || main->appName() == application)
        return main;
    const QList<QObject *> children = m_application->findChildren<QObject *>();
    for (QObject *child : children) {
        auto inner = qobject_cast<BaseAppInterface *>(child);
        if (inner && inner->appName() == application)
            return inner;
    }
    return main;
}
