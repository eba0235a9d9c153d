#include "listviewcallitem.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor background(20, 30, 40);
// Off the canvas origin, so a position taken from the canvas instead of the row shows.
const QRect rowRect(10, 10, 480, 41);
const QColor timeColour(231, 231, 231);
const QString defaultThumbnail = QStringLiteral(":/call/images/call/call_thumbnail_img.png");

qint64 fakeNow = 0;
qint64 fakeClock()
{
    return fakeNow;
}

QImage paintRow(ListViewItem &item)
{
    QImage image(500, 61, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    QRect rect = rowRect;
    item.paint(&painter, rect);
    return image;
}

// Bounding box of the pixels of one colour, left of x 'before' only.
QRect inkOf(const QImage &image, const QColor &colour, int before = 500)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < before; ++x) {
            if (image.pixel(x, y) == colour.rgb())
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool sameImage(const QPixmap &actual, const QString &path)
{
    const QImage expected(path);
    return !expected.isNull()
        && actual.toImage().convertToFormat(QImage::Format_ARGB32)
        == expected.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_ListViewCallItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { ListViewCallItem::setClock(nullptr); }
    void iconTables_data();
    void iconTables();
    void thumbnailPath_data();
    void thumbnailPath();
    void duration_data();
    void duration();
    void labelElidedForGood_data();
    void labelElidedForGood();
    void layout_data();
    void layout();
    void selectionBar();

private:
    QString solidImage(const QString &name, const QSize &size, const QColor &colour);

    QTemporaryDir m_dir;
};

void tst_ListViewCallItem::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    // Whole pixels in one colour, so text can be found by its pen.
    font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
}

QString tst_ListViewCallItem::solidImage(
    const QString &name, const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(m_dir.filePath(name));
    return m_dir.filePath(name);
}

void tst_ListViewCallItem::iconTables_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("code");
    // Empty: the icon the row had before stays.
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("showTimer");

    const QStringList history = {"call_incoming_nor", "call_incoming_press", "call_outgoing_nor",
        "call_outgoing_press", "call_missed_nor", "call_missed_press",
        "videoConference_incoming_nor", "videoConference_incoming_press",
        "videoConference_missed_nor", "videoConference_missed_press",
        "videoConference_outgoing_nor", "videoConference_outgoing_press", "", "", "", "", "", "",
        "msg_incoming_nor", "msg_incoming_press", "msg_outgoing_nor", "msg_outgoing_press",
        "msg_missed_nor", "msg_missed_press"};
    for (int code = 0; code < history.size(); ++code) {
        const QString path = history[code].isEmpty()
            ? QString()
            : ":/call/images/call/icon_" + history[code] + ".png";
        QTest::addRow("history %d", code) << 1 << code << path << path << false;
    }
    QTest::newRow("history 24") << 1 << 24 << defaultThumbnail << defaultThumbnail << false;
    for (int code : {25, -1})
        QTest::addRow("history %d", code) << 1 << code << QString() << QString() << false;

    const QString ui = QStringLiteral(":/ui/images/");
    QTest::newRow("line incoming")
        << 2 << 13 << ui + "icon_line_Incoming_01.png" << ui + "icon_line_Incoming.png" << true;
    QTest::newRow("line hold") << 2 << 16 << ui + "icon_line_hold_01.png"
                               << ui + "icon_line_hold.png" << true;
    // Any code turns the duration on in the active-line mode, even one without an icon.
    for (int code : {0, 4, -1})
        QTest::addRow("line %d", code) << 2 << code << QString() << QString() << true;
    for (int mode : {0, 3, 7})
        QTest::addRow("mode %d", mode) << mode << 13 << QString() << QString() << false;
}

void tst_ListViewCallItem::iconTables()
{
    QFETCH(int, mode);
    QFETCH(int, code);
    QFETCH(QString, thumbnail);
    QFETCH(QString, press);
    QFETCH(bool, showTimer);

    const QString before = solidImage(QStringLiteral("before.png"), {20, 20}, Qt::magenta);
    ListViewCallItem item(mode, nullptr);
    item.setThumbnailPath(before);
    item.setThumbnail(code);
    item.setPressThumbnail(code);
    QVERIFY(sameImage(item.thumbnail(), thumbnail.isEmpty() ? before : thumbnail));
    QVERIFY(
        press.isEmpty() ? item.pressThumbnail().isNull() : sameImage(item.pressThumbnail(), press));
    QCOMPARE(item.showTimer(), showTimer);
}

void tst_ListViewCallItem::thumbnailPath_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("readable");

    QTest::newRow("photo") << "photo.png" << true;
    QTest::newRow("missing file") << "nobody.png" << false;
    QTest::newRow("not an image") << "notes.txt" << false;
    QTest::newRow("empty path") << QString() << false;
}

