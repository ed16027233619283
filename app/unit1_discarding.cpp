// "Ask before discarding a game": New Game and the commands that put another game or position on
// the board ask before the game's moves are lost, and a player's move from an earlier position asks
// before it replaces the rest of the game. The computer's moves never ask.

#include "app/unit1.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "board/chessbrd.h"

namespace {

// Whether a half-move leads to the record's last position.
bool GameHasMoves(const TChessBoard& board)
{
    const int move = board.LastRecordedMove();
    const bool white = board.LastRecordedWhite();
    return board.GetMove(white ? move - 1 : move, !white).PosStr[0] == '_';
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
