// The evaluation bar beside the board, shown while the player asks for it. It stands in the strip
// between the board and the player groups, so that the window keeps its size and every other part
// its place; it turns with the board.

#include "app/unit1.h"

#include "app/analysis_panel.h"
#include "app/evaluation_bar.h"
#include "board/chessbrd.h"

namespace {

// From the board's right edge to the bar.
constexpr int GapToBoard = 2;

} // namespace

void TForm1::CreateEvaluationBar()
{
    EvaluationBar = new TEvaluationBar(centralWidget());
    EvaluationBar->setObjectName(QStringLiteral("EvaluationBar"));
    EvaluationBar->hide();
    EvaluationBar->SetWhiteAtBottom(!ChessBrd1->WhiteOnTop());
    connect(ChessBrd1, &TChessBoard::WhiteOnTopChanged, EvaluationBar,
        [this] { EvaluationBar->SetWhiteAtBottom(!ChessBrd1->WhiteOnTop()); });
    // The analysis panel's best line, while the panel analyses.
    connect(AnalysisPanel, &TAnalysisPanel::EvaluationChanged, EvaluationBar, &TEvaluationBar::SetEvaluation);
}

void TForm1::ShowEvaluationBarOfPreference()
{
    const QRect board = ChessBrd1->geometry();
    EvaluationBar->setGeometry(board.right() + 1 + GapToBoard, board.top(), TEvaluationBar::BarWidth, board.height());
    EvaluationBar->setVisible(FPreferences.EvaluationBar);
}
