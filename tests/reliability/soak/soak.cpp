// The random-event soak: plays the telephone's shell and its user against the real plug-in,
// loaded as the shell loads it and shown on the simulator's display (which routes the keys as
// the device's window server does). Each step draws one event from a seeded table: keys,
// messages, early timer expiries, starts, ends and hides, and changes to the stand-ins of the
// outside programs (../stand-ins/). After every event the screens and the device files are
// checked; the first violation stops the run with the seed and the event's number.

#include "../testhooks.h"
#include "appmessage.h"
#include "callmanager.h"
#include "core.h"
#include "devicedisplay.h"
#include "screeninvariants.h"
#include "selectpopup.h"
#include "status.h"
#include "tail.h"
#include "testfiles.h"
#include "toast.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPluginLoader>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <unistd.h>
#include <utility>

namespace {

// Deeper than this, events only close what is open, so the stack of modal loops stays bounded.
const int maxNesting = 8;

// Settings files as other owners left them. The screen owns only the lines of the keys in
// ownedLines (what it may write there is the save cycle's and the settings files' own tests');
// every other line must stay.
const struct
{
    const char *path;
    const char *text;
} plantedFiles[]
    = {{"/configs/envinfo.ini",
           "[DISPLAY]\nBrightness=7\n[HOTSPOT]\nHOTSPOT=false\n[NETWORK]\nName=\"Desk, "
           "phone; 3F\"\n"},
        {"/configs/wireless/hostapd.conf",
            "[RADIO]\ncountry_code=DE\n[STATION]\nssid=Caf\xc3\xa9\nwpa_passphrase=\"pa;ss, "
            "w\\\"ord\"\n"
            "[TETHERING]\ninterface=wlan1\nchannel=6\nwpa=2\nhw_mode=g\nieee80211n=1\n"
            "ssid=Desk hotspot\nwpa_passphrase=secret-99\n"},
        {"/configs/sip/line_0.conf", "[LineInfo]\nLineNumber=2001\nDisplay=Front desk\n"},
        {"/configs/settings.conf", "[Settings]\n24HourTime=true\n"},
        {"/configs/system.conf", "[Menu_Password]\nenable=false\n[Security]\nCallLock=0\n"}};
const char *const ownedLines[] = {"[HOTSPOT]HOTSPOT=", "[TETHERING]hw_mode=",
    "[TETHERING]ieee80211n=", "[TETHERING]ssid=", "[TETHERING]wpa_passphrase="};

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

// The keypad, each key with its weight; the keys below 0x100 type their character.
const struct
{
    int key;
    int weight;
} keypad[] = {{Qt::Key_F11, 5}, {Qt::Key_F12, 5}, {Qt::Key_F13, 2}, {Qt::Key_F14, 4},
    {Qt::Key_F15, 8}, {Qt::Key_F1, 3}, {Qt::Key_F2, 3}, {Qt::Key_F3, 3}, {Qt::Key_F4, 3},
    {Qt::Key_F5, 3}, {Qt::Key_F6, 1}, {Qt::Key_F10, 1}, {Qt::Key_Up, 6}, {Qt::Key_Down, 6},
    {Qt::Key_Left, 2}, {Qt::Key_Right, 2}, {Qt::Key_Enter, 9}, {Qt::Key_Escape, 2},
    {Qt::Key_Backspace, 2}, {Qt::Key_0, 2}, {Qt::Key_7, 2}, {Qt::Key_Asterisk, 1},
    {Qt::Key_NumberSign, 1}, {Qt::Key_VolumeUp, 1}};

// Qt's own warnings that always mean a fault.
const char *const seriousTexts[] = {"QProcess: Destroyed while process",
    "QObject::connect:", "QObject::disconnect:", "QWidget::repaint: Recursive repaint",
    "QPainter::begin", "has already called exec()", "QMetaObject::invokeMethod: No such method"};
QStringList seriousWarnings;

void collectLog(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    for (const char *serious : seriousTexts) {
        if (type != QtDebugMsg && type != QtInfoMsg && text.contains(QLatin1String(serious)))
            seriousWarnings << "Qt warned: " + text.left(300);
    }
}

} // namespace

class Soak : public QObject
{
public:
    Soak(qint64 events, quint64 seed)
        : m_events(events)
        , m_seed(seed)
        , m_random(seed)
    { }

    QString root() const { return m_root.path(); }

