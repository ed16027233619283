#pragma once

// Helpers shared by the notation tests: moves from coordinate text, and random legal games.

#include "../../tools/random_game.h"
#include "game_notation.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace notation::test {

// "e7e8q" -> the move from e7 to e8 promoting to a queen.
inline Move Coord(std::string_view text)
{
    const auto square = [&](std::size_t i) { return ('8' - text[i + 1]) * 8 + (text[i] - 'a') + 1; };
    Move move { square(0), square(2), 0 };
    if (text.size() == 5)
        move.Promotion = static_cast<char>(text[4] - 'a' + 'A');
    return move;
}

} // namespace notation::test
