// Times LegalMoveAvailable in positions where the side to move has no legal move, the case in which
// it must try every square pair. Run: build/board-bench

#include "board/chessbrd.h"
#include "tools/placement.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace {

struct Case {
    const char* name;
    const char* placement; // FEN rows
    bool whiteToMove;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);

    const Case cases[] = {
        { "stalemate, king and queen", "7k/8/6QK/8/8/8/8/8", false },
        { "mate, all pieces on", "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR", true },
        { "stalemate, blocked pawns", "k7/P7/K7/8/p1p1p1p1/P1P1P1P1/8/8", false },
    };
    const int rounds = 20000;
    for (const Case& c : cases) {
        MoveInfo info;
        FillPlacement(info, c.placement);
        info.Castling = CastlingSet();
        if (!board.SetUpPosition(info, 1, c.whiteToMove)) {
            std::fprintf(stderr, "set-up refused: %s\n", c.name);
            return 1;
        }
        bool any = false;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i)
            any |= board.LegalMoveAvailable();
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        std::printf("%-28s legal move: %-3s %8.2f us per call\n", c.name, any ? "yes" : "no", took.count() / rounds);
    }
    return 0;
}
