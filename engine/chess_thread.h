#pragma once

// ChessThread: the engine thread of one board. It waits until the board raises its Thinking flag,
// loads the board's position, searches it, and hands the chosen move back to the board on the main
// thread, where it is made like a human move.
//
// Protocol (two atomic flags, plus a mutex and condition variable for waiting):
// - Thinking belongs to the board: set by the board to request a search; cleared by this thread
//   after a stopped search, by the hand-off just before the move is made, or by CancelThinking.
// - StopRequested is set and cleared on the main thread, by CancelThinking and PlayBestMoveNow;
//   the search polls it.
// - The idle thread blocks on the condition variable; MoveNow and Terminate wake it.
// - After a completed search the hand-off is posted to the main thread and the thread waits until it
//   has run or has been discarded by CancelThinking, so CancelThinking always returns. A search
//   stopped by PlayBestMoveNow is handed off the same way, with the best move it has found so far.
// The board owns the thread; it cancels thinking, terminates and joins it before it goes away.

#include "engine/engine.h"
#include "engine/tthread.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class ChessThread : public TThread {
public:
    // What the thread needs of its board, fixed for the thread's life.
    struct BoardLink {
        std::atomic<bool>& Thinking;
        const std::atomic<int>& SearchDepth;
        // Engine thread, while a search is requested: load the board's position into the engine.
        std::function<void(engine::Engine&)> LoadPosition;
        // Engine thread: have a call run on the main thread.
        std::function<void(std::function<void()>)> RunOnMainThread;
        // Main thread: make the move on the board (board squares 1..64); false when refused.
        std::function<bool(int oldSq, int newSq)> Move;
        // Main thread: the board refused the engine's move.
        std::function<void()> MoveRefused;
    };

    explicit ChessThread(BoardLink link);
    ~ChessThread() override;

    // Main thread. Ends a requested or running search without a move and returns once the thread
    // is idle; returns at once when nothing is requested.
    void CancelThinking();
    // Main thread, after the board has set Thinking: wakes the idle thread.
    void ThinkingRequested();
    // Main thread. Ends a running search at once and hands off, as for a completed search, the best
    // move of its last completed iteration, or the first legal move when not even depth 1 has
    // completed. Returns once the search has ended and its hand-off is posted (CancelThinking still
    // discards it); false, changing nothing, when no search is running: none requested, one
    // requested but not yet taken up, or one already completed.
    bool PlayBestMoveNow();

    std::atomic<bool> StopRequested { false };

protected:
    void Execute() override;
    void WakeUp() override;

private:
    enum class HandOffState { None, Pending, Running };
    void HandOffMove(unsigned ticket);

    BoardLink Link;
    std::unique_ptr<engine::Engine> Engine;

    // Guarded by Mutex.
    std::mutex Mutex;
    std::condition_variable Signal;
    bool Searching = false;
    bool PlayNowRequested = false; // the running search is to hand off what it has when stopped
    bool PostingHandOff = false; // from Pending until RunOnMainThread has returned
    HandOffState HandOff = HandOffState::None;
    unsigned HandOffTicket = 0;
    int HandOffFrom = 0;
    int HandOffTo = 0;
};
