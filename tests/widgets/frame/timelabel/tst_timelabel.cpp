#include "timelabel.h"
#include "timelabel_p.h"

#include <QtTest>

class tst_TimeLabel : public QObject
{
    Q_OBJECT

private slots:
    void formats_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("hour24");
        QTest::addColumn<bool>("colon");
        QTest::addColumn<QString>("text");
        QTest::newRow("24h, colon off") << QTime(0, 30) << true << false << "00 30";
        QTest::newRow("12h afternoon") << QTime(13, 5) << false << true << "pm 01:05";
        QTest::newRow("12h after midnight") << QTime(0, 30) << false << false << "am 12 30";
    }

    void formats()
    {
        QFETCH(QTime, time);
        QFETCH(bool, hour24);
        QFETCH(bool, colon);
        QFETCH(QString, text);
        TimeLabel label;
        label.setTime24Hour(hour24);
        if (!colon)
            label.changeTimeBlinkFlag();
        QCOMPARE(TimeLabelPrivate::timeText(time, label.time24Hour(), label.blinkFlag()), text);
    }

    // The status bar's 44 pixels for the 24-hour clock are too few for a large font.
    void fitsItsWidth()
    {
        TimeLabel label;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(24);
        label.setFont(font);
        label.setTime24Hour(true);
        label.setText(QStringLiteral("ignored"));
        label.resize(44, 24);
        QVERIFY(QFontMetrics(font).horizontalAdvance(
                    TimeLabelPrivate::timeText(QTime(20, 8), true, true))
            > 44);
        QImage image(label.size(), QImage::Format_ARGB32);
        image.fill(Qt::black);
        label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int left = image.width();
        int right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) > 128) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
        }
        // Neither the label's own text nor hours cut off at the left edge; the time at the right.
        QVERIFY(left > 0);
        QVERIFY(right >= label.width() - 4);
    }
};

QTEST_MAIN(tst_TimeLabel)
#include "tst_timelabel.moc"
