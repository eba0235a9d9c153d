#include "imagebutton.h"
#include "renderprobe.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

namespace {

const int buttonWidth = 110;
const int iconSize = 16;

QImage face(const QString &name)
{
    return QImage(QStringLiteral(":/ui/images/") + name)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The darkest and the lightest pixel that the text changed.
QPair<int, int> textGreyRange(const QImage &withText, const QImage &without)
{
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < withText.height(); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            const QRgb pixel = withText.pixel(x, y);
            if (pixel == without.pixel(x, y))
                continue;
            const int grey = qGray(pixel);
            darkest = qMin(darkest, grey);
            lightest = qMax(lightest, grey);
        }
    }
    return {darkest, lightest};
}

} // namespace

class tst_ImageButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void placement_data();
    void placement();
    void pressedLook_data();
    void pressedLook();
    void nogap_data();
    void nogap();
    void keys_data();
    void keys();
    void mouse_data();
    void mouse();

private:
    // A button of the face's height, with a red icon unless iconSize is 0.
    ImageButton *makeButton(QWidget *parent, int icon, bool iconLeft, const QString &text);
    int m_height = 32;
};

void tst_ImageButton::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    QApplication::setFont(font);

    const QStringList names = {
        QStringLiteral("popup_button_bg_left.png"),
        QStringLiteral("popup_button_bg_center.png"),
        QStringLiteral("popup_button_bg_right.png"),
        QStringLiteral("popup_button_press_bg_left.png"),
        QStringLiteral("popup_button_press_bg_center.png"),
        QStringLiteral("popup_button_press_bg_right.png"),
    };
    for (const QString &name : names)
        QVERIFY2(!face(name).isNull(), qPrintable(name));
    m_height = face(names.first()).height();
    QVERIFY(m_height >= 8 + iconSize);
}

void tst_ImageButton::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

ImageButton *tst_ImageButton::makeButton(
    QWidget *parent, int icon, bool iconLeft, const QString &text)
{
    auto *button = new ImageButton(parent);
    button->resize(buttonWidth, m_height);
    if (icon > 0)
        button->setIcon(filled(QSize(icon, icon), Qt::red), iconLeft);
    button->setText(text);
    return button;
}

void tst_ImageButton::placement_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("iconLeft");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("iconX");
    // Middle of the text rectangle, doubled to stay whole; 0 when no text is visible.
    QTest::addColumn<int>("textMiddle2");

    const int centred = (buttonWidth - iconSize) / 2;
    QTest::newRow("left icon and text") << iconSize << true << "Cancel" << 17 << 10 + 109;
    QTest::newRow("left arrow") << iconSize << true << "<" << centred << 0;
    QTest::newRow("left icon alone") << iconSize << true << "" << centred << 0;
    QTest::newRow("right icon and text")
        << iconSize << false << "OK" << buttonWidth - 28 << 0 + (buttonWidth - 13);
    QTest::newRow("right arrow") << iconSize << false << ">" << centred << 0;
    QTest::newRow("right icon with the other arrow")
        << iconSize << false << "<" << buttonWidth - 28 << 0 + (buttonWidth - 13);
    QTest::newRow("odd icon width centred") << 15 << true << "" << (buttonWidth - 15) / 2 << 0;
    QTest::newRow("no icon") << 0 << true << "Cancel" << -1 << 0 + 109;
}

void tst_ImageButton::placement()
{
    QFETCH(int, icon);
    QFETCH(bool, iconLeft);
    QFETCH(QString, text);
    QFETCH(int, iconX);
    QFETCH(int, textMiddle2);

    KeyRecorder popup;
    ImageButton *button = makeButton(&popup, icon, iconLeft, text);
    // Where text shows, a space keeps the icon where the text puts it and draws nothing.
    ImageButton *blank
        = makeButton(&popup, icon, iconLeft, textMiddle2 == 0 ? QString() : QStringLiteral(" "));
    const QImage image = render(button);

    const QRect red = bounds(image, isColour(Qt::red));
    if (icon > 0)
        QCOMPARE(red, QRect(iconX, 8, icon, icon));
    else
        QVERIFY(red.isEmpty());

    const QRect ink = difference(image, render(blank));
    if (textMiddle2 == 0) {
        QVERIFY(ink.isEmpty());
        return;
    }
    QVERIFY(!ink.isEmpty());
    QVERIFY2(qAbs(ink.left() + ink.right() - textMiddle2) <= 3,
        qPrintable(QStringLiteral("%1..%2").arg(ink.left()).arg(ink.right())));
    QVERIFY(qAbs(ink.top() + ink.bottom() - (2 + m_height - 1)) <= 4);
}

void tst_ImageButton::pressedLook_data()
{
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("pressIcon");
    QTest::addColumn<QString>("facePrefix");
    QTest::addColumn<QColor>("iconColour");

    QTest::newRow("normal") << false << true << "popup_button_bg_" << QColor(Qt::red);
    QTest::newRow("pressed") << true << true << "popup_button_press_bg_" << QColor(Qt::blue);
    QTest::newRow("pressed without a pressed icon")
        << true << false << "popup_button_press_bg_" << QColor(Qt::red);
}

