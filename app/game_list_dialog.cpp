// The game list of a PGN file with several games.

#include "app/game_list_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
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

// Says which games cannot be imported and why: the first few in full, then how many more.
QLabel* DamageNote(const QStringList& damage)
{
    constexpr int Shown = 3;
    QString text = damage.size() == 1
        ? TGameListDialog::tr("1 game is damaged and cannot be imported:")
        : TGameListDialog::tr("%1 games are damaged and cannot be imported:").arg(damage.size());
    for (const QString& error : damage.mid(0, Shown))
        text += QLatin1Char('\n') + error;
    if (damage.size() > Shown)
        text += QLatin1Char('\n') + TGameListDialog::tr("... and %1 more").arg(damage.size() - Shown);
    auto* note = new QLabel(text);
    note->setObjectName(QStringLiteral("DamageNote"));
    note->setWordWrap(true);
    return note;
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
    QStringList damage;
    int firstGood = -1;
    for (int row = 0; row < games.size(); ++row) {
        const TGameListEntry& game = games[row];
        const bool damaged = !game.Damage.isEmpty();
        const QList<QTableWidgetItem*> cells { Cell(QString::number(row + 1), numbers), Cell(game.White),
            Cell(game.Black), Cell(damaged ? tr("damaged") : game.Result, Qt::AlignCenter), Cell(game.Date),
            Cell(damaged ? QString() : QString::number(game.Moves), numbers) };
        for (int column = 0; column < cells.size(); ++column) {
            // A damaged game is listed with its error, greyed out; it cannot be selected.
            if (damaged) {
                cells[column]->setFlags(Qt::NoItemFlags);
                cells[column]->setToolTip(game.Damage);
            }
            Table->setItem(row, column, cells[column]);
        }
        if (damaged)
            damage.append(game.Damage);
        else if (firstGood < 0)
            firstGood = row;
    }
    // The players' names take the room the numbers, the result and the date leave.
    QHeaderView* header = Table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    if (firstGood >= 0)
        Table->selectRow(firstGood);
    connect(Table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table);
    if (!damage.isEmpty())
        layout->addWidget(DamageNote(damage));
    layout->addWidget(buttons);
    resize(560, 360);
}

int TGameListDialog::ChosenGame() const
{
    const QList<QTableWidgetItem*> selected = Table->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
}
