#include "renderprobe.h"
#include "toast.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

enum Kind { Plain, Wait, WithOutKey, WaitWithOutKey };

Toast *makeToast(Kind kind, const QString &text, int timeout, QWidget *parent)
{
    switch (kind) {
    case Plain:
        return new Toast(text, timeout, parent);
    case Wait:
        return new ToastWait(text, timeout, parent);
    case WithOutKey:
        return new ToastWithOutKeyEvent(text, timeout, parent);
    case WaitWithOutKey:
        return new ToastWaitWithOutKeyEvent(text, timeout, parent);
    }
    return nullptr;
}

// The single-shot countdown, or else the repeating frame timer of the wait toasts.
QTimer *findTimer(const Toast *toast, bool singleShot)
{
    const QList<QTimer *> timers = toast->findChildren<QTimer *>();
    for (QTimer *timer : timers) {
        if (timer->isSingleShot() == singleShot)
            return timer;
    }
    return nullptr;
}

QTimer *countdown(const Toast *toast)
{
    return findTimer(toast, true);
}

void fire(QTimer *timer)
{
    QVERIFY(timer);
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

bool opaque(QRgb pixel)
{
    return qAlpha(pixel) > 200;
}

bool covered(QRgb pixel)
{
    return qAlpha(pixel) > 0;
}

bool white(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

QPixmap loadingFrame(int number)
{
    return QPixmap(QStringLiteral(":ui/images/presence_loading%1.png").arg(number));
}

} // namespace

class tst_Toast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void countdownRunsFromConstruction();
    void setTimeout();
    void setMessageRestartsCountdown();
    void keys_data();
    void keys();
    void execEnds_data();
    void execEnds();
    void deletingInsideExec_data();
    void deletingInsideExec();
    void timedOutBeforeExec();
    void nestedExecRefused();
    void minimumBubble_data();
    void minimumBubble();
    void iconAboveText();
    void waitFrames();
    void waitPainting();
};

void tst_Toast::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    QApplication::setFont(font);
}

void tst_Toast::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Toast::countdownRunsFromConstruction()
{
    KeyRecorder screen;
    Toast toast(QStringLiteral("Saved"), 5000, &screen);
    QTimer *timer = countdown(&toast);
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);

    // Time passes between construction and exec(); exec() must not start the countdown again.
    QTRY_VERIFY_WITH_TIMEOUT(timer->remainingTime() <= 4950, 1000);
    const int beforeExec = timer->remainingTime();
    int insideExec = -1;
    bool shownInsideExec = false;
    QSignalSpy closed(&toast, &Toast::toastTimeout);
    QTimer::singleShot(0, &toast, [&] {
        insideExec = timer->remainingTime();
        shownInsideExec = toast.isVisible();
        fire(timer);
    });
    screen.show();
    QCOMPARE(toast.exec(), 0);
    QVERIFY(shownInsideExec);
    QVERIFY(insideExec >= 0);
    QVERIFY(insideExec <= beforeExec);
    QCOMPARE(closed.count(), 1);
    QVERIFY(toast.isHidden());
}

void tst_Toast::setTimeout()
{
    KeyRecorder screen;
    Toast toast(QStringLiteral("Failed"), 0, &screen);
    QVERIFY(!countdown(&toast));

    toast.setTimeout(3000);
    QTimer *timer = countdown(&toast);
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3000);

    toast.setTimeout(0);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 3000);

    toast.setTimeout(2000);
    QCOMPARE(countdown(&toast), timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 2000);
    QCOMPARE(toast.findChildren<QTimer *>().size(), 1);
}

