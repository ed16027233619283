// The built-in engine at each level: every position of the benchmark suite searched through the
// engine thread with the level's budget, as the board requests it. Prints, per level, the depth the
// searches completed and the time each move took (mean and longest). Run by hand:
//   build/level-bench

#include "engine/bench.h"
#include "engine/chess_thread.h"
#include "engine/fen_fields.h"
#include "engine/root_position.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

namespace {

// A stand-in board: calls meant for the main thread run at once on the engine thread.
struct Bench {
    std::atomic<bool> thinking { false };
    const std::atomic<int> depth { engine::DefaultSearchDepth };
    std::mutex mutex;
    std::condition_variable moved;
    bool moveMade = false;
    int lastDepth = 0;
    ChessThread thread { {
        thinking,
        depth,
        [](std::function<void()> call) { call(); },
        [this](int, int) {
            const std::lock_guard lock(mutex);
            moveMade = true;
            moved.notify_all();
            return true;
        },
        [] {},
        [this](const ChessThread::Progress& p) { lastDepth = p.Depth; },
    } };
    Bench() { thread.Start(); }
};

} // namespace

int main()
{
    Bench bench;
    std::printf("%-13s %-13s %10s %10s\n", "level", "depths", "mean ms", "longest ms");
    for (const engine::Level& level : engine::Levels()) {
        double totalMs = 0;
        double longestMs = 0;
        int shallowest = engine::MaxSearchDepth;
        int deepest = 0;
        for (const engine::BenchPosition& position : engine::BenchPositions) {
            auto scratch = std::make_unique<engine::Engine>();
            std::string error;
            if (!engine::LoadFenFields(*scratch, position.Fen, error)) {
                std::fprintf(stderr, "%s: %s\n", position.Name, error.c_str());
                return 1;
            }
            const engine::RootPosition root = engine::ExportRootPosition(*scratch);
            engine::SearchBudget budget { level.Depth, level.Time(), level.Opening, 0, 1 };
            const auto start = std::chrono::steady_clock::now();
            {
                const std::lock_guard lock(bench.mutex);
                bench.moveMade = false;
            }
            bench.thinking = true;
            bench.thread.ThinkingRequested(root, budget);
            std::unique_lock lock(bench.mutex);
            bench.moved.wait(lock, [&] { return bench.moveMade; });
            const double ms
                = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            totalMs += ms;
            longestMs = std::max(longestMs, ms);
            shallowest = std::min(shallowest, bench.lastDepth);
            deepest = std::max(deepest, bench.lastDepth);
        }
        const std::string depths = std::to_string(shallowest) + "-" + std::to_string(deepest);
        std::printf("%-13s %-13s %10.1f %10.1f\n", level.Name, depths.c_str(), totalMs / engine::BenchPositions.size(),
            longestMs);
    }
}
