// Guards the generated theme against the code: every image path that the widget set and the
// application name is in the theme's resources, and every image there has something drawn.

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Paths the code completes at run time, a '#' for each format placeholder or appended text,
// with the values the code fills in.
const QMap<QString, QList<QStringList>> builtPaths = {
    {"ui/images/status/icon_dial_line_#.png", {{"01", "02", "03", "04", "05"}}},
    {"ui/images/presence_loading#.png", {{"1", "2", "3", "4", "5", "6"}}},
    {"ui/images/icon_wifi_step###.png", {{"0", "1", "2", "3", "4"}, {"", "_hold"}, {"", "_press"}}},
    {"ui/images/popup_button_bg_#.png", {{"left", "center", "right"}}},
    {"ui/images/popup_button_press_bg_#.png", {{"left", "center", "right"}}},
};

// The files a path found in the code stands for; none when it is built from unknown values.
QStringList filesOf(QString path)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:0?\\d*d|\\d+)"));
    path.replace(placeholder, QStringLiteral("#"));
    for (const QString &built : builtPaths.keys()) {
        if (built.startsWith(path + QLatin1Char('#')))
            path = built;
    }
    QStringList files = {path};
    for (const QStringList &values : builtPaths.value(path)) {
        QStringList filled;
        for (const QString &file : qAsConst(files)) {
            for (const QString &value : values)
                filled << QString(file).replace(file.indexOf(QLatin1Char('#')), 1, value);
        }
        files = filled;
    }
    return files.first().contains(QLatin1Char('#')) ? QStringList() : files;
}

bool present(const QString &file)
{
    const QString resource = QStringLiteral(":/") + file;
    return file.endsWith(QLatin1Char('/')) ? QFileInfo(resource).isDir()
                                           : !QImage(resource).isNull();
}

struct Reference
{
    QString where;
    QStringList files;
    bool anyOf = false; // a bare name may live in any of the theme's directories
};

// Resource paths in string literals, forms and style sheets alike; bare ".png" names count
// in files that join them to a theme directory.
QMap<QString, Reference> scanSources()
{
    static const QRegularExpression resourcePath(
        QStringLiteral(R"(:/?((?:ui/images|call/images/call)/[A-Za-z0-9_%./]*))"));
    static const QRegularExpression bareName(QStringLiteral(R"re("([A-Za-z0-9_]+\.png)")re"));
    const QDir root(QStringLiteral(HOTSPOT_SOURCE_DIR));
    QMap<QString, Reference> references;
    for (const char *dir : {"widgets", "settings_hotspot", "simulator"}) {
        QDirIterator it(root.filePath(QLatin1String(dir)), {"*.cpp", "*.h", "*.ui"}, QDir::Files,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly | QIODevice::Text);
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            QMap<QString, Reference> bare;
            bool joinsNames = false;
            for (int i = 0; i < lines.size(); ++i) {
                const QString where = root.relativeFilePath(file.fileName()) + QLatin1Char(':')
                    + QString::number(i + 1);
                for (auto paths = resourcePath.globalMatch(lines.at(i)); paths.hasNext();) {
                    QString path = paths.next().captured(1);
                    while (path.endsWith(QLatin1Char('.')))
                        path.chop(1);
                    joinsNames = joinsNames || path.endsWith(QLatin1Char('/'));
                    if (!references.contains(path))
                        references.insert(path, {where, filesOf(path)});
                }
                for (auto names = bareName.globalMatch(lines.at(i)); names.hasNext();) {
                    const QString name = names.next().captured(1);
                    QStringList files;
                    for (const char *theme :
                        {"ui/images/", "ui/images/status/", "call/images/call/"})
                        files << QLatin1String(theme) + name;
                    bare.insert(QStringLiteral("*/") + name, {where, files, true});
                }
            }
            for (auto name = bare.cbegin(); joinsNames && name != bare.cend(); ++name) {
                if (!references.contains(name.key()))
                    references.insert(name.key(), name.value());
            }
        }
    }
    return references;
}

} // namespace

class tst_Theme : public QObject
{
    Q_OBJECT

private slots:
    void referencedImageExists_data();
    void referencedImageExists();
    void everyImageHasInk();
};

void tst_Theme::referencedImageExists_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("anyOf");
    const QMap<QString, Reference> references = scanSources();
    // A wrong source directory would make the scan pass vacuously.
    QVERIFY2(references.size() > 20, HOTSPOT_SOURCE_DIR);
    for (auto it = references.cbegin(); it != references.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it->where << it->files << it->anyOf;
}

void tst_Theme::referencedImageExists()
{
    QFETCH(QString, where);
    QFETCH(QStringList, files);
    QFETCH(bool, anyOf);
    QVERIFY2(!files.isEmpty(), qPrintable(where + QLatin1String(": built from unknown values")));
    QStringList missing;
    for (const QString &file : qAsConst(files)) {
        if (!present(file))
            missing << file;
    }
    const bool found = anyOf ? missing.size() < files.size() : missing.isEmpty();
    QVERIFY2(
        found, qPrintable(where + QLatin1String(": missing ") + missing.join(QLatin1String(", "))));
}

// A drawing placed off its canvas leaves a fully transparent image.
void tst_Theme::everyImageHasInk()
{
    QStringList blank;
    int images = 0;
    for (const char *dir : {":/ui/images", ":/call/images/call"}) {
        QDirIterator it(QLatin1String(dir), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QImage image = QImage(it.next()).convertToFormat(QImage::Format_ARGB32);
            ++images;
            bool ink = false;
            for (int y = 0; y < image.height() && !ink; ++y) {
                for (int x = 0; x < image.width() && !ink; ++x)
                    ink = qAlpha(image.pixel(x, y)) > 0;
            }
            if (!ink)
                blank << it.filePath();
        }
    }
    QVERIFY(images > 0);
    QVERIFY2(blank.isEmpty(), qPrintable(blank.join(QLatin1String(", "))));
}

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
