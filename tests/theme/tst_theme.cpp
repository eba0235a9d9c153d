#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QStringList themeDirs = {QStringLiteral("ui/images"), QStringLiteral("ui/images/status"),
    QStringLiteral("call/images/call")};

// Paths that the code builds at run time, each placeholder written as '#' (a format's %1 or
// %02d, or the text appended to a stem), with the values the code fills in for each.
const QMap<QString, QVector<QStringList>> &builtPaths()
{
    static const QStringList pieces = {"left", "center", "right"};
    static const QMap<QString, QVector<QStringList>> values = {
        {"ui/images/status/icon_dial_line_#.png", {{"01", "02", "03", "04", "05"}}},
        {"ui/images/presence_loading#.png", {{"1", "2", "3", "4", "5", "6"}}},
        {"ui/images/icon_wifi_step###.png",
            {{"0", "1", "2", "3", "4"}, {"", "_hold"}, {"", "_press"}}},
        {"ui/images/popup_button_bg_#.png", {pieces}},
        {"ui/images/popup_button_press_bg_#.png", {pieces}},
    };
    return values;
}

// One image the code names, as alternatives that each list the files it stands for: a format
// stands for all of its values, and a bare file name, joined to a directory prefix at run
// time, may live in any of the theme's directories. No alternative means the path is built
// from values the test does not know.
struct Reference
{
    QString where;
    QVector<QStringList> alternatives;
};

QStringList expand(const QString &pattern)
{
    const QVector<QStringList> placeholders = builtPaths().value(pattern);
    if (placeholders.size() != pattern.count(QLatin1Char('#')))
        return {};
    QStringList paths = {pattern};
    for (const QStringList &values : placeholders) {
        QStringList filled;
        for (const QString &path : qAsConst(paths)) {
            for (const QString &value : values)
                filled << QString(path).replace(path.indexOf(QLatin1Char('#')), 1, value);
        }
        paths = filled;
    }
    return paths;
}

QString withPlaceholder(QString text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:0?\\d*d|\\d+)"));
    return text.replace(placeholder, QStringLiteral("#"));
}

// Resolves a resource path found in the code: a file, a format, a stem that gets text
// appended, or a directory that names are joined to.
QStringList resolvePath(const QString &path)
{
    const QString pattern = withPlaceholder(path);
    if (pattern.contains(QLatin1Char('#')))
        return expand(pattern);
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1String(".png")))
        return {path};
    for (auto it = builtPaths().cbegin(); it != builtPaths().cend(); ++it) {
        if (it.key().startsWith(path + QLatin1Char('#')))
            return expand(it.key());
    }
    return {};
}

QVector<QStringList> alternativesOf(const QString &path)
{
    const QStringList files = resolvePath(path);
    return files.isEmpty() ? QVector<QStringList>() : QVector<QStringList> {files};
}

QVector<QStringList> alternativesOfBareName(const QString &name)
{
    QVector<QStringList> alternatives;
    for (const QString &dir : themeDirs) {
        const QStringList files = resolvePath(dir + QLatin1Char('/') + name);
        if (!files.isEmpty())
            alternatives << files;
    }
    return alternatives;
}

// Scans the sources for image resource paths: string literals, form files and style-sheet
// url(...) alike. Bare ".png" literals count only in files that also name a theme directory,
// because those join them to it.
QMap<QString, Reference> scanSources(int *filesScanned)
{
    static const QRegularExpression resourcePath(
        QStringLiteral(R"(:/?((?:ui/images|call/images/call)/[A-Za-z0-9_%./]*))"));
    static const QRegularExpression bareName(QStringLiteral(R"re("([A-Za-z0-9_%]+\.png)")re"));
    const QDir root(QStringLiteral(HOTSPOT_SOURCE_DIR));
    QMap<QString, Reference> references;
    *filesScanned = 0;
    for (const char *dir : {"widgets", "settings_hotspot", "simulator"}) {
        QDirIterator it(root.filePath(QLatin1String(dir)), {"*.cpp", "*.h", "*.ui"}, QDir::Files,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            ++*filesScanned;
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            const QString name = root.relativeFilePath(file.fileName());
            bool joinsNames = false;
            QVector<QPair<QString, QString>> bareNames;
            for (int i = 0; i < lines.size(); ++i) {
                const QString where = name + QLatin1Char(':') + QString::number(i + 1);
                auto paths = resourcePath.globalMatch(lines.at(i));
                while (paths.hasNext()) {
                    QString path = paths.next().captured(1);
                    while (path.endsWith(QLatin1Char('.')))
                        path.chop(1);
                    joinsNames = joinsNames || path.endsWith(QLatin1Char('/'));
                    if (!references.contains(path))
                        references.insert(path, {where, alternativesOf(path)});
                }
                auto names = bareName.globalMatch(lines.at(i));
                while (names.hasNext())
                    bareNames.append({names.next().captured(1), where});
            }
            for (const auto &bare : qAsConst(bareNames)) {
                const QString key = QStringLiteral("*/") + bare.first;
                if (joinsNames && !references.contains(key))
                    references.insert(key, {bare.second, alternativesOfBareName(bare.first)});
            }
        }
    }
    return references;
}

