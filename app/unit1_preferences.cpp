// The player's preferences: the dialog opens on the window's set, every change goes to the board at
// once and, while the player asks for it, to the settings file.

#include "app/unit1.h"

#include "app/preferences_dialog.h"
#include "board/chessbrd.h"

void TForm1::Preferences1Click(QObject*)
{
    if (!FPreferencesDialog) {
        FPreferencesDialog = new TPreferencesDialog(this);
        FPreferencesDialog->setWindowFlag(Qt::Window);
        FPreferencesDialog->PreferencesChanged
            = [this](const TPreferences& preferences) { SetPreferences(preferences); };
        FPreferencesDialog->RememberChanged = [this](bool remember) { SetRememberSettings(remember); };
    }
    FPreferencesDialog->Show(FPreferences, FRememberSettings);
}

void TForm1::SetPreferences(const TPreferences& preferences)
{
    FPreferences = preferences;
    ApplyPreferences(FPreferences, *ChessBrd1);
    if (FRememberSettings && FPreferencesStore)
        FPreferencesStore->Save(FPreferences);
}

void TForm1::SetRememberSettings(bool remember)
{
    FRememberSettings = remember;
    if (!FPreferencesStore)
        return;
    if (remember)
        FPreferencesStore->Save(FPreferences);
    else
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
