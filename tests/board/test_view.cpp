// The board's view, read from the pixels of its backing image: geometry and
// size rules, the frame with coordinates and outlines, squares, lines and textures, the pieces and
// their masks, and which squares a move repaints.

#include "tests/board/view_test_support.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace {

struct ViewBoard : testing::Test {
    TChessBoard board { nullptr, TChessBoard::Mode::Designer };
};

bool OnOutline(int x, int y, int side = 368, int border = 24)
{
    if (x == 0 || y == 0 || x == side - 1 || y == side - 1)
        return true;
    const int lo = border - 1, hi = side - border;
    const bool inX = x >= lo && x <= hi, inY = y >= lo && y <= hi;
    return ((x == lo || x == hi) && inY) || ((y == lo || y == hi) && inX);
}

bool InFrame(int x, int y, int side = 368, int border = 24)
{
    return x < border || y < border || x >= side - border || y >= side - border;
}

// A texture whose every pixel tells where it is: red 16 x column, green 16 x row.
QImage PositionTexture(int blue)
{
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgb(16 * x, 16 * y, blue));
    return image;
}

QRgb TexturePixel(int x, int y, int blue) { return qRgb(16 * (x % 16), 16 * (y % 16), blue) & 0xffffffu; }

// Where each coordinate belongs: one box per label, from its top-left point as wide as the
// text and as high as the font.
struct Label {
    QString text;
    QRect box;
};

std::vector<Label> ExpectedLabels(const TChessBoard& board, DisplayCoords edge)
{
    QFont font = board.CoordFont();
    font.setPixelSize(board.CoordFont().HeightInPixels());
    const QFontMetrics metrics(font);
    const int s = board.CoordFont().SizeInPoints();
    const int B = board.SizeOfBorder(), S = board.SizeOfSquare(), W = board.Width(), H = board.Height();
    const int a = (B - s) / 2 + 1, b = (S - s) / 2, q = metrics.height() / 4;
    const QString letters = board.WhiteOnTop() ? "HGFEDCBA" : "ABCDEFGH";
    std::vector<Label> labels;
    for (int k = 0; k < 8; ++k) {
        const QString rank = QString::number(board.WhiteOnTop() ? k + 1 : 8 - k);
        const QString file = letters.mid(k, 1);
        const int y = B + k * S + b, x = B + k * S + b;
        const auto add = [&](const QString& t, int left, int top) {
            labels.push_back({ t, QRect(left, top, metrics.horizontalAdvance(t), metrics.height()) });
        };
        switch (edge) {
        case DisplayCoords::West: add(rank, a, y); break;
        case DisplayCoords::East: add(rank, W - B + a, y); break;
        case DisplayCoords::North: add(file, x, a - q); break;
        case DisplayCoords::South: add(file, x, H - B + a - q); break;
        }
    }
    return labels;
}

// Frame pixels that are neither frame colour nor outline: the coordinates' text.
std::vector<QPoint> TextPixels(const TChessBoard& board)
{
    std::vector<QPoint> points;
    for (int y = 0; y < board.Height(); ++y)
        for (int x = 0; x < board.Width(); ++x)
            if (InFrame(x, y) && !OnOutline(x, y) && Pixel(board, x, y) != Olive)
                points.emplace_back(x, y);
    return points;
}

} // namespace

// ---- Geometry and appearance ----

TEST_F(ViewBoard, NewBoardIs368PixelsWithA8From24To63)
{
    board.set_PosStr(EmptyBoard);
    EXPECT_EQ(QSize(board.Width(), board.Height()), QSize(368, 368));
    EXPECT_EQ(board.Canvas().size(), QSize(368, 368));
    EXPECT_EQ(board.SizeOfSquare(), 40);
    EXPECT_EQ(board.SizeOfBorder(), 24);
    for (int y = 23; y <= 64; ++y)
        for (int x = 23; x <= 64 - (y == 64); ++x) { // up to b8 and a7
            const bool a8 = x >= 24 && x <= 63 && y >= 24 && y <= 63;
            const bool outline = x == 23 || y == 23;
            ASSERT_EQ(Pixel(board, x, y), a8 ? Silver : outline ? BlackPixel : Grey) << x << "," << y;
        }
    EXPECT_EQ(Pixel(board, 343, 343), Silver); // h1
}

