// The board filling the window, while the player asks for it. The board takes the room the central
// area leaves beside the player groups, the clocks and the move list, which stand right of it as they
// stand beside the classic board; the move list reaches down to the area's bottom, and board and
// panel are centred when the window is wider than they need. Off, every part has its classic place.

#include "app/unit1.h"

#include "app/controls.h"
#include "app/move_list_view.h"
#include "board/chessbrd.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>
#include <array>

namespace {

// The classic central area: the board at the top left, BoardTop pixels down, and BelowBoard pixels
// under it; the player groups, clocks and move list take PanelExtent pixels right of it.
constexpr int BoardTop = 6;
constexpr int BelowBoard = 2;
constexpr int PanelExtent = 194;
constexpr int ClassicBoardSide = 8 * TChessBoard::ClassicSizeOfSquare + 2 * TChessBoard::ClassicSizeOfBorder;

} // namespace

void TForm1::LayOutBoard()
{
    const QSize area = centralWidget()->size();
    TChessBoard& board = *ChessBrd1;
    int left = 0;
    int listGrowth = 0;
    if (FPreferences.BoardFillsWindow) {
        board.set_Room(QSize(area.width() - PanelExtent, area.height() - BoardTop - BelowBoard));
        left = std::max(0, (area.width() - board.width() - PanelExtent) / 2);
        listGrowth = std::max(0, area.height() - BoardTop - BelowBoard - ClassicBoardSide);
    } else {
        board.set_Room(std::nullopt);
    }
    board.move(left, BoardTop);

    const QPoint shift(left + board.width() - ClassicBoardSide, 0);
    const QPoint step = shift - FSidePanelShift;
    const std::array<QWidget*, 8> panel { RadioGroup1, RadioGroup2, Bevel1, Label1, Bevel2, Label2, ListBox1,
        MoveListView };
    for (QWidget* part : panel)
        part->move(part->pos() + step);
    for (QWidget* list : std::array<QWidget*, 2> { ListBox1, MoveListView })
        list->resize(list->width(), list->height() + listGrowth - FMoveListGrowth);
    FSidePanelShift = shift;
    FMoveListGrowth = listGrowth;
    ShowEvaluationBarOfPreference();
}
