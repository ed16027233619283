// The stopwatch and the window's two player clocks.

#include "tests/app/app_test_support.h"

#include <QLabel>
#include <QTimer>

namespace {

TEST(Chronometre, Time2StrCutsAndPadsEachField)
{
    const std::pair<double, const char*> cases[] = {
        { 0, "00:00:00.00" },
        { 3661.5, "01:01:01.50" },
        { 45296.25, "12:34:56.25" },
        { 360000, "100:00:00.00" },
        { 0.125, "00:00:00.12" }, // halves go to the even neighbour
        { 0.375, "00:00:00.38" },
        { 59.996, "00:00:59.10" }, // 100 hundredths, cut to two characters
        { 65536.0 * 3600 + 61, "00:01:01.00" }, // the hours are a 16-bit field
        { 65535.0 * 3600, "65535:00:00.00" },
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(TQVChronometre::Time2Str(seconds), text) << seconds;
    EXPECT_EQ(TQVChronometre::Time2Str(360000).left(8), "100:00:0");

    const std::tuple<double, double, int> days[]
        = { { 2.5, 0, 2 }, { 3.5, 0, 4 }, { 1.4, 0, 1 }, { 45001, 45000, 1 }, { 0, 1, 65535 } };
    for (const auto& [a, b, count] : days)
        EXPECT_EQ(TQVChronometre::Jours_Ecoule(a, b), count) << a << " " << b;
}

TEST(Chronometre, LapsAddUpAcrossMidnightAndStartAndStopAreIdempotent)
{
    FakeClock clock;
    clock.now = QDateTime(QDate(2024, 3, 1), QTime(23, 59, 50));
    TQVChronometre chrono;
    chrono.set_Clock(clock.Reader());
    EXPECT_EQ(chrono.TotalTimeElapsed(), 0);

    chrono.Start();
    clock.Advance(20);
    EXPECT_DOUBLE_EQ(chrono.TimeElapsed(), 20) << "the lap crosses midnight";
    chrono.Start(); // does not restart the lap
    clock.Advance(5);
    chrono.Stop();
    EXPECT_DOUBLE_EQ(chrono.TimeElapsed(), 25);
    EXPECT_DOUBLE_EQ(chrono.TotalTimeElapsed(), 25);
    clock.Advance(100);
    chrono.Stop(); // changes nothing
    EXPECT_DOUBLE_EQ(chrono.TotalTimeElapsed(), 25);

    chrono.Start();
    clock.Advance(10);
    EXPECT_DOUBLE_EQ(chrono.TimeElapsed(), 10);
    EXPECT_DOUBLE_EQ(chrono.TotalTimeElapsed(), 35) << "a new lap adds to the old total";

    // A system clock set back a day neither counts some 179 years nor runs backwards.
    clock.Advance(-86400);
    EXPECT_DOUBLE_EQ(chrono.TotalTimeElapsed(), 25);
    chrono.Reset();
    EXPECT_FALSE(chrono.Running());
    EXPECT_EQ(chrono.TotalTimeElapsed(), 0);
}

using WindowClocks = WindowTest;

TEST_F(WindowClocks, OnlyLegalMovesSwitchThemAndANewGameResetsThem)
{
    EXPECT_TRUE(form->Chr1->Running()) << "the first clock starts when the window shows";
    EXPECT_FALSE(form->Chr2->Running());
    clock.Advance(1);
    form->Timer1Timer(form->Timer1);
    EXPECT_EQ(form->Label1->text(), "00:00:01");
    EXPECT_EQ(form->Label2->text(), "00:00:00");

    Play(Board(), "e2e4");
    EXPECT_FALSE(form->Chr1Running);
    EXPECT_FALSE(form->Chr1->Running());
    EXPECT_TRUE(form->Chr2->Running());
    clock.Advance(2);

    // Navigation, Stop and the player groups leave both clocks alone.
    form->Back1->trigger();
    form->Forward1->trigger();
    ClickListLine(0);
    form->Stop1->trigger();
    ClickRadio(*form->RadioGroup2, 1); // White: not to move, so the computer stays idle
    ClickRadio(*form->RadioGroup2, 0);
    EXPECT_TRUE(form->Chr2->Running());
    EXPECT_FALSE(form->Chr1->Running());
    form->Back1->trigger(); // White to move again, yet Chr2 runs on until the next move
    Play(Board(), "d2d4");
    EXPECT_TRUE(form->Chr1Running);
    EXPECT_TRUE(form->Chr1->Running());
    EXPECT_DOUBLE_EQ(form->Chr2->TotalTimeElapsed(), 2);

    Play(Board(), "d7d5");
    clock.Advance(7200 * 50);
    form->Timer1Timer(form->Timer1);
    EXPECT_EQ(form->Label2->text(), "100:00:0");

    // New Game while Chr2 runs: Chr1 runs from zero, Chr2 stopped at zero.
    form->New1->trigger();
    EXPECT_TRUE(form->Chr1Running);
    EXPECT_TRUE(form->Chr1->Running());
    EXPECT_EQ(form->Chr1->TotalTimeElapsed(), 0);
    EXPECT_FALSE(form->Chr2->Running());
    EXPECT_EQ(form->Chr2->TotalTimeElapsed(), 0);
    EXPECT_TRUE(ListLines().isEmpty());
}

} // namespace
