// The mouse on the board: dragging a piece from its square to another, the corner-resize gesture,
// and the mouse and drag events a user of the board may assign. With ClickToMove, a left-button
// release that made no drag goes to input_click.cpp. Qt's mouse events drive a small
// state machine of the board's own (no platform drag loop, so every step can be driven by tests).

#include "board/chessbrd.h"
#include "board/drag_image.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScopeGuard>

#include <algorithm>
#include <cstdlib>

namespace {

TChessBoard::TShiftState ShiftOf(const QMouseEvent* event) { return { event->buttons(), event->modifiers() }; }

bool IsSizingCursor(Qt::CursorShape shape)
{
    return shape == Qt::SizeFDiagCursor || shape == Qt::SizeHorCursor || shape == Qt::SizeVerCursor;
}

// The bottom-right corner where the resize gesture starts, 11 by 11 pixels, bounds included.
constexpr int ResizeCorner = 10;

} // namespace

// The pointer has not travelled far enough from the press to make a drag: a release there is a click.
bool TChessBoard::WithinDragThreshold(QPoint pressed, QPoint at)
{
    return std::abs(at.x() - pressed.x()) < DragThreshold && std::abs(at.y() - pressed.y()) < DragThreshold;
}

// ---- Qt's mouse events ----

void TChessBoard::mousePressEvent(QMouseEvent* event)
{
    // A drag the board gave up on ends with the next press at the latest.
    if (DragPhase == TDragPhase::Abandoned)
        DragPhase = TDragPhase::Idle;
    // Further buttons pressed during a drag belong to it.
    if (DragPhase != TDragPhase::Idle)
        return;
    const QPoint at = event->position().toPoint();
    PressPoint = at;
    MouseDown(event->button(), ShiftOf(event), at.x(), at.y());
}

void TChessBoard::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (DragPhase == TDragPhase::Idle && event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    // The second press of a double click is a press like any other: it may pick a piece up.
    mousePressEvent(event);
}

void TChessBoard::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    switch (DragPhase) {
    case TDragPhase::Idle: MouseMove(ShiftOf(event), at.x(), at.y()); break;
    case TDragPhase::Pending:
        if (!WithinDragThreshold(DragPressPoint, at))
            ActivateDrag(at);
        break;
    case TDragPhase::Active: FollowPointer(at); break;
    case TDragPhase::Abandoned:
        if (event->buttons() == Qt::NoButton)
            DragPhase = TDragPhase::Idle;
        break;
    }
}

void TChessBoard::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    switch (DragPhase) {
    case TDragPhase::Idle:
        MouseUp(event->button(), ShiftOf(event), at.x(), at.y());
        if (FClickToMove && event->button() == Qt::LeftButton && WithinDragThreshold(PressPoint, at))
            ClickOnSquare(WindowToSquare(at.x(), at.y()));
        if (event->button() == Qt::LeftButton && rect().contains(at))
            Click();
        break;
    case TDragPhase::Pending:
        // With click-to-move a piece pressed and let go is a click, not a refused drag.
        if (FClickToMove && event->button() == Qt::LeftButton) {
            DragPhase = TDragPhase::Idle;
            ClickOnSquare(DragFromSquare);
        } else {
            EndDrag(false);
        }
        break;
    case TDragPhase::Active:
        // The drop goes where the button was released, with that point's answer.
        FollowPointer(at);
        EndDrag(event->button() == Qt::LeftButton);
        break;
    case TDragPhase::Abandoned: DragPhase = TDragPhase::Idle; break;
    }
}

// ---- The board's handling ----

void TChessBoard::MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
    // Any button and either side's piece: whether a drop is taken is decided square by square.
    const Square n = WindowToSquare(X, Y);
    if (!IsOnBoard(n) || PieceAt(n) == EmptySquare)
        return;
    DragFromSquare = n;
    DragPressPoint = DragLastPoint = QPoint(X, Y);
    DragAccepted = false;
    DragPhase = TDragPhase::Pending;
}

void TChessBoard::MouseMove(TShiftState Shift, int X, int Y)
{
    ResizeGesture(Shift, X, Y);
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TChessBoard::MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    Resizing = false;
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TChessBoard::Click()
{
    if (OnClick)
        OnClick(this);
}

void TChessBoard::DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    // Without a handler of its own the answer starts as "no"; the board's rule can only add a yes.
    Accept = false;
    if (OnDragOver)
        OnDragOver(this, Source, X, Y, State, Accept);
    if (Source != this || DragPhase != TDragPhase::Active)
        return;
    FollowWithImage(QPoint(X, Y));
    const Square n = WindowToSquare(X, Y);
    if (n == DragFromSquare || MoveIsLegal(DragFromSquare, IntendedTarget(DragFromSquare, n)))
        Accept = true;
}

void TChessBoard::DragDrop(QObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
    EndDragPicture();
    DragToSquare = WindowToSquare(X, Y);
    if (DragToSquare == DragFromSquare) {
        PutDraggedPieceBack();
        return;
    }
    const TGestureOutcome outcome = HumanMove(DragFromSquare, DragToSquare);
    if (outcome == TGestureOutcome::Moved)
        return;
    // Taken by an OnDragOver handler but refused by the rules: the piece must not stay off its
    // square, so this ends like any refused drop. A promotion the player cancelled is no error.
    PutDraggedPieceBack();
    if (outcome == TGestureOutcome::Refused && OnIllegalMove)
        OnIllegalMove(this, DragFromSquare);
}

void TChessBoard::DragCanceled()
{
    EndDragPicture();
    PutDraggedPieceBack();
    if (OnIllegalMove)
        OnIllegalMove(this, DragFromSquare);
}

