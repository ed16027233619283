#pragma once

// Perft: the number of leaf nodes of the legal move tree to a fixed depth. Comparing it with
// published counts checks move generation, make and take-back against the rules of chess.

#include "engine/engine_types.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace engine {

class Engine;

// Deep enough for any published count; deeper trees would take days anyway.
inline constexpr int MaxPerftDepth = 12;

struct PerftDivideEntry {
    EngineMove Move;
    std::uint64_t Nodes;
};

// Leaf count below the engine's current position (depth 0 counts the position itself). Empty when
// the depth is out of 0..MaxPerftDepth, the move list ran out, or `stop` (read at every inner node,
// so that a deep count ends promptly) was set. The position is unchanged afterwards in every case.
std::optional<std::uint64_t> Perft(Engine& engine, int depth, const std::atomic<bool>* stop = nullptr);

// The same count split by the legal root moves, in generation order (depth at least 1).
std::optional<std::vector<PerftDivideEntry>> PerftDivide(
    Engine& engine, int depth, const std::atomic<bool>* stop = nullptr);

} // namespace engine
