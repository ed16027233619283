#include "app/analysis_lines.h"

#include "notation/move_rules.h"

#include <cstdlib>
#include <vector>

namespace {

// "12." before White's move, "12..." before a first move of Black's.
QString MoveNumber(const notation::Position& position, bool first)
{
    if (position.WhiteToMove)
        return QString::number(position.FullmoveNumber) + '.';
    return first ? QString::number(position.FullmoveNumber) + "..." : QString();
}

} // namespace

std::optional<notation::Evaluation> WhiteView(const TUciInfo& info, bool whiteToMove)
{
    const int sign = whiteToMove ? 1 : -1;
    if (info.MateIn) {
        if (*info.MateIn == 0)
            return MatedEvaluation(whiteToMove);
        return notation::Evaluation { 0, sign * *info.MateIn };
    }
    if (info.ScoreCp)
        return notation::Evaluation { sign * *info.ScoreCp, std::nullopt };
    return std::nullopt;
}

notation::Evaluation MatedEvaluation(bool whiteIsMated) { return { whiteIsMated ? -1 : 1, 0 }; }

std::optional<TAnalysisLine> AnalysisLine(const notation::Position& position, const TUciInfo& info)
{
    if (info.Pv.isEmpty() || (!info.ScoreCp && !info.MateIn))
        return std::nullopt;
    // The rules are costly to set up, and engines report many lines: one serves all of them.
    thread_local notation::MoveRules rules;
    rules.Load(position);
    TAnalysisLine line;
    QStringList words;
    for (const QString& coordinates : info.Pv) {
        const notation::LegalMove* legal = LegalMoveNamed(rules, coordinates);
        if (!legal)
            break; // the rest of the line is not this position's
        if (words.isEmpty()) {
            line.First = legal->Move;
            line.FirstMove = coordinates;
        }
        if (const QString number = MoveNumber(rules.Current(), words.isEmpty()); !number.isEmpty())
            words.append(number);
        words.append(QString::fromStdString(notation::MoveToSan(rules.Current(), legal->Move)));
        rules.Play(legal->Move);
    }
    if (words.isEmpty())
        return std::nullopt;
    line.Moves = words.join(' ');
    line.Rank = info.MultiPv;
    line.Depth = info.Depth;
    line.SelDepth = info.SelDepth;
    line.Nodes = info.Nodes;
    line.Nps = info.Nps;
    line.LowerBound = info.LowerBound;
    line.UpperBound = info.UpperBound;
    line.Eval = *WhiteView(info, position.WhiteToMove);
    return line;
}

QString EvaluationText(const notation::Evaluation& eval)
{
    if (eval.MateIn)
        return (*eval.MateIn < 0 ? "-M" : "M") + QString::number(std::abs(*eval.MateIn));
    // Ten pawns and more lose a decimal, so that the text still fits a narrow place.
    const double abs = std::abs(eval.Centipawns) / 100.0;
    const QString pawns = QString::number(abs, 'f', abs >= 10 ? 1 : 2);
    return eval.Centipawns > 0 ? '+' + pawns : eval.Centipawns < 0 ? '-' + pawns : pawns;
}
