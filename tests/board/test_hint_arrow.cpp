// The hint arrow, read from the pixels of the backing image against a board that never had one.

#include "tests/board/input_test_support.h"
#include "tests/board/view_test_support.h"

#include <cmath>
#include <functional>

namespace {

// The centre of a square on the screen, turned with the board.
QPointF Centre(const TChessBoard& board, Square sq)
{
    int column = TChessBoard::XPos(sq) - 1;
    int row = 8 - TChessBoard::YPos(sq);
    if (board.WhiteOnTop()) {
        column = 7 - column;
        row = 7 - row;
    }
    const qreal size = board.SizeOfSquare();
    return { board.SizeOfBorder() + (column + 0.5) * size, board.SizeOfBorder() + (row + 0.5) * size };
}

qreal DistanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const qreal t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

// Every changed pixel lies within the head's half-width of the line between the centres, and the
// pixels on that line, from its start to the head, have changed.
void ExpectArrowBetween(const TChessBoard& board, const QImage& plain, Square from, Square to)
{
    const QPointF a = Centre(board, from), b = Centre(board, to);
    const QImage drawn = board.Canvas();
    const qreal near = 0.3 * board.SizeOfSquare() + 1;
    int strays = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != plain.pixel(x, y) && DistanceToSegment(QPointF(x + 0.5, y + 0.5), a, b) > near)
                ++strays;
    EXPECT_EQ(strays, 0) << Name(from) << Name(to);
    for (qreal t : { 0.1, 0.3, 0.5 }) {
        const QPointF p = a + t * (b - a);
        EXPECT_NE(drawn.pixel(p.toPoint()), plain.pixel(p.toPoint())) << Name(from) << Name(to) << " at " << t;
    }
}

const struct {
    const char* from;
    const char* to;
} ArrowCases[] = { { "e2", "e4" }, { "g1", "f3" }, { "c1", "h6" }, { "h8", "a8" } };

} // namespace

TEST(HintArrow, DrawnAlongItsPathOnlyAndTurnedWithTheBoard)
{
    for (const auto& c : ArrowCases) {
        TChessBoard board { nullptr, TChessBoard::Mode::Designer };
        board.NewGame();
        const QImage plain = board.Canvas();
        ASSERT_TRUE(board.set_HintArrow(Sq(c.from), Sq(c.to)));
        EXPECT_EQ(board.HintArrow(), TChessBoard::SquarePair(Sq(c.from), Sq(c.to)));
        ExpectArrowBetween(board, plain, Sq(c.from), Sq(c.to));

        TChessBoard turned { nullptr, TChessBoard::Mode::Designer };
        turned.NewGame();
        turned.set_WhiteOnTop(true);
        board.set_WhiteOnTop(true);
        ExpectArrowBetween(board, turned.Canvas(), Sq(c.from), Sq(c.to));
    }
    TChessBoard board { nullptr, TChessBoard::Mode::Designer };
    const QImage plain = board.Canvas();
    EXPECT_FALSE(board.set_HintArrow(Square::E2, Square::E2));
    EXPECT_FALSE(board.set_HintArrow(Square::None, Square::E4));
    EXPECT_FALSE(board.HintArrow());
    EXPECT_EQ(board.Canvas(), plain);
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
        { "goto", [](TChessBoard& b) { b.GotoMove(1, true); } },
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
