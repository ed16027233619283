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

    // Walks the move tree: at every node each generated move is judged by MoveIsLegal first, which
    // must leave the position alone and agree with MakeMove; a move made never leaves its king attacked.
    void CheckLegalityJudgements(Engine& engine, int depth, int& judged)
    {
        if (depth == 0)
            return;
        ASSERT_TRUE(engine.GenerateMoves());
        const auto moves = engine.MovesOfCurrentPly();
        const std::vector<MoveEntry> entries(moves.begin(), moves.end());
        for (const MoveEntry& entry : entries) {
            const std::string before = Describe(engine);
            const bool legal = engine.MoveIsLegal(entry.Move);
            ASSERT_EQ(Describe(engine), before) << CoordinateText(entry.Move);
            const int mover = engine.Position().SideToMove;
            ASSERT_EQ(engine.MakeMove(entry.Move), legal) << before << " " << CoordinateText(entry.Move);
            ++judged;
            if (!legal)
                continue;
            ASSERT_FALSE(engine.KingInCheck(mover)) << before << " " << CoordinateText(entry.Move);
            CheckLegalityJudgements(engine, depth - 1, judged);
            engine.UnmakeMove();
            // The generation of the deeper plies used the list beyond this ply's moves.
            ASSERT_TRUE(engine.GenerateMoves());
        }
    }

    TEST(MakeMove, LegalityShortcutsAgreeWithMakingTheMove)
    {
        const struct {
            const char* Name;
            const char* Fen;
            int Depth;
        } cases[] = {
            { "pins, castling, en passant", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3 },
            { "en passant pinned along the rank", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 4 },
            { "promotions and checks", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 3 },
            { "in check at the root", "4k3/8/8/8/8/8/4q3/R3K2R w KQ - 0 1", 3 },
            // Positions a file can hold: the side not to move in check, two kings, no king.
            { "side not to move in check", "4k3/8/8/8/8/8/8/r3K2R b K - 0 1", 3 },
            { "two kings, the first one counts", "k7/8/8/8/8/2b5/8/K3K2r w - - 0 1", 3 },
            { "no king to lose", "4k3/8/8/8/8/8/3r4/R3B3 w - - 0 1", 3 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            auto engine = EngineAt(c.Fen);
            int judged = 0;
            CheckLegalityJudgements(*engine, c.Depth, judged);
            EXPECT_GT(judged, 100);
            EXPECT_EQ(engine->Position().Ply, 0);
        }
    }

} // namespace
} // namespace engine::test