    // Plants the device files and the stand-ins under a new device root.
    bool plant()
    {
        bool ok = m_root.isValid();
        for (const auto &planted : plantedFiles) {
            ok = ok && writeFile(root() + planted.path, planted.text);
            m_planted.insert(planted.path, planted.text);
        }
        QFile::remove(m_canary);
        return ok && setProgram("hotspot.sh", 0) && setProgram("hostapd_cli", 0)
            && writeFile(sbin("stations"), stationOutput());
    }

    // Loads the application as the shell does; the events begin with the event loop.
    bool load()
    {
        m_loader.setFileName(QStringLiteral(SOAK_PLUGIN_FILE));
        m_instance = m_loader.instance();
        QTimer::singleShot(0, this, &Soak::step);
        return info();
    }

private:
    // A number from 0 to n - 1, drawn from the one seeded stream.
    int below(int n) { return n < 1 ? 0 : int(m_random() % quint64(n)); }
    bool percent(int p) { return below(100) < p; }
    template<typename T> T pick(std::initializer_list<T> items)
    {
        return items.begin()[below(int(items.size()))];
    }
    template<typename Table> int weighted(const Table &table)
    {
        std::vector<int> weights;
        for (const auto &entry : table)
            weights.push_back(entry.weight);
        return std::discrete_distribution<int>(weights.begin(), weights.end())(m_random);
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
        static const QString alphabet = QString::fromUtf8(
            "abcdefghijklmnopqrstuvwxyz0123456789 \"'$;`\\|&<>(){}*#%\xea\xb0\x80");
        QString text;
        for (int length = 1 + below(3); length > 0; --length) {
            const int idx = below(alphabet.size() + 1);
            text += idx < alphabet.size() ? QString(alphabet.at(idx))
                                          : QString::fromUtf8("\xF0\x9F\x98\x80");
        }
        return text;
    }
    // Texts a result or acknowledgement might carry, among them ones a shell would run, and
    // any UTF-16 units, lone surrogates and NUL included.
    QString randomWord()
    {
        QString text;
        for (int length = percent(20) ? below(24) : 0; length > 0; --length)
            text.append(QChar(ushort(below(0x10000))));
        return !text.isEmpty()
            ? text
            : pick<QString>({"on", "on", "success", "success", "off", "fail", "ON", " on", "",
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
    // What the control tool prints for the next queries: stations, some of them with a command
    // hidden in their lines, or random bytes.
    QByteArray stationOutput()
    {
        if (percent(15))
            return bytes(below(2048));
        QByteArray output = percent(80) ? "Selected interface 'wlan1'\n" : "";
        const QByteArray canary = QFile::encodeName(m_canary);
        for (int station = below(9); station > 0; --station) {
            const QByteArray address = bytes(6).toHex(':');
            output += (percent(30) ? address.toUpper() : address) + "\nflags=[AUTH][ASSOC]\n"
                + pick<QByteArray>({"", "", " ; touch " + canary + '\n',
                    "$(touch " + canary + "):00:00:00:00:00\n"});
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
        return state == 1 || installStandIn(sbin(name), state == 0);
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
        ++m_depth;
        // With no modal loop open, whatever was retired is due for deletion (Qt re-queues the
        // deletions that inner loops could not do behind this event); what remains is kept.
        if (m_depth == 1) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            check(checkPileUp());
        }
        // The shell starts the application first of all; a key is rarely held past its long
        // press.
        const int action = m_depth > maxNesting ? Unwind
            : m_done == 1                       ? Start
            : below(10000) == 0                 ? LongHold
                                                : weighted(m_actions);
        const int delay = action == LongHold ? Tail::LongPressInterval + 20 + below(600)
            : action == Idle                 ? 1 + below(4)
                                             : 0;
        QTimer::singleShot(delay, this, &Soak::step);
        // Let go only now: the release may open a modal loop, in which the next steps run.
        if (m_releaseFirst)
            m_display.sendKey(std::exchange(m_releaseFirst, 0), QString(), false);
        m_actions[action].perform();
        check(ScreenInvariants::check(screen()) + checkDevice() + seriousWarnings);
        --m_depth;
    }

    void tap(int key, const QString &text = QString())
    {
        m_display.sendKey(key, text, true);
        m_display.sendKey(key, text, false);
    }
    void keyAction(bool press, bool release)
    {
        const int key = keypad[weighted(keypad)].key;
        const QString text = key < 0x100 ? QString(QChar(key)) : QString();
        if (press && !release && !m_held.contains(key))
            m_held.append(key);
        if (press)
            m_display.sendKey(key, text, true);
        if (release)
            m_display.sendKey(key, text, false);
    }
    // Fires one of the running guard timers, or of the notices' timers, as Qt would: stopped,
    // then its slot.
    bool fire(bool guards)
    {
        QVector<QPair<QObject *, QTimer *>> armed;
        if (guards && TestHooks::guarding(screen()))
            armed.append({screen(), TestHooks::guard(screen())});
        if (guards && TestHooks::guarding(info()))
            armed.append({info(), TestHooks::guard(info())});
        for (Toast *toast : guards ? QList<Toast *>() : screen()->findChildren<Toast *>()) {
            for (QTimer *timer :
                toast->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly))
                if (timer->isSingleShot() && timer->isActive())
                    armed.append({toast, timer});
        }
        if (armed.isEmpty())
            return false;
        const auto chosen = armed.at(below(armed.size()));
        const char *slot = guards ? "displayResult" : "timeout";
        chosen.second->stop();
        if (!QMetaObject::invokeMethod(chosen.first, slot))
            check({QStringLiteral("the slot %1 is gone").arg(slot)});
        return true;
    }
    // Starts, ends and hides of either screen: 'what' 0, 1 or 2.
    template<typename Screen> void lifecycle(Screen *screen, int what)
    {
        if (what == 0 && !screen->isVisible())
            screen->start(nullptr, nullptr);
        else if (what == 1)
            screen->end();
        else if (what == 2)
            screen->hide();
    }

    // No popup and at most a result and a progress notice of each screen outlive their modal
    // loops.
    QStringList checkPileUp()
    {
        QStringList violations;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<SelectPopup *>(widget))
                violations << QStringLiteral("a selection popup is alive");
        }
        for (QWidget *owner : {static_cast<QWidget *>(screen()), static_cast<QWidget *>(info())}) {
            if (owner->findChildren<Toast *>(QString(), Qt::FindDirectChildrenOnly).size() > 2)
                violations << QStringLiteral("%1 keeps more than two notices alive")
                                  .arg(owner->metaObject()->className());
        }
        return violations;
    }

