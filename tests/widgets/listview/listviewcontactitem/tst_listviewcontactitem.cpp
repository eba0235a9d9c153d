#include "listviewcontactitem.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

namespace {

const QColor background(240, 240, 240);
// Off the canvas origin, so a position taken from the canvas instead of the row shows.
const QRect rowRect(10, 10, 480, 41);
const QString ui = QStringLiteral(":/ui/images/");

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

QPixmap solid(const QSize &size, const QColor &colour)
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

// Whether an area of the row shows the picture stretched into it over the background.
bool shows(const QImage &image, const QRect &area, const QPixmap &picture)
{
    QImage expected(area.size(), QImage::Format_RGB32);
    expected.fill(background);
    QPainter painter(&expected);
    painter.drawPixmap(expected.rect(), picture);
    painter.end();
    return !picture.isNull() && image.copy(area) == expected;
}

bool sameImage(const QPixmap &actual, const QPixmap &expected)
{
    return !expected.isNull()
        && actual.toImage().convertToFormat(QImage::Format_ARGB32)
        == expected.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_ListViewContactItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void presenceAndCallIcons_data();
    void presenceAndCallIcons();
    void labelByListType_data();
    void labelByListType();
    void photo_data();
    void photo();
    void selectedDefaultPhoto();
    void callAndPresenceIcons();
};

void tst_ListViewContactItem::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    // Whole pixels in one colour, so text can be found by its pen.
    font.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(font);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
}

void tst_ListViewContactItem::presenceAndCallIcons_data()
{
    QTest::addColumn<int>("primeCall");
    QTest::addColumn<int>("callStatus");
    QTest::addColumn<int>("presence");
    // Empty: the presence icon shown before stays.
    QTest::addColumn<QString>("presenceIcon");
    QTest::addColumn<QString>("callIcon");
    QTest::addColumn<int>("callState");

    const QString available = ui + "call_icon_available.png";
    const QString unavailable = ui + "call_icon_unavailable.png";
    const QString unregister = ui + "call_icon_unregister.png";
    const QString logout = ui + "icon_presence_logout.png";
    for (int presence : {0, 2, 6})
        QTest::addRow("presence %d keeps both", presence)
            << 2 << 1 << presence << QString() << unavailable << 0;
    QTest::newRow("online, available")
        << 2 << 1 << 1 << ui + "icon_presence_online.png" << available << 1;
    QTest::newRow("status 0 keeps the call icon")
        << 2 << 0 << 1 << ui + "icon_presence_online.png" << unavailable << 0;
    QTest::newRow("meeting, unavailable")
        << 1 << 2 << 3 << ui + "icon_presence_meeting.png" << unavailable << 2;
    QTest::newRow("food, unregistered")
        << 1 << 3 << 4 << ui + "icon_presence_food.png" << unregister << 3;
    QTest::newRow("different, busy")
        << 1 << 4 << 5 << ui + "icon_presence_different.png" << unavailable << 4;
    QTest::newRow("danger, status 5")
        << 1 << 5 << 7 << ui + "icon_presence_danger.png" << unregister << 5;
    QTest::newRow("presence 8") << 2 << -1 << 8 << logout << unregister << -1;
    QTest::newRow("negative presence") << 2 << 1 << -3 << logout << available << 1;
}

void tst_ListViewContactItem::presenceAndCallIcons()
{
    QFETCH(int, primeCall);
    QFETCH(int, callStatus);
    QFETCH(int, presence);
    QFETCH(QString, presenceIcon);
    QFETCH(QString, callIcon);
    QFETCH(int, callState);

    ListViewContactItem item(QStringLiteral("Frank"));
    // Nothing reported yet, although building the row ran the presence rules once.
    QCOMPARE(item.presenceState(), -1);
    QCOMPARE(item.callState(), -1);
    QVERIFY(item.presenceIcon().isNull() && item.callIcon().isNull());

    item.setupPresenceImage(primeCall, 1);
    const QPixmap before = solid({16, 16}, Qt::magenta);
    item.setPixmapPresc(before);
    item.setupPresenceImage(callStatus, presence);
    QVERIFY(
        sameImage(item.presenceIcon(), presenceIcon.isEmpty() ? before : QPixmap(presenceIcon)));
    QVERIFY(sameImage(item.callIcon(), QPixmap(callIcon)));
    QCOMPARE(item.callState(), callState);
    QCOMPARE(item.presenceState(), presence);
}

void tst_ListViewContactItem::labelByListType_data()
{
    QTest::addColumn<int>("listType");
    QTest::addColumn<bool>("withPresence");
    // Inclusive edges from the row's left; -1 for no label.
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    QTest::newRow("type 0") << 0 << false << 30 << 220;
    QTest::newRow("type 0 with presence") << 0 << true << 30 << 176;
    QTest::newRow("type 1") << 1 << false << 44 << 278;
    QTest::newRow("type 1 with presence") << 1 << true << 44 << 234;
    QTest::newRow("type 2") << 2 << false << 50 << 220;
    QTest::newRow("type 2 with presence") << 2 << true << 50 << 176;
    QTest::newRow("type 3") << 3 << false << -1 << -1;
}

