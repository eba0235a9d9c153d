#pragma once

// What the tests use of Qt 5 that the telephone's Qt 4.8 lacks. Every test sees this header
// first when built against Qt 4; under Qt 5 the tests that call its helpers include it.
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QTimerEvent>

#include <functional>

#if QT_VERSION < 0x050000
// Runs a function from the event loop once: Qt 4's timers call no function objects.
class SoonRunner : public QObject
{
public:
    SoonRunner(QObject *context, std::function<void()> run)
        : QObject(context)
        , m_run(std::move(run))
    {
        startTimer(0);
    }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        killTimer(event->timerId());
        const std::function<void()> run = std::move(m_run);
        deleteLater();
        run(); // may delete the context, and this with it
    }

private:
    std::function<void()> m_run;
};
#endif

// Runs 'run' once the event loop (also a nested one) gets to it, unless 'context' is gone.
inline void runSoon(QObject *context, std::function<void()> run)
{
#if QT_VERSION >= 0x050000
    QTimer::singleShot(0, context, run);
#else
    new SoonRunner(context, std::move(run));
#endif
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
#include <QFileInfo>
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

// Qt 5's form, which skips the current data row.
#undef QSKIP
#define QSKIP(message)                                                                             \
    do {                                                                                           \
        QTest::qSkip(message, QTest::SkipSingle, __FILE__, __LINE__);                              \
        return;                                                                                    \
    } while (false)

// Qt 4's test programs always make a QApplication (a QWS server with -qws).
#define QTEST_GUILESS_MAIN(TestObject) QTEST_MAIN(TestObject)

namespace QTest {

template<typename... Args> QTestData &addRow(const char *format, Args... args)
{
    return newRow(QString().sprintf(format, args...).toLatin1().constData());
}

inline bool qWaitForWindowActive(QWidget *window)
{
    qWaitForWindowShown(window);
    HOTSPOT_TRY_WAIT(window->isActiveWindow(), 5000)
    return window->isActiveWindow();
}

// Qt 5 compares a string with a literal.
inline bool qCompare(const QString &t1, const char *t2, const char *actual, const char *expected,
    const char *file, int line)
{
    return qCompare(t1, QString::fromUtf8(t2), actual, expected, file, line);
}

// Qt 4's debug stream ends each line with its separator.
inline QByteArray logLine(const char *line)
{
    return QByteArray(line) + ' ';
}

} // namespace QTest

namespace Qt {
constexpr QString::SplitBehavior SkipEmptyParts = QString::SkipEmptyParts;
} // namespace Qt
Q_DECLARE_METATYPE(Qt::Key)

#define ignoreMessage(type, line) ignoreMessage(type, QTest::logLine(line).constData())

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
            remove(m_path);
    }
    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }

private:
    static void remove(const QString &path)
    {
        const QFileInfoList entries = QDir(path).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &entry : entries) {
            if (entry.isDir() && !entry.isSymLink())
                remove(entry.filePath());
            else
                QFile::remove(entry.filePath());
        }
        QDir().rmdir(path);
    }
    QString m_path;
};

#endif
