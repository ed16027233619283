// The player clocks: Chr1 runs while the first player is on move, Chr2 while the second is, and
// both are shown once a second. Only a legal move switches them; navigation leaves them alone. A
// finished game kept on the board stops both; Take Back runs the clock of the player to move again.
// With a time control the chess clock (unit1_time_control.cpp) takes the labels and follows the same
// steps: a new game, a move, a stop and a resumption.

#include "app/unit1.h"

#include "app/qvchrono.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"

#include <QLabel>
#include <QShowEvent>

void TForm1::Timer1Timer(QObject*)
{
    if (FChessClock)
        return;
    Label1->setText(Chr1->Time2Str(Chr1->TotalTimeElapsed()).left(8));
    Label2->setText(Chr2->Time2Str(Chr2->TotalTimeElapsed()).left(8));
}

void TForm1::FormShow(QObject*)
{
    Chr1Running = true;
    Chr1->Start();
}

// A show that the window system reports (the window restored from an icon) is no new showing.
void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        CatchAtEntryPoint([this] { FormShow(this); });
}

void TForm1::ResetClocks()
{
    Chr1Running = true;
    Chr1->Reset();
    Chr2->Reset();
    Chr1->Start();
    if (FChessClock)
        StartChessClockGame();
}

void TForm1::SwitchClocks()
{
    if (Chr1Running) {
        Chr1Running = false;
        Chr1->Stop();
        Chr2->Start();
    } else {
        Chr1Running = true;
        Chr2->Stop();
        Chr1->Start();
    }
    // The board already has the side to move next.
    if (FChessClock)
        FChessClock->MoveMade(ChessBrd1->WhiteToMove());
}

void TForm1::StopClocks()
{
    Chr1->Stop();
    Chr2->Stop();
    if (FChessClock)
        FChessClock->Pause();
}

// The time spent on the moves taken back stays on the clocks; the turn goes back with the moves.
void TForm1::ResumeClocks(int halfMovesTakenBack)
{
    if (halfMovesTakenBack % 2 != 0)
        Chr1Running = !Chr1Running;
    TQVChronometre& running = Chr1Running ? *Chr1 : *Chr2;
    TQVChronometre& waiting = Chr1Running ? *Chr2 : *Chr1;
    waiting.Stop();
    running.Start();
    if (FChessClock) {
        FChessClock->SetSideToMove(ChessBrd1->WhiteToMove());
        FChessClock->Resume();
    }
}
