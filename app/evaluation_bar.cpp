// The evaluation bar's curve, its score text and its picture.

#include "app/evaluation_bar.h"

#include "app/analysis_lines.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QColor WhitePart(238, 238, 232);
const QColor BlackPart(58, 56, 52);
const QColor EmptyLook(160, 160, 160);
const QColor Outline(110, 110, 110);

// How fast the curve leaves the middle: 0.4 per pawn puts +3 at about three quarters.
constexpr double Steepness = 0.4;
// The loser keeps a sliver of the bar until a mate is foreseen.
constexpr double LeastShare = 0.05;
constexpr int LargestTextPixels = 9;
constexpr int SmallestTextPixels = 6;
constexpr int TextMargin = 2;

bool WhiteLeads(const notation::Evaluation& evaluation)
{
    return evaluation.MateIn ? *evaluation.MateIn >= 0 : evaluation.Centipawns >= 0;
}

} // namespace

TEvaluationBar::TEvaluationBar(QWidget* parent)
    : QWidget(parent)
{
    setFixedWidth(BarWidth);
    setAccessibleName(tr("Evaluation"));
    setToolTip(tr("No evaluation"));
}

void TEvaluationBar::SetEvaluation(std::optional<notation::Evaluation> evaluation)
{
    if (evaluation == FEvaluation)
        return;
    FEvaluation = evaluation;
    const QString text = evaluation ? EvaluationText(*evaluation) : tr("No evaluation");
    setToolTip(text);
    setAccessibleDescription(evaluation ? text : QString());
    update();
}

void TEvaluationBar::SetWhiteAtBottom(bool value)
{
    if (value == FWhiteAtBottom)
        return;
    FWhiteAtBottom = value;
    update();
}

// A mate in 0 names no winner (the side to move is mated, and the score does not say which side
// that is), so it stays in the middle.
double TEvaluationBar::WhiteShare(const notation::Evaluation& evaluation)
{
    if (evaluation.MateIn)
        return *evaluation.MateIn > 0 ? 1.0 : *evaluation.MateIn < 0 ? 0.0 : 0.5;
    const double pawns = evaluation.Centipawns / 100.0;
    const double share = 0.5 + 0.5 * (2.0 / (1.0 + std::exp(-Steepness * pawns)) - 1.0);
    return std::clamp(share, LeastShare, 1.0 - LeastShare);
}

void TEvaluationBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect bar = rect();
    if (!FEvaluation) {
        painter.fillRect(bar, EmptyLook);
    } else {
        const int whiteHeight = static_cast<int>(std::lround(WhiteShare(*FEvaluation) * bar.height()));
        const int blackHeight = bar.height() - whiteHeight;
        const QRect top(0, 0, bar.width(), FWhiteAtBottom ? blackHeight : whiteHeight);
        const QRect bottom(0, top.height(), bar.width(), bar.height() - top.height());
        painter.fillRect(top, FWhiteAtBottom ? BlackPart : WhitePart);
        painter.fillRect(bottom, FWhiteAtBottom ? WhitePart : BlackPart);

        // At the winner's end, in the colour that stands out on the winner's part.
        const bool white = WhiteLeads(*FEvaluation);
        const QString text = EvaluationText(*FEvaluation);
        QFont font = painter.font();
        for (int pixels = LargestTextPixels; pixels >= SmallestTextPixels; --pixels) {
            font.setPixelSize(pixels);
            if (QFontMetrics(font).horizontalAdvance(text) <= bar.width() - 2)
                break;
        }
        painter.setFont(font);
        painter.setPen(white ? BlackPart : WhitePart);
        const bool atBottom = white == FWhiteAtBottom;
        const QRect room = bar.adjusted(0, TextMargin, 0, -TextMargin);
        painter.drawText(room, Qt::AlignHCenter | (atBottom ? Qt::AlignBottom : Qt::AlignTop), text);
    }
    painter.setPen(Outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
}
