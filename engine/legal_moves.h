#pragma once

// The legal moves of the engine's current position, for callers outside the search: generate, make
// each move, take it back. The search keeps its own loops.

#include "engine/engine.h"

namespace engine {

// Calls visit(move) for each legal move of the current position, in generation order. The move is
// made during the call, so `visit` sees the position after it (ExportRootPosition, KingInCheck);
// it must leave the engine as it found it, and the move is taken back after the call. False, and
// nothing visited, when the move list is full. Allocates nothing.
template <class Visit> bool ForEachLegalMove(Engine& engine, Visit&& visit)
{
    if (!engine.GenerateMoves())
        return false;
    for (const MoveEntry& entry : engine.MovesOfCurrentPly()) {
        if (!engine.MakeMove(entry.Move))
            continue;
        visit(entry.Move);
        engine.UnmakeMove();
    }
    return true;
}

} // namespace engine
