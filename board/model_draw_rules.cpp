// The draw rules beyond mate, stalemate, bare kings and repetition, on while MoreDrawRules is: a
// dead position and 75 moves of each side without a capture or a pawn move end the game, and after
// 50 such moves the player to move may claim a draw. The half-move clock behind the last two is kept
// always, with each record entry, so that it follows every jump through the record.

#include "board/chessbrd.h"
#include "board/handler_calls.h"

#include <limits>

void TChessBoard::set_MoreDrawRules(bool value)
{
    FMoreDrawRules = value;
    RefreshDrawClaim();
}

// Called once the piece stands on its new square, before promotion.
void TChessBoard::CountHalfMove(Square movedTo, char captured)
{
    const char piece = Squares[SquareIndex(movedTo)];
    if (piece == 'P' || piece == 'p' || captured != EmptySquare)
        FHalfMoveClock = 0;
    else if (FHalfMoveClock < std::numeric_limits<int>::max())
        ++FHalfMoveClock;
}

bool TChessBoard::DeadPosition() const
{
    int knights = 0;
    int bishopColours[2] = { 0, 0 };
    for (int i = 1; i <= 64; ++i) {
        const char piece = Squares[i];
        if (piece == 'N' || piece == 'n')
            ++knights;
        else if (piece == 'B' || piece == 'b')
            ++bishopColours[ColorOfSquare(SquareAt(i))];
        else if (piece != EmptySquare && piece != 'K' && piece != 'k')
            return false;
    }
    // A lone knight mates no one and cannot be mated against; two minor pieces can, unless they are
    // bishops that never leave one colour. Bare kings end the game by a rule of their own.
    const bool bishopsOfOneColour = (bishopColours[0] == 0) != (bishopColours[1] == 0);
    return knights == 0 ? bishopsOfOneColour : knights == 1 && bishopColours[0] + bishopColours[1] == 0;
}

// After the classic ends of a move: a handler of one of them may have started a new game or kept
// the final position, so the rules look at the board as it is now, and a mate or stalemate there
// goes first.
void TChessBoard::RaiseDrawRuleEnd(THandlerCalls& handlers)
{
    if (!FMoreDrawRules || OnlyKingsLeft() || CheckForThreefoldPosition())
        return;
    const bool dead = DeadPosition();
    if (!dead && FHalfMoveClock < SeventyFiveMoveRuleHalfMoves)
        return;
    if (!LegalMoveAvailable())
        return;
    handlers.Raise(dead ? OnDeadPosition : OnSeventyFiveMoveRule);
}

// A player claims at the board on their own turn; a position looked back at is history, and the
// computer plays on.
bool TChessBoard::FiftyMoveClaimStands()
{
    return FMoreDrawRules && !FGameOver && FHalfMoveClock >= FiftyMoveRuleHalfMoves && !Reviewing() && HumanIsToMove()
        && LegalMoveAvailable();
}

bool TChessBoard::ClaimFiftyMoveDraw()
{
    if (!FiftyMoveClaimStands())
        return false;
    THandlerCalls handlers(this);
    handlers.Raise(OnFiftyMoveDrawClaimed);
    handlers.RethrowFirstError();
    return true;
}

void TChessBoard::RefreshDrawClaim()
{
    const std::pair<bool, bool> now { FMoreDrawRules, FiftyMoveClaimStands() };
    if (now == ShownDrawClaim)
        return;
    ShownDrawClaim = now;
    Q_EMIT DrawClaimChanged();
}
