#pragma once

// Random legal games for the notation tests and the PGN benchmarks.

#include "engine/engine_types.h"
#include "notation/game_notation.h"
#include "notation/move_rules.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace notation {

// Plays random legal moves from `start` until the game ends by the rules this program plays by (mate,
// stalemate, only the kings, a position standing for the third time) or after maxPlies half-moves.
inline Game RandomGame(std::mt19937& random, const Position& start, int maxPlies)
{
    Game game;
    game.Start = start;
    MoveRules rules(start);
    std::vector<std::string> placements { std::string(start.Squares, 64) };
    const auto ended = [&] {
        const std::string& now = placements.back();
        if (rules.Legal().empty() || now.find_first_not_of("Kk ") == std::string::npos)
            return true;
        // A placement seen three times is rare; only then is the whole position compared.
        return std::count(placements.begin(), placements.end(), now) >= 3 && EndOfGame(game) == GameEnd::Repetition;
    };
    while (static_cast<int>(game.Moves.size()) < maxPlies && !ended()) {
        const Move move = rules.Legal()[random() % rules.Legal().size()].Move;
        rules.Play(move);
        game.Moves.push_back(move);
        placements.emplace_back(rules.Current().Squares, 64);
    }
    return game;
}

// The benchmarks' file: `count` random games of 40 to 160 half-moves from the initial position, as
// this program exports them, a blank line between games. `plies` receives their half-moves.
inline std::string RandomGameFile(int count, std::size_t& plies)
{
    std::mt19937 random(20240309);
    std::uniform_int_distribution<int> length(40, 160);
    std::string text;
    plies = 0;
    for (int i = 0; i < count; ++i) {
        Game game = RandomGame(random, StartPosition(), length(random));
        // The computer's name runs through every depth it can search.
        const int depth = engine::MinSearchDepth + i % (engine::MaxSearchDepth - engine::MinSearchDepth + 1);
        game.Tags = CasualGame(PgnDate(2024, 3, 9), PlayerName(false, 3), PlayerName(true, depth)).Tags;
        plies += game.Moves.size();
        text += WritePgn(game) + "\n";
    }
    return text;
}

} // namespace notation
