// The search: iterative deepening over a fail-hard alpha-beta search with a one-ply check extension,
// a quiescence search at the leaves, and move ordering by capture value, history counters and the
// previous iteration's principal variation.

#include "engine/engine_inline.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace engine {

namespace {

    // History counters and ordering scores are 32-bit and wrap around like the machine's
    // integers instead of overflowing into undefined behaviour on a very long search.
    int WrappingAdd(int a, int b)
    {
        return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
    }

    bool Contains(std::span<const EngineMove> moves, EngineMove m)
    {
        return std::find(moves.begin(), moves.end(), m) != moves.end();
    }

} // namespace

bool Engine::RunSearch(
    const std::atomic<int>& searchDepth, const std::atomic<bool>& stopRequested, const SearchOptions& options)
{
    assert(Pos.Ply == 0 && PositionIsConsistent());
    StopFlag = &stopRequested;
    Options = options;
    Nodes = 0;
    DeepestPly = 0;
    LimitCutoffCount = 0;
    CompletedPvLength = 0;
    CompletedScore = 0;
    CompletedDepthValue = 0;
    CompletedNodes = 0;
    CompletedSelectiveDepth = 0;

    // King tables and pawn shelter are judged once, from the root.
    PrepareTables();
    // History counters grow over all iterations of this search and start afresh for the next.
    std::memset(HistoryTable, 0, sizeof HistoryTable);
    // A root whose every move fails low at -Infinity (possible only when the evaluation leaves the
    // score range in a position of absurd material), and a search stopped before its first
    // iteration, still need a move to hand back.
    RootFallback = FirstLegalRootMove(Options.RootMoves);
    const int lineCount
        = Options.LineCount > 1 ? std::min({ Options.LineCount, MaxLineCount, LegalRootMoveCount() }) : 1;

    // Deepen one ply at a time; each iteration's line orders the next one. The requested depth
    // may change while we search and is honoured from the next iteration on.
    for (int depth = 1;; ++depth) {
        const int limit = std::clamp(searchDepth.load(), MinSearchDepth, MaxSearchDepth);
        if (depth > limit)
            break;
        OnPvPath = true;
        IterationDepth = depth;
        const int score = SearchNode(-Infinity, Infinity, depth);
        if (StopIsRequested())
            break;
        RecordIteration(depth, score, lineCount);
        if (lineCount > 1) {
            SearchFurtherLines(depth, lineCount);
            if (StopIsRequested())
                break;
        }
    }

    // A stopped search has no move, however many iterations completed.
    return !StopIsRequested();
}

EngineMove Engine::FirstLegalRootMove(std::span<const EngineMove> among)
{
    if (!GenerateMoves())
        return NoMove;
    for (const MoveEntry& entry : MovesOfCurrentPly()) {
        if (!among.empty() && !Contains(among, entry.Move))
            continue;
        if (MakeMove(entry.Move)) {
            UnmakeMove();
            return entry.Move;
        }
    }
    return NoMove;
}

bool Engine::IsSearchedRootMove(EngineMove m) const
{
    const std::span<const EngineMove> reported(ReportedRootMoves, ReportedRootMoveCount);
    return (Options.RootMoves.empty() || Contains(Options.RootMoves, m)) && !Contains(reported, m);
}

void Engine::RecordIteration(int depth, int score, int lineCount)
{
    if (PvLength[0] == 0 && RootFallback != NoMove) {
        PvTable[0][0] = RootFallback;
        PvLength[0] = 1;
    }
    CompletedPvLength = PvLength[0];
    std::copy(PvTable[0], PvTable[0] + CompletedPvLength, CompletedPv);
    CompletedScore = score;
    CompletedDepthValue = depth;
    CompletedNodes = Nodes;
    CompletedSelectiveDepth = DeepestPly;
    if (IterationHook)
        IterationHook({ depth, score, Nodes, DeepestPly, CompletedPv, CompletedPvLength, 1, lineCount });
}

