// The toolbar: its buttons share the menu's actions, and the two colour buttons with their drop-down
// grid.

#include "app/colorbutton97.h"
#include "tests/app/app_test_support.h"

#include <QToolBar>
#include <QToolButton>

namespace {

using Toolbar = WindowTest;

TEST_F(Toolbar, ButtonsShareTheMenuActionsInTheirOrder)
{
    struct Item {
        const char* name;
        QAction* action; // nullptr for a separator or a colour button
        const char* hint;
        QSize size;
    };
    const Item items[] = {
        { "ToolbarButton972", form->New1, "New Game", { 23, 22 } },
        { "ToolbarButton973", form->OpenGame1, "Open Game", { 23, 22 } },
        { "ToolbarButton971", form->SaveGame1, "Save Game", { 23, 22 } },
        { "ToolbarSep971", nullptr, "", {} },
        { "ToolbarButton976", form->Back1, "Back", { 23, 22 } },
        { "ToolbarButton975", form->Stop1, "Stop", { 23, 22 } },
        { "ToolbarButton974", form->Forward1, "Forward", { 23, 22 } },
        { "ToolbarSep972", nullptr, "", {} },
        { "ToolbarButton977", form->Whiteontop1, "Reverse Board", { 23, 22 } },
        { "ColorButton971", nullptr, "Black Square Color", { 34, 22 } },
        { "ColorButton972", nullptr, "White Square Color", { 34, 22 } },
    };
    const QList<QAction*> actions = form->Toolbar971->actions();
    ASSERT_EQ(actions.size(), std::size(items));
    for (std::size_t i = 0; i < std::size(items); ++i) {
        const Item& item = items[i];
        SCOPED_TRACE(item.name);
        QWidget* widget = form->Toolbar971->widgetForAction(actions[static_cast<int>(i)]);
        EXPECT_EQ(widget->objectName(), item.name);
        if (!*item.hint)
            continue;
        EXPECT_EQ(widget->size(), item.size);
        EXPECT_EQ(widget->toolTip(), item.hint);
        if (item.action) {
            EXPECT_EQ(actions[static_cast<int>(i)], item.action) << "one action for menu item and button";
        }
    }
    EXPECT_EQ(form->Toolbar971->windowTitle(), "Zugwerk! Toolbar");
    EXPECT_TRUE(form->Toolbar971->isMovable());
    EXPECT_TRUE(form->Toolbar971->isFloatable());
}

TEST_F(Toolbar, ColourButtonsOfferTheGridInOrderAndColourTheSquares)
{
    // Colours as 0xBBGGRR, row by row.
    // clang-format off
    const TColor expected[] = {
        0x0000FF, 0x00FFFF, 0x00FF80, 0xFFFF00, 0xFF00FF,
        0x404080, 0x0080FF, 0x008000, 0x8080FF, 0x8000FF,
        0x000080, 0xFF0000, 0xA00000, 0x800080, 0xFF0080,
        0x008080, 0x808080, 0xC0C0C0, 0x80FF80, 0x800040,
        0x000000, 0xC080FF, 0xFF80FF, 0xC08000, 0xFFFFFF,
    };
    // clang-format on
    TColorButton97& dark = *form->ColorButton971;
    TColorButton97& light = *form->ColorButton972;
    EXPECT_EQ(dark.Color(), clGray);
    EXPECT_EQ(light.Color(), clSilver);

    QTest::mouseClick(&dark, Qt::LeftButton);
    TColorGrid& grid = *dark.Grid();
    ASSERT_TRUE(grid.isVisible());
    ASSERT_EQ(grid.SwatchCount(), 25);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(grid.SwatchColor(i), expected[i]) << i;
        // Five to a row, row by row.
        EXPECT_EQ(grid.Swatch(i)->y(), grid.Swatch(i / 5 * 5)->y()) << i;
        EXPECT_EQ(grid.Swatch(i)->x(), grid.Swatch(i % 5)->x()) << i;
        if (i >= 5) {
            EXPECT_GT(grid.Swatch(i)->y(), grid.Swatch(i - 5)->y()) << i;
        }
    }

    std::vector<QObject*> accepted;
    dark.OnAfterAccept = [&, handler = dark.OnAfterAccept](QObject* sender) {
        accepted.push_back(sender);
        handler(sender);
    };
    QTest::mouseClick(grid.Swatch(7), Qt::LeftButton);
    EXPECT_FALSE(grid.isVisible());
    EXPECT_EQ(accepted, std::vector<QObject*> { &dark });
    EXPECT_EQ(dark.Color(), expected[7]);
    EXPECT_EQ(Board().SquareColorDark(), expected[7]);
    EXPECT_EQ(Board().SquareColorLight(), clSilver);

    // The keyboard works the grid too, from the current colour (silver, 17): Right, Down, Enter.
    QTest::mouseClick(&light, Qt::LeftButton);
    ASSERT_TRUE(light.Grid()->isVisible());
    QTest::keyClick(light.Grid(), Qt::Key_Right);
    QTest::keyClick(light.Grid(), Qt::Key_Down);
    QTest::keyClick(light.Grid(), Qt::Key_Return);
    EXPECT_EQ(Board().SquareColorLight(), expected[23]);
    EXPECT_EQ(light.Color(), expected[23]);

    // A colour set by code shows without the notification.
    dark.set_Color(clWhite);
    EXPECT_EQ(dark.Color(), clWhite);
    EXPECT_EQ(accepted.size(), 1u);
    EXPECT_EQ(Board().SquareColorDark(), expected[7]);
}

} // namespace
