// Making and taking back moves. MakeMove also settles legality: a move that leaves the mover's own
// king attacked, or a castling move through check, is refused and leaves the position as it was.

#include "engine/engine_inline.h"

namespace engine {

namespace {

    // Castling by the king's target square: the squares that must be empty, the squares the king
    // crosses or lands on (which must not be attacked), and the rook's journey.
    struct CastlingPath {
        int KingTarget;
        int Empty[3];
        int EmptyCount;
        int Safe[2];
        int RookFrom;
        int RookTo;
    };

    constexpr CastlingPath CastlingPaths[] = {
        { C8, { B8, C8, D8 }, 3, { C8, D8 }, A8, D8 },
        { G8, { F8, G8 }, 2, { F8, G8 }, H8, F8 },
        { C1, { B1, C1, D1 }, 3, { C1, D1 }, A1, D1 },
        { G1, { F1, G1 }, 2, { F1, G1 }, H1, F1 },
    };

    const CastlingPath* FindCastlingPath(int kingTarget)
    {
        for (const CastlingPath& path : CastlingPaths)
            if (path.KingTarget == kingTarget)
                return &path;
        return nullptr;
    }

    // The square of the pawn taken en passant: one rank behind the target, seen from the mover.
    constexpr int EnPassantVictim(int target, int mover)
    {
        return mover == White ? target + RankStep : target - RankStep;
    }

} // namespace

bool Engine::PlaceCastlingRook(int kingTarget)
{
    const CastlingPath* path = FindCastlingPath(kingTarget);
    if (!path)
        return false;
    for (int i = 0; i < path->EmptyCount; ++i)
        if (!IsEmpty(path->Empty[i]))
            return false;
    // The b-file square may be attacked: only the king's own path counts.
    for (int square : path->Safe)
        if (AttackedBy(square, Pos.OtherSide))
            return false;
    MovePiece(path->RookFrom, path->RookTo);
    return true;
}

void Engine::ReturnCastlingRook(int kingTarget)
{
    const CastlingPath* path = FindCastlingPath(kingTarget);
    assert(path);
    MovePiece(path->RookTo, path->RookFrom);
}

bool Engine::MakeMove(EngineMove m)
{
    // The ply arrays end here: a deeper move could not be recorded.
    if (Pos.Ply >= MaxPly - 1)
        return false;
    const int from = MoveFrom(m);
    const int to = MoveTo(m);
    const int mover = Pos.SideToMove;
    assert(from < SquareCount && to < SquareCount && Pos.SquareColor[from] == mover);
    const bool wasInCheck = SideToMoveInCheck();
    const bool kingMoves = Pos.SquarePiece[from] == King;

    // Castling out of check or through an occupied or attacked square is refused before anything
    // changes; otherwise the rook moves now and the king below like any piece.
    if (MoveHas(m, mfCastle)) {
        if (wasInCheck || !PlaceCastlingRook(to))
            return false;
    }

    // Remember what the move destroys.
    UndoStack[Pos.Ply] = { m, Pos.SquarePiece[to], Pos.CastleRights, Pos.EnPassantTarget, Pos.QuietPlies };
    ++Pos.Ply;
    CheckAtPly[Pos.Ply] = CheckUnknown;

    // Rights, en passant target and the quiet-ply count.
    Pos.CastleRights &= CastleMask[from] & CastleMask[to];
    Pos.EnPassantTarget = MoveHas(m, mfDoublePush) ? EnPassantVictim(to, mover) : NoSquare;
    Pos.QuietPlies = MoveHas(m, mfCapture | mfPawnMove) ? 0 : Pos.QuietPlies + 1;

    // Move the piece (promoting it), and take a pawn captured en passant.
    ClearSquare(to);
    if (MoveHas(m, mfPromotion)) {
        ClearSquare(from);
        PutPiece(to, mover, MovePromotion(m));
    } else {
        MovePiece(from, to);
    }
    if (MoveHas(m, mfEnPassant))
        ClearSquare(EnPassantVictim(to, mover));

    // The other side moves next.
    Pos.SideToMove = Pos.OtherSide;
    Pos.OtherSide = mover;

    // A move that leaves the mover's own king attacked is illegal. Out of check, a move that is
    // neither a king move nor en passant (two pieces leave one rank) can only uncover an attack.
    const bool fullTest = wasInCheck || kingMoves || MoveHas(m, mfEnPassant);
    if (fullTest ? KingAttacked(mover) : UncoveredKing(from, mover)) {
        UnmakeMove();
        return false;
    }
    assert(PositionIsConsistent());
    return true;
}

bool Engine::MoveIsLegal(EngineMove m)
{
    const int from = MoveFrom(m);
    if (Pos.Ply < MaxPly - 1 && !SideToMoveInCheck() && Pos.SquarePiece[from] != King
        && !MoveHas(m, mfEnPassant | mfCastle))
        return !BreaksPin(from, MoveTo(m), Pos.SideToMove);
    if (!MakeMove(m))
        return false;
    UnmakeMove();
    return true;
}

void Engine::UnmakeMove()
{
    assert(Pos.Ply > 0);
    // Back to the mover, with the counters as they were.
    Pos.OtherSide = Pos.SideToMove;
    Pos.SideToMove ^= 1;
    --Pos.Ply;
    const UndoRecord& undo = UndoStack[Pos.Ply];
    Pos.CastleRights = undo.CastleRights;
    Pos.EnPassantTarget = undo.EnPassantTarget;
    Pos.QuietPlies = undo.QuietPlies;

    // The piece returns (a promoted piece as a pawn) and the captured piece reappears.
    const EngineMove m = undo.Move;
    const int from = MoveFrom(m);
    const int to = MoveTo(m);
    if (MoveHas(m, mfPromotion)) {
        ClearSquare(to);
        PutPiece(from, Pos.SideToMove, Pawn);
    } else {
        MovePiece(to, from);
    }
    if (undo.Captured != NoPiece)
        PutPiece(to, Pos.OtherSide, undo.Captured);

    // The castling rook and the pawn taken en passant return.
    if (MoveHas(m, mfCastle))
        ReturnCastlingRook(to);
    if (MoveHas(m, mfEnPassant))
        PutPiece(EnPassantVictim(to, Pos.SideToMove), Pos.OtherSide, Pawn);
    assert(PositionIsConsistent());
}

} // namespace engine
