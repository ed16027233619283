// Measures the engine's speed the way players feel it, each figure the best of several runs beside
// its target: the bench suite's nodes per second, perft 6 from the start position, and a depth-8
// search of an Italian middle game (no target: the time a deep analysis takes).
// Run: build/engine-speed-bench [runs, default 3]
//
// Each figure is wall-clock time, and the thread's CPU time beside it: on a machine shared with other
// work the CPU time still says what the engine costs when the wall clock is held up by others.

#include "engine/bench.h"
#include "engine/coordinate_text.h"
#include "engine/engine.h"
#include "engine/fen_fields.h"
#include "engine/perft.h"

#include <ctime>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr double BenchTargetMnps = 7.0;
constexpr double PerftTargetSeconds = 3.0;
constexpr int PerftDepth = 6;
constexpr std::uint64_t PerftStartCount = 119060324;
constexpr int DeepSearchDepth = 8;
constexpr const char* ItalianFen = "r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4";

double ThreadCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Wall-clock and CPU seconds of one call.
struct Timing {
    double Wall;
    double Cpu;
};

template <class Work> Timing Measure(Work&& work)
{
    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuSeconds();
    work();
    return { std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count(),
        ThreadCpuSeconds() - cpuStart };
}

// The fastest of several runs, wall clock and CPU each on its own.
struct Best {
    double Wall = 1e300;
    double Cpu = 1e300;
    void Add(const Timing& t)
    {
        Wall = std::min(Wall, t.Wall);
        Cpu = std::min(Cpu, t.Cpu);
    }
};

[[noreturn]] void Fail(const std::string& why)
{
    std::fprintf(stderr, "engine-speed-bench: %s\n", why.c_str());
    std::exit(1);
}

void Load(engine::Engine& engine, const char* fen)
{
    std::string error;
    if (!engine::LoadFenFields(engine, fen, error))
        Fail(std::string("cannot load ") + fen + ": " + error);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    if (runs < 1 || argc > 2)
        Fail("usage: engine-speed-bench [runs, at least 1]");
    auto engine = std::make_unique<engine::Engine>();

    // The bench suite, as `zugwerk-engine bench` searches it: a fresh engine, positions in order (the
    // line table an engine keeps from its last search steers the next one).
    Best bench;
    std::uint64_t benchNodes = 0;
    for (int run = 0; run < runs; ++run) {
        engine = std::make_unique<engine::Engine>();
        std::uint64_t nodes = 0;
        bench.Add(Measure([&] {
            for (const engine::BenchPosition& position : engine::BenchPositions) {
                const engine::BenchOutcome outcome = engine::RunBenchPosition(*engine, position);
                if (!outcome.Completed)
                    Fail(std::string("bench position not searched: ") + position.Name);
                nodes += outcome.Nodes;
            }
        }));
        benchNodes = nodes;
    }
    std::printf("bench: %.2f M nodes/s (target >= %.0f M; best of %d, %llu nodes; %.2f M nodes/s of CPU time)\n",
        benchNodes / bench.Wall / 1e6, BenchTargetMnps, runs, static_cast<unsigned long long>(benchNodes),
        benchNodes / bench.Cpu / 1e6);

    // Perft from the start position.
    Best perft;
    for (int run = 0; run < runs; ++run) {
        Load(*engine, engine::StartFen.data());
        std::optional<std::uint64_t> count;
        perft.Add(Measure([&] { count = engine::Perft(*engine, PerftDepth); }));
        if (count != PerftStartCount)
            Fail("perft 6 from the start position counted wrong");
    }
    std::printf("perft %d: %.2f s (target <= %.0f s; best of %d, %llu leaves; %.2f s of CPU time)\n", PerftDepth,
        perft.Wall, PerftTargetSeconds, runs, static_cast<unsigned long long>(PerftStartCount), perft.Cpu);

    // A deep search of a middle game, each run on a fresh engine.
    Best deep;
    std::uint64_t deepNodes = 0;
    std::string deepMove;
    for (int run = 0; run < runs; ++run) {
        engine = std::make_unique<engine::Engine>();
        Load(*engine, ItalianFen);
        const std::atomic<int> depth { DeepSearchDepth };
        const std::atomic<bool> stop { false };
        deep.Add(Measure([&] { engine->RunSearch(depth, stop); }));
        deepNodes = engine->NodeCount();
        deepMove = engine::CoordinateText(engine->BestMove());
    }
    std::printf("depth %d, Italian middle game: %.2f s (best of %d, %llu nodes, bestmove %s; %.2f s of CPU time)\n",
        DeepSearchDepth, deep.Wall, runs, static_cast<unsigned long long>(deepNodes), deepMove.c_str(), deep.Cpu);
    return 0;
}
