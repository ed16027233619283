#pragma once

// The diagram printout: a vector diagram at a size in millimetres at the top left of the page,
// and below it the game it comes from: the players, the event, the moves in standard notation with
// their numbers, wrapped to the page width. Moves that do not fit on the first page go on to the next.

#include "notation/game_notation.h"

#include <QString>

class QPrinter;
struct TDiagram;

// The text under a diagram; any part may be empty, and is then left out.
struct TDiagramCaption {
    QString Players; // "White – Black"
    QString Event;
    QString Moves; // "1. e4 e5 2. Nf3 Nc6 1-0"
};

// The game's moves in standard notation with their numbers ("12... Nf6" when Black moves first),
// then the result when the game has one. Throws notation::NotationError for an illegal move.
QString NumberedMoves(const notation::Game& game);
// The players and the event from the game's tags, "?" standing for an unknown player, and its moves.
TDiagramCaption CaptionOf(const notation::Game& game);

// Prints the diagram `widthMm` wide (narrowed to the printable area when it is wider) and the
// caption under it, as one job. Returns the number of pages; throws TPrintError when the printer
// cannot start the job.
int PrintDiagram(QPrinter& printer, const TDiagram& diagram, double widthMm, const TDiagramCaption& caption);
