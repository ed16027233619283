// The marks of a selection and of ShowLegalTargets: the square of the selected (or, with the
// preference, the dragged) piece is tinted, and with the preference each legal target gets a dot
// when empty and a ring when a piece stands there. The marks are drawn into the backing image over
// the square's usual picture; only the squares concerned are redrawn.

#include "board/canvas_scope.h"
#include "board/castling.h"
#include "board/chessbrd.h"
#include "board/drag_image.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor SelectionTint(255, 214, 0, 110);
const QColor TargetColour(20, 100, 40, 150);

} // namespace

void TChessBoard::set_ShowLegalTargets(bool value)
{
    FShowLegalTargets = value;
    if (IsOnBoard(FSelectedSquare))
        MarkTargetsOf(FSelectedSquare);
    else if (!value)
        UnmarkTargets();
}

// Every square the piece may move to, with its own rooks when the king may castle onto them.
std::vector<Square> TChessBoard::LegalTargets(Square from)
{
    std::vector<Square> targets;
    for (int i = 1; i <= 64; ++i)
        if (MoveIsLegal(from, SquareAt(i)))
            targets.push_back(SquareAt(i));
    for (const CastlingMove& c : Castlings)
        if (IntendedTarget(from, c.rookFrom) == c.kingTo && MoveIsLegal(from, c.kingTo))
            targets.push_back(c.rookFrom);
    return targets;
}

void TChessBoard::MarkTargetsOf(Square from)
{
    UnmarkTargets();
    if (!IsPlayersPiece(from))
        return;
    MarkedFrom = from;
    if (FShowLegalTargets)
        MarkedTargets = LegalTargets(from);
    DrawTargetMarks();
}

void TChessBoard::UnmarkTargets()
{
    if (!IsOnBoard(MarkedFrom))
        return;
    const Square from = MarkedFrom;
    const std::vector<Square> targets = std::move(MarkedTargets);
    MarkedFrom = Square::None;
    MarkedTargets.clear();
    RedrawSquare(from);
    for (Square sq : targets)
        RedrawSquare(sq);
}

// Also the last step of a full Paint, over the squares it has just drawn plainly.
void TChessBoard::DrawTargetMarks()
{
    if (!IsOnBoard(MarkedFrom))
        return;
    RedrawSquare(MarkedFrom);
    for (Square sq : MarkedTargets)
        RedrawSquare(sq);
}

// The square as a partial redraw gives it (empty while its piece is in the air), with the marks of
// a selection and its targets; the move marks come with ClearSquare.
void TChessBoard::RedrawSquare(Square sq)
{
    ClearSquare(sq);
    if (sq == MarkedFrom)
        DrawTargetMark(sq);
    const bool lifted = sq == DragFromSquare && DragPhase == TDragPhase::Active && DragImage;
    if (PieceAt(sq) != EmptySquare && !lifted)
        DrawPiece(sq, PieceAt(sq));
    if (std::find(MarkedTargets.begin(), MarkedTargets.end(), sq) != MarkedTargets.end())
        DrawTargetMark(sq);
    DrawHintArrowOn(sq);
}

// The tint of the selected square (drawn under its piece), or a target's dot or ring.
void TChessBoard::DrawTargetMark(Square sq)
{
    CanvasScope painter(FCanvasPainter, FCanvas, CanvasScope::Drawing, PaintingHeld());
    if (!painter)
        return;
    const QRect square = SquareRect(sq);
    painter->save();
    painter->setClipRect(square, Qt::IntersectClip);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setRenderHint(QPainter::Antialiasing);
    if (sq == MarkedFrom) {
        painter->fillRect(square, SelectionTint);
    } else if (PieceAt(sq) == EmptySquare) {
        const qreal radius = FSizeOfSquare / 6.0;
        painter->setPen(Qt::NoPen);
        painter->setBrush(TargetColour);
        painter->drawEllipse(QRectF(square).center(), radius, radius);
    } else {
        const qreal width = std::max(2, FSizeOfSquare / 12);
        painter->setPen(QPen(TargetColour, width));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(QRectF(square).adjusted(width / 2 + 1, width / 2 + 1, -width / 2 - 1, -width / 2 - 1));
    }
    painter->restore();
    if (!FCanvasPainter)
        update(square);
}
