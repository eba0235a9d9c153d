#include "timelabel.h"

#include <QApplication>
#include <QtTest>

class tst_TimeLabel : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void paintsWhiteAtTheRight();
    void fitsItsWidth();
};

namespace {

// The leftmost and rightmost columns the label paints in white.
QPair<int, int> paintedColumns(TimeLabel &label)
{
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int leftmost = image.width();
    int rightmost = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) {
                leftmost = qMin(leftmost, x);
                rightmost = qMax(rightmost, x);
            }
        }
    }
    return {leftmost, rightmost};
}

} // namespace

void tst_TimeLabel::formats_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("hour24");
    QTest::addColumn<bool>("colon");
    QTest::addColumn<QString>("text");
    QTest::newRow("24h colon") << QTime(13, 5) << true << true << "13:05";
    QTest::newRow("24h space") << QTime(13, 5) << true << false << "13 05";
    QTest::newRow("12h afternoon") << QTime(13, 5) << false << true << "pm 01:05";
    QTest::newRow("12h afternoon space") << QTime(13, 5) << false << false << "pm 01 05";
    QTest::newRow("12h after midnight") << QTime(0, 30) << false << true << "am 12:30";
    QTest::newRow("24h midnight") << QTime(0, 30) << true << true << "00:30";
}

void tst_TimeLabel::formats()
{
    QFETCH(QTime, time);
    QFETCH(bool, hour24);
    QFETCH(bool, colon);
    QFETCH(QString, text);
    TimeLabel label;
    label.setTime24Hour(hour24);
    if (!colon)
        label.changeTimeBlinkFlag();
    QCOMPARE(label.timeText(time), text);
}

void tst_TimeLabel::paintsWhiteAtTheRight()
{
    TimeLabel label;
    label.setText(QStringLiteral("ignored"));
    label.resize(120, 24);
    const auto [leftmost, rightmost] = paintedColumns(label);
    QVERIFY2(rightmost >= label.width() - 4, "the time is right-aligned");
    QVERIFY2(leftmost > 10, "only the time is drawn, not the label's own text");
}

// The status bar's 44 pixels for the 24-hour clock are too few for a large font.
void tst_TimeLabel::fitsItsWidth()
{
    TimeLabel label;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    label.setFont(font);
    label.setTime24Hour(true);
    label.resize(44, 24);
    QVERIFY(QFontMetrics(font).horizontalAdvance(label.timeText(QTime(20, 8))) > 44);
    const auto [leftmost, rightmost] = paintedColumns(label);
    QVERIFY2(leftmost > 0, "the hours are not cut off at the left edge");
    QVERIFY(rightmost >= label.width() - 4);
}

QTEST_MAIN(tst_TimeLabel)
#include "tst_timelabel.moc"
