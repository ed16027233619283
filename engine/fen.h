#pragma once

// Reading positions in Forsyth-Edwards notation, for the command-line tool and the tests. The game
// itself hands the engine its board's fields directly and never goes through FEN.

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

class Engine;

// A root position in the form that Engine::LoadPosition takes.
struct RootPosition {
    char Squares[64]; // piece letters or blanks, a8 first, h1 last
    bool WhiteToMove;
    std::uint8_t CastlingBits; // bit 0 White king side, 1 White queen side, 2 Black king side, 3 Black queen side
    int EnPassantSquare; // board Square value: 0 none, 1 = a8 ... 64 = h1

    bool operator==(const RootPosition&) const = default;
};

inline constexpr std::string_view StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Parses placement, side to move, castling and en passant square; the two move counters may be
// left out and are otherwise only checked for form. On failure returns false and says why in `error`.
bool ParseFen(std::string_view fen, RootPosition& position, std::string& error);

void LoadRootPosition(Engine& engine, const RootPosition& position);
// The engine's current position in the same form.
RootPosition ExportRootPosition(const Engine& engine);

// ParseFen followed by LoadRootPosition; the engine is untouched when the text is refused.
bool LoadFen(Engine& engine, std::string_view fen, std::string& error);

} // namespace engine
