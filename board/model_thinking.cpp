// The computer player on the board's side: its settings, the engine thread that searches for it,
// requesting and cancelling a search, and the rule by which the board starts the engine by itself.

#include "chess_thread.h"
#include "chessbrd.h"

#include <QMessageBox>

#include <algorithm>

void TChessBoard::StartEngineThread()
{
    EngineMessageBox = [this](const QString& caption, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, this);
        box.exec();
    };
    FEngineThread = std::make_unique<ChessThread>(ChessThread::BoardLink {
        FThinking,
        FSearchDepth,
        // Runs on the engine thread while a search is requested, when nothing here changes.
        [this](engine::Engine& engine) {
            engine.LoadPosition(Squares + 1, FWhiteToMove, FCastlingAllowed.Bits(), SquareIndex(FEnPassant));
        },
        // A call posted to the board is dropped by Qt if the board is gone by then.
        [this](std::function<void()> call) { QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection); },
        [this](int oldSq, int newSq) { return Move(SquareAt(oldSq), SquareAt(newSq)); },
        [this] { EngineMoveRefused(); },
    });
    FEngineThread->SetPriority(FThinkingPriority);
    FEngineThread->OnTerminate = [this](TThread*) { FinishedThread(this); };
    FEngineThread->Start();
}

void TChessBoard::set_ComputerPlaysWhite(bool value)
{
    CancelThinking();
    FComputerPlaysWhite = value;
    FRefusedEngineSituation.reset();
}

void TChessBoard::set_ComputerPlaysBlack(bool value)
{
    CancelThinking();
    FComputerPlaysBlack = value;
    FRefusedEngineSituation.reset();
}

void TChessBoard::set_SearchDepth(int value) { FSearchDepth.store(std::clamp(value, 1, 10)); }

void TChessBoard::set_ThinkingPriority(TThreadPriority value)
{
    FThinkingPriority = std::min(value, tpNormal);
    if (FEngineThread)
        FEngineThread->SetPriority(FThinkingPriority);
}

void TChessBoard::CancelThinking()
{
    if (FEngineThread)
        FEngineThread->CancelThinking();
}

bool TChessBoard::MoveNow()
{
    // A handler inside Move sees a position that is only partly made; the engine must not read it.
    if (MakingMove)
        return false;
    CancelThinking();
    if (!LegalMoveAvailable())
        return false;
    FThinking.store(true);
    if (FEngineThread)
        FEngineThread->ThinkingRequested();
    return true;
}

void TChessBoard::FinishedThread(QObject*) { }

void TChessBoard::EngineMoveRefused()
{
    FRefusedEngineSituation = CurrentEngineSituation();
    if (EngineMessageBox)
        EngineMessageBox(QStringLiteral("Error"), QStringLiteral("Engine tried to perform Illegal Move"));
}

bool TChessBoard::AutomaticStartIsDue() const
{
    if (!FEngineThread || FThinking.load() || MakingMove || !ComputerIsToMove())
        return false;
    // After a refused engine move the same situation would only be refused again.
    return FRefusedEngineSituation != CurrentEngineSituation();
}

bool TChessBoard::event(QEvent* event)
{
    AbandonDragIfMouseIsLost(*event);
    if (AutomaticStartIsDue())
        MoveNow();
    return QWidget::event(event);
}
