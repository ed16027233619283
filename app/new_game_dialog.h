#pragma once

// TNewGameDialog: the choices of a new game. For each side a player: a human, the built-in engine at
// one of its levels, or an engine of the engine list with its strength where it offers one; then the
// time control (none, a usual one or minutes and increment of one's own), variety in the opening at
// every level, and the number of games when two computers play a match with a clock. The list of
// engines follows the engine list as its engines are found or added.

#include "app/game_setup.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TEngineList;
struct TEngineEntry;

class TNewGameDialog : public QDialog {
    Q_OBJECT

public:
    explicit TNewGameDialog(TEngineList& engines, QWidget* parent = nullptr);

    void SetSetup(const TGameSetup& setup);
    TGameSetup Setup() const;

    // Opens the engine list over the dialog; the Engines button is hidden while it is unset.
    std::function<void(QWidget* over)> ManageEngines;

    // The controls of one side.
    struct TSideControls {
        QComboBox* Player;
        QCheckBox* FullStrength;
        QSpinBox* Strength;
    };
    TSideControls White;
    TSideControls Black;
    QComboBox* TimeControlBox; // no clock, the presets, then "Other"
    QSpinBox* MinutesBox;
    QSpinBox* IncrementBox;
    QCheckBox* VarietyBox;
    QSpinBox* MatchGamesBox;
    QPushButton* EnginesButton;
    QPushButton* StartButton;

    // The rows of TimeControlBox beside the presets.
    static constexpr int NoClockRow = 0;
    int OtherTimeControlRow() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSideControls CreateSide(bool white, QWidget* parent);
    TSideControls& Side(bool white) { return white ? White : Black; }
    std::optional<TPlayerChoice>& Awaited(const TSideControls& side)
    {
        return &side == &White ? AwaitedWhite : AwaitedBlack;
    }
    void FillPlayers();
    void FillPlayers(TSideControls& side);
    void SelectPlayer(TSideControls& side, const TPlayerChoice& choice);
    TPlayerChoice PlayerOf(const TSideControls& side) const;
    const TEngineEntry* EngineOf(const TSideControls& side) const;
    void ShowStrength(TSideControls& side);
    void ShowTimeControl();
    void ShowMatchGames();

    TEngineList& Engines;
    // A player set that the list does not offer yet (an engine still being looked for): it is chosen
    // once it is offered, unless the player chose another one meanwhile.
    std::optional<TPlayerChoice> AwaitedWhite;
    std::optional<TPlayerChoice> AwaitedBlack;
};
