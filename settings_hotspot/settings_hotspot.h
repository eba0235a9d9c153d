#pragma once

#include "baseappinterface.h"
#include "basewidget.h"

#include <QPointer>

class HotspotApply;
class ListView;
class ListViewCheckItem;
class ListViewItem;
class ListViewLineEditItem;
class ListViewSelectItem;
class SelectPopup;
class SettingsHotspotInfo;

// The application "Settings | Wi-Fi Hotspot": the screen on which the user switches the
// telephone's Wi-Fi hotspot on or off and sets its band, mode, network name and passphrase.
// Saving writes the settings files, starts the hotspot script and waits, under a guard
// timer, for the Wi-Fi service's answer. The shell loads it as a plug-in and reaches it
// through BaseAppInterface.
class SettingsHotspot : public BaseWidget, public BaseAppInterface
{
    Q_OBJECT
#if QT_VERSION >= 0x050000
    Q_PLUGIN_METADATA(IID BaseAppInterface_iid)
#endif
    Q_INTERFACES(BaseAppInterface)
public:
    explicit SettingsHotspot(QWidget *parent = nullptr);
    ~SettingsHotspot() override;

    bool start(QWidget *parent, void *data) override;
    bool end() override;
    void receiveMsg(const QString &command, const QByteArray &data) override;

    // Reads the settings files into the rows and remembers what was read.
    void loadsetting();
    void retranslateUi();

    static constexpr int GuardOnMs = 10000;
    static constexpr int GuardOffMs = 5000;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void setupStatus() override;

private slots:
    void listFocusChanged(int idx);
    void tailFuncButtonLongPressed(int idx);
    void tailFuncButtonClicked(int idx);
    void clickedListViewItem(int idx);
    void displayResult();

private:
    friend class SettingsHotspotPrivate;

    void setupTail();
    void setupListView();
    // The devices screen, built when it is first needed.
    SettingsHotspotInfo *hotspotInfo();
    void addRow(ListViewItem *row);
    void setSettingRowsEnabled(bool on);
    bool hotspotChecked() const;
    void showSelectPopup(int idx);
    void save();
    void send2WiFi();
    void showValidationFailure(const QString &message, int row);

    ListView *m_listView = nullptr;
    SettingsHotspotInfo *m_hotspotInfo = nullptr;
    QString m_frequency;
    QString m_connectionMode;
    // The save cycle: its guard timer and its notices.
    HotspotApply *m_apply = nullptr;
    bool m_hotspotEnabled = false;
    QString m_savedFrequency;
    QString m_savedConnectionMode;
    QString m_savedSsid;
    QString m_savedPassword;
    QPointer<SelectPopup> m_Dlg;
    ListViewCheckItem *m_useHotspotItem = nullptr;
    ListViewSelectItem *m_frequencyItem = nullptr;
    ListViewSelectItem *m_connectionModeItem = nullptr;
    ListViewLineEditItem *m_ssidItem = nullptr;
    ListViewLineEditItem *m_passwordItem = nullptr;
};
