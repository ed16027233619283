// The benchmark suite's results, pinned: node count, move and score of every position. Any change to
// generation order, ordering, evaluation or search that alters what the engine does shows up here;
// a pure speed-up must leave every number as it is.

#include "tests/engine/engine_test_support.h"

#include "engine/bench.h"

namespace engine::test {
namespace {

    struct PinnedResult {
        const char* Move;
        int Score;
        std::uint64_t Nodes;
    };

    // Searched in suite order on one engine, as `zugwerk-engine bench` does: the line table carries
    // from one search to the next and steers move ordering.
    constexpr PinnedResult Pinned[] = {
        { "e2e4", 25, 38336 },
        { "f8b4", -6, 304282 },
        { "e2e3", 6, 133247 },
        { "e2a6", -10, 2154826 },
        { "b4c4", -33, 26880 },
        { "c4c5", -482, 274429 },
        { "d7c8q", 407, 104753 },
        { "c3d5", 46, 351749 },
        { "d1d8", 9999, 5199 },
        { "g3f4", 2, 6360 },
        { "a7a8q", 0, 5925 },
        { "d6e6", -380, 190811 },
        { "d5c4", 314, 88749 },
        { "d1c3", 194, 20120 },
    };
    static_assert(std::size(Pinned) == BenchPositions.size());

    TEST(Bench, SuiteResultsArePinned)
    {
        auto engine = MakeEngine();
        for (std::size_t i = 0; i < BenchPositions.size(); ++i) {
            SCOPED_TRACE(BenchPositions[i].Name);
            const BenchOutcome outcome = RunBenchPosition(*engine, BenchPositions[i]);
            ASSERT_TRUE(outcome.Completed);
            EXPECT_EQ(CoordinateText(outcome.Move), Pinned[i].Move);
            EXPECT_EQ(outcome.Score, Pinned[i].Score);
            EXPECT_EQ(outcome.Nodes, Pinned[i].Nodes);
        }
    }

} // namespace
} // namespace engine::test
