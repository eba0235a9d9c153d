#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Writes a file byte for byte, with its folders, as another tool or a person would have left it.
inline bool writeFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(contents) == contents.size();
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Puts the stand-in of an outside program (tests/reliability/stand-ins) named as the path's file
// at the path, runnable or not.
inline bool installStandIn(const QString &path, bool executable = true)
{
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).path());
    return QFile::copy(QLatin1String(STAND_INS "/") + QFileInfo(path).fileName(), path)
        && QFile::setPermissions(path,
            QFile::ReadOwner | QFile::WriteOwner
                | (executable ? QFile::ExeOwner : QFile::Permissions()));
}
