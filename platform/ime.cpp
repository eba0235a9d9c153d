#include "ime.h"

IME::IME(QObject *parent)
    : QObject(parent)
{ }

void IME::setImeStatus(int status, bool announce)
{
    if (status == m_status && !announce)
        return;
    m_status = status;
    emit changedIMEStatus(status);
}
