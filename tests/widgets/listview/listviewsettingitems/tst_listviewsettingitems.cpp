#include "../rowcanvas.h"
#include "listviewdatetimeitems.h"
#include "listviewsettingitems.h"
#include "listviewvalueitems.h"

#include <QPixmapCache>
#include <QtTest>

#include <memory>

using namespace RowCanvas;

namespace {

const QColor labelColour(0, 200, 0);
const QString blocks = QStringLiteral("\u2588\u2588");
const int right = rowRect.right();
const int top = rowRect.top();
const int left = rowRect.left();

enum Kind { Check, Radio, Select, LineEdit };

std::unique_ptr<ListViewItem> makeRow(int kind, const QString &label = blocks)
{
    switch (kind) {
    case Check:
        return std::make_unique<ListViewCheckItem>(label, false);
    case Radio:
        return std::make_unique<ListViewRadioItem>(label, false);
    case Select:
        return std::make_unique<ListViewSelectItem>(label, QString());
    default:
        return std::make_unique<ListViewLineEditItem>(label, QString());
    }
}

} // namespace

class tst_ListViewSettingItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pinFont(); }
    void typeIds();
    void labelPen_data();
    void labelPen();
    void checkAndRadioMarks();
    void selectValueIsElidedLabelIsNot();
    void lineEditBoxAndValue_data();
    void lineEditBoxAndValue();
    void stretchedPiecesMatchAScaledDraw_data();
    void stretchedPiecesMatchAScaledDraw();
    void passwordIsMasked();
    void lineEditLimits_data();
    void lineEditLimits();
};

void tst_ListViewSettingItems::typeIds()
{
    // The list and the screens dispatch on these ids.
    const QString t;
    QCOMPARE(ListViewProgressItem(t, 5).type(), 1);
    QCOMPARE(ListViewSelectItem(t, t).type(), 2);
    QCOMPARE(ListViewCheckItem(t, false).type(), 3);
    QCOMPARE(ListViewRadioItem(t, false).type(), 4);
    QCOMPARE(ListViewLineEditItem(t, t).type(), 5);
    QCOMPARE(ListViewInfoItem(t, t).type(), 6);
    QCOMPARE(ListViewNetworkItem(t, t).type(), 7);
    QCOMPARE(ListViewAlarmItem(t, t, false).type(), 10);
    QCOMPARE(ListViewTimeEditItem(t, t, t).type(), 11);
    QCOMPARE(ListViewDateSelectItem(t).type(), 12);
    QCOMPARE(ListViewCheckLineEditItem(t, false, t).type(), 15);
    QCOMPARE(ListViewLineEditCheckItem(t, false, true, t).type(), 16);
}

void tst_ListViewSettingItems::labelPen_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("expected");

    // The kinds follow the selected flag alone; the row below has no list focus.
    QTest::newRow("check selected") << int(Check) << true << true << QColor(Qt::yellow);
    QTest::newRow("check") << int(Check) << false << true << labelColour;
    QTest::newRow("radio disabled") << int(Radio) << true << false << QColor(Qt::gray);
    QTest::newRow("select selected") << int(Select) << true << true << QColor(Qt::yellow);
    QTest::newRow("line edit disabled") << int(LineEdit) << false << false << QColor(Qt::gray);
}

void tst_ListViewSettingItems::labelPen()
{
    QFETCH(int, kind);
    QFETCH(bool, selected);
    QFETCH(bool, enabled);
    QFETCH(QColor, expected);

    auto row = makeRow(kind);
    row->setTextColor(labelColour);
    row->setFocus(false);
    row->setSelected(selected);
    row->setItemSelectEnable(enabled);
    row->setBackGroundSelectColor(Qt::blue);
    const QImage image = paintRow(*row);
    QCOMPARE(inkOf(image, expected).left(), left + 15);
    // Line-edit rows show their pressed image instead of the select colour.
    const bool filled = selected && kind != LineEdit;
    QCOMPARE(image.pixel(rowRect.topLeft()) == QColor(Qt::blue).rgb(), filled);
}

