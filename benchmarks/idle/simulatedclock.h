#pragma once

#include <QAbstractEventDispatcher>
#include <QMap>
#include <QString>

#include <map>

// The main thread's event dispatcher on a simulated clock: timers fire when the clock reaches
// them, and a loop that waits for more events moves the clock on to the next timer at once, so
// that minutes of a program's life take no longer than the work done in them. Counts the timer
// events it delivers by the class of the widget they wake. No socket notifiers: the programs
// it runs start no processes.
class SimulatedClock : public QAbstractEventDispatcher
{
public:
    // Lets every timer due within 'ms' fire at its time, in order, with the posted events
    // delivered after each.
    void advance(qint64 ms);

    qint64 now() const { return m_now; }
    // Timer events delivered since the last reset, by the class of the widget they belong to;
    // a timer of no widget counts under its object's class with this suffix.
    static const QLatin1String notWidget;
    const QMap<QString, int> &timerEvents() const { return m_timerEvents; }
    void resetCounts() { m_timerEvents.clear(); }

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    bool hasPendingEvents() override;
    void registerSocketNotifier(QSocketNotifier *) override { }
    void unregisterSocketNotifier(QSocketNotifier *) override { }
    void registerTimer(
        int timerId, int interval, Qt::TimerType timerType, QObject *object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject *object) override;
    QList<TimerInfo> registeredTimers(QObject *object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override { }
    void interrupt() override { m_interrupted = true; }
    void flush() override { }

private:
    struct Timer
    {
        int interval;
        Qt::TimerType type;
        QObject *object;
        qint64 due;
    };

    // Fires the earliest timer due by 'until'; false when there is none.
    bool fireNext(qint64 until);
    void deliverPosted();
    QString ownerOf(QObject *object) const;

    std::map<int, Timer> m_timers;
    qint64 m_now = 0;
    bool m_interrupted = false;
    QMap<QString, int> m_timerEvents;
};
