// Evaluation: material and piece placement from the per-search PieceSquare table, plus pawn
// structure and rooks on open files.

#include "engine/engine.h"
#include "engine/eval_tables.h"

namespace engine {

namespace {

    // The table square that `color` reads for board square s: White reads the tables as laid out,
    // Black reads them mirrored.
    constexpr int TableSquare(int color, int s) { return color == White ? s : FlipSquare(s); }

    constexpr int KingSideFirstFile = 5; // f
    constexpr int QueenSideLastFile = 2; // c

} // namespace

void Engine::PrepareTables()
{
    // Material plus placement for every piece but the king.
    for (int color = White; color <= Black; ++color) {
        for (int s = 0; s < SquareCount; ++s) {
            const int t = TableSquare(color, s);
            PieceSquare[color][Pawn][s] = PieceValue[Pawn] + PawnTable[t];
            PieceSquare[color][Knight][s] = PieceValue[Knight] + MinorTable[t];
            PieceSquare[color][Bishop][s] = PieceValue[Bishop] + MinorTable[t];
            PieceSquare[color][Rook][s] = PieceValue[Rook];
            PieceSquare[color][Queen][s] = PieceValue[Queen];
            PieceSquare[color][King][s] = 0;
        }
    }

    // Each king: while the enemy keeps more than a queen and a rook of pieces, it should stay
    // home and keep the pawns in front of it; below that it should come to the centre. The choice
    // is made here once, for the root, and holds for the whole search.
    for (int color = White; color <= Black; ++color) {
        const int enemy = color ^ 1;
        int enemyMaterial = 0;
        int kingSquare = NoSquare;
        for (int s = 0; s < SquareCount; ++s) {
            const int piece = Pos.SquarePiece[s];
            if (Pos.SquareColor[s] == enemy && piece >= Knight && piece <= Queen)
                enemyMaterial += PieceValue[piece];
            if (Pos.SquareColor[s] == color && piece == King && kingSquare == NoSquare)
                kingSquare = s;
        }
        const bool middleGame = enemyMaterial > MiddleGameMaterial;
        for (int s = 0; s < SquareCount; ++s) {
            const int t = TableSquare(color, s);
            PieceSquare[color][King][s] = middleGame ? KingMiddleTable[t] : KingEndTable[t];
        }
        // A side without a king shelters nothing.
        if (!middleGame || kingSquare == NoSquare)
            continue;
        const SquareTable* shelter = FileOf(kingSquare) >= KingSideFirstFile ? &PawnShelterKingSide
            : FileOf(kingSquare) <= QueenSideLastFile                        ? &PawnShelterQueenSide
                                                                             : nullptr;
        if (shelter)
            for (int s = 0; s < SquareCount; ++s)
                PieceSquare[color][Pawn][s] += (*shelter)[TableSquare(color, s)];
    }
    // The running sums follow the new table.
    RecomputePlacementScores();
}

int Engine::Evaluate() const
{
    // Pawns per file, with an empty slot beyond each edge file so that neighbours always exist.
    int pawnsOnFile[ColorCount][10] = {};
    for (int color = White; color <= Black; ++color)
        for (SquareSet pawns = PieceSet[color][Pawn]; pawns;)
            ++pawnsOnFile[color][FileOf(PopLowestSquare(pawns)) + 1];

    // Material and placement: the sum of the pieces' PieceSquare entries, kept up to date as
    // pieces are put and taken.
    int score[ColorCount] = { PlacementScore[White], PlacementScore[Black] };

    // Pawn structure and rooks, from the pawn counts.
    for (int color = White; color <= Black; ++color) {
        const int* own = pawnsOnFile[color];
        const int* theirs = pawnsOnFile[color ^ 1];
        for (SquareSet pawns = PieceSet[color][Pawn]; pawns;) {
            const int s = PopLowestSquare(pawns);
            const int n = FileOf(s) + 1;
            // a. Doubled: each pawn of a crowded file pays.
            if (own[n] > 1)
                score[color] -= DoubledPawnPenalty;
            // b. Isolated, worse on a file the enemy cannot block with a pawn.
            if (own[n - 1] == 0 && own[n + 1] == 0) {
                score[color] -= IsolatedPawnPenalty;
                if (theirs[n] == 0)
                    score[color] -= IsolatedOnOpenFilePenalty;
            }
            // c. Passed: no enemy pawn on its own or a neighbouring file, wherever it stands.
            if (theirs[n - 1] == 0 && theirs[n] == 0 && theirs[n + 1] == 0)
                score[color] += PassedPawnTableFactor * PieceSquare[color][Pawn][s];
        }
        for (SquareSet rooks = PieceSet[color][Rook]; rooks;) {
            const int n = FileOf(PopLowestSquare(rooks)) + 1;
            if (own[n] == 0) {
                score[color] += RookOnFileWithoutOwnPawn;
                if (theirs[n] == 0)
                    score[color] += RookOnOpenFileExtra;
            }
        }
    }

    // From the side to move's point of view.
    return score[Pos.SideToMove] - score[Pos.OtherSide];
}

} // namespace engine
