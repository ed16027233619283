// Making and taking back moves: castling conditions, refused moves, rights, en passant,
// promotion, counters, and the ply limit.

#include "engine_test_support.h"

namespace engine::test {
namespace {

    // Everything of the position that a move may change, for before/after comparisons.
    struct Snapshot {
        std::string Squares;
        EnginePosition Position;
    };

    Snapshot Take(const Engine& engine)
    {
        char squares[SquareCount];
        bool white;
        std::uint8_t castling;
        int enPassant;
        engine.ExportPosition(squares, white, castling, enPassant);
        return { std::string(squares, SquareCount), engine.Position() };
    }

    void ExpectSame(const Snapshot& a, const Snapshot& b)
    {
        EXPECT_EQ(a.Squares, b.Squares);
        EXPECT_EQ(a.Position.SideToMove, b.Position.SideToMove);
        EXPECT_EQ(a.Position.OtherSide, b.Position.OtherSide);
        EXPECT_EQ(a.Position.CastleRights, b.Position.CastleRights);
        EXPECT_EQ(a.Position.EnPassantTarget, b.Position.EnPassantTarget);
        EXPECT_EQ(a.Position.QuietPlies, b.Position.QuietPlies);
        EXPECT_EQ(a.Position.Ply, b.Position.Ply);
    }

    // Plays `moves` (UCI texts) with MakeMove, expecting each to be legal.
    void Play(Engine& engine, std::initializer_list<const char*> moves)
    {
        for (const char* text : moves) {
            const MoveEntry entry = FindGenerated(engine, text);
            ASSERT_TRUE(engine.MakeMove(entry.Move)) << text;
        }
    }

    struct CastlingCase {
        const char* Name;
        const char* Fen;
        const char* Move;
        bool Legal;
    };

