// The theme swatches and the piece preview of the Preferences dialog.

#include "app/preference_pictures.h"

#include "board/chessbrd.h"

#include <QPainter>

#include <cmath>

namespace {

// The preview's order: the pieces from the king down, as a set is laid out in its box.
constexpr PieceKind PreviewKinds[]
    = { PieceKind::King, PieceKind::Queen, PieceKind::Rook, PieceKind::Bishop, PieceKind::Knight, PieceKind::Pawn };
constexpr const char* PreviewLetters[] = { "KQRBNP", "kqrbnp" }; // White, Black

// The board's image of the piece, at the board's own size and pixel ratio.
QImage BoardPieceImage(const TChessBoard& board, char letter)
{
    const int side = std::max(board.PieceSize(), 1);
    const qreal ratio = board.devicePixelRatioF();
    QImage image(std::lround(side * ratio), std::lround(side * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    board.DrawChessPiece(painter, 0, 0, letter);
    return image;
}

} // namespace

QIcon BoardThemeSwatch(BoardTheme theme, int side)
{
    const TBoardThemeEntry& colours = BoardThemeEntry(theme);
    QPixmap swatch(side, side);
    swatch.fill(ToQColor(colours.Frame));
    QPainter painter(&swatch);
    const int inner = side - 4;
    const int half = inner / 2;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            painter.fillRect(2 + column * half, 2 + row * half, column == 1 ? inner - half : half,
                row == 1 ? inner - half : half,
                ToQColor((row + column) % 2 == 0 ? colours.SquareLight : colours.SquareDark));
    return QIcon(swatch);
}

QPixmap PiecesPicture(PieceChoice choice, BoardTheme theme, const TChessBoard* board, int cell, qreal pixelRatio)
{
    const TBoardThemeEntry& colours = BoardThemeEntry(theme);
    const std::optional<PieceDesign> design = PieceChoiceEntry(choice).Design;
    QPixmap preview(std::lround(6 * cell * pixelRatio), std::lround(2 * cell * pixelRatio));
    preview.setDevicePixelRatio(pixelRatio);
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 6; ++column) {
            const QRect square(column * cell, row * cell, cell, cell);
            painter.fillRect(square, ToQColor((row + column) % 2 == 0 ? colours.SquareLight : colours.SquareDark));
            if (design)
                painter.drawImage(square, PieceImage(*design, PreviewKinds[column], row == 0, cell, pixelRatio));
            else if (board)
                painter.drawImage(square, BoardPieceImage(*board, PreviewLetters[row][column]));
        }
    return preview;
}
