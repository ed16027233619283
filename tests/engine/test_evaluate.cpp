// Evaluation: hand-counted positions for each term, the symmetry between the sides, and a plain
// two-pass reference evaluation over positions played from varied starts.

#include "engine_test_support.h"

#include "eval_tables.h"

#include <random>

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

    // The choices that PrepareTables makes at the root: king table and pawn shelter per colour.
    struct RootChoice {
        bool MiddleGame[ColorCount];
        const SquareTable* Shelter[ColorCount];
    };

    RootChoice ChooseAtRoot(const EnginePosition& p)
    {
        RootChoice choice {};
        for (int color = White; color <= Black; ++color) {
            int enemyMaterial = 0;
            int king = NoSquare;
            for (int s = 0; s < SquareCount; ++s) {
                if (p.SquareColor[s] == (color ^ 1) && p.SquarePiece[s] >= Knight && p.SquarePiece[s] <= Queen)
                    enemyMaterial += PieceValue[p.SquarePiece[s]];
                if (p.SquareColor[s] == color && p.SquarePiece[s] == King && king == NoSquare)
                    king = s;
            }
            choice.MiddleGame[color] = enemyMaterial > MiddleGameMaterial;
            if (choice.MiddleGame[color] && king != NoSquare)
                choice.Shelter[color] = FileOf(king) >= 5 ? &PawnShelterKingSide
                    : FileOf(king) <= 2                   ? &PawnShelterQueenSide
                                                          : nullptr;
        }
        return choice;
    }

    int ReferenceTableValue(const RootChoice& choice, int color, int piece, int s)
    {
        const int t = color == White ? s : FlipSquare(s);
        switch (piece) {
        case Pawn: return 100 + PawnTable[t] + (choice.Shelter[color] ? (*choice.Shelter[color])[t] : 0);
        case Knight:
        case Bishop: return 300 + MinorTable[t];
        case Rook: return 500;
        case Queen: return 900;
        default: return choice.MiddleGame[color] ? KingMiddleTable[t] : KingEndTable[t];
        }
    }

    // Two passes over the board: material and placement with pawn counts, then the pawn and rook terms.
    int ReferenceEvaluate(const EnginePosition& p, const RootChoice& choice)
    {
        int pawns[ColorCount][10] = {};
        int score[ColorCount] = {};
        for (int s = 0; s < SquareCount; ++s) {
            if (p.SquarePiece[s] == NoPiece)
                continue;
            if (p.SquarePiece[s] == Pawn)
                ++pawns[p.SquareColor[s]][FileOf(s) + 1];
            score[p.SquareColor[s]] += ReferenceTableValue(choice, p.SquareColor[s], p.SquarePiece[s], s);
        }
        for (int s = 0; s < SquareCount; ++s) {
            const int c = p.SquareColor[s];
            const int n = FileOf(s) + 1;
            if (p.SquarePiece[s] == Pawn) {
                const int* own = pawns[c];
                const int* other = pawns[c ^ 1];
                score[c] -= own[n] > 1 ? 5 : 0;
                if (own[n - 1] == 0 && own[n + 1] == 0)
                    score[c] -= other[n] == 0 ? 30 : 20;
                if (other[n - 1] == 0 && other[n] == 0 && other[n + 1] == 0)
                    score[c] += 2 * ReferenceTableValue(choice, c, Pawn, s);
            } else if (p.SquarePiece[s] == Rook && pawns[c][n] == 0) {
                score[c] += pawns[c ^ 1][n] == 0 ? 15 : 10;
            }
        }
        return score[p.SideToMove] - score[p.SideToMove ^ 1];
    }

    TEST(Evaluate, AgreesWithTwoPassReferenceThroughoutSearchLikeLines)
    {
        // Tables are prepared once at the root; lines of random legal moves then change material,
        // promote and capture en passant while the root's choices hold, as inside a search.
        const char* starts[] = {
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
            "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
            "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
            "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
            "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
            "r1b2rk1/pp1nqppp/2pbpn2/3p4/2PP4/2NBPN2/PPQ2PPP/2KR3R b - - 5 9",
        };
        std::mt19937 random(77);
        auto engine = MakeEngine();
        for (const char* fen : starts) {
            for (int line = 0; line < 40; ++line) {
                Load(*engine, fen);
                engine->PrepareTables();
                const RootChoice choice = ChooseAtRoot(engine->Position());
                int plies = 0;
                for (; plies < MaxPly - 2; ++plies) {
                    ASSERT_EQ(engine->Evaluate(), ReferenceEvaluate(engine->Position(), choice)) << fen;
                    std::vector<EngineMove> legal;
                    for (const MoveEntry& entry : Generated(*engine)) {
                        if (engine->MakeMove(entry.Move)) {
                            engine->UnmakeMove();
                            legal.push_back(entry.Move);
                        }
                    }
                    if (legal.empty())
                        break;
                    ASSERT_TRUE(engine->MakeMove(legal[random() % legal.size()]));
                }
                // And all the way back.
                for (; plies > 0; --plies) {
                    engine->UnmakeMove();
                    ASSERT_EQ(engine->Evaluate(), ReferenceEvaluate(engine->Position(), choice)) << fen;
                }
            }
        }
    }

} // namespace
} // namespace engine::test
