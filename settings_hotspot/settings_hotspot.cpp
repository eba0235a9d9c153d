#include "settings_hotspot.h"

#include "appmessage.h"
#include "core.h"
#include "hotspotapply.h"
#include "hotspotconfig.h"
#include "imagebutton.h"
#include "listview.h"
#include "listviewsettingitems.h"
#include "retire.h"
#include "selectpopup.h"
#include "settings_hotspotinfo.h"
#include "status.h"
#include "tail.h"

#include <QDebug>
#include <QLineEdit>

namespace {

enum Row {
    UseHotspotRow = 0,
    FrequencyRow = 1,
    ConnectionModeRow = 2,
    SsidRow = 3,
    PasswordRow = 4
};

const QColor rowTextColour(28, 28, 28, 255);
const QColor rowSelectedTextColour(255, 255, 255, 255);
const QColor rowSelectedBackground(95, 113, 160, 255);

void setRowColours(ListViewItem *row)
{
    row->setTextColor(rowTextColour);
    row->setTextSelectColor(rowSelectedTextColour);
    row->setBackGroundSelectColor(rowSelectedBackground);
}

} // namespace

SettingsHotspot::SettingsHotspot(QWidget *parent)
    : BaseWidget(parent)
    , BaseAppInterface(QStringLiteral("settings_hotspot"), parent)
{
    setObjectName(QStringLiteral("settings_hotspot"));
    m_apply = new HotspotApply(this, nullptr);
    connect(m_apply, SIGNAL(guardTimeout()), this, SLOT(displayResult()));
    setupStatus();
    setupTail();
    setupListView();
    connect(m_tail, SIGNAL(clicked(int)), this, SLOT(tailFuncButtonClicked(int)));
    connect(m_tail, SIGNAL(longPress(int)), this, SLOT(tailFuncButtonLongPressed(int)));
}

SettingsHotspot::~SettingsHotspot() = default;

bool SettingsHotspot::start(QWidget *, void *)
{
    loadsetting();
    exec();
    return true;
}

bool SettingsHotspot::end()
{
    m_apply->dismiss();
    if (m_Dlg)
        m_Dlg->hide();
    if (m_hotspotInfo)
        m_hotspotInfo->hide();
    return close();
}

void SettingsHotspot::showEvent(QShowEvent *)
{
    setupStatus();
    HotspotApply::sendHotspotIcon();
}

void SettingsHotspot::hideEvent(QHideEvent *)
{
    // The popup is a window of its own: it would stay, modal, over whatever the shell shows
    // next.
    if (m_Dlg)
        static_cast<QWidget *>(m_Dlg.data())->hide();
    // So is the devices screen: it would outlive the application on the display.
    if (m_hotspotInfo)
        m_hotspotInfo->hide();
    // Nothing of an apply in progress outlives the screen on show.
    m_apply->dismiss();
}

void SettingsHotspot::receiveMsg(const QString &command, const QByteArray &data)
{
    qWarning() << "SettingsHotspot::receiveMsg command:" << command << data;
    if (command == QLatin1String("wifi2ui_Hotspot(str)")) {
        const QString result = AppMessage::firstArgument<QString>(data);
        qWarning() << "SettingsHotspot::receiveMsg command:" << command << "result" << result;
        m_apply->applyResult(result);
    } else if (command == QLatin1String("wifi2ui_Hotspot_release_ack(str)")) {
        hotspotInfo()->diconnectResult(AppMessage::firstArgument<QString>(data));
    } else if (command == QLatin1String("changedLanguage()")) {
        reloadLanguage();
        retranslateUi();
    } else if (command == QLatin1String("changedStatus()")) {
        updateStatus();
    }
}

void SettingsHotspot::retranslateUi()
{
    setupStatus();
    setupTail();
}

void SettingsHotspot::setupStatus()
{
    if (m_status)
        m_status->setTitle(tr("Settings | Wi-Fi Hotspot"));
}

void SettingsHotspot::setupTail()
{
    m_tail->setFuncButtonText(0, QString());
    m_tail->setFuncButtonText(1, tr("Information"));
    m_tail->setFuncButtonText(2, QString());
    m_tail->setFuncButtonText(3, QString());
    m_tail->setFuncButtonText(4, tr("Save"));
    m_tail->setEraseStr(tr("Erase"));
    m_tail->setUseEraseStr(true);
}

