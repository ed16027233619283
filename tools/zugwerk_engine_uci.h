#pragma once

// The UCI protocol of the zugwerk-engine command-line tool.

#include "engine/engine.h"
#include "engine/fen.h"
#include "tools/uci_game_history.h"
#include "tools/uci_search_control.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// One UCI conversation: takes command lines, answers on `out`. Searches, perft and bench run on a
// worker thread so that `stop`, `ponderhit` and `isready` are answered while they run.
//
// Invariants: at most one worker runs, and a new job first ends the one before; the search engine
// is touched only by that worker while it runs (the command thread waits for it before touching the
// engine again); every `go` that is not a perft is answered by exactly one `bestmove` line; every
// output line is written whole under OutputMutex. Owned by main(); HandleCommand is called from
// one thread.
class UciSession {
public:
    explicit UciSession(std::ostream& out);
    ~UciSession();
    UciSession(const UciSession&) = delete;
    UciSession& operator=(const UciSession&) = delete;

    // Handles one command line; false after `quit`.
    bool HandleCommand(std::string_view line);
    // Waits until a running search, perft or bench has finished by itself.
    void WaitUntilIdle();

private:
    // What a search job needs besides the position: the root moves it may play (empty for all),
    // those that repeat a position for the third time, and its node limit.
    struct SearchPlan {
        std::vector<engine::EngineMove> RootMoves;
        std::vector<engine::EngineMove> DrawnRootMoves;
        std::uint64_t NodeLimit;
    };

    void Write(const std::string& line);
    void Error(const std::string& message);

    void CommandUci();
    void CommandDebug(const std::vector<std::string_view>& words);
    void CommandSetOption(const std::vector<std::string_view>& words);
    void CommandPosition(const std::vector<std::string_view>& words);
    void CommandGo(const std::vector<std::string_view>& words);
    void CommandPerft(const std::vector<std::string_view>& words);
    void CommandBench();

    void StartWorker(std::function<void()> job);
    void StopWorker();
    void RunSearchJob(const SearchPlan& plan);
    void RunPerftJob(int depth);
    void RunBenchJob();
    void ReportIteration(const engine::IterationReport& report);

    std::ostream& Out;
    std::mutex OutputMutex;

    std::unique_ptr<engine::Engine> SearchEngine;
    engine::RootPosition Root {};
    GameHistory History;
    int OptionSearchDepth;
    int OptionMoveOverhead;
    bool DebugMode = false;

    std::thread Worker;
    SearchControl Control;
    std::chrono::steady_clock::time_point SearchStart;
};
