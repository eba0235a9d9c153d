#include "soakdriver.h"

#include "appmessage.h"
#include "baseappinterface.h"
#include "callmanager.h"
#include "core.h"
#include "screeninvariants.h"
#include "selectpopup.h"
#include "settings_hotspot_p.h"
#include "settings_hotspotinfo_p.h"
#include "soakdevice.h"
#include "tail.h"
#include "toast.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// Deeper than this, events only close what is open, so the stack of modal loops stays bounded.
const int maxNesting = 8;
const int recentCount = 60;
const char settingsApplication[] = "settings_hotspot";
const char infoApplication[] = "settings_hotspotinfo";

const char *const actionNames[] = {"key tap", "key press", "key release", "stray release",
    "typed text", "message", "answer", "guard fired", "notice expired", "start", "end", "hide",
    "devices start", "devices end", "devices hide", "program change", "query released",
    "shell state", "idle", "scenario", "long hold", "reload", "unwind"};

struct KeyChoice
{
    int key;
    const char *text;
    int weight;
};

const KeyChoice keyChoices[] = {{Qt::Key_F11, "", 5}, {Qt::Key_F12, "", 5}, {Qt::Key_F13, "", 2},
    {Qt::Key_F14, "", 4}, {Qt::Key_F15, "", 8}, {Qt::Key_F1, "", 3}, {Qt::Key_F2, "", 3},
    {Qt::Key_F3, "", 3}, {Qt::Key_F4, "", 3}, {Qt::Key_F5, "", 3}, {Qt::Key_F6, "", 1},
    {Qt::Key_F7, "", 1}, {Qt::Key_F8, "", 1}, {Qt::Key_F9, "", 1}, {Qt::Key_F10, "", 1},
    {Qt::Key_Up, "", 6}, {Qt::Key_Down, "", 6}, {Qt::Key_Left, "", 2}, {Qt::Key_Right, "", 2},
    {Qt::Key_Enter, "", 9}, {Qt::Key_Escape, "", 2}, {Qt::Key_Backspace, "", 2},
    {Qt::Key_0, "0", 1}, {Qt::Key_1, "1", 1}, {Qt::Key_2, "2", 1}, {Qt::Key_3, "3", 1},
    {Qt::Key_4, "4", 1}, {Qt::Key_5, "5", 1}, {Qt::Key_6, "6", 1}, {Qt::Key_7, "7", 1},
    {Qt::Key_8, "8", 1}, {Qt::Key_9, "9", 1}, {Qt::Key_Asterisk, "*", 1},
    {Qt::Key_NumberSign, "#", 1}, {Qt::Key_VolumeDown, "", 1}, {Qt::Key_VolumeUp, "", 1},
    {Qt::Key_VolumeMute, "", 1}};

// Lines the application logs at the steps that matter, counted to show what a run reached.
const char *const milestones[][2] = {{"SettingsHotspot::send2WiFi", "saves of changed settings"},
    {"hw_mode ", "configurations written"},
    {"SettingsHotspot::send2WiFi the settings could not be written", "failed writes"},
    {"######## same data", "saves of unchanged settings"},
    {"SettingsHotspot::saveSetting", "saves ended as saved"},
    {"SettingsHotspotInfo::tailFuncButtonClicked", "disconnects"},
    {"SettingsHotspotInfo::finishToStdout size", "station queries ended"}};

// Qt's own warnings that always mean a fault, whatever the application logs besides.
const char *const seriousWarnings[] = {"QProcess: Destroyed while process",
    "QObject::connect:", "QObject::disconnect:", "QWidget::repaint: Recursive repaint",
    "QPainter::begin", "has already called exec()", "Timers cannot be stopped from another thread",
    "QMetaObject::invokeMethod: No such method",
    "Cannot create children for a parent that is in a different thread"};

QString keyName(int key)
{
    const QString name = QKeySequence(key).toString(QKeySequence::PortableText);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(key, 0, 16) : name;
}

