#pragma once

#include "appmessage.h"
#include "listview.h"
#include "listviewsettingitems.h"
#include "settings_hotspot_p.h"
#include "tail.h"
#include "testcompat.h"
#include "testfiles.h"
#include "testshell.h"
#include "toast_p.h"

#include <QApplication>
#include <QtTest>

#include <functional>

// A settings screen on a temporary device root, driven the way the user drives it.
class ScreenFixture
{
public:
    ~ScreenFixture()
    {
        delete screen;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The screen's own list and keys come before those of the connected-devices screen.
    ListView *list() const { return screen->findChild<ListView *>(); }
    Tail *tail() const { return screen->findChild<Tail *>(); }
    ListViewCheckItem *useHotspot() const { return row<ListViewCheckItem>(0); }
    ListViewSelectItem *frequency() const { return row<ListViewSelectItem>(1); }
    ListViewSelectItem *mode() const { return row<ListViewSelectItem>(2); }
    ListViewLineEditItem *ssid() const { return row<ListViewLineEditItem>(3); }
    ListViewLineEditItem *password() const { return row<ListViewLineEditItem>(4); }

    QString sbin(const QString &name) const { return shell.path("/usr/sbin/" + name); }
    QString hostapdConf() const { return shell.path("/configs/wireless/hostapd.conf"); }
    QString envFile() const { return shell.core.envInfoFileName(); }
    void writeConf(const QString &file, const QByteArray &contents)
    {
        QVERIFY(writeFile(file, contents));
    }
    QVariant stored(const QString &file, const QString &key) const
    {
        return QSettings(file, QSettings::IniFormat).value(key);
    }
    static QStringList rowTexts(const ListView *list)
    {
        QStringList texts;
        for (int idx = 0; idx < list->itemSize(); ++idx)
            texts << list->item(idx)->text();
        return texts;
    }

    // A stand-in of an outside program (tests/reliability/stand-ins) in the device's
    // /usr/sbin, runnable or not.
    void installStandIn(const QString &name, bool executable = true)
    {
        QVERIFY(::installStandIn(sbin(name), executable));
    }
    // The hotspot script's stand-in, which records each run.
    void installRecorder() { installStandIn(QLatin1String("hotspot.sh")); }
    int scriptRuns() const { return bytesOf(sbin("runs")).count('\n'); }

    // Loads, shows and focuses the screen as start() does, without blocking.
    void open()
    {
        screen->loadsetting();
        screen->show();
        QApplication::setActiveWindow(screen);
        list()->setFocus();
        QTRY_VERIFY(list()->hasFocus());
    }
    // Opens the screen, flips the stored switch and fills in the name and the passphrase.
    void openAndEdit(const QString &name, const QString &passphrase)
    {
        open();
        tap(Qt::Key_Enter);
        ssid()->setEditText(name);
        password()->setEditText(passphrase);
    }
    void tap(Qt::Key key, QWidget *target = nullptr)
    {
        QTest::keyClick(target ? target : QApplication::focusWidget(), key);
    }
    void softKey(int index) { tap(Qt::Key(Qt::Key_F11 + index), screen); }

    // Runs 'action' as soon as a notice shows; a modal notice blocks the caller in its own
    // loop, in which the action then runs. Deleting the returned watch cancels it.
    QPointer<QObject> whenNoticeShows(std::function<void(Toast *)> action)
    {
        return new RunWhen(
            screen, [this] { return unseen() != nullptr; },
            [this, action] {
                Toast *toast = unseen();
                m_seen.append(toast);
                action(toast);
            });
    }
    // The Wi-Fi service's answer to a save.
    void answer(const QString &word)
    {
        screen->receiveMsg(QLatin1String("wifi2ui_Hotspot(str)"), AppMessage::payload(word));
    }
    // Ends a notice as its own timeout would.
    static void expire(Toast *toast) { QVERIFY(QMetaObject::invokeMethod(toast, "timeout")); }
    // The result notices on show, or the progress ones.
    QList<Toast *> shown(bool progress = false) const
    {
        QList<Toast *> toasts;
        for (Toast *toast : screen->findChildren<Toast *>()) {
            if (toast->isVisible() && (qobject_cast<ToastWait *>(toast) != nullptr) == progress)
                toasts << toast;
        }
        return toasts;
    }
    Toast *notice() const { return shown().value(0); }
    QTimer *guard() const { return SettingsHotspotPrivate::guardTimer(screen); }
    ToastWait *waitNotice() const { return static_cast<ToastWait *>(shown(true).value(0)); }

    TestShell shell;
    QPointer<SettingsHotspot> screen {new SettingsHotspot};

private:
    template<typename Row> Row *row(int idx) const { return static_cast<Row *>(list()->item(idx)); }
    Toast *unseen() const
    {
        for (Toast *toast : shown()) {
            if (!m_seen.contains(toast))
                return toast;
        }
        return nullptr;
    }
    QList<QPointer<Toast>> m_seen;
};
