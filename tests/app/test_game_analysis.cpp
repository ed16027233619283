// Whole-game analysis with stand-in engines whose scores are known for each position, the values
// the marks and the graph are made of, and choosing a position on the graph.

#include "app/analysis_panel.h"
#include "app/evaluation_graph.h"
#include "app/game_analysis.h"
#include "app/unit1.h"
#include "board/chessbrd.h"
#include "tests/app/app_test_support.h"
#include "tests/app/stand_in_engines.h"
#include "tests/board/board_test_support.h"
#include "tests/notation/notation_test_support.h"

#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <signal.h>

namespace {

using notation::Evaluation;

// Scholar's mate: White mates with its fourth move.
const notation::Game ScholarsMate
    = notation::test::GameOf(notation::StartPosition(), { "e4", "e5", "Bc4", "Nc6", "Qh5", "Nf6", "Qxf7#" });

// An engine that scores the position after n moves with the n-th of `scores` ("cp 30", "mate 1"),
// each after a worse line, and with lines of another rank and bounds after it that must not count.
// From the position after `thinkFrom` moves on it thinks until it is stopped.
QString WriteScoringEngine(const QString& folder, const QStringList& scores, int thinkFrom = 1000)
{
    const QString path = QDir(folder).filePath("Scorer");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\n"
                              "n=0\n"
                              "while read -r line; do\n"
                              "  case \"$line\" in\n"
                              "    uci) echo 'id name Scorer'; echo uciok ;;\n"
                              "    isready) echo readyok ;;\n"
                              "    position*) set -- $line; n=$(( $# > 8 ? $# - 9 : 0 )) ;;\n"
                              "    go*) [ $n -ge %2 ] && continue\n"
                              "      s=$(echo '%1' | cut -d, -f$((n + 1)))\n"
                              "      echo 'info depth 1 score cp 1 pv e2e4'\n"
                              "      echo \"info depth 2 score $s pv e2e4\"\n"
                              "      echo 'info depth 2 multipv 2 score cp -999 pv d2d4'\n"
                              "      echo 'info depth 3 score cp 777 lowerbound pv e2e4'\n"
                              "      echo bestmove e2e4 ;;\n"
                              "    stop) echo bestmove e2e4 ;;\n"
                              "    quit) exit 0 ;;\n"
                              "  esac\n"
                              "done\n")
                   .arg(scores.join(','))
                   .arg(thinkFrom)
                   .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

bool ProcessGone(qint64 pid) { return pid > 0 && kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH; }

Evaluation Cp(int centipawns) { return { centipawns, std::nullopt }; }
Evaluation Mate(int moves) { return { 0, moves }; }

} // namespace

TEST(GameAnalysis, ScoresEveryPositionInWhitesViewAndMarksTheMovesThatLoseMuch)
{
    QTemporaryDir dir;
    // From the side to move: White, Black, White, ... The last position is mate and not searched.
    const QString program = WriteScoringEngine(
        dir.path(), { "cp 30", "cp -35", "cp 40", "cp -20", "cp 150", "cp 200", "mate 1", "cp -5000" });
    TGameAnalysis analysis;
    QSignalSpy progress(&analysis, &TGameAnalysis::Progress);
    QSignalSpy finished(&analysis, &TGameAnalysis::Finished);
    QSignalSpy failed(&analysis, &TGameAnalysis::Failed);
    analysis.Start(ScholarsMate, { program, {}, {}, std::nullopt });
    ASSERT_TRUE(finished.wait(20000)) << failed.value(0).value(0).toString().toStdString();
    EXPECT_EQ(failed.count(), 0);
    ASSERT_EQ(progress.count(), 8);
    EXPECT_EQ(progress.last(), QVariantList({ 8, 8 }));

    const TEvaluations expected { Cp(30), Cp(35), Cp(40), Cp(20), Cp(150), Cp(-200), Mate(1), MatedEvaluation(false) };
    EXPECT_EQ(analysis.Evaluations(), expected);
    const std::vector<notation::MoveNote> notes = analysis.Notes();
    ASSERT_EQ(notes.size(), 7u);
    // Nc6 gives 1.3 pawns, Qh5 3.5, Nf6 the mate; the mating move loses nothing.
    const std::string marks[] = { "", "", "", "?", "??", "??", "" };
    for (size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].Mark, marks[i]) << "move " << i + 1;
        // The mate on the board is no evaluation a PGN comment can carry.
        EXPECT_EQ(notes[i].Eval, i + 1 < notes.size() ? expected[i + 1] : std::nullopt) << "move " << i + 1;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return analysis.Engine().State() == TUciEngine::TState::Ended; }, 20000));
}

