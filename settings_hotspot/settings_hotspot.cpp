#include "settings_hotspot.h"

#include "appmessage.h"
#include "core.h"
#include "status.h"
#include "tail.h"

#include <QDebug>

SettingsHotspot::SettingsHotspot(QWidget *parent)
    : BaseWidget(parent)
    , BaseAppInterface(QStringLiteral("settings_hotspot"), parent)
{
    setObjectName(QStringLiteral("settings_hotspot"));
    setupStatus();
    setupTail();
}

SettingsHotspot::~SettingsHotspot() = default;

bool SettingsHotspot::start(QWidget *, void *)
{
    exec();
    return true;
}

bool SettingsHotspot::end()
{
    return close();
}

void SettingsHotspot::showEvent(QShowEvent *)
{
    setupStatus();
    const bool hotspotOn = false;
    if (theCore) {
        theCore->sendAppMsg(QStringLiteral("idle"), QStringLiteral("updateHotspotIcon(bool)"),
                            AppMessage::payload(hotspotOn));
    }
}

void SettingsHotspot::hideEvent(QHideEvent *) { }

void SettingsHotspot::receiveMsg(const QString &command, const QByteArray &data)
{
    qWarning() << "SettingsHotspot::receiveMsg command:" << command << data;
    if (command == QLatin1String("changedLanguage()")) {
        reloadLanguage();
        retranslateUi();
    } else if (command == QLatin1String("changedStatus()")) {
        updateStatus();
    }
}

void SettingsHotspot::retranslateUi()
{
    setupStatus();
    setupTail();
}

void SettingsHotspot::setupStatus()
{
    if (m_status)
        m_status->setTitle(tr("Settings | Wi-Fi Hotspot"));
}

void SettingsHotspot::setupTail()
{
    m_tail->setFuncButtonText(0, QString());
    m_tail->setFuncButtonText(1, tr("Information"));
    m_tail->setFuncButtonText(2, QString());
    m_tail->setFuncButtonText(3, QString());
    m_tail->setFuncButtonText(4, tr("Save"));
}
