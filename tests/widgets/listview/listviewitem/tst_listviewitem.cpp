#include "../rowcanvas.h"
#include "listviewitem.h"

#include <QPixmap>
#include <QtTest>

using namespace RowCanvas;

namespace {

const QColor labelColour(0, 200, 0);
const QString blocks = QStringLiteral("\u2588\u2588");

QPixmap solid(const QColor &colour)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(colour);
    return pixmap;
}

} // namespace

class tst_ListViewItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pinFont(); }
    void pixmaps();
    void labelPen_data();
    void labelPen();
    void selectBackground_data();
    void selectBackground();
    void labelLayout_data();
    void labelLayout();
    void longLabelIsElided();
};

void tst_ListViewItem::pixmaps()
{
    ListViewItem item;
    QVERIFY(!item.pixmap(2));
    QVERIFY(!item.pixmap(-1));
    item.setPixmap(QPixmap(), QPixmap());
    QVERIFY(!item.pixmap(0));
    QVERIFY(item.pixmap(1) && item.pixmap(1)->isNull());

    item.setPixmap(solid(Qt::red), QPixmap());
    QCOMPARE(item.pixmap(1)->toImage(), solid(Qt::red).toImage());
    // A null normal pixmap keeps the one there is.
    item.setPixmap(QPixmap(), solid(Qt::blue));
    QCOMPARE(item.pixmap(0)->toImage(), solid(Qt::red).toImage());
    QCOMPARE(item.pixmap(1)->toImage(), solid(Qt::blue).toImage());

    ListViewItem full(QStringLiteral("a"), QPixmap(), solid(Qt::red));
    QVERIFY(!full.pixmap(0));
    QVERIFY(full.pixmap(1));
}

void tst_ListViewItem::labelPen_data()
{
    QTest::addColumn<bool>("fullConstructor");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("plain row selected") << false << true << true << true << QColor(Qt::white);
    QTest::newRow("selected") << true << true << true << true << QColor(Qt::yellow);
    QTest::newRow("selected without focus") << true << false << true << true << labelColour;
    QTest::newRow("not selected") << true << true << false << true << labelColour;
    QTest::newRow("disabled") << true << true << false << false << QColor(Qt::gray);
    QTest::newRow("disabled and selected") << true << true << true << false << QColor(Qt::gray);
}

void tst_ListViewItem::labelPen()
{
    QFETCH(bool, fullConstructor);
    QFETCH(bool, focus);
    QFETCH(bool, selected);
    QFETCH(bool, enabled);
    QFETCH(QColor, expected);

    ListViewItem plain;
    ListViewItem full(blocks, QPixmap(), QPixmap());
    ListViewItem &item = fullConstructor ? full : plain;
    item.setText(blocks);
    item.setTextColor(labelColour);
    item.setFocus(focus);
    item.setSelected(selected);
    item.setItemSelectEnable(enabled);
    QVERIFY(!inkOf(paintRow(item), expected, rowRect).isEmpty());
}

void tst_ListViewItem::selectBackground_data()
{
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("selectColour");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("no focus, no select colour set")
        << false << true << QColor() << QColor(Qt::lightGray);
    QTest::newRow("focus, no select colour set") << true << true << QColor() << background;
    QTest::newRow("focus, select colour") << true << true << QColor(Qt::blue) << QColor(Qt::blue);
    QTest::newRow("not selected") << false << false << QColor(Qt::blue) << background;
}

void tst_ListViewItem::selectBackground()
{
    QFETCH(bool, focus);
    QFETCH(bool, selected);
    QFETCH(QColor, selectColour);
    QFETCH(QColor, expected);

    ListViewItem item(QStringLiteral(" "), QPixmap(), QPixmap());
    item.setFocus(focus);
    item.setSelected(selected);
    item.setBackGroundSelectColor(selectColour);
    const QImage image = paintRow(item);
    QCOMPARE(QColor(image.pixel(rowRect.topLeft())), expected);
    QCOMPARE(QColor(image.pixel(rowRect.bottomRight())), expected);
    QCOMPARE(QColor(image.pixel(rowRect.topLeft() - QPoint(1, 1))), background);
}

void tst_ListViewItem::labelLayout_data()
{
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<bool>("twoColumn");
    QTest::addColumn<int>("labelLeft");

    // With an icon the label starts at a fixed x, whatever the row's left edge.
    QTest::newRow("icon") << true << false << 53;
    QTest::newRow("two column") << false << true << rowRect.left();
    QTest::newRow("plain") << false << false << rowRect.left() + 15;
}

void tst_ListViewItem::labelLayout()
{
    QFETCH(bool, withIcon);
    QFETCH(bool, twoColumn);
    QFETCH(int, labelLeft);

    ListViewItem item(blocks, withIcon ? solid(Qt::red) : QPixmap(), solid(Qt::blue));
    item.setTextColor(labelColour);
    item.setTwoColumn(twoColumn);
    const QImage image = paintRow(item);
    QCOMPARE(inkOf(image, labelColour).left(), labelLeft);
    QCOMPARE(inkOf(image, Qt::red),
        withIcon ? QRect(rowRect.topLeft() + QPoint(15, 9), QSize(20, 20)) : QRect());

    // The selected icon replaces the normal one only while the list has focus.
    item.setSelected(true);
    QCOMPARE(inkOf(paintRow(item), Qt::blue).isEmpty(), !withIcon);
    item.setFocus(false);
    QVERIFY(inkOf(paintRow(item), Qt::blue).isEmpty());
}

void tst_ListViewItem::longLabelIsElided()
{
    const QString longText(60, QChar(0x2588));
    ListViewItem item(longText + QLatin1Char('X'), QPixmap(), QPixmap());
    const QImage image = paintRow(item);
    // Cut with an ellipsis: a different last character changes nothing.
    item.setText(longText + QLatin1Char('Y'));
    QCOMPARE(paintRow(item), image);
    QVERIFY(changed(image, image.rect()).right() <= rowRect.right());
}

QTEST_MAIN(tst_ListViewItem)
#include "tst_listviewitem.moc"
