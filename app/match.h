#pragma once

// TMatch: a match of several games between two computer players under one time control. The
// colours alternate, the first player having White in games 1, 3, 5, ...; each finished game is
// recorded with its tags and credited to the player who had the winning colour. Plain logic, no
// widgets: the window and tools/level_match.cpp play the games and hand them in.

#include "app/chess_clock.h"
#include "app/game_setup.h"
#include "notation/game_notation.h"

#include <QString>

#include <string>
#include <vector>

class TMatch {
public:
    // Throws std::invalid_argument for a number of games outside 1..TGameSetup::MaxMatchGames or an
    // invalid time control.
    TMatch(TPlayerChoice first, TPlayerChoice second, int games, TTimeControl control);

    const TPlayerChoice& First() const { return FFirst; }
    const TPlayerChoice& Second() const { return FSecond; }
    int GameCount() const { return FGameCount; }
    const TTimeControl& Control() const { return FControl; }

    // Games are numbered from 1.
    static bool FirstHasWhite(int game) { return game % 2 == 1; }
    const TPlayerChoice& WhiteOf(int game) const { return FirstHasWhite(game) ? FFirst : FSecond; }
    const TPlayerChoice& BlackOf(int game) const { return FirstHasWhite(game) ? FSecond : FFirst; }
    // The number of the game to play next; past the last one once the match is finished.
    int CurrentGame() const { return GamesPlayed() + 1; }

    // Records the current game. Its result is the one the rules give (notation::ResultOf), else its
    // Result; it gets the tags Event, Round, White, Black, Result and TimeControl, and keeps its other
    // tags. Throws std::invalid_argument for a game without a result ("*"), std::logic_error once the
    // match is finished, notation::NotationError for illegal moves; the match is then unchanged.
    const notation::Game& Record(notation::Game finished);

    // The player's points so far, counted in half points (a win is 2, a draw 1).
    int Score(bool first) const { return first ? FFirstHalfPoints : FSecondHalfPoints; }
    int GamesPlayed() const { return static_cast<int>(FGames.size()); }
    bool Finished() const { return GamesPlayed() == FGameCount; }

    // "Match: Zugwerk! Beginner 1½ – Stockfish ½ after 2 of 4 games".
    QString ScoreText() const;
    // Half points as a score is written: "0", "½", "1", "1½".
    static QString PointsText(int halfPoints);

    const std::vector<notation::Game>& Games() const { return FGames; }
    // Every recorded game in PGN export format, a blank line between games.
    std::string Pgn() const;

    static constexpr const char* EventName = "Zugwerk! match";

private:
    TPlayerChoice FFirst;
    TPlayerChoice FSecond;
    int FGameCount;
    TTimeControl FControl;
    int FFirstHalfPoints = 0;
    int FSecondHalfPoints = 0;
    std::vector<notation::Game> FGames;
};