TEST_F(ViewBoard, CoordinateFontIsWhiteArialOfSevenPointsNinePixelsHigh)
{
    const TFont& font = board.CoordFont();
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.SizeInPoints(), 7);
    EXPECT_EQ(font.HeightInPixels(), 9);
    EXPECT_EQ(font.Color(), clWhite);
    QFont drawn = font; // drawn with Arial's metric twin
    drawn.setPixelSize(font.HeightInPixels());
    EXPECT_EQ(QFontInfo(drawn).family(), "Liberation Sans");
}

TEST_F(ViewBoard, WindowToSquareAtTheEdgesAndPastTheSquares)
{
    struct Case {
        bool whiteOnTop;
        int x, y;
        Square expected;
    };
    const Case cases[] = { { false, 24, 24, Square::A8 }, { false, 63, 63, Square::A8 }, { false, 64, 24, Square::B8 },
        { false, 24, 343, Square::A1 }, { false, 343, 343, Square::H1 }, { false, 23, 24, Square::None },
        { false, 24, 23, Square::None }, { false, 344, 100, Square::None }, { false, 100, 344, Square::None },
        { false, -5, 100, Square::None }, { false, 400, 100, Square::None }, { true, 24, 24, Square::H1 },
        { true, 64, 24, Square::G1 }, { true, 343, 343, Square::A8 }, { true, 344, 343, Square::None } };
    for (const Case& c : cases) {
        board.set_WhiteOnTop(c.whiteOnTop);
        EXPECT_EQ(board.WindowToSquare(c.x, c.y), c.expected) << c.x << "," << c.y << " top " << c.whiteOnTop;
    }
}

TEST_F(ViewBoard, PaintSnapsTheControlToTheMeanSide)
{
    board.set_Width(370);
    EXPECT_EQ(QSize(board.Width(), board.Height()), QSize(370, 368));
    board.Paint();
    EXPECT_EQ(QSize(board.Width(), board.Height()), QSize(368, 368));
    EXPECT_EQ(board.SizeOfSquare(), 40);

    board.set_Width(400); // side 384: squares of 42
    board.Paint();
    EXPECT_EQ(board.SizeOfSquare(), 42);
    EXPECT_EQ(board.Canvas().size(), QSize(384, 384));

    board.set_SizeOfSquare(50); // the setter sizes the control and repaints at once
    EXPECT_EQ(QSize(board.Width(), board.Height()), QSize(448, 448));
    EXPECT_EQ(Pixel(board, 73, 73), Pixel(board, 24, 24));
    EXPECT_NE(Pixel(board, 74, 24), Pixel(board, 24, 24));
}

TEST_F(ViewBoard, SizeOfBorderTenMovesEverySquareFourteenPixels)
{
    board.set_PosStr(EmptyBoard);
    board.set_SizeOfBorder(10);
    EXPECT_EQ(QSize(board.Width(), board.Height()), QSize(340, 340));
    // No drawing of its own: the toolkit's repaint after the size change draws the board.
    EXPECT_EQ(Pixel(board, 10, 10), WhitePixel);
    const QImage shown = board.grab().toImage();
    EXPECT_EQ(Pixel(board, 10, 10), Silver); // a8 now 10 ... 49
    EXPECT_EQ(Pixel(board, 49, 49), Silver);
    EXPECT_EQ(Pixel(board, 50, 10), Grey);
    EXPECT_EQ(Pixel(board, 9, 20), BlackPixel); // inner outline
    EXPECT_EQ(board.WindowToSquare(329, 329), Square::H1);
    EXPECT_EQ(shown.pixel(10, 10) & 0xffffffu, Silver);
}

