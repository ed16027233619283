// The main window as it starts, its menu, and the commands that move about in a game without
// playing: Back, Forward, clicks in the move list, the player groups, Reverse board, Options, Exit.

#include "app/unit2.h"
#include "tests/app/app_test_support.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>

namespace {

using MainWindow = WindowTest;

TEST_F(MainWindow, StartsWithTheBoardAndComponentsAsDesigned)
{
    EXPECT_EQ(form->windowTitle(), "Zugwerk! 2.0");
    const TChessBoard& board = Board();
    EXPECT_EQ(board.Position(), StartPosition);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CastlingAllowed(), AllCastlingRights);
    EXPECT_EQ(board.DisplayCoordinates(), AllEdges);
    EXPECT_EQ(board.SearchDepth(), 3);
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_EQ(board.ResizeMaxSize(), 1000);
    EXPECT_EQ(board.SizeOfBorder(), 24);
    EXPECT_EQ(board.SizeOfSquare(), 40);
    EXPECT_EQ(board.size(), QSize(368, 368));
    EXPECT_EQ(board.StandardSize(), StandardSet::Size40);
    EXPECT_EQ(board.BorderColor(), clOlive);
    EXPECT_EQ(board.SquareColorDark(), clGray);
    EXPECT_EQ(board.SquareColorLight(), clSilver);
    EXPECT_EQ(board.CoordFont().family(), "Arial");
    EXPECT_EQ(board.CoordFont().HeightInPixels(), 9);
    EXPECT_EQ(board.CoordFont().Color(), clWhite);
    EXPECT_EQ(board.ThinkingPriority(), tpLower);
    EXPECT_FALSE(board.OnPromotion);
    EXPECT_FALSE(board.OnCapture);

    // "Player 1" (Black) above "Player 2" (White), both on "Human"; the right column lines up.
    EXPECT_EQ(form->RadioGroup1->Caption(), "Player 1");
    EXPECT_EQ(form->RadioGroup2->Caption(), "Player 2");
    EXPECT_LT(form->RadioGroup1->y(), form->RadioGroup2->y());
    EXPECT_EQ(form->RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(form->RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(form->RadioGroup1->x() - board.x(), 392);
    EXPECT_EQ(form->ListBox1->y() - board.y(), 184 - 32);
    EXPECT_EQ(form->Label1->text(), "00:00:00");
    EXPECT_EQ(form->Label2->text(), "00:00:00");
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 1000);
    EXPECT_TRUE(form->RichEdit1->isEmpty());
    // The hidden piece-set pictures are sets the board takes.
    EXPECT_EQ(form->SetChr32.size(), QSize(192, 128));
    EXPECT_EQ(form->ImageCm36.size(), QSize(216, 144));
    EXPECT_TRUE(TChessBoard::BitmapIsValidPieceSet(form->SetChr32));
    EXPECT_TRUE(TChessBoard::BitmapIsValidPieceSet(form->ImageCm36));
}

TEST_F(MainWindow, NothingIsClippedAtTheFormFont)
{
    // Every radio button fits inside its group, and the clocks fit their frames even at 100 hours.
    for (TRadioGroup* group : { form->RadioGroup1, form->RadioGroup2 })
        for (int i = 0; i < 2; ++i) {
            const QRadioButton* button = group->Button(i);
            EXPECT_TRUE(group->contentsRect().contains(button->geometry())) << i;
            EXPECT_GE(button->width(), button->sizeHint().width()) << i;
            EXPECT_GE(button->height(), button->minimumSizeHint().height()) << i;
        }
    for (QLabel* label : { form->Label1, form->Label2 }) {
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance("100:00:0"), label->width());
        EXPECT_LE(metrics.height(), label->height());
    }
    const QFontMetrics listMetrics(form->ListBox1->font());
    EXPECT_LE(listMetrics.height(), 13);
    EXPECT_LE(listMetrics.horizontalAdvance("              H7-H8"), form->ListBox1->viewport()->width());
}

