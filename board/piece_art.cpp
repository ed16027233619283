// Outlines of the three piece designs. Coordinates are design units of the 100 x 100 box (piece_art.h).

#include "board/piece_art.h"

#include <QTransform>

namespace {

// A closed outline symmetric about x = 50, from its right half: a path that starts on the axis at the
// top, runs down the right side and ends on the axis at the bottom.
QPainterPath Symmetric(const QPainterPath& rightHalf)
{
    const QTransform mirror(-1, 0, 0, 1, 100, 0);
    QPainterPath outline = rightHalf;
    outline.connectPath(mirror.map(rightHalf).toReversed());
    outline.closeSubpath();
    return outline;
}

QPainterPath Circle(double cx, double cy, double r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

// A slab centred on the axis from y = top to y = bottom, half as wide as halfWidth, top corners rounded.
QPainterPath Slab(double top, double bottom, double halfWidth, double round)
{
    QPainterPath right;
    right.moveTo(50, top);
    right.lineTo(50 + halfWidth - round, top);
    right.quadTo(50 + halfWidth, top, 50 + halfWidth, top + round);
    right.lineTo(50 + halfWidth, bottom);
    right.lineTo(50, bottom);
    return Symmetric(right);
}

QPainterPath Line(double x1, double y1, double x2, double y2)
{
    QPainterPath path;
    path.moveTo(x1, y1);
    path.lineTo(x2, y2);
    return path;
}

// The same path and its mirror image about the axis.
QPainterPath WithMirror(const QPainterPath& path) { return path + QTransform(-1, 0, 0, 1, 100, 0).map(path); }

// ---- Classical design ----

PieceDrawing ClassicalPawn()
{
    PieceDrawing d;
    d.parts.push_back(Slab(82, 92, 28, 3));
    QPainterPath body;
    body.moveTo(50, 48);
    body.lineTo(58, 48);
    body.cubicTo(58, 62, 63, 76, 74, 82.5);
    body.lineTo(50, 82.5);
    d.parts.push_back(Symmetric(body));
    d.parts.push_back(Circle(50, 34, 11.5));
    d.parts.push_back(Ellipse(50, 48, 13, 3.8));
    return d;
}

PieceDrawing ClassicalRook()
{
    PieceDrawing d;
    d.parts.push_back(Slab(84, 92, 30, 2));
    d.parts.push_back(Slab(77, 84, 25, 1));
    QPainterPath body;
    body.moveTo(50, 40);
    body.lineTo(68, 40);
    body.lineTo(70, 77);
    body.lineTo(50, 77);
    d.parts.push_back(Symmetric(body));
    d.parts.push_back(Slab(34, 41, 24, 0));
    QPainterPath top;
    top.moveTo(50, 24);
    top.lineTo(56, 24);
    top.lineTo(56, 16);
    top.lineTo(64, 16);
    top.lineTo(64, 24);
    top.lineTo(68, 24);
    top.lineTo(68, 16);
    top.lineTo(76, 16);
    top.lineTo(76, 34.5);
    top.lineTo(50, 34.5);
    d.parts.push_back(Symmetric(top));
    return d;
}

PieceDrawing ClassicalBishop()
{
    PieceDrawing d;
    d.parts.push_back(Slab(84, 92, 27, 3));
    QPainterPath foot;
    foot.moveTo(50, 64);
    foot.lineTo(57, 64);
    foot.cubicTo(57, 72, 62, 80, 71, 84.5);
    foot.lineTo(50, 84.5);
    d.parts.push_back(Symmetric(foot));
    d.parts.push_back(Circle(50, 14, 4.5));
    QPainterPath mitre;
    mitre.moveTo(50, 17);
    mitre.cubicTo(57, 25, 66, 34, 66, 45);
    mitre.cubicTo(66, 55, 59, 61, 50, 62);
    d.parts.push_back(Symmetric(mitre));
    d.parts.push_back(Ellipse(50, 64, 13.5, 4));
    d.details = Line(58, 30, 48, 43);
    return d;
}

PieceDrawing ClassicalQueen()
{
    PieceDrawing d;
    d.parts.push_back(Slab(84, 92, 28, 3));
    QPainterPath crown;
    crown.moveTo(50, 18);
    crown.lineTo(56.5, 48);
    crown.lineTo(66, 22);
    crown.lineTo(68, 50);
    crown.lineTo(81, 28);
    crown.cubicTo(77, 48, 74, 62, 72, 77);
    crown.lineTo(50, 77);
    d.parts.push_back(Symmetric(crown));
    d.parts.push_back(Circle(50, 14, 5));
    d.parts.push_back(WithMirror(Circle(66.5, 18.5, 4.5)));
    d.parts.push_back(WithMirror(Circle(82, 24.5, 4.5)));
    d.parts.push_back(Slab(76, 84.5, 23, 2));
    QPainterPath band;
    band.moveTo(29, 68);
    band.quadTo(50, 62, 71, 68);
    d.details = band;
    return d;
}

PieceDrawing ClassicalKing()
{
    PieceDrawing d;
    d.parts.push_back(Slab(84, 92, 28, 3));
    QPainterPath crown;
    crown.moveTo(50, 40);
    crown.cubicTo(58, 26, 81, 26, 82, 43);
    crown.cubicTo(83, 55, 75, 64, 72, 76);
    crown.lineTo(50, 76);
    d.parts.push_back(Symmetric(crown));
    d.parts.push_back(Ellipse(50, 38, 7, 9.5));
    QPainterPath cross;
    cross.moveTo(50, 4);
    cross.lineTo(52.5, 4);
    cross.lineTo(52.5, 10);
    cross.lineTo(58, 10);
    cross.lineTo(58, 15);
    cross.lineTo(52.5, 15);
    cross.lineTo(52.5, 29);
    cross.lineTo(50, 29);
    d.parts.push_back(Symmetric(cross));
    d.parts.push_back(Slab(75, 84.5, 23, 2));
    d.details = Line(50, 47.5, 50, 75);
    return d;
}

PieceDrawing ClassicalKnight()
{
    PieceDrawing d;
    d.parts.push_back(Slab(84, 92, 29, 3));
    QPainterPath head;
    head.moveTo(78, 84.5);
    head.cubicTo(83, 62, 81, 38, 65, 23); // back of the neck, the mane
    head.lineTo(61, 18);
    head.lineTo(57, 6); // ear
    head.lineTo(50, 15);
    head.cubicTo(41, 16, 32, 22, 27, 31); // forehead
    head.cubicTo(23, 38, 17, 45, 12, 51); // face
    head.cubicTo(8, 55, 8, 64, 13, 67); // muzzle
    head.cubicTo(17, 70, 24, 70, 29, 67); // chin
    head.cubicTo(34, 64, 40, 62, 47, 60); // jaw
    head.cubicTo(40, 68, 33, 76, 30, 84.5); // chest
    head.closeSubpath();
    d.parts.push_back(head);
    QPainterPath lines;
    lines.moveTo(63, 24); // the mane
    lines.cubicTo(73, 38, 75, 58, 72, 80);
    lines.moveTo(10.5, 62); // the mouth
    lines.quadTo(15, 63.5, 19, 62);
    d.details = lines;
    d.spots = Ellipse(38, 32, 3, 2.2) + Circle(15.5, 55.5, 1.6);
    return d;
}

// ---- Zugwerk design: straight strokes and circular arcs ----

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// The foot every Zugwerk piece stands on: a low trapezoid.
QPainterPath ZugwerkFoot() { return Polygon({ { 24, 92 }, { 76, 92 }, { 70, 84 }, { 30, 84 } }); }

PieceDrawing ZugwerkPawn()
{
    PieceDrawing d;
    d.parts.push_back(ZugwerkFoot());
    d.parts.push_back(Polygon({ { 33, 84.5 }, { 67, 84.5 }, { 58, 50 }, { 42, 50 } }));
    d.parts.push_back(Circle(50, 38, 12));
    return d;
}

PieceDrawing ZugwerkKnight()
{
    PieceDrawing d;
    d.parts.push_back(ZugwerkFoot());
    d.parts.push_back(Polygon({ { 30, 84.5 }, { 74, 84.5 }, { 78, 46 }, { 66, 22 }, { 60, 8 }, { 52, 18 }, { 36, 22 },
        { 12, 50 }, { 16, 64 }, { 28, 62 }, { 46, 56 }, { 32, 70 } }));
    QPainterPath lines;
    lines.moveTo(62, 22); // the mane, in steps
    lines.lineTo(68, 40);
    lines.lineTo(68, 80);
    d.details = lines;
    d.spots = Polygon({ { 35, 32 }, { 42, 29 }, { 41, 35 } });
    return d;
}

PieceDrawing ZugwerkBishop()
{
    PieceDrawing d;
    d.parts.push_back(ZugwerkFoot());
    d.parts.push_back(Polygon({ { 34, 84.5 }, { 66, 84.5 }, { 57, 64 }, { 43, 64 } }));
    // A pointed arch: two arcs of radius 30 meeting at the top.
    QPainterPath mitre;
    mitre.moveTo(50, 12);
    mitre.arcTo(QRectF(6, 12, 60, 60), 60, -60); // right side, centre (36, 42)
    mitre.cubicTo(66, 58, 60, 66, 50, 66);
    mitre.cubicTo(40, 66, 34, 58, 34, 42);
    mitre.arcTo(QRectF(34, 12, 60, 60), 180, -60); // left side, centre (64, 42)
    mitre.closeSubpath();
    d.parts.push_back(mitre);
    QPainterPath lines;
    lines.moveTo(50, 28); // a cross on the mitre
    lines.lineTo(50, 50);
    lines.moveTo(42, 38);
    lines.lineTo(58, 38);
    d.details = lines;
    return d;
}

PieceDrawing ZugwerkRook()
{
    PieceDrawing d;
    d.parts.push_back(ZugwerkFoot());
    d.parts.push_back(Polygon({ { 32, 84.5 }, { 68, 84.5 }, { 66, 38 }, { 34, 38 } }));
    d.parts.push_back(Polygon({ { 28, 38 }, { 72, 38 }, { 72, 16 }, { 64, 16 }, { 64, 24 }, { 55, 24 }, { 55, 16 },
        { 45, 16 }, { 45, 24 }, { 36, 24 }, { 36, 16 }, { 28, 16 } }));
    QPainterPath lines;
    lines.moveTo(34, 52);
    lines.lineTo(66, 52);
    lines.moveTo(33, 68);
    lines.lineTo(67, 68);
    d.details = lines;
    return d;
}

PieceDrawing ZugwerkQueen()
{
    PieceDrawing d;
    d.parts.push_back(ZugwerkFoot());
    d.parts.push_back(Polygon({ { 30, 84.5 }, { 70, 84.5 }, { 82, 26 }, { 66, 50 }, { 60, 18 }, { 50, 46 }, { 40, 18 },
        { 34, 50 }, { 18, 26 } }));
    d.parts.push_back(Circle(18, 24, 5) + Circle(40, 15, 5) + Circle(60, 15, 5) + Circle(82, 24, 5));
    QPainterPath lines;
    lines.moveTo(30, 72);
    lines.lineTo(70, 72);
    d.details = lines;
    return d;
}

PieceDrawing ZugwerkKing()
{
    PieceDrawing d;
    d.parts.push_back(ZugwerkFoot());
    d.parts.push_back(Polygon({ { 31, 84.5 }, { 69, 84.5 }, { 80, 34 }, { 50, 44 }, { 20, 34 } }));
    d.parts.push_back(Polygon({ { 46.5, 6 }, { 53.5, 6 }, { 53.5, 14 }, { 61, 14 }, { 61, 21 }, { 53.5, 21 },
        { 53.5, 40 }, { 46.5, 40 }, { 46.5, 21 }, { 39, 21 }, { 39, 14 }, { 46.5, 14 } }));
    QPainterPath lines;
    lines.moveTo(30, 72);
    lines.lineTo(70, 72);
    d.details = lines;
    return d;
}

// ---- Turned design: bodies of revolution ----

// A stem from a narrow top at y = top to a wide bottom at y = bottom, with concave sides.
QPainterPath Stem(double top, double topHalf, double bottom, double bottomHalf)
{
    QPainterPath right;
    right.moveTo(50, top);
    right.lineTo(50 + topHalf, top);
    const double h = bottom - top;
    right.cubicTo(50 + topHalf, top + 0.55 * h, 50 + bottomHalf - 0.35 * (bottomHalf - topHalf), bottom - 0.12 * h,
        50 + bottomHalf, bottom);
    right.lineTo(50, bottom);
    return Symmetric(right);
}

// The turned foot: a wide disc and a ring above it.
void TurnedFoot(PieceDrawing& d, double halfWidth)
{
    d.parts.push_back(Slab(85, 92, halfWidth, 3));
    d.parts.push_back(Ellipse(50, 84.5, halfWidth - 4, 3.5));
}

PieceDrawing TurnedPawn()
{
    PieceDrawing d;
    TurnedFoot(d, 25);
    d.parts.push_back(Stem(55, 7, 84, 19));
    d.parts.push_back(Circle(50, 42, 11));
    d.parts.push_back(Ellipse(50, 55, 12, 3));
    return d;
}

PieceDrawing TurnedKnight()
{
    PieceDrawing d = ClassicalKnight();
    d.parts.erase(d.parts.begin());
    d.parts.insert(d.parts.begin(), Ellipse(50, 84.5, 25, 3.5));
    d.parts.insert(d.parts.begin(), Slab(85, 92, 29, 3));
    return d;
}

PieceDrawing TurnedBishop()
{
    PieceDrawing d;
    TurnedFoot(d, 25);
    d.parts.push_back(Stem(60, 8, 84, 19));
    d.parts.push_back(Circle(50, 13, 4.5));
    QPainterPath mitre;
    mitre.moveTo(50, 16);
    mitre.cubicTo(58, 23, 65, 32, 65, 42);
    mitre.cubicTo(65, 52, 58, 59, 50, 59);
    d.parts.push_back(Symmetric(mitre));
    d.parts.push_back(Ellipse(50, 60, 14, 3.5));
    d.details = Line(59, 30, 50, 40);
    return d;
}

PieceDrawing TurnedRook()
{
    PieceDrawing d;
    TurnedFoot(d, 27);
    QPainterPath body;
    body.moveTo(50, 36);
    body.lineTo(65, 36);
    body.cubicTo(66, 55, 69, 72, 73, 84);
    body.lineTo(50, 84);
    d.parts.push_back(Symmetric(body));
    QPainterPath turret = Slab(19, 37, 21, 1);
    turret = turret.subtracted(Polygon({ { 33, 18 }, { 41, 18 }, { 41, 26 }, { 33, 26 } }));
    turret = turret.subtracted(Polygon({ { 59, 18 }, { 67, 18 }, { 67, 26 }, { 59, 26 } }));
    d.parts.push_back(turret);
    d.parts.push_back(Ellipse(50, 37, 18, 3.5));
    return d;
}

PieceDrawing TurnedQueen()
{
    PieceDrawing d;
    TurnedFoot(d, 27);
    d.parts.push_back(Stem(46, 9, 84, 21));
    QPainterPath crown;
    crown.moveTo(50, 27);
    crown.lineTo(58, 27);
    crown.lineTo(62, 17);
    crown.lineTo(67, 25);
    crown.lineTo(71, 20);
    crown.cubicTo(67, 32, 63, 40, 61, 46);
    crown.lineTo(50, 46);
    d.parts.push_back(Symmetric(crown));
    d.parts.push_back(WithMirror(Circle(62.5, 15.5, 3.2)));
    d.parts.push_back(WithMirror(Circle(72, 18.5, 3.2)));
    d.parts.push_back(Ellipse(50, 27, 10, 2.5));
    d.parts.push_back(Circle(50, 19, 6));
    d.parts.push_back(Ellipse(50, 46, 15, 3.5));
    return d;
}

PieceDrawing TurnedKing()
{
    PieceDrawing d;
    TurnedFoot(d, 27);
    d.parts.push_back(Stem(42, 9, 84, 21));
    QPainterPath crown;
    crown.moveTo(50, 22);
    crown.lineTo(68, 22);
    crown.cubicTo(65, 30, 62, 37, 60, 42);
    crown.lineTo(50, 42);
    d.parts.push_back(Symmetric(crown));
    d.parts.push_back(Ellipse(50, 22, 18, 3.5));
    d.parts.push_back(Polygon({ { 46.5, 2 }, { 53.5, 2 }, { 53.5, 7 }, { 59, 7 }, { 59, 13 }, { 53.5, 13 },
        { 53.5, 19 }, { 46.5, 19 }, { 46.5, 13 }, { 41, 13 }, { 41, 7 }, { 46.5, 7 } }));
    d.parts.push_back(Ellipse(50, 42, 15, 3.5));
    return d;
}

} // namespace

QPainterPath PieceDrawing::Silhouette() const
{
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const QPainterPath& part : parts)
        all = all.united(part);
    return all;
}

// The drawing functions of a design, in column order.
using DrawingOf = PieceDrawing (*)();

PieceDrawing ClassicalPiece(PieceKind kind)
{
    static constexpr DrawingOf drawings[]
        = { ClassicalPawn, ClassicalKnight, ClassicalBishop, ClassicalRook, ClassicalQueen, ClassicalKing };
    return drawings[static_cast<int>(kind)]();
}

PieceDrawing ZugwerkPiece(PieceKind kind)
{
    static constexpr DrawingOf drawings[]
        = { ZugwerkPawn, ZugwerkKnight, ZugwerkBishop, ZugwerkRook, ZugwerkQueen, ZugwerkKing };
    return drawings[static_cast<int>(kind)]();
}

PieceDrawing TurnedPiece(PieceKind kind)
{
    static constexpr DrawingOf drawings[]
        = { TurnedPawn, TurnedKnight, TurnedBishop, TurnedRook, TurnedQueen, TurnedKing };
    return drawings[static_cast<int>(kind)]();
}
