// The UCI protocol of zugwerk-engine, driven through its session object with string streams.

#include "zugwerk_engine_uci.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class Uci {
public:
    // Sends each command, waits for any search to finish, and returns the lines written since the
    // last call.
    std::vector<std::string> Send(std::initializer_list<const char*> commands)
    {
        for (const char* command : commands)
            Running = Session.HandleCommand(command);
        Session.WaitUntilIdle();
        std::vector<std::string> lines;
        std::istringstream text(Out.str().substr(Consumed));
        Consumed = Out.str().size();
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

    bool Running = true;

private:
    std::ostringstream Out;
    UciSession Session { Out };
    std::size_t Consumed = 0;
};

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(Uci, Handshake)
{
    Uci uci;
    EXPECT_EQ(uci.Send({ "uci" }),
        (std::vector<std::string> { "id name Zugwerk! 2.0", "id author the Zugwerk! developers",
            "option name SearchDepth type spin default 3 min 1 max 10", "uciok" }));
    EXPECT_EQ(uci.Send({ "isready" }), (std::vector<std::string> { "readyok" }));
    EXPECT_EQ(uci.Send({ "" }), (std::vector<std::string> {}));
    uci.Send({ "quit" });
    EXPECT_FALSE(uci.Running);
}

TEST(Uci, SearchReportsEachIterationThenTheMove)
{
    Uci uci;
    const auto lines = uci.Send({ "position fen 6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 1", "go depth 2" });
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(StartsWith(lines[0], "info depth 1 seldepth ")) << lines[0];
    EXPECT_NE(lines[0].find(" score mate 1 nodes "), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(" pv d1d8"), std::string::npos) << lines[0];
    EXPECT_TRUE(StartsWith(lines[1], "info depth 2 ")) << lines[1];
    EXPECT_EQ(lines[2], "bestmove d1d8");

    // The option sets the depth of a plain `go`; promotions carry their letter.
    EXPECT_EQ(
        uci.Send({ "setoption name SearchDepth value 1", "position fen 4k3/8/8/8/8/8/p7/4K3 b - - 0 1", "go" }).back(),
        "bestmove a2a1q");
}

TEST(Uci, PerftListsRootMovesThenTheTotal)
{
    Uci uci;
    const auto lines = uci.Send({ "position startpos", "go perft 2" });
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "a2a3: 20");
    EXPECT_EQ(lines[19], "g1h3: 20");
    EXPECT_EQ(lines[20], "");
    EXPECT_EQ(lines[21], "Nodes searched: 400");
}

TEST(Uci, MovesAreAppliedWithCastlingEnPassantAndPromotion)
{
    // Each sequence ends in the position of the FEN beside it; perft of both must agree.
    const std::pair<const char*, const char*> cases[] = {
        { "position startpos moves e2e4 e7e5 g1f3 b8c6 f1c4 g8f6 e1g1",
            "position fen r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQ1RK1 b kq - 5 4" },
        { "position fen 4k3/8/8/8/2p5/8/3P4/4K3 w - - 0 1 moves d2d4 c4d3",
            "position fen 4k3/8/8/8/8/3p4/8/4K3 w - - 0 2" },
        { "position fen 4k3/1P6/8/8/8/8/8/4K3 w - - 0 1 moves b7b8n", "position fen 1N2k3/8/8/8/8/8/8/4K3 b - - 0 1" },
    };
    for (const auto& [moves, fen] : cases) {
        SCOPED_TRACE(moves);
        Uci uci;
        const auto played = uci.Send({ moves, "go perft 3" });
        const auto expected = uci.Send({ fen, "go perft 3" });
        EXPECT_EQ(played, expected);
    }
}

TEST(Uci, RefusedCommandsSayWhyAndChangeNothing)
{
    Uci uci;
    uci.Send({ "position fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1" });
    const char* refused[] = {
        "xyzzy",
        "position fen 4k3/8/8/8/8/8/8 w - - 0 1",
        "position fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1 moves e1e2 e8e7 e2e4",
        "position fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1 moves e1",
        "position",
        "position startpos e2e4",
        "setoption name SearchDepth value 11",
        "setoption name SearchDepth value two",
        "setoption name Hash value 16",
        "go depth",
        "go perft 0",
        "go sideways",
    };
    for (const char* command : refused) {
        SCOPED_TRACE(command);
        const auto lines = uci.Send({ command });
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(StartsWith(lines[0], "info string error: ")) << lines[0];
    }
    // Still the bare kings, still the default depth, still answering.
    EXPECT_EQ(uci.Send({ "go perft 1" }).back(), "Nodes searched: 5");
    EXPECT_TRUE(StartsWith(uci.Send({ "go" }).front(), "info depth 1 "));
    EXPECT_EQ(uci.Send({ "isready" }), (std::vector<std::string> { "readyok" }));
}

TEST(Uci, StopEndsASearchWithALegalMove)
{
    Uci uci;
    const auto lines = uci.Send({ "position startpos", "go depth 10", "isready", "stop" });
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "readyok"), 1);
    const std::string& last = lines.back();
    ASSERT_TRUE(StartsWith(last, "bestmove ")) << last;
    EXPECT_NE(last, "bestmove 0000");
    // A stop without a search is harmless.
    EXPECT_EQ(uci.Send({ "stop" }), (std::vector<std::string> {}));
}

} // namespace
