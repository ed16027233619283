// Attack and check tests.

#include "board_tables.h"
#include "engine.h"

namespace engine {

bool Engine::IsAttacked(int square, int side) const
{
    for (int i = 0; i < SquareCount; ++i) {
        if (Pos.SquareColor[i] != side)
            continue;
        const int piece = Pos.SquarePiece[i];
        if (piece == Pawn) {
            const int ahead = side == White ? i - RankStep : i + RankStep;
            if (FileOf(i) != FileA && ahead - 1 == square)
                return true;
            if (FileOf(i) != FileH && ahead + 1 == square)
                return true;
            continue;
        }
        const PieceMovement& movement = Movement[piece];
        for (int d = 0; d < movement.DirectionCount; ++d) {
            const int direction = movement.Directions[d];
            for (int t = StepFrom(i, direction); t != NoSquare; t = StepFrom(t, direction)) {
                if (t == square)
                    return true;
                if (!IsEmpty(t) || !movement.Slides)
                    break;
            }
        }
    }
    return false;
}

bool Engine::KingInCheck(int side) const
{
    for (int s = 0; s < SquareCount; ++s)
        if (Pos.SquareColor[s] == side && Pos.SquarePiece[s] == King)
            return IsAttacked(s, side ^ 1);
    return false;
}

} // namespace engine
