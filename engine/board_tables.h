#pragma once

// Fixed tables of the engine board: the 10 x 12 mailbox, the piece movement directions and the
// castling masks. They never change, so they are compile-time constants shared by every Engine.

#include "engine_types.h"

#include <array>

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
