// The six committed piece-set bitmaps, read byte by byte: file size, pixel offset, bit depth,
// dimensions, palette, and the layout (White pieces, their masks, Black pieces, their masks; pawn,
// knight, bishop, rook, queen, king), the masks being solid silhouettes of their pieces. Also that
// each loads through the toolkit and the board takes it.

#include "app/piece_sets.h"
#include "tests/board/view_test_support.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace {

const std::vector<QRgb> Standard16 = { qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0),
    qRgb(0, 0, 128), qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0),
    qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255) };

// A BMP file decoded by hand, independently of the toolkit's reader.
struct Bmp {
    QByteArray bytes;
    std::uint32_t fileSize = 0, offset = 0, headerSize = 0, compression = 0;
    std::int32_t width = 0, height = 0;
    std::uint16_t planes = 0, bits = 0;
    std::vector<QRgb> palette;
    std::vector<int> pixels; // palette indices, row by row from the top

    explicit Bmp(const QByteArray& data)
        : bytes(data)
    {
        const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
        if (bytes.size() < 54 || d[0] != 'B' || d[1] != 'M')
            return;
        fileSize = qFromLittleEndian<std::uint32_t>(d + 2);
        offset = qFromLittleEndian<std::uint32_t>(d + 10);
        headerSize = qFromLittleEndian<std::uint32_t>(d + 14);
        width = qFromLittleEndian<std::int32_t>(d + 18);
        height = qFromLittleEndian<std::int32_t>(d + 22);
        planes = qFromLittleEndian<std::uint16_t>(d + 26);
        bits = qFromLittleEndian<std::uint16_t>(d + 28);
        compression = qFromLittleEndian<std::uint32_t>(d + 30);
        for (std::uint32_t at = 54; at + 4 <= offset; at += 4)
            palette.push_back(qRgb(d[at + 2], d[at + 1], d[at]));
        const int rowBytes = ((width * bits + 31) / 32) * 4;
        if (bits == 0 || height <= 0 || static_cast<qsizetype>(offset) + rowBytes * height > bytes.size())
            return;
        for (int y = 0; y < height; ++y) {
            const unsigned char* row = d + offset + static_cast<std::size_t>(rowBytes) * (height - 1 - y);
            for (int x = 0; x < width; ++x) {
                const int bit = x * bits;
                pixels.push_back((row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1));
            }
        }
    }
    int Index(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    QRgb Colour(int x, int y) const { return palette[static_cast<std::size_t>(Index(x, y))] & 0xffffffu; }
};

QByteArray Resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct SetFile {
    const char* name;
    const char* resource;
    int fileSize;
    int offset;
    int bits;
    int width;
    int height;
    // Palette indices allowed in the piece rows and in the mask rows.
    std::set<int> pieceIndices;
    std::set<int> maskIndices;
    // The program's loader of a main-window set.
    QImage (*load)() = nullptr;
};

const SetFile SetFiles[] = {
    { "Size32", ":/board/resources/Size32.bmp", 12406, 118, 4, 192, 128, { 0, 8, 15 }, { 0, 8, 15 } },
    { "Size40", ":/board/resources/Size40.bmp", 19318, 118, 4, 240, 160, { 0, 7, 8, 15 }, { 0, 8, 15 } },
    { "Size64", ":/board/resources/Size64.bmp", 12350, 62, 1, 384, 256, { 0, 1 }, { 0, 1 } },
    { "Size80", ":/board/resources/Size80.bmp", 19262, 62, 1, 480, 320, { 0, 1 }, { 0, 1 } },
    { "SetZgw32", ":/app/resources/SetZgw32.bmp", 12406, 118, 4, 192, 128, { 0, 15 }, { 0, 15 }, LoadSetZgw32 },
    { "SetCm36", ":/app/resources/SetCm36.bmp", 32182, 1078, 8, 216, 144, {}, { 0, 15 }, LoadSetCm36 },
};

class PieceSetFile : public testing::TestWithParam<SetFile> {
protected:
    Bmp bmp { Resource(GetParam().resource) };
    int cell = GetParam().height / 4;

