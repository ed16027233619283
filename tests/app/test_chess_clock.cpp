// The chess clock of a time control, on its own and in the window.

#include "tests/app/app_test_support.h"

#include "app/chess_clock.h"

#include <QLabel>
#include <QTimer>

#include <stdexcept>

namespace {

struct FakeMonotonic {
    std::int64_t ms = 1'000'000;
    TChessClock::TTimeSource Reader()
    {
        return [this] { return ms; };
    }
};

TEST(TimeControl, NamesTagsAndRefusals)
{
    EXPECT_EQ(TTimeControl::FromName(" 10 + 5 "), (TTimeControl { 10, 5 }));
    EXPECT_EQ((TTimeControl { 5, 3 }).PgnTag(), "300+3");
    for (const TTimeControl& preset : TTimeControl::Presets())
        EXPECT_EQ(TTimeControl::FromName(preset.Name()), preset) << preset.Name().toStdString();
    for (const char* bad : { "0+5", "601+0", "5+601", "5", "5+-1", "five+3", "" })
        EXPECT_FALSE(TTimeControl::FromName(QString::fromLatin1(bad))) << bad;
    EXPECT_THROW(TChessClock(TTimeControl { 0, 0 }), std::invalid_argument);
}

TEST(ChessClock, IncrementGoesToTheMoverAndTheClockFollowsTheSideToMove)
{
    FakeMonotonic time;
    TChessClock clock({ 5, 3 }, time.Reader());
    EXPECT_FALSE(clock.Running()) << "it waits for the game to start";
    clock.Start(true);
    time.ms += 10'000;
    clock.MoveMade(false);
    EXPECT_EQ(clock.RemainingMs(true), 293'000);
    time.ms += 4'000;
    EXPECT_EQ(clock.RemainingMs(false), 296'000);

    // Back to White's turn without a move: no increment, White's time runs again.
    clock.SetSideToMove(true);
    time.ms += 1'000;
    EXPECT_EQ(clock.RemainingMs(true), 292'000);
    EXPECT_EQ(clock.RemainingMs(false), 296'000);
    clock.MoveMade(true); // no change of side, no move that counts
    EXPECT_EQ(clock.RemainingMs(true), 292'000);

    clock.Pause();
    time.ms += 60'000;
    EXPECT_EQ(clock.RemainingMs(true), 292'000);
    clock.Resume();
    time.ms += 2'000;
    EXPECT_EQ(clock.RemainingMs(true), 290'000);
    clock.Start(false);
    EXPECT_EQ(clock.RemainingMs(true), 300'000);
    EXPECT_FALSE(clock.WhiteToMove());
}

TEST(ChessClock, TheFlagFallsOnceAndStopsTheClock)
{
    FakeMonotonic time;
    TChessClock clock({ 1, 2 }, time.Reader());
    clock.Start(true);
    time.ms += 59'999;
    EXPECT_FALSE(clock.TakeFlagFall());
    time.ms += 1;
    EXPECT_EQ(clock.TakeFlagFall(), true);
    EXPECT_FALSE(clock.TakeFlagFall()) << "reported once";
    EXPECT_EQ(clock.FlagFallen(), true);
    EXPECT_FALSE(clock.Running());

    // A move after the fall earns no increment, and Black's time does not run.
    clock.MoveMade(false);
    time.ms += 5'000;
    EXPECT_EQ(clock.RemainingMs(true), 0);
    EXPECT_EQ(clock.RemainingMs(false), 60'000);

    // Resumed (a take-back) with White to move again: the flag falls again, and is reported again.
    clock.SetSideToMove(true);
    clock.Resume();
    EXPECT_EQ(clock.TakeFlagFall(), true);

    // A move made after the time ran out, before anyone looked: too late.
    clock.Start(false);
    time.ms += 61'000;
    clock.MoveMade(true);
    EXPECT_EQ(clock.FlagFallen(), false);
    EXPECT_EQ(clock.RemainingMs(false), 0);
}

TEST(ChessClock, DisplayTextShowsTenthsBelowTenSeconds)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        { 3'723'000, "1:02:03" },
        { 3'600'000, "1:00:00" },
        { 3'599'999, "59:59" },
        { 300'000, "5:00" },
        { 299'999, "4:59" },
        { 10'000, "0:10" },
        { 9'999, "0:09.9" },
        { 9'750, "0:09.7" },
        { 99, "0:00.0" },
        { -20, "0:00.0" },
    };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(TChessClock::DisplayText(ms), text) << ms;
}

class WindowChessClock : public WindowTest {
protected:
    FakeMonotonic time;

    void SetUp() override
    {
        WindowTest::SetUp();
        form->ChessClockTime = time.Reader();
    }
    void Tick(std::int64_t ms)
    {
        time.ms += ms;
        form->ChessClockTimerTimer(form->ChessClockTimer);
    }
    QString Texts() const { return form->Label1->text() + QStringLiteral(" | ") + form->Label2->text(); }
    void Set(bool TPreferences::*field)
    {
        TPreferences preferences = form->Preferences();
        preferences.*field = true;
        form->SetPreferences(preferences);
    }
};

TEST_F(WindowChessClock, MovesSwitchTheClocksAndNavigationAndTakeBackLeaveTheTimes)
{
    form->SetTimeControl(TTimeControl { 5, 3 });
    ASSERT_TRUE(form->ChessClock());
    EXPECT_TRUE(form->ChessClockTimer->isActive());
    Tick(10'000);
    EXPECT_EQ(Texts(), "White 4:50 | Black 5:00");

    Play(Board(), "e2e4");
    Tick(4'000);
    EXPECT_EQ(Texts(), "White 4:53 | Black 4:56");
    Play(Board(), "e7e5");
    Tick(1'000);
    EXPECT_EQ(Texts(), "White 4:52 | Black 4:59");

    // The side at the bottom of the board reads first.
    form->Whiteontop1->trigger();
    Tick(0);
    EXPECT_EQ(Texts(), "Black 4:59 | White 4:52");
    form->Whiteontop1->trigger();

    // Back puts Black to move: its clock runs, without an increment for anyone.
    form->Back1->trigger();
    Tick(2'000);
    EXPECT_EQ(Texts(), "White 4:52 | Black 4:57");
    form->Forward1->trigger();
    Tick(1'000);
    EXPECT_EQ(Texts(), "White 4:51 | Black 4:57");

    // Take Back between humans: one half-move, Black to move; the times stay.
    form->TakeBack1->trigger();
    EXPECT_FALSE(Board().WhiteToMove());
    Tick(1'000);
    EXPECT_EQ(Texts(), "White 4:51 | Black 4:56");
    EXPECT_EQ(form->GameToExport().TagValue("TimeControl"), "300+3");

    // New Game: full times again, White's running.
    form->New1->trigger();
    Tick(500);
    EXPECT_EQ(form->ChessClock()->RemainingMs(true), 299'500);
    EXPECT_EQ(form->ChessClock()->RemainingMs(false), 300'000);

    // The computer's move switches the clock as a human's does.
    ClickRadio(*form->RadioGroup1, 1);
    Play(Board(), "e2e4");
    ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove(); }));
    EXPECT_TRUE(form->ChessClock()->WhiteToMove());
    EXPECT_EQ(form->ChessClock()->RemainingMs(false), 303'000);

    // The longest text fits its label.
    form->SetTimeControl(TTimeControl { TTimeControl::MaxMinutes, 0 });
    EXPECT_EQ(form->Label1->text(), "White 10:00:00");
    EXPECT_LE(form->Label1->fontMetrics().horizontalAdvance(form->Label1->text()), form->Label1->width());
}

// The flag of the side to move falls; its opponent wins unless it has only the king.
TEST_F(WindowChessClock, AFlagFallEndsTheGameOnTime)
{
    struct Case {
        const char* placement;
        bool whiteToMove;
        const char* status;
        const char* box;
        const char* result;
    };
    const Case cases[] = {
        { "4k3/8/8/8/8/8/8/3QK3", false, "Black lost on time", "Black lost on time.", "1-0" },
        { "4k3/8/8/8/8/8/8/3QK3", true, "Draw: White's time is up, Black cannot mate",
            "Draw!  White's time is up, Black cannot mate.", "1/2-1/2" },
        { "3qk3/8/8/8/8/8/8/3QK3", true, "White lost on time", "White lost on time.", "0-1" },
    };
    Set(&TPreferences::KeepFinalPosition);
    for (const Case& c : cases) {
        dialogs.Clear();
        form->New1->trigger();
        Arrange(Board(), c.placement, c.whiteToMove);
        form->SetTimeControl(TTimeControl { 1, 0 });
        Tick(59'900);
        EXPECT_FALSE(Board().GameOver()) << c.status;
        Tick(100);
        EXPECT_EQ(form->StatusText(), c.status);
        EXPECT_EQ(dialogs.Texts(), std::vector<QString> { c.box });
        EXPECT_TRUE(Board().GameOver()) << c.status;
        const notation::Game game = form->GameToExport();
        EXPECT_EQ(game.Result, c.result) << c.status;
        EXPECT_EQ(game.TagValue("Termination"), "time forfeit");
        Tick(5'000);
        EXPECT_EQ(dialogs.Boxes.size(), 1u) << "the game ends once";
        EXPECT_FALSE(form->ChessClock()->Running());
    }
}

TEST_F(WindowChessClock, WithoutKeepingTheGameAFlagFallStartsANewOneAndSaysItInWords)
{
    Set(&TPreferences::StatusInWords);
    form->SetTimeControl(TTimeControl { 1, 0 });
    Play(Board(), "e2e4");
    Tick(60'000);
    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Black's time is up: White wins on time." });
    EXPECT_EQ(form->StatusText(), "White wins on time");
    EXPECT_EQ(form->GameToExport().Result, "1-0") << "the finished game keeps its result";
    EXPECT_TRUE(Board().WhiteToMove());
    EXPECT_EQ(Board().CurrentMove(), 1);
    Tick(1'000);
    EXPECT_EQ(Texts(), "White 0:59 | Black 1:00") << "the next game has a fresh clock";
}

TEST_F(WindowChessClock, WithoutATimeControlTheStopwatchesStayAsTheyAre)
{
    const QImage before = form->ClientAreaImage();
    form->SetTimeControl(std::nullopt);
    EXPECT_FALSE(form->ChessClock());
    EXPECT_FALSE(form->ChessClockTimer);
    EXPECT_EQ(form->ClientAreaImage(), before);

    form->SetTimeControl(TTimeControl { 3, 2 });
    EXPECT_NE(form->ClientAreaImage(), before);
    form->SetTimeControl(std::nullopt);
    EXPECT_FALSE(form->ChessClockTimer->isActive());
    EXPECT_EQ(form->Label1->text(), "00:00:00");
    EXPECT_EQ(form->ClientAreaImage(), before);
    clock.Advance(3);
    form->Timer1Timer(form->Timer1);
    EXPECT_EQ(form->Label1->text(), "00:00:03");
}

} // namespace
