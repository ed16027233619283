// Reading moves given as coordinate text, and playing them.

#include "uci/move_text.h"

#include "engine/coordinate_text.h"
#include "engine/engine.h"
#include "engine/fen_fields.h"
#include "engine/legal_moves.h"

using namespace engine;

namespace uci {

EngineMove FindLegalMove(Engine& engine, std::string_view text, std::string& error)
{
    const auto refuse = [&](const std::string& why) {
        error = "move '" + std::string(text) + "' " + why;
        return NoMove;
    };
    if (text.size() != 4 && text.size() != 5)
        return refuse("is not of the form e2e4 or e7e8q");
    const int from = SquareNamed(text[0], text[1]);
    const int to = SquareNamed(text[2], text[3]);
    // A move that is no promotion has the piece code 0 in its promotion byte.
    const int promotion = text.size() == 5 ? PromotionPieceOf(text[4]) : 0;
    if (from == NoSquare || to == NoSquare || promotion == NoPiece)
        return refuse("is not of the form e2e4 or e7e8q");

    EngineMove found = NoMove;
    const bool complete = ForEachLegalMove(engine, [&](EngineMove m) {
        if (MoveFrom(m) == from && MoveTo(m) == to && MovePromotion(m) == promotion)
            found = m;
    });
    if (!complete)
        return refuse("cannot be checked: the move list is full");
    if (found == NoMove)
        return refuse("is illegal in this position");
    return found;
}

bool PlayMove(Engine& engine, std::string_view text, std::string& error)
{
    const EngineMove m = FindLegalMove(engine, text, error);
    if (m == NoMove)
        return false;
    engine.MakeMove(m);
    // Re-root so that the ply arrays start again at 0 after every played move.
    LoadRootPosition(engine, ExportRootPosition(engine));
    return true;
}

} // namespace uci
