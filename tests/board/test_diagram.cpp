// Diagrams painted apart from the board: what they take from it, how they turn, the mark of the side
// to move, the coordinates at small and large sizes, and SVG that shows what the image shows.

#include "tests/board/view_test_support.h"

#include "board/diagram.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace {

TDiagram DiagramOfPlacement(const std::string& squares)
{
    TDiagram diagram;
    std::copy_n(squares.begin(), 64, diagram.Squares.begin());
    return diagram;
}

// After 1. e4 e5, a8 first.
const std::string Opening = std::string("rnbqkbnr") + "pppp ppp" + "        " + "    p   " + "    P   " + "        "
    + "PPPP PPP" + "RNBQKBNR";

// The largest difference of a colour channel between the mean colours of the two images' blocks
// (a grid of grid x grid blocks): a piece missing or of the other colour moves one block's mean far.
int LargestBlockDifference(const QImage& a, const QImage& b, int grid)
{
    const QImage first = a.convertToFormat(QImage::Format_ARGB32);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    const int w = first.width() / grid, h = first.height() / grid;
    for (int by = 0; by < grid; ++by)
        for (int bx = 0; bx < grid; ++bx) {
            long sums[2][4] = {};
            for (int y = by * h; y < (by + 1) * h; ++y)
                for (int x = bx * w; x < (bx + 1) * w; ++x)
                    for (int k = 0; k < 2; ++k) {
                        const QRgb p = (k == 0 ? first : second).pixel(x, y);
                        const int channels[4] = { qRed(p), qGreen(p), qBlue(p), qAlpha(p) };
                        for (int c = 0; c < 4; ++c)
                            sums[k][c] += channels[c];
                    }
            for (int c = 0; c < 4; ++c)
                largest = std::max(largest, static_cast<int>(std::labs(sums[0][c] - sums[1][c]) / (w * h)));
        }
    return largest;
}

TEST(Diagram, TakesTheBoardsPositionTurnColoursAndPieceDesign)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_PosStr(Opening);
    board.set_WhiteToMove(false);
    board.set_WhiteOnTop(true);
    board.set_SquareColorDark(RGBColor(10, 20, 30));
    board.set_BorderColor(RGBColor(1, 2, 3));
    const TDiagram bitmaps = DiagramOf(board);
    EXPECT_EQ(std::string(bitmaps.Squares.begin(), bitmaps.Squares.end()), Opening);
    EXPECT_TRUE(bitmaps.WhiteOnTop);
    EXPECT_FALSE(bitmaps.WhiteToMove);
    EXPECT_EQ(bitmaps.DarkSquares, QColor(10, 20, 30));
    EXPECT_EQ(bitmaps.Frame, QColor(1, 2, 3));
    EXPECT_EQ(bitmaps.Design, PieceDesign::Staunton);
    EXPECT_TRUE(bitmaps.ShowCoordinates);
    EXPECT_FALSE(bitmaps.MarkSideToMove);
    board.set_VectorPieces(PieceDesign::TurnedWood);
    EXPECT_EQ(DiagramOf(board).Design, PieceDesign::TurnedWood);
    // The top-left square of a turned board is h1.
    EXPECT_EQ(ShownLetter(bitmaps, 0, 0), 'R');
    EXPECT_EQ(ShownLetter(bitmaps, 0, 3), 'K');
}

TEST(Diagram, ATurnedDiagramShowsThePositionUpsideDown)
{
    TDiagram upright = DiagramOfPlacement(Opening);
    upright.ShowCoordinates = false;
    TDiagram turned = upright;
    turned.WhiteOnTop = true;
    TDiagram reversed = upright;
    std::reverse(reversed.Squares.begin(), reversed.Squares.end());
    EXPECT_EQ(DiagramImage(turned, 300), DiagramImage(reversed, 300));
    EXPECT_NE(DiagramImage(turned, 300), DiagramImage(upright, 300));
    // With coordinates the turned board's labels run the other way.
    turned.ShowCoordinates = reversed.ShowCoordinates = true;
    EXPECT_NE(DiagramImage(turned, 300), DiagramImage(reversed, 300));
}

