// The hint arrow: a suggested move shown as a translucent teal arrow over the pieces, from the
// centre of its from square to just short of the centre of its to square (a knight's move goes
// straight). It is drawn into the backing image like everything else; every partial redraw of a
// square it covers draws its part again, so it survives selections, marks and drags, and a full
// Paint draws it whole, turned with the board. A new position takes it away.

#include "board/canvas_scope.h"
#include "board/chessbrd.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

const QColor HintArrowColour(0, 150, 140, 150);

// The arrow's measures in squares: half the shaft's width, half the head's width, the head's
// length, and how far the tip stops before the centre of the to square.
constexpr qreal ShaftHalfWidth = 0.1;
constexpr qreal HeadHalfWidth = 0.28;
constexpr qreal HeadLength = 0.45;
constexpr qreal TipShortOfCentre = 0.12;

} // namespace

bool TChessBoard::set_HintArrow(Square from, Square to)
{
    if (!IsOnBoard(from) || !IsOnBoard(to) || from == to)
        return false;
    ClearHintArrow();
    FHintArrow = SquarePair { from, to };
    DrawHintArrowWithin(SquaresArea());
    return true;
}

// The squares under the arrow are drawn again without it.
void TChessBoard::ClearHintArrow()
{
    if (!FHintArrow)
        return;
    std::vector<Square> covered;
    for (int i = 1; i <= 64; ++i)
        if (HintArrowCovers(SquareAt(i)))
            covered.push_back(SquareAt(i));
    FHintArrow.reset();
    for (Square sq : covered)
        RedrawSquare(sq);
}

// One polygon, shaft and head together, so that the translucent fill never overlaps itself.
QPainterPath TChessBoard::HintArrowPath() const
{
    QPainterPath path;
    if (!FHintArrow)
        return path;
    const QPointF from = QRectF(SquareRect(FHintArrow->first)).center();
    const QPointF to = QRectF(SquareRect(FHintArrow->second)).center();
    const QPointF along = to - from;
    const qreal length = std::hypot(along.x(), along.y());
    const qreal size = FSizeOfSquare;
    if (length <= 0 || size <= 0)
        return path;
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    const QPointF tip = to - unit * (TipShortOfCentre * size);
    const QPointF headBase = tip - unit * (HeadLength * size);
    const QPointF shaft = across * (ShaftHalfWidth * size);
    const QPointF head = across * (HeadHalfWidth * size);
    path.addPolygon(QPolygonF({ from + shaft, headBase + shaft, headBase + head, tip, headBase - head, headBase - shaft,
        from - shaft, from + shaft }));
    return path;
}

bool TChessBoard::HintArrowCovers(Square sq) const
{
    return FHintArrow && IsOnBoard(sq) && HintArrowPath().intersects(QRectF(SquareRect(sq)));
}

// Blended over what the canvas shows inside the clip; drawn part by part it gives the same pixels
// as drawn whole.
void TChessBoard::DrawHintArrowWithin(const QRect& clip)
{
    if (!FHintArrow)
        return;
    CanvasScope painter(FCanvasPainter, FCanvas, CanvasScope::Drawing, PaintingHeld());
    if (!painter)
        return;
    painter->save();
    painter->setClipRect(clip, Qt::IntersectClip);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(HintArrowColour);
    painter->drawPath(HintArrowPath());
    painter->restore();
    if (!FCanvasPainter)
        update(clip);
}

void TChessBoard::DrawHintArrowOn(Square sq)
{
    if (HintArrowCovers(sq))
        DrawHintArrowWithin(SquareRect(sq));
}
