#pragma once

#include "baseappinterface.h"

#include <QStringList>

// A bare application object, as the shell sees one: its name, optionally the application that
// owns it, and the commands it was handed.
class RecordingApp : public QObject, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
public:
    RecordingApp(const QString &name, QObject *parent = nullptr)
        : QObject(parent)
        , BaseAppInterface(name, parent)
    { }
    bool start(QWidget *, void *) override { return true; }
    bool end() override { return true; }
    void receiveMsg(const QString &command, const QByteArray &) override { received << command; }
    QStringList received;
};
