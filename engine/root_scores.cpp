// Which root moves score near the best one: a second pass over the root after a completed search,
// one null-window search per move, so that nothing but the answer "at least this much?" is paid for.

#include "engine/engine.h"

#include <algorithm>

namespace engine {

int Engine::RootMovesScoringAtLeast(int threshold, int depth, std::span<EngineMove> out)
{
    assert(Pos.Ply == 0 && HasBestMove());
    if (out.empty())
        return 0;
    int count = 0;
    const EngineMove best = BestMove();
    out[count++] = best;
    // The search extends a root in check by a ply; so does this pass, to score as it did.
    const int childDepth = std::max(depth - 1 + (KingInCheck(Pos.SideToMove) ? 1 : 0), 0);
    if (!GenerateMoves())
        return count;
    // The searches below keep their moves above this ply's part of the move list.
    const int first = PlyStart[0];
    const int last = PlyEnd[0];
    OnPvPath = false;
    for (int i = first; i < last && count < static_cast<int>(out.size()); ++i) {
        const EngineMove m = MoveStack[i].Move;
        if (m == best || !IsSearchedRootMove(m))
            continue;
        if (!MakeMove(m))
            continue;
        const bool drawn = std::find(Options.DrawnRootMoves.begin(), Options.DrawnRootMoves.end(), m)
            != Options.DrawnRootMoves.end();
        // Fail-hard: the child's answer reaches -threshold + 1 exactly when the move scores below.
        const int score = drawn ? DrawScore : -SearchNode(-threshold, -threshold + 1, childDepth);
        if (StopIsRequested())
            return 0;
        UnmakeMove();
        if (score >= threshold)
            out[count++] = m;
    }
    return count;
}

} // namespace engine
