// The level table and the choice among the near-best moves.

#include "engine/levels.h"

#include "engine/engine.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <random>

namespace engine {

namespace {

    using std::chrono::milliseconds;

    // Measured with `build/level-bench` (each level over the 14 positions of the benchmark suite,
    // searched through the engine thread as the board requests it, variety included, on the 2-core
    // development machine at about 4.5 million nodes a second):
    //   level         depths completed   time per move: mean / longest
    //   Beginner      1                  0.6 ms / 5 ms
    //   Casual        2                  1.1 ms / 8 ms
    //   Intermediate  3                  9 ms / 41 ms
    //   Advanced      5                  0.12 s / 1.1 s
    //   Expert        6-7                0.9 s / 3.0 s (the hard limit)
    //   Master        6-10               3.6 s / 5.0 s (the hard limit)
    // Each level searches at least a ply deeper than the one below, some five times the nodes a ply;
    // from Expert on the clock rather than the depth is the usual limit, so that no move takes more
    // than a few seconds. Variety: a beginner's first eight moves wander within most of a pawn, the
    // next two levels vary their first moves a little less, the strong ones play their best.
    constexpr std::array<Level, 6> LevelTable { {
        { "Beginner", 1, milliseconds(500), { 80, 16 } },
        { "Casual", 2, milliseconds(1000), { 50, 12 } },
        { "Intermediate", 3, milliseconds(1500), { 30, 8 } },
        { "Advanced", 5, milliseconds(2000), {} },
        { "Expert", 7, milliseconds(3000), {} },
        { "Master", MaxSearchDepth, milliseconds(5000), {} },
    } };

    bool SameNameIgnoringCase(std::string_view a, std::string_view b)
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
        });
    }

} // namespace

std::span<const Level> Levels() { return LevelTable; }

std::optional<Level> LevelNamed(std::string_view name)
{
    for (const Level& level : LevelTable)
        if (SameNameIgnoringCase(level.Name, name))
            return level;
    return std::nullopt;
}

Level WithVariety(Level level, Variety variety)
{
    level.Opening.MarginCp = std::clamp(std::max(level.Opening.MarginCp, variety.MarginCp), 0, MaxVarietyMarginCp);
    level.Opening.OpeningPlies = std::max({ level.Opening.OpeningPlies, variety.OpeningPlies, 0 });
    return level;
}

int HalfMoveOfGame(int fullmoveNumber, bool whiteToMove)
{
    return 2 * (std::max(fullmoveNumber, 1) - 1) + (whiteToMove ? 0 : 1);
}

EngineMove ChooseMove(Engine& engine, const Variety& variety, int halfMoveOfGame, std::uint32_t seed)
{
    const EngineMove best = engine.BestMoveSoFar();
    // A mate found or feared is played or fought as the search saw it.
    if (!variety.AppliesAt(halfMoveOfGame) || !engine.HasBestMove() || IsMateScore(engine.BestScore()))
        return best;
    const int margin = std::min(variety.MarginCp, MaxVarietyMarginCp);
    std::array<EngineMove, 256> candidates {}; // no position has more than 218 legal moves
    const int count = engine.RootMovesScoringAtLeast(engine.BestScore() - margin, engine.CompletedDepth(), candidates);
    if (count <= 1)
        return best;
    std::mt19937 random(seed);
    return candidates[std::uniform_int_distribution<int>(0, count - 1)(random)];
}

} // namespace engine
