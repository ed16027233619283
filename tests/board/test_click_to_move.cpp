// The player preferences of the mouse: click-to-move, the marks of the legal targets, castling by
// putting the king onto its rook, and the promotion chooser (replaced, and the real popup).

#include "board/promotion_chooser.h"
#include "tests/board/input_test_support.h"
#include "tests/board/view_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {

const QPoint OnTheFrame(3, 200);

QPoint Where(const InputBoard& b, const std::string& place)
{
    return place == "frame" ? OnTheFrame : b.Centre(Sq(place));
}

void Click(InputBoard& b, const std::string& place)
{
    b.Press(Where(b, place));
    b.Release(Where(b, place));
}

struct ClickCase {
    const char* what;
    std::vector<std::string> clicks;
    Events events;
    const char* selected; // "--" for none
    bool clickToMove = true;
    std::function<void(TChessBoard&)> before = nullptr;
};

TEST(ClickToMove, EachClickSelectsMovesOrDeselects)
{
    const ClickCase cases[] = {
        { "select", { "e2" }, {}, "e2" },
        { "target", { "e2", "e4" }, { "LegalMove e2e4" }, "--" },
        { "reselect", { "e2", "g1" }, {}, "g1" },
        { "empty square that is no target", { "e2", "e5" }, {}, "--" },
        { "enemy piece that is no target", { "e2", "e7" }, {}, "--" },
        { "on the frame", { "e2", "frame" }, {}, "--" },
        { "the selected piece again", { "e2", "e2" }, {}, "--" },
        { "the other side's piece", { "e7" }, {}, "--" },
        { "engine thinking", { "e2", "e4" }, {}, "--", true, [](TChessBoard& t) { ASSERT_TRUE(t.MoveNow()); } },
        { "the computer's side", { "e2" }, {}, "--", true, [](TChessBoard& t) { t.set_ComputerPlaysWhite(true); } },
        { "off: a click is a drag that did not start", { "e2", "e4" }, { "IllegalMove e2" }, "--", false },
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.what);
        InputBoard b;
        b.board->set_ClickToMove(c.clickToMove);
        if (c.before)
            c.before(*b.board);
        for (const std::string& place : c.clicks)
            Click(b, place);
        EXPECT_EQ(b.log.events, c.events);
        EXPECT_EQ(Name(b.board->SelectedSquare()), c.selected);
    }
}

TEST(ClickToMove, APositionChangedFromOutsideDropsTheSelectionAndItsMarks)
{
    const std::pair<const char*, std::function<void(TChessBoard&)>> changes[] = {
        { "NewGame", [](TChessBoard& t) { t.NewGame(); } },
        { "set_PosStr", [](TChessBoard& t) { t.set_PosStr("init"); } },
        { "GotoMove", [](TChessBoard& t) { ASSERT_TRUE(t.GotoMove(1, true)); } },
        { "the computer's move", [](TChessBoard& t) { ASSERT_TRUE(t.Move(Square::G8, Square::F6)); } },
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        InputBoard b;
        Play(*b.board, "e2e4");
        b.board->set_ClickToMove(true);
        b.board->set_ShowLegalTargets(true);
        Click(b, "e7");
        ASSERT_EQ(b.board->SelectedSquare(), Square::E7);
        change(*b.board);
        EXPECT_EQ(b.board->SelectedSquare(), Square::None);
        const QImage picture = b.board->Canvas().copy();
        b.board->Paint();
        EXPECT_TRUE(picture == b.board->Canvas()) << "a mark was left behind";
    }
}

TEST(LegalTargets, TheSelectedSquareAndItsTargetsAreMarkedDotsOnEmptyRingsOnCaptures)
{
    InputBoard b;
    Arrange(*b.board, "4k3/8/8/8/8/2p5/8/1N2K3");
    b.board->set_ClickToMove(true);
    const QImage plain = b.board->Canvas().copy();
    Click(b, "b1");
    EXPECT_EQ(ChangedSquares(*b.board, plain, b.board->Canvas()), std::set<std::string> { "b1" }) << "no targets";
    b.board->set_ShowLegalTargets(true);
    EXPECT_EQ(ChangedSquares(*b.board, plain, b.board->Canvas()), (std::set<std::string> { "a3", "b1", "c3", "d2" }));
    const auto centre = [&](const char* sq) { return Pixel(*b.board, b.Centre(Sq(sq)).x(), b.Centre(Sq(sq)).y()); };
    const auto plainCentre = [&](const char* sq) { return plain.pixel(b.Centre(Sq(sq))) & 0xffffffu; };
    EXPECT_NE(centre("a3"), plainCentre("a3")) << "a dot in the middle of an empty target";
    EXPECT_EQ(centre("c3"), plainCentre("c3")) << "a ring leaves the captured piece visible";
    Click(b, "h8");
    EXPECT_TRUE(b.board->Canvas() == plain);

    // While dragging (click-to-move or not), the dragged piece's targets show; the pawn guards d2.
    b.board->set_ClickToMove(false);
    b.Press(b.Centre(Square::E1));
    b.MoveTo(b.Centre(Square::E1) + QPoint(8, 0));
    EXPECT_EQ(
        ChangedSquares(*b.board, plain, b.board->Canvas()), (std::set<std::string> { "d1", "e1", "e2", "f1", "f2" }));
    b.Release(b.Centre(Square::E1) + QPoint(8, 0));
    EXPECT_TRUE(b.board->Canvas() == plain);
}

