// The engine list dialog of the window (Edit > Engines...) and the engines the player added kept in
// the settings file, with the project's own zugwerk-engine and stand-ins written as scripts. The
// engines are looked for only in a folder of the test's, so that none installed on the machine shows.

#include "app/engine_list_dialog.h"
#include "tests/app/app_test_support.h"
#include "tests/app/stand_in_engines.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>

namespace {

class EngineListDialogTest : public WindowTest {
protected:
    QTemporaryDir folder;

    void SetUp() override
    {
        WindowTest::SetUp();
        Isolate(*form);
    }
    void Isolate(TForm1& window) const { window.EngineSearch = { { folder.path() }, folder.path() }; }
    TEngineListDialog& OpenDialog()
    {
        form->Engines1->trigger();
        return *form->EngineListDialog();
    }
    static QString Cell(const QTableWidget& table, int row, int column)
    {
        const QTableWidgetItem* item = table.item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    // Every handshake of the window's list has ended, with so many engines listed.
    static bool Settled(TForm1& window, std::size_t engines)
    {
        return !window.EngineList().Busy() && window.EngineList().Engines().size() == engines;
    }
    QString SettingsFile() const { return folder.filePath(QStringLiteral("config/zugwerk/preferences.ini")); }
    QStringList SavedPrograms() const
    {
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        QStringList programs;
        const int count = settings.beginReadArray(QStringLiteral("engines"));
        for (int index = 0; index < count; ++index) {
            settings.setArrayIndex(index);
            programs.append(settings.value(QStringLiteral("program")).toString());
        }
        settings.endArray();
        return programs;
    }
};

using T = TEngineListDialog;

TEST_F(EngineListDialogTest, ListsAFoundEngineWithItsOptionsAndHowItsStrengthIsSet)
{
    const QString fish = WriteEngine(folder.path(), "stockfish",
        "id name Fake Fish 16\\nid author The Fakers\\n"
        "option name Threads type spin default 1 min 1 max 512\\n"
        "option name Skill Level type spin default 20 min 0 max 20\\n"
        "option name Style type combo default Normal var Solid var Normal var Risky\\n"
        "option name Ponder type check default false\\nuciok\\n",
        ":");
    TEngineListDialog& dialog = OpenDialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.windowTitle(), "Engines");
    EXPECT_EQ(dialog.SearchLabel->text(), "Looking for engines…") << "the list is first asked for now";
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 1); }));
    EXPECT_EQ(dialog.SearchLabel->text(), "1 engine");

    const QTableWidget& engines = *dialog.EngineTable;
    ASSERT_EQ(engines.rowCount(), 1);
    EXPECT_EQ(Cell(engines, 0, T::NameColumn), "Fake Fish 16");
    EXPECT_EQ(Cell(engines, 0, T::AuthorColumn), "The Fakers");
    EXPECT_EQ(Cell(engines, 0, T::ProgramColumn), fish);
    EXPECT_EQ(Cell(engines, 0, T::SourceColumn), "Found on the system");
    EXPECT_EQ(dialog.SelectedEngine(), 0);
    EXPECT_FALSE(dialog.RemoveButton->isEnabled()) << "a found engine is found again at the next start";

    EXPECT_EQ(dialog.StrengthLabel->text(), "Strength: set by Skill Level, 0 to 20");
    const QTableWidget& options = *dialog.OptionTable;
    ASSERT_EQ(options.rowCount(), 4);
    const QStringList rows[] = {
        { "Threads", "spin", "1", "1 to 512" },
        { "Skill Level", "spin", "20", "0 to 20" },
        { "Style", "combo", "Normal", "Solid, Normal, Risky" },
        { "Ponder", "check", "false", "" },
    };
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(Cell(options, row, column), rows[row][column]) << row << ", " << column;
    EXPECT_EQ(options.editTriggers(), QAbstractItemView::NoEditTriggers);

    EXPECT_TRUE(dialog.HelpLabel->text().contains("polyglot"));
    EXPECT_TRUE(dialog.HelpLabel->text().contains("EngineCommand = /usr/games/crafty"));
    const QWidget* controls[] = { &dialog, dialog.SearchLabel, dialog.EngineTable, dialog.ArgumentsLabel,
        dialog.ArgumentsEdit, dialog.AddButton, dialog.RemoveButton, dialog.StatusLabel, dialog.OptionsBox,
        dialog.StrengthLabel, dialog.OptionTable, dialog.HelpLabel, dialog.CloseButton };
    for (const QWidget* control : controls)
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
    EXPECT_EQ(dialog.AddButton->accessibleName(), "Add Engine...");
    EXPECT_EQ(dialog.ArgumentsLabel->buddy(), dialog.ArgumentsEdit);

    dialog.CloseButton->click();
    EXPECT_FALSE(dialog.isVisible());
    form->Engines1->trigger();
    EXPECT_TRUE(dialog.isVisible()) << "the same dialog again";
}

