// The UCI protocol of zugwerk-engine, driven through its session object with string streams.

#include "notation/game_notation.h"
#include "uci/go_command.h"
#include "uci/session.h"
#include "uci/time_allotment.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

namespace {

using namespace uci;

using Lines = std::vector<std::string>;

class Uci {
public:
    // Sends the commands, waits for any search to finish, and returns the lines written meanwhile.
    Lines Send(std::initializer_list<const char*> commands)
    {
        for (const char* command : commands)
            Running = Conversation.HandleCommand(command);
        Conversation.WaitUntilIdle();
        std::istringstream text(Out.str().substr(Consumed));
        Consumed = Out.str().size();
        Lines lines;
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

    bool Running = true;

private:
    std::ostringstream Out;
    Session Conversation { Out };
    std::size_t Consumed = 0;
};

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(Uci, HandshakeSearchAndPerft)
{
    Uci uci;
    EXPECT_EQ(uci.Send({ "uci" }),
        (Lines { "id name Zugwerk! 2.0", "id author the Zugwerk! developers",
            "option name SearchDepth type spin default 10 min 1 max 10",
            "option name MoveOverhead type spin default 30 min 0 max 5000",
            "option name MultiPV type spin default 1 min 1 max 10", "uciok" }));
    EXPECT_EQ(uci.Send({ "isready", "" }), (Lines { "readyok" }));

    // One info line per iteration, then the move.
    const Lines search = uci.Send({ "position fen 6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 1", "go depth 2" });
    ASSERT_EQ(search.size(), 3u);
    EXPECT_TRUE(StartsWith(search[0], "info depth 1 seldepth ")) << search[0];
    EXPECT_NE(search[0].find(" score mate 1 nodes "), std::string::npos) << search[0];
    EXPECT_NE(search[0].find(" pv d1d8"), std::string::npos) << search[0];
    EXPECT_TRUE(StartsWith(search[1], "info depth 2 ")) << search[1];
    EXPECT_EQ(search[2], "bestmove d1d8");

    // The option sets the depth of a plain `go` (one iteration here); promotions carry their letter.
    const Lines promotion
        = uci.Send({ "setoption name SearchDepth value 1", "position fen 4k3/8/8/8/8/8/p7/4K3 b - - 0 1", "go" });
    ASSERT_EQ(promotion.size(), 2u);
    EXPECT_EQ(promotion[1], "bestmove a2a1q");

    const Lines perft = uci.Send({ "position startpos", "go perft 2" });
    ASSERT_EQ(perft.size(), 22u);
    EXPECT_EQ(perft[0], "a2a3: 20");
    EXPECT_EQ(perft[20], "");
    EXPECT_EQ(perft[21], "Nodes searched: 400");

    uci.Send({ "quit" });
    EXPECT_FALSE(uci.Running);
}

TEST(Uci, MovesAreAppliedWithCastlingEnPassantAndPromotion)
{
    // A double step, an en passant capture, castling and a promotion end in the position of the FEN:
    // perft of both must agree.
    Uci uci;
    EXPECT_EQ(
        uci.Send({ "position fen 4k3/1P6/8/8/2p5/8/3P4/R3K3 w Q - 0 1 moves d2d4 c4d3 e1c1 e8d7 b7b8q", "go perft 3" }),
        uci.Send({ "position fen 1Q6/3k4/8/8/8/3p4/8/2KR4 b - - 1 3", "go perft 3" }));
}

TEST(Uci, RefusedCommandsSayWhyAndChangeNothing)
{
    Uci uci;
    uci.Send({ "position fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1", "setoption name SearchDepth value 2" });
    const char* refused[] = {
        "xyzzy",
        "debug maybe",
        "position fen 4k3/8/8/8/8/8/8 w - - 0 1",
        "position fen 4k3/8/8/8/8/8/8/4K3 w - - 0 1 moves e1e2 e8e7 e2e4",
        "position startpos e2e4",
        "setoption name SearchDepth value 11",
        "setoption name MoveOverhead value -1",
        "setoption name Hash value 16",
        "setoption name MultiPV value 0",
        "setoption name MultiPV value 11",
        "go perft 0",
        // A refused search request is still answered, with the null move.
        "go sideways",
        "go depth 0",
        "go nodes",
        "go searchmoves e1e3",
        "go searchmoves depth 2",
    };
    for (const char* command : refused) {
        SCOPED_TRACE(command);
        const Lines lines = uci.Send({ command });
        const bool search = StartsWith(command, "go ") && !StartsWith(command, "go perft");
        ASSERT_EQ(lines.size(), search ? 2u : 1u);
        EXPECT_TRUE(StartsWith(lines[0], "info string error: ")) << lines[0];
        if (search) {
            EXPECT_EQ(lines[1], "bestmove 0000");
        }
    }
    // Still the bare kings, still the depth of 2, still answering.
    EXPECT_EQ(uci.Send({ "go perft 1" }).back(), "Nodes searched: 5");
    EXPECT_EQ(uci.Send({ "go" }).size(), 3u);
}

// The word after `key` in an info line, or "" without one.
std::string WordAfter(const std::string& line, const std::string& key)
{
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        if (word == key) {
            words >> word;
            return word;
        }
    }
    return "";
}

// An info line's score as one comparable number: any mate for us above any centipawn score.
int ComparableScore(const std::string& line)
{
    const std::string kind = WordAfter(line, "score");
    const int value = std::stoi(WordAfter(line, kind));
    return kind == "mate" ? (value > 0 ? 100000 - value : -100000 - value) : value;
}

TEST(Uci, MultiPvReportsTheBestRootMovesInOrderAtEachDepth)
{
    struct Case {
        const char* Fen;
        const char* MultiPv;
        int Lines; // per depth
    };
    // A mate in one among ordinary moves; a lone king in the corner with three moves.
    const Case cases[] = {
        { "6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 1", "3", 3 },
        { "7k/8/8/8/8/8/8/K7 w - - 0 1", "5", 3 },
    };
    Uci uci;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Fen);
        const Lines lines = uci.Send({ (std::string("setoption name MultiPV value ") + c.MultiPv).c_str(),
            (std::string("position fen ") + c.Fen).c_str(), "go depth 3" });
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(3 * c.Lines + 1));
        for (int depth = 1; depth <= 3; ++depth) {
            std::vector<std::string> firstMoves;
            for (int k = 1; k <= c.Lines; ++k) {
                const std::size_t at = static_cast<std::size_t>((depth - 1) * c.Lines + k - 1);
                const std::string& line = lines[at];
                SCOPED_TRACE(line);
                EXPECT_EQ(WordAfter(line, "depth"), std::to_string(depth));
                EXPECT_EQ(WordAfter(line, "multipv"), std::to_string(k));
                const std::string move = WordAfter(line, "pv");
                EXPECT_EQ(std::count(firstMoves.begin(), firstMoves.end(), move), 0);
                firstMoves.push_back(move);
                if (k > 1) {
                    EXPECT_LE(ComparableScore(line), ComparableScore(lines[at - 1]));
                }
            }
        }
        EXPECT_EQ(lines.back(), "bestmove " + WordAfter(lines[static_cast<std::size_t>(2 * c.Lines)], "pv"));
    }

    // Back at one line, the reports are the plain ones.
    const Lines single = uci.Send({ "setoption name MultiPV value 1", "go depth 2" });
    ASSERT_EQ(single.size(), 3u);
    EXPECT_EQ(single[0].find(" multipv "), std::string::npos) << single[0];
}

