// The lines after the best one: each further line searches the root again, to the same depth and
// with the full window, passing over the moves already reported, so its score is exact.

#include "engine/engine.h"

#include <algorithm>

namespace engine {

int Engine::LegalRootMoveCount()
{
    if (!GenerateMoves())
        return 0;
    int count = 0;
    for (const MoveEntry& entry : MovesOfCurrentPly()) {
        if (IsSearchedRootMove(entry.Move) && MakeMove(entry.Move)) {
            UnmakeMove();
            ++count;
        }
    }
    return count;
}

void Engine::SearchFurtherLines(int depth, int lineCount)
{
    // The next iteration is ordered by the first line alone, as it would be without the others.
    std::copy(PvTable[0], PvTable[0] + MaxPly, FirstLineRow);
    ReportedRootMoves[0] = CompletedPv[0];
    ReportedRootMoveCount = 1;
    for (int line = 2; line <= lineCount; ++line) {
        // The first line's moves are no guide to the line of another root move.
        OnPvPath = false;
        const int score = SearchNode(-Infinity, Infinity, depth);
        // Stopped (the position is then undefined), or every remaining move failed low at -Infinity.
        if (StopIsRequested() || PvLength[0] == 0)
            break;
        ReportedRootMoves[ReportedRootMoveCount++] = PvTable[0][0];
        if (IterationHook)
            IterationHook({ depth, score, Nodes, DeepestPly, PvTable[0], PvLength[0], line, lineCount });
    }
    ReportedRootMoveCount = 0;
    std::copy(FirstLineRow, FirstLineRow + MaxPly, PvTable[0]);
}

} // namespace engine
