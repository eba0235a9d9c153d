#pragma once

#include "soakrandom.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QObject>
#include <QPluginLoader>
#include <QPointer>
#include <QStringList>

class QProcess;
class QWidget;
class SettingsHotspot;
class SettingsHotspotInfo;
class SoakDevice;

// Plays the telephone's shell and its user at random: loads the application plug-in, starts
// it and then delivers, one event at a time, key presses and releases, messages, early timer
// expiries, starts, ends and hides, and answers (or none) from the outside programs. After
// every event it checks the screens and the device, and stops at the first violation with the
// seed, the event's number and the events that led there.
class SoakDriver : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        qint64 events = 20000;
        quint64 seed = 1;
        QString plugin;
        QString trace; // every event is written here when set
        qint64 reportEvery = 0;
    };

    SoakDriver(const Options &options, SoakDevice *device, QObject *parent = nullptr);
    ~SoakDriver() override;

    void begin();
    // Every line Qt and the application log passes through here.
    void logMessage(QtMsgType type, const QString &text);

signals:
    // The run is over: 0 when every check held.
    void finished(int exitCode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The order of the names and weights in soakdriver.cpp.
    enum Action {
        KeyTap,
        KeyPress,
        KeyRelease,
        StrayRelease,
        TypeText,
        Message,
        Answer,
        FireGuard,
        FireToast,
        StartSettings,
        EndSettings,
        HideSettings,
        StartInfo,
        EndInfo,
        HideInfo,
        ProgramChange,
        ReleaseQuery,
        ShellState,
        Idle,
        Scenario,
        LongHold,
        Reload,
        Unwind
    };

    struct Query
    {
        QPointer<QProcess> process;
        QByteArray mode;
        QByteArray output;
        qint64 due = -1; // -1: never
    };

    void step();
    Action chooseAction();
    void perform(Action action);
    void check();
    void fail(const QStringList &violations);
    void drain();
    void finish();

    void sendKey(int key, const QString &text, bool press);
    void tap(int key, const QString &text = QString());
    int randomKey(QString *text);
    QWidget *keyTarget() const;
    QString targetName() const;

    void playScenario();
    void deliverMessage();
    void answer();
    bool fireGuard();
    bool fireToast();
    void changePrograms();
    void changeShellState();
    void reload();
    void serviceQueries();
    void releaseQuery(Query &query);

    SettingsHotspot *screen() const;
    SettingsHotspotInfo *info() const;
    void note(const QString &event);

    Options m_options;
    SoakDevice *m_device = nullptr;
    SoakRandom m_random;
    QPluginLoader m_loader;
    QPointer<QObject> m_instance;
    QList<QPointer<QWidget>> m_windows;
    QList<int> m_held;
    int m_releaseFirst = 0;
    QList<Query> m_queries;

    qint64 m_done = 0;
    int m_depth = 0;
    int m_maxDepth = 0;
    int m_drainRounds = 0;
    bool m_draining = false;
    bool m_failed = false;
    QMap<int, qint64> m_actionCounts;
    QMap<QString, int> m_foreignWarnings;
    QMap<QString, qint64> m_milestones;
    QStringList m_seriousWarnings;
    QStringList m_recentEvents;
    QStringList m_recentLog;
    QString m_currentEvent;
    QFile m_trace;
    QElapsedTimer m_clock;
};
