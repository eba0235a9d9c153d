// The screens and the gallery's pages as the 480x272 display shows them, compared with golden
// images; font, cursor, animations and clock are pinned. Up to 0.1 % of the pixels may be off by
// more than 24 in a channel: a few glyph edges under another FreeType, not a moved row.
// HOTSPOT_UPDATE_BASELINES=1 writes the goldens.

#include "screenfixture.h"

#include "gallerypages.h"
#include "renderprobe.h"
#include "selectpopup_p.h"
#include "settings_hotspot_p.h"
#include "settings_hotspotinfo_p.h"
#include "timelabel.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// Swallows a widget's paint events.
class Blank : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Paint; }
};

const char fontFamily[] = "DejaVu Sans Condensed";

// The display as the window server composes it: every shown device window at its place, in the
// order given (back to front).
QImage compose(const QList<QWidget *> &windows)
{
    QImage frame(480, 272, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    for (QWidget *window : windows) {
        if (window && window->isVisible())
            window->render(&painter, window->pos(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return frame;
}

bool animating(const QList<QWidget *> &windows)
{
    for (QWidget *window : windows) {
        if (!window)
            continue;
        for (QAbstractAnimation *animation : window->findChildren<QAbstractAnimation *>()) {
            if (animation->state() == QAbstractAnimation::Running)
                return true;
        }
    }
    return false;
}

// Waits, in short steps, until nothing moves any more: slides, fades and deferred placements.
// Two equal frames alone do not say so on a loaded machine, where an animation can miss a
// step.
QImage settled(const QList<QWidget *> &windows)
{
    QImage previous = compose(windows);
    for (int attempt = 0; attempt < 60; ++attempt) {
        QTest::qWait(50);
        const QImage frame = compose(windows);
        if (frame == previous && !animating(windows))
            return frame;
        previous = frame;
    }
    return QImage();
}

} // namespace

class tst_Baselines : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The simulator's font too: its narrow letters fill the fixed places as the device's do
        // (fonts-dejavu-extra).
        QApplication::setFont(QFont(QLatin1String(fontFamily)));
        QApplication::setCursorFlashTime(0);
        QCOMPARE(QFontInfo(QApplication::font()).family(), QLatin1String(fontFamily));
    }

    void init()
    {
        f = new ScreenFixture;
        f->installRecorder();
        f->writeConf(f->hostapdConf(),
            "[TETHERING]\nhw_mode=g\nieee80211n=1\nssid=Front desk\nwpa_passphrase=secret99\n");
        f->writeConf(f->shell.path(QStringLiteral("/configs/sip/line_0.conf")),
            "[LineInfo]\nLineNumber=2001\n");
        QCOMPARE(freeze(&f->shell.status), 1);
        f->shell.status.setGeometry(0, 0, 480, 32);
        f->shell.status.show();
    }

    void cleanup()
    {
        delete f;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // The row's name is the scene and the golden's name; "on" is the stored hotspot switch, and
    // "page" the gallery page shown instead of a screen.
    void scenes_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("page");
        for (const char *scene :
            {"settings-hotspot-off", "settings-saving-notice", "settings-failed-notice"})
            QTest::newRow(scene) << false << -1;
        for (const char *scene : {"settings-editing-the-name", "settings-frequency-popup",
                 "settings-connection-mode-popup", "devices-with-stations",
                 "devices-none-connected"})
            QTest::newRow(scene) << true << -1;
        const QList<GalleryPage> pages = ::galleryPages();
        for (int idx = 0; idx < pages.size(); ++idx) {
            const QString name = pages.at(idx).title.toLower().replace(
                QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
            QTest::newRow(qPrintable("gallery-" + name)) << false << idx;
        }
    }

    void scenes()
    {
        QFETCH(bool, on);
        QFETCH(int, page);
        if (page >= 0) {
            galleryPage(page);
            return;
        }
        const QString scene = QLatin1String(QTest::currentDataTag());
        const bool stations = scene == QLatin1String("devices-with-stations");
        if (scene.startsWith(QLatin1String("devices"))) {
            f->installStandIn(QStringLiteral("hostapd_cli"));
            f->writeConf(f->shell.path(QStringLiteral("/usr/sbin/stations")),
                stations ? "Selected interface 'wlan1'\n3c:28:6d:11:22:33\nflags=[AUTH][ASSOC]\n"
                           "a4:5e:60:de:ad:01\nflags=[AUTH][ASSOC]\nf0:9f:c2:00:00:0a\n"
                         : "Selected interface 'wlan1'\n");
        }
        f->writeConf(f->envFile(), on ? "[HOTSPOT]\nHOTSPOT=true\n" : "[HOTSPOT]\nHOTSPOT=false\n");
        f->open();
        if (scene.endsWith(QLatin1String("-popup"))) {
            compare(captureWithPopup(scene.contains(QLatin1String("frequency")) ? 1 : 2), scene);
            return;
        }
        if (scene == QLatin1String("settings-editing-the-name")) {
            f->tap(Qt::Key_F4);
            // The editor is placed, and takes the focus, once the list's deferred check has run.
            QTRY_VERIFY(f->list()->lineEdit()->isVisible());
            QTRY_VERIFY(f->list()->lineEdit()->hasFocus());
            QTRY_VERIFY(f->screen->isActiveWindow());
        } else if (scene.endsWith(QLatin1String("-notice"))) {
            f->tap(Qt::Key_Enter);
            f->softKey(4);
            QVERIFY(f->waitNotice());
            freeze(f->screen);
            QCOMPARE(ToastPrivate::frame(f->waitNotice()), 0);
            if (scene == QLatin1String("settings-failed-notice")) {
                f->answer(QStringLiteral("fail"));
                QVERIFY(f->notice());
            }
        } else if (scene.startsWith(QLatin1String("devices"))) {
            f->softKey(1);
            auto info = f->screen->findChild<SettingsHotspotInfo *>();
            QTRY_COMPARE(SettingsHotspotInfoPrivate::deviceList(info).size(), stations ? 3 : 0);
            QTRY_VERIFY(info->findChild<ListView *>()->itemSize() > 0);
        }
        compare(settled(displayWindows()), scene);
    }

    void textsFitInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 0; language < Core::LanguageCount; ++language)
            QTest::newRow(
                language == Core::English ? "en" : qPrintable(Core::languageCode(language)))
                << language;
    }

    // Every key text, the erase key's too, keeps 6 pixels from the separators, and no line of a
    // validation message is broken by its notice (which breaks anywhere, "(8~63)" too).
    void textsFitInEveryLanguage()
    {
        QFETCH(int, language);
        auto info = SettingsHotspotPrivate::devices(f->screen);
        f->shell.core.setLanguage(language);
        f->screen->receiveMsg(QStringLiteral("changedLanguage()"), QByteArray());
        info->receiveMsg(QStringLiteral("changedLanguage()"), QByteArray());
        QStringList tooWide;
        for (IMEStatus input : {IMEStatusOff, IMEStatusEnglishLower}) {
            f->shell.core.setIMEStatus(input, false);
            for (Tail *tail : {f->tail(), info->findChild<Tail *>()}) {
                for (int key = 0; key < 5; ++key) {
                    const QPushButton *button = tail->button(key);
                    const int room = button->width() - 2 * 6;
                    if (QFontMetrics(button->font()).boundingRect(button->text()).width() > room)
                        tooWide << button->text();
                }
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1String(", "))));

        // A line wider than the notice's text area breaks anywhere, also inside a rule.
        QFont font = QApplication::font();
        font.setPixelSize(18);
        QStringList broken;
        for (const char *source : {"Password is too short (8~63)", "Password is too long (8~63)",
                 "Phone SSID is too long\n(max. 32 bytes)",
                 "Use only English letters, digits\nand symbols in the Password"}) {
            const QString message = QCoreApplication::translate("SettingsHotspot", source);
            for (const QString &line : message.split(QLatin1Char('\n'))) {
                if (QFontMetrics(font).horizontalAdvance(line) > 267)
                    broken << line;
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1String(" | "))));
    }

