// The move list in standard notation: its rows and marked half-move, the keys that step through the
// game, the classic list that stays as it was with the preference off, and the fallback for a board
// that holds no legal game.

#include "app/move_list_view.h"
#include "tests/app/app_test_support.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

class MoveListTest : public WindowTest {
protected:
    void SetStandardList(bool on)
    {
        TPreferences preferences = form->Preferences();
        preferences.StandardMoveList = on;
        form->SetPreferences(preferences);
    }
    TMoveListView& View() { return *form->MoveListView; }
    // A move fills the list once it is complete, from the event loop.
    void Settle() { QCoreApplication::processEvents(); }
    std::vector<QStringList> Rows()
    {
        std::vector<QStringList> rows;
        for (int row = 0; row < View().rowCount(); ++row)
            rows.push_back(View().RowTexts(row));
        return rows;
    }
    std::string BoardAt() const
    {
        return std::to_string(form->ChessBrd1->CurrentMove()) + (form->ChessBrd1->WhiteToMove() ? "w" : "b");
    }
};

TEST_F(MoveListTest, ShowsEverySpecialMoveInStandardNotationWithMoveNumbers)
{
    struct Case {
        const char* fen; // nullptr: the start position
        bool whiteToMove;
        int moveNumber;
        const char* moves;
        std::string promotions; // the pieces the pawns become, in turn
        std::vector<QStringList> rows;
    };
    const Case cases[] = {
        { "r3k2r/pppp1ppp/8/4P3/8/8/PPP2PPP/R3K2R", false, 10, "d7d5 e5d6 e8c8 e1g1", "",
            { { "10.", "...", "d5" }, { "11.", "exd6", "O-O-O" }, { "12.", "O-O", "" } } },
        { "4k3/1P4P1/8/8/8/8/8/K7", true, 1, "g7g8 e8d7 b7b8", "qn",
            { { "1.", "g8=Q+", "Kd7" }, { "2.", "b8=N+", "" } } },
        { nullptr, true, 1, "f2f3 e7e5 g2g4 d8h4", "", { { "1.", "f3", "e5" }, { "2.", "g4", "Qh4#" } } },
    };
    SetStandardList(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moves);
        form->New1->trigger();
        if (c.fen)
            Arrange(Board(), c.fen, c.whiteToMove, AllCastlingRights, Square::None, c.moveNumber);
        std::string promotions = c.promotions;
        Board().OnPromotion = [&promotions](QObject*, Square, Square, char& piece) {
            piece = promotions.front();
            promotions.erase(0, 1);
        };
        Play(Board(), c.moves);
        Board().OnPromotion = nullptr;
        Settle();
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(View().MarkedHalfMove(), View().HalfMoves() - 1) << "the last move made is marked";
        EXPECT_TRUE(View().isVisible());
        EXPECT_FALSE(form->ListBox1->isVisible());
    }
    EXPECT_EQ(Board().Position(), StartPosition) << "the mate ended the game, the list still shows it";

    // Kept on the board, the finished game is still the board's to step through.
    TPreferences preferences = form->Preferences();
    preferences.KeepFinalPosition = true;
    form->SetPreferences(preferences);
    Play(Board(), "f2f3 e7e5 g2g4 d8h4");
    Settle();
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, View().visualRect(View().CellOf(0)).center());
    EXPECT_EQ(BoardAt(), "1b");
    EXPECT_EQ(View().MarkedHalfMove(), 0);
}

