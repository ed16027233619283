// A finished game kept on the board: its last position stays, no move is made on it and the
// computer does not start, until a new game, a set-up, a new placement or a cut of the record.

#include "board/chessbrd.h"

void TChessBoard::set_GameOver(bool value)
{
    if (value == FGameOver)
        return;
    if (!value) {
        ReopenGame();
        return;
    }
    CancelThinking();
    DropSelection();
    FGameOver = true;
    RefreshDrawClaim();
}

// The computer may be to move in the game that starts now; it looks at once instead of at whatever
// message comes next.
void TChessBoard::ReopenGame()
{
    if (!FGameOver)
        return;
    FGameOver = false;
    RefreshDrawClaim();
    PostAutomaticStartCheck();
}
