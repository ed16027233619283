// Attack and check tests.
//
// Every piece reaches a square exactly when the square, stepping the opposite way, reaches the
// piece: knight and king steps come in opposite pairs, a slider's path is the same empty line read
// backwards, and a pawn that attacks diagonally forward is found diagonally behind the square. So
// instead of walking every piece of the attacker towards the square, the test looks outward from
// the square, using the precomputed square sets of board_tables.h; the answers are the same.

#include "engine/board_tables.h"
#include "engine/engine.h"

namespace engine {

bool Engine::IsAttacked(int square, int side) const
{
    const SquareSet* own = PieceSet[side];
    if ((PawnAttackers[side][square] & own[Pawn]) || (KnightReach[square] & own[Knight])
        || (KingReach[square] & own[King]))
        return true;

    // Sliders: along each line out of the square, only the nearest piece can attack it.
    const SquareSet occupied = ColorSet[White] | ColorSet[Black];
    const SquareSet diagonalSliders = own[Bishop] | own[Queen];
    const SquareSet straightSliders = own[Rook] | own[Queen];
    for (int d = 0; d < static_cast<int>(LineDirections.size()); ++d) {
        const SquareSet sliders = IsDiagonal(LineDirections[d]) ? diagonalSliders : straightSliders;
        if ((Ray[d][square] & sliders) && (sliders & SquareBit(NearestOnRay(d, square, occupied))))
            return true;
    }
    return false;
}

bool Engine::KingInCheck(int side) const
{
    // The first king from a8 on counts; without a king there is no check.
    const SquareSet kings = PieceSet[side][King];
    return kings && IsAttacked(std::countr_zero(kings), side ^ 1);
}

} // namespace engine