TEST(Diagram, TheMarkStandsBesideTheSideToMovesEdgeInItsColour)
{
    struct Case {
        bool whiteToMove;
        bool whiteOnTop;
        bool markAtBottom;
        QRgb colour;
    } cases[] = {
        { true, false, true, WhitePixel },
        { false, false, false, BlackPixel },
        { true, true, false, WhitePixel },
        { false, true, true, BlackPixel },
    };
    for (const Case& c : cases) {
        TDiagram diagram = DiagramOfPlacement(Opening);
        diagram.WhiteToMove = c.whiteToMove;
        diagram.WhiteOnTop = c.whiteOnTop;
        diagram.MarkSideToMove = true;
        const QImage image = DiagramImage(diagram, 460);
        ASSERT_EQ(image.size(), DiagramSize(diagram, 460));
        ASSERT_LT(image.height(), image.width()) << "the mark's column widens the diagram";
        // The frame is 9 squares high; the mark's column 0.6 squares wide, right of it.
        const int square = image.height() / 9;
        const int x = image.width() - square * 3 / 10;
        const int bottomRow = image.height() - square, topRow = square;
        const int mark = c.markAtBottom ? bottomRow : topRow, other = c.markAtBottom ? topRow : bottomRow;
        EXPECT_EQ(image.pixel(x, mark) & 0xffffffu, c.colour) << c.whiteToMove << c.whiteOnTop;
        EXPECT_EQ(qAlpha(image.pixel(x, other)), 0) << c.whiteToMove << c.whiteOnTop;
    }
    TDiagram plain = DiagramOfPlacement(Opening);
    EXPECT_EQ(DiagramSize(plain, 460), QSize(460, 460));
    EXPECT_TRUE(DiagramImage(plain, 0).isNull());
}

// The rank number of the top row in the left frame: as high as about a third of a square, in the
// coordinates' colour, at every size.
TEST(Diagram, CoordinatesScaleWithTheDiagram)
{
    for (const int width : { 200, 2000 }) {
        TDiagram diagram = DiagramOfPlacement(std::string(64, ' '));
        diagram.Coordinates = Qt::red;
        const QImage image = DiagramImage(diagram, width);
        const int square = width / 9;
        int top = image.height(), bottom = -1;
        for (int y = square / 2; y < square * 3 / 2; ++y)
            for (int x = 0; x < square / 2; ++x)
                if (const QRgb p = image.pixel(x, y); qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        const int height = bottom - top + 1;
        EXPECT_GE(height, square / 6) << width;
        EXPECT_LE(height, square / 2) << width;
    }
}

TEST(Diagram, TheSvgShowsWhatTheImageShows)
{
    // Without coordinates: their text is left to the fonts of the program that renders the SVG.
    TDiagram diagram = DiagramOfPlacement(Opening);
    diagram.MarkSideToMove = true;
    diagram.ShowCoordinates = false;
    const QByteArray svg = DiagramSvg(diagram, 400);
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), DiagramSize(diagram, 400));
    EXPECT_GT(svg.count("<path"), 32) << "the pieces are vector paths";

    const QImage image = DiagramImage(diagram, 400);
    QImage rendered(image.size(), QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    renderer.render(&painter);
    painter.end();
    EXPECT_LT(LargestBlockDifference(rendered, image, 24), 8);

    // The comparison sees a piece of the wrong colour or a missing one.
    TDiagram changed = diagram;
    changed.Squares[3] = 'Q';
    EXPECT_GT(LargestBlockDifference(rendered, DiagramImage(changed, 400), 24), 30);
    changed = diagram;
    changed.Squares[60] = ' ';
    EXPECT_GT(LargestBlockDifference(rendered, DiagramImage(changed, 400), 24), 30);
}

} // namespace
