// make-icon: draws the program's icon and writes it as SVG and as PNGs of the usual sizes.
//
//   build/make-icon [ROOT]    writes ROOT/desktop/icons/zugwerk.svg and
//                             ROOT/desktop/icons/<N>x<N>/zugwerk.png (ROOT: the source tree)
//
// The icon is a White Staunton knight (the vector outlines of board/piece_art.cpp) standing on
// four squares of a brown wooden board with rounded corners. Its output is committed.

#include "board/piece_painting.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int DesignSide = 256;
constexpr int PngSides[] = { 16, 24, 32, 48, 64, 128, 256 };

// Paints the icon into a DesignSide x DesignSide box.
void PaintIcon(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(8, 8, DesignSide - 16, DesignSide - 16);
    QPainterPath tile;
    tile.addRoundedRect(box, 36, 36);
    painter.save();
    painter.setClipPath(tile);
    const QColor light(240, 217, 181), dark(181, 136, 99);
    const qreal half = box.width() / 2;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            painter.fillRect(QRectF(box.left() + column * half, box.top() + row * half, half, half),
                (row + column) % 2 == 0 ? light : dark);
    painter.restore();
    painter.setPen(QPen(QColor(92, 58, 36), 8));
    painter.drawPath(tile);
    PaintPiece(painter, PieceDesign::Staunton, PieceKind::Knight, true, box.adjusted(10, 6, -10, -14));
}

bool WriteSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(DesignSide, DesignSide));
    svg.setViewBox(QRect(0, 0, DesignSide, DesignSide));
    svg.setTitle(QStringLiteral("Zugwerk!"));
    svg.setDescription(QStringLiteral("A knight on a chess board"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PaintIcon(painter);
    return painter.end();
}

bool WritePng(const QString& path, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(side / double(DesignSide), side / double(DesignSide));
    PaintIcon(painter);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZUGWERK_SOURCE_DIR);
    const QString icons = root + QStringLiteral("/desktop/icons");
    bool written = QDir().mkpath(icons) && WriteSvg(icons + QStringLiteral("/zugwerk.svg"));
    for (int side : PngSides) {
        const QString folder = icons + QStringLiteral("/%1x%1").arg(side);
        written = written && QDir().mkpath(folder) && WritePng(folder + QStringLiteral("/zugwerk.png"), side);
    }
    if (!written) {
        std::fprintf(stderr, "cannot write the icons into %s\n", qPrintable(icons));
        return 1;
    }
    std::printf("icons written into %s\n", qPrintable(icons));
    return 0;
}
