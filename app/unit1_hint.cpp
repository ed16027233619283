// Hint: the best move for the side to move, shown as an arrow on the board until the next move.
// It comes from the analysis panel when that has a line for the position, else from a short search
// of the project's own engine in a process of its own, started at the first hint and kept for the
// next ones.

#include "app/unit1.h"

#include "app/analysis_panel.h"
#include "app/uci_engine.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"
#include "notation/move_rules.h"

#include <QAction>
#include <QMenu>

void TForm1::CreateHintItem()
{
    Hint1 = MenuItem(Analysis1, "Hint1", tr("&Hint"), QKeySequence(Qt::CTRL | Qt::Key_H), &TForm1::Hint1Click);
    Hint1->setToolTip(tr("An arrow for the best move of the side to move"));
}

void TForm1::Hint1Click(QObject*)
{
    const std::optional<notation::Position> position = AnalysablePosition();
    if (!position) {
        SetStatus(tr("No hint: the board holds no legal position."));
        return;
    }
    if (notation::LegalMoves(*position).empty()) {
        SetStatus(tr("No hint: the game is over."));
        return;
    }
    if (AnalysisPanel->isVisible() && AnalysisPanel->Position() == position && !AnalysisPanel->Lines().empty()
        && !AnalysisPanel->Lines()[0].Moves.isEmpty()) {
        ShowHint(*position, AnalysisPanel->Lines()[0].First);
        return;
    }
    HintPosition = position;
    if (!HintEngine) {
        const QString program = EngineSearch.OwnEngine();
        if (program.isEmpty()) {
            SetStatus(tr("No hint: the engine zugwerk-engine is not beside the program."));
            return;
        }
        HintEngine = new TUciEngine(this);
        connect(HintEngine, &TUciEngine::Ready, this, [this] { AskForHint(); });
        connect(HintEngine, &TUciEngine::BestMove, this, [this](int search, const QString& move) {
            if (search == HintSearch)
                CatchAtEntryPoint([&] { HintAnswered(move); });
        });
        connect(HintEngine, &TUciEngine::Failed, this, [this](TUciEngine::TFailure, const QString& message) {
            SetStatus(tr("No hint: %1").arg(message));
            HintEngine->deleteLater();
            HintEngine = nullptr;
        });
        HintEngine->Start(program);
        SetStatus(tr("Looking for a hint..."));
        return;
    }
    AskForHint();
}

void TForm1::AskForHint()
{
    if (!HintEngine || !HintEngine->IsReady() || !HintPosition)
        return;
    HintEngine->Stop();
    TUciGo limits;
    limits.MoveTimeMs = HintTimeMs;
    HintSearch = HintEngine->Go(
        QString::fromStdString(notation::WriteFen(*HintPosition)), {}, limits, HintPosition->WhiteToMove);
    SetStatus(tr("Looking for a hint..."));
}

// The answer counts only while the board still shows the position it was asked for.
void TForm1::HintAnswered(const QString& move)
{
    HintSearch = 0;
    const std::optional<notation::Position> asked = std::exchange(HintPosition, std::nullopt);
    if (!asked || AnalysablePosition() != asked)
        return;
    const notation::MoveRules rules(*asked);
    if (const notation::LegalMove* legal = LegalMoveNamed(rules, move)) {
        ShowHint(*asked, legal->Move);
        return;
    }
    SetStatus(tr("No hint: the engine answered %1, which is no legal move.").arg(move));
}

void TForm1::ShowHint(const notation::Position& position, notation::Move move)
{
    ChessBrd1->set_HintArrow(static_cast<Square>(move.From), static_cast<Square>(move.To));
    SetStatus(tr("Hint: %1").arg(QString::fromStdString(notation::MoveToSan(position, move))));
}
