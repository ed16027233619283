#pragma once

// The status texts of the game in words, for the preference "Status and results in words": the move
// just played in standard notation, the side in check, castling, and how the game ended, in the
// status bar and in the box. The classic texts stay where the window writes them; a game end is
// looked up by its classic status text, so that every end the window announces finds its sentence
// in the one table of status_words.cpp.

#include "board/chesstypes.h"

#include <QString>

#include <optional>

class TChessBoard;

// "White" or "Black".
QString SideInWords(bool white);
// "White played Nf3".
QString MovePlayedInWords(bool white, const QString& san);
// "Black is in check": the side in check.
QString CheckInWords(bool white);
// "White castled king-side": the side that castled and the side of the board.
QString CastlingInWords(bool white, bool kingSide);

struct TGameEndWords {
    QString Status;
    QString Box;
};
// The words of the game end whose classic status text is given ("Mate", "Draw: Stalemate", ...);
// whiteWins names the winner of a mate. Nothing for a status the table does not know: the classic
// texts then stand.
std::optional<TGameEndWords> GameEndInWords(const QString& classicStatus, bool whiteWins);

// A move refused on a finished game kept on the board: the result stays in sight.
QString FinishedGameRefusal(const QString& resultStatus);

// The half-move the board is making, in SAN ("Nf3", "exd6", "e8=Q+", "O-O"), for the handlers of its
// events: the record's last entry holds the position it is made from. Empty when that is no legal
// chess position or the squares are not the half-move being made.
QString SanOfMoveBeingMade(const TChessBoard& board, Square from, Square to);
