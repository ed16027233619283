// The search: positions whose answer is known, the iteration and stop protocol, and the move it
// hands back.

#include "tests/engine/engine_test_support.h"

#include "engine/bench.h"
#include "engine/legal_moves.h"
#include "tests/bounded_waits.h"

#include <chrono>
#include <thread>

namespace engine::test {
namespace {

    struct KnownAnswer {
        const char* Name;
        const char* Fen;
        int Depth;
        const char* Move;
        int Score;
    };

    TEST(Search, FindsKnownAnswers)
    {
        const KnownAnswer cases[] = {
            // The reply position is in check; the quiescence search finds no legal move: 1 - 10000.
            { "mate in one at depth 1", "6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 1", 1, "d1d8", 9999 },
            // Found at depth 2 only because the reply to the check is searched a ply deeper: the quiet
            // knight mate falls on a full-width node instead of the captures-only quiescence search.
            { "smothered mate in two at depth 2", "2r4k/6pp/7N/3Q4/8/8/8/6K1 w - - 0 1", 2, "d5g8", 9997 },
            // At depth 1 the stalemate is reached in the quiescence search and scored by Evaluate:
            // pawn g6 3 x 108 - 30, king f7 0, Black's king on h8 -5.
            { "quiescence search does not see stalemate", "7k/5K2/8/6P1/8/8/8/8 w - - 0 1", 1, "g5g6", 299 },
            // A full-width node sees it and scores it 0; the king walk keeps 298 (f6 and e6 tie; the
            // order of the moves picks f6).
            { "full-width search avoids stalemate", "7k/5K2/8/6P1/8/8/8/8 w - - 0 1", 2, "f7f6", 298 },
            // Two rooks of 500 + 15 on open files, kings on e1 and e8 at -5 each.
            { "winning a rook", "4k3/8/8/3r4/8/8/3R4/3RK3 w - - 0 1", 1, "d2d5", 1030 },
            { "checkmated at the root", "6k1/8/8/8/8/8/5PPP/3r2K1 w - - 0 1", 2, "0000", -Infinity },
            { "stalemated at the root", "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 2, "0000", DrawScore },
            // Sixteen Black queens put the evaluation beyond the score range: every root move returns
            // exactly -10000 and none raises alpha. The first legal move is handed back, not a stale one.
            { "every move fails low at the bound", "qqqqqqqq/qqqqqqqq/8/8/8/8/PPP5/K7 w - - 0 1", 2, "a2a3",
                -Infinity },
        };
        auto engine = MakeEngine();
        for (const KnownAnswer& c : cases) {
            SCOPED_TRACE(c.Name);
            const SearchResult result = Search(*engine, c.Fen, c.Depth);
            EXPECT_TRUE(result.Completed);
            EXPECT_EQ(result.Move, c.Move);
            EXPECT_EQ(result.Score, c.Score);
        }
    }

    TEST(Search, PrincipalVariationIsALegalLine)
    {
        auto engine = MakeEngine();
        const SearchResult result
            = Search(*engine, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 4);
        const std::vector<EngineMove> pv(engine->PrincipalVariation().begin(), engine->PrincipalVariation().end());
        ASSERT_GE(pv.size(), 4u);
        EXPECT_EQ(CoordinateText(pv[0]), result.Move);
        for (const EngineMove m : pv) {
            bool legal = false;
            ForEachLegalMove(*engine, [&](EngineMove each) { legal |= each == m; });
            ASSERT_TRUE(legal) << CoordinateText(m);
            engine->MakeMove(m);
        }
    }

    TEST(Search, ReadsTheRequestedDepthBeforeEveryIteration)
    {
        auto engine = MakeEngine();
        std::atomic<int> depth { 0 };
        const std::atomic<bool> stop { false };
        // Searches with the iteration hook `change(completed depth)` and lists the iterations.
        const auto iterations = [&](int requested, auto change) {
            std::vector<int> seen;
            depth = requested;
            engine->SetIterationHook([&](const IterationReport& report) {
                seen.push_back(report.Depth);
                change(report.Depth);
            });
            Load(*engine, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
            EXPECT_TRUE(engine->RunSearch(depth, stop));
            return seen;
        };
        const auto keep = [](int) {};

        // Raising the depth during the search adds iterations; lowering it to the iteration under way
        // ends the search after it, with that iteration's result.
        EXPECT_EQ(iterations(1, [&](int) { depth = 3; }), (std::vector { 1, 2, 3 }));
        EXPECT_EQ(iterations(5, [&](int done) { depth = done == 2 ? 2 : 5; }), (std::vector { 1, 2 }));
        EXPECT_EQ(engine->CompletedDepth(), 2);
        // Out-of-range requests are kept within 1..10.
        EXPECT_EQ(iterations(0, keep), (std::vector { 1 }));
        EXPECT_EQ(iterations(-7, keep), (std::vector { 1 }));
        engine->SetIterationHook(nullptr);
        depth = 1000;
        Load(*engine, "k7/8/8/8/8/8/8/7K w - - 0 1");
        EXPECT_TRUE(engine->RunSearch(depth, stop));
        EXPECT_EQ(engine->CompletedDepth(), MaxSearchDepth);
    }

    TEST(Search, StopRequestEndsWithoutAMove)
    {
        auto engine = MakeEngine();
        const std::atomic<int> depth { MaxSearchDepth };
        std::atomic<bool> stop { true };
        constexpr const char* fen = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

        // Stopped before it starts: not even the first iteration completes.
        Load(*engine, fen);
        EXPECT_FALSE(engine->RunSearch(depth, stop));
        EXPECT_EQ(engine->CompletedDepth(), 0);
        EXPECT_FALSE(engine->HasBestMove());

        // Stopped from another thread after two completed iterations: still no move for the board,
        // though the UCI engine may report the last completed iteration.
        stop = false;
        std::atomic<int> completedDepth { 0 };
        engine->SetIterationHook([&](const IterationReport& report) {
            completedDepth = report.Depth;
            completedDepth.notify_one();
        });
        Load(*engine, fen);
        bool completed = true;
        std::thread searcher([&] { completed = engine->RunSearch(depth, stop); });
        while (completedDepth.load() < 2)
            completedDepth.wait(completedDepth.load());
        stop = true;
        searcher.join();
        EXPECT_FALSE(completed);
        EXPECT_GE(engine->CompletedDepth(), 2);
        EXPECT_LT(engine->CompletedDepth(), MaxSearchDepth);
    }

    TEST(Search, AStopAtAnyMomentAbandonsTheTreeCleanly)
    {
        // However deep the stop finds the search, every node returns at once: none of them takes a
        // move back or makes a new one on the position its children left behind. A node limit ends
        // the search through the same check as a stop request, at a node chosen in advance: from the
        // first one to tens of thousands, in the full-width and in the quiescence search.
        auto engine = MakeEngine();
        const std::atomic<int> depth { MaxSearchDepth };
        const std::atomic<bool> stop { false };
        constexpr const char* fen = "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R w KQ - 0 1";
        for (std::uint64_t round = 0; round < 40; ++round) {
            SearchOptions options;
            options.NodeLimit = 1 + round * round * round;
            Load(*engine, fen);
            EXPECT_FALSE(engine->RunSearch(depth, stop, options)) << "round " << round;
            EXPECT_TRUE(engine->PositionIsConsistent()) << "round " << round;
        }
    }

    TEST(Search, AStopEndsTheQuiescenceSearchAtOnce)
    {
        // A single root move's captures and promotions take minutes here; the stop request ends the
        // search all the same, wherever it finds it.
        using namespace std::chrono_literals;
        auto engine = EngineAt(QuiescenceStormFen);
        const std::atomic<int> depth { MaxSearchDepth };
        std::atomic<bool> stop { false };
        bool completed = true;
        std::thread searcher([&] { completed = engine->RunSearch(depth, stop); });
        EXPECT_TRUE(WaitForOtherThreadsToWork(20ms));
        stop = true;
        {
            const Watchdog watchdog(5s, "a search stopped in its quiescence search");
            searcher.join();
        }
        EXPECT_FALSE(completed);
        EXPECT_EQ(engine->CompletedDepth(), 0) << "the stop came after the first iteration, not inside it";
        EXPECT_TRUE(engine->PositionIsConsistent());
    }

} // namespace
} // namespace engine::test