void tst_ListViewCallItem::thumbnailPath()
{
    QFETCH(QString, file);
    QFETCH(bool, readable);

    const QString photo = solidImage(QStringLiteral("photo.png"), {40, 30}, Qt::cyan);
    QFile notes(m_dir.filePath(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
    notes.close();

    ListViewCallItem item(QStringLiteral("Bob"));
    QVERIFY(sameImage(item.thumbnail(), defaultThumbnail));
    item.setThumbnailPath(file.isEmpty() ? QString() : m_dir.filePath(file));
    QVERIFY(sameImage(item.thumbnail(), readable ? photo : defaultThumbnail));
}

void tst_ListViewCallItem::duration_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("elapsedMs");
    QTest::addColumn<QString>("text");

    QTest::newRow("first paint") << 3725 << true << 0 << "01:02:05";
    QTest::newRow("a second on") << 3725 << true << 1000 << "01:02:06";
    QTest::newRow("part of a second") << 3725 << true << 999 << "01:02:05";
    QTest::newRow("a day is not wrapped") << 0 << true << (25 * 3600 + 3) * 1000 << "25:00:03";
    QTest::newRow("hundred hours") << 360001 << true << 0 << "100:00:01";
    QTest::newRow("clock never started") << 3725 << false << 5000 << "01:02:05";
    QTest::newRow("negative start") << -5 << true << 0 << "00:00:00";
}

void tst_ListViewCallItem::duration()
{
    QFETCH(int, start);
    QFETCH(bool, started);
    QFETCH(int, elapsedMs);
    QFETCH(QString, text);

    fakeNow = 1000000;
    ListViewCallItem::setClock(fakeClock);
    ListViewCallItem item(ListViewCallItem::ActiveLineMode, nullptr);
    item.setThumbnail(13);
    QTest::ignoreMessage(QtDebugMsg,
        qPrintable("<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::"
                   "setStartTime(int startTime) :  "
            + QString::number(start)));
    QVERIFY(item.setStartTime(start));
    const char restart[]
        = "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::startTime() ---------------------------";
    if (started) {
        QTest::ignoreMessage(QtDebugMsg, restart);
        QCOMPARE(item.startTime(), 0);
    }
    paintRow(item);
    const QString first = item.timeText();
    fakeNow += elapsedMs;
    // Worked out when painted, not when asked.
    QCOMPARE(item.timeText(), first);
    const QImage image = paintRow(item);
    QCOMPARE(item.timeText(), text);
    QCOMPARE(first != text, started && elapsedMs >= 1000);

    const QRect ink = inkOf(image, timeColour);
    QVERIFY(ink.left() >= rowRect.x() + 206);
    QVERIFY(ink.right() <= rowRect.x() + 275 && ink.right() >= rowRect.x() + 272);

    if (started) {
        QTest::ignoreMessage(QtDebugMsg, restart);
        QCOMPARE(item.startTime(), elapsedMs);
    }
}

void tst_ListViewCallItem::labelElidedForGood_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");

    QTest::newRow("photo") << 0 << 211;
    QTest::newRow("history") << 1 << 135;
    QTest::newRow("active line") << 2 << 157;
    QTest::newRow("text only") << 3 << 211;
    QTest::newRow("unknown mode") << 9 << 211;
}

void tst_ListViewCallItem::labelElidedForGood()
{
    QFETCH(int, mode);
    QFETCH(int, width);

    // Labels that one pixel less, or more, would cut differently: the exact width decides.
    const QFontMetrics metrics(QApplication::font());
    const QString names = QStringLiteral(
        "Bartholomew Montgomery-Fitzgerald of Kensington, Chelsea and Westminster");
    QStringList labels {QStringLiteral("Al")};
    for (int delta : {-1, 1}) {
        for (int from = 0; from < 40; ++from) {
            const QString candidate = names.mid(from);
            if (metrics.elidedText(candidate, Qt::ElideRight, width)
                != metrics.elidedText(candidate, Qt::ElideRight, width + delta)) {
                labels.append(candidate);
                break;
            }
        }
    }
    QCOMPARE(labels.size(), 3);

    for (const QString &full : qAsConst(labels)) {
        ListViewCallItem item(mode, nullptr);
        item.setLabelText(full);
        paintRow(item);
        const QString cut = metrics.elidedText(full, Qt::ElideRight, width);
        QCOMPARE(item.labelText(), cut);
        paintRow(item);
        QCOMPARE(item.labelText(), cut);
        item.setLabelText(full);
        QCOMPARE(item.labelText(), full);
    }
}

