// The analysis panel: engine lines read into scores from White's side and standard notation, a
// stand-in engine's lines shown and its bad ones passed over, and the panel in the window following
// the board while the game goes on.

#include "app/analysis_panel.h"
#include "app/evaluation_bar.h"
#include "app/unit1.h"
#include "board/chessbrd.h"
#include "tests/app/app_test_support.h"
#include "tests/app/stand_in_engines.h"
#include "tests/board/board_test_support.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <signal.h>

namespace {

const notation::Position AfterE4 = notation::ReadFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");

} // namespace

TEST(AnalysisLines, TurnScoresToWhitesSideAndLinesToStandardNotation)
{
    const struct {
        notation::Position position;
        const char* info;
        const char* score; // empty: no line
        const char* moves;
    } cases[] = {
        { notation::StartPosition(), "info depth 9 score cp 31 pv e2e4 e7e5 g1f3", "+0.31", "1. e4 e5 2. Nf3" },
        { AfterE4, "info depth 9 score cp 31 pv e7e5 g1f3", "-0.31", "1... e5 2. Nf3" },
        { AfterE4, "info depth 9 score mate -2 pv f7f6", "M2", "1... f6" },
        { AfterE4, "info depth 9 score cp 0 pv e7e5 e5e4 g1f3", "0.00", "1... e5" }, // cut where it goes wrong
        { AfterE4, "info depth 9 score cp 5 pv e2e4", "", "" }, // not this position's move
    };
    for (const auto& c : cases) {
        const std::optional<TUciInfo> info = ParseUciInfo(c.info);
        ASSERT_TRUE(info) << c.info;
        const std::optional<TAnalysisLine> line = AnalysisLine(c.position, *info);
        ASSERT_EQ(line.has_value(), *c.score != 0) << c.info;
        if (line) {
            EXPECT_EQ(EvaluationText(line->Eval), c.score) << c.info;
            EXPECT_EQ(line->Moves, c.moves) << c.info;
        }
    }
}

// A stand-in engine that reports three lines, among them a bound, an illegal line and a currmove.
TEST(AnalysisPanel, ShowsTheEnginesLinesAndPausesItsSearch)
{
    QTemporaryDir dir;
    const QString lines = "echo 'info depth 5 multipv 1 score cp 31 nodes 1000 nps 2000000 pv e2e4 e7e5 g1f3'; "
                          "echo 'info depth 5 multipv 2 score mate 3 pv d2d4'; "
                          "echo 'info depth 5 multipv 3 score cp -12 lowerbound pv g1f3'; "
                          "echo 'info depth 5 multipv 3 score cp -12 pv e2e5'; "
                          "echo 'info depth 5 currmove e2e4 currmovenumber 1'; "
                          "echo 'info depth 5 multipv 3 score cp -15 pv b1c3'";
    const QString engine = WriteEngine(dir.path(), "lines",
        "id name Lines\\noption name MultiPV type spin default 1 min 1 max 5\\nuciok\\n", lines, "echo bestmove e2e4");
    TAnalysisPanel panel;
    panel.SetEngines({ { "Lines", { engine, {}, {}, {} } } });
    panel.SetPosition(notation::StartPosition());
    panel.show();
    ASSERT_TRUE(WaitFor([&] { return panel.Lines().size() == 3 && !panel.Lines()[2].Moves.isEmpty(); }));
    const std::vector<TAnalysisLine>& shown = panel.Lines();
    EXPECT_EQ(EvaluationText(shown[0].Eval), "+0.31");
    EXPECT_EQ(shown[0].Moves, "1. e4 e5 2. Nf3");
    EXPECT_EQ(EvaluationText(shown[1].Eval), "M3");
    EXPECT_EQ(EvaluationText(shown[2].Eval), "-0.15");
    EXPECT_EQ(shown[2].Moves, "1. Nc3");
    EXPECT_EQ(panel.StatusText(), "Depth 5  ·  2.0 M nodes/s");
    TUciEngine* running = panel.Engine();
    ASSERT_TRUE(running);
    panel.SetPaused(true);
    ASSERT_TRUE(WaitFor([&] { return running->SearchesPending() == 0; })) << "the search was stopped";
    EXPECT_EQ(panel.StatusText(), "Paused.");
    EXPECT_EQ(panel.Lines().size(), 3u) << "the last lines stay";
    panel.hide();
    EXPECT_FALSE(panel.Engine());
    EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(engine + ".quit"); }));
}

class AnalysisInWindow : public WindowTest { };

// The panel follows the board through moves, the computer's replies and Back; closing it ends the
// engine's process.
TEST_F(AnalysisInWindow, ThePanelFollowsTheGameAndClosingItEndsTheEngine)
{
    form->EngineSearch = TEngineSearch { {}, QFileInfo(ZUGWERK_ENGINE_PATH).absolutePath() };
    form->AnalysisPanel1->trigger();
    TAnalysisPanel& panel = *form->AnalysisPanel;
    const auto firstLineStarts
        = [&](const QString& start) { return !panel.Lines().empty() && panel.Lines()[0].Moves.startsWith(start); };
    ASSERT_TRUE(WaitFor([&] { return firstLineStarts("1. "); }));
    EXPECT_EQ(panel.EngineName(), "Zugwerk! 2.0");
    EXPECT_TRUE(form->EvaluationBar->Evaluation()) << "the bar shows the best line's score";
    const qint64 pid = panel.Engine()->ProcessId();
    // The board's computer answers for Black while the panel analyses.
    ClickRadio(*form->RadioGroup1, 1);
    Play(Board(), "e2e4");
    ASSERT_TRUE(WaitFor([&] { return firstLineStarts("2. "); })) << "the position after Black's reply";
    form->Back1->trigger();
    ASSERT_TRUE(WaitFor([&] { return firstLineStarts("1... "); }));
    // The hint for that position is the panel's first move, at once.
    form->Hint1->trigger();
    ASSERT_TRUE(Board().HintArrow());
    EXPECT_EQ(static_cast<int>(Board().HintArrow()->first), panel.Lines()[0].First.From);
    form->AnalysisPanel1->trigger();
    EXPECT_FALSE(panel.Engine());
    EXPECT_FALSE(form->EvaluationBar->Evaluation());
    EXPECT_TRUE(WaitFor([&] { return kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH; }));
}

// Without the panel a hint comes from a short search of the project's engine; it goes with the next
// move.
TEST_F(AnalysisInWindow, AHintIsAnArrowUntilTheNextMove)
{
    form->EngineSearch = TEngineSearch { {}, QFileInfo(ZUGWERK_ENGINE_PATH).absolutePath() };
    form->HintTimeMs = 100;
    Arrange(Board(), "6k1/5ppp/8/8/8/8/5PPP/R5K1", true);
    form->Hint1->trigger();
    ASSERT_TRUE(WaitFor([&] { return Board().HintArrow().has_value(); }));
    EXPECT_EQ(*Board().HintArrow(), std::make_pair(Square::A1, Square::A8)) << "the mate in one";
    EXPECT_EQ(form->StatusText(), "Hint: Ra8#");
    Play(Board(), "a1a8");
    EXPECT_FALSE(Board().HintArrow());
}
