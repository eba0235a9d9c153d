#include "../rowcanvas.h"
#include "listviewvalueitems.h"

#include <QtTest>

using namespace RowCanvas;

namespace {

const QColor labelColour(0, 200, 0);
const QString blocks = QStringLiteral("\u2588\u2588");
const int right = rowRect.right();
const int top = rowRect.top();
const int left = rowRect.left();

// What an image drawn unscaled at a spot of the canvas looks like.
QImage composed(const QString &path)
{
    const QImage source(path);
    QImage image(source.size(), QImage::Format_RGB32);
    image.fill(background);
    QPainter(&image).drawImage(0, 0, source);
    return image;
}

} // namespace

class tst_ListViewValueItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pinFont(); }
    void progressValues_data();
    void progressValues();
    void progressSegments_data();
    void progressSegments();
    void infoTextArea_data();
    void infoTextArea();
    void networkIcon_data();
    void networkIcon();
    void checkLineEditLayout_data();
    void checkLineEditLayout();
    void lineEditCheckDrawsOnlyTheEditText();
    void editTextLength();
};

void tst_ListViewValueItems::progressValues_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");

    // Every row starts at maximum 10, value 5.
    QTest::newRow("value above the maximum") << "value" << 99 << 10 << 0 << 10;
    QTest::newRow("value below the minimum") << "value" << -3 << 0 << 0 << 10;
    QTest::newRow("minimum above the maximum") << "min" << 20 << 10 << 10 << 10;
    QTest::newRow("maximum 16 is refused") << "max" << 16 << 5 << 0 << 10;
    QTest::newRow("maximum 15") << "max" << 15 << 5 << 0 << 15;
    QTest::newRow("lower maximum carries the value") << "max" << 3 << 3 << 0 << 3;
}

void tst_ListViewValueItems::progressValues()
{
    QFETCH(QString, setter);
    QFETCH(int, argument);

    ListViewProgressItem row(QString(), 10);
    row.setValue(5);
    if (setter == QLatin1String("value")) {
        row.setValue(argument);
    } else if (setter == QLatin1String("min")) {
        row.setMinValue(argument);
    } else {
        if (argument >= 16)
            QTest::ignoreMessage(QtDebugMsg,
                "ListViewProgressItem::setMaxValue maxValue is over! "
                "check code! value: 16");
        row.setMaxValue(argument);
    }

    QTEST(row.value(), "value");
    QTEST(row.minValue(), "minimum");
    QTEST(row.maxValue(), "maximum");
}

void tst_ListViewValueItems::progressSegments_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("filled");

    QTest::newRow("normal") << false << ":/ui/images/setting_volume_press.png";
    QTest::newRow("selected") << true << ":/ui/images/setting_volume_press_focus.png";
}

void tst_ListViewValueItems::progressSegments()
{
    QFETCH(bool, selected);
    QFETCH(QString, filled);

    ListViewProgressItem row(QString(), 5);
    row.setValue(2);
    row.setSelected(selected);
    const QImage image = paintRow(row);
    const QImage empty = composed(QStringLiteral(":/ui/images/setting_volume_normal.png"));
    QVERIFY(empty.size() == QSize(8, 30));
    // The bar stands at fixed x positions, whatever the row's left edge: empty segments from
    // 450 leftwards, then the filled ones.
    for (int x : {450, 436, 422})
        QCOMPARE(image.copy(x, top + 6, 8, 30), empty);
    for (int x : {408, 394})
        QCOMPARE(image.copy(x, top + 6, 8, 30), composed(filled));
    QCOMPARE(changed(image, QRect(left, top, 394 - left, rowRect.height())), QRect());
}

void tst_ListViewValueItems::infoTextArea_data()
{
    QTest::addColumn<int>("leftMargin");
    QTest::addColumn<int>("rightMargin");

    QTest::newRow("default") << 255 << 0;
    QTest::newRow("margins") << 200 << 40;
}

void tst_ListViewValueItems::infoTextArea()
{
    QFETCH(int, leftMargin);
    QFETCH(int, rightMargin);

    const QRect wholeRow(0, 10, 480, 41);
    const QString longText(80, QChar(0x2588));
    ListViewInfoItem row(QString(), longText + QLatin1Char('X'));
    row.setTextColor(labelColour);
    row.setInfoLeftMargin(leftMargin);
    row.setInfoRightMargin(rightMargin);
    // The info row keeps its text colour when disabled.
    row.setItemSelectEnable(false);
    const QImage image = paintRow(row, wholeRow);
    QCOMPARE(inkOf(image, labelColour).left(), leftMargin);
    const QRect ink = changed(image, image.rect());
    QVERIFY(ink.right() <= leftMargin - rightMargin + 224);
    QVERIFY(ink.right() >= leftMargin - rightMargin + 224 - 14);
    // Elided: a different last character changes nothing.
    row.setInfoText(longText + QLatin1Char('Y'));
    QCOMPARE(paintRow(row, wholeRow), image);
}

