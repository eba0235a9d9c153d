#include "listviewsubtitleitem.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

namespace {

const QColor background(30, 40, 60);
// Off the canvas origin, so a position taken from the canvas instead of the row shows.
const QRect rowRect(10, 10, 480, 41);
const QColor textPen(250, 250, 250);
const QColor selectPen(255, 255, 0);
const QColor disabledPen(128, 0, 128);
const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
// Solid glyphs: a fragment of them shows exactly where it was drawn.
const QString block = QStringLiteral("\u2588\u2588");

QImage canvas()
{
    QImage image(500, 61, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QImage paintRow(ListViewItem &item, const QFont &font = QFont())
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setFont(font);
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

int advance(const QString &text)
{
    return QFontMetrics(QApplication::font()).horizontalAdvance(text);
}

// The ink of a block fragment drawn by a plain painter into a 142-pixel box at x 0: glyph
// bearings are the font's business, not the row's.
QRect blockInk(int flags = Qt::AlignLeft | Qt::AlignVCenter, const QFont &font = QFont())
{
    QImage image(300, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(50, 0, 142, 80), flags, block);
    painter.end();
    return inkOf(image, Qt::white).translated(-50, 0);
}

int blockLeft(int x, const QFont &font = QFont())
{
    return x + blockInk(Qt::AlignLeft | Qt::AlignVCenter, font).left();
}

template<typename Item> void style(Item &item)
{
    item.setTextColor(textPen);
    item.setTextSelectColor(selectPen);
    item.setTextDisableColor(disabledPen);
}

QStringList warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        warnings.append(message);
}

} // namespace

class tst_ListViewSubTitleItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void label_data();
    void label();
    void iconPlacement_data();
    void iconPlacement();
    void pens_data();
    void pens();
    void fragmentPlaces_data();
    void fragmentPlaces();
    void fragmentFonts();
    void subtitleAlignmentBox();
    void subTitleIndex();
    void shadow();
    void historyLabels_data();
    void historyLabels();
    void historyTwoLines_data();
    void historyTwoLines();
    void historyFragmentsFollowOwnText();
};

void tst_ListViewSubTitleItem::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    // Whole pixels in one colour, so text can be found by its pen.
    font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
}

void tst_ListViewSubTitleItem::label_data()
{
    QTest::addColumn<bool>("icon");
    QTest::addColumn<bool>("group");
    QTest::addColumn<int>("textWidth");
    // The label box: inclusive edges as absolute x, and how far above the row it sits.
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("rise");

    QTest::newRow("plain") << false << false << -1 << 25 << 489 << 0;
    QTest::newRow("width 100") << false << false << 100 << 25 << 124 << 0;
    QTest::newRow("group") << false << true << -1 << 20 << 484 << 10;
    QTest::newRow("group width 100") << false << true << 100 << 20 << 119 << 10;
    // With an icon the label starts at a fixed x whatever the row's left edge.
    QTest::newRow("icon") << true << false << -1 << 53 << 479 << 0;
    QTest::newRow("icon width 100") << true << false << 100 << 53 << 152 << 0;
    QTest::newRow("icon in a group") << true << true << -1 << 53 << 479 << 0;
}

void tst_ListViewSubTitleItem::label()
{
    QFETCH(bool, icon);
    QFETCH(bool, group);
    QFETCH(int, textWidth);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, rise);

    const QRect box(QPoint(left, rowRect.top() - rise), QPoint(right, rowRect.bottom() - rise));
    const QFontMetrics metrics(QApplication::font());
    // A short label, and labels that a box one pixel narrower or wider would cut differently.
    QStringList labels {QStringLiteral("Ivan")};
    const QString names = QStringLiteral(
        "Bartholomew Montgomery-Fitzgerald of Kensington, Chelsea and Westminster ")
                              .repeated(3);
    for (int delta : {-1, 1}) {
        for (int from = 0; from < 60; ++from) {
            const QString candidate = names.mid(from);
            if (metrics.elidedText(candidate, Qt::ElideRight, box.width())
                != metrics.elidedText(candidate, Qt::ElideRight, box.width() + delta)) {
                labels.append(candidate);
                break;
            }
        }
    }
    QCOMPARE(labels.size(), 3);

    for (const QString &text : qAsConst(labels)) {
        ListViewSubTitleItem item(QString {});
        style(item);
        if (icon) {
            QPixmap picture(20, 20);
            picture.fill(Qt::transparent);
            item.setPixmap(picture, QPixmap());
        }
        item.setGroupNameItem(group);
        QCOMPARE(item.isGroupNameItem(), group);
        item.setTextWidth(textWidth);
        QImage expected = paintRow(item);
        item.setText(text);
        QPainter painter(&expected);
        painter.setPen(textPen);
        painter.drawText(
            box, item.alignment(), metrics.elidedText(text, Qt::ElideRight, box.width()));
        painter.end();
        QCOMPARE(paintRow(item), expected);
    }
}

