#pragma once

// How strongly an external engine plays, through the options engines offer for it: UCI_LimitStrength
// with UCI_Elo (the protocol's own), else a "Skill Level". An engine with neither plays at its best.

#include "app/uci_engine.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

class TUciEngine;

struct TStrengthControl {
    enum class TKind { None, Elo, SkillLevel };
    TKind Kind = TKind::None;
    // The range of the option, and its value at full strength.
    int Min = 0;
    int Max = 0;
};

// The way these options let a player set the strength; Elo when the engine offers both.
TStrengthControl StrengthControlOf(const std::vector<TUciOption>& options);

// The options to set, with their values, for a strength within the control's range (clamped into
// it); nothing means full strength.
std::vector<std::pair<QString, QString>> StrengthSettings(const TStrengthControl& control, std::optional<int> strength);

// What the strength is counted in, as players read it: "Elo" or "Skill Level"; empty for none.
QString StrengthUnit(const TStrengthControl& control);

// Sets the strength on a running engine through the options it offers; false when it offers none.
bool ApplyStrength(TUciEngine& engine, std::optional<int> strength);
