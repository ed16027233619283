#pragma once

// Moves as text in the coordinate notation of the UCI protocol: from square, to square and, for a
// promotion, the new piece in lower case ("e2e4", "e7e8q", castling as the king's move "e1g1").

#include "engine/engine_types.h"

#include <string>
#include <string_view>

namespace engine {

class Engine;

std::string SquareName(int square);
std::string MoveToUci(EngineMove m);

// The legal move of the engine's current position that the UCI text names; NoMove, with `error`
// saying why, when the text is malformed or names no legal move. The position is unchanged.
EngineMove FindLegalUciMove(Engine& engine, std::string_view text, std::string& error);

// Plays a move given as UCI text in the engine's current position and makes the result the new
// root (Ply 0), so that any number of moves can follow. The move must be one that the engine
// generates and that does not leave the mover's king attacked. On failure nothing changes and
// `error` says why.
bool PlayUciMove(Engine& engine, std::string_view text, std::string& error);

} // namespace engine
