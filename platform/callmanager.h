#pragma once

#include <QObject>
#include <QString>

// The shell's call manager, reduced to what applications read: the state of the current call.
class CallManager : public QObject
{
    Q_OBJECT
public:
    explicit CallManager(QObject *parent = nullptr);

    // "IDLE" while no call is in progress.
    QString callState() const { return m_callState; }
    void setCallState(const QString &state);

signals:
    void callStateChanged(const QString &state);

private:
    QString m_callState = QString::fromLatin1("IDLE");
};
