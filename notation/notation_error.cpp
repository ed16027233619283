// Refusals of the notation readers, with their place in the text.

#include "notation/game_notation.h"

namespace notation {

NotationError::NotationError(const std::string& reason, std::string text)
    : std::runtime_error(reason)
    , FReason(reason)
    , FText(std::make_shared<const std::string>(std::move(text)))
{
}

NotationError::NotationError(const std::string& message, const NotationError& cause, int game, int line, int column)
    : std::runtime_error(message)
    , FReason(cause.FReason)
    , FText(cause.FText)
    , FGame(game)
    , FLine(line)
    , FColumn(column)
{
}

NotationError NotationError::At(int game, int line, int column, const std::string& moveContext) const
{
    std::string place
        = "Game " + std::to_string(game) + ", line " + std::to_string(line) + ", column " + std::to_string(column);
    if (!moveContext.empty())
        place += " (" + moveContext + ")";
    return NotationError(place + ": " + FReason, *this, game, line, column);
}

} // namespace notation
