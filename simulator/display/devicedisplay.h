#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// The telephone's 480x272 display inside the simulator's window, and the little window server
// behind it. Every top-level widget that is not part of the simulator is a device window: it
// never appears on the desktop, but is drawn here in the order windows were shown, each over
// the ones below (translucent popups included). As on the device, the topmost device window
// is the active one and receives the keys, and a modal device window blocks the windows below
// it without blocking the simulator's own keypad.
class DeviceDisplay : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DisplayWidth = 480;
    static constexpr int DisplayHeight = 272;

    explicit DeviceDisplay(int scale = 1, QWidget *parent = nullptr);
    ~DeviceDisplay() override;

    // Top-level widgets of the simulator itself (and their children) stay on the desktop.
    static void markChrome(QWidget *window);
    static bool isDeviceWindow(const QWidget *widget);

    int scale() const { return m_scale; }

    // The display as it looks now, at device size.
    QImage frame();

    // Visible device windows, bottom to top.
    QList<QWidget *> deviceWindows() const;
    // The window that receives the keys: the topmost one that may be activated.
    QWidget *activeDeviceWindow() const;

    // Delivers one key press or release the way the device's window server did: to the focus
    // widget of the active device window, from where unhandled keys travel up to its parents.
    void sendKey(int key, const QString &text, bool press);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void adopt(QWidget *window);
    void windowShown(QWidget *window);
    void windowHidden(QWidget *window);
    bool isTracked(const QWidget *window) const;
    void scheduleRender();
    void scheduleRestack();
    void restack();
    void render();

    int m_scale;
    QImage m_frame;
    QList<QPointer<QWidget>> m_stack;
    QList<QPointer<QWidget>> m_blocked;
    QTimer m_renderTimer;
    bool m_restackPending = false;
    bool m_rendering = false;
};
