// The application's error box, and the About box that shows how it looks to a user.

#include "tests/app/app_test_support.h"

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
    EXPECT_TRUE(lines[3].contains("GPL 3 or later")) << "the licence, as LICENSE has it";
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

// A handler that throws is stopped where the program takes the call from Qt: an action, the board's
// mouse, the engine's hand-off. Nothing unwinds through Qt's dispatch to the application's last net.
TEST_F(ApplicationTest, HandlersThatThrowAreStoppedAtTheProgramsOwnEntryPoints)
{
    const int unstoppedBefore = TZugwerkApplication::Instance()->UnstoppedExceptions();
    dialogs.OnBox = [](const ShownBox& box) {
        if (box.icon != QMessageBox::Critical)
            throw std::runtime_error("No display for the box");
    };
    form->About1->trigger();

    // A piece dragged from e2 to e4; the move list cannot be refreshed.
    const auto showMove = Board().OnLegalMove;
    Board().OnLegalMove = [](QObject*, Square, Square) { throw std::runtime_error("Move list full"); };
    const auto centre = [&](Square sq) {
        const int size = Board().SizeOfSquare();
        return QPoint(Board().SizeOfBorder() + (TChessBoard::XPos(sq) - 1) * size + size / 2,
            Board().SizeOfBorder() + (8 - TChessBoard::YPos(sq)) * size + size / 2);
    };
    QTest::mousePress(&Board(), Qt::LeftButton, {}, centre(Square::E2));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(&Board(), centre(Square::E2) + (centre(Square::E4) - centre(Square::E2)) * step / 4);
    QTest::mouseRelease(&Board(), Qt::LeftButton, {}, centre(Square::E4));
    EXPECT_EQ(Board().PieceAt(Square::E4), 'P');

    // The computer's answer, made through the hand-off.
    Board().set_SearchDepth(1);
    Board().set_ComputerPlaysBlack(true);
    ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove() && !Board().Thinking(); }));
    Board().set_ComputerPlaysBlack(false);
    Board().OnLegalMove = showMove;

    std::vector<QString> errors;
    for (const ShownBox& box : dialogs.Boxes)
        if (box.icon == QMessageBox::Critical)
            errors.push_back(box.text);
    EXPECT_EQ(errors, (std::vector<QString> { "No display for the box.", "Move list full.", "Move list full." }));
    EXPECT_EQ(TZugwerkApplication::Instance()->UnstoppedExceptions(), unstoppedBefore);
}

} // namespace
