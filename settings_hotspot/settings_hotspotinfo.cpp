#include "settings_hotspotinfo.h"

#include "appmessage.h"
#include "core.h"
#include "listview.h"
#include "listviewitem.h"
#include "retire.h"
#include "stationlist.h"
#include "status.h"
#include "tail.h"
#include "toast.h"

#include <QDebug>
#include <QTextStream>
#include <QTimer>

namespace {

const char hostapdCli[] = "/usr/sbin/hostapd_cli";

QString controlTool()
{
    return theCore ? theCore->devicePath(QLatin1String(hostapdCli)) : QLatin1String(hostapdCli);
}

} // namespace

SettingsHotspotInfo::SettingsHotspotInfo(QWidget *parent)
    : BaseWidget(parent)
    , BaseAppInterface(QStringLiteral("settings_hotspotinfo"), parent)
{
    setObjectName(QStringLiteral("settings_hotspotinfo"));
    setupStatus();
    setupTail();
    setupListView();
    connect(m_tail, SIGNAL(clicked(int)), this, SLOT(tailFuncButtonClicked(int)));
}

// A query or a disconnect still running must not report to a screen that is going away.
SettingsHotspotInfo::~SettingsHotspotInfo()
{
    stopQuery();
    stopDeny();
    delete m_timer;
}

bool SettingsHotspotInfo::start(QWidget *, void *)
{
    exec();
    return true;
}

bool SettingsHotspotInfo::end()
{
    dismissPending();
    return close();
}

void SettingsHotspotInfo::dismissPending()
{
    ::dismissPending(m_timer, m_toastWait, m_toast);
}

void SettingsHotspotInfo::showEvent(QShowEvent *)
{
    searchDevice();
    setupStatus();
}

void SettingsHotspotInfo::hideEvent(QHideEvent *)
{
    dismissPending();
}

void SettingsHotspotInfo::setupStatus()
{
    if (m_status)
        m_status->setTitle(tr("Settings | Wi-Fi Hotspot"));
}

void SettingsHotspotInfo::setupTail()
{
    m_tail->setFuncButtonText(0, tr("Refresh"));
    m_tail->setFuncButtonText(1, QString());
    m_tail->setFuncButtonText(2, QString());
    m_tail->setFuncButtonText(3, QString());
    m_tail->setFuncButtonText(4, tr("Disconnect"));
    m_tail->setEraseStr(tr("Erase"));
    m_tail->setUseEraseStr(true);
}

void SettingsHotspotInfo::retranslateUi()
{
    setupStatus();
    setupTail();
}

void SettingsHotspotInfo::setupListView()
{
    m_listView = new ListView(this);
    m_listView->setBackgroundPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    m_listView->setLineColor(QColor(195, 195, 195, 255));
    m_listView->setGeometry(0, 0, 480, 208);
    m_listView->show();
    connect(m_listView, SIGNAL(clicked(int)), this, SLOT(clickedListViewItem(int)));
    connect(m_listView, SIGNAL(focusChanged(int)), this, SLOT(listFocusChanged(int)));
}

void SettingsHotspotInfo::searchDevice()
{
    qWarning() << "SettingsHotspotInfo::searchDevice";
    stopQuery();
    m_output.clear();
    m_errorOutput = false;
    m_process = new QProcess(this);
    // Connected before the start, which may report a failure at once.
    connect(m_process, SIGNAL(readyReadStandardOutput()), this, SLOT(readQueryOutput()));
    connect(m_process, SIGNAL(readyReadStandardError()), this, SLOT(readQueryOutput()));
    connect(m_process, SIGNAL(finished(int, QProcess::ExitStatus)), this,
        SLOT(finishToStdout(int, QProcess::ExitStatus)));
#if QT_VERSION >= 0x050600
    connect(m_process, SIGNAL(errorOccurred(QProcess::ProcessError)), this,
        SLOT(queryError(QProcess::ProcessError)));
#else
    connect(m_process, SIGNAL(error(QProcess::ProcessError)), this,
        SLOT(queryError(QProcess::ProcessError)));
#endif
    if (!m_queryTimer) {
        m_queryTimer = new QTimer(this);
        m_queryTimer->setSingleShot(true);
        m_queryTimer->setInterval(QueryTimeoutMs);
        connect(m_queryTimer, SIGNAL(timeout()), this, SLOT(queryTimedOut()));
    }
    m_queryTimer->start();
    m_process->start(controlTool(), QStringList(QLatin1String("all_sta")), QIODevice::ReadWrite);
}

