#pragma once

// The engine's innermost steps, defined here so that every part of the engine that runs them in its
// loops (making moves, generation, the search, loading) gets them inlined: writing a square, the
// attack test, and whether the side to move is in check. Only the engine's own sources include it.

#include "engine/board_tables.h"
#include "engine/engine.h"

namespace engine {

inline void Engine::ClearSquare(int square)
{
    const int color = Pos.SquareColor[square];
    if (color == NoColor)
        return;
    const int piece = Pos.SquarePiece[square];
    PieceSet[color][piece] &= ~SquareBit(square);
    ColorSet[color] &= ~SquareBit(square);
    PlacementScore[color] -= PieceSquare[color][piece][square];
    Pos.SquareColor[square] = NoColor;
    Pos.SquarePiece[square] = NoPiece;
}

inline void Engine::PutPiece(int square, int color, int piece)
{
    assert(IsEmpty(square));
    PieceSet[color][piece] |= SquareBit(square);
    ColorSet[color] |= SquareBit(square);
    PlacementScore[color] += PieceSquare[color][piece][square];
    Pos.SquareColor[square] = color;
    Pos.SquarePiece[square] = piece;
}

inline void Engine::MovePiece(int from, int to)
{
    assert(!IsEmpty(from) && IsEmpty(to));
    const int color = Pos.SquareColor[from];
    const int piece = Pos.SquarePiece[from];
    const SquareSet both = SquareBit(from) | SquareBit(to);
    PieceSet[color][piece] ^= both;
    ColorSet[color] ^= both;
    PlacementScore[color] += PieceSquare[color][piece][to] - PieceSquare[color][piece][from];
    Pos.SquareColor[to] = color;
    Pos.SquarePiece[to] = piece;
    Pos.SquareColor[from] = NoColor;
    Pos.SquarePiece[from] = NoPiece;
}

// Every piece reaches a square exactly when the square, stepping the opposite way, reaches the
// piece: knight and king steps come in opposite pairs, a slider's path is the same empty line read
// backwards, and a pawn that attacks diagonally forward is found diagonally behind the square. So
// instead of walking every piece of the attacker towards the square, the test looks outward from
// the square; the answers are the same.
inline bool Engine::AttackedBy(int square, int side) const
{
    const SquareSet* own = PieceSet[side];
    if ((PawnAttackers[side][square] & own[Pawn]) || (KnightReach[square] & own[Knight])
        || (KingReach[square] & own[King]))
        return true;

    // Sliders: along each line out of the square, only the nearest piece can attack it. Most lines
    // hold no slider of the right kind at all, which one test per kind rules out.
    const SquareSet occupied = ColorSet[White] | ColorSet[Black];
    const SquareSet diagonalSliders = own[Bishop] | own[Queen];
    const SquareSet straightSliders = own[Rook] | own[Queen];
    const auto attackedAlong = [&](int d, SquareSet sliders) {
        return (Ray[d][square] & sliders) && (sliders & SquareBit(NearestOnRay(d, square, occupied)));
    };
    if (DiagonalLines[square] & diagonalSliders) {
        for (int d : { 0, 2, 5, 7 })
            if (attackedAlong(d, diagonalSliders))
                return true;
    }
    if (StraightLines[square] & straightSliders) {
        for (int d : { 1, 3, 4, 6 })
            if (attackedAlong(d, straightSliders))
                return true;
    }
    return false;
}

inline bool Engine::KingAttacked(int side) const
{
    // The first king from a8 on counts; without a king there is no check.
    const SquareSet kings = PieceSet[side][King];
    return kings && AttackedBy(std::countr_zero(kings), side ^ 1);
}

inline bool Engine::SideToMoveInCheck()
{
    std::int8_t& known = CheckAtPly[Pos.Ply];
    if (known == CheckUnknown)
        known = KingAttacked(Pos.SideToMove) ? 1 : 0;
    return known != 0;
}

} // namespace engine
