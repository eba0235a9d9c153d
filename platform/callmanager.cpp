#include "callmanager.h"

CallManager::CallManager(QObject *parent)
    : QObject(parent)
{ }

void CallManager::setCallState(const QString &state)
{
    if (state == m_callState)
        return;
    m_callState = state;
    emit callStateChanged(state);
}
