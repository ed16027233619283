// Loading, exporting and checking the engine position.

#include "engine.h"

namespace engine {

namespace {

    // Piece letters in piece-code order; White upper case, Black lower case.
    constexpr char WhiteLetters[] = "PNBRQK";
    constexpr char BlackLetters[] = "pnbrqk";
    constexpr char EmptyLetter = ' ';

} // namespace

Engine::Engine()
{
    for (int s = 0; s < SquareCount; ++s)
        ClearSquare(s);
    Pos.SideToMove = White;
    Pos.OtherSide = Black;
    Pos.EnPassantTarget = NoSquare;
}

void Engine::ClearSquare(int square)
{
    Pos.SquareColor[square] = NoColor;
    Pos.SquarePiece[square] = NoPiece;
}

void Engine::PutPiece(int square, int color, int piece)
{
    Pos.SquareColor[square] = color;
    Pos.SquarePiece[square] = piece;
}

void Engine::LoadPosition(const char* squares, bool whiteToMove, std::uint8_t castlingBits, int enPassantSquare)
{
    // 1. Squares from the letters; anything that is no piece letter (a blank, or no text at all) is empty.
    for (int s = 0; s < SquareCount; ++s) {
        ClearSquare(s);
        const char letter = squares ? squares[s] : EmptyLetter;
        for (int piece = Pawn; piece <= King; ++piece) {
            if (letter == WhiteLetters[piece])
                PutPiece(s, White, piece);
            else if (letter == BlackLetters[piece])
                PutPiece(s, Black, piece);
        }
    }
    // 2. - 5. Side to move, rights, en passant target (board Square value minus one), counters.
    Pos.SideToMove = whiteToMove ? White : Black;
    Pos.OtherSide = Pos.SideToMove ^ 1;
    Pos.CastleRights = castlingBits & AllCastleRights;
    Pos.EnPassantTarget = enPassantSquare >= 1 && enPassantSquare <= SquareCount ? enPassantSquare - 1 : NoSquare;
    Pos.QuietPlies = 0;
    Pos.Ply = 0;
    PlyStart[0] = 0;
    assert(PositionIsConsistent());
}

void Engine::ExportPosition(char* squares, bool& whiteToMove, std::uint8_t& castlingBits, int& enPassantSquare) const
{
    for (int s = 0; s < SquareCount; ++s) {
        const int piece = Pos.SquarePiece[s];
        squares[s] = piece == NoPiece ? EmptyLetter
            : Pos.SquareColor[s] == White ? WhiteLetters[piece]
                                          : BlackLetters[piece];
    }
    whiteToMove = Pos.SideToMove == White;
    castlingBits = static_cast<std::uint8_t>(Pos.CastleRights);
    enPassantSquare = Pos.EnPassantTarget + 1;
}

bool Engine::PositionIsConsistent() const
{
    for (int s = 0; s < SquareCount; ++s) {
        const int color = Pos.SquareColor[s];
        const int piece = Pos.SquarePiece[s];
        const bool empty = color == NoColor && piece == NoPiece;
        const bool occupied = (color == White || color == Black) && piece >= Pawn && piece <= King;
        if (!empty && !occupied)
            return false;
    }
    return (Pos.SideToMove == White || Pos.SideToMove == Black) && Pos.OtherSide == (Pos.SideToMove ^ 1)
        && Pos.CastleRights >= 0 && Pos.CastleRights <= AllCastleRights && Pos.EnPassantTarget >= NoSquare
        && Pos.EnPassantTarget < SquareCount && Pos.QuietPlies >= 0 && Pos.Ply >= 0 && Pos.Ply < MaxPly;
}

} // namespace engine
