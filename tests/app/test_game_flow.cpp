// A game as the window shows it: status texts in the order of the board's events, the game-end
// boxes followed by a new game, the computer on either side or both, Stop, and a full record.

#include "engine/chess_thread.h"
#include "tests/app/app_test_support.h"

#include <utility>

namespace {

using GameFlow = WindowTest;

// A middlegame in which a deep search takes far longer than any test waits.
const char* const Middlegame = "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R";

TEST_F(GameFlow, HumanGameToMateShowsEachMoveThenTheBoxThenANewGame)
{
    struct Step {
        const char* move;
        const char* status;
    };
    const Step fools[] = {
        { "f2f3", "Move 1 : 46" },
        { "e7e5", "Move 2 : 29" },
        { "g2g4", "Move 2 : 39" },
    };
    for (const Step& step : fools) {
        clock.Advance(3);
        Play(Board(), step.move);
        EXPECT_EQ(form->StatusText(), step.status) << step.move;
    }
    std::string positionUnderTheBox;
    dialogs.OnBox = [&](const ShownBox& box) {
        EXPECT_EQ(form->StatusText(), "Mate");
        EXPECT_EQ(box.caption, "Zugwerk!");
        positionUnderTheBox = Board().Position();
    };
    clock.Advance(3);
    Play(Board(), "d8h4");

    ASSERT_EQ(dialogs.Texts(), std::vector<QString> { "Mate!" });
    EXPECT_EQ(positionUnderTheBox, Placement("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR"));
    EXPECT_EQ(form->StatusText(), "Mate");
    EXPECT_EQ(Board().Position(), StartPosition);
    EXPECT_TRUE(Board().WhiteToMove());
    EXPECT_EQ(ListLines().size(), 4) << "the list keeps the finished game";
    EXPECT_TRUE(form->Chr1Running);
    EXPECT_TRUE(form->Chr1->Running());
    EXPECT_FALSE(form->Chr2->Running());
    EXPECT_EQ(form->Chr1->TotalTimeElapsed(), 0);
    EXPECT_EQ(form->Chr2->TotalTimeElapsed(), 0);
}

TEST_F(GameFlow, TheLastEventOfAMoveLeavesItsText)
{
    struct Case {
        const char* placement;
        CastlingSet rights;
        const char* moves;
        const char* status;
        const char* box; // "" for none
    };
    const Case cases[] = {
        { "5k2/8/8/8/8/8/8/4K2R", { CanStillCastle::WhiteKingSide }, "e1g1", "Check", "" },
        { "4k3/8/8/8/8/8/8/4K2R", { CanStillCastle::WhiteKingSide }, "e1g1", "Castle", "" },
        { "7k/8/6Q1/8/8/8/8/K7", {}, "g6f7", "Draw: Stalemate", "Draw!  Stalemate." },
        { "4k3/8/8/8/8/8/3q4/4K3", {}, "e1d2", "Draw: Only two kings left", "Draw!  Only two kings left." },
        { StartPosition, AllCastlingRights, "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8",
            "Draw: 3-Time Repetition of Position", "Draw!  3-time repetition of position." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moves);
        dialogs.Clear();
        if (c.placement == StartPosition)
            form->New1->trigger();
        else
            Arrange(Board(), c.placement, true, c.rights);
        Play(Board(), c.moves);
        EXPECT_EQ(form->StatusText(), c.status);
        if (*c.box) {
            EXPECT_EQ(dialogs.Texts(), std::vector<QString> { c.box });
            EXPECT_EQ(Board().Position(), StartPosition) << "a new game follows the box";
        } else {
            EXPECT_TRUE(dialogs.Boxes.empty());
        }
    }
}

TEST_F(GameFlow, HumanAgainstComputerToMate)
{
    Arrange(Board(), "r5k1/5ppp/8/8/8/8/1P3PPP/7K", true);
    ClickRadio(*form->RadioGroup1, 1);
    ASSERT_TRUE(Board().ComputerPlaysBlack());
    Play(Board(), "b2b3");
    ASSERT_TRUE(WaitFor([&] { return !dialogs.Boxes.empty(); }));
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Mate!" });
    EXPECT_EQ(ListLines(), (QStringList { "1. B2-B3", "              A8-A1" }));
    // The new game has a human to move; the computer waits for Black's turn.
    Nudge(Board());
    EXPECT_FALSE(Board().Thinking());
    EXPECT_EQ(Board().Position(), StartPosition);
}

TEST_F(GameFlow, ComputerAgainstComputerToMateThenOnInTheNewGame)
{
    Arrange(Board(), "7k/1p4pp/8/8/8/8/5PPP/R5K1", true);
    dialogs.OnBox = [&](const ShownBox&) { EXPECT_EQ(form->StatusText(), "Mate"); };
    ClickRadio(*form->RadioGroup1, 1);
    ClickRadio(*form->RadioGroup2, 1);
    Nudge(Board());
    ASSERT_TRUE(WaitFor([&] { return !dialogs.Boxes.empty(); }));
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Mate!" });
    // Same players in the new game: the computer opens it.
    ASSERT_TRUE(WaitFor([&] { return Board().GetMoveList().size() >= 1; }));
    ClickRadio(*form->RadioGroup1, 0);
    ClickRadio(*form->RadioGroup2, 0);
    EXPECT_FALSE(Board().Thinking());
}

TEST_F(GameFlow, StopInterruptsTheSearchAndTheSideStaysComputer)
{
    Arrange(Board(), Middlegame, true);
    Board().set_SearchDepth(10);
    ClickRadio(*form->RadioGroup2, 1);
    Nudge(Board());
    ASSERT_TRUE(Board().Thinking());

    QTest::mouseClick(form->ToolbarButton975, Qt::LeftButton);
    EXPECT_FALSE(Board().Thinking());
    EXPECT_EQ(form->RadioGroup2->ItemIndex(), 1);
    EXPECT_TRUE(Board().ComputerPlaysWhite());
    Nudge(Board());
    EXPECT_TRUE(Board().Thinking()) << "the computer thinks again at the board's next occasion";

    form->Stop1->trigger();
    EXPECT_FALSE(Board().Thinking());
    ClickRadio(*form->RadioGroup2, 0);
    Nudge(Board());
    EXPECT_FALSE(Board().Thinking()) << "a human side stops it for good";
    EXPECT_TRUE(Board().GetMoveList().empty());
}

TEST_F(GameFlow, AFullRecordIsExplainedInsteadOfRefusedSilently)
{
    // Until the record is full, refusals read as usual.
    Board().OnIllegalMove(&Board(), Square::E2);
    EXPECT_EQ(form->StatusText(), "Illegal move");
    Board().EngineMessageBox("Error", "Engine tried to perform Illegal Move");
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_EQ(dialogs.Boxes[0].caption, "Error");
    EXPECT_EQ(dialogs.Boxes[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    dialogs.Clear();

    // Play to move 255 with Black to move without ending the game on the way.
    Arrange(Board(), StartPosition, true, AllCastlingRights, Square::None, TChessBoard::LastSetUpMoveNumber);
    auto mate = std::exchange(Board().OnMate, nullptr);
    auto stalemate = std::exchange(Board().OnStaleMate, nullptr);
    auto twoKings = std::exchange(Board().OnOnlyTwoKingsLeft, nullptr);
    auto threefold = std::exchange(Board().OnThreefoldPosition, nullptr);
    PlayUntil(Board(), TChessBoard::LastMoveNumber, false);
    Board().OnMate = mate;
    Board().OnStaleMate = stalemate;
    Board().OnOnlyTwoKingsLeft = twoKings;
    Board().OnThreefoldPosition = threefold;

    // A human drop is refused, and the drag input reports it as illegal.
    const auto [from, to] = LegalMoves(Board()).front();
    ASSERT_FALSE(Board().Move(from, to));
    Board().OnIllegalMove(&Board(), from);
    EXPECT_EQ(form->StatusText(), TForm1::RecordFullText);

    // The computer's move is refused too; the window says why instead of the engine's error box.
    form->ChessBrd1Castle(&Board(), from, to);
    Board().set_SearchDepth(1);
    ClickRadio(*form->RadioGroup1, 1);
    Nudge(Board());
    ASSERT_TRUE(Board().Thinking());
    ASSERT_TRUE(WaitFor([&] { return !Board().Thinking(); }));
    ASSERT_TRUE(WaitFor([&] { return form->StatusText() == TForm1::RecordFullText; }, 5000));
    EXPECT_TRUE(dialogs.Boxes.empty());
    EXPECT_EQ(Board().CurrentMove(), TChessBoard::LastMoveNumber);
}

// The computer plays Black. Looking back through the game (list clicks, Back) never makes it move
// from an earlier position; taking back a pair of moves leaves the player to move; a move made there
// cuts the game and the computer answers it.
TEST_F(GameFlow, ReviewingAGameAgainstTheComputerLosesNothingAndBackTwiceTakesBack)
{
    Board().set_SearchDepth(1);
    ClickRadio(*form->RadioGroup1, 1);
    for (const char* move : { "e2e4", "d2d4" }) {
        Play(Board(), move);
        ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove() && !Board().Thinking(); }));
    }
    const QStringList game = ListLines();
    ASSERT_EQ(game.size(), 4);