void tst_ListViewSettingItems::checkAndRadioMarks()
{
    ListViewCheckItem check(QString(), false);
    const QImage unchecked = paintRow(check);
    QCOMPARE(changed(unchecked, rowRect).left(), right - 37);
    QVERIFY(QRect(right - 37, top + 8, 24, 24).contains(changed(unchecked, rowRect)));
    check.setChecked(true);
    const QRect tick = changed(paintRow(check), rowRect, unchecked);
    QCOMPARE(tick,
        opaqueBox(QStringLiteral(":/ui/images/checkbox_check_icon.png"))
            .translated(right - 34, top + 8));

    ListViewRadioItem radio(QString(), false);
    const QImage normal = paintRow(radio);
    QVERIFY(QRect(right - 39, top + 15, 16, 16).contains(changed(normal, rowRect)));
    radio.setChecked(true);
    const QRect mark = changed(paintRow(radio), rowRect, normal);
    QVERIFY(!mark.isEmpty() && QRect(right - 39, top + 15, 16, 16).contains(mark));
    QCOMPARE(changed(normal, rowRect).topLeft(),
        opaqueBox(QStringLiteral(":/ui/images/radio_button_normal.png")).topLeft()
            + QPoint(right - 39, top + 15));
}

void tst_ListViewSettingItems::selectValueIsElidedLabelIsNot()
{
    const QString longValue = QString(40, QLatin1Char('W'));
    ListViewSelectItem endsX(QString(40, QChar(0x2588)), longValue + QLatin1Char('X'));
    ListViewSelectItem endsY(QString(), longValue + QLatin1Char('Y'));
    endsX.setTextColor(labelColour);
    const QImage x = paintRow(endsX);
    const QImage y = paintRow(endsY);

    const QRect valueArea = span(right - 248, right - 43);
    const QRect value = changed(y, valueArea);
    QVERIFY(value.left() >= right - 248 && value.right() <= right - 43);
    QVERIFY(value.right() >= right - 46);
    // Elided, both values end in the same ellipsis.
    QCOMPARE(changed(x, valueArea, y), QRect());
    // The label is clipped to its 216 pixels, never shortened with an ellipsis.
    QCOMPARE(inkOf(x, labelColour).right(), left + 15 + 216 - 1);
    QVERIFY(!changed(x, QRect(right - 33, top + 11, 19, 19)).isEmpty());

    ListViewSelectItem shortValue(QString(), QStringLiteral("ab"));
    QVERIFY(changed(paintRow(shortValue), valueArea).left() > right - 100);
}

void tst_ListViewSettingItems::lineEditBoxAndValue_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("valueColour");

    QTest::newRow("plain") << 0 << false << true << labelColour;
    QTest::newRow("selected keeps the text colour, margin") << 30 << true << true << labelColour;
    QTest::newRow("disabled") << 0 << false << false << QColor(Qt::gray);
}

void tst_ListViewSettingItems::lineEditBoxAndValue()
{
    QFETCH(int, margin);
    QFETCH(bool, selected);
    QFETCH(bool, enabled);
    QFETCH(QColor, valueColour);

    ListViewLineEditItem row(QString(), blocks);
    row.setTextColor(labelColour);
    row.setEditTextLeftMargin(margin);
    row.setSelected(selected);
    row.setItemSelectEnable(enabled);
    const QImage image = paintRow(row);
    const int base = left + 125 + margin;
    const QRect value = inkOf(image, valueColour);
    QCOMPARE(value.left(), base + 9);
    QVERIFY(value.top() >= top + 9 && value.bottom() <= top + 31);
    if (selected)
        QVERIFY(inkOf(image, Qt::yellow).isEmpty());

    ListViewLineEditItem empty {QString(), QString()};
    empty.setEditTextLeftMargin(margin);
    const QRect box = changed(paintRow(empty), rowRect);
    QCOMPARE(box.left(), base);
    QVERIFY(QRect(base, top + 3, rowRect.width() - 140 - margin + 1, 35).contains(box));
}

