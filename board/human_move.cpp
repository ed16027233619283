// What a player's gesture (a drop or a click on a target) means before it becomes a Move: the king
// put onto its own rook castles, and a pawn reaching the last rank asks which piece it becomes.

#include "board/castling.h"
#include "board/chessbrd.h"

#include <QScopeGuard>

TChessBoard::TGestureOutcome TChessBoard::HumanMove(Square oldSq, Square newSq)
{
    newSq = IntendedTarget(oldSq, newSq);
    // An engine of its own plays this side: its moves come through Move, not through the mouse.
    if (OutsidePlayer(FWhiteToMove) || !MoveIsLegal(oldSq, newSq))
        return TGestureOutcome::Refused;
    if (Reviewing() && ConfirmReplacingRest) {
        const EngineSituation asked = CurrentEngineSituation();
        // While the question was open the position may have been changed from outside.
        if (!ConfirmReplacingRest() || CurrentEngineSituation() != asked || !MoveIsLegal(oldSq, newSq))
            return TGestureOutcome::Cancelled;
    }
    if (!FChoosePromotion || !PromotionChooser || !PawnPromotesOn(PieceAt(oldSq), newSq))
        return Move(oldSq, newSq) ? TGestureOutcome::Moved : TGestureOutcome::Refused;

    const EngineSituation asked = CurrentEngineSituation();
    const char choice = PromotionChooser(newSq);
    // While the chooser was open the position may have been changed from outside.
    if (!IsPromotionLetter(choice) || CurrentEngineSituation() != asked)
        return TGestureOutcome::Cancelled;
    // The pick is for this move only; later promotions (the computer's too) keep the standing piece.
    const char standing = FPromotionPiece;
    FPromotionPiece = choice;
    const auto restore = qScopeGuard([this, standing] { FPromotionPiece = standing; });
    return Move(oldSq, newSq) ? TGestureOutcome::Moved : TGestureOutcome::Refused;
}

// The king's own rook as target stands for castling on that side, when the preference is on.
Square TChessBoard::IntendedTarget(Square oldSq, Square newSq) const
{
    if (!FCastleOntoRook || !AreOnBoard(oldSq, newSq))
        return newSq;
    for (const CastlingMove& c : Castlings)
        if (c.kingFrom == oldSq && c.rookFrom == newSq && PieceAt(oldSq) == c.king && PieceAt(newSq) == c.rook)
            return c.kingTo;
    return newSq;
}
