#pragma once

// TPromotionChooser: a small popup column over the board with the four pieces a pawn may become,
// queen nearest the promotion square. A click or Enter picks, Q R B N pick at once, the arrow keys
// move the highlight; Esc or a click outside cancels.

#include "board/chesstypes.h"

#include <QWidget>

#include <functional>

class TChessBoard;

class TPromotionChooser : public QWidget {
public:
    static constexpr char Pieces[4] = { 'q', 'r', 'b', 'n' };

    // The piece the player picks for a pawn arriving on the square, shown over squareRect (in the
    // board's pixels); 0 when the player cancels. Waits in an event loop of its own.
    static char Choose(TChessBoard& board, Square sq, const QRect& squareRect);

    TPromotionChooser(TChessBoard& board, Square sq, const QRect& squareRect);
    char Picked() const { return FPicked; }
    // Called once when the popup closes, picked or not.
    std::function<void()> OnClosed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Pick(int index);
    // The cell of piece `index` in the popup.
    QRect CellRect(int index) const;

    TChessBoard& Board;
    const bool WhitePiece;
    // The column grows downwards from the square in the board's upper half, upwards otherwise.
    const bool Downwards;
    const int Cell;
    int Highlighted = 0;
    char FPicked = 0;
};
