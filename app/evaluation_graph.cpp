// The evaluation graph: drawn from the evaluations at every paint, so it stays sharp at any size.

#include "app/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The fills as chess sites draw them: White's advantage light, Black's dark, on a neutral ground.
const QColor GroundColour(160, 160, 160);
const QColor WhiteAheadColour(240, 240, 240);
const QColor BlackAheadColour(60, 60, 60);
const QColor CurveColour(110, 110, 110);
const QColor ZeroLineColour(128, 128, 128);

} // namespace

TEvaluationGraph::TEvaluationGraph(QWidget* parent)
    : QWidget(parent)
{
    setToolTip(tr("Evaluation graph"));
    setAccessibleName(tr("Evaluation graph"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TEvaluationGraph::SetEvaluations(TEvaluations evaluations)
{
    FEvaluations = std::move(evaluations);
    update();
}

void TEvaluationGraph::SetCurrent(int position)
{
    if (position == FCurrent)
        return;
    FCurrent = position;
    update();
}

double TEvaluationGraph::PositionX(int position) const
{
    const int positions = static_cast<int>(FEvaluations.size());
    if (positions <= 1)
        return 0;
    return position * (width() - 1.0) / (positions - 1);
}

int TEvaluationGraph::PositionAt(double x) const
{
    const int positions = static_cast<int>(FEvaluations.size());
    if (positions == 0)
        return -1;
    if (positions == 1 || width() <= 1)
        return 0;
    const double step = (width() - 1.0) / (positions - 1);
    return std::clamp(static_cast<int>(std::lround(x / step)), 0, positions - 1);
}

QSize TEvaluationGraph::sizeHint() const { return { 200, 80 }; }

// Tall enough that a pawn or two still shows as a rise of the curve.
QSize TEvaluationGraph::minimumSizeHint() const { return { 40, 80 }; }

double TEvaluationGraph::ValueY(double value) const { return (1.0 - value) * (height() - 1.0) / 2.0; }

void TEvaluationGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), GroundColour);
    const double zeroY = ValueY(0);

    // The curve through the scored positions, and the area between it and the zero line.
    QPolygonF curve;
    for (size_t i = 0; i < FEvaluations.size(); ++i)
        if (FEvaluations[i])
            curve << QPointF(PositionX(static_cast<int>(i)), ValueY(GraphValue(*FEvaluations[i])));
    painter.setRenderHint(QPainter::Antialiasing);
    if (!curve.isEmpty()) {
        QPainterPath area;
        area.moveTo(curve.front().x(), zeroY);
        for (const QPointF& point : curve)
            area.lineTo(point);
        area.lineTo(curve.back().x(), zeroY);
        area.closeSubpath();
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setClipRect(QRectF(0, 0, width(), zeroY));
        painter.fillPath(area, WhiteAheadColour);
        painter.setClipRect(QRectF(0, zeroY, width(), height() - zeroY));
        painter.fillPath(area, BlackAheadColour);
        painter.restore();
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ZeroLineColour);
    painter.drawLine(QPointF(0, zeroY), QPointF(width(), zeroY));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(CurveColour, 1.5));
    painter.drawPolyline(curve);

    painter.setRenderHint(QPainter::Antialiasing, false);
    if (FCurrent >= 0 && FCurrent < static_cast<int>(FEvaluations.size())) {
        const int x = static_cast<int>(std::lround(PositionX(FCurrent)));
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawLine(x, 0, x, height());
    }
}

void TEvaluationGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int position = PositionAt(event->position().x());
    if (position >= 0)
        Q_EMIT PositionChosen(position);
}
