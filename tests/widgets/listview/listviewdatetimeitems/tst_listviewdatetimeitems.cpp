#include "../rowcanvas.h"
#include "listviewdatetimeitems.h"

#include <QtTest>

using namespace RowCanvas;

namespace {

const QColor labelColour(0, 200, 0);
const QColor chosen(QStringLiteral("#e01c00"));
const QColor gray(155, 155, 155);
const QString blocks = QStringLiteral("\u2588\u2588");
const int right = rowRect.right();
const int top = rowRect.top();
const int left = rowRect.left();

} // namespace

class tst_ListViewDateTimeItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pinFont(); }
    void weekdayStrip_data();
    void weekdayStrip();
    void weekListReplacesLetters();
    void alarmRow();
    void timeEditRow_data();
    void timeEditRow();
};

void tst_ListViewDateTimeItems::weekdayStrip_data()
{
    QTest::addColumn<bool>("alarm");
    QTest::addColumn<int>("stripLeft");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("selected");

    QTest::newRow("date select, Monday") << false << right - 163 << 0 << false;
    QTest::newRow("date select, Sunday, row selected") << false << right - 163 << 6 << true;
    QTest::newRow("alarm, Thursday") << true << right - 173 << 3 << false;
}

void tst_ListViewDateTimeItems::weekdayStrip()
{
    QFETCH(bool, alarm);
    QFETCH(int, stripLeft);
    QFETCH(int, day);
    QFETCH(bool, selected);

    ListViewDateSelectItem date {QString()};
    ListViewAlarmItem alarmRow(QString(), QString(), false);
    ListViewItem &row = alarm ? static_cast<ListViewItem &>(alarmRow) : date;
    row.setSelected(selected);
    const QColor others = selected ? QColor(Qt::white) : gray;
    const QRect strip(stripLeft, top, 7 * 18, rowRect.height());

    const QImage plain = paintRow(row);
    QVERIFY(inkOf(plain, chosen).isEmpty());
    QVERIFY(strip.contains(inkOf(plain, others, strip)));
    QVERIFY(inkOf(plain, others, strip).width() > 6 * 18);

    if (alarm)
        alarmRow.setDateSelection(day, true);
    else
        date.setDateSelection(day, true);
    const QImage image = paintRow(row);
    const QRect cell(stripLeft + 18 * day, top, 18, rowRect.height());
    QVERIFY(!inkOf(image, chosen).isEmpty());
    QVERIFY(cell.contains(inkOf(image, chosen)));
    QVERIFY(inkOf(image, others, cell).isEmpty());

    // Turned off again, the day is drawn like the others.
    if (alarm)
        alarmRow.setDateSelection(day, false);
    else
        date.setDateSelection(day, false);
    QCOMPARE(paintRow(row), plain);
    QVERIFY(!date.isDataSelected(5));
}

void tst_ListViewDateTimeItems::weekListReplacesLetters()
{
    ListViewDateSelectItem row {QString()};
    row.setWeekList(QVector<QString>(7, QStringLiteral("\u258C")).toList());
    const QImage image = paintRow(row);
    // A half block in every cell: seven separate runs of gray across the strip's middle.
    int runs = 0;
    bool inRun = false;
    for (int x = right - 163; x < right - 163 + 126; ++x) {
        const bool ink = image.pixel(x, rowRect.center().y()) == gray.rgb();
        runs += ink && !inRun;
        inRun = ink;
    }
    QCOMPARE(runs, 7);
}

void tst_ListViewDateTimeItems::alarmRow()
{
    ListViewAlarmItem row(blocks, QString(60, QLatin1Char('W')) + QLatin1Char('X'), false);
    row.setTextColor(labelColour);
    // The alarm row keeps its text colour when disabled.
    row.setItemSelectEnable(false);
    const QImage unchecked = paintRow(row);
    QCOMPARE(inkOf(unchecked, labelColour).left(), left + 15);
    const QRect name = changed(unchecked, span(left + 40, right - 174));
    QVERIFY(name.left() >= left + 95 && name.right() <= left + 299);
    QVERIFY(name.right() > left + 299 - 20);
    row.setAlarmName(QString(60, QLatin1Char('W')) + QLatin1Char('Y'));
    QCOMPARE(paintRow(row), unchecked);
    QVERIFY(
        QRect(right - 37, top + 8, 24, 24).contains(changed(unchecked, span(right - 46, right))));

    row.setChecked(true);
    const QRect tick = changed(paintRow(row), rowRect, unchecked);
    QCOMPARE(tick,
        opaqueBox(QStringLiteral(":/ui/images/checkbox_check_icon.png"))
            .translated(right - 34, top + 8));
}

void tst_ListViewDateTimeItems::timeEditRow_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("textColour");

    QTest::newRow("enabled") << true << labelColour;
    QTest::newRow("disabled") << false << QColor(Qt::gray);
}

void tst_ListViewDateTimeItems::timeEditRow()
{
    QFETCH(bool, enabled);
    QFETCH(QColor, textColour);

    ListViewTimeEditItem empty {QString(), QString(), QString()};
    empty.setItemSelectEnable(enabled);
    const QRect box = changed(paintRow(empty), span(left, right - 50));
    if (enabled)
        QVERIFY(box.left() == left + 207 && box.right() <= left + 396);
    else
        QCOMPARE(box, QRect());

    ListViewTimeEditItem row(
        blocks, QStringLiteral("\u2588\u2588\u2588\u2588"), QStringLiteral("PM"));
    row.setTextColor(labelColour);
    row.setItemSelectEnable(enabled);
    const QImage image = paintRow(row);
    QCOMPARE(inkOf(image, textColour, span(left, left + 150)).left(), left + 15);
    // The time is centred between 216 and 387.
    const QRect time = inkOf(image, textColour, span(left + 200, left + 400));
    QVERIFY(qAbs(time.center().x() - (left + 216 + left + 387) / 2) <= 1);
    const QRect ampm = changed(image, span(left + 400, right - 34));
    QVERIFY(ampm.right() <= right - 43 && ampm.right() > right - 50);
}

QTEST_MAIN(tst_ListViewDateTimeItems)
#include "tst_listviewdatetimeitems.moc"
