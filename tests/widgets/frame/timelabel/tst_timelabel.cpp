#include "guicompat.h"
#include "renderprobe.h"
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
        QVERIFY(GuiCompat::textWidth(
                    QFontMetrics(font), TimeLabelPrivate::timeText(QTime(20, 8), true, true))
            > 44);
        const QImage image = render(&label);
        const QRect ink
            = boxWhere(image, [&](int x, int y) { return qGray(image.pixel(x, y)) > 128; });
        // Neither the label's own text nor hours cut off at the left edge; the time at the right.
        QVERIFY(ink.left() > 0);
        QVERIFY(ink.right() >= label.width() - 4);
    }
};

QTEST_MAIN(tst_TimeLabel)
#include "tst_timelabel.moc"
