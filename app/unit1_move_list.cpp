// The move list: refilled from the board's record after every change, a click on a line goes to that
// position, and its lines as the move-list file and printout write them. With the preference
// StandardMoveList the window shows the same game in standard notation instead, and the keys of
// TGameStepKeys step through it.

#include "app/unit1.h"

#include "app/controls.h"
#include "app/game_transfer.h"
#include "app/move_list_keys.h"
#include "app/move_list_view.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"

void TForm1::UpdateMoveList()
{
    ListShowsFinishedGame = false;
    QStringList lines;
    for (const std::string& line : ChessBrd1->GetMoveList())
        lines.append(QString::fromStdString(line));
    MoveListRecordLines = lines;
    MoveListMarkedLines = MarkedMoveListLines(lines);
    ListBox1->SetLines(MoveListMarkedLines);
    UpdateMoveListView();
}

// Which list the window shows; switching the preference on fills the standard one at once.
void TForm1::ShowMoveListOfPreference()
{
    if (FPreferences.StandardMoveList) {
        UpdateMoveListView();
    } else {
        MoveListView->hide();
        ListBox1->show();
    }
}

// Inside a move's events the board shows the move half made (a castling rook, a pawn taken en passant
// and a promotion still to come), and the current position lies beyond the record's end. The list is
// then filled once the move is complete, from the event loop; a game that the move ended is kept in
// FinishedGame by then.
void TForm1::UpdateMoveListView()
{
    if (!FPreferences.StandardMoveList)
        return;
    const bool moveInProgress = !ChessBrd1->LiesInRecord(ChessBrd1->CurrentMove(), ChessBrd1->WhiteToMove());
    if (!moveInProgress) {
        FillMoveListView();
        return;
    }
    if (MoveListViewFillPending)
        return;
    MoveListViewFillPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            MoveListViewFillPending = false;
            if (FPreferences.StandardMoveList)
                CatchAtEntryPoint([this] { FillMoveListView(); });
        },
        Qt::QueuedConnection);
}

// The game the classic list shows, in standard notation: the finished game while the list still shows
// it and the board has moved on, else the board's, marked at the half-move that led to the board's position. A board
// that holds no legal game (a position written over it) keeps the classic list in sight.
void TForm1::FillMoveListView()
{
    try {
        // A finished game kept on the board (GameOver) is the board's game still, with its positions.
        if (ListShowsFinishedGame && FinishedGame && !ChessBrd1->GameOver()) {
            MoveListViewStartPly.reset();
            notation::Game finished = *FinishedGame;
            finished.Notes = AnalysisNotesFor(finished);
            MoveListView->ShowGame(finished, static_cast<int>(finished.Moves.size()) - 1);
        } else {
            notation::Game game = RecordedGame(*ChessBrd1);
            game.Notes = AnalysisNotesFor(game);
            const int startPly = TChessBoard::PositionOrder(game.Start.FullmoveNumber, game.Start.WhiteToMove);
            MoveListViewStartPly = startPly;
            MoveListView->ShowGame(
                game, TChessBoard::PositionOrder(ChessBrd1->CurrentMove(), ChessBrd1->WhiteToMove()) - startPly - 1);
        }
    } catch (const notation::NotationError&) {
        MoveListViewStartPly.reset();
        MoveListView->hide();
        ListBox1->show();
        return;
    }
    ListBox1->hide();
    MoveListView->show();
}

// As a click on a line of the classic list: the board goes to the position after the half-move, and
// nothing else changes. A finished game's positions are no longer on the board.
void TForm1::MoveListViewChoose(int halfMove)
{
    if (!MoveListViewStartPly)
        return;
    const int ply = *MoveListViewStartPly + halfMove + 1;
    if (ChessBrd1->GotoMove(ply / 2, ply % 2 == 0))
        MoveListView->Mark(halfMove);
    FollowSideToMove();
}

// Each step goes through the board's record as Back and Forward do, and refreshes the list as they do.
void TForm1::StepThroughGame(TGameStep step)
{
    TChessBoard& board = *ChessBrd1;
    // The piece in the air belongs to the position it was lifted from.
    if (board.Dragging())
        return;
    switch (step) {
    case TGameStep::HalfMoveBack: Back1Click(ChessBrd1); return;
    case TGameStep::HalfMoveForward: Forward1Click(ChessBrd1); return;
    case TGameStep::FullMoveBack:
        if (board.MoveBackward())
            board.MoveBackward();
        break;
    case TGameStep::FullMoveForward:
        if (board.MoveForward())
            board.MoveForward();
        break;
    case TGameStep::ToStart: board.GotoMove(board.FirstRecordedMove(), board.FirstRecordedWhite()); break;
    case TGameStep::ToEnd: board.GotoMove(board.LastRecordedMove(), board.LastRecordedWhite()); break;
    }
    UpdateMoveList();
    UpdateTakeBack();
    FollowSideToMove();
}

// The lines alternate White, Black from the record's first move on (a record that starts with Black
// to move shows White's half-move as dots). A White line shows the position after that move, with
// Black to move; a Black line the position after that Black move, which starts White's next move.
void TForm1::ListBox1Click(QObject*)
{
    const int i = ListBox1->currentRow();
    if (i < 0)
        return;
    const int first = ChessBrd1->FirstRecordedMove();
    if (i % 2 == 0)
        ChessBrd1->GotoMove(first + i / 2, false);
    else
        ChessBrd1->GotoMove(first + (i + 1) / 2, true);
    FollowSideToMove();
}

// The list's lines, where the marks of an analysis are shown but not written: a line that carries
// one stands for the record's line.
QStringList TForm1::MoveListLines() const
{
    QStringList lines;
    for (int row = 0; row < ListBox1->count(); ++row) {
        const QString text = ListBox1->item(row)->text();
        const bool marked
            = row < MoveListMarkedLines.size() && text == MoveListMarkedLines[row] && row < MoveListRecordLines.size();
        lines.append(marked ? MoveListRecordLines[row] : text);
    }
    return lines;
}
