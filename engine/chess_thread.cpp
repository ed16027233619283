#include "engine/chess_thread.h"
#include "engine/coordinate_text.h"
#include "engine/scope_exit.h"

#include <algorithm>
#include <utility>

ChessThread::ChessThread(BoardLink link)
    : Link(std::move(link))
    , Engine(std::make_unique<engine::Engine>())
{
    Engine->SetIterationHook([this](const engine::IterationReport& iteration) {
        if (BudgetTimed && Timer.SoftLimitPassed())
            BudgetDepth.store(iteration.Depth);
        if (Link.ReportProgress)
            PostProgress(iteration);
    });
}

ChessThread::~ChessThread()
{
    Terminate();
    WaitFor();
}

void ChessThread::WakeUp()
{
    std::lock_guard lock(Mutex);
    Signal.notify_all();
}

void ChessThread::ThinkingRequested(const engine::RootPosition& position, std::optional<engine::SearchBudget> budget)
{
    std::lock_guard lock(Mutex);
    RequestedPosition = position;
    RequestedBudget = budget;
    RequestedNumber = ++RequestNumber;
    ProgressWanted = RequestedNumber;
    Signal.notify_all();
}

void ChessThread::Execute()
{
    std::unique_lock lock(Mutex);
    while (true) {
        // Idle until a search is requested with its position (and no hand-off is still under way) or
        // the thread ends.
        Signal.wait(lock, [this] {
            return Terminated() || (Link.Thinking.load() && RequestedPosition && HandOff == HandOffState::None);
        });
        if (Terminated())
            return;
        const engine::RootPosition position = *std::exchange(RequestedPosition, std::nullopt);
        const std::optional<engine::SearchBudget> budget = std::exchange(RequestedBudget, std::nullopt);
        SearchRequest = RequestedNumber;
        Searching = true;
        SearchesStartedCount.fetch_add(1);
        lock.unlock();

        // Search the thread's own copy of the position, whatever the board does meanwhile.
        ApplyPriority();
        engine::LoadRootPosition(*Engine, position);
        const SearchOutcome outcome = budget
            ? SearchWithin(*budget)
            : SearchOutcome { Engine->RunSearch(Link.SearchDepth, StopRequested), false, engine::NoMove };

        lock.lock();
        Searching = false;
        // A search stopped by PlayBestMoveNow, or by its time, plays what it has, like a completed one.
        const bool playNow = std::exchange(PlayNowRequested, false);
        engine::EngineMove move = engine::NoMove;
        if (outcome.Completed)
            move = outcome.Chosen != engine::NoMove ? outcome.Chosen : Engine->BestMoveSoFar();
        else if (playNow || outcome.TimeUp)
            move = Engine->BestMoveSoFar();
        if (move == engine::NoMove) {
            // Stopped: no move. CancelThinking waits for exactly this.
            Link.Thinking.store(false);
            Signal.notify_all();
            continue;
        }

        // A move: it is made on the main thread while this thread waits.
        HandOff = HandOffState::Pending;
        PostingHandOff = true;
        const unsigned ticket = ++HandOffTicket;
        HandOffFrom = engine::BoardSquareNumber(engine::MoveFrom(move));
        HandOffTo = engine::BoardSquareNumber(engine::MoveTo(move));
        Signal.notify_all();
        lock.unlock();
        Link.RunOnMainThread([this, ticket] { HandOffMove(ticket); });
        lock.lock();
        PostingHandOff = false;
        HandOffsPostedCount.fetch_add(1);
        Signal.notify_all();
        Signal.wait(lock, [this] { return HandOff == HandOffState::None || Terminated(); });
    }
}

// The budget's depth, its clock and its variety. A search that ended on its time clears the stop
// request the timer set; one that the board stopped meanwhile is ended by the board as ever.
ChessThread::SearchOutcome ChessThread::SearchWithin(const engine::SearchBudget& budget)
{
    BudgetDepth.store(std::clamp(budget.Depth, engine::MinSearchDepth, engine::MaxSearchDepth));
    BudgetTimed = budget.Time.has_value();
    if (BudgetTimed)
        Timer.Arm(*budget.Time);
    SearchOutcome outcome { Engine->RunSearch(BudgetDepth, StopRequested), false, engine::NoMove };
    if (outcome.Completed)
        outcome.Chosen = engine::ChooseMove(*Engine, budget.Opening, budget.HalfMoveOfGame, budget.Seed);
    if (BudgetTimed && Timer.Disarm()) {
        outcome.TimeUp = true;
        // A choice cut short by the clock falls back on the best move, which the search completed.
        StopRequested.store(false);
    }
    BudgetTimed = false;
    return outcome;
}