TEST_F(MainWindow, MenuHasEveryItemWithItsAccessKeyAndShortcut)
{
    struct Item {
        QAction* action;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        { form->New1, "&New Game", Qt::CTRL | Qt::Key_N },
        { form->SaveGame1, "&Save Game...", {} },
        { form->OpenGame1, "&Open Game...", {} },
        { form->Save1, "Save &Moves...", {} },
        { form->Print1, "&Print Chessboard", Qt::CTRL | Qt::Key_P },
        { form->PrintMoves1, "Print &Moves", {} },
        { form->PrintSetup1, "P&rinter Setup...", {} },
        { form->Exit1, "E&xit", Qt::CTRL | Qt::Key_Q },
        { form->Back1, "&Back", Qt::CTRL | Qt::Key_B },
        { form->Forward1, "&Forward", Qt::CTRL | Qt::Key_F },
        { form->Stop1, "&Stop", {} },
        { form->Whiteontop1, "&Reverse board", Qt::CTRL | Qt::Key_R },
        { form->Options1, "&Options...", {} },
        { form->About1, "About...", {} },
        { form->ExportGame1, "&Export Game (PGN)...", Qt::CTRL | Qt::Key_E },
        { form->ImportGame1, "&Import Game (PGN)...", Qt::CTRL | Qt::Key_I },
        { form->CopyPosition1, "Copy &Position (FEN)", Qt::CTRL | Qt::SHIFT | Qt::Key_C },
        { form->PastePosition1, "Paste Position (FEN)", Qt::CTRL | Qt::SHIFT | Qt::Key_V },
        { form->CopyGame1, "&Copy Game (PGN)", Qt::CTRL | Qt::Key_C },
        { form->PasteGame1, "Paste &Game (PGN)", Qt::CTRL | Qt::Key_V },
        { form->ExportFinishedGame1, "Export &Finished Game (PGN)...", {} },
        { form->MoveNow1, "Move &Now", Qt::CTRL | Qt::Key_M },
        { form->Preferences1, "Pr&eferences...", {} },
        { form->TakeBack1, "&Take Back", Qt::CTRL | Qt::Key_Z },
        { form->ClaimDraw1, "Claim &Draw", {} },
        { form->NewGameSetup1, "New &Game...", Qt::CTRL | Qt::SHIFT | Qt::Key_N },
        { form->Engines1, "Eng&ines...", {} },
        { form->ExportMatch1, "Export Matc&h (PGN)...", {} },
        { form->AnalysisPanel1, "Analysis &Panel", Qt::CTRL | Qt::SHIFT | Qt::Key_A },
        { form->Hint1, "&Hint", Qt::CTRL | Qt::Key_H },
        { form->AnalyseGame1, "Analyse &Game", Qt::CTRL | Qt::SHIFT | Qt::Key_G },
        { form->EvaluationGraph1, "Evaluation G&raph", {} },
    };
    for (const Item& item : items) {
        EXPECT_EQ(item.action->text(), item.caption);
        EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.caption;
    }
    EXPECT_EQ(form->File1->title(), "&File");
    EXPECT_EQ(form->Edit1->title(), "&Edit");
    // The whole-game items come after the others, behind a separator of their own.
    EXPECT_EQ(form->File1->actions().size(), 20);
    EXPECT_EQ(form->File1->actions().indexOf(form->NewGameSetup1), 15);
    EXPECT_EQ(form->File1->actions().indexOf(form->ExportMatch1), 16);
    // The diagram items behind the whole-game items, behind a separator; Copy Diagram last in Edit.
    EXPECT_EQ(form->File1->actions().mid(17),
        (QList<QAction*> { form->File1->actions().at(17), form->ExportDiagram1, form->PrintDiagram1 }));
    EXPECT_TRUE(form->File1->actions().at(17)->isSeparator());
    EXPECT_EQ(form->Edit1->actions().back(), form->CopyDiagram1);
    EXPECT_EQ(form->CopyDiagram1->text(), "Copy Di&agram");
    EXPECT_EQ(form->ExportDiagram1->text(), "Export &Diagram...");
    EXPECT_EQ(form->PrintDiagram1->text(), "Print D&iagram");
    EXPECT_EQ(form->File1->actions().indexOf(form->Exit1), 10);
    EXPECT_EQ(form->File1->actions().indexOf(form->ExportGame1), 12);
    EXPECT_EQ(form->Edit1->actions().size(), 22);
    EXPECT_EQ(form->Edit1->actions().indexOf(form->ClaimDraw1), 17);
    EXPECT_EQ(form->Edit1->actions().indexOf(form->Engines1), 19) << "behind a separator of its own";
    EXPECT_TRUE(form->Edit1->actions().at(18)->isSeparator());
    EXPECT_EQ(form->Edit1->actions().indexOf(form->Options1), 6);
    EXPECT_EQ(form->Edit1->actions().indexOf(form->CopyPosition1), 8);
    EXPECT_EQ(form->menuBar()->actions().back(), form->About1);
    // The analysis menu stands behind Edit, before About; its docks are closed at the start.
    EXPECT_EQ(form->menuBar()->actions().indexOf(form->Analysis1->menuAction()), 2);
    EXPECT_EQ(form->Analysis1->actions(),
        (QList<QAction*> { form->AnalysisPanel1, form->Hint1, form->AnalyseGame1, form->AnalysisTime1->menuAction(),
            form->EvaluationGraph1 }));
    // The time per position of Analyse Game: one of five, 0.5 s at the start.
    EXPECT_TRUE(form->AnalysisTime1->actions().at(1)->isChecked());
    form->AnalysisTime1->actions().at(2)->trigger();
    EXPECT_EQ(form->GameAnalysisLimits.MoveTimeMs, 1000);
    EXPECT_FALSE(form->AnalysisTime1->actions().at(1)->isChecked());
    EXPECT_FALSE(form->AnalysisPanel1->isChecked());
    EXPECT_FALSE(form->EvaluationGraph1->isChecked());
    // No two items of the Edit menu share an access key.
    QSet<QChar> editKeys;
    for (const QAction* action : form->Edit1->actions())
        if (const qsizetype amp = action->text().indexOf(QLatin1Char('&')); amp >= 0) {
            const QChar key = action->text().at(amp + 1).toLower();
            EXPECT_FALSE(editKeys.contains(key)) << action->text().toStdString();
            editKeys.insert(key);
        }
}

