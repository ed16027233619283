#pragma once

// Squares and moves in coordinate notation: a square as its file letter and rank digit ("e4"), a
// move as its from and to squares and, for a promotion, the new piece in lower case ("e2e4",
// "e7e8q", castling as the king's move "e1g1"). The UCI protocol speaks it, the notation library
// names squares and moves with it in its texts and messages, and the tests print moves with it.
// Engine squares (0 = a8) and piece codes throughout.

#include "engine/engine_types.h"

#include <string>

namespace engine {

// "e4"; "-" for a number that is no square.
std::string SquareName(int square);
// The square that a file letter and a rank digit name ('e', '4'), or NoSquare.
int SquareNamed(char file, char rank);

// The letter of a piece that a pawn may become, in upper case ('N', 'B', 'R', 'Q'); 0 for any other
// piece code.
char PromotionLetter(int piece);
// The piece code of a promotion letter in either case, or NoPiece.
int PromotionPieceOf(char letter);

// "e7e8q": the two squares, then the promotion letter (either case, 0 for none) in lower case.
std::string CoordinateText(int from, int to, char promotionLetter);
// The same for an engine move; "0000" for NoMove.
std::string CoordinateText(EngineMove m);

} // namespace engine
