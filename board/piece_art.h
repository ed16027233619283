#pragma once

// The drawings of the chess pieces: tools/make_piece_sets.cpp makes the piece-set bitmaps from them,
// and piece_painting.h paints them at any size.
//
// Every piece is drawn in a design box of 100 x 100 units, y growing downwards, standing on the
// line y = 92 and centred on x = 50. A drawing is a list of parts painted in order, each filled
// with the body colour and outlined, and a set of detail lines inside the body. All shapes are
// our own outlines; nothing is taken from a font or an image.

#include <QPainterPath>

#include <vector>

// Piece kinds in the column order of a piece set: pawn, knight, bishop, rook, queen, king.
enum class PieceKind { Pawn, Knight, Bishop, Rook, Queen, King };
inline constexpr PieceKind AllPieceKinds[]
    = { PieceKind::Pawn, PieceKind::Knight, PieceKind::Bishop, PieceKind::Rook, PieceKind::Queen, PieceKind::King };

struct PieceDrawing {
    // Painted in this order; a later part covers an earlier one.
    std::vector<QPainterPath> parts;
    // Lines inside the body: the outline colour on a White piece, white on a Black one.
    QPainterPath details;
    // Spots inside the body (the knight's eye, nostril): filled in the detail colour.
    QPainterPath spots;
    // Outline of everything, for the silhouette and the final outer stroke.
    QPainterPath Silhouette() const;
};

// The classical design of the four built-in sets: Staunton-like pieces in profile.
PieceDrawing ClassicalPiece(PieceKind kind);

// The design of "SetZgw32": pieces built of straight strokes and circular arcs, a line style of its own.
PieceDrawing ZugwerkPiece(PieceKind kind);

// The design of "SetCm36": turned pieces, every part a body of revolution; the knight is carved.
PieceDrawing TurnedPiece(PieceKind kind);
