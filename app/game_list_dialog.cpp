// The game list of a PGN file with several games.

#include "game_list_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

TGameListDialog::TGameListDialog(const QList<TGameListEntry>& games, QWidget* parent)
    : QDialog(parent)
    , Table(new QTableWidget(static_cast<int>(games.size()), 6, this))
{
    setWindowTitle(tr("Import Game"));
    Table->setHorizontalHeaderLabels({ tr("No."), tr("White"), tr("Black"), tr("Result"), tr("Date"), tr("Moves") });
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setWordWrap(false);
    const Qt::Alignment numbers = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < games.size(); ++row) {
        const TGameListEntry& game = games[row];
        Table->setItem(row, 0, Cell(QString::number(row + 1), numbers));
        Table->setItem(row, 1, Cell(game.White));
        Table->setItem(row, 2, Cell(game.Black));
        Table->setItem(row, 3, Cell(game.Result, Qt::AlignCenter));
        Table->setItem(row, 4, Cell(game.Date));
        Table->setItem(row, 5, Cell(QString::number(game.Moves), numbers));
    }
    // The players' names take the room the numbers, the result and the date leave.
    QHeaderView* header = Table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    if (!games.isEmpty())
        Table->selectRow(0);
    connect(Table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table);
    layout->addWidget(buttons);
    resize(560, 360);
}

int TGameListDialog::ChosenGame() const
{
    const QList<QTableWidgetItem*> selected = Table->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
}
