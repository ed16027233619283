#pragma once

// Fixed tables of the engine board: the 10 x 12 mailbox, the piece movement directions and the
// castling masks. They never change, so they are compile-time constants shared by every Engine.

#include "engine/engine_types.h"

#include <array>
#include <cstdint>

namespace engine {

// The 10 x 12 mailbox. Entry 21 + 10 * row + file (row and file 0..7) holds the engine square
// 8 * row + file; every other entry (two border rows above and below, one border column on each
// side) holds NoSquare. A step of any piece from any square lands inside the 120 entries, so a walk
// only has to test for NoSquare to know it left the board:
//
//        file: -  a  b  c  d  e  f  g  h  -
//   entries  0..  9   border
//   entries 10.. 19   border
//   entries 20.. 29   -  0  1  2  3  4  5  6  7  -     rank 8
//   ...
//   entries 90.. 99   - 56 57 58 59 60 61 62 63  -     rank 1
//   entries 100..119  border
inline constexpr int MailboxSize = 120;

constexpr int MailboxIndex(int square) { return 21 + 10 * RowOf(square) + FileOf(square); }

inline constexpr std::array<int, MailboxSize> Board120 = [] {
    std::array<int, MailboxSize> table {};
    table.fill(NoSquare);
    for (int s = 0; s < SquareCount; ++s)
        table[MailboxIndex(s)] = s;
    return table;
}();

inline constexpr std::array<int, SquareCount> Square120 = [] {
    std::array<int, SquareCount> table {};
    for (int s = 0; s < SquareCount; ++s)
        table[s] = MailboxIndex(s);
    return table;
}();

// The square one mailbox step away from `square`, or NoSquare off the board.
constexpr int StepFrom(int square, int direction) { return Board120[Square120[square] + direction]; }

// Piece movement by piece code, in mailbox steps. Directions are tried in the order listed; that
// order is the order of the generated moves and so decides ties in move ordering.
struct PieceMovement {
    bool Slides;
    int DirectionCount;
    std::array<int, 8> Directions;
};

inline constexpr std::array<PieceMovement, PieceTypeCount> Movement = { {
    { false, 0, {} }, // pawn: handled on its own
    { false, 8, { -21, -19, -12, -8, 8, 12, 19, 21 } }, // knight
    { true, 4, { -11, -9, 9, 11 } }, // bishop
    { true, 4, { -10, -1, 1, 10 } }, // rook
    { true, 8, { -11, -10, -9, -1, 1, 9, 10, 11 } }, // queen
    { false, 8, { -11, -10, -9, -1, 1, 9, 10, 11 } }, // king
} };

// Square sets derived from the mailbox steps above, for the attack test.
//
// LineDirections lists the eight sliding directions; Ray[d][s] holds every square from s outward in
// LineDirections[d] up to the board's edge. Directions with a positive mailbox step go towards higher
// square numbers, so the nearest square of a ray is its lowest bit; otherwise its highest bit.
inline constexpr std::array<int, 8> LineDirections = { -11, -10, -9, -1, 1, 9, 10, 11 };
constexpr bool IsDiagonal(int direction)
{
    return direction == -11 || direction == -9 || direction == 9 || direction == 11;
}

// Squares one step of each of `steps` away from s.
constexpr SquareSet StepSet(int s, const std::array<int, 8>& steps, int count)
{
    SquareSet set = 0;
    for (int i = 0; i < count; ++i)
        if (const int t = StepFrom(s, steps[i]); t != NoSquare)
            set |= SquareBit(t);
    return set;
}

inline constexpr std::array<std::array<SquareSet, SquareCount>, 8> Ray = [] {
    std::array<std::array<SquareSet, SquareCount>, 8> table {};
    for (int d = 0; d < 8; ++d)
        for (int s = 0; s < SquareCount; ++s)
            for (int t = StepFrom(s, LineDirections[d]); t != NoSquare; t = StepFrom(t, LineDirections[d]))
                table[d][s] |= SquareBit(t);
    return table;
}();

// The index of a sliding direction in LineDirections.
constexpr int LineIndex(int direction)
{
    for (int d = 0; d < static_cast<int>(LineDirections.size()); ++d)
        if (LineDirections[d] == direction)
            return d;
    return -1;
}

// MovementLine[piece][d]: the LineDirections index of Movement[piece].Directions[d].
inline constexpr std::array<std::array<int, 8>, PieceTypeCount> MovementLine = [] {
    std::array<std::array<int, 8>, PieceTypeCount> table {};
    for (int piece = 0; piece < PieceTypeCount; ++piece)
        for (int d = 0; d < Movement[piece].DirectionCount; ++d)
            table[piece][d] = LineIndex(Movement[piece].Directions[d]);
    return table;
}();

// The nearest occupied square of Ray[d][s], or NoSquare when the ray is empty up to the edge.
constexpr int NearestOnRay(int d, int s, SquareSet occupied)
{
    const SquareSet blockers = Ray[d][s] & occupied;
    if (!blockers)
        return NoSquare;
    return LineDirections[d] > 0 ? std::countr_zero(blockers) : 63 - std::countl_zero(blockers);
}

// LineTowards[s][t]: the index of the sliding direction that leads from s to t, or -1 when t lies on
// none of the eight lines out of s (or is s itself).
inline constexpr std::array<std::array<std::int8_t, SquareCount>, SquareCount> LineTowards = [] {
    std::array<std::array<std::int8_t, SquareCount>, SquareCount> table {};
    for (auto& row : table)
        row.fill(-1);
    for (int s = 0; s < SquareCount; ++s)
        for (int d = 0; d < 8; ++d)
            for (SquareSet ray = Ray[d][s]; ray;)
                table[s][PopLowestSquare(ray)] = static_cast<std::int8_t>(d);
    return table;
}();

// DiagonalLines[s] / StraightLines[s]: every square a bishop / rook on s could reach on an empty board.
inline constexpr std::array<SquareSet, SquareCount> DiagonalLines = [] {
    std::array<SquareSet, SquareCount> table {};
    for (int s = 0; s < SquareCount; ++s)
        for (int d = 0; d < 8; ++d)
            if (IsDiagonal(LineDirections[d]))
                table[s] |= Ray[d][s];
    return table;
}();

inline constexpr std::array<SquareSet, SquareCount> StraightLines = [] {
    std::array<SquareSet, SquareCount> table {};
    for (int s = 0; s < SquareCount; ++s)
        for (int d = 0; d < 8; ++d)
            if (!IsDiagonal(LineDirections[d]))
                table[s] |= Ray[d][s];
    return table;
}();

// KnightReach[s] / KingReach[s]: the squares a knight / king on s reaches, which are also the squares
// from where one reaches s.
inline constexpr std::array<SquareSet, SquareCount> KnightReach = [] {
    std::array<SquareSet, SquareCount> table {};
    for (int s = 0; s < SquareCount; ++s)
        table[s] = StepSet(s, Movement[Knight].Directions, Movement[Knight].DirectionCount);
    return table;
}();

inline constexpr std::array<SquareSet, SquareCount> KingReach = [] {
    std::array<SquareSet, SquareCount> table {};
    for (int s = 0; s < SquareCount; ++s)
        table[s] = StepSet(s, Movement[King].Directions, Movement[King].DirectionCount);
    return table;
}();

// PawnAttackers[c][s]: where a pawn of colour c stands when it attacks s. A White pawn attacks
// diagonally towards rank 8, so it stands diagonally below s (mailbox +9, +11); Black the mirror.
inline constexpr std::array<std::array<SquareSet, SquareCount>, ColorCount> PawnAttackers = [] {
    std::array<std::array<SquareSet, SquareCount>, ColorCount> table {};
    for (int s = 0; s < SquareCount; ++s) {
        table[White][s] = StepSet(s, { 9, 11 }, 2);
        table[Black][s] = StepSet(s, { -11, -9 }, 2);
    }
    return table;
}();

// Castling rights that survive a move from or to each square: a king or rook leaving its start
// square, or a rook captured on its corner, clears the matching rights.
inline constexpr std::array<int, SquareCount> CastleMask = [] {
    std::array<int, SquareCount> table {};
    table.fill(AllCastleRights);
    table[A8] = AllCastleRights & ~BlackQueenSide;
    table[E8] = AllCastleRights & ~(BlackKingSide | BlackQueenSide);
    table[H8] = AllCastleRights & ~BlackKingSide;
    table[A1] = AllCastleRights & ~WhiteQueenSide;
    table[E1] = AllCastleRights & ~(WhiteKingSide | WhiteQueenSide);
    table[H1] = AllCastleRights & ~WhiteKingSide;
    return table;
}();

} // namespace engine
