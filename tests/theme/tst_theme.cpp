#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
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

// A path found in the code stands for one set of files; a bare name, joined to a directory at
// run time, for one set in each theme directory that has it.
QVector<QStringList> alternativesOf(const QString &path, bool bare)
{
    QVector<QStringList> alternatives;
    for (const QString &dir : bare ? themeDirs : QStringList {QString()}) {
        const QStringList files = resolvePath(bare ? dir + QLatin1Char('/') + path : path);
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
                        references.insert(path, {where, alternativesOf(path, false)});
                }
                auto names = bareName.globalMatch(lines.at(i));
                while (names.hasNext())
                    bareNames.append({names.next().captured(1), where});
            }
            for (const auto &bare : qAsConst(bareNames)) {
                const QString key = QStringLiteral("*/") + bare.first;
                if (joinsNames && !references.contains(key))
                    references.insert(key, {bare.second, alternativesOf(bare.first, true)});
            }
        }
    }
    return references;
}

} // namespace

// Guards the generated theme against the code: every image path that the widget set and the
// application name is in the theme's resources.
class tst_Theme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referencedImageExists_data();
    void referencedImageExists();
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

void tst_Theme::everyImageHasInk()
{
    // A drawing placed off its canvas leaves a fully transparent image.
    QStringList blank;
    QStringList paths;
    for (const char *dir : {":/ui/images", ":/call/images/call"}) {
        QDirIterator it(QLatin1String(dir), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
    }
    QVERIFY(!paths.isEmpty());
    for (const QString &path : qAsConst(paths)) {
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