void tst_Toast::setMessageRestartsCountdown()
{
    KeyRecorder screen;
    Toast toast(QStringLiteral("Saved"), 5000, &screen);
    QTimer *timer = countdown(&toast);
    QVERIFY(timer);
    QTRY_VERIFY_WITH_TIMEOUT(timer->remainingTime() <= 4950, 1000);
    const int beforeMessage = timer->remainingTime();
    const QImage before = render(&toast);

    const QString longer = QStringLiteral("Failed to apply the hotspot settings, please try again");
    toast.setMessage(longer);
    QCOMPARE(toast.message(), longer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(timer->remainingTime() > beforeMessage);
    // The new text is what the next repaint shows.
    QVERIFY(bounds(render(&toast), covered).height() > bounds(before, covered).height());

    Toast untimed(QStringLiteral("Saved"), 0, &screen);
    untimed.setMessage(QStringLiteral("Failed"));
    QVERIFY(!countdown(&untimed));
}

void tst_Toast::keys_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("ignoreKey");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("pressFirst");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("reachesParent");
    QTest::addColumn<int>("escapes");

    QTest::newRow("press and release close")
        << int(Plain) << false << int(Qt::Key_5) << true << true << false << 0;
    QTest::newRow("ignored keys") << int(Plain) << true << int(Qt::Key_Escape) << true << false
                                  << false << 0;
    QTest::newRow("release without press")
        << int(Plain) << false << int(Qt::Key_Enter) << false << false << false << 0;
    QTest::newRow("wait closes like a toast")
        << int(Wait) << false << int(Qt::Key_Up) << true << true << false << 0;
    QTest::newRow("wait ignoring keys")
        << int(Wait) << true << int(Qt::Key_Up) << true << false << false << 0;
    QTest::newRow("without keys leaves them to the parent")
        << int(WithOutKey) << false << int(Qt::Key_Down) << true << false << true << 0;
    QTest::newRow("without keys leaves Escape too")
        << int(WithOutKey) << true << int(Qt::Key_Escape) << true << false << true << 0;
    QTest::newRow("wait without keys reports Escape")
        << int(WaitWithOutKey) << false << int(Qt::Key_Escape) << true << false << false << 1;
    QTest::newRow("wait without keys leaves other keys")
        << int(WaitWithOutKey) << false << int(Qt::Key_F15) << true << false << true << 0;
}

void tst_Toast::keys()
{
    QFETCH(int, kind);
    QFETCH(bool, ignoreKey);
    QFETCH(int, key);
    QFETCH(bool, pressFirst);
    QFETCH(bool, closes);
    QFETCH(bool, reachesParent);
    QFETCH(int, escapes);

    KeyRecorder screen;
    Toast *toast = makeToast(Kind(kind), QStringLiteral("Saving..."), 0, &screen);
    toast->setIgnoreKey(ignoreKey);
    QSignalSpy closed(toast, &Toast::toastTimeout);
    std::unique_ptr<QSignalSpy> escaped;
    if (auto *wait = qobject_cast<ToastWaitWithOutKeyEvent *>(toast))
        escaped = std::make_unique<QSignalSpy>(wait, &ToastWaitWithOutKeyEvent::escaped);
    screen.show();
    toast->show();

    if (pressFirst)
        QTest::keyPress(toast, Qt::Key(key));
    QVERIFY(toast->isVisible());
    QTest::keyRelease(toast, Qt::Key(key));

    QCOMPARE(toast->isVisible(), !closes);
    QCOMPARE(closed.count(), closes ? 1 : 0);
    const QList<int> expected = reachesParent ? QList<int> {key} : QList<int> {};
    QCOMPARE(screen.presses, expected);
    QCOMPARE(screen.releases, expected);
    QCOMPARE(escaped ? escaped->count() : 0, escapes);
}

void tst_Toast::execEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("closedItself");

    QTest::newRow("key") << "key" << 1;
    QTest::newRow("toast hidden by its owner") << "hide toast" << 0;
    QTest::newRow("screen hidden") << "hide screen" << 0;
}

void tst_Toast::execEnds()
{
    QFETCH(QString, how);
    QFETCH(int, closedItself);

    KeyRecorder screen;
    ToastWait toast(QStringLiteral("Saving..."), 0, &screen);
    QSignalSpy closed(&toast, &Toast::toastTimeout);
    // Twice: the toast runs modally again after it has been closed.
    for (int run = 1; run <= 2; ++run) {
        screen.show();
        QTimer::singleShot(0, &screen, [&] {
            if (how == QLatin1String("key")) {
                QTest::keyPress(&toast, Qt::Key_1);
                QTest::keyRelease(&toast, Qt::Key_1);
            } else if (how == QLatin1String("hide toast")) {
                toast.hide();
            } else {
                screen.hide();
            }
        });
        QCOMPARE(toast.exec(), 0);
        QVERIFY(!toast.isVisible());
        QCOMPARE(closed.count(), run * closedItself);
    }
}

void tst_Toast::deletingInsideExec_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("owner");

    // Result messages and guard timers run inside the toast's loop and retire it there.
    QTest::newRow("toast deleted") << int(Plain) << "delete";
    QTest::newRow("wait toast deleted") << int(Wait) << "delete";
    QTest::newRow("screen deleted") << int(Plain) << "delete screen";
    QTest::newRow("replaced by another modal toast") << int(Plain) << "replace";
    QTest::newRow("deleted later on its own timeout") << int(Plain) << "deleteLater";
}

