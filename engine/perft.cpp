// Perft by plain recursion over GenerateMoves / MakeMove / UnmakeMove: it exercises the code the
// search uses. The last ply is counted in bulk: its legal moves are counted by MoveIsLegal without
// being made, which gives the same count several times faster.

#include "engine/perft.h"

#include "engine/engine.h"

namespace engine {

namespace {

    // One count: the stop request it obeys and whether it is still whole.
    struct Counting {
        const std::atomic<bool>* Stop;
        bool Complete = true;

        // A stopped count unwinds through the take-backs like a finished one, so the position
        // comes back whole either way.
        bool MustEnd()
        {
            if (Stop != nullptr && Stop->load(std::memory_order_relaxed))
                Complete = false;
            return !Complete;
        }
    };

    // Counts leaves; marks the count incomplete when a ply's moves did not fit into the move list.
    std::uint64_t CountLeaves(Engine& engine, int depth, Counting& counting)
    {
        if (depth == 0)
            return 1;
        if (counting.MustEnd())
            return 0;
        if (!engine.GenerateMoves()) {
            counting.Complete = false;
            return 0;
        }
        std::uint64_t nodes = 0;
        if (depth == 1) {
            for (const MoveEntry& entry : engine.MovesOfCurrentPly())
                nodes += engine.MoveIsLegal(entry.Move) ? 1 : 0;
            return nodes;
        }
        for (const MoveEntry& entry : engine.MovesOfCurrentPly()) {
            if (!engine.MakeMove(entry.Move))
                continue;
            nodes += CountLeaves(engine, depth - 1, counting);
            engine.UnmakeMove();
        }
        return nodes;
    }

    bool DepthFits(const Engine& engine, int depth)
    {
        return depth >= 0 && depth <= MaxPerftDepth && engine.Position().Ply + depth < MaxPly;
    }

} // namespace

std::optional<std::uint64_t> Perft(Engine& engine, int depth, const std::atomic<bool>* stop)
{
    if (!DepthFits(engine, depth))
        return std::nullopt;
    Counting counting { stop };
    const std::uint64_t nodes = CountLeaves(engine, depth, counting);
    if (!counting.Complete)
        return std::nullopt;
    return nodes;
}

std::optional<std::vector<PerftDivideEntry>> PerftDivide(Engine& engine, int depth, const std::atomic<bool>* stop)
{
    if (depth < 1 || !DepthFits(engine, depth) || !engine.GenerateMoves())
        return std::nullopt;
    std::vector<PerftDivideEntry> entries;
    Counting counting { stop };
    // The root's entries stay put while deeper plies use the list beyond them.
    for (const MoveEntry& entry : engine.MovesOfCurrentPly()) {
        if (!engine.MakeMove(entry.Move))
            continue;
        entries.push_back({ entry.Move, CountLeaves(engine, depth - 1, counting) });
        engine.UnmakeMove();
        if (!counting.Complete)
            return std::nullopt;
    }
    return entries;
}

} // namespace engine
