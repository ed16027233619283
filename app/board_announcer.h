#pragma once

// TBoardAnnouncer: what the board tells assistive technology, as its accessible description: the
// side to move, the last move in standard notation and the square under focus with what stands on
// it (the square a typed move names, else the piece a click has selected). Refresh brings it up to
// date whenever the board shows something else; a screen reader hears of each change through Qt's
// description-changed event.
//
// Owned by the window, on the main thread.

#include "board/chesstypes.h"

#include <QObject>
#include <QString>

class TChessBoard;

class TBoardAnnouncer : public QObject {
    Q_OBJECT

public:
    TBoardAnnouncer(TChessBoard& board, QObject* parent);

    // The square a typed move names; None when the text names none.
    void set_TypedSquare(Square sq);
    // The description for what the board shows now.
    QString Description() const;
    void Refresh();

private:
    QString LastMoveText() const;

    TChessBoard& Board;
    Square FTypedSquare = Square::None;
};
