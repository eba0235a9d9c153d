#include "themedraw.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <initializer_list>

namespace {

using namespace theme;

QPainterPath roundRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath circle(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

// Angles in degrees, counter-clockwise from three o'clock, as QPainterPath::arcTo takes them.
QPainterPath arc(const QPointF &centre, qreal radius, qreal start, qreal span)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, span);
    return path;
}

QPainterPath stroked(const QPainterPath &path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
    Qt::PenJoinStyle join = Qt::RoundJoin)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(path);
}

QPainterPath line(
    const QPointF &from, const QPointF &to, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    return stroked(polyline({from, to}), width, cap);
}

// Scales a shape uniformly so that it just fits the box, centred in it.
QPainterPath fitted(const QPainterPath &path, const QRectF &box)
{
    const QRectF bounds = path.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

// Letters as outlines, so that tiny labels come out crisp and fill their box exactly.
QPainterPath glyphs(const QString &text, const QRectF &box)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return fitted(path, box);
}

// Clears a margin around a shape so that a badge drawn over an icon stays readable.
void knockout(QPainter &p, const QPainterPath &shape, qreal gap)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(shape.united(stroked(shape, 2 * gap)), Qt::black);
    p.restore();
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A handset seen from the side: a thick half ring opening to the right, with the ear and
// mouth pads at its ends.
QPainterPath uprightHandset(const QRectF &box)
{
    const qreal outer = std::min(box.height() / 2, box.width());
    const qreal thickness = outer * 0.36;
    const qreal inner = outer - thickness;
    const QPointF centre(box.right(), box.center().y());
    QPainterPath ring;
    ring.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), 90);
    ring.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), 90, 180);
    ring.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), 270, -180);
    ring.closeSubpath();
    const qreal padWidth = outer * 0.62;
    const qreal padHeight = thickness * 1.5;
    const qreal padRadius = thickness * 0.4;
    ring = ring.united(roundRect(
        QRectF(centre.x() - padWidth, centre.y() - outer, padWidth, padHeight), padRadius));
    return ring.united(roundRect(
        QRectF(centre.x() - padWidth, centre.y() + outer - padHeight, padWidth, padHeight),
        padRadius));
}

// The familiar telephone symbol: the upright handset turned so that it opens to the upper
// right.
QPainterPath handset(const QRectF &box)
{
    QTransform turn;
    turn.rotate(-45);
    return fitted(turn.map(uprightHandset(QRectF(0, 0, 10, 20))), box);
}

QPainterPath bluetoothRune(const QRectF &box)
{
    const qreal x = box.center().x();
    const qreal half = box.width() / 2;
    const qreal high = box.top() + box.height() * 0.27;
    const qreal low = box.top() + box.height() * 0.73;
    return polyline({{x - half, high}, {x + half, low}, {x, box.bottom()}, {x, box.top()},
        {x + half, high}, {x - half, low}});
}

QPainterPath padlock(const QRectF &body)
{
    const qreal radius = body.width() * 0.3;
    const QPointF top(body.center().x(), body.top());
    QPainterPath shackle;
    shackle.moveTo(top.x() - radius, body.top() + 0.5);
    shackle.arcTo(
        QRectF(top.x() - radius, top.y() - radius * 1.6, 2 * radius, 3.2 * radius), 180, -180);
    shackle.lineTo(top.x() + radius, body.top() + 0.5);
    return roundRect(body, body.width() * 0.15)
        .united(stroked(shackle, body.width() * 0.17, Qt::FlatCap));
}

// Paints one piece of a face whose caps are cap pixels wide: the whole face is drawn wide
// enough to have a uniform middle, and the canvas shows only the wanted part of it.
Draw threePiece(Piece piece, int cap, std::function<void(QPainter &, const QRectF &)> face)
{
    return [=](QPainter &p, const QSizeF &size) {
        const qreal whole = 2 * cap + 16;
        qreal offset = 0;
        if (piece == Piece::Center)
            offset = cap + 8;
        else if (piece == Piece::Right)
            offset = whole - size.width();
        p.translate(-offset, 0);
        face(p, QRectF(0, 0, whole, size.height()));
    };
}

void bar(
    QPainter &p, const QRectF &rect, const QColor &top, const QColor &middle, const QColor &bottom)
{
    QLinearGradient gradient(0, rect.top(), 0, rect.bottom());
    gradient.setColorAt(0, top);
    gradient.setColorAt(0.45, middle);
    gradient.setColorAt(1, bottom);
    p.fillRect(rect, gradient);
}

