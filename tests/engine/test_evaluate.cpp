// Evaluation: hand-counted positions for each term and the king-table choice. (Every value the
// search reaches in the bench suite is pinned by the bench test as well.)

#include "tests/engine/engine_test_support.h"

namespace engine::test {
namespace {

    int EvaluateFen(Engine& engine, std::string_view fen)
    {
        Load(engine, fen);
        engine.PrepareTables();
        return engine.Evaluate();
    }

    TEST(Evaluate, StartPositionIsEvenForEitherSide)
    {
        auto engine = MakeEngine();
        EXPECT_EQ(EvaluateFen(*engine, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"), 0);
        EXPECT_EQ(EvaluateFen(*engine, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1"), 0);
    }

    struct ScoreCase {
        const char* Name;
        const char* Fen;
        int Score;
    };

    TEST(Evaluate, CountsPawnAndRookTerms)
    {
        // Both kings on their end-game table squares e1 / e8 (-5 each) unless said otherwise.
        const ScoreCase cases[] = {
            // 120 from the table, twice that again as passed, -20 isolated, -10 no enemy pawn on its file.
            { "passed pawn on e7", "4k3/4P3/8/8/8/8/8/4K3 w - - 0 1", 330 },
            { "passed pawn, Black to move", "4k3/4P3/8/8/8/8/8/4K3 b - - 0 1", -330 },
            // Two pawns on one file cost 5 each and are isolated on a file without enemy pawns; the
            // pawn on b7 keeps them from being passed and is isolated itself.
            { "doubled pawns", "4k3/1p6/8/8/8/P7/P7/4K3 w - - 0 1", (101 + 100 - 2 * 5 - 2 * 30 - 5) - (100 - 30 - 5) },
            { "rook on a file without pawns", "4k3/8/8/8/8/8/8/R3K3 w - - 0 1", 515 },
            { "rook on a file with an enemy pawn", "4k3/p7/8/8/8/8/8/R3K3 w - - 0 1", 505 - 265 },
            { "rook behind its own pawn", "4k3/8/8/8/8/8/P7/R3K3 w - - 0 1", 770 },
        };
        auto engine = MakeEngine();
        for (const ScoreCase& c : cases) {
            SCOPED_TRACE(c.Name);
            EXPECT_EQ(EvaluateFen(*engine, c.Fen), c.Score);
        }
    }

    struct KingCase {
        const char* Name;
        const char* FenWithQueenAndRook;
        const char* FenWithKnightMore;
        int Difference;
    };

    TEST(Evaluate, KingTableAndShelterFollowEnemyMaterial)
    {
        // Adding a Black knight on b8 (300 - 20 = 280 for Black) lifts Black's pieces from 1400 to 1700:
        // White's king leaves the end-game table for the middle-game one, and on the f to h or a to c
        // files it shelters its pawns (+20 each on the second rank). The shelter is part of the pawns'
        // table entries, so these passed pawns get it three times.
        const KingCase cases[] = {
            { "king side", "r2qk3/8/8/8/8/8/5PPP/6K1 w - - 0 1", "rn1qk3/8/8/8/8/8/5PPP/6K1 w - - 0 1",
                (10 - -5) + 3 * 3 * 20 - 280 },
            { "queen side", "r2qk3/8/8/8/8/8/PPP5/2K5 w - - 0 1", "rn1qk3/8/8/8/8/8/PPP5/2K5 w - - 0 1",
                (10 - -5) + 3 * 3 * 20 - 280 },
            { "centre, no shelter", "r2qk3/8/8/8/8/8/3PPP2/4K3 w - - 0 1", "rn1qk3/8/8/8/8/8/3PPP2/4K3 w - - 0 1",
                (0 - -5) - 280 },
        };
        auto engine = MakeEngine();
        for (const KingCase& c : cases) {
            SCOPED_TRACE(c.Name);
            const int endGame = EvaluateFen(*engine, c.FenWithQueenAndRook);
            const int middleGame = EvaluateFen(*engine, c.FenWithKnightMore);
            EXPECT_EQ(middleGame - endGame, c.Difference);
        }
    }

    TEST(Evaluate, PawnTermsFollowTheTablesOfEachSearch)
    {
        // The same pawns, first sheltering a castled king, then with the king in the centre: an
        // engine that evaluated the first must not keep its pawn terms for the second.
        const char* sheltered = "r2qk3/8/8/8/8/8/5PPP/6K1 w - - 0 1";
        const char* central = "r2qk3/8/8/8/8/8/5PPP/4K3 w - - 0 1";
        const char* knightMore = "rn1qk3/8/8/8/8/8/5PPP/6K1 w - - 0 1";
        auto engine = MakeEngine();
        const int shelteredScore = EvaluateFen(*engine, knightMore);
        EXPECT_EQ(EvaluateFen(*engine, central), EvaluateFen(*MakeEngine(), central));
        EXPECT_EQ(EvaluateFen(*engine, sheltered), EvaluateFen(*MakeEngine(), sheltered));
        EXPECT_EQ(EvaluateFen(*engine, knightMore), shelteredScore);
    }

} // namespace
} // namespace engine::test
