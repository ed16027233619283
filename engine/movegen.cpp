// Pseudo-legal move generation. Moves are appended in a fixed order (squares from a8 to h1, each
// piece's directions in table order, then castling, then en passant); that order decides ties in
// move ordering, so it must not change. Legality is settled later by MakeMove.

#include "engine/engine_inline.h"

namespace engine {

namespace {

    // The rows that matter to pawns, counted from rank 8 (row 0).
    constexpr int Rank8Row = 0;
    constexpr int Rank7Row = 1;
    constexpr int Rank6Row = 2;
    constexpr int Rank3Row = 5;
    constexpr int Rank2Row = 6;
    constexpr int Rank1Row = 7;

    constexpr int LastRow(int color) { return color == White ? Rank8Row : Rank1Row; }
    constexpr int StartRow(int color) { return color == White ? Rank2Row : Rank7Row; }
    constexpr int PromotionFromRow(int color) { return color == White ? Rank7Row : Rank2Row; }
    // The row of a square that a pawn of `color` skipped with a double step.
    constexpr int EnPassantRow(int color) { return color == White ? Rank3Row : Rank6Row; }
    constexpr int Forward(int color) { return color == White ? -RankStep : RankStep; }

} // namespace

std::span<const MoveEntry> Engine::MovesOfCurrentPly() const
{
    return { MoveStack + PlyStart[Pos.Ply], MoveStack + PlyEnd[Pos.Ply] };
}

void Engine::AppendMove(EngineMove m, int score)
{
    int& end = PlyEnd[Pos.Ply];
    if (end == MoveStackSize) {
        MoveListFull = true;
        return;
    }
    MoveStack[end] = { m, score };
    ++end;
}

void Engine::AddMove(int from, int to, int flags)
{
    // A pawn reaching the mover's last rank promotes.
    if ((flags & mfPawnMove) && RowOf(to) == LastRow(Pos.SideToMove)) {
        AddPromotions(from, to, flags);
        return;
    }
    // Captures are ordered most valuable victim first, cheapest attacker next (an en passant
    // capture lands on an empty square, so its victim code is NoPiece); quiet moves by history.
    const int score = (flags & mfCapture) ? CaptureOrderBase + 10 * Pos.SquarePiece[to] - Pos.SquarePiece[from]
                                          : HistoryTable[from][to];
    AppendMove(EncodeMove(from, to, 0, flags), score);
}

void Engine::AddPromotions(int from, int to, int flags)
{
    // Ordered by the new piece alone, whether or not the step captures.
    for (int piece = Knight; piece <= Queen; ++piece)
        AppendMove(EncodeMove(from, to, piece, flags | mfPromotion), CaptureOrderBase + 10 * piece);
}

void Engine::AddPawnMoves(int from, bool capturesOnly)
{
    const int side = Pos.SideToMove;
    const int row = RowOf(from);
    // A pawn on its own last rank (possible in a loaded position) has nowhere to go.
    if (row == LastRow(side))
        return;
    const int ahead = from + Forward(side);
    const int file = FileOf(from);
    // The capture towards the a-file first, then towards the h-file.
    if (file != FileA && Pos.SquareColor[ahead - 1] == Pos.OtherSide)
        AddMove(from, ahead - 1, PawnCaptureFlags);
    if (file != FileH && Pos.SquareColor[ahead + 1] == Pos.OtherSide)
        AddMove(from, ahead + 1, PawnCaptureFlags);
    if (capturesOnly) {
        // Only the step that promotes counts as a capture-like move.
        if (row == PromotionFromRow(side) && IsEmpty(ahead))
            AddMove(from, ahead, PawnStepFlags);
        return;
    }
    if (IsEmpty(ahead)) {
        AddMove(from, ahead, PawnStepFlags);
        // The double step only from the pawn's real start rank.
        const int twoAhead = ahead + Forward(side);
        if (row == StartRow(side) && IsEmpty(twoAhead))
            AddMove(from, twoAhead, DoubleStepFlags);
    }
}

void Engine::AddPieceMoves(int from, bool capturesOnly)
{
    const int piece = Pos.SquarePiece[from];
    const SquareSet enemy = ColorSet[Pos.OtherSide];
    const SquareSet occupied = ColorSet[White] | ColorSet[Black];
    const auto addCapture = [&](int to) {
        AppendMove(EncodeMove(from, to, 0, CaptureFlags), CaptureOrderBase + 10 * Pos.SquarePiece[to] - piece);
    };
    const auto addQuiet = [&](int to) { AppendMove(EncodeMove(from, to, 0, QuietFlags), HistoryTable[from][to]); };

    if (piece == Knight || piece == King) {
        // The steps of both come in rising order of their target squares, so the targets visited
        // from the lowest up are the directions in table order.
        const SquareSet reach = (piece == Knight ? KnightReach : KingReach)[from];
        for (SquareSet targets = reach & (capturesOnly ? enemy : ~ColorSet[Pos.SideToMove]); targets;) {
            const int to = PopLowestSquare(targets);
            if (enemy & SquareBit(to))
                addCapture(to);
            else
                addQuiet(to);
        }
        return;
    }

    // Sliders, line by line: the empty squares outward from the piece, then the nearest piece
    // if it is the enemy's. Looking only for captures, a line without enemy pieces is passed over.
    const PieceMovement& movement = Movement[piece];
    const SquareSet reach = (piece == Bishop ? 0 : StraightLines[from]) | (piece == Rook ? 0 : DiagonalLines[from]);
    if (capturesOnly && !(reach & enemy))
        return;
    for (int d = 0; d < movement.DirectionCount; ++d) {
        const int line = MovementLine[piece][d];
        if (capturesOnly && !(Ray[line][from] & enemy))
            continue;
        const int blocker = NearestOnRay(line, from, occupied);
        if (!capturesOnly) {
            SquareSet empty = Ray[line][from];
            if (blocker != NoSquare)
                empty &= ~(Ray[line][blocker] | SquareBit(blocker));
            if (LineDirections[line] > 0) {
                while (empty)
                    addQuiet(PopLowestSquare(empty));
            } else {
                for (; empty; empty &= ~SquareBit(63 - std::countl_zero(empty)))
                    addQuiet(63 - std::countl_zero(empty));
            }
        }
        if (blocker != NoSquare && (enemy & SquareBit(blocker)))
            addCapture(blocker);
    }
}

void Engine::AddCastling()
{
    // Offered only when king and rook stand on their start squares: rights alone could come from a
    // position whose pieces no longer match them. Empty and safe squares are tested by MakeMove.
    if (Pos.SideToMove == White) {
        if (!Holds(E1, White, King))
            return;
        if ((Pos.CastleRights & WhiteKingSide) && Holds(H1, White, Rook))
            AddMove(E1, G1, CastleFlags);
        if ((Pos.CastleRights & WhiteQueenSide) && Holds(A1, White, Rook))
            AddMove(E1, C1, CastleFlags);
    } else {
        if (!Holds(E8, Black, King))
            return;
        if ((Pos.CastleRights & BlackKingSide) && Holds(H8, Black, Rook))
            AddMove(E8, G8, CastleFlags);
        if ((Pos.CastleRights & BlackQueenSide) && Holds(A8, Black, Rook))
            AddMove(E8, C8, CastleFlags);
    }
}

void Engine::AddEnPassant()
{
    const int target = Pos.EnPassantTarget;
    if (target == NoSquare)
        return;
    const int side = Pos.SideToMove;
    // Only a target that a double step of the opponent really left behind: on the skipped rank,
    // empty, with the opposing pawn right behind it. Anything else came from a bad position.
    const int victim = target - Forward(side);
    if (RowOf(target) != EnPassantRow(side ^ 1) || !IsEmpty(target) || !Holds(victim, Pos.OtherSide, Pawn))
        return;
    // Capturers stand on the victim's rank, towards the a-file first.
    if (FileOf(target) != FileA && Holds(victim - 1, side, Pawn))
        AddMove(victim - 1, target, EnPassantFlags);
    if (FileOf(target) != FileH && Holds(victim + 1, side, Pawn))
        AddMove(victim + 1, target, EnPassantFlags);
}

void Engine::BeginGeneration()
{
    PlyEnd[Pos.Ply] = PlyStart[Pos.Ply];
    MoveListFull = false;
}

void Engine::AddMovesOfAllPieces(bool capturesOnly)
{
    for (SquareSet own = ColorSet[Pos.SideToMove]; own;) {
        const int s = PopLowestSquare(own);
        if (Pos.SquarePiece[s] == Pawn)
            AddPawnMoves(s, capturesOnly);
        else
            AddPieceMoves(s, capturesOnly);
    }
}

bool Engine::FinishGeneration()
{
    if (Pos.Ply + 1 < MaxPly)
        PlyStart[Pos.Ply + 1] = PlyEnd[Pos.Ply];
    return !MoveListFull;
}

bool Engine::GenerateMoves()
{
    // This ply's moves follow those of the plies below it.
    BeginGeneration();
    // Every piece of the mover, in board order from a8.
    AddMovesOfAllPieces(false);
    // Castling, then en passant.
    AddCastling();
    AddEnPassant();
    // The next ply's moves will follow these.
    return FinishGeneration();
}

bool Engine::GenerateCaptures()
{
    BeginGeneration();
    AddMovesOfAllPieces(true);
    AddEnPassant();
    return FinishGeneration();
}

} // namespace engine
