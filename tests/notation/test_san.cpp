// SAN both ways: every special move, every disambiguation, the tolerant reading of real files.

#include "tests/notation/notation_test_support.h"

namespace notation::test {
namespace {

    constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
    constexpr const char* Castles = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";
    constexpr const char* Promotes = "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1";
    constexpr const char* EnPassant = "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3";
    constexpr const char* TwoKnights = "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1";
    constexpr const char* PawnOrBishop = "4k3/8/8/8/8/2n5/1P1B4/4K3 w - - 0 1";

    struct SanCase {
        const char* Fen;
        const char* Coordinates;
        const char* San;
    };

    TEST(San, WritesEverySpecialMove)
    {
        const SanCase cases[] = {
            { Start, "e2e4", "e4" },
            { Start, "g1f3", "Nf3" },
            { "rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2", "e4d5", "exd5" },
            { EnPassant, "e5f6", "exf6" },
            { Promotes, "e7e8q", "e8=Q+" },
            { Promotes, "e7d8n", "exd8=N" },
            { Promotes, "e7d8q", "exd8=Q+" },
            { Castles, "e1g1", "O-O" },
            { Castles, "e1c1", "O-O-O" },
            { "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "O-O-O" },
            { "5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1", "O-O+" },
            { "2rkr3/2p1p3/8/8/8/8/8/R3K3 w Q - 0 1", "e1c1", "O-O-O#" },
            { "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 2", "d8h4", "Qh4#" },
            { TwoKnights, "b1d2", "Nbd2" }, // the file tells them apart
            { "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1a3", "R1a3" }, // the rank does
            { "6k1/8/8/7K/8/Q7/8/Q1Q5 w - - 0 1", "a1b2", "Qa1b2" }, // neither alone does
            { "4k3/8/8/8/1b6/2N5/8/4K1N1 w - - 0 1", "g1e2", "Ne2" }, // the other knight is pinned
            { PawnOrBishop, "b2c3", "bxc3" },
            { PawnOrBishop, "d2c3", "Bxc3" },
        };
        for (const SanCase& c : cases) {
            SCOPED_TRACE(std::string(c.Fen) + " " + c.Coordinates);
            const Position position = ReadFen(c.Fen);
            EXPECT_EQ(MoveToSan(position, Coord(c.Coordinates)), c.San);
            EXPECT_EQ(SanToMove(position, c.San), Coord(c.Coordinates));
        }
        EXPECT_THROW(MoveToSan(ReadFen(Start), Coord("e2e5")), NotationError);
    }

    TEST(San, ReadsTheFormsRealFilesUse)
    {
        const struct {
            const char* Fen;
            const char* Text;
            const char* Coordinates;
        } cases[] = {
            { Start, "e4!?", "e2e4" },
            { Start, "Nf3+", "g1f3" }, // a surplus check mark
            { Start, "Nf3$1", "g1f3" },
            { Start, "Ng1-f3", "g1f3" },
            { Start, "e2e4", "e2e4" },
            { Start, "Pe4", "e2e4" },
            { Castles, "0-0", "e1g1" },
            { Castles, "0-0-0+", "e1c1" },
            { "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 2", "Qh4", "d8h4" }, // mate unmarked
            { Promotes, "e8Q", "e7e8q" },
            { Promotes, "e8=q", "e7e8q" },
            { Promotes, "exd8N", "e7d8n" },
            { Promotes, "e7d8r", "e7d8r" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Text);
            EXPECT_EQ(SanToMove(ReadFen(c.Fen), c.Text), Coord(c.Coordinates));
        }
    }

    TEST(San, RefusesWhatNamesNoMoveOrMoreThanOne)
    {
        const struct {
            const char* Fen;
            const char* San;
            const char* Message;
        } cases[] = {
            { Start, "e5", "\"e5\" is not a legal move" },
            { Start, "e4=Q", "\"e4=Q\" is not a legal move" },
            { Start, "Xz9", "\"Xz9\" is not a move" },
            { Start, "", "\"\" is not a move" },
            { Start, "nf3", "\"nf3\" is not a move" }, // piece letters are upper case
            { TwoKnights, "Nd2", "\"Nd2\" is ambiguous: Nbd2 or Nfd2" },
            { Promotes, "e8", "\"e8\" does not say which piece the pawn becomes" },
            { Promotes, "e8=K", "\"e8=K\" is not a move" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.San);
            try {
                SanToMove(ReadFen(c.Fen), c.San);
                ADD_FAILURE() << "accepted";
            } catch (const NotationError& error) {
                EXPECT_STREQ(error.what(), c.Message);
                EXPECT_EQ(error.Text(), c.San);
            }
        }
    }

} // namespace
} // namespace notation::test
