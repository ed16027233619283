#pragma once

// Value types of the board's view: the screen resolution its sizes are made for, a font that carries
// its colour, as the toolkit's font objects do, and the image list that holds the twelve masked piece
// images. Main thread only.

#include "board/chesstypes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <vector>

class QPainter;

// The screen resolution the board's sizes and the window's images are made for.
inline constexpr int ScreenPixelsPerInch = 96;

// Colours between the board's 32-bit values (red in the low byte) and Qt's.
inline QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline TColor ToTColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

// a * b / c rounded to the nearest integer, halves away from zero, without overflow in between, as the
// toolkit scales sizes between resolutions; -1 when c is 0.
inline int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c > 0 ? c : -c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

// A font with a colour. Copying copies both (the toolkit's assign).
class TFont : public QFont {
public:
    TFont() = default;
    explicit TFont(const QFont& font, TColor color = clBlack)
        : QFont(font)
        , FColor(color)
    {
    }
    TColor Color() const { return FColor; }
    void set_Color(TColor color) { FColor = color; }
    bool operator==(const TFont& other) const
    {
        return static_cast<const QFont&>(*this) == static_cast<const QFont&>(other) && FColor == other.FColor;
    }

    // The size in points and in pixels at ScreenPixelsPerInch (7 points are 9 pixels). A font given in
    // pixels has the points of that pixel height.
    int SizeInPoints() const;
    int HeightInPixels() const;

private:
    TColor FColor = clBlack;
};

// The piece images: Width x Height images, each drawn through its mask. An image is a pixmap whose
// pixels are opaque where the mask pixel was not pure white and transparent where it was, so that
// drawing it at a point copies exactly the piece's own pixels.
class TImageList {
public:
    void Clear() { FImages.clear(); }
    void SetSize(int width, int height);
    // Adds an image and its mask (each at least Width x Height; the top-left part is used) and
    // returns the new image's index.
    int Add(const QImage& image, const QImage& mask);
    // Adds an image that carries its own transparency and returns its index.
    int Add(const QPixmap& image);
    int Count() const { return static_cast<int>(FImages.size()); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Draws image `index` with its top-left corner at (x, y); an index outside the list draws nothing.
    void Draw(QPainter& painter, int x, int y, int index) const;
    // The image with its mask as alpha; a null pixmap for an index outside the list.
    QPixmap Image(int index) const;

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<QPixmap> FImages;
};
