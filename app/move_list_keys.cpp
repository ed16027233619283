// The keys that step through a game on the board and in the move list.

#include "app/move_list_keys.h"

#include <QKeyEvent>
#include <QWidget>

#include <optional>

namespace {

// Marks the widgets whose rows are full moves, so that one filter serves them all.
constexpr const char* FullMoveRowsProperty = "zugwerkFullMoveRows";

std::optional<TGameStep> StepOf(int key, bool rowsAreFullMoves)
{
    switch (key) {
    case Qt::Key_Left: return TGameStep::HalfMoveBack;
    case Qt::Key_Right: return TGameStep::HalfMoveForward;
    case Qt::Key_Home: return TGameStep::ToStart;
    case Qt::Key_End: return TGameStep::ToEnd;
    case Qt::Key_Up: return rowsAreFullMoves ? std::optional(TGameStep::FullMoveBack) : std::nullopt;
    case Qt::Key_Down: return rowsAreFullMoves ? std::optional(TGameStep::FullMoveForward) : std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace

void TGameStepKeys::Watch(QWidget& widget, bool rowsAreFullMoves)
{
    widget.setProperty(FullMoveRowsProperty, rowsAreFullMoves);
    widget.installEventFilter(this);
}

bool TGameStepKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    // The arrows of the number pad count too; Shift, Ctrl and Alt leave the key to others.
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const std::optional<TGameStep> step = StepOf(key->key(), watched->property(FullMoveRowsProperty).toBool());
    if (!step)
        return false;
    if (OnStep)
        OnStep(*step);
    return true;
}
