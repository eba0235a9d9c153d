// Guards the generated theme against the code: every image that the widget set, the
// application and the simulator name is in the theme's resources, and every image there has
// something drawn.

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

namespace {

bool hasInk(const QImage &image)
{
    const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);
    for (int y = 0; y < alpha.height(); ++y) {
        const uchar *line = alpha.constScanLine(y);
        if (std::any_of(line, line + alpha.width(), [](uchar a) { return a > 0; }))
            return true;
    }
    return false;
}

const QStringList &themeFiles()
{
    static const QStringList files = [] {
        QStringList found;
        for (const char *dir : {":/ui/images", ":/call/images/call"}) {
            QDirIterator it(
                QLatin1String(dir), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                found << it.next();
        }
        return found;
    }();
    return files;
}

// An image name in a string literal, with its theme directory or bare.
const QRegularExpression literal(QStringLiteral(
    R"re(["/]((?:ui/images/(?:status/)?|call/images/call/)?[A-Za-z0-9_]+\.png)")re"));

} // namespace

class tst_Theme : public QObject
{
    Q_OBJECT

private slots:
    void referencedImageExists_data()
    {
        QTest::addColumn<QString>("name");
        // A name with its theme directory, or a bare one that the code joins to a directory or
        // a prefix; names built from run-time values ('%') are left out.
        const QDir root(QStringLiteral(HOTSPOT_SOURCE_DIR));
        int count = 0;
        for (const char *dir : {"widgets", "settings_hotspot", "simulator"}) {
            QDirIterator it(root.filePath(QLatin1String(dir)), {"*.cpp", "*.h", "*.ui"},
                QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                for (auto m = literal.globalMatch(QString::fromUtf8(file.readAll()));
                     m.hasNext();) {
                    const QString name = m.next().captured(1);
                    QTest::addRow("%s: %s", qPrintable(root.relativeFilePath(file.fileName())),
                        qPrintable(name))
                        << name;
                    ++count;
                }
            }
        }
        // A wrong source directory would make the check pass vacuously.
        QVERIFY2(count > 20, HOTSPOT_SOURCE_DIR);
    }

    void referencedImageExists()
    {
        QFETCH(QString, name);
        if (name.contains(QLatin1Char('/'))) {
            QVERIFY(!QImage(QStringLiteral(":/") + name).isNull());
            return;
        }
        bool found = false;
        for (const QString &file : themeFiles())
            found = found || file.endsWith(name);
        QVERIFY(found);
    }

    // A drawing placed off its canvas leaves a fully transparent image.
    void everyImageHasInk()
    {
        QStringList blank;
        for (const QString &file : themeFiles()) {
            if (!hasInk(QImage(file)))
                blank << file;
        }
        QVERIFY2(blank.isEmpty(), qPrintable(blank.join(QLatin1String(", "))));
    }
};

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
