#pragma once

// The UCI protocol of the zugwerk-engine command-line tool.

#include "engine.h"
#include "fen.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// One UCI conversation: takes command lines, answers on `out`. Searches, perft and bench run on a
// worker thread so that `stop` and `isready` are answered while they run.
//
// Invariants: at most one worker runs; the search engine is touched only by that worker while it
// runs (the main thread waits for it before touching the engine again); every output line is
// written whole under OutputMutex. Owned by main(); HandleCommand is called from one thread.
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
    void Write(const std::string& line);
    void Error(const std::string& message);

    void CommandUci();
    void CommandSetOption(const std::vector<std::string_view>& words);
    void CommandPosition(const std::vector<std::string_view>& words);
    void CommandGo(const std::vector<std::string_view>& words);
    void CommandStop();
    void CommandBench();

    void StartWorker(std::function<void()> job);
    void StopWorker();
    void RunSearchJob(int depth);
    void RunPerftJob(int depth);
    void RunBenchJob();
    void ReportIteration(const engine::IterationReport& report);

    std::ostream& Out;
    std::mutex OutputMutex;

    std::unique_ptr<engine::Engine> SearchEngine;
    engine::RootPosition Root {};
    int OptionSearchDepth;

    std::thread Worker;
    std::atomic<bool> StopRequested { false };
    std::atomic<int> SearchDepth { 0 };
    std::chrono::steady_clock::time_point SearchStart;
};
