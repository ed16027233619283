#pragma once

// Helpers shared by the notation tests: moves from coordinate text and SAN, and random legal games.

#include "engine/coordinate_text.h"
#include "notation/game_notation.h"
#include "tools/random_game.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace notation::test {

// "e7e8q" -> the move from e7 to e8 promoting to a queen.
inline Move Coord(std::string_view text)
{
    const auto square
        = [&](std::size_t i) { return engine::BoardSquareNumber(engine::SquareNamed(text[i], text[i + 1])); };
    Move move { square(0), square(2), 0 };
    if (text.size() == 5)
        move.Promotion = engine::PromotionLetter(engine::PromotionPieceOf(text[4]));
    return move;
}

// The game of the SAN moves from the start position.
inline Game GameOf(const Position& start, std::initializer_list<const char*> sans)
{
    Game game;
    game.Start = start;
    Position position = start;
    for (const char* san : sans) {
        game.Moves.push_back(SanToMove(position, san));
        position = PositionAfter(position, game.Moves.back());
    }
    return game;
}

} // namespace notation::test