TEST(GameAnalysis, ZugwerkEngineScoresAGameToADepth)
{
    TGameAnalysis analysis;
    QSignalSpy finished(&analysis, &TGameAnalysis::Finished);
    QSignalSpy failed(&analysis, &TGameAnalysis::Failed);
    TUciGo limits;
    limits.Depth = 2;
    analysis.Start(ScholarsMate, { ZUGWERK_ENGINE_PATH, {}, {}, std::nullopt }, limits);
    ASSERT_TRUE(finished.wait(60000)) << failed.value(0).value(0).toString().toStdString();
    const TEvaluations& evaluations = analysis.Evaluations();
    EXPECT_TRUE(std::all_of(evaluations.begin(), evaluations.end(), [](const auto& e) { return e.has_value(); }));
    // Before Qxf7# White has the mate in one.
    EXPECT_EQ(evaluations[6], Mate(1));
}

TEST(GameAnalysis, CancelEndsTheEngineAtOnceWithoutAnotherSignal)
{
    QTemporaryDir dir;
    const QString program = WriteScoringEngine(dir.path(), { "cp 10", "cp 20" }, 2);
    const notation::Game original = ScholarsMate;
    notation::Game game = ScholarsMate;
    TGameAnalysis analysis;
    QSignalSpy progress(&analysis, &TGameAnalysis::Progress);
    QSignalSpy finished(&analysis, &TGameAnalysis::Finished);
    QSignalSpy failed(&analysis, &TGameAnalysis::Failed);
    analysis.Start(game, { program, {}, {}, std::nullopt });
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.count() == 2; }, 20000));
    // The third position's search runs (this engine thinks until stopped).
    ASSERT_EQ(analysis.Engine().SearchesPending(), 1);
    const qint64 pid = analysis.Engine().ProcessId();
    analysis.Cancel();
    EXPECT_FALSE(analysis.Running());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ProcessGone(pid) && analysis.Engine().State() == TUciEngine::TState::Ended; }, 20000));
    EXPECT_EQ(progress.count(), 2);
    EXPECT_EQ(finished.count() + failed.count(), 0);
    EXPECT_EQ(notation::WritePgn(game), notation::WritePgn(original));
    EXPECT_FALSE(analysis.Evaluations()[2].has_value());
}

TEST(GameAnalysis, AnEngineThatDoesNotRunFailsWithItsName)
{
    QTemporaryDir dir;
    const QString quitter = dir.filePath("Quitter");
    QFile file(quitter);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 3\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const struct {
        QString Program;
        const char* Message;
    } cases[] = {
        { quitter, "Quitter ended (exit code 3)" },
        { dir.filePath("Missing"), "Missing could not be started" },
    };
    for (const auto& engine : cases) {
        SCOPED_TRACE(engine.Message);
        TGameAnalysis analysis;
        QSignalSpy failed(&analysis, &TGameAnalysis::Failed);
        QSignalSpy finished(&analysis, &TGameAnalysis::Finished);
        analysis.Start(ScholarsMate, { engine.Program, {}, {}, std::nullopt });
        ASSERT_TRUE(failed.wait(20000));
        EXPECT_TRUE(failed.value(0).value(0).toString().contains(engine.Message))
            << failed.value(0).value(0).toString().toStdString();
        EXPECT_EQ(finished.count(), 0);
        EXPECT_FALSE(analysis.Running());
    }
}

TEST(GameAnalysis, ClampedValuesAndMarks)
{
    // White's view of a reported score, with the side to move.
    const struct {
        std::optional<int> Cp;
        std::optional<int> MateIn;
        bool WhiteToMove;
        Evaluation Expected;
    } views[] = {
        { 35, {}, true, Cp(35) },
        { 35, {}, false, Cp(-35) },
        { {}, 3, false, Mate(-3) },
        { {}, -2, false, Mate(2) },
        { {}, 0, true, MatedEvaluation(true) },
    };
    for (const auto& view : views) {
        TUciInfo info;
        info.ScoreCp = view.Cp;
        info.MateIn = view.MateIn;
        EXPECT_EQ(WhiteView(info, view.WhiteToMove), view.Expected);
    }
    EXPECT_EQ(WhiteView(TUciInfo {}, true), std::nullopt);

    const struct {
        Evaluation Eval;
        double Graph;
    } values[] = {
        { Cp(250), 0.25 },
        { Cp(-1200), -1.0 },
        { Mate(5), 1.0 },
        { Mate(-1), -1.0 },
        { MatedEvaluation(true), -1.0 },
        { MatedEvaluation(false), 1.0 },
    };
    for (const auto& value : values)
        EXPECT_DOUBLE_EQ(GraphValue(value.Eval), value.Graph) << value.Eval.Centipawns;

    const struct {
        Evaluation Before;
        Evaluation After;
        bool WhiteMoved;
        const char* Mark;
    } moves[] = {
        { Cp(2500), Cp(1200), true, "" }, // both beyond the limit
        { Cp(100), Cp(0), true, "" }, // exactly one pawn
        { Cp(100), Cp(-1), true, "?" },
        { Cp(-50), Cp(260), false, "??" },
        { Cp(300), Cp(0), true, "?" }, // exactly three
        { Mate(2), Cp(500), true, "??" },
        { Cp(-300), Mate(1), true, "" },
        { Cp(900), MatedEvaluation(false), true, "" },
        { Mate(-4), MatedEvaluation(true), false, "" },
    };
    for (const auto& move : moves)
        EXPECT_EQ(MoveMark(move.Before, move.After, move.WhiteMoved), move.Mark)
            << move.Before.Centipawns << " to " << move.After.Centipawns;
}

