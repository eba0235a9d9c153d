#include "renderprobe.h"
#include "testcompat.h"
#include "toast_p.h"

#include <QtTest>

class tst_Toast : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void countdownRunsFromConstruction()
    {
#if QT_VERSION < 0x050000
        QSKIP("Qt 4's timers do not tell their remaining time", SkipSingle);
#else
        KeyRecorder screen;
        Toast toast(QStringLiteral("Saved"), 5000, &screen);
        QTimer *timer = toast.findChild<QTimer *>();
        // Time passes between construction and exec(); exec() must not start the countdown
        // again, but a new message must.
        QTRY_VERIFY_WITH_TIMEOUT(timer && timer->remainingTime() <= 4950, 1000);
        const int beforeExec = timer->remainingTime();
        int insideExec = -1;
        int afterMessage = -1;
        runSoon(&toast, [&] {
            insideExec = toast.isVisible() ? timer->remainingTime() : -1;
            toast.setMessage(QStringLiteral("Failed"));
            afterMessage = timer->remainingTime();
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        });
        screen.show();
        QCOMPARE(toast.exec(), 0);
        QVERIFY(insideExec >= 0 && insideExec <= beforeExec);
        QVERIFY(afterMessage > 4950);
#endif
    }

    void timedOutBeforeExec()
    {
        KeyRecorder screen;
        Toast toast(QStringLiteral("Saved"), 3000, &screen);
        toast.setIgnoreKey(true);
        screen.show();
        QVERIFY(QMetaObject::invokeMethod(toast.findChild<QTimer *>(), "timeout"));
        // Nothing else would end an exec() that waited: no countdown is left, keys are ignored.
        bool waited = false;
        runSoon(&toast, [&] {
            waited = true;
            toast.hide();
        });
        QCOMPARE(toast.exec(), 0);
        QVERIFY(!waited);
    }

    void keys_data()
    {
        QTest::addColumn<bool>("ignoreKey");
        QTest::addColumn<bool>("pressFirst");
        QTest::addColumn<bool>("closes");
        QTest::newRow("press and release") << false << true << true;
        QTest::newRow("ignored keys") << true << true << false;
        QTest::newRow("release without press") << false << false << false;
    }

    void keys()
    {
        QFETCH(bool, ignoreKey);
        QFETCH(bool, pressFirst);
        QFETCH(bool, closes);
        KeyRecorder screen;
        Toast toast(QStringLiteral("Saved"), 5000, &screen);
        toast.setIgnoreKey(ignoreKey);
        QSignalSpy closed(&toast, SIGNAL(toastTimeout()));
        screen.show();
        // Handed on already ignored, as an event may arrive: it still stops at the toast.
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_Escape, Qt::NoModifier);
            key.ignore();
            if (pressFirst || type == QEvent::KeyRelease)
                QApplication::sendEvent(&toast, &key);
        }
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(toast.isVisible(), !closes);
        // Closed, it must not wake later to close itself and report its timeout once more.
        QCOMPARE(toast.findChild<QTimer *>()->isActive(), !closes);
        QVERIFY(screen.presses.isEmpty() && screen.releases.isEmpty());
    }

    // A result message or a guard timer may retire the toast inside its own loop.
    void deletedInsideExec()
    {
        KeyRecorder screen;
        QPointer<Toast> toast = new ToastWait(QStringLiteral("Disconnecting..."), 10000, &screen);
        screen.show();
        runSoon(&screen, [&toast] { delete toast; });
        QCOMPARE(toast->exec(), 0);
        QVERIFY(toast.isNull());
    }
};

QTEST_MAIN(tst_Toast)
#include "tst_toast.moc"
