// Drawing the board into its backing image: frame, coordinates, squares and pieces. The widget's
// paint event only copies the image to the screen, so every picture can be read back by tests.

#include "chessbrd.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Chess symbols of the DejaVu font, in the order pawn, knight, bishop, rook, queen, king.
const char16_t SolidPieceGlyphs[] = u"\u265F\u265E\u265D\u265C\u265B\u265A";
const char16_t OutlinePieceGlyphs[] = u"\u2659\u2658\u2657\u2656\u2655\u2654";

} // namespace

void TChessBoard::Paint()
{
    // Size rule: snap to a square control whose inner part is a multiple of eight pixels.
    const int side = (width() + height()) / 2;
    FSizeOfSquare = (side - 2 * FSizeOfBorder) / 8;
    ApplySize(8 * FSizeOfSquare + 2 * FSizeOfBorder);
    FCanvasNeedsPaint = false;
    if (FCanvas.isNull() || FSizeOfSquare < 1)
        return;

    QPainter painter(&FCanvas);
    const QRect all = FCanvas.rect();
    if (!FBorderBitmap.isNull())
        painter.drawTiledPixmap(all, QPixmap::fromImage(FBorderBitmap));
    else
        painter.fillRect(all, ToQColor(FBorderColor));
    painter.setPen(FLineStyle);
    painter.drawRect(all.adjusted(0, 0, -1, -1));
    const QRect inner(FSizeOfBorder, FSizeOfBorder, 8 * FSizeOfSquare, 8 * FSizeOfSquare);
    painter.drawRect(inner.adjusted(-1, -1, 0, 0));

    painter.setFont(FCoordFont);
    painter.setPen(ToQColor(FCoordFontColor));
    for (int i = 0; i < 8; ++i) {
        const int offset = FSizeOfBorder + i * FSizeOfSquare;
        const QString file(QChar(FWhiteOnTop ? 'h' - i : 'a' + i));
        const QString rank(QChar(FWhiteOnTop ? '1' + i : '8' - i));
        const int b = FSizeOfBorder;
        if (FDisplayCoords.Contains(DisplayCoords::North))
            painter.drawText(QRect(offset, 0, FSizeOfSquare, b), Qt::AlignCenter, file);
        if (FDisplayCoords.Contains(DisplayCoords::South))
            painter.drawText(QRect(offset, inner.bottom() + 1, FSizeOfSquare, b), Qt::AlignCenter, file);
        if (FDisplayCoords.Contains(DisplayCoords::West))
            painter.drawText(QRect(0, offset, b, FSizeOfSquare), Qt::AlignCenter, rank);
        if (FDisplayCoords.Contains(DisplayCoords::East))
            painter.drawText(QRect(inner.right() + 1, offset, b, FSizeOfSquare), Qt::AlignCenter, rank);
    }
    painter.end();

    for (int i = 1; i <= 64; ++i) {
        ClearSquare(SquareAt(i));
        if (Squares[i] != EmptySquare)
            DrawPiece(SquareAt(i), Squares[i]);
    }
    update();
}

void TChessBoard::ClearSquare(Square sq)
{
    if (!IsOnBoard(sq) || FCanvas.isNull())
        return;
    const QRect rect = SquareRect(sq);
    const bool light = ColorOfSquare(sq) == 1;
    const QImage& texture = light ? FSquareLight : FSquareDark;
    QPainter painter(&FCanvas);
    if (!texture.isNull())
        painter.drawTiledPixmap(rect, QPixmap::fromImage(texture), rect.topLeft());
    else
        painter.fillRect(rect, ToQColor(light ? FSquareColorLight : FSquareColorDark));
    if (FBoardLines) {
        QPen pen = FLineStyle;
        pen.setColor(Qt::black);
        painter.setPen(pen);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    update(rect);
}

void TChessBoard::DrawPiece(Square sq, char piece)
{
    const int n = PieceToInt(piece);
    if (!IsOnBoard(sq) || FCanvas.isNull() || n < 0)
        return;
    const QRect rect = SquareRect(sq);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(FSizeOfSquare * 4 / 5);
    const auto glyph = [&](char16_t symbol) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        path.addText(0, 0, font, QString(QChar(symbol)));
        return path;
    };
    // The solid symbol gives the piece's body; a white piece gets the outline symbol drawn over it.
    QPainterPath body = glyph(SolidPieceGlyphs[n % 6]);
    const QPointF offset = QPointF(rect.center()) - body.boundingRect().center() + QPointF(0.5, 0.5);
    body.translate(offset);
    QPainter painter(&FCanvas);
    painter.setRenderHint(QPainter::Antialiasing);
    if (n < 6) {
        painter.fillPath(body, Qt::white);
        painter.fillPath(glyph(OutlinePieceGlyphs[n % 6]).translated(offset), Qt::black);
    } else {
        painter.fillPath(body, Qt::black);
    }
    update(rect);
}

void TChessBoard::UpdateChessBoard(const char* oldPosStr)
{
    for (int i = 1; i <= 64; ++i) {
        if (oldPosStr[i] == Squares[i])
            continue;
        ClearSquare(SquareAt(i));
        DrawPiece(SquareAt(i), Squares[i]);
    }
}

void TChessBoard::paintEvent(QPaintEvent* event)
{
    if (FCanvasNeedsPaint)
        Paint();
    QPainter painter(this);
    painter.drawImage(event->rect(), FCanvas, event->rect());
}
