// Painting a diagram: frame, squares, coordinates, pieces and the mark of the side to move, all
// measured in squares so that the picture looks the same at 200 pixels and on paper.

#include "board/diagram.h"

#include "board/chessbrd.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

// Widths in squares: the frame with coordinates has room for a letter of CoordinateHeight, the one
// without is a narrow rim; the mark's column lies right of the frame.
constexpr qreal FrameWithCoordinates = 0.5;
constexpr qreal FrameWithout = 0.15;
constexpr qreal MarkColumn = 0.6;
constexpr qreal MarkDiameter = 0.36;
constexpr qreal CoordinateHeight = 0.3;
constexpr qreal OutlineWidth = 0.03;

qreal FrameWidth(const TDiagram& diagram) { return diagram.ShowCoordinates ? FrameWithCoordinates : FrameWithout; }

// The diagram's extent in squares.
QSizeF ExtentInSquares(const TDiagram& diagram)
{
    const qreal side = 8 + 2 * FrameWidth(diagram);
    return { side + (diagram.MarkSideToMove ? MarkColumn : 0), side };
}

struct TDiagramLayout {
    qreal Square = 0;
    QRectF Outer; // the frame's outer edge
    QRectF Squares; // the 64 squares

    QRectF Cell(int row, int column) const
    {
        return { Squares.left() + column * Square, Squares.top() + row * Square, Square, Square };
    }
};

TDiagramLayout LayOut(const TDiagram& diagram, const QRectF& target)
{
    const QSizeF extent = ExtentInSquares(diagram);
    TDiagramLayout layout;
    layout.Square = std::min(target.width() / extent.width(), target.height() / extent.height());
    const QSizeF size = extent * layout.Square;
    const QPointF topLeft(
        target.left() + (target.width() - size.width()) / 2, target.top() + (target.height() - size.height()) / 2);
    layout.Outer = QRectF(topLeft, QSizeF(size.height(), size.height()));
    const qreal frame = FrameWidth(diagram) * layout.Square;
    layout.Squares = layout.Outer.adjusted(frame, frame, -frame, -frame);
    return layout;
}

void PaintFrameAndSquares(QPainter& painter, const TDiagram& diagram, const TDiagramLayout& layout)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(diagram.Frame);
    painter.drawRect(layout.Outer);
    painter.setBrush(diagram.LightSquares);
    painter.drawRect(layout.Squares);
    // The top-left square is light however the board is turned: a8 and h1 both are.
    QPainterPath dark;
    for (int row = 0; row < 8; ++row)
        for (int column = (row + 1) % 2; column < 8; column += 2)
            dark.addRect(layout.Cell(row, column));
    painter.fillPath(dark, diagram.DarkSquares);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, OutlineWidth * layout.Square, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(layout.Outer);
    painter.drawRect(layout.Squares);
}

void PaintCoordinates(QPainter& painter, const TDiagram& diagram, const TDiagramLayout& layout)
{
    QFont font(diagram.CoordinateFamily);
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(CoordinateHeight * layout.Square))));
    painter.setFont(font);
    painter.setPen(diagram.Coordinates);
    for (int k = 0; k < 8; ++k) {
        const int file = diagram.WhiteOnTop ? 7 - k : k;
        const int rank = diagram.WhiteOnTop ? k + 1 : 8 - k;
        const QRectF left(layout.Outer.left(), layout.Squares.top() + k * layout.Square,
            layout.Squares.left() - layout.Outer.left(), layout.Square);
        const QRectF below(layout.Squares.left() + k * layout.Square, layout.Squares.bottom(), layout.Square,
            layout.Outer.bottom() - layout.Squares.bottom());
        painter.drawText(left, Qt::AlignCenter, QString::number(rank));
        painter.drawText(below, Qt::AlignCenter, QString(QChar::fromLatin1(static_cast<char>('a' + file))));
    }
}

// Beside the row nearest the side to move: the bottom row when that side plays up the board.
void PaintSideToMoveMark(QPainter& painter, const TDiagram& diagram, const TDiagramLayout& layout)
{
    const bool whiteAtBottom = !diagram.WhiteOnTop;
    const int row = diagram.WhiteToMove == whiteAtBottom ? 7 : 0;
    const qreal radius = MarkDiameter * layout.Square / 2;
    const QPointF centre(layout.Outer.right() + MarkColumn * layout.Square / 2, layout.Cell(row, 0).center().y());
    painter.setPen(QPen(QColor(40, 40, 40), OutlineWidth * layout.Square));
    painter.setBrush(diagram.WhiteToMove ? Qt::white : Qt::black);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

TDiagram DiagramOf(const TChessBoard& board)
{
    TDiagram diagram;
    for (int index = 1; index <= 64; ++index)
        diagram.Squares[static_cast<std::size_t>(index - 1)] = board.PieceAt(SquareAt(index));
    diagram.WhiteOnTop = board.WhiteOnTop();
    diagram.WhiteToMove = board.WhiteToMove();
    diagram.DarkSquares = ToQColor(board.SquareColorDark());
    diagram.LightSquares = ToQColor(board.SquareColorLight());
    diagram.Frame = ToQColor(board.BorderColor());
    diagram.Coordinates = ToQColor(board.CoordFont().Color());
    diagram.CoordinateFamily = board.CoordFont().family();
    diagram.Design = board.VectorPieces().value_or(PieceDesign::Staunton);
    return diagram;
}

char ShownLetter(const TDiagram& diagram, int row, int column)
{
    const int shown = row * 8 + column;
    return diagram.Squares[static_cast<std::size_t>(diagram.WhiteOnTop ? 63 - shown : shown)];
}

qreal DiagramAspect(const TDiagram& diagram)
{
    const QSizeF extent = ExtentInSquares(diagram);
    return extent.width() / extent.height();
}

QSize DiagramSize(const TDiagram& diagram, int width)
{
    return { width, std::max(1, static_cast<int>(std::lround(width / DiagramAspect(diagram)))) };
}

void PaintDiagram(QPainter& painter, const TDiagram& diagram, const QRectF& target)
{
    const TDiagramLayout layout = LayOut(diagram, target);
    if (layout.Square <= 0)
        return;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    PaintFrameAndSquares(painter, diagram, layout);
    if (diagram.ShowCoordinates)
        PaintCoordinates(painter, diagram, layout);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            if (const auto piece = PieceFromLetter(ShownLetter(diagram, row, column)))
                PaintPiece(painter, diagram.Design, piece->kind, piece->white, layout.Cell(row, column));
    if (diagram.MarkSideToMove)
        PaintSideToMoveMark(painter, diagram, layout);
    painter.restore();
}

QImage DiagramImage(const TDiagram& diagram, int width, qreal pixelRatio)
{
    if (width < 1 || pixelRatio <= 0)
        return {};
    const QSize size = DiagramSize(diagram, width);
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintDiagram(painter, diagram, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QByteArray DiagramSvg(const TDiagram& diagram, int width)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = DiagramSize(diagram, std::max(width, 1));
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Chess diagram"));
    QPainter painter(&generator);
    PaintDiagram(painter, diagram, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    // The generator gives the size in millimetres at its resolution, which renderers read at their
    // own; in plain user units the drawing opens at its size in pixels everywhere.
    static const QRegularExpression extent(R"(<svg([^>]*?) width="[^"]*" height="[^"]*")");
    return QString::fromUtf8(svg)
        .replace(extent, QStringLiteral(R"(<svg\1 width="%1" height="%2")").arg(size.width()).arg(size.height()))
        .toUtf8();
}
