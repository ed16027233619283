// The computer player through the board alone: a real engine thread searches and hands its moves
// back on the main thread, while the tests play the part of the event loop.

#include "engine/bench.h"
#include "engine/chess_thread.h"
#include "tests/board/board_test_support.h"
#include "tests/bounded_waits.h"
#include "tests/test_application.h"

#include <QCoreApplication>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using namespace std::chrono_literals;

// Runs the event loop until the condition holds; false after the timeout.
template <typename Condition> bool WaitFor(Condition condition, int timeoutMs = 60000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

// Delivers one event to the board, as any message from the window system would.
void Nudge(TChessBoard& board)
{
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&board, &event);
}

struct EngineBoard {
    std::unique_ptr<TChessBoard> board = std::make_unique<TChessBoard>();
    int messages = 0;
    EventLog log;
    EngineBoard()
    {
        board->EngineMessageBox = [this](const QString& caption, const QString& text) {
            EXPECT_EQ(caption, "Error");
            EXPECT_EQ(text, "Engine tried to perform Illegal Move");
            ++messages;
        };
        log.Attach(*board);
    }
};

// A middlegame in which a deep search takes far longer than any test waits.
const char* const Middlegame = "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP1B1PPP/R2QKB1R";

// Waits until the engine thread has taken up its `count`-th search since it started: that search is
// then running, not about to start, until it ends.
bool WaitForSearch(const ChessThread& thread, unsigned count)
{
    return WaitUntil([&] { return thread.SearchesStarted() >= count; });
}
bool WaitForSearch(const TChessBoard& board, unsigned count) { return WaitForSearch(*board.EngineThread(), count); }

// Waits until the engine thread has posted its `count`-th hand-off: that search has completed and
// its move waits in the main thread's queue.
bool WaitForHandOff(const ChessThread& thread, unsigned count)
{
    return WaitUntil([&] { return thread.HandOffsPosted() >= count; });
}

TEST(ComputerPlayer, AnswersAHumanMoveWithALegalMove)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    board.set_SearchDepth(2);
    board.set_ComputerPlaysBlack(true);
    ASSERT_TRUE(board.Move(Square::E2, Square::E4));
    EXPECT_TRUE(board.Thinking());
    EXPECT_FALSE(board.MoveIsLegal(Square::D2, Square::D4)) << "human input is locked while the engine thinks";
    ASSERT_TRUE(WaitFor([&] { return !board.Thinking() && board.WhiteToMove(); }));
    ASSERT_EQ(e.log.events.size(), 2u);
    EXPECT_EQ(e.log.events[0], "LegalMove e2e4");
    EXPECT_EQ(e.log.events[1].rfind("LegalMove ", 0), 0u);
    EXPECT_EQ(board.GetMoveList().size(), 2u);
    EXPECT_EQ(board.CurrentMove(), 2);
    EXPECT_EQ(e.messages, 0);
    // The engine has answered; with White human it stays idle.
    Nudge(board);
    EXPECT_FALSE(board.Thinking());
}

TEST(ComputerPlayer, PlaysWholeGamesAgainstItself)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    int gamesEnded = 0;
    std::vector<int> gameLengths;
    // As the main window does: a finished game is followed by a new one, from the handler itself.
    auto endGame = [&] {
        ++gamesEnded;
        gameLengths.push_back(static_cast<int>(board.GetMoveList().size()));
        board.NewGame();
    };
    board.OnMate = board.OnStaleMate = [&](QObject*, Square, Square) { endGame(); };
    board.OnOnlyTwoKingsLeft = board.OnThreefoldPosition = [&](QObject*) { endGame(); };
    board.set_SearchDepth(1);
    board.set_ComputerPlaysWhite(true);
    board.set_ComputerPlaysBlack(true);
    Nudge(board); // the first event starts White's engine
    EXPECT_TRUE(board.Thinking());
    ASSERT_TRUE(WaitFor([&] { return gamesEnded >= 2; }, 120000)) << "moves so far: " << board.GetMoveList().size();
    EXPECT_EQ(e.messages, 0);
    for (int length : gameLengths)
        EXPECT_GT(length, 0);
    board.set_ComputerPlaysWhite(false);
    board.set_ComputerPlaysBlack(false);
    EXPECT_FALSE(board.Thinking());
}