void tst_ListViewSubTitleItem::iconPlacement_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<int>("top");
    QTest::addColumn<QColor>("shown");

    QTest::newRow("short icon centred") << 20 << false << true << 10 << red;
    QTest::newRow("tall icon at 9") << 45 << false << true << 9 << red;
    QTest::newRow("row-high icon at 9") << 41 << false << true << 9 << red;
    QTest::newRow("selected with focus") << 20 << true << true << 10 << green;
    QTest::newRow("selected without focus") << 20 << true << false << 10 << red;
}

void tst_ListViewSubTitleItem::iconPlacement()
{
    QFETCH(int, height);
    QFETCH(bool, selected);
    QFETCH(bool, focus);
    QFETCH(int, top);
    QFETCH(QColor, shown);

    QPixmap normal(20, height);
    normal.fill(red);
    QPixmap lit(20, height);
    lit.fill(green);
    ListViewSubTitleItem item(QStringLiteral("Judy"));
    item.setPixmap(normal, lit);
    item.setSelected(selected);
    item.setFocus(focus);
    QCOMPARE(inkOf(paintRow(item), shown),
        QRect(rowRect.x() + 15, rowRect.y() + top, 20, height) & canvas().rect());
}

void tst_ListViewSubTitleItem::pens_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("label");
    QTest::addColumn<QColor>("fragment");
    QTest::addColumn<bool>("filled");

    QTest::newRow("plain") << false << true << true << textPen << red << false;
    QTest::newRow("selected") << true << true << true << selectPen << green << true;
    // Unlike the plain row, no fill and no highlight without the focus.
    QTest::newRow("selected without focus") << true << false << true << textPen << red << false;
    // Fragments keep their own colours on a row that cannot be chosen.
    QTest::newRow("disabled") << false << true << false << disabledPen << red << false;
    QTest::newRow("disabled, selected") << true << true << false << disabledPen << green << true;
}

void tst_ListViewSubTitleItem::pens()
{
    QFETCH(bool, selected);
    QFETCH(bool, focus);
    QFETCH(bool, enabled);
    QFETCH(QColor, label);
    QFETCH(QColor, fragment);
    QFETCH(bool, filled);

    const QColor fill(95, 113, 160);
    ListViewSubTitleItem item(QStringLiteral("Kim"));
    style(item);
    item.setBackGroundSelectColor(fill);
    item.addSubTitle(block, 300, -1, red, green);
    item.setSelected(selected);
    item.setFocus(focus);
    item.setItemSelectEnable(enabled);
    const QImage image = paintRow(item);

    QCOMPARE(image.pixelColor(rowRect.topLeft()), filled ? fill : background);
    QCOMPARE(image.pixelColor(rowRect.bottomRight()), filled ? fill : background);
    const QRect ink = inkOf(image, label);
    QVERIFY(ink.left() >= rowRect.x() + 15 && ink.right() < rowRect.x() + 15 + advance("Kim"));
    QCOMPARE(inkOf(image, fragment).left(), blockLeft(300));
}