void SettingsHotspot::setupListView()
{
    m_listView = new ListView(this);
    m_listView->setBackgroundPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    m_listView->setLineColor(QColor(195, 195, 195, 255));
    m_listView->setGeometry(0, 0, 480, 208);
    m_listView->show();
    connect(m_listView, SIGNAL(clicked(int)), this, SLOT(clickedListViewItem(int)));

    m_useHotspotItem = new ListViewCheckItem(tr("Use Hotspot"), false);
    addRow(m_useHotspotItem);
    m_frequencyItem
        = new ListViewSelectItem(tr("Frequency"), QLatin1String(HotspotConfig::frequency24));
    addRow(m_frequencyItem);
    m_connectionModeItem = new ListViewSelectItem(tr("Connection Mode"), QStringLiteral("802.11b"));
    addRow(m_connectionModeItem);
    m_ssidItem = new ListViewLineEditItem(tr("Phone SSID"), QString());
    m_ssidItem->setEditTextLeftMargin(80);
    m_ssidItem->setMaxLength(32);
    addRow(m_ssidItem);
    m_passwordItem = new ListViewLineEditItem(tr("Password"), QString());
    m_passwordItem->setEditTextLeftMargin(80);
    m_passwordItem->setEchoPasswordMode(true);
    // A raw key of 64 hexadecimal digits is a passphrase too.
    m_passwordItem->setMaxLength(64);
    addRow(m_passwordItem);

    connect(m_listView, SIGNAL(focusChanged(int)), this, SLOT(listFocusChanged(int)));
}

// Most visits never show the devices screen, and a screen costs as much to build as this one.
SettingsHotspotInfo *SettingsHotspot::hotspotInfo()
{
    if (!m_hotspotInfo) {
        m_hotspotInfo = new SettingsHotspotInfo(this);
        m_apply->setDevices(m_hotspotInfo);
    }
    return m_hotspotInfo;
}

void SettingsHotspot::addRow(ListViewItem *row)
{
    setRowColours(row);
    m_listView->addItem(row);
}

void SettingsHotspot::loadsetting()
{
    const HotspotConfig::Stored stored = HotspotConfig::load();
    if (m_useHotspotItem)
        m_useHotspotItem->setChecked(stored.enabled);
    qWarning() << "ssid" << stored.ssid << "password" << HotspotConfig::masked(stored.passphrase)
               << "default" << stored.defaultSsid;
    HotspotConfig::choicesFor(stored.hwMode, stored.ieee80211n, &m_frequency, &m_connectionMode);

    m_hotspotEnabled = stored.enabled;
    m_savedFrequency = m_frequency;
    m_savedConnectionMode = m_connectionMode;

    if (m_frequencyItem)
        m_frequencyItem->setSelectedText(m_frequency);
    if (m_connectionModeItem)
        m_connectionModeItem->setSelectedText(m_connectionMode);
    if (m_ssidItem)
        m_ssidItem->setEditText(stored.ssid);
    if (m_passwordItem)
        m_passwordItem->setEditText(stored.passphrase);
    // What the rows show is the reference for changes: a stored text longer than its row
    // shows cut, and must still count as unchanged while the user leaves it alone.
    m_savedSsid = m_ssidItem ? m_ssidItem->editText() : stored.ssid;
    m_savedPassword = m_passwordItem ? m_passwordItem->editText() : stored.passphrase;
    setSettingRowsEnabled(stored.enabled);
    if (m_listView)
        m_listView->setSelectedIdx(UseHotspotRow);
}

// Band, mode, name and passphrase only mean something while the hotspot is on.
void SettingsHotspot::setSettingRowsEnabled(bool on)
{
    ListViewItem *const rows[]
        = {m_frequencyItem, m_connectionModeItem, m_ssidItem, m_passwordItem};
    for (ListViewItem *row : rows) {
        if (row)
            row->setItemSelectEnable(on);
    }
}

bool SettingsHotspot::hotspotChecked() const
{
    return m_useHotspotItem && m_useHotspotItem->isChecked();
}

void SettingsHotspot::listFocusChanged(int idx)
{
    if (idx > ConnectionModeRow && theCore)
        theCore->setIMEStatus(IMEStatusEnglishLower, true);
}

void SettingsHotspot::clickedListViewItem(int idx)
{
    qDebug() << "SettingsHotspot::clickedListViewItem idx:" << idx;
    if (!m_listView) {
        qWarning() << "SettingsHotspot::clickedListViewItem m_listView is NULL";
        return;
    }
    switch (idx) {
    case UseHotspotRow: {
        auto row = static_cast<ListViewCheckItem *>(m_listView->item(UseHotspotRow));
        setSettingRowsEnabled(row && row->isChecked());
        break;
    }
    case FrequencyRow:
    case ConnectionModeRow:
        showSelectPopup(idx);
        break;
    default:
        break;
    }
}

