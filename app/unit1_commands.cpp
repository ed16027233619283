// The commands of the menu and the toolbar, the player groups and the colour buttons.

#include "app/unit1.h"

#include "app/application.h"
#include "app/colorbutton97.h"
#include "app/controls.h"
#include "app/dialogs.h"
#include "app/status_words.h"
#include "app/unit2.h"
#include "board/chessbrd.h"

#include <QCloseEvent>
#include <QCoreApplication>

void TForm1::New1Click(QObject*)
{
    if (!MayDiscardGame())
        return;
    ImportedGame.reset();
    ChessBrd1->NewGame();
    UpdateMoveList();
    ResetClocks();
    RenewEnginePlayers();
    UpdateTakeBack();
}

void TForm1::Back1Click(QObject*)
{
    ChessBrd1->MoveBackward();
    UpdateMoveList();
    UpdateTakeBack();
    FollowSideToMove();
}

void TForm1::Forward1Click(QObject*)
{
    ChessBrd1->MoveForward();
    UpdateMoveList();
    UpdateTakeBack();
    FollowSideToMove();
}

// Interrupts the current search only: a computer side stays one and thinks again at the board's
// next occasion.
void TForm1::Stop1Click(QObject*) { ChessBrd1->CancelThinking(); }

// The computer plays at once what it has found, or starts where it waits; a human's turn is theirs.
void TForm1::MoveNow1Click(QObject*)
{
    if (ChessBrd1->ComputerMoveNow())
        return;
    if (ChessBrd1->GameOver())
        SetStatus(FinishedGameRefusal(FinalStatus));
    else if (!ChessBrd1->ComputerIsToMove())
        SetStatus(tr("Move Now: the side to move is played by a human"));
    else if (!ChessBrd1->Thinking())
        SetStatus(tr("Move Now: there is no move to make"));
}

// Turns the board; the player groups keep their places.
void TForm1::Whiteontop1Click(QObject*) { ChessBrd1->set_WhiteOnTop(!ChessBrd1->WhiteOnTop()); }

void TForm1::SetOptionsDialog(TForm2& dialog) { FOptionsDialog = &dialog; }

// The options dialog is not modal: the main window stays usable while it is open.
void TForm1::Options1Click(QObject*)
{
    if (!FOptionsDialog)
        return;
    FOptionsDialog->show();
    FOptionsDialog->raise();
    FOptionsDialog->activateWindow();
}

void TForm1::About1Click(QObject*)
{
    const QString text = QStringLiteral("Zugwerk! 2.0\n") + tr("The chess game") + QStringLiteral("\n\n")
        + tr("Made by The Zugwerk! developers, free software under the GPL 3 or later") + QLatin1Char('\n')
        + tr("Questions and comments: see README.md of the Zugwerk! project");
    FDialogs.MessageBox(this, TZugwerkApplication::Title(), text, QMessageBox::NoIcon, QMessageBox::Ok);
}

// Ends the event loop at once; the windows are destroyed after it, the board's engine thread with them.
void TForm1::Exit1Click(QObject*) { QCoreApplication::exit(0); }

// Closing the main window ends the program, also while the options dialog is open.
void TForm1::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::exit(0);
}

void TForm1::RadioGroup1Click(QObject*)
{
    LeaveSetupForSide(false, RadioGroup1->ItemIndex() != 0);
    ChessBrd1->set_ComputerPlaysBlack(RadioGroup1->ItemIndex() != 0);
    UpdateTakeBack();
}

void TForm1::RadioGroup2Click(QObject*)
{
    LeaveSetupForSide(true, RadioGroup2->ItemIndex() != 0);
    ChessBrd1->set_ComputerPlaysWhite(RadioGroup2->ItemIndex() != 0);
    UpdateTakeBack();
}

void TForm1::ColorButton971AfterAccept(QObject*) { ChessBrd1->set_SquareColorDark(ColorButton971->Color()); }

void TForm1::ColorButton972AfterAccept(QObject*) { ChessBrd1->set_SquareColorLight(ColorButton972->Color()); }
