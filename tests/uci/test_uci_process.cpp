// zugwerk-engine as a chess GUI drives it: a child process behind two pipes, timed from outside.

#include "tests/uci/uci_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <sstream>

namespace uci::test {
namespace {

    // Generous for sanitizer builds on a busy machine; the faults these catch take minutes.
    constexpr milliseconds Prompt { 5000 };

    bool AnyStartsWith(const Lines& lines, std::string_view prefix)
    {
        return std::any_of(
            lines.begin(), lines.end(), [&](const std::string& line) { return StartsWith(line, prefix); });
    }

    using Clock = std::chrono::steady_clock;

    milliseconds Since(Clock::time_point start)
    {
        return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    }

    // The value after `key` in an info line ("nodes", "pv" ...), or "" when it has none.
    std::string InfoValue(const std::string& line, const std::string& key)
    {
        std::istringstream words(line);
        for (std::string word; words >> word;)
            if (word == key && words >> word)
                return word;
        return "";
    }

    bool NamesRootMove(const std::string& line)
    {
        return StartsWith(line, "info depth ") && !InfoValue(line, "currmove").empty();
    }

    // The move of the last line, which must be a bestmove line.
    std::string BestMoveOf(const Lines& lines)
    {
        if (lines.empty() || !StartsWith(lines.back(), "bestmove ")) {
            ADD_FAILURE() << "no bestmove; last line: " << (lines.empty() ? "(none)" : lines.back());
            return "";
        }
        return lines.back().substr(9);
    }

    TEST(UciProcess, StopQuitAndNewCommandsInterruptPerftAndBench)
    {
        struct Case {
            std::vector<const char*> Commands; // sent at once
            const char* Answer; // the start of the line awaited before `quit` is sent; nullptr: quit at once
        };
        const Case cases[] = {
            { { "position startpos", "go perft 8", "stop" }, "info string perft interrupted" },
            { { "position startpos", "go perft 8", "position startpos", "go perft 1" }, "Nodes searched: 20" },
            { { "position startpos", "go perft 8", "go depth 1" }, "bestmove " },
            { { "position startpos", "go perft 8" }, nullptr },
            { { "bench", "position startpos", "go depth 1" }, "bestmove " },
            { { "bench" }, nullptr },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Commands.back());
            UciProcess engine;
            for (const char* command : c.Commands)
                engine.Send(command);
            Lines lines;
            if (c.Answer != nullptr) {
                lines = engine.ReadUntil(c.Answer, Prompt);
                ASSERT_FALSE(lines.empty());
                EXPECT_TRUE(StartsWith(lines.back(), c.Answer)) << lines.back();
            }
            engine.Send("quit");
            ASSERT_TRUE(engine.WaitForExit(Prompt, &lines));
            // A bench cut short never claims to have measured the whole suite.
            EXPECT_FALSE(AnyStartsWith(lines, "Total:"));
        }
    }

    // This test and the next hold the engine to the wall clock; the ThreadSanitizer run leaves them
    // out (Makefile, WALL_CLOCK_TESTS).
    TEST(UciProcess, MoveTimeIsUsedAndNotExceeded)
    {
        UciProcess engine;
        engine.Send("position startpos");
        const Clock::time_point start = Clock::now();
        engine.Send("go movetime 300");
        const Lines lines = engine.ReadUntil("bestmove", Prompt);
        const milliseconds took = Since(start);
        EXPECT_NE(BestMoveOf(lines), "0000");
        // The whole time but the overhead kept back for the pipes (30 ms by default).
        EXPECT_GE(took.count(), 200);
        EXPECT_LE(took.count(), 300 + 500);
    }

