#pragma once

// TEngineListDialog: the engines of a TEngineList, found on the system or added by the player, with
// their name, author, program and arguments; the options the selected one reported and how its
// strength can be set; "Add Engine..." for a program path and its arguments, "Remove" for an added
// engine. It follows the list's signals, so it shows what the list holds whenever the list changes,
// and says "Looking for engines…" while handshakes run. A program that is refused leaves its reason
// in the status line. The dialog is not modal and only hides when closed; the file dialog goes
// through the TDialogs seam.

#include <QDialog>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TDialogs;
class TEngineList;
struct TEngineEntry;

class TEngineListDialog : public QDialog {
    Q_OBJECT

public:
    TEngineListDialog(TEngineList& list, TDialogs& dialogs, QWidget* parent = nullptr);
    ~TEngineListDialog() override;

    // Shows the dialog with the list as it is now, raised.
    void Show();
    // The selected engine's index in the list's Engines(), -1 when none is.
    int SelectedEngine() const;
    void SelectEngine(int index);

    enum TEngineColumn { NameColumn, AuthorColumn, ProgramColumn, SourceColumn };
    enum TOptionColumn { OptionNameColumn, OptionTypeColumn, OptionDefaultColumn, OptionRangeColumn };

    QLabel* SearchLabel; // "Looking for engines…" while the list's handshakes run
    QTableWidget* EngineTable; // a row per engine, in the list's order
    QLabel* ArgumentsLabel;
    QLineEdit* ArgumentsEdit; // split as a shell would, given with the next Add
    QPushButton* AddButton;
    QPushButton* RemoveButton; // enabled for a selected engine the player added
    QLabel* StatusLabel; // what became of the last Add
    QGroupBox* OptionsBox;
    QLabel* StrengthLabel; // how the selected engine's strength can be set
    QTableWidget* OptionTable; // the options the selected engine reported, read-only
    QLabel* HelpLabel; // XBoard engines through polyglot
    QPushButton* CloseButton;

private:
    void AddClick();
    void RemoveClick();
    void EngineAdded(const TEngineEntry& entry);
    void EngineRefused(const QString& program, const QString& reason);
    void Refresh();
    void ShowSearch();
    void ShowSelected();
    void NameControls();
    int IndexOf(const QString& program, const QStringList& arguments) const;

    TEngineList& List;
    TDialogs& Dialogs;
    // The programs added through this dialog whose answer has not come yet.
    std::vector<std::pair<QString, QStringList>> PendingAdds;
    // Looks at the list's handshakes while they run, as not every end of one is signalled.
    QTimer* SearchTimer;
};
