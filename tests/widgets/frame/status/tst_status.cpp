#include "renderprobe.h"
#include "testcompat.h"
#include "testshell.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class tst_Status : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_shell = new TestShell; }

    void cleanup()
    {
        delete m_shell;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // A multi-valued indicator refuses a value out of range with its line and changes nothing,
    // and 0 hides it; a change is reported once. The images are in the gallery's pictures.
    void indicators()
    {
        Status &s = m_shell->status;
        s.setUIStatusWifi(Status::UIStatusWifiUnknown);
        s.setUIStatusBTHeadsetPairing(Status::UIStatusBTHeadsetPairingOn);
        const QImage wifi = shown("statusWifi");
        QVERIFY(!wifi.isNull() && !shown("statusBTHSetPairing").isNull());
        QSignalSpy changed(&s, SIGNAL(statusInfoChanged()));
        // Refused values stay within their enumeration's range: beyond it the call is undefined.
        for (int i = 0; i < 2; ++i) {
            QTest::ignoreMessage(QtDebugMsg, "Status::setUIStatusWifi invaild value! noupdate!");
            s.setUIStatusWifi(Status::UIStatusWifi(7));
        }
        QCOMPARE(changed.count(), 0);
        QCOMPARE(shown("statusWifi"), wifi);
        for (int i = 0; i < 2; ++i)
            s.setUIStatusBTHeadsetPairing(Status::UIStatusBTHeadsetPairingOff);
        QCOMPARE(changed.count(), 1);
        QVERIFY(shown("statusBTHSetPairing").isNull());
    }

    void inCallLayout()
    {
        Status &s = m_shell->status;
        s.setStatusIcon_isCall(true);
        QVERIFY(!s.presenceIconVisible());
        QVERIFY(label("titleLabel")->isHidden());
        // On/off indicators wait for the end of the call.
        s.setUIStatusLock(true);
        QVERIFY(label("statusLock")->isHidden());

        s.setUIStatusCall(true);
        for (const char *frame : {"", "_01", "_02", "_03", "_04", "_05", ""}) {
            QCOMPARE(
                shown("statusCall"), resource(QStringLiteral("status/icon_dial_line") + frame));
            s.callTimeout();
        }
        s.setUIStatusCall(false);
        QVERIFY(label("statusCall")->isHidden());

        s.setStatusIcon_isCall(false);
        QVERIFY(!label("statusLock")->isHidden());
        QVERIFY(!label("titleLabel")->isHidden());
    }

private:
    QLabel *label(const char *name) const
    {
        return m_shell->status.findChild<QLabel *>(QLatin1String(name));
    }

    // What the indicator shows: nothing while it is hidden.
    QImage shown(const char *name) const
    {
        const QLabel *indicator = label(name);
        return indicator->isHidden() ? QImage() : pixmapImage(shownPixmap(indicator));
    }
    static QImage resource(const QString &name)
    {
        return imageFile(":/ui/images/" + name + ".png");
    }

    TestShell *m_shell = nullptr;
};

QTEST_MAIN(tst_Status)
#include "tst_status.moc"
