#include "testshell.h"

#include <QLabel>
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

    void indicators()
    {
        Status &s = m_shell->status;
        s.setUIStatusWifi(Status::UIStatusWifi(6));
        QCOMPARE(shown("statusWifi"), resource("icon_wifi_step4_press"));
        s.setUIStatusHeadSet(Status::UIStatusHeadset(3));
        QCOMPARE(shown("statusHeadset"), resource("status/icon_hadeset_earjack"));
        s.setUIStatusAGMode(Status::UIStatusAG(2));
        QCOMPARE(shown("statusAGMode"), resource("status/icon_AG_dim"));
        // The input method's indicator takes the clock's place.
        m_shell->core.setLanguage(Core::Korean);
        s.setIMEStatus(IMEStatus(1));
        QCOMPARE(shown("charLabel"), resource("status/indicator_language_hangul"));
        QVERIFY(label("timeLabel")->isHidden());
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
        return indicator->isHidden()
            ? QImage()
            : indicator->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
    }

    // A missing image matches no label, not even one that shows nothing.
    static QImage resource(const QString &name)
    {
        const QImage image(":/ui/images/" + name + ".png");
        return image.isNull() ? QImage(1, 1, QImage::Format_Mono)
                              : image.convertToFormat(QImage::Format_ARGB32);
    }

    TestShell *m_shell = nullptr;
};

QTEST_MAIN(tst_Status)
#include "tst_status.moc"