private:
    // Each gallery page on a screen of its own under the status bar, its title in the bar.
    void galleryPage(int page)
    {
        const GalleryPage shown = ::galleryPages().at(page);
        f->shell.status.setTitle(shown.title);
        QImage actual;
        // Call durations and the call indicator move on once a second from when they were made;
        // a picture that took longer is taken again.
        for (int attempt = 0; attempt < 5 && actual.isNull(); ++attempt) {
            QElapsedTimer built;
            built.start();
            BaseWidget host;
            QWidget *content = shown.build(&host);
            content->setGeometry(0, 0, 480, 208);
            host.show();
            QApplication::setActiveWindow(&host);
            content->setFocus();
            freeze(&host);
            const QImage frame = settled({&f->shell.status, &host});
            if (built.elapsed() < 800)
                actual = frame;
        }
        compare(actual, QLatin1String(QTest::currentDataTag()));
    }

    // Clocks keep their place in their bars, and come and go as they do, but paint nothing; busy
    // animations stop at their first frame. Returns the number of clocks.
    int freeze(QWidget *root)
    {
        int clocks = 0;
        // TimeLabel has no meta-object of its own, so qobject_cast cannot tell it from a QLabel.
        for (QLabel *label : root->findChildren<QLabel *>()) {
            if (dynamic_cast<TimeLabel *>(label)) {
                label->installEventFilter(&m_blankClock);
                ++clocks;
            }
        }
        for (ToastWait *wait : root->findChildren<ToastWait *>()) {
            for (QTimer *timer : wait->findChildren<QTimer *>()) {
                if (!timer->isSingleShot())
                    timer->stop();
            }
        }
        return clocks;
    }

    QList<QWidget *> displayWindows() const
    {
        QList<QWidget *> windows = {&f->shell.status, f->screen};
        windows << SettingsHotspotPrivate::devices(f->screen);
        for (SelectPopup *popup : f->screen->findChildren<SelectPopup *>())
            windows << popup;
        return windows;
    }

    // The popup runs its own loop; the picture is taken inside it once the popup has slid in.
    QImage captureWithPopup(int row)
    {
        QImage captured;
        f->list()->setSelectedIdx(row);
        QTimer::singleShot(0, f->screen, [&] {
            const auto popup = [this] { return f->screen->findChild<SelectPopup *>(); };
            const bool shown = QTest::qWaitFor([&] {
                return popup()
                    && SelectPopupPrivate::showAnimation(popup())->state()
                    == QAbstractAnimation::Stopped;
            });
            if (shown) {
                captured = settled(displayWindows());
                // Ends the popup's loop, so the test goes on whatever was captured.
                static_cast<QWidget *>(popup())->hide();
            }
        });
        f->tap(Qt::Key_Enter);
        return captured;
    }

    void compare(const QImage &actual, const QString &name)
    {
        QVERIFY2(!actual.isNull(), "the screen did not come to rest");
        const QString golden
            = QStringLiteral(BASELINE_GOLDEN_DIR "/") + name + QStringLiteral(".png");
        if (qEnvironmentVariableIntValue("HOTSPOT_UPDATE_BASELINES") == 1) {
            QVERIFY2(actual.save(golden), qPrintable(golden));
            return;
        }
        const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(actual.size(), expected.size());
        const int different = differingPixels(actual, expected, actual.rect());
        QVERIFY2(different <= actual.width() * actual.height() / 1000,
            qPrintable(QStringLiteral("%1 pixels differ").arg(different)));
    }

    ScreenFixture *f = nullptr;
    Blank m_blankClock;
};

int main(int argc, char *argv[])
{
    // The device's screen is set up for 72 dpi; nothing may scale the pictures.
    qputenv("QT_FONT_DPI", "72");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("DISPLAY_RSSI");
    QApplication application(argc, argv);
    tst_Baselines test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_baselines.moc"
