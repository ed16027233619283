#pragma once

// TGameStepKeys: the keys that step through a game while the board or a move list has the focus:
// Left and Right one half-move back and forward, Home to the first position and End to the last. In a
// list whose rows are full moves, Up and Down go one full move back and forward, as the rows do.
// Only these keys are taken, and only without Shift, Ctrl or Alt; every other key goes on to the
// watched widget and to the other filters on it. Main thread only; owned by its parent object.

#include <QObject>

#include <functional>

class QWidget;

enum class TGameStep { HalfMoveBack, HalfMoveForward, FullMoveBack, FullMoveForward, ToStart, ToEnd };

class TGameStepKeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Takes the keys of the widget; rowsAreFullMoves adds Up and Down.
    void Watch(QWidget& widget, bool rowsAreFullMoves);

    std::function<void(TGameStep step)> OnStep;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