TEST_F(ViewBoard, ResizeLimits)
{
    board.set_ResizeMaxSize(0); // not above the minimum
    EXPECT_EQ(board.ResizeMaxSize(), 1000);
    board.set_ResizeMinSize(2000); // above the maximum
    EXPECT_EQ(board.ResizeMinSize(), 1000);
    board.set_ResizeMinSize(0);

    board.set_ResizeMaxSize(300); // the width follows, the next paint snaps to the mean
    EXPECT_EQ(QSize(board.Width(), board.Height()), QSize(300, 368));
    board.Paint();
    EXPECT_EQ(board.Width(), 328);

    board.set_ResizeMaxSize(1000);
    board.set_ResizeMinSize(400);
    EXPECT_EQ(board.Width(), 400);
}

TEST_F(ViewBoard, AbsurdSizesNeverBreakTheBoard)
{
    // Squares of no size leave a board without squares, or no board at all; a huge size makes the
    // largest control, 2048 pixels with squares of (2048 - 48) / 8.
    struct Case {
        int value, square, width;
    };
    const Case cases[] = { { 0, 0, 48 }, { -10, -6, 0 }, { std::numeric_limits<int>::min(), -6, 0 },
        { std::numeric_limits<int>::max(), 250, 2048 }, { 40, 40, 368 } };
    for (const Case& c : cases) {
        board.set_SizeOfSquare(c.value);
        EXPECT_EQ(board.SizeOfSquare(), c.square) << c.value;
        EXPECT_EQ(board.Width(), c.width) << c.value;
        EXPECT_EQ(board.Canvas().size(), QSize(board.Width(), board.Height()));
        EXPECT_EQ(board.WindowToSquare(30, 30), c.square > 0 ? Square::A8 : Square::None);
        Play(board, "e2e4");
        ASSERT_TRUE(board.MoveBackward());
    }
    board.set_SizeOfBorder(std::numeric_limits<int>::min());
    board.Paint();
    EXPECT_EQ(board.Width(), 0);
    board.set_SizeOfBorder(24);
    board.set_SizeOfSquare(40);
    EXPECT_EQ(board.Width(), 368);
}

TEST_F(ViewBoard, SettersRepaintAtOnceAndKeepCopies)
{
    board.set_PosStr(EmptyBoard);
    board.set_SquareColorDark(RGBColor(200, 0, 0));
    board.set_SquareColorLight(RGBColor(0, 200, 0));
    board.set_BorderColor(RGBColor(0, 0, 200));
    EXPECT_EQ(Pixel(board, 64, 24), 0xc80000u);
    EXPECT_EQ(Pixel(board, 24, 24), 0x00c800u);
    EXPECT_EQ(Pixel(board, 3, 3), 0x0000c8u);

    QImage texture(16, 16, QImage::Format_RGB32);
    texture.fill(Qt::red);
    board.set_SquareDark(texture);
    EXPECT_NE(board.SquareDark().constBits(), texture.constBits());
    texture.fill(Qt::blue);
    EXPECT_EQ(board.SquareDark().pixel(0, 0), qRgb(255, 0, 0));

    TFont font(QFont("DejaVu Sans"), RGBColor(255, 0, 0));
    board.set_CoordFont(font);
    font.set_Color(RGBColor(0, 0, 255));
    EXPECT_EQ(board.CoordFont().Color(), RGBColor(255, 0, 0));
}

// ---- The frame ----

TEST_F(ViewBoard, WithoutCoordinatesTheFrameIsOnlyItsColourAndTheTwoOutlines)
{
    board.set_DisplayCoords(DisplayCoordsSet());
    for (int y = 0; y < 368; ++y)
        for (int x = 0; x < 368; ++x)
            if (InFrame(x, y)) {
                ASSERT_EQ(Pixel(board, x, y), OnOutline(x, y) ? BlackPixel : Olive) << x << "," << y;
            }
    // The outlines take LineStyle's colour; the board lines stay black.
    board.set_BoardLines(true);
    board.set_LineStyle(QPen(Qt::red));
    EXPECT_EQ(Pixel(board, 100, 0), 0xff0000u);
    EXPECT_EQ(Pixel(board, 23, 100), 0xff0000u);
    EXPECT_EQ(Pixel(board, 64, 100), BlackPixel);
}

