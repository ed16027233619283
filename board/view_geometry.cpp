// The board's size, its appearance settings and the conversion from pixels to squares.

#include "chessbrd.h"

#include <algorithm>

// The control is always square: eight squares and the frame on both sides.
void TChessBoard::ApplySize(int side)
{
    setFixedSize(side, side);
    if (FCanvas.size() != size()) {
        FCanvas = QImage(size(), QImage::Format_RGB32);
        FCanvas.fill(Qt::white);
        FCanvasNeedsPaint = true;
    }
}

void TChessBoard::set_SizeOfSquare(int value)
{
    FSizeOfSquare = value;
    ApplySize(8 * FSizeOfSquare + 2 * FSizeOfBorder);
    Paint();
}

void TChessBoard::set_SizeOfBorder(int value)
{
    FSizeOfBorder = value;
    ApplySize(8 * FSizeOfSquare + 2 * FSizeOfBorder);
    update();
}

void TChessBoard::set_ResizeMinSize(int value)
{
    FResizeMinSize = std::min(value, FResizeMaxSize);
    if (width() < FResizeMinSize)
        ApplySize(FResizeMinSize);
}

void TChessBoard::set_ResizeMaxSize(int value)
{
    if (value > FResizeMinSize)
        FResizeMaxSize = value;
    if (width() > FResizeMaxSize)
        ApplySize(FResizeMaxSize);
}

void TChessBoard::set_BoardLines(bool value) { StoreAndRepaint(FBoardLines, value); }

void TChessBoard::set_WhiteOnTop(bool value) { StoreAndRepaint(FWhiteOnTop, value); }

void TChessBoard::set_DisplayCoords(DisplayCoordsSet edges) { StoreAndRepaint(FDisplayCoords, edges); }

void TChessBoard::set_BorderColor(TColor value) { StoreAndRepaint(FBorderColor, value); }

void TChessBoard::set_SquareColorDark(TColor value) { StoreAndRepaint(FSquareColorDark, value); }

void TChessBoard::set_SquareColorLight(TColor value) { StoreAndRepaint(FSquareColorLight, value); }

void TChessBoard::set_BorderBitmap(const QImage& bitmap) { StoreAndRepaint(FBorderBitmap, bitmap.copy()); }

void TChessBoard::set_SquareDark(const QImage& bitmap) { StoreAndRepaint(FSquareDark, bitmap.copy()); }

void TChessBoard::set_SquareLight(const QImage& bitmap) { StoreAndRepaint(FSquareLight, bitmap.copy()); }

void TChessBoard::set_CustomPieceSet(const QImage& bitmap) { StoreAndRepaint(FCustomPieceSet, bitmap.copy()); }

void TChessBoard::set_StandardSize(StandardSet value) { StoreAndRepaint(FStandardSize, value); }

void TChessBoard::set_CoordFont(const QFont& font) { StoreAndRepaint(FCoordFont, font); }

void TChessBoard::set_LineStyle(const QPen& pen) { StoreAndRepaint(FLineStyle, pen); }

QRect TChessBoard::SquareRect(Square sq) const
{
    int column = (SquareIndex(sq) - 1) % 8;
    int row = (SquareIndex(sq) - 1) / 8;
    if (FWhiteOnTop) {
        column = 7 - column;
        row = 7 - row;
    }
    return QRect(
        FSizeOfBorder + column * FSizeOfSquare, FSizeOfBorder + row * FSizeOfSquare, FSizeOfSquare, FSizeOfSquare);
}

Square TChessBoard::WindowToSquare(int x, int y) const
{
    const int dx = x - FSizeOfBorder;
    const int dy = y - FSizeOfBorder;
    const int inner = 8 * FSizeOfSquare;
    if (dx < 0 || dx >= inner || dy < 0 || dy >= inner)
        return Square::None;
    int column = std::min(dx / FSizeOfSquare, 7);
    int row = std::min(dy / FSizeOfSquare, 7);
    if (FWhiteOnTop) {
        column = 7 - column;
        row = 7 - row;
    }
    return SquareAt(row * 8 + column + 1);
}
