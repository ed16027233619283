// An external engine's strength through UCI_LimitStrength and UCI_Elo, or Skill Level.

#include "app/engine_strength.h"

#include <algorithm>

namespace {

const TUciOption* Find(const std::vector<TUciOption>& options, const char* name, TUciOption::TType type)
{
    const auto found = std::find_if(options.begin(), options.end(), [&](const TUciOption& option) {
        return option.Type == type && option.Name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    });
    return found == options.end() ? nullptr : &*found;
}

} // namespace

TStrengthControl StrengthControlOf(const std::vector<TUciOption>& options)
{
    using T = TUciOption::TType;
    const TUciOption* elo = Find(options, "UCI_Elo", T::Spin);
    if (elo && Find(options, "UCI_LimitStrength", T::Check))
        return { TStrengthControl::TKind::Elo, elo->Min, elo->Max };
    if (const TUciOption* skill = Find(options, "Skill Level", T::Spin))
        return { TStrengthControl::TKind::SkillLevel, skill->Min, skill->Max };
    return {};
}

std::vector<std::pair<QString, QString>> StrengthSettings(const TStrengthControl& control, std::optional<int> strength)
{
    const QString value = QString::number(std::clamp(strength.value_or(control.Max), control.Min, control.Max));
    switch (control.Kind) {
    case TStrengthControl::TKind::Elo:
        if (!strength)
            return { { "UCI_LimitStrength", "false" } };
        return { { "UCI_LimitStrength", "true" }, { "UCI_Elo", value } };
    case TStrengthControl::TKind::SkillLevel: return { { "Skill Level", value } };
    case TStrengthControl::TKind::None: break;
    }
    return {};
}

bool ApplyStrength(TUciEngine& engine, std::optional<int> strength)
{
    const TStrengthControl control = StrengthControlOf(engine.Options());
    for (const auto& [name, value] : StrengthSettings(control, strength))
        engine.SetOption(name, value);
    return control.Kind != TStrengthControl::TKind::None;
}

QString StrengthUnit(const TStrengthControl& control)
{
    switch (control.Kind) {
    case TStrengthControl::TKind::Elo: return QStringLiteral("Elo");
    case TStrengthControl::TKind::SkillLevel: return QStringLiteral("Skill Level");
    case TStrengthControl::TKind::None: break;
    }
    return {};
}
