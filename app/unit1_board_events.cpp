// The board's events as the window shows them: status texts, game-end boxes and a new game.

#include "app/unit1.h"

#include "app/application.h"
#include "app/controls.h"
#include "app/dialogs.h"
#include "board/chessbrd.h"

#include <QLabel>

const QString TForm1::RecordFullText = QStringLiteral("Game record full: no more moves; start a new game");

QString TForm1::StatusText() const { return StatusPanel->text(); }

void TForm1::SetStatus(const QString& text) { StatusPanel->setText(text); }

void TForm1::ChessBrd1LegalMove(QObject*, Square, Square newSq)
{
    UpdateMoveList();
    SetStatus(QStringLiteral("Move %1 : %2").arg(ChessBrd1->CurrentMove()).arg(SquareIndex(newSq)));
    SwitchClocks();
}

void TForm1::ChessBrd1IllegalMove(QObject*, Square)
{
    SetStatus(RecordIsFull() ? RecordFullText : QStringLiteral("Illegal move"));
}

void TForm1::ChessBrd1Check(QObject*, Square, Square) { SetStatus(QStringLiteral("Check")); }

void TForm1::ChessBrd1Castle(QObject*, Square, Square) { SetStatus(QStringLiteral("Castle")); }

void TForm1::ChessBrd1Mate(QObject*, Square, Square) { EndGame(QStringLiteral("Mate"), QStringLiteral("Mate!")); }

void TForm1::ChessBrd1StaleMate(QObject*, Square, Square)
{
    EndGame(QStringLiteral("Draw: Stalemate"), QStringLiteral("Draw!  Stalemate."));
}

void TForm1::ChessBrd1ThreefoldPosition(QObject*)
{
    EndGame(
        QStringLiteral("Draw: 3-Time Repetition of Position"), QStringLiteral("Draw!  3-time repetition of position."));
}

void TForm1::ChessBrd1OnlyTwoKingsLeft(QObject*)
{
    EndGame(QStringLiteral("Draw: Only two kings left"), QStringLiteral("Draw!  Only two kings left."));
}

// Runs inside the board's move: the new game starts at once, while the move list keeps the finished
// game until the next move refreshes it.
void TForm1::EndGame(const QString& status, const QString& message)
{
    KeepFinishedGame();
    SetStatus(status);
    FDialogs.MessageBox(this, TZugwerkApplication::Title(), message, QMessageBox::NoIcon, QMessageBox::Ok);
    ChessBrd1->NewGame();
    ResetClocks();
}

// The record holds Black's half-moves up to move 254: at move 255 with Black to move the board
// refuses every move, whoever makes it.
bool TForm1::RecordIsFull() const
{
    return ChessBrd1->CurrentMove() >= TChessBoard::LastMoveNumber && !ChessBrd1->WhiteToMove();
}

void TForm1::EngineMessageBox(const QString& caption, const QString& text)
{
    if (RecordIsFull())
        SetStatus(RecordFullText);
    else
        FDialogs.MessageBox(this, caption, text, QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel);
}
