// make-piece-sets: draws the six piece-set bitmaps and writes them as BMP files.
//
//   build/make-piece-sets [ROOT] [--preview DIR]
//
// ROOT is the source tree (default: the one this program was built from). It writes
// ROOT/board/resources/Size32.bmp, Size40.bmp, Size64.bmp, Size80.bmp (the built-in sets) and
// ROOT/app/resources/SetZgw32.bmp, SetCm36.bmp (the main window's sets); with --preview, also an
// enlarged PNG of every set and the pieces on light and dark squares into DIR. Run it by hand after
// changing a drawing and commit its output; the build never runs it.
//
// A set is 6 columns (pawn, knight, bishop, rook, queen, king) by 4 rows (White pieces, their masks,
// Black pieces, their masks) of square cells. Pieces stand on white; a mask is the piece's
// silhouette, black (or grey at anti-aliased edges) on white.

#include "tools/bmp_file.h"
#include "board/piece_art.h"
#include "board/piece_painting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

// The 16 standard colours in palette order.
const std::vector<QRgb> StandardPalette16 = {
    qRgb(0, 0, 0),
    qRgb(128, 0, 0),
    qRgb(0, 128, 0),
    qRgb(128, 128, 0),
    qRgb(0, 0, 128),
    qRgb(128, 0, 128),
    qRgb(0, 128, 128),
    qRgb(192, 192, 192),
    qRgb(128, 128, 128),
    qRgb(255, 0, 0),
    qRgb(0, 255, 0),
    qRgb(255, 255, 0),
    qRgb(0, 0, 255),
    qRgb(255, 0, 255),
    qRgb(0, 255, 255),
    qRgb(255, 255, 255),
};
constexpr std::uint8_t Black16 = 0, Silver16 = 7, Grey16 = 8, White16 = 15;
const std::vector<QRgb> BlackWhitePalette = { qRgb(0, 0, 0), qRgb(255, 255, 255) };

// How a piece is painted: line widths in pixels of the final cell.
struct LineStyle {
    double outline; // the body's outline and the part outlines of a White piece
    double inner; // part outlines inside a Black piece (white)
    double detail; // detail lines
    bool antialias = true;
    // If valid, White pieces are shaded: the right part of every part (light from the left) in this colour.
    QColor shade = QColor();
};

// One rendered piece: its colours on white and the coverage of its silhouette (0 ... 1).
struct RenderedPiece {
    QImage colour; // RGB32, cell x cell
    std::vector<double> coverage;
    // The colour of a pixel that the piece encloses but does not cover.
    QRgb fill = qRgb(0, 0, 0);
};

QTransform DesignToCell(int cell)
{
    // Scale the 100-unit box to the cell and put the line the pieces stand on at a pixel edge.
    const double s = cell / 100.0;
    const double baseline = 92 * s;
    return QTransform::fromScale(s, s) * QTransform::fromTranslate(0, std::round(baseline) - baseline);
}

QPen DesignPen(const QColor& colour, double pixels, int cell)
{
    // A line of one pixel is drawn as a cosmetic line so that it never breaks up.
    if (pixels <= 1.0) {
        QPen pen(colour, 1);
        pen.setCosmetic(true);
        return pen;
    }
    QPen pen(colour, pixels * 100.0 / cell);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

std::vector<double> SilhouetteCoverage(const PieceDrawing& drawing, int cell, double outline)
{
    QImage alpha(cell, cell, QImage::Format_ARGB32_Premultiplied);
    alpha.fill(Qt::transparent);
    QPainter p(&alpha);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(DesignToCell(cell));
    const QPainterPath silhouette = drawing.Silhouette();
    p.fillPath(silhouette, Qt::black);
    p.strokePath(silhouette, DesignPen(Qt::black, outline, cell));
    p.end();
    std::vector<double> coverage(static_cast<std::size_t>(cell) * cell);
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x)
            coverage[static_cast<std::size_t>(y) * cell + x] = qAlpha(alpha.pixel(x, y)) / 255.0;
    return coverage;
}