void tst_ListViewSubTitleItem::fragmentPlaces_data()
{
    QTest::addColumn<bool>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("x1");
    // Where the second fragment, placed after the first, must start; -1 is 10 pixels past the
    // first one's text.
    QTest::addColumn<int>("second");

    QTest::newRow("both after the label") << false << "Mallory" << -1 << -1;
    // A fragment with a fixed x does not move the cursor past its text.
    QTest::newRow("fixed, then after it") << false << QString(40, QLatin1Char('W')) << 300 << 310;
    // In a heading, fragments move right by the row's left edge and 10 pixels down.
    QTest::newRow("group") << true << "Friends" << 300 << 310;
}

void tst_ListViewSubTitleItem::fragmentPlaces()
{
    QFETCH(bool, group);
    QFETCH(QString, label);
    QFETCH(int, x1);
    QFETCH(int, second);

    ListViewSubTitleItem item(label);
    style(item);
    item.setGroupNameItem(group);
    item.addSubTitle(block, x1, -1, red, red);
    item.addSubTitle(block, -1, -1, green, green);
    item.addSubTitle(block, -1, -1, blue, blue);
    const QImage image = paintRow(item);

    const int shift = group ? rowRect.x() : 0;
    const int first = x1 == -1 ? rowRect.x() + 15 + advance(label) + 10 : x1;
    if (second == -1)
        second = first + advance(block) + 10;
    QCOMPARE(inkOf(image, red).left(), blockLeft(first + shift));
    QCOMPARE(inkOf(image, green).left(), blockLeft(second + shift));
    QCOMPARE(inkOf(image, blue).left(), blockLeft(second + advance(block) + 10 + shift));
    const int drop = group ? 10 : 0;
    QVERIFY(qAbs(inkOf(image, green).center().y() - (rowRect.center().y() + drop)) <= 2);
}

void tst_ListViewSubTitleItem::fragmentFonts()
{
    ListViewSubTitleItem item(QString {});
    item.addSubTitle(block, -1, 20, red, red);
    item.addSubTitle(block, -1, -1, green, green);
    item.addSubTitle(QString(30, QLatin1Char('M')), 300, 0, blue, blue);
    item.subTitle(2)->setTextWidth(60);
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    const QImage image = paintRow(item, QFont(QStringLiteral("DejaVu Sans"), 30));
    qInstallMessageHandler(previous);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));

    QFont large = QApplication::font();
    large.setPointSize(20);
    const int start = rowRect.x() + 15 + 10;
    const QRect first = inkOf(image, red);
    QCOMPARE(first.left(), blockLeft(start, large));
    QCOMPARE(first.height(), blockInk(Qt::AlignLeft | Qt::AlignVCenter, large).height());
    // Placed by the first one's width in the font before its own (the painter's 30 points),
    // drawn in the size the first one set.
    const int before
        = QFontMetrics(QFont(QStringLiteral("DejaVu Sans"), 30)).horizontalAdvance(block);
    QCOMPARE(inkOf(image, green).left(), blockLeft(start + before + 10, large));
    QCOMPARE(inkOf(image, green).height(), first.height());
    // A size of 0 is a fresh default font; the text is cut to the fragment's width.
    const QRect cut = inkOf(image, blue);
    QVERIFY(cut.height() < first.height());
    QVERIFY2(cut.right() <= 359 && cut.right() >= 359 - advance("M") - 3,
        qPrintable(QString::number(cut.right())));
}

void tst_ListViewSubTitleItem::subtitleAlignmentBox()
{
    ListViewSubTitleItem item(QStringLiteral("Olivia"));
    item.addSubTitle(block, 200, -1, green, green);
    item.addSubTitle(block, 300, -1, red, red);
    QCOMPARE(item.setSubtitleAlignment(Qt::AlignRight | Qt::AlignVCenter), 0);
    QImage image = paintRow(item);
    // The last fragment in a 142-pixel box from the row's left + its x; the others as before.
    QCOMPARE(inkOf(image, red).right(),
        rowRect.x() + 300 + blockInk(Qt::AlignRight | Qt::AlignVCenter).right());
    QCOMPARE(inkOf(image, green).left(), blockLeft(200));

    item.setSubtitleAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    image = paintRow(item);
    QCOMPARE(inkOf(image, red).left(),
        rowRect.x() + 300 + blockInk(Qt::AlignHCenter | Qt::AlignVCenter).left());
}

