#include "basewidget.h"
#include "tail.h"
#include "testshell.h"
#include "timelabel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A screen that labels its soft keys and names itself in the status bar.
class TitledScreen : public BaseWidget
{
public:
    explicit TitledScreen(const QString &title)
        : m_title(title)
    {
        for (int idx = 0; idx < 5; ++idx)
            m_tail->setFuncButtonText(idx, QStringLiteral("Key %1").arg(idx));
    }
    Tail *tail() const { return m_tail; }
    Status *status() const { return m_status; }

protected:
    void setupStatus() override { m_status->setTitle(m_title); }

private:
    QString m_title;
};

void activate(QWidget *widget)
{
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(widget, &activate);
}

} // namespace

class tst_BaseWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void frame();
    void softKeysReachTheBar_data();
    void softKeysReachTheBar();
    void longPressThroughTheScreen();
    void escapeClosesOnRelease();
    void closingEndsExec();
    void activationSetsTitle();
    void statusRefresh_data();
    void statusRefresh();

private:
    TestShell *m_shell = nullptr;
};

void tst_BaseWidget::init()
{
    m_shell = new TestShell;
}

void tst_BaseWidget::cleanup()
{
    delete m_shell;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_BaseWidget::frame()
{
    TitledScreen screen(QStringLiteral("Frame"));
    QCOMPARE(screen.geometry(), QRect(0, 32, 480, 240));
    QVERIFY(screen.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(screen.status(), &m_shell->status);
    QCOMPARE(screen.tail()->parentWidget(), &screen);
    QCOMPARE(screen.tail()->geometry(), QRect(0, 208, 480, 32));
    QVERIFY(screen.tail()->isVisibleTo(&screen));
}

void tst_BaseWidget::softKeysReachTheBar_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("index");
    for (int idx = 0; idx < 5; ++idx)
        QTest::addRow("F%d", 11 + idx) << int(Qt::Key_F11) + idx << idx;
}

void tst_BaseWidget::softKeysReachTheBar()
{
    QFETCH(int, key);
    QFETCH(int, index);
    TitledScreen screen(QStringLiteral("Keys"));
    screen.show();
    QSignalSpy clicked(screen.tail(), &Tail::clicked);
    QTest::keyPress(&screen, Qt::Key(key));
    QTest::keyRelease(&screen, Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), index);
    // The dialog's own key handling never saw the key.
    QVERIFY(screen.isVisible());
}

void tst_BaseWidget::longPressThroughTheScreen()
{
    TitledScreen screen(QStringLiteral("Keys"));
    screen.show();
    QSignalSpy clicked(screen.tail(), &Tail::clicked);
    QSignalSpy longPress(screen.tail(), &Tail::longPress);
    QTest::keyPress(&screen, Qt::Key_F15);
    QTRY_COMPARE_WITH_TIMEOUT(longPress.count(), 1, 2000);
    QCOMPARE(longPress.at(0).at(0).toInt(), 4);
    QCOMPARE(clicked.count(), 0);
    QTest::keyRelease(&screen, Qt::Key_F15);
    QCOMPARE(clicked.count(), 1);
}

void tst_BaseWidget::escapeClosesOnRelease()
{
    TitledScreen screen(QStringLiteral("Escape"));
    screen.show();
    QTest::keyPress(&screen, Qt::Key_Escape);
    QVERIFY(screen.isVisible());
    QTest::keyRelease(&screen, Qt::Key_Escape);
    QVERIFY(!screen.isVisible());
}

void tst_BaseWidget::closingEndsExec()
{
    TitledScreen screen(QStringLiteral("Modal"));
    QTimer::singleShot(0, &screen, [&screen] {
        QTest::keyPress(&screen, Qt::Key_Escape);
        QTest::keyRelease(&screen, Qt::Key_Escape);
    });
    screen.exec();
    QVERIFY(!screen.isVisible());
}

void tst_BaseWidget::activationSetsTitle()
{
    TitledScreen first(QStringLiteral("First"));
    activate(&first);
    QCOMPARE(m_shell->status.title(), QStringLiteral("First"));

    // A screen that sets no title leaves the one before it.
    BaseWidget plain;
    activate(&plain);
    QCOMPARE(m_shell->status.title(), QStringLiteral("First"));

    TitledScreen second(QStringLiteral("Second"));
    activate(&second);
    QCOMPARE(m_shell->status.title(), QStringLiteral("Second"));
    activate(&first);
    QCOMPARE(m_shell->status.title(), QStringLiteral("First"));
}

void tst_BaseWidget::statusRefresh_data()
{
    QTest::addColumn<bool>("clock24");
    QTest::addColumn<bool>("menuPassword");
    QTest::addColumn<int>("callLock");
    QTest::addColumn<int>("systemType");
    QTest::addColumn<bool>("lock");

    QTest::newRow("no settings files") << false << false << -1 << 0 << false;
    QTest::newRow("call lock, other system") << true << false << 2 << 0 << false;
    QTest::newRow("call lock, system 1") << true << false << 2 << 1 << true;
    QTest::newRow("call lock off, system 1") << false << false << 0 << 1 << false;
    QTest::newRow("menu password") << false << true << 0 << 3 << true;
}

void tst_BaseWidget::statusRefresh()
{
    QFETCH(bool, clock24);
    QFETCH(bool, menuPassword);
    QFETCH(int, callLock);
    QFETCH(int, systemType);
    QFETCH(bool, lock);

    m_shell->core.setSystemType(systemType);
    if (callLock >= 0) {
        const QString system = m_shell->core.configFileName(SystemConfigFile);
        m_shell->writeIni(system, QStringLiteral("Menu_Password/enable"), menuPassword);
        m_shell->writeIni(system, QStringLiteral("Security/CallLock"), callLock);
        m_shell->writeIni(m_shell->core.configFileName(UserConfigFile),
                          QStringLiteral("Settings/24HourTime"), clock24);
    }
    m_shell->status.setUIStatusLock(!lock);

    BaseWidget screen;
    screen.updateStatus();
    auto timeLabel = m_shell->status.findChild<TimeLabel *>(QStringLiteral("timeLabel"));
    QCOMPARE(timeLabel->time24Hour(), clock24);
    QCOMPARE(timeLabel->minimumWidth(), clock24 ? 44 : 67);
    auto lockLabel = m_shell->status.findChild<QLabel *>(QStringLiteral("statusLock"));
    QCOMPARE(!lockLabel->isHidden(), lock);
}

QTEST_MAIN(tst_BaseWidget)
#include "tst_basewidget.moc"