    // The pixels of one cell: true where they are not pure white.
    std::vector<bool> Ink(int column, int row) const
    {
        std::vector<bool> ink(static_cast<std::size_t>(cell) * cell);
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                ink[static_cast<std::size_t>(y) * cell + x]
                    = bmp.Colour(column * cell + x, row * cell + y) != 0xffffffu;
        return ink;
    }
    // The pixels that the background, flooded from the border through 4-neighbours, does not reach.
    std::vector<bool> Filled(const std::vector<bool>& ink) const
    {
        std::vector<bool> outside(ink.size(), false);
        std::vector<std::pair<int, int>> stack;
        const auto push = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= cell || y >= cell)
                return;
            const std::size_t i = static_cast<std::size_t>(y) * cell + x;
            if (!ink[i] && !outside[i]) {
                outside[i] = true;
                stack.emplace_back(x, y);
            }
        };
        for (int k = 0; k < cell; ++k) {
            push(k, 0), push(k, cell - 1), push(0, k), push(cell - 1, k);
        }
        while (!stack.empty()) {
            const auto [x, y] = stack.back();
            stack.pop_back();
            push(x - 1, y), push(x + 1, y), push(x, y - 1), push(x, y + 1);
        }
        std::vector<bool> inside(ink.size());
        for (std::size_t i = 0; i < ink.size(); ++i)
            inside[i] = !outside[i];
        return inside;
    }
    bool At(const std::vector<bool>& cellPixels, int x, int y) const
    {
        return x >= 0 && y >= 0 && x < cell && y < cell && cellPixels[static_cast<std::size_t>(y) * cell + x];
    }
    static int Count(const std::vector<bool>& v) { return static_cast<int>(std::count(v.begin(), v.end(), true)); }
    int Top(const std::vector<bool>& v) const
    {
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                if (At(v, x, y))
                    return y;
        return cell;
    }
    // Share of the pixels that differ from the mirror image.
    double Asymmetry(const std::vector<bool>& v) const
    {
        int differ = 0;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                differ += At(v, x, y) != At(v, cell - 1 - x, y);
        return static_cast<double>(differ) / Count(v);
    }
};

} // namespace

TEST_P(PieceSetFile, HeaderAndPalette)
{
    const SetFile& f = GetParam();
    EXPECT_EQ(bmp.bytes.size(), f.fileSize);
    EXPECT_EQ(bmp.fileSize, static_cast<std::uint32_t>(f.fileSize));
    EXPECT_EQ(bmp.offset, static_cast<std::uint32_t>(f.offset));
    EXPECT_EQ(bmp.headerSize, 40u);
    EXPECT_EQ(bmp.width, f.width);
    EXPECT_EQ(bmp.height, f.height); // positive: rows bottom-up
    EXPECT_EQ(bmp.planes, 1);
    EXPECT_EQ(bmp.bits, f.bits);
    EXPECT_EQ(bmp.compression, 0u);
    ASSERT_EQ(bmp.pixels.size(), static_cast<std::size_t>(f.width) * f.height);
    if (f.bits == 4) {
        EXPECT_EQ(bmp.palette, Standard16);
    } else if (f.bits == 1) {
        EXPECT_EQ(bmp.palette, (std::vector<QRgb> { qRgb(0, 0, 0), qRgb(255, 255, 255) }));
    } else {
        ASSERT_EQ(bmp.palette.size(), 256u);
        EXPECT_EQ(bmp.palette[0], qRgb(0, 0, 0));
        EXPECT_EQ(bmp.palette[15], qRgb(255, 255, 255));
    }
    // 2 x width = 3 x height: six by four square cells.
    EXPECT_EQ(2 * f.width, 3 * f.height);
}

TEST_P(PieceSetFile, ColoursUsed)
{
    const SetFile& f = GetParam();
    std::set<int> pieces, masks;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            ((y / cell) % 2 ? masks : pieces).insert(bmp.Index(x, y));
    EXPECT_TRUE(std::includes(f.maskIndices.begin(), f.maskIndices.end(), masks.begin(), masks.end()));
    if (!f.pieceIndices.empty())
        EXPECT_TRUE(std::includes(f.pieceIndices.begin(), f.pieceIndices.end(), pieces.begin(), pieces.end()));
    else
        EXPECT_GT(pieces.size(), 40u) << "a shaded set uses many colours";
}

