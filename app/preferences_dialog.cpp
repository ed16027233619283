// The preferences dialog: its boxes, the two sets and the remember box, each change reported at once.

#include "app/preferences_dialog.h"

#include "app/accessible_names.h"
#include "board/entry_point.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TPreferencesDialog::TPreferencesDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(tr("Preferences"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    for (const TPreferenceEntry& entry : PreferenceEntries) {
        auto* box = new QCheckBox(tr(entry.Caption), this);
        box->setObjectName(QLatin1String(entry.Key));
        NameAfterCaption(*box, box->text());
        layout->addWidget(box);
        PreferenceBoxes.push_back(box);
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!Filling)
                CatchAtEntryPoint([this] { ReportChange(); });
        });
    }

    auto* pauseRow = new QHBoxLayout;
    ComputerPauseBox = new QComboBox(this);
    ComputerPauseBox->setObjectName(QLatin1String(ComputerPauseKey));
    for (int pause : ComputerPauses)
        ComputerPauseBox->addItem(pause == 0 ? tr("None") : tr("%1 s").arg(pause / 1000.0), pause);
    auto* pauseLabel = new QLabel(tr("Pa&use between the computer's moves:"), this);
    pauseLabel->setBuddy(ComputerPauseBox);
    ComputerPauseBox->setToolTip(tr("While the computer plays both sides, so that you can follow the game"));
    NameAfterCaption(*pauseLabel, pauseLabel->text());
    ComputerPauseBox->setAccessibleName(tr("Pause between the computer's moves"));
    pauseRow->addWidget(pauseLabel);
    pauseRow->addWidget(ComputerPauseBox);
    pauseRow->addStretch();
    layout->addLayout(pauseRow);
    connect(ComputerPauseBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!Filling)
            CatchAtEntryPoint([this] { ReportChange(); });
    });

    auto* sets = new QHBoxLayout;
    ModernButton = new QPushButton(tr("&Modern"), this);
    ModernButton->setToolTip(tr("Tick every preference"));
    ClassicButton = new QPushButton(tr("Cla&ssic"), this);
    ClassicButton->setToolTip(tr("Play as the game always played: every preference off"));
    sets->addWidget(ModernButton);
    sets->addWidget(ClassicButton);
    sets->addStretch();
    layout->addLayout(sets);

    RememberBox = new QCheckBox(tr("R&emember settings"), this);
    RememberBox->setToolTip(tr("Keep these settings in a file in your config folder for the next start"));
    layout->addWidget(RememberBox);

    CloseButton = new QPushButton(tr("Close"), this);
    for (QPushButton* button : { ModernButton, ClassicButton, CloseButton })
        NameAfterCaption(*button, button->text());
    NameAfterCaption(*RememberBox, RememberBox->text());
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(CloseButton);
    layout->addLayout(closeRow);

    const auto useSet = [this](TPreferences set) {
        CatchAtEntryPoint([&] {
            Tick(set);
            ReportChange();
        });
    };
    connect(ModernButton, &QPushButton::clicked, this, [useSet] { useSet(TPreferences::Modern()); });
    connect(ClassicButton, &QPushButton::clicked, this, [useSet] { useSet(TPreferences::Classic()); });
    connect(RememberBox, &QCheckBox::toggled, this, [this](bool on) {
        if (!Filling && RememberChanged)
            CatchAtEntryPoint([&] { RememberChanged(on); });
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::hide);
}

void TPreferencesDialog::Show(const TPreferences& preferences, bool remember)
{
    Tick(preferences);
    Filling = true;
    RememberBox->setChecked(remember);
    Filling = false;
    show();
    raise();
    activateWindow();
}

TPreferences TPreferencesDialog::Preferences() const
{
    TPreferences preferences;
    for (std::size_t i = 0; i < PreferenceEntries.size(); ++i)
        preferences.*PreferenceEntries[i].Field = PreferenceBoxes[i]->isChecked();
    preferences.ComputerPause = ComputerPauseBox->currentData().toInt();
    return preferences;
}

bool TPreferencesDialog::RememberSettings() const { return RememberBox->isChecked(); }

void TPreferencesDialog::Tick(const TPreferences& preferences)
{
    Filling = true;
    for (std::size_t i = 0; i < PreferenceEntries.size(); ++i)
        PreferenceBoxes[i]->setChecked(preferences.*PreferenceEntries[i].Field);
    ComputerPauseBox->setCurrentIndex(std::max(0, ComputerPauseBox->findData(preferences.ComputerPause)));
    Filling = false;
}

void TPreferencesDialog::ReportChange()
{
    if (PreferencesChanged)
        PreferencesChanged(Preferences());
}
