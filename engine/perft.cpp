// Perft by plain recursion over GenerateMoves / MakeMove / UnmakeMove: it exercises exactly the code
// the search uses.

#include "perft.h"

#include "engine.h"

namespace engine {

namespace {

    // Counts leaves; sets `complete` false when a ply's moves did not fit into the move list.
    std::uint64_t CountLeaves(Engine& engine, int depth, bool& complete)
    {
        if (depth == 0)
            return 1;
        if (!engine.GenerateMoves()) {
            complete = false;
            return 0;
        }
        std::uint64_t nodes = 0;
        for (const MoveEntry& entry : engine.MovesOfCurrentPly()) {
            if (!engine.MakeMove(entry.Move))
                continue;
            nodes += CountLeaves(engine, depth - 1, complete);
            engine.UnmakeMove();
        }
        return nodes;
    }

    bool DepthFits(const Engine& engine, int depth)
    {
        return depth >= 0 && depth <= MaxPerftDepth && engine.Position().Ply + depth < MaxPly;
    }

} // namespace

std::optional<std::uint64_t> Perft(Engine& engine, int depth)
{
    if (!DepthFits(engine, depth))
        return std::nullopt;
    bool complete = true;
    const std::uint64_t nodes = CountLeaves(engine, depth, complete);
    if (!complete)
        return std::nullopt;
    return nodes;
}

std::optional<std::vector<PerftDivideEntry>> PerftDivide(Engine& engine, int depth)
{
    if (depth < 1 || !DepthFits(engine, depth) || !engine.GenerateMoves())
        return std::nullopt;
    std::vector<PerftDivideEntry> entries;
    bool complete = true;
    // The root's entries stay put while deeper plies use the list beyond them.
    for (const MoveEntry& entry : engine.MovesOfCurrentPly()) {
        if (!engine.MakeMove(entry.Move))
            continue;
        entries.push_back({ entry.Move, CountLeaves(engine, depth - 1, complete) });
        engine.UnmakeMove();
    }
    if (!complete)
        return std::nullopt;
    return entries;
}

} // namespace engine
