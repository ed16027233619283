// The computer's pace and what it shows of its search: the pause before its move while it plays both
// sides, so that a player can follow the game, and the progress reports of the running search.
//
// The pause does not hold up the search: the search starts as always, and a move found before the
// pause is over waits on the main thread until PauseTimer fires. Nothing else runs meanwhile: the
// board refuses other moves while a move waits and does not start the engine by itself. Whatever
// cancels thinking drops the waiting move; Move Now plays it at once.

#include "board/chessbrd.h"
#include "board/entry_point.h"

#include <QTimer>

#include <algorithm>

namespace {

// Longer than any pause a player would choose; a larger value is kept at this.
constexpr int LongestComputerPause = 60000;

} // namespace

void TChessBoard::CreatePauseTimer()
{
    PauseTimer = new QTimer(this);
    PauseTimer->setSingleShot(true);
    connect(PauseTimer, &QTimer::timeout, this, [this] { CatchAtEntryPoint([this] { PlayWaitingMove(); }); });
}

void TChessBoard::set_ComputerPause(int milliseconds)
{
    FComputerPause = std::clamp(milliseconds, 0, LongestComputerPause);
    // A move waiting for a longer pause than the new one need not wait any longer than that.
    if (FWaitingMove && PauseTimer)
        PauseTimer->start(PauseLeft());
}

// The engine thread's hand-off: Thinking is already clear. A move found before the pause is over
// waits for the rest of it.
bool TChessBoard::TakeEngineMove(Square oldSq, Square newSq)
{
    if (const int wait = PauseLeft(); wait > 0 && PauseTimer) {
        FWaitingMove = WaitingMove { oldSq, newSq, CurrentEngineSituation() };
        PauseTimer->start(wait);
        return true;
    }
    EndThinkingReports();
    return Move(oldSq, newSq);
}

// Against a human the computer moves as soon as it has its move; so it does when Move Now asked.
int TChessBoard::PauseLeft() const
{
    if (FComputerPause <= 0 || PauseWaived || !FComputerPlaysWhite || !FComputerPlaysBlack)
        return 0;
    if (!ThinkingClock.isValid())
        return FComputerPause;
    return static_cast<int>(std::max<qint64>(0, FComputerPause - ThinkingClock.elapsed()));
}

void TChessBoard::PlayWaitingMove()
{
    PauseTimer->stop();
    const std::optional<WaitingMove> waiting = std::exchange(FWaitingMove, std::nullopt);
    EndThinkingReports();
    // Everything that changes the position drops the waiting move first; this keeps it so.
    if (!waiting || waiting->situation != CurrentEngineSituation())
        return;
    if (!Move(waiting->from, waiting->to))
        EngineMoveRefused();
}

void TChessBoard::DropWaitingMove()
{
    if (PauseTimer)
        PauseTimer->stop();
    FWaitingMove.reset();
}

void TChessBoard::ReportThinking(const TThinkingProgress& progress)
{
    ThinkingReported = true;
    if (OnThinkingProgress)
        OnThinkingProgress(this, progress);
}

void TChessBoard::EndThinkingReports()
{
    if (!std::exchange(ThinkingReported, false))
        return;
    if (OnThinkingEnded)
        OnThinkingEnded(this);
}