TEST(ComputerPlayer, MoveNowPlaysForTheHumanSide)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    board.set_SearchDepth(1);
    ASSERT_TRUE(board.MoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
    EXPECT_FALSE(board.Thinking());
    EXPECT_EQ(board.GetMoveList().size(), 1u);
    // Nobody plays Black by computer: nothing more happens.
    Nudge(board);
    EXPECT_FALSE(board.Thinking());

    // Without a legal move there is nothing to search.
    Arrange(board, "7k/8/6QK/8/8/8/8/8", false);
    EXPECT_FALSE(board.MoveNow());
    EXPECT_FALSE(board.Thinking());
}

TEST(ComputerPlayer, CancelStopsWithoutAMoveAndTheEngineRestartsWhenDue)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    Arrange(board, Middlegame, true);
    board.set_SearchDepth(10);
    // Nothing requested: returns at once.
    board.CancelThinking();
    EXPECT_FALSE(board.Thinking());

    board.set_ComputerPlaysWhite(true);
    Nudge(board);
    ASSERT_TRUE(board.Thinking());
    // Cancelled while it searches.
    ASSERT_TRUE(WaitForSearch(board, 1));
    board.CancelThinking();
    EXPECT_FALSE(board.Thinking());
    QCoreApplication::processEvents();
    EXPECT_TRUE(e.log.events.empty());
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.Position(), Placement(Middlegame));

    // The computer still plays White: the next event starts a new search.
    Nudge(board);
    EXPECT_TRUE(board.Thinking());
    // MoveNow during a search restarts it; switching White to human stops it for good.
    EXPECT_TRUE(board.MoveNow());
    EXPECT_TRUE(board.Thinking());
    board.set_ComputerPlaysWhite(false);
    EXPECT_FALSE(board.Thinking());
    Nudge(board);
    EXPECT_FALSE(board.Thinking());
    EXPECT_TRUE(e.log.events.empty());
}

TEST(ComputerPlayer, CancelEndsASearchLostInCapturesAtOnce)
{
    // After any move here the captures and promotions alone take minutes to search.
    EngineBoard e;
    TChessBoard& board = *e.board;
    const std::string fen = engine::QuiescenceStormFen;
    Arrange(board, fen.substr(0, fen.find(' ')), true);
    ASSERT_TRUE(board.MoveNow());
    // Cancelled while it searches, after 20 ms of work: deep in the captures by then.
    ASSERT_TRUE(WaitForSearch(board, 1));
    EXPECT_TRUE(WaitForOtherThreadsToWork(20ms));
    {
        const Watchdog watchdog(5s, "CancelThinking");
        board.CancelThinking();
    }
    EXPECT_FALSE(board.Thinking());
    QCoreApplication::processEvents();
    EXPECT_TRUE(e.log.events.empty());
}

TEST(ComputerPlayer, LoweringTheDepthWhileThinkingEndsTheSearchWithAMove)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    Arrange(board, Middlegame, true);
    board.set_SearchDepth(10);
    ASSERT_TRUE(board.MoveNow());
    // Lowered while it searches.
    ASSERT_TRUE(WaitForSearch(board, 1));
    board.set_SearchDepth(1);
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
    EXPECT_FALSE(board.Thinking());
    EXPECT_EQ(board.GetMoveList().size(), 1u);
    EXPECT_EQ(e.log.events.at(0).rfind("LegalMove ", 0), 0u);
}

