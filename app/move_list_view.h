#pragma once

// TMoveListView: the moves of a game in standard algebraic notation, one full move per row: the move
// number ("12."), White's half-move and Black's. A game that starts with Black to move shows "..." in
// White's cell of its first row. One half-move is marked, the one that led to the position shown,
// and kept in view; none is marked at the game's start.
//
// A press on a half-move, or a move of the marked cell by the keyboard, reports that half-move
// through OnMoveChosen; filling and marking by code report nothing. The mark afterwards is whatever
// the handler made it (Mark), else it stays where it was: the view never marks a position the board
// does not show. Main thread only; owned by its parent widget.

#include "notation/game_notation.h"

#include <QTableWidget>

#include <functional>

class TMoveListView : public QTableWidget {
    Q_OBJECT

public:
    explicit TMoveListView(QWidget* parent = nullptr);

    // Shows the game's moves and marks the half-move `marked` (0 for the first, -1 for none). Throws
    // notation::NotationError for a game whose moves are not legal; the view is unchanged then.
    void ShowGame(const notation::Game& game, int marked);
    // Marks the half-move and scrolls it into view; -1, or a half-move the game does not have, marks
    // none.
    void Mark(int halfMove);
    int MarkedHalfMove() const { return FMarked; }
    int HalfMoves() const { return FHalfMoves; }
    // The row of a full move as it reads: "12.", White's and Black's cell.
    QStringList RowTexts(int row) const;
    // The cell that shows the half-move; an invalid index for none.
    QModelIndex CellOf(int halfMove) const;

    std::function<void(int halfMove)> OnMoveChosen;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The half-move a cell shows, -1 for the number column, "..." and an empty cell.
    int HalfMoveAt(int row, int column) const;
    void Choose(int halfMove);
    void CurrentCellChangedByUser(int row, int column);

    // 1 when the first row starts with Black's half-move, so that White's cell holds "...".
    int FLeadingCells = 0;
    int FHalfMoves = 0;
    int FMarked = -1;
    bool FUserInput = false;
};
