// The external engines the player can choose: the list, found on the system when first needed, its
// dialog, and the engines the player added kept in the settings file while settings are remembered.

#include "app/unit1.h"

#include "app/engine_list_dialog.h"
#include "board/entry_point.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace {

const QString EnginesGroup = QStringLiteral("engines");

} // namespace

// Behind every other item of the Edit menu, Claim Draw included.
void TForm1::CreateEnginesItem()
{
    Edit1->addSeparator();
    Engines1 = MenuItem(Edit1, "Engines1", tr("Eng&ines..."), {}, &TForm1::Engines1Click);
    Engines1->setToolTip(tr("The UCI engines found on the system and those you added"));
}

TEngineList& TForm1::EngineList()
{
    if (!FEngineList) {
        FEngineList = new TEngineList(this);
        const auto saveWhenDue = [this] {
            if (FEnginesUnsaved)
                CatchAtEntryPoint([this] { SaveEngines(); });
        };
        connect(FEngineList, &TEngineList::Changed, this, [this] { CatchAtEntryPoint([this] { SaveEngines(); }); });
        // The ends of handshakes, after which a change that waited for them is written.
        connect(FEngineList, &TEngineList::Added, this, saveWhenDue);
        connect(FEngineList, &TEngineList::Refused, this, saveWhenDue);
        connect(FEngineList, &TEngineList::DiscoveryFinished, this, saveWhenDue);
        FEngineList->Discover(EngineSearch);
        if (FRememberSettings && FPreferencesStore && FPreferencesStore->Exists()) {
            QSettings settings(FPreferencesStore->FileName(), QSettings::IniFormat);
            FEngineList->Load(settings);
        }
    }
    return *FEngineList;
}

void TForm1::SaveEngines()
{
    if (!FRememberSettings || !FPreferencesStore || !FEngineList)
        return;
    FEnginesUnsaved = true;
    if (FEngineList->Busy())
        return;
    FEnginesUnsaved = false;
    FPreferencesStore->SaveGroup(EnginesGroup, [this](QSettings& settings) { FEngineList->Save(settings); });
}

void TForm1::Engines1Click(QObject*)
{
    if (!FEngineListDialog) {
        FEngineListDialog = new TEngineListDialog(EngineList(), FDialogs, this);
        PlaceBesideWindow(*FEngineListDialog);
    }
    FEngineListDialog->Show();
}
