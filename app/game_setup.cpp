// The players' names of a game setup.

#include "app/game_setup.h"

#include <QCoreApplication>

QString TPlayerChoice::DisplayName() const
{
    switch (Kind) {
    case TKind::Human: return QCoreApplication::translate("TPlayerChoice", "Human");
    case TKind::BuiltIn: return QStringLiteral("Zugwerk! %1").arg(Level);
    case TKind::Engine:
        if (!Engine.Strength)
            return EngineName;
        return QStringLiteral("%1 (%2 %3)")
            .arg(EngineName,
                StrengthUnit.isEmpty() ? QCoreApplication::translate("TPlayerChoice", "strength") : StrengthUnit)
            .arg(*Engine.Strength);
    }
    return {};
}

TPlayerChoice TPlayerChoice::BuiltIn(const QString& level)
{
    TPlayerChoice choice;
    choice.Kind = TKind::BuiltIn;
    choice.Level = level;
    return choice;
}