TEST(ComputerPlayer, WritersThatChangeThePositionCancelFirst)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    Arrange(board, Middlegame, true);
    board.set_SearchDepth(10);
    // Each writer meets a running search.
    unsigned searches = 0;
    const auto thinkThen = [&](auto change) {
        ASSERT_TRUE(board.MoveNow());
        ASSERT_TRUE(WaitForSearch(board, ++searches));
        change();
        EXPECT_FALSE(board.Thinking());
    };
    thinkThen([&] { board.set_PosStr(Placement(Middlegame)); });
    thinkThen([&] { board.set_EnPassant(Square::E6); });
    thinkThen([&] { board.set_CastlingAllowed(CastlingSet()); });
    thinkThen([&] { board.set_WhiteToMove(true); });
    thinkThen([&] { board.NewGame(); });
    thinkThen([&] { board.DoPromotion(Square::A8); });
    thinkThen([&] {
        Play(board, "");
        board.GotoMove(1, true);
    });
    QCoreApplication::processEvents();
    EXPECT_TRUE(e.log.events.empty());
}

TEST(ComputerPlayer, ACompletedSearchWhoseHandOffIsPendingIsDiscardedByCancel)
{
    // The engine thread with a stand-in board whose main thread keeps the posted hand-off in hand,
    // so that the search has certainly completed when the cancel comes.
    std::atomic<bool> thinking { false };
    const std::atomic<int> depth { 1 };
    std::mutex mutex;
    std::condition_variable posted;
    std::function<void()> handOff;
    int movesMade = 0;
    const engine::RootPosition start = TChessBoard(nullptr, TChessBoard::Mode::Designer).PositionForEngine();
    ChessThread thread({
        thinking,
        depth,
        [&](std::function<void()> call) {
            std::lock_guard lock(mutex);
            handOff = std::move(call);
            posted.notify_all();
        },
        [&](int, int) { return ++movesMade, true; },
        [] { ADD_FAILURE() << "no move was refused"; },
    });
    thread.Start();
    const auto searchAndWaitForHandOff = [&] {
        std::unique_lock lock(mutex);
        handOff = nullptr;
        thinking.store(true);
        thread.ThinkingRequested(start);
        return posted.wait_for(lock, 60s, [&] { return handOff != nullptr; });
    };

    ASSERT_TRUE(searchAndWaitForHandOff());
    thread.CancelThinking();
    EXPECT_FALSE(thinking.load());
    handOff();
    EXPECT_EQ(movesMade, 0) << "a discarded hand-off makes no move";

    // The thread is idle again and takes the next request.
    ASSERT_TRUE(searchAndWaitForHandOff());
    handOff();
    EXPECT_EQ(movesMade, 1);
    EXPECT_FALSE(thinking.load());
    thread.Terminate();
    thread.WaitFor();
}

// An engine thread for a board, linked to it as the board links its own, with the flags in the
// test's hands so that the thread's own calls can be driven directly. The test starts it.
struct EngineThreadOf {
    std::atomic<bool> thinking { false };
    std::atomic<int> depth;
    ChessThread thread;
    const TChessBoard& board;

    EngineThreadOf(TChessBoard& board, int searchDepth)
        : depth(searchDepth)
        , thread({
              thinking,
              depth,
              [&board](std::function<void()> call) {
                  QMetaObject::invokeMethod(&board, std::move(call), Qt::QueuedConnection);
              },
              [&board](int from, int to) { return board.Move(SquareAt(from), SquareAt(to)); },
              [] { ADD_FAILURE() << "the board refused the engine's move"; },
          })
        , board(board)
    {
    }
    ~EngineThreadOf()
    {
        thread.CancelThinking();
        thread.Terminate();
        thread.WaitFor();
    }
    void RequestSearch()
    {
        thinking.store(true);
        thread.ThinkingRequested(board.PositionForEngine());
    }
};

