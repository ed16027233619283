#pragma once

// The built-in engine's levels of play, named for players, and the variety that keeps two games from
// being the same: each level is a depth limit, a time per move and a choice among the near-best moves
// in the first moves of a game.

#include "engine/engine_types.h"
#include "engine/time_allotment.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace engine {

class Engine;

// For the game's first OpeningPlies half-moves the engine plays, at random, any root move that
// scores within MarginCp hundredths of a pawn of the best one; none when either is 0.
struct Variety {
    int MarginCp = 0;
    int OpeningPlies = 0;
    bool AppliesAt(int halfMoveOfGame) const { return MarginCp > 0 && halfMoveOfGame < OpeningPlies; }
};

// The variety a player may ask of any level: small enough that the engine gives nothing away.
inline constexpr Variety OptionalVariety { 15, 8 };
// Margins beyond this would let the engine give away a piece; a larger request is read as this.
inline constexpr int MaxVarietyMarginCp = 200;

struct Level {
    const char* Name;
    int Depth; // MinSearchDepth..MaxSearchDepth
    std::chrono::milliseconds MoveTime; // the most one move may take
    Variety Opening;

    // No new iteration starts after two fifths of the move time: the next would rarely finish.
    TimeBudget Time() const { return { MoveTime * 2 / 5, MoveTime }; }
};

// What one search may spend and how it chooses its move, when more is asked than the classic search
// to a depth: a depth of its own, a time, variety in the opening.
struct SearchBudget {
    int Depth = MaxSearchDepth; // kept within MinSearchDepth..MaxSearchDepth
    std::optional<TimeBudget> Time; // none: the depth alone ends the search
    Variety Opening;
    int HalfMoveOfGame = 0; // of the position searched, for Opening
    std::uint32_t Seed = 0; // draws the move among the near-best ones
};

// The levels from the weakest to the strongest.
std::span<const Level> Levels();
// The level of that name (as Levels() spells it, any case); none for an unknown name.
std::optional<Level> LevelNamed(std::string_view name);
// The level with the larger of its own variety and `variety` (the margin kept to MaxVarietyMarginCp).
Level WithVariety(Level level, Variety variety);

// The half-move of the game a position is at: 0 for White's first move, 1 for Black's.
int HalfMoveOfGame(int fullmoveNumber, bool whiteToMove);

// After a completed search of `engine` (its position still at the root): the move to play. With
// `variety` applying at `halfMoveOfGame`, a move drawn by `seed` from those scoring within the margin
// of the best at the search's depth; otherwise, and when the best score is a mate, the best move.
// A stop request during the choice leaves the best move (and the position undefined).
EngineMove ChooseMove(Engine& engine, const Variety& variety, int halfMoveOfGame, std::uint32_t seed);

} // namespace engine
