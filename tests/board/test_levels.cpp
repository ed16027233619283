// The built-in engine's levels through the board: how far each searches, variety in the opening,
// and a search that ends on the game's clock.

#include "engine/bench.h"
#include "engine/chess_thread.h"
#include "engine/levels.h"
#include "tests/board/board_test_support.h"
#include "tests/bounded_waits.h"
#include "tests/test_application.h"

#include <QTest>

#include <set>
#include <string>
#include <vector>

namespace {

template <typename Condition> bool WaitFor(Condition condition, int timeoutMs = 60000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

// The last progress report of the computer's first move from the position on the board.
TThinkingProgress SearchReached(TChessBoard& board)
{
    TThinkingProgress last;
    board.OnThinkingProgress = [&](QObject*, const TThinkingProgress& progress) { last = progress; };
    const bool whiteToMove = board.WhiteToMove();
    EXPECT_TRUE(board.MoveNow());
    EXPECT_TRUE(WaitFor([&] { return board.WhiteToMove() != whiteToMove; }));
    board.OnThinkingProgress = nullptr;
    return last;
}

} // namespace

// The levels up to Advanced finish their depth long before their time on these positions, so what
// they reach is their depth; every level searches deeper and longer than the one below it. Setting the
// depth drops the level.
TEST(ComputerPlayerLevels, EachLevelSearchesFurtherThanTheOneBelow)
{
    const auto levels = engine::Levels();
    for (size_t i = 1; i < levels.size(); ++i) {
        EXPECT_GT(levels[i].Depth, levels[i - 1].Depth) << levels[i].Name;
        EXPECT_GE(levels[i].MoveTime, levels[i - 1].MoveTime) << levels[i].Name;
    }
    for (const char* fen :
        { "r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R", "8/pp3k2/2p5/3p4/3P4/2P3K1/PP6/8" }) {
        int previousDepth = 0;
        std::uint64_t previousNodes = 0;
        for (const char* name : { "Beginner", "Casual", "Intermediate", "Advanced" }) {
            TChessBoard board;
            Arrange(board, fen, true);
            board.set_Level(engine::LevelNamed(name));
            ASSERT_TRUE(board.Level());
            const TThinkingProgress reached = SearchReached(board);
            EXPECT_EQ(reached.Depth, board.Level()->Depth) << name << " on " << fen;
            EXPECT_GT(reached.Depth, previousDepth) << name;
            EXPECT_GT(reached.Nodes, previousNodes) << name;
            previousDepth = reached.Depth;
            previousNodes = reached.Nodes;
        }
    }
    TChessBoard board;
    board.set_Level(engine::LevelNamed("Advanced"));
    board.set_SearchDepth(2);
    EXPECT_FALSE(board.Level());
    EXPECT_EQ(SearchReached(board).Depth, 2);
    EXPECT_FALSE(engine::LevelNamed("Grandmaster"));
    EXPECT_TRUE(engine::LevelNamed("master"));
}

// A beginner opens differently from one seed to the next; the classic search, without a level, plays
// the same move whatever the seed.
TEST(ComputerPlayerLevels, VarietyVariesTheFirstMovesOverSeeds)
{
    const auto firstMoves = [](std::optional<engine::Level> level) {
        std::set<std::string> positions;
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            TChessBoard board;
            board.set_SearchDepth(1);
            board.set_Level(level);
            board.SeedVariety(seed);
            board.MoveNow();
            EXPECT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
            positions.insert(board.Position());
        }
        return positions.size();
    };
    EXPECT_GE(firstMoves(engine::LevelNamed("Beginner")), 3u);
    EXPECT_EQ(firstMoves(std::nullopt), 1u);
}

// With the game's clock nearly run out a search lost in captures is stopped at its time and still
// plays; the next search starts afresh, not stopped by the timer of the last one.
TEST(ComputerPlayerLevels, TheClockEndsTheSearchWithAMove)
{
    TChessBoard board;
    Arrange(board, std::string(engine::QuiescenceStormFen).substr(0, std::string(engine::QuiescenceStormFen).find(' ')),
        true);
    board.set_SearchDepth(engine::MaxSearchDepth);
    board.EngineClock = [] { return engine::ClockReading { std::nullopt, 2000, 0, std::nullopt }; };
    ASSERT_TRUE(board.MoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }, 30000));
    EXPECT_FALSE(board.Thinking());
    EXPECT_LT(SearchReached(board).Depth, engine::MaxSearchDepth);
    EXPECT_EQ(board.GetMoveList().size(), 2u);
}