TEST_F(MoveListTest, MarkFollowsTheBoardThroughBackForwardClicksAndKeys)
{
    SetStandardList(true);
    Play(Board(), "e2e4 e7e5 g1f3");
    Settle();
    ASSERT_EQ(View().MarkedHalfMove(), 2);
    const auto click = [&](int halfMove) {
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, View().visualRect(View().CellOf(halfMove)).center());
    };
    const auto key = [](QWidget& widget, Qt::Key k) { return [&widget, k] { QTest::keyClick(&widget, k); }; };
    struct Step {
        const char* what;
        std::function<void()> act;
        int marked;
        const char* boardAt;
    };
    const Step steps[] = {
        { "Back", [&] { form->Back1->trigger(); }, 1, "2w" },
        { "Forward", [&] { form->Forward1->trigger(); }, 2, "2b" },
        { "click e4", [&] { click(0); }, 0, "1b" },
        { "click e4 again", [&] { click(0); }, 0, "1b" },
        { "Left on the board", key(Board(), Qt::Key_Left), -1, "1w" },
        { "Left at the start", key(Board(), Qt::Key_Left), -1, "1w" },
        { "Right in the list", key(View(), Qt::Key_Right), 0, "1b" },
        { "End on the board", key(Board(), Qt::Key_End), 2, "2b" },
        { "Home in the list", key(View(), Qt::Key_Home), -1, "1w" },
        { "Down in the list", key(View(), Qt::Key_Down), 1, "2w" },
        { "Up in the list", key(View(), Qt::Key_Up), -1, "1w" },
        { "a new move cuts the rest", [&] { Play(Board(), "d2d4"); }, 0, "1b" },
        { "New Game", [&] { form->New1->trigger(); }, -1, "1w" },
        { "an imported game",
            [&] {
                QGuiApplication::clipboard()->setText("1. d4 d5 2. c4 *");
                form->PasteGame1->trigger();
            },
            2, "2b" },
    };
    for (const Step& step : steps) {
        step.act();
        Settle();
        EXPECT_EQ(View().MarkedHalfMove(), step.marked) << step.what;
        EXPECT_EQ(BoardAt(), step.boardAt) << step.what;
        if (step.marked >= 0) {
            EXPECT_EQ(View().currentIndex(), View().CellOf(step.marked)) << step.what;
        }
    }
    EXPECT_EQ(View().RowTexts(1), (QStringList { "2.", "c4", "" }));

    // The board takes the focus from a click, so that its keys work.
    QTest::mouseClick(&Board(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(form->focusWidget(), &Board());
}

TEST_F(MoveListTest, WithThePreferenceOffTheClassicListAndPictureStayAsTheyWere)
{
    Play(Board(), "e2e4 e7e5 e1e2");
    Settle();
    const QStringList classic = ListLines();
    const QImage before = form->ClientAreaImage();
    EXPECT_TRUE(form->ListBox1->isVisible());
    EXPECT_FALSE(View().isVisible());

    SetStandardList(true);
    EXPECT_TRUE(View().isVisible());
    EXPECT_FALSE(form->ListBox1->isVisible());
    EXPECT_EQ(View().RowTexts(1), (QStringList { "2.", "Ke2", "" }));
    EXPECT_NE(form->ClientAreaImage(), before);
    // The move-list file keeps the classic lines.
    QTemporaryDir folder;
    dialogs.FileNames.push_back(folder.filePath("moves.txt"));
    form->Save1->trigger();
    QFile file(folder.filePath("moves.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()), classic.join("\r\n") + "\r\n");

    SetStandardList(false);
    EXPECT_EQ(ListLines(), classic);
    EXPECT_EQ(form->ClientAreaImage(), before);

    // The keys are new: they step with the classic list too.
    QTest::keyClick(&Board(), Qt::Key_Home);
    EXPECT_EQ(Board().Position(), StartPosition);
    EXPECT_EQ(ListLines(), classic);
}

TEST_F(MoveListTest, ABoardWithoutALegalGameFallsBackToTheClassicList)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath("two_black_kings.zgw");
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Placement("k3k3/8/8/8/8/8/P7/4K3").c_str());
    }
    Play(Board(), "e2e4");
    form->OpenFile(fileName);
    SetStandardList(true);
    EXPECT_TRUE(form->ListBox1->isVisible()) << "no legal game leads to a board with two black kings";
    EXPECT_FALSE(View().isVisible());
    Play(Board(), "e8d8");
    Settle();
    EXPECT_TRUE(form->ListBox1->isVisible());
    EXPECT_EQ(ListLines().size(), 2);

    form->New1->trigger();
    EXPECT_TRUE(View().isVisible()) << "a legal game brings the standard list back";
    EXPECT_FALSE(form->ListBox1->isVisible());
}

} // namespace
