// Attack and check tests, and the legality shortcuts built on them. The tests themselves are inline
// (engine_inline.h) for the search's loops; these are the entry points for everyone else.

#include "engine/engine_inline.h"

namespace engine {

bool Engine::IsAttacked(int square, int side) const { return AttackedBy(square, side); }

bool Engine::KingInCheck(int side) const { return KingAttacked(side); }

namespace {

    // The enemy pieces that attack along direction index d.
    SquareSet SlidersAlong(int d, const SquareSet* enemy)
    {
        return IsDiagonal(LineDirections[d]) ? enemy[Bishop] | enemy[Queen] : enemy[Rook] | enemy[Queen];
    }

    // The direction index from the first of these kings towards a square, or -1 when there is no
    // king or the square lies on none of its lines; the king's square goes to king.
    int KingLineTowards(SquareSet kings, int square, int& king)
    {
        if (!kings)
            return -1;
        king = std::countr_zero(kings);
        return LineTowards[king][square];
    }

} // namespace

bool Engine::UncoveredKing(int from, int side) const
{
    // A side that was not in check can only be put there by the line through the square its piece
    // left: the piece's new square can only block, a capture only removes an attacker.
    int king = NoSquare;
    const int d = KingLineTowards(PieceSet[side][King], from, king);
    if (d < 0)
        return false;
    const int nearest = NearestOnRay(d, king, ColorSet[White] | ColorSet[Black]);
    return nearest != NoSquare && (SlidersAlong(d, PieceSet[side ^ 1]) & SquareBit(nearest));
}

bool Engine::BreaksPin(int from, int to, int side) const
{
    int king = NoSquare;
    const int d = KingLineTowards(PieceSet[side][King], from, king);
    if (d < 0)
        return false;
    // Pinned: the piece is the nearest one on its king's line and an enemy slider of that line's
    // kind stands right behind it.
    const SquareSet occupied = ColorSet[White] | ColorSet[Black];
    if (NearestOnRay(d, king, occupied) != from)
        return false;
    const int pinner = NearestOnRay(d, from, occupied);
    if (pinner == NoSquare || !(SlidersAlong(d, PieceSet[side ^ 1]) & SquareBit(pinner)))
        return false;
    // It may still move along the line, up to taking the pinner.
    const SquareSet pinLine = Ray[d][king] & ~Ray[d][pinner];
    return !(pinLine & SquareBit(to));
}

} // namespace engine
