// The game-flow preferences and Take Back: status texts in words, the finished game kept on the
// board, the wait after a game between computers, the questions before a game is discarded.

#include "tests/app/app_test_support.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class GameFlowPreferences : public WindowTest {
protected:
    void Set(bool TPreferences::*field, bool on = true)
    {
        TPreferences preferences = form->Preferences();
        preferences.*field = on;
        form->SetPreferences(preferences);
    }
    // A player's click on the square's centre, White at the bottom.
    void ClickSquare(const char* name)
    {
        const Square sq = Sq(name);
        const int size = Board().SizeOfSquare();
        const QPoint at(Board().SizeOfBorder() + (TChessBoard::XPos(sq) - 1) * size + size / 2,
            Board().SizeOfBorder() + (8 - TChessBoard::YPos(sq)) * size + size / 2);
        QTest::mouseClick(&Board(), Qt::LeftButton, {}, at);
    }
    void FoolsMate() { Play(Board(), "f2f3 e7e5 g2g4 d8h4"); }
};

// Middlegame in which a deep search takes far longer than any test waits.
const char* const Middlegame = "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R";

TEST_F(GameFlowPreferences, StatusAndResultsInWordsOrAsAlways)
{
    struct Case {
        const char* placement; // nullptr: a new game
        CastlingSet rights;
        const char* moves;
        const char* classicStatus;
        const char* classicBox; // "" for none
        const char* wordsStatus;
        const char* wordsBox;
    };
    const Case cases[] = {
        { nullptr, {}, "g1f3", "Move 1 : 46", "", "White played Nf3", "" },
        { "4k3/8/8/8/8/8/8/4K2R", { CanStillCastle::WhiteKingSide }, "e1g1", "Castle", "", "White castled king-side",
            "" },
        { "5k2/8/8/8/8/8/8/4K2R", { CanStillCastle::WhiteKingSide }, "e1g1", "Check", "", "Black is in check", "" },
        { "8/P6k/8/8/8/8/8/K7", {}, "a7a8", "Move 1 : 1", "", "White played a8=Q", "" },
        // No legal game leads here (a pawn on the first rank): the classic text stands.
        { "4k3/8/8/8/8/8/8/P3K3", {}, "e1e2", "Move 1 : 53", "", "Move 1 : 53", "" },
        { nullptr, {}, "f2f3 e7e5 g2g4 d8h4", "Mate", "Mate!", "Checkmate: Black wins",
            "Checkmate: Black wins the game." },
        { "7k/8/6Q1/8/8/8/8/K7", {}, "g6f7", "Draw: Stalemate", "Draw!  Stalemate.", "Draw by stalemate",
            "Draw by stalemate: the side to move has no move and is not in check." },
    };
    for (const bool inWords : { false, true }) {
        Set(&TPreferences::StatusInWords, inWords);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.moves) + (inWords ? " in words" : " classic"));
            dialogs.Clear();
            if (c.placement)
                Arrange(Board(), c.placement, true, c.rights);
            else
                form->New1->trigger();
            Play(Board(), c.moves);
            EXPECT_EQ(form->StatusText(), inWords ? c.wordsStatus : c.classicStatus);
            const char* box = inWords ? c.wordsBox : c.classicBox;
            EXPECT_EQ(dialogs.Texts(), *box ? std::vector<QString> { box } : std::vector<QString> {});
        }
    }
}