void tst_ListViewSubTitleItem::subTitleIndex()
{
    ListViewSubTitleItem item(QStringLiteral("Peggy"));
    item.addSubTitle(QStringLiteral("one"), -1, 10, red, green);
    item.addSubTitle(QStringLiteral("two"), 250, -1, blue, green);
    for (int idx : {-1, 2, 100}) {
        QTest::ignoreMessage(QtDebugMsg, "ListViewSubTitleItem::subTitle index err");
        QVERIFY(!item.subTitle(idx));
    }

    textClass *fragment = item.subTitle(1);
    QVERIFY(fragment);
    QCOMPARE(fragment->text(), QStringLiteral("two"));
    QCOMPARE(fragment->textX(), 250);
    QCOMPARE(fragment->textPt(), -1);
    QCOMPARE(fragment->textColor(), blue);
    QCOMPARE(fragment->textSelectColor(), green);
    QCOMPARE(fragment->textWidth(), 480);
    QCOMPARE(fragment->alignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(item.subTitle(0)->textPt(), 10);
    // Changed in place, the row draws it as changed.
    fragment->setTextColor(QColor(0, 200, 200));
    QVERIFY(!inkOf(paintRow(item), QColor(0, 200, 200)).isNull());
}

void tst_ListViewSubTitleItem::shadow()
{
    // Black at alpha 70 over the background, in smooth text as on the device: monochrome
    // glyphs would drop the alpha.
    QImage dot = canvas().copy(0, 0, 1, 1);
    QPainter(&dot).fillRect(dot.rect(), QColor(0, 0, 0, 70));
    const QColor shade = dot.pixelColor(0, 0);
    QFont smooth = QApplication::font();
    smooth.setStyleStrategy(QFont::PreferAntialias);

    ListViewSubTitleItem item(QStringLiteral("Quentin"));
    style(item);
    const QImage plain = paintRow(item, smooth);
    QVERIFY(inkOf(plain, shade).isNull());
    QRect text;
    const QImage empty = canvas();
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != empty.pixel(x, y))
                text |= QRect(x, y, 1, 1);
        }
    }

    item.setUseTextShadow(1);
    QCOMPARE(item.useTextShadow(), 1);
    const QRect shadow = inkOf(paintRow(item, smooth), shade);
    QVERIFY(!shadow.isNull() && shadow.left() > text.left());
    // One pixel right of and below the label, give or take a pixel of smoothing.
    QVERIFY((shadow.bottomRight() - text.bottomRight() - QPoint(1, 1)).manhattanLength() <= 1);

    // The history row never draws one.
    ListViewSubTitleItemHistory history(QString {});
    style(history);
    QString line = QStringLiteral("Quentin");
    history.setTextLine1(line);
    history.setUseTextShadow(1);
    QVERIFY(inkOf(paintRow(history, smooth), shade).isNull());
}

void tst_ListViewSubTitleItem::historyLabels_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<QString>("shown");

    const QString none = QStringLiteral("No Information");
    QTest::newRow("unknown, nothing") << "Unknown" << QString() << -1 << none;
    QTest::newRow("nothing at all") << QString() << QString() << -1 << none;
    QTest::newRow("unknown, number") << "Unknown"
                                     << "5551234" << -1 << "5551234";
    QTest::newRow("no name, number") << QString() << "5551234" << -1 << "5551234";
    QTest::newRow("lower-case unknown") << "unknown" << QString() << -1 << "unknown";
    QTest::newRow("name only") << "Alice" << QString() << -1 << "Alice";
    QTest::newRow("equal lines") << "5551234"
                                 << "5551234" << -1 << "5551234";
    QTest::newRow("both") << "Alice"
                          << "5551234" << -1 << "Alice (5551234)";
    QTest::newRow("percent signs") << "50%2 off"
                                   << "x%1" << -1 << "50%2 off (x%1)";
    QTest::newRow("long name alone") << QString(80, 'W') << QString() << -1 << QString(80, 'W');
    // The fixed text is shortened like any label; there are no two lines to stack.
    QTest::newRow("no information, narrow") << "Unknown" << QString() << 60 << none;
}