// Marks switched on over a selection repaint the last move's squares with the selection's marks on them.
TEST(LegalTargets, MoveMarksSwitchedOnKeepTheTargetMarks)
{
    const auto selectAfterMoves = [](InputBoard& b) {
        ASSERT_TRUE(b.board->Move(Square::D2, Square::D4));
        ASSERT_TRUE(b.board->Move(Square::E7, Square::E5));
        b.board->set_ClickToMove(true);
        b.board->set_ShowLegalTargets(true);
    };
    InputBoard marksFirst;
    marksFirst.board->set_MarkMoves(true);
    selectAfterMoves(marksFirst);
    Click(marksFirst, "d4");

    InputBoard marksLast;
    selectAfterMoves(marksLast);
    Click(marksLast, "d4");
    marksLast.board->set_MarkMoves(true); // repaints e7 and e5, where d4 may capture
    EXPECT_TRUE(marksLast.board->Canvas() == marksFirst.board->Canvas());
}

TEST(CastleOntoRook, TheKingPutOntoItsRookCastlesOnThatSide)
{
    struct Case {
        const char* king;
        const char* rook;
        bool whiteToMove;
        const char* kingTo;
        const char* rookTo;
    };
    const Case cases[] = {
        { "e1", "h1", true, "g1", "f1" },
        { "e1", "a1", true, "c1", "d1" },
        { "e8", "h8", false, "g8", "f8" },
        { "e8", "a8", false, "c8", "d8" },
    };
    for (const Case& c : cases) {
        for (bool byClick : { false, true }) {
            SCOPED_TRACE(std::string(c.king) + c.rook + (byClick ? " by click" : " by drag"));
            InputBoard b;
            Arrange(*b.board, "r3k2r/8/8/8/8/8/8/R3K2R", c.whiteToMove, AllCastlingRights);
            b.board->set_CastleOntoRook(true);
            b.board->set_ClickToMove(byClick);
            if (byClick) {
                Click(b, c.king);
                Click(b, c.rook);
            } else {
                b.Drag(b.Centre(Sq(c.king)), b.Centre(Sq(c.rook)));
            }
            const std::string move = std::string(c.king) + c.kingTo;
            EXPECT_EQ(b.log.events, (Events { "LegalMove " + move, "Castle " + move }));
            EXPECT_EQ(std::tolower(b.board->PieceAt(Sq(c.kingTo))), 'k');
            EXPECT_EQ(std::tolower(b.board->PieceAt(Sq(c.rookTo))), 'r');
        }
    }
    // Off, the same drop is refused.
    InputBoard b;
    Arrange(*b.board, "r3k2r/8/8/8/8/8/8/R3K2R", true, AllCastlingRights);
    b.Drag(b.Centre(Square::E1), b.Centre(Square::H1));
    EXPECT_EQ(b.log.events, Events { "IllegalMove e1" });
}

TEST(ChoosePromotion, ThePickedPieceIsPromotedToAndCancelLeavesThePosition)
{
    for (char pick : { 'q', 'r', 'b', 'n', '\0' }) {
        for (bool byClick : { false, true }) {
            SCOPED_TRACE(std::string(1, pick ? pick : '-') + (byClick ? " by click" : " by drag"));
            InputBoard b;
            Arrange(*b.board, "8/4P3/8/8/8/8/8/k6K");
            const std::string before = b.board->Position();
            b.board->set_ChoosePromotion(true);
            b.board->set_ClickToMove(byClick);
            std::vector<Square> asked;
            b.board->PromotionChooser = [&](Square sq) {
                asked.push_back(sq);
                return pick;
            };
            b.board->OnPromotion = [&](QObject*, Square, Square, char& piece) {
                b.log.events.push_back(std::string("Promotion ") + piece);
            };
            if (byClick) {
                Click(b, "e7");
                Click(b, "e8");
            } else {
                b.Drag(b.Centre(Square::E7), b.Centre(Square::E8));
            }
            EXPECT_EQ(asked, std::vector<Square> { Square::E8 });
            if (pick) {
                EXPECT_EQ(b.log.events, (Events { "LegalMove e7e8", std::string("Promotion ") + pick }));
                EXPECT_EQ(b.board->PieceAt(Square::E8), std::toupper(pick));
            } else {
                EXPECT_EQ(b.log.events, Events {});
                EXPECT_EQ(b.board->Position(), before);
                EXPECT_TRUE(b.board->WhiteToMove());
            }
            EXPECT_EQ(b.board->PromotionPiece(), 'q') << "the pick is for this move only";
        }
    }
}

// Sends a key to the open popup once the chooser's own event loop runs.
void KeysToPopup(std::vector<int> keys, QRect* geometry)
{
    QTimer::singleShot(0, [keys, geometry] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        *geometry = popup->geometry();
        for (int key : keys) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(popup, &press);
        }
    });
}

TEST(ChoosePromotion, ThePopupColumnIsPickedAndCancelledWithKeys)
{
    InputBoard b;
    Arrange(*b.board, "8/4P3/8/8/8/8/8/k6K");
    b.board->set_ChoosePromotion(true);
    const QPoint e8 = b.Centre(Square::E8);
    const int size = b.board->SizeOfSquare();

    QRect shown;
    KeysToPopup({ Qt::Key_Escape }, &shown);
    b.Drag(b.Centre(Square::E7), e8);
    EXPECT_EQ(b.board->PieceAt(Square::E7), 'P');
    EXPECT_EQ(b.log.events, Events {});
    // On the square and three squares down, towards the centre.
    EXPECT_EQ(shown, QRect(b.board->mapToGlobal(e8 - QPoint(size / 2, size / 2)), QSize(size, 4 * size)));

    KeysToPopup({ Qt::Key_Down, Qt::Key_Down, Qt::Key_Return }, &shown);
    b.Drag(b.Centre(Square::E7), e8);
    EXPECT_EQ(b.board->PieceAt(Square::E8), 'B');
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