// The game ends with the two kings alone, which could still move: the board keeps the game, takes
// no move from a human or the computer, and still shows every position of it.
TEST_F(GameFlowPreferences, AFinishedGameStaysOnTheBoardUntilANewGame)
{
    Set(&TPreferences::KeepFinalPosition);
    Arrange(Board(), "4k3/8/8/8/8/8/3q4/4K3", true);
    Play(Board(), "e1d2");
    const std::string final = Placement("4k3/8/8/8/8/8/3K4/8");
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Draw!  Only two kings left." });
    EXPECT_EQ(Board().Position(), final);
    EXPECT_EQ(form->StatusText(), "Draw: Only two kings left");
    EXPECT_TRUE(Board().GameOver());
    EXPECT_FALSE(form->Chr1->Running() || form->Chr2->Running()) << "the clocks stop with the game";

    EXPECT_FALSE(Board().Move(Sq("e8"), Sq("e7")));
    Board().OnIllegalMove(&Board(), Sq("e8"));
    const QString refusal = "Draw: Only two kings left. The game is over: start a new game to play on";
    EXPECT_EQ(form->StatusText(), refusal);
    form->CopyGame1->trigger();
    ClickRadio(*form->RadioGroup1, 1);
    Nudge(Board());
    form->MoveNow1->trigger();
    EXPECT_FALSE(Board().Thinking()) << "the computer does not play on either";
    EXPECT_EQ(form->StatusText(), refusal) << "the result shows again";

    form->Back1->trigger();
    EXPECT_EQ(Board().Position(), Placement("4k3/8/8/8/8/8/3q4/4K3"));
    Nudge(Board());
    EXPECT_FALSE(Board().Thinking());
    ClickListLine(0);
    EXPECT_EQ(Board().Position(), final);
    EXPECT_TRUE(form->ExportFinishedGame1->isEnabled());
    EXPECT_EQ(form->GameToExport().Moves.size(), 1u);
    EXPECT_EQ(form->GameToExport().Result, "1/2-1/2");
    ClickRadio(*form->RadioGroup1, 0);

    form->New1->trigger();
    EXPECT_FALSE(Board().GameOver());
    Play(Board(), "e2e4");
}

TEST_F(GameFlowPreferences, AfterAGameBetweenComputersTheyWaitForNewGame)
{
    Set(&TPreferences::WaitAfterComputerGame);
    Arrange(Board(), "7k/1p4pp/8/8/8/8/5PPP/R5K1", true);
    ClickRadio(*form->RadioGroup1, 1);
    ClickRadio(*form->RadioGroup2, 1);
    Nudge(Board());
    ASSERT_TRUE(WaitFor([&] { return !dialogs.Boxes.empty(); }));
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Mate!" });
    Nudge(Board());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Board().Thinking());
    EXPECT_EQ(Board().Position(), Placement("R6k/1p4pp/8/8/8/8/5PPP/6K1"));
    EXPECT_EQ(form->StatusText(), "Mate");

    form->New1->trigger();
    ASSERT_TRUE(WaitFor([&] { return !Board().GetMoveList().empty(); })) << "the computers play the new game";
    ClickRadio(*form->RadioGroup1, 0);
    ClickRadio(*form->RadioGroup2, 0);
}

// Between humans one half-move; the record loses it, the list and the clock follow.
TEST_F(GameFlowPreferences, TakeBackInAHumanGame)
{
    EXPECT_FALSE(form->TakeBack1->isEnabled());
    Play(Board(), "e2e4 e7e5");
    ASSERT_TRUE(form->TakeBack1->isEnabled());
    ASSERT_TRUE(form->Chr1Running);
    form->TakeBack1->trigger();
    EXPECT_FALSE(Board().WhiteToMove());
    EXPECT_EQ(ListLines(), QStringList { "1. E2-E4" });
    EXPECT_FALSE(Board().MoveForward()) << "what was taken back is gone from the record";
    EXPECT_TRUE(form->Chr2->Running() && !form->Chr1->Running()) << "Black's clock runs again";
    form->TakeBack1->trigger();
    EXPECT_EQ(Board().Position(), StartPosition);
    EXPECT_TRUE(Board().GetMoveList().empty());
    EXPECT_FALSE(form->TakeBack1->isEnabled());
    Play(Board(), "d2d4");
    EXPECT_EQ(ListLines(), QStringList { "1. D2-D4" });

    // A position opened over the game belongs to no game; Back brings the game and Take Back again.
    QTemporaryDir folder;
    const QString fileName = folder.filePath("kings.zgw");
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Placement("4k3/8/8/8/8/8/8/4K3").c_str());
    }
    form->OpenFile(fileName);
    EXPECT_FALSE(form->TakeBack1->isEnabled());
    form->Back1->trigger();
    EXPECT_TRUE(form->TakeBack1->isEnabled());
}