TEST_F(ViewBoard, CoordinatesStandOnTheChosenEdgesOnlyAtTheirPlaces)
{
    const std::map<DisplayCoords, const char*> edges = { { DisplayCoords::West, "West" },
        { DisplayCoords::North, "North" }, { DisplayCoords::East, "East" }, { DisplayCoords::South, "South" } };
    for (const bool top : { false, true }) {
        board.set_WhiteOnTop(top);
        for (const auto& [edge, name] : edges) {
            board.set_DisplayCoords(DisplayCoordsSet { edge });
            const std::vector<Label> labels = ExpectedLabels(board, edge);
            std::vector<int> inside(labels.size(), 0);
            for (const QPoint p : TextPixels(board)) {
                bool placed = false;
                for (std::size_t i = 0; i < labels.size(); ++i)
                    if (labels[i].box.adjusted(-1, -1, 1, 1).contains(p)) {
                        ++inside[i];
                        placed = true;
                    }
                EXPECT_TRUE(placed) << name << ": text pixel outside every label at " << p.x() << "," << p.y();
            }
            for (std::size_t i = 0; i < labels.size(); ++i)
                EXPECT_GE(inside[i], 4) << name << ": label " << labels[i].text.toStdString() << " not drawn";
        }
    }
}

TEST_F(ViewBoard, WithWhiteOnTopRanksRunFromOneAndFilesFromH)
{
    // The label drawn first with WhiteOnTop is the one drawn last without.
    const auto crop = [](const TChessBoard& b, const QRect& box) { return b.Canvas().copy(box); };
    const std::vector<Label> westNormal = ExpectedLabels(board, DisplayCoords::West);
    const std::vector<Label> northNormal = ExpectedLabels(board, DisplayCoords::North);
    const QImage rank1 = crop(board, westNormal[7].box);
    const QImage fileH = crop(board, northNormal[7].box);
    EXPECT_EQ(westNormal[7].text, "1");
    EXPECT_EQ(northNormal[7].text, "H");
    board.set_WhiteOnTop(true);
    const std::vector<Label> westTop = ExpectedLabels(board, DisplayCoords::West);
    const std::vector<Label> northTop = ExpectedLabels(board, DisplayCoords::North);
    EXPECT_EQ(crop(board, westTop[0].box), rank1);
    EXPECT_EQ(crop(board, northTop[0].box), fileH);
    EXPECT_NE(crop(board, westTop[7].box), rank1);
}

// ---- Squares, lines and textures ----

TEST_F(ViewBoard, BoardLinesLieBetweenTheSquaresOnly)
{
    board.set_PosStr(EmptyBoard);
    const auto blackInSquares = [&] {
        int count = 0;
        for (int y = 24; y < 344; ++y)
            for (int x = 24; x < 344; ++x)
                count += Pixel(board, x, y) == BlackPixel;
        return count;
    };
    EXPECT_EQ(blackInSquares(), 0);
    board.set_BoardLines(true);
    for (int i = 1; i <= 7; ++i)
        for (int t = 24; t < 344; ++t) {
            EXPECT_EQ(Pixel(board, 24 + 40 * i, t), BlackPixel);
            EXPECT_EQ(Pixel(board, t, 24 + 40 * i), BlackPixel);
        }
    EXPECT_EQ(blackInSquares(), 2 * 7 * 320 - 49);
    EXPECT_EQ(Pixel(board, 63, 30), Silver); // a8's right column: the line belongs to b8
    board.set_BoardLines(false);
    EXPECT_EQ(blackInSquares(), 0);
}

TEST_F(ViewBoard, ASquareRepaintedAloneShowsWhatAFullRedrawShows)
{
    for (const bool lines : { false, true })
        for (const int width : { 1, 3 })
            for (const char* position : { StartPosition, EmptyBoard.c_str() }) {
                board.set_BoardLines(lines);
                board.set_LineStyle(QPen(Qt::black, width));
                board.set_PosStr(position);
                const QImage full = board.Canvas().copy();
                for (int i = 1; i <= 64; ++i) {
                    board.ClearSquare(SquareAt(i));
                    if (board.PieceAt(SquareAt(i)) != EmptySquare)
                        board.DrawPiece(SquareAt(i), board.PieceAt(SquareAt(i)));
                }
                EXPECT_EQ(board.Canvas(), full) << "lines " << lines << ", pen width " << width;
            }
}

