// Click-to-move: a click on a piece of the player to move selects it, a click on one of its legal
// targets moves it, a click on another own piece selects that one, and any other click deselects.
// Dragging works beside it unchanged.

#include "board/chessbrd.h"

#include <utility>

void TChessBoard::set_ClickToMove(bool value)
{
    FClickToMove = value;
    if (!value)
        DropSelection();
}

void TChessBoard::ClickOnSquare(Square sq)
{
    const Square selected = FSelectedSquare;
    if (IsOnBoard(selected) && IsOnBoard(sq) && MoveIsLegal(selected, IntendedTarget(selected, sq))) {
        // A made move drops the selection with the old position; a cancelled or refused one here.
        if (HumanMove(selected, sq) != TGestureOutcome::Moved)
            DropSelection();
        return;
    }
    if (sq != selected && IsPlayersPiece(sq))
        Select(sq);
    else
        DropSelection();
}

// A piece the player at the board may move now: the side to move's, while no computer thinks for or
// plays that side.
bool TChessBoard::IsPlayersPiece(Square sq) const
{
    if (!IsOnBoard(sq) || FThinking.load() || MakingMove || !HumanIsToMove() || FGameOver)
        return false;
    return ColorOfPiece(sq) == (FWhiteToMove ? 1 : 0);
}

void TChessBoard::Select(Square sq)
{
    DropSelection();
    FSelectedSquare = sq;
    AnnounceShownChange();
    // The player sees what the click took, with its targets when ShowLegalTargets asks for them.
    MarkTargetsOf(sq);
}

void TChessBoard::DropSelection()
{
    if (std::exchange(FSelectedSquare, Square::None) != Square::None)
        AnnounceShownChange();
    UnmarkTargets();
}