void tst_ListViewCallItem::layout_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("selected");
    // A 50x20 picture: squeezed to 27x27 in a frame in the photo mode, as it is elsewhere.
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<QColor>("frame");
    QTest::addColumn<int>("labelLeft");

    const QColor white(Qt::white);
    QTest::newRow("photo") << 0 << false << QRect(34, 7, 27, 27) << QColor(62, 62, 62) << 65;
    QTest::newRow("photo selected") << 0 << true << QRect(34, 7, 27, 27) << white << 65;
    // One pixel below the middle.
    QTest::newRow("history") << 1 << false << QRect(34, 11, 50, 20) << QColor() << 65;
    QTest::newRow("active line") << 2 << false << QRect(34, 10, 50, 20) << QColor() << 63;
    QTest::newRow("active line selected") << 2 << true << QRect(34, 10, 50, 20) << QColor() << 63;
    QTest::newRow("unknown mode") << 6 << false << QRect(34, 10, 50, 20) << QColor() << 65;
    QTest::newRow("text only") << 3 << false << QRect() << QColor() << 35;
}

void tst_ListViewCallItem::layout()
{
    QFETCH(int, mode);
    QFETCH(bool, selected);
    QFETCH(QRect, icon);
    QFETCH(QColor, frame);
    QFETCH(int, labelLeft);

    const QColor photo(0, 200, 0);
    ListViewCallItem item(mode, nullptr);
    item.setThumbnailPath(solidImage(QStringLiteral("wide.png"), {50, 20}, photo));
    item.setLabelText(QStringLiteral("HIH"));
    item.setHistoryTimeText(QStringLiteral("12:34"));
    item.setSelected(selected);
    // The label follows the row's selection alone, not the list's focus.
    item.setFocus(false);
    const QImage image = paintRow(item);

    const QRect ink = inkOf(image, photo);
    QCOMPARE(ink, icon.isNull() ? QRect() : icon.translated(rowRect.topLeft()));
    const QRect outline = ink.adjusted(-1, -1, 1, 1);
    if (frame.isValid()) {
        for (const QPoint &side : {QPoint(outline.left(), outline.center().y()),
                 QPoint(outline.right(), outline.center().y()),
                 QPoint(outline.center().x(), outline.top()),
                 QPoint(outline.center().x(), outline.bottom())})
            QCOMPARE(image.pixelColor(side), frame);
    } else if (!icon.isNull() && !selected) {
        QCOMPARE(image.pixelColor(outline.left(), outline.center().y()), background);
    }

    const QRect label
        = inkOf(image, selected ? QColor(138, 162, 218) : QColor(Qt::white), rowRect.x() + 150);
    QVERIFY2(label.left() >= rowRect.x() + labelLeft && label.left() <= rowRect.x() + labelLeft + 3,
        qPrintable(QString::number(label.left() - rowRect.x())));
    QVERIFY(qAbs(label.center().y() - rowRect.center().y()) <= 2);

    // The time of a past call stands at the right in the history mode only.
    const QRect time = inkOf(image, timeColour);
    if (mode == ListViewCallItem::HistoryMode) {
        QVERIFY(time.left() >= rowRect.x() + 184);
        QVERIFY(time.right() <= rowRect.x() + 277 && time.right() >= rowRect.x() + 274);
    } else {
        QVERIFY(time.isNull());
    }
}

void tst_ListViewCallItem::selectionBar()
{
    const QPixmap left(QStringLiteral(":/ui/images/call_hold_bg_left.png"));
    const QPixmap center(QStringLiteral(":/ui/images/call_hold_bg_center.png"));
    const QPixmap right(QStringLiteral(":/ui/images/call_hold_bg_right.png"));
    QVERIFY(!left.isNull() && !center.isNull() && !right.isNull());

    ListViewCallItem item(ListViewCallItem::TextOnlyMode, nullptr);
    QImage expected = paintRow(item);
    item.setSelected(true);
    {
        // Caps at 29 and 282 pixels into the row, the middle piece between them.
        QPainter painter(&expected);
        const int height = left.height();
        const int x = rowRect.x() + 29;
        painter.drawPixmap(x, rowRect.y(), left.width(), height, left);
        for (int step = 0; step < 253 - left.width() - right.width(); ++step)
            painter.drawPixmap(
                x + left.width() + step, rowRect.y(), center.width(), height, center);
        painter.drawPixmap(
            rowRect.x() + 282 - right.width(), rowRect.y(), right.width(), height, right);
    }
    const QImage bar = paintRow(item);
    QCOMPARE(bar, expected);
    const int middle = rowRect.y() + left.height() / 2;
    QCOMPARE(bar.pixelColor(rowRect.x() + 28, middle), background);
    QVERIFY(bar.pixelColor(rowRect.x() + 150, middle) != background);
    QCOMPARE(bar.pixelColor(rowRect.x() + 282, middle), background);
}

QTEST_MAIN(tst_ListViewCallItem)
#include "tst_listviewcallitem.moc"
