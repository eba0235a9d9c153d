#pragma once

#include <QHash>
#include <QWidget>

class DeviceDisplay;
class QAbstractButton;
class QLayout;
struct DeviceKey;

// The simulator's desktop window: the telephone's body with the display in its bezel, the row
// keys beside the list rows, the soft keys under the display, and the navigation, digit and
// volume keys. Keypad buttons and the desktop keyboard both reach the display as separate
// presses and releases, so a key held down is a long press on the device too.
class SimulatorWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SimulatorWindow(int scale = 1, QWidget *parent = nullptr);

    DeviceDisplay *display() const { return m_display; }
    QAbstractButton *keyButton(int key) const { return m_buttons.value(key); }

    // The whole window as it looks now, display included.
    QImage grabWindow();

signals:
    void closeRequested();

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

    DeviceDisplay *m_display;
    QHash<int, QAbstractButton *> m_buttons;
    // Device keys held on the desktop keyboard, by desktop key: the release goes to the key
    // that was pressed even when the modifiers changed in between.
    QHash<int, HeldKey> m_heldKeys;
};