    TEST(MakeMove, CastlesOnlyWithFreeAndSafeSquares)
    {
        const CastlingCase cases[] = {
            { "white king side", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1", true },
            { "white queen side", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1c1", true },
            { "black king side", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8g8", true },
            { "black queen side", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", true },
            { "in check", "r3k2r/8/8/8/8/8/4r3/R3K2R w KQkq - 0 1", "e1g1", false },
            { "in check, queen side", "r3k2r/8/8/8/8/8/4r3/R3K2R w KQkq - 0 1", "e1c1", false },
            { "b-file square occupied", "r3k2r/8/8/8/8/8/8/RN2K2R w KQkq - 0 1", "e1c1", false },
            { "g-file square occupied", "r3k1nr/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8g8", false },
            { "crossing square attacked", "r3kr2/8/8/8/8/8/8/R3K2R w KQq - 0 1", "e1g1", false },
            { "target square attacked", "4k3/8/8/8/8/7n/8/R3K2R w KQ - 0 1", "e1g1", false },
            { "queen-side crossing square attacked", "3rk2r/8/8/8/8/8/8/R3K2R w KQk - 0 1", "e1c1", false },
            { "queen-side target attacked", "4k3/8/8/8/8/b7/8/R3K2R w KQ - 0 1", "e1c1", false },
            { "b-file square attacked only", "1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", true },
        };
        auto engine = MakeEngine();
        for (const CastlingCase& c : cases) {
            SCOPED_TRACE(c.Name);
            Load(*engine, c.Fen);
            const Snapshot before = Take(*engine);
            const MoveEntry entry = FindGenerated(*engine, c.Move);
            ASSERT_EQ(engine->MakeMove(entry.Move), c.Legal);
            if (!c.Legal) {
                ExpectSame(before, Take(*engine));
                continue;
            }
            // King and rook both moved; taking back restores both.
            const int to = MoveTo(entry.Move);
            const int rookTo = to == G1 ? F1 : to == C1 ? D1 : to == G8 ? F8 : D8;
            const int rookFrom = to == G1 ? H1 : to == C1 ? A1 : to == G8 ? H8 : A8;
            EXPECT_EQ(engine->Position().SquarePiece[to], King);
            EXPECT_EQ(engine->Position().SquarePiece[rookTo], Rook);
            EXPECT_EQ(engine->Position().SquarePiece[rookFrom], NoPiece);
            engine->UnmakeMove();
            ExpectSame(before, Take(*engine));
        }
    }

    TEST(MakeMove, RefusedMoveChangesNothing)
    {
        // The bishop on e2 is pinned. Try it once with castling rights and a quiet-ply count, once
        // with an en passant target.
        auto engine = EngineAt("r3k2r/2p1q3/8/8/8/8/4B3/R3K1NR w KQkq - 0 1");
        Play(*engine, { "g1f3", "e7e6", "f3g1", "e6e7" });
        ASSERT_EQ(engine->Position().QuietPlies, 4);
        Snapshot before = Take(*engine);
        EXPECT_FALSE(engine->MakeMove(FindGenerated(*engine, "e2d3").Move));
        ExpectSame(before, Take(*engine));

        Play(*engine, { "a1b1", "c7c5" });
        ASSERT_NE(engine->Position().EnPassantTarget, NoSquare);
        before = Take(*engine);
        EXPECT_FALSE(engine->MakeMove(FindGenerated(*engine, "e2d3").Move));
        ExpectSame(before, Take(*engine));
    }

    TEST(MakeMove, UpdatesRightsCountersAndEnPassantTarget)
    {
        auto engine = EngineAt("r3k2r/8/8/8/8/8/6B1/R3K2R w KQkq - 0 1");
        // Capturing a rook on its corner removes that side's right as surely as moving it.
        Play(*engine, { "g2a8" });
        EXPECT_EQ(engine->Position().CastleRights, AllCastleRights & ~BlackQueenSide);
        Play(*engine, { "h8h7", "h1h2" });
        EXPECT_EQ(engine->Position().CastleRights, WhiteQueenSide);
        Play(*engine, { "e8d7" });
        EXPECT_EQ(engine->Position().CastleRights, WhiteQueenSide);
        Play(*engine, { "e1d1" });
        EXPECT_EQ(engine->Position().CastleRights, 0);

        // Quiet plies count up and a pawn move resets them; a double step marks the skipped square.
        Load(*engine, "4k3/3p4/8/8/8/8/4P3/4K1N1 w - - 0 1");
        Play(*engine, { "g1f3", "e8f8" });
        EXPECT_EQ(engine->Position().QuietPlies, 2);
        Play(*engine, { "e2e4" });
        EXPECT_EQ(engine->Position().QuietPlies, 0);
        EXPECT_EQ(engine->Position().EnPassantTarget, MakeSquare(5, 4)); // e3
        Play(*engine, { "d7d5" });
        EXPECT_EQ(engine->Position().EnPassantTarget, MakeSquare(2, 3)); // d6
        Play(*engine, { "f3g1" });
        EXPECT_EQ(engine->Position().EnPassantTarget, NoSquare);
    }

    TEST(MakeMove, TakesBackEnPassantAndPromotionExactly)
    {
        auto engine = EngineAt("3r1k2/4P3/8/3pP3/8/8/8/4K3 w - d6 0 1");
        const Snapshot start = Take(*engine);

        Play(*engine, { "e5d6" });
        EXPECT_EQ(engine->Position().SquarePiece[MakeSquare(3, 3)], NoPiece); // d5 emptied
        EXPECT_EQ(engine->Position().SquarePiece[MakeSquare(2, 3)], Pawn); // d6
        engine->UnmakeMove();
        ExpectSame(start, Take(*engine));

        Play(*engine, { "e7d8n" });
        EXPECT_EQ(engine->Position().SquarePiece[D8], Knight);
        EXPECT_EQ(engine->Position().SquareColor[D8], White);
        engine->UnmakeMove();
        ExpectSame(start, Take(*engine));
        EXPECT_EQ(engine->Position().SquarePiece[D8], Rook);
    }

    TEST(MakeMove, StopsAtTheEndOfThePlyArrays)
    {
        // Knights can shuffle forever; the arrays hold MaxPly plies, so the move that would need a
        // record beyond them is refused and everything before it still takes back cleanly.
        auto engine = EngineAt("n3k3/8/8/8/8/8/8/4K1N1 w - - 0 1");
        const Snapshot start = Take(*engine);
        const char* shuffle[] = { "g1f3", "a8b6", "f3g1", "b6a8" };
        int ply = 0;
        for (; ply < MaxPly - 1; ++ply) {
            const MoveEntry entry = FindGenerated(*engine, shuffle[ply % 4]);
            ASSERT_TRUE(engine->MakeMove(entry.Move)) << ply;
        }
        EXPECT_EQ(engine->Position().Ply, MaxPly - 1);
        ASSERT_TRUE(engine->GenerateMoves());
        EXPECT_FALSE(engine->MakeMove(FindGenerated(*engine, shuffle[ply % 4]).Move));
        EXPECT_EQ(engine->Position().Ply, MaxPly - 1);
        for (; ply > 0; --ply)
            engine->UnmakeMove();
        ExpectSame(start, Take(*engine));
    }

} // namespace
} // namespace engine::test
