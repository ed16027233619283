// What the computer is thinking, while the player asks to see it: the depth its search has reached,
// its best move so far in standard notation and the score of it, in the status bar beside the
// status text, until the computer's turn is over.

#include "app/unit1.h"

#include "app/game_transfer.h"
#include "board/chessbrd.h"
#include "notation/move_rules.h"

#include <QLabel>

#include <cstdlib>

namespace {

// From White's side, as the score of a game is read: "+0.35", "-1.20"; a mate as "#3" (White mates
// in three moves) or "#-3" (Black does).
QString ScoreText(const TThinkingProgress& progress, bool whiteToMove)
{
    const int side = whiteToMove ? 1 : -1;
    if (const int mate = progress.MovesToMate(); mate != 0)
        return QStringLiteral("#%1").arg(side * mate);
    const int score = side * progress.Score;
    return QStringLiteral("%1%2")
        .arg(score < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(std::abs(score) / 100.0, 0, 'f', 2);
}

// The move in standard notation; in coordinates should the board's position not allow it.
QString BestMoveText(const TChessBoard& board, const TThinkingProgress& progress)
{
    const notation::Move move { SquareIndex(progress.From), SquareIndex(progress.To), progress.Promotion };
    try {
        return QString::fromStdString(notation::MoveToSan(BoardPosition(board), move));
    } catch (const notation::NotationError&) {
        return QString::fromStdString(notation::CoordinateText(move));
    }
}

} // namespace

void TForm1::ChessBrd1ThinkingProgress(QObject*, const TThinkingProgress& Progress)
{
    if (!FPreferences.ShowThinking || !IsOnBoard(Progress.From)) {
        ThinkingPanel->hide();
        return;
    }
    ThinkingPanel->setText(tr("Thinking… depth %1: %2 (%3)")
                               .arg(Progress.Depth)
                               .arg(BestMoveText(*ChessBrd1, Progress), ScoreText(Progress, ChessBrd1->WhiteToMove())));
    ThinkingPanel->show();
}

void TForm1::ChessBrd1ThinkingEnded(QObject*)
{
    ThinkingPanel->hide();
    ThinkingPanel->clear();
}