void TChessBoard::EndDrag(bool Drop)
{
    if (DragPhase == TDragPhase::Abandoned)
        DragPhase = TDragPhase::Idle;
    if (DragPhase == TDragPhase::Idle)
        return;
    const bool dropped = Drop && DragPhase == TDragPhase::Active && DragAccepted;
    DragPhase = TDragPhase::Idle;
    DropSelection();
    // The picture goes, whatever a handler below does.
    const auto pictureGone = qScopeGuard([this] { EndDragPicture(); });
    const QPoint at = DragLastPoint;
    if (dropped)
        DragDrop(this, at.x(), at.y());
    else
        DragCanceled();
    if (OnEndDrag)
        OnEndDrag(this, dropped ? this : nullptr, at.x(), at.y());
}

// ---- Drag steps ----

void TChessBoard::ActivateDrag(QPoint at)
{
    DragPhase = TDragPhase::Active;
    QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
    DragCursorShown = true;
    DragOverWasInside = false;
    if (OnStartDrag)
        OnStartDrag(this);
    FollowPointer(at);
    // A drag takes the place of a click's selection.
    DropSelection();
    if (FShowLegalTargets)
        MarkTargetsOf(DragFromSquare);
}

// Every pointer position of an active drag: a drag-over while it is over the board, one more as it
// leaves, and the cursor that tells whether a release here would be taken.
void TChessBoard::FollowPointer(QPoint at)
{
    DragLastPoint = at;
    const bool inside = rect().contains(at);
    bool accept = false;
    if (inside)
        DragOver(this, at.x(), at.y(), DragOverWasInside ? TDragState::Move : TDragState::Enter, accept);
    else if (DragOverWasInside)
        DragOver(this, at.x(), at.y(), TDragState::Leave, accept);
    // Off the board nothing is taken, but the piece still follows the pointer over the window.
    if (!inside) {
        accept = false;
        FollowWithImage(at);
    }
    DragOverWasInside = inside;
    DragAccepted = accept;
    if (DragCursorShown)
        QGuiApplication::changeOverrideCursor(accept ? FDragCursor : Qt::ForbiddenCursor);
}

// The lifted piece's picture: made at the first step, when its square is drawn empty, then kept with
// its top-left corner half a square above and left of the pointer, in the board's parent window.
void TChessBoard::FollowWithImage(QPoint at)
{
    QWidget* window = parentWidget();
    if (!DragImage) {
        ClearSquare(DragFromSquare);
        DrawHintArrowOn(DragFromSquare);
        const QPixmap piece = FPieceImages.Image(PieceToInt(PieceAt(DragFromSquare)));
        DragImage = new TDragImage(window ? window : this, piece);
    }
    const QPoint pointer = window ? pos() + at : at;
    const int half = FSizeOfSquare / 2;
    if (DragImage->parentWidget()->rect().contains(pointer))
        DragImage->ShowAt(pointer - QPoint(half, half));
    else
        DragImage->hide();
}

void TChessBoard::EndDragPicture()
{
    delete DragImage;
    if (DragCursorShown) {
        QGuiApplication::restoreOverrideCursor();
        DragCursorShown = false;
    }
}

// The piece's square as the position has it, as a partial redraw would draw it.
void TChessBoard::PutDraggedPieceBack()
{
    if (!IsOnBoard(DragFromSquare))
        return;
    ClearSquare(DragFromSquare);
    const char piece = PieceAt(DragFromSquare);
    if (piece != EmptySquare)
        DrawPiece(DragFromSquare, piece);
    DrawHintArrowOn(DragFromSquare);
}

// The position changed under a drag, or the window lost the mouse: the drag ends without a move and
// without an illegal-move report, since the player did nothing wrong. The rest of the gesture (up to
// the release) is ignored.
void TChessBoard::AbandonDrag()
{
    if (DragPhase != TDragPhase::Pending && DragPhase != TDragPhase::Active)
        return;
    const bool pictureLifted = DragImage != nullptr;
    DragPhase = TDragPhase::Abandoned;
    EndDragPicture();
    if (pictureLifted)
        PutDraggedPieceBack();
    UnmarkTargets();
}

// After these events no release of the button reaches the board: a box or another grab took the
// mouse, the window went to the background, or the board was hidden.
void TChessBoard::AbandonDragIfMouseIsLost(const QEvent& event)
{
    const QEvent::Type type = event.type();
    if (type == QEvent::WindowBlocked || type == QEvent::WindowDeactivate || type == QEvent::UngrabMouse
        || type == QEvent::Hide)
        AbandonDrag();
}

// ---- Corner-resize gesture ----

QCursor& TChessBoard::SavedCursor()
{
    static QCursor cursor;
    return cursor;
}

void TChessBoard::ResizeGesture(TShiftState Shift, int X, int Y)
{
    if (!IsSizingCursor(cursor().shape()))
        SavedCursor() = cursor();
    const bool inCorner = width() - ResizeCorner <= X && X <= width() && height() - ResizeCorner <= Y && Y <= height();
    if (FResizable && inCorner) {
        setCursor(Qt::SizeFDiagCursor);
        if (Shift.Buttons & Qt::LeftButton)
            Resizing = true;
    } else if (FResizable && !Resizing) {
        setCursor(SavedCursor());
    }
    if (!FResizable || !Resizing)
        return;
    // Only the width follows; the next paint makes the board square again.
    int size = std::max(X, Y);
    if (size < FResizeMinSize)
        size = FResizeMinSize;
    if (size > FResizeMaxSize)
        size = FResizeMaxSize;
    if (size != width())
        set_Width(size);
}
