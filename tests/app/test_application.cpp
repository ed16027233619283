// The application's error box, and the About box that shows how it looks to a user.

#include "app_test_support.h"

#include <QMenuBar>

#include <stdexcept>

namespace {

TEST(ApplicationErrorBox, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Cannot create file", "Cannot create file." },
        { "Disk full (drive 2", "Disk full (drive 2." },
        { "Out of paper!", "Out of paper!" },
        { "Printer (offline)", "Printer (offline)" },
        { "Done.", "Done." },
        { "", "" },
    };
    for (const auto& [message, text] : cases)
        EXPECT_EQ(TZugwerkApplication::ErrorBoxText(message), text) << message;
}

using ApplicationTest = WindowTest;

TEST_F(ApplicationTest, AnExceptionFromAHandlerReachesTheErrorBoxAndTheProgramGoesOn)
{
    const QRect about = form->menuBar()->actionGeometry(form->About1);
    QTest::mouseClick(form->menuBar(), Qt::LeftButton, {}, about.center());
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_EQ(dialogs.Boxes[0].caption, "Zugwerk!");
    const QStringList lines = dialogs.Boxes[0].text.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.mid(0, 3), (QStringList { "Zugwerk! 2.0", "The chess game", "" }));
    EXPECT_TRUE(lines[3].contains("The Zugwerk! developers"));
    EXPECT_TRUE(lines[4].contains("README"));
    EXPECT_EQ(dialogs.Boxes[0].buttons, QMessageBox::Ok);

    // The box cannot be shown this time: the handler fails, the event loop catches it.
    dialogs.Clear();
    dialogs.OnBox = [](const ShownBox& box) {
        if (box.icon != QMessageBox::Critical)
            throw std::runtime_error("No display for the box");
    };
    QTest::mouseClick(form->menuBar(), Qt::LeftButton, {}, about.center());
    ASSERT_EQ(dialogs.Boxes.size(), 2u);
    const ShownBox& error = dialogs.Boxes[1];
    EXPECT_EQ(error.caption, "Zugwerk!");
    EXPECT_EQ(error.text, "No display for the box.");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, QMessageBox::Ok);

    // The program goes on.
    Play(Board(), "e2e4");
    EXPECT_EQ(form->StatusText(), "Move 1 : 37");
}

} // namespace
