// The computer player on the board's side: its settings, the engine thread that searches for it,
// requesting and cancelling a search, and the rule by which the board starts the engine by itself.

#include "board/chessbrd.h"
#include "board/entry_point.h"
#include "engine/chess_thread.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

// Kept back from the clock's share for what passes between the clock and the search: the request,
// the hand-off through the event loop, the board's own handlers.
constexpr std::chrono::milliseconds EngineClockOverhead { 50 };

} // namespace

void TChessBoard::StartEngineThread()
{
    EngineMessageBox = [this](const QString& caption, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, this);
        box.exec();
    };
    FEngineThread = std::make_unique<ChessThread>(ChessThread::BoardLink {
        FThinking,
        FSearchDepth,
        // A call posted to the board is dropped by Qt if the board is gone by then.
        [this](std::function<void()> call) { QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection); },
        [this](int oldSq, int newSq) { return TakeEngineMove(SquareAt(oldSq), SquareAt(newSq)); },
        [this] { EngineMoveRefused(); },
        [this](const ChessThread::Progress& p) {
            ReportThinking({ p.Depth, p.Score, SquareAt(p.From), SquareAt(p.To), p.Promotion, p.Nodes });
        },
    });
    CreatePauseTimer();
    FEngineThread->SetPriority(FThinkingPriority);
    FEngineThread->OnTerminate = [this](TThread*) { FinishedThread(this); };
    FEngineThread->Start();
}

// Neither setter starts a search itself; the message it posts lets the automatic start decide at
// once instead of at whatever message happens to come next.
void TChessBoard::set_ComputerPlaysWhite(bool value)
{
    CancelThinking();
    FComputerPlaysWhite = value;
    FRefusedEngineSituation.reset();
    PostAutomaticStartCheck();
    RefreshDrawClaim();
}

void TChessBoard::set_ComputerPlaysBlack(bool value)
{
    CancelThinking();
    FComputerPlaysBlack = value;
    FRefusedEngineSituation.reset();
    PostAutomaticStartCheck();
    RefreshDrawClaim();
}

void TChessBoard::set_SearchDepth(int value)
{
    FSearchDepth.store(std::clamp(value, engine::MinSearchDepth, engine::MaxSearchDepth));
    FLevels = {};
}

void TChessBoard::set_Level(std::optional<engine::Level> level)
{
    set_LevelOf(true, level);
    set_LevelOf(false, level);
}

void TChessBoard::set_LevelOf(bool white, std::optional<engine::Level> level)
{
    if (level)
        level->Depth = std::clamp(level->Depth, engine::MinSearchDepth, engine::MaxSearchDepth);
    FLevels[white ? 1 : 0] = level;
}

void TChessBoard::set_OutsidePlayer(bool white, bool value)
{
    FOutsidePlayers[white ? 1 : 0] = value;
    DropSelection();
    RefreshDrawClaim();
}

std::optional<engine::SearchBudget> TChessBoard::EngineBudget()
{
    const std::optional<engine::ClockReading> clock = EngineClock ? EngineClock() : std::nullopt;
    const std::optional<engine::Level>& level = Level();
    if (!level && !clock)
        return std::nullopt;
    engine::SearchBudget budget;
    budget.Depth = level ? level->Depth : FSearchDepth.load();
    if (level) {
        budget.Time = level->Time();
        budget.Opening = level->Opening;
    }
    // The clock may allow less than the level's time, never more.
    if (const std::optional<engine::TimeBudget> share
        = clock ? engine::AllotTime(*clock, EngineClockOverhead) : std::nullopt) {
        if (!budget.Time)
            budget.Time = share;
        budget.Time->SoftLimit = std::min(budget.Time->SoftLimit, share->SoftLimit);
        budget.Time->HardLimit = std::min(budget.Time->HardLimit, share->HardLimit);
    }
    budget.HalfMoveOfGame = engine::HalfMoveOfGame(FCurrentMove, FWhiteToMove);
    budget.Seed = FVarietyRandom();
    return budget;
}

void TChessBoard::set_ThinkingPriority(TThreadPriority value)
{
    FThinkingPriority = std::min(value, tpNormal);
    if (FEngineThread)
        FEngineThread->SetPriority(FThinkingPriority);
}

void TChessBoard::CancelThinking()
{
    DropWaitingMove();
    if (FEngineThread)
        FEngineThread->CancelThinking();
    EndThinkingReports();
}

bool TChessBoard::MoveNow()
{
    // A handler inside Move sees a position that is only partly made; the engine must not search it.
    if (MakingMove)
        return false;
    // A finished game kept on the board takes no more moves.
    if (FGameOver)
        return false;
    CancelThinking();
    if (!LegalMoveAvailable())
        return false;
    // Nothing stays selected while the computer thinks.
    DropSelection();
    FThinking.store(true);
    ThinkingClock.start();
    PauseWaived = false;
    if (FEngineThread)
        FEngineThread->ThinkingRequested(PositionForEngine(), EngineBudget());
    return true;
}

engine::RootPosition TChessBoard::PositionForEngine() const
{
    engine::RootPosition position {};
    std::memcpy(position.Squares, Squares + 1, sizeof position.Squares);
    position.WhiteToMove = FWhiteToMove;
    position.CastlingBits = FCastlingAllowed.Bits();
    position.EnPassantSquare = SquareIndex(FEnPassant);
    return position;
}

bool TChessBoard::ComputerMoveNow()
{
    if (FWaitingMove) {
        PlayWaitingMove();
        return true;
    }
    // The player asked for the move now: it does not wait for the pause either.
    if (FThinking.load()) {
        PauseWaived = true;
        return FEngineThread && FEngineThread->PlayBestMoveNow();
    }
    if (!ComputerIsToMove() || !MoveNow())
        return false;
    PauseWaived = true;
    return true;
}

void TChessBoard::FinishedThread(QObject*) { }

void TChessBoard::EngineMoveRefused()
{
    FRefusedEngineSituation = CurrentEngineSituation();
    if (EngineMessageBox)
        EngineMessageBox(tr("Error"), tr("Engine tried to perform Illegal Move"));
}

// While the board shows an earlier position of the game, the computer waits: starting there would
// replace the rest of the game the player is looking through.
bool TChessBoard::AutomaticStartIsDue() const
{
    if (!FEngineThread || FThinking.load() || FWaitingMove || MakingMove || !ComputerIsToMove() || Reviewing()
        || FGameOver)
        return false;
    // After a refused engine move the same situation would only be refused again.
    return FRefusedEngineSituation != CurrentEngineSituation();
}

void TChessBoard::PostAutomaticStartCheck()
{
    if (FEngineThread)
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
}

// Every message reaches the board here, the mouse and the engine's hand-off among them, so this is
// where the board stops what its handlers throw.
bool TChessBoard::event(QEvent* event)
{
    bool handled = false;
    CatchAtEntryPoint([&] {
        AbandonDragIfMouseIsLost(*event);
        if (AutomaticStartIsDue())
            MoveNow();
        handled = QWidget::event(event);
    });
    return handled;
}
