#pragma once

#include "listviewitem.h"
#include "palette.h"
#include "textcache.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QRect>
#include <QString>

// Drawing pieces shared by the row kinds. Unlike the plain row, the kinds follow the row's
// selected flag alone: the list's focus flag does not change their pens or fills.
namespace RowPaint {

// Value texts of the kinds: white on a selected row, gray otherwise.
inline QColor valuePen(bool selected)
{
    return selected ? WidgetPalette::selectedValue() : WidgetPalette::value();
}

inline QColor rowPen(const ListViewItem &row, bool useDisable = true)
{
    if (useDisable && !row.m_itemSelectEnable)
        return row.textDisableColor();
    return row.selected() ? row.textSelectColor() : row.textColor();
}

inline void fillSelected(QPainter *p, const ListViewItem &row, const QRect &r)
{
    if (row.selected() && row.backGroundSelectColor().isValid())
        p->fillRect(r, row.backGroundSelectColor());
}

// A rectangle given by its inclusive horizontal extent over the full height of r.
inline QRect span(const QRect &r, int left, int right)
{
    return QRect(QPoint(left, r.top()), QPoint(right, r.bottom()));
}

// QPixmap(path) looks the file up and builds its cache key on every call. The theme's images
// are compiled-in resources that cannot change, so they are kept in the pixmap cache by path.
inline QPixmap themeImage(const QString &path)
{
    QPixmap pixmap;
    if (!path.startsWith(QLatin1Char(':')))
        return QPixmap(path);
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QPixmap(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

inline void drawImage(QPainter *p, int x, int y, const QString &path)
{
    p->drawPixmap(x, y, themeImage(path));
}

// Scaling is the raster engine's slowest way to draw an image, and these images are drawn at
// a handful of fixed sizes: each is scaled once, kept in the pixmap cache under its path and
// size, and blitted from there. Images already at the size are blitted as they are.
inline void drawScaled(QPainter *p, const QRect &target, const QString &path)
{
    if (target.isEmpty())
        return;
    const QPixmap pixmap = themeImage(path);
    if (pixmap.size() == target.size()) {
        p->drawPixmap(target.topLeft(), pixmap);
        return;
    }
    const bool smooth = p->testRenderHint(QPainter::SmoothPixmapTransform);
    const QString key = path
        + QStringLiteral("@%1x%2%3")
              .arg(target.width())
              .arg(target.height())
              .arg(smooth ? QStringLiteral("s") : QString());
    QPixmap scaled;
    if (!QPixmapCache::find(key, &scaled)) {
        QImage image(target.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter scaler(&image);
        scaler.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        scaler.setCompositionMode(QPainter::CompositionMode_Source);
        scaler.drawPixmap(image.rect(), pixmap);
        scaler.end();
        // Made from an image, a pixmap without a translucent pixel is stored opaque and
        // copied rather than blended when it is drawn.
        scaled = QPixmap::fromImage(image);
        QPixmapCache::insert(key, scaled);
    }
    p->drawPixmap(target.topLeft(), scaled);
}

// The three-piece check box whose left piece starts at x; the tick sits 3 pixels in.
inline void drawCheckBox(QPainter *p, int x, int top, bool checked)
{
    drawImage(p, x, top, QStringLiteral(":/ui/images/checkbox_bg_left.png"));
    drawScaled(p, QRect(x + 2, top, 20, 24), QStringLiteral(":/ui/images/checkbox_bg_center.png"));
    drawImage(p, x + 22, top, QStringLiteral(":/ui/images/checkbox_bg_right.png"));
    if (checked)
        drawImage(p, x + 3, top, QStringLiteral(":/ui/images/checkbox_check_icon.png"));
}

// The check box at the right end of a row.
inline void drawRightCheckBox(QPainter *p, const QRect &r, bool checked)
{
    drawCheckBox(p, r.right() - 37, r.top() + 8, checked);
}

// The three-piece text box, w pixels wide from x, 35 high from y.
inline void drawInputBox(QPainter *p, int x, int y, int w)
{
    drawImage(p, x, y, QStringLiteral(":/ui/images/inputbox_left.png"));
    drawScaled(p, QRect(x + 2, y, w - 3, 35), QStringLiteral(":/ui/images/inputbox_center.png"));
    drawImage(p, x + w - 1, y, QStringLiteral(":/ui/images/inputbox_right.png"));
}

inline void drawPressedBackground(QPainter *p, const QRect &r)
{
    drawScaled(p, r, QStringLiteral(":/ui/images/inputbox_press_bg.png"));
}

// The label of a row with an editable value, over the pressed background when selected.
inline void drawEditRowLabel(QPainter *p, ListViewItem &row, const QRect &r, bool useDisable = true)
{
    if (row.selected())
        drawPressedBackground(p, r);
    p->setPen(rowPen(row, useDisable));
    TextCache::drawText(p, span(r, r.left() + 15, r.left() + 441), row.alignment(), row.text());
}

inline void drawNextArrow(QPainter *p, const QRect &r)
{
    drawScaled(p, QRect(r.right() - 33, r.top() + 11, 19, 19),
        QStringLiteral(":/ui/images/next_button_icon.png"));
}

inline QString masked(const QString &text, bool password)
{
    return password ? QString(text.size(), QLatin1Char('*')) : text;
}

inline QFont valueFont()
{
    QFont font;
    font.setPointSize(18);
    return font;
}

} // namespace RowPaint
