// New Game...: the dialog's choices reach the board, the radio groups and the clocks; external
// engines play their sides and lose by their own faults; a match between computers alternates
// colours and exports its games.

#include "app/engine_list.h"
#include "app/game_transfer.h"
#include "app/new_game_dialog.h"
#include "engine/levels.h"
#include "notation/game_notation.h"
#include "tests/app/app_test_support.h"
#include "tests/app/stand_in_engines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

class NewGame : public WindowTest {
protected:
    QTemporaryDir dir;
    std::int64_t now = 0;

    void SetUp() override
    {
        WindowTest::SetUp();
        // Only the engines a test adds; none installed on the machine.
        form->EngineSearch = TEngineSearch { { dir.path() }, {} };
        form->ChessClockTime = [this] { return now; };
    }
    // The dialog, filled in by `fill`, accepted.
    void ChooseInDialog(const std::function<void(TNewGameDialog&)>& fill)
    {
        dialogs.OnNewGame = [fill](TNewGameDialog& dialog) {
            fill(dialog);
            return true;
        };
        form->NewGameSetup1->trigger();
    }
    static void Pick(QComboBox& box, const QString& text)
    {
        const int row = box.findText(text);
        ASSERT_GE(row, 0) << text.toStdString();
        box.setCurrentIndex(row);
    }
    const TEngineEntry& AddEngine(const QString& program)
    {
        TEngineList& list = form->EngineList();
        const std::size_t before = list.Engines().size();
        list.Add(program);
        EXPECT_TRUE(WaitFor([&] { return list.Engines().size() > before; }));
        return list.Engines().back();
    }
};

} // namespace

TEST_F(NewGame, TheDialogsChoicesReachTheBoardTheRadioGroupsAndTheClock)
{
    ChooseInDialog([](TNewGameDialog& d) {
        Pick(*d.Black.Player, "Zugwerk! Casual");
        Pick(*d.TimeControlBox, "3+2 (3 min, 2 s a move)");
        d.VarietyBox->setChecked(true);
        EXPECT_FALSE(d.MatchGamesBox->isEnabled()) << "a match needs two computers";
        EXPECT_FALSE(d.Black.Strength->isEnabled()) << "the built-in engine plays at its level";
    });
    EXPECT_FALSE(Board().ComputerPlaysWhite());
    EXPECT_TRUE(Board().ComputerPlaysBlack());
    EXPECT_EQ(form->RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(form->RadioGroup1->ItemIndex(), 1);
    ASSERT_TRUE(Board().LevelOf(false));
    EXPECT_STREQ(Board().LevelOf(false)->Name, "Casual");
    EXPECT_GE(Board().LevelOf(false)->Opening.OpeningPlies, engine::OptionalVariety.OpeningPlies);
    EXPECT_FALSE(Board().LevelOf(true));
    EXPECT_EQ(form->TimeControl(), (TTimeControl { 3, 2 }));
    EXPECT_EQ(form->Label1->text(), "White 3:00");

    // The dialog opens on the setup in play; another time control of one's own is kept as typed.
    ChooseInDialog([](TNewGameDialog& d) {
        EXPECT_EQ(d.Black.Player->currentText(), "Zugwerk! Casual");
        EXPECT_EQ(d.TimeControlBox->currentText(), "3+2 (3 min, 2 s a move)");
        EXPECT_TRUE(d.VarietyBox->isChecked());
        d.TimeControlBox->setCurrentIndex(d.OtherTimeControlRow());
        d.MinutesBox->setValue(7);
        d.IncrementBox->setValue(4);
        Pick(*d.White.Player, "Zugwerk! Master");
        EXPECT_TRUE(d.MatchGamesBox->isEnabled());
    });
    EXPECT_EQ(form->TimeControl(), (TTimeControl { 7, 4 }));
    EXPECT_TRUE(Board().ComputerPlaysWhite());
    EXPECT_EQ(form->RadioGroup2->ItemIndex(), 1);

    // A side changed through the radio groups leaves the setup; a cancelled dialog changes nothing.
    ClickRadio(*form->RadioGroup2, 0);
    EXPECT_FALSE(Board().ComputerPlaysWhite());
    EXPECT_EQ(form->CurrentSetup().White, TPlayerChoice::Human());
    dialogs.OnNewGame = nullptr;
    form->NewGameSetup1->trigger();
    EXPECT_EQ(form->TimeControl(), (TTimeControl { 7, 4 }));
    EXPECT_EQ(dialogs.NewGameDialogsShown, 3);
}

TEST_F(NewGame, AnExternalEnginePlaysItsSideUnderItsNameAndTheMouseCannotMoveForIt)
{
    const TEngineEntry& engine = AddEngine(ZUGWERK_ENGINE_PATH);
    const QString name = engine.Name;
    ChooseInDialog([&](TNewGameDialog& d) { Pick(*d.Black.Player, name); });
    ASSERT_TRUE(form->EnginePlayer(false));
    EXPECT_EQ(form->RadioGroup1->ItemIndex(), 1);
    EXPECT_FALSE(Board().ComputerPlaysBlack());
    ASSERT_TRUE(Board().Move(Square::E2, Square::E4));
    ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove(); }));
    EXPECT_EQ(form->GameToExport().TagValue("Black"), name.toStdString());

    // Black's turn again: the human may neither drag nor type for the engine.
    ASSERT_TRUE(Board().Move(Square::D2, Square::D4));
    EXPECT_TRUE(Board().OutsidePlayer(false));
    EXPECT_FALSE(Board().HumanIsToMove());
    ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove(); }));
    // Take Back goes back to the human's turn, two half-moves.
    form->TakeBack1->trigger();
    EXPECT_EQ(RecordedGame(Board()).Moves.size(), 2u);
}

