#pragma once

// TGameListDialog: the list of the games in a PGN file, one line each with the players, the result,
// the date and the number of moves, from which the user picks the game to import. A damaged game is
// listed greyed out with its error and cannot be picked; a note under the list says what is wrong.
// The first good game is selected; a double click or Enter imports the selected one.

#include "app/dialogs.h"

#include <QDialog>

class QTableWidget;

class TGameListDialog : public QDialog {
    Q_OBJECT

public:
    explicit TGameListDialog(const QList<TGameListEntry>& games, QWidget* parent = nullptr);

    // The index of the selected game in the list it was given, -1 when none is selected.
    int ChosenGame() const;

private:
    QTableWidget* Table;
};
