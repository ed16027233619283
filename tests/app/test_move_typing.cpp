// Keyboard play and accessibility: moves typed on the board, what the board tells a screen reader,
// and an accessible name for every control of the window and its dialogs.

#include "app/move_typing.h"
#include "app/preferences_dialog.h"
#include "app/unit2.h"
#include "tests/app/app_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSizeGrip>

namespace {

class MoveTypingTest : public WindowTest {
protected:
    // Types the text on the board and presses Enter.
    void Type(const QString& text, bool enter = true)
    {
        QTest::keyClicks(&Board(), text);
        if (enter)
            QTest::keyClick(&Board(), Qt::Key_Return);
    }
    QString Typing() const { return form->TypingPanel->isVisible() ? form->TypingPanel->text() : QString(); }
};

TEST_F(MoveTypingTest, TypedMovesArePlayedOrRefusedWithTheReason)
{
    EXPECT_TRUE(Board().focusPolicy() & Qt::ClickFocus);
    EXPECT_TRUE(Board().focusPolicy() & Qt::TabFocus);
    struct Case {
        const char* placement;
        bool whiteToMove;
        const char* typed;
        const char* made; // "" when refused
        const char* refusal; // part of the refusal
    };
    const Case cases[] = {
        { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e4", "e2e4", "" },
        { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "Nf3", "g1f3", "" },
        { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e2e4", "e2e4", "" },
        { "r3k2r/8/8/8/8/8/8/R3K2R", true, "O-O", "e1g1", "" },
        { "r3k2r/8/8/8/8/8/8/R3K2R", false, "0-0-0", "e8c8", "" },
        { "k7/4P3/8/8/8/8/8/4K3", true, "e7e8n", "e7e8", "" },
        { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "Nf9", "", "is not a move" },
        { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e5", "", "is not a legal move" },
        { "4k3/8/8/8/8/8/8/1N2KN2", true, "Nd2", "", "is ambiguous: Nbd2 or Nfd2" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Arrange(Board(), c.placement, c.whiteToMove, AllCastlingRights);
        const std::string before = Board().Position();
        Type(QString::fromLatin1(c.typed));
        if (*c.made) {
            const MoveInfo made = Board().GetMove(1, c.whiteToMove);
            EXPECT_EQ(Name(made.oldSq) + Name(made.newSq), c.made) << Typing().toStdString();
            EXPECT_EQ(Typing(), "");
        } else {
            EXPECT_EQ(Board().Position(), before);
            EXPECT_TRUE(Typing().contains(QString::fromLatin1(c.refusal))) << Typing().toStdString();
        }
    }
    // The typed piece was for that move only.
    Arrange(Board(), "k7/4P3/8/8/8/8/8/4K3", true);
    Type("e8");
    EXPECT_EQ(Board().PieceAt(Square::E8), 'Q');

    // The text so far is shown; Backspace takes back, Esc drops it.
    Board().NewGame();
    Type("Nf4", false);
    EXPECT_EQ(Typing(), "Your move: Nf4");
    QTest::keyClick(&Board(), Qt::Key_Backspace);
    Type("3");
    EXPECT_EQ(Board().PieceAt(Square::F3), 'N');
    Type("Nc", false);
    QTest::keyClick(&Board(), Qt::Key_Escape);
    EXPECT_EQ(Typing(), "");
    EXPECT_EQ(form->MoveTyping->Text(), "");

    // On the computer's turn nothing typed is played.
    Board().set_SearchDepth(10);
    ClickRadio(*form->RadioGroup1, 1);
    Type("Nc6");
    EXPECT_TRUE(Typing().contains("the computer is to move")) << Typing().toStdString();
    ClickRadio(*form->RadioGroup1, 0);
    // A refusal goes once the board shows another position.
    form->Back1Click(nullptr);
    ASSERT_TRUE(WaitFor([&] { return Typing().isEmpty(); }));
}

TEST_F(MoveTypingTest, TheBoardDescribesTheSideToMoveTheLastMoveAndTheSquareUnderFocus)
{
    const auto description = [&] { return Board().accessibleDescription(); };
    EXPECT_EQ(description(), "White to move.");
    Type("Nf3", false);
    EXPECT_EQ(description(), "White to move. Square f3: empty.");
    QTest::keyClick(&Board(), Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return description() == "Black to move. Last move: Nf3."; }))
        << description().toStdString();
    Type("e7", false);
    EXPECT_EQ(description(), "Black to move. Last move: Nf3. Square e7: black pawn.");
    QTest::keyClick(&Board(), Qt::Key_Escape);

    // The piece a click selects is the square under focus.
    TPreferences clickToMove;
    clickToMove.ClickToMove = true;
    form->SetPreferences(clickToMove);
    QTest::mouseClick(&Board(), Qt::LeftButton, {}, QPoint(24 + 3 * 40 + 20, 24 + 1 * 40 + 20));
    ASSERT_EQ(Board().SelectedSquare(), Square::D7);
    ASSERT_TRUE(WaitFor([&] { return description().endsWith("Square d7: black pawn."); }))
        << description().toStdString();
    form->Back1Click(nullptr);
    ASSERT_TRUE(WaitFor([&] { return description() == "White to move."; })) << description().toStdString();
}

// What Qt builds inside scroll areas, combo boxes, menu bars and toolbars ("qt_" parts, the menu bar's untitled
// overflow menu), plain containers, separators and the size grip are Qt's to name; a label in a
// dialog is named by its text.
bool IsQtsOwn(const QWidget* widget)
{
    for (const QWidget* part = widget; part; part = part->parentWidget())
        if (part->objectName().startsWith("qt_") || (part != widget && qobject_cast<const QComboBox*>(part)))
            return true;
    const auto* menu = qobject_cast<const QMenu*>(widget);
    return widget->metaObject() == &QWidget::staticMetaObject || qobject_cast<const QSizeGrip*>(widget)
        || widget->inherits("QToolBarSeparator") || widget->inherits("QTableCornerButton")
        || (menu && menu->title().isEmpty());
}

void ExpectEveryControlNamed(QWidget& window)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (IsQtsOwn(widget))
            continue;
        const auto* label = qobject_cast<QLabel*>(widget);
        if (label && !label->text().isEmpty() && window.inherits("QDialog"))
            continue;
        EXPECT_FALSE(widget->accessibleName().isEmpty())
            << widget->metaObject()->className() << " " << widget->objectName().toStdString() << " in "
            << window.windowTitle().toStdString();
    }
}

TEST_F(MoveTypingTest, EveryControlOfTheWindowAndItsDialogsHasAnAccessibleName)
{
    ExpectEveryControlNamed(*form);
    EXPECT_EQ(Board().accessibleName(), "Chessboard");
    TForm2 options(*form);
    ExpectEveryControlNamed(options);
    EXPECT_EQ(options.Button2->accessibleName(), "White Square Color");
    form->Preferences1Click(nullptr);
    ExpectEveryControlNamed(*form->PreferencesDialog());
}

} // namespace
