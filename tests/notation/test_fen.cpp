// FEN both ways: every field, both en passant forms, every refusal.

#include "tests/notation/notation_test_support.h"

namespace notation::test {
namespace {

    TEST(Fen, ReadsAndWritesEveryField)
    {
        const char* same[] = {
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
            "r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 0 1",
            "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", // no pawn can take: still written
            "8/8/8/8/8/8/8/k6K b - - 37 112",
        };
        for (const char* fen : same)
            EXPECT_EQ(WriteFen(ReadFen(fen)), fen);

        // The form that names the square only when a pawn can take, and the counters left out; a line end.
        const Position compact = ReadFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq -\r\n");
        EXPECT_EQ(compact.EnPassantSquare, 0);
        EXPECT_EQ(compact.FullmoveNumber, 1);

        // Written from play: the square after every double step, the counters as they run.
        Position position = StartPosition();
        for (const char* move : { "e2e4", "c7c5", "g1f3" })
            position = PositionAfter(position, Coord(move));
        EXPECT_EQ(WriteFen(position), "rnbqkbnr/pp1ppppp/8/2p5/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2");
        EXPECT_EQ(WriteFen(PositionAfter(StartPosition(), Coord("e2e4"))),
            "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");

        // Rights without king and rook in place and an impossible en passant square are left out.
        Position odd = ReadFen("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
        odd.CastlingBits = 15;
        odd.EnPassantSquare = 20; // d6
        EXPECT_EQ(WriteFen(odd), "4k3/8/8/8/8/8/8/4K3 w - - 0 1");
    }

    TEST(Fen, RefusesEveryMalformedField)
    {
        const struct {
            const char* Fen;
            const char* Reason;
        } cases[] = {
            { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPP/RNBQKBNR w KQkq - 0 1", "rank 2 does not have 8 squares" },
            { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", "8 ranks of 8 squares" },
            { "4k3/8/44/8/8/8/8/4K3 w - - 0 1", "the piece placement has two digits in a row (\"44\") on rank 6" },
            { "4k3/8/8/8/8/8/8/4K3 w - - 0", "the fullmove number (the sixth field) is missing" },
            { "4k3/8/8/8/8/8/8/4K3 x - - 0 1", "side to move must be 'w' or 'b'" },
            { "4k3/8/8/8/8/8/8/4K3 w K - 0 1", "castling right \"K\" needs the white king on e1 and a rook on h1" },
            { "r3k2r/8/8/8/8/8/8/R2K3R w Q - 0 1", "castling right \"Q\" needs the white king on e1" },
            { "4k3/8/8/8/8/8/8/4K3 w - e6 0 1", "no Black pawn can just have passed the en passant square e6" },
            { "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e3 0 1",
                "en passant square e3 is on the wrong rank: after a Black move it must be on rank 6" },
            { "4k3/8/8/8/4p3/8/8/4K3 b - e4 0 1",
                "en passant square e4 is on the wrong rank: after a White move it must be on rank 3" },
            { "4k3/8/8/8/8/8/8/P3K3 w - - 0 1", "a pawn stands on a1" },
            { "p3k3/8/8/8/8/8/8/4K3 w - - 0 1", "a pawn stands on a8" },
            { "8/8/8/8/8/8/8/4K3 w - - 0 1", "Black must have exactly one king, not 0" },
            { "4k3/8/8/8/8/8/8/3KK3 w - - 0 1", "White must have exactly one king, not 2" },
            { "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1", "Black is in check but White is to move" },
            { "4k3/8/8/8/8/8/8/4K3 w - - 0 0", "the move number must be from 1" },
            { "4k3/8/8/8/8/8/8/4K3 w - - x 1", "move counters must be non-negative numbers" },
            { "4k3/8/8/8/8/8/8/4K3 w", "a FEN has 4 to 6 fields" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Fen);
            try {
                ReadFen(c.Fen);
                ADD_FAILURE() << "accepted";
            } catch (const NotationError& error) {
                EXPECT_NE(std::string(error.what()).find(c.Reason), std::string::npos) << error.what();
                EXPECT_TRUE(std::string_view(error.what()).starts_with("invalid FEN: "));
                EXPECT_EQ(error.Text(), c.Fen);
            }
        }
    }

} // namespace
} // namespace notation::test
