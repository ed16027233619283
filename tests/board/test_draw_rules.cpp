// The further draw rules: dead material, the half-move clock through the record, the 50-move claim
// and the 75-move rule.

#include "notation/game_notation.h"
#include "tests/board/board_test_support.h"

namespace {

// Knights and pawns that the quiet half-moves walk around; neither side can be mated by force.
constexpr const char* KnightsAndPawns = "4k1n1/7p/8/8/8/8/7P/4K1N1";

struct DrawRulesBoard : testing::Test {
    TChessBoard board { nullptr, TChessBoard::Mode::Designer };
    std::vector<std::string> ends;

    void SetUp() override
    {
        board.set_MoreDrawRules(true);
        board.OnDeadPosition = [this](QObject*) { ends.push_back("DeadPosition"); };
        board.OnSeventyFiveMoveRule = [this](QObject*) { ends.push_back("SeventyFiveMoveRule"); };
        board.OnFiftyMoveDrawClaimed = [this](QObject*) { ends.push_back("FiftyMoveDrawClaimed"); };
        board.OnMate = [this](QObject*, Square, Square) { ends.push_back("Mate"); };
        Arrange(board, KnightsAndPawns);
    }
};

TEST(DrawRules, DeadMaterialOnTheBoardAndInTheNotation)
{
    const struct {
        const char* Placement;
        bool Dead;
    } cases[] = {
        { "4k3/8/8/8/8/8/8/3NK3", true }, // K+N v K
        { "4k3/8/8/8/8/8/8/2B1K3", true }, // K+B v K
        { "4kb2/8/8/8/8/8/8/2B1K3", true }, // K+B v K+B, both on dark squares
        { "4k3/8/8/8/8/8/8/2B1B1K1", true }, // K+BB v K, one colour
        { "1b2kb2/8/8/8/8/8/8/4B1K1", true }, // K+B v K+BB, one colour
        { "2b1k3/8/8/8/8/8/8/2B1K3", false }, // bishops of both colours
        { "4k3/8/8/8/8/8/8/2B2BK1", false }, { "4kn2/8/8/8/8/8/8/3NK3", false }, // K+N v K+N
        { "4kn2/8/8/8/8/8/8/2B1K3", false }, // K+B v K+N
        { "4k3/8/8/8/8/8/8/2NNK3", false }, // K+NN v K
        { "4k3/8/8/8/8/8/4P3/4K3", false }, { "4k3/8/8/8/8/8/8/R3K3", false },
        { "4k3/8/8/8/8/8/8/4K3", false }, // bare kings end the game by a rule of their own
    };
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    for (const auto& c : cases) {
        board.set_PosStr(Placement(c.Placement));
        EXPECT_EQ(board.DeadPosition(), c.Dead) << c.Placement;
        char squares[64];
        std::copy_n(Placement(c.Placement).begin(), 64, squares);
        EXPECT_EQ(notation::DeadMaterial(squares), c.Dead) << c.Placement;
    }
}

TEST_F(DrawRulesBoard, TheClaimStandsFromTheHundredthQuietHalfMoveAndFollowsTheRecord)
{
    PlayQuietHalfMoves(board, 99);
    EXPECT_EQ(board.HalfMoveClock(), 99);
    EXPECT_FALSE(board.FiftyMoveClaimStands());
    EXPECT_FALSE(board.ClaimFiftyMoveDraw());
    PlayQuietHalfMoves(board, 1);
    EXPECT_EQ(board.HalfMoveClock(), 100);
    EXPECT_TRUE(board.FiftyMoveClaimStands());

    // Looking back, the clock is that of the position shown; the claim belongs to the game's end.
    ASSERT_TRUE(board.MoveBackward());
    EXPECT_EQ(board.HalfMoveClock(), 99);
    EXPECT_FALSE(board.FiftyMoveClaimStands());
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(board.HalfMoveClock(), 0);
    while (board.MoveForward()) { }
    EXPECT_EQ(board.HalfMoveClock(), 100);
    EXPECT_TRUE(board.ClaimFiftyMoveDraw());
    EXPECT_EQ(ends, std::vector<std::string> { "FiftyMoveDrawClaimed" });

    // A pawn move starts the count again.
    Play(board, board.WhiteToMove() ? "h2h3" : "h7h6");
    EXPECT_EQ(board.HalfMoveClock(), 0);
    EXPECT_FALSE(board.FiftyMoveClaimStands());
}

TEST_F(DrawRulesBoard, ACaptureStartsTheCountAgainAndSetUpsBringTheirOwnClock)
{
    MoveInfo info = RecordOf("4k3/8/8/3n4/8/8/6B1/4K3");
    info.HalfMoveClock = 120;
    ASSERT_TRUE(board.SetUpPosition(info, 30, true));
    EXPECT_TRUE(board.FiftyMoveClaimStands());
    Play(board, "g2d5"); // K+B v K is dead
    EXPECT_EQ(board.HalfMoveClock(), 0);
    EXPECT_EQ(ends, std::vector<std::string> { "DeadPosition" });

    info.HalfMoveClock = -1;
    EXPECT_FALSE(board.SetUpPosition(info, 30, true));
    board.set_PosStr(Placement(KnightsAndPawns)); // a game file written over the board starts at 0
    EXPECT_EQ(board.HalfMoveClock(), 0);
}

TEST_F(DrawRulesBoard, TheSeventyFiveMoveRuleEndsTheGameUnlessTheMoveMates)
{
    PlayQuietHalfMoves(board, 149);
    EXPECT_TRUE(ends.empty());
    PlayQuietHalfMoves(board, 1);
    EXPECT_EQ(ends, std::vector<std::string> { "SeventyFiveMoveRule" });

    ends.clear();
    MoveInfo backRank = RecordOf("6k1/5ppp/8/8/8/8/8/R5K1");
    backRank.HalfMoveClock = 149;
    ASSERT_TRUE(board.SetUpPosition(backRank, 80, true));
    Play(board, "a1a8");
    EXPECT_EQ(ends, std::vector<std::string> { "Mate" });
}

} // namespace
