// The record of the game: reading it back, moving about in it and the move list as text.

#include "board/chessbrd.h"

#include <cstring>

// Stores the current position, with the half-move made from it (None while there is none), as the
// entry of the current position, which becomes the last position of the record.
void TChessBoard::RecordCurrentPosition(Square oldSq, Square newSq)
{
    MoveInfo& entry = RecordEntry(FCurrentMove, FWhiteToMove);
    std::memcpy(entry.PosStr, Squares, sizeof entry.PosStr);
    entry.Castling = FCastlingAllowed;
    entry.EnPassant = FEnPassant;
    entry.HalfMoveClock = FHalfMoveClock;
    entry.oldSq = oldSq;
    entry.newSq = newSq;
    EndMove = FCurrentMove;
    EndWhite = FWhiteToMove;
}

// A refused navigation leaves a running search alone; one that goes ahead stops it first. Landing
// on the end of the record lets the computer take up the game again if it is to move there.
bool TChessBoard::GotoMove(int moveNumber, bool whiteToMove)
{
    if (!LiesInRecord(moveNumber, whiteToMove))
        return false;
    CancelThinking();
    FCurrentMove = moveNumber;
    FWhiteToMove = whiteToMove;
    const MoveInfo& entry = RecordEntry(moveNumber, whiteToMove);
    char previous[66];
    std::memcpy(previous, Squares, sizeof previous);
    std::memcpy(Squares, entry.PosStr, sizeof previous);
    FEnPassant = entry.EnPassant;
    FCastlingAllowed = entry.Castling;
    FHalfMoveClock = entry.HalfMoveClock;
    LastMove = MoveLeadingTo(moveNumber, whiteToMove);
    RefreshPosition();
    UpdateChessBoard(previous);
    PostAutomaticStartCheck();
    return true;
}

// The half-move kept with the position before this one; none at the start of the record.
TChessBoard::MovedSquares TChessBoard::MoveLeadingTo(int moveNumber, bool whiteToMove) const
{
    const int previousMove = whiteToMove ? moveNumber - 1 : moveNumber;
    if (!LiesInRecord(previousMove, !whiteToMove))
        return {};
    const MoveInfo& entry = RecordEntry(previousMove, !whiteToMove);
    return { entry.oldSq, entry.newSq };
}

// The entry of the position shown keeps its position and loses the half-move made from it, as the
// last entry of a record always does. A search of the position goes on: it is the same position.
bool TChessBoard::CutRecordHere()
{
    if (MakingMove || !Reviewing())
        return false;
    RecordEntry(FCurrentMove, FWhiteToMove).oldSq = Square::None;
    RecordEntry(FCurrentMove, FWhiteToMove).newSq = Square::None;
    EndMove = FCurrentMove;
    EndWhite = FWhiteToMove;
    ReopenGame();
    // The end of the record again: the computer takes up the game if it is to move here.
    PostAutomaticStartCheck();
    return true;
}

bool TChessBoard::MoveBackward()
{
    return FWhiteToMove ? GotoMove(FCurrentMove - 1, false) : GotoMove(FCurrentMove, true);
}

bool TChessBoard::MoveForward()
{
    return FWhiteToMove ? GotoMove(FCurrentMove, false) : GotoMove(FCurrentMove + 1, true);
}

MoveInfo TChessBoard::GetMove(int moveNumber, bool whiteToMove) const
{
    if (!LiesInRecord(moveNumber, whiteToMove))
        return MoveInfo::NotInRecord();
    return RecordEntry(moveNumber, whiteToMove);
}

std::vector<std::string> TChessBoard::GetMoveList() const
{
    const auto squareName = [](Square sq) {
        return std::string { static_cast<char>('A' + XPos(sq) - 1), static_cast<char>('0' + YPos(sq)) };
    };
    std::vector<std::string> lines;
    for (int i = StartMove; i <= EndMove; ++i) {
        for (bool white : { true, false }) {
            if (i == EndMove && !white && EndWhite)
                return lines;
            if (i == StartMove && white && !StartWhite) {
                // The record starts with Black to move: White's half-move is shown as dots.
                lines.push_back(std::to_string(i) + ". " + " ...   ");
                continue;
            }
            const MoveInfo& entry = RecordEntry(i, white);
            if (entry.oldSq == Square::None)
                continue;
            const std::string prefix = white ? std::to_string(i) + ". " : std::string(14, ' ');
            lines.push_back(prefix + squareName(entry.oldSq) + "-" + squareName(entry.newSq));
        }
    }
    return lines;
}
