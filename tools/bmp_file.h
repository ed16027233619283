#pragma once

// Writing palette BMP files, the format of the piece sets: BITMAPFILEHEADER (14 bytes),
// BITMAPINFOHEADER (40 bytes), the palette as blue, green, red, 0 per entry, then the rows bottom-up,
// uncompressed, each padded to a multiple of four bytes. Pixels of 1 and 4 bits are packed with the
// leftmost pixel in the highest bits of a byte.

#include <QByteArray>
#include <QRgb>
#include <QtEndian>

#include <cstdint>
#include <vector>

// An image of palette indices, row by row from the top.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    IndexedImage(int w, int h, std::uint8_t fill)
        : width(w)
        , height(h)
        , pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill)
    {
    }
    std::uint8_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline QByteArray EncodeBmp(const IndexedImage& image, int bitsPerPixel, const std::vector<QRgb>& palette)
{
    const int rowBytes = ((image.width * bitsPerPixel + 31) / 32) * 4;
    const int offset = 14 + 40 + 4 * static_cast<int>(palette.size());
    const int fileSize = offset + rowBytes * image.height;
    QByteArray bytes(fileSize, '\0');
    auto* data = reinterpret_cast<unsigned char*>(bytes.data());
    const auto put16 = [&](int at, std::uint16_t v) { qToLittleEndian(v, data + at); };
    const auto put32 = [&](int at, std::uint32_t v) { qToLittleEndian(v, data + at); };

    data[0] = 'B';
    data[1] = 'M';
    put32(2, static_cast<std::uint32_t>(fileSize));
    put32(10, static_cast<std::uint32_t>(offset));
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(image.width));
    put32(22, static_cast<std::uint32_t>(image.height)); // positive: bottom-up rows
    put16(26, 1); // planes
    put16(28, static_cast<std::uint16_t>(bitsPerPixel));
    put32(30, 0); // no compression
    put32(34, static_cast<std::uint32_t>(rowBytes * image.height));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        unsigned char* entry = data + 54 + 4 * i;
        entry[0] = static_cast<unsigned char>(qBlue(palette[i]));
        entry[1] = static_cast<unsigned char>(qGreen(palette[i]));
        entry[2] = static_cast<unsigned char>(qRed(palette[i]));
        entry[3] = 0;
    }
    for (int y = 0; y < image.height; ++y) {
        unsigned char* row = data + offset + rowBytes * (image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            const unsigned index = image.at(x, y);
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            row[bit / 8] = static_cast<unsigned char>(row[bit / 8] | (index << shift));
        }
    }
    return bytes;
}
