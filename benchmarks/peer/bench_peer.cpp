#include "benchenvironment.h"
#include "benchshell.h"
#include "displayframe.h"
#include "listview.h"
#include "peerscreens.h"
#include "settings_hotspot.h"

#include <memory>

// Our settings screen beside the same screen built from stock Qt widgets: what building it
// costs, and what a full repaint of the display costs once it is shown.
class bench_peer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void construction_data();
    void construction();
    void repaint_data();
    void repaint();

private:
    BenchShell *m_shell = nullptr;
};

namespace {

// The stored settings in the rows, as the screen shows them once started.
void fill(QWidget *screen)
{
    if (auto *ours = qobject_cast<SettingsHotspot *>(screen))
        ours->loadsetting();
    else
        screen->move(0, 0);
}

} // namespace

void bench_peer::initTestCase()
{
    BenchEnvironment::quietLogs();
    m_shell = new BenchShell;
    m_shell->storeHotspotOn();
    m_shell->status()->setTitle(QStringLiteral("Settings | Wi-Fi Hotspot"));
    m_shell->status()->show();
}

void bench_peer::cleanupTestCase()
{
    delete m_shell;
}

void bench_peer::construction_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("ours") << int(PeerScreen::Ours);
    QTest::newRow("stock") << int(PeerScreen::Stock);
}

// The first one built pays for what every later one shares (images, fonts, styles).
void bench_peer::construction()
{
    QFETCH(int, kind);
    std::unique_ptr<QWidget> first(buildPeerScreen(PeerScreen(kind)));
    QList<QWidget *> built;
    QBENCHMARK
    {
        built.append(buildPeerScreen(PeerScreen(kind)));
    }
    qDeleteAll(built);
}

void bench_peer::repaint_data()
{
    construction_data();
}

void bench_peer::repaint()
{
    QFETCH(int, kind);
    std::unique_ptr<QWidget> screen(buildPeerScreen(PeerScreen(kind)));
    fill(screen.get());
    screen->show();
    QApplication::setActiveWindow(screen.get());
    if (auto *list = screen->findChild<ListView *>())
        list->setFocus();
    BenchEnvironment::settle();

    const QList<QWidget *> windows = PeerScreen(kind) == PeerScreen::Ours
        ? QList<QWidget *> {m_shell->status(), screen.get()}
        : QList<QWidget *> {screen.get()};
    DisplayFrame frame;
    frame.paintWindows(windows);
    QBENCHMARK
    {
        frame.paintWindows(windows);
    }
    frame.saveShot(PeerScreen(kind) == PeerScreen::Ours ? QStringLiteral("peer-ours")
                                                        : QStringLiteral("peer-stock"));
}

HOTSPOT_BENCH_MAIN(bench_peer)

#include "bench_peer.moc"
