// The board's size, its appearance settings and the conversion from pixels to squares.

#include "board/chessbrd.h"

#include <algorithm>

namespace {

// The largest side the control takes, more than the height of a 4K screen. Larger sizes only come from
// absurd property values; they would overflow the size arithmetic or ask for a backing image of
// gigabytes (2048 x 2048 is 16 MB).
constexpr int MaxControlSide = 2048;

int Bounded(int value) { return std::clamp(value, -MaxControlSide, MaxControlSide); }

// The frame of a board filling a room: the classic 24 pixels, and two fifths of a square on squares
// larger than 60 pixels, so that a large board keeps a slim frame.
int BorderOfRoom(int square) { return std::max(TChessBoard::ClassicSizeOfBorder, (2 * square + 2) / 5); }

int SideOfRoom(int square) { return 8 * square + 2 * BorderOfRoom(square); }

} // namespace

int TFont::SizeInPoints() const
{
    if (pointSize() > 0)
        return pointSize();
    return MulDiv(pixelSize(), 72, ScreenPixelsPerInch);
}

int TFont::HeightInPixels() const
{
    if (pixelSize() > 0)
        return pixelSize();
    return MulDiv(pointSize(), ScreenPixelsPerInch, 72);
}

// The coordinates are white Arial of 7 points, drawn with its metric twin where Arial itself is
// missing.
TFont TChessBoard::DefaultCoordFont()
{
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substituted;
    TFont font(QFont(QStringLiteral("Arial")), clWhite);
    font.setPointSize(7);
    return font;
}

// The view's side of construction. The appearance settings start at their fields' initial values;
// here the built-in piece set gets its images and the control the size of its squares.
void TChessBoard::ConstructView()
{
    InitializeBitmaps();
    OrganizeBitmaps();
    FitControlToSquares();
}

// Gives the control a new size, at most MaxControlSide. A canvas of another size is made anew and drawn in full by the
// next paint event; the toolkit repaints a visible control after a size change by itself.
void TChessBoard::SetControlSize(int width, int height)
{
    width = std::clamp(width, 0, MaxControlSide);
    height = std::clamp(height, 0, MaxControlSide);
    setFixedSize(width, height);
    if (FCanvas.deviceIndependentSize() != QSizeF(width, height) || FCanvas.devicePixelRatio() != devicePixelRatioF())
        MakeCanvas();
}

// A canvas of the control's size in the screen's own pixels (twice as many each way on a screen at
// 200 %), so that text, lines and vector pieces are drawn sharp; its painters work in the control's
// pixels. It is drawn in full by the next paint event.
void TChessBoard::MakeCanvas()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    FCanvas = pixels.width() > 0 && pixels.height() > 0 ? QImage(pixels, QImage::Format_RGB32) : QImage();
    if (!FCanvas.isNull()) {
        FCanvas.setDevicePixelRatio(ratio);
        FCanvas.fill(Qt::white);
    }
    FCanvasNeedsPaint = true;
    update();
}

void TChessBoard::set_Width(int value) { SetControlSize(value, height()); }

void TChessBoard::set_Height(int value) { SetControlSize(width(), value); }

// The control square, eight squares and a border on each side.
void TChessBoard::FitControlToSquares()
{
    const int side = 8 * FSizeOfSquare + 2 * FSizeOfBorder;
    SetControlSize(side, side);
}

void TChessBoard::set_SizeOfSquare(int value)
{
    FSizeOfSquare = Bounded(value);
    FitControlToSquares();
    Paint();
}

void TChessBoard::set_SizeOfBorder(int value)
{
    FSizeOfBorder = Bounded(value);
    FitControlToSquares();
}

void TChessBoard::set_ResizeMinSize(int value)
{
    FResizeMinSize = std::min(value, FResizeMaxSize);
    if (width() < FResizeMinSize)
        set_Width(FResizeMinSize);
}

void TChessBoard::set_ResizeMaxSize(int value)
{
    if (value > FResizeMinSize)
        FResizeMaxSize = value;
    if (width() > FResizeMaxSize)
        set_Width(FResizeMaxSize);
}

void TChessBoard::set_Room(std::optional<QSize> room)
{
    FRoom = room;
    int square = ClassicSizeOfSquare;
    int border = ClassicSizeOfBorder;
    if (room) {
        const int side = std::min({ room->width(), room->height(), MaxControlSide });
        while (SideOfRoom(square + 1) <= side)
            ++square;
        border = BorderOfRoom(square);
    }
    FCoordScale = room ? static_cast<double>(border) / ClassicSizeOfBorder : 1.0;
    if (square == FSizeOfSquare && border == FSizeOfBorder)
        return;
    FSizeOfBorder = border;
    FSizeOfSquare = square;
    FitControlToSquares();
    Paint();
}

void TChessBoard::set_BoardLines(bool value) { StoreAndRepaint(FBoardLines, value); }

void TChessBoard::set_WhiteOnTop(bool value)
{
    const bool turned = value != FWhiteOnTop;
    StoreAndRepaint(FWhiteOnTop, value);
    if (turned)
        Q_EMIT WhiteOnTopChanged();
}

void TChessBoard::set_DisplayCoords(DisplayCoordsSet edges) { StoreAndRepaint(FDisplayCoords, edges); }

void TChessBoard::set_BorderColor(TColor value) { StoreAndRepaint(FBorderColor, value); }

void TChessBoard::set_SquareColorDark(TColor value) { StoreAndRepaint(FSquareColorDark, value); }

void TChessBoard::set_SquareColorLight(TColor value) { StoreAndRepaint(FSquareColorLight, value); }

// The object-valued setters keep a copy of their own, never the caller's object.
void TChessBoard::set_BorderBitmap(const QImage& bitmap) { StoreAndRepaint(FBorderBitmap, bitmap.copy()); }

void TChessBoard::set_SquareDark(const QImage& bitmap) { StoreAndRepaint(FSquareDark, bitmap.copy()); }

void TChessBoard::set_SquareLight(const QImage& bitmap) { StoreAndRepaint(FSquareLight, bitmap.copy()); }

void TChessBoard::set_CoordFont(const TFont& font) { StoreAndRepaint(FCoordFont, font); }

void TChessBoard::set_LineStyle(const QPen& pen) { StoreAndRepaint(FLineStyle, pen); }

// Square n lies in column (n - 1) mod 8 and row (n - 1) div 8 from a8, turned by 180 degrees with
// WhiteOnTop.
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

// The 8 x 8 squares: from the origin to Width - SizeOfBorder, Height - SizeOfBorder (exclusive).
QRect TChessBoard::SquaresArea() const
{
    return QRect(
        QPoint(FSizeOfBorder, FSizeOfBorder), QPoint(width() - FSizeOfBorder - 1, height() - FSizeOfBorder - 1));
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