QStringList themeImages()
{
    QStringList paths;
    for (const char *dir : {":/ui/images", ":/call/images/call"}) {
        QDirIterator it(QLatin1String(dir), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
    }
    return paths;
}

} // namespace

// Guards the generated theme against the code: every image path that the widget set and the
// application name is in the theme's resources, at the size the layout draws it.
class tst_Theme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referencedImageExists_data();
    void referencedImageExists();
    void layoutSize_data();
    void layoutSize();
    void fitsItsPlace_data();
    void fitsItsPlace();
    void stateVariantsDiffer();
    void everyImageHasInk();
};

void tst_Theme::initTestCase()
{
    int filesScanned = 0;
    const QMap<QString, Reference> references = scanSources(&filesScanned);
    // A wrong source directory would make the scan pass vacuously.
    QVERIFY2(filesScanned > 0, HOTSPOT_SOURCE_DIR);
    QVERIFY(!references.isEmpty());
}

void tst_Theme::referencedImageExists_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QVector<QStringList>>("alternatives");
    int filesScanned = 0;
    const QMap<QString, Reference> references = scanSources(&filesScanned);
    for (auto it = references.cbegin(); it != references.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it->where << it->alternatives;
}

void tst_Theme::referencedImageExists()
{
    QFETCH(QString, where);
    QFETCH(QVector<QStringList>, alternatives);
    const QString unknown = where + QLatin1String(": built from values not in builtPaths()");
    QVERIFY2(!alternatives.isEmpty(), qPrintable(unknown));
    QStringList missing;
    for (const QStringList &files : qAsConst(alternatives)) {
        missing.clear();
        for (const QString &file : files) {
            const QString resource = QStringLiteral(":/") + file;
            // A directory prefix must be one that the theme fills.
            const bool present = file.endsWith(QLatin1Char('/')) ? QFileInfo(resource).isDir()
                                                                 : !QImage(resource).isNull();
            if (!present)
                missing << file;
        }
        if (missing.isEmpty())
            return;
    }
    QFAIL(qPrintable(where + QLatin1String(": missing ") + missing.join(QLatin1String(", "))));
}

void tst_Theme::layoutSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width"); // -1: free
    QTest::addColumn<int>("height"); // -1: free

    // Bars and the content area of a screen.
    QTest::newRow("status bar") << "ui/images/indicator_bg.png" << 480 << 32;
    QTest::newRow("function-key bar") << "ui/images/menu_bg.png" << 480 << 32;
    QTest::newRow("list background") << "ui/images/bg_white.png" << 480 << 208;
    // Buttons are separated by a single free pixel column.
    QTest::newRow("key separator") << "ui/images/menu_bg_line.png" << 1 << -1;
    QTest::newRow("key pressed") << "ui/images/menu_press.png" << -1 << 32;
    // The check box's middle starts 2 pixels after its left piece and is 24 high.
    QTest::newRow("check box left") << "ui/images/checkbox_bg_left.png" << 2 << 24;
    QTest::newRow("check box right") << "ui/images/checkbox_bg_right.png" << -1 << 24;
    // The text box's middle starts 2 pixels after its left piece and is 35 high.
    QTest::newRow("text box left") << "ui/images/inputbox_left.png" << 2 << 35;
    QTest::newRow("text box right") << "ui/images/inputbox_right.png" << -1 << 35;
    // Level segments are 8 by 30, 14 pixels apart.
    QTest::newRow("level empty") << "ui/images/setting_volume_normal.png" << 8 << 30;
    QTest::newRow("level filled") << "ui/images/setting_volume_press.png" << 8 << 30;
    QTest::newRow("level selected") << "ui/images/setting_volume_press_focus.png" << 8 << 30;
    // The call row's bar is 253 pixels long only with a one-pixel middle piece.
    QTest::newRow("call bar middle") << "ui/images/call_hold_bg_center.png" << 1 << -1;
    // The popup's highlight: caps at x 4 and W - 10, middle from x 9, fill from the row's top + 5.
    QTest::newRow("popup highlight left") << "ui/images/popup_press_left.png" << 5 << 6;
    QTest::newRow("popup highlight right") << "ui/images/popup_press_right.png" << 5 << 6;
    // The panel lies under the popup's list, from y 31 down to the buttons at y 240.
    QTest::newRow("popup panel") << "ui/images/popup_bg_1.png" << 288 << 209;
    // Button faces: 3-pixel caps on buttons 31 high.
    for (const char *state : {"bg", "press_bg"}) {
        for (const char *piece : {"left", "right"}) {
            QTest::addRow("button %s %s", state, piece)
                << QStringLiteral("ui/images/popup_button_%1_%2.png").arg(state, piece) << 3 << 31;
        }
        QTest::addRow("button %s center", state)
            << QStringLiteral("ui/images/popup_button_%1_center.png").arg(state) << -1 << 31;
    }
    // Contact rows stretch these into fixed boxes, which any other size would distort; the
    // white disc behind a presence icon is also sized from the icon's own size.
    for (const char *name :
        {"online", "meeting", "food", "offline", "danger", "different", "logout"}) {
        QTest::addRow("presence %s", name)
            << QStringLiteral("ui/images/icon_presence_%1.png").arg(name) << 16 << 16;
    }
    for (const char *name : {"available", "unavailable", "unregister", "presence_press"}) {
        QTest::addRow("call icon %s", name)
            << QStringLiteral("ui/images/call_icon_%1.png").arg(name) << 11 << 21;
    }
}

