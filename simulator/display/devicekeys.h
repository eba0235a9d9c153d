#pragma once

#include <QString>
#include <QVector>
#include <Qt>

class QKeyEvent;

// One key of the telephone's keypad: the key event it produces on the device, its name in
// scripts, its label on the simulator's keypad and the desktop key that stands in for it.
struct DeviceKey
{
    enum Group { SoftKey, RowKey, Navigation, Digit, Volume };

    QString name;
    int key = 0;
    QString text;
    QString label;
    QString shortcut;
    Group group = Navigation;
};

// The keypad's key table and the mapping of desktop keyboard events onto it.
namespace DeviceKeys {

const QVector<DeviceKey> &all();

// Looks a key up by its script name (case-insensitive; "Enter" and "Escape" are accepted for
// OK and Back); nullptr for an unknown name.
const DeviceKey *byName(const QString &name);
const DeviceKey *byKey(int key);

// The device key a desktop key event stands for, or nullptr when it stands for none.
const DeviceKey *fromDesktopEvent(const QKeyEvent &event);

// "Name  label  shortcut" lines for --help and the documentation.
QString shortcutTable();

} // namespace DeviceKeys
