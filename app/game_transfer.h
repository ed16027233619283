#pragma once

// Whole games between the board and the notation library. The board knows positions and the squares
// of each half-move; the notation library knows games as PGN and positions as FEN. Reading a game
// off the board walks its record; putting a game on the board sets up its start and makes every
// move through the board's own Move, so that the record, the move list, navigation and the computer
// player work on it as on a game played by hand.

#include "notation/game_notation.h"

#include <string>

class TChessBoard;

// The game in the board's record, from its first position to its last, with no tags and result
// "*". Inside a move's events the half-move being made counts, up to the board's position. A
// position written over the board (a game file opened) is a game of its own without moves until a
// move is made from it; the game then starts there, where the record forms a legal game again.
// Throws notation::NotationError when the game would start from no legal chess position.
notation::Game RecordedGame(const TChessBoard& board);

// The board's current position, its letters as they stand, with the board's half-move clock.
notation::Position BoardPosition(const TChessBoard& board);

// The position of one record entry, as BoardPosition gives the board's own; the "init" placement of
// GetMove for a position outside the record.
notation::Position RecordedPosition(const TChessBoard& board, int moveNumber, bool whiteToMove);

// What putting a game on the board did.
struct TReplay {
    // Why the moves stopped before the game's end: the board ends a game when only the two kings are
    // left or a placement stands for the third time, with MoreDrawRules also at a dead position and
    // after 150 half-moves without a capture or a pawn move, and its record has room for 255 moves.
    enum class TCut { None, OnlyKings, Repetition, RecordFull, DeadPosition, SeventyFiveMoves };

    // The game as the board holds it now: the start (renumbered when needed) and the moves made.
    notation::Game Imported;
    // The start's move number was beyond what the board sets up, so the game starts at move 1.
    bool Renumbered = false;
    TCut Cut = TCut::None;
    // The half-moves left out, and the position of the first of them.
    int MovesLeftOut = 0;
    int CutMoveNumber = 0;
    bool CutWhite = true;
};

// Sets up the game's start and makes its moves with the board's Move. The board's event handlers
// and computer players are silent meanwhile and restored afterwards, as is the promotion piece; each
// promotion becomes the piece the game names. The board starts at the game's half-move clock. The
// moves stop where the board's rules end the game (only the two kings left, a placement standing
// for the third time, and with MoreDrawRules a dead position or the 75-move rule) or where its
// record has no room; TReplay says so, and the imported game plays by the board's draw rules. The
// game's moves must be legal (as the notation library's readers ensure).
TReplay ReplayOnBoard(TChessBoard& board, const notation::Game& game);