QColor directionColour(Direction direction)
{
    switch (direction) {
    case Direction::Incoming:
        return palette::green;
    case Direction::Outgoing:
        return palette::blue;
    case Direction::Missed:
        return palette::red;
    }
    return palette::ink;
}

QPainterPath directionArrow(Direction direction)
{
    const qreal width = 1.9;
    switch (direction) {
    case Direction::Incoming:
        return line({22, 2}, {15.5, 8.5}, width)
            .united(stroked(polyline({{15.5, 4}, {15.5, 8.5}, {20, 8.5}}), width));
    case Direction::Outgoing:
        return line({15.5, 8.5}, {22, 2}, width)
            .united(stroked(polyline({{17.5, 2}, {22, 2}, {22, 6.5}}), width));
    case Direction::Missed:
        return stroked(polyline({{13.5, 2.5}, {17.5, 7.5}, {22, 3}}), width)
            .united(stroked(polyline({{18.5, 2.5}, {22.3, 2.5}, {22.3, 6.3}}), width));
    }
    return {};
}

QPainterPath mediumGlyph(Medium medium)
{
    switch (medium) {
    case Medium::Call:
        return handset(QRectF(0.5, 7, 16.5, 16.5));
    case Medium::Video:
        return roundRect(QRectF(1, 11, 11.5, 9.5), 2)
            .united(stroked(polygon({{13.5, 15.75}, {17.5, 12.5}, {17.5, 19}}), 1.6));
    case Medium::Message:
        return roundRect(QRectF(1, 10, 16, 11.5), 1.8);
    }
    return {};
}

// The headset of the status bar; the badge variants squeeze it to the left.
QPainterPath headsetShape(bool withMicrophone)
{
    QPainterPath shape = stroked(arc({10.5, 9.5}, 7, 0, 180), 1.7, Qt::FlatCap);
    shape = shape.united(roundRect(QRectF(2.3, 8, 4.2, 6.5), 1.6));
    shape = shape.united(roundRect(QRectF(14.5, 8, 4.2, 6.5), 1.6));
    if (withMicrophone) {
        QPainterPath boom;
        boom.moveTo(4.4, 14);
        boom.quadTo(5, 15.2, 8.5, 15);
        shape = shape.united(stroked(boom, 1.2)).united(circle({9.6, 14.9}, 1.1));
    }
    return shape;
}

} // namespace

