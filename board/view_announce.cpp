// OnShownChanged: the board tells its window that what it shows has changed. The changes of one
// operation (a move with its promotion and castling rook, a new game) come one after another, so
// the event is raised once, from the event loop, after the operation is over.

#include "board/chessbrd.h"
#include "board/entry_point.h"

#include <QTimer>

void TChessBoard::AnnounceShownChange()
{
    if (!OnShownChanged || std::exchange(ShownChangeAnnounced, true))
        return;
    // A timer, not an event of the board's own: it does not count as a message to the board, at
    // which the computer would start by itself.
    QTimer::singleShot(0, this, [this] {
        ShownChangeAnnounced = false;
        if (OnShownChanged)
            CatchAtEntryPoint([this] { OnShownChanged(this); });
    });
}
