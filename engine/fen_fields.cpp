// Reading the fields of FEN. Every field is checked before anything is written, so a refused text
// leaves the caller's position alone.

#include "engine/fen_fields.h"

#include "engine/coordinate_text.h"
#include "engine/engine.h"
#include "engine/words_and_numbers.h"

#include <limits>
#include <vector>

namespace engine {

namespace {

    constexpr std::string_view PieceLetters = "PNBRQKpnbrqk";

    bool ParsePlacement(std::string_view field, char* squares, std::string& error)
    {
        int rank = 0;
        int file = 0;
        char previous = 0;
        for (const char c : field) {
            if (c == '/') {
                if (file != 8) {
                    error = "rank " + std::to_string(8 - rank) + " does not have 8 squares";
                    return false;
                }
                if (++rank > 7) {
                    error = "more than 8 ranks";
                    return false;
                }
                file = 0;
            } else if (c >= '1' && c <= '8') {
                // "44" would sum to 8 squares, but a run of empty squares is always one digit.
                if (previous >= '1' && previous <= '8') {
                    error = std::string("the piece placement has two digits in a row (\"") + previous + c
                        + "\") on rank " + std::to_string(8 - rank);
                    return false;
                }
                const int run = c - '0';
                if (file + run > 8) {
                    error = "rank " + std::to_string(8 - rank) + " has more than 8 squares";
                    return false;
                }
                for (int n = 0; n < run; ++n)
                    squares[8 * rank + file++] = ' ';
            } else if (PieceLetters.find(c) != std::string_view::npos) {
                if (file >= 8) {
                    error = "rank " + std::to_string(8 - rank) + " has more than 8 squares";
                    return false;
                }
                squares[8 * rank + file++] = c;
            } else {
                error = std::string("unexpected character '") + c + "' in the piece placement";
                return false;
            }
            previous = c;
        }
        if (rank != 7 || file != 8) {
            error = "the piece placement must describe 8 ranks of 8 squares";
            return false;
        }
        return true;
    }

} // namespace

bool ReadFenFields(std::string_view fen, RootPosition& position, std::string& error)
{
    const std::vector<std::string_view> fields = SplitWords(fen, BlanksAndTabs);
    if (fields.size() < 4 || fields.size() > 6) {
        error = "a FEN has 4 to 6 fields, this one has " + std::to_string(fields.size());
        return false;
    }
    if (fields.size() == 5) {
        error = "the fullmove number (the sixth field) is missing: give both move counters or neither";
        return false;
    }
    RootPosition parsed {};
    if (!ParsePlacement(fields[0], parsed.Squares, error))
        return false;

    if (fields[1] != "w" && fields[1] != "b") {
        error = "side to move must be 'w' or 'b'";
        return false;
    }
    parsed.WhiteToMove = fields[1] == "w";

    if (fields[2] != "-") {
        constexpr std::string_view rightLetters = "KQkq";
        for (const char c : fields[2]) {
            const std::size_t bit = rightLetters.find(c);
            if (bit == std::string_view::npos || (parsed.CastlingBits & (1u << bit))) {
                error = "castling rights must be '-' or distinct letters of KQkq";
                return false;
            }
            parsed.CastlingBits |= static_cast<std::uint8_t>(1u << bit);
        }
    }

    const std::string_view ep = fields[3];
    if (ep != "-") {
        const int square = ep.size() == 2 ? SquareNamed(ep[0], ep[1]) : NoSquare;
        if (square == NoSquare) {
            error = "en passant square must be '-' or a square such as e3";
            return false;
        }
        // The square a pawn of the side that moved last has just passed.
        const char skippedRank = parsed.WhiteToMove ? '6' : '3';
        if (ep[1] != skippedRank) {
            error = "en passant square " + std::string(ep) + " is on the wrong rank: after a "
                + (parsed.WhiteToMove ? "Black" : "White") + " move it must be on rank " + skippedRank;
            return false;
        }
        parsed.EnPassantSquare = BoardSquareNumber(square);
    }

    int* const counters[] = { &parsed.HalfmoveClock, &parsed.FullmoveNumber };
    for (std::size_t i = 4; i < fields.size(); ++i) {
        const std::optional<int> value = NumberWithin(fields[i], 0, std::numeric_limits<int>::max());
        if (!value) {
            error = "move counters must be non-negative numbers";
            return false;
        }
        *counters[i - 4] = *value;
    }

    position = parsed;
    return true;
}

bool LoadFenFields(Engine& engine, std::string_view fen, std::string& error)
{
    RootPosition position;
    if (!ReadFenFields(fen, position, error))
        return false;
    LoadRootPosition(engine, position);
    return true;
}

} // namespace engine
