#pragma once

#include "baseappinterface.h"
#include "basewidget.h"

#include <QPointer>
#include <QProcess>
#include <QStringList>

class ListView;
class QTimer;
class Toast;
class ToastWait;

// The connected-devices screen: lists the stations associated with the hotspot, as the
// access point's control tool reports them, and disconnects one. The Wi-Fi service confirms
// a release with a message, which reaches this screen directly or through the settings
// screen that owns it.
class SettingsHotspotInfo : public BaseWidget, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
public:
    explicit SettingsHotspotInfo(QWidget *parent = nullptr);
    ~SettingsHotspotInfo() override;

    bool start(QWidget *parent, void *data) override;
    bool end() override;
    void receiveMsg(const QString &command, const QByteArray &data) override;

    // The Wi-Fi service's answer to a disconnect ("success" or anything else).
    void diconnectResult(QString result);

    void searchDevice();
    // Rebuilds the rows from the last query's stations.
    void updateStatus();
    void retranslateUi();

    static constexpr int GuardMs = 10000;
    static constexpr int QueryTimeoutMs = 5000;
    static constexpr int MaxQueryOutput = 64 * 1024;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void setupStatus() override;

private slots:
    void displayResult();
    void listFocusChanged(int idx);
    void tailFuncButtonLongPressed(int idx);
    void tailFuncButtonClicked(int idx);
    void clickedListViewItem(int idx);
    void finishToStdout(int exitCode, QProcess::ExitStatus status);
    void readQueryOutput();
    void queryError(QProcess::ProcessError error);
    void queryTimedOut();

private:
    friend class SettingsHotspotInfoPrivate;

    void setupTail();
    void setupListView();
    void disconnectSelected();
    void stopQuery();
    bool takeQueryOutput();
    void failQuery(const char *reason);
    void stopDeny();
    void dismissPending();
    void stopProcess(QProcess *&process);
    void addRow(const QString &text);

    ListView *m_listView = nullptr;
    QStringList m_deviceList;
    QPointer<Toast> m_toast;
    QTimer *m_timer = nullptr;
    QPointer<ToastWait> m_toastWait;
    QProcess *m_process = nullptr;
    // The running disconnect command; bounded by the guard.
    QProcess *m_denyProcess = nullptr;
    // Bounds a station query (null before the first).
    QTimer *m_queryTimer = nullptr;
    // The running query's standard output, and whether it wrote any error.
    QByteArray m_output;
    bool m_errorOutput = false;
    // The last query failed: the empty list is no answer, not an empty access point.
    bool m_queryFailed = false;
};
