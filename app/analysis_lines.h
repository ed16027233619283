#pragma once

// The analysis as a player reads it: an engine's info line turned into a score from White's side
// and a line of moves in standard notation with move numbers ("12. Nf3 Nc6 13. Bb5"). Engines
// speak from the side to move's view and in coordinate moves; a line is checked move by move
// against the rules, so a line the engine got wrong is cut where it stops being legal, and one
// whose first move is not legal is no line at all.

#include "app/uci_info.h"
#include "notation/game_notation.h"

#include <QString>

#include <optional>

struct TAnalysisLine {
    int Rank = 1; // 1 for the engine's best line
    int Depth = 0;
    std::optional<int> SelDepth;
    notation::Evaluation Eval; // from White's side
    // The score is only a bound: the true one is at least (LowerBound) or at most it, from the
    // side to move's view, as the engine reported it.
    bool LowerBound = false;
    bool UpperBound = false;
    std::optional<qint64> Nodes;
    std::optional<qint64> Nps;
    QString FirstMove; // coordinates, "e2e4"
    notation::Move First;
    QString Moves; // in standard notation with move numbers
};

// A score as an engine reports it (from the side to move) in White's view; nothing when the line has
// no score. A reported "mate 0" means the side to move is mated.
std::optional<notation::Evaluation> WhiteView(const TUciInfo& info, bool whiteToMove);

// A position where one side is mated: mate in 0 moves. The number 0 carries no side, so Centipawns
// holds the winner's: +1 when White has mated, -1 when Black has.
notation::Evaluation MatedEvaluation(bool whiteIsMated);

// The line of the info for the position it was searched from; none for a line that has no score or
// whose first move is not legal there.
std::optional<TAnalysisLine> AnalysisLine(const notation::Position& position, const TUciInfo& info);

// "+0.35", "-1.20", "0.00", "+12.3"; "M3" when White mates in 3, "-M3" when Black does.
QString EvaluationText(const notation::Evaluation& eval);