    const auto idleThere = [&](int moveNumber, bool whiteToMove) {
        Nudge(Board());
        QCoreApplication::processEvents();
        return !Board().Thinking() && Board().CurrentMove() == moveNumber && Board().WhiteToMove() == whiteToMove
            && ListLines() == game;
    };
    ClickListLine(0); // after 1. e4: Black, the computer, is to move
    EXPECT_TRUE(idleThere(1, false));
    ClickListLine(2); // after 2. d4
    EXPECT_TRUE(idleThere(2, false));
    form->Back1->trigger();
    EXPECT_TRUE(idleThere(2, true));
    form->Back1->trigger();
    EXPECT_TRUE(idleThere(1, false));
    form->Forward1->trigger();
    form->Forward1->trigger();
    form->Forward1->trigger();
    EXPECT_TRUE(idleThere(3, true)) << "the end of the game again, the player to move";

    // Takeback: Back twice, and the player plays another move.
    form->Back1->trigger();
    form->Back1->trigger();
    EXPECT_TRUE(idleThere(2, true));
    Play(Board(), "g1f3");
    ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove() && !Board().Thinking(); }));
    const QStringList after = ListLines();
    ASSERT_EQ(after.size(), 4);
    EXPECT_EQ(after.mid(0, 2), game.mid(0, 2));
    EXPECT_EQ(after[2], "2. G1-F3");
}