    // The settings files keep every line the screen does not own, and no input reached a
    // command line.
    QStringList checkDevice()
    {
        QStringList violations;
        for (const auto &planted : plantedFiles) {
            const QByteArray text = bytesOf(root() + planted.path);
            if (text == m_planted.value(planted.path))
                continue;
            m_planted[planted.path] = text;
            const QSet<QByteArray> lines = sectionLines(text);
            for (const QByteArray &line : sectionLines(planted.text)) {
                const auto owns = [&line](const char *key) { return line.startsWith(key); };
                if (!lines.contains(line)
                    && std::none_of(std::begin(ownedLines), std::end(ownedLines), owns))
                    violations << QStringLiteral("%1 lost the line %2")
                                      .arg(planted.path, QString::fromUtf8(line));
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
        std::fprintf(stderr, "soak: failed at event %lld (seed %llu):\n  - %s\n", m_done,
            static_cast<unsigned long long>(m_seed), qPrintable(violations.join("\n  - ")));
        // Queries waiting for an answer would wait for ever.
        for (QProcess *process : info() ? info()->findChildren<QProcess *>() : QList<QProcess *>())
            process->kill();
        // Modal loops are still open on the stack; nothing above them may run any more.
        ::_exit(1);
    }

    // After the last event every modal loop must come to an end once the screens are ended,
    // and nothing of the application may outlive it.
    void drain()
    {
        if (m_depth > 0) {
            if (++m_drainRounds > 2000)
                check({QStringLiteral("%1 modal loops stayed open after the end").arg(m_depth)});
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
        delete m_instance.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!qobject_cast<Status *>(widget) && widget != &m_display)
                check({QStringLiteral("a %1 outlived the application")
                           .arg(widget->metaObject()->className())});
        }
        std::printf("soak: passed %lld events, seed %llu\n", m_done,
            static_cast<unsigned long long>(m_seed));
        QCoreApplication::exit(0);
    }

    const qint64 m_events;
    const quint64 m_seed;
    std::mt19937_64 m_random;
    QTemporaryDir m_root {QDir::tempPath() + "/hotspot-soak it's $(true) XXXXXX"};
    const QString m_canary = QDir::tempPath() + "/hotspot-soak-canary-" + QString::number(getpid());
    QMap<QString, QByteArray> m_planted;
    QMap<QString, qint64> m_logOffsets;
    DeviceDisplay m_display;
    QPluginLoader m_loader;
    QPointer<QObject> m_instance;
    QList<int> m_held;
    int m_releaseFirst = 0;
    qint64 m_done = 0;
    int m_depth = 0;
    int m_drainRounds = 0;
    bool m_draining = false;

    // The events, each with its weight; the last three are drawn only as the steps choose.
    struct Action
    {
        int weight;
        std::function<void()> perform;
    };
    enum { Start = 5, Idle = 15, LongHold = 16, Unwind = 17 };
    const std::vector<Action> m_actions = {{34, [this] { keyAction(true, true); }},
        {4, [this] { keyAction(true, false); }}, {2, [this] { keyAction(false, true); }},
        {4,
            [this] { // a held key let go
                if (!m_held.isEmpty())
                    m_display.sendKey(m_held.takeAt(below(m_held.size())), QString(), false);
            }},
        {8, [this] { tap(0, randomText()); }}, {3, [this] { lifecycle(screen(), 0); }},
        {2, [this] { lifecycle(screen(), 1 + below(2)); }},
        {3, [this] { lifecycle(info(), below(3)); }},
        {9,
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
                target->receiveMsg(command, randomPayload());
            }},
        {5,
            [this] { // the answer a waiting screen expects, or a failure, or garbage
                const bool saving = TestHooks::guarding(screen())
                    || (!TestHooks::guarding(info()) && percent(20));
                const QByteArray payload
                    = pick<QByteArray>({AppMessage::payload(QString(saving ? "on" : "success")),
                        AppMessage::payload(QString(saving ? "on" : "success")),
                        AppMessage::payload(QString("fail")), randomPayload()});
                // The acknowledgement reaches the devices screen directly or through the
                // settings screen.
                (saving || percent(50) ? static_cast<BaseAppInterface *>(screen()) : info())
                    ->receiveMsg(
                        saving ? "wifi2ui_Hotspot(str)" : "wifi2ui_Hotspot_release_ack(str)",
                        payload);
            }},
        {3, [this] { fire(true); }}, {5, [this] { fire(false); }},
        {5,
            [this] { // the programs come and go, fail, hang, flood and print garbage
                const char *what = pick({"hotspot.sh", "hostapd_cli", "hotspot.mode", "deny.mode",
                    "query.mode", "query.mode", "stations"});
                const int state = pick({0, 0, 0, 0, 1, 2});
                // A script that never ends would outlive the soak; a control tool is stopped.
                const QByteArray mode = what[0] == 'h' ? pick<QByteArray>({"quick", "fail", "slow"})
                    : what[0] == 'd'
                    ? pick<QByteArray>({"quick", "fail", "hang"})
                    : pick<QByteArray>({"", "", "fail", "stderr", "huge", "endless", "hang"});
                if (what[0] == 's')
                    writeFile(sbin(what), stationOutput());
                else if (QByteArray(what).endsWith(".mode"))
                    writeFile(sbin(what), mode);
                else
                    setProgram(what, state);
            }},
        {2,
            [this] { // the shell's input method, calls and menus
                const int what = below(4);
                const bool on = percent(40);
                if (what == 0)
                    theCore->setIMEStatus(IMEStatus(below(8)), on);
                else if (what == 1)
                    theCore->callManager()->setCallState(on ? "CONNECTED" : "IDLE");
                else if (what == 2)
                    theCore->m_callViewShown = on;
                else
                    theCore->setMenuVisible(on);
            }},
        {6,
            [this] { // short purposeful sequences, so that saves, answers and disconnects happen
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
        {3, [] {}}, // idle
        {0,
            [this] { // a key held past its long press, let go by the next step
                m_releaseFirst
                    = pick({Qt::Key_F11, Qt::Key_F14, Qt::Key_F15, Qt::Key_Enter, Qt::Key_Up});
                m_display.sendKey(m_releaseFirst, QString(), true);
            }},
        {0, [this] { // too deep: close what is open
             if (below(5) < 2 && fire(false))
                 return;
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
    parser.addOptions({{"events", "Number of events.", "n", "20000"},
        {"seed", "Seed of the event stream.", "n", "1"}});
    parser.process(application);
    bool ok[2] = {};
    const qint64 events = parser.value("events").toLongLong(&ok[0]);
    qInstallMessageHandler(collectLog);
    Core core;
    Status status;
    core.setStatusWidget(&status);
    Soak soak(events, parser.value("seed").toULongLong(&ok[1]));
    core.setDeviceRoot(soak.root());
    if (!ok[0] || events < 1 || !ok[1] || !soak.plant() || !soak.load()) {
        std::fprintf(stderr, "soak: bad arguments, no temporary device root or no plug-in\n");
        return 2;
    }
    const int result = application.exec();
    qInstallMessageHandler(nullptr);
    return result;
}