TEST_F(EngineListDialogTest, AddListsAnEngineWithItsArgumentsAndRefusesANonEngineWithItsReason)
{
    TEngineListDialog& dialog = OpenDialog();
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 0); }));
    EXPECT_EQ(dialog.SearchLabel->text(), "No engines found: add one below.");

    dialogs.FileNames = { ZUGWERK_ENGINE_PATH };
    dialog.AddButton->click();
    ASSERT_EQ(dialogs.FileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs[0].Title, "Add Engine");
    EXPECT_EQ(dialogs.FileDialogs[0].Filter, "All files (*)");
    EXPECT_EQ(dialog.StatusLabel->text(), QStringLiteral("Checking %1…").arg(ZUGWERK_ENGINE_PATH));
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 1); }));
    const QTableWidget& engines = *dialog.EngineTable;
    ASSERT_EQ(engines.rowCount(), 1);
    EXPECT_EQ(Cell(engines, 0, T::NameColumn), "Zugwerk! 2.0");
    EXPECT_EQ(Cell(engines, 0, T::SourceColumn), "Added by you");
    EXPECT_EQ(dialog.StatusLabel->text(), "Added Zugwerk! 2.0");
    EXPECT_EQ(dialog.SelectedEngine(), 0);
    EXPECT_TRUE(dialog.RemoveButton->isEnabled());
    EXPECT_EQ(Cell(*dialog.OptionTable, 0, T::OptionNameColumn), "SearchDepth");
    EXPECT_EQ(Cell(*dialog.OptionTable, 0, T::OptionRangeColumn), "1 to 10");
    EXPECT_EQ(dialog.StrengthLabel->text(), "Strength: cannot be set, the engine always plays at full strength");

    // Arguments go with the program as a shell splits them, as polyglot takes its .ini file.
    const QString wrapper = WriteEngine(folder.path(), "wrapper", "id name Wrapped '\"$2\"'\\nuciok\\n", ":");
    dialog.ArgumentsEdit->setText(R"(-ini "my crafty.ini")");
    dialogs.FileNames = { wrapper };
    dialog.AddButton->click();
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 2); }));
    EXPECT_EQ(form->EngineList().Engines()[1].Arguments, QStringList({ "-ini", "my crafty.ini" }));
    EXPECT_EQ(Cell(engines, 1, T::NameColumn), "Wrapped my crafty.ini");
    EXPECT_EQ(Cell(engines, 1, T::ProgramColumn), wrapper + R"( -ini "my crafty.ini")");
    EXPECT_EQ(dialog.SelectedEngine(), 1) << "the engine just added";
    EXPECT_TRUE(dialog.ArgumentsEdit->text().isEmpty());

    // A program that ends without a handshake is refused: the reason shows, nothing is listed.
    const QString talker = folder.filePath("talker");
    {
        QFile script(talker);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho hello\n");
    }
    QFile::setPermissions(talker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dialogs.FileNames = { talker };
    dialog.AddButton->click();
    ASSERT_TRUE(WaitFor([&] { return dialog.StatusLabel->text() != QStringLiteral("Checking %1…").arg(talker); }));
    EXPECT_EQ(dialog.StatusLabel->text(),
        talker + " is not usable as a UCI engine: talker ended (exit code 0) before it finished the UCI handshake");
    EXPECT_EQ(engines.rowCount(), 2);
    EXPECT_EQ(form->EngineList().Engines().size(), 2u);

    // Cancelling the file dialog adds nothing.
    dialog.AddButton->click();
    EXPECT_EQ(dialogs.FileDialogs.size(), 4u);
    EXPECT_FALSE(form->EngineList().Busy());
    EXPECT_EQ(engines.rowCount(), 2);
    EXPECT_TRUE(dialogs.Boxes.empty());
}

