#include "soundmanager.h"

SoundManager::SoundManager(QObject *parent)
    : QObject(parent)
{ }

void SoundManager::setEnableKeytone(bool enable)
{
    if (enable == m_keytoneEnabled)
        return;
    m_keytoneEnabled = enable;
    emit keytoneEnabledChanged(enable);
}
