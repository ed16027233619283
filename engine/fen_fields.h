#pragma once

// The fields of Forsyth-Edwards notation (FEN): reading each field and checking its form, not whether
// the position can stand on a board (notation/fen_position.cpp checks that, on top of this, and
// writes FEN). The UCI engine, the bench and the tests load positions with it. The game itself hands
// the engine its board's fields directly and never goes through FEN.

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

class Engine;

// A root position in the form that Engine::LoadPosition takes, with the two move counters of FEN.
struct RootPosition {
    char Squares[64]; // piece letters or blanks, a8 first, h1 last
    bool WhiteToMove;
    std::uint8_t CastlingBits; // bit 0 White king side, 1 White queen side, 2 Black king side, 3 Black queen side
    int EnPassantSquare; // board Square value: 0 none, 1 = a8 ... 64 = h1
    int HalfmoveClock = 0; // half-moves since the last capture or pawn move
    int FullmoveNumber = 1; // starts at 1, grows after each Black move

    bool operator==(const RootPosition&) const = default;
};

inline constexpr std::string_view StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Parses placement, side to move, castling and en passant square and the two move counters, which
// may both be left out (they then keep 0 and 1), but not one alone. Only the form of each field is
// checked (a run of empty squares is one digit, the en passant square lies on the rank that the side
// to move implies), not whether the position could arise in a game. On failure returns false and
// says why in `error`.
bool ReadFenFields(std::string_view fen, RootPosition& position, std::string& error);

void LoadRootPosition(Engine& engine, const RootPosition& position);
// The engine's current position in the same form; the engine keeps no move counters, so they
// read 0 and 1.
RootPosition ExportRootPosition(const Engine& engine);

// ReadFenFields followed by LoadRootPosition; the engine is untouched when the text is refused.
bool LoadFenFields(Engine& engine, std::string_view fen, std::string& error);

} // namespace engine
