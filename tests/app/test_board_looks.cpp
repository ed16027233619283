// The board's looks among the preferences: themes and pieces chosen in the dialog, kept by name in
// the settings file, put on the board without undoing the player's own colours, and the classic set
// showing the board exactly as it always looked.

#include "app/colorbutton97.h"
#include "app/preferences_dialog.h"
#include "tests/app/app_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <set>

namespace {

class BoardLooksTest : public WindowTest {
protected:
    TPreferencesDialog& OpenDialog()
    {
        form->Preferences1->trigger();
        return *form->PreferencesDialog();
    }
    static void Choose(QComboBox& box, int value) { box.setCurrentIndex(box.findData(value)); }
};

TEST(BoardLooks, ThemesAndPiecesAreStoredByNameAndUnreadableNamesKeepTheDefaults)
{
    QTemporaryDir folder;
    const TPreferencesStore store(folder.filePath(QStringLiteral("preferences.ini")));
    TPreferences chosen;
    chosen.Theme = BoardTheme::Green;
    chosen.Pieces = PieceChoice::TurnedWood;
    store.Save(chosen);
    {
        const QSettings settings(store.FileName(), QSettings::IniFormat);
        EXPECT_EQ(settings.value(QLatin1String(BoardThemeKey)).toString(), QStringLiteral("green"));
        EXPECT_EQ(settings.value(QLatin1String(PiecesKey)).toString(), QStringLiteral("turnedWood"));
    }
    EXPECT_EQ(store.Load(), chosen);
    for (const TBoardThemeEntry& theme : BoardThemes)
        for (const TPieceChoiceEntry& pieces : PieceChoices) {
            chosen.Theme = theme.Theme;
            chosen.Pieces = pieces.Choice;
            store.Save(chosen);
            EXPECT_EQ(store.Load(), chosen) << theme.Name << ' ' << pieces.Name;
        }

    for (const char* unreadable : { "purple", "2", "", "Green" }) {
        {
            QSettings settings(store.FileName(), QSettings::IniFormat);
            settings.setValue(QLatin1String(BoardThemeKey), QLatin1String(unreadable));
            settings.setValue(QLatin1String(PiecesKey), QLatin1String(unreadable));
        }
        const TPreferences loaded = store.Load();
        EXPECT_EQ(loaded.Theme, BoardTheme::ClassicGrey) << unreadable;
        EXPECT_EQ(loaded.Pieces, PieceChoice::Automatic) << unreadable;
    }
}

TEST(BoardLooks, AutomaticPiecesAreTheBitmapsUntilTheBoardFillsTheWindow)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    struct Case {
        PieceChoice pieces;
        bool fills;
        std::optional<PieceDesign> shown;
    };
    const Case cases[] = {
        { PieceChoice::Automatic, false, std::nullopt },
        { PieceChoice::Automatic, true, PieceDesign::Staunton },
        { PieceChoice::Bitmaps, true, std::nullopt },
        { PieceChoice::LinesAndArcs, false, PieceDesign::LinesAndArcs },
        { PieceChoice::TurnedWood, true, PieceDesign::TurnedWood },
    };
    for (const Case& c : cases) {
        TPreferences preferences;
        preferences.Pieces = c.pieces;
        preferences.BoardFillsWindow = c.fills;
        ApplyPreferences(preferences, board);
        EXPECT_EQ(board.VectorPieces(), c.shown) << PieceChoiceEntry(c.pieces).Name << ' ' << c.fills;
    }
}

