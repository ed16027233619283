// The options dialog acting on the main window's board: orientation with the player groups,
// piece sets, square colours with the colour dialog's memory, and the search-depth spin edit.

#include "tests/app/app_test_support.h"

#include "app/colorbutton97.h"
#include "app/cspinedit.h"
#include "app/unit2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace {

class OptionsDialog : public WindowTest {
protected:
    std::unique_ptr<TForm2> options;

    void SetUp() override
    {
        WindowTest::SetUp();
        options = std::make_unique<TForm2>(*form);
        options->show();
    }
    void TearDown() override
    {
        options.reset();
        WindowTest::TearDown();
    }
    bool Player2IsAbove() const { return form->RadioGroup2->y() < form->RadioGroup1->y(); }
    void ChooseSet(int index)
    {
        options->ComboBox1->setCurrentIndex(index);
        emit options->ComboBox1->activated(index);
    }
};

TEST_F(OptionsDialog, WhiteOnTopTurnsTheBoardAndSwapsThePlayerGroups)
{
    const QRect player1 = form->RadioGroup1->geometry();
    const QRect player2 = form->RadioGroup2->geometry();
    QTest::mouseClick(options->CheckBox3, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(Board().WhiteOnTop());
    EXPECT_EQ(form->RadioGroup2->geometry(), player1);
    EXPECT_EQ(form->RadioGroup1->geometry(), player2);
    QTest::mouseClick(options->CheckBox3, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(Board().WhiteOnTop());
    EXPECT_EQ(form->RadioGroup1->geometry(), player1);
    EXPECT_EQ(form->RadioGroup2->geometry(), player2);

    QTest::mouseClick(options->CheckBox1, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(Board().BoardLines());
}

TEST_F(OptionsDialog, ShowingTheDialogTicksWhiteOnTopFromTheBoard)
{
    form->Whiteontop1->trigger(); // the board turns, the groups stay
    EXPECT_FALSE(options->CheckBox3->isChecked()) << "an open dialog is not synchronised";
    options->Button1->click();
    EXPECT_FALSE(options->isVisible());
    options->show();
    EXPECT_TRUE(options->CheckBox3->isChecked());
    EXPECT_TRUE(Board().WhiteOnTop());
    EXPECT_TRUE(Player2IsAbove()) << "the tick swaps the groups at that moment";

    form->Whiteontop1->trigger();
    options->close();
    options->show();
    EXPECT_FALSE(options->CheckBox3->isChecked());
    EXPECT_FALSE(Player2IsAbove());
}

TEST_F(OptionsDialog, PieceSetsComeFromTheWindowsPicturesAndSet40BringsBackTheBuiltInOnes)
{
    EXPECT_EQ(options->ComboBox1->currentIndex(), -1);
    EXPECT_FALSE(options->ComboBox1->isEditable());
    ChooseSet(2);
    EXPECT_EQ(Board().CustomPieceSet(), form->ImageCm36);
    ChooseSet(1);
    EXPECT_EQ(Board().CustomPieceSet(), form->SetChr32);
    ChooseSet(0);
    EXPECT_TRUE(Board().CustomPieceSet().isNull());
}

TEST_F(OptionsDialog, ColourButtonsRecolourOneSideAndTheDialogRemembersItsLastColour)
{
    bool notified = false;
    form->ColorButton972->OnAfterAccept = [&](QObject*) { notified = true; };
    const TColor dark = Board().SquareColorDark();
    const TColor red = RGBColor(200, 0, 0);
    dialogs.Colors = { red, std::nullopt };
    options->Button2->click();
    EXPECT_EQ(Board().SquareColorLight(), red);
    EXPECT_EQ(form->ColorButton972->Color(), red);
    EXPECT_FALSE(notified);
    EXPECT_EQ(Board().SquareColorDark(), dark);
    EXPECT_EQ(form->ColorButton971->Color(), dark);

    options->Button3->click(); // cancelled: nothing changes
    EXPECT_EQ(Board().SquareColorDark(), dark);
    EXPECT_EQ(dialogs.ColorDialogOpenedOn, (std::vector<TColor> { clBlack, red }));
}

TEST_F(OptionsDialog, SearchDepthShowsWhatWasTypedAndTheBoardClampsIt)
{
    TCSpinEdit& spin = *options->CSpinEdit1;
    EXPECT_EQ(spin.Text(), "3");
    int changes = 0;
    const auto handler = spin.OnChange;
    spin.OnChange = [&](QObject* sender) {
        ++changes;
        handler(sender);
    };
    const struct {
        const char* typed;
        const char* shown;
        int depth;
        int changes;
    } cases[] = {
        { "15", "15", 10, 2 },
        { "0", "0", 1, 1 },
        { "7", "7", 7, 1 },
        { "-", "0", 1, 2 },
    };
    for (const auto& c : cases) {
        spin.set_Value(5);
        changes = 0;
        spin.selectAll();
        QTest::keyClicks(&spin, c.typed);
        EXPECT_EQ(spin.Text(), c.shown) << c.typed;
        EXPECT_EQ(Board().SearchDepth(), c.depth) << c.typed;
        EXPECT_EQ(changes, c.changes) << c.typed;
    }

    spin.set_Value(5);
    changes = 0;
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Backspace); // the empty field becomes "0", a second change
    EXPECT_EQ(spin.Text(), "0");
    EXPECT_EQ(Board().SearchDepth(), 1);
    EXPECT_EQ(changes, 2);

    QTest::keyClicks(&spin, "x");
    EXPECT_EQ(spin.Text(), "0") << "letters are not taken";
    QTest::keyClick(&spin, Qt::Key_Up);
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "2");
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(Board().SearchDepth(), 1);
    EXPECT_EQ(spin.Text(), "1");
}

TEST_F(OptionsDialog, OkHidesTheDialogWhichKeepsItsStateAndNeverBlocksTheWindow)
{
    EXPECT_FALSE(options->isModal());
    EXPECT_EQ(options->size(), QSize(242, 261));
    EXPECT_TRUE(options->Button1->isDefault());
    ChooseSet(1);
    options->CheckBox1->setChecked(true);
    options->Button1->click();
    EXPECT_FALSE(options->isVisible());
    options->show();
    EXPECT_EQ(options->ComboBox1->currentIndex(), 1);
    EXPECT_TRUE(options->CheckBox1->isChecked());
}

} // namespace
