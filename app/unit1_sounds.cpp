// The sounds of the moves made in the game and of its end, while the preference Sounds is on. The
// window's handlers of the board's move events tell MoveSounds what each move does; EndGame tells
// it when a game ends, however it ends.

#include "app/unit1.h"

#include "app/move_sounds.h"
#include "board/chessbrd.h"

void TForm1::CreateMoveSounds() { MoveSounds = new TMoveSounds(this); }

// The window leaves the board's capture event unbound as designed; only the sounds listen to it, so
// it is bound only while they are on. En passant included: the board raises the capture for the pawn
// taken beside the target too.
void TForm1::PlaySoundsOfPreference()
{
    MoveSounds->set_Enabled(FPreferences.Sounds);
    if (FPreferences.Sounds)
        ChessBrd1->OnCapture = [this](QObject*, Square, Square, char) { MoveSounds->Hear(TSoundKind::Capture); };
    else
        ChessBrd1->OnCapture = nullptr;
}
