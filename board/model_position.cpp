// Setting the position from outside a move, and the square and piece functions the rules use.

#include "board/chessbrd.h"

#include <algorithm>
#include <cctype>
#include <cstring>

void TChessBoard::RefreshPosition()
{
    FPosition.assign(Squares + 1, 64);
    // A piece in the air, and a selected one, belong to the position they were taken from.
    AbandonDrag();
    DropSelection();
    ClearHintArrow();
    RefreshMarks();
    RefreshDrawClaim();
    AnnounceShownChange();
}

void TChessBoard::set_PosStr(const std::string& s)
{
    CancelThinking();
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "init" || lower == "newgame") {
        std::memcpy(Squares + 1, StartPosition, 64);
    } else {
        // Letters outside the alphabet leave their square blank; a short string leaves the rest blank.
        std::memset(Squares + 1, EmptySquare, 64);
        const std::size_t count = std::min<std::size_t>(s.size(), 64);
        for (std::size_t i = 0; i < count; ++i)
            if (IsPositionLetter(s[i]))
                Squares[i + 1] = s[i];
    }
    FHalfMoveClock = 0;
    LastMove = {};
    ReopenGame();
    RefreshPosition();
    Paint();
}

void TChessBoard::NewGame()
{
    CancelThinking();
    std::memcpy(Squares + 1, StartPosition, 64);
    FWhiteToMove = true;
    FCurrentMove = 1;
    StartMove = EndMove = 1;
    StartWhite = EndWhite = true;
    FEnPassant = Square::None;
    FCastlingAllowed = AllCastlingRights;
    FHalfMoveClock = 0;
    RecordCurrentPosition(Square::None, Square::None);
    LastMove = {};
    ReopenGame();
    RefreshPosition();
    Paint();
}

bool TChessBoard::SetUpPosition(MoveInfo& info, int moveNumber, bool whiteToMove)
{
    CancelThinking();
    if (moveNumber < 1 || moveNumber > LastSetUpMoveNumber)
        return false;
    if (info.EnPassant != Square::None && YPos(info.EnPassant) != 3 && YPos(info.EnPassant) != 6)
        return false;
    if (!std::all_of(info.PosStr + 1, info.PosStr + 65, IsPositionLetter))
        return false;
    if (info.HalfMoveClock < 0)
        return false;

    std::memcpy(Squares + 1, info.PosStr + 1, 64);
    FWhiteToMove = whiteToMove;
    FCurrentMove = moveNumber;
    StartMove = EndMove = moveNumber;
    StartWhite = EndWhite = whiteToMove;
    FCastlingAllowed = info.Castling;
    FEnPassant = info.EnPassant;
    FHalfMoveClock = info.HalfMoveClock;
    RecordCurrentPosition(Square::None, Square::None);
    LastMove = {};
    ReopenGame();
    RefreshPosition();
    PaintPosition();
    return true;
}

// A search was requested for the position as it was, so each writer stops a search first.
void TChessBoard::set_WhiteToMove(bool value)
{
    CancelThinking();
    FWhiteToMove = value;
    RefreshMarks();
    RefreshDrawClaim();
    AnnounceShownChange();
}

void TChessBoard::set_CastlingAllowed(CastlingSet rights)
{
    CancelThinking();
    FCastlingAllowed = rights;
}

void TChessBoard::set_EnPassant(Square sq)
{
    CancelThinking();
    const int index = SquareIndex(sq);
    const bool onRank6 = index >= SquareIndex(Square::A6) && index <= SquareIndex(Square::H6);
    const bool onRank3 = index >= SquareIndex(Square::A3) && index <= SquareIndex(Square::H3);
    if (onRank6 || onRank3)
        FEnPassant = sq;
}

int TChessBoard::ColorOfSquare(Square sq) const
{
    const int n = SquareIndex(sq) - 1;
    return n % 2 == (n / 8) % 2 ? 1 : 0;
}

int TChessBoard::ColorOfPiece(Square sq) const
{
    const char c = PieceAt(sq);
    if (c >= 'b' && c <= 'r')
        return 0;
    if (c >= 'B' && c <= 'R')
        return 1;
    return -1;
}

int TChessBoard::PieceToInt(char c) const
{
    const char* found = c ? std::strchr(PieceLetters, c) : nullptr;
    if (!found)
        return -1;
    const int n = static_cast<int>(found - PieceLetters);
    return PieceImageIndex[n / 6][n % 6];
}

