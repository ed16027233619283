#pragma once

// The fixed benchmark suite: varied positions (openings, middle games with tactics, castling and
// en passant, promotions, end games), each searched to BenchDepth. The tests pin every position's
// node count, move and score, so a change that alters the search's results cannot go unnoticed;
// the command-line tool's `bench` reports the speed.

#include "engine_types.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace engine {

class Engine;

struct BenchPosition {
    const char* Name;
    const char* Fen;
};

inline constexpr int BenchDepth = 5;

extern const std::array<BenchPosition, 14> BenchPositions;

struct BenchOutcome {
    bool Completed; // false when `stop` ended the search, or when the FEN of the suite itself is refused
    EngineMove Move;
    int Score;
    std::uint64_t Nodes;
};

// Searches one suite position to BenchDepth with a fresh search (history cleared, tables prepared).
// `stop`, when given, ends the search early (read as the search reads its stop request).
BenchOutcome RunBenchPosition(Engine& engine, const BenchPosition& position, const std::atomic<bool>* stop = nullptr);

} // namespace engine
