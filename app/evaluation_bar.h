#pragma once

// TEvaluationBar: a narrow upright gauge of who stands better, as chess sites show beside the board.
// White's part grows from White's end (the bottom while White plays up the board), Black's from
// the other; they meet halfway for an even position and move towards the loser's end as the score
// grows, the whole bar going to the winner of a foreseen mate. The score is written small at the
// winning side's end. Without an evaluation the bar is plain grey and says nothing.

#include "notation/game_notation.h"

#include <QString>
#include <QWidget>

#include <optional>

class TEvaluationBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int BarWidth = 20;

    explicit TEvaluationBar(QWidget* parent = nullptr);

    // From White's side, as engines' scores are shown; none for the empty look.
    const std::optional<notation::Evaluation>& Evaluation() const { return FEvaluation; }
    void SetEvaluation(std::optional<notation::Evaluation> evaluation);
    bool WhiteAtBottom() const { return FWhiteAtBottom; }
    void SetWhiteAtBottom(bool value);

    // The share of the bar that is White's, 0 to 1: a smooth curve of the score in pawns, kept off
    // the ends unless a mate is foreseen.
    static double WhiteShare(const notation::Evaluation& evaluation);

    QSize sizeHint() const override { return { BarWidth, 8 * BarWidth }; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<notation::Evaluation> FEvaluation;
    bool FWhiteAtBottom = true;
};