QString randomText(SoakRandom &random)
{
    static const char punctuation[] = " \"'$;`\\|&<>(){}*#%";
    static const char plain[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
    QString text;
    for (int length = 1 + random.below(3); length > 0; --length) {
        const int kind = random.below(12);
        // A Hangul syllable, which the screen refuses in names and passphrases; rare, or few
        // saves would get past the check.
        if (kind == 0)
            text.append(QChar(ushort(0xAC00 + random.below(11172))));
        else if (kind < 3)
            text.append(QLatin1Char(punctuation[random.below(int(sizeof(punctuation)) - 1)]));
        else if (kind == 3)
            text.append(QString::fromUtf8("\xF0\x9F\x98\x80"));
        else if (kind == 4)
            text.append(QChar(ushort(0x20 + random.below(0xFFDF))));
        else
            text.append(QLatin1Char(plain[random.below(int(sizeof(plain)) - 1)]));
    }
    return text;
}

// Texts a result or acknowledgement might carry; 'canary' is a file that a text run through a
// shell would create.
QString randomWord(SoakRandom &random, const QString &canary)
{
    const int kind = random.below(12);
    if (kind < 2)
        return QStringLiteral("on");
    if (kind < 4)
        return QStringLiteral("success");
    if (kind == 4)
        return random.pick(
            QVector<QString> {"off", "fail", "ON", " on", "on\n", "Success", "invalid_passphrase"});
    if (kind == 5)
        return QString();
    if (kind == 6)
        return QString(1000 + random.below(9000), QLatin1Char('x'));
    if (kind == 7)
        return random
            .pick(QVector<QString> {"$(touch %1)", "; touch %1 #", "`touch %1`", "' ; touch %1 '"})
            .arg(canary);
    if (kind == 8)
        return QStringLiteral("aa:bb:cc:dd:ee:ff");
    // Any UTF-16 units, lone surrogates and NUL included.
    QString text;
    for (int length = random.below(24); length > 0; --length)
        text.append(QChar(ushort(random.below(0x10000))));
    return text;
}

// The commands the screens know, near misses of them and garbage.
QString randomCommand(SoakRandom &random)
{
    const int kind = random.below(10);
    if (kind == 0)
        return random.pick(QVector<QString> {"wifi2ui_hotspot(str)", "wifi2ui_Hotspot(QString)",
            "wifi2ui_Hotspot(str) ", "changedLanguage", "updateHotspotIcon(bool)", QString()});
    if (kind == 1)
        return QString::fromLatin1(random.bytes(random.below(40)));
    if (kind == 2)
        return QString(4096, QLatin1Char('c'));
    return random.pick(QVector<QString> {"wifi2ui_Hotspot(str)", "wifi2ui_Hotspot_release_ack(str)",
        "changedLanguage()", "changedStatus()"});
}

// Well formed, truncated, of the wrong type or random bytes.
QByteArray randomPayload(SoakRandom &random, const QString &canary)
{
    const int kind = random.below(10);
    if (kind == 0)
        return QByteArray("\xff\xff\xff\xff", 4); // a null string
    if (kind == 1) {
        const QByteArray whole = AppMessage::payload(randomWord(random, canary));
        return whole.left(random.below(whole.size()));
    }
    if (kind == 2)
        return random.bytes(random.below(48));
    if (kind == 3) // claims far more than it holds
        return QByteArray("\x7f\xff\xff\xf0", 4) + random.bytes(random.below(8));
    if (kind == 4)
        return QByteArray();
    if (kind == 5) // an odd byte count cannot be UTF-16
        return QByteArray("\0\0\0\3abc", 7);
    if (kind == 6)
        return AppMessage::payload(random.percent(50));
    if (kind == 7)
        return AppMessage::payload(randomWord(random, canary), randomWord(random, canary));
    return AppMessage::payload(randomWord(random, canary));
}

// Commands may hold any bytes; the log shows the unprintable ones as hex, and long ones cut.
QString printable(const QString &text)
{
    QString shown;
    for (const QChar c : text.left(48)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            shown.append(c);
        else
            shown.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    return text.size() > 48 ? shown + QStringLiteral("...(%1)").arg(text.size()) : shown;
}

QString hex(const QByteArray &data)
{
    return QString::fromLatin1(data.size() > 24
            ? data.left(24).toHex() + "...(" + QByteArray::number(data.size()) + ")"
            : data.toHex());
}

} // namespace

SoakDriver::SoakDriver(const Options &options, SoakDevice *device, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_device(device)
    , m_random(options.seed)
{ }

SoakDriver::~SoakDriver()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

SettingsHotspot *SoakDriver::screen() const
{
    return qobject_cast<SettingsHotspot *>(m_instance.data());
}

SettingsHotspotInfo *SoakDriver::info() const
{
    return screen() ? screen()->findChild<SettingsHotspotInfo *>() : nullptr;
}

void SoakDriver::begin()
{
    m_clock.start();
    if (!m_options.trace.isEmpty()) {
        m_trace.setFileName(m_options.trace);
        if (!m_trace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            std::fprintf(stderr, "soak: cannot write %s\n", qPrintable(m_options.trace));
    }
    qApp->installEventFilter(this);
    m_loader.setFileName(m_options.plugin);
    m_instance = m_loader.instance();
    if (!info()) {
        std::fprintf(stderr, "soak: cannot load the application from %s: %s\n",
            qPrintable(m_options.plugin), qPrintable(m_loader.errorString()));
        emit finished(2);
        return;
    }
    std::printf("soak: %lld events, seed %llu, device root %s\n", m_options.events,
        static_cast<unsigned long long>(m_options.seed), qPrintable(m_device->root()));
    std::fflush(stdout);
    QTimer::singleShot(0, this, &SoakDriver::step);
}

bool SoakDriver::eventFilter(QObject *watched, QEvent *event)
{
    // The shell's window stack: the window shown last is in front.
    if (event->type() == QEvent::Show && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->isWindow()) {
        m_windows.removeAll(static_cast<QWidget *>(watched));
        m_windows.removeAll(nullptr);
        m_windows.append(static_cast<QWidget *>(watched));
    }
    return false;
}

void SoakDriver::note(const QString &event)
{
    m_currentEvent = QStringLiteral("%1: %2").arg(m_done).arg(event);
    m_recentEvents.append(m_currentEvent);
    if (m_recentEvents.size() > recentCount)
        m_recentEvents.removeFirst();
    if (m_trace.isOpen())
        m_trace.write(m_currentEvent.toUtf8() + '\n');
}

void SoakDriver::logMessage(QtMsgType type, const QString &text)
{
    static const char *const levels[] = {"debug", "warning", "critical", "fatal", "info"};
    m_recentLog.append(QStringLiteral("[%1] %2").arg(QLatin1String(levels[type]), text.left(300)));
    if (m_recentLog.size() > recentCount / 2)
        m_recentLog.removeFirst();
    for (const auto &milestone : milestones) {
        if (text.startsWith(QLatin1String(milestone[0])))
            ++m_milestones[QLatin1String(milestone[1])];
    }
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    for (const char *serious : seriousWarnings) {
        if (text.contains(QLatin1String(serious)))
            m_seriousWarnings << QStringLiteral("Qt warned \"%1\" during event %2")
                                     .arg(text.left(200), m_currentEvent);
    }
    // Qt's classes begin with Q; the application's own lines do not.
    if (text.size() > 1 && text.at(0) == QLatin1Char('Q') && text.at(1).isUpper())
        ++m_foreignWarnings[text.left(90)];
}

// Each event schedules the next one before it runs, so events keep coming while it waits in a
// modal loop.
void SoakDriver::step()
{
    if (m_failed || m_draining)
        return;
    if (m_done >= m_options.events) {
        m_draining = true;
        drain();
        return;
    }
    ++m_done;
    m_maxDepth = std::max(m_maxDepth, ++m_depth);
    // Reported as the event begins: an event that waits in a modal loop ends after later ones.
    if (m_options.reportEvery > 0 && m_done % m_options.reportEvery == 0) {
        const double seconds = m_clock.elapsed() / 1000.0;
        std::printf("soak: %lld events in %.1f s (%.0f/s), deepest nesting %d\n", m_done, seconds,
            m_done / std::max(seconds, 0.001), m_maxDepth);
        std::fflush(stdout);
    }
    if (m_releaseFirst) {
        note(QStringLiteral("release held %1").arg(keyName(m_releaseFirst)));
        sendKey(m_releaseFirst, QString(), false);
        m_releaseFirst = 0;
    }
    // With no modal loop open, whatever was retired is due for deletion (Qt re-queues the
    // deletions that inner loops could not do behind this event); what remains is kept.
    if (m_depth == 1) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList pileUp = ScreenInvariants::checkPileUp(screen(), 0);
        if (!pileUp.isEmpty())
            fail(pileUp);
    }
    serviceQueries();

    // The shell starts the application first of all.
    Action action = chooseAction();
    if (m_done == 1)
        action = StartSettings;
    ++m_actionCounts[action];
    int delay = 0;
    if (action == Idle)
        delay = 1 + m_random.below(4);
    else if (action == LongHold)
        delay = Tail::LongPressInterval + 20 + m_random.below(600);
    QTimer::singleShot(delay, this, &SoakDriver::step);
    perform(action);
    check();
    --m_depth;
}

SoakDriver::Action SoakDriver::chooseAction()
{
    if (m_depth > maxNesting)
        return Unwind;
    if (m_random.below(10000) == 0)
        return LongHold;
    if (m_random.below(4000) == 0)
        return Reload;
    // Weights of KeyTap to Scenario, in that order.
    static const QVector<int> weights
        = {34, 4, 4, 2, 8, 9, 5, 3, 5, 3, 1, 1, 1, 1, 1, 2, 3, 2, 3, 6};
    return Action(m_random.weighted(weights));
}

int SoakDriver::randomKey(QString *text)
{
    static const QVector<int> weights = [] {
        QVector<int> all;
        for (const KeyChoice &choice : keyChoices)
            all << choice.weight;
        return all;
    }();
    const KeyChoice &choice = keyChoices[m_random.weighted(weights)];
    *text = QLatin1String(choice.text);
    return choice.key;
}

// The focus widget of the front window that a modal window does not block.
QWidget *SoakDriver::keyTarget() const
{
    QWidget *modal = QApplication::activeModalWidget();
    for (auto it = m_windows.crbegin(); it != m_windows.crend(); ++it) {
        QWidget *window = *it;
        if (!window || !window->isVisible()
            || (modal && modal->isVisible() && window != modal && !modal->isAncestorOf(window)))
            continue;
        QWidget *focus = window->focusWidget();
        return (focus && focus->isVisible()) ? focus : window;
    }
    return nullptr;
}

// The widget a key would go to now, for the event log.
QString SoakDriver::targetName() const
{
    QWidget *target = keyTarget();
    return target
        ? QStringLiteral(" (to %1 %2)")
              .arg(QLatin1String(target->metaObject()->className()), target->window()->objectName())
        : QStringLiteral(" (to no window)");
}

void SoakDriver::sendKey(int key, const QString &text, bool press)
{
    if (QWidget *target = keyTarget()) {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &event);
    }
}

void SoakDriver::tap(int key, const QString &text)
{
    sendKey(key, text, true);
    sendKey(key, text, false);
}

void SoakDriver::perform(Action action)
{
    QString text;
    switch (action) {
    case KeyTap:
    case KeyPress:
    case StrayRelease: {
        const int key = randomKey(&text);
        const char *const kinds[] = {"tap %1", "press %1", "", "release %1 without a press"};
        note(QString::fromLatin1(kinds[action]).arg(keyName(key))
            + (action == StrayRelease ? QString() : targetName()));
        if (action == KeyPress && !m_held.contains(key))
            m_held.append(key);
        if (action != StrayRelease)
            sendKey(key, text, true);
        if (action != KeyPress)
            sendKey(key, text, false);
        break;
    }
    case KeyRelease:
        if (m_held.isEmpty()) {
            note(QStringLiteral("release (nothing held)"));
        } else {
            const int key = m_held.takeAt(m_random.below(m_held.size()));
            note(QStringLiteral("release %1").arg(keyName(key)) + targetName());
            sendKey(key, QString(), false);
        }
        break;
    case TypeText:
        text = randomText(m_random);
        note(QStringLiteral("type %1 characters").arg(text.size()) + targetName());
        tap(0, text);
        break;
    case Message:
        deliverMessage();
        break;
    case Answer:
        answer();
        break;
    case FireGuard:
        fireGuard();
        break;
    case FireToast:
        fireToast();
        break;
    case StartSettings:
    case EndSettings:
    case HideSettings:
    case StartInfo:
    case EndInfo:
    case HideInfo: {
        const bool settings = action <= HideSettings;
        QWidget *widget = settings ? static_cast<QWidget *>(screen()) : info();
        BaseAppInterface *application
            = settings ? static_cast<BaseAppInterface *>(screen()) : info();
        const QString name = QLatin1String(actionNames[action]);
        if (action == StartSettings || action == StartInfo) {
            note(widget->isVisible() ? name + QStringLiteral(" (already shown)") : name);
            if (!widget->isVisible())
                application->start(nullptr, nullptr);
        } else {
            note(name);
            if (action == EndSettings || action == EndInfo)
                application->end();
            else
                widget->hide();
        }
        break;
    }
    case ProgramChange:
        changePrograms();
        break;
    case ReleaseQuery: {
        auto waiting = std::find_if(m_queries.begin(), m_queries.end(),
            [](const Query &query) { return query.process != nullptr; });
        if (waiting == m_queries.end()) {
            note(QStringLiteral("release query (none waiting)"));
        } else {
            note(QStringLiteral("release query early: %1").arg(QLatin1String(waiting->mode)));
            releaseQuery(*waiting);
        }
        break;
    }
    case ShellState:
        changeShellState();
        break;
    case Idle:
        note(QStringLiteral("idle"));
        break;
    case Scenario:
        playScenario();
        break;
    case LongHold: {
        static const QVector<int> holdKeys = {Qt::Key_F11, Qt::Key_F12, Qt::Key_F14, Qt::Key_F15,
            Qt::Key_Enter, Qt::Key_F1, Qt::Key_Up};
        m_releaseFirst = m_random.pick(holdKeys);
        note(QStringLiteral("hold %1").arg(keyName(m_releaseFirst)));
        sendKey(m_releaseFirst, QString(), true);
        break;
    }
    case Reload:
        reload();
        break;
    case Unwind: {
        const int way = m_random.below(5);
        if (way < 2 && fireToast())
            break;
        if (way < 4) {
            note(QStringLiteral("unwind: tap Escape"));
            tap(Qt::Key_Escape);
        } else {
            note(QStringLiteral("unwind: end"));
            info()->end();
            screen()->end();
        }
        break;
    }
    }
}

// Short purposeful sequences, so that saves, their answers and disconnects happen often
// enough; whatever is in front at the time receives them.
void SoakDriver::playScenario()
{
    switch (m_random.below(5)) {
    case 0:
        note(QStringLiteral("scenario: switch and save"));
        tap(Qt::Key_F1);
        break;
    case 1:
    case 2: {
        const int row = m_random.percent(50) ? Qt::Key_F4 : Qt::Key_F5;
        note(QStringLiteral("scenario: edit %1 and save").arg(keyName(row)));
        tap(row);
        for (int erase = m_random.below(4); erase > 0; --erase)
            tap(Qt::Key_Backspace);
        tap(0, randomText(m_random));
        break;
    }
    case 3:
        note(QStringLiteral("scenario: save"));
        break;
    default:
        note(QStringLiteral("scenario: information, disconnect"));
        tap(Qt::Key_F12);
        break;
    }
    tap(Qt::Key_F15);
}

void SoakDriver::deliverMessage()
{
    const bool toSettings = m_random.percent(70);
    const QString command = randomCommand(m_random);
    const QByteArray payload = randomPayload(m_random, m_device->canary());
    if (command == QLatin1String("changedLanguage()"))
        theCore->setLanguage(m_random.below(Core::LanguageCount));
    note(QStringLiteral("message %1 \"%2\" %3")
             .arg(QLatin1String(toSettings ? settingsApplication : infoApplication),
                 printable(command), hex(payload)));
    BaseAppInterface *target = toSettings ? static_cast<BaseAppInterface *>(screen()) : info();
    target->receiveMsg(command, payload);
}

void SoakDriver::answer()
{
    QTimer *saving = SettingsHotspotPrivate::guardTimer(screen());
    QTimer *releasing = SettingsHotspotInfoPrivate::guardTimer(info());
    const bool saveAnswer = (saving && saving->isActive())
        || (!(releasing && releasing->isActive()) && m_random.percent(20));
    const int kind = m_random.below(4);
    const QByteArray payload = kind < 2
        ? AppMessage::payload(QString::fromLatin1(saveAnswer ? "on" : "success"))
        : kind == 2 ? AppMessage::payload(QStringLiteral("fail"))
                    : randomPayload(m_random, m_device->canary());
    // The acknowledgement reaches the devices screen directly or through the settings screen.
    const bool direct = !saveAnswer && m_random.percent(50);
    const QString command = saveAnswer ? QStringLiteral("wifi2ui_Hotspot(str)")
                                       : QStringLiteral("wifi2ui_Hotspot_release_ack(str)");
    note(QStringLiteral("answer %1 %2%3")
             .arg(command, QLatin1String(payload.toHex()),
                 saveAnswer   ? QString()
                     : direct ? QStringLiteral(" directly")
                              : QStringLiteral(" forwarded")));
    BaseAppInterface *target = direct ? static_cast<BaseAppInterface *>(info()) : screen();
    target->receiveMsg(command, payload);
}

// As the timer itself would: stopped, then its slot.
bool SoakDriver::fireGuard()
{
    QList<QPair<QObject *, QTimer *>> armed;
    if (SettingsHotspotPrivate::guardTimer(screen())
        && SettingsHotspotPrivate::guardTimer(screen())->isActive())
        armed.append({screen(), SettingsHotspotPrivate::guardTimer(screen())});
    if (SettingsHotspotInfoPrivate::guardTimer(info())
        && SettingsHotspotInfoPrivate::guardTimer(info())->isActive())
        armed.append({info(), SettingsHotspotInfoPrivate::guardTimer(info())});
    if (armed.isEmpty()) {
        note(QStringLiteral("fire guard (none running)"));
        return false;
    }
    const auto chosen = armed.at(m_random.below(armed.size()));
    note(QStringLiteral("fire guard of %1").arg(chosen.first->objectName()));
    chosen.second->stop();
    QMetaObject::invokeMethod(chosen.first, "displayResult");
    return true;
}

bool SoakDriver::fireToast()
{
    QList<QPair<Toast *, QTimer *>> armed;
    for (Toast *toast : screen()->findChildren<Toast *>()) {
        for (QTimer *timer : toast->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (timer->isSingleShot() && timer->isActive())
                armed.append({toast, timer});
        }
    }
    if (armed.isEmpty()) {
        note(QStringLiteral("expire notice (none counting down)"));
        return false;
    }
    const auto chosen = armed.at(m_random.below(armed.size()));
    note(QStringLiteral("expire notice \"%1\"").arg(chosen.first->message()));
    chosen.second->stop();
    QMetaObject::invokeMethod(chosen.first, "timeout");
    return true;
}

void SoakDriver::changePrograms()
{
    static const SoakDevice::ProgramState states[]
        = {SoakDevice::Present, SoakDevice::Missing, SoakDevice::NotExecutable};
    static const char *const stateNames[] = {"present", "missing", "not executable"};
    const int what = m_random.below(4);
    if (what == 0 || what == 2) {
        const int state
            = m_random.weighted(what == 0 ? QVector<int> {70, 15, 15} : QVector<int> {80, 10, 10});
        note(QStringLiteral("%1 %2").arg(
            QLatin1String(what == 0 ? "hotspot script" : "control tool"),
            QLatin1String(stateNames[state])));
        m_device->setProgramState(what == 0 ? SoakDevice::Script : SoakDevice::Tool, states[state]);
    } else {
        const QByteArray mode
            = m_random.pick(QVector<QByteArray> {"quick", "fail", what == 1 ? "slow" : "hang"});
        note(QStringLiteral("%1 mode %2")
                 .arg(QLatin1String(what == 1 ? "hotspot script" : "disconnect command"),
                     QLatin1String(mode)));
        m_device->setMode(what == 1 ? "hotspot.mode" : "deny.mode", mode);
    }
}

void SoakDriver::changeShellState()
{
    const int what = m_random.below(4);
    if (what == 0) {
        const int status = m_random.below(8);
        note(QStringLiteral("input method state %1").arg(status));
        theCore->setIMEStatus(IMEStatus(status), m_random.percent(50));
    } else if (what == 1) {
        const QString state
            = m_random.pick(QVector<QString> {"IDLE", "IDLE", "CONNECTED", "RINGING"});
        note(QStringLiteral("call state %1").arg(state));
        theCore->callManager()->setCallState(state);
    } else {
        const bool shown = m_random.percent(what == 2 ? 30 : 50);
        note(QStringLiteral("%1 %2").arg(
            what == 2 ? "call screen" : "menu", shown ? "shown" : "hidden"));
        if (what == 2)
            theCore->m_callViewShown = shown;
        else
            theCore->setMenuVisible(shown);
    }
}

// The shell drops the application and loads it again, only when nothing of it is running.
void SoakDriver::reload()
{
    if (m_depth != 1 || screen()->isVisible()) {
        note(QStringLiteral("reload (application busy)"));
        return;
    }
    note(QStringLiteral("reload"));
    delete m_instance.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_instance = m_loader.instance();
    if (!info())
        fail({QStringLiteral("the application could not be created again: %1")
                  .arg(m_loader.errorString())});
}

// Decides how each new station query ends: now, some events later, or never.
void SoakDriver::serviceQueries()
{
    if (!info())
        return;
    for (QProcess *process : info()->findChildren<QProcess *>()) {
        if (process->arguments().value(0) != QLatin1String("all_sta")
            || process->property("soakSeen").toBool())
            continue;
        process->setProperty("soakSeen", true);
        // Stations, random bytes, the tool's error, megabytes, no end, nothing.
        const int kind = m_random.weighted({60, 15, 10, 2, 5, 8});
        const char *const modes[] = {"stations", "stations", "fail", "huge", "hang", "stations"};
        Query query {process, modes[kind], QByteArray()};
        if (kind == 0 || kind == 3)
            query.output = SoakDevice::randomStationOutput(m_random, m_device->canary());
        else if (kind == 1)
            query.output = m_random.bytes(m_random.below(4096));
        else if (kind == 2)
            query.output
                = "Failed to connect to hostapd - wpa_ctrl_open: No such file or directory\n";
        const int when = m_random.weighted({50, 35, 15});
        query.due = when == 0 ? m_done : when == 1 ? m_done + 1 + m_random.below(200) : -1;
        m_queries.append(query);
    }
    for (Query &query : m_queries) {
        if (query.process && query.due >= 0 && query.due <= m_done) {
            note(QStringLiteral("query ends: %1").arg(QLatin1String(query.mode)));
            releaseQuery(query);
        }
    }
    m_queries.erase(std::remove_if(m_queries.begin(), m_queries.end(),
                        [](const Query &query) { return !query.process; }),
        m_queries.end());
}

void SoakDriver::releaseQuery(Query &query)
{
    QPointer<QProcess> process = query.process;
    query.process = nullptr;
    if (process && process->state() == QProcess::Starting)
        process->waitForStarted(5000);
    // A tool that could not start never reaches the FIFO; the screen hears of no end.
    if (!process || process->state() != QProcess::Running)
        return;
    if (!m_device->releaseQuery(query.mode, query.output)) {
        // A tool removed between the start and the shell reading it ends by itself.
        if (process && !process->waitForFinished(1000))
            fail({QStringLiteral("a running station query never waited for its answer")});
        return;
    }
    // The end is delivered here and now rather than whenever the event loop notices it.
    if (query.mode != "hang" && process && !process->waitForFinished(20000))
        fail({QStringLiteral("a released station query did not end")});
}

void SoakDriver::check()
{
    const QStringList violations = ScreenInvariants::check(screen()) + m_device->checkFiles()
        + m_device->checkCommands() + m_seriousWarnings;
    if (!violations.isEmpty())
        fail(violations);
}

void SoakDriver::fail(const QStringList &violations)
{
    m_failed = true;
    const auto seed = static_cast<unsigned long long>(m_options.seed);
    std::fprintf(stderr, "\nSOAK FAILED at event %lld of %lld (seed %llu, %d modal loops open):\n",
        m_done, m_options.events, seed, m_depth);
    for (const QString &violation : violations)
        std::fprintf(stderr, "  - %s\n", qPrintable(violation));
    std::fprintf(stderr, "The last events:\n  %s\nThe last log lines:\n  %s\n",
        qPrintable(m_recentEvents.join(QLatin1String("\n  "))),
        qPrintable(m_recentLog.join(QLatin1String("\n  "))));
    std::fprintf(stderr,
        "Again: hotspot_soak --events %lld --seed %llu --trace events.txt\nThe device files are "
        "kept in %s\n",
        m_done, seed, qPrintable(m_device->root()));
    std::fflush(stderr);
    if (m_trace.isOpen())
        m_trace.flush();
    // Queries waiting for an answer would wait for ever.
    for (QProcess *process : info() ? info()->findChildren<QProcess *>() : QList<QProcess *>())
        process->kill();
    // Modal loops are still open on the stack; nothing above them may run any more.
    ::_exit(1);
}

// After the last event every modal loop must come to an end once the screens are ended.
void SoakDriver::drain()
{
    if (m_depth == 0) {
        finish();
        return;
    }
    if (++m_drainRounds > 2000) {
        fail({QStringLiteral("%1 modal loops stayed open after ending everything").arg(m_depth)});
        return;
    }
    for (QWidget *widget : QApplication::allWidgets()) {
        if (qobject_cast<Toast *>(widget) || qobject_cast<SelectPopup *>(widget))
            widget->hide();
    }
    if (info()) {
        info()->end();
        screen()->end();
    }
    QTimer::singleShot(5, this, &SoakDriver::drain);
}

void SoakDriver::finish()
{
    check();
    const double seconds = m_clock.elapsed() / 1000.0;
    std::printf("soak: passed %lld events in %.1f s (%.1f s per 100000), seed %llu\n", m_done,
        seconds, seconds * 100000.0 / std::max<qint64>(m_done, 1),
        static_cast<unsigned long long>(m_options.seed));
    std::printf("soak: deepest nesting %d, hotspot script runs %d, control tool calls %d\n",
        m_maxDepth, m_device->scriptRuns(), m_device->toolCalls());
    for (auto it = m_actionCounts.cbegin(); it != m_actionCounts.cend(); ++it)
        std::printf("soak:   %-16s %lld\n", actionNames[it.key()], it.value());
    for (auto it = m_milestones.cbegin(); it != m_milestones.cend(); ++it)
        std::printf("soak:   %-28s %lld\n", qPrintable(it.key()), it.value());
    for (auto it = m_foreignWarnings.cbegin(); it != m_foreignWarnings.cend(); ++it)
        std::printf("soak: Qt warned %d times: %s\n", it.value(), qPrintable(it.key()));
    std::fflush(stdout);

    // The shell unloads the application; nothing of it may stay behind.
    delete m_instance.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->inherits("Status"))
            left << QString::fromLatin1(widget->metaObject()->className());
    }
    if (!left.isEmpty())
        fail({QStringLiteral("windows outlived the application: %1")
                  .arg(left.join(QLatin1Char(' ')))});
    emit finished(0);
}