void tst_ListViewValueItems::networkIcon_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("hold");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("icon");

    QTest::newRow("unknown") << 0 << false << false << ":/ui/images/icon_wifi_unknown_normal.png";
    QTest::newRow("unknown selected") << 6 << true << true << ":/ui/images/icon_wifi_unknown.png";
    QTest::newRow("level 5 selected")
        << 5 << false << true << ":/ui/images/icon_wifi_step4_press.png";
    QTest::newRow("level 3 hold selected")
        << 3 << true << true << ":/ui/images/icon_wifi_step2_hold_press.png";
}

void tst_ListViewValueItems::networkIcon()
{
    QFETCH(int, level);
    QFETCH(bool, hold);
    QFETCH(bool, selected);
    QFETCH(QString, icon);

    ListViewNetworkItem row(QString(), QStringLiteral("WPA2"));
    row.m_signalLevel = level;
    row.m_hold = hold;
    row.setSelected(selected);
    QCOMPARE(row.signalIconPath(), icon);
    const QImage image = paintRow(row);
    QCOMPARE(image.copy(right - 34, top + 11, 19, 16), composed(icon));
    const QRect info = changed(image, span(left + 231, right - 35));
    QVERIFY(info.right() <= right - 58 && info.right() > right - 64);
}

void tst_ListViewValueItems::checkLineEditLayout_data()
{
    QTest::addColumn<bool>("title");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("boxLeft");

    QTest::newRow("without title") << false << 20 << left + 54;
    QTest::newRow("with title") << true << 20 << left + 125 + 20;
}

void tst_ListViewValueItems::checkLineEditLayout()
{
    QFETCH(bool, title);
    QFETCH(int, margin);
    QFETCH(int, boxLeft);

    ListViewCheckLineEditItem titled(blocks, false, true, QString());
    ListViewCheckLineEditItem untitled(blocks, false, QString());
    ListViewCheckLineEditItem &row = title ? titled : untitled;
    QCOMPARE(row.useTitleText(), title);
    row.setTextColor(labelColour);
    row.setEditTextLeftMargin(margin);
    const QImage unchecked = paintRow(row);
    QCOMPARE(inkOf(unchecked, labelColour).isEmpty(), !title);
    if (title)
        QCOMPARE(inkOf(unchecked, labelColour).left(), left + 54);
    // The box band below the label's height holds only the box (the check box ends higher).
    QCOMPARE(changed(unchecked, QRect(left + 30, top + 36, 470, 2)).left(), boxLeft);
    QCOMPARE(changed(unchecked, span(left, left + 40)).left(), right - 464);

    row.setChecked(true);
    const QRect tick = changed(paintRow(row), rowRect, unchecked);
    QCOMPARE(tick,
        opaqueBox(QStringLiteral(":/ui/images/checkbox_check_icon.png"))
            .translated(right - 461, top + 8));

    // While the box is in use a selected row shows the pressed image, not the select colour.
    row.setBackGroundSelectColor(Qt::blue);
    row.setSelected(true);
    QVERIFY(QColor(paintRow(row).pixel(rowRect.topLeft())) != QColor(Qt::blue));
    row.setUseEditText(false);
    QCOMPARE(QColor(paintRow(row).pixel(rowRect.topLeft())), QColor(Qt::blue));
}

void tst_ListViewValueItems::lineEditCheckDrawsOnlyTheEditText()
{
    ListViewLineEditCheckItem labelled(blocks, false, true, QString());
    ListViewLineEditCheckItem unlabelled(QString(), false, true, QString());
    QCOMPARE(paintRow(labelled), paintRow(unlabelled));

    ListViewLineEditCheckItem row(QString(), false, true, blocks);
    row.setTextColor(labelColour);
    QCOMPARE(inkOf(paintRow(row), labelColour).left(), left + 14);
    row.setEchoPasswordMode(true);
    QVERIFY(inkOf(paintRow(row), labelColour).width() < 20);
}

void tst_ListViewValueItems::editTextLength()
{
    ListViewCheckLineEditItem check(QString(), false, QStringLiteral("abcdef"));
    check.setMaxLength(4);
    QCOMPARE(check.editText(), QStringLiteral("abcd"));
    check.setEditText(QStringLiteral("123456"));
    QCOMPARE(check.editText(), QStringLiteral("1234"));

    ListViewLineEditCheckItem edit(QString(), false, true, QStringLiteral("abcdef"));
    edit.setMaxLength(2);
    edit.setEditText(QStringLiteral("xyz"));
    QCOMPARE(edit.editText(), QStringLiteral("xy"));
}

QTEST_MAIN(tst_ListViewValueItems)
#include "tst_listviewvalueitems.moc"
