// The random-event soak: plays the telephone's shell and its user against the real plug-in.
// It loads the application as the shell does and delivers, one event at a time, key presses and
// releases, messages, early timer expiries, starts, ends and hides, and answers (or none) from
// stand-ins of the outside programs (../stand-ins/). After every event it checks the screens and
// the device files, and stops at the first violation with the seed, the event's number and the
// events and log lines that led there.

#include "../testhooks.h"
#include "appmessage.h"
#include "callmanager.h"
#include "core.h"
#include "screeninvariants.h"
#include "selectpopup.h"
#include "status.h"
#include "tail.h"
#include "toast.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPluginLoader>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <random>
#include <unistd.h>
#include <utility>

namespace {

// Deeper than this, events only close what is open, so the stack of modal loops stays bounded.
const int maxNesting = 8;
const int recentCount = 40;

// Settings files as other owners left them. The screen owns only the keys of 'owned', each
// with the values it may write; every other line must stay. Files without owned keys are
// never written.
const struct
{
    const char *path;
    const char *text;
    QVector<QPair<QString, QString>> owned;
} plantedFiles[] = {
    {"/configs/envinfo.ini",
        "[DISPLAY]\nBrightness=7\n[HOTSPOT]\nHOTSPOT=false\n[NETWORK]\nName=\"Desk, phone; 3F\"\n",
        {{"HOTSPOT/HOTSPOT", "true|false"}}},
    {"/configs/wireless/hostapd.conf",
        "[RADIO]\ncountry_code=DE\n[STATION]\nssid=Caf\xc3\xa9\nwpa_passphrase=\"pa;ss, "
        "w\\\"ord\"\n"
        "[TETHERING]\ninterface=wlan1\nchannel=6\nwpa=2\nhw_mode=g\nieee80211n=1\n"
        "ssid=Desk hotspot\nwpa_passphrase=secret-99\n",
        {{"TETHERING/hw_mode", "[abg]"}, {"TETHERING/ieee80211n", "[01]"},
            {"TETHERING/ssid", "(?s).{0,32}"}, {"TETHERING/wpa_passphrase", "(?s).{0,63}"}}},
    {"/configs/sip/line_0.conf", "[LineInfo]\nLineNumber=2001\nDisplay=Front desk\n", {}},
    {"/configs/settings.conf", "[Settings]\n24HourTime=true\n", {}},
    {"/configs/system.conf", "[Menu_Password]\nenable=false\n[Security]\nCallLock=0\n", {}}};

// The lines of a settings file, each prefixed with its section, as a script reading the file
// line by line sees them.
QSet<QByteArray> sectionLines(const QByteArray &text)
{
    QSet<QByteArray> lines;
    QByteArray section;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            section = line;
        else if (!line.isEmpty())
            lines.insert(section + line);
    }
    return lines;
}

// The keypad, each key with the text it types and its weight.
const struct
{
    int key;
    const char *text;
    int weight;
} keys[] = {{Qt::Key_F11, "", 5}, {Qt::Key_F12, "", 5}, {Qt::Key_F13, "", 2}, {Qt::Key_F14, "", 4},
    {Qt::Key_F15, "", 8}, {Qt::Key_F1, "", 3}, {Qt::Key_F2, "", 3}, {Qt::Key_F3, "", 3},
    {Qt::Key_F4, "", 3}, {Qt::Key_F5, "", 3}, {Qt::Key_F6, "", 1}, {Qt::Key_F10, "", 1},
    {Qt::Key_Up, "", 6}, {Qt::Key_Down, "", 6}, {Qt::Key_Left, "", 2}, {Qt::Key_Right, "", 2},
    {Qt::Key_Enter, "", 9}, {Qt::Key_Escape, "", 2}, {Qt::Key_Backspace, "", 2},
    {Qt::Key_0, "0", 2}, {Qt::Key_7, "7", 2}, {Qt::Key_Asterisk, "*", 1},
    {Qt::Key_NumberSign, "#", 1}, {Qt::Key_VolumeUp, "", 1}};

