#pragma once

// The positions of the game that a GUI sends with `position ... moves`, kept so that the search
// can see which root moves would repeat one of them for the third time.

#include "engine/engine_types.h"
#include "engine/fen_fields.h"

#include <vector>

namespace engine {
class Engine;
}

namespace uci {

// The game from its starting position up to the current one (the last entry). Positions are kept
// in the form the repetition rule compares: an en passant square counts only when a pawn of the
// side to move stands ready to capture there.
class GameHistory {
public:
    void Start(const engine::RootPosition& position);
    void Add(const engine::RootPosition& position);

    // The legal moves of `engine`'s root (the current position, loaded) after which a position
    // stands on the board for the third time: the game is drawn with them.
    std::vector<engine::EngineMove> ThirdRepetitionMoves(engine::Engine& engine) const;

private:
    std::vector<engine::RootPosition> Positions;
};

} // namespace uci
