// "Ask before discarding a game": New Game and the commands that put another game or position on
// the board ask before the game's moves are lost, and a player's move from an earlier position asks
// before it replaces the rest of the game. The computer's moves never ask.

#include "app/unit1.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "board/chessbrd.h"

namespace {

// Whether the record holds more than its first position.
bool GameHasMoves(const TChessBoard& board)
{
    return TChessBoard::PositionOrder(board.LastRecordedMove(), board.LastRecordedWhite())
        > TChessBoard::PositionOrder(board.FirstRecordedMove(), board.FirstRecordedWhite());
}

} // namespace

bool TForm1::MayDiscardGame()
{
    // A finished game is not lost: it stays for Export Finished Game.
    if (!FPreferences.AskBeforeDiscarding || !GameHasMoves(*ChessBrd1) || ChessBrd1->GameOver())
        return true;
    return FDialogs.MessageBox(this, TZugwerkApplication::Title(), tr("Discard the current game?"),
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

bool TForm1::MayReplaceRestOfGame()
{
    if (!FPreferences.AskBeforeDiscarding)
        return true;
    return FDialogs.MessageBox(this, TZugwerkApplication::Title(),
               tr("Discard the rest of the game and play this move?"), QMessageBox::Question,
               QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}
