#pragma once

// TGameEvents: the handlers of a board's game events, in one place. The board holds them as its
// base, so callers set them by name (board.OnLegalMove = ...) and may also set all of them aside
// and put them back as a whole, without listing them.

#include "board/chesstypes.h"

#include <functional>

class QObject;

struct TGameEvents {
    // Event handlers; Sender is always the board itself.
    using TMoveEvent = std::function<void(QObject* Sender, Square oldSq, Square newSq)>;
    using TCaptureEvent = std::function<void(QObject* Sender, Square oldSq, Square newSq, char CapturedPiece)>;
    using TPromotionEvent = std::function<void(QObject* Sender, Square oldSq, Square newSq, char& NewPiece)>;
    using TIllegalMoveEvent = std::function<void(QObject* Sender, Square sq)>;
    using TNotifyEvent = std::function<void(QObject* Sender)>;

    TMoveEvent OnLegalMove;
    TCaptureEvent OnCapture;
    TPromotionEvent OnPromotion;
    TMoveEvent OnCastle;
    TMoveEvent OnCheck;
    TMoveEvent OnMate;
    TMoveEvent OnStaleMate;
    TNotifyEvent OnOnlyTwoKingsLeft;
    TNotifyEvent OnThreefoldPosition;
    // With MoreDrawRules: the move left a dead position, the 75-move rule ended the game, or the player
    // to move claimed a draw by the 50-move rule (ClaimFiftyMoveDraw).
    TNotifyEvent OnDeadPosition;
    TNotifyEvent OnSeventyFiveMoveRule;
    TNotifyEvent OnFiftyMoveDrawClaimed;
    TIllegalMoveEvent OnIllegalMove;
};
