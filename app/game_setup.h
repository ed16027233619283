#pragma once

// What a new game is played as: who plays each side (a human, the built-in engine at a level, an
// external UCI engine at a strength), the time control, and how many games a match between two
// computers lasts. The New Game dialog fills it in and the window starts the game from it.

#include "app/chess_clock.h"
#include "app/engine_player.h"

#include <QString>

#include <optional>

struct TPlayerChoice {
    enum class TKind { Human, BuiltIn, Engine };
    TKind Kind = TKind::Human;
    // BuiltIn: the level's name as engine::Levels() spells it ("Beginner").
    QString Level;
    // Engine: what to start, and the name it reported in its handshake.
    TEngineSetup Engine;
    QString EngineName;
    // What its strength is counted in: "Elo" or "Skill Level".
    QString StrengthUnit;

    bool IsComputer() const { return Kind != TKind::Human; }
    // The player's name for the PGN tags: "Human", "Zugwerk! Beginner", "Stockfish 15.1 (Elo 1500)".
    // Always in English, as the files are.
    QString DisplayName() const;
    // The same name as the window shows it (the New Game dialog, the match score), in the program's
    // language.
    QString Caption() const;

    static TPlayerChoice Human() { return {}; }
    static TPlayerChoice BuiltIn(const QString& level);
    bool operator==(const TPlayerChoice&) const = default;
};

// A level of the built-in engine, named as engine::Levels() names it ("Beginner"), in the program's
// language.
QString LevelCaption(const QString& level);
// What a strength is counted in, as StrengthUnit() names it ("Elo", "Skill Level"), in the program's
// language.
QString StrengthUnitCaption(const QString& unit);

struct TGameSetup {
    TPlayerChoice White;
    TPlayerChoice Black;
    // None: the stopwatches count up, as without this dialog.
    std::optional<TTimeControl> Clock;
    // Variety in the opening at every level, not only the lower ones.
    bool OpeningVariety = false;
    // Games of a match between two computers with a clock, colours alternating; 1 is a single game.
    int MatchGames = 1;
    static constexpr int MaxMatchGames = 100;

    bool IsMatch() const { return MatchGames > 1 && White.IsComputer() && Black.IsComputer() && Clock.has_value(); }
};
