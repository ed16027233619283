#pragma once

// Helpers for the view tests: reading the backing image, synthetic piece sets, boards that count
// their drawing calls.

#include "tests/board/board_test_support.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <set>
#include <string>

inline constexpr QRgb Olive = 0x808000;
inline constexpr QRgb Grey = 0x808080;
inline constexpr QRgb Silver = 0xc0c0c0;
inline constexpr QRgb BlackPixel = 0x000000;
inline constexpr QRgb WhitePixel = 0xffffff;

// The colour of a canvas pixel, without alpha.
inline QRgb Pixel(const TChessBoard& board, int x, int y) { return board.Canvas().pixel(x, y) & 0xffffffu; }

inline const std::string EmptyBoard(64, ' ');

// A piece set of 6 x 4 cells of `cell` pixels (plus `extraWidth`, `extraHeight` pixels right and
// below) whose pixels come from a function of column, row and position in the cell.
inline QImage SyntheticSet(int cell, const std::function<QRgb(int column, int row, int x, int y)>& pixel,
    int extraWidth = 0, int extraHeight = 0)
{
    QImage image(6 * cell + extraWidth, 4 * cell + extraHeight, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    for (int y = 0; y < 4 * cell; ++y)
        for (int x = 0; x < 6 * cell; ++x)
            image.setPixel(x, y, pixel(x / cell, y / cell, x % cell, y % cell) | 0xff000000u);
    return image;
}

// The colour of piece cell `column` in piece row 0 (White) or 2 (Black) of a synthetic set: one
// distinct colour per piece.
inline QRgb PieceColour(int column, int row) { return qRgb(10 + 20 * column, row == 0 ? 60 : 200, 90); }

// A set whose pieces are each one colour and whose masks are opaque everywhere.
inline QImage SolidSet(int cell)
{
    return SyntheticSet(
        cell, [](int column, int row, int, int) { return row % 2 == 0 ? PieceColour(column, row) : qRgb(0, 0, 0); });
}

// The squares whose rectangles contain a pixel that differs between two pictures of the board.
inline std::set<std::string> ChangedSquares(const TChessBoard& board, const QImage& before, const QImage& after)
{
    std::set<std::string> squares;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) {
                const Square sq = board.WindowToSquare(x, y);
                squares.insert(IsOnBoard(sq) ? Name(sq) : "frame");
            }
    return squares;
}

// Counts the drawing calls made on it.
class CountingBoard : public TChessBoard {
public:
    CountingBoard()
        : TChessBoard(nullptr, Mode::Designer)
    {
    }
    int paints = 0;
    int clears = 0;
    int draws = 0;
    void Paint() override
    {
        ++paints;
        TChessBoard::Paint();
    }
    void ClearSquare(Square sq) override
    {
        ++clears;
        TChessBoard::ClearSquare(sq);
    }
    void DrawPiece(Square sq, char piece) override
    {
        ++draws;
        TChessBoard::DrawPiece(sq, piece);
    }
    void Reset() { paints = clears = draws = 0; }
};
