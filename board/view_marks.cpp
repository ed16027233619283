// Move marks: a yellow-green wash over the from and to squares of the move that led to the
// position shown, and a red glow under the king of the side to move while it is in check. They
// are part of the square's picture, drawn over its colour or texture and under its piece, so every
// repaint of a square keeps them. ShownMarks is what the canvas shows; RefreshMarks repaints just
// the squares whose marks change.

#include "board/chessbrd.h"

#include <QPainter>
#include <QRadialGradient>

#include <cstring>

namespace {

const QColor LastMoveTint(155, 205, 50, 115);
const QColor CheckGlowCentre(235, 25, 25, 230);
const QColor CheckGlowMiddle(235, 25, 25, 150);
const QColor CheckGlowEdge(235, 25, 25, 0);

} // namespace

void TChessBoard::set_MarkMoves(bool value)
{
    FMarkMoves = value;
    RefreshMarks();
}

TChessBoard::SquareMarks TChessBoard::MarksOfPosition() const
{
    SquareMarks marks;
    if (!FMarkMoves)
        return marks;
    marks.lastMove = LastMove;
    // The rules look at the first king of the colour; so does the mark.
    if (KingAttackedOn(Squares, FWhiteToMove)) {
        const char* king = std::strchr(Squares + 1, FWhiteToMove ? 'K' : 'k');
        marks.checkedKing = SquareAt(static_cast<int>(king - Squares));
    }
    return marks;
}

void TChessBoard::RefreshMarks()
{
    const SquareMarks wanted = MarksOfPosition();
    if (wanted == ShownMarks)
        return;
    const SquareMarks shown = ShownMarks;
    ShownMarks = wanted;
    for (int i = 1; i <= 64; ++i) {
        const Square sq = SquareAt(i);
        if (shown.OnLastMove(sq) == wanted.OnLastMove(sq) && (shown.checkedKing == sq) == (wanted.checkedKing == sq))
            continue;
        RedrawSquare(sq);
    }
}

void TChessBoard::DrawMarks(QPainter& painter) const
{
    for (int i = 1; i <= 64; ++i)
        DrawSquareMarks(painter, SquareAt(i));
}

// Blended over what the square shows; the painter's state is left as it was.
void TChessBoard::DrawSquareMarks(QPainter& painter, Square sq) const
{
    const bool lastMove = ShownMarks.OnLastMove(sq);
    const bool check = ShownMarks.checkedKing == sq;
    if (!IsOnBoard(sq) || (!lastMove && !check))
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect square = SquareRect(sq);
    if (lastMove)
        painter.fillRect(square, LastMoveTint);
    if (check) {
        // Reaches the corners faintly: the glow fills the square but stays brightest round the king.
        QRadialGradient glow(QRectF(square).center(), 0.75 * square.width());
        glow.setColorAt(0, CheckGlowCentre);
        glow.setColorAt(0.5, CheckGlowMiddle);
        glow.setColorAt(1, CheckGlowEdge);
        painter.fillRect(square, glow);
    }
    painter.restore();
}
