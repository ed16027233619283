// The New Game dialog: its controls, the players offered, and the setup read back from it.

#include "app/new_game_dialog.h"

#include "app/accessible_names.h"
#include "app/engine_list.h"
#include "app/engine_strength.h"
#include "engine/levels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The player rows' data: what each row stands for.
const QString HumanKey = QStringLiteral("human");
QString LevelKey(const QString& level) { return QStringLiteral("level:") + level; }
QString EngineKey(const QString& program, const QStringList& arguments)
{
    return QStringLiteral("engine:") + (QStringList { program } + arguments).join(QChar(0x1f));
}
QString KeyOf(const TPlayerChoice& choice)
{
    switch (choice.Kind) {
    case TPlayerChoice::TKind::Human: return HumanKey;
    case TPlayerChoice::TKind::BuiltIn: return LevelKey(choice.Level);
    case TPlayerChoice::TKind::Engine: return EngineKey(choice.Engine.Program, choice.Engine.Arguments);
    }
    return HumanKey;
}

// A limited engine starts near a club player's strength, or half-way up its skill scale.
int FirstStrength(const TStrengthControl& control)
{
    if (control.Kind == TStrengthControl::TKind::Elo)
        return std::clamp(1500, control.Min, control.Max);
    return (control.Min + control.Max) / 2;
}

} // namespace