void tst_Toast::deletingInsideExec()
{
    QFETCH(int, kind);
    QFETCH(QString, owner);

    auto *screen = new KeyRecorder;
    QPointer<QWidget> screenGuard(screen);
    Toast *toast = makeToast(Kind(kind), QStringLiteral("Disconnecting..."), 10000, screen);
    toast->setIgnoreKey(true);
    QPointer<Toast> guard(toast);
    int replacementResult = -1;
    screen->show();

    if (owner == QLatin1String("delete")) {
        QTimer::singleShot(0, screen, [toast] { delete toast; });
    } else if (owner == QLatin1String("delete screen")) {
        QTimer::singleShot(0, qApp, [screen] { delete screen; });
    } else if (owner == QLatin1String("replace")) {
        QTimer::singleShot(0, screen, [&] {
            delete toast;
            Toast replacement(QStringLiteral("Disconnected"), 5000, screen);
            QTimer::singleShot(0, screen, [&] { fire(countdown(&replacement)); });
            replacementResult = replacement.exec();
        });
    } else {
        connect(toast, &Toast::toastTimeout, toast, &QObject::deleteLater);
        QTimer::singleShot(0, screen, [toast] { fire(countdown(toast)); });
    }

    QCOMPARE(toast->exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    if (owner == QLatin1String("replace"))
        QCOMPARE(replacementResult, 0);
    QCOMPARE(screenGuard.isNull(), owner == QLatin1String("delete screen"));
    delete screenGuard;
}

void tst_Toast::timedOutBeforeExec()
{
    KeyRecorder screen;
    Toast toast(QStringLiteral("Saved"), 3000, &screen);
    toast.setIgnoreKey(true);
    screen.show();
    fire(countdown(&toast));

    // Without a countdown left, a toast that ignores keys would never close.
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    connect(&rescue, &QTimer::timeout, &toast, [&] {
        rescued = true;
        toast.hide();
    });
    rescue.start(2000);
    QCOMPARE(toast.exec(), 0);
    QVERIFY(!rescued);
    QVERIFY(toast.isHidden());

    // A new message starts a new countdown, which exec() waits for again.
    toast.setMessage(QStringLiteral("Saved again"));
    bool shown = false;
    QTimer::singleShot(0, &toast, [&] {
        shown = toast.isVisible();
        fire(countdown(&toast));
    });
    QCOMPARE(toast.exec(), 0);
    QVERIFY(shown);
    QVERIFY(!rescued);
}

void tst_Toast::nestedExecRefused()
{
    KeyRecorder screen;
    Toast toast(QStringLiteral("Saved"), 0, &screen);
    screen.show();
    int nested = 0;
    QTimer::singleShot(0, &toast, [&] {
        nested = toast.exec();
        toast.hide();
    });
    QCOMPARE(toast.exec(), 0);
    QCOMPARE(nested, -1);
}

void tst_Toast::minimumBubble_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("one word") << QStringLiteral("Saved");
    QTest::newRow("empty") << QString();
}

void tst_Toast::minimumBubble()
{
    QFETCH(QString, message);

    KeyRecorder screen;
    Toast toast(message, 0, &screen);
    const QImage image = render(&toast);

    // 251x58 from (114.5, 75); the outline adds half a pixel all round.
    QCOMPARE(bounds(image, opaque), QRect(QPoint(114, 75), QPoint(365, 132)));
    QCOMPARE(image.pixel(240, 80), qRgba(0, 0, 0, 255));

    // Corners of a radius near 5 both ways: neither square nor stretched along one side.
    int topInset = 0;
    while (topInset < 30 && !opaque(image.pixel(114 + topInset, 75)))
        ++topInset;
    int leftInset = 0;
    while (leftInset < 30 && !opaque(image.pixel(114, 75 + leftInset)))
        ++leftInset;
    QVERIFY2(topInset >= 2 && topInset <= 6, qPrintable(QString::number(topInset)));
    QVERIFY2(leftInset >= 2 && leftInset <= 6, qPrintable(QString::number(leftInset)));

    const QRect text = bounds(image, white);
    QCOMPARE(text.isEmpty(), message.isEmpty());
    if (!text.isEmpty()) {
        QVERIFY(qAbs(text.center().x() - 240) <= 2);
        QVERIFY2(
            qAbs(text.center().y() - 104) <= 3, qPrintable(QString::number(text.center().y())));
    }
}