TEST_P(PieceSetFile, MasksAreSolidSilhouettesOfTheirPieces)
{
    for (int colour = 0; colour < 2; ++colour) {
        for (int column = 0; column < 6; ++column) {
            SCOPED_TRACE(testing::Message() << "colour " << colour << ", column " << column);
            const std::vector<bool> piece = Ink(column, 2 * colour);
            const std::vector<bool> mask = Ink(column, 2 * colour + 1);
            // No holes: every transparent pixel is reached from the border.
            EXPECT_EQ(Filled(mask), mask);
            EXPECT_GT(Count(mask), cell * cell / 10);
            // Every drawn pixel is opaque; every opaque pixel is inside the drawing or next to it.
            const std::vector<bool> body = Filled(piece);
            for (int y = 0; y < cell; ++y) {
                for (int x = 0; x < cell; ++x) {
                    if (At(piece, x, y)) {
                        EXPECT_TRUE(At(mask, x, y)) << "piece pixel under a transparent mask pixel " << x << "," << y;
                    }
                    if (At(mask, x, y)) {
                        bool near = false;
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx)
                                near = near || At(body, x + dx, y + dy);
                        EXPECT_TRUE(near) << "opaque mask pixel away from the piece " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_P(PieceSetFile, GreyOnlyAtTheAntiAliasedEdge)
{
    // In the 16-colour sets grey softens the outer edge; inside the outline a piece has none (a grey
    // run inside would be a leak in its outline).
    if (GetParam().bits != 4)
        return;
    for (int row : { 0, 2 })
        for (int column = 0; column < 6; ++column) {
            const std::vector<bool> mask = Ink(column, row + 1);
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x) {
                    if (bmp.Index(column * cell + x, row * cell + y) != 8)
                        continue;
                    bool edge = false;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            edge = edge || !At(mask, x + dx, y + dy);
                    EXPECT_TRUE(edge) << "row " << row << ", column " << column << ": grey inside at " << x << "," << y;
                }
        }
}

TEST_P(PieceSetFile, RowsAndColumnsInTheirOrder)
{
    std::array<std::array<std::vector<bool>, 6>, 2> masks;
    for (int colour = 0; colour < 2; ++colour)
        for (int column = 0; column < 6; ++column)
            masks[colour][column] = Ink(column, 2 * colour + 1);
    for (int colour = 0; colour < 2; ++colour) {
        const auto& m = masks[static_cast<std::size_t>(colour)];
        // Pawn: the smallest piece, standing lowest. King: the tallest. Knight: the one piece that is
        // not mirror-symmetric.
        for (int column = 1; column < 6; ++column) {
            EXPECT_LT(Count(m[0]), Count(m[column])) << "colour " << colour << ", column " << column;
            EXPECT_GT(Top(m[0]), Top(m[column])) << "colour " << colour << ", column " << column;
        }
        for (int column = 0; column < 5; ++column)
            EXPECT_LT(Top(m[5]), Top(m[column])) << "colour " << colour << ", column " << column;
        for (int column = 0; column < 6; ++column)
            if (column != 1) {
                EXPECT_LT(Asymmetry(m[column]), 0.15) << "colour " << colour << ", column " << column;
            }
        EXPECT_GT(Asymmetry(m[1]), 0.2);
    }
    // White and Black of a kind share their silhouette.
    for (int column = 0; column < 6; ++column) {
        int both = 0, either = 0;
        for (std::size_t i = 0; i < masks[0][column].size(); ++i) {
            both += masks[0][column][i] && masks[1][column][i];
            either += masks[0][column][i] || masks[1][column][i];
        }
        EXPECT_GT(static_cast<double>(both) / either, 0.85) << "column " << column;
    }
}

TEST_P(PieceSetFile, WhitePiecesAreLightAndBlackPiecesDark)
{
    for (int column = 0; column < 6; ++column) {
        std::array<double, 2> red {}, green {}, blue {}, luminance {};
        for (int colour = 0; colour < 2; ++colour) {
            const std::vector<bool> mask = Ink(column, 2 * colour + 1);
            int n = 0;
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x)
                    if (At(mask, x, y)) {
                        const QRgb c = bmp.Colour(column * cell + x, 2 * colour * cell + y);
                        red[colour] += qRed(c), green[colour] += qGreen(c), blue[colour] += qBlue(c), ++n;
                    }
            red[colour] /= n, green[colour] /= n, blue[colour] /= n;
            luminance[colour] = 0.299 * red[colour] + 0.587 * green[colour] + 0.114 * blue[colour];
        }
        SCOPED_TRACE(testing::Message() << "column " << column);
        EXPECT_GT(luminance[0], 110);
        EXPECT_LT(luminance[1], 80);
        EXPECT_GT(luminance[0], luminance[1] + 70);
        if (GetParam().bits == 8) {
            // Ivory and beige; red-brown.
            EXPECT_GE(red[0], green[0]);
            EXPECT_GT(green[0], blue[0]);
            EXPECT_GT(red[1], 1.6 * green[1]);
            EXPECT_GT(green[1], blue[1]);
        }
    }
}

TEST_P(PieceSetFile, LoadsThroughTheToolkitAndTheBoardTakesIt)
{
    const SetFile& f = GetParam();
    const QImage image = QImage::fromData(bmp.bytes, "BMP");
    ASSERT_EQ(image.size(), QSize(f.width, f.height));
    for (int y = 0; y < f.height; y += 3)
        for (int x = 0; x < f.width; x += 3)
            ASSERT_EQ(image.pixel(x, y) & 0xffffffu, bmp.Colour(x, y)) << x << "," << y;
    if (f.load) {
        EXPECT_EQ(f.load().convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
    }
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_CustomPieceSet(image);
    EXPECT_EQ(board.PieceSize(), f.height / 4);
    EXPECT_EQ(board.PieceImages().Count(), 12);
}

INSTANTIATE_TEST_SUITE_P(Files, PieceSetFile, testing::ValuesIn(SetFiles),
    [](const testing::TestParamInfo<SetFile>& info) { return std::string(info.param.name); });