// Standard output is kept up to a bound that a handful of stations never reaches; the errors
// are only noted, so neither can grow the shell.
void SettingsHotspotInfo::readQueryOutput()
{
    takeQueryOutput();
}

bool SettingsHotspotInfo::takeQueryOutput()
{
    m_output += m_process->readAllStandardOutput();
    if (!m_process->readAllStandardError().isEmpty())
        m_errorOutput = true;
    if (m_output.size() <= MaxQueryOutput)
        return true;
    failQuery("output beyond the limit");
    return false;
}

void SettingsHotspotInfo::queryError(QProcess::ProcessError error)
{
    // A crash ends with finished(); only a tool that never ran has nothing more to say.
    if (error == QProcess::FailedToStart)
        failQuery("the tool cannot be started");
}

void SettingsHotspotInfo::queryTimedOut()
{
    if (m_process)
        failQuery("no answer in time");
}

// The query may be given up from inside its own signals, so its process is only cut off and
// stopped here; the next query or the screen's end deletes it.
void SettingsHotspotInfo::failQuery(const char *reason)
{
    qWarning() << "SettingsHotspotInfo::failQuery" << reason;
    m_queryTimer->stop();
    disconnect(m_process, nullptr, this, nullptr);
    m_process->kill();
    m_output.clear();
    m_deviceList.clear();
    m_queryFailed = true;
    updateStatus();
}

// Deleting a running process kills it and waits for it, which would report its end to us
// from inside the deletion; it is cut off first.
void SettingsHotspotInfo::stopQuery()
{
    stopProcess(m_process);
}

void SettingsHotspotInfo::stopDeny()
{
    stopProcess(m_denyProcess);
}

void SettingsHotspotInfo::stopProcess(QProcess *&process)
{
    if (!process)
        return;
    disconnect(process, nullptr, this, nullptr);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(1000);
    }
    delete process;
    process = nullptr;
}

void SettingsHotspotInfo::finishToStdout(int exitCode, QProcess::ExitStatus status)
{
    if (!m_process || sender() != m_process || !takeQueryOutput())
        return;
    if (status != QProcess::NormalExit || exitCode != 0 || (m_output.isEmpty() && m_errorOutput)) {
        qWarning() << "SettingsHotspotInfo::finishToStdout exit" << status << exitCode;
        return failQuery("the tool failed");
    }
    m_queryTimer->stop();
    m_queryFailed = false;
    m_deviceList = StationList::parse(m_output);
    m_output.clear();
    for (const QString &station : qAsConst(m_deviceList))
        qWarning() << "IIII SettingsHotspotInfo::finishToStdout" << station;
    qWarning() << "SettingsHotspotInfo::finishToStdout size" << m_deviceList.size();
    updateStatus();
}

void SettingsHotspotInfo::addRow(const QString &text)
{
    auto row = new ListViewItem(text, QPixmap(), QPixmap());
    row->setTextColor(QColor(28, 28, 28, 255));
    row->setTextSelectColor(QColor(255, 255, 255, 255));
    row->setBackGroundSelectColor(QColor(95, 113, 160, 255));
    row->setBackGroundNoFocusSelectColor(QColor(95, 113, 160, 255));
    m_listView->addItem(row);
}

void SettingsHotspotInfo::updateStatus()
{
    if (!m_listView) {
        qWarning() << "SettingsHotspotInfo::updateStatus() m_listView is null";
        return;
    }
    qWarning() << "SettingsHotspotInfo::updateStatus()";
    m_listView->itemClear();
    for (const QString &station : qAsConst(m_deviceList))
        addRow(station.contains(QLatin1Char(':')) ? station.toUpper() : station);
    if (m_deviceList.isEmpty())
        addRow(m_queryFailed ? tr("The hotspot is not answering")
                             : tr("There is no connected device"));
    listFocusChanged(0);
    m_listView->setSelectedIdx(0);
    m_listView->update();
    m_listView->show();
}

