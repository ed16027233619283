#pragma once

// What an engine reports while it searches: one "info ..." line read into its depth, score and line.
// Lines that carry no score and line (currmove, hashfull, strings) are not search results and read
// as nothing, as does a line whose numbers are not numbers.

#include <QString>
#include <QStringList>

#include <optional>

namespace notation {
class MoveRules;
struct LegalMove;
}

struct TUciInfo {
    int MultiPv = 1; // the line's rank, 1 for the best
    int Depth = 0;
    std::optional<int> SelDepth;
    // From the side to move's view: centipawns, or moves to mate (negative: it is mated).
    std::optional<int> ScoreCp;
    std::optional<int> MateIn;
    bool LowerBound = false;
    bool UpperBound = false;
    std::optional<qint64> Nodes;
    std::optional<qint64> Nps;
    std::optional<qint64> TimeMs;
    QStringList Pv; // coordinate moves, "e2e4"
};

std::optional<TUciInfo> ParseUciInfo(const QString& line);

// The legal move of the rules' position that an engine names in coordinates ("e7e8q", either
// case); none when it names no legal move there.
const notation::LegalMove* LegalMoveNamed(const notation::MoveRules& rules, const QString& coordinates);
// The answer points into the rules, so they must outlive it.
const notation::LegalMove* LegalMoveNamed(notation::MoveRules&&, const QString&) = delete;
