#include "basewidget.h"

#include "core.h"
#include "status.h"
#include "tail.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSettings>

namespace {

bool isSoftKey(int key)
{
    return key >= Qt::Key_F11 && key <= Qt::Key_F15;
}

} // namespace

BaseWidget::BaseWidget(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    setGeometry(0, 32, 480, 240);
    m_status = theCore ? theCore->statusWidget() : nullptr;
    m_tail = new Tail(this);
    m_tail->setParent(this);
    m_tail->setGeometry(0, 208, 480, 32);
    m_tail->show();
}

void BaseWidget::updateStatus()
{
    if (!theCore || !m_status)
        return;
    const QSettings user(theCore->configFileName(UserConfigFile), QSettings::IniFormat);
    m_status->setTime24Hour(user.value(QStringLiteral("Settings/24HourTime"), false).toBool());

    const QSettings systemConfig(theCore->configFileName(SystemConfigFile), QSettings::IniFormat);
    const bool menuPassword
        = systemConfig.value(QStringLiteral("Menu_Password/enable"), false).toBool();
    const int callLock = systemConfig.value(QStringLiteral("Security/CallLock"), 0).toInt();
    const bool locked = (theCore->getSystemType() == 1 && callLock != 0) || menuPassword;
    m_status->setUIStatusLock(locked);
}

bool BaseWidget::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        setupStatus();
    // Dialog-level handling (default buttons, Escape as reject) is deliberately bypassed.
    return QWidget::event(e);
}

void BaseWidget::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
    } else if (isSoftKey(e->key())) {
        QCoreApplication::sendEvent(m_tail, e);
        e->accept();
    }
}

void BaseWidget::keyReleaseEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        close();
    } else if (isSoftKey(e->key())) {
        QCoreApplication::sendEvent(m_tail, e);
        e->accept();
    }
}

// Closing a screen only hides it; the dialog's own close handling would reject it.
void BaseWidget::closeEvent(QCloseEvent *) { }

void BaseWidget::hideEvent(QHideEvent *) { }

void BaseWidget::setupStatus() { }