TEST_F(BoardLooksTest, AThemeColoursTheBoardOnceAndTheColoursSetAfterItStay)
{
    TPreferencesDialog& dialog = OpenDialog();
    Choose(*dialog.BoardThemeBox, static_cast<int>(BoardTheme::Blue));
    const TBoardThemeEntry& blue = BoardThemeEntry(BoardTheme::Blue);
    EXPECT_EQ(form->Preferences().Theme, BoardTheme::Blue);
    EXPECT_EQ(Board().BorderColor(), blue.Frame);
    EXPECT_EQ(Board().SquareColorDark(), blue.SquareDark);
    EXPECT_EQ(Board().SquareColorLight(), blue.SquareLight);
    EXPECT_EQ(Board().CoordFont().Color(), blue.Coordinates);
    EXPECT_EQ(Board().CoordFont().pixelSize(), 9) << "the coordinates keep their font";
    EXPECT_EQ(form->ColorButton971->Color(), blue.SquareDark) << "the toolbar shows the theme's squares";
    EXPECT_EQ(form->ColorButton972->Color(), blue.SquareLight);

    // The player's own colour on top of the theme outlasts changes of other preferences.
    TColorButton97& dark = *form->ColorButton971;
    QTest::mouseClick(&dark, Qt::LeftButton);
    QTest::mouseClick(dark.Grid()->Swatch(7), Qt::LeftButton);
    const TColor picked = dark.Color();
    ASSERT_EQ(Board().SquareColorDark(), picked);
    dialog.PreferenceBoxes.front()->click();
    Choose(*dialog.PiecesBox, static_cast<int>(PieceChoice::LinesAndArcs));
    EXPECT_EQ(Board().SquareColorDark(), picked);
    EXPECT_EQ(Board().SquareColorLight(), blue.SquareLight);

    dialog.ClassicButton->click();
    EXPECT_EQ(Board().BorderColor(), clOlive);
    EXPECT_EQ(Board().SquareColorDark(), clGray);
    EXPECT_EQ(Board().SquareColorLight(), clSilver);
    EXPECT_EQ(Board().CoordFont().Color(), clWhite);
}

TEST_F(BoardLooksTest, TheClassicSetShowsTheBoardExactlyAsBefore)
{
    const QImage before = Board().Canvas().copy();
    TPreferencesDialog& dialog = OpenDialog();
    dialog.ModernButton->click();
    EXPECT_NE(Board().Canvas(), before) << "the modern set has a look of its own";
    EXPECT_EQ(Board().VectorPieces(), PieceDesign::Staunton);
    dialog.ClassicButton->click();
    EXPECT_EQ(Board().Canvas(), before);
    EXPECT_EQ(Board().VectorPieces(), std::nullopt);
    EXPECT_EQ(dialog.BoardThemeBox->currentData().toInt(), static_cast<int>(BoardTheme::ClassicGrey));
    EXPECT_EQ(dialog.PiecesBox->currentData().toInt(), static_cast<int>(PieceChoice::Automatic));
}

TEST_F(BoardLooksTest, TheDialogPreviewsTheChoiceAndKeepsItsAccessKeysApart)
{
    TPreferencesDialog& dialog = OpenDialog();
    const auto preview = [&] { return dialog.PiecesPreview->pixmap().toImage(); };
    const QImage automatic = preview();
    Choose(*dialog.PiecesBox, static_cast<int>(PieceChoice::TurnedWood));
    const QImage wood = preview();
    EXPECT_NE(wood, automatic);
    Choose(*dialog.PiecesBox, static_cast<int>(PieceChoice::Bitmaps));
    EXPECT_EQ(preview(), automatic) << "both show the board's bitmaps";
    Choose(*dialog.BoardThemeBox, static_cast<int>(BoardTheme::Green));
    EXPECT_EQ(preview().pixel(1, 1), ToQColor(BoardThemeEntry(BoardTheme::Green).SquareLight).rgb())
        << "the pieces stand on the theme's squares";

    std::set<QChar> keys;
    const auto key = [&](const QString& caption) {
        const qsizetype at = caption.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < caption.size()) {
            EXPECT_TRUE(keys.insert(caption.at(at + 1).toLower()).second) << caption.toStdString();
        }
    };
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        key(button->text());
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        key(label->text());
    EXPECT_EQ(dialog.BoardThemeBox->accessibleName(), QStringLiteral("Board theme"));
    EXPECT_EQ(dialog.PiecesBox->accessibleName(), QStringLiteral("Pieces"));
}

} // namespace
