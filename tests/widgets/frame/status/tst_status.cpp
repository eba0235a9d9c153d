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

    // Each multi-valued indicator: 0 hides it, a value out of range is refused with its line and
    // changes nothing; a change is reported once. The images are in the gallery's pictures.
    void indicators_data()
    {
        QTest::addColumn<QByteArray>("setter");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("label");
        // Empty: hidden; a line: refused with it, the value 1 stays.
        QTest::addColumn<QString>("shows");
        const QByteArray wifi = "setUIStatusWifi";
        // Refused values stay within their enumeration's range: beyond it the call is undefined.
        QTest::newRow("wifi 7") << wifi << QByteArray("UIStatusWifi") << 7 << "statusWifi"
                                << "Status::setUIStatusWifi invaild value! noupdate!";
        QTest::newRow("pairing 0")
            << QByteArray("setUIStatusBTHeadsetPairing") << QByteArray("UIStatusBTHeadsetPairing")
            << 0 << "statusBTHSetPairing"
            << "";
    }

    void indicators()
    {
        QFETCH(QByteArray, setter);
        QFETCH(QByteArray, type);
        QFETCH(int, value);
        QFETCH(QString, label);
        QFETCH(QString, shows);
        Status &s = m_shell->status;
        const auto set = [&](int v) {
            return QMetaObject::invokeMethod(&s, setter, QGenericArgument(type, &v));
        };
        QVERIFY(set(1));
        const QImage first = shown(qPrintable(label));
        QVERIFY(!first.isNull());
        QSignalSpy changed(&s, SIGNAL(statusInfoChanged()));
        const bool refused = shows.startsWith(QLatin1String("Status::"));
        for (int i = 0; i < 2; ++i) {
            if (refused)
                QTest::ignoreMessage(QtDebugMsg, qPrintable(shows));
            QVERIFY(set(value));
        }
        QCOMPARE(changed.count(), refused ? 0 : 1);
        QCOMPARE(shown(qPrintable(label)),
            refused               ? first
                : shows.isEmpty() ? QImage()
                                  : resource(shows));
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
