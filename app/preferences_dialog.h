#pragma once

// TPreferencesDialog: the player's preferences beyond the classic game, one check box each, a choice of the
// computer's pace and of the board's theme and pieces (with a preview of them), with "Modern" to tick them all and
// "Classic" to clear them, and "Remember settings" to keep them between runs. Every change takes effect at once through
// the two callbacks; the dialog is not modal and only hides when closed. It holds no preferences of its own: Show fills
// it from the window's.

#include "app/preferences.h"

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TChessBoard;

class TPreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit TPreferencesDialog(QWidget* parent = nullptr);

    // Shows the dialog with these settings ticked.
    void Show(const TPreferences& preferences, bool remember);
    TPreferences Preferences() const;
    bool RememberSettings() const;

    // Called with the new set whenever a box or a set button changes it.
    std::function<void(const TPreferences&)> PreferencesChanged;
    // Called when "Remember settings" is ticked or cleared.
    std::function<void(bool)> RememberChanged;

    std::vector<QCheckBox*> PreferenceBoxes; // in the order of PreferenceEntries
    QComboBox* ComputerPauseBox; // in the order of ComputerPauses
    QComboBox* BoardThemeBox; // in the order of BoardThemes
    QComboBox* PiecesBox; // in the order of PieceChoices
    QLabel* PiecesPreview; // the chosen pieces on the chosen theme's squares
    // The board whose images the preview shows for the bitmap choices; none shows the squares alone.
    const TChessBoard* PiecesBoard = nullptr;
    QCheckBox* RememberBox;
    QPushButton* ModernButton;
    QPushButton* ClassicButton;
    QPushButton* CloseButton;

private:
    void Tick(const TPreferences& preferences);
    void ReportChange();
    void ShowPiecesPreview();

    // True while Show or a set button ticks the boxes, which then report once, not box by box.
    bool Filling = false;
};
