// The search: positions whose answer is known, the iteration and stop protocol, and the move it
// hands back.

#include "engine_test_support.h"

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
            { "winning a rook", "4k3/8/8/3r4/8/8/3R4/3RK3 w - - 0 1", 1, "d2d5", 1030 },
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

    TEST(Search, RootWithoutLegalMoveHasNoMove)
    {
        auto engine = MakeEngine();
        const SearchResult mated = Search(*engine, "6k1/8/8/8/8/8/5PPP/3r2K1 w - - 0 1", 2);
        EXPECT_TRUE(mated.Completed);
        EXPECT_FALSE(engine->HasBestMove());
        EXPECT_EQ(mated.Score, -Infinity);

        const SearchResult stalemate = Search(*engine, "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 2);
        EXPECT_TRUE(stalemate.Completed);
        EXPECT_FALSE(engine->HasBestMove());
        EXPECT_EQ(stalemate.Score, DrawScore);
    }

    TEST(Search, HandsBackALegalMoveWhenEveryMoveFailsLowAtTheBound)
    {
        // Sixteen Black queens: the evaluation leaves the score range and every root move returns
        // -10000 exactly, so no move raises alpha. The first legal move in generation order is handed
        // back rather than a stale entry of the line table.
        auto engine = MakeEngine();
        const SearchResult result = Search(*engine, "qqqqqqqq/qqqqqqqq/8/8/8/8/PPP5/K7 w - - 0 1", 2);
        EXPECT_TRUE(engine->HasBestMove());
        EXPECT_EQ(result.Move, "a2a3");
        EXPECT_EQ(result.Score, -Infinity);
    }

    TEST(Search, PrincipalVariationIsALegalLine)
    {
        auto engine = MakeEngine();
        const SearchResult result
            = Search(*engine, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 4);
        const std::vector<EngineMove> pv(engine->PrincipalVariation().begin(), engine->PrincipalVariation().end());
        ASSERT_GE(pv.size(), 4u);
        EXPECT_EQ(MoveToUci(pv[0]), result.Move);
        std::string error;
        for (const EngineMove m : pv)
            ASSERT_TRUE(PlayUciMove(*engine, MoveToUci(m), error)) << error;
    }

    // Runs a search whose iteration hook may change the requested depth or request a stop.
    struct HookedSearch {
        std::atomic<int> Depth;
        std::atomic<bool> Stop { false };
        std::vector<int> Iterations;
    };

    TEST(Search, ReadsTheRequestedDepthBeforeEveryIteration)
    {
        auto engine = MakeEngine();
        const char* fen = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
        const auto run = [&](int depth, auto onIteration) {
            HookedSearch search;
            search.Depth = depth;
            engine->SetIterationHook([&](const IterationReport& report) {
                search.Iterations.push_back(report.Depth);
                onIteration(search, report);
            });
            Load(*engine, fen);
            const bool completed = engine->RunSearch(search.Depth, search.Stop);
            engine->SetIterationHook(nullptr);
            EXPECT_TRUE(completed);
            return search.Iterations;
        };
        const auto nothing = [](HookedSearch&, const IterationReport&) {};

        // Raising the depth during the search adds iterations.
        EXPECT_EQ(run(1, [](HookedSearch& s, const IterationReport&) { s.Depth = 3; }), (std::vector { 1, 2, 3 }));
        // Lowering it to the iteration under way ends the search after it, with that iteration's move.
        EngineMove secondIterationMove = NoMove;
        EXPECT_EQ(run(5,
                      [&](HookedSearch& s, const IterationReport& r) {
                          if (r.Depth == 2) {
                              s.Depth = 2;
                              secondIterationMove = r.Pv[0];
                          }
                      }),
            (std::vector { 1, 2 }));
        EXPECT_EQ(engine->BestMove(), secondIterationMove);
        EXPECT_EQ(engine->CompletedDepth(), 2);
        // Out-of-range requests are kept within 1..10.
        EXPECT_EQ(run(0, nothing), (std::vector { 1 }));
        EXPECT_EQ(run(-7, nothing), (std::vector { 1 }));
        Load(*engine, "k7/8/8/8/8/8/8/7K w - - 0 1");
        const std::atomic<int> tooDeep { 1000 };
        const std::atomic<bool> noStop { false };
        EXPECT_TRUE(engine->RunSearch(tooDeep, noStop));
        EXPECT_EQ(engine->CompletedDepth(), MaxSearchDepth);
    }

    TEST(Search, StopRequestEndsWithoutAMove)
    {
        auto engine = MakeEngine();
        const std::atomic<int> depth { 4 };

        // Stopped before it starts: not even the first iteration completes.
        std::atomic<bool> stop { true };
        Load(*engine, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
        EXPECT_FALSE(engine->RunSearch(depth, stop));
        EXPECT_EQ(engine->CompletedDepth(), 0);
        EXPECT_FALSE(engine->HasBestMove());

        // Stopped after two completed iterations: still no move for the board, though the tool may
        // report the last completed iteration.
        stop = false;
        engine->SetIterationHook([&](const IterationReport& report) {
            if (report.Depth == 2)
                stop = true;
        });
        Load(*engine, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
        EXPECT_FALSE(engine->RunSearch(depth, stop));
        EXPECT_EQ(engine->CompletedDepth(), 2);
        engine->SetIterationHook(nullptr);
    }

    TEST(Search, StopFromAnotherThreadEndsADeepSearch)
    {
        auto engine = MakeEngine();
        const std::atomic<int> depth { MaxSearchDepth };
        std::atomic<bool> stop { false };
        std::atomic<int> completedDepth { 0 };
        engine->SetIterationHook([&](const IterationReport& report) {
            completedDepth = report.Depth;
            completedDepth.notify_one();
        });
        Load(*engine, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
        bool completed = true;
        std::thread searcher([&] { completed = engine->RunSearch(depth, stop); });
        // Wait until the search is well under way, then ask it to stop.
        while (completedDepth.load() < 2)
            completedDepth.wait(completedDepth.load());
        stop = true;
        searcher.join();
        EXPECT_FALSE(completed);
        EXPECT_LT(engine->CompletedDepth(), MaxSearchDepth);
    }

} // namespace
} // namespace engine::test
