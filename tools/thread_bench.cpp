// Measures the computer player's costs that users notice: CPU time of an idle program (the engine
// thread must sleep, not spin) and how long CancelThinking takes to stop a deep search, in a
// middlegame and in a position whose quiescence search alone runs for minutes.
// Run: build/thread-bench [idle seconds, default 10]

#include "board/chessbrd.h"
#include "engine/bench.h"
#include "tools/placement.h"

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Milliseconds that CancelThinking takes, for each delay in turn: a depth-10 search of the
// placement (White to move) is started and cancelled after the delay.
std::vector<double> CancelLatencies(TChessBoard& board, const char* placement, const std::vector<int>& delaysMs)
{
    MoveInfo info;
    FillPlacement(info, placement);
    info.Castling = CastlingSet();
    board.SetUpPosition(info, 10, true);
    board.set_SearchDepth(engine::MaxSearchDepth);
    std::vector<double> latencies;
    for (const int delay : delaysMs) {
        if (!board.MoveNow()) {
            std::fprintf(stderr, "no search to cancel: no legal move in %s\n", placement);
            return latencies;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        const auto start = std::chrono::steady_clock::now();
        board.CancelThinking();
        latencies.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return latencies;
}

void PrintLatencies(const char* what, std::vector<double> ms)
{
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    double total = 0;
    for (const double one : ms)
        total += one;
    const double median = ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    std::printf("CancelThinking %s: mean %.3f ms, median %.3f ms, max %.3f ms over %zu stops\n", what,
        total / ms.size(), median, ms.back(), ms.size());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    TChessBoard board;
    board.show();
    const double before = CpuSeconds();
    QTimer::singleShot(idleSeconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double used = CpuSeconds() - before;
    std::printf("idle: %.3f s CPU in %d s (%.3f%% of one core)\n", used, idleSeconds, 100.0 * used / idleSeconds);

    // A middlegame searched to depth 10 runs far longer than the waits below.
    PrintLatencies("during a depth-10 search",
        CancelLatencies(
            board, "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R", { 500, 700, 900, 1100, 1300 }));

    // Stops at random moments of a search lost in captures and promotions.
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> delay(1, 100);
    std::vector<int> delays(50);
    std::generate(delays.begin(), delays.end(), [&] { return delay(random); });
    PrintLatencies("in the eight-rook promotion storm", CancelLatencies(board, engine::QuiescenceStormFen, delays));
    return 0;
}
