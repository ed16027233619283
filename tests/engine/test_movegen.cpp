// Move generation: the order of the moves (it breaks ties in the search), their flags and ordering
// scores, the capture generator, and the move list limit.

#include "tests/engine/engine_test_support.h"

namespace engine::test {
namespace {

    using Texts = std::vector<std::string>;

    TEST(MoveGeneration, FollowsSquareAndDirectionOrder)
    {
        // Squares from a8 to h1; each pawn captures towards the a-file, then the h-file, then steps;
        // pieces walk their directions in table order; castling and en passant come last. Castling is
        // offered whenever king and rook stand at home with the right; MakeMove tests the squares between.
        auto engine = EngineAt("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
        EXPECT_EQ(GeneratedTexts(*engine),
            (Texts { "a2a3", "a2a4", "b2b3", "b2b4", "c2c3", "c2c4", "d2d3", "d2d4", "e2e3", "e2e4", "f2f3", "f2f4",
                "g2g3", "g2g4", "h2h3", "h2h4", "b1a3", "b1c3", "g1f3", "g1h3", "e1g1", "e1c1" }));

        Load(*engine, "4k3/8/8/3p4/2N1N3/8/8/4K3 b - - 0 1");
        EXPECT_EQ(GeneratedTexts(*engine), (Texts { "e8d8", "e8f8", "e8d7", "e8e7", "e8f7", "d5c4", "d5e4", "d5d4" }));

        Load(*engine, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
        const Texts castling = GeneratedTexts(*engine);
        EXPECT_EQ(Texts(castling.end() - 2, castling.end()), (Texts { "e1g1", "e1c1" }));

        Load(*engine, "4k3/8/8/2PpP3/8/8/8/4K3 w - d6 0 1");
        const Texts enPassant = GeneratedTexts(*engine);
        EXPECT_EQ(Texts(enPassant.end() - 2, enPassant.end()), (Texts { "c5d6", "e5d6" }));
    }

    struct FlagCase {
        const char* Fen;
        const char* Move;
        int Flags;
        int Score;
    };

    TEST(MoveGeneration, SetsFlagsAndOrderingScores)
    {
        const FlagCase cases[] = {
            { "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "e2e3", PawnStepFlags, 0 },
            { "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "e2e4", DoubleStepFlags, 0 },
            { "4k3/8/8/8/8/8/8/4K1N1 w - - 0 1", "g1f3", QuietFlags, 0 },
            { "r3k3/8/8/8/8/8/8/4K3 b q - 0 1", "e8c8", CastleFlags, 0 },
            // Most valuable victim, then cheapest attacker: a knight taking a queen.
            { "4k3/8/8/3q4/8/4N3/8/4K3 w - - 0 1", "e3d5", CaptureFlags, 1000000 + 10 * Queen - Knight },
            { "4k3/8/8/3q4/4P3/8/8/4K3 w - - 0 1", "e4d5", PawnCaptureFlags, 1000000 + 10 * Queen - Pawn },
            // En passant lands on an empty square: victim code 6, attacker 0.
            { "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6", EnPassantFlags, 1000060 },
            // Promotions are scored by the new piece, with or without a capture.
            { "3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8n", PawnStepFlags | mfPromotion, 1000010 },
            { "3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8n", PawnCaptureFlags | mfPromotion, 1000010 },
            { "3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8b", PawnCaptureFlags | mfPromotion, 1000020 },
            { "3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8r", PawnCaptureFlags | mfPromotion, 1000030 },
            { "3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8q", PawnCaptureFlags | mfPromotion, 1000040 },
            { "4k3/8/8/8/8/8/p7/4K3 b - - 0 1", "a2a1q", PawnStepFlags | mfPromotion, 1000040 },
            // A Black pawn reaching rank 2 does not promote: only rank 1 is Black's last rank.
            { "4k3/8/8/8/8/p7/8/4K3 b - - 0 1", "a3a2", PawnStepFlags, 0 },
        };
        auto engine = MakeEngine();
        for (const FlagCase& c : cases) {
            SCOPED_TRACE(std::string(c.Fen) + " " + c.Move);
            Load(*engine, c.Fen);
            const MoveEntry entry = FindGenerated(*engine, c.Move);
            EXPECT_EQ(MoveFlags(entry.Move), c.Flags);
            EXPECT_EQ(entry.Score, c.Score);
        }

        // The documented 32-bit layout: from + 256 * to + 65536 * promotion + 16777216 * flags.
        Load(*engine, "3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1");
        EXPECT_EQ(FindGenerated(*engine, "e7d8q").Move, 12u + 256u * 3u + 65536u * 4u + 16777216u * 49u);
    }

    TEST(CaptureGeneration, YieldsCapturesPromotionsAndEnPassantOnly)
    {
        // Quiet moves, double steps and castling are left out; the quiet promotion is kept.
        auto engine = EngineAt("r3k2r/1P6/8/3pP3/8/2n5/3P4/R3K2R w KQkq d6 0 1");
        EXPECT_EQ(GeneratedTexts(*engine, true),
            (Texts { "b7a8n", "b7a8b", "b7a8r", "b7a8q", "b7b8n", "b7b8b", "b7b8r", "b7b8q", "d2c3", "a1a8", "h1h8",
                "e5d6" }));

        // A pawn on its seventh rank with the square ahead free promotes though nothing is captured.
        Load(*engine, "4k3/8/8/8/8/8/6p1/4K3 b - - 0 1");
        EXPECT_EQ(GeneratedTexts(*engine, true), (Texts { "g2g1n", "g2g1b", "g2g1r", "g2g1q" }));
    }

    TEST(MoveGeneration, ReportsAFullMoveListAndNeverWritesPastIt)
    {
        // Sixteen queens give about a hundred moves a ply. Quiet queen moves keep them all on the board
        // (the kings sit behind walls that no queen move opens) while every ply's list is appended to
        // the shared move list, until it is full.
        auto engine = EngineAt("6bk/6pp/qqqq4/4qqqq/QQQQ4/4QQQQ/PP6/KB6 w - - 0 1");
        const auto nextQueenMove = [&](std::span<const MoveEntry> moves) {
            for (const MoveEntry& entry : moves) {
                const int from = MoveFrom(entry.Move);
                if (MoveFlags(entry.Move) == QuietFlags && engine->Position().SquarePiece[from] == Queen
                    && engine->MakeMove(entry.Move))
                    return true;
            }
            return false;
        };
        std::size_t used = 0;
        int ply = 0;
        while (engine->GenerateMoves()) {
            used += engine->MovesOfCurrentPly().size();
            ASSERT_TRUE(nextQueenMove(engine->MovesOfCurrentPly())) << "ply " << ply;
            ASSERT_LT(++ply, MaxPly - 1) << "the move list never filled up";
        }
        // The ply that ran out holds what fitted, exactly up to the end of the list.
        EXPECT_EQ(used + engine->MovesOfCurrentPly().size(), static_cast<std::size_t>(MoveStackSize));
        EXPECT_GT(ply, 10);
        for (int i = 0; i < ply; ++i)
            engine->UnmakeMove();
        EXPECT_EQ(engine->Position().Ply, 0);
        EXPECT_TRUE(engine->PositionIsConsistent());
    }

} // namespace
} // namespace engine::test