TEST(EvaluationGraph, AClickChoosesTheNearestPosition)
{
    TEvaluationGraph graph;
    graph.setFixedSize(201, 80);
    // 11 positions, 20 pixels apart; unscored ones can be chosen too.
    TEvaluations evaluations(11, Cp(40));
    evaluations[4].reset();
    graph.SetEvaluations(evaluations);
    graph.show();
    QSignalSpy chosen(&graph, &TEvaluationGraph::PositionChosen);
    for (const auto& [x, position] : { std::pair { 0, 0 }, { 9, 0 }, { 11, 1 }, { 83, 4 }, { 195, 10 }, { 200, 10 } }) {
        QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(x, 40));
        ASSERT_FALSE(chosen.isEmpty());
        EXPECT_EQ(chosen.takeFirst().value(0).toInt(), position) << "x " << x;
    }
    EXPECT_EQ(graph.accessibleName(), "Evaluation graph");
}

namespace {

class AnalyseGameInWindow : public WindowTest {
protected:
    QTemporaryDir dir;
};

} // namespace

// The window's Analyse Game: the marks in the move list, the graph and its clicks, the PGN export
// read back; a cancelled run leaves the game and the last result as they were.
TEST_F(AnalyseGameInWindow, MarksTheListFillsTheGraphAndExportsTheNotes)
{
    const QString program
        = WriteScoringEngine(dir.path(), { "cp 30", "cp -35", "cp 40", "cp -20", "cp 150", "cp 200", "cp 900" });
    form->AnalysisPanel->SetEngines({ { "Scorer", { program, {}, {}, std::nullopt } } });
    Play(Board(), "e2e4 e7e5 f1c4 b8c6 d1h5 g8f6");
    const QStringList classic = ListLines();
    form->AnalyseGame1->trigger();
    ASSERT_TRUE(WaitFor([&] { return form->AnalysedGame.has_value(); }));
    EXPECT_FALSE(form->GameAnalysis);
    const QStringList marked = ListLines();
    ASSERT_EQ(marked.size(), 6);
    for (int line = 0; line < 6; ++line)
        EXPECT_EQ(marked[line], classic[line] + QString(line == 3 ? "?" : line >= 4 ? "??" : "")) << line;
    EXPECT_TRUE(form->EvaluationGraph->isVisible());
    // The move-list file and printout keep the record's lines.
    dialogs.FileNames.push_back(dir.filePath("moves.txt"));
    form->Save1->trigger();
    QFile saved(dir.filePath("moves.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(saved.readAll()), classic.join("\r\n") + "\r\n");

    const std::string pgn = notation::WritePgn(form->GameToExport());
    EXPECT_NE(pgn.find("3. Qh5?? {[%eval -2.00]}"), std::string::npos) << pgn;
    EXPECT_EQ(notation::ReadPgn(pgn).at(0).Notes, form->AnalysedGame->Notes);

    // A click on the graph goes to that position; the graph marks where the board is.
    Q_EMIT form->EvaluationGraph->PositionChosen(2);
    EXPECT_EQ(Board().CurrentMove(), 2);
    EXPECT_TRUE(Board().WhiteToMove());
    form->Forward1->trigger();
    EXPECT_TRUE(WaitFor([&] { return form->EvaluationGraph->Current() == 3; }));

    const QString slow = WriteScoringEngine(dir.path(), { "cp 1", "cp 2" }, 1);
    form->AnalysisPanel->SetEngines({ { "Slow", { slow, {}, {}, std::nullopt } } });
    const notation::Game before = *form->AnalysedGame;
    form->AnalyseGame1->trigger();
    ASSERT_TRUE(form->GameAnalysisProgress);
    ASSERT_TRUE(WaitFor([&] { return form->GameAnalysisProgress->value() == 1; }));
    form->GameAnalysisProgress->findChild<QPushButton*>()->click();
    EXPECT_FALSE(form->GameAnalysis);
    EXPECT_EQ(form->StatusText(), "Analysis cancelled.");
    EXPECT_EQ(form->AnalysedGame->Notes, before.Notes);
    EXPECT_EQ(ListLines(), marked);
}