// Qt's own warnings that always mean a fault, whatever the application logs besides.
const char *const seriousTexts[] = {"QProcess: Destroyed while process",
    "QObject::connect:", "QObject::disconnect:", "QWidget::repaint: Recursive repaint",
    "QPainter::begin", "has already called exec()", "QMetaObject::invokeMethod: No such method"};

// The last log lines and events are kept for a failure report instead of printing a million.
QStringList recentLog;
QStringList recentEvents;
QStringList seriousWarnings;

void collectLog(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    recentLog.append(text.left(300));
    if (recentLog.size() > recentCount / 2)
        recentLog.removeFirst();
    for (const char *serious : seriousTexts) {
        if (type != QtDebugMsg && type != QtInfoMsg && text.contains(QLatin1String(serious)))
            seriousWarnings << QStringLiteral("Qt warned \"%1\" during %2")
                                   .arg(text, recentEvents.value(recentEvents.size() - 1));
    }
}

QString keyName(int key)
{
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

// Commands and payloads may hold any bytes: shown as hex, long ones cut.
QString shown(const QByteArray &data)
{
    return QString::fromLatin1(data.left(24).toHex())
        + (data.size() > 24 ? QStringLiteral("...(%1)").arg(data.size()) : QString());
}

} // namespace

class Soak : public QObject
{
public:
    Soak(qint64 events, quint64 seed, qint64 reportEvery)
        : m_events(events)
        , m_seed(seed)
        , m_reportEvery(reportEvery)
        , m_random(seed)
    { }

    QString root() const { return m_root.path(); }

    bool plant()
    {
        QFile marker(sbin("query.fifo"));
        bool ok = m_root.isValid() && QDir(root()).mkpath("usr/sbin")
            && marker.open(QIODevice::WriteOnly);
        for (const auto &planted : plantedFiles) {
            QFile file(root() + planted.path);
            ok = ok && QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly)
                && file.write(planted.text) > 0;
            m_planted.insert(file.fileName(), planted.text);
        }
        QFile::remove(m_canary);
        return ok && setProgram("hotspot.sh", 0) && setProgram("hostapd_cli", 0);
    }

    void begin(const QString &plugin)
    {
        m_clock.start();
        m_loader.setFileName(plugin);
        m_instance = m_loader.instance();
        if (!info()) {
            std::fprintf(stderr, "soak: cannot load %s: %s\n", qPrintable(plugin),
                qPrintable(m_loader.errorString()));
            QCoreApplication::exit(2);
            return;
        }
        std::printf("soak: %lld events, seed %llu, device root %s\n", m_events,
            static_cast<unsigned long long>(m_seed), qPrintable(root()));
        std::fflush(stdout);
        QTimer::singleShot(0, this, &Soak::step);
    }

protected:
    // The shell's window stack: the window shown last is in front.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_windows.removeAll(static_cast<QWidget *>(watched));
            m_windows.removeAll(nullptr);
            m_windows.append(static_cast<QWidget *>(watched));
        }
        return false;
    }

