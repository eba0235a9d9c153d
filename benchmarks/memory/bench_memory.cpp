#include "benchenvironment.h"
#include "benchshell.h"
#include "peerscreens.h"
#include "settings_hotspot.h"
#include "textcache.h"
#include "textcache_p.h"

#include <QPixmapCache>
#include <QTemporaryDir>

#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <memory>
#include <vector>

extern char **environ;

// How lean: the heap a settings screen holds, beside the stock peer's, and the peak resident
// size of the whole simulator on a scripted walk, beside a bare Qt program's. Figures are
// reported as bytes.
class bench_memory : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void screenHeap_data();
    void screenHeap();
    void cacheBound_data();
    void cacheBound();
    void peakResident_data();
    void peakResident();

private:
    BenchShell *m_shell = nullptr;
};

namespace {

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

// Runs a program to its end and returns its peak resident size in bytes, or -1.
qint64 peakResidentOf(const QString &program, const QStringList &arguments)
{
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, argv.front(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    struct rusage usage = {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return qint64(usage.ru_maxrss) * 1024;
}

// Built with the stored settings in its rows and painted once, as the user first sees it.
QWidget *shownScreen(PeerScreen kind)
{
    QWidget *screen = buildPeerScreen(kind);
    if (auto *ours = qobject_cast<SettingsHotspot *>(screen))
        ours->loadsetting();
    QImage frame(screen->size(), QImage::Format_ARGB32_Premultiplied);
    screen->render(&frame);
    return screen;
}

} // namespace

void bench_memory::initTestCase()
{
    BenchEnvironment::quietLogs();
    m_shell = new BenchShell;
    m_shell->storeHotspotOn();
}

void bench_memory::cleanupTestCase()
{
    delete m_shell;
}

void bench_memory::screenHeap_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("painted");
    QTest::newRow("ours") << int(PeerScreen::Ours) << false;
    QTest::newRow("stock") << int(PeerScreen::Stock) << false;
    QTest::newRow("ours painted") << int(PeerScreen::Ours) << true;
    QTest::newRow("stock painted") << int(PeerScreen::Stock) << true;
}

// A second screen, once the first has loaded what all share (images, fonts, styles): what
// each screen itself holds once built, and once painted with what our text cache keeps for
// its texts.
void bench_memory::screenHeap()
{
    QFETCH(int, kind);
    QFETCH(bool, painted);
    const auto build = painted ? shownScreen : buildPeerScreen;
    const std::unique_ptr<QWidget> first(build(PeerScreen(kind)));
    TextCache::clear();
    const qint64 before = heapInUse();
    const std::unique_ptr<QWidget> second(build(PeerScreen(kind)));
    const qint64 held = heapInUse() - before;
    QVERIFY(held > 0);
    QTest::setBenchmarkResult(qreal(held), QTest::BytesAllocated);
}

void bench_memory::cacheBound_data()
{
    QTest::addColumn<qreal>("bound");
    QTest::newRow("text pictures") << qreal(TextCache::MaxPicturePixels) * 4;
    QTest::newRow("elided texts") << qreal(TextCache::MaxElisions);
    QTest::newRow("pixmap cache") << qreal(QPixmapCache::cacheLimit()) * 1024;
}

// The upper bounds of the caches the screens paint through, printed beside the heap figures:
// the text cache's pictures in bytes and its elided texts in entries, and Qt's cache of the
// images loaded by name, in bytes.
void bench_memory::cacheBound()
{
    QFETCH(qreal, bound);
    QTest::setBenchmarkResult(bound, QTest::BytesAllocated);
}

void bench_memory::peakResident_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("simulator") << QStringLiteral("simulator")
                               << QStringList {QStringLiteral("--script"),
                                      QStringLiteral(HOTSPOT_WALK_SCRIPT)};
    QTest::newRow("bare") << QStringLiteral("startup_bare") << QStringList();
}

void bench_memory::peakResident()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    if (program == QLatin1String("simulator")) {
        arguments << QStringLiteral("--sandbox") << scratch.filePath(QStringLiteral("sandbox"))
                  << QStringLiteral("--screenshots")
                  << scratch.filePath(QStringLiteral("screenshots"));
    }
    const qint64 peak = peakResidentOf(
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, arguments);
    QVERIFY2(peak > 0, qPrintable(program + QStringLiteral(" did not run to a clean end")));
    QTest::setBenchmarkResult(qreal(peak), QTest::BytesAllocated);
}

HOTSPOT_BENCH_MAIN(bench_memory)

#include "bench_memory.moc"
