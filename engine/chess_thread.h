#pragma once

// ChessThread: the engine thread of one board. The board requests a search by raising its Thinking
// flag and handing over a copy of its position; the thread searches its own copy and hands the
// chosen move back to the board on the main thread, where it is made like a human move. The
// thread never reads the board's position, so the board may change it at any time.
//
// Protocol (two atomic flags, plus a mutex and condition variable for waiting):
// - Thinking belongs to the board: set by the board to request a search; cleared by this thread
//   after a stopped search, by the hand-off just before the move is made, or by CancelThinking.
// - The requested position is passed with ThinkingRequested and kept under the mutex until the
//   thread takes it up; CancelThinking withdraws a request not yet taken up.
// - StopRequested is set and cleared on the main thread, by CancelThinking and PlayBestMoveNow;
//   the search polls it. The timer of a search with a time budget sets it too, at the hard limit;
//   the engine thread clears it after that search, whose move so far is handed off.
// - The idle thread blocks on the condition variable; ThinkingRequested and Terminate wake it.
// - After a completed search the hand-off is posted to the main thread and the thread waits until it
//   has run or has been discarded by CancelThinking, so CancelThinking always returns. A search
//   stopped by PlayBestMoveNow is handed off the same way, with the best move it has found so far.
// - Each completed iteration is posted to the main thread as a progress report (one post per
//   iteration), marked with the number of the request it belongs to. The main thread alone keeps the
//   number of the request whose reports it still wants, so a report of a search that was cancelled,
//   or that a newer request replaced, is dropped there without any further locking.
// The board owns the thread; it cancels thinking, terminates and joins it before it goes away.

#include "engine/engine.h"
#include "engine/levels.h"
#include "engine/root_position.h"
#include "engine/search_timer.h"
#include "engine/tthread.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class ChessThread : public TThread {
public:
    // One completed iteration of a search: its depth, its score for the side to move (in hundredths
    // of a pawn; near +-engine::Infinity a mate), the best move so far (board squares 1..64, the
    // promotion as 'Q', 'R', 'B', 'N' or 0) and the nodes searched up to it.
    struct Progress {
        int Depth = 0;
        int Score = 0;
        int From = 0;
        int To = 0;
        char Promotion = 0;
        std::uint64_t Nodes = 0;
    };

    // What the thread needs of its board, fixed for the thread's life.
    struct BoardLink {
        std::atomic<bool>& Thinking;
        // Read before every iteration, so that a change reaches a running search.
        const std::atomic<int>& SearchDepth;
        // Engine thread: have a call run on the main thread.
        std::function<void(std::function<void()>)> RunOnMainThread;
        // Main thread: make the move on the board (board squares 1..64); false when refused.
        std::function<bool(int oldSq, int newSq)> Move;
        // Main thread: the board refused the engine's move.
        std::function<void()> MoveRefused;
        // Main thread: an iteration of the search requested last has completed; optional.
        std::function<void(const Progress&)> ReportProgress = {};
    };

    explicit ChessThread(BoardLink link);
    ~ChessThread() override;

    // Main thread. Ends a requested or running search without a move and returns once the thread
    // is idle; returns at once when nothing is requested.
    void CancelThinking();
    // Main thread, after the board has set Thinking: hands over the position to search, which the
    // thread keeps as its own copy, and wakes the idle thread. Without a budget the search goes to
    // the board's SearchDepth. With one, it goes to the budget's depth, ends at its time (the move
    // found so far is handed off as for a completed search) and chooses with its variety.
    void ThinkingRequested(
        const engine::RootPosition& position, std::optional<engine::SearchBudget> budget = std::nullopt);
    // Main thread. Ends a running search at once and hands off, as for a completed search, the best
    // move of its last completed iteration, or the first legal move when not even depth 1 has
    // completed. Returns once the search has ended and its hand-off is posted (CancelThinking still
    // discards it); false, changing nothing, when no search is running: none requested, one
    // requested but not yet taken up, or one already completed.
    bool PlayBestMoveNow();

    std::atomic<bool> StopRequested { false };

    // How many searches the thread has taken up, and how many hand-offs it has posted, since it
    // started: a search taken up is running until it ends (tests wait for these).
    unsigned SearchesStarted() const { return SearchesStartedCount.load(); }
    unsigned HandOffsPosted() const { return HandOffsPostedCount.load(); }
    unsigned ProgressReportsPosted() const { return ProgressPostedCount.load(); }

protected:
    void Execute() override;
    void WakeUp() override;

private:
    enum class HandOffState { None, Pending, Running };
    struct SearchOutcome {
        bool Completed; // the search reached its depth (or its soft time limit)
        bool TimeUp; // the timer stopped the search or the choice
        engine::EngineMove Chosen; // with variety, the move chosen after a completed search
    };
    // Engine thread: a budgeted search of the loaded position.
    SearchOutcome SearchWithin(const engine::SearchBudget& budget);
    void HandOffMove(unsigned ticket);
    // Engine thread, from the iteration hook: posts the iteration's report.
    void PostProgress(const engine::IterationReport& iteration);
    // Main thread: passes a report on while its search is the one wanted.
    void DeliverProgress(unsigned request, const Progress& progress) const;

    BoardLink Link;
    std::unique_ptr<engine::Engine> Engine;

    // Written under Mutex, once per search; read by anyone.
    std::atomic<unsigned> SearchesStartedCount { 0 };
    std::atomic<unsigned> HandOffsPostedCount { 0 };
    std::atomic<unsigned> ProgressPostedCount { 0 }; // written by the engine thread alone

    // Guarded by Mutex.
    std::mutex Mutex;
    std::condition_variable Signal;
    std::optional<engine::RootPosition> RequestedPosition; // from ThinkingRequested until taken up
    std::optional<engine::SearchBudget> RequestedBudget; // with RequestedPosition
    bool Searching = false;
    bool PlayNowRequested = false; // the running search is to hand off what it has when stopped
    bool PostingHandOff = false; // from Pending until RunOnMainThread has returned
    HandOffState HandOff = HandOffState::None;
    unsigned HandOffTicket = 0;
    int HandOffFrom = 0;
    int HandOffTo = 0;
    unsigned RequestNumber = 0; // of the last ThinkingRequested
    unsigned RequestedNumber = 0; // of RequestedPosition

    // Engine thread only: the request number of the running search, and for a budgeted search its
    // depth limit (lowered to the last iteration once the soft time limit has passed) and clock.
    unsigned SearchRequest = 0;
    std::atomic<int> BudgetDepth { engine::DefaultSearchDepth };
    bool BudgetTimed = false;
    engine::SearchTimer Timer { StopRequested };
    // Main thread only: the request whose progress reports are passed on; 0 for none.
    unsigned ProgressWanted = 0;
};
