// Measures the computer player's costs that users notice: CPU time of an idle program (the engine
// thread must sleep, not spin) and how long CancelThinking takes to stop a deep search.
// Run: build/thread-bench [idle seconds, default 10]

#include "chessbrd.h"
#include "placement.h"

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
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

    // A middlegame searched to depth 10 runs far longer than the wait below.
    MoveInfo info;
    FillPlacement(info, "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R");
    info.Castling = CastlingSet();
    board.SetUpPosition(info, 10, true);
    board.set_SearchDepth(10);
    double worst = 0;
    double total = 0;
    const int rounds = 5;
    for (int i = 0; i < rounds; ++i) {
        board.MoveNow();
        std::this_thread::sleep_for(std::chrono::milliseconds(500 + 200 * i));
        const auto start = std::chrono::steady_clock::now();
        board.CancelThinking();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        worst = std::max(worst, took.count());
        total += took.count();
    }
    std::printf("CancelThinking during a depth-10 search: mean %.3f ms, worst %.3f ms over %d runs\n", total / rounds,
        worst, rounds);
    return 0;
}