// Who plays is decided by a click; the computer starts without the pointer crossing the board.
// Forward at the end of the game leaves its search alone; Forward onto the end starts it again.
TEST_F(GameFlow, TheComputerStartsAtOnceWhenItIsToMoveAndNotBeforeTheEndOfTheGame)
{
    Arrange(Board(), Middlegame, true);
    Board().set_SearchDepth(10);
    QTest::mouseMove(form->RadioGroup2); // the pointer stays away from the board from now on
    ClickRadio(*form->RadioGroup2, 1);
    EXPECT_TRUE(WaitFor([&] { return Board().Thinking(); }, 5000)) << "White is to move: the computer starts";
    form->Forward1->trigger();
    EXPECT_TRUE(Board().Thinking()) << "a refused Forward leaves the search alone";
    ClickRadio(*form->RadioGroup1, 1);
    ClickRadio(*form->RadioGroup1, 0); // switching Black about cancels, and the computer takes up again
    EXPECT_TRUE(WaitFor([&] { return Board().Thinking(); }, 5000));

    ClickRadio(*form->RadioGroup2, 0);
    Play(Board(), "a2a3");
    ClickRadio(*form->RadioGroup1, 1);
    ASSERT_TRUE(WaitFor([&] { return Board().Thinking(); }, 5000)) << "Black, the computer, is to move";
    form->Back1->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Board().Thinking()) << "an earlier position: the computer waits";
    form->Forward1->trigger();
    EXPECT_TRUE(WaitFor([&] { return Board().Thinking(); }, 5000)) << "back at the end, Black's computer goes on";
    form->Stop1->trigger();
    ClickRadio(*form->RadioGroup1, 0);
}

// Kings walking out and back: the first position had castling rights, so it is not the same; the
// true third occurrence still ends the game.
TEST_F(GameFlow, RepetitionCountsOnlyPositionsWithTheSameCastlingRights)
{
    Play(Board(), "e2e4 e7e5 e1e2 e8e7 e2e1 e7e8 e1e2 e8e7 e2e1 e7e8");
    EXPECT_TRUE(dialogs.Boxes.empty()) << "the start-like placement stands a third time, but not the position";
    Play(Board(), "e1e2 e8e7");
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Draw!  3-time repetition of position." });
}

// Move Now while the computer thinks plays what it has found; while it waits at an earlier position
// it starts there; on a human's turn it only says why it does nothing.
TEST_F(GameFlow, MoveNowPlaysAtOnceOrStartsTheWaitingComputer)
{
    Arrange(Board(), Middlegame, true);
    Board().set_SearchDepth(10); // minutes of thinking
    ClickRadio(*form->RadioGroup2, 1);
    // Move Now stops a search that runs; one only requested has nothing to play yet.
    ASSERT_TRUE(WaitFor([&] { return Board().EngineThread()->SearchesStarted() > 0; }, 5000));
    form->MoveNow1->trigger();
    ASSERT_TRUE(WaitFor([&] { return !Board().WhiteToMove(); }, 10000)) << "the move comes at once";
    EXPECT_EQ(ListLines().size(), 1);
    EXPECT_TRUE(Board().ComputerPlaysWhite());

    form->MoveNow1->trigger();
    EXPECT_EQ(form->StatusText(), "Move Now: the side to move is played by a human");
    EXPECT_FALSE(Board().Thinking());

    // Reviewing: back at White's turn, the computer waits until asked.
    Board().set_SearchDepth(1);
    form->Back1->trigger();
    Nudge(Board());
    EXPECT_FALSE(Board().Thinking());
    form->MoveNow1->trigger();
    ASSERT_TRUE(WaitFor([&] { return !Board().WhiteToMove() && !Board().Thinking(); }));
    EXPECT_EQ(ListLines().size(), 1) << "its move replaces the one after it";
    ClickRadio(*form->RadioGroup2, 0);
}

} // namespace
