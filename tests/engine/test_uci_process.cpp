// zugwerk-engine as a chess GUI drives it: a child process behind two pipes, timed from outside.

#include "uci_process.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace engine::test {
namespace {

    // Generous for sanitizer builds on a busy machine; the faults these catch take minutes.
    constexpr milliseconds Prompt { 5000 };

    bool AnyStartsWith(const Lines& lines, std::string_view prefix)
    {
        return std::any_of(
            lines.begin(), lines.end(), [&](const std::string& line) { return StartsWith(line, prefix); });
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

} // namespace
} // namespace engine::test
