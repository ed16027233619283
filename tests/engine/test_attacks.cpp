// Attack and check tests, against a plain reference that walks every piece's moves over the board.
// The engine looks outward from the square instead; both must always agree.

#include "tests/engine/engine_test_support.h"

#include "engine/board_tables.h"
#include "engine/legal_moves.h"

#include <random>

namespace engine::test {
namespace {

    // Whether any piece of `side` reaches `square` by walking its moves, the way generation does.
    bool ReferenceIsAttacked(const EnginePosition& p, int square, int side)
    {
        for (int i = 0; i < SquareCount; ++i) {
            if (p.SquareColor[i] != side)
                continue;
            const int piece = p.SquarePiece[i];
            if (piece == Pawn) {
                const int ahead = side == White ? i - 8 : i + 8;
                if ((FileOf(i) != FileA && ahead - 1 == square) || (FileOf(i) != FileH && ahead + 1 == square))
                    return true;
                continue;
            }
            for (int d = 0; d < Movement[piece].DirectionCount; ++d) {
                for (int t = StepFrom(i, Movement[piece].Directions[d]); t != NoSquare;
                     t = StepFrom(t, Movement[piece].Directions[d])) {
                    if (t == square)
                        return true;
                    if (p.SquarePiece[t] != NoPiece || !Movement[piece].Slides)
                        break;
                }
            }
        }
        return false;
    }

    TEST(Attacks, AgreeWithWalkingEveryPieceAlongPlayedLines)
    {
        // Random legal lines from varied starts, made and taken back as in a search. After every make
        // and take-back the attack test must agree with the walk, and the engine's running piece sets
        // and placement sums with a recount (PositionIsConsistent).
        const char* starts[] = {
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
            "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
            "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
            // Pawns on their last ranks and a second king: positions a game file can hold.
            "P2qk2P/8/8/3K4/8/8/8/p2QK2p w - - 0 1",
        };
        const auto check = [](const Engine& engine) {
            ASSERT_TRUE(engine.PositionIsConsistent());
            for (int side = White; side <= Black; ++side)
                for (int s = 0; s < SquareCount; ++s)
                    ASSERT_EQ(engine.IsAttacked(s, side), ReferenceIsAttacked(engine.Position(), s, side))
                        << SquareName(s) << " by " << side;
        };
        std::mt19937 random(20240229);
        auto engine = MakeEngine();
        for (const char* fen : starts) {
            for (int line = 0; line < 20; ++line) {
                Load(*engine, fen);
                engine->PrepareTables();
                int plies = 0;
                for (; plies < MaxPly - 2; ++plies) {
                    check(*engine);
                    std::vector<EngineMove> legal;
                    EXPECT_TRUE(ForEachLegalMove(*engine, [&](EngineMove m) { legal.push_back(m); }));
                    if (legal.empty())
                        break;
                    ASSERT_TRUE(engine->MakeMove(legal[random() % legal.size()]));
                }
                for (; plies > 0; --plies) {
                    engine->UnmakeMove();
                    check(*engine);
                }
            }
        }
    }

    struct AttackCase {
        const char* Fen;
        const char* Square;
        int Side;
        bool Attacked;
    };

    TEST(Attacks, EdgeCases)
    {
        const AttackCase cases[] = {
            // Pawns attack forward diagonally only, and not around the board's edge.
            { "4k3/8/8/8/3P4/8/8/4K3 w - - 0 1", "c5", White, true },
            { "4k3/8/8/8/3p4/8/8/4K3 w - - 0 1", "c5", Black, false },
            { "4k3/8/8/8/7P/8/8/4K3 w - - 0 1", "a4", White, false },
            // A pawn on its own last rank attacks nothing; sliders stop at the first piece in the way.
            { "P3k3/8/8/8/8/8/8/4K3 w - - 0 1", "b1", White, false },
            { "4k3/8/8/8/R2n3q/8/8/4K3 w - - 0 1", "e4", White, false },
        };
        auto engine = MakeEngine();
        for (const AttackCase& c : cases) {
            SCOPED_TRACE(std::string(c.Fen) + " " + c.Square);
            Load(*engine, c.Fen);
            const int square = MakeSquare('8' - c.Square[1], c.Square[0] - 'a');
            EXPECT_EQ(engine->IsAttacked(square, c.Side), c.Attacked);
        }
    }

    TEST(KingInCheck, UsesTheFirstKingAndIsFalseWithoutOne)
    {
        auto engine = EngineAt("8/8/8/8/8/8/8/r3K3 w - - 0 1");
        EXPECT_TRUE(engine->KingInCheck(White));
        EXPECT_FALSE(engine->KingInCheck(Black));

        // Two White kings: the one nearer a8 decides.
        Load(*engine, "K7/8/8/8/8/8/8/4K2r w - - 0 1");
        EXPECT_FALSE(engine->KingInCheck(White));
        Load(*engine, "K6r/8/8/8/8/8/8/4K3 w - - 0 1");
        EXPECT_TRUE(engine->KingInCheck(White));
    }

} // namespace
} // namespace engine::test
