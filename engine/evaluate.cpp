// Evaluation: material and piece placement from the per-search PieceSquare table, plus pawn
// structure and rooks on open files.

#include "engine/engine.h"
#include "engine/eval_tables.h"

#include <algorithm>
#include <iterator>

namespace engine {

namespace {

    // The table square that `color` reads for board square s: White reads the tables as laid out,
    // Black reads them mirrored.
    constexpr int TableSquare(int color, int s) { return color == White ? s : FlipSquare(s); }

    // The files (bit f = file f) that hold at least one square of the set: its eight rows folded onto one.
    constexpr int FilesHolding(SquareSet set)
    {
        set |= set >> 32;
        set |= set >> 16;
        set |= set >> 8;
        return static_cast<int>(set & 0xFF);
    }

    // The files beside those of a file set, within the board.
    constexpr int NeighbourFiles(int files) { return ((files << 1) | (files >> 1)) & 0xFF; }

    // The squares of each file.
    constexpr std::array<SquareSet, 8> FileSquares = [] {
        std::array<SquareSet, 8> table {};
        for (int s = 0; s < SquareCount; ++s)
            table[FileOf(s)] |= SquareBit(s);
        return table;
    }();

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
    // The running sums follow the new table, and the pawn terms cached for the old one go.
    RecomputePlacementScores();
    std::fill(std::begin(PawnCache), std::end(PawnCache), PawnStructure {});
}

const Engine::PawnStructure& Engine::PawnStructureOf(SquareSet whitePawns, SquareSet blackPawns) const
{
    const std::uint64_t hash = whitePawns * 0x9E3779B97F4A7C15ULL ^ blackPawns * 0xC2B2AE3D27D4EB4FULL;
    PawnStructure& entry = PawnCache[hash >> (64 - PawnCacheBits)];
    if (entry.Pawns[White] == whitePawns && entry.Pawns[Black] == blackPawns)
        return entry;

    entry = { { whitePawns, blackPawns }, { 0, 0 } };
    const int pawnFiles[ColorCount] = { FilesHolding(whitePawns), FilesHolding(blackPawns) };
    for (int color = White; color <= Black; ++color) {
        const SquareSet ownPawns = entry.Pawns[color];
        const int own = pawnFiles[color];
        const int theirs = pawnFiles[color ^ 1];
        int& score = entry.Score[color];
        for (SquareSet pawns = ownPawns; pawns;) {
            const int s = PopLowestSquare(pawns);
            const int file = 1 << FileOf(s);
            const int neighbours = NeighbourFiles(file);
            // a. Doubled: each pawn of a crowded file pays.
            if (ownPawns & FileSquares[FileOf(s)] & ~SquareBit(s))
                score -= DoubledPawnPenalty;
            // b. Isolated, worse on a file the enemy cannot block with a pawn.
            if (!(own & neighbours)) {
                score -= IsolatedPawnPenalty;
                if (!(theirs & file))
                    score -= IsolatedOnOpenFilePenalty;
            }
            // c. Passed: no enemy pawn on its own or a neighbouring file, wherever it stands.
            if (!(theirs & (file | neighbours)))
                score += PassedPawnTableFactor * PieceSquare[color][Pawn][s];
        }
    }
    return entry;
}

int Engine::Evaluate() const
{
    // Material and placement: the sum of the pieces' PieceSquare entries, kept up to date as
    // pieces are put and taken; then the pawn structure.
    const SquareSet whitePawns = PieceSet[White][Pawn];
    const SquareSet blackPawns = PieceSet[Black][Pawn];
    const PawnStructure& structure = PawnStructureOf(whitePawns, blackPawns);
    int score[ColorCount]
        = { PlacementScore[White] + structure.Score[White], PlacementScore[Black] + structure.Score[Black] };

    // Rooks on files without pawns of their own side, more so without any pawns (bit f = file f).
    const int pawnFiles[ColorCount] = { FilesHolding(whitePawns), FilesHolding(blackPawns) };
    for (int color = White; color <= Black; ++color) {
        const int own = pawnFiles[color];
        const int theirs = pawnFiles[color ^ 1];
        for (SquareSet rooks = PieceSet[color][Rook]; rooks;) {
            const int file = 1 << FileOf(PopLowestSquare(rooks));
            if (!(own & file)) {
                score[color] += RookOnFileWithoutOwnPawn;
                if (!(theirs & file))
                    score[color] += RookOnOpenFileExtra;
            }
        }
    }

    // From the side to move's point of view.
    return score[Pos.SideToMove] - score[Pos.OtherSide];
}

} // namespace engine
