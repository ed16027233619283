// The move list in standard notation: the rows of a game, its marked half-move and the user's choice.

#include "app/move_list_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace {

constexpr int NumberColumn = 0;
constexpr int WhiteColumn = 1;
constexpr int BlackColumn = 2;

QTableWidgetItem* Cell(const QString& text, Qt::ItemFlags flags, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(flags);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

TMoveListView::TMoveListView(QWidget* parent)
    : QTableWidget(0, 3, parent)
{
    setHorizontalHeaderLabels({ QString(), tr("White"), tr("Black") });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    QHeaderView& columns = *horizontalHeader();
    columns.setSectionsClickable(false);
    columns.setHighlightSections(false);
    columns.setSectionResizeMode(NumberColumn, QHeaderView::Fixed);
    columns.resizeSection(NumberColumn, fontMetrics().horizontalAdvance(QStringLiteral("255.")) + 8);
    columns.setSectionResizeMode(WhiteColumn, QHeaderView::Stretch);
    columns.setSectionResizeMode(BlackColumn, QHeaderView::Stretch);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (FUserInput)
            CurrentCellChangedByUser(row, column);
    });
}

void TMoveListView::ShowGame(const notation::Game& game, int marked)
{
    // Every text first: an illegal move throws before the rows change.
    const std::vector<notation::Position> positions = notation::Replay(game);
    QStringList moves;
    for (std::size_t i = 0; i < game.Moves.size(); ++i)
        moves.append(QString::fromStdString(notation::MoveToSan(positions[i], game.Moves[i])
            + (i < game.Notes.size() ? game.Notes[i].Mark : std::string())));

    const QScopedValueRollback byCode(FUserInput, false);
    FLeadingCells = game.Start.WhiteToMove ? 0 : 1;
    FHalfMoves = static_cast<int>(moves.size());
    const int rows = (FLeadingCells + FHalfMoves + 1) / 2;
    clearContents();
    setRowCount(rows);
    const Qt::ItemFlags moveFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int row = 0; row < rows; ++row) {
        setItem(row, NumberColumn,
            Cell(QStringLiteral("%1.").arg(game.Start.FullmoveNumber + row), Qt::ItemIsEnabled, Qt::AlignRight));
        for (const int column : { WhiteColumn, BlackColumn }) {
            const int halfMove = HalfMoveAt(row, column);
            if (halfMove >= 0)
                setItem(row, column, Cell(moves[halfMove], moveFlags));
            else if (row == 0 && column == WhiteColumn && FLeadingCells == 1)
                setItem(row, column, Cell(QStringLiteral("..."), Qt::ItemIsEnabled));
            else
                setItem(row, column, Cell(QString(), Qt::NoItemFlags));
        }
    }
    FMarked = -2; // so that Mark sets the cell even when the half-move is the same as before
    Mark(marked);
}

void TMoveListView::Mark(int halfMove)
{
    const QScopedValueRollback byCode(FUserInput, false);
    FMarked = halfMove >= 0 && halfMove < FHalfMoves ? halfMove : -1;
    const QModelIndex cell = CellOf(FMarked);
    if (!cell.isValid()) {
        setCurrentCell(-1, -1);
        clearSelection();
        scrollToTop();
        return;
    }
    setCurrentCell(cell.row(), cell.column());
    scrollTo(cell, QAbstractItemView::EnsureVisible);
}

QStringList TMoveListView::RowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column) {
        const QTableWidgetItem* cell = item(row, column);
        texts.append(cell ? cell->text() : QString());
    }
    return texts;
}

QModelIndex TMoveListView::CellOf(int halfMove) const
{
    if (halfMove < 0 || halfMove >= FHalfMoves)
        return {};
    const int place = FLeadingCells + halfMove;
    return model()->index(place / 2, WhiteColumn + place % 2);
}

int TMoveListView::HalfMoveAt(int row, int column) const
{
    if (row < 0 || (column != WhiteColumn && column != BlackColumn))
        return -1;
    const int halfMove = row * 2 + (column - WhiteColumn) - FLeadingCells;
    return halfMove >= 0 && halfMove < FHalfMoves ? halfMove : -1;
}

// The handler goes to the half-move's position and marks it; whatever it does, the mark then shows
// what it decided, not the cell the user reached for.
void TMoveListView::Choose(int halfMove)
{
    if (OnMoveChosen)
        OnMoveChosen(halfMove);
    Mark(FMarked);
}

void TMoveListView::CurrentCellChangedByUser(int row, int column)
{
    const int halfMove = HalfMoveAt(row, column);
    if (halfMove >= 0)
        Choose(halfMove);
    else
        Mark(FMarked);
}

// A press on the marked half-move goes there again, as on any other: the board may have moved on.
void TMoveListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    const int halfMove = HalfMoveAt(pressed.row(), pressed.column());
    QTableWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && halfMove >= 0)
        Choose(halfMove);
    else
        Mark(FMarked);
}

// Dragging over the rows does not sweep the mark along: only a press chooses a half-move.
void TMoveListView::mouseMoveEvent(QMouseEvent* event) { event->ignore(); }

void TMoveListView::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback byUser(FUserInput, true);
    QTableWidget::keyPressEvent(event);
}
