#pragma once

// The UCI engine zugwerk-engine: the search engine core (engine/) behind the UCI protocol, on standard
// input and output, for any chess GUI or tester.
//
// Where each part lives:
//   session.h/.cpp         Session: one conversation, its commands and the worker thread that searches
//   go_command.h/.cpp      GoRequest and ParseGo: what a `go` asks for, read from its words
//   time_allotment.h/.cpp  TimeBudget and AllotTime: how much of the clock one search may take
//   search_control.h/.cpp  SearchControl: the stop request, depth limit and timer that end a search
//   game_history.h/.cpp    GameHistory: the positions of the game, for the repetition rule at the root
//   move_text.h/.cpp       moves given as text ("e2e4"), checked against the position and played
//   main.cpp               the program: standard input to the session, and `zugwerk-engine bench`

#include "engine/engine.h"
#include "engine/fen_fields.h"
#include "uci/game_history.h"
#include "uci/search_control.h"

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

namespace uci {

// One UCI conversation: takes command lines, answers on `out`. Searches, perft and bench run on a
// worker thread so that `stop`, `ponderhit` and `isready` are answered while they run.
//
// Invariants: at most one worker runs, and a new job first ends the one before; the search engine
// is touched only by that worker while it runs (the command thread waits for it before touching the
// engine again); every `go` that is not a perft is answered by exactly one `bestmove` line; every
// output line is written whole under OutputMutex. Owned by main(); HandleCommand is called from
// one thread.
class Session {
public:
    explicit Session(std::ostream& out);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Handles one command line; false after `quit`.
    bool HandleCommand(std::string_view line);
    // Waits until a running search, perft or bench has finished by itself.
    void WaitUntilIdle();

private:
    // What a search job needs besides the position: the root moves it may play (empty for all),
    // those that repeat a position for the third time, its node limit and the lines it reports.
    struct SearchPlan {
        std::vector<engine::EngineMove> RootMoves;
        std::vector<engine::EngineMove> DrawnRootMoves;
        std::uint64_t NodeLimit;
        int LineCount;
    };

    void Write(std::string_view line);
    void Error(const std::string& message);
    // The start position, and a game history of it alone.
    void StartNewGame();

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
    // Searches report each completed depth and, once they run long, each root move they begin.
    void ReportSearches(bool on);
    void ReportIteration(const engine::IterationReport& report);
    void ReportRootMove(const engine::RootMoveReport& report);

    std::ostream& Out;
    std::mutex OutputMutex;

    std::unique_ptr<engine::Engine> SearchEngine;
    engine::RootPosition Root {};
    GameHistory History;
    int OptionSearchDepth;
    int OptionMoveOverhead;
    int OptionMultiPv;
    bool DebugMode = false;

    std::thread Worker;
    SearchControl Control;
    std::chrono::steady_clock::time_point SearchStart;
};

} // namespace uci
