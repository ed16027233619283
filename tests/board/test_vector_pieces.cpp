// The vector piece sets: every design's pieces at several sizes and pixel ratios stay inside their
// square, are as symmetric as they are drawn and have no holes in their silhouettes; the board
// paints them at its square's size and again when that changes.

#include "board/piece_painting.h"
#include "tests/board/view_test_support.h"

#include <QPainter>

#include <cmath>
#include <string>

namespace {

constexpr int Sides[] = { 20, 40, 57, 100 };
constexpr qreal Ratios[] = { 1.0, 1.5, 2.0 };

std::string Describe(PieceDesign design, PieceKind kind, bool white, int side, qreal ratio)
{
    return "design " + std::to_string(static_cast<int>(design)) + " kind " + std::to_string(static_cast<int>(kind))
        + (white ? " White" : " Black") + " side " + std::to_string(side) + " ratio " + std::to_string(ratio);
}

// Calls check with every piece of every design at every size and ratio.
template <typename Check> void ForEveryPieceImage(Check check)
{
    for (PieceDesign design : AllPieceDesigns)
        for (PieceKind kind : AllPieceKinds)
            for (bool white : { true, false })
                for (int side : Sides)
                    for (qreal ratio : Ratios) {
                        const QImage image = PieceImage(design, kind, white, side, ratio);
                        SCOPED_TRACE(Describe(design, kind, white, side, ratio));
                        check(design, kind, image);
                    }
}

int Alpha(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }

PieceDrawing DrawingOf(PieceDesign design, PieceKind kind)
{
    switch (design) {
    case PieceDesign::LinesAndArcs: return ZugwerkPiece(kind);
    case PieceDesign::TurnedWood: return TurnedPiece(kind);
    case PieceDesign::Staunton: break;
    }
    return ClassicalPiece(kind);
}

// Whether a piece kind is drawn symmetric about the upright axis in a design. The knights never are;
// the bishops' slits and the turned wood's light make only their colours lopsided, not the outline.
bool DrawnSymmetric(PieceKind kind) { return kind != PieceKind::Knight; }

} // namespace

TEST(VectorPieces, EveryPieceFillsItsSquareWithoutLeavingIt)
{
    ForEveryPieceImage([](PieceDesign, PieceKind, const QImage& image) {
        const int pixels = image.width();
        ASSERT_EQ(image.height(), pixels);
        EXPECT_EQ(pixels, std::lround(image.deviceIndependentSize().width() * image.devicePixelRatio()));
        // The painted pixels' bounds: within the square, leaving the sides and the bottom row clear,
        // and tall enough that the piece is not lost on its square.
        int left = pixels, right = -1, top = pixels, bottom = -1;
        for (int y = 0; y < pixels; ++y)
            for (int x = 0; x < pixels; ++x)
                if (Alpha(image, x, y) > 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0) << "nothing painted";
        EXPECT_GT(left, 0);
        EXPECT_LT(right, pixels - 1);
        EXPECT_LT(bottom, pixels - 1);
        EXPECT_GE(bottom - top + 1, pixels / 2) << "top " << top << " bottom " << bottom;
        EXPECT_GE(right - left + 1, pixels / 2) << "left " << left << " right " << right;
    });
}

TEST(VectorPieces, SymmetricPiecesAreTheirOwnMirrorImage)
{
    ForEveryPieceImage([](PieceDesign, PieceKind kind, const QImage& image) {
        if (!DrawnSymmetric(kind))
            return;
        // Antialiasing may round the two halves' edges apart a little, never a whole pixel's worth.
        const int pixels = image.width();
        int lopsided = 0;
        for (int y = 0; y < pixels; ++y)
            for (int x = 0; x < pixels / 2; ++x)
                if (std::abs(Alpha(image, x, y) - Alpha(image, pixels - 1 - x, y)) > 96)
                    ++lopsided;
        EXPECT_LE(lopsided, pixels / 10) << "pixels unlike their mirror image";
    });
}

TEST(VectorPieces, SilhouettesHaveNoHoles)
{
    // Nothing of the square shows through where the design is solid: every pixel well inside the
    // drawing's silhouette is at least half covered (where two parts' smoothed edges meet in one pixel
    // it may not be wholly). The gaps the designs leave (the queens' crowns, the knights' jaws, the
    // turned rook's crenels) lie outside their silhouettes, however thin they get.
    ForEveryPieceImage([](PieceDesign design, PieceKind kind, const QImage& image) {
        const QPainterPath silhouette = DrawingOf(design, kind).Silhouette();
        const int pixels = image.width();
        const double unitsPerPixel = 100.0 / pixels;
        const double margin = 1.5 * unitsPerPixel;
        const auto deepInside = [&](QPointF at) {
            for (QPointF step :
                { QPointF(0, 0), QPointF(margin, 0), QPointF(-margin, 0), QPointF(0, margin), QPointF(0, -margin) })
                if (!silhouette.contains(at + step))
                    return false;
            return true;
        };
        int holes = 0;
        for (int y = 0; y < pixels; ++y)
            for (int x = 0; x < pixels; ++x)
                if (Alpha(image, x, y) < 128 && deepInside(QPointF(x + 0.5, y + 0.5) * unitsPerPixel))
                    ++holes;
        EXPECT_EQ(holes, 0) << "pixels of the square showing through the piece";
    });
}

TEST(VectorPieces, TheBoardPaintsThemAtItsSquaresSizeAndAgainWhenItChanges)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_PosStr(Placement("8/8/8/3K4/8/8/8/8")); // d5, a light square
    board.set_VectorPieces(PieceDesign::TurnedWood);
    // The d5 square as the board shows it, and as the piece on a light square should look.
    const auto shown = [&] {
        const int s = board.SizeOfSquare(), b = board.SizeOfBorder();
        return board.Canvas().copy(b + 3 * s, b + 3 * s, s, s).convertToFormat(QImage::Format_RGB32);
    };
    const auto expected = [&] {
        const int s = board.SizeOfSquare();
        QImage square(s, s, QImage::Format_RGB32);
        square.fill(ToQColor(board.SquareColorLight()));
        QPainter painter(&square);
        painter.drawImage(0, 0, PieceImage(PieceDesign::TurnedWood, PieceKind::King, true, s));
        return square;
    };
    for (int side : { 40, 57, 24 }) {
        board.set_SizeOfSquare(side);
        SCOPED_TRACE(side);
        EXPECT_EQ(board.SizeOfSquare(), side);
        EXPECT_EQ(board.PieceSize(), side);
        EXPECT_EQ(board.PieceImages().Width(), side);
        EXPECT_EQ(shown(), expected());
    }

    board.set_VectorPieces(std::nullopt);
    EXPECT_EQ(board.PieceSize(), 40) << "back to the bitmaps of the standard size";
}
