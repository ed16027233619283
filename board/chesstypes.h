#pragma once

// Types shared by the board, the engine thread and the application: squares, piece letters,
// castling rights, the one-byte sets of the board's properties and the game record entry.

#include <cstdint>
#include <initializer_list>

// The 64 squares in reading order from a8 to h1, with None = 0 in front so that a Square indexes
// the board's 66-character buffer directly. One rank towards White is +8, one file to the right +1.
// clang-format off
enum class Square : std::int8_t {
    None = 0,
    A8, B8, C8, D8, E8, F8, G8, H8,
    A7, B7, C7, D7, E7, F7, G7, H7,
    A6, B6, C6, D6, E6, F6, G6, H6,
    A5, B5, C5, D5, E5, F5, G5, H5,
    A4, B4, C4, D4, E4, F4, G4, H4,
    A3, B3, C3, D3, E3, F3, G3, H3,
    A2, B2, C2, D2, E2, F2, G2, H2,
    A1, B1, C1, D1, E1, F1, G1, H1,
};
// clang-format on

constexpr int SquareIndex(Square sq) { return static_cast<int>(sq); }
constexpr bool IsOnBoard(Square sq) { return SquareIndex(sq) >= 1 && SquareIndex(sq) <= 64; }
constexpr bool AreOnBoard(Square a, Square b) { return IsOnBoard(a) && IsOnBoard(b); }
// Square from its number; anything outside 1..64 is None.
constexpr Square SquareAt(int index) { return index >= 1 && index <= 64 ? static_cast<Square>(index) : Square::None; }

// Piece letters: upper case White, lower case Black, blank for an empty square.
inline constexpr char EmptySquare = ' ';
inline constexpr char PieceLetters[] = "PNBRQKpnbrqk";
// 64 letters from a8 to h1.
inline constexpr char StartPosition[] = "rnbqkbnrpppppppp"
                                        "                "
                                        "                "
                                        "PPPPPPPPRNBQKBNR";

// The characters a position may hold: the twelve piece letters and the blank.
constexpr bool IsPositionLetter(char c)
{
    for (const char* p = PieceLetters; *p; ++p)
        if (*p == c)
            return true;
    return c == EmptySquare;
}

// The letters a pawn may be promoted to.
constexpr bool IsPromotionLetter(char c)
{
    return c == 'N' || c == 'B' || c == 'R' || c == 'Q' || c == 'n' || c == 'b' || c == 'r' || c == 'q';
}

enum class CanStillCastle : std::uint8_t { WhiteKingSide, WhiteQueenSide, BlackKingSide, BlackQueenSide };
enum class DisplayCoords : std::uint8_t { West, North, East, South };
enum class StandardSet : std::uint8_t { Size32, Size40, Size64, Size80 };

// A set of up to eight enumeration members held in one byte, member n in bit n.
template <typename Enum> class TByteSet {
public:
    constexpr TByteSet() = default;
    constexpr TByteSet(std::initializer_list<Enum> members)
    {
        for (Enum m : members)
            Include(m);
    }
    static constexpr TByteSet FromBits(std::uint8_t bits)
    {
        TByteSet set;
        set.FBits = bits;
        return set;
    }

    constexpr std::uint8_t Bits() const { return FBits; }
    constexpr bool Contains(Enum m) const { return FBits & Bit(m); }
    constexpr bool IsEmpty() const { return FBits == 0; }
    constexpr void Include(Enum m) { FBits |= Bit(m); }
    constexpr void Exclude(Enum m) { FBits &= static_cast<std::uint8_t>(~Bit(m)); }
    constexpr bool operator==(const TByteSet&) const = default;

private:
    static constexpr std::uint8_t Bit(Enum m) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(m)); }
    std::uint8_t FBits = 0;
};

using CastlingSet = TByteSet<CanStillCastle>;
using DisplayCoordsSet = TByteSet<DisplayCoords>;

inline constexpr CastlingSet AllCastlingRights { CanStillCastle::WhiteKingSide, CanStillCastle::WhiteQueenSide,
    CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide };
inline constexpr DisplayCoordsSet AllEdges { DisplayCoords::West, DisplayCoords::North, DisplayCoords::East,
    DisplayCoords::South };

// One position of the game record with the half-move made from it.
// PosStr is "_" + 64 piece letters + a terminating zero, so that a Square indexes it directly.
// oldSq / newSq stay None until a half-move has been made from the position.
struct MoveInfo {
    char PosStr[66];
    CastlingSet Castling;
    Square oldSq;
    Square newSq;
    Square EnPassant;
    // Half-moves since the last capture or pawn move, up to this position.
    int HalfMoveClock = 0;

    // The start position with all four castling rights and no squares.
    MoveInfo();
    // A zero-filled entry: empty text, no rights, no squares.
    static MoveInfo Blank();
    // The entry returned for a position outside the record: text "init", all rights, no squares.
    static MoveInfo NotInRecord();
};

// Colours: red in the low byte, green in the next, blue in the third.
using TColor = std::uint32_t;
constexpr TColor RGBColor(int red, int green, int blue)
{
    return static_cast<TColor>(red) | static_cast<TColor>(green) << 8 | static_cast<TColor>(blue) << 16;
}
inline constexpr TColor clBlack = RGBColor(0, 0, 0);
inline constexpr TColor clWhite = RGBColor(255, 255, 255);
inline constexpr TColor clOlive = RGBColor(128, 128, 0);
inline constexpr TColor clGray = RGBColor(128, 128, 128);
inline constexpr TColor clSilver = RGBColor(192, 192, 192);
