#pragma once

#include "core.h"
#include "status.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

// What a test needs of the shell: the core (theCore), the shared status bar and an empty
// device root in a temporary directory, so no test reads or writes the real /configs.
class TestShell
{
public:
    TestShell()
    {
        core.setDeviceRoot(root.path());
        core.setStatusWidget(&status);
    }

    // A settings file under the device root, created with its directories on first write.
    QString path(const QString &devicePath) const { return core.devicePath(devicePath); }

    void writeIni(const QString &file, const QString &key, const QVariant &value)
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(key, value);
    }

    QTemporaryDir root;
    Core core;
    Status status;
};