void tst_ImageButton::pressedLook()
{
    QFETCH(bool, hover);
    QFETCH(bool, pressIcon);
    QFETCH(QString, facePrefix);
    QFETCH(QColor, iconColour);

    KeyRecorder popup;
    ImageButton *button = makeButton(&popup, iconSize, true, QStringLiteral("Cancel"));
    ImageButton *blank = makeButton(&popup, iconSize, true, QStringLiteral(" "));
    for (ImageButton *b : {button, blank}) {
        if (pressIcon)
            b->setPressIcon(filled(QSize(iconSize, iconSize), Qt::blue));
        b->setHover(hover);
    }
    const QImage image = render(button);

    // Caps 3 pixels wide at either end, the middle tiled from x 3.
    const QImage left = face(facePrefix + QStringLiteral("left.png"));
    const QImage center = face(facePrefix + QStringLiteral("center.png"));
    const QImage right = face(facePrefix + QStringLiteral("right.png"));
    for (int y = 0; y < m_height; y += 3) {
        for (int x = 0; x < 3; ++x) {
            QCOMPARE(image.pixel(x, y), left.pixel(x, y));
            QCOMPARE(image.pixel(buttonWidth - 3 + x, y), right.pixel(x, y));
        }
        for (int x : {3, 4, 12, 104, 106}) {
            QCOMPARE(image.pixel(x, y), center.pixel(x % center.width(), y % center.height()));
        }
    }

    const QRect icon = bounds(image, isColour(iconColour));
    QCOMPARE(icon, QRect(17, 8, iconSize, iconSize));

    // White text while pressed, the default black otherwise.
    const QPair<int, int> grey = textGreyRange(image, render(blank));
    if (hover)
        QVERIFY2(grey.second > 230, qPrintable(QString::number(grey.second)));
    else
        QVERIFY2(grey.first < 40, qPrintable(QString::number(grey.first)));
}

void tst_ImageButton::nogap_data()
{
    QTest::addColumn<QSize>("icon");
    QTest::addColumn<bool>("hover");
    QTest::addColumn<QColor>("iconColour");
    QTest::addColumn<int>("textMiddle2");

    QTest::newRow("icon") << QSize(30, 20) << false << QColor(Qt::red) << 10 + 109;
    QTest::newRow("pressed icon") << QSize(30, 20) << true << QColor(Qt::blue) << 10 + 109;
    QTest::newRow("no icon") << QSize() << false << QColor() << 0 + 109;
}

void tst_ImageButton::nogap()
{
    QFETCH(QSize, icon);
    QFETCH(bool, hover);
    QFETCH(QColor, iconColour);
    QFETCH(int, textMiddle2);

    KeyRecorder popup;
    ImageButton *button = makeButton(&popup, 0, true, QStringLiteral("Next"));
    ImageButton *blank = makeButton(&popup, 0, true, QString());
    for (ImageButton *b : {button, blank}) {
        b->setNogapIcon(icon.isValid() ? filled(icon, Qt::red) : QPixmap());
        b->setPressIcon(filled(QSize(30, 20), Qt::blue));
        b->setHover(hover);
    }
    const QImage image = render(button);

    // No frame images: the face is the icon alone.
    QCOMPARE(qAlpha(image.pixel(buttonWidth - 2, m_height - 2)), 0);
    QCOMPARE(qAlpha(image.pixel(1, m_height - 2)), 0);
    if (icon.isValid()) {
        const QRect drawn = bounds(image, isColour(iconColour));
        QCOMPARE(drawn, QRect(QPoint(0, 0), icon));
    }

    const QRect ink = difference(image, render(blank));
    QVERIFY(!ink.isEmpty());
    QVERIFY2(qAbs(ink.left() + ink.right() - textMiddle2) <= 3,
        qPrintable(QStringLiteral("%1..%2").arg(ink.left()).arg(ink.right())));
}

void tst_ImageButton::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("clicks");

    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Up") << int(Qt::Key_Up) << false;
    QTest::newRow("soft key") << int(Qt::Key_F12) << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
}

void tst_ImageButton::keys()
{
    QFETCH(int, key);
    QFETCH(bool, clicks);

    KeyRecorder popup;
    ImageButton *button = makeButton(&popup, iconSize, true, QStringLiteral("OK"));
    ImageButton *pressedTwin = makeButton(&popup, iconSize, true, QStringLiteral("OK"));
    pressedTwin->setHover(true);
    const QImage normal = render(button);
    const QImage pressed = render(pressedTwin);
    QVERIFY(normal != pressed);
    QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
    QSignalSpy clicked(button, &ImageButton::clicked);

    QTest::keyPress(button, Qt::Key(key));
    QCOMPARE(render(button) == pressed, clicks);
    QCOMPARE(clicked.count(), 0);
    QTest::keyRelease(button, Qt::Key(key));
    QVERIFY(render(button) == normal);
    QCOMPARE(clicked.count(), clicks ? 1 : 0);

    const QList<int> leftToPopup = clicks ? QList<int> {} : QList<int> {key};
    QCOMPARE(popup.presses, leftToPopup);
    QCOMPARE(popup.releases, leftToPopup);
}

void tst_ImageButton::mouse_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left") << int(Qt::LeftButton) << 1;
    QTest::newRow("right") << int(Qt::RightButton) << 0;
    QTest::newRow("middle") << int(Qt::MiddleButton) << 0;
}

void tst_ImageButton::mouse()
{
    QFETCH(int, button);
    QFETCH(int, clicks);

    KeyRecorder popup;
    popup.resize(200, 100);
    ImageButton *imageButton = makeButton(&popup, 0, true, QStringLiteral("OK"));
    popup.show();
    QSignalSpy clicked(imageButton, &ImageButton::clicked);
    QTest::mouseClick(imageButton, Qt::MouseButton(button), Qt::NoModifier, QPoint(20, 10));
    QCOMPARE(clicked.count(), clicks);
}

QTEST_MAIN(tst_ImageButton)
#include "tst_imagebutton.moc"