TEST(ComputerPlayer, PlayBestMoveNowEndsTheSearchWithItsMoveSoFar)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Arrange(board, Middlegame, true);
    EngineThreadOf engine(board, 1);
    EXPECT_FALSE(engine.thread.PlayBestMoveNow()) << "nothing to play while idle";

    // A request the thread has not taken up yet has nothing to play; the search it then makes
    // hands off its move as usual.
    engine.RequestSearch();
    EXPECT_FALSE(engine.thread.PlayBestMoveNow());
    engine.thread.Start();
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }, 5000));
    EXPECT_EQ(board.GetMoveList().size(), 1u);

    // A depth-10 search would run for minutes; the call ends it while it searches, and its move
    // arrives as any other (the board accepts only a legal one).
    Arrange(board, Middlegame, true);
    engine.depth = 10;
    engine.RequestSearch();
    ASSERT_TRUE(WaitForSearch(engine.thread, 2));
    ASSERT_TRUE(engine.thread.PlayBestMoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }, 5000));
    EXPECT_FALSE(engine.thinking.load());
    EXPECT_EQ(board.GetMoveList().size(), 1u);

    // A plain cancel while it searches still ends the next search without a move.
    engine.RequestSearch();
    ASSERT_TRUE(WaitForSearch(engine.thread, 3));
    engine.thread.CancelThinking();
    QCoreApplication::processEvents();
    EXPECT_FALSE(engine.thinking.load());
    EXPECT_EQ(board.GetMoveList().size(), 1u);

    // A search that has completed, its hand-off waiting in the queue, has nothing more to play:
    // its own move arrives, once.
    Arrange(board, Middlegame, true);
    engine.depth = 1;
    engine.RequestSearch();
    ASSERT_TRUE(WaitForHandOff(engine.thread, 3));
    EXPECT_FALSE(engine.thread.PlayBestMoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(board.GetMoveList().size(), 1u);
    EXPECT_FALSE(engine.thinking.load());
}

TEST(ComputerPlayer, GoesOnPlayingAfterAHandlerThrowsDuringItsMove)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    board.set_SearchDepth(1);
    board.set_ComputerPlaysBlack(true);
    // A handler fails on the engine's move; later, the game-end handler fails on its mate.
    board.OnLegalMove = [&](QObject*, Square, Square) {
        if (board.WhiteToMove())
            throw std::runtime_error("move list full");
    };
    board.OnMate = [](QObject*, Square, Square) { throw std::runtime_error("no room for the result"); };
    TestDialogs().Clear();

    ASSERT_TRUE(board.Move(Square::F2, Square::F3));
    ASSERT_TRUE(WaitFor([&] { return board.WhiteToMove() && !board.Thinking(); }, 20000));
    EXPECT_EQ(TestDialogs().Texts(), std::vector<QString> { "move list full." });
    EXPECT_EQ(board.GetMoveList().size(), 2u);
    EXPECT_EQ(std::string(board.GetMove(2, true).PosStr + 1), board.Position());

    // The engine answers the next human move, and mates when it can (1. f3 e5 2. g4 Qh4#).
    board.OnLegalMove = nullptr;
    board.set_ComputerPlaysBlack(false);
    ASSERT_TRUE(board.GotoMove(1, false));
    Play(board, "e7e5");
    board.set_ComputerPlaysBlack(true);
    board.set_SearchDepth(2);
    ASSERT_TRUE(board.Move(Square::G2, Square::G4));
    ASSERT_TRUE(WaitFor([&] { return board.WhiteToMove() && !board.Thinking(); }, 20000));
    EXPECT_EQ(board.GetMove(2, false).newSq, Square::H4);
    EXPECT_FALSE(board.LegalMoveAvailable());
    EXPECT_EQ(TestDialogs().Texts(), (std::vector<QString> { "move list full.", "no room for the result." }));
}

TEST(ComputerPlayer, DestroyingAThinkingBoardIsSafe)
{
    {
        EngineBoard e;
        Arrange(*e.board, Middlegame, true);
        e.board->set_SearchDepth(10);
        ASSERT_TRUE(e.board->MoveNow());
        ASSERT_TRUE(WaitForSearch(*e.board, 1));
        e.board.reset();
    }
    {
        // The search has finished and its hand-off is queued for a board that is then destroyed.
        EngineBoard e;
        e.board->set_SearchDepth(1);
        ASSERT_TRUE(e.board->MoveNow());
        ASSERT_TRUE(WaitForHandOff(*e.board->EngineThread(), 1));
        e.board.reset();
        QCoreApplication::processEvents();
        EXPECT_TRUE(e.log.events.empty());
    }
    {
        // An idle board goes away at once, as does a board built for a form designer.
        TChessBoard idle;
        TChessBoard designed(nullptr, TChessBoard::Mode::Designer);
    }
}

