// The hint arrow, read from the pixels of the backing image against a board that never had one.

#include "tests/board/input_test_support.h"
#include "tests/board/view_test_support.h"

#include <functional>
#include <set>

// The arrow changes the squares it crosses and no others, on the board as it is turned.
TEST(HintArrow, DrawnOnItsPathOnlyAndTurnedWithTheBoard)
{
    const struct {
        Square from, to;
        std::set<std::string> crossed;
    } cases[] = {
        { Square::E2, Square::E4, { "e2", "e3", "e4" } },
        { Square::H8, Square::D8, { "h8", "g8", "f8", "e8", "d8" } },
    };
    for (const auto& c : cases) {
        TChessBoard board { nullptr, TChessBoard::Mode::Designer };
        TChessBoard turned { nullptr, TChessBoard::Mode::Designer };
        turned.set_WhiteOnTop(true);
        const QImage plain = board.Canvas();
        ASSERT_TRUE(board.set_HintArrow(c.from, c.to));
        EXPECT_EQ(ChangedSquares(board, plain, board.Canvas()), c.crossed);
        board.set_WhiteOnTop(true);
        EXPECT_EQ(ChangedSquares(board, turned.Canvas(), board.Canvas()), c.crossed) << "turned";
    }
    TChessBoard board { nullptr, TChessBoard::Mode::Designer };
    EXPECT_FALSE(board.set_HintArrow(Square::E2, Square::E2));
    EXPECT_FALSE(board.set_HintArrow(Square::None, Square::E4));
    EXPECT_FALSE(board.HintArrow());
}

// Whatever gives the board a new position takes the arrow away: the picture is that of a board that
// did the same without one.
TEST(HintArrow, GoesAwayWithANewPosition)
{
    const struct {
        const char* what;
        std::function<void(TChessBoard&)> action;
    } cases[] = {
        { "clear", [](TChessBoard& b) { b.ClearHintArrow(); } },
        { "move", [](TChessBoard& b) { Play(b, "g1f3"); } },
        { "set_PosStr", [](TChessBoard& b) { b.set_PosStr(Placement("4k3/8/8/8/8/8/8/4K3")); } },
        { "new game", [](TChessBoard& b) { b.NewGame(); } },
        { "back", [](TChessBoard& b) { b.MoveBackward(); } },
        { "another arrow", [](TChessBoard& b) { b.set_HintArrow(Square::B1, Square::C3); } },
    };
    for (const auto& c : cases) {
        TChessBoard plain { nullptr, TChessBoard::Mode::Designer };
        TChessBoard board { nullptr, TChessBoard::Mode::Designer };
        for (TChessBoard* b : { &plain, &board }) {
            b->set_MarkMoves(true);
            Play(*b, "e2e4 e7e5");
        }
        board.set_HintArrow(Square::G1, Square::F3);
        c.action(board);
        c.action(plain);
        EXPECT_EQ(board.Canvas(), plain.Canvas()) << c.what;
        EXPECT_EQ(board.HintArrow().has_value(), std::string(c.what) == "another arrow") << c.what;
    }
}

// Squares under the arrow that are redrawn on their own (new marks, a lifted piece put back) get
// their part of it again: the picture stays that of a full repaint.
TEST(HintArrow, KeptThroughRedrawsOfItsSquares)
{
    TChessBoard board { nullptr, TChessBoard::Mode::Designer };
    Play(board, "e2e4");
    board.set_HintArrow(Square::E4, Square::E5);
    board.set_MarkMoves(true);
    const QImage marked = board.Canvas();
    board.Paint();
    EXPECT_EQ(board.Canvas(), marked);

    InputBoard b;
    b.board->NewGame();
    b.board->set_HintArrow(Square::E2, Square::E4);
    const QImage withArrow = b.board->Canvas();
    b.Drag(b.Centre(Square::E2), b.Centre(Square::E2) + QPoint(0, b.board->SizeOfSquare() / 3));
    EXPECT_EQ(b.board->Canvas(), withArrow);
    EXPECT_TRUE(b.board->HintArrow());
}
