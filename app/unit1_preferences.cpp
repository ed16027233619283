// The player's preferences: the dialog opens on the window's set, every change goes to the board at
// once and, while the player asks for it, to the settings file.

#include "app/unit1.h"

#include "app/colorbutton97.h"
#include "app/preferences_dialog.h"
#include "board/chessbrd.h"

#include <QScreen>

// Right of the main window, so that the board stays in sight while the player tries a preference;
// as far right as the screen allows when there is no room beside it.
void TForm1::PlaceBesideWindow(QWidget& dialog)
{
    const QWidget& window = *dialog.parentWidget();
    dialog.adjustSize();
    QPoint at = window.frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen* screen = window.screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() - dialog.frameGeometry().width())));
    }
    dialog.move(at);
}

void TForm1::Preferences1Click(QObject*)
{
    if (!FPreferencesDialog) {
        FPreferencesDialog = new TPreferencesDialog(this);
        FPreferencesDialog->PreferencesChanged
            = [this](const TPreferences& preferences) { SetPreferences(preferences); };
        FPreferencesDialog->RememberChanged = [this](bool remember) { SetRememberSettings(remember); };
        FPreferencesDialog->PiecesBoard = ChessBrd1;
        PlaceBesideWindow(*FPreferencesDialog);
    }
    FPreferencesDialog->Show(FPreferences, FRememberSettings);
}

void TForm1::SetPreferences(const TPreferences& preferences)
{
    // Only a new theme recolours the board: colours the player set since stay until then.
    const bool newTheme = preferences.Theme != FPreferences.Theme;
    FPreferences = preferences;
    if (newTheme)
        ShowBoardTheme(FPreferences.Theme);
    ApplyPreferences(FPreferences, *ChessBrd1);
    PlaySoundsOfPreference();
    ShowMoveListOfPreference();
    LayOutBoard();
    if (FRememberSettings && FPreferencesStore)
        FPreferencesStore->Save(FPreferences);
}

void TForm1::ShowBoardTheme(BoardTheme theme)
{
    ApplyBoardTheme(theme, *ChessBrd1);
    ColorButton971->set_Color(ChessBrd1->SquareColorDark());
    ColorButton972->set_Color(ChessBrd1->SquareColorLight());
}

void TForm1::SetRememberSettings(bool remember)
{
    FRememberSettings = remember;
    if (!FPreferencesStore)
        return;
    if (remember) {
        FPreferencesStore->Save(FPreferences);
        SaveEngines();
    } else
        FPreferencesStore->Forget();
}

void TForm1::UsePreferencesFile(const QString& fileName)
{
    FPreferencesStore.emplace(fileName);
    if (!FPreferencesStore->Exists())
        return;
    FRememberSettings = true;
    SetPreferences(FPreferencesStore->Load());
}