TEST_F(ViewBoard, TexturesAreTiledFromTheControlsCornerAcrossSquaresAndFrame)
{
    board.set_PosStr(EmptyBoard);
    board.set_DisplayCoords(DisplayCoordsSet());
    board.set_SquareDark(PositionTexture(70));
    board.set_SquareLight(PositionTexture(170));
    board.set_BorderBitmap(PositionTexture(20));
    // b8, a dark square at screen column 1, row 0, shows the texture from its own place in the tiling.
    EXPECT_EQ(Pixel(board, 64, 24), TexturePixel(64, 24, 70));
    EXPECT_EQ(Pixel(board, 64, 24), qRgb(0, 128, 70) & 0xffffffu);
    for (int y = 0; y < 368; ++y) {
        for (int x = 0; x < 368; ++x) {
            QRgb expected;
            if (OnOutline(x, y))
                expected = BlackPixel;
            else if (InFrame(x, y))
                expected = TexturePixel(x, y, 20);
            else
                expected = TexturePixel(x, y, board.ColorOfSquare(board.WindowToSquare(x, y)) ? 170 : 70);
            ASSERT_EQ(Pixel(board, x, y), expected) << x << "," << y;
        }
    }
    const QImage full = board.Canvas().copy();
    board.ClearSquare(Square::B8);
    board.ClearSquare(Square::E4);
    EXPECT_EQ(board.Canvas(), full);
}

// ---- Partial redraws ----

TEST(ViewRedraw, UpdateChessBoardWithAnUnchangedBoardDrawsNothing)
{
    CountingBoard board;
    const QImage before = board.Canvas().copy();
    const std::string old = "_" + board.Position();
    board.Reset();
    board.UpdateChessBoard(old.c_str());
    EXPECT_EQ(board.clears + board.draws + board.paints, 0);
    EXPECT_EQ(board.Canvas(), before);
}

TEST(ViewRedraw, MovingThroughTheRecordRepaintsOnlyTheChangedSquares)
{
    CountingBoard board;
    Play(board, "e2e4 e7e5 g1f3");
    board.Reset();
    const QImage before = board.Canvas().copy();
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(board.paints, 0);
    EXPECT_EQ(board.clears, 6);
    EXPECT_EQ(board.draws, 3); // the pawns on e2 and e7, the knight on g1
    const QImage after = board.Canvas().copy();
    EXPECT_EQ(ChangedSquares(board, before, after), (std::set<std::string> { "e2", "e4", "e7", "e5", "f3", "g1" }));
    board.Paint();
    EXPECT_EQ(board.Canvas(), after);
}

struct MoveCase {
    const char* name;
    const char* fen;
    CastlingSet rights;
    Square enPassant;
    const char* move;
    std::set<std::string> squares;
};

class ViewMoves : public testing::TestWithParam<MoveCase> { };

TEST_P(ViewMoves, AMoveRepaintsOnlyItsSquares)
{
    const MoveCase& c = GetParam();
    CountingBoard board;
    board.set_BoardLines(true);
    Arrange(board, c.fen, true, c.rights, c.enPassant);
    const QImage before = board.Canvas().copy();
    board.Reset();
    Play(board, c.move);
    EXPECT_EQ(board.paints, 0);
    const QImage after = board.Canvas().copy();
    EXPECT_EQ(ChangedSquares(board, before, after), c.squares);
    board.Paint();
    EXPECT_EQ(board.Canvas(), after) << "the partial redraw differs from a full one";
}

