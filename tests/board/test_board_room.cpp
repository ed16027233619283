// A board filling a room: its geometry for rooms of several sizes, one full redraw per change of
// size, and the classic board back, pixel for pixel, once it has no room. (Vector pieces following
// the squares' size: test_vector_pieces.cpp.)

#include "tests/board/view_test_support.h"

namespace {

TEST(BoardRoom, TakesTheLargestWholeSquaresThatFitAndRedrawsOncePerSize)
{
    struct Case {
        QSize room;
        int square;
        int border;
    };
    // A room below the classic board keeps the classic size; the frame grows from 60-pixel squares on.
    const Case cases[] = {
        { { 200, 150 }, 40, 24 },
        { { 368, 368 }, 40, 24 },
        { { 600, 1000 }, 68, 27 }, // 598 pixels
        { { 830, 697 }, 79, 32 }, // 696 pixels
        { { 1726, 1000 }, 113, 45 }, // 994 pixels
    };
    CountingBoard board;
    board.NewGame();
    for (const Case& c : cases) {
        board.Reset();
        board.set_Room(c.room);
        EXPECT_EQ(board.SizeOfSquare(), c.square) << c.room.width() << "x" << c.room.height();
        EXPECT_EQ(board.SizeOfBorder(), c.border);
        const int side = 8 * c.square + 2 * c.border;
        EXPECT_EQ(QSize(board.Width(), board.Height()), QSize(side, side)) << "whole squares, a square control";
        EXPECT_TRUE(side <= std::min(c.room.width(), c.room.height()) || c.square == 40) << "nothing cut";
        EXPECT_EQ(board.Canvas().size(), QSize(side, side));
        // The last pixel of the squares is h1's, the next one the frame's.
        EXPECT_EQ(board.WindowToSquare(side - c.border - 1, side - c.border - 1), Square::H1);
        EXPECT_EQ(board.WindowToSquare(side - c.border, side - c.border), Square::None);
        EXPECT_LE(board.paints, 1);

        board.Reset();
        board.set_Room(c.room + QSize(3, 3));
        EXPECT_EQ(board.paints, 0) << "a room a few pixels larger gives the same squares and no redraw";
    }
}

TEST(BoardRoom, WithoutARoomTheClassicPictureComesBack)
{
    CountingBoard classic;
    classic.NewGame();
    CountingBoard board;
    board.NewGame();
    board.set_Room(QSize(900, 900));
    ASSERT_GT(board.SizeOfSquare(), 40);
    board.set_Room(std::nullopt);
    EXPECT_EQ(board.SizeOfSquare(), 40);
    EXPECT_EQ(board.SizeOfBorder(), 24);
    EXPECT_EQ(board.Canvas(), classic.Canvas());
}

} // namespace