void tst_Theme::layoutSize()
{
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    const QImage image(QStringLiteral(":/") + path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    if (width >= 0)
        QCOMPARE(image.width(), width);
    if (height >= 0)
        QCOMPARE(image.height(), height);
}

void tst_Theme::fitsItsPlace_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("limit");

    // Status-bar indicators: labels of 21 by 16, the pairing label 17 by 17, the input-method
    // labels 21 by 22. The Wi-Fi indicator takes its images from the shared directory.
    QDirIterator it(QStringLiteral(":/ui/images/status"), {"*.png"}, QDir::Files);
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        QSize limit(21, 16);
        if (name.startsWith(QLatin1String("indicator_language_")))
            limit = QSize(21, 22);
        else if (name.startsWith(QLatin1String("icon_status_bthset")))
            limit = QSize(17, 17);
        QTest::newRow(qPrintable(name)) << QStringLiteral("ui/images/status/") + name << limit;
    }
    QTest::newRow("wifi unknown") << "ui/images/icon_wifi_unknown.png" << QSize(21, 16);
    for (int step = 0; step <= 4; ++step) {
        QTest::addRow("wifi step %d", step)
            << QStringLiteral("ui/images/icon_wifi_step%1_press.png").arg(step) << QSize(21, 16);
    }
    // Function-key icons: the fourth button's icon size is 13 by 16, the others' 16 by 16.
    QTest::newRow("key arrow left") << "ui/images/menu_bar_arrow_left.png" << QSize(13, 16);
    QTest::newRow("key arrow right") << "ui/images/menu_bar_arrow_right.png" << QSize(13, 16);
    QTest::newRow("key open") << "ui/images/icon_bar_open.png" << QSize(16, 16);
    QTest::newRow("key close") << "ui/images/icon_bar_close.png" << QSize(16, 16);
    // Popup button icons are drawn 8 pixels down on buttons 31 high.
    QTest::newRow("button arrow left") << "ui/images/popup_button_arrow_left.png" << QSize(93, 23);
    QTest::newRow("button arrow right")
        << "ui/images/popup_button_arrow_right.png" << QSize(93, 23);
}

void tst_Theme::fitsItsPlace()
{
    QFETCH(QString, path);
    QFETCH(QSize, limit);
    const QImage image(QStringLiteral(":/") + path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY2(image.width() <= limit.width() && image.height() <= limit.height(),
        qPrintable(QStringLiteral("%1 is %2x%3").arg(path).arg(image.width()).arg(image.height())));
}

void tst_Theme::stateVariantsDiffer()
{
    // A state variant drawn like its plain image (a slip in the image table) would make the
    // dimmed, selected or secured state invisible.
    const QStringList paths = themeImages();
    const QSet<QString> all(paths.cbegin(), paths.cend());
    int pairs = 0;
    for (const QString &path : all) {
        for (const char *state : {"_dim", "_press", "_hold"}) {
            if (!path.contains(QLatin1String(state)))
                continue;
            for (const char *plain : {"", "_nor", "_normal"}) {
                const QString other
                    = QString(path).replace(QLatin1String(state), QLatin1String(plain));
                if (other == path || !all.contains(other))
                    continue;
                ++pairs;
                QVERIFY2(QImage(path) != QImage(other), qPrintable(path + " equals " + other));
            }
        }
    }
    QVERIFY(pairs > 0);
}

void tst_Theme::everyImageHasInk()
{
    // A drawing placed off its canvas leaves a fully transparent image.
    const QStringList paths = themeImages();
    QVERIFY(!paths.isEmpty());
    QStringList blank;
    for (const QString &path : paths) {
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = qAlpha(line[x]) > 0;
        }
        if (!ink)
            blank << path;
    }
    QVERIFY2(blank.isEmpty(), qPrintable(blank.join(QLatin1String(", "))));
}

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