TEST_F(EngineListDialogTest, RemoveTakesAnAddedEngineOffTheList)
{
    WriteEngine(folder.path(), "stockfish", Handshake("Fake Fish"), ":");
    TEngineListDialog& dialog = OpenDialog();
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 1); }));
    dialogs.FileNames = { ZUGWERK_ENGINE_PATH };
    dialog.AddButton->click();
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 2); }));
    ASSERT_EQ(dialog.SelectedEngine(), 1);
    dialog.RemoveButton->click();
    ASSERT_EQ(form->EngineList().Engines().size(), 1u);
    EXPECT_EQ(form->EngineList().Engines()[0].Name, "Fake Fish");
    EXPECT_EQ(dialog.EngineTable->rowCount(), 1);
    EXPECT_EQ(dialog.StatusLabel->text(), "Removed Zugwerk! 2.0");
    EXPECT_EQ(dialog.SelectedEngine(), 0) << "the engine beside it";
    EXPECT_FALSE(dialog.RemoveButton->isEnabled());
    dialog.RemoveButton->click();
    EXPECT_EQ(form->EngineList().Engines().size(), 1u);
}

TEST_F(EngineListDialogTest, AddedEnginesComeBackInANewWindowOnlyWhileSettingsAreRemembered)
{
    // It marks its handshake, so that the test sees when it runs, and answers it late.
    const QString marked = WriteEngine(folder.path(), "marked",
        "' ; touch \"$0.ran\" ; sleep 0.3 ; printf 'id name Marked\\nid author Tester\\nuciok\\n", ":");
    form->UsePreferencesFile(SettingsFile());
    form->EngineList().Add(marked);
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 1); }));
    EXPECT_FALSE(QFile::exists(SettingsFile())) << "nothing is written while settings are not remembered";
    {
        TForm1 next(dialogs);
        Isolate(next);
        next.UsePreferencesFile(SettingsFile());
        EXPECT_FALSE(next.RememberSettings());
        ASSERT_TRUE(WaitFor([&] { return !next.EngineList().Busy(); }));
        EXPECT_TRUE(next.EngineList().Engines().empty());
    }

    // Remembered: the engines are written at once and at every change, beside the preferences.
    form->SetRememberSettings(true);
    EXPECT_EQ(SavedPrograms(), QStringList { marked });
    form->SetPreferences(TPreferences::Modern());
    EXPECT_EQ(SavedPrograms(), QStringList { marked }) << "saving the preferences keeps the engines";
    form->EngineList().Add(ZUGWERK_ENGINE_PATH);
    ASSERT_TRUE(WaitFor([&] { return Settled(*form, 2); }));
    EXPECT_EQ(SavedPrograms(), QStringList({ marked, ZUGWERK_ENGINE_PATH }));
    EXPECT_EQ(TPreferencesStore(SettingsFile()).Load(), TPreferences::Modern()) << "and the engines the preferences";

    ASSERT_TRUE(QFile::remove(marked + ".ran"));
    {
        TForm1 next(dialogs);
        Isolate(next);
        next.UsePreferencesFile(SettingsFile());
        EXPECT_TRUE(next.RememberSettings());
        EXPECT_EQ(next.Preferences(), TPreferences::Modern());
        QTest::qWait(100);
        EXPECT_FALSE(QFile::exists(marked + ".ran")) << "no engine runs before the list is first asked for";
        ASSERT_TRUE(WaitFor([&] { return next.EngineList().Engines().size() == 1; }));
        EXPECT_EQ(SavedPrograms().size(), 2) << "the file waits for the engine still being read back";
        ASSERT_TRUE(WaitFor([&] { return Settled(next, 2); }));
        QStringList names;
        for (const TEngineEntry& entry : next.EngineList().Engines()) {
            names.append(entry.Name);
            EXPECT_FALSE(entry.Found);
        }
        names.sort();
        EXPECT_EQ(names, QStringList({ "Marked", "Zugwerk! 2.0" }));
        EXPECT_EQ(SavedPrograms().size(), 2);

        next.EngineList().Remove(0);
        EXPECT_EQ(SavedPrograms().size(), 1);
        next.SetRememberSettings(false);
        EXPECT_FALSE(QFile::exists(SettingsFile())) << "forgetting removes the engines with the preferences";
        next.EngineList().Remove(0);
        EXPECT_FALSE(QFile::exists(SettingsFile()));
    }
}

} // namespace
