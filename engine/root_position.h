#pragma once

// A position as the search starts from it, in the form the board and FEN give it: the engine's users
// hand it over, the engine loads it as its root and gives its own position back in the same form.

#include <cstdint>

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

void LoadRootPosition(Engine& engine, const RootPosition& position);
// The engine's current position in the same form; the engine keeps no move counters, so they
// read 0 and 1.
RootPosition ExportRootPosition(const Engine& engine);

} // namespace engine
