#pragma once

// The numbers of the search engine, each written down once: squares, colours, pieces, the 32-bit move
// layout, the search limits and the score bounds. Plain C++, no Qt; shared by the engine core, the
// engine thread, the UCI engine and the tests.

#include <bit>
#include <cstdint>

namespace engine {

// Squares: 0 = a8, 1 = b8, ..., 7 = h8, 8 = a7, ..., 56 = a1, ..., 63 = h1.
// The file of a square is its number mod 8 (0 = a-file), its row its number div 8 (0 = rank 8).
// White pawns move towards lower numbers, Black pawns towards higher numbers.
inline constexpr int SquareCount = 64;
inline constexpr int NoSquare = -1;

// The board, FEN's RootPosition and the notation library number the same squares 1..64 (1 = a8) with
// 0 for none; these two convert between the numberings, none to none.
constexpr int BoardSquareNumber(int engineSquare) { return engineSquare + 1; }
constexpr int EngineSquareOf(int boardSquareNumber) { return boardSquareNumber - 1; }

constexpr int FileOf(int square) { return square % 8; }
constexpr int RowOf(int square) { return square / 8; }
constexpr int MakeSquare(int row, int file) { return 8 * row + file; }

inline constexpr int FileA = 0;
inline constexpr int FileH = 7;

// A set of squares: bit s stands for square s, so the lowest bit is the square nearest a8 and
// visiting the bits from the lowest up visits the squares in board order.
using SquareSet = std::uint64_t;
constexpr SquareSet SquareBit(int square) { return SquareSet { 1 } << square; }
// Removes the lowest square of a non-empty set and returns it.
constexpr int PopLowestSquare(SquareSet& set)
{
    const int square = std::countr_zero(set);
    set &= set - 1;
    return square;
}

// Named squares that the rules refer to.
inline constexpr int A8 = 0, B8 = 1, C8 = 2, D8 = 3, E8 = 4, F8 = 5, G8 = 6, H8 = 7;
inline constexpr int A1 = 56, B1 = 57, C1 = 58, D1 = 59, E1 = 60, F1 = 61, G1 = 62, H1 = 63;

// One rank forward for each colour: White moves towards lower square numbers.
inline constexpr int RankStep = 8;

// Colour codes. The opposite colour of c is c ^ 1.
inline constexpr int White = 0;
inline constexpr int Black = 1;
inline constexpr int NoColor = 6;
inline constexpr int ColorCount = 2;

// Piece codes. A square is empty exactly when both its colour and its piece code are 6.
inline constexpr int Pawn = 0;
inline constexpr int Knight = 1;
inline constexpr int Bishop = 2;
inline constexpr int Rook = 3;
inline constexpr int Queen = 4;
inline constexpr int King = 5;
inline constexpr int NoPiece = 6;
inline constexpr int PieceTypeCount = 6;

// Castling rights, in the order of the board's CanStillCastle members.
inline constexpr int WhiteKingSide = 1; // e1 to g1
inline constexpr int WhiteQueenSide = 2; // e1 to c1
inline constexpr int BlackKingSide = 4; // e8 to g8
inline constexpr int BlackQueenSide = 8; // e8 to c8
inline constexpr int AllCastleRights = 15;

// EngineMove, 32 bits, byte 0 the lowest:
//
//   byte 0   from square (0..63)
//   byte 1   to square (0..63)
//   byte 2   promotion piece code (Knight..Queen), 0 when the move is no promotion
//   byte 3   flags (below)
//
// value = from + 256 * to + 65536 * promotion + 16777216 * flags. Two moves are the same move exactly
// when their 32-bit values are equal; 0 is no move (its from and to squares coincide).
using EngineMove = std::uint32_t;
inline constexpr EngineMove NoMove = 0;

inline constexpr int mfCapture = 1;
inline constexpr int mfCastle = 2;
inline constexpr int mfEnPassant = 4;
inline constexpr int mfDoublePush = 8;
inline constexpr int mfPawnMove = 16;
inline constexpr int mfPromotion = 32;

// The flag combinations that generation produces.
inline constexpr int QuietFlags = 0;
inline constexpr int CaptureFlags = mfCapture;
inline constexpr int CastleFlags = mfCastle;
inline constexpr int PawnStepFlags = mfPawnMove;
inline constexpr int DoubleStepFlags = mfPawnMove | mfDoublePush;
inline constexpr int PawnCaptureFlags = mfPawnMove | mfCapture;
inline constexpr int EnPassantFlags = mfPawnMove | mfEnPassant | mfCapture;

constexpr EngineMove EncodeMove(int from, int to, int promotion, int flags)
{
    return static_cast<EngineMove>(from) | static_cast<EngineMove>(to) << 8 | static_cast<EngineMove>(promotion) << 16
        | static_cast<EngineMove>(flags) << 24;
}
constexpr int MoveFrom(EngineMove m) { return static_cast<int>(m & 0xFF); }
constexpr int MoveTo(EngineMove m) { return static_cast<int>(m >> 8 & 0xFF); }
constexpr int MovePromotion(EngineMove m) { return static_cast<int>(m >> 16 & 0xFF); }
constexpr int MoveFlags(EngineMove m) { return static_cast<int>(m >> 24); }
constexpr bool MoveHas(EngineMove m, int flag) { return (MoveFlags(m) & flag) != 0; }

// Limits of the per-ply arrays and of the move list shared by all plies.
inline constexpr int MaxPly = 64;
inline constexpr int MoveStackSize = 4096;

// The iterations of one search run from depth 1 up to the requested depth, kept within these bounds.
inline constexpr int MinSearchDepth = 1;
inline constexpr int MaxSearchDepth = 10;
inline constexpr int DefaultSearchDepth = 3;

// Scores are in hundredths of a pawn from the view of the side to move. The root window is
// -Infinity..Infinity; a side checkmated at ply p scores p - Infinity, a stalemate scores 0.
inline constexpr int Infinity = 10000;
inline constexpr int DrawScore = 0;
// Plies without capture or pawn move after which a full-width node scores a draw.
inline constexpr int QuietPlyLimit = 100;

constexpr int MatedScore(int ply) { return ply - Infinity; }
// Whether a score says that one side is mated within the search's reach.
constexpr bool IsMateScore(int score) { return score > Infinity - MaxPly || score < MaxPly - Infinity; }

// Move ordering scores given at generation (the search adds PvMoveBonus to the previous line's move).
inline constexpr int CaptureOrderBase = 1000000;
inline constexpr int PvMoveBonus = 10000000;

} // namespace engine
