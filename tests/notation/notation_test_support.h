#pragma once

// Helpers shared by the notation tests: moves from coordinate text and random legal games.

#include "game_notation.h"
#include "move_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

// Plays random legal moves from `start` until the game ends by the rules (mate, stalemate, only the
// kings, a placement standing for the third time) or after maxPlies half-moves.
inline Game RandomGame(std::mt19937& random, const Position& start, int maxPlies)
{
    Game game;
    game.Start = start;
    MoveRules rules(start);
    std::vector<std::string> placements { std::string(start.Squares, 64) };
    const auto ended = [&] {
        const std::string& now = placements.back();
        return rules.Legal().empty() || now.find_first_not_of("Kk ") == std::string::npos
            || std::count(placements.begin(), placements.end(), now) >= 3;
    };
    while (static_cast<int>(game.Moves.size()) < maxPlies && !ended()) {
        const Move move = rules.Legal()[random() % rules.Legal().size()].Move;
        rules.Play(move);
        game.Moves.push_back(move);
        placements.emplace_back(rules.Current().Squares, 64);
    }
    return game;
}

} // namespace notation::test