TEST(Uci, StopEndsASearchWithALegalMoveWhileIsReadyIsAnswered)
{
    Uci uci;
    const Lines lines = uci.Send({ "position startpos", "go depth 10", "isready", "stop" });
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "readyok"), 1);
    ASSERT_TRUE(StartsWith(lines.back(), "bestmove ")) << lines.back();
    EXPECT_NE(lines.back(), "bestmove 0000");
    EXPECT_EQ(uci.Send({ "stop" }), Lines {}); // a stop without a search is harmless
}

TEST(Uci, TheClockIsSharedSensibly)
{
    struct Case {
        const char* Go;
        int Colour;
        std::int64_t MinHard; // the hard limit lies within these, in milliseconds
        std::int64_t MaxHard;
    };
    const Case cases[] = {
        // One minute, no increment: seconds, not milliseconds, and never a third of the clock.
        { "go wtime 60000 btime 60000", 0, 1000, 12000 },
        { "go wtime 60000 btime 3000", 1, 30, 600 },
        // Less left than the overhead kept back: answer at once.
        { "go wtime 20 btime 20", 0, 0, 0 },
        // The last move before the next time control may take most of what is left.
        { "go wtime 10000 btime 10000 movestogo 1", 0, 5000, 9000 },
        // An increment is spent as it comes; the clock itself is kept.
        { "go wtime 1000 btime 1000 winc 2000 binc 2000", 0, 500, 900 },
        { "go movetime 500", 0, 470, 470 },
        { "go movetime 5000 wtime 6000 btime 6000", 0, 100, 1200 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Go);
        std::istringstream text(c.Go);
        const Lines tokens { std::istream_iterator<std::string>(text), {} };
        const std::vector<std::string_view> words(tokens.begin(), tokens.end());
        GoRequest request;
        std::string error;
        ASSERT_TRUE(ParseGo(words, request, error)) << error;
        const auto budget = AllotTime(request, c.Colour, std::chrono::milliseconds(30));
        ASSERT_TRUE(budget.has_value());
        EXPECT_GE(budget->HardLimit.count(), c.MinHard);
        EXPECT_LE(budget->HardLimit.count(), c.MaxHard);
        EXPECT_LE(budget->SoftLimit, budget->HardLimit);
    }
    EXPECT_FALSE(AllotTime(GoRequest {}, 0, std::chrono::milliseconds(30)).has_value());
}