void SettingsHotspotInfo::listFocusChanged(int idx)
{
    if (!m_listView) {
        qWarning() << "SettingsHotspotInfo::listFocusChanged() m_listView is null";
        return;
    }
    ListViewItem *row = m_listView->item(idx);
    if (!row) {
        qWarning() << "SettingsHotspotInfo::listFocusChanged() invaild idx" << idx;
        return;
    }
    if (StationList::isAddress(row->text()))
        m_tail->setFuncButtonText(4, tr("Disconnect"));
    else if (m_listView->itemSize() == 1)
        m_tail->setFuncButtonText(4, tr("Cancel"));
    else
        m_tail->setFuncButtonText(4, QString());
}

void SettingsHotspotInfo::clickedListViewItem(int idx)
{
    qDebug() << "SettingsHotspotInfo::clickedListViewItem idx:" << idx;
    if (!m_listView)
        qWarning() << "SettingsHotspotInfo::clickedListViewItem m_listView is NULL";
}

void SettingsHotspotInfo::tailFuncButtonLongPressed(int) { }

void SettingsHotspotInfo::tailFuncButtonClicked(int idx)
{
    if (idx == 0) {
        searchDevice();
    } else if (idx == 4) {
        const QString key = m_tail->funcButtonText(4);
        if (key == tr("Cancel"))
            end();
        else if (key == tr("Disconnect"))
            disconnectSelected();
    }
}

void SettingsHotspotInfo::disconnectSelected()
{
    if (!m_listView)
        return;
    const int selected = m_listView->selectedIdx();
    ListViewItem *row = m_listView->item(selected);
    if (!row || !StationList::isAddress(row->text()))
        return;
    const QString address = row->text().trimmed();
    const QStringList arguments = {QStringLiteral("deny_mac"), address};
    qWarning() << "SettingsHotspotInfo::tailFuncButtonClicked"
               << (QLatin1String(hostapdCli) + QLatin1Char(' ')
                      + arguments.join(QLatin1String(" ")));

    // The tool runs without a shell and without blocking the screen; the guard bounds it.
    stopDeny();
    m_denyProcess = new QProcess(this);
    m_denyProcess->setProcessChannelMode(QProcess::ForwardedChannels);
    m_denyProcess->start(controlTool(), arguments);

    if (!m_timer) {
        m_timer = new QTimer;
        m_timer->setSingleShot(true);
        m_timer->setInterval(GuardMs);
        connect(m_timer, SIGNAL(timeout()), this, SLOT(displayResult()));
    }
    m_timer->start();

    if (!m_toastWait) {
        m_toastWait = new ToastWait(tr("Disconnecting..."), GuardMs, this);
        m_toastWait->setIgnoreKey(true);
    }
    m_toastWait->setMessage(tr("Disconnecting..."));
    m_toastWait->raise();
    m_toastWait->show();
    m_toastWait->raise();
}

void SettingsHotspotInfo::diconnectResult(QString result)
{
    if (m_timer && m_timer->isActive())
        m_timer->stop();
    if (m_toastWait && m_toastWait->isVisible())
        m_toastWait->hide();
    retire(m_toast);
    const bool released = result == QLatin1String("success");
    m_toast = new Toast(released ? tr("Disconnected") : tr("Failed"), 5000, this);
    m_toast->setIgnoreKey(true);
    QPointer<SettingsHotspotInfo> self(this);
    m_toast->exec();
    if (self)
        searchDevice();
}

void SettingsHotspotInfo::displayResult()
{
    stopDeny();
    if (m_toastWait)
        m_toastWait->hide();
    retire(m_toast);
    m_toast = new Toast(tr("Failed"), 2000, this);
    m_toast->setIgnoreKey(true);
    m_toast->raise();
    m_toast->show();
    m_toast->raise();
    searchDevice();
}

void SettingsHotspotInfo::receiveMsg(const QString &command, const QByteArray &data)
{
    qDebug() << "SettingsHotspotInfo::receiveMsg command:" << command << data;
    if (command == QLatin1String("wifi2ui_Hotspot_release_ack(str)")) {
        diconnectResult(AppMessage::firstArgument<QString>(data));
    } else if (command == QLatin1String("changedLanguage()")) {
        reloadLanguage();
        retranslateUi();
    } else if (command == QLatin1String("changedStatus()")) {
        updateStatus();
    }
}
