#include "listviewpresenceitem.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

namespace {

const QColor background(40, 50, 70);
// Off the canvas origin, so a position taken from the canvas instead of the row shows.
const QRect rowRect(10, 10, 480, 41);
const QColor textPen(0, 0, 200);
const QColor selectPen(255, 255, 0);
const QColor disabledPen(128, 0, 128);

QImage paintRow(ListViewItem &item)
{
    QImage image(500, 61, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    QRect rect = rowRect;
    item.paint(&painter, rect);
    return image;
}

QRect inkOf(const QImage &image, const QColor &colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour.rgb())
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class tst_ListViewPresenceItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void paint_data();
    void paint();
    void presenceIconDisc();
};

void tst_ListViewPresenceItem::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    // Whole pixels in one colour, so text can be found by its pen.
    font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
}

void tst_ListViewPresenceItem::paint_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("label");
    QTest::addColumn<QColor>("value");
    QTest::addColumn<bool>("filled");

    const QColor grey(155, 155, 155);
    const QColor white(255, 255, 255);
    QTest::newRow("plain") << false << false << true << true << textPen << grey << false;
    QTest::newRow("checked") << true << false << true << true << textPen << grey << false;
    QTest::newRow("selected") << false << true << true << true << selectPen << white << true;
    QTest::newRow("selected without focus")
        << true << true << false << true << selectPen << white << true;
    // A row that cannot be chosen greys its label only; the value keeps its colours.
    QTest::newRow("disabled") << false << false << true << false << disabledPen << grey << false;
    QTest::newRow("disabled, selected")
        << false << true << true << false << disabledPen << white << true;
}

void tst_ListViewPresenceItem::paint()
{
    QFETCH(bool, checked);
    QFETCH(bool, selected);
    QFETCH(bool, focus);
    QFETCH(bool, enabled);
    QFETCH(QColor, label);
    QFETCH(QColor, value);
    QFETCH(bool, filled);

    const QColor fill(95, 113, 160);
    ListViewPresenceItem item(QString(60, QLatin1Char('M')), QString(), !checked);
    item.setChecked(checked);
    item.setTextColor(textPen);
    item.setTextSelectColor(selectPen);
    item.setTextDisableColor(disabledPen);
    item.setBackGroundSelectColor(fill);
    item.setSelected(selected);
    item.setFocus(focus);
    item.setItemSelectEnable(enabled);
    const QImage bare = paintRow(item);
    const QColor under = filled ? fill : background;
    QCOMPARE(bare.pixelColor(rowRect.topLeft()), under);
    QCOMPARE(bare.pixelColor(rowRect.bottomRight()), under);

    const QPixmap mark(checked ? QStringLiteral(":/ui/images/radio_button_press.png")
                               : QStringLiteral(":/ui/images/radio_button_normal.png"));
    const QPixmap arrow(QStringLiteral(":/ui/images/next_button_icon.png"));
    QVERIFY(!mark.isNull() && !arrow.isNull());
    QImage expected(rowRect.size(), QImage::Format_RGB32);
    expected.fill(under);
    {
        QPainter painter(&expected);
        painter.drawPixmap(8, 12, mark);
        painter.drawPixmap(QRect(rowRect.width() - 34, 11, 19, 19), arrow);
    }
    // The label is cut at the end of its 216-pixel box, not shortened with an ellipsis.
    const QRect ink = inkOf(bare, label);
    QVERIFY(ink.left() >= rowRect.x() + 60 && ink.left() <= rowRect.x() + 63);
    QVERIFY(ink.right() <= rowRect.x() + 275 && ink.right() >= rowRect.x() + 272);
    // Apart from the label, only the radio mark and the arrow.
    QImage row = bare.copy(rowRect);
    for (QImage *image : {&row, &expected}) {
        QPainter painter(image);
        painter.fillRect(QRect(60, 0, 216, rowRect.height()), under);
    }
    QCOMPARE(row, expected);

    // The value right-aligned before the arrow in an 18-point font, whatever the painter had.
    item.setSelectedText(QStringLiteral("In a meeting"));
    QImage withValue = bare;
    {
        QPainter painter(&withValue);
        QFont eighteen = QApplication::font();
        eighteen.setPointSize(18);
        painter.setFont(eighteen);
        painter.setPen(value);
        painter.drawText(QRect(QPoint(rowRect.right() - 248, rowRect.top()),
                             QPoint(rowRect.right() - 43, rowRect.bottom())),
            Qt::AlignRight | Qt::AlignVCenter, item.selectedText());
    }
    QCOMPARE(paintRow(item), withValue);
}

void tst_ListViewPresenceItem::presenceIconDisc()
{
    ListViewPresenceItem item(QString(), QString(), false);
    QVERIFY(item.presenceIcon().isNull());
    const QRect iconArea(rowRect.x() + 26, rowRect.y() + 5, 30, 30);
    // No icon, no disc behind it.
    QCOMPARE(inkOf(paintRow(item).copy(iconArea), background), QRect(QPoint(), iconArea.size()));

    QPixmap clear(20, 20);
    clear.fill(Qt::transparent);
    item.setPixmapPresc(clear);
    QImage image = paintRow(item);
    const QPoint centre(rowRect.x() + 42, rowRect.y() + 21);
    QCOMPARE(image.pixelColor(centre + QPoint(7, 0)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(centre + QPoint(0, 10)), background);

    QPixmap solid(20, 20);
    solid.fill(QColor(0, 160, 0));
    item.setPixmapPresc(solid);
    QCOMPARE(inkOf(paintRow(item), QColor(0, 160, 0)),
        QRect(rowRect.x() + 33, rowRect.y() + 12, 20, 20));
}

QTEST_MAIN(tst_ListViewPresenceItem)
#include "tst_listviewpresenceitem.moc"
