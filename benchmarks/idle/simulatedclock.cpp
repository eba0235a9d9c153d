#include "simulatedclock.h"

#include <QApplication>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

#include <limits>

// The window system's queue is flushed by every event dispatcher of a GUI program; its header
// belongs to Qt's platform interface, which the build does not install.
class QWindowSystemInterface
{
public:
    static bool sendWindowSystemEvents(QEventLoop::ProcessEventsFlags flags);
};

void SimulatedClock::deliverPosted()
{
    QWindowSystemInterface::sendWindowSystemEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
}

bool SimulatedClock::processEvents(QEventLoop::ProcessEventsFlags flags)
{
    m_interrupted = false;
    emit awake();
    deliverPosted();
    bool fired = fireNext(m_now);
    if (!fired && (flags & QEventLoop::WaitForMoreEvents) && !m_interrupted)
        fired = fireNext(std::numeric_limits<qint64>::max());
    deliverPosted();
    return fired;
}

bool SimulatedClock::hasPendingEvents()
{
    return false;
}

void SimulatedClock::advance(qint64 ms)
{
    const qint64 until = m_now + ms;
    deliverPosted();
    while (fireNext(until))
        deliverPosted();
    m_now = until;
    deliverPosted();
}

bool SimulatedClock::fireNext(qint64 until)
{
    auto next = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->second.due <= until
            && (next == m_timers.end() || it->second.due < next->second.due))
            next = it;
    }
    if (next == m_timers.end())
        return false;
    const int id = next->first;
    Timer &timer = next->second;
    m_now = qMax(m_now, timer.due);
    timer.due = m_now + qMax(timer.interval, 1);
    QObject *object = timer.object;
    ++m_timerEvents[ownerOf(object)];
    QTimerEvent event(id);
    QCoreApplication::sendEvent(object, &event);
    return true;
}

const QLatin1String SimulatedClock::notWidget(" (no widget)");

// A timer object counts for the widget that owns it: its parent, or, for a timer kept as a
// member without a parent, the widget whose object holds it (the nearest widget below it in
// memory, within the size of a widget object).
QString SimulatedClock::ownerOf(QObject *object) const
{
    if (object->isWidgetType())
        return QString::fromLatin1(object->metaObject()->className());
    if (QObject *parent = object->parent())
        return ownerOf(parent);
    const auto address = quintptr(object);
    const QWidget *holder = nullptr;
    for (const QWidget *widget : QApplication::allWidgets()) {
        const auto start = quintptr(widget);
        if (start <= address && address - start < 1024 && (!holder || start > quintptr(holder)))
            holder = widget;
    }
    return holder ? QString::fromLatin1(holder->metaObject()->className())
                  : QString::fromLatin1(object->metaObject()->className()) + notWidget;
}

void SimulatedClock::registerTimer(
    int timerId, int interval, Qt::TimerType timerType, QObject *object)
{
    m_timers[timerId] = Timer {interval, timerType, object, m_now + interval};
}

bool SimulatedClock::unregisterTimer(int timerId)
{
    return m_timers.erase(timerId) > 0;
}

bool SimulatedClock::unregisterTimers(QObject *object)
{
    bool any = false;
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->second.object == object) {
            it = m_timers.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

QList<QAbstractEventDispatcher::TimerInfo> SimulatedClock::registeredTimers(QObject *object) const
{
    QList<TimerInfo> timers;
    for (const auto &entry : m_timers) {
        if (entry.second.object == object)
            timers.append(TimerInfo(entry.first, entry.second.interval, entry.second.type));
    }
    return timers;
}

int SimulatedClock::remainingTime(int timerId)
{
    const auto it = m_timers.find(timerId);
    return it == m_timers.end() ? -1 : int(qMax<qint64>(0, it->second.due - m_now));
}
