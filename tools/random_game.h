#pragma once

// Random legal games for the notation tests and the PGN benchmark.

#include "game_notation.h"
#include "move_rules.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace notation {

// Plays random legal moves from `start` until the game ends by the rules this program plays by (mate,
// stalemate, only the kings, a placement standing for the third time) or after maxPlies half-moves.
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

} // namespace notation