    TEST(UciProcess, AGameOnTheClockIsNeverLostOnTime)
    {
        // The shares of the clock scale with it, so two seconds a side play a one-minute game thirty
        // times faster; only the delays of the pipes weigh more. Both sides are the engine.
        constexpr std::int64_t StartClock = 2000;
        std::int64_t clock[2] = { StartClock, StartClock };
        std::string moves;
        UciProcess engine;
        for (int ply = 0; ply < 60; ++ply) {
            const int side = ply % 2;
            engine.Send("position startpos" + (moves.empty() ? "" : " moves" + moves));
            const Clock::time_point start = Clock::now();
            engine.Send("go wtime " + std::to_string(clock[0]) + " btime " + std::to_string(clock[1]));
            const std::string move = BestMoveOf(engine.ReadUntil("bestmove", Prompt));
            const std::int64_t took = Since(start).count();
            ASSERT_LT(took, clock[side]) << "lost on time at ply " << ply;
            clock[side] -= took;
            if (move.empty() || move == "0000")
                break;
            moves += " " + move;
        }
        // Nor a few milliseconds a move: after thirty moves each side has used a fair part of its clock.
        for (const std::int64_t left : clock)
            EXPECT_LT(left, StartClock * 4 / 5);
    }

    TEST(UciProcess, InfiniteAndPonderSearchesAnswerOnlyWhenReleased)
    {
        struct Case {
            const char* Go;
            const char* Release;
        };
        for (const Case c : { Case { "go infinite", "stop" }, Case { "go ponder", "ponderhit" } }) {
            SCOPED_TRACE(c.Go);
            UciProcess engine;
            // Bare kings: the deepest iteration is over in a moment.
            engine.Send("position fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1");
            engine.Send(c.Go);
            const Lines lines = engine.ReadUntil("info depth 10 ", Prompt);
            ASSERT_FALSE(lines.empty());
            ASSERT_TRUE(StartsWith(lines.back(), "info depth 10 ")) << lines.back();
            EXPECT_EQ(engine.ReadLine(milliseconds(300)), std::nullopt);
            engine.Send(c.Release);
            EXPECT_EQ(BestMoveOf(engine.ReadUntil("bestmove", Prompt)), InfoValue(lines.back(), "pv"));
        }
    }

