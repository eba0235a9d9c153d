#include "scriptrunner.h"

#include "scripthost.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QDebug>
#include <QWidget>

#include <algorithm>

namespace {

// A widget of the class is on show once it is visible and none of its animations runs (a popup
// still sliding in is not).
bool shownAtRest(const QString &className)
{
    const QWidgetList widgets = QApplication::allWidgets();
    return std::any_of(widgets.cbegin(), widgets.cend(), [&](const QWidget *widget) {
        const auto animations = widget->findChildren<QAbstractAnimation *>();
        return widget->isVisible() && QLatin1String(widget->metaObject()->className()) == className
            && std::none_of(animations.cbegin(), animations.cend(),
                [](QAbstractAnimation *a) { return a->state() == QAbstractAnimation::Running; });
    });
}

bool noneVisible(const QString &className)
{
    const QWidgetList widgets = QApplication::allWidgets();
    return std::none_of(widgets.cbegin(), widgets.cend(), [&](const QWidget *widget) {
        return widget->isVisible() && QLatin1String(widget->metaObject()->className()) == className;
    });
}

} // namespace

ScriptRunner::ScriptRunner(ScriptHost *host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire early, and a hold a little shorter than the long-press time of
    // the function-key bar would not be a long press.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ScriptRunner::step);
}

void ScriptRunner::run(const QVector<ScriptCommand> &commands)
{
    m_commands = commands;
    m_next = 0;
    m_pendingRelease = nullptr;
    m_waiting.invalidate();
    continueAfter(0);
}

void ScriptRunner::continueAfter(int milliseconds)
{
    m_timer.start(milliseconds);
}

// The next step is scheduled before this one acts: a key or a message may open a modal loop
// (a popup, a notice) that returns only when later steps close it.
void ScriptRunner::step()
{
    if (m_pendingRelease) {
        const ScriptCommand *release = m_pendingRelease;
        m_pendingRelease = nullptr;
        continueAfter(m_stepPause);
        m_host->sendKey(release->key, release->keyText, false);
        return;
    }
    if (m_next >= m_commands.size()) {
        emit finished(false);
        return;
    }

    const ScriptCommand &command = m_commands.at(m_next++);
    if (command.kind == ScriptCommand::Until) {
        waitUntil(command);
        return;
    }
    qDebug() << "ScriptRunner::step line:" << command.line;
    switch (command.kind) {
    case ScriptCommand::Key:
    case ScriptCommand::Hold:
        m_pendingRelease = &command;
        continueAfter(command.kind == ScriptCommand::Key ? KeyTapMs : command.milliseconds);
        break;
    case ScriptCommand::Wait:
        continueAfter(command.milliseconds);
        break;
    case ScriptCommand::Quit:
        emit finished(true);
        return;
    default:
        continueAfter(m_stepPause);
        break;
    }

    QString error;
    bool ok = true;
    switch (command.kind) {
    case ScriptCommand::Key:
    case ScriptCommand::Hold:
    case ScriptCommand::Press:
        m_host->sendKey(command.key, command.keyText, true);
        break;
    case ScriptCommand::Release:
        m_host->sendKey(command.key, command.keyText, false);
        break;
    case ScriptCommand::Type:
        typeText(command.text);
        break;
    case ScriptCommand::Message:
        m_host->sendMessage(command.application, command.command, command.payload);
        break;
    case ScriptCommand::Screenshot:
    case ScriptCommand::WindowScreenshot:
        ok = m_host->saveScreenshot(
            command.text, command.kind == ScriptCommand::WindowScreenshot, &error);
        break;
    case ScriptCommand::Language:
        m_host->setLanguage(command.language);
        break;
    case ScriptCommand::Start:
        ok = m_host->startApplication(&error);
        break;
    case ScriptCommand::End:
        m_host->endApplication();
        break;
    case ScriptCommand::WifiService:
        ok = m_host->requestWifiService(command.request, &error);
        break;
    case ScriptCommand::Wait:
    case ScriptCommand::Until:
    case ScriptCommand::Quit:
        break;
    }
    if (!ok) {
        m_timer.stop();
        m_pendingRelease = nullptr;
        emit failed(command.line, error);
    }
}

// Each character is a key of its own, as an input method commits it.
void ScriptRunner::typeText(const QString &text)
{
    for (const QChar c : text) {
        const int key = c.unicode() < 0x80 ? c.toUpper().unicode() : 0;
        m_host->sendKey(key, QString(c), true);
        m_host->sendKey(key, QString(c), false);
    }
}

// Looks again every few milliseconds until the condition holds; a condition that does not hold
// in time fails the script.
void ScriptRunner::waitUntil(const ScriptCommand &command)
{
    if (!m_waiting.isValid())
        m_waiting.start();
    if (command.shown ? shownAtRest(command.text) : noneVisible(command.text)) {
        m_waiting.invalidate();
        continueAfter(m_stepPause);
    } else if (m_waiting.hasExpired(command.milliseconds)) {
        m_waiting.invalidate();
        emit failed(command.line,
            (command.shown ? QStringLiteral("no %1 shown after %2 ms")
                           : QStringLiteral("a %1 still visible after %2 ms"))
                .arg(command.text)
                .arg(command.milliseconds));
    } else {
        --m_next;
        continueAfter(UntilPollMs);
    }
}
