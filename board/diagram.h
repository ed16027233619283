#pragma once

// A diagram: a still picture of a position as chess books and newsletters print it, apart from the
// board widget. TDiagram is a plain value (the 64 squares, how the board is turned, the colours and
// the piece design), so a diagram can be painted at any size on any painter: an image for PNG and
// the clipboard, an SVG generator or a printer for vectors. One painting function serves them all,
// so every output shows the same picture. Main thread only (it paints with QPainter and fonts).

#include "board/piece_painting.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <array>

class QPainter;
class TChessBoard;

struct TDiagram {
    // The piece letters of the squares a8 first, h1 last; a blank (or anything that is no piece
    // letter) for an empty square.
    std::array<char, 64> Squares {};
    // Turned as the board shows it: White's pieces start at the top, rank 1 is the top row.
    bool WhiteOnTop = false;
    bool WhiteToMove = true;
    QColor DarkSquares { 128, 128, 128 };
    QColor LightSquares { 192, 192, 192 };
    QColor Frame { 128, 128, 0 };
    QColor Coordinates { 255, 255, 255 };
    QString CoordinateFamily = QStringLiteral("Liberation Sans");
    PieceDesign Design = PieceDesign::Staunton;
    // The file letters below the board and the rank numbers left of it, in a frame wide enough for
    // them; without, only a narrow frame.
    bool ShowCoordinates = true;
    // A small disc in the colour of the side to move, right of the frame on that side's edge.
    bool MarkSideToMove = false;
};

// The board's position as it shows it: its squares, its turn, its colours, the design of its vector
// pieces (Staunton while it shows bitmaps), coordinates on, no mark.
TDiagram DiagramOf(const TChessBoard& board);

// The letter on the square shown at the row and column (0 to 7, from the top-left corner).
char ShownLetter(const TDiagram& diagram, int row, int column);

// The diagram's width over its height: 1 without the mark, a little wider with it.
qreal DiagramAspect(const TDiagram& diagram);
// The size in pixels of a diagram `width` pixels wide.
QSize DiagramSize(const TDiagram& diagram, int width);

// Paints the diagram as large as it fits into target, centred there; nothing is painted beside the
// frame but the mark. The painter's state is kept.
void PaintDiagram(QPainter& painter, const TDiagram& diagram, const QRectF& target);

// The diagram `width` logical pixels wide (DiagramSize) at the pixel ratio, transparent where nothing
// is painted; a null image for a width below 1.
QImage DiagramImage(const TDiagram& diagram, int width, qreal pixelRatio = 1.0);

// The diagram as an SVG document `width` user units wide, everything in vector paths and text.
QByteArray DiagramSvg(const TDiagram& diagram, int width);