// Line art: a White piece is white with black outlines, a Black piece black with white detail lines.
RenderedPiece RenderLineArt(const PieceDrawing& drawing, bool white, int cell, const LineStyle& style)
{
    QImage image(cell, cell, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, style.antialias);
    p.setTransform(DesignToCell(cell));
    if (white) {
        for (const QPainterPath& part : drawing.parts) {
            if (style.shade.isValid()) {
                const QRectF r = part.boundingRect();
                QLinearGradient light(r.left(), 0, r.right(), 0);
                light.setColorAt(0, Qt::white);
                light.setColorAt(0.64, Qt::white);
                light.setColorAt(0.641, style.shade);
                light.setColorAt(1, style.shade);
                p.fillPath(part, light);
            } else {
                p.fillPath(part, Qt::white);
            }
            p.strokePath(part, DesignPen(Qt::black, style.outline, cell));
        }
        p.strokePath(drawing.details, DesignPen(Qt::black, style.detail, cell));
        p.fillPath(drawing.spots, Qt::black);
        // The outer outline once more, closed, where a later part's fill has cut into an earlier outline.
        p.strokePath(drawing.Silhouette(), DesignPen(Qt::black, style.outline, cell));
    } else {
        for (const QPainterPath& part : drawing.parts) {
            p.fillPath(part, Qt::black);
            p.strokePath(part, DesignPen(Qt::white, style.inner, cell));
        }
        p.strokePath(drawing.details, DesignPen(Qt::white, style.detail, cell));
        p.fillPath(drawing.spots, Qt::white);
        p.strokePath(drawing.Silhouette(), DesignPen(Qt::black, style.outline, cell));
    }
    p.end();
    return { image, SilhouetteCoverage(drawing, cell, style.outline), qRgb(0, 0, 0) };
}

// A whole set: cell images and masks quantised into palette indices.
struct SetMaker {
    int cell;
    int bits;
    std::vector<QRgb> palette;
    std::function<PieceDrawing(PieceKind)> design;
    std::function<RenderedPiece(const PieceDrawing&, bool white, int cell)> render;
    // Palette index of a piece pixel.
    std::function<std::uint8_t(QRgb)> quantise;
    std::uint8_t whiteIndex;
    std::uint8_t blackIndex;
    // Line art: the mask is the quantised piece with its holes filled. Otherwise: coverage of at least one half.
    bool maskFromImage = true;
    // If set, the index of the anti-aliased edge: pixels just outside the silhouette that the smooth
    // outline covers by at least edgeCoverage get this colour in the piece and grey in the mask.
    std::optional<std::uint8_t> edgeIndex;
    std::uint8_t edgeMaskIndex = 0;
    double edgeCoverage = 0.4;
};

// The pixels inside an outline: those that the background, flooded from the cell's border through
// 4-connected neighbours, does not reach.
std::vector<bool> FillHoles(const std::vector<bool>& ink, int cell)
{
    std::vector<bool> outside(ink.size(), false);
    std::vector<int> stack;
    const auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= cell || y >= cell)
            return;
        const std::size_t i = static_cast<std::size_t>(y) * cell + x;
        if (ink[i] || outside[i])
            return;
        outside[i] = true;
        stack.push_back(static_cast<int>(i));
    };
    for (int k = 0; k < cell; ++k) {
        push(k, 0);
        push(k, cell - 1);
        push(0, k);
        push(cell - 1, k);
    }
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        push(i % cell - 1, i / cell);
        push(i % cell + 1, i / cell);
        push(i % cell, i / cell - 1);
        push(i % cell, i / cell + 1);
    }
    std::vector<bool> inside(ink.size());
    for (std::size_t i = 0; i < ink.size(); ++i)
        inside[i] = !outside[i];
    return inside;
}

