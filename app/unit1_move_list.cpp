// The move list: refilled from the board's record after every change, a click on a line goes to that
// position, and its lines as the move-list file and printout write them.

#include "app/unit1.h"

#include "app/controls.h"
#include "board/chessbrd.h"

void TForm1::UpdateMoveList()
{
    ListShowsFinishedGame = false;
    QStringList lines;
    for (const std::string& line : ChessBrd1->GetMoveList())
        lines.append(QString::fromStdString(line));
    ListBox1->SetLines(lines);
}

// The lines alternate White, Black from the record's first move on (a record that starts with Black
// to move shows White's half-move as dots). A White line shows the position after that move, with
// Black to move; a Black line the position after that Black move, which starts White's next move.
void TForm1::ListBox1Click(QObject*)
{
    const int i = ListBox1->currentRow();
    if (i < 0)
        return;
    const int first = ChessBrd1->FirstRecordedMove();
    if (i % 2 == 0)
        ChessBrd1->GotoMove(first + i / 2, false);
    else
        ChessBrd1->GotoMove(first + (i + 1) / 2, true);
}

QStringList TForm1::MoveListLines() const
{
    QStringList lines;
    for (int row = 0; row < ListBox1->count(); ++row)
        lines.append(ListBox1->item(row)->text());
    return lines;
}
