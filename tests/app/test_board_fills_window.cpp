// The board filling the window: at every window size it fits the central area beside the side
// panel, which follows it with the move list reaching down; off, the classic picture comes back.

#include "tests/app/app_test_support.h"

#include "app/evaluation_bar.h"
#include "app/move_list_view.h"

#include <QFrame>
#include <QLabel>

namespace {

using BoardFillsWindow = WindowTest;

TEST_F(BoardFillsWindow, TheBoardGrowsWithTheWindowAndThePanelFollowsIt)
{
    const QSize classicSize = form->size();
    const QImage classic = form->centralWidget()->grab().toImage();
    TPreferences preferences = form->Preferences();
    preferences.BoardFillsWindow = true;
    preferences.EvaluationBar = true;
    form->SetPreferences(preferences);
    EXPECT_EQ(Board().SizeOfSquare(), 40) << "the classic window leaves room for the classic board only";

    const QWidget& area = *form->centralWidget();
    for (const QSize size : { QSize(1024, 768), QSize(1920, 1080), QSize(800, 1000) }) {
        form->resize(size);
        ASSERT_TRUE(WaitFor([&] { return form->size() == size; })) << size.width();
        const QRect board = Board().geometry();
        const QRect list = form->ListBox1->geometry();
        EXPECT_TRUE(area.rect().contains(board)) << size.width() << " nothing cut";
        EXPECT_GT(Board().SizeOfSquare(), 40) << size.width();
        EXPECT_EQ(board.width(), 8 * Board().SizeOfSquare() + 2 * Board().SizeOfBorder());
        const std::initializer_list<const QWidget*> panel { form->RadioGroup1, form->RadioGroup2, form->Bevel1,
            form->Label1, form->Bevel2, form->Label2, form->ListBox1, form->EvaluationBar };
        for (const QWidget* part : panel) {
            EXPECT_GT(part->geometry().left(), board.right()) << size.width();
            EXPECT_TRUE(area.rect().contains(part->geometry())) << size.width();
        }
        EXPECT_GT(form->RadioGroup1->geometry().left(), form->EvaluationBar->geometry().right());
        EXPECT_EQ(form->ListBox1->width(), 161) << "the panel keeps its width";
        EXPECT_GE(list.bottom(), area.height() - 4) << "the move list reaches the bottom";
        EXPECT_EQ(form->MoveListView->geometry(), list);
    }

    form->resize(classicSize);
    ASSERT_TRUE(WaitFor([&] { return form->size() == classicSize; }));
    preferences.BoardFillsWindow = false;
    preferences.EvaluationBar = false;
    form->SetPreferences(preferences);
    EXPECT_EQ(form->centralWidget()->grab().toImage(), classic);
}

} // namespace