TEST(ComputerPlayer, ARefusedEngineMoveIsReportedOnceAndNotRetried)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    // The record has no room for Black's 255th move, which the engine knows nothing of.
    Arrange(board, "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R", true, CastlingSet(), Square::None, 200);
    PlayUntil(board, 255, false);
    const std::string before = board.Position();
    e.log.Clear();
    board.set_SearchDepth(1);
    board.set_ComputerPlaysBlack(true);
    Nudge(board);
    ASSERT_TRUE(WaitFor([&] { return e.messages > 0 && !board.Thinking(); }));
    for (int i = 0; i < 20; ++i) {
        Nudge(board);
        QCoreApplication::processEvents();
    }
    // No nudge asked the engine again: nothing is requested, and it has searched once.
    EXPECT_FALSE(board.Thinking());
    EXPECT_EQ(board.EngineThread()->SearchesStarted(), 1u);
    EXPECT_EQ(e.messages, 1);
    EXPECT_EQ(board.Position(), before);
    EXPECT_TRUE(e.log.events.empty());

    // A change of the player settings lets the engine try again.
    board.set_ComputerPlaysBlack(true);
    Nudge(board);
    ASSERT_TRUE(WaitFor([&] { return e.messages == 2 && !board.Thinking(); }));
    // Going back a move is a new situation: asked to move there, White's engine move is accepted.
    board.set_ComputerPlaysBlack(false);
    ASSERT_TRUE(board.MoveBackward());
    board.set_ComputerPlaysWhite(true);
    ASSERT_TRUE(board.MoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove() && !board.Thinking(); }));
    EXPECT_EQ(e.messages, 2);
}

// The nice values of this process's threads, from /proc.
std::vector<int> ThreadNiceValues()
{
    std::vector<int> values;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream stat(task.path() / "stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // The fields after the command name in parentheses: state is field 3, nice field 19.
        std::istringstream fields(text.substr(text.rfind(')') + 1));
        std::string field;
        for (int i = 3; i <= 19 && fields >> field; ++i)
            if (i == 19)
                values.push_back(std::stoi(field));
    }
    return values;
}

TEST(ComputerPlayer, PriorityIsClampedAndGivenToTheEngineThread)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    board.set_ThinkingPriority(tpTimeCritical);
    EXPECT_EQ(board.ThinkingPriority(), tpNormal);
    board.set_ThinkingPriority(tpLowest);
    board.set_SearchDepth(1);
    ASSERT_TRUE(board.MoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
    // The engine thread runs below the main thread, which keeps the process's level.
    const int mainNice = getpriority(PRIO_PROCESS, 0);
    const std::vector<int> nice = ThreadNiceValues();
    EXPECT_NE(std::find(nice.begin(), nice.end(), std::min(mainNice + 10, 19)), nice.end());
}