TEST_F(MainWindow, BackAndForwardStopAtBothEndsOfTheGame)
{
    form->Back1->trigger();
    EXPECT_EQ(Board().Position(), StartPosition);
    EXPECT_TRUE(Board().WhiteToMove());

    Play(Board(), "e2e4 e7e5");
    const std::string end = Board().Position();
    QTest::mouseClick(form->ToolbarButton976, Qt::LeftButton);
    form->Back1->trigger();
    form->Back1->trigger();
    EXPECT_EQ(Board().Position(), StartPosition);
    EXPECT_EQ(Board().CurrentMove(), 1);
    EXPECT_TRUE(Board().WhiteToMove());
    EXPECT_EQ(ListLines().size(), 2);

    QTest::mouseClick(form->ToolbarButton974, Qt::LeftButton);
    form->Forward1->trigger();
    form->Forward1->trigger();
    EXPECT_EQ(Board().Position(), end);
    EXPECT_EQ(Board().CurrentMove(), 2);
    EXPECT_EQ(ListLines().size(), 2);
    EXPECT_EQ(form->ListBox1->currentRow(), -1);
}

TEST_F(MainWindow, ListLinesGoToThePositionAfterTheirMove)
{
    Play(Board(), "e2e4 e7e5 g1f3");
    const QString status = form->StatusText();
    clock.Advance(5);
    const double chr2 = form->Chr2->TotalTimeElapsed();

    struct Case {
        int row; // -1: the Down key
        int moveNumber;
        bool whiteToMove;
    };
    const Case cases[] = {
        { 0, 1, false }, // after 1. e4, Black to move
        { 1, 2, true }, // after 1... e5, White to move
        { -1, 2, false }, // Down to the next line: after 2. Nf3
        { -1, 1, true }, // Down at the last line selects nothing new, so the board stays
        { 0, 1, false }, { 0, 1, false }, // a second click on the selected line goes there again
    };
    for (const Case& c : cases) {
        // From the start position, which no line shows, each click has somewhere to go.
        ASSERT_TRUE(Board().GotoMove(1, true));
        const int row = c.row >= 0 ? c.row : std::min(form->ListBox1->currentRow() + 1, 2);
        SCOPED_TRACE(row);
        if (c.row >= 0)
            ClickListLine(c.row);
        else
            QTest::keyClick(form->ListBox1, Qt::Key_Down);
        EXPECT_EQ(Board().CurrentMove(), c.moveNumber);
        EXPECT_EQ(Board().WhiteToMove(), c.whiteToMove);
        EXPECT_EQ(Board().Position(), std::string(Board().GetMove(c.moveNumber, c.whiteToMove).PosStr + 1));
        EXPECT_EQ(form->ListBox1->currentRow(), row) << "the clicked line stays selected";
    }
    EXPECT_EQ(ListLines().size(), 3);
    EXPECT_EQ(form->StatusText(), status);
    EXPECT_EQ(form->Chr2->TotalTimeElapsed(), chr2);
    EXPECT_TRUE(form->Chr2->Running());
}

