#include "basewidget.h"
#include "tail.h"
#include "testshell.h"
#include "timelabel.h"

#include <QLabel>
#include <QtTest>

class tst_BaseWidget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void softKeysReachTheBar_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("F11") << 0;
        QTest::newRow("F15") << 4;
    }

    void softKeysReachTheBar()
    {
        QFETCH(int, index);
        const auto key = Qt::Key(Qt::Key_F11 + index);
        TestShell shell;
        BaseWidget screen;
        auto tail = screen.findChild<Tail *>();
        tail->setFuncButtonText(index, QStringLiteral("Key"));
        screen.show();
        QSignalSpy clicked(tail, SIGNAL(clicked(int)));
        QSignalSpy longPress(tail, SIGNAL(longPress(int)));
        QTest::keyClick(&screen, key);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), index);

        QTest::keyPress(&screen, key);
        // The long-press timer's expiry, without waiting for it.
        QVERIFY(QMetaObject::invokeMethod(tail, "longPressTimeout"));
        QCOMPARE(longPress.count(), 1);
        QCOMPARE(longPress.at(0).at(0).toInt(), index);
        QTest::keyRelease(&screen, key);
        QCOMPARE(clicked.count(), 2);
    }

    void escapeClosesOnRelease()
    {
        TestShell shell;
        BaseWidget screen;
        screen.show();
        QTest::keyPress(&screen, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
        QTest::keyRelease(&screen, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
    }

    void statusFromSettings()
    {
        TestShell shell;
        // Call lock shows on system type 1.
        shell.core.setSystemType(1);
        QSettings(shell.core.configFileName(SystemConfigFile), QSettings::IniFormat)
            .setValue(QStringLiteral("Security/CallLock"), 2);
        QSettings(shell.core.configFileName(UserConfigFile), QSettings::IniFormat)
            .setValue(QStringLiteral("Settings/24HourTime"), true);
        BaseWidget().updateStatus();
        auto clock = shell.status.findChild<TimeLabel *>(QStringLiteral("timeLabel"));
        QVERIFY(clock->time24Hour());
        QCOMPARE(clock->minimumWidth(), 44);
        QVERIFY(!shell.status.findChild<QLabel *>(QStringLiteral("statusLock"))->isHidden());
    }
};

QTEST_MAIN(tst_BaseWidget)
#include "tst_basewidget.moc"
