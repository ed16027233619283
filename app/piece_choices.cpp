// The piece choices and the design each one paints.

#include "app/piece_choices.h"

#include <algorithm>

const TPieceChoiceEntry& PieceChoiceEntry(PieceChoice choice)
{
    const auto found = std::find_if(PieceChoices.begin(), PieceChoices.end(),
        [choice](const TPieceChoiceEntry& entry) { return entry.Choice == choice; });
    return found != PieceChoices.end() ? *found : PieceChoices.front();
}

std::optional<PieceChoice> PieceChoiceNamed(const QString& name)
{
    for (const TPieceChoiceEntry& entry : PieceChoices)
        if (name == QLatin1String(entry.Name))
            return entry.Choice;
    return std::nullopt;
}

std::optional<PieceDesign> VectorPiecesOf(PieceChoice choice, bool boardFillsWindow)
{
    if (choice == PieceChoice::Automatic)
        return boardFillsWindow ? std::optional(PieceDesign::Staunton) : std::nullopt;
    return PieceChoiceEntry(choice).Design;
}
