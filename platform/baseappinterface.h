#pragma once

#include <QObject>
#include <QString>

class QWidget;

// What the shell requires of an application: it is started, ended and handed the messages
// other applications send it. The shell reaches this part of an application object through
// the interface identifier below.
class BaseAppInterface
{
public:
    BaseAppInterface(const QString &name, QObject *parent);

    virtual bool start(QWidget *parent, void *data) = 0;
    virtual bool end() = 0;
    virtual void receiveMsg(const QString &command, const QByteArray &data) = 0;

    // Installs the application's translation for the shell's current language. An application
    // without translation files of its own (a sub-screen) uses those of the application that
    // owns it.
    void reloadLanguage();

    QString appName() const { return m_name; }

protected:
    // The shell never deletes an application through this interface.
    ~BaseAppInterface() = default;

private:
    QString m_name;
    QObject *m_parent;
};

#define BaseAppInterface_iid "com.quorvelnet.Plugin.BaseAppInterface/1.0"
Q_DECLARE_INTERFACE(BaseAppInterface, BaseAppInterface_iid)
