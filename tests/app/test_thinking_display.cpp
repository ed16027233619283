// What the computer shows of its search, and its pause between moves, as the window sets them.

#include "tests/app/app_test_support.h"

#include <QLabel>
#include <QStatusBar>

namespace {

class ThinkingDisplayTest : public WindowTest {
protected:
    void Report(int depth, Square from, Square to, int score)
    {
        TThinkingProgress progress;
        progress.Depth = depth;
        progress.From = from;
        progress.To = to;
        progress.Score = score;
        Board().OnThinkingProgress(&Board(), progress);
    }
    // Once the status bar has laid out its areas anew.
    QImage StatusBarPicture() const
    {
        QCoreApplication::processEvents();
        return form->StatusBar1->grab().toImage();
    }
};

TEST_F(ThinkingDisplayTest, ShownBesideTheStatusOnlyWhileAskedFor)
{
    form->ChessBrd1LegalMove(&Board(), Square::E2, Square::E4);
    const QString status = form->StatusText();
    const QImage before = StatusBarPicture();

    // Off: the status bar stays as it is.
    Report(2, Square::G1, Square::F3, 25);
    EXPECT_FALSE(form->ThinkingPanel->isVisible());
    EXPECT_EQ(form->StatusText(), status);
    EXPECT_EQ(StatusBarPicture(), before);

    TPreferences show;
    show.ShowThinking = true;
    form->SetPreferences(show);
    struct Case {
        bool whiteToMove;
        Square from, to;
        int score;
        const char* text;
    };
    const Case cases[] = {
        { true, Square::G1, Square::F3, 25, "Thinking… depth 4: Nf3 (+0.25)" },
        { false, Square::G8, Square::F6, 130, "Thinking… depth 4: Nf6 (-1.30)" },
        { true, Square::E2, Square::E4, -7, "Thinking… depth 4: e4 (-0.07)" },
        { false, Square::E7, Square::E5, engine::Infinity - 5, "Thinking… depth 4: e5 (#-3)" },
    };
    for (const Case& c : cases) {
        Board().set_WhiteToMove(c.whiteToMove);
        Report(4, c.from, c.to, c.score);
        EXPECT_TRUE(form->ThinkingPanel->isVisible());
        EXPECT_EQ(form->ThinkingPanel->text(), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(form->StatusText(), status);
    // The search is over: the status bar is as it was.
    Board().OnThinkingEnded(&Board());
    EXPECT_FALSE(form->ThinkingPanel->isVisible());
    EXPECT_EQ(StatusBarPicture(), before);
}

TEST_F(ThinkingDisplayTest, ThePauseIsTheBoardsAndNewGameCutsIt)
{
    TPreferences pause;
    pause.ComputerPause = 500;
    form->SetPreferences(pause);
    EXPECT_EQ(Board().ComputerPause(), 500);
    Board().set_SearchDepth(1);
    ClickRadio(*form->RadioGroup2, 1);
    ClickRadio(*form->RadioGroup1, 1);
    ASSERT_TRUE(WaitFor([&] { return Board().ComputerMoveWaiting(); }));
    form->New1Click(nullptr);
    EXPECT_FALSE(Board().ComputerMoveWaiting());
    Nudge(Board());
    ASSERT_TRUE(WaitFor([&] { return Board().GetMoveList().size() == 1; }));
    form->Stop1Click(nullptr);
    ClickRadio(*form->RadioGroup2, 0);
    ClickRadio(*form->RadioGroup1, 0);
    form->SetPreferences(TPreferences::Classic());
    EXPECT_EQ(Board().ComputerPause(), 0);
}

} // namespace
