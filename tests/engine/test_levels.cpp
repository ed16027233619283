// Variety among the near-best root moves: the choice never leaves the margin, and the seed decides it.

#include "engine/engine.h"
#include "engine/fen_fields.h"
#include "engine/levels.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {

using namespace engine;

struct Searched {
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::atomic<bool> stop { false };

    // Searches `fen` to `depth` (among `rootMoves` when given); the engine stays at the root.
    void Search(const char* fen, int depth, std::span<const EngineMove> rootMoves = {})
    {
        std::string error;
        ASSERT_TRUE(LoadFenFields(*engine, fen, error)) << error;
        const std::atomic<int> limit { depth };
        ASSERT_TRUE(engine->RunSearch(limit, stop, { rootMoves }));
    }
};

const char* const OpenGame = "r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3";

} // namespace

TEST(Levels, VarietyChoosesAtRandomOnlyAmongMovesWithinItsMargin)
{
    constexpr int depth = 3;
    constexpr Variety variety { 30, 8 };
    Searched s;
    s.Search(OpenGame, depth);
    const int best = s.engine->BestScore();
    const EngineMove bestMove = s.engine->BestMove();

    std::set<EngineMove> chosen;
    for (std::uint32_t seed = 0; seed < 24; ++seed) {
        s.Search(OpenGame, depth);
        const EngineMove m = ChooseMove(*s.engine, variety, 5, seed);
        chosen.insert(m);
        // The same seed chooses the same move.
        s.Search(OpenGame, depth);
        EXPECT_EQ(ChooseMove(*s.engine, variety, 5, seed), m);
    }
    EXPECT_GE(chosen.size(), 3u);
    // Each chosen move, searched alone to the same depth, scores within the margin; some moves do not.
    for (const EngineMove m : chosen) {
        const EngineMove only[] = { m };
        Searched alone;
        alone.Search(OpenGame, depth, only);
        EXPECT_GE(alone.engine->BestScore(), best - variety.MarginCp);
    }
    EngineMove out[256];
    s.Search(OpenGame, depth);
    const int near = s.engine->RootMovesScoringAtLeast(best - variety.MarginCp, depth, out);
    s.Search(OpenGame, depth);
    const int all = s.engine->RootMovesScoringAtLeast(-Infinity, depth, out);
    EXPECT_GE(near, static_cast<int>(chosen.size()));
    EXPECT_LT(near, all);

    // Past the opening, and without a margin, the best move is played.
    for (const Variety none : { Variety { 30, 5 }, Variety { 0, 40 } }) {
        s.Search(OpenGame, depth);
        EXPECT_EQ(ChooseMove(*s.engine, none, 5, 7), bestMove);
    }
    // A mate is played as found, however wide the margin.
    s.Search("6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 1", depth);
    const EngineMove mate = s.engine->BestMove();
    for (std::uint32_t seed = 0; seed < 8; ++seed) {
        s.Search("6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 1", depth);
        EXPECT_EQ(ChooseMove(*s.engine, Variety { 200, 8 }, 0, seed), mate);
    }
}
