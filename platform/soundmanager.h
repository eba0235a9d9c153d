#pragma once

#include <QObject>

// The shell's sound manager, reduced to the keypad's key tones.
class SoundManager : public QObject
{
    Q_OBJECT
public:
    explicit SoundManager(QObject *parent = nullptr);

    void setEnableKeytone(bool enable);
    bool isKeytoneEnabled() const { return m_keytoneEnabled; }

signals:
    void keytoneEnabledChanged(bool enabled);

private:
    bool m_keytoneEnabled = true;
};
