#pragma once

#include "baseappinterface.h"
#include "basewidget.h"

// The application "Settings | Wi-Fi Hotspot": the screen on which the user switches the
// telephone's Wi-Fi hotspot on or off and sets its band, mode, network name and passphrase.
// The shell loads it as a plug-in and reaches it through BaseAppInterface.
class SettingsHotspot : public BaseWidget, public BaseAppInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BaseAppInterface_iid)
    Q_INTERFACES(BaseAppInterface)
public:
    explicit SettingsHotspot(QWidget *parent = nullptr);
    ~SettingsHotspot() override;

    bool start(QWidget *parent, void *data) override;
    bool end() override;
    void receiveMsg(const QString &command, const QByteArray &data) override;

    void retranslateUi();

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void setupStatus() override;

private:
    void setupTail();
};
