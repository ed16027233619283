#pragma once

// Moves that a GUI sends as coordinate text ("e2e4", "e7e8q"; see engine/coordinate_text.h), read
// against the engine's current position and played there.

#include "engine/engine_types.h"

#include <string>
#include <string_view>

namespace engine {
class Engine;
}

namespace uci {

// The legal move of the engine's current position that the text names (the promotion letter in
// either case); NoMove, with `error` saying why, when the text is malformed or names no legal move.
// The position is unchanged.
engine::EngineMove FindLegalMove(engine::Engine& engine, std::string_view text, std::string& error);

// Plays a move given as text in the engine's current position and makes the result the new root
// (Ply 0), so that any number of moves can follow. On failure nothing changes and `error` says why.
bool PlayMove(engine::Engine& engine, std::string_view text, std::string& error);

} // namespace uci
