#include "benchenvironment.h"
#include "benchshell.h"
#include "displayframe.h"
#include "listview.h"
#include "listviewitem.h"
#include "settings_hotspotinfo_p.h"
#include "stationlist.h"

#include <memory>

// How costs grow with the length of a list. A page shows five rows, so repainting and moving
// the selection must cost the same whatever the list holds; reading and rebuilding the list
// of stations may grow with the stations, but no faster than they do.
class bench_scaling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void listRepaint_data();
    void listRepaint();
    void downKeys_data();
    void downKeys();
    void parseStations_data();
    void parseStations();
    void updateStatus_data();
    void updateStatus();

private:
    void rowCounts();
    void stationCounts();
};

namespace {

// A list of 'rows' plain rows in the look of the connected-devices screen, shown and focused
// at the display's list position.
std::unique_ptr<ListView> filledList(int rows)
{
    auto list = std::make_unique<ListView>();
    list->setBackgroundPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    list->setLineColor(QColor(195, 195, 195));
    for (int idx = 0; idx < rows; ++idx) {
        auto *row
            = new ListViewItem(BenchShell::stationAddress(idx).toUpper(), QPixmap(), QPixmap());
        row->setTextColor(QColor(28, 28, 28));
        row->setTextSelectColor(Qt::white);
        row->setBackGroundSelectColor(QColor(95, 113, 160));
        list->addItem(row);
    }
    list->setGeometry(0, 32, 480, 208);
    list->show();
    QApplication::setActiveWindow(list.get());
    list->setFocus();
    list->setSelectedIdx(0);
    BenchEnvironment::settle(50);
    return list;
}

} // namespace

void bench_scaling::initTestCase()
{
    BenchEnvironment::quietLogs();
}

void bench_scaling::rowCounts()
{
    QTest::addColumn<int>("rows");
    for (int rows : {5, 1000, 100000})
        QTest::newRow(qPrintable(QString::number(rows))) << rows;
}

void bench_scaling::stationCounts()
{
    QTest::addColumn<int>("stations");
    for (int stations : {1, 100, 10000})
        QTest::newRow(qPrintable(QString::number(stations))) << stations;
}

void bench_scaling::listRepaint_data()
{
    rowCounts();
}

// A full page from the middle of the list, with the selection on it.
void bench_scaling::listRepaint()
{
    QFETCH(int, rows);
    const std::unique_ptr<ListView> list = filledList(rows);
    const int first = qMin(rows / 2, rows - list->pageCount());
    list->setStartIdx(first);
    list->setSelectedIdx(first + 2);
    DisplayFrame frame;
    frame.paintWindows({list.get()});
    QBENCHMARK
    {
        frame.paintWindows({list.get()});
    }
    frame.saveShot(QStringLiteral("list-%1").arg(rows));
}

void bench_scaling::downKeys_data()
{
    rowCounts();
}

// A thousand presses and releases of Down, as delivered to the focused list; the repaints and
// focus checks they schedule run afterwards, outside the figure.
void bench_scaling::downKeys()
{
    QFETCH(int, rows);
    const std::unique_ptr<ListView> list = filledList(rows);
    QBENCHMARK
    {
        for (int key = 0; key < 1000; ++key) {
            QTest::keyPress(list.get(), Qt::Key_Down);
            QTest::keyRelease(list.get(), Qt::Key_Down);
        }
    }
    // The selection wraps from the last row to the first.
    QCOMPARE(list->selectedIdx(), 1000 % rows);
    BenchEnvironment::settle(50);
}

void bench_scaling::parseStations_data()
{
    stationCounts();
}

void bench_scaling::parseStations()
{
    QFETCH(int, stations);
    const QByteArray listing = BenchShell::stationListing(stations);
    QStringList parsed;
    QBENCHMARK
    {
        parsed = StationList::parse(listing);
    }
    QCOMPARE(parsed.size(), stations);
}

void bench_scaling::updateStatus_data()
{
    stationCounts();
}

// The rows rebuilt from the stations of the control tool's listing, handed to the screen as a
// finished query would: a query keeps its output to a bound far below 10,000 stations.
void bench_scaling::updateStatus()
{
    QFETCH(int, stations);
    BenchShell shell;
    SettingsHotspotInfo screen;
    SettingsHotspotInfoPrivate::setStations(
        &screen, StationList::parse(BenchShell::stationListing(stations)));
    QCOMPARE(SettingsHotspotInfoPrivate::deviceList(&screen).size(), stations);
    auto *list = screen.findChild<ListView *>();
    QBENCHMARK
    {
        screen.updateStatus();
    }
    QCOMPARE(list->itemSize(), stations);
}

HOTSPOT_BENCH_MAIN(bench_scaling)

#include "bench_scaling.moc"
