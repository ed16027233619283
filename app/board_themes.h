#pragma once

// Board themes: named colour sets for the frame, the two kinds of square and the coordinates on the
// frame. "Classic grey" is the board's own look; the others are well-known pairs of square colours
// with a frame dark enough for light coordinates. A theme is put on the board once, when the player
// picks it, so that the toolbar's colour buttons and the Options dialog change its colours after.

#include "board/chesstypes.h"

#include <QString>

#include <array>
#include <optional>

class TChessBoard;

enum class BoardTheme { ClassicGrey, BrownWood, Green, Blue };

struct TBoardThemeEntry {
    BoardTheme Theme;
    const char* Name; // in the settings file
    const char* Caption; // in the Preferences dialog, translated there
    TColor Frame;
    TColor SquareDark;
    TColor SquareLight;
    TColor Coordinates;
};

// In the order of the dialog's list; the first is the board's own look.
inline constexpr std::array<TBoardThemeEntry, 4> BoardThemes { {
    { BoardTheme::ClassicGrey, "classicGrey", QT_TRANSLATE_NOOP("TPreferencesDialog", "Classic grey"), clOlive, clGray,
        clSilver, clWhite },
    { BoardTheme::BrownWood, "brownWood", QT_TRANSLATE_NOOP("TPreferencesDialog", "Brown wood"), RGBColor(92, 58, 36),
        RGBColor(181, 136, 99), RGBColor(240, 217, 181), RGBColor(240, 217, 181) },
    { BoardTheme::Green, "green", QT_TRANSLATE_NOOP("TPreferencesDialog", "Green"), RGBColor(48, 72, 40),
        RGBColor(118, 150, 86), RGBColor(238, 238, 210), RGBColor(238, 238, 210) },
    { BoardTheme::Blue, "blue", QT_TRANSLATE_NOOP("TPreferencesDialog", "Blue"), RGBColor(40, 58, 84),
        RGBColor(140, 162, 173), RGBColor(222, 227, 230), RGBColor(222, 227, 230) },
} };

const TBoardThemeEntry& BoardThemeEntry(BoardTheme theme);
// The theme stored under this name; none for a name that is not one of them.
std::optional<BoardTheme> BoardThemeNamed(const QString& name);

// Gives the board the theme's frame, square and coordinate colours; the coordinates keep their font.
void ApplyBoardTheme(BoardTheme theme, TChessBoard& board);
