// Times the board's drawing into its backing image: a full Paint, and the partial redraw a move
// makes (two ClearSquare and one DrawPiece), in CPU time of the drawing thread; and a board filling
// its room, with vector pieces, at one step of a window's resize.
//
//   build/view-bench                   at the screen's pixel ratio 1
//   build/view-bench --pixel-ratio 2   as on a screen at 200 % (QT_SCALE_FACTOR)

#include "board/chessbrd.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

namespace {

// CPU time of this thread in microseconds: other work on a busy machine does not count.
double ThreadMicros()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

// Microseconds of CPU per call, the best of five runs.
double Time(int rounds, const std::function<void()>& work)
{
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const double start = ThreadMicros();
        for (int i = 0; i < rounds; ++i)
            work();
        best = std::min(best, (ThreadMicros() - start) / rounds);
    }
    return best;
}

QImage Texture(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 13 + seed) % 256, (y * 7 + seed) % 256, (x * y + seed) % 256));
    return image;
}

void Report(const char* what, double micros) { std::printf("%-44s %8.1f us\n", what, micros); }

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--pixel-ratio") == 0)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    std::printf("pixel ratio %.2f\n", board.devicePixelRatioF());

    const auto moveRedraw = [&board] {
        // What Move draws for e2-e4, then the same back.
        board.ClearSquare(Square::E2);
        board.ClearSquare(Square::E4);
        board.DrawPiece(Square::E4, 'P');
        board.ClearSquare(Square::E4);
        board.ClearSquare(Square::E2);
        board.DrawPiece(Square::E2, 'P');
    };
    const auto cases = [&](const char* title) {
        std::printf("%s\n", title);
        Report("  full Paint", Time(2000, [&] { board.Paint(); }));
        Report("  move redraw (2 x ClearSquare + DrawPiece)", Time(20000, moveRedraw) / 2);
    };

    cases("default board (368 x 368, Size40, start position)");
    board.set_BoardLines(true);
    cases("with board lines");
    board.set_SquareDark(Texture(16, 16, 1));
    board.set_SquareLight(Texture(16, 16, 99));
    board.set_BorderBitmap(Texture(24, 24, 50));
    cases("with board lines and 16 x 16 textures");
    board.set_SquareDark(QImage());
    board.set_SquareLight(QImage());
    board.set_BorderBitmap(QImage());
    board.set_BoardLines(false);
    board.set_StandardSize(StandardSet::Size80);
    board.set_SizeOfSquare(80);
    cases("Size80 on 80-pixel squares (688 x 688)");
    board.set_StandardSize(StandardSet::Size40);
    board.set_SizeOfSquare(40);

    board.set_VectorPieces(PieceDesign::Staunton);
    board.set_SizeOfSquare(100);
    cases("vector Staunton pieces on 100-pixel squares (848 x 848)");
    // A resize step that changes the squares' size: the new size, its vector pieces and one full redraw.
    bool larger = false;
    Report("  resize step (848 <-> 857 pixels, 100 <-> 101)", Time(200, [&] {
        larger = !larger;
        board.set_Room(QSize(larger ? 857 : 848, 900));
    }));
    Report("  resize step within the same squares", Time(20000, [&] { board.set_Room(QSize(850, 900)); }));
    board.set_Room(std::nullopt);
    board.set_VectorPieces(std::nullopt);

    std::printf("model and view together\n");
    Report("  Move e2e4 + MoveBackward", Time(5000, [&] {
        board.Move(Square::E2, Square::E4);
        board.MoveBackward();
    }));
    board.show();
    QApplication::processEvents();
    Report("  paint event of the whole control (copy)", Time(500, [&] { board.repaint(); }));
    return 0;
}
