#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVector>

class SoakRandom;

// The telephone as the soak sees it: a temporary device root with settings files that hold
// keys of other owners, and stand-ins for the hotspot script and hostapd's control tool that
// record every command line they are given. The soak controls how the stand-ins behave and
// when a station query ends, and checks after every event that the files still parse, that
// no key the screen does not own has changed, and that no input became part of a command.
class SoakDevice
{
public:
    enum Program { Script, Tool };
    enum ProgramState { Present, Missing, NotExecutable };

    SoakDevice();

    // False when the root could not be set up; errorString() says why.
    bool isValid() const { return m_errorString.isEmpty(); }
    QString errorString() const { return m_errorString; }

    QString root() const { return m_root.path(); }
    QString path(const QString &devicePath) const;
    // A file that only a command line spliced into a shell would create.
    QString canary() const;

    void setProgramState(Program program, ProgramState state);
    // How the script ends ("hotspot.mode": "quick", "fail" or "slow") and the disconnect
    // command ("deny.mode": "quick", "fail" or "hang").
    void setMode(const char *file, const QByteArray &mode);

    // Lets the waiting station query end: 'mode' is "stations" (prints 'output' and exits 0),
    // "fail" (prints it and exits 255), "huge" (megabytes of attributes, then 'output') or
    // "hang" (never ends). False when no query is waiting within 'waitMs'.
    bool releaseQuery(const QByteArray &mode, const QByteArray &output, int waitMs = 3000);
    static QByteArray randomStationOutput(SoakRandom &random, const QString &canary);

    // Violations found since the last call; empty when all is well.
    QStringList checkFiles() const;
    QStringList checkCommands();

    int scriptRuns() const { return m_scriptRuns; }
    int toolCalls() const { return m_toolCalls; }

private:
    using Check = bool (*)(const QString &);
    // Inode, size and modification time: what changes whenever a file is written or replaced;
    // empty when the file is gone.
    static QVector<qint64> stampOf(const QString &path);

    struct WatchedFile
    {
        QString path;
        QMap<QString, QVariant> foreign; // keys of other owners, as planted
        QMap<QString, QList<QByteArray>> foreignLines; // their lines as written, per section
        QMap<QString, Check> owned; // the keys the screen writes, each with a check of its value
        QByteArray bytes; // what a file that nothing may write keeps
        bool readOnly = false;
        mutable QVector<qint64> checked; // an unchanged file need not be read again
    };

    void plant();
    void plantFile(const QString &devicePath, const QMap<QString, QVariant> &values,
        const QMap<QString, Check> &owned = {});
    void writeProgram(const QString &name, const QByteArray &text, ProgramState state);
    QStringList newLines(const QString &file, qint64 *offset) const;

    QTemporaryDir m_root;
    QTemporaryDir m_canaryDir;
    QString m_errorString;
    QList<WatchedFile> m_files;
    qint64 m_runsOffset = 0;
    qint64 m_callsOffset = 0;
    int m_scriptRuns = 0;
    int m_toolCalls = 0;
};