IndexedImage MakeSet(const SetMaker& maker)
{
    const int cell = maker.cell;
    IndexedImage set(6 * cell, 4 * cell, maker.whiteIndex);
    for (int colour = 0; colour < 2; ++colour) {
        for (int column = 0; column < 6; ++column) {
            const PieceDrawing drawing = maker.design(AllPieceKinds[column]);
            const RenderedPiece piece = maker.render(drawing, colour == 0, cell);
            std::vector<std::uint8_t> pixels(static_cast<std::size_t>(cell) * cell);
            std::vector<bool> opaque(pixels.size());
            for (int y = 0; y < cell; ++y) {
                for (int x = 0; x < cell; ++x) {
                    const std::size_t i = static_cast<std::size_t>(y) * cell + x;
                    pixels[i] = maker.quantise(piece.colour.pixel(x, y));
                    opaque[i] = maker.maskFromImage ? pixels[i] != maker.whiteIndex : piece.coverage[i] >= 0.5;
                }
            }
            if (maker.maskFromImage)
                opaque = FillHoles(opaque, cell);
            // The anti-aliased edge, then the masks made solid: a transparent pixel enclosed by the
            // piece (between the queen's points, under the knight's chin) becomes part of it.
            std::vector<bool> edge(pixels.size(), false);
            if (maker.edgeIndex)
                for (std::size_t i = 0; i < pixels.size(); ++i)
                    edge[i] = !opaque[i] && piece.coverage[i] >= maker.edgeCoverage;
            std::vector<bool> covered(pixels.size());
            for (std::size_t i = 0; i < pixels.size(); ++i)
                covered[i] = opaque[i] || edge[i];
            const std::vector<bool> solid = FillHoles(covered, cell);
            const int left = column * cell;
            const int top = 2 * colour * cell;
            for (int y = 0; y < cell; ++y) {
                for (int x = 0; x < cell; ++x) {
                    const std::size_t i = static_cast<std::size_t>(y) * cell + x;
                    std::uint8_t& image = set.at(left + x, top + y);
                    std::uint8_t& mask = set.at(left + x, top + cell + y);
                    if (opaque[i]) {
                        image = pixels[i];
                        mask = maker.blackIndex;
                    } else if (edge[i]) {
                        image = *maker.edgeIndex;
                        mask = maker.edgeMaskIndex;
                    } else if (solid[i]) {
                        image = pixels[i] != maker.whiteIndex ? pixels[i] : maker.quantise(piece.fill);
                        mask = maker.blackIndex;
                    }
                }
            }
        }
    }
    return set;
}

int Luminance(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

QImage ToImage(const IndexedImage& set, const std::vector<QRgb>& palette)
{
    QImage image(set.width, set.height, QImage::Format_RGB32);
    for (int y = 0; y < set.height; ++y)
        for (int x = 0; x < set.width; ++x)
            image.setPixel(x, y, palette[set.at(x, y)]);
    return image;
}

// Preview: the set enlarged, and its pieces through their masks on light and dark squares.
void WritePreview(const QString& dir, const QString& name, const IndexedImage& set, const std::vector<QRgb>& palette)
{
    const QImage image = ToImage(set, palette);
    const int cell = set.height / 4;
    image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(dir + "/" + name + "-set.png");
    const int square = cell + cell / 4;
    QImage board(6 * square, 2 * square, QImage::Format_RGB32);
    QPainter p(&board);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QRect r(column * square, row * square, square, square);
            p.fillRect(r, (row + column) % 2 ? QColor(128, 128, 128) : QColor(192, 192, 192));
            const QPoint at = r.topLeft() + QPoint((square - cell) / 2, (square - cell) / 2);
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x)
                    if (image.pixel(column * cell + x, (2 * row + 1) * cell + y) != qRgb(255, 255, 255))
                        board.setPixel(at + QPoint(x, y), image.pixel(column * cell + x, 2 * row * cell + y));
        }
    }
    p.end();
    board.scaled(board.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(dir + "/" + name + "-board.png");
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %lld bytes\n", qPrintable(path), static_cast<long long>(bytes.size()));
    return true;
}

// ---- The six sets ----