void ChessThread::HandOffMove(unsigned ticket)
{
    int from = 0;
    int to = 0;
    {
        std::lock_guard lock(Mutex);
        // A hand-off discarded by CancelThinking, or one from an earlier search, does nothing.
        if (HandOff != HandOffState::Pending || ticket != HandOffTicket)
            return;
        HandOff = HandOffState::Running;
        from = HandOffFrom;
        to = HandOffTo;
    }
    // The search is over: what it reported is out of date from now on.
    ProgressWanted = 0;
    // The engine thread waits until the hand-off is over, also when the board's move or its refusal
    // throws from one of the board's handlers: the exception goes on to the main thread's caller.
    const ScopeExit handedOff([this] {
        std::lock_guard lock(Mutex);
        HandOff = HandOffState::None;
        Signal.notify_all();
    });
    // The board refuses every move while Thinking is set, so it is cleared first. Only the squares
    // are passed: a promotion follows the board's own choice of piece.
    Link.Thinking.store(false);
    if (!Link.Move(from, to))
        Link.MoveRefused();
}

bool ChessThread::PlayBestMoveNow()
{
    // Whatever happens here, a hand-off that the thread is posting is in the main thread's queue by
    // the time this returns, so that the caller's event loop finds it.
    const auto handOffPosted = [this] { return !PostingHandOff; };
    std::unique_lock lock(Mutex);
    Signal.wait(lock, handOffPosted);
    // A request not yet taken up has nothing to play; a completed search's move is on its way.
    if (!Searching)
        return false;
    PlayNowRequested = true;
    StopRequested.store(true);
    // The search ends within moments; the thread then posts the hand-off or, without a legal move,
    // clears Thinking.
    Signal.wait(lock, [&] { return !Searching && handOffPosted(); });
    StopRequested.store(false);
    return true;
}

// One post per iteration, of a few numbers: the search hardly notices it.
void ChessThread::PostProgress(const engine::IterationReport& iteration)
{
    Progress progress;
    progress.Depth = iteration.Depth;
    progress.Score = iteration.Score;
    progress.Nodes = iteration.Nodes;
    if (iteration.PvLength > 0) {
        const engine::EngineMove best = iteration.Pv[0];
        progress.From = engine::BoardSquareNumber(engine::MoveFrom(best));
        progress.To = engine::BoardSquareNumber(engine::MoveTo(best));
        progress.Promotion = engine::PromotionLetter(engine::MovePromotion(best));
    }
    Link.RunOnMainThread([this, request = SearchRequest, progress] { DeliverProgress(request, progress); });
    ProgressPostedCount.fetch_add(1);
}

// A report that was on its way when its search was cancelled, or replaced by a newer request, is
// dropped: ProgressWanted no longer names its request.
void ChessThread::DeliverProgress(unsigned request, const Progress& progress) const
{
    if (request == ProgressWanted && Link.Thinking.load())
        Link.ReportProgress(progress);
}

void ChessThread::CancelThinking()
{
    ProgressWanted = 0;
    if (!Link.Thinking.load())
        return;
    StopRequested.store(true);
    {
        std::unique_lock lock(Mutex);
        // A request the thread has not taken up yet (or cannot, while a hand-off is under way) is
        // simply withdrawn.
        if (!Searching && HandOff != HandOffState::Pending) {
            RequestedPosition.reset();
            RequestedBudget.reset();
            Link.Thinking.store(false);
        }
        // Otherwise the search ends by itself on the stop request, or completes just before it;
        // a completed search's pending hand-off needs this (main) thread, so it is discarded here.
        Signal.wait(lock, [this] { return !Link.Thinking.load() || HandOff == HandOffState::Pending; });
        if (HandOff == HandOffState::Pending) {
            HandOff = HandOffState::None;
            Link.Thinking.store(false);
            Signal.notify_all();
        }
    }
    StopRequested.store(false);
}
