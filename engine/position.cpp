// Loading, exporting and checking the engine position.

#include "engine/engine_inline.h"

namespace engine {

namespace {

    // Piece letters in piece-code order; White upper case, Black lower case.
    constexpr char WhiteLetters[] = "PNBRQK";
    constexpr char BlackLetters[] = "pnbrqk";
    constexpr char EmptyLetter = ' ';

} // namespace

Engine::Engine() { ClearBoard(); }

void Engine::ClearBoard()
{
    Pos.SquareColor.fill(NoColor);
    Pos.SquarePiece.fill(NoPiece);
    for (int color = White; color <= Black; ++color) {
        ColorSet[color] = 0;
        PlacementScore[color] = 0;
        for (SquareSet& set : PieceSet[color])
            set = 0;
    }
    Pos.SideToMove = White;
    Pos.OtherSide = Black;
    Pos.CastleRights = 0;
    Pos.EnPassantTarget = NoSquare;
    Pos.QuietPlies = 0;
    Pos.Ply = 0;
    CheckAtPly[0] = CheckUnknown;
}

void Engine::RecomputePlacementScores()
{
    for (int color = White; color <= Black; ++color) {
        PlacementScore[color] = 0;
        for (int piece = Pawn; piece <= King; ++piece)
            for (SquareSet set = PieceSet[color][piece]; set;)
                PlacementScore[color] += PieceSquare[color][piece][PopLowestSquare(set)];
    }
}

void Engine::LoadPosition(const char* squares, bool whiteToMove, std::uint8_t castlingBits, int enPassantSquare)
{
    // Squares from the letters; anything that is no piece letter (a blank, or no text at all) is empty.
    ClearBoard();
    for (int s = 0; s < SquareCount; ++s) {
        const char letter = squares ? squares[s] : EmptyLetter;
        for (int piece = Pawn; piece <= King; ++piece) {
            if (letter == WhiteLetters[piece])
                PutPiece(s, White, piece);
            else if (letter == BlackLetters[piece])
                PutPiece(s, Black, piece);
        }
    }
    // Side to move, rights, en passant target (from the board's square number), counters.
    Pos.SideToMove = whiteToMove ? White : Black;
    Pos.OtherSide = Pos.SideToMove ^ 1;
    Pos.CastleRights = castlingBits & AllCastleRights;
    Pos.EnPassantTarget
        = enPassantSquare >= 1 && enPassantSquare <= SquareCount ? EngineSquareOf(enPassantSquare) : NoSquare;
    Pos.QuietPlies = 0;
    Pos.Ply = 0;
    CheckAtPly[0] = CheckUnknown;
    PlyStart[0] = 0;
    assert(PositionIsConsistent());
}

void Engine::ExportPosition(char* squares, bool& whiteToMove, std::uint8_t& castlingBits, int& enPassantSquare) const
{
    for (int s = 0; s < SquareCount; ++s) {
        const int piece = Pos.SquarePiece[s];
        squares[s] = piece == NoPiece     ? EmptyLetter
            : Pos.SquareColor[s] == White ? WhiteLetters[piece]
                                          : BlackLetters[piece];
    }
    whiteToMove = Pos.SideToMove == White;
    castlingBits = static_cast<std::uint8_t>(Pos.CastleRights);
    enPassantSquare = BoardSquareNumber(Pos.EnPassantTarget);
}

bool Engine::PositionIsConsistent() const
{
    SquareSet pieceSet[ColorCount][PieceTypeCount] = {};
    int placement[ColorCount] = {};
    for (int s = 0; s < SquareCount; ++s) {
        const int color = Pos.SquareColor[s];
        const int piece = Pos.SquarePiece[s];
        if (color == NoColor && piece == NoPiece)
            continue;
        if ((color != White && color != Black) || piece < Pawn || piece > King)
            return false;
        pieceSet[color][piece] |= SquareBit(s);
        placement[color] += PieceSquare[color][piece][s];
    }
    for (int color = White; color <= Black; ++color) {
        SquareSet all = 0;
        for (int piece = Pawn; piece <= King; ++piece) {
            if (PieceSet[color][piece] != pieceSet[color][piece])
                return false;
            all |= pieceSet[color][piece];
        }
        if (ColorSet[color] != all || PlacementScore[color] != placement[color])
            return false;
    }
    return (Pos.SideToMove == White || Pos.SideToMove == Black) && Pos.OtherSide == (Pos.SideToMove ^ 1)
        && Pos.CastleRights >= 0 && Pos.CastleRights <= AllCastleRights && Pos.EnPassantTarget >= NoSquare
        && Pos.EnPassantTarget < SquareCount && Pos.QuietPlies >= 0 && Pos.Ply >= 0 && Pos.Ply < MaxPly;
}

} // namespace engine
