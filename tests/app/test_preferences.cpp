// The preferences: the dialog's sets and boxes, the board they reach, and the settings file that is
// written only while the player asks for it.

#include "app/preferences_dialog.h"
#include "tests/app/app_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {

class PreferencesTest : public WindowTest {
protected:
    QTemporaryDir folder;
    QString FileName() const { return folder.filePath(QStringLiteral("config/zugwerk/preferences.ini")); }
    TPreferencesDialog& OpenDialog()
    {
        form->Preferences1->trigger();
        return *form->PreferencesDialog();
    }
};

TEST_F(PreferencesTest, SetsAndBoxesTakeEffectAtOnceWithoutBlockingTheWindow)
{
    TPreferencesDialog& dialog = OpenDialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(form->Preferences(), TPreferences::Classic()) << "the game starts classic";

    dialog.ModernButton->click();
    EXPECT_EQ(form->Preferences(), TPreferences::Modern());
    for (std::size_t i = 0; i < PreferenceEntries.size(); ++i) // all but sounds
        EXPECT_EQ(dialog.PreferenceBoxes[i]->isChecked(), PreferenceEntries[i].Field != &TPreferences::Sounds)
            << PreferenceEntries[i].Key;
    EXPECT_TRUE(Board().MarkMoves() && Board().ClickToMove() && Board().ShowLegalTargets() && Board().CastleOntoRook()
        && Board().ChoosePromotion())
        << "the board carries them out";

    dialog.PreferenceBoxes.front()->click(); // one box clears one preference, no other
    TPreferences expected = TPreferences::Modern();
    expected.*PreferenceEntries.front().Field = false;
    EXPECT_EQ(form->Preferences(), expected);

    dialog.ClassicButton->click();
    EXPECT_EQ(form->Preferences(), TPreferences::Classic());
    EXPECT_FALSE(Board().MarkMoves() || Board().ClickToMove() || Board().ShowLegalTargets() || Board().CastleOntoRook()
        || Board().ChoosePromotion());
}

TEST_F(PreferencesTest, TheFileIsWrittenOnlyWhileRemembered)
{
    form->UsePreferencesFile(FileName());
    form->SetPreferences(TPreferences::Modern());
    EXPECT_FALSE(QFile::exists(FileName())) << "nothing is stored unless the player asks";

    TPreferencesDialog& dialog = OpenDialog();
    dialog.RememberBox->click();
    ASSERT_TRUE(QFile::exists(FileName()));
    EXPECT_EQ(TPreferencesStore(FileName()).Load(), TPreferences::Modern());
    dialog.ClassicButton->click();
    EXPECT_EQ(TPreferencesStore(FileName()).Load(), TPreferences::Classic()) << "every change is kept";

    dialog.RememberBox->click();
    EXPECT_FALSE(QFile::exists(FileName())) << "forgetting removes the file";
}

TEST_F(PreferencesTest, AStoredFileIsReadAtStartAndBadValuesStayClassic)
{
    TPreferencesStore(FileName()).Save(TPreferences::Modern());
    {
        QSettings settings(FileName(), QSettings::IniFormat);
        settings.setValue(QLatin1String(PreferenceEntries[0].Key), QStringLiteral("banana"));
        settings.setValue(QLatin1String(ComputerPauseKey), 750); // not one of the choices
    }
    TPreferences expected = TPreferences::Modern();
    expected.*PreferenceEntries[0].Field = false;
    expected.ComputerPause = 0;

    form->UsePreferencesFile(FileName());
    EXPECT_EQ(form->Preferences(), expected);
    EXPECT_TRUE(form->RememberSettings());
    TPreferencesDialog& dialog = OpenDialog();
    EXPECT_TRUE(dialog.RememberBox->isChecked());
    EXPECT_EQ(dialog.Preferences(), expected);
}

} // namespace