int Engine::SearchNode(int alpha, int beta, int depth)
{
    // At the horizon only captures are followed, so that no exchange is cut off halfway.
    if (depth == 0)
        return QuiescenceSearch(alpha, beta);
    ++Nodes;
    const int ply = Pos.Ply;
    DeepestPly = std::max(DeepestPly, ply);

    // The line from here is empty until a move raises alpha.
    PvLength[ply] = ply;
    // The ply arrays end here; a chain of checks can reach this only in a contrived position.
    if (ply >= MaxPly - 1)
        return LimitCutoff();

    // A side in check gets its replies searched without using up depth, so that a check near the
    // horizon does not hide what it threatens.
    const bool inCheck = SideToMoveInCheck();
    if (inCheck)
        ++depth;

    // Moves, with the previous iteration's move first while we are still on its line.
    if (!GenerateMoves())
        return LimitCutoff();
    if (OnPvPath)
        MarkPvMove();

    // Best-first through the moves; a reply that refutes the opponent's choice ends the node.
    int legalMoves = 0;
    for (int i = PlyStart[ply]; i < PlyEnd[ply]; ++i) {
        PickMove(i);
        const EngineMove m = MoveStack[i].Move;
        if (ply == 0 && !IsSearchedRootMove(m))
            continue;
        if (!MakeMove(m))
            continue;
        // An abandoned search leaves everything undefined; nothing of it is used.
        if (StopIsRequested())
            return -1;
        ++legalMoves;
        if (ply == 0 && RootMoveHook)
            RootMoveHook({ IterationDepth, m, legalMoves });
        const int x = ply == 0 && Contains(Options.DrawnRootMoves, m) ? ScoreDrawnRootMove()
                                                                      : -SearchNode(-beta, -alpha, depth - 1);
        // A child that gave up on a stop request left its move on the board: taking back ours, or
        // making the next one, would then work on a position that is no longer the one we made.
        if (StopIsRequested())
            return -1;
        UnmakeMove();
        if (x > alpha) {
            // Moves that prove good here are tried early elsewhere, the more so the deeper they searched.
            int& history = HistoryTable[MoveFrom(m)][MoveTo(m)];
            history = WrappingAdd(history, depth);
            if (x >= beta)
                return beta;
            alpha = x;
            UpdatePv(m);
        }
    }

    // No legal move: mated (nearer the root scores further from zero) or stalemated.
    if (legalMoves == 0)
        return inCheck ? MatedScore(ply) : DrawScore;
    // Too long without capture or pawn move: a draw.
    if (Pos.QuietPlies > QuietPlyLimit)
        return DrawScore;
    return alpha;
}

int Engine::QuiescenceSearch(int alpha, int beta)
{
    ++Nodes;
    const int ply = Pos.Ply;
    DeepestPly = std::max(DeepestPly, ply);

    // The line from here is empty until a move raises alpha; the ply arrays end at MaxPly.
    PvLength[ply] = ply;
    if (ply >= MaxPly - 1)
        return LimitCutoff();

    // In check every move is tried, for there may be no quiet way out. Otherwise the side to
    // move may stand pat on the static value and looks only at captures and promotions.
    const bool inCheck = SideToMoveInCheck();
    bool complete;
    if (inCheck) {
        complete = GenerateMoves();
    } else {
        const int standPat = Evaluate();
        if (standPat >= beta)
            return beta;
        if (standPat > alpha)
            alpha = standPat;
        complete = GenerateCaptures();
    }
    if (!complete)
        return LimitCutoff();

    // The previous iteration's move first while we are still on its line.
    if (OnPvPath)
        MarkPvMove();

    // As at a full-width node, without history, and abandoned on a stop request the same way:
    // with many heavy pieces and pawns about to promote, the captures alone can run for minutes.
    bool anyLegal = false;
    for (int i = PlyStart[ply]; i < PlyEnd[ply]; ++i) {
        PickMove(i);
        const EngineMove m = MoveStack[i].Move;
        if (!MakeMove(m))
            continue;
        if (StopIsRequested())
            return -1;
        anyLegal = true;
        const int x = -QuiescenceSearch(-beta, -alpha);
        if (StopIsRequested())
            return -1;
        UnmakeMove();
        if (x > alpha) {
            if (x >= beta)
                return beta;
            alpha = x;
            UpdatePv(m);
        }
    }

    // Only a mate is recognised here; a stalemate stands on the static value.
    if (!anyLegal && inCheck)
        return MatedScore(ply);
    return alpha;
}

int Engine::ScoreDrawnRootMove()
{
    // The game ends with this move: nothing follows it in the line, and the previous line is left.
    PvLength[1] = 1;
    OnPvPath = false;
    return DrawScore;
}

int Engine::LimitCutoff()
{
    // At the end of the ply arrays or of the move list the node cannot look further; its static
    // value is the best guess left.
    ++LimitCutoffCount;
    return Evaluate();
}

void Engine::UpdatePv(EngineMove m)
{
    const int ply = Pos.Ply;
    PvTable[ply][ply] = m;
    for (int j = ply + 1; j < PvLength[ply + 1]; ++j)
        PvTable[ply][j] = PvTable[ply + 1][j];
    PvLength[ply] = PvLength[ply + 1];
}

void Engine::PickMove(int i)
{
    // Selection instead of sorting: most nodes are cut off after a few moves. Among equal scores
    // the earliest entry wins, so generation order breaks ties.
    // The comparison decides no branch: which entry wins is as good as random to the processor.
    int bestScore = -1;
    int bestIndex = i;
    const int end = PlyEnd[Pos.Ply];
    for (int j = i; j < end; ++j) {
        const int score = MoveStack[j].Score;
        const bool better = score > bestScore;
        bestScore = better ? score : bestScore;
        bestIndex = better ? j : bestIndex;
    }
    std::swap(MoveStack[i], MoveStack[bestIndex]);
}

void Engine::MarkPvMove()
{
    // Stay on the previous line only as long as its next move is among ours.
    OnPvPath = false;
    const EngineMove pvMove = PvTable[0][Pos.Ply];
    for (int j = PlyStart[Pos.Ply]; j < PlyEnd[Pos.Ply]; ++j) {
        if (MoveStack[j].Move == pvMove) {
            OnPvPath = true;
            MoveStack[j].Score = WrappingAdd(MoveStack[j].Score, PvMoveBonus);
            return;
        }
    }
}

} // namespace engine
