#pragma once

// The fixed benchmark suite: varied positions (openings, middle games with tactics, castling and
// en passant, promotions, end games), each searched to BenchDepth. The tests pin every position's
// node count, move and score, so a change that alters the search's results cannot go unnoticed;
// the UCI engine's `bench` reports the speed.

#include "engine/engine_types.h"

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

// Eight rooks and sixteen pawns about to promote: after any root move the captures and promotions
// alone run for minutes, so a stop request must end the search inside the quiescence search. The
// stop-latency checks of the tests and of thread-bench search it.
inline constexpr const char* QuiescenceStormFen = "1r1r1r1r/PPPPPPPP/8/k7/7K/8/pppppppp/1R1R1R1R w - - 0 1";

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
