#pragma once

// What the tests use of Qt 5 that the telephone's Qt 4.8 lacks. Every test sees this header
// first when built against Qt 4; under Qt 5 the tests that call its helpers include it.
#include <QLabel>
#include <QPixmap>
#include <QTimerEvent>

#include <functional>

// Runs 'run' from the event loop (also a nested one, such as a modal notice's) as soon as 'ready'
// holds, unless 'context' is gone first; deleting it cancels it. Qt 4's timers call no function
// objects, hence a timer event of its own.
class RunWhen : public QObject
{
public:
    RunWhen(QObject *context, std::function<bool()> ready, std::function<void()> run)
        : QObject(context)
        , m_ready(std::move(ready))
        , m_run(std::move(run))
    {
        startTimer(1);
    }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        if (!m_ready())
            return;
        killTimer(event->timerId());
        const std::function<void()> run = std::move(m_run);
        deleteLater();
        run(); // may delete the context, and this with it
    }

private:
    std::function<bool()> m_ready;
    std::function<void()> m_run;
};

inline void runSoon(QObject *context, std::function<void()> run)
{
    new RunWhen(
        context, [] { return true; }, std::move(run));
}

// The picture a label shows, in the one form each Qt has.
inline QPixmap shownPixmap(const QLabel *label)
{
#if QT_VERSION >= 0x050F00
    return label->pixmap(Qt::ReturnByValue);
#else
    return label->pixmap() ? *label->pixmap() : QPixmap();
#endif
}

#if QT_VERSION < 0x050000

#include <QDir>
#include <QProcess>
#include <QWidget>
#include <QtTest/QtTest>

#include <cstdlib>

// Waits in steps of 50 ms, as Qt 5 does, until the expression holds or the time is up.
#define HOTSPOT_TRY_WAIT(expr, timeout)                                                            \
    for (int hotspot_try_ms = 0; !(expr) && hotspot_try_ms < (timeout); hotspot_try_ms += 50)      \
        QTest::qWait(50);
#define QTRY_VERIFY_WITH_TIMEOUT(expr, timeout)                                                    \
    do {                                                                                           \
        HOTSPOT_TRY_WAIT(expr, timeout)                                                            \
        QVERIFY(expr);                                                                             \
    } while (false)
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, 5000)
#define QTRY_COMPARE_WITH_TIMEOUT(expr, expected, timeout)                                         \
    do {                                                                                           \
        HOTSPOT_TRY_WAIT((expr) == (expected), timeout)                                            \
        QCOMPARE(expr, expected);                                                                  \
    } while (false)
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, 5000)

// Qt 4's test programs always make a QApplication (a QWS server with -qws).
#define QTEST_GUILESS_MAIN(TestObject) QTEST_MAIN(TestObject)

namespace QTest {

inline bool qWaitForWindowActive(QWidget *window)
{
    qWaitForWindowShown(window);
    HOTSPOT_TRY_WAIT(window->isActiveWindow(), 5000)
    return window->isActiveWindow();
}

} // namespace QTest

namespace Qt {
constexpr QString::SplitBehavior SkipEmptyParts = QString::SkipEmptyParts;
} // namespace Qt

// Qt 4's message handlers are handed no context, so none is borrowed: a test that borrows Qt 5's
// sees no messages here.
struct QMessageLogContext;
typedef void (*QtMessageHandler)(QtMsgType, const QMessageLogContext &, const QString &);
inline QtMessageHandler qInstallMessageHandler(QtMessageHandler)
{
    return nullptr;
}

// Qt 4's debug stream ends each line with its separator.
#define ignoreMessage(type, line) ignoreMessage(type, (QByteArray(line) + ' ').constData())

// A private directory under the temporary one, removed with what it holds.
class QTemporaryDir
{
    Q_DISABLE_COPY(QTemporaryDir)
public:
    QTemporaryDir()
    {
        QByteArray name = QDir::tempPath().toLocal8Bit() + "/hotspot-test-XXXXXX";
        if (mkdtemp(name.data()))
            m_path = QString::fromLocal8Bit(name);
    }
    ~QTemporaryDir()
    {
        if (!m_path.isEmpty())
            QProcess::execute(QLatin1String("rm"), QStringList() << QLatin1String("-rf") << m_path);
    }
    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }

private:
    QString m_path;
};

#endif