TEST_F(MainWindow, PlayerGroupsChooseTheComputerSidesAndReverseBoardKeepsThem)
{
    ClickRadio(*form->RadioGroup1, 1);
    EXPECT_TRUE(Board().ComputerPlaysBlack());
    EXPECT_FALSE(Board().ComputerPlaysWhite());
    ClickRadio(*form->RadioGroup1, 0);
    EXPECT_FALSE(Board().ComputerPlaysBlack());
    // The arrow keys count as a choice.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->RadioGroup2->Button(0)->setFocus();
    QTest::keyClick(form->RadioGroup2->Button(0), Qt::Key_Down);
    EXPECT_EQ(form->RadioGroup2->ItemIndex(), 1);
    EXPECT_TRUE(Board().ComputerPlaysWhite());
    ClickRadio(*form->RadioGroup2, 0);
    EXPECT_FALSE(Board().ComputerPlaysWhite());

    const QRect player1 = form->RadioGroup1->geometry();
    const QRect player2 = form->RadioGroup2->geometry();
    form->Whiteontop1->trigger();
    EXPECT_TRUE(Board().WhiteOnTop());
    QTest::mouseClick(form->ToolbarButton977, Qt::LeftButton);
    EXPECT_FALSE(Board().WhiteOnTop());
    form->Whiteontop1->trigger();
    EXPECT_EQ(form->RadioGroup1->geometry(), player1);
    EXPECT_EQ(form->RadioGroup2->geometry(), player2);
}

TEST_F(MainWindow, OptionsShowsTheDialogWithoutBlockingTheWindow)
{
    TForm2 options(*form);
    form->SetOptionsDialog(options);
    form->Options1->trigger();
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(options.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form->Options1->trigger(); // already open: only brought to the front
    EXPECT_TRUE(options.isVisible());
}

TEST_F(MainWindow, ExitAndClosingTheWindowEndTheEventLoop)
{
    const std::function<void()> ways[] = { [&] { form->Exit1->trigger(); }, [&] { form->close(); } };
    for (const auto& end : ways) {
        QTimer fallback;
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        fallback.start(10000);
        QTimer::singleShot(0, form.get(), end);
        EXPECT_EQ(QCoreApplication::exec(), 0);
    }
}

} // namespace
