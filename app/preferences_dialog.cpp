// The preferences dialog: its boxes, the two sets and the remember box, each change reported at once.

#include "app/preferences_dialog.h"

#include "app/accessible_names.h"
#include "app/preference_pictures.h"
#include "board/entry_point.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The side of a square in the piece preview.
constexpr int PreviewCell = 26;

} // namespace

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

    // The board's looks: a theme and pieces, previewed together under the pieces' list.
    auto* looks = new QGridLayout;
    BoardThemeBox = new QComboBox(this);
    BoardThemeBox->setObjectName(QLatin1String(BoardThemeKey));
    for (const TBoardThemeEntry& entry : BoardThemes)
        BoardThemeBox->addItem(BoardThemeSwatch(entry.Theme), tr(entry.Caption), static_cast<int>(entry.Theme));
    BoardThemeBox->setToolTip(tr("The colours of the frame and the squares; the toolbar's colour buttons still "
                                 "change the squares after"));
    PiecesBox = new QComboBox(this);
    PiecesBox->setObjectName(QLatin1String(PiecesKey));
    for (const TPieceChoiceEntry& entry : PieceChoices)
        PiecesBox->addItem(tr(entry.Caption), static_cast<int>(entry.Choice));
    PiecesBox->setToolTip(tr("Automatic: the bitmaps of the Options dialog, and the Staunton outlines while the "
                             "board fills the window"));
    PiecesPreview = new QLabel(this);
    PiecesPreview->setObjectName(QStringLiteral("PiecesPreview"));
    PiecesPreview->setAccessibleName(tr("Preview of the pieces"));
    int row = 0;
    const std::pair<QString, QComboBox*> looksRows[] { { tr("Board t&heme:"), BoardThemeBox },
        { tr("P&ieces:"), PiecesBox } };
    for (const auto& [caption, box] : looksRows) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        NameAfterCaption(*label, caption);
        box->setAccessibleName(CaptionWithoutAccessKey(caption).chopped(1));
        looks->addWidget(label, row, 0);
        looks->addWidget(box, row++, 1);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!Filling)
                CatchAtEntryPoint([this] { ReportChange(); });
        });
    }
    looks->addWidget(PiecesPreview, row, 1);
    looks->setColumnStretch(2, 1);
    layout->addLayout(looks);

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
    preferences.Theme = static_cast<BoardTheme>(BoardThemeBox->currentData().toInt());
    preferences.Pieces = static_cast<PieceChoice>(PiecesBox->currentData().toInt());
    return preferences;
}

bool TPreferencesDialog::RememberSettings() const { return RememberBox->isChecked(); }

void TPreferencesDialog::Tick(const TPreferences& preferences)
{
    Filling = true;
    for (std::size_t i = 0; i < PreferenceEntries.size(); ++i)
        PreferenceBoxes[i]->setChecked(preferences.*PreferenceEntries[i].Field);
    ComputerPauseBox->setCurrentIndex(std::max(0, ComputerPauseBox->findData(preferences.ComputerPause)));
    BoardThemeBox->setCurrentIndex(std::max(0, BoardThemeBox->findData(static_cast<int>(preferences.Theme))));
    PiecesBox->setCurrentIndex(std::max(0, PiecesBox->findData(static_cast<int>(preferences.Pieces))));
    Filling = false;
    ShowPiecesPreview();
}

void TPreferencesDialog::ReportChange()
{
    if (PreferencesChanged)
        PreferencesChanged(Preferences());
    ShowPiecesPreview(); // after the change, so that the bitmap choices show the board's new images
}

void TPreferencesDialog::ShowPiecesPreview()
{
    const TPreferences preferences = Preferences();
    PiecesPreview->setPixmap(
        PiecesPicture(preferences.Pieces, preferences.Theme, PiecesBoard, PreviewCell, devicePixelRatioF()));
}