// Progress reports: each completed iteration of the running search reaches the board, in order, and
// its end comes just before the move; a report of a search that was cancelled or replaced never does.
TEST(ComputerPlayer, ReportsEachIterationOfTheRunningSearchOnly)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    std::vector<int> depths;
    std::vector<TThinkingProgress> reports;
    board.OnThinkingProgress = [&](QObject*, const TThinkingProgress& progress) {
        depths.push_back(progress.Depth);
        reports.push_back(progress);
    };
    board.OnThinkingEnded = [&](QObject*) { e.log.events.push_back("Ended"); };

    board.set_SearchDepth(3);
    ASSERT_TRUE(board.MoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
    EXPECT_EQ(depths, (std::vector<int> { 1, 2, 3 }));
    ASSERT_EQ(e.log.events.size(), 2u);
    EXPECT_EQ(e.log.events[0], "Ended");
    // The last report names the move that was made.
    EXPECT_EQ(e.log.events[1], "LegalMove " + Name(reports.back().From) + Name(reports.back().To));
    EXPECT_EQ(reports.back().MovesToMate(), 0);

    // Reports posted but not yet delivered when the search is cancelled are dropped...
    depths.clear();
    e.log.Clear();
    Arrange(board, Middlegame, true);
    board.set_SearchDepth(10);
    ASSERT_TRUE(board.MoveNow());
    const ChessThread& thread = *board.EngineThread();
    const unsigned posted = thread.ProgressReportsPosted();
    ASSERT_TRUE(WaitUntil([&] { return thread.ProgressReportsPosted() >= posted + 2; }));
    board.CancelThinking();
    QCoreApplication::processEvents();
    EXPECT_TRUE(depths.empty());
    EXPECT_TRUE(e.log.events.empty()) << "nothing was reported, so nothing ends";

    // ... and so are those of a search that a new one has replaced: only the new search's arrive.
    ASSERT_TRUE(board.MoveNow());
    const unsigned before = thread.ProgressReportsPosted();
    ASSERT_TRUE(WaitUntil([&] { return thread.ProgressReportsPosted() >= before + 2; }));
    Arrange(board, "4k3/8/8/8/8/8/4P3/4K3", true);
    board.set_SearchDepth(2);
    ASSERT_TRUE(board.MoveNow());
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
    EXPECT_EQ(depths, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(e.messages, 0);
}

// While the computer plays both sides its move waits for the pause; Move Now plays it, Stop and New
// Game drop it, and against a human nothing waits.
TEST(ComputerPlayer, PauseHoldsTheMoveWhileItPlaysBothSides)
{
    EngineBoard e;
    TChessBoard& board = *e.board;
    board.set_SearchDepth(1);
    board.set_ComputerPause(400);
    board.set_ComputerPlaysWhite(true);
    board.set_ComputerPlaysBlack(true);
    Nudge(board);
    ASSERT_TRUE(WaitFor([&] { return board.ComputerMoveWaiting(); }));
    EXPECT_FALSE(board.Thinking());
    EXPECT_TRUE(e.log.events.empty()) << "the found move waits";
    EXPECT_FALSE(board.MoveIsLegal(Square::E2, Square::E4)) << "no other move is made meanwhile";
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
    EXPECT_EQ(e.log.events.size(), 1u);

    // Stop drops the waiting move; the computer then thinks again for the same position.
    ASSERT_TRUE(WaitFor([&] { return board.ComputerMoveWaiting(); }));
    const std::string position = board.Position();
    board.CancelThinking();
    EXPECT_FALSE(board.ComputerMoveWaiting());
    EXPECT_EQ(board.Position(), position);
    Nudge(board);

    // New Game drops it: the next move made is White's first, from the start.
    ASSERT_TRUE(WaitFor([&] { return board.ComputerMoveWaiting(); }));
    e.log.Clear();
    board.NewGame();
    EXPECT_FALSE(board.ComputerMoveWaiting());
    Nudge(board);
    ASSERT_TRUE(WaitFor([&] { return !board.WhiteToMove(); }));
    EXPECT_EQ(board.GetMoveList().size(), 1u);

    // Move Now plays the waiting move at once.
    ASSERT_TRUE(WaitFor([&] { return board.ComputerMoveWaiting(); }));
    EXPECT_TRUE(board.ComputerMoveNow());
    EXPECT_EQ(board.GetMoveList().size(), 2u);
    EXPECT_EQ(e.messages, 0);

    // Against a human the computer's move is made as soon as it is handed over.
    board.set_ComputerPlaysWhite(false);
    board.set_ComputerPlaysBlack(false);
    board.NewGame();
    board.set_ComputerPlaysBlack(true);
    const unsigned handOffs = board.EngineThread()->HandOffsPosted();
    ASSERT_TRUE(board.Move(Square::E2, Square::E4));
    ASSERT_TRUE(WaitForHandOff(*board.EngineThread(), handOffs + 1));
    QCoreApplication::processEvents();
    EXPECT_FALSE(board.ComputerMoveWaiting());
    EXPECT_TRUE(board.WhiteToMove());
}

} // namespace
