// Drawing the board into its backing image: the frame with coordinates and outlines, the
// squares with their colours or textures and the board lines, and the pieces. Everything is drawn
// at once into FCanvas; paintEvent only copies the image to the screen, so tests read the picture.
//
// The board lines take the width and style of LineStyle in black: the pen that DrawBorder leaves
// behind, since every change of LineStyle repaints in full.

#include "board/canvas_scope.h"
#include "board/chessbrd.h"

#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <cmath>

namespace {

// Division rounded down, also for negative numerators.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The toolkit's pen: a one-pixel pen covers whole pixels; wider ones have round ends.
QPen CanvasPen(const QPen& style, const QColor& colour)
{
    QPen pen(colour, style.widthF(), style.style());
    pen.setCapStyle(style.widthF() <= 1 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The toolkit's line from the current point to (x, y), which becomes the current point: with a
// one-pixel pen the start pixel is drawn and the end pixel is not, whatever the direction.
// (Horizontal and vertical lines only; the board draws no others.)
void LineTo(QPainter& painter, QPoint& at, int x, int y)
{
    const QPoint to(x, y);
    if (painter.pen().widthF() <= 1) {
        const QPoint step((to.x() > at.x()) - (to.x() < at.x()), (to.y() > at.y()) - (to.y() < at.y()));
        if (step != QPoint(0, 0))
            painter.drawLine(at, to - step);
    } else {
        painter.drawLine(at, to);
    }
    at = to;
}

// Resets the board's shared painter when Paint ends, also by an exception.
struct ResetOnExit {
    QPainter*& painter;
    ~ResetOnExit() { painter = nullptr; }
};

} // namespace

// Fills the clip, the region `clip` that the painter is clipped to, with a texture tiled from the
// control's top-left corner, or with a colour: the clip's bounding rectangle is filled under the clip.
void TChessBoard::FillArea(QPainter& painter, const QRegion& clip, const QImage& texture, TColor color) const
{
    if (clip.isEmpty())
        return;
    QBrush brush(ToQColor(color));
    if (BitmapExists(texture)) {
        // The bitmap's colours are copied as they are; an alpha channel is not blended.
        const bool direct = texture.format() == QImage::Format_RGB32;
        brush = QBrush(direct ? texture : texture.convertToFormat(QImage::Format_RGB32));
        painter.setBrushOrigin(0, 0);
    }
    painter.fillRect(clip.boundingRect(), brush);
}

void TChessBoard::Paint()
{
    // Size rule: the control is square and its inner part a multiple of eight pixels.
    const int side = (width() + height()) / 2;
    FSizeOfSquare = FloorDiv(side - 2 * FSizeOfBorder, 8);
    FitControlToSquares();
    FitVectorPieces();
    // Held: the last hold's end paints.
    FCanvasNeedsPaint = PaintingHeld();
    if (FCanvas.isNull() || PaintingHeld())
        return;
    PaintCanvas(true);
}

// The frame (border, coordinates, outlines) lies outside the squares, and nothing drawn on the
// squares reaches it, so without it the squares' area is painted as a whole Paint paints it.
void TChessBoard::PaintCanvas(bool withFrame)
{
    {
        QPainter painter(&FCanvas);
        FCanvasPainter = &painter;
        ResetOnExit reset { FCanvasPainter };
        if (withFrame)
            DrawBorder();
        DrawBoard();
        DrawPieces();
        DrawHintArrowWithin(SquaresArea());
        DrawTargetMarks();
    }
    if (withFrame)
        update();
    else
        update(SquaresArea());
}

void TChessBoard::PaintPosition()
{
    // Inside a hold the squares are painted at its end.
    if (!PaintingHeld())
        Paint();
}

void TChessBoard::ReleasePainting()
{
    if (FPaintingHolds == 0 || --FPaintingHolds > 0)
        return;
    // Only a new position was held back while the frame stood painted: the squares suffice, unless
    // pieces larger than their squares reach into the frame.
    if (FCanvasNeedsPaint || FCanvas.isNull() || FPieceSize > FSizeOfSquare)
        Paint();
    else
        PaintCanvas(false);
}

void TChessBoard::DrawBorder()
{
    CanvasScope painter(FCanvasPainter, FCanvas, CanvasScope::Clipping, PaintingHeld());
    if (!painter)
        return;
    FillFrame(*painter);
    DrawCoordinates(*painter);
    DrawOutlines(*painter);
}

// The frame only: the squares are left out of the clip, which stays so for the rest of DrawBorder.
void TChessBoard::FillFrame(QPainter& painter) const
{
    const QRegion frame = QRegion(0, 0, width(), height()).subtracted(QRegion(SquaresArea()));
    painter.setClipRegion(frame, Qt::IntersectClip);
    FillArea(painter, frame, FBorderBitmap, FBorderColor);
}

// Rank numbers and file letters on the edges DisplayCoordinates names, each top-left aligned at its
// point, with a transparent background.
void TChessBoard::DrawCoordinates(QPainter& painter) const
{
    // A board filling a room draws its coordinates larger by as much as its squares are.
    const auto scaled = [this](int size) { return FRoom ? static_cast<int>(std::lround(size * FCoordScale)) : size; };
    QFont font = FCoordFont;
    font.setPixelSize(std::max(scaled(FCoordFont.HeightInPixels()), 1));
    painter.setFont(font);
    painter.setPen(ToQColor(FCoordFont.Color()));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QFontMetrics metrics = painter.fontMetrics();
    const auto drawText
        = [&](int x, int y, const QString& text) { painter.drawText(QPoint(x, y + metrics.ascent()), text); };

    // The font's size in points stands for the text's extent in both directions when centring it.
    const int textSize = scaled(FCoordFont.SizeInPoints());
    const int insetInBorder = FloorDiv(FSizeOfBorder - textSize, 2) + 1;
    const int insetInSquare = FloorDiv(FSizeOfSquare - textSize, 2);
    // File letters stand a quarter of the line height higher than rank numbers.
    const int fileLetterRaise = metrics.height() / 4;
    const int farBorderX = width() - FSizeOfBorder;
    const int farBorderY = height() - FSizeOfBorder;
    const char* letters = FWhiteOnTop ? "HGFEDCBA" : "ABCDEFGH";
    for (int k = 0; k < 8; ++k) {
        const QString rank = QString::number(FWhiteOnTop ? k + 1 : 8 - k);
        const QString file(QChar::fromLatin1(letters[k]));
        const int alongEdge = FSizeOfBorder + k * FSizeOfSquare + insetInSquare;
        if (FDisplayCoords.Contains(DisplayCoords::West))
            drawText(insetInBorder, alongEdge, rank);
        if (FDisplayCoords.Contains(DisplayCoords::East))
            drawText(farBorderX + insetInBorder, alongEdge, rank);
        if (FDisplayCoords.Contains(DisplayCoords::North))
            drawText(alongEdge, insetInBorder - fileLetterRaise, file);
        if (FDisplayCoords.Contains(DisplayCoords::South))
            drawText(alongEdge, farBorderY + insetInBorder - fileLetterRaise, file);
    }
}

// The outline of the control and that of the squares, both measured with Width (the control is square).
void TChessBoard::DrawOutlines(QPainter& painter) const
{
    painter.setPen(CanvasPen(FLineStyle, FLineStyle.color()));
    const int side = width();
    const int inner = FSizeOfBorder - 1;
    const int innerFar = side - FSizeOfBorder;
    QPoint at(0, 0);
    LineTo(painter, at, side - 1, 0);
    LineTo(painter, at, side - 1, side - 1);
    LineTo(painter, at, 0, side - 1);
    LineTo(painter, at, 0, 0);
    at = QPoint(inner, inner);
    LineTo(painter, at, innerFar, inner);
    LineTo(painter, at, innerFar, innerFar);
    LineTo(painter, at, inner, innerFar);
    LineTo(painter, at, inner, inner);
}

void TChessBoard::DrawBoard()
{
    CanvasScope painter(FCanvasPainter, FCanvas, CanvasScope::Clipping, PaintingHeld());
    if (!painter)
        return;
    const QRect area = SquaresArea();
    painter->setClipRect(area, Qt::IntersectClip);

    // Two passes, dark squares then light: each fills once through a clip that leaves out the 32 squares
    // of the other colour. The screen's top-left square is light.
    for (int pass = 0; pass < 2; ++pass) {
        painter->save();
        std::array<QRect, 32> excluded;
        for (int k = 0; k < 8; ++k)
            for (int j = 0; j < 4; ++j) {
                const int column = 2 * j + ((k & 1) ^ pass);
                excluded[static_cast<std::size_t>(4 * k + j)] = QRect(FSizeOfBorder + column * FSizeOfSquare,
                    FSizeOfBorder + k * FSizeOfSquare, FSizeOfSquare, FSizeOfSquare);
            }
        QRegion others;
        others.setRects(excluded.data(), static_cast<int>(excluded.size()));
        const QRegion clip = QRegion(area).subtracted(others);
        painter->setClipRegion(clip, Qt::IntersectClip);
        if (pass == 0)
            FillArea(*painter, clip, FSquareDark, FSquareColorDark);
        else
            FillArea(*painter, clip, FSquareLight, FSquareColorLight);
        painter->restore();
    }
    DrawMarks(*painter);
    if (FBoardLines)
        DrawBoardLines(*painter);
}

// The seven vertical and seven horizontal black lines between the squares, under the current clip.
void TChessBoard::DrawBoardLines(QPainter& painter) const
{
    painter.setPen(CanvasPen(FLineStyle, Qt::black));
    const int o = FSizeOfBorder;
    for (int i = 1; i <= 7; ++i) {
        const int at = o + i * FSizeOfSquare;
        QPoint from(at, o);
        LineTo(painter, from, at, height() - o);
        from = QPoint(o, at);
        LineTo(painter, from, width() - o, at);
    }
}

void TChessBoard::DrawPieces()
{
    for (int i = 1; i <= 64; ++i)
        if (Squares[i] != EmptySquare)
            DrawPiece(SquareAt(i), Squares[i]);
}

void TChessBoard::DrawPiece(Square sq, char piece)
{
    const int index = PieceToInt(piece);
    if (!IsOnBoard(sq) || index < 0)
        return;
    CanvasScope painter(FCanvasPainter, FCanvas, CanvasScope::Drawing, PaintingHeld());
    if (!painter)
        return;
    // Centred: the inset is negative when the pieces are larger than the squares.
    const int inset = (FSizeOfSquare - FPieceSize) / 2;
    const QRect square = SquareRect(sq);
    const QPoint at = square.topLeft() + QPoint(inset, inset);
    FPieceImages.Draw(*painter, at.x(), at.y(), index);
    if (!FCanvasPainter)
        update(QRect(at, QSize(FPieceSize, FPieceSize)));
}

void TChessBoard::ClearSquare(Square sq)
{
    if (!IsOnBoard(sq))
        return;
    const QRect square = SquareRect(sq);
    {
        CanvasScope painter(FCanvasPainter, FCanvas, CanvasScope::Clipping, PaintingHeld());
        if (!painter)
            return;
        painter->setClipRect(square, Qt::IntersectClip);
        const QRegion fill(square.intersected(rect()));
        if (ColorOfSquare(sq) == 1)
            FillArea(*painter, fill, FSquareLight, FSquareColorLight);
        else
            FillArea(*painter, fill, FSquareDark, FSquareColorDark);
        DrawSquareMarks(*painter, sq);
        if (FBoardLines)
            DrawBoardLines(*painter);
    }
    if (!FCanvasPainter)
        update(square);
}

void TChessBoard::UpdateChessBoard(const char* oldPosStr)
{
    for (int i = 1; i <= 64; ++i) {
        if (oldPosStr[i] == Squares[i])
            continue;
        ClearSquare(SquareAt(i));
        if (Squares[i] != EmptySquare)
            DrawPiece(SquareAt(i), Squares[i]);
    }
}

void TChessBoard::paintEvent(QPaintEvent* event)
{
    // A window moved to a screen of another pixel ratio gets a canvas of that screen's pixels.
    if (FCanvas.devicePixelRatio() != devicePixelRatioF())
        MakeCanvas();
    if (FCanvasNeedsPaint)
        Paint();
    QPainter painter(this);
    const qreal ratio = FCanvas.devicePixelRatio();
    const QRect rect = event->rect();
    painter.drawImage(rect, FCanvas, QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
}
