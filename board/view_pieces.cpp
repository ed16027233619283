// Piece sets: the four built-in sets, the user's set, and the twelve masked piece images
// cut from the set in use, or painted from the vector outlines at the square's size.
//
// A set is 6 columns (pawn, knight, bishop, rook, queen, king) by 4 rows (White pieces, their masks,
// Black pieces, their masks) of PieceSize x PieceSize cells, PieceSize = height div 4. A pure white
// mask pixel is transparent, any other colour opaque. The built-in sets are BMP files compiled in as
// Qt resources (board/resources, made by tools/make_piece_sets.cpp).

#include "board/chessbrd.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

// The built-in set files by StandardSize.
const char* const BuiltInSetResources[] = {
    ":/board/resources/Size32.bmp",
    ":/board/resources/Size40.bmp",
    ":/board/resources/Size64.bmp",
    ":/board/resources/Size80.bmp",
};

constexpr QRgb PureWhite = 0xffffffu;

} // namespace

void TImageList::SetSize(int width, int height)
{
    FWidth = width;
    FHeight = height;
}

int TImageList::Add(const QImage& image, const QImage& mask)
{
    // Both are read as 32-bit pixels; the piece keeps its pixel where the mask is not pure white.
    const QImage colours = image.convertToFormat(QImage::Format_RGB32);
    const QImage holes = mask.convertToFormat(QImage::Format_RGB32);
    QImage masked(FWidth, FHeight, QImage::Format_ARGB32_Premultiplied);
    masked.fill(Qt::transparent);
    const int w = std::min({ FWidth, colours.width(), holes.width() });
    const int h = std::min({ FHeight, colours.height(), holes.height() });
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(holes.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[x] = (m[x] & 0xffffffu) == PureWhite ? 0u : in[x] | 0xff000000u;
    }
    return Add(QPixmap::fromImage(masked));
}

int TImageList::Add(const QPixmap& image)
{
    FImages.push_back(image);
    return Count() - 1;
}

void TImageList::Draw(QPainter& painter, int x, int y, int index) const
{
    if (index >= 0 && index < Count())
        painter.drawPixmap(x, y, FImages[static_cast<std::size_t>(index)]);
}

QPixmap TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? FImages[static_cast<std::size_t>(index)] : QPixmap();
}

bool TChessBoard::BitmapExists(const QImage& bitmap)
{
    return !bitmap.isNull() && bitmap.width() > 0 && bitmap.height() > 0;
}

bool TChessBoard::BitmapIsValidPieceSet(const QImage& bitmap)
{
    return BitmapExists(bitmap) && 2 * bitmap.width() == 3 * bitmap.height();
}

void TChessBoard::InitializeBitmaps()
{
    const int size = static_cast<int>(FStandardSize);
    if (size < 0 || size > 3)
        return;
    // The whole file from an in-memory copy, as the toolkit loads a bitmap from a stream.
    QFile file(QString::fromLatin1(BuiltInSetResources[size]));
    if (!file.open(QIODevice::ReadOnly))
        return;
    FBuiltInPieceSet.loadFromData(file.readAll(), "BMP");
}

void TChessBoard::OrganizeBitmaps()
{
    if (FVectorPieces) {
        // One image a piece at the square's size, painted for the canvas's pixels.
        FPieceSize = std::max(FSizeOfSquare, 1);
        FVectorPixelRatio = devicePixelRatioF();
        FPieceImages.Clear();
        FPieceImages.SetSize(FPieceSize, FPieceSize);
        for (int colour = 0; colour < 2; ++colour)
            for (PieceKind kind : AllPieceKinds)
                PieceImageIndex[colour][static_cast<int>(kind)] = FPieceImages.Add(QPixmap::fromImage(
                    PieceImage(*FVectorPieces, kind, colour == 0, FPieceSize, FVectorPixelRatio)));
        return;
    }
    const QImage& set = BitmapIsValidPieceSet(FCustomPieceSet) ? FCustomPieceSet : FBuiltInPieceSet;
    FPieceSize = set.height() / 4;
    FPieceImages.Clear();
    FPieceImages.SetSize(FPieceSize, FPieceSize);
    for (int colour = 0; colour < 2; ++colour) {
        for (int kind = 0; kind < 6; ++kind) {
            const QImage image = set.copy(kind * FPieceSize, 2 * colour * FPieceSize, FPieceSize, FPieceSize);
            const QImage mask = set.copy(kind * FPieceSize, (2 * colour + 1) * FPieceSize, FPieceSize, FPieceSize);
            PieceImageIndex[colour][kind] = FPieceImages.Add(image, mask);
        }
    }
}

void TChessBoard::set_StandardSize(StandardSet value)
{
    FStandardSize = value;
    InitializeBitmaps();
    OrganizeBitmaps();
    Paint();
}

void TChessBoard::set_CustomPieceSet(const QImage& bitmap)
{
    if (!bitmap.isNull() && !BitmapIsValidPieceSet(bitmap))
        return;
    FCustomPieceSet = bitmap.copy();
    OrganizeBitmaps();
    Paint();
}

void TChessBoard::set_VectorPieces(std::optional<PieceDesign> design)
{
    FVectorPieces = design;
    OrganizeBitmaps();
    Paint();
}

void TChessBoard::FitVectorPieces()
{
    if (FVectorPieces && (FPieceSize != std::max(FSizeOfSquare, 1) || FVectorPixelRatio != devicePixelRatioF()))
        OrganizeBitmaps();
}

void TChessBoard::DrawChessPiece(QPainter& canvas, int x, int y, char piece) const
{
    const bool white = piece >= 'A' && piece <= 'Z';
    if (white)
        piece = static_cast<char>(piece - 'A' + 'a');
    const char* kinds = "pnbrqk";
    const char* found = piece ? std::strchr(kinds, piece) : nullptr;
    if (!found)
        return;
    FPieceImages.Draw(canvas, x, y, PieceImageIndex[white ? 0 : 1][found - kinds]);
}