namespace theme {

QColor inkColour(Ink ink)
{
    switch (ink) {
    case Ink::Dark:
        return palette::ink;
    case Ink::Light:
        return Qt::white;
    case Ink::Dim:
        return palette::dim;
    }
    return palette::ink;
}

Draw fill(const QColor &colour)
{
    return [=](QPainter &p, const QSizeF &size) { p.fillRect(QRectF(QPointF(), size), colour); };
}

Draw statusBar()
{
    return [](QPainter &p, const QSizeF &size) {
        const qreal h = size.height();
        bar(p, QRectF(0, 0, size.width(), h - 1), {54, 61, 80}, {36, 41, 56}, {24, 27, 37});
        p.fillRect(QRectF(0, h - 1, size.width(), 1), QColor(10, 11, 16));
    };
}

Draw keyBar()
{
    return [](QPainter &p, const QSizeF &size) {
        p.fillRect(QRectF(0, 0, size.width(), 1), QColor(10, 11, 16));
        p.fillRect(QRectF(0, 1, size.width(), 1), QColor(92, 101, 126));
        bar(p, QRectF(0, 2, size.width(), size.height() - 2), {60, 67, 88}, {38, 43, 58},
            {22, 25, 34});
    };
}

Draw keyBarSeparator()
{
    return [](QPainter &p, const QSizeF &size) {
        QLinearGradient gradient(0, 0, 0, size.height());
        gradient.setColorAt(0, QColor(150, 160, 186, 0));
        gradient.setColorAt(0.5, QColor(150, 160, 186, 190));
        gradient.setColorAt(1, QColor(150, 160, 186, 0));
        p.fillRect(QRectF(QPointF(), size), gradient);
    };
}

Draw keyBarPressed()
{
    return [](QPainter &p, const QSizeF &size) {
        bar(p, QRectF(QPointF(), size), palette::selectionLight, palette::selection,
            palette::selectionDark);
    };
}

Draw selectedRow()
{
    return [](QPainter &p, const QSizeF &size) {
        p.fillRect(QRectF(QPointF(), size), palette::selection);
        p.fillRect(QRectF(0, 0, size.width(), 1), palette::selectionLight);
        p.fillRect(QRectF(0, size.height() - 1, size.width(), 1), palette::selectionDark);
    };
}

Draw checkBox(Piece piece)
{
    return threePiece(piece, 2, [](QPainter &p, const QRectF &face) {
        p.setPen(QPen(QColor(150, 158, 174), 1));
        p.setBrush(vertical(face.top(), face.bottom(), Qt::white, QColor(232, 236, 243)));
        p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    });
}

Draw checkTick()
{
    return [](QPainter &p, const QSizeF &) {
        p.fillPath(
            stroked(polyline({{4, 12.5}, {7.8, 16.3}, {14.5, 7.8}}), 3), palette::selectionDark);
    };
}

Draw radioMark(bool checked)
{
    return [=](QPainter &p, const QSizeF &size) {
        const QPointF centre(size.width() / 2, size.height() / 2);
        const qreal radius = size.width() / 2 - 1;
        p.setPen(
            QPen(checked ? palette::selectionDark : QColor(150, 158, 174), checked ? 1.5 : 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(centre, radius, radius);
        if (checked)
            p.fillPath(circle(centre, radius * 0.52), palette::selection);
    };
}

Draw nextArrow()
{
    return [](QPainter &p, const QSizeF &size) {
        const QPointF centre(size.width() / 2, size.height() / 2);
        p.fillPath(circle(centre, size.width() / 2 - 0.6),
            vertical(0, size.height(), QColor(108, 124, 166), QColor(74, 90, 132)));
        const qreal x = centre.x() - 1.2;
        p.fillPath(stroked(polyline({{x - 1.8, centre.y() - 4}, {x + 2.2, centre.y()},
                               {x - 1.8, centre.y() + 4}}),
                       2),
            Qt::white);
    };
}

Draw inputBox(Piece piece)
{
    return threePiece(piece, 2, [](QPainter &p, const QRectF &face) {
        p.setPen(QPen(QColor(166, 173, 188), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    });
}

Draw volumeSegment(Segment look)
{
    return [=](QPainter &p, const QSizeF &size) {
        const QRectF rect = QRectF(QPointF(), size).adjusted(0.5, 0.5, -0.5, -0.5);
        switch (look) {
        case Segment::Empty:
            p.setPen(QPen(QColor(168, 176, 192), 1));
            p.setBrush(QColor(120, 128, 150, 40));
            break;
        case Segment::Filled:
            p.setPen(QPen(palette::selectionDark, 1));
            p.setBrush(vertical(0, size.height(), palette::selectionLight, palette::selectionDark));
            break;
        case Segment::FilledSelected:
            p.setPen(QPen(QColor(226, 232, 246), 1));
            p.setBrush(Qt::white);
            break;
        }
        p.drawRoundedRect(rect, 2, 2);
    };
}

Draw holdBar(Piece piece)
{
    return threePiece(piece, 12, [](QPainter &p, const QRectF &face) {
        p.setPen(QPen(QColor(128, 146, 192), 1));
        p.setBrush(vertical(face.top(), face.bottom(), QColor(90, 107, 152), QColor(56, 70, 108)));
        p.drawRoundedRect(face.adjusted(0.5, 3.5, -0.5, -3.5), 8, 8);
    });
}

Draw wifi(int bars, Ink ink, bool secured)
{
    return [=](QPainter &p, const QSizeF &size) {
        const QColor lit = inkColour(ink);
        const QColor unlit = ink == Ink::Dark ? palette::inkUnlit : withAlpha(lit, 80);
        const QPointF origin(size.width() / 2, size.height() - 1.6);
        const QPainterPath elements[]
            = {circle(origin, 1.9), stroked(arc(origin, 5, 45, 90), 2.1, Qt::FlatCap),
                stroked(arc(origin, 8.5, 45, 90), 2.1, Qt::FlatCap),
                stroked(arc(origin, 12, 45, 90), 2.1, Qt::FlatCap)};
        for (int i = 0; i < 4; ++i)
            p.fillPath(elements[i], i < bars ? lit : unlit);

        const qreal right = size.width() - 0.5;
        QPainterPath badge;
        if (bars < 0)
            badge = glyphs(QStringLiteral("?"), QRectF(right - 5.5, 7, 5.5, 8.5));
        else if (secured)
            badge = padlock(QRectF(right - 5.6, 11, 5.6, 4.6));
        if (!badge.isEmpty()) {
            knockout(p, badge, 1);
            p.fillPath(badge, lit);
        }
    };
}

Draw presence(Presence state)
{
    return [=](QPainter &p, const QSizeF &size) {
        static const QColor colours[] = {palette::green, palette::red, palette::orange,
            palette::grey, palette::red, palette::blue, palette::darkGrey};
        const QColor base = colours[int(state)];
        const QPointF centre(size.width() / 2, size.height() / 2);
        p.setPen(QPen(base.darker(135), 1));
        p.setBrush(vertical(0, size.height(), base.lighter(118), base.darker(110)));
        p.drawEllipse(centre, size.width() / 2 - 0.8, size.height() / 2 - 0.8);

        QPainterPath glyph;
        switch (state) {
        case Presence::Online:
            break;
        case Presence::Meeting:
            glyph = roundRect(QRectF(3.8, 6.9, 8.4, 2.2), 1);
            break;
        case Presence::Food:
            glyph = roundRect(QRectF(4, 5.6, 6, 5.6), 1.3)
                        .united(stroked(arc({10, 8.2}, 1.7, -90, 180), 1.2))
                        .united(line({3.6, 12.4}, {11.2, 12.4}, 1.1));
            break;
        case Presence::Offline:
            glyph = circle(centre, 3.2);
            break;
        case Presence::Danger:
            glyph = roundRect(QRectF(7, 3.3, 2, 6.6), 1).united(circle({8, 12}, 1.2));
            break;
        case Presence::Different:
            glyph = line({5, 11}, {10.6, 5.4}, 1.6)
                        .united(stroked(polyline({{6.6, 5.2}, {10.8, 5.2}, {10.8, 9.4}}), 1.6));
            break;
        case Presence::Logout:
            glyph
                = stroked(arc({8, 8.6}, 3.7, 125, 290), 1.5).united(line({8, 3.4}, {8, 8.2}, 1.5));
            break;
        }
        p.fillPath(glyph, Qt::white);
    };
}

Draw callAvailability(const QColor &colour)
{
    return [=](QPainter &p, const QSizeF &size) {
        p.fillPath(fitted(uprightHandset(QRectF(0, 0, 10, 20)),
                       QRectF(QPointF(), size).adjusted(0.5, 0.5, -0.5, -0.5)),
            colour);
    };
}

Draw avatar(const QColor &top, const QColor &bottom)
{
    return [=](QPainter &p, const QSizeF &size) {
        const qreal w = size.width();
        const qreal h = size.height();
        const QPainterPath tile = roundRect(QRectF(0, 0, w, h), 3);
        p.fillPath(tile, vertical(0, h, top, bottom));
        p.setClipPath(tile);
        const QColor figure(238, 241, 248, 235);
        p.fillPath(circle({w / 2, h * 0.39}, w * 0.19), figure);
        QPainterPath shoulders;
        shoulders.addEllipse(QPointF(w / 2, h * 1.03), w * 0.36, h * 0.36);
        p.fillPath(shoulders, figure);
    };
}

Draw history(Medium medium, Direction direction, Ink ink)
{
    return [=](QPainter &p, const QSizeF &) {
        const QColor colour = ink == Ink::Light ? QColor(Qt::white) : directionColour(direction);
        p.fillPath(mediumGlyph(medium), colour);
        if (medium == Medium::Message) {
            p.save();
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            p.fillPath(stroked(polyline({{2.8, 11.8}, {9, 16.6}, {15.2, 11.8}}), 1.4), Qt::black);
            p.restore();
        }
        const QPainterPath arrow = directionArrow(direction);
        knockout(p, arrow, 1.2);
        p.fillPath(arrow, colour);
    };
}

Draw lineState(LineState state, Ink ink)
{
    return [=](QPainter &p, const QSizeF &) {
        const QColor colour = ink == Ink::Light
            ? QColor(Qt::white)
            : (state == LineState::Ringing ? palette::green : palette::orange);
        p.fillPath(handset(QRectF(0.5, 5.5, 18, 18)), colour);
        QPainterPath mark;
        if (state == LineState::Ringing) {
            mark = stroked(arc({11.5, 12.5}, 6, 5, 80), 1.8, Qt::FlatCap)
                       .united(stroked(arc({11.5, 12.5}, 9.8, 5, 80), 1.8, Qt::FlatCap));
        } else {
            mark = roundRect(QRectF(15, 1, 2.8, 8.5), 1)
                       .united(roundRect(QRectF(20, 1, 2.8, 8.5), 1));
        }
        knockout(p, mark, 1);
        p.fillPath(mark, colour);
    };
}

Draw triangleArrow(bool left, Ink ink)
{
    return [=](QPainter &p, const QSizeF &size) {
        const qreal w = size.width();
        const qreal mid = size.height() / 2;
        const QPainterPath shape = left
            ? polygon({{2.5, mid}, {w - 2.5, mid - 5.5}, {w - 2.5, mid + 5.5}})
            : polygon({{w - 2.5, mid}, {2.5, mid - 5.5}, {2.5, mid + 5.5}});
        p.fillPath(shape.united(stroked(shape, 1.6)), inkColour(ink));
    };
}

Draw openClose(bool open)
{
    return [=](QPainter &p, const QSizeF &size) {
        const qreal mid = size.height() / 2;
        const qreal w = size.width();
        const QPainterPath shape = open
            ? polygon({{1.5, mid}, {6.5, mid - 5}, {6.5, mid + 5}})
                  .united(polygon({{w - 1.5, mid}, {w - 6.5, mid - 5}, {w - 6.5, mid + 5}}))
            : polygon({{6.5, mid}, {1.5, mid - 5}, {1.5, mid + 5}})
                  .united(polygon({{w - 6.5, mid}, {w - 1.5, mid - 5}, {w - 1.5, mid + 5}}));
        p.fillPath(shape.united(stroked(shape, 1.4)), Qt::white);
    };
}

Draw popupPanel()
{
    return [](QPainter &p, const QSizeF &size) {
        // Rounded at the top only: the popup's buttons continue it at the bottom.
        QPainterPath outline = roundRect(QRectF(0.5, 0.5, size.width() - 1, size.height() + 8), 6);
        QPainterPath canvas;
        canvas.addRect(QRectF(QPointF(), size));
        outline = outline.intersected(canvas);
        p.setPen(QPen(QColor(104, 113, 136), 1));
        p.setBrush(vertical(0, size.height(), QColor(253, 253, 254), QColor(236, 239, 245)));
        p.drawPath(outline);
    };
}

Draw popupHighlight(Piece piece)
{
    return threePiece(piece, 5, [](QPainter &p, const QRectF &face) {
        p.fillPath(roundRect(face.adjusted(0, 0, 0, 8), 5), palette::selection);
    });
}

Draw popupButton(Piece piece, bool pressed)
{
    return threePiece(piece, 3, [=](QPainter &p, const QRectF &face) {
        if (pressed) {
            p.setPen(QPen(QColor(56, 70, 108), 1));
            p.setBrush(
                vertical(face.top(), face.bottom(), QColor(126, 143, 188), palette::selectionDark));
        } else {
            p.setPen(QPen(QColor(132, 140, 158), 1));
            p.setBrush(
                vertical(face.top(), face.bottom(), QColor(252, 252, 253), QColor(210, 215, 225)));
        }
        p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    });
}

Draw busyFrame(int frame)
{
    return [=](QPainter &p, const QSizeF &size) {
        static const int alphas[] = {255, 200, 150, 110, 80, 60};
        const QPointF centre(size.width() / 2, size.height() / 2);
        const qreal ring = size.width() / 2 - 3.5;
        QTransform turn;
        for (int dot = 0; dot < 6; ++dot) {
            turn.reset();
            turn.translate(centre.x(), centre.y());
            turn.rotate(60 * dot);
            const int age = (frame - dot + 6) % 6;
            p.fillPath(turn.map(circle({0, -ring}, 2.4)), QColor(255, 255, 255, alphas[age]));
        }
    };
}

Draw dialLine(int frame)
{
    return [=](QPainter &p, const QSizeF &) {
        // Sound waves leave the handset: frames 1 to 3 add a wave, frames 4 and 5 let the inner
        // ones fade out, frame 0 is the handset alone.
        static const bool waves[6][3] = {{false, false, false}, {true, false, false},
            {true, true, false}, {true, true, true}, {false, true, true}, {false, false, true}};
        p.fillPath(handset(QRectF(1.5, 5, 10.5, 10.5)), Qt::white);
        const qreal radii[] = {4, 6.6, 9.2};
        for (int i = 0; i < 3; ++i) {
            if (waves[frame][i])
                p.fillPath(stroked(arc({10, 10}, radii[i], 8, 74), 1.5, Qt::FlatCap), Qt::white);
        }
    };
}

Draw upgrade()
{
    return [](QPainter &p, const QSizeF &) {
        const QPainterPath shape
            = line({10.5, 1.5}, {10.5, 9.5}, 1.8)
                  .united(stroked(polyline({{7, 6.5}, {10.5, 10}, {14, 6.5}}), 1.8))
                  .united(stroked(polyline({{4, 10}, {4, 14}, {17, 14}, {17, 10}}), 1.6));
        p.fillPath(shape, Qt::white);
    };
}

Draw lock()
{
    return [](QPainter &p, const QSizeF &) {
        p.fillPath(padlock(QRectF(5.5, 7.5, 10, 7.5)), Qt::white);
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillPath(
            circle({10.5, 10.5}, 1.2).united(roundRect(QRectF(10, 10.5, 1, 2.6), 0.4)), Qt::black);
        p.restore();
    };
}

Draw camera(bool on, Ink ink)
{
    return [=](QPainter &p, const QSizeF &) {
        const QColor colour = inkColour(ink);
        const QPainterPath body
            = roundRect(QRectF(2, 4, 11.5, 8.5), 2)
                  .united(stroked(polygon({{15, 8.25}, {18.5, 5.5}, {18.5, 11}}), 1.6));
        p.fillPath(body, colour);
        if (!on) {
            const QPainterPath slash = line({3, 1.5}, {18.5, 14.5}, 1.6);
            knockout(p, slash, 1);
            p.fillPath(slash, colour);
        }
    };
}

Draw chainLink()
{
    return [](QPainter &p, const QSizeF &) {
        QTransform place;
        QPainterPath shape;
        for (const QPointF &centre : {QPointF(8.4, 9.9), QPointF(12.6, 5.9)}) {
            place.reset();
            place.translate(centre.x(), centre.y());
            place.rotate(-45);
            shape
                = shape.united(place.map(stroked(roundRect(QRectF(-5, -2.6, 10, 5.2), 2.6), 1.6)));
        }
        p.fillPath(shape, Qt::white);
    };
}

Draw moduleLink()
{
    return [](QPainter &p, const QSizeF &) {
        QPainterPath shape = stroked(roundRect(QRectF(3, 1.5, 8, 13), 1.5), 1.3);
        for (qreal y : {4.0, 7.0, 10.0}) {
            shape = shape.united(roundRect(QRectF(4.8, y, 1.8, 1.6), 0.3));
            shape = shape.united(roundRect(QRectF(7.4, y, 1.8, 1.6), 0.3));
        }
        shape = shape.united(line({11.5, 8}, {15.5, 8}, 1.4)).united(circle({17.2, 8}, 2));
        p.fillPath(shape, Qt::white);
    };
}

Draw mobile()
{
    return [](QPainter &p, const QSizeF &) {
        const QPainterPath shape = stroked(roundRect(QRectF(6.5, 1, 8, 14), 1.8), 1.4)
                                       .united(roundRect(QRectF(8.2, 3, 4.6, 8.2), 0.5))
                                       .united(circle({10.5, 13}, 0.9));
        p.fillPath(shape, Qt::white);
    };
}

Draw bluetoothPairing(Ink ink)
{
    return [=](QPainter &p, const QSizeF &size) {
        const qreal mid = size.width() / 2;
        const QPainterPath shape
            = stroked(bluetoothRune(QRectF(mid - 3, 2, 6, size.height() - 4)), 1.4, Qt::FlatCap,
                Qt::MiterJoin)
                  .united(circle({2.5, size.height() / 2}, 1.3))
                  .united(circle({size.width() - 2.5, size.height() / 2}, 1.3));
        p.fillPath(shape, inkColour(ink));
    };
}

Draw headset(Headset kind, Ink ink)
{
    return [=](QPainter &p, const QSizeF &) {
        const QColor colour = inkColour(ink);
        if (kind == Headset::Earjack) {
            // A headphone plug: cord, grip, ringed shaft and tip.
            QPainterPath plug = line({0.8, 8}, {3.5, 8}, 1.4)
                                    .united(roundRect(QRectF(3, 5, 7, 6), 1.5))
                                    .united(roundRect(QRectF(10, 6.6, 8, 2.8), 0.4))
                                    .united(polygon({{17.8, 6.6}, {20.3, 8}, {17.8, 9.4}}));
            p.fillPath(plug, colour);
            p.save();
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            p.fillRect(QRectF(12.6, 6, 0.9, 4), Qt::black);
            p.fillRect(QRectF(15.3, 6, 0.9, 4), Qt::black);
            p.restore();
            return;
        }
        if (kind == Headset::Wired) {
            p.fillPath(headsetShape(true), colour);
            return;
        }
        // The badge variants keep the headset in the left three quarters.
        QTransform squeeze;
        squeeze.translate(0.5, 2);
        squeeze.scale(0.76, 0.8);
        p.fillPath(squeeze.map(headsetShape(false)), colour);
        const QPainterPath badge = kind == Headset::Ehs
            ? glyphs(QStringLiteral("E"), QRectF(15, 6, 5, 8))
            : stroked(bluetoothRune(QRectF(15.5, 3.5, 4, 11)), 1.2, Qt::FlatCap, Qt::MiterJoin);
        p.fillPath(badge, colour);
    };
}

Draw agMode(Ink ink)
{
    return [=](QPainter &p, const QSizeF &) {
        const QPainterPath shape
            = stroked(roundRect(QRectF(1.5, 2.5, 18, 11), 2.5), 1.3)
                  .united(glyphs(QStringLiteral("AG"), QRectF(4.5, 5.2, 12, 5.6)));
        p.fillPath(shape, inkColour(ink));
    };
}

Draw hotspot()
{
    return [](QPainter &p, const QSizeF &size) {
        const QPointF centre(size.width() / 2, 6);
        QPainterPath shape = circle(centre, 2);
        for (qreal radius : {4.6, 7.6}) {
            shape = shape.united(stroked(arc(centre, radius, -40, 80), 1.5));
            shape = shape.united(stroked(arc(centre, radius, 140, 80), 1.5));
        }
        shape = shape.united(stroked(
            polygon({{centre.x(), 8.5}, {centre.x() - 2.6, 14.8}, {centre.x() + 2.6, 14.8}}), 1));
        p.fillPath(shape, Qt::white);
    };
}

Draw languageKey(Language language)
{
    return [=](QPainter &p, const QSizeF &) {
        const QRectF tile(1.5, 3.5, 18, 15);
        if (language == Language::Special) {
            p.fillPath(stroked(roundRect(tile, 3), 1.2), Qt::white);
            p.fillPath(glyphs(QStringLiteral("@"), QRectF(5, 6.5, 11, 9)), Qt::white);
            return;
        }
        p.fillPath(roundRect(tile, 3),
            vertical(tile.top(), tile.bottom(), QColor(246, 248, 252), QColor(214, 220, 232)));
        QPainterPath letters;
        switch (language) {
        case Language::Hangul:
            // The syllable "ga": the consonant's bar and hook, then the vowel's stem and tick.
            letters = stroked(polyline({{4.8, 7.8}, {10, 7.8}}), 1.6, Qt::FlatCap);
            {
                QPainterPath hook;
                hook.moveTo(9.4, 7.8);
                hook.cubicTo(9.6, 11.5, 8.6, 14, 5.4, 16.2);
                letters = letters.united(stroked(hook, 1.6, Qt::FlatCap));
            }
            letters = letters.united(line({13.4, 6.2}, {13.4, 16.6}, 1.6, Qt::FlatCap))
                          .united(line({13.4, 11.2}, {16.6, 11.2}, 1.6, Qt::FlatCap));
            break;
        case Language::LowerCase:
            letters = glyphs(QStringLiteral("ab"), QRectF(4.5, 7, 12, 8));
            break;
        case Language::UpperCase:
            letters = glyphs(QStringLiteral("AB"), QRectF(4.5, 7, 12, 8));
            break;
        case Language::Number:
            letters = glyphs(QStringLiteral("12"), QRectF(4.5, 7, 12, 8));
            break;
        case Language::Special:
            break;
        }
        p.fillPath(letters, QColor(30, 34, 46));
    };
}

} // namespace theme
