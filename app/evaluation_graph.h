#pragma once

// TEvaluationGraph: a game's evaluations as a graph. The positions run from left (the start) to
// right (after the last move), evenly spaced over the whole width; White's advantage goes up, clamped
// at EvaluationLimitPawns with a mate at the edge (GraphValue), with the zero line in the middle. The
// area between the curve and the zero line is filled light where White is ahead and dark where Black
// is; unscored positions are left out, so the curve runs straight across them. A vertical line marks
// the current position, and a click chooses the position nearest to it along the graph.

#include "app/game_analysis.h"

#include <QWidget>

class TEvaluationGraph : public QWidget {
    Q_OBJECT

public:
    explicit TEvaluationGraph(QWidget* parent = nullptr);

    void SetEvaluations(TEvaluations evaluations);
    const TEvaluations& Evaluations() const { return FEvaluations; }
    // The position to mark; one outside the game marks none.
    void SetCurrent(int position);
    int Current() const { return FCurrent; }

    // Where a position stands along the graph, and the position nearest to a point along it (-1
    // for a graph without positions).
    double PositionX(int position) const;
    int PositionAt(double x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void PositionChosen(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double ValueY(double value) const;

    TEvaluations FEvaluations;
    int FCurrent = -1;
};