TEST_F(NewGame, AnEngineThatMovesIllegallyLosesAndTheNextGameHasANewOne)
{
    const QString program = WriteEngine(dir.path(), "cheat",
        "id name Cheat\\noption name UCI_LimitStrength type check default false\\n"
        "option name UCI_Elo type spin default 2500 min 1000 max 2500\\nuciok\\n",
        "echo info depth 1; echo bestmove e2e5");
    const QString name = AddEngine(program).Name;
    ChooseInDialog([&](TNewGameDialog& d) {
        Pick(*d.White.Player, name);
        ASSERT_TRUE(d.White.FullStrength->isEnabled());
        d.White.FullStrength->setChecked(false);
        EXPECT_EQ(d.White.Strength->maximum(), 2500);
        d.White.Strength->setValue(1200);
    });
    TEnginePlayer* first = form->EnginePlayer(true);
    ASSERT_TRUE(first);
    ASSERT_TRUE(WaitFor([&] { return !dialogs.Boxes.empty(); }));
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("Cheat sent an illegal move (e2e5): it loses the game"))
        << dialogs.Boxes[0].text.toStdString();
    const notation::Game lost = form->GameToExport();
    EXPECT_EQ(lost.Result, "0-1");
    EXPECT_EQ(lost.TagValue("Termination"), "rules infraction");
    EXPECT_EQ(lost.TagValue("White"), "Cheat (Elo 1200)");
    // The next game began with a fresh player, which loses it the same way.
    ASSERT_TRUE(WaitFor([&] { return dialogs.Boxes.size() == 2; }));
    EXPECT_NE(form->EnginePlayer(true), nullptr);
}

TEST_F(NewGame, AMatchAlternatesColoursKeepsTheScoreAndExportsItsGames)
{
    ChooseInDialog([](TNewGameDialog& d) {
        Pick(*d.White.Player, "Zugwerk! Beginner");
        Pick(*d.Black.Player, "Zugwerk! Casual");
        Pick(*d.TimeControlBox, "1+0 (1 min, 0 s a move)");
        d.MatchGamesBox->setValue(2);
    });
    ASSERT_TRUE(form->Match());
    EXPECT_EQ(form->MatchPanel->text(), "Match of 2 games: game 1");
    // Each game is lost on time at once: the clock that runs has a minute.
    now += 61'000;
    ASSERT_TRUE(WaitFor([&] { return form->Match()->GamesPlayed() == 1; }));
    EXPECT_STREQ(Board().LevelOf(true)->Name, "Casual");
    EXPECT_STREQ(Board().LevelOf(false)->Name, "Beginner");
    EXPECT_TRUE(form->MatchPanel->text().endsWith("after 1 of 2 games"));
    now += 61'000;
    ASSERT_TRUE(WaitFor([&] { return form->Match()->Finished(); }));
    EXPECT_TRUE(Board().GameOver()) << "the computers do not play on after the match";
    EXPECT_TRUE(dialogs.Boxes.back().text.contains("after 2 of 2 games"));

    const QString file = dir.filePath("match.pgn");
    dialogs.FileNames.push_back(file);
    ASSERT_TRUE(form->ExportMatch1->isEnabled());
    form->ExportMatch1->trigger();
    QFile pgn(file);
    ASSERT_TRUE(pgn.open(QIODevice::ReadOnly));
    const std::vector<notation::Game> games = notation::ReadPgn(pgn.readAll().toStdString());
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].TagValue("White"), "Zugwerk! Beginner");
    EXPECT_EQ(games[1].TagValue("White"), "Zugwerk! Casual");
    EXPECT_EQ(games[1].TagValue("Round"), "2");
}
