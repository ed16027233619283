// Making and taking back moves: castling conditions, refused moves, castling rights and the ply
// limit. (Perft exercises every kind of move made and taken back.)

#include "tests/engine/engine_test_support.h"

namespace engine::test {
namespace {

    // Everything of the position that a move may change, as one comparable text.
    std::string Describe(const Engine& engine)
    {
        char squares[SquareCount];
        bool white;
        std::uint8_t castling;
        int enPassant;
        engine.ExportPosition(squares, white, castling, enPassant);
        const EnginePosition& p = engine.Position();
        return std::string(squares, SquareCount) + " side " + std::to_string(p.SideToMove) + " rights "
            + std::to_string(p.CastleRights) + " ep " + std::to_string(p.EnPassantTarget) + " quiet "
            + std::to_string(p.QuietPlies) + " ply " + std::to_string(p.Ply);
    }

    void Play(Engine& engine, std::initializer_list<const char*> moves)
    {
        for (const char* text : moves)
            ASSERT_TRUE(engine.MakeMove(FindGenerated(engine, text).Move)) << text;
    }

    struct CastlingCase {
        const char* Name;
        const char* Fen;
        const char* Move;
        bool Legal;
        int RookFrom = NoSquare;
        int RookTo = NoSquare;
    };

    TEST(MakeMove, CastlesOnlyWithFreeAndSafeSquares)
    {
        const CastlingCase cases[] = {
            { "white king side", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1", true, H1, F1 },
            { "white queen side", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1c1", true, A1, D1 },
            { "black king side", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8g8", true, H8, F8 },
            { "black queen side", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", true, A8, D8 },
            { "b-file square attacked only", "1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", true, A1, D1 },
            { "in check", "r3k2r/8/8/8/8/8/4r3/R3K2R w KQkq - 0 1", "e1g1", false },
            { "in check, queen side", "r3k2r/8/8/8/8/8/4r3/R3K2R w KQkq - 0 1", "e1c1", false },
            { "b-file square occupied", "r3k2r/8/8/8/8/8/8/RN2K2R w KQkq - 0 1", "e1c1", false },
            { "g-file square occupied", "r3k1nr/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8g8", false },
            { "crossing square attacked", "r3kr2/8/8/8/8/8/8/R3K2R w KQq - 0 1", "e1g1", false },
            { "target square attacked", "4k3/8/8/8/8/7n/8/R3K2R w KQ - 0 1", "e1g1", false },
            { "queen-side crossing square attacked", "3rk2r/8/8/8/8/8/8/R3K2R w KQk - 0 1", "e1c1", false },
            { "queen-side target attacked", "4k3/8/8/8/8/b7/8/R3K2R w KQ - 0 1", "e1c1", false },
        };
        auto engine = MakeEngine();
        for (const CastlingCase& c : cases) {
            SCOPED_TRACE(c.Name);
            Load(*engine, c.Fen);
            const std::string before = Describe(*engine);
            ASSERT_EQ(engine->MakeMove(FindGenerated(*engine, c.Move).Move), c.Legal);
            if (c.Legal) {
                EXPECT_EQ(engine->Position().SquarePiece[c.RookTo], Rook);
                EXPECT_EQ(engine->Position().SquarePiece[c.RookFrom], NoPiece);
                engine->UnmakeMove();
            }
            EXPECT_EQ(Describe(*engine), before);
        }
    }

    TEST(MakeMove, RefusedMoveChangesNothing)
    {
        // The bishop on e2 is pinned. Try it once with castling rights and a quiet-ply count, once
        // with an en passant target.
        auto engine = EngineAt("r3k2r/2p1q3/8/8/8/8/4B3/R3K1NR w KQkq - 0 1");
        Play(*engine, { "g1f3", "e7e6", "f3g1", "e6e7" });
        ASSERT_EQ(engine->Position().QuietPlies, 4);
        std::string before = Describe(*engine);
        EXPECT_FALSE(engine->MakeMove(FindGenerated(*engine, "e2d3").Move));
        EXPECT_EQ(Describe(*engine), before);

        Play(*engine, { "a1b1", "c7c5" });
        ASSERT_NE(engine->Position().EnPassantTarget, NoSquare);
        before = Describe(*engine);
        EXPECT_FALSE(engine->MakeMove(FindGenerated(*engine, "e2d3").Move));
        EXPECT_EQ(Describe(*engine), before);
    }

    TEST(MakeMove, ClearsCastlingRightsOfMovedOrCapturedKingsAndRooks)
    {
        auto engine = EngineAt("r3k2r/8/8/8/8/8/6B1/R3K2R w KQkq - 0 1");
        // Capturing a rook on its corner removes that side's right as surely as moving it.
        Play(*engine, { "g2a8" });
        EXPECT_EQ(engine->Position().CastleRights, AllCastleRights & ~BlackQueenSide);
        Play(*engine, { "h8h7", "h1h2" });
        EXPECT_EQ(engine->Position().CastleRights, WhiteQueenSide);
        Play(*engine, { "e8d7", "e1d1" });
        EXPECT_EQ(engine->Position().CastleRights, 0);
    }

    TEST(MakeMove, StopsAtTheEndOfThePlyArrays)
    {
        // Knights can shuffle forever; the arrays hold MaxPly plies, so the move that would need a
        // record beyond them is refused and everything before it still takes back cleanly.
        auto engine = EngineAt("n3k3/8/8/8/8/8/8/4K1N1 w - - 0 1");
        const std::string start = Describe(*engine);
        const char* shuffle[] = { "g1f3", "a8b6", "f3g1", "b6a8" };
        int ply = 0;
        for (; ply < MaxPly - 1; ++ply)
            ASSERT_TRUE(engine->MakeMove(FindGenerated(*engine, shuffle[ply % 4]).Move)) << ply;
        EXPECT_FALSE(engine->MakeMove(FindGenerated(*engine, shuffle[ply % 4]).Move));
        EXPECT_EQ(engine->Position().Ply, MaxPly - 1);
        for (; ply > 0; --ply)
            engine->UnmakeMove();
        EXPECT_EQ(Describe(*engine), start);
    }

} // namespace
} // namespace engine::test
