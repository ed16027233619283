// Times the game's PGN import through the board: writes a file of 10,000 random legal games (40 to
// 160 half-moves each), reads it back from disk, parses it, and puts every game on a board through
// its Move, as the window's import does, with the record, the position checks and the drawing into
// the board's picture. The target is 20,000 games a minute, and putting the games on the board may
// take at most 1.5 times as long as reading and parsing them (best of three rounds each).
// Run: QT_QPA_PLATFORM=offscreen build/pgn-import-bench [file]

#include "app/game_transfer.h"
#include "board/chessbrd.h"
#include "tools/random_game.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

constexpr int GameCount = 10000;
constexpr int Rounds = 3;

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pgn-import-bench.pgn");
    std::size_t plies = 0;
    {
        const std::string text = notation::RandomGameFile(GameCount, plies);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), static_cast<qint64>(text.size())) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s: %d games, %zu half-moves, %zu bytes\n", qPrintable(path), GameCount, plies, text.size());
    }

    // Best of three rounds for each part; the board's part is set against the parse it follows.
    TChessBoard board;
    double bestReading = 0, bestOnBoard = 0, bestTotal = 0;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = in.readAll();
        const std::vector<notation::Game> games
            = notation::ReadPgn(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        const auto parsed = std::chrono::steady_clock::now();
        std::size_t onBoard = 0;
        for (const notation::Game& game : games)
            onBoard += ReplayOnBoard(board, game).Imported.Moves.size();
        const auto end = std::chrono::steady_clock::now();

        if (games.size() != GameCount || onBoard != plies) {
            std::fprintf(stderr, "put %zu games with %zu half-moves on the board\n", games.size(), onBoard);
            return 1;
        }
        const std::chrono::duration<double> reading = parsed - start;
        const std::chrono::duration<double> placing = end - parsed;
        const std::chrono::duration<double> total = end - start;
        const auto better = [round](double& best, double now) { best = round == 0 ? now : std::min(best, now); };
        better(bestReading, reading.count());
        better(bestOnBoard, placing.count());
        better(bestTotal, total.count());
        std::printf("read and parse: %.2f s; on the board: %.2f s\n", reading.count(), placing.count());
    }
    std::printf("import through the board: %.2f s, %.0f games a minute (target: 20000)\n", bestTotal,
        GameCount / bestTotal * 60);
    std::printf("import onto the board: %.2fx the parse time (target: at most 1.5x)\n", bestOnBoard / bestReading);
    return 0;
}
