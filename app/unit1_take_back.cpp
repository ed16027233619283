// Take Back: the last half-moves of the game leave its record, back to the latest earlier position
// in which a human is to move. Against the computer that is the player's previous turn (two
// half-moves, or one while the computer is still thinking about its reply); between two humans one
// half-move. The computer's search stops, a finished game kept on the board is open again, and the
// move list and the clocks follow. Forward no longer reaches what was taken back.

#include "app/unit1.h"

#include "app/game_transfer.h"
#include "app/status_words.h"
#include "board/chessbrd.h"

#include <cstring>

namespace {

struct TRecordPosition {
    int Move;
    bool WhiteToMove;
};

TRecordPosition Previous(TRecordPosition p)
{
    return p.WhiteToMove ? TRecordPosition { p.Move - 1, false } : TRecordPosition { p.Move, true };
}

bool HumanPlays(const TChessBoard& board, bool white)
{
    return !board.OutsidePlayer(white) && (white ? !board.ComputerPlaysWhite() : !board.ComputerPlaysBlack());
}

// The last position of the game. Inside a move's events the record's last entry still holds the
// half-move being made: the position it leads to, the board's, is the last.
TRecordPosition EndOfGame(const TChessBoard& board)
{
    const TRecordPosition end { board.LastRecordedMove(), board.LastRecordedWhite() };
    if (board.GetMove(end.Move, end.WhiteToMove).oldSq != Square::None)
        return { board.CurrentMove(), board.WhiteToMove() };
    return end;
}

// A placement written over the board (a game file opened) stands alone: no recorded move leads to it.
bool BoardShowsItsRecordEntry(const TChessBoard& board)
{
    const notation::Position recorded = RecordedPosition(board, board.CurrentMove(), board.WhiteToMove());
    return std::memcmp(recorded.Squares, BoardPosition(board).Squares, sizeof recorded.Squares) == 0;
}

} // namespace

// 0 when no earlier position of the record has a human to move: at the start of the record, after
// the computer's opening move of a record in which the human had no turn yet, when two computers play.
int TForm1::HalfMovesToTakeBack() const
{
    const TChessBoard& board = *ChessBrd1;
    const TRecordPosition end = EndOfGame(board);
    const bool insideMove = end.Move != board.LastRecordedMove() || end.WhiteToMove != board.LastRecordedWhite();
    if (!insideMove && !BoardShowsItsRecordEntry(board))
        return 0;
    TRecordPosition p = end;
    for (int halfMoves = 1;; ++halfMoves) {
        p = Previous(p);
        if (!board.LiesInRecord(p.Move, p.WhiteToMove))
            return 0;
        if (HumanPlays(board, p.WhiteToMove))
            return halfMoves;
    }
}

void TForm1::UpdateTakeBack() { TakeBack1->setEnabled(HalfMovesToTakeBack() > 0); }

void TForm1::TakeBack1Click(QObject*)
{
    const int halfMoves = HalfMovesToTakeBack();
    if (halfMoves == 0) {
        UpdateTakeBack();
        return;
    }
    TRecordPosition p = EndOfGame(*ChessBrd1);
    for (int i = 0; i < halfMoves; ++i)
        p = Previous(p);
    // GotoMove stops the computer's search first.
    if (!ChessBrd1->GotoMove(p.Move, p.WhiteToMove) || !ChessBrd1->CutRecordHere())
        return;
    UpdateMoveList();
    ResumeClocks(halfMoves);
    const QString side = SideInWords(ChessBrd1->WhiteToMove());
    SetStatus(halfMoves == 1 ? tr("One half-move taken back: %1 to move").arg(side)
                             : tr("%1 half-moves taken back: %2 to move").arg(halfMoves).arg(side));
    UpdateTakeBack();
}
