// Times PGN import through the notation library: generates a file of 10,000 random legal games (40
// to 160 half-moves each, longer than most real games), then reads it from disk, parses it and
// replays every move, three times. The game's import must manage 20,000 games a minute; the library
// alone must do far better. With --single-token it reads a file that is one 4 MB token instead, as a
// damaged file can be, and checks that the refusal stays short. Both print the peak memory, which
// must stay a small multiple of the file's size. Where pgn-extract is installed it reads the same
// file too, and the library's best round must be at least as fast.
// Run: build/pgn-bench [--single-token] [file]

#include "notation/game_notation.h"
#include "tools/random_game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int GameCount = 10000;
constexpr int Rounds = 3;
constexpr std::size_t SingleTokenBytes = 4 << 20;
// A refusal longer than this quotes far more of the token than anyone can read.
constexpr std::size_t LongestRefusal = 200;

// Read in one piece, so that the bench itself holds no more than the file while the reader works.
std::string ReadWholeFile(const char* path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string content(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    return content;
}

bool WriteWholeFile(const char* path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        std::fprintf(stderr, "cannot write %s\n", path);
    return static_cast<bool>(out);
}

// The peak memory counts from here on, leaving out what writing the file took (Linux only; where
// the reset is refused, the peak is the whole run's).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

void PrintPeakMemory(std::size_t fileBytes)
{
    std::ifstream status("/proc/self/status");
    double peak = 0;
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            peak = std::stod(line.substr(6)) * 1024; // in KiB
    std::printf("peak memory while reading: %.1f MiB, %.1f times the file\n", peak / (1 << 20),
        peak / static_cast<double>(fileBytes));
}

// Moves glued together without a blank: one token, refused as no move, by both readers. The file
// is written piece by piece, so that only the reading holds the token in memory.
int ReadSingleToken(const char* path)
{
    {
        std::ofstream out(path, std::ios::binary);
        for (std::size_t written = 0; written < SingleTokenBytes; written += 3)
            out << "Nf3";
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path);
            return 1;
        }
    }
    ResetPeakMemory();
    const auto start = std::chrono::steady_clock::now();
    const std::string text = ReadWholeFile(path);
    std::printf("%s: one token of %zu bytes\n", path, text.size());
    const std::vector<notation::PgnGameRead> games = notation::ReadPgnGames(text);
    std::size_t strictRefusal = 0;
    try {
        notation::ReadPgn(text);
    } catch (const notation::NotationError& error) {
        strictRefusal = std::strlen(error.what());
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (games.size() != 1 || !games[0].Error || strictRefusal == 0) {
        std::fprintf(stderr, "the token was not refused as one damaged game\n");
        return 1;
    }
    const std::size_t refusal = std::strlen(games[0].Error->what());
    std::printf("refused in %.2f s: %s\n", took.count(), games[0].Error->what());
    PrintPeakMemory(text.size());
    if (refusal > LongestRefusal || strictRefusal > LongestRefusal) {
        std::fprintf(stderr, "refusals of %zu and %zu bytes\n", refusal, strictRefusal);
        return 1;
    }
    return 0;
}

// pgn-extract, when installed, reading the same file: "-s -o /dev/null" parses every game, checks
// each move against the rules and writes the games to nowhere. Best of Rounds, in seconds; 0 when
// it is missing or fails.
double PgnExtractSeconds(const char* path)
{
    const char* const places[] = { "/usr/bin/pgn-extract", "/usr/games/pgn-extract", "/usr/local/bin/pgn-extract" };
    const char* program = nullptr;
    for (const char* place : places)
        if (std::ifstream(place).good())
            program = place;
    if (!program)
        return 0;
    const std::string command = std::string(program) + " -s -o /dev/null '" + path + "' 2>/dev/null";
    double best = 0;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            return 0;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = round == 0 ? took.count() : std::min(best, took.count());
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool singleToken = argc > 1 && std::strcmp(argv[1], "--single-token") == 0;
    const int pathArgument = singleToken ? 2 : 1;
    const char* path = argc > pathArgument ? argv[pathArgument] : "pgn-bench.pgn";
    if (singleToken)
        return ReadSingleToken(path);

    std::size_t plies = 0;
    std::size_t fileBytes = 0;
    {
        const std::string text = notation::RandomGameFile(GameCount, plies);
        if (!WriteWholeFile(path, text))
            return 1;
        fileBytes = text.size();
        std::printf("%s: %d games, %zu half-moves, %zu bytes\n", path, GameCount, plies, text.size());
    }
    ResetPeakMemory();
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
    PrintPeakMemory(fileBytes);
    if (const double extract = PgnExtractSeconds(path); extract > 0)
        std::printf("PGN read: %.0f games a minute, pgn-extract %.0f (target: at least pgn-extract)\n", best,
            GameCount / extract * 60);
    else
        std::printf(
            "PGN read: %.0f games a minute; pgn-extract is not installed (target: at least pgn-extract)\n", best);
    return 0;
}
