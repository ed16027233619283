// MarkMoves: the tints on the last move's squares and on a king in check, read from the pixels of
// the backing image against a board that never had the marks switched on.

#include "tests/board/view_test_support.h"

#include <set>
#include <sstream>
#include <string>

namespace {

// Steps separated by blanks: moves such as "e2e4", "back", "forward", "goto:2w" (GotoMove),
// "new" (NewGame), "setup:<FEN rows>" (Black to move) and "pos:<FEN rows>" (set_PosStr).
void Follow(TChessBoard& board, const std::string& steps)
{
    std::istringstream in(steps);
    std::string step;
    while (in >> step) {
        const std::string rows = step.substr(step.find(':') + 1);
        if (step == "back")
            board.MoveBackward();
        else if (step == "forward")
            board.MoveForward();
        else if (step == "new")
            board.NewGame();
        else if (step.starts_with("goto:"))
            board.GotoMove(rows[0] - '0', rows[1] == 'w');
        else if (step.starts_with("setup:"))
            Arrange(board, rows, false);
        else if (step.starts_with("pos:"))
            board.set_PosStr(Placement(rows));
        else
            Play(board, step);
    }
}

const std::string FoolsMateForWhite = "e2e4 f7f6 d2d4 g7g5 d1h5 ";

const struct {
    std::string steps;
    std::set<std::string> marked;
} MarkCases[] = {
    { "e2e4", { "e2", "e4" } },
    { "e2e4 e7e5", { "e7", "e5" } },
    { "e2e4 e7e5 g1f3 b8c6 f1c4 g8f6 e1g1", { "e1", "g1" } },
    { "e2e4 e7e5 back", { "e2", "e4" } },
    { "e2e4 e7e5 back back", {} },
    { "e2e4 e7e5 goto:1w forward", { "e2", "e4" } },
    { "e2e4 e7e5 g1f3 b8c6 goto:2w", { "e7", "e5" } },
    { FoolsMateForWhite, { "d1", "h5", "e8" } },
    { FoolsMateForWhite + "back", { "g7", "g5" } },
    { FoolsMateForWhite + "new", {} },
    { "e2e4 pos:R3k3/8/8/8/8/8/8/4K3", { "e8" } },
    { "e2e4 setup:4k3/8/8/8/8/8/8/4K3", {} },
};

QImage PlainPicture(const std::string& steps)
{
    TChessBoard plain { nullptr, TChessBoard::Mode::Designer };
    Follow(plain, steps);
    return plain.Canvas();
}

} // namespace

// Marks on from the start: only the marked squares differ from the plain picture, and the squares
// repainted one by one add up to what a full repaint draws.
TEST(MoveMarks, FollowTheGameOnTheirSquaresOnly)
{
    for (const auto& c : MarkCases) {
        TChessBoard board { nullptr, TChessBoard::Mode::Designer };
        board.set_MarkMoves(true);
        Follow(board, c.steps);
        const QImage drawn = board.Canvas();
        EXPECT_EQ(ChangedSquares(board, PlainPicture(c.steps), drawn), c.marked) << c.steps;
        board.Paint();
        EXPECT_EQ(board.Canvas(), drawn) << c.steps;
    }
}

// Switching on repaints the marked squares; switching off gives back the plain picture pixel for pixel.
TEST(MoveMarks, SwitchingOffRestoresThePlainPicture)
{
    for (const auto& c : MarkCases) {
        TChessBoard board { nullptr, TChessBoard::Mode::Designer };
        Follow(board, c.steps);
        const QImage plain = board.Canvas();
        board.set_MarkMoves(true);
        EXPECT_EQ(ChangedSquares(board, plain, board.Canvas()), c.marked) << c.steps;
        board.set_MarkMoves(false);
        EXPECT_EQ(board.Canvas(), plain) << c.steps;
    }
}

// The last move is washed yellow-green, the king in check glows red (read in a corner, off the pieces).
TEST(MoveMarks, EachMarkHasItsColour)
{
    TChessBoard board { nullptr, TChessBoard::Mode::Designer };
    board.set_MarkMoves(true);
    Follow(board, FoolsMateForWhite);
    const auto corner = [&](const std::string& sq) {
        const int left = board.SizeOfBorder() + (sq[0] - 'a') * board.SizeOfSquare();
        const int top = board.SizeOfBorder() + ('8' - sq[1]) * board.SizeOfSquare();
        return QColor(Pixel(board, left + 2, top + 2));
    };
    const QColor moved = corner("d1"), checked = corner("e8");
    EXPECT_GT(moved.green(), moved.red());
    EXPECT_GT(moved.red(), moved.blue());
    EXPECT_GT(checked.red(), checked.green() + 40);
    EXPECT_FALSE(TChessBoard(nullptr, TChessBoard::Mode::Designer).MarkMoves());
}