void SettingsHotspot::showSelectPopup(int idx)
{
    retire(m_Dlg);
    m_Dlg = new SelectPopup(this, 5);
    m_Dlg->prevButton()->hide();
    m_Dlg->nextButton()->hide();
    m_Dlg->listView()->itemClear();
    m_Dlg->cancelButton()->setText(tr("Cancel"));

    QStringList choices;
    if (idx == FrequencyRow)
        choices << QLatin1String(HotspotConfig::frequency24)
                << QLatin1String(HotspotConfig::frequency5);
    else if (m_frequency == QLatin1String(HotspotConfig::frequency24))
        choices << QStringLiteral("802.11b") << QStringLiteral("802.11g")
                << QStringLiteral("802.11n");
    else
        choices << QStringLiteral("802.11a");

    auto row = static_cast<ListViewSelectItem *>(m_listView->item(idx));
    const QString current = row ? row->selectedText() : QString();
    for (int i = 0; i < choices.size(); ++i) {
        auto choice = new ListViewRadioItem(choices.at(i), false);
        setRowColours(choice);
        choice->setData(reinterpret_cast<void *>(quintptr(i)));
        m_Dlg->listView()->addItem(choice);
        if (choices.at(i) == current) {
            m_Dlg->listView()->setSelectedIdx(i);
            choice->setChecked(true);
        }
    }

    QPointer<SelectPopup> popup = m_Dlg;
    const int accepted = popup->exec();
    ListViewItem *picked
        = (accepted && popup) ? popup->listView()->item(popup->selectedIdx()) : nullptr;
    if (picked && row) {
        const QString chosen = picked->text();
        row->setSelectedText(chosen);
        if (idx == FrequencyRow) {
            m_frequency = chosen;
            if (m_frequency == QLatin1String(HotspotConfig::frequency5))
                m_connectionModeItem->setSelectedText(QStringLiteral("802.11a"));
            else if (m_frequency == QLatin1String(HotspotConfig::frequency24)
                && m_connectionModeItem->selectedText() == QLatin1String("802.11a"))
                m_connectionModeItem->setSelectedText(QStringLiteral("802.11b"));
        } else {
            m_connectionMode = chosen;
        }
    }
    if (m_Dlg == popup)
        retire(m_Dlg);
    m_listView->update();
}

void SettingsHotspot::tailFuncButtonClicked(int idx)
{
    switch (idx) {
    case 1:
        hotspotInfo()->raise();
        m_hotspotInfo->show();
        m_hotspotInfo->raise();
        break;
    case 4:
        save();
        break;
    default:
        break;
    }
}

void SettingsHotspot::tailFuncButtonLongPressed(int idx)
{
    if (idx != 3)
        return;
    if (!m_listView) {
        qWarning() << "SettingsHotspot::tailFuncButtonLongPressed m_listView is NULL";
        return;
    }
    const int selected = m_listView->selectedIdx();
    if (selected == -1)
        return;
    ListViewItem *row = m_listView->item(selected);
    if (row && row->type() == ListViewItem::LineEdit) {
        static_cast<ListViewLineEditItem *>(row)->setEditText(QString());
        m_listView->lineEdit()->setText(QString());
    }
    m_listView->update();
}

// The Save key: applies the settings when anything differs from what was loaded.
void SettingsHotspot::save()
{
    const QString ssid = m_ssidItem ? m_ssidItem->editText() : QString();
    const QString password = m_passwordItem ? m_passwordItem->editText() : QString();
    if (m_hotspotEnabled != hotspotChecked() || m_savedSsid != ssid || m_savedPassword != password
        || m_savedFrequency != m_frequency || m_savedConnectionMode != m_connectionMode) {
        send2WiFi();
        return;
    }
    qWarning() << "######## same data #########";
    if (m_apply->showModal(tr("Saved"), 2000))
        end();
}

void SettingsHotspot::send2WiFi()
{
    qDebug() << "SettingsHotspot::send2WiFi";
    const bool on = hotspotChecked();
    const QString ssid = m_ssidItem ? m_ssidItem->editText() : QString();
    const QString password = m_passwordItem ? m_passwordItem->editText() : QString();
    if (on) {
        QString message;
        const HotspotApply::Field refused = HotspotApply::refusal(ssid, password, &message);
        if (refused != HotspotApply::NoField) {
            showValidationFailure(
                message, refused == HotspotApply::SsidField ? SsidRow : PasswordRow);
            return;
        }
    }

    HotspotConfig::Tethering tethering;
    tethering.hwMode = QLatin1String("b");
    tethering.ssid = ssid;
    tethering.passphrase = password;
    const QString frequency = m_frequencyItem ? m_frequencyItem->selectedText() : QString();
    const QString mode = m_connectionModeItem ? m_connectionModeItem->selectedText() : QString();
    if (m_frequencyItem)
        HotspotConfig::parametersFor(frequency, mode, &tethering.hwMode, &tethering.ieee80211n);
    int changed = 0;
    if (frequency != m_savedFrequency || mode != m_savedConnectionMode)
        changed |= HotspotConfig::RadioChanged;
    if (ssid != m_savedSsid)
        changed |= HotspotConfig::SsidChanged;
    if (password != m_savedPassword)
        changed |= HotspotConfig::PassphraseChanged;
    m_apply->apply(on, tethering, changed);
}

void SettingsHotspot::showValidationFailure(const QString &message, int row)
{
    if (!m_apply->showModal(message, 2000))
        return;
    if (m_listView)
        m_listView->setSelectedIdx(row);
    if (theCore)
        theCore->setIMEStatus(IMEStatusEnglishLower, true);
}

// The guard of an apply ran out without an answer.
void SettingsHotspot::displayResult()
{
    m_apply->guardExpired(hotspotChecked());
}
