// The board themes and how one is put on the board.

#include "app/board_themes.h"

#include "board/chessbrd.h"

#include <algorithm>

const TBoardThemeEntry& BoardThemeEntry(BoardTheme theme)
{
    const auto found = std::find_if(BoardThemes.begin(), BoardThemes.end(),
        [theme](const TBoardThemeEntry& entry) { return entry.Theme == theme; });
    return found != BoardThemes.end() ? *found : BoardThemes.front();
}

std::optional<BoardTheme> BoardThemeNamed(const QString& name)
{
    for (const TBoardThemeEntry& entry : BoardThemes)
        if (name == QLatin1String(entry.Name))
            return entry.Theme;
    return std::nullopt;
}

void ApplyBoardTheme(BoardTheme theme, TChessBoard& board)
{
    const TBoardThemeEntry& colours = BoardThemeEntry(theme);
    board.set_BorderColor(colours.Frame);
    board.set_SquareColorDark(colours.SquareDark);
    board.set_SquareColorLight(colours.SquareLight);
    TFont coordinates = board.CoordFont();
    coordinates.set_Color(colours.Coordinates);
    board.set_CoordFont(coordinates);
}