INSTANTIATE_TEST_SUITE_P(Moves, ViewMoves,
    testing::Values(MoveCase { "plain", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", AllCastlingRights, Square::None,
                        "e2e4", { "e2", "e4" } },
        MoveCase { "capture", "4k3/8/8/3p4/4P3/8/8/4K3", CastlingSet(), Square::None, "e4d5", { "e4", "d5" } },
        MoveCase { "castling", "r3k2r/8/8/8/8/8/8/R3K2R", AllCastlingRights, Square::None, "e1g1",
            { "e1", "f1", "g1", "h1" } },
        MoveCase { "long castling", "r3k2r/8/8/8/8/8/8/R3K2R", AllCastlingRights, Square::None, "e1c1",
            { "e1", "d1", "c1", "a1" } },
        MoveCase { "en passant", "4k3/8/8/3pP3/8/8/8/4K3", CastlingSet(), Square::D6, "e5d6", { "e5", "d6", "d5" } },
        MoveCase { "promotion", "4k3/P7/8/8/8/8/8/4K3", CastlingSet(), Square::None, "a7a8", { "a7", "a8" } }),
    [](const testing::TestParamInfo<MoveCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// ---- Piece images ----

TEST_F(ViewBoard, TwelveImagesInTheOrderWhitePNBRQKThenBlack)
{
    EXPECT_EQ(board.PieceImages().Count(), 12);
    EXPECT_EQ(board.PieceSize(), 40);
    EXPECT_EQ(board.PieceImages().Width(), 40);
    EXPECT_EQ(board.PieceImages().Height(), 40);
    const std::string letters = "PNBRQKpnbrqk";
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(board.PieceToInt(letters[static_cast<std::size_t>(i)]), i);
    EXPECT_EQ(board.PieceToInt(' '), -1);
    EXPECT_EQ(board.PieceToInt('x'), -1);

    board.set_CustomPieceSet(SolidSet(40));
    for (int i = 0; i < 12; ++i) {
        const QImage image = board.PieceImages().Image(i).toImage();
        EXPECT_EQ(image.size(), QSize(40, 40));
        EXPECT_EQ(image.pixel(20, 20), PieceColour(i % 6, i < 6 ? 0 : 2) | 0xff000000u) << i;
    }
}

TEST(ViewPieceSets, CustomSetsAreAcceptedOrIgnoredByShape)
{
    CountingBoard board;
    board.Reset();
    board.set_CustomPieceSet(SolidSet(50)); // 300 x 200
    EXPECT_EQ(board.PieceSize(), 50);
    EXPECT_EQ(board.paints, 1);

    const QImage before = board.Canvas().copy();
    QImage wrong(300, 201, QImage::Format_RGB32);
    wrong.fill(Qt::red);
    board.set_CustomPieceSet(wrong);
    EXPECT_EQ(board.PieceSize(), 50);
    EXPECT_EQ(board.CustomPieceSet().size(), QSize(300, 200));
    EXPECT_EQ(board.paints, 1);
    EXPECT_EQ(board.Canvas(), before);

    // 63 x 42: cells of 10, covering 60 x 40 of it.
    const QImage odd = SyntheticSet(
        10, [](int column, int row, int, int) { return row % 2 == 0 ? PieceColour(column, row) : qRgb(0, 0, 0); }, 3,
        2);
    ASSERT_EQ(odd.size(), QSize(63, 42));
    board.set_CustomPieceSet(odd);
    EXPECT_EQ(board.PieceSize(), 10);
    EXPECT_EQ(board.PieceImages().Count(), 12);
    EXPECT_EQ(board.PieceImages().Image(11).toImage().pixel(9, 9), PieceColour(5, 2) | 0xff000000u);

    // Another custom set replaces it; none returns to the built-in set.
    board.set_CustomPieceSet(SolidSet(36));
    EXPECT_EQ(board.PieceSize(), 36);
    board.set_CustomPieceSet(QImage());
    EXPECT_TRUE(board.CustomPieceSet().isNull());
    EXPECT_EQ(board.PieceSize(), 40);
    board.set_StandardSize(StandardSet::Size64);
    board.set_CustomPieceSet(SolidSet(36));
    board.set_CustomPieceSet(QImage());
    EXPECT_EQ(board.PieceSize(), 64);
}

TEST(ViewPieceSets, StandardSizesLoadTheirBuiltInSets)
{
    CountingBoard board;
    const std::pair<StandardSet, int> sizes[] = { { StandardSet::Size32, 32 }, { StandardSet::Size40, 40 },
        { StandardSet::Size64, 64 }, { StandardSet::Size80, 80 } };
    for (const auto& [size, cell] : sizes) {
        board.Reset();
        board.set_StandardSize(size);
        EXPECT_EQ(board.paints, 1);
        EXPECT_EQ(board.PieceSize(), cell);
        EXPECT_EQ(board.BuiltInPieceSet().size(), QSize(6 * cell, 4 * cell));
        EXPECT_EQ(board.PieceImages().Count(), 12);
        EXPECT_EQ(board.PieceImages().Image(0).size(), QSize(cell, cell));
    }
    // A value outside the four loads nothing.
    board.set_StandardSize(static_cast<StandardSet>(9));
    EXPECT_EQ(board.BuiltInPieceSet().size(), QSize(480, 320));
    EXPECT_EQ(board.PieceSize(), 80);
}

TEST(ViewPieceSets, PiecesAreCentredOrOverlapByTheInsetRule)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_PosStr(Placement("8/8/8/3K4/8/8/8/8")); // d5: x and y 144 ... 183, a light square
    const QRgb king = PieceColour(5, 0) & 0xffffffu;

    board.set_CustomPieceSet(SolidSet(36)); // inset 2
    for (int t = 144; t < 184; ++t) {
        const bool covered = t >= 146 && t < 182;
        EXPECT_EQ(Pixel(board, t, 160), covered ? king : Silver) << t;
        EXPECT_EQ(Pixel(board, 160, t), covered ? king : Silver) << t;
    }

    board.set_CustomPieceSet(SolidSet(80)); // inset -20: over the neighbours
    for (int t = 120; t < 210; ++t) {
        const bool covered = t >= 124 && t < 204;
        EXPECT_EQ(Pixel(board, t, 160) == king, covered) << t;
        EXPECT_EQ(Pixel(board, 160, t) == king, covered) << t;
    }
}

TEST(ViewPieceSets, TheMaskLetsTheSquareShowThrough)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_PosStr(Placement("8/8/8/3K4/8/8/8/8"));
    // Masks: pure white (transparent) on the left half, grey on the top right, black below it.
    board.set_CustomPieceSet(SyntheticSet(40, [](int column, int row, int x, int y) {
        if (row % 2 == 0)
            return PieceColour(column, row);
        if (x < 20)
            return qRgb(255, 255, 255);
        return y < 20 ? qRgb(128, 128, 128) : qRgb(0, 0, 0);
    }));
    const QRgb king = PieceColour(5, 0) & 0xffffffu;
    EXPECT_EQ(Pixel(board, 150, 150), Silver);
    EXPECT_EQ(Pixel(board, 150, 175), Silver);
    EXPECT_EQ(Pixel(board, 170, 150), king);
    EXPECT_EQ(Pixel(board, 170, 175), king);
}

TEST(ViewPieceSets, DrawChessPieceDrawsOnAnyPainter)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_CustomPieceSet(SolidSet(40));
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    board.DrawChessPiece(painter, 10, 20, 'Q');
    board.DrawChessPiece(painter, 60, 20, 'q');
    for (const char other : { 'x', ' ', 'A', '\0' })
        board.DrawChessPiece(painter, 110, 20, other);
    painter.end();
    EXPECT_EQ(picture.pixel(10, 20), PieceColour(4, 0) | 0xff000000u);
    EXPECT_EQ(picture.pixel(49, 59), PieceColour(4, 0) | 0xff000000u);
    EXPECT_EQ(picture.pixel(9, 20), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(60, 20), PieceColour(4, 2) | 0xff000000u);
    for (int x = 100; x < 200; ++x)
        EXPECT_EQ(picture.pixel(x, 40), qRgb(255, 255, 255));
}

TEST(ViewPaint, ThePaintEventCopiesTheBackingImage)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_BoardLines(true);
    EXPECT_EQ(board.grab().toImage().convertToFormat(QImage::Format_RGB32), board.Canvas());
}