LineStyle ClassicalLines(int cell)
{
    // Lines of about a pixel at 32 and of two to three at 64 and 80.
    const double outline = cell <= 40 ? 1.0 : cell / 30.0;
    LineStyle style { outline, cell <= 40 ? 1.0 : outline * 0.75, cell <= 40 ? 1.0 : outline * 0.85, false };
    // The 40-pixel set shades its White pieces with silver.
    if (cell == 40)
        style.shade = QColor(192, 192, 192);
    return style;
}

SetMaker ClassicalSet(int cell)
{
    SetMaker maker;
    maker.cell = cell;
    maker.design = ClassicalPiece;
    maker.render
        = [](const PieceDrawing& d, bool white, int c) { return RenderLineArt(d, white, c, ClassicalLines(c)); };
    if (cell <= 40) {
        // 4 bits, standard palette: black, grey, (silver for 40) and white.
        maker.bits = 4;
        maker.palette = StandardPalette16;
        maker.whiteIndex = White16;
        maker.blackIndex = Black16;
        const bool silver = cell == 40;
        maker.quantise = [silver](QRgb c) -> std::uint8_t {
            const int l = Luminance(c);
            if (l < 64)
                return Black16;
            if (silver)
                return l < 160 ? Grey16 : l < 224 ? Silver16 : White16;
            return l < 192 ? Grey16 : White16;
        };
        maker.edgeIndex = Grey16;
        maker.edgeMaskIndex = Grey16;
    } else {
        maker.bits = 1;
        maker.palette = BlackWhitePalette;
        maker.whiteIndex = 1;
        maker.blackIndex = 0;
        maker.quantise = [](QRgb c) -> std::uint8_t { return Luminance(c) < 128 ? 0 : 1; };
    }
    return maker;
}

SetMaker ZugwerkSet()
{
    SetMaker maker = ClassicalSet(32);
    maker.design = ZugwerkPiece;
    maker.render = [](const PieceDrawing& d, bool white, int c) {
        return RenderLineArt(d, white, c, { 1.0, 1.0, 1.0, false });
    };
    maker.quantise = [](QRgb c) -> std::uint8_t { return Luminance(c) < 128 ? Black16 : White16; };
    maker.edgeIndex.reset();
    return maker;
}

// ---- Turned wood ----

// The woods and their brush are the board's own (board/piece_painting.h).

RenderedPiece RenderTurned(const PieceDrawing& drawing, bool white, int cell)
{
    const Wood& wood = WoodOf(white);
    QImage image(cell, cell, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(DesignToCell(cell));
    for (const QPainterPath& part : drawing.parts) {
        p.fillPath(part, TurnedBrush(wood, part.boundingRect()));
        p.strokePath(part, DesignPen(wood.line, 0.9, cell));
    }
    p.strokePath(drawing.details, DesignPen(wood.line, 0.9, cell));
    p.fillPath(drawing.spots, wood.line);
    p.end();
    // The piece's own colour up to its edge (not blended with white), its coverage in alpha.
    RenderedPiece piece { QImage(cell, cell, QImage::Format_RGB32), {}, wood.line.rgb() };
    piece.coverage.resize(static_cast<std::size_t>(cell) * cell);
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const QRgb c = image.pixel(x, y);
            piece.coverage[static_cast<std::size_t>(y) * cell + x] = qAlpha(c) / 255.0;
            piece.colour.setPixel(x, y, qAlpha(c) ? qUnpremultiply(c) | 0xff000000u : qRgb(255, 255, 255));
        }
    }
    return piece;
}

// 256 colours: the 16 standard ones, then 120 along each wood's ramp.
std::vector<QRgb> WoodPalette()
{
    std::vector<QRgb> palette = StandardPalette16;
    for (const Wood* wood : { &WoodOf(true), &WoodOf(false) }) {
        const std::vector<QColor> ramp = wood->Ramp();
        const int steps = 120;
        for (int i = 0; i < steps; ++i) {
            const double t = i * (ramp.size() - 1.0) / (steps - 1);
            const std::size_t k = std::min(static_cast<std::size_t>(t), ramp.size() - 2);
            const double f = t - k;
            const auto mix = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * f)); };
            palette.push_back(qRgb(mix(ramp[k].red(), ramp[k + 1].red()), mix(ramp[k].green(), ramp[k + 1].green()),
                mix(ramp[k].blue(), ramp[k + 1].blue())));
        }
    }
    return palette;
}

