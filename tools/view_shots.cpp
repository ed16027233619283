// view-shots: pictures of the board in many appearances, for looking at them.
//
//   build/view-shots DIR          writes DIR/<name>.png, the board's backing image for every case
//   build/view-shots --show NAME  shows that case in a window on the real display (for screenshots
//                                 under Xvfb: xvfb-run -s '-screen 0 1024x768x24' ..., import -window root)
//   build/view-shots --list       prints the case names
//
// The cases: each of the six piece sets on squares to fit, White at the bottom and on top, with board
// lines and with textures; each vector design at three sizes.

#include "app/piece_sets.h"
#include "board/chessbrd.h"
#include "tools/placement.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Textures drawn here: wood-like grain, so that seams between tiles and squares would show.
QImage Grain(int w, int h, QRgb base, double phase)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double t = std::sin((x * 0.9 + 3 * std::sin(y * 0.7 + phase)) * 0.8) * 0.5 + 0.5;
            const int d = static_cast<int>(t * 26);
            image.setPixel(
                x, y, qRgb(std::max(qRed(base) - d, 0), std::max(qGreen(base) - d, 0), std::max(qBlue(base) - d, 0)));
        }
    return image;
}

struct Case {
    std::string name;
    std::function<void(TChessBoard&)> setUp;
};

void Textures(TChessBoard& board)
{
    board.set_SquareLight(Grain(16, 16, qRgb(236, 214, 170), 0.0));
    board.set_SquareDark(Grain(16, 16, qRgb(176, 128, 84), 1.3));
    board.set_BorderBitmap(Grain(23, 17, qRgb(110, 70, 40), 2.1));
}

std::vector<Case> Cases()
{
    struct Set {
        const char* name;
        std::function<void(TChessBoard&)> choose;
        int square;
    };
    const std::vector<Set> sets = {
        { "size32", [](TChessBoard& b) { b.set_StandardSize(StandardSet::Size32); }, 36 },
        { "size40", [](TChessBoard& b) { b.set_StandardSize(StandardSet::Size40); }, 40 },
        { "size64", [](TChessBoard& b) { b.set_StandardSize(StandardSet::Size64); }, 64 },
        { "size80", [](TChessBoard& b) { b.set_StandardSize(StandardSet::Size80); }, 80 },
        { "zgw32", [](TChessBoard& b) { b.set_CustomPieceSet(LoadSetZgw32()); }, 36 },
        { "cm36", [](TChessBoard& b) { b.set_CustomPieceSet(LoadSetCm36()); }, 40 },
    };
    std::vector<Case> cases;
    for (const Set& set : sets) {
        const auto base = [set](TChessBoard& b) {
            set.choose(b);
            b.set_SizeOfSquare(set.square);
        };
        cases.push_back({ std::string(set.name) + "-plain", base });
        cases.push_back({ std::string(set.name) + "-top-lines", [base](TChessBoard& b) {
                             base(b);
                             b.set_WhiteOnTop(true);
                             b.set_BoardLines(true);
                         } });
        cases.push_back({ std::string(set.name) + "-texture-lines", [base](TChessBoard& b) {
                             base(b);
                             Textures(b);
                             b.set_BoardLines(true);
                         } });
    }
    // The vector designs at a small, a middle and a large square.
    const std::pair<const char*, PieceDesign> designs[] = { { "staunton", PieceDesign::Staunton },
        { "lines", PieceDesign::LinesAndArcs }, { "wood", PieceDesign::TurnedWood } };
    for (const auto& [name, design] : designs)
        for (int square : { 28, 48, 100 })
            cases.push_back({ "vector-" + std::string(name) + "-" + std::to_string(square), [=](TChessBoard& b) {
                                 b.set_VectorPieces(design);
                                 b.set_SizeOfSquare(square);
                             } });
    cases.push_back({ "size80-on-40", [](TChessBoard& b) { b.set_StandardSize(StandardSet::Size80); } });
    cases.push_back({ "border10-nocoords", [](TChessBoard& b) {
                         b.set_SizeOfBorder(10);
                         b.set_DisplayCoords(DisplayCoordsSet());
                     } });
    return cases;
}

// A middle game with every kind of piece of both colours on light and dark squares.
void Arrange(TChessBoard& board)
{
    MoveInfo info;
    FillPlacement(info, "r1bqk2r/pp3ppp/2nb1n2/2ppp3/2B1P3/2NP1N2/PPP2PPP/R1BQ1RK1");
    info.Castling = CastlingSet();
    board.SetUpPosition(info, 8, false);
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const bool show = args.size() == 2 && args[0] == "--show";
    if (!show)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::vector<Case> cases = Cases();
    if (args.size() == 1 && args[0] == "--list") {
        for (const Case& c : cases)
            std::printf("%s\n", c.name.c_str());
        return 0;
    }
    if (show) {
        for (const Case& c : cases) {
            if (QString::fromStdString(c.name) != args[1])
                continue;
            QWidget window;
            window.setWindowTitle(QString::fromStdString(c.name));
            auto* layout = new QVBoxLayout(&window);
            auto* board = new TChessBoard(&window, TChessBoard::Mode::Designer);
            layout->addWidget(board);
            Arrange(*board);
            c.setUp(*board);
            window.move(0, 0);
            window.show();
            return app.exec();
        }
        std::fprintf(stderr, "no case %s\n", qPrintable(args[1]));
        return 1;
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: view-shots DIR | --show NAME | --list\n");
        return 2;
    }
    QDir().mkpath(args[0]);
    for (const Case& c : cases) {
        TChessBoard board(nullptr, TChessBoard::Mode::Designer);
        Arrange(board);
        c.setUp(board);
        board.Paint();
        const QString path = args[0] + "/" + QString::fromStdString(c.name) + ".png";
        if (!board.Canvas().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
