// Draws the shell's shared images and writes them as PNG files under an output directory,
// keeping their resource paths, so that the build can compile them into resources. With
// --sheet it renders every image on one labelled page instead, to look the theme over.

#include "themeimages.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

using theme::Ground;
using theme::ThemeImage;

namespace {

QImage render(const ThemeImage &image)
{
    QImage canvas(image.size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    image.draw(painter, QSizeF(image.size));
    painter.end();
    return canvas;
}

bool writeImages(const QString &outputDir)
{
    const QDir root(outputDir);
    for (const ThemeImage &image : theme::themeImages()) {
        const QString path = root.filePath(QLatin1String(image.path));
        if (!QDir().mkpath(QFileInfo(path).path()) || !render(image).save(path, "PNG")) {
            std::fprintf(stderr, "themegen: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

QColor groundColour(Ground ground)
{
    switch (ground) {
    case Ground::List:
        return Qt::white;
    case Ground::Selection:
        return theme::palette::selection;
    case Ground::Bar:
        return QColor(30, 34, 46);
    case Ground::Screen:
        return QColor(118, 122, 132);
    case Ground::Bubble:
        return QColor(24, 24, 24);
    }
    return Qt::white;
}

// Every image at twice its size on the ground it is drawn over, labelled with its path and
// size, grouped by resource directory.
QImage contactSheet()
{
    const int scale = 2;
    const int width = 1400;
    const int margin = 16;
    const int pad = 6;
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(11);
    QFont headingFont = labelFont;
    headingFont.setPixelSize(16);
    headingFont.setBold(true);
    const QFontMetrics labelMetrics(labelFont);
    const int labelHeight = 2 * labelMetrics.height();

    struct Cell
    {
        const ThemeImage *image;
        QRect box;
    };
    struct Heading
    {
        QString text;
        int y;
    };
    std::vector<Cell> cells;
    std::vector<Heading> headings;
    QString directory;
    int x = margin;
    int y = margin;
    int rowHeight = 0;
    for (const ThemeImage &image : theme::themeImages()) {
        const QString path = QLatin1String(image.path);
        const QString dir = QFileInfo(path).path();
        const QString name = QFileInfo(path).fileName();
        const QSize shown = image.size * scale + QSize(2 * pad, 2 * pad);
        const int cellWidth = std::max(shown.width(), labelMetrics.horizontalAdvance(name) + 8);
        if (dir != directory) {
            directory = dir;
            y += rowHeight + (headings.empty() ? 0 : margin);
            headings.push_back({QStringLiteral(":/") + dir + QLatin1Char('/'), y});
            y += 28;
            x = margin;
            rowHeight = 0;
        } else if (x + cellWidth > width - margin) {
            y += rowHeight + margin;
            x = margin;
            rowHeight = 0;
        }
        cells.push_back({&image, QRect(x, y, cellWidth, shown.height() + labelHeight)});
        x += cellWidth + margin;
        rowHeight = std::max(rowHeight, shown.height() + labelHeight);
    }

    QImage sheet(width, y + rowHeight + margin, QImage::Format_RGB32);
    sheet.fill(QColor(226, 228, 232));
    QPainter painter(&sheet);
    painter.setFont(headingFont);
    painter.setPen(QColor(40, 44, 56));
    for (const Heading &heading : headings)
        painter.drawText(margin, heading.y + 18, heading.text);
    painter.setFont(labelFont);
    for (const Cell &cell : cells) {
        const ThemeImage &image = *cell.image;
        const QSize shown = image.size * scale + QSize(2 * pad, 2 * pad);
        const QRect swatch(cell.box.topLeft(), shown);
        painter.fillRect(swatch, groundColour(image.ground));
        painter.drawImage(
            QRect(swatch.topLeft() + QPoint(pad, pad), image.size * scale), render(image));
        const QRect label(cell.box.left(), swatch.bottom() + 2, cell.box.width(), labelHeight);
        painter.setPen(QColor(40, 44, 56));
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop,
            QFileInfo(QLatin1String(image.path)).fileName() + QLatin1Char('\n')
                + QStringLiteral("%1x%2").arg(image.size.width()).arg(image.size.height()));
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    // A build step, run without a display; the offscreen platform still gives fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the shell's shared images."));
    parser.addHelpOption();
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
        QStringLiteral("Render a contact sheet to <file>."), QStringLiteral("file"));
    parser.addOption(sheetOption);
    parser.addPositionalArgument(
        QStringLiteral("output-dir"), QStringLiteral("Directory that receives the PNG files."));
    parser.process(app);

    if (parser.isSet(sheetOption)) {
        const QString file = parser.value(sheetOption);
        if (!contactSheet().save(file, "PNG")) {
            std::fprintf(stderr, "themegen: cannot write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        parser.showHelp(2);
    return writeImages(positional.first()) ? 0 : 1;
}