std::uint8_t Nearest(const std::vector<QRgb>& palette, QRgb c)
{
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                  db = qBlue(c) - qBlue(palette[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

SetMaker TurnedSet()
{
    SetMaker maker;
    maker.cell = 36;
    maker.bits = 8;
    maker.palette = WoodPalette();
    maker.whiteIndex = White16;
    maker.blackIndex = Black16;
    maker.design = TurnedPiece;
    maker.render = RenderTurned;
    maker.quantise = [palette = maker.palette](QRgb c) { return Nearest(palette, c); };
    maker.maskFromImage = false;
    return maker;
}

// A large anti-aliased drawing of every design, to judge the shapes.
void WriteDesignPreview(const QString& dir)
{
    const int cell = 160;
    const std::function<PieceDrawing(PieceKind)> designs[] = { ClassicalPiece, ZugwerkPiece, TurnedPiece };
    QImage sheet(6 * cell, 8 * cell, QImage::Format_RGB32);
    sheet.fill(QColor(170, 170, 170));
    QPainter p(&sheet);
    for (int d = 0; d < 3; ++d)
        for (int colour = 0; colour < 2; ++colour)
            for (int column = 0; column < 6; ++column) {
                const RenderedPiece piece
                    = RenderLineArt(designs[d](AllPieceKinds[column]), colour == 0, cell, { 4, 3, 3, true });
                QImage cut = piece.colour.convertToFormat(QImage::Format_ARGB32);
                for (int y = 0; y < cell; ++y)
                    for (int x = 0; x < cell; ++x)
                        if (piece.coverage[static_cast<std::size_t>(y) * cell + x] < 0.5)
                            cut.setPixel(x, y, qRgba(0, 0, 0, 0));
                p.drawImage(column * cell, (2 * d + colour) * cell, cut);
                const RenderedPiece wood = RenderTurned(TurnedPiece(AllPieceKinds[column]), colour == 0, cell);
                QImage woodCut = wood.colour.convertToFormat(QImage::Format_ARGB32);
                for (int y = 0; y < cell; ++y)
                    for (int x = 0; x < cell; ++x)
                        if (wood.coverage[static_cast<std::size_t>(y) * cell + x] < 0.5)
                            woodCut.setPixel(x, y, qRgba(0, 0, 0, 0));
                p.drawImage(column * cell, (6 + colour) * cell, woodCut);
            }
    p.end();
    sheet.save(dir + "/designs.png");
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString root = QStringLiteral(ZUGWERK_SOURCE_DIR);
    QString preview;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--preview" && i + 1 < args.size())
            preview = args[++i];
        else
            root = args[i];
    }

    struct Output {
        QString path;
        QString name;
        SetMaker maker;
    };
    const Output outputs[] = {
        { "board/resources/Size32.bmp", "Size32", ClassicalSet(32) },
        { "board/resources/Size40.bmp", "Size40", ClassicalSet(40) },
        { "board/resources/Size64.bmp", "Size64", ClassicalSet(64) },
        { "board/resources/Size80.bmp", "Size80", ClassicalSet(80) },
        { "app/resources/SetZgw32.bmp", "SetZgw32", ZugwerkSet() },
        { "app/resources/SetCm36.bmp", "SetCm36", TurnedSet() },
    };
    if (!preview.isEmpty()) {
        QDir().mkpath(preview);
        WriteDesignPreview(preview);
    }
    for (const Output& out : outputs) {
        const IndexedImage set = MakeSet(out.maker);
        const QString path = root + "/" + out.path;
        QDir().mkpath(QFileInfo(path).path());
        if (!WriteFile(path, EncodeBmp(set, out.maker.bits, out.maker.palette)))
            return 1;
        if (!preview.isEmpty())
            WritePreview(preview, out.name, set, out.maker.palette);
    }
    return 0;
}
