#pragma once

#include "scriptparser.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class ScriptHost;

// Plays a script from the event loop, one command per turn, so that it keeps running while
// the application sits in a modal loop of its own. Between commands it pauses briefly, giving
// deferred work (queued messages, single-shot timers) a chance to finish as it would between
// a person's key presses.
class ScriptRunner : public QObject
{
    Q_OBJECT
public:
    // How long a "key" command keeps the key down, and how often an "until" looks.
    static constexpr int KeyTapMs = 30;
    static constexpr int UntilPollMs = 10;

    explicit ScriptRunner(ScriptHost *host, QObject *parent = nullptr);

    void setStepPause(int milliseconds) { m_stepPause = milliseconds; }
    void run(const QVector<ScriptCommand> &commands);

signals:
    // The script ran to its end, or to a "quit" command.
    void finished(bool quitRequested);
    void failed(int line, const QString &reason);

private slots:
    void step();

private:
    void continueAfter(int milliseconds);
    void typeText(const QString &text);
    void waitUntil(const ScriptCommand &command);

    ScriptHost *m_host;
    QVector<ScriptCommand> m_commands;
    int m_next = 0;
    int m_stepPause = 50;
    // A key whose release is due when the timer fires (a tap or a hold).
    const ScriptCommand *m_pendingRelease = nullptr;
    QTimer m_timer;
    // Since when the current "until" waits.
    QElapsedTimer m_waiting;
};
