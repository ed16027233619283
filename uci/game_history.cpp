#include "uci/game_history.h"

#include "engine/engine.h"
#include "engine/legal_moves.h"

#include <algorithm>

using namespace engine;

namespace uci {

namespace {

    // Two positions are the same for the repetition rule when the same side is to move with the same
    // pieces on the same squares and the same castling and en passant captures open to it; the move
    // counters do not count. A double step leaves an en passant square even when no pawn can use it;
    // such a square changes nothing.
    RootPosition RepetitionForm(RootPosition position)
    {
        position.HalfmoveClock = 0;
        position.FullmoveNumber = 1;
        const int target = EngineSquareOf(position.EnPassantSquare);
        if (target < 0 || target >= SquareCount)
            return position;
        // The capturing pawn stands beside the pawn that made the double step, one row behind the target.
        const int row = RowOf(target) + (position.WhiteToMove ? 1 : -1);
        const char pawn = position.WhiteToMove ? 'P' : 'p';
        bool capturable = false;
        for (const int file : { FileOf(target) - 1, FileOf(target) + 1 })
            if (file >= FileA && file <= FileH && row >= 0 && row < 8
                && position.Squares[MakeSquare(row, file)] == pawn)
                capturable = true;
        if (!capturable)
            position.EnPassantSquare = 0;
        return position;
    }

} // namespace

void GameHistory::Start(const RootPosition& position)
{
    Positions.clear();
    Add(position);
}

void GameHistory::Add(const RootPosition& position) { Positions.push_back(RepetitionForm(position)); }

std::vector<EngineMove> GameHistory::ThirdRepetitionMoves(Engine& engine) const
{
    std::vector<EngineMove> drawn;
    ForEachLegalMove(engine, [&](EngineMove m) {
        const RootPosition after = RepetitionForm(ExportRootPosition(engine));
        if (std::count(Positions.begin(), Positions.end(), after) >= 2)
            drawn.push_back(m);
    });
    return drawn;
}

} // namespace uci