void tst_Toast::iconAboveText()
{
    KeyRecorder screen;
    Toast plain(QStringLiteral("Saved"), 0, &screen);
    const QRect plainText = bounds(render(&plain), white);

    Toast toast(QStringLiteral("Saved"), 0, &screen);
    toast.setIcon(filled(QSize(40, 30), Qt::red));
    const QImage image = render(&toast);

    const QRect icon = bounds(image, isColour(Qt::red));
    const QRect bubble = bounds(image, covered);
    const QRect text = bounds(image, white);
    QCOMPARE(icon.size(), QSize(40, 30));
    QCOMPARE(icon.left(), (480 - 40) / 2);
    // Bubble top + 12; the covered bounds start half a pixel above the bubble.
    QVERIFY2(qAbs(icon.top() - (bubble.top() + 12)) <= 1,
        qPrintable(QStringLiteral("icon %1 bubble %2").arg(icon.top()).arg(bubble.top())));
    // The text moves down by icon height - 10, below the icon.
    QCOMPARE(text.top(), plainText.top() + 20);
    QVERIFY(text.top() > icon.bottom());
    QVERIFY(bubble.bottom() - text.bottom() >= 9);
}

void tst_Toast::waitFrames()
{
    KeyRecorder screen;
    ToastWait toast(QStringLiteral("Saving..."), 0, &screen);
    QTimer *timer = findTimer(&toast, false);
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 100);
    // It animates whether shown or not.
    QVERIFY(timer->isActive());
    QVERIFY(!toast.isVisible());

    QCOMPARE(toast.frame(), 0);
    QList<int> frames;
    for (int tick = 0; tick < 7; ++tick) {
        fire(timer);
        frames << toast.frame();
    }
    QCOMPARE(frames, (QList<int> {1, 2, 3, 4, 5, 0, 1}));
}

void tst_Toast::waitPainting()
{
    for (int number = 1; number <= 6; ++number)
        QVERIFY2(!loadingFrame(number).isNull(), qPrintable(QString::number(number)));

    KeyRecorder screen;
    ToastWait toast(QStringLiteral("Saving..."), 0, &screen);
    toast.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));

    // The text in the widget's own font, 15 pixels below the middle of the text area: what a
    // blank message of the same bubble does not draw.
    ToastWait blank(QStringLiteral(" "), 0, &screen);
    blank.setFont(toast.font());
    const QRect text = difference(render(&toast), render(&blank));
    QVERIFY(!text.isEmpty());
    QVERIFY2(
        qAbs(text.center().y() - (104 + 15)) <= 3, qPrintable(QString::number(text.center().y())));
    QVERIFY(qAbs(text.center().x() - 240) <= 2);

    QTimer *timer = findTimer(&toast, false);
    for (int frame = 0; frame < 6; ++frame) {
        QCOMPARE(toast.frame(), frame);
        const QImage image = render(&toast);
        const QRect bubble = bounds(image, covered);
        QVERIFY(bubble.width() >= 251);
        QVERIFY(bubble.height() >= 58);

        // The translucent fill, left of the frame image and the text.
        QVERIFY(qAbs(qAlpha(image.pixel(bubble.left() + 4, bubble.center().y())) - 216) <= 1);

        // The frame image, centred, 12 pixels below the bubble top (the covered bounds start up
        // to a pixel above the bubble), over the translucent fill.
        const QPixmap expected = loadingFrame(frame + 1);
        QImage composed(expected.size(), QImage::Format_ARGB32_Premultiplied);
        composed.fill(QColor(0, 0, 0, 216));
        QPainter(&composed).drawPixmap(0, 0, expected);
        const int left = (480 - expected.width()) / 2;
        const auto mismatches = [&](int top) {
            int count = 0;
            for (int y = 0; y < composed.height(); ++y) {
                for (int x = 0; x < composed.width(); ++x)
                    count += image.pixel(left + x, top + y) != composed.pixel(x, y);
            }
            return count;
        };
        const int best = qMin(mismatches(bubble.top() + 12), mismatches(bubble.top() + 13));
        QVERIFY2(best * 20 < composed.width() * composed.height(),
            qPrintable(QStringLiteral("frame %1: %2").arg(frame).arg(best)));

        fire(timer);
    }
}

QTEST_MAIN(tst_Toast)
#include "tst_toast.moc"
