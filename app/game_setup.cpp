// The players' names of a game setup, in English for the files and translated for the window.

#include "app/game_setup.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TPlayerChoice", text); }

// The engine's levels and the strength units, for the translations: engine::Levels() and
// StrengthUnit() spell them so.
[[maybe_unused]] constexpr const char* LevelAndUnitNames[] = {
    QT_TRANSLATE_NOOP("TPlayerChoice", "Beginner"),
    QT_TRANSLATE_NOOP("TPlayerChoice", "Casual"),
    QT_TRANSLATE_NOOP("TPlayerChoice", "Intermediate"),
    QT_TRANSLATE_NOOP("TPlayerChoice", "Advanced"),
    QT_TRANSLATE_NOOP("TPlayerChoice", "Expert"),
    QT_TRANSLATE_NOOP("TPlayerChoice", "Master"),
    QT_TRANSLATE_NOOP("TPlayerChoice", "Elo"),
    QT_TRANSLATE_NOOP("TPlayerChoice", "Skill Level"),
};

// The name with human, level and unit spelled in English for the files or translated for the window.
QString Name(const TPlayerChoice& choice, const QString& human, const QString& level, const QString& unit)
{
    switch (choice.Kind) {
    case TPlayerChoice::TKind::Human: return human;
    case TPlayerChoice::TKind::BuiltIn: return QStringLiteral("Zugwerk! %1").arg(level);
    case TPlayerChoice::TKind::Engine:
        if (!choice.Engine.Strength)
            return choice.EngineName;
        return QStringLiteral("%1 (%2 %3)").arg(choice.EngineName, unit).arg(*choice.Engine.Strength);
    }
    return {};
}

} // namespace

QString LevelCaption(const QString& level) { return Tr(level.toUtf8().constData()); }

QString StrengthUnitCaption(const QString& unit) { return Tr(unit.toUtf8().constData()); }

QString TPlayerChoice::DisplayName() const
{
    return Name(
        *this, QStringLiteral("Human"), Level, StrengthUnit.isEmpty() ? QStringLiteral("strength") : StrengthUnit);
}

QString TPlayerChoice::Caption() const
{
    return Name(*this, QCoreApplication::translate("TPlayerChoice", "Human"), LevelCaption(Level),
        StrengthUnit.isEmpty() ? QCoreApplication::translate("TPlayerChoice", "strength")
                               : StrengthUnitCaption(StrengthUnit));
}

TPlayerChoice TPlayerChoice::BuiltIn(const QString& level)
{
    TPlayerChoice choice;
    choice.Kind = TKind::BuiltIn;
    choice.Level = level;
    return choice;
}
