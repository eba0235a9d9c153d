#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QEventLoop;
class QTimer;

// A short notice: a black rounded bubble with white text in the upper middle of the screen.
// It closes itself when its timeout, counted from construction, runs out, or on a key press
// and release unless keys are ignored. It is shown without blocking (show()) or modally
// (exec()); closing hides it and ends exec() but never deletes it.
//
// Retiring a toast: the owner deletes it, with delete or deleteLater(), at any time, also from a
// handler that runs inside the toast's own exec() (a result message, a guard timer). Hiding
// ends exec(); deleting ends it too, and exec() then returns 0 without touching the toast. From
// a slot connected to the toast's own toastTimeout() or escaped(), use deleteLater().
class Toast : public QWidget
{
    Q_OBJECT
public:
    Toast(const QString &message, int timeout, QWidget *parent);
    ~Toast() override;

    // Below 1 stops the countdown; otherwise the countdown starts again with ms.
    void setTimeout(int ms);
    // A new message gets a full timeout. The owner repaints.
    void setMessage(const QString &message);
    QString message() const { return m_message; }
    void setIgnoreKey(bool ignore) { m_ignoreKey = ignore; }
    bool ignoreKey() const { return m_ignoreKey; }
    void setIcon(const QPixmap &icon) { m_icon = icon; }
    QPixmap icon() const { return m_icon; }
    void setUseAnimation(bool use) { m_useAnimation = use; }
    bool useAnimation() const { return m_useAnimation; }

    // Shows the toast and returns 0 once it is closed, hidden or deleted.
    int exec();

signals:
    void toastTimeout();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

    // The area the message is laid out in, and the bubble grown to its minimum size.
    QRectF textRect() const;
    QRectF minimumBubble(const QRectF &bubble) const;

private slots:
    void timeout();

private:
    void armTimer(int ms);
    void closeByItself();

    bool m_ignoreKey = false;
    int m_timeout = 0;
    QString m_message;
    QTimer *m_timer = nullptr;
    // The loop of the exec() that is running, which lives on exec()'s stack so that deleting
    // the toast inside it cannot destroy a running loop.
    QEventLoop *m_eventLoop = nullptr;
    bool m_keyPressed = false;
    QPixmap m_icon;
    bool m_useAnimation = false;
    // The countdown ran out and has not been started again; exec() must not wait for it.
    bool m_timedOut = false;
    // When the countdown was last started, and what was left of it when the notice was hidden
    // (0 when nothing was).
    QElapsedTimer m_countdown;
    int m_pausedMs = 0;
};

// A toast with a six-frame busy animation above its text, shown while waiting for a service.
// The animation runs while the toast is on screen; a hidden toast stops it at its next frame.
class ToastWait : public Toast
{
    Q_OBJECT
public:
    ToastWait(const QString &message, int timeout, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private slots:
    void pixmapTimeout();

private:
    friend class ToastPrivate;

    // Where a frame image goes: only that part changes from frame to frame.
    QRect frameRect(const QPixmap &frame) const;

    QTimer *m_frameTimer = nullptr;
    int m_frame = 0;
    // The top of the frame images in the last paint; -1 before it.
    int m_frameTop = -1;
    // The frame images, loaded once, and the text's bounds for the message, size and font they
    // were laid out for: a frame repaints only the image's place.
    QPixmap m_frames[6];
    bool m_framesLoaded = false;
    QString m_boundMessage;
    QSize m_boundSize;
    QFont m_boundFont;
    QRectF m_bound;
};

// A toast that leaves every key to its parent widget.
class ToastWithOutKeyEvent : public Toast
{
    Q_OBJECT
public:
    ToastWithOutKeyEvent(const QString &message, int timeout, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
};

// A wait toast that reports Escape through escaped() and leaves every other key to its parent.
class ToastWaitWithOutKeyEvent : public ToastWait
{
    Q_OBJECT
public:
    ToastWaitWithOutKeyEvent(const QString &message, int timeout, QWidget *parent);

signals:
    void escaped();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
};
