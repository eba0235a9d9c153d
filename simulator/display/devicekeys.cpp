#include "devicekeys.h"

#include <QKeyEvent>
#include <QTextStream>

namespace {

QVector<DeviceKey> buildTable()
{
    QVector<DeviceKey> keys;
    for (int i = 0; i < 5; ++i) {
        keys.append({QStringLiteral("F%1").arg(11 + i), Qt::Key_F11 + i, QString(), QString(),
            QStringLiteral("Shift+F%1").arg(1 + i), DeviceKey::SoftKey});
    }
    for (int i = 0; i < 10; ++i) {
        keys.append({QStringLiteral("F%1").arg(1 + i), Qt::Key_F1 + i, QString(), QString(),
            QStringLiteral("F%1").arg(1 + i), DeviceKey::RowKey});
    }
    keys.append({QStringLiteral("Up"), Qt::Key_Up, QString(), QStringLiteral("\u25b2"),
        QStringLiteral("Up"), DeviceKey::Navigation});
    keys.append({QStringLiteral("Down"), Qt::Key_Down, QString(), QStringLiteral("\u25bc"),
        QStringLiteral("Down"), DeviceKey::Navigation});
    keys.append({QStringLiteral("Left"), Qt::Key_Left, QString(), QStringLiteral("\u25c0"),
        QStringLiteral("Left"), DeviceKey::Navigation});
    keys.append({QStringLiteral("Right"), Qt::Key_Right, QString(), QStringLiteral("\u25b6"),
        QStringLiteral("Right"), DeviceKey::Navigation});
    keys.append({QStringLiteral("OK"), Qt::Key_Enter, QString(), QStringLiteral("OK"),
        QStringLiteral("Return, Enter"), DeviceKey::Navigation});
    keys.append({QStringLiteral("Back"), Qt::Key_Escape, QString(), QStringLiteral("Back"),
        QStringLiteral("Escape"), DeviceKey::Navigation});
    const char *const digits = "123456789*0#";
    for (const char *c = digits; *c; ++c) {
        const QString character = QString(QLatin1Char(*c));
        QString name = character;
        int key = Qt::Key_0 + (*c - '0');
        if (*c == '*') {
            name = QStringLiteral("Star");
            key = Qt::Key_Asterisk;
        } else if (*c == '#') {
            name = QStringLiteral("Hash");
            key = Qt::Key_NumberSign;
        }
        keys.append({name, key, character, character, character, DeviceKey::Digit});
    }
    keys.append({QStringLiteral("VolumeDown"), Qt::Key_VolumeDown, QString(),
        QStringLiteral("Vol \u2212"), QStringLiteral("-"), DeviceKey::Volume});
    keys.append({QStringLiteral("Mute"), Qt::Key_VolumeMute, QString(), QStringLiteral("Mute"),
        QStringLiteral("Ctrl+M"), DeviceKey::Volume});
    keys.append({QStringLiteral("VolumeUp"), Qt::Key_VolumeUp, QString(), QStringLiteral("Vol +"),
        QStringLiteral("+"), DeviceKey::Volume});
    return keys;
}

} // namespace

namespace DeviceKeys {

const QVector<DeviceKey> &all()
{
    static const QVector<DeviceKey> table = buildTable();
    return table;
}

const DeviceKey *byName(const QString &name)
{
    QString wanted = name;
    if (wanted.compare(QLatin1String("Enter"), Qt::CaseInsensitive) == 0)
        wanted = QStringLiteral("OK");
    else if (wanted.compare(QLatin1String("Escape"), Qt::CaseInsensitive) == 0)
        wanted = QStringLiteral("Back");
    for (const DeviceKey &key : all()) {
        if (key.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &key;
    }
    return nullptr;
}

const DeviceKey *byKey(int key)
{
    for (const DeviceKey &entry : all()) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

const DeviceKey *fromDesktopEvent(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool commandModifier
        = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key();

    if (key >= Qt::Key_F1 && key <= Qt::Key_F5 && modifiers == Qt::ShiftModifier)
        return byKey(Qt::Key_F11 + (key - Qt::Key_F1));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F10)
        return modifiers == Qt::NoModifier ? byKey(key) : nullptr;
    if (key >= Qt::Key_F11 && key <= Qt::Key_F15)
        return byKey(key);

    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return byKey(Qt::Key_Enter);
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_VolumeUp:
    case Qt::Key_VolumeDown:
    case Qt::Key_VolumeMute:
        return byKey(key);
    case Qt::Key_Plus:
        return commandModifier ? nullptr : byKey(Qt::Key_VolumeUp);
    case Qt::Key_Minus:
        return commandModifier ? nullptr : byKey(Qt::Key_VolumeDown);
    case Qt::Key_M:
        return modifiers == Qt::ControlModifier ? byKey(Qt::Key_VolumeMute) : nullptr;
    default:
        break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Asterisk
        || key == Qt::Key_NumberSign)
        return commandModifier ? nullptr : byKey(key);
    return nullptr;
}

QString shortcutTable()
{
    static const char *const groupNames[] = {"Soft keys under the display (left to right)",
        "Row keys beside the list rows (F1-F5 left, F6-F10 right)", "Navigation", "Digits",
        "Volume"};
    QString table;
    QTextStream out(&table);
    int group = -1;
    for (const DeviceKey &key : all()) {
        if (key.group != group) {
            group = key.group;
            out << "  " << groupNames[group] << ":\n";
        }
        out << "    " << qSetFieldWidth(12) << Qt::left << key.name << qSetFieldWidth(0)
            << key.shortcut << '\n';
    }
    return table;
}

} // namespace DeviceKeys
