#include "imagebutton.h"
#include "renderprobe.h"

#include <QtTest>

namespace {

const int buttonWidth = 110;

QImage face(bool pressed, const char *part)
{
    return QImage(QStringLiteral(":/ui/images/popup_button_%1bg_%2.png")
                      .arg(QLatin1String(pressed ? "press_" : ""), QLatin1String(part)))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class tst_ImageButton : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void look_data()
    {
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("iconLeft");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("iconX");
        // An arrow alone shows as a centred icon, without text.
        QTest::newRow("left icon and text") << false << true << "Cancel" << 17;
        QTest::newRow("pressed, right icon") << true << false << "OK" << buttonWidth - 28;
        QTest::newRow("left arrow") << false << true << "<" << (buttonWidth - 16) / 2;
    }

    void look()
    {
        QFETCH(bool, pressed);
        QFETCH(bool, iconLeft);
        QFETCH(QString, text);
        QFETCH(int, iconX);
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        ImageButton button(nullptr);
        button.resize(buttonWidth, face(false, "left").height());
        button.setIcon(pixmap, iconLeft);
        pixmap.fill(Qt::blue);
        button.setPressIcon(pixmap);
        button.setText(text);
        button.setHover(pressed);
        const QImage image = render(&button);
        // A space keeps the icon where the text puts it and draws nothing.
        button.setText(text.size() > 1 ? QStringLiteral(" ") : QString());
        const QImage without = render(&button);

        // Caps 3 pixels wide at either end, the middle tiled from x 3.
        const int h = image.height();
        QCOMPARE(image.copy(0, 0, 3, h), face(pressed, "left").copy(0, 0, 3, h));
        QCOMPARE(image.copy(buttonWidth - 3, 0, 3, h), face(pressed, "right").copy(0, 0, 3, h));
        const QImage center = face(pressed, "center");
        for (int y = 0; y < h; ++y) {
            for (int x : {3, 4, 12, 104, 106})
                QCOMPARE(image.pixel(x, y), center.pixel(x % center.width(), y % center.height()));
        }
        const QRgb icon = pressed ? qRgb(0, 0, 255) : qRgb(255, 0, 0);
        QCOMPARE(bounds(image, [&](int x, int y) { return image.pixel(x, y) == icon; }),
            QRect(iconX, 8, 16, 16));
        // White text while pressed, the default black otherwise.
        const QRect ink = bounds(image, [&](int x, int y) {
            const int grey = qGray(image.pixel(x, y));
            return image.pixel(x, y) != without.pixel(x, y) && (pressed ? grey > 230 : grey < 40);
        });
        QCOMPARE(ink.isEmpty(), text.size() == 1);
    }

    void keysAndMouse()
    {
        KeyRecorder popup;
        auto *button = new ImageButton(&popup);
        button->resize(buttonWidth, 32);
        button->setText(QStringLiteral("OK"));
        const QImage normal = render(button);
        QSignalSpy clicked(button, &ImageButton::clicked);
        QTest::keyPress(button, Qt::Key_Enter);
        QVERIFY(render(button) != normal);
        QCOMPARE(clicked.count(), 0);
        QTest::keyRelease(button, Qt::Key_Enter);
        QCOMPARE(render(button), normal);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicked.count(), 2);
        // Other keys are the popup's.
        QTest::keyClick(button, Qt::Key_Escape);
        QCOMPARE(popup.releases, QList<int> {Qt::Key_Escape});

        popup.show();
        QTest::mouseClick(button, Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QCOMPARE(clicked.count(), 2);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QCOMPARE(clicked.count(), 3);
    }
};

QTEST_MAIN(tst_ImageButton)
#include "tst_imagebutton.moc"
