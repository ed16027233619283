// Mouse input driven by synthetic Qt mouse events: the outcomes of a drag, the lifted piece's
// picture and cursor, drags that end because the position changed or the mouse was lost, the
// republished events, and the corner-resize gesture.

#include "board/drag_image.h"
#include "tests/board/input_test_support.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>

#include <memory>

namespace {

// Every ending leaves the picture a full redraw would give, and no lifted piece or drag cursor.
void ExpectNothingLeftBehind(InputBoard& b)
{
    EXPECT_EQ(b.DragImages(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const QImage afterGesture = b.board->Canvas().copy();
    b.board->Paint();
    EXPECT_TRUE(afterGesture == b.board->Canvas()) << "the picture differs from a full redraw";
}

struct DragCase {
    const char* what;
    const char* from; // a square, or "frame"
    const char* to; // a square, "frame", "outside", or "+dx,dy" from the press point
    bool whiteOnTop;
    bool engineThinking;
    Events events;
};

const DragCase DragCases[] = {
    { "legal drop", "e2", "e4", false, false, { "LegalMove e2e4" } },
    { "back on its own square", "e2", "+12,8", false, false, {} },
    { "illegal square", "e2", "e5", false, false, { "IllegalMove e2" } },
    { "on the frame", "e2", "frame", false, false, { "IllegalMove e2" } },
    { "outside the board", "e2", "outside", false, false, { "IllegalMove e2" } },
    { "a click: 4 pixels", "e2", "+4,4", false, false, { "IllegalMove e2" } },
    { "5 pixels make a drag", "e2", "+5,0", false, false, {} },
    { "the other side's piece", "e7", "e5", false, false, { "IllegalMove e7" } },
    { "press on an empty square", "e4", "e5", false, false, {} },
    { "press on the frame", "frame", "e4", false, false, {} },
    { "board turned", "g1", "f3", true, false, { "LegalMove g1f3" } },
    { "engine thinking: other square", "e2", "e4", false, true, { "IllegalMove e2" } },
    { "engine thinking: own square", "e2", "+12,8", false, true, {} },
};

TEST(DragInput, EachWayOfReleasingEndsAsItShould)
{
    for (const DragCase& c : DragCases) {
        SCOPED_TRACE(c.what);
        InputBoard b;
        b.board->set_WhiteOnTop(c.whiteOnTop);
        if (c.engineThinking) {
            ASSERT_TRUE(b.board->MoveNow());
        }
        const auto point = [&](const std::string& where, QPoint pressedAt) {
            if (where == "frame")
                return QPoint(3, 200);
            if (where == "outside")
                return QPoint(-25, 450);
            if (where[0] == '+')
                return pressedAt + QPoint(std::stoi(where.substr(1)), std::stoi(where.substr(where.find(',') + 1)));
            return b.Centre(Sq(where));
        };
        const QPoint from = point(c.from, {});
        const std::string before = b.board->Position();
        b.Drag(from, point(c.to, from));
        EXPECT_EQ(b.log.events, c.events);
        if (c.events.empty() || c.events[0].rfind("Illegal", 0) == 0) {
            EXPECT_EQ(b.board->Position(), before);
        }
        ExpectNothingLeftBehind(b);
    }
}

TEST(DragInput, TheLiftedPieceFollowsThePointerAndTheCursorTellsWhereItMayLand)
{
    InputBoard b;
    const QImage start = b.board->Canvas().copy();
    const int half = b.board->SizeOfSquare() / 2;
    b.Press(b.Centre(Square::E2));
    EXPECT_EQ(b.DragImages(), 0) << "nothing is lifted before the pointer moves";

    const std::pair<QPoint, Qt::CursorShape> path[] = {
        { b.Centre(Square::E3), Qt::DragMoveCursor }, { b.Centre(Square::E5), Qt::ForbiddenCursor },
        { b.Centre(Square::E2) + QPoint(7, -3), Qt::DragMoveCursor }, { b.Centre(Square::E4), Qt::DragMoveCursor },
        { QPoint(450, 300), Qt::ForbiddenCursor }, // beside the board, in the window
    };
    for (const auto& [at, cursor] : path) {
        b.MoveTo(at);
        ASSERT_EQ(b.DragImages(), 1);
        EXPECT_TRUE(b.DragImage()->isVisible());
        EXPECT_EQ(b.DragImage()->pos(), b.board->pos() + at - QPoint(half, half));
        EXPECT_EQ(b.DragImage()->size(), QSize(b.board->PieceSize(), b.board->PieceSize()));
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), cursor);
    }
    // The square shows empty while its piece is in the air; nothing else changed.
    TChessBoard empty(nullptr, TChessBoard::Mode::Designer);
    empty.set_PosStr(Placement("rnbqkbnr/pppppppp/8/8/8/8/PPPP1PPP/RNBQKBNR"));
    EXPECT_TRUE(b.board->Canvas() == empty.Canvas());
    b.MoveTo(QPoint(-200, -200)); // outside the window
    EXPECT_FALSE(b.DragImage()->isVisible());
    b.MoveTo(b.Centre(Square::E4));
    b.Release(b.Centre(Square::E4));
    EXPECT_EQ(b.log.events, Events { "LegalMove e2e4" });
    ExpectNothingLeftBehind(b);
    EXPECT_FALSE(b.board->Canvas() == start);
}

TEST(DragInput, ADragEndsQuietlyWhenThePositionChangesOrTheMouseIsLost)
{
    struct Interruption {
        const char* what;
        std::function<void(InputBoard&)> happen;
    };
    const Interruption interruptions[] = {
        { "the engine's move", [](InputBoard& b) { ASSERT_TRUE(b.board->Move(Square::D2, Square::D4)); } },
        { "a new game", [](InputBoard& b) { b.board->NewGame(); } },
        { "a box takes the mouse",
            [](InputBoard& b) {
                QEvent blocked(QEvent::WindowBlocked);
                QCoreApplication::sendEvent(b.board, &blocked);
            } },
        { "grab lost",
            [](InputBoard& b) {
                QEvent ungrab(QEvent::UngrabMouse);
                QCoreApplication::sendEvent(b.board, &ungrab);
            } },
    };
    for (const Interruption& interruption : interruptions) {
        for (bool lifted : { false, true }) {
            SCOPED_TRACE(std::string(interruption.what) + (lifted ? ", piece in the air" : ", before the drag began"));
            InputBoard b;
            b.Press(b.Centre(Square::E2));
            if (lifted)
                b.MoveTo(b.Centre(Square::E3));
            b.log.Clear();
            interruption.happen(b);
            const std::string position = b.board->Position();
            const Events events = b.log.events;
            ExpectNothingLeftBehind(b);
            // The rest of the gesture does nothing: no move, no illegal-move report, no click.
            int clicks = 0;
            b.board->OnClick = [&](QObject*) { ++clicks; };
            b.MoveTo(b.Centre(Square::E4));
            b.Release(b.Centre(Square::E4));
            EXPECT_EQ(b.log.events, events);
            EXPECT_EQ(b.board->Position(), position);
            EXPECT_EQ(clicks, 0);
            ExpectNothingLeftBehind(b);
            // The next gesture works as usual.
            const bool white = b.board->WhiteToMove();
            b.Drag(b.Centre(white ? Square::G1 : Square::G8), b.Centre(white ? Square::F3 : Square::F6));
            EXPECT_EQ(b.board->PieceAt(white ? Square::F3 : Square::F6), white ? 'N' : 'n');
        }
    }

    // The board going away mid-drag takes the picture and the cursor with it.
    InputBoard b;
    b.Press(b.Centre(Square::E2));
    b.MoveTo(b.Centre(Square::E4));
    ASSERT_EQ(b.DragImages(), 1);
    delete b.board;
    EXPECT_EQ(b.DragImages(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(DragInput, TheUsersHandlersComeFirst)
{
    InputBoard b;
    Events calls;
    b.board->OnMouseDown = [&](QObject*, Qt::MouseButton button, TChessBoard::TShiftState, int x, int y) {
        calls.push_back("MouseDown " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    b.board->OnClick = [&](QObject*) { calls.push_back("Click"); };
    b.board->OnStartDrag = [&](QObject*) { calls.push_back("StartDrag"); };
    b.board->OnDragDrop = [&](QObject*, QObject* source, int, int) {
        calls.push_back(std::string("DragDrop from ") + (source == b.board ? "board" : "?"));
    };
    b.board->OnEndDrag = [&](QObject*, QObject* target, int, int) {
        calls.push_back(std::string("EndDrag ") + (target ? "dropped" : "cancelled"));
    };
    // A handler that takes every drop: the board still refuses an illegal move and puts the piece back.
    b.board->OnDragOver = [](QObject*, QObject*, int, int, TChessBoard::TDragState, bool& accept) { accept = true; };

    b.Drag(b.Centre(Square::E2), b.Centre(Square::E6));
    EXPECT_EQ(calls, (Events { "MouseDown 1 204,284", "StartDrag", "DragDrop from board", "EndDrag dropped" }));
    EXPECT_EQ(b.log.events, Events { "IllegalMove e2" });
    ExpectNothingLeftBehind(b);

    // A press and release on the frame is a click; on a piece it is a drag that did not start.
    calls.clear();
    b.Press(QPoint(5, 5));
    b.Release(QPoint(5, 5));
    b.Press(b.Centre(Square::D2));
    b.Release(b.Centre(Square::D2));
    EXPECT_EQ(calls, (Events { "MouseDown 1 5,5", "Click", "MouseDown 1 164,284", "EndDrag cancelled" }));
}

TEST(ResizeGesture, TheCornerFollowsThePointerWithinTheLimits)
{
    InputBoard b;
    const int side = b.board->Width();
    const QPoint corner(side - 3, side - 3);

    // Not resizable: neither the cursor nor the size follows.
    b.MoveTo(corner);
    EXPECT_EQ(b.board->cursor().shape(), Qt::ArrowCursor);
    b.Press(corner);
    b.MoveTo(QPoint(600, 500));
    b.Release(QPoint(600, 500));
    EXPECT_EQ(b.board->Width(), side);

    b.board->set_Resizable(true);
    b.board->set_ResizeMinSize(200);
    b.board->set_ResizeMaxSize(400);
    b.MoveTo(corner);
    EXPECT_EQ(b.board->cursor().shape(), Qt::SizeFDiagCursor);
    b.MoveTo(QPoint(side / 2, side / 2));
    EXPECT_EQ(b.board->cursor().shape(), Qt::ArrowCursor) << "the cursor from before the corner comes back";

    b.Press(corner);
    b.MoveTo(corner);
    b.MoveTo(QPoint(600, 500));
    EXPECT_EQ(b.board->Width(), 400) << "the larger of x and y, lowered to the maximum";
    b.MoveTo(QPoint(100, 50));
    EXPECT_EQ(b.board->Width(), 200) << "raised to the minimum";
    b.MoveTo(QPoint(320, 310));
    EXPECT_EQ(b.board->Width(), 320);
    b.Release(QPoint(320, 310));
    b.MoveTo(QPoint(390, 390));
    EXPECT_EQ(b.board->Width(), 320) << "the release ends the gesture";
    EXPECT_TRUE(b.log.events.empty());
}

} // namespace

// A side an engine plays from outside the board takes no move from the mouse, by drag or by click.
TEST(Input, ASideOfAnOutsidePlayerTakesNoMoveFromTheMouse)
{
    InputBoard input;
    input.board->set_ClickToMove(true);
    input.board->set_OutsidePlayer(true, true);
    const std::string start = input.board->Position();
    input.Drag(input.Centre(Square::E2), input.Centre(Square::E4));
    input.Press(input.Centre(Square::D2));
    input.Release(input.Centre(Square::D2));
    input.Press(input.Centre(Square::D4));
    input.Release(input.Centre(Square::D4));
    EXPECT_EQ(input.board->Position(), start);
    input.board->set_OutsidePlayer(true, false);
    input.Drag(input.Centre(Square::E2), input.Centre(Square::E4));
    EXPECT_NE(input.board->Position(), start);
}
