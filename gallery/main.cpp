#include "core.h"
#include "gallerywindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

namespace {

// Lets deferred work (overlay placement, slides) finish before a page is photographed.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

QString fileName(int idx, const QString &title)
{
    QString slug = title.toLower();
    slug.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1-%2.png").arg(idx + 1, 2, 10, QLatin1Char('0')).arg(slug);
}

int writeScreenshots(GalleryWindow &window, const QString &directory)
{
    if (!QDir().mkpath(directory)) {
        qWarning() << "gallery cannot create" << directory;
        return 1;
    }
    window.show();
    window.activateWindow();
    for (int idx = 0; idx < window.pageCount(); ++idx) {
        window.setCurrentPage(idx);
        settle();
        const QString path = QDir(directory).filePath(fileName(idx, window.pageTitle(idx)));
        if (!window.grab().save(path)) {
            qWarning() << "gallery cannot write" << path;
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Screenshots need no display.
    const bool headless = std::any_of(argv + 1, argv + argc,
        [](const char *arg) { return qstrncmp(arg, "--screenshots", 13) == 0; });
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // The device's font resolution, which the fixed sizes of the widget set are made for.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");

    QApplication app(argc, argv);
    if (QFontDatabase().hasFamily(QStringLiteral("DejaVu Sans Condensed")))
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans Condensed")));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Every widget of the set on one 480x272 screen."));
    parser.addHelpOption();
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
        QStringLiteral("Write a PNG of each page into <dir> and quit."), QStringLiteral("dir"));
    parser.addOption(screenshots);
    parser.process(app);

    Core core;
    GalleryWindow window(galleryPages());
    if (parser.isSet(screenshots))
        return writeScreenshots(window, parser.value(screenshots));
    window.show();
    return app.exec();
}
