// Every image that the widget set, the application and the simulator name is in the generated
// theme's resources.

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

// An image name in a string literal, with its theme directory or bare (joined to a directory or
// a prefix by the code); names built from run-time values are left out.
const QRegularExpression literal(QStringLiteral(
    R"re(["/]((?:ui/images/(?:status/)?|call/images/call/)?[A-Za-z0-9_]+\.png)")re"));

class tst_Theme : public QObject
{
    Q_OBJECT
private slots:
    void referencedImagesExist()
    {
        QStringList theme;
        for (const char *dir : {":/ui/images", ":/call/images/call"}) {
            QDirIterator it(
                QLatin1String(dir), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                theme << it.next();
        }
        const QDir root(QStringLiteral(HOTSPOT_SOURCE_DIR));
        QStringList missing;
        int count = 0;
        for (const char *dir : {"widgets", "settings_hotspot", "simulator"}) {
            QDirIterator it(root.filePath(QLatin1String(dir)), {"*.cpp", "*.h", "*.ui"},
                QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                for (auto m = literal.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();
                     ++count) {
                    const QString name = m.next().captured(1);
                    if (std::none_of(theme.cbegin(), theme.cend(),
                            [&name](const QString &image) { return image.endsWith(name); }))
                        missing << root.relativeFilePath(file.fileName()) + ": " + name;
                }
            }
        }
        // A wrong source directory would make the check pass vacuously.
        QVERIFY2(count > 20, HOTSPOT_SOURCE_DIR);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
    }
};

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