    TEST(UciProcess, EveryGoIsAnsweredOnceWithinItsLimits)
    {
        struct Case {
            const char* Go;
            std::set<std::string> Moves; // the bestmove must be one of these; empty: any legal move
        };
        const Case cases[] = {
            { "go nodes 5000", {} },
            { "go depth 3 searchmoves a2a3 h2h3", { "a2a3", "h2h3" } },
            { "go searchmoves g1f3 depth 2", { "g1f3" } },
            { "go depth 0", { "0000" } },
            { "go searchmoves e2e5", { "0000" } },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Go);
            UciProcess engine;
            engine.Send("position startpos");
            engine.Send(c.Go);
            const Lines lines = engine.ReadUntil("bestmove", Prompt);
            const std::string move = BestMoveOf(lines);
            if (c.Moves.empty())
                EXPECT_NE(move, "0000");
            else
                EXPECT_TRUE(c.Moves.count(move)) << move;
            for (const std::string& line : lines) {
                if (!StartsWith(line, "info depth"))
                    continue;
                EXPECT_LE(std::stoull(InfoValue(line, "nodes")), 5000u) << line;
                EXPECT_TRUE(c.Moves.empty() || c.Moves.count(InfoValue(line, "pv"))) << line;
            }
            // Exactly one answer.
            engine.Send("isready");
            EXPECT_EQ(engine.ReadUntil("readyok", Prompt), Lines { "readyok" });
        }
    }

    TEST(UciProcess, RootMovesThatRepeatForTheThirdTimeAreDraws)
    {
        struct Case {
            const char* Name;
            const char* Fen;
            const char* ToRoot; // moves that bring about the root
            const char* Repeating; // the root move that leads back to the position of the FEN
            bool Ahead;
        };
        const Case cases[] = {
            // White is a queen up; the knight's best square is where it came from.
            { "a winning side avoids it", "k7/8/8/8/8/5N2/1Q6/7K b - - 12 40", "a8a7 f3g1 a7a8", "g1f3", true },
            // White is a queen and a knight down; the king's step back is no better than the others.
            { "a losing side seeks it", "6nk/4q3/8/8/8/8/K6P/8 b - - 0 1", "g8f6 a2a1 f6g8", "a1a2", false },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Name);
            // Once round the cycle the move repeats the position for the second time only; twice
            // round, for the third time, and the game is drawn with it.
            for (const bool drawn : { false, true }) {
                SCOPED_TRACE(drawn ? "third time" : "second time");
                std::string moves = c.ToRoot;
                if (drawn)
                    moves += std::string(" ") + c.Repeating + " " + c.ToRoot;
                UciProcess engine;
                engine.Send(std::string("position fen ") + c.Fen + " moves " + moves);
                engine.Send("go depth 3");
                const std::string move = BestMoveOf(engine.ReadUntil("bestmove", Prompt));
                EXPECT_EQ(move == c.Repeating, c.Ahead != drawn) << move;
            }
        }
    }

    TEST(UciProcess, EndOfInputEndsARunningSearch)
    {
        for (const char* go : { "go depth 10", "go infinite" }) {
            SCOPED_TRACE(go);
            UciProcess engine;
            engine.Send("position startpos");
            engine.Send(go);
            engine.CloseInput();
            EXPECT_TRUE(engine.WaitForExit(Prompt));
        }
    }

    // A long search names each root move as it begins; a short one keeps quiet. The search runs until
    // a depth has completed while it was naming its moves and the next depth has begun.
    TEST(UciProcess, LongSearchesNameEachRootMoveTheyBegin)
    {
        UciProcess engine;
        engine.Send("position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
        engine.Send("go perft 1");
        std::set<std::string> legal;
        for (const std::string& line : engine.ReadUntil("Nodes searched", Prompt))
            if (const std::size_t colon = line.find(':'); colon != std::string::npos && !StartsWith(line, "Nodes"))
                legal.insert(line.substr(0, colon));
        ASSERT_EQ(legal.size(), 48u);

        engine.Send("go movetime 200");
        const Lines quick = engine.ReadUntil("bestmove", Prompt);
        EXPECT_NE(BestMoveOf(quick), "");
        EXPECT_FALSE(std::any_of(quick.begin(), quick.end(), NamesRootMove));

        engine.Send("go infinite");
        Lines lines;
        bool depthCompletedWhileNaming = false;
        for (bool nextDepthBegun = false; !nextDepthBegun;) {
            const std::optional<std::string> line = engine.ReadLine(milliseconds(120000));
            ASSERT_TRUE(line) << "no depth completed while naming root moves";
            const bool afterNamed = !lines.empty() && NamesRootMove(lines.back());
            depthCompletedWhileNaming |= !NamesRootMove(*line) && afterNamed;
            nextDepthBegun = NamesRootMove(*line) && depthCompletedWhileNaming;
            lines.push_back(*line);
        }
        engine.Send("stop");
        EXPECT_NE(BestMoveOf(engine.ReadUntil("bestmove", Prompt)), "");

        // Within a depth the numbers count up by one from 1, and a completed depth named all 48 moves.
        bool namingBegun = false;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            const std::string& before = lines[i - 1];
            SCOPED_TRACE(before + " / " + line);
            const bool sameDepth = InfoValue(line, "depth") == InfoValue(before, "depth");
            if (!NamesRootMove(line)) {
                if (NamesRootMove(before)) {
                    EXPECT_TRUE(sameDepth);
                    EXPECT_EQ(InfoValue(before, "currmovenumber"), "48");
                }
                continue;
            }
            EXPECT_TRUE(legal.contains(InfoValue(line, "currmove")));
            const int number = std::stoi(InfoValue(line, "currmovenumber"));
            if (NamesRootMove(before))
                EXPECT_EQ(number, std::stoi(InfoValue(before, "currmovenumber")) + 1);
            else if (namingBegun)
                EXPECT_EQ(number, 1);
            else
                EXPECT_TRUE(number >= 1 && number <= 48);
            namingBegun = true;
        }
    }

} // namespace
} // namespace uci::test