TNewGameDialog::TNewGameDialog(TEngineList& engines, QWidget* parent)
    : QDialog(parent)
    , Engines(engines)
{
    setWindowTitle(tr("New Game"));
    auto* layout = new QVBoxLayout(this);

    auto* sides = new QHBoxLayout;
    auto* whiteBox = new QGroupBox(tr("White"), this);
    auto* blackBox = new QGroupBox(tr("Black"), this);
    White = CreateSide(true, whiteBox);
    Black = CreateSide(false, blackBox);
    sides->addWidget(whiteBox);
    sides->addWidget(blackBox);
    layout->addLayout(sides);

    auto* clockBox = new QGroupBox(tr("Time control"), this);
    auto* clockForm = new QFormLayout(clockBox);
    TimeControlBox = new QComboBox(clockBox);
    TimeControlBox->addItem(tr("No clock: the clocks count up"));
    for (const TTimeControl& control : TTimeControl::Presets())
        TimeControlBox->addItem(
            tr("%1 (%2 min, %3 s a move)").arg(control.Name()).arg(control.Minutes).arg(control.IncrementSeconds));
    TimeControlBox->addItem(tr("Other"));
    clockForm->addRow(tr("&Clock:"), TimeControlBox);
    MinutesBox = new QSpinBox(clockBox);
    MinutesBox->setRange(1, TTimeControl::MaxMinutes);
    MinutesBox->setSuffix(tr(" min"));
    IncrementBox = new QSpinBox(clockBox);
    IncrementBox->setRange(0, TTimeControl::MaxIncrementSeconds);
    IncrementBox->setSuffix(tr(" s"));
    auto* custom = new QHBoxLayout;
    custom->addWidget(MinutesBox);
    custom->addWidget(new QLabel(tr("plus"), clockBox));
    custom->addWidget(IncrementBox);
    custom->addWidget(new QLabel(tr("a move"), clockBox));
    clockForm->addRow(tr("Each side:"), custom);
    layout->addWidget(clockBox);

    VarietyBox = new QCheckBox(tr("&Vary the computer's first moves at every level"), this);
    VarietyBox->setToolTip(tr("The lower levels always vary their openings; this lets the higher ones vary too"));
    layout->addWidget(VarietyBox);
    auto* matchRow = new QFormLayout;
    MatchGamesBox = new QSpinBox(this);
    MatchGamesBox->setRange(1, TGameSetup::MaxMatchGames);
    MatchGamesBox->setToolTip(tr("Two computers with a clock play a match, colours alternating"));
    matchRow->addRow(tr("&Games of a match between computers:"), MatchGamesBox);
    layout->addLayout(matchRow);

    auto* buttons = new QDialogButtonBox(this);
    StartButton = buttons->addButton(tr("&Start"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    EnginesButton = buttons->addButton(tr("&Engines..."), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(EnginesButton, &QPushButton::clicked, this, [this] {
        if (ManageEngines)
            ManageEngines(this);
    });

    NameAfterCaption(*VarietyBox, VarietyBox->text());
    NameAfterCaption(*StartButton, StartButton->text());
    NameAfterCaption(*EnginesButton, EnginesButton->text());
    TimeControlBox->setAccessibleName(tr("Time control"));
    MinutesBox->setAccessibleName(tr("Minutes per side"));
    IncrementBox->setAccessibleName(tr("Seconds added after each move"));
    MatchGamesBox->setAccessibleName(tr("Games of a match between computers"));

    connect(TimeControlBox, &QComboBox::currentIndexChanged, this, [this] {
        ShowTimeControl();
        ShowMatchGames();
    });
    connect(&Engines, &TEngineList::Changed, this, [this] { FillPlayers(); });
    connect(&Engines, &TEngineList::DiscoveryFinished, this, [this] { FillPlayers(); });
    FillPlayers();
    SetSetup({});
}

TNewGameDialog::TSideControls TNewGameDialog::CreateSide(bool white, QWidget* parent)
{
    const QString caption = white ? tr("White") : tr("Black");
    auto* form = new QFormLayout(parent);
    TSideControls side { new QComboBox(parent), new QCheckBox(tr("Full strength"), parent), new QSpinBox(parent) };
    form->addRow(tr("Player:"), side.Player);
    form->addRow(side.FullStrength);
    form->addRow(tr("Strength:"), side.Strength);
    side.Player->setAccessibleName(tr("%1 player").arg(caption));
    side.FullStrength->setAccessibleName(tr("%1 plays at full strength").arg(caption));
    side.Strength->setAccessibleName(tr("%1's strength").arg(caption));
    const auto refresh = [this, white] {
        ShowStrength(Side(white));
        ShowMatchGames();
    };
    connect(side.Player, &QComboBox::currentIndexChanged, this, refresh);
    connect(side.Player, &QComboBox::activated, this, [this, white] { Awaited(Side(white)).reset(); });
    connect(side.FullStrength, &QCheckBox::toggled, this, refresh);
    return side;
}

int TNewGameDialog::OtherTimeControlRow() const { return static_cast<int>(TTimeControl::Presets().size()) + 1; }

void TNewGameDialog::FillPlayers()
{
    FillPlayers(White);
    FillPlayers(Black);
}

// The rows are made anew; the player chosen before stays chosen, or the awaited one once offered.
void TNewGameDialog::FillPlayers(TSideControls& side)
{
    const QString chosen = side.Player->currentData().toString();
    const QSignalBlocker blocker(side.Player);
    side.Player->clear();
    side.Player->addItem(tr("Human"), HumanKey);
    for (const engine::Level& level : engine::Levels()) {
        const QString name = QString::fromLatin1(level.Name);
        side.Player->addItem(TPlayerChoice::BuiltIn(name).Caption(), LevelKey(name));
    }
    if (!Engines.Engines().empty())
        side.Player->insertSeparator(side.Player->count());
    for (const TEngineEntry& entry : Engines.Engines())
        side.Player->addItem(entry.Name, EngineKey(entry.Program, entry.Arguments));
    std::optional<TPlayerChoice>& awaited = Awaited(side);
    const int awaitedRow = awaited ? side.Player->findData(KeyOf(*awaited)) : -1;
    side.Player->setCurrentIndex(awaitedRow >= 0 ? awaitedRow : std::max(0, side.Player->findData(chosen)));
    ShowStrength(side);
    if (awaitedRow >= 0)
        awaited.reset();
}

void TNewGameDialog::SetSetup(const TGameSetup& setup)
{
    SelectPlayer(White, setup.White);
    SelectPlayer(Black, setup.Black);
    const auto& presets = TTimeControl::Presets();
    int row = NoClockRow;
    if (setup.Clock) {
        const auto preset = std::find(presets.begin(), presets.end(), *setup.Clock);
        row = preset != presets.end() ? static_cast<int>(preset - presets.begin()) + 1 : OtherTimeControlRow();
        MinutesBox->setValue(setup.Clock->Minutes);
        IncrementBox->setValue(setup.Clock->IncrementSeconds);
    }
    TimeControlBox->setCurrentIndex(row);
    VarietyBox->setChecked(setup.OpeningVariety);
    MatchGamesBox->setValue(setup.MatchGames);
    ShowTimeControl();
    ShowMatchGames();
}

void TNewGameDialog::SelectPlayer(TSideControls& side, const TPlayerChoice& choice)
{
    const int row = side.Player->findData(KeyOf(choice));
    Awaited(side) = choice;
    const std::optional<int> strength
        = choice.Kind == TPlayerChoice::TKind::Engine ? choice.Engine.Strength : std::nullopt;
    side.FullStrength->setChecked(!strength);
    side.Player->setCurrentIndex(std::max(row, 0));
    ShowStrength(side);
    if (row >= 0)
        Awaited(side).reset();
}

const TEngineEntry* TNewGameDialog::EngineOf(const TSideControls& side) const
{
    const QString key = side.Player->currentData().toString();
    for (const TEngineEntry& entry : Engines.Engines())
        if (EngineKey(entry.Program, entry.Arguments) == key)
            return &entry;
    return nullptr;
}

TPlayerChoice TNewGameDialog::PlayerOf(const TSideControls& side) const
{
    const QString key = side.Player->currentData().toString();
    if (key.startsWith(QStringLiteral("level:")))
        return TPlayerChoice::BuiltIn(key.mid(6));
    const TEngineEntry* entry = EngineOf(side);
    if (!entry)
        return TPlayerChoice::Human();
    TPlayerChoice choice;
    choice.Kind = TPlayerChoice::TKind::Engine;
    choice.Engine.Program = entry->Program;
    choice.Engine.Arguments = entry->Arguments;
    choice.EngineName = entry->Name;
    const TStrengthControl control = StrengthControlOf(entry->Options);
    if (control.Kind != TStrengthControl::TKind::None && !side.FullStrength->isChecked()) {
        choice.Engine.Strength = side.Strength->value();
        choice.StrengthUnit = StrengthUnit(control);
    }
    return choice;
}

// The strength can be set only for an engine that offers it; a strength asked for beforehand is
// taken once the engine's range is known.
void TNewGameDialog::ShowStrength(TSideControls& side)
{
    const TEngineEntry* entry = EngineOf(side);
    const TStrengthControl control = entry ? StrengthControlOf(entry->Options) : TStrengthControl {};
    const bool settable = control.Kind != TStrengthControl::TKind::None;
    // Shown only where they mean something, so that a human or a level shows no strength.
    if (auto* form = qobject_cast<QFormLayout*>(side.Strength->parentWidget()->layout())) {
        form->setRowVisible(side.FullStrength, settable);
        form->setRowVisible(side.Strength, settable);
        if (isVisible())
            adjustSize();
    }
    side.FullStrength->setEnabled(settable);
    side.Strength->setEnabled(settable && !side.FullStrength->isChecked());
    if (!settable)
        return;
    const std::optional<TPlayerChoice>& awaited = Awaited(side);
    const bool rangeChanged = side.Strength->minimum() != control.Min || side.Strength->maximum() != control.Max;
    if (!rangeChanged && !awaited)
        return;
    side.Strength->setRange(control.Min, control.Max);
    side.Strength->setPrefix(StrengthUnitCaption(StrengthUnit(control)) + QLatin1Char(' '));
    const std::optional<int> asked
        = awaited && KeyOf(*awaited) == side.Player->currentData().toString() ? awaited->Engine.Strength : std::nullopt;
    side.Strength->setValue(asked.value_or(FirstStrength(control)));
}

void TNewGameDialog::ShowTimeControl()
{
    const int row = TimeControlBox->currentIndex();
    const auto& presets = TTimeControl::Presets();
    if (row > NoClockRow && row < OtherTimeControlRow()) {
        MinutesBox->setValue(presets[row - 1].Minutes);
        IncrementBox->setValue(presets[row - 1].IncrementSeconds);
    }
    MinutesBox->setEnabled(row == OtherTimeControlRow());
    IncrementBox->setEnabled(row == OtherTimeControlRow());
}

// A match needs two computers and a clock; otherwise one game is played.
void TNewGameDialog::ShowMatchGames()
{
    MatchGamesBox->setEnabled(
        PlayerOf(White).IsComputer() && PlayerOf(Black).IsComputer() && TimeControlBox->currentIndex() != NoClockRow);
}

TGameSetup TNewGameDialog::Setup() const
{
    TGameSetup setup;
    setup.White = PlayerOf(White);
    setup.Black = PlayerOf(Black);
    if (TimeControlBox->currentIndex() != NoClockRow)
        setup.Clock = TTimeControl { MinutesBox->value(), IncrementBox->value() };
    setup.OpeningVariety = VarietyBox->isChecked();
    setup.MatchGames = MatchGamesBox->isEnabled() ? MatchGamesBox->value() : 1;
    return setup;
}

void TNewGameDialog::showEvent(QShowEvent* event)
{
    EnginesButton->setVisible(static_cast<bool>(ManageEngines));
    QDialog::showEvent(event);
}
