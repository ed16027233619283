#pragma once

// Fixed base tables of the evaluation, in hundredths of a pawn. Each table is written as White sees
// the board: the first row is rank 8 (squares 0..7), the last row rank 1 (56..63), file a on the left.
// White reads a table at square s, Black at FlipSquare(s). PrepareTables combines them with the
// material values into the per-search PieceSquare table.

#include "engine/engine_types.h"

#include <array>

namespace engine {

using SquareTable = std::array<int, SquareCount>;

// Material by piece code; the king has no material value.
inline constexpr std::array<int, PieceTypeCount> PieceValue = { 100, 300, 300, 500, 900, 0 };

// Above this much enemy material (knights, bishops, rooks, queens) a king uses the middle-game table
// and shelters its pawns; at or below it, the end-game table.
inline constexpr int MiddleGameMaterial = 1400;

// Pawn-structure and rook terms of Evaluate.
inline constexpr int DoubledPawnPenalty = 5;
inline constexpr int IsolatedPawnPenalty = 20;
inline constexpr int IsolatedOnOpenFilePenalty = 10;
inline constexpr int PassedPawnTableFactor = 2;
inline constexpr int RookOnFileWithoutOwnPawn = 10;
inline constexpr int RookOnOpenFileExtra = 5;

// The same file on the mirrored rank: a8 and a1 swap, e2 becomes e7.
constexpr int FlipSquare(int s) { return 8 * (7 - RowOf(s)) + FileOf(s); }

// clang-format off
inline constexpr SquareTable PawnTable = {
      0,   0,   0,   0,   0,   0,   0,   0,
      5,  10,  15,  20,  20,  15,  10,   5,
      4,   8,  12,  16,  16,  12,   8,   4,
      3,   6,   9,  12,  12,   9,   6,   3,
      2,   4,   6,   8,   8,   6,   4,   2,
      1,   2,   3,   4,   4,   3,   2,   1,
      0,   0,   0, -20, -20,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
};

inline constexpr SquareTable PawnShelterKingSide = {
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   5,   5,   5,
      0,   0,   0,   0,   0,  10,  10,  10,
      0,   0,   0,   0,   0,  20,  20,  20,
      0,   0,   0,   0,   0,   0,   0,   0,
};

inline constexpr SquareTable PawnShelterQueenSide = {
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
      5,   5,   5,   0,   0,   0,   0,   0,
     10,  10,  10,   0,   0,   0,   0,   0,
     20,  20,  20,   0,   0,   0,   0,   0,
      0,   0,   0,   0,   0,   0,   0,   0,
};

// Knights and bishops alike.
inline constexpr SquareTable MinorTable = {
    -10, -10, -10, -10, -10, -10, -10, -10,
    -10,   0,   0,   0,   0,   0,   0, -10,
    -10,   0,   5,   5,   5,   5,   0, -10,
    -10,   0,   5,  10,  10,   5,   0, -10,
    -10,   0,   5,  10,  10,   5,   0, -10,
    -10,   0,   5,   5,   5,   5,   0, -10,
    -10,   0,   0,   0,   0,   0,   0, -10,
    -20, -20, -20, -20, -20, -20, -20, -20,
};

inline constexpr SquareTable KingMiddleTable = {
    -40, -40, -40, -40, -40, -40, -40, -40,
    -40, -40, -40, -40, -40, -40, -40, -40,
    -40, -40, -40, -40, -40, -40, -40, -40,
    -40, -40, -40, -40, -40, -40, -40, -40,
    -40, -40, -40, -40, -40, -40, -40, -40,
    -40, -40, -40, -40, -40, -40, -40, -40,
    -20, -20, -20, -20, -20, -20, -20, -20,
    -10,   0,  10, -20,   0, -20,  10,   0,
};

inline constexpr SquareTable KingEndTable = {
     -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,
     -5,   0,   0,   0,   0,   0,   0,  -5,
     -5,   0,   5,   5,   5,   5,   0,  -5,
     -5,   0,   5,  10,  10,   5,   0,  -5,
     -5,   0,   5,  10,  10,   5,   0,  -5,
     -5,   0,   5,   5,   5,   5,   0,  -5,
     -5,   0,   0,   0,   0,   0,   0,  -5,
     -5,  -5,  -5,  -5,  -5,  -5,  -5,  -5,
};
// clang-format on

} // namespace engine