void tst_ListViewContactItem::labelByListType()
{
    QFETCH(int, listType);
    QFETCH(bool, withPresence);
    QFETCH(int, left);
    QFETCH(int, right);

    const QColor pen(1, 254, 3);
    ListViewContactItem item(QString(60, QLatin1Char('W')));
    item.setTextColor(pen);
    item.setListType(listType);
    QCOMPARE(item.getListType(), listType);
    if (withPresence)
        item.setPixmapPresc(solid({16, 16}, Qt::transparent));
    const QRect ink = inkOf(paintRow(item), pen);

    if (left < 0) {
        QVERIFY(item.labelRect(rowRect).isEmpty());
        QVERIFY(ink.isNull());
        return;
    }
    QCOMPARE(item.labelRect(rowRect).width(), right - left + 1);
    QVERIFY2(ink.left() >= rowRect.x() + left && ink.left() <= rowRect.x() + left + 3,
        qPrintable(QString::number(ink.left() - rowRect.x())));
    // Cut with an ellipsis no further than the right edge, and not a letter before it.
    const int letter = QFontMetrics(QApplication::font()).horizontalAdvance(QLatin1Char('W'));
    QVERIFY2(ink.right() <= rowRect.x() + right && ink.right() >= rowRect.x() + right - letter - 2,
        qPrintable(QString::number(ink.right() - rowRect.x())));
}

void tst_ListViewContactItem::photo_data()
{
    QTest::addColumn<int>("listType");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("selectedPhoto");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<bool>("framed");

    const QColor photo(0, 0, 255);
    const QColor lit(255, 0, 0);
    QTest::newRow("type 0") << 0 << QSize(32, 32) << false << true << photo << true;
    QTest::newRow("type 1 has no frame") << 1 << QSize(32, 32) << false << false << photo << false;
    QTest::newRow("type 2, other size") << 2 << QSize(40, 20) << false << false << photo << true;
    QTest::newRow("selected photo") << 0 << QSize(32, 32) << true << true << lit << true;
    QTest::newRow("same photo when selected")
        << 0 << QSize(32, 32) << true << false << photo << true;
}

void tst_ListViewContactItem::photo()
{
    QFETCH(int, listType);
    QFETCH(QSize, size);
    QFETCH(bool, selected);
    QFETCH(bool, selectedPhoto);
    QFETCH(QColor, shown);
    QFETCH(bool, framed);

    ListViewContactItem item(QString {});
    QVERIFY(sameImage(item.photo(), QPixmap(ui + "number_img_default.png")));
    item.setPixmap(solid({64, 48}, QColor(0, 0, 255)),
        selectedPhoto ? solid({30, 30}, QColor(255, 0, 0)) : QPixmap());
    item.setListType(listType);
    item.setOffset(20, 5);
    item.setSize(size.width(), size.height());
    item.setSelected(selected);
    const QImage image = paintRow(item);

    const QRect photoRect(QPoint(rowRect.x() + 20, rowRect.y() + 5), size);
    QCOMPARE(inkOf(image, shown), photoRect);
    const QRect outline = photoRect.adjusted(-1, -1, 1, 1);
    const QColor frame = framed ? QColor(205, 205, 205) : background;
    QCOMPARE(image.pixelColor(outline.left(), outline.center().y()), frame);
    QCOMPARE(image.pixelColor(outline.right(), outline.bottom()), frame);
}

void tst_ListViewContactItem::selectedDefaultPhoto()
{
    // A row never given a selected photo keeps its default photo while selected.
    ListViewContactItem plain(QString {});
    plain.setOffset(20, 5);
    const QRect area(rowRect.x() + 20, rowRect.y() + 5, 32, 32);
    const QPixmap standard
        = QPixmap(ui + "number_img_default.png").scaledToHeight(32, Qt::FastTransformation);
    QVERIFY(shows(paintRow(plain), area, standard));
    plain.setSelected(true);
    QVERIFY(shows(paintRow(plain), area, standard));
}

void tst_ListViewContactItem::callAndPresenceIcons()
{
    const QRect callArea(rowRect.right() - 58, rowRect.y() + 11, 11, 21);
    const QRect presenceArea(rowRect.right() - 44, rowRect.y() + 13, 16, 16);
    const QPoint discCentre = presenceArea.topLeft() + QPoint(7, 7);

    ListViewContactItem item(QString {});
    QImage image = paintRow(item);
    QCOMPARE(image.pixelColor(callArea.center()), background);
    QCOMPARE(image.pixelColor(discCentre), background);

    item.setupPresenceImage(1, 1);
    image = paintRow(item);
    QVERIFY(shows(image, callArea, QPixmap(ui + "call_icon_available.png")));
    // Drawn over a white disc, stretched to 16x16.
    QImage expected(presenceArea.size(), QImage::Format_RGB32);
    expected.fill(background);
    QPainter painter(&expected);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(7, 7), 6, 6);
    painter.drawPixmap(expected.rect(), QPixmap(ui + "icon_presence_online.png"));
    painter.end();
    QCOMPARE(image.copy(presenceArea), expected);

    item.setSelected(true);
    QVERIFY(shows(paintRow(item), callArea, QPixmap(ui + "call_icon_presence_press.png")));
    item.setupPresenceImage(2, 3);
    QVERIFY(shows(paintRow(item), callArea, QPixmap(ui + "call_icon_unavailable.png")));

    // A see-through icon shows the disc: radius 6 around the icon's middle.
    item.setPixmapPresc(solid({16, 16}, Qt::transparent));
    image = paintRow(item);
    QCOMPARE(image.pixelColor(discCentre + QPoint(5, 0)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(discCentre + QPoint(0, 7)), background);
}

QTEST_MAIN(tst_ListViewContactItem)
#include "tst_listviewcontactitem.moc"
