#include "renderprobe.h"
#include "textcache.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

namespace {

struct Case
{
    QRect box;
    int flags;
    QString text;
    QColor pen = Qt::white;
    int pointSize = 12;
    QPoint offset = {};
    qreal scale = 1;
};

QImage render(const Case &c, bool cached)
{
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(40, 70, 120));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPointSize(c.pointSize);
    painter.setFont(font);
    painter.setPen(c.pen);
    painter.translate(c.offset);
    painter.scale(c.scale, c.scale);
    if (cached)
        TextCache::drawText(&painter, c.box, c.flags, c.text);
    else
        painter.drawText(c.box, c.flags, c.text);
    return image;
}

// Qt 4's raster engine rounds a text blended directly and a picture of it one step apart.
bool alike(const QImage &a, const QImage &b)
{
    const int tolerance = QT_VERSION < 0x050000 ? 1 : 0;
    return a.size() == b.size() && boxWhere(a, [&](int x, int y) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        return qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance
            || qAbs(qBlue(p) - qBlue(q)) > tolerance;
    }).isNull();
}

} // namespace

Q_DECLARE_METATYPE(Case)
Q_DECLARE_METATYPE(QList<Case>)

// A text drawn from the cache must look exactly as drawn by QPainter, whatever was drawn
// before it: a picture kept for one font, colour, box or set of flags must never stand in for
// another.
class tst_TextCache : public QObject
{
    Q_OBJECT

private slots:
    void drawsAsQPainterDoes_data()
    {
        QTest::addColumn<QList<Case>>("sequence");
        const QRect box(10, 5, 120, 30);
        const int left = Qt::AlignLeft | Qt::AlignVCenter;
        const QString text = QStringLiteral("Use Hotspot");
        const Case plain {box, left, text};
        const QColor red(230, 30, 0);
        QTest::newRow("left, centre, right") << QList<Case> {
            plain, {box, Qt::AlignCenter, text}, {box, Qt::AlignRight | Qt::AlignBottom, text}};
        QTest::newRow("same text, other colour, then other size")
            << QList<Case> {plain, {box, left, text, red}, {box, left, text, red, 16}};
        QTest::newRow("same text, other box") << QList<Case> {
            plain, {QRect(10, 5, 60, 30), left, text}, {QRect(40, 20, 120, 40), left, text}};
        QTest::newRow("clipped where it overflows its box") << QList<Case> {
            {QRect(10, 5, 40, 12), left, QStringLiteral("A long network name"), Qt::white, 14}};
        QTest::newRow("moved by the painter")
            << QList<Case> {plain, {box, left, text, Qt::white, 12, {13, 7}}};
        QTest::newRow("translucent pen")
            << QList<Case> {{box, left, text, QColor(255, 255, 255, 100)}};
        QTest::newRow("scaled painter, drawn directly")
            << QList<Case> {plain, {box, left, text, Qt::white, 12, {}, 1.5}};
        QTest::newRow("non-Latin and two lines")
            << QList<Case> {{box, left, QStringLiteral("Καλημέρα")},
                   {box, Qt::AlignCenter, QStringLiteral("Saving...\nPlease wait"), Qt::white, 9}};
    }

    void drawsAsQPainterDoes()
    {
        QFETCH(QList<Case>, sequence);
        // Twice: the first time fills the cache, the second draws from it.
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < sequence.size(); ++i) {
                QVERIFY2(alike(render(sequence.at(i), true), render(sequence.at(i), false)),
                    qPrintable(QStringLiteral("round %1, step %2 (\"%3\")")
                                   .arg(round)
                                   .arg(i)
                                   .arg(sequence.at(i).text)));
            }
        }
    }

    void elidesAsQFontMetricsDoes()
    {
        QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        const QString text = QStringLiteral("Front desk hotspot of the second floor");
        for (int pointSize : {10, 18}) {
            QFont font = painter.font();
            font.setPointSize(pointSize);
            painter.setFont(font);
            for (int width : {0, 40, 120, 1000}) {
                const QString expected
                    = painter.fontMetrics().elidedText(text, Qt::ElideRight, width);
                QCOMPARE(TextCache::elidedText(&painter, text, width), expected);
                QCOMPARE(TextCache::elidedText(&painter, text, width), expected);
            }
        }
        // A shorter text must not be answered from the longer one's entry.
        QCOMPARE(TextCache::elidedText(&painter, QStringLiteral("Office"), 1000),
            QStringLiteral("Office"));
    }
};

QTEST_MAIN(tst_TextCache)
#include "tst_textcache.moc"
