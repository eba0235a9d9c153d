#pragma once

#include <QHash>
#include <QWidget>

class DeviceDisplay;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
struct DeviceKey;

// The simulator's desktop window: the telephone's body with the display in its bezel, the row
// keys beside the list rows, the soft keys under the display, and the navigation, digit and
// volume keys. Keypad buttons and the desktop keyboard both reach the display as separate
// presses and releases, so a key held down is a long press on the device too. A panel under
// the keypad plays the world around the telephone: devices joining and leaving its hotspot,
// a Wi-Fi service that stops answering, and the language the telephone is set to.
class SimulatorWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SimulatorWindow(int scale = 1, QWidget *parent = nullptr);

    DeviceDisplay *display() const { return m_display; }
    QAbstractButton *keyButton(int key) const { return m_buttons.value(key); }

    // The whole window as it looks now, display included.
    QImage grabWindow();

    QComboBox *languageBox() const { return m_language; }
    // Show what the simulator has set, without asking for it again.
    void showLanguage(int language);
    void showSilent(bool silent);
    void setServiceAvailable(bool available);
    // The Wi-Fi service's answer to the last request of the panel.
    void showServiceMessage(const QString &text);

signals:
    void closeRequested();
    void languageChosen(int language);
    void stationAddRequested();
    void stationRemoveRequested();
    void silentToggled(bool silent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct HeldKey
    {
        int key;
        QString text;
    };

    QAbstractButton *makeKey(const DeviceKey &key);
    QWidget *rowKeyColumn(int firstKey);
    QLayout *softKeyRow();
    QWidget *keypadPanel();
    QWidget *worldPanel();

    DeviceDisplay *m_display;
    QComboBox *m_language = nullptr;
    QCheckBox *m_silent = nullptr;
    QLabel *m_serviceMessage = nullptr;
    QList<QWidget *> m_serviceControls;
    QHash<int, QAbstractButton *> m_buttons;
    // Device keys held on the desktop keyboard, by desktop key: the release goes to the key
    // that was pressed even when the modifiers changed in between.
    QHash<int, HeldKey> m_heldKeys;
};
