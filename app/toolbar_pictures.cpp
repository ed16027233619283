// Toolbar pictures. Most are pixel maps: one character per pixel, looked up in a small palette,
// which keeps them crisp at 16 x 16. The curved arrow is drawn with antialiased shapes.

#include "app/toolbar_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

using PixelMap = std::array<const char*, 16>;

QColor PaletteColor(char c)
{
    switch (c) {
    case 'k': return QColor(0, 0, 0);
    case 'w': return QColor(255, 255, 255);
    case 'g': return QColor(128, 128, 128);
    case 's': return QColor(192, 192, 192);
    case 'y': return QColor(255, 255, 0);
    case 'Y': return QColor(192, 160, 0);
    case 'r': return QColor(255, 0, 0);
    case 'R': return QColor(160, 0, 0);
    case 'n': return QColor(0, 0, 128);
    default: return QColor(Qt::transparent);
    }
}

QImage FromPixelMap(const PixelMap& rows, bool mirrored = false)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixelColor(mirrored ? 15 - x : x, y, PaletteColor(rows[static_cast<std::size_t>(y)][x]));
    return image;
}

// clang-format off
const PixelMap Sheet = {
    "................",
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkwk....",
    "..kwwwwwwkwwk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
};
const PixelMap OpenFolder = {
    "................",
    "................",
    "................",
    ".kkkk...........",
    "kYYYYk..........",
    "kYYYYYkkkkkkk...",
    "kYYYYYYYYYYYk...",
    "kYYYYYYYYYYYk...",
    "kYYYkkkkkkkkkkkk",
    "kYYkyyyyyyyyyyyk",
    "kYkyyyyyyyyyyyk.",
    "kYkyyyyyyyyyyyk.",
    "kkyyyyyyyyyyyk..",
    "kkkkkkkkkkkkkk..",
    "................",
    "................",
};
const PixelMap Floppy = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".knkwwwwwwwwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwggggggwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwggggggwknk.",
    ".knkwwwwwwwwknk.",
    ".knnkkkkkkkknnk.",
    ".knnnnnnnnnnnnk.",
    ".knnnssssssnnnk.",
    ".knnnsskksssnnk.",
    ".knnnsskksssnnk.",
    ".knnnsskksssnnk.",
    "..kkkkkkkkkkkkk.",
    "................",
};
// Pointing left; the forward arrow is its mirror image.
const PixelMap Arrow = {
    "................",
    "................",
    ".......k........",
    "......kk........",
    ".....krk........",
    "....krrkkkkkkkk.",
    "...krrrrrrrrrrk.",
    "..krrrrrrrrrrrk.",
    "..kRrrrrrrrrrrk.",
    "...kRrrrrrrrrrk.",
    "....kRrkkkkkkkk.",
    ".....kRk........",
    "......kk........",
    ".......k........",
    "................",
    "................",
};
const PixelMap StopSign = {
    "................",
    ".....kkkkkk.....",
    "...kkrrrrrrkk...",
    "..krrrrrrrrrrk..",
    ".krrrrrrrrrrrrk.",
    ".krrrrrrrrrrrrk.",
    "krrrrrrrrrrrrrrk",
    "krrwwwwwwwwwwrrk",
    "krrwwwwwwwwwwrrk",
    "krrrrrrrrrrrrrrk",
    ".kRrrrrrrrrrrrk.",
    ".kRRrrrrrrrrrRk.",
    "..kRRrrrrrrRRk..",
    "...kkRRRRRRkk...",
    ".....kkkkkk.....",
    "................",
};
// A tilted can with its handle, spilling paint; the bottom four rows are left for the colour strip.
const PixelMap PaintBucket = {
    "......kkkk......",
    ".....k....k.....",
    "....k...k..k....",
    "....k..kwk.k....",
    "......kwwwkk....",
    ".....kwwwwwk....",
    "..kkkwwwwwwwk...",
    ".kkkkkwwwwwk....",
    ".kkk..kwwwk.....",
    ".kkk...kwk......",
    "..k.....k.......",
    "................",
    "................",
    "................",
    "................",
    "................",
};
// clang-format on

// A blue arrow bent round from the top left to point down on the right: turn the board.
QImage CurvedArrow()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arc;
    arc.moveTo(2.5, 13);
    arc.lineTo(2.5, 8);
    arc.arcTo(QRectF(2.5, 2.5, 9, 9), 180, -180);
    arc.lineTo(11.5, 9);
    painter.setPen(QPen(QColor(0, 0, 128), 4.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(arc);
    painter.setPen(QPen(QColor(0, 96, 255), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(arc);
    const QPolygonF head({ QPointF(7.5, 9), QPointF(15.5, 9), QPointF(11.5, 14.5) });
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.setBrush(QColor(0, 96, 255));
    painter.drawPolygon(head);
    return image;
}

} // namespace

QImage ToolbarImage(ToolPicture picture)
{
    switch (picture) {
    case ToolPicture::NewGame: return FromPixelMap(Sheet);
    case ToolPicture::OpenGame: return FromPixelMap(OpenFolder);
    case ToolPicture::SaveGame: return FromPixelMap(Floppy);
    case ToolPicture::Back: return FromPixelMap(Arrow);
    case ToolPicture::Stop: return FromPixelMap(StopSign);
    case ToolPicture::Forward: return FromPixelMap(Arrow, true);
    case ToolPicture::ReverseBoard: return CurvedArrow();
    }
    return {};
}

QImage GreyedImage(const QImage& picture)
{
    // Dark pixels become grey with a white shadow one pixel down and right; the rest vanishes.
    QImage greyed(picture.size(), QImage::Format_ARGB32);
    greyed.fill(Qt::transparent);
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = pass == 0 ? 1 : 0;
        const QColor ink = pass == 0 ? QColor(Qt::white) : QColor(128, 128, 128);
        for (int y = 0; y + shift < picture.height(); ++y)
            for (int x = 0; x + shift < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                if (c.alpha() > 127 && c.lightness() < 160)
                    greyed.setPixelColor(x + shift, y + shift, ink);
            }
    }
    return greyed;
}

QIcon ToolbarIcon(ToolPicture picture)
{
    const QImage image = ToolbarImage(picture);
    QIcon icon(QPixmap::fromImage(image));
    if (picture != ToolPicture::ReverseBoard)
        icon.addPixmap(QPixmap::fromImage(GreyedImage(image)), QIcon::Disabled);
    return icon;
}

QImage PaintBucketImage(TColor color)
{
    QImage image = FromPixelMap(PaintBucket);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 12, 16, 4), ToQColor(color));
    return image;
}
