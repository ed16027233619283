// Perft: leaf counts of the legal move tree. The published counts of the classic test positions
// check generation, make and take-back against the rules of chess; the small hand-counted cases
// check the positions that only a loaded game file can produce.

#include "tests/engine/engine_test_support.h"

#include "engine/perft.h"

namespace engine::test {
namespace {

    struct PerftCase {
        const char* Name;
        const char* Fen;
        int Depth;
        std::uint64_t Nodes;
    };

    void PrintTo(const PerftCase& c, std::ostream* os) { *os << c.Name << " depth " << c.Depth; }

    class PerftTest : public ::testing::TestWithParam<PerftCase> { };

    TEST_P(PerftTest, MatchesKnownCount)
    {
        auto engine = EngineAt(GetParam().Fen);
        EXPECT_EQ(Perft(*engine, GetParam().Depth), GetParam().Nodes);
        // Every make was taken back.
        EXPECT_EQ(engine->Position().Ply, 0);
        EXPECT_TRUE(engine->PositionIsConsistent());
    }

    constexpr const char* Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
    constexpr const char* Position3 = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1";
    constexpr const char* Position4 = "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1";
    constexpr const char* Position4Mirrored = "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1";
    constexpr const char* Position5 = "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8";
    constexpr const char* Position6 = "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10";
    constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

    INSTANTIATE_TEST_SUITE_P(PublishedCounts, PerftTest,
        ::testing::Values(PerftCase { "start", Start, 3, 8902 }, PerftCase { "start", Start, 4, 197281 },
            PerftCase { "start", Start, 5, 4865609 }, PerftCase { "kiwipete", Kiwipete, 2, 2039 },
            PerftCase { "kiwipete", Kiwipete, 3, 97862 }, PerftCase { "kiwipete", Kiwipete, 4, 4085603 },
            PerftCase { "position3", Position3, 4, 43238 }, PerftCase { "position3", Position3, 5, 674624 },
            PerftCase { "position4", Position4, 3, 9467 }, PerftCase { "position4", Position4, 4, 422333 },
            PerftCase { "position4_mirrored", Position4Mirrored, 4, 422333 },
            PerftCase { "position5", Position5, 3, 62379 }, PerftCase { "position5", Position5, 4, 2103487 },
            PerftCase { "position6", Position6, 3, 89890 }, PerftCase { "position6", Position6, 4, 3894594 }),
        [](const auto& info) { return std::string(info.param.Name) + "_depth" + std::to_string(info.param.Depth); });

    // Positions a game file can hold but a game cannot reach. The counts are those of the rules of
    // chess; a generator that trusts rights, ranks or en passant squares blindly counts more.
    INSTANTIATE_TEST_SUITE_P(LoadedPositions, PerftTest,
        ::testing::Values(
            // Castling rights without the rooks: only the five king steps.
            PerftCase { "rights_without_rooks", "4k3/8/8/8/8/8/8/4K3 w KQkq - 0 1", 1, 5 },
            PerftCase { "rights_without_rooks_black", "4k3/8/8/8/8/8/8/4K3 b KQkq - 0 1", 1, 5 },
            // Rights with the king off its square (d1): rooks and king move, no castling.
            PerftCase { "rights_king_displaced", "4k3/8/8/8/8/8/8/R2K3R w KQ - 0 1", 1, 24 },
            // Rights with an enemy piece in the corner: no castling on that side.
            PerftCase { "rights_enemy_knight_in_corner", "4k3/8/8/8/8/8/8/4K2n w K - 0 1", 1, 4 },
            // A pawn on its own first rank steps one square only.
            PerftCase { "white_pawn_on_first_rank", "4k3/8/8/8/8/8/8/P3K3 w - - 0 1", 1, 6 },
            PerftCase { "black_pawn_on_eighth_rank", "p3k3/8/8/8/8/8/8/4K3 b - - 0 1", 1, 6 },
            // A pawn on its own last rank has no move.
            PerftCase { "white_pawn_on_last_rank", "P3k3/8/8/8/8/8/8/4K3 w - - 0 1", 1, 5 },
            PerftCase { "black_pawn_on_last_rank", "4k3/8/8/8/8/8/8/p3K3 b - - 0 1", 1, 5 },
            // En passant squares with no pawn behind them, or occupied, are ignored.
            PerftCase { "en_passant_without_victim", "4k3/8/8/4P3/8/8/8/4K3 w - d6 0 1", 1, 6 },
            PerftCase { "en_passant_onto_occupied_square", "4k3/8/3n4/3pP3/8/8/8/4K3 w - d6 0 1", 1, 7 },
            PerftCase { "en_passant_real", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", 1, 7 },
            PerftCase { "en_passant_black_without_victim", "4k3/8/8/8/3p4/8/8/4K3 b - e3 0 1", 1, 6 }),
        [](const auto& info) { return std::string(info.param.Name) + "_depth" + std::to_string(info.param.Depth); });

    TEST(Perft, RefusesDepthsOutsideItsRange)
    {
        auto engine = EngineAt(Start);
        EXPECT_EQ(Perft(*engine, 0), 1u);
        EXPECT_FALSE(Perft(*engine, -1).has_value());
        EXPECT_FALSE(Perft(*engine, MaxPerftDepth + 1).has_value());
        EXPECT_FALSE(PerftDivide(*engine, 0).has_value());
    }

    TEST(Perft, PawnsOnTheirLastRanksNeitherMoveNorAttack)
    {
        // The kings cannot reach the corners within three plies, so the pawns there must not
        // change the tree at all.
        auto withPawns = EngineAt("P3k2P/8/8/8/8/8/8/p3K2p w - - 0 1");
        auto kingsOnly = EngineAt("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
        EXPECT_EQ(Perft(*withPawns, 3), Perft(*kingsOnly, 3));
    }

} // namespace
} // namespace engine::test
