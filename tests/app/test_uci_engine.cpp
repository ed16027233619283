// External engines as players through real processes: the project's own zugwerk-engine, and
// stand-ins written as shell scripts that crash, hang, send illegal moves or answer late.

#include "app/engine_list.h"
#include "app/engine_player.h"
#include "app/engine_strength.h"
#include "app/game_transfer.h"
#include "app/uci_engine.h"
#include "board/chessbrd.h"
#include "notation/game_notation.h"
#include "tests/app/stand_in_engines.h"

#include <QDir>

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <signal.h>

namespace {

template <typename Condition> bool WaitFor(Condition condition, int timeoutMs = 20000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

bool ProcessGone(qint64 pid) { return pid > 0 && kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH; }

} // namespace

TEST(UciEngine, HandshakeReadsNameAndOptionsThroughCrlfPartialAndGarbageLines)
{
    QTemporaryDir dir;
    // The answer comes in pieces, with CRLF line ends and lines that are no protocol between them.
    const QString handshake
        = QStringLiteral("id name Test Engine\\r\\nid author Someone Else\\r\\nhello there\\n"
                         "option name Hash type spin default 16 min 1 max 33554432\\r\\n"
                         "option name Ponder type check default false\\r\\n"
                         "option name Style type combo default Normal var Solid var Normal var Risky\\n"
                         "option name Debug Log File type string default <empty>\\n"
                         "option name Clear Hash type button\\n"
                         "option name Broken type spin default 3\\n"
                         "option name type check\\n"
                         "uc' ; printf 'iok\\r\\n");
    const QString program = WriteEngine(dir.path(), "engine", handshake, ":");
    TUciEngine engine;
    QSignalSpy ready(&engine, &TUciEngine::Ready);
    engine.Start(program);
    ASSERT_TRUE(WaitFor([&] { return ready.count() == 1; }));
    EXPECT_EQ(engine.Name(), "Test Engine");
    EXPECT_EQ(engine.Author(), "Someone Else");
    using T = TUciOption::TType;
    ASSERT_EQ(engine.Options().size(), 5u);
    const TUciOption* hash = engine.Option("hash");
    ASSERT_TRUE(hash);
    EXPECT_EQ(hash->Type, T::Spin);
    EXPECT_EQ(hash->Default, "16");
    EXPECT_EQ(hash->Max, 33554432);
    EXPECT_EQ(engine.Option("Ponder")->Type, T::Check);
    EXPECT_EQ(engine.Option("Style")->Vars, QStringList({ "Solid", "Normal", "Risky" }));
    EXPECT_EQ(engine.Option("Debug Log File")->Default, "");
    EXPECT_EQ(engine.Option("Clear Hash")->Type, T::Button);
}

TEST(EnginePlayer, ZugwerkEnginePlaysBothSidesAndEndsWithItsPlayer)
{
    TChessBoard board;
    std::vector<qint64> processes;
    QStringList losses;
    {
        TEnginePlayer white(board, true);
        TEnginePlayer black(board, false);
        // White is told the clocks, Black a time per move.
        white.Clock = [] { return TEngineClock { 2000, 2000, 100, 100 }; };
        for (TEnginePlayer* player : { &white, &black }) {
            player->MoveTimeMs = 50;
            player->OnLoses = [&](const QString& message) { losses.append(message); };
            player->Start({ ZUGWERK_ENGINE_PATH, {}, { { "SearchDepth", "2" } }, std::nullopt });
        }
        // Three moves each, every one through the board's Move, so the record is a legal game.
        ASSERT_TRUE(WaitFor([&] { return board.CurrentMove() == 4; }));
        EXPECT_GE(RecordedGame(board).Moves.size(), 6u);
        processes = { white.Engine().ProcessId(), black.Engine().ProcessId() };
        EXPECT_FALSE(ProcessGone(processes[0]) || ProcessGone(processes[1]));
    }
    EXPECT_TRUE(losses.isEmpty()) << losses.join('\n').toStdString();
    EXPECT_TRUE(ProcessGone(processes[0]) && ProcessGone(processes[1]));
}

TEST(EnginePlayer, EnginesThatDoNotStartCrashHangOrMoveIllegallyLoseTheirGameCleanly)
{
    QTemporaryDir dir;
    // Only a hang waits for the grace; the others have a long one, so that a slow machine cannot
    // turn their failure into a hang.
    const struct {
        const char* Name;
        const char* OnGo;
        int Grace;
        const char* Message;
    } cases[] = {
        { "Crasher", "kill -9 $$", 10000, "Crasher crashed: it loses the game" },
        { "Hanger", ":", 300, "Hanger gave no move in time: it loses the game" },
        { "Cheater", "echo bestmove e2e5", 10000, "Cheater sent an illegal move (e2e5): it loses the game" },
        { "Mumbler", "echo bestmove", 300, "Mumbler gave no move in time: it loses the game" },
        { "Missing", nullptr, 300, "/Missing could not be started: " },
    };
    for (const auto& stand : cases) {
        SCOPED_TRACE(stand.Name);
        TChessBoard board;
        TEnginePlayer player(board, true);
        player.MoveTimeMs = 50;
        player.Engine().BestMoveGrace = stand.Grace;
        QStringList losses;
        player.OnLoses = [&](const QString& message) { losses.append(message); };
        const QString program = stand.OnGo ? WriteEngine(dir.path(), stand.Name, Handshake(stand.Name), stand.OnGo)
                                           : dir.filePath(stand.Name);
        player.Start({ program, {}, {}, std::nullopt });
        ASSERT_TRUE(WaitFor([&] { return !losses.isEmpty(); }));
        ASSERT_EQ(losses.size(), 1);
        EXPECT_TRUE(losses[0].contains(stand.Message) && losses[0].endsWith(": it loses the game"))
            << losses[0].toStdString();
        EXPECT_TRUE(WaitFor([&] { return player.Engine().State() == TUciEngine::TState::Ended; }));
        EXPECT_TRUE(board.WhiteToMove());
        EXPECT_EQ(board.CurrentMove(), 1);
    }
}

TEST(EnginePlayer, AnAnswerToAPositionNoLongerOnTheBoardIsDropped)
{
    QTemporaryDir dir;
    // It thinks until it is stopped, then answers with a move that is legal after 1.d4 too.
    const QString program = WriteEngine(dir.path(), "late", Handshake("Late"), ":", "echo bestmove c7c5");
    TChessBoard board;
    {
        TEnginePlayer black(board, false);
        QStringList losses;
        black.OnLoses = [&](const QString& message) { losses.append(message); };
        black.Start({ program, {}, {}, std::nullopt });
        ASSERT_TRUE(WaitFor([&] { return black.Ready(); }));
        ASSERT_TRUE(board.Move(Square::E2, Square::E4));
        ASSERT_TRUE(WaitFor([&] { return black.Thinking(); }));
        // Back, and another first move: the engine is stopped and asked again.
        ASSERT_TRUE(board.MoveBackward());
        ASSERT_TRUE(board.Move(Square::D2, Square::D4));
        ASSERT_TRUE(WaitFor([&] { return black.Engine().DroppedAnswers() == 1; }));
        EXPECT_TRUE(black.Thinking());
        EXPECT_TRUE(losses.isEmpty());
        EXPECT_FALSE(board.WhiteToMove());
        EXPECT_EQ(RecordedGame(board).Moves.size(), 1u);
    }
    // Told to quit as its player went, not merely killed.
    EXPECT_TRUE(QFile::exists(program + ".quit"));
}

TEST(EnginePlayer, DoesNotPlayInAFinishedGameNorWhileTheBoardShowsAnEarlierPosition)
{
    QTemporaryDir dir;
    const QString program = WriteEngine(dir.path(), "eager", Handshake("Eager"), "echo bestmove 0000");
    const struct {
        const char* Situation;
        std::vector<std::pair<Square, Square>> Moves;
        bool Back;
        bool GameOver;
    } cases[] = {
        { "mated",
            { { Square::F2, Square::F3 }, { Square::E7, Square::E5 }, { Square::G2, Square::G4 },
                { Square::D8, Square::H4 } },
            false, false },
        { "reviewing", { { Square::E2, Square::E4 }, { Square::E7, Square::E5 } }, true, false },
        { "game over", {}, false, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Situation);
        TChessBoard board;
        for (const auto& [from, to] : c.Moves)
            ASSERT_TRUE(board.Move(from, to));
        if (c.Back) {
            ASSERT_TRUE(board.MoveBackward() && board.MoveBackward());
        }
        board.set_GameOver(c.GameOver);
        TEnginePlayer white(board, true);
        white.Start({ program, {}, {}, std::nullopt });
        ASSERT_TRUE(WaitFor([&] { return white.Ready(); }));
        white.Update();
        EXPECT_FALSE(white.Thinking());
    }
}

TEST(EngineList, AddsEnginesByPathAfterTheirHandshakeAndRefusesOtherPrograms)
{
    QTemporaryDir dir;
    QFile plain(dir.filePath("notes.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    TEngineList list;
    QSignalSpy added(&list, &TEngineList::Added);
    QSignalSpy refused(&list, &TEngineList::Refused);
    list.Add(ZUGWERK_ENGINE_PATH);
    ASSERT_TRUE(WaitFor([&] { return added.count() == 1; }));
    ASSERT_EQ(list.Engines().size(), 1u);
    const TEngineEntry& entry = list.Engines()[0];
    EXPECT_EQ(entry.Name, "Zugwerk! 2.0");
    EXPECT_FALSE(entry.Found);
    ASSERT_EQ(entry.Options.size(), 3u);
    EXPECT_EQ(entry.Options[0].Name, "SearchDepth");

    // cat answers every line with itself, never with uciok: it is refused after the timeout.
    const struct {
        QString Program;
        int Timeout;
        const char* Reason;
    } refusals[] = {
        { "/bin/true", 10000,
            "is not usable as a UCI engine: true ended (exit code 0) before it finished the UCI handshake" },
        { "/bin/cat", 300, "is not usable as a UCI engine: cat gave no answer to the UCI handshake within 300 ms" },
        { dir.filePath("missing"), 0, "does not exist" },
        { dir.filePath("notes.txt"), 0, "is not executable" },
        { ZUGWERK_ENGINE_PATH, 0, "is listed already" },
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.Program.toStdString());
        list.HandshakeTimeout = refusal.Timeout;
        refused.clear();
        list.Add(refusal.Program);
        ASSERT_TRUE(WaitFor([&] { return refused.count() == 1; }));
        EXPECT_EQ(refused[0][0].toString(), refusal.Program);
        EXPECT_TRUE(refused[0][1].toString().contains(refusal.Reason)) << refused[0][1].toString().toStdString();
    }
    EXPECT_EQ(list.Engines().size(), 1u);
}

TEST(EngineList, FindsOnlyKnownEngineNamesAndRemembersTheAddedOnesWithArguments)
{
    QTemporaryDir dir;
    const QString bin = dir.filePath("bin");
    QDir(dir.path()).mkdir("bin");
    WriteEngine(bin, "stockfish", Handshake("Fake Stockfish"), ":");
    // A program of another name is never run, whatever it is.
    WriteEngine(bin, "other", QStringLiteral("' ; touch %1 ; printf '").arg(dir.filePath("ran")), ":");
    // An engine behind a wrapper that names it through its arguments, as polyglot does.
    const QString wrapper = WriteEngine(dir.path(), "wrapper", "id name Wrapped '\"$2\"'\\nuciok\\n", ":");

    TEngineList list;
    QSignalSpy finished(&list, &TEngineList::DiscoveryFinished);
    list.Discover({ { dir.filePath("missing"), bin }, dir.path() });
    ASSERT_TRUE(WaitFor([&] { return finished.count() == 1; }));
    ASSERT_EQ(list.Engines().size(), 1u);
    EXPECT_EQ(list.Engines()[0].Name, "Fake Stockfish");
    EXPECT_TRUE(list.Engines()[0].Found);
    EXPECT_FALSE(QFile::exists(dir.filePath("ran")));

    QSignalSpy added(&list, &TEngineList::Added);
    list.Add(wrapper, { "-ini", "crafty.ini" });
    ASSERT_TRUE(WaitFor([&] { return added.count() == 1; }));
    EXPECT_EQ(list.Engines()[1].Name, "Wrapped crafty.ini");
    {
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        list.Save(settings);
    }
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    TEngineList loaded;
    QSignalSpy loadedAdded(&loaded, &TEngineList::Added);
    loaded.Load(settings);
    ASSERT_TRUE(WaitFor([&] { return loadedAdded.count() == 1 && !loaded.Busy(); }));
    ASSERT_EQ(loaded.Engines().size(), 1u);
    EXPECT_EQ(loaded.Engines()[0].Name, "Wrapped crafty.ini");
    EXPECT_EQ(loaded.Engines()[0].Arguments, QStringList({ "-ini", "crafty.ini" }));
}

TEST(EngineStrength, LimitsThroughUciEloElseSkillLevel)
{
    using T = TUciOption::TType;
    const TUciOption limit { "UCI_LimitStrength", T::Check, "false", 0, 0, {} };
    const TUciOption elo { "UCI_Elo", T::Spin, "1350", 1350, 2850, {} };
    const TUciOption skill { "Skill Level", T::Spin, "20", 0, 20, {} };
    using Settings = std::vector<std::pair<QString, QString>>;
    const struct {
        std::vector<TUciOption> Options;
        std::optional<int> Strength;
        Settings Expected;
    } cases[] = {
        { { skill, limit, elo }, 1500, { { "UCI_LimitStrength", "true" }, { "UCI_Elo", "1500" } } },
        { { limit, elo }, 900, { { "UCI_LimitStrength", "true" }, { "UCI_Elo", "1350" } } },
        { { limit, elo }, std::nullopt, { { "UCI_LimitStrength", "false" } } },
        { { elo, skill }, 5, { { "Skill Level", "5" } } },
        { { skill }, std::nullopt, { { "Skill Level", "20" } } },
        { { elo }, 1500, {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrengthSettings(StrengthControlOf(c.Options), c.Strength), c.Expected);
}

// Info lines as engines write them: scores in centipawns or mates, bounds, several lines; what
// carries no score and line, or a number that is none, reads as nothing.
TEST(UciInfo, ReadsDepthScoreAndLineAndIgnoresTheRest)
{
    const std::optional<TUciInfo> line = ParseUciInfo(
        "info depth 12 seldepth 18 multipv 2 score cp -35 upperbound nodes 123456 nps 900000 time 137 pv e7e5 g1f3");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Depth, 12);
    EXPECT_EQ(line->SelDepth, 18);
    EXPECT_EQ(line->MultiPv, 2);
    EXPECT_EQ(line->ScoreCp, -35);
    EXPECT_TRUE(line->UpperBound);
    EXPECT_EQ(line->Nodes, 123456);
    EXPECT_EQ(line->Pv, (QStringList { "e7e5", "g1f3" }));
    const std::optional<TUciInfo> mate = ParseUciInfo("info depth 3 score mate -2 pv h7h8");
    ASSERT_TRUE(mate);
    EXPECT_EQ(mate->MateIn, -2);
    EXPECT_EQ(mate->MultiPv, 1);
    for (const char* none : { "info depth 5 currmove e2e4 currmovenumber 1", "info string depth 3 score cp 1 pv e2e4",
             "info depth x score cp 10 pv e2e4", "info depth 4 score cp pv e2e4", "info depth 4 score cp 10 pv",
             "info depth 4 multipv 0 score cp 10 pv e2e4", "bestmove e2e4" })
        EXPECT_FALSE(ParseUciInfo(none)) << none;
}

// The project's engine asked for two lines reports both ranks through the Info signal.
TEST(UciInfo, TheEngineReportsItsLinesWhileItSearches)
{
    TUciEngine engine;
    QList<TUciInfo> infos;
    QObject::connect(&engine, &TUciEngine::Info, [&](int, const TUciInfo& info) { infos.append(info); });
    engine.Start(ZUGWERK_ENGINE_PATH);
    ASSERT_TRUE(WaitFor([&] { return engine.IsReady(); }));
    engine.SetOption("MultiPV", "2");
    QStringList answers;
    QObject::connect(&engine, &TUciEngine::BestMove, [&](int, const QString& move) { answers.append(move); });
    TUciGo limits;
    limits.MoveTimeMs = 300;
    engine.Go("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {}, limits, true);
    ASSERT_TRUE(WaitFor([&] { return !answers.isEmpty(); }));
    ASSERT_FALSE(infos.isEmpty());
    EXPECT_TRUE(std::any_of(infos.begin(), infos.end(), [](const TUciInfo& i) { return i.MultiPv == 2; }));
    EXPECT_TRUE(std::all_of(infos.begin(), infos.end(), [](const TUciInfo& i) { return !i.Pv.isEmpty(); }));
}

// An analysis search has no deadline: it runs past any grace until it is stopped, and its answer is
// then dropped.
TEST(UciEngine, AnInfiniteSearchRunsUntilStopped)
{
    TUciEngine engine;
    engine.BestMoveGrace = 20;
    int deepest = 0;
    bool failed = false;
    bool answered = false;
    QObject::connect(
        &engine, &TUciEngine::Info, [&](int, const TUciInfo& info) { deepest = std::max(deepest, info.Depth); });
    QObject::connect(&engine, &TUciEngine::Failed, [&] { failed = true; });
    QObject::connect(&engine, &TUciEngine::BestMove, [&] { answered = true; });
    engine.Start(ZUGWERK_ENGINE_PATH);
    ASSERT_TRUE(WaitFor([&] { return engine.IsReady(); }));
    TUciGo limits;
    limits.Infinite = true;
    limits.MoveTimeMs = 0;
    engine.Go("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {}, limits, true);
    ASSERT_TRUE(WaitFor([&] { return deepest >= 7 || failed; }));
    EXPECT_FALSE(failed);
    EXPECT_FALSE(answered);
    engine.Stop();
    ASSERT_TRUE(WaitFor([&] { return engine.DroppedAnswers() == 1; }));
    EXPECT_FALSE(answered);
    EXPECT_FALSE(failed);
}
