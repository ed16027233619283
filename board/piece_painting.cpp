// The vector pieces: the outlines of piece_art.cpp filled and stroked by a painter.

#include "board/piece_painting.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Line widths in design units (a hundredth of the cell), at least one device pixel wide so that no
// outline breaks up on a small square.
struct LineWidths {
    double outline;
    double inner; // part outlines inside a Black piece, in white
    double detail;
};

constexpr LineWidths StauntonLines { 2.6, 1.7, 2.0 };
constexpr LineWidths LinesAndArcsLines { 3.0, 2.2, 2.6 };
constexpr double WoodLine = 1.6;

QPen DesignPen(const QColor& colour, double units, double unitsPerPixel)
{
    QPen pen(colour, std::max(units, unitsPerPixel));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A White piece is white with black outlines, a Black piece black with white inner lines, both
// closed by one black outline around everything.
void PaintLineArt(QPainter& p, const PieceDrawing& drawing, bool white, const LineWidths& lines, double unitsPerPixel)
{
    const QColor body = white ? Qt::white : Qt::black;
    const QColor inside = white ? Qt::black : Qt::white;
    for (const QPainterPath& part : drawing.parts) {
        p.fillPath(part, body);
        p.strokePath(part, DesignPen(inside, white ? lines.outline : lines.inner, unitsPerPixel));
    }
    p.strokePath(drawing.details, DesignPen(inside, lines.detail, unitsPerPixel));
    p.fillPath(drawing.spots, inside);
    p.strokePath(drawing.Silhouette(), DesignPen(Qt::black, lines.outline, unitsPerPixel));
}

void PaintTurned(QPainter& p, const PieceDrawing& drawing, bool white, double unitsPerPixel)
{
    const Wood& wood = WoodOf(white);
    const QPen line = DesignPen(wood.line, WoodLine, unitsPerPixel);
    for (const QPainterPath& part : drawing.parts) {
        p.fillPath(part, TurnedBrush(wood, part.boundingRect()));
        p.strokePath(part, line);
    }
    p.strokePath(drawing.details, line);
    p.fillPath(drawing.spots, wood.line);
}

PieceDrawing DrawingOf(PieceDesign design, PieceKind kind)
{
    switch (design) {
    case PieceDesign::LinesAndArcs:
        return ZugwerkPiece(kind);
    case PieceDesign::TurnedWood:
        return TurnedPiece(kind);
    case PieceDesign::Staunton:
        break;
    }
    return ClassicalPiece(kind);
}

} // namespace

const Wood& WoodOf(bool white)
{
    static const Wood Ivory { QColor(96, 64, 34), QColor(178, 136, 86), QColor(222, 192, 144),
        QColor(244, 230, 200), QColor(255, 251, 238) };
    static const Wood RedBrown { QColor(34, 12, 6), QColor(64, 22, 12), QColor(128, 50, 28), QColor(174, 86, 52),
        QColor(216, 144, 104) };
    return white ? Ivory : RedBrown;
}

QBrush TurnedBrush(const Wood& wood, const QRectF& bounds)
{
    QLinearGradient gradient(bounds.left(), 0, bounds.right(), 0);
    gradient.setColorAt(0.0, wood.mid);
    gradient.setColorAt(0.3, wood.highlight);
    gradient.setColorAt(0.55, wood.light);
    gradient.setColorAt(0.8, wood.mid);
    gradient.setColorAt(1.0, wood.dark);
    return QBrush(gradient);
}

void PaintPiece(QPainter& painter, PieceDesign design, PieceKind kind, bool white, const QRectF& cell)
{
    if (cell.width() <= 0 || cell.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(cell.topLeft());
    painter.scale(cell.width() / 100.0, cell.height() / 100.0);
    // How many design units one pixel of the device spans.
    const QTransform toDevice = painter.deviceTransform();
    const double pixelsPerUnit = std::sqrt(std::abs(toDevice.determinant()));
    const double unitsPerPixel = pixelsPerUnit > 0 ? 1.0 / pixelsPerUnit : 1.0;
    const PieceDrawing drawing = DrawingOf(design, kind);
    switch (design) {
    case PieceDesign::Staunton:
        PaintLineArt(painter, drawing, white, StauntonLines, unitsPerPixel);
        break;
    case PieceDesign::LinesAndArcs:
        PaintLineArt(painter, drawing, white, LinesAndArcsLines, unitsPerPixel);
        break;
    case PieceDesign::TurnedWood:
        PaintTurned(painter, drawing, white, unitsPerPixel);
        break;
    }
    painter.restore();
}

QImage PieceImage(PieceDesign design, PieceKind kind, bool white, int side, qreal pixelRatio)
{
    if (side < 1 || pixelRatio <= 0)
        return {};
    const int pixels = std::max(1, static_cast<int>(std::lround(side * pixelRatio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // The piece fills the whole image, also where side x ratio is not a whole number of pixels, so
    // that it stays centred on its pixels and a symmetric piece stays symmetric.
    const qreal extent = pixels / pixelRatio;
    PaintPiece(painter, design, kind, white, QRectF(0, 0, extent, extent));
    return image;
}

std::optional<PieceOfLetter> PieceFromLetter(char letter)
{
    static constexpr char Letters[] = "PNBRQKpnbrqk";
    const char* found = letter ? std::strchr(Letters, letter) : nullptr;
    if (!found)
        return std::nullopt;
    const auto index = static_cast<int>(found - Letters);
    return PieceOfLetter { AllPieceKinds[index % 6], index < 6 };
}
