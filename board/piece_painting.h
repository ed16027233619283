#pragma once

// Painting the pieces' outlines (piece_art.h) at any size on any painter: the board's vector piece
// sets, diagrams in PNG, SVG and print. Everything is painted as paths, so a painter that records
// vectors (SVG, PDF) keeps them, and an image is as sharp as its pixels allow.

#include "board/piece_art.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QRectF>

#include <array>
#include <optional>
#include <vector>

class QPainter;

// The looks of the vector pieces, each one of the designs of piece_art.h.
enum class PieceDesign {
    Staunton, // the classical design of the built-in bitmaps: black outlines, white or black bodies
    LinesAndArcs, // straight strokes and circular arcs, the design of "SetZgw32"
    TurnedWood, // ivory and red-brown turned wood, the design of "SetCm36"
};
inline constexpr std::array<PieceDesign, 3> AllPieceDesigns { PieceDesign::Staunton, PieceDesign::LinesAndArcs,
    PieceDesign::TurnedWood };

// Paints one piece filling `cell` (its 100 x 100 design box), on a transparent background: nothing
// outside the piece's silhouette and its outline is touched. The painter's state is kept.
void PaintPiece(QPainter& painter, PieceDesign design, PieceKind kind, bool white, const QRectF& cell);

// The piece as an image of side x side logical pixels at the pixel ratio, transparent around the
// piece (premultiplied ARGB); a null image for a side below 1.
QImage PieceImage(PieceDesign design, PieceKind kind, bool white, int side, qreal pixelRatio = 1.0);

// The colours of one wood of the turned pieces, from the line colour through shadow and body to the
// highlight: ivory for White, red-brown for Black. The SetCm36 bitmap is made of the same woods.
struct Wood {
    QColor line, dark, mid, light, highlight;
    std::vector<QColor> Ramp() const { return { line, dark, mid, light, highlight }; }
};
const Wood& WoodOf(bool white);
// Light from the upper left: across a part within bounds a turned surface runs from its rim through
// the highlight and the body colour into the shadow.
QBrush TurnedBrush(const Wood& wood, const QRectF& bounds);

// The kind and colour of a piece letter ("PNBRQK" White, "pnbrqk" Black); none for anything else.
struct PieceOfLetter {
    PieceKind kind;
    bool white;
};
std::optional<PieceOfLetter> PieceFromLetter(char letter);