TEST(Uci, GoNumbersOfAnySizeAreClampedOrRefused)
{
    // Times beyond any clock are clamped, so that no share of them overflows in milliseconds or in
    // the timer's nanoseconds; counts outside their range are refused. Either way one bestmove.
    struct Case {
        const char* Go;
        bool Accepted;
    };
    const Case cases[] = {
        { "go movetime 10000000000000", true },
        { "go wtime 9223372036854775807 btime 9223372036854775807", true },
        { "go wtime 1000 btime 1000 winc 9223372036854775807 binc 9223372036854775807", true },
        { "go wtime 99999999999999999999 btime -99999999999999999999 movestogo 1", true },
        { "go nodes 99999999999999999999", true },
        { "go movetime -9223372036854775808", false },
        { "go depth 9223372036854775807", false },
        { "go mate -99999999999999999999", false },
    };
    Uci uci;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Go);
        const Lines lines = uci.Send({ c.Go, "stop" });
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(StartsWith(lines.back(), "bestmove ")) << lines.back();
        EXPECT_EQ(lines.back() != "bestmove 0000", c.Accepted) << lines.back();
    }
}

TEST(Uci, PositionsTheNotationLibraryRefusesAreRefusedWithItsReason)
{
    const char* refused[] = {
        "8/8/8/8/8/8/8/4K3 w - - 0 1", // no black king
        "4k3/8/8/8/8/8/8/4KP2 w - - 0 1", // a pawn on the first rank
        "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1", // Black in check, White to move
        "4k3/8/8/8/8/8/8/4K3 w K - 0 1", // a castling right without its rook
    };
    Uci uci;
    uci.Send({ "position fen 4k3/8/8/8/8/8/8/4K2R w K - 0 1" });
    for (const char* fen : refused) {
        SCOPED_TRACE(fen);
        std::string reason;
        try {
            notation::ReadFen(fen);
            ADD_FAILURE() << "the notation library takes this position";
        } catch (const notation::NotationError& refusal) {
            reason = refusal.Reason();
        }
        const std::string command = std::string("position fen ") + fen;
        EXPECT_EQ(uci.Send({ command.c_str() }), Lines { "info string error: " + reason });
    }
    // Still the position before: king and rook with the right to castle.
    EXPECT_EQ(uci.Send({ "go perft 1" }).back(), "Nodes searched: 15");
}

} // namespace
