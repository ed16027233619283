// Loading a root position into the engine and reading the engine's position back.

#include "engine/root_position.h"

#include "engine/engine.h"

namespace engine {

void LoadRootPosition(Engine& engine, const RootPosition& position)
{
    engine.LoadPosition(position.Squares, position.WhiteToMove, position.CastlingBits, position.EnPassantSquare);
}

RootPosition ExportRootPosition(const Engine& engine)
{
    RootPosition position;
    engine.ExportPosition(position.Squares, position.WhiteToMove, position.CastlingBits, position.EnPassantSquare);
    return position;
}

} // namespace engine
