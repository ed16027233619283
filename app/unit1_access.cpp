// The window for players who do not use the mouse or the screen alone: moves typed on the board, the
// board's accessible description, and an accessible name for every control.

#include "app/unit1.h"

#include "app/accessible_names.h"
#include "app/board_announcer.h"
#include "app/colorbutton97.h"
#include "app/controls.h"
#include "app/move_list_view.h"
#include "app/move_typing.h"
#include "board/chessbrd.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

void TForm1::CreateMoveTyping()
{
    BoardAnnouncer = new TBoardAnnouncer(*ChessBrd1, this);
    MoveTyping = new TMoveTyping(*ChessBrd1, this);
    MoveTyping->Show = [this](const QString& text) {
        TypingPanel->setText(text);
        TypingPanel->setVisible(!text.isEmpty());
    };
    MoveTyping->SquareNamed = [this](Square sq) { BoardAnnouncer->set_TypedSquare(sq); };
    ChessBrd1->OnShownChanged = [this](QObject*) {
        BoardAnnouncer->Refresh();
        MoveTyping->ShownChanged();
        ShowAnalysisPosition();
    };
}

void TForm1::NameControls()
{
    ChessBrd1->setAccessibleName(tr("Chessboard"));
    const auto namePlayers = [](TRadioGroup& group, const QString& name) {
        group.setAccessibleName(name);
        for (int item = 0; QRadioButton* button = group.Button(item); ++item)
            button->setAccessibleName(QStringLiteral("%1: %2").arg(name, CaptionWithoutAccessKey(button->text())));
    };
    namePlayers(*RadioGroup1, tr("Player 1, Black"));
    namePlayers(*RadioGroup2, tr("Player 2, White"));
    Bevel1->setAccessibleName(tr("Frame of the first player's clock"));
    Label1->setAccessibleName(tr("First player's clock"));
    Bevel2->setAccessibleName(tr("Frame of the second player's clock"));
    Label2->setAccessibleName(tr("Second player's clock"));
    ListBox1->setAccessibleName(tr("Moves of the game"));
    MoveListView->setAccessibleName(tr("Moves of the game"));
    MoveListView->horizontalHeader()->setAccessibleName(tr("Columns of the moves"));
    MoveListView->verticalHeader()->setAccessibleName(tr("Rows of the moves"));
    ClaimDrawButton->setAccessibleName(CaptionWithoutAccessKey(ClaimDraw1->text()));
    StatusBar1->setAccessibleName(tr("Status bar"));
    StatusPanel->setAccessibleName(tr("Status"));
    ThinkingPanel->setAccessibleName(tr("What the computer is thinking"));
    TypingPanel->setAccessibleName(tr("Move typed on the board"));
    menuBar()->setAccessibleName(tr("Menu bar"));
    for (QMenu* menu : { File1, Edit1, Analysis1, AnalysisTime1 })
        NameAfterCaption(*menu, menu->title());
    Toolbar971->setAccessibleName(Toolbar971->windowTitle());
    // Every item of the toolbar is named by its hint, the colours of a colour button's grid by their
    // names already.
    for (QWidget* item : Toolbar971->findChildren<QWidget*>())
        if (!item->toolTip().isEmpty() && item->accessibleName().isEmpty())
            item->setAccessibleName(item->toolTip());
    for (TColorButton97* button : { ColorButton971, ColorButton972 })
        for (TColorGrid* grid : button->findChildren<TColorGrid*>())
            grid->setAccessibleName(tr("Colours for %1").arg(button->toolTip()));
}