void tst_ListViewSettingItems::stretchedPiecesMatchAScaledDraw_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QRect>("piece");
    QTest::addColumn<QString>("image");

    QTest::newRow("check box middle") << int(Check) << QRect(right - 35, top + 8, 20, 24)
                                      << QStringLiteral(":/ui/images/checkbox_bg_center.png");
    QTest::newRow("text box middle")
        << int(LineEdit) << QRect(left + 127, top + 3, rowRect.width() - 143, 35)
        << QStringLiteral(":/ui/images/inputbox_center.png");
}

// The stretched middle pieces are scaled once and then blitted from the pixmap cache: the
// first paint and every later one must give the pixels of drawing the piece scaled in place.
void tst_ListViewSettingItems::stretchedPiecesMatchAScaledDraw()
{
    QFETCH(int, kind);
    QFETCH(QRect, piece);
    QFETCH(QString, image);

    QImage expected = paintRow(*makeRow(kind, QString()));
    {
        QPainter painter(&expected);
        painter.fillRect(piece, background);
        painter.drawPixmap(piece, QPixmap(image));
    }
    QPixmapCache::clear();
    const std::unique_ptr<ListViewItem> row = makeRow(kind, QString());
    const QImage first = paintRow(*row);
    const QImage again = paintRow(*row);
    QVERIFY(!changed(first, piece).isEmpty());
    QCOMPARE(changed(first, piece, expected), QRect());
    QCOMPARE(changed(again, piece, expected), QRect());
}

void tst_ListViewSettingItems::passwordIsMasked()
{
    ListViewLineEditItem masked(QString(), QStringLiteral("abc"));
    masked.setEchoPasswordMode(true);
    ListViewLineEditItem stars(QString(), QStringLiteral("***"));
    ListViewLineEditItem plain(QString(), QStringLiteral("abc"));
    for (ListViewItem *row : {static_cast<ListViewItem *>(&masked),
             static_cast<ListViewItem *>(&stars), static_cast<ListViewItem *>(&plain)})
        row->setTextColor(labelColour);
    QCOMPARE(paintRow(masked), paintRow(stars));
    QVERIFY(paintRow(masked) != paintRow(plain));
}

void tst_ListViewSettingItems::lineEditLimits_data()
{
    QTest::addColumn<bool>("bytesFirst");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("finalLength");
    QTest::addColumn<int>("finalBytes");

    const QString wide = QStringLiteral("ab\uAC00");
    // A negative limit is refused, so that setter changes nothing.
    QTest::newRow("byte limit keeps the two-byte character that reaches it")
        << false << -1 << 3 << wide << wide << 3 << 3;
    QTest::newRow("byte limit on Latin letters") << false << -1 << 3 << "abcd"
                                                 << "abc" << 3 << 3;
    QTest::newRow("bytes above the length are lowered to it") << false << 10 << 20 << "x"
                                                              << "x" << 10 << 10;
    QTest::newRow("bytes without a length set both") << false << -1 << 20 << "x"
                                                     << "x" << 20 << 20;
    QTest::newRow("a lower length lowers the bytes and cuts by bytes")
        << true << 5 << 10 << QStringLiteral("abc\uAC00de") << QStringLiteral("abc\uAC00") << 5
        << 5;
    QTest::newRow("length cuts characters") << false << 2 << -1 << wide << "ab" << 2 << 0;
    QTest::newRow("no limits") << false << 0 << 0 << wide << wide << 0 << 0;
}

void tst_ListViewSettingItems::lineEditLimits()
{
    QFETCH(bool, bytesFirst);
    QFETCH(int, maxLength);
    QFETCH(int, maxBytes);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(int, finalLength);
    QFETCH(int, finalBytes);

    // The setters cut the stored text, and setEditText cuts new text the same way.
    ListViewLineEditItem row(QString(), text);
    if (bytesFirst)
        row.setMaxBytes(maxBytes);
    row.setMaxLength(maxLength);
    if (!bytesFirst)
        row.setMaxBytes(maxBytes);
    QCOMPARE(row.editText(), stored);
    row.setEditText(text);
    QCOMPARE(row.editText(), stored);
    QCOMPARE(row.getMaxLength(), finalLength);
    QCOMPARE(row.getMaxBytes(), finalBytes);
}

QTEST_MAIN(tst_ListViewSettingItems)
#include "tst_listviewsettingitems.moc"