private:
    struct Action
    {
        const char *name;
        int weight;
        std::function<void()> perform;
    };
    // Station queries not yet ended, with how and when they end (-1: never).
    struct Query
    {
        QPointer<QProcess> process;
        QByteArray mode, output;
        qint64 due;
    };

    // A number from 0 to n - 1, drawn from the one seeded stream.
    int below(int n) { return n < 1 ? 0 : int(m_random() % quint64(n)); }
    bool percent(int p) { return below(100) < p; }
    template<typename T> T pick(std::initializer_list<T> items)
    {
        return items.begin()[below(int(items.size()))];
    }
    template<typename Table> int weighted(const Table &table)
    {
        int total = 0;
        for (const auto &entry : table)
            total += entry.weight;
        int draw = below(total);
        int idx = 0;
        for (; draw >= table[idx].weight; ++idx)
            draw -= table[idx].weight;
        return idx;
    }
    QByteArray bytes(int count)
    {
        QByteArray data(count, Qt::Uninitialized);
        for (char &byte : data)
            byte = char(m_random() & 0xff);
        return data;
    }
    // Letters, shell punctuation, a Hangul syllable (which names refuse) and an emoji.
    QString randomText()
    {
        static const QString alphabet
            = QString::fromUtf8("abcdefghijklmnopqrstuvwxyz0123456789 \"'$;`\\|&<>(){}*#%")
            + QChar(0xAC00);
        QString text;
        for (int length = 1 + below(3); length > 0; --length) {
            const int idx = below(alphabet.size() + 1);
            text += idx < alphabet.size() ? QString(alphabet.at(idx))
                                          : QString::fromUtf8("\xF0\x9F\x98\x80");
        }
        return text;
    }
    // Texts a result or acknowledgement might carry, among them ones a shell would run.
    QString randomWord()
    {
        if (percent(20)) {
            QString text; // any UTF-16 units, lone surrogates and NUL included
            for (int length = below(24); length > 0; --length)
                text.append(QChar(ushort(below(0x10000))));
            return text;
        }
        return pick<QString>({"on", "on", "success", "success", "off", "fail", "ON", " on", "",
                                 "invalid_passphrase", QString(5000, 'x'), "aa:bb:cc:dd:ee:ff",
                                 "$(touch %1)", "; touch %1 #", "`touch %1`"})
            .replace("%1", m_canary);
    }
    // Well formed, truncated, of the wrong type, claiming more than it holds, or random bytes.
    QByteArray randomPayload()
    {
        const QByteArray word = AppMessage::payload(randomWord());
        return pick<QByteArray>({QByteArray("\xff\xff\xff\xff", 4), word.left(below(word.size())),
            bytes(below(48)), QByteArray("\x7f\xff\xff\xf0", 4), QByteArray("\0\0\0\3abc", 7),
            AppMessage::payload(true), AppMessage::payload(randomWord(), randomWord()), word,
            word});
    }
    QByteArray stationOutput()
    {
        if (percent(15))
            return bytes(below(2048));
        QByteArray output = percent(80) ? "Selected interface 'wlan1'\n" : "";
        for (int station = below(9); station > 0; --station) {
            QByteArray address
                = QByteArray::number(qulonglong(m_random() | (1ULL << 60)), 16).right(12);
            for (int colon = 10; colon > 0; colon -= 2)
                address.insert(colon, ':');
            output += (percent(30) ? address.toUpper() : address) + "\nflags=[AUTH][ASSOC]\n"
                + pick<QByteArray>({"", "", " ; touch " + QFile::encodeName(m_canary) + '\n',
                    "$(touch " + QFile::encodeName(m_canary) + "):00:00:00:00:00\n"});
        }
        return output;
    }

    SettingsHotspot *screen() const { return qobject_cast<SettingsHotspot *>(m_instance.data()); }
    SettingsHotspotInfo *info() const
    {
        return screen() ? SettingsHotspotPrivate::devices(screen()) : nullptr;
    }
    QString sbin(const char *name) const { return root() + "/usr/sbin/" + name; }
    // 0: present, 1: missing, 2: not executable.
    bool setProgram(const char *name, int state)
    {
        QFile::remove(sbin(name));
        return state == 1
            || (QFile::copy(QStringLiteral(STAND_INS "/") + name, sbin(name))
                && QFile::setPermissions(sbin(name),
                    QFileDevice::ReadOwner | QFileDevice::WriteOwner
                        | (state == 0 ? QFileDevice::ExeOwner : QFileDevice::Permissions())));
    }
    void note(const QString &event)
    {
        recentEvents.append(QStringLiteral("event %1: %2").arg(m_done).arg(event));
        if (recentEvents.size() > recentCount)
            recentEvents.removeFirst();
    }

    // Each event schedules the next one before it runs, so events keep coming while it waits in
    // a modal loop.
    void step()
    {
        if (m_draining)
            return;
        if (m_done >= m_events) {
            m_draining = true;
            drain();
            return;
        }
        ++m_done;
        m_maxDepth = std::max(m_maxDepth, ++m_depth);
        if (m_reportEvery > 0 && m_done % m_reportEvery == 0) {
            std::printf("soak: %lld events in %.1f s, deepest nesting %d\n", m_done,
                m_clock.elapsed() / 1000.0, m_maxDepth);
            std::fflush(stdout);
        }
        if (m_releaseFirst) {
            note("release held " + keyName(m_releaseFirst));
            sendKey(std::exchange(m_releaseFirst, 0), QString(), false);
        }
        // With no modal loop open, whatever was retired is due for deletion (Qt re-queues the
        // deletions that inner loops could not do behind this event); what remains is kept.
        if (m_depth == 1) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            check(ScreenInvariants::checkPileUp(screen(), 0));
        }
        serviceQueries();

        // The shell starts the application first of all; a key is rarely held past its long
        // press.
        int action = m_depth > maxNesting ? Unwind
            : m_done == 1                 ? Start
            : below(10000) == 0           ? LongHold
                                          : weighted(m_actions);
        ++m_counts[action];
        const int delay = action == LongHold ? Tail::LongPressInterval + 20 + below(600)
            : action == Idle                 ? 1 + below(4)
                                             : 0;
        QTimer::singleShot(delay, this, &Soak::step);
        m_actions[action].perform();
        check(ScreenInvariants::check(screen()) + checkDevice() + seriousWarnings);
        --m_depth;
    }

    // The focus widget of the front window that no modal window blocks, as the shell routes.
    QWidget *keyTarget() const
    {
        QWidget *modal = QApplication::activeModalWidget();
        for (auto it = m_windows.crbegin(); it != m_windows.crend(); ++it) {
            QWidget *window = *it;
            if (window && window->isVisible()
                && !(modal && modal->isVisible() && window != modal
                    && !modal->isAncestorOf(window))) {
                QWidget *focus = window->focusWidget();
                return focus && focus->isVisible() ? focus : window;
            }
        }
        return nullptr;
    }
    void sendKey(int key, const QString &text, bool press)
    {
        if (QWidget *target = keyTarget()) {
            QKeyEvent event(
                press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(target, &event);
        }
    }
    void tap(int key, const QString &text = QString())
    {
        sendKey(key, text, true);
        sendKey(key, text, false);
    }
    void keyAction(bool press, bool release)
    {
        const auto &key = keys[weighted(keys)];
        note(QStringLiteral("%1%2 %3").arg(
            press ? "press" : "", release ? "release" : "", keyName(key.key)));
        if (press && !release && !m_held.contains(key.key))
            m_held.append(key.key);
        if (press)
            sendKey(key.key, QLatin1String(key.text), true);
        if (release)
            sendKey(key.key, QLatin1String(key.text), false);
    }
    void message(BaseAppInterface *target, const QString &command, const QByteArray &payload)
    {
        note(QStringLiteral("message to %1: %2 %3")
                 .arg(target == info() ? "devices" : "settings", shown(command.toUtf8()),
                     shown(payload)));
        target->receiveMsg(command, payload);
    }
    // Fires one of the running timers as Qt would: stopped, then its slot.
    bool fire(const QVector<QPair<QObject *, QTimer *>> &armed, const char *slot)
    {
        note(QStringLiteral("%1 (%2 running)").arg(slot).arg(armed.size()));
        if (armed.isEmpty())
            return false;
        const auto chosen = armed.at(below(armed.size()));
        chosen.second->stop();
        if (!QMetaObject::invokeMethod(chosen.first, slot))
            fail({QStringLiteral("the slot %1 is gone").arg(slot)});
        return true;
    }
    bool fireGuard()
    {
        QVector<QPair<QObject *, QTimer *>> armed;
        if (TestHooks::guarding(screen()))
            armed.append({screen(), TestHooks::guard(screen())});
        if (TestHooks::guarding(info()))
            armed.append({info(), TestHooks::guard(info())});
        return fire(armed, "displayResult");
    }
    bool fireToast()
    {
        QVector<QPair<QObject *, QTimer *>> armed;
        for (Toast *toast : screen()->findChildren<Toast *>()) {
            for (QTimer *timer :
                toast->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly))
                if (timer->isSingleShot() && timer->isActive())
                    armed.append({toast, timer});
        }
        return fire(armed, "timeout");
    }
    // Starts, ends and hides of either screen: 'what' 0, 1 or 2.
    void lifecycle(BaseAppInterface *application, QWidget *widget, int what)
    {
        note(QStringLiteral("%1 %2 (%3)")
                 .arg(QStringList {"start", "end", "hide"}.at(what), widget->objectName())
                 .arg(widget->isVisible() ? "shown" : "hidden"));
        if (what == 0 && !widget->isVisible())
            application->start(nullptr, nullptr);
        else if (what == 1)
            application->end();
        else if (what == 2)
            widget->hide();
    }

    // Decides how each new station query ends (stations, the tool's error, megabytes, no end)
    // and when: now, some events later, or never.
    void serviceQueries()
    {
        for (QProcess *process : info()->findChildren<QProcess *>()) {
            if (process->arguments().value(0) != QLatin1String("all_sta")
                || process->property("seen").toBool())
                continue;
            process->setProperty("seen", true);
            const QByteArray mode = pick<QByteArray>({"stations", "stations", "stations",
                "stations", "stations", "fail", "huge", "hang"});
            const QByteArray output = mode == "fail"
                ? "Failed to connect to hostapd - wpa_ctrl_open: No such file or directory\n"
                : stationOutput();
            const int when = below(100);
            const qint64 due = when < 50 ? m_done : when < 85 ? m_done + 1 + below(200) : -1;
            m_queries.append({process, mode, output, due});
        }
        for (int idx = 0; idx < m_queries.size(); ++idx) {
            if (m_queries[idx].process && m_queries[idx].due >= 0 && m_queries[idx].due <= m_done)
                releaseQuery(idx);
        }
        m_queries.erase(std::remove_if(m_queries.begin(), m_queries.end(),
                            [](const Query &query) { return !query.process; }),
            m_queries.end());
    }
    // Writes how the query ends into its FIFO and waits until the end reaches the screen here
    // and now, rather than whenever the event loop notices it.
    void releaseQuery(int idx)
    {
        const Query query = m_queries[idx];
        m_queries[idx].process = nullptr;
        note("query ends: " + QString::fromLatin1(query.mode));
        if (query.process->state() == QProcess::Starting)
            query.process->waitForStarted(5000);
        // A tool that could not start never reaches the FIFO.
        if (!query.process || query.process->state() != QProcess::Running)
            return;
        // Opening for writing without blocking succeeds only once the query holds it open.
        QElapsedTimer waited;
        waited.start();
        int fd = -1;
        const QByteArray fifo
            = QFile::encodeName(sbin("all_sta.") + QString::number(query.process->processId()));
        while ((fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0) {
            if ((errno != ENXIO && errno != ENOENT) || waited.hasExpired(3000)) {
                // A tool replaced between its start and its reading ends by itself.
                if (query.process && !query.process->waitForFinished(1000))
                    fail({QStringLiteral("a station query never waited for its answer")});
                return;
            }
            QThread::usleep(200);
        }
        // The whole text fits the pipe's buffer, so the write does not wait for the reader.
        const QByteArray text = query.mode + '\n' + query.output;
        const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
        ::close(fd);
        if (!written
            || (query.mode != "hang" && query.process && !query.process->waitForFinished(20000)))
            fail({QStringLiteral("a released station query did not end")});
    }

    // The settings files still parse and keep every line the screen does not own, the screen's
    // keys hold values it may write, and no input reached a command line.
    QStringList checkDevice()
    {
        QStringList violations;
        for (const auto &planted : plantedFiles) {
            QFile file(root() + planted.path);
            const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : "<gone>";
            if (text == m_planted.value(file.fileName()))
                continue;
            m_planted[file.fileName()] = text;
            const QSettings settings(file.fileName(), QSettings::IniFormat);
            if (planted.owned.isEmpty() || settings.status() != QSettings::NoError)
                violations << file.fileName() + " was written or no longer parses";
            const QSet<QByteArray> lines = sectionLines(text);
            for (const QByteArray &line : sectionLines(planted.text)) {
                const bool owned = std::any_of(planted.owned.cbegin(), planted.owned.cend(),
                    [&](const QPair<QString, QString> &key) {
                        return line.startsWith('[' + key.first.toLatin1().replace('/', "]") + '=');
                    });
                if (!owned && !lines.contains(line))
                    violations << file.fileName() + " lost the line " + QString::fromUtf8(line);
            }
            for (const auto &key : planted.owned) {
                const QString value = settings.value(key.first).toString();
                if (settings.contains(key.first)
                    && !QRegularExpression(QRegularExpression::anchoredPattern(key.second))
                            .match(value)
                            .hasMatch())
                    violations << QStringLiteral("%1 holds \"%2\"").arg(key.first, value);
            }
        }
        static const QRegularExpression allowed(
            "\\A(?:run 0|\\[all_sta\\]|\\[deny_mac\\]\\[(?:[0-9A-F]{2}:){5}[0-9A-F]{2}\\])\\z");
        for (const char *name : {"runs", "cli.calls"}) {
            QFile log(sbin(name));
            qint64 &offset = m_logOffsets[name];
            if (!log.open(QIODevice::ReadOnly) || !log.seek(offset))
                continue;
            QByteArray data = log.readAll();
            // A line still being written is left for the next look.
            data.truncate(data.lastIndexOf('\n') + 1);
            offset += data.size();
            for (const QString &line : QString::fromLocal8Bit(data).split('\n', Qt::SkipEmptyParts))
                if (!allowed.match(line).hasMatch())
                    violations << QStringLiteral("%1 recorded the command line %2").arg(name, line);
        }
        if (QFileInfo::exists(m_canary))
            violations << QStringLiteral("a text was run as a shell command (%1)").arg(m_canary);
        return violations;
    }

    void check(const QStringList &violations)
    {
        if (violations.isEmpty())
            return;
        std::fprintf(stderr,
            "\nSOAK FAILED at event %lld of %lld (seed %llu, %d modal loops open):\n  - %s\n"
            "The last events:\n  %s\nThe last log lines:\n  %s\n"
            "Again: hotspot_soak --events %lld --seed %llu\n",
            m_done, m_events, static_cast<unsigned long long>(m_seed), m_depth,
            qPrintable(violations.join("\n  - ")), qPrintable(recentEvents.join("\n  ")),
            qPrintable(recentLog.join("\n  ")), m_done, static_cast<unsigned long long>(m_seed));
        std::fflush(stderr);
        // Queries waiting for an answer would wait for ever.
        for (QProcess *process : info() ? info()->findChildren<QProcess *>() : QList<QProcess *>())
            process->kill();
        // Modal loops are still open on the stack; nothing above them may run any more.
        ::_exit(1);
    }
    void fail(const QStringList &violations) { check(violations); }

    // After the last event every modal loop must come to an end once the screens are ended,
    // and nothing of the application may outlive it.
    void drain()
    {
        if (m_depth > 0) {
            if (++m_drainRounds > 2000)
                fail({QStringLiteral("%1 modal loops stayed open after the end").arg(m_depth)});
            for (QWidget *widget : QApplication::allWidgets()) {
                if (qobject_cast<Toast *>(widget) || qobject_cast<SelectPopup *>(widget))
                    widget->hide();
            }
            info()->end();
            screen()->end();
            QTimer::singleShot(5, this, &Soak::drain);
            return;
        }
        check(ScreenInvariants::check(screen()) + checkDevice() + seriousWarnings);
        std::printf("soak: passed %lld events in %.1f s, seed %llu, deepest nesting %d\n", m_done,
            m_clock.elapsed() / 1000.0, static_cast<unsigned long long>(m_seed), m_maxDepth);
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            std::printf("soak:   %-16s %lld\n", m_actions[it.key()].name, it.value());
        delete m_instance.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList left;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!qobject_cast<Status *>(widget))
                left << QString::fromLatin1(widget->metaObject()->className());
        }
        fail(left.isEmpty() ? QStringList()
                            : QStringList("windows outlived the application: " + left.join(' ')));
        QCoreApplication::exit(0);
    }

    const qint64 m_events;
    const quint64 m_seed;
    const qint64 m_reportEvery;
    std::mt19937_64 m_random;
    QTemporaryDir m_root {QDir::tempPath() + "/hotspot-soak it's $(true) XXXXXX"};
    const QString m_canary = QDir::tempPath() + "/hotspot-soak-canary-" + QString::number(getpid());
    QMap<QString, QByteArray> m_planted;
    QMap<QString, qint64> m_logOffsets;
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
    QMap<int, qint64> m_counts;
    QElapsedTimer m_clock;

    enum { Start = 5, Idle = 16, LongHold = 17, Unwind = 18 };
    const std::vector<Action> m_actions = {{"key tap", 34, [this] { keyAction(true, true); }},
        {"key press", 4, [this] { keyAction(true, false); }},
        {"stray release", 2, [this] { keyAction(false, true); }},
        {"key release", 4,
            [this] {
                note(QStringLiteral("release one of %1 held").arg(m_held.size()));
                if (!m_held.isEmpty())
                    sendKey(m_held.takeAt(below(m_held.size())), QString(), false);
            }},
        {"typed text", 8, [this] { tap(0, randomText()); }},
        {"start", 3, [this] { lifecycle(screen(), screen(), 0); }},
        {"end or hide", 2, [this] { lifecycle(screen(), screen(), 1 + below(2)); }},
        {"devices", 3, [this] { lifecycle(info(), info(), below(3)); }},
        {"message", 9,
            [this] { // the commands the screens know, near misses of them and garbage
                BaseAppInterface *target
                    = percent(70) ? static_cast<BaseAppInterface *>(screen()) : info();
                const QString command = pick<QString>({"wifi2ui_Hotspot(str)",
                    "wifi2ui_Hotspot(str)", "wifi2ui_Hotspot_release_ack(str)",
                    "wifi2ui_Hotspot_release_ack(str)", "changedLanguage()", "changedStatus()",
                    "changedStatus()", "wifi2ui_hotspot(str)", "wifi2ui_Hotspot(str) ",
                    QString(4096, 'c'), QString::fromLatin1(bytes(40))});
                if (command == QLatin1String("changedLanguage()"))
                    theCore->setLanguage(below(Core::LanguageCount));
                message(target, command, randomPayload());
            }},
        {"answer", 5,
            [this] { // the answer a waiting screen expects, or a failure, or garbage
                const bool saving = TestHooks::guarding(screen())
                    || (!TestHooks::guarding(info()) && percent(20));
                const QByteArray payload
                    = pick<QByteArray>({AppMessage::payload(QString(saving ? "on" : "success")),
                        AppMessage::payload(QString(saving ? "on" : "success")),
                        AppMessage::payload(QString("fail")), randomPayload()});
                // The acknowledgement reaches the devices screen directly or through the
                // settings screen.
                message(saving || percent(50) ? static_cast<BaseAppInterface *>(screen()) : info(),
                    saving ? "wifi2ui_Hotspot(str)" : "wifi2ui_Hotspot_release_ack(str)", payload);
            }},
        {"guard fired", 3, [this] { fireGuard(); }}, {"notice expired", 5, [this] { fireToast(); }},
        {"program change", 2,
            [this] { // the programs come and go, fail and hang
                const char *program
                    = pick({"hotspot.sh", "hostapd_cli", "hotspot.mode", "deny.mode"});
                const int state = pick({0, 0, 0, 0, 1, 2});
                const QByteArray mode = pick<QByteArray>({"quick", "fail",
                    // A script that never ends would outlive the soak; a disconnect is stopped.
                    program[0] == 'd' ? "hang" : "slow"});
                note(QStringLiteral("%1 %2 %3").arg(program).arg(state).arg(QString(mode)));
                QFile out(sbin(program));
                if (!QByteArray(program).endsWith(".mode"))
                    setProgram(program, state);
                else if (out.open(QIODevice::WriteOnly))
                    out.write(mode);
            }},
        {"query released", 3,
            [this] {
                note(QStringLiteral("release a query of %1").arg(m_queries.size()));
                if (!m_queries.isEmpty() && m_queries.first().process)
                    releaseQuery(0);
            }},
        {"shell state", 2,
            [this] { // the shell's input method, calls and menus
                const int what = below(4);
                const bool on = percent(40);
                note(QStringLiteral("shell state %1 %2").arg(what).arg(on));
                if (what == 0)
                    theCore->setIMEStatus(IMEStatus(below(8)), on);
                else if (what == 1)
                    theCore->callManager()->setCallState(on ? "CONNECTED" : "IDLE");
                else if (what == 2)
                    theCore->m_callViewShown = on;
                else
                    theCore->setMenuVisible(on);
            }},
        {"scenario", 6,
            [this] { // short purposeful sequences, so that saves, answers and disconnects happen
                note("scenario");
                if (percent(60)) {
                    tap(pick({Qt::Key_F4, Qt::Key_F5}));
                    for (int erase = below(4); erase > 0; --erase)
                        tap(Qt::Key_Backspace);
                    tap(0, randomText());
                } else if (percent(50)) {
                    tap(pick({Qt::Key_F1, Qt::Key_F12}));
                }
                tap(Qt::Key_F15);
            }},
        {"idle", 3, [this] { note("idle"); }},
        {"long hold", 0,
            [this] {
                m_releaseFirst
                    = pick({Qt::Key_F11, Qt::Key_F14, Qt::Key_F15, Qt::Key_Enter, Qt::Key_Up});
                note("hold " + keyName(m_releaseFirst));
                sendKey(m_releaseFirst, QString(), true);
            }},
        {"unwind", 0, [this] {
             if (below(5) < 2 && fireToast())
                 return;
             note("unwind");
             if (percent(75)) {
                 tap(Qt::Key_Escape);
             } else {
                 info()->end();
                 screen()->end();
             }
         }}};
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Screens close and open again all the time; only the soak ends the run.
    application.setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({{"events", "Number of events.", "n", "20000"},
        {"seed", "Seed of the event stream.", "n", "1"},
        {"plugin", "The plug-in to load.", "file", SOAK_PLUGIN_FILE},
        {"report-every", "Print progress every <n> events.", "n", "0"}});
    parser.process(application);
    bool ok[3] = {};
    const qint64 events = parser.value("events").toLongLong(&ok[0]);
    Soak soak(events, parser.value("seed").toULongLong(&ok[1]),
        parser.value("report-every").toLongLong(&ok[2]));
    if (!ok[0] || events < 1 || !ok[1] || !ok[2] || !soak.plant()) {
        std::fprintf(stderr, "soak: bad arguments or no temporary device root\n");
        return 2;
    }
    Core core;
    core.setDeviceRoot(soak.root());
    Status status;
    core.setStatusWidget(&status);
    qInstallMessageHandler(collectLog);
    application.installEventFilter(&soak);
    QTimer::singleShot(0, &soak, [&] { soak.begin(parser.value("plugin")); });
    const int result = application.exec();
    qInstallMessageHandler(nullptr);
    return result;
}
