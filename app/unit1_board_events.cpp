// The board's events as the window shows them: status texts, game-end boxes and a new game, or the
// finished game kept on the board. With "Status and results in words" the texts come from
// status_words.h, falling back to the classic ones where those have no sentence.

#include "app/unit1.h"

#include "app/match.h"

#include "app/application.h"
#include "app/controls.h"
#include "app/dialogs.h"
#include "app/move_sounds.h"
#include "app/status_words.h"
#include "board/chessbrd.h"

#include <QLabel>

namespace {

constexpr const char* RecordFullSource
    = QT_TRANSLATE_NOOP("TForm1", "Game record full: no more moves; start a new game");

} // namespace

const QString TForm1::RecordFullText = QLatin1String(RecordFullSource);

QString TForm1::StatusText() const { return StatusPanel->text(); }

void TForm1::SetStatus(const QString& text) { StatusPanel->setText(text); }

void TForm1::ChessBrd1LegalMove(QObject*, Square oldSq, Square newSq)
{
    UpdateMoveList();
    const QString classic = tr("Move %1 : %2").arg(ChessBrd1->CurrentMove()).arg(SquareIndex(newSq));
    const QString san = FPreferences.StatusInWords ? SanOfMoveBeingMade(*ChessBrd1, oldSq, newSq) : QString();
    SetStatus(san.isEmpty() ? classic : MovePlayedInWords(!ChessBrd1->WhiteToMove(), san));
    MoveSounds->Hear(TSoundKind::Move);
    SwitchClocks();
    UpdateTakeBack();
}

void TForm1::ChessBrd1IllegalMove(QObject*, Square)
{
    if (ChessBrd1->GameOver())
        SetStatus(FinishedGameRefusal(FinalStatus));
    else
        SetStatus(RecordIsFull() ? tr(RecordFullSource) : tr("Illegal move"));
}

// The side to move is the one in check.
void TForm1::ChessBrd1Check(QObject*, Square, Square)
{
    MoveSounds->Hear(TSoundKind::Check);
    SetStatus(FPreferences.StatusInWords ? CheckInWords(ChessBrd1->WhiteToMove()) : tr("Check"));
}

// The side that castled has passed the turn; its king went to the g or the c file.
void TForm1::ChessBrd1Castle(QObject*, Square, Square newSq)
{
    SetStatus(FPreferences.StatusInWords ? CastlingInWords(!ChessBrd1->WhiteToMove(), TChessBoard::XPos(newSq) == 7)
                                         : tr("Castle"));
}

void TForm1::ChessBrd1Mate(QObject*, Square, Square) { EndGame(QT_TR_NOOP("Mate"), QT_TR_NOOP("Mate!")); }

void TForm1::ChessBrd1StaleMate(QObject*, Square, Square)
{
    EndGame(QT_TR_NOOP("Draw: Stalemate"), QT_TR_NOOP("Draw!  Stalemate."));
}

void TForm1::ChessBrd1ThreefoldPosition(QObject*)
{
    EndGame(QT_TR_NOOP("Draw: 3-Time Repetition of Position"), QT_TR_NOOP("Draw!  3-time repetition of position."));
}

void TForm1::ChessBrd1OnlyTwoKingsLeft(QObject*)
{
    EndGame(QT_TR_NOOP("Draw: Only two kings left"), QT_TR_NOOP("Draw!  Only two kings left."));
}

void TForm1::EndGame(const char* status, const char* message)
{
    EndGame(tr(status), tr(message), QLatin1String(status));
}

// Runs inside the board's move. Classically the new game starts at once, while the move list keeps
// the finished game until the next move refreshes it. A game kept on the board (KeepFinalPosition,
// or WaitAfterComputerGame after two computers played) stays there with its result in the status
// bar and the clocks stopped, taking no more moves, until the player starts a new game.
void TForm1::EndGame(const QString& status, const QString& message, const QString& classicStatus)
{
    // A move that ends a kept game twice over (a mate that also repeats a position) ends it once.
    if (ChessBrd1->GameOver())
        return;
    MoveSounds->Hear(TSoundKind::GameEnd);
    // The chess clock of a time control stands still during the box; a new game starts it afresh.
    if (FChessClock)
        FChessClock->Pause();
    // The game stays on the board, its tags and result with it.
    const std::optional<notation::Game> imported = ImportedGame;
    KeepFinishedGame();
    // The last game of a match stays, so that the computers do not play on.
    const bool matchOver = RecordMatchGame();
    const bool keep = matchOver || FPreferences.KeepFinalPosition
        || (FPreferences.WaitAfterComputerGame && ChessBrd1->ComputerPlaysWhite() && ChessBrd1->ComputerPlaysBlack());
    // Inside the move the mated side is to move: the winner made the move.
    const std::optional<TGameEndWords> words
        = FPreferences.StatusInWords ? GameEndInWords(classicStatus, !ChessBrd1->WhiteToMove()) : std::nullopt;
    SetStatus(words ? words->Status : status);
    if (keep) {
        ImportedGame = imported;
        FinalStatus = StatusText();
        ChessBrd1->set_GameOver(true);
        StopClocks();
    }
    QString box = words ? words->Box : message;
    if (FMatch && FMatch->GamesPlayed() > 0)
        box += QStringLiteral("\n\n") + FMatch->ScoreText();
    FDialogs.MessageBox(this, TZugwerkApplication::Title(), box, QMessageBox::NoIcon, QMessageBox::Ok);
    if (!keep) {
        ChessBrd1->NewGame();
        ResetClocks();
        BeginNextMatchGame();
        RenewEnginePlayers();
    }
    UpdateTakeBack();
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
        SetStatus(tr(RecordFullSource));
    else
        FDialogs.MessageBox(this, caption, text, QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel);
}