// Against the computer Take Back returns to the player's previous turn: over the computer's reply,
// or, while it still thinks about it, over the player's move alone.
TEST_F(GameFlowPreferences, TakeBackAgainstTheComputer)
{
    Board().set_SearchDepth(1);
    ClickRadio(*form->RadioGroup1, 1);
    Play(Board(), "e2e4");
    ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove() && !Board().Thinking(); }));
    form->TakeBack1->trigger();
    EXPECT_EQ(Board().Position(), StartPosition);
    EXPECT_TRUE(Board().GetMoveList().empty());
    EXPECT_FALSE(form->TakeBack1->isEnabled());

    Arrange(Board(), Middlegame, true);
    Board().set_SearchDepth(10);
    Play(Board(), "a2a3");
    ASSERT_TRUE(Board().Thinking());
    form->TakeBack1->trigger();
    EXPECT_FALSE(Board().Thinking());
    EXPECT_EQ(Board().Position(), Placement(Middlegame));
    Nudge(Board());
    EXPECT_FALSE(Board().Thinking()) << "the player is to move";
    ClickRadio(*form->RadioGroup1, 0);

    // The computer opened for White: the player has had no turn to go back to.
    Board().set_SearchDepth(1);
    form->New1->trigger();
    ClickRadio(*form->RadioGroup2, 1);
    ASSERT_TRUE(WaitFor([&] { return !Board().WhiteToMove() && !Board().Thinking(); }));
    EXPECT_FALSE(form->TakeBack1->isEnabled());
    // A record that starts with Black, the player, to move goes back to its start.
    Arrange(Board(), "4k3/8/8/8/8/8/8/R3K3", false);
    Play(Board(), "e8d8");
    ASSERT_TRUE(WaitFor([&] { return !Board().WhiteToMove() && !Board().Thinking(); }));
    form->TakeBack1->trigger();
    EXPECT_EQ(Board().Position(), Placement("4k3/8/8/8/8/8/8/R3K3"));
    EXPECT_FALSE(form->TakeBack1->isEnabled());
    ClickRadio(*form->RadioGroup2, 0);
}

TEST_F(GameFlowPreferences, TakeBackReopensAFinishedGame)
{
    Set(&TPreferences::KeepFinalPosition);
    FoolsMate();
    ASSERT_TRUE(Board().GameOver());
    form->TakeBack1->trigger();
    EXPECT_FALSE(Board().GameOver());
    EXPECT_TRUE(form->Chr2->Running()) << "Black is to move again";
    Play(Board(), "b8c6");
    EXPECT_EQ(ListLines().size(), 4);
}

TEST_F(GameFlowPreferences, AskBeforeDiscardingAGameOrTheRestOfIt)
{
    Set(&TPreferences::ClickToMove);
    Play(Board(), "e2e4 e7e5");
    form->New1->trigger();
    EXPECT_TRUE(dialogs.Boxes.empty()) << "classically nothing asks";
    Set(&TPreferences::AskBeforeDiscarding);
    form->New1->trigger();
    EXPECT_TRUE(dialogs.Boxes.empty()) << "a game without moves goes unasked";

    Play(Board(), "e2e4 e7e5");
    dialogs.Answers = { QMessageBox::No };
    form->New1->trigger();
    ASSERT_EQ(dialogs.Texts(), std::vector<QString> { "Discard the current game?" });
    EXPECT_EQ(dialogs.Boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(ListLines().size(), 2) << "No keeps the game";

    // A move after Back asks before it replaces the rest; No puts the piece back.
    form->Back1->trigger();
    dialogs.Clear();
    dialogs.Answers = { QMessageBox::No };
    ClickSquare("g8");
    ClickSquare("f6");
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_EQ(Board().PieceAt(Sq("g8")), 'n');
    EXPECT_TRUE(Board().Reviewing());
    ClickSquare("g8");
    ClickSquare("f6");
    EXPECT_EQ(Board().PieceAt(Sq("f6")), 'n') << "Yes plays the move";
    EXPECT_EQ(Board().GetMoveList().size(), 2u);

    dialogs.Clear();
    form->New1->trigger();
    EXPECT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_TRUE(Board().GetMoveList().empty()) << "Yes discards the game";

    // A finished game kept on the board is not lost by a new one: it stays to export.
    Set(&TPreferences::KeepFinalPosition);
    Play(Board(), "f2f3 e7e5 g2g4 d8h4");
    dialogs.Clear();
    form->New1->trigger();
    EXPECT_EQ(dialogs.Boxes.size(), 0u);
    EXPECT_FALSE(Board().GameOver());
}

} // namespace
