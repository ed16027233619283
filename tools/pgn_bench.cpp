// Times PGN import through the notation library: generates a file of 10,000 random legal games (40
// to 160 half-moves each, longer than most real games), then reads it from disk, parses it and
// replays every move, three times. The game's import must manage 20,000 games a minute; the library
// alone must do far better. Run: build/pgn-bench [file]

#include "game_notation.h"
#include "random_game.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr int GameCount = 10000;
constexpr int Rounds = 3;

std::string ReadWholeFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

int main(int argc, char* argv[])
{
    const char* path = argc > 1 ? argv[1] : "pgn-bench.pgn";
    std::size_t plies = 0;
    {
        const std::string text = notation::RandomGameFile(GameCount, plies);
        std::ofstream out(path, std::ios::binary);
        out << text;
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path);
            return 1;
        }
        std::printf("%s: %d games, %zu half-moves, %zu bytes\n", path, GameCount, plies, text.size());
    }
    double best = 0;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<notation::Game> games = notation::ReadPgn(ReadWholeFile(path));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::size_t readPlies = 0;
        for (const notation::Game& game : games)
            readPlies += game.Moves.size();
        if (games.size() != GameCount || readPlies != plies) {
            std::fprintf(stderr, "read %zu games with %zu half-moves back\n", games.size(), readPlies);
            return 1;
        }
        const double perMinute = GameCount / took.count() * 60;
        best = std::max(best, perMinute);
        std::printf("import (read, parse, replay): %.2f s, %.0f games a minute\n", took.count(), perMinute);
    }
    std::printf("best: %.0f games a minute (target for the whole import: 20000)\n", best);
    return 0;
}
