#pragma once

// The fields of Forsyth-Edwards notation (FEN): reading each field and checking its form, not whether
// the position can stand on a board (notation/fen_position.cpp checks that, on top of this, and
// writes FEN). The UCI engine, the bench and the tests load positions with it. The game itself hands
// its engine thread a RootPosition of the board and never goes through FEN.

#include "engine/root_position.h"

#include <string>
#include <string_view>

namespace engine {

inline constexpr std::string_view StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Parses placement, side to move, castling and en passant square and the two move counters, which
// may both be left out (they then keep 0 and 1), but not one alone. Only the form of each field is
// checked (a run of empty squares is one digit, the en passant square lies on the rank that the side
// to move implies), not whether the position could arise in a game. On failure returns false and
// says why in `error`.
bool ReadFenFields(std::string_view fen, RootPosition& position, std::string& error);

// ReadFenFields followed by LoadRootPosition; the engine is untouched when the text is refused.
bool LoadFenFields(Engine& engine, std::string_view fen, std::string& error);

} // namespace engine
