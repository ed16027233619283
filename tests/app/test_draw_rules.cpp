// The further draw rules in the window: the claim command and its status-bar button, the draws'
// boxes and the finished game's PGN, imported games, and the classic game while the preference is off.

#include "app/game_transfer.h"
#include "tests/app/app_test_support.h"

#include <QAction>

namespace {

constexpr const char* KnightsAndPawns = "4k1n1/7p/8/8/8/8/7P/4K1N1";

class DrawRulesWindow : public WindowTest {
protected:
    void UseMoreDrawRules(bool on)
    {
        TPreferences preferences;
        preferences.MoreDrawRules = on;
        form->SetPreferences(preferences);
    }
    bool ClaimOffered() const { return form->ClaimDraw1->isEnabled() && !form->ClaimDrawButton->isHidden(); }
    std::string ExportedPgn() const { return notation::WritePgn(form->GameToExport()); }
};

TEST_F(DrawRulesWindow, AClaimStandsWhileTheGameIsAtItsHundredthQuietHalfMoveAndEndsItAsADraw)
{
    UseMoreDrawRules(true);
    Arrange(Board(), KnightsAndPawns);
    EXPECT_TRUE(form->ClaimDraw1->isVisible());
    PlayQuietHalfMoves(Board(), 99);
    EXPECT_FALSE(ClaimOffered());
    EXPECT_TRUE(form->ClaimDrawButton->isHidden());
    PlayQuietHalfMoves(Board(), 1);
    EXPECT_TRUE(ClaimOffered());
    form->Back1->trigger();
    EXPECT_FALSE(ClaimOffered());
    form->Forward1->trigger();
    ASSERT_TRUE(ClaimOffered());

    QTest::mouseClick(form->ClaimDrawButton, Qt::LeftButton);
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Draw!  50-move rule claimed." });
    EXPECT_EQ(form->StatusText(), "Draw: 50-move rule claimed");
    EXPECT_FALSE(ClaimOffered()) << "the next game has begun";
    const std::string pgn = ExportedPgn();
    EXPECT_NE(pgn.find("[Result \"1/2-1/2\"]"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("{50-move rule claimed}"), std::string::npos) << pgn;
}

TEST_F(DrawRulesWindow, TheSeventyFiveMoveRuleAndADeadPositionEndTheGame)
{
    UseMoreDrawRules(true);
    Arrange(Board(), KnightsAndPawns);
    PlayQuietHalfMoves(Board(), 150);
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Draw!  75-move rule." });
    EXPECT_EQ(form->StatusText(), "Draw: 75-move rule");
    const std::string pgn = ExportedPgn();
    EXPECT_NE(pgn.find("{75-move rule} 1/2-1/2"), std::string::npos) << pgn;

    dialogs.Clear();
    Arrange(Board(), "4k3/8/8/3n4/8/8/6B1/4K3");
    Play(Board(), "g2d5");
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Draw!  Dead position." });
    EXPECT_NE(ExportedPgn().find("{Dead position} 1/2-1/2"), std::string::npos);
}

TEST_F(DrawRulesWindow, WithThePreferenceOffTheGamesPlayOnAsBefore)
{
    Arrange(Board(), KnightsAndPawns);
    PlayQuietHalfMoves(Board(), 150);
    Arrange(Board(), "4k3/8/8/3n4/8/8/6B1/4K3");
    Play(Board(), "g2d5 e8d7");
    EXPECT_TRUE(dialogs.Boxes.empty());
    EXPECT_FALSE(form->ClaimDraw1->isVisible());
    EXPECT_FALSE(form->ClaimDraw1->isEnabled());
    EXPECT_TRUE(form->ClaimDrawButton->isHidden());
    EXPECT_EQ(ExportedPgn().find('{'), std::string::npos);
}

TEST_F(DrawRulesWindow, AnImportedGameCountsOnFromItsFenClock)
{
    notation::Game game;
    game.Start = notation::ReadFen(std::string(KnightsAndPawns) + " w - - 148 60");
    notation::Position position = game.Start;
    for (const char* san : { "Nf3", "Nf6", "Ng1", "Ng8" }) {
        game.Moves.push_back(notation::SanToMove(position, san));
        position = notation::PositionAfter(position, game.Moves.back());
    }

    TReplay replay = ReplayOnBoard(Board(), game);
    EXPECT_EQ(replay.Cut, TReplay::TCut::None);
    EXPECT_EQ(BoardPosition(Board()).HalfmoveClock, 152);

    UseMoreDrawRules(true);
    replay = ReplayOnBoard(Board(), game);
    EXPECT_EQ(replay.Cut, TReplay::TCut::SeventyFiveMoves);
    EXPECT_EQ(replay.MovesLeftOut, 2);
    EXPECT_EQ(Board().HalfMoveClock(), 150);
}

} // namespace