void tst_ListViewSubTitleItem::historyLabels()
{
    QFETCH(QString, line1);
    QFETCH(QString, line2);
    QFETCH(int, textWidth);
    QFETCH(QString, shown);

    ListViewSubTitleItemHistory item(QStringLiteral("not drawn"));
    QCOMPARE(item.type(), int(ListViewItem::SubTitle));
    style(item);
    item.setTextLine1(line1);
    item.setTextLine2(line2);
    item.setTextWidth(textWidth);
    QCOMPARE(item.textLine1(), line1);
    QCOMPARE(item.textLine2(), line2);

    // A plain subtitle row with that label draws exactly what the history row must.
    ListViewSubTitleItem expected(shown);
    style(expected);
    expected.setTextWidth(textWidth);
    QCOMPARE(paintRow(item), paintRow(expected));
}

void tst_ListViewSubTitleItem::historyTwoLines_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QFont>("small");
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");

    const QColor grey(155, 155, 155);
    QFont nine = QApplication::font();
    nine.setPointSize(9);
    QFont pixels = QApplication::font();
    pixels.setPixelSize(20);
    QFont smallPixels = QApplication::font();
    smallPixels.setPixelSize(15);
    QTest::newRow("plain") << false << true << QApplication::font() << nine << textPen << grey;
    QTest::newRow("selected") << true << true << QApplication::font() << nine << selectPen
                              << QColor(255, 255, 255);
    QTest::newRow("selected without focus")
        << true << false << QApplication::font() << nine << textPen << grey;
    QTest::newRow("pixel-sized font") << false << true << pixels << smallPixels << textPen << grey;
}

void tst_ListViewSubTitleItem::historyTwoLines()
{
    QFETCH(bool, selected);
    QFETCH(bool, focus);
    QFETCH(QFont, font);
    QFETCH(QFont, small);
    QFETCH(QColor, first);
    QFETCH(QColor, second);

    QString line1 = QStringLiteral("Alexander Richardson");
    QString line2 = QStringLiteral("+44 20 7946 0958");
    ListViewSubTitleItemHistory item(QString {});
    style(item);
    item.setTextLine1(line1);
    item.setTextLine2(line2);
    // "Alexander Richardson (+44 20 7946 0958)" does not fit in 250 pixels; each line does.
    item.setTextWidth(250);
    item.setSelected(selected);
    item.setFocus(focus);

    // Three quarters of the size; the lines in half-high boxes, three equal gaps around them.
    const QRect label(rowRect.x() + 15, rowRect.y(), 250, rowRect.height());
    const int lineHeight = QFontMetrics(small).boundingRect(line1).height();
    const int gap = (label.height() - 2 * lineHeight) / 3;
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    QImage expected = canvas();
    QPainter painter(&expected);
    painter.setFont(small);
    painter.setPen(first);
    painter.drawText(QRect(label.left(), label.top() + gap, 250, label.height() / 2), flags, line1);
    painter.setPen(second);
    painter.drawText(
        QRect(label.left(), label.top() + 2 * gap + lineHeight, 250, label.height() / 2), flags,
        line2);
    painter.end();
    const QImage image = paintRow(item, font);
    QCOMPARE(image, expected);
    QVERIFY(inkOf(image, first).bottom() < inkOf(image, second).top());
}

void tst_ListViewSubTitleItem::historyFragmentsFollowOwnText()
{
    ListViewSubTitleItemHistory item(QStringLiteral("Abc"));
    style(item);
    QString name = QStringLiteral("Victoria Longname");
    item.setTextLine1(name);
    item.addSubTitle(block, -1, -1, red, red);
    // The cursor follows the row's own text, which this kind never draws.
    QCOMPARE(inkOf(paintRow(item), red).left(), blockLeft(rowRect.x() + 15 + advance("Abc") + 10));
}

QTEST_MAIN(tst_ListViewSubTitleItem)
#include "tst_listviewsubtitleitem.moc"
