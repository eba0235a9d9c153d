#include "listviewcallitem_p.h"
#include "listviewcontactitem.h"
#include "listviewpresenceitem.h"
#include "listviewsubtitleitem.h"
#include "rowcanvas.h"

#include <QtTest>

using namespace RowCanvas;

namespace {

const QString defaultThumbnail = QStringLiteral(":/call/images/call/call_thumbnail_img.png");
qint64 fakeNow = 0;
const QColor textPen(250, 250, 250);

} // namespace

// The rows of the call, contact and history screens. Where the rows put their pieces is held
// by the gallery's golden pictures (tests/baselines); these check what the pictures cannot.
class tst_ListViewCallItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pinFont(false); }
    void cleanup() { ListViewCallItemPrivate::setClock(nullptr); }
    void iconTables_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("code");
        // Empty: the icon the row had before stays.
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("showTimer");
        QTest::newRow("history 23")
            << 1 << 23 << ":/call/images/call/icon_msg_missed_press.png" << false;
        QTest::newRow("history 13, none") << 1 << 13 << QString() << false;
        // Any code turns the duration on in the active-line mode, even one without an icon.
        QTest::newRow("line 4") << 2 << 4 << QString() << true;
    }
    void iconTables()
    {
        QFETCH(int, mode);
        QFETCH(int, code);
        QFETCH(QString, icon);

        // A picture no code names.
        const QString before = QStringLiteral(":/ui/images/menu_press.png");
        ListViewCallItem item(mode, nullptr);
        item.setThumbnailPath(before);
        item.setThumbnail(code);
        QCOMPARE(pixmapImage(ListViewCallItemPrivate::thumbnail(item)),
            imageFile(icon.isEmpty() ? before : icon));
        QTEST(item.showTimer(), "showTimer");
        // A missing file falls back to the standard picture.
        item.setThumbnailPath(QStringLiteral(":/no/such/picture.png"));
        QCOMPARE(
            pixmapImage(ListViewCallItemPrivate::thumbnail(item)), imageFile(defaultThumbnail));
    }
    void duration_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<QString>("text");

        QTest::newRow("first paint") << 3725 << 0 << "01:02:05";
        QTest::newRow("a second on") << 3725 << 1000 << "01:02:06";
        QTest::newRow("a day is not wrapped") << 0 << (25 * 3600 + 3) * 1000 << "25:00:03";
        QTest::newRow("negative start") << -5 << 0 << "00:00:00";
    }
    void duration()
    {
        QFETCH(int, start);
        QFETCH(int, elapsedMs);

        fakeNow = 1000000;
        ListViewCallItemPrivate::setClock([] { return fakeNow; });
        ListViewCallItem item(ListViewCallItem::ActiveLineMode, nullptr);
        item.setThumbnail(13);
        QVERIFY(item.setStartTime(start));
        QCOMPARE(item.startTime(), 0);
        paintRow(item);
        const QString first = ListViewCallItemPrivate::timeText(item);
        fakeNow += elapsedMs;
        // Worked out when painted, not when asked.
        QCOMPARE(ListViewCallItemPrivate::timeText(item), first);
        paintRow(item);
        QTEST(ListViewCallItemPrivate::timeText(item), "text");
    }
    void labelElidedForGood()
    {
        // A label that one pixel more would cut differently: the history row's 135 pixels decide.
        const int width = 135;
        const QFontMetrics metrics(QApplication::font());
        QString full = QStringLiteral(
            "Bartholomew Montgomery-Fitzgerald of Kensington, Chelsea and Westminster");
        while (!full.isEmpty()
            && metrics.elidedText(full, Qt::ElideRight, width)
                == metrics.elidedText(full, Qt::ElideRight, width + 1))
            full.remove(0, 1);
        QVERIFY(!full.isEmpty());
        ListViewCallItem item(ListViewCallItem::HistoryMode, nullptr);
        item.setLabelText(full);
        paintRow(item);
        const QString cut = metrics.elidedText(full, Qt::ElideRight, width);
        QCOMPARE(item.labelText(), cut);
        paintRow(item);
        QCOMPARE(item.labelText(), cut);
    }
    void keepsPhotoWhenSelected()
    {
        const QColor photo(0, 0, 255);
        ListViewContactItem item(QString {});
        item.setPixmap(solid({64, 48}, photo), QPixmap());
        item.setOffset(20, 5);
        item.setSize(32, 32);
        item.setSelected(true);
        QCOMPARE(inkOf(paintRow(item), photo), QRect(rowRect.x() + 20, rowRect.y() + 5, 32, 32));
    }
    // The white disc backs an icon; without one there is none.
    void presenceDisc()
    {
        const QPoint discEdge(rowRect.x() + 49, rowRect.y() + 21);
        ListViewPresenceItem item(QString(), QString(), true);
        item.setPixmapPresc(solid({20, 20}, Qt::transparent));
        QCOMPARE(QColor(paintRow(item).pixel(discEdge)), QColor(Qt::white));
        ListViewPresenceItem bare(QString(), QString(), false);
        QCOMPARE(QColor(paintRow(bare).pixel(discEdge)), background);
    }
    void historyLabels_data()
    {
        // The two lines, and the label a plain row as wide shows; the pictures hold the rest.
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("textWidth");

        QTest::newRow("unknown, number") << QStringList {"Unknown", "5551234", "5551234"} << -1;
        QTest::newRow("both") << QStringList {"Alice", "5551234", "Alice (5551234)"} << -1;
        // The fixed text is shortened like any label.
        QTest::newRow("no information, narrow")
            << QStringList {"Unknown", "", "No Information"} << 60;
        QTest::newRow("percent signs") << QStringList {"50%2 off", "x%1", "50%2 off (x%1)"} << -1;
    }
    void historyLabels()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, textWidth);

        ListViewSubTitleItemHistory item(QStringLiteral("not drawn"));
        item.setTextColor(textPen);
        item.setTextLine1(lines[0]);
        item.setTextLine2(lines[1]);
        item.setTextWidth(textWidth);
        ListViewSubTitleItem expected(lines[2]);
        expected.setTextColor(textPen);
        expected.setTextWidth(textWidth);
        QCOMPARE(paintRow(item), paintRow(expected));
    }
    void historyTwoLines_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::newRow("point-sized font") << QFont();
        QFont pixels;
        pixels.setPixelSize(20);
        QTest::newRow("pixel-sized font") << pixels;
    }
    void historyTwoLines()
    {
        QFETCH(QFont, font);
        QString line1 = QStringLiteral("Alexander Richardson");
        QString line2 = QStringLiteral("+44 20 7946 0958");
        ListViewSubTitleItemHistory item(QString {});
        item.setTextColor(textPen);
        item.setTextLine1(line1);
        item.setTextLine2(line2);
        // "Alexander Richardson (+44 20 7946 0958)" does not fit in 250 pixels; each line does.
        item.setTextWidth(250);
        const QImage image = paintRow(item, rowRect, font);
        const QRect first = inkOf(image, textPen);
        const QRect second = inkOf(image, QColor(155, 155, 155));
        QVERIFY(first.top() > rowRect.top() && first.bottom() < second.top()
            && second.bottom() < rowRect.bottom());
        QVERIFY(
            first.right() <= rowRect.x() + 15 + 250 && second.right() <= rowRect.x() + 15 + 250);
    }
};

QTEST_MAIN(tst_ListViewCallItems)
#include "tst_listviewcallitems.moc"
