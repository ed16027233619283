#pragma once

// SAN on a MoveRules, for the PGN reader and writer, which play whole games on one.

#include "notation/move_rules.h"

#include <string>
#include <string_view>

namespace notation {

// The SAN of a legal move of the rules' position, then the move made on them. Throws NotationError
// for a move that is not legal there.
std::string PlaySan(MoveRules& rules, Move move);
// The legal move of the rules' position that the SAN text names; throws NotationError otherwise.
Move ParseSan(const MoveRules& rules, std::string_view san);

} // namespace notation
