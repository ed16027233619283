#pragma once

// The player's choice of pieces: the bitmap sets of the Options dialog, one of the vector designs
// painted at the square's size, or "Automatic", which keeps the bitmaps while the board has its
// classic size and paints the Staunton outlines while the board fills the window, where a bitmap
// of one size would not fit the squares.

#include "board/piece_painting.h"

#include <QString>

#include <array>
#include <optional>

enum class PieceChoice { Automatic, Bitmaps, Staunton, LinesAndArcs, TurnedWood };

struct TPieceChoiceEntry {
    PieceChoice Choice;
    const char* Name; // in the settings file
    const char* Caption; // in the Preferences dialog, translated there
    std::optional<PieceDesign> Design; // the vector design it always paints, none for the first two
};

// In the order of the dialog's list; the first is the default.
inline constexpr std::array<TPieceChoiceEntry, 5> PieceChoices { {
    { PieceChoice::Automatic, "automatic", QT_TRANSLATE_NOOP("TPreferencesDialog", "Automatic"), std::nullopt },
    { PieceChoice::Bitmaps, "bitmaps", QT_TRANSLATE_NOOP("TPreferencesDialog", "Bitmaps of the Options dialog"),
        std::nullopt },
    { PieceChoice::Staunton, "staunton", QT_TRANSLATE_NOOP("TPreferencesDialog", "Staunton outlines"),
        PieceDesign::Staunton },
    { PieceChoice::LinesAndArcs, "linesAndArcs", QT_TRANSLATE_NOOP("TPreferencesDialog", "Lines and arcs"),
        PieceDesign::LinesAndArcs },
    { PieceChoice::TurnedWood, "turnedWood", QT_TRANSLATE_NOOP("TPreferencesDialog", "Turned wood"),
        PieceDesign::TurnedWood },
} };

const TPieceChoiceEntry& PieceChoiceEntry(PieceChoice choice);
// The choice stored under this name; none for a name that is not one of them.
std::optional<PieceChoice> PieceChoiceNamed(const QString& name);

// The vector design the board paints for the choice, none for the bitmap sets.
std::optional<PieceDesign> VectorPiecesOf(PieceChoice choice, bool boardFillsWindow);
