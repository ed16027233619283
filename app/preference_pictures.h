#pragma once

// The small pictures of the Preferences dialog: a swatch for each board theme and a preview of the
// pieces the player chose, standing on squares of the chosen theme.

#include "app/board_themes.h"
#include "app/piece_choices.h"

#include <QIcon>
#include <QPixmap>

class TChessBoard;

// A square icon of side pixels: the theme's frame around two squares of each colour.
QIcon BoardThemeSwatch(BoardTheme theme, int side = 16);

// Two rows of six squares of cell pixels, the White pieces above the Black ones. A vector choice is
// painted at the cell's size; the bitmap choices show the board's own images, whatever they are
// (none without a board), scaled to the cell.
QPixmap PiecesPicture(PieceChoice choice, BoardTheme theme, const TChessBoard* board, int cell, qreal pixelRatio = 1.0);
