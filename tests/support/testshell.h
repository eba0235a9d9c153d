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

    // A path under the device root.
    QString path(const QString &devicePath) const { return core.devicePath(devicePath); }

    QTemporaryDir root;
    Core core;
    Status status;
};
