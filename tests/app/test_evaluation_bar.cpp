// The evaluation bar: its split and text read from its pixels, and its place in the window while
// the preference is on.

#include "app/evaluation_bar.h"
#include "tests/app/app_test_support.h"

#include <QFrame>
#include <QLabel>

namespace {

using notation::Evaluation;

constexpr int BarHeight = 368;
// The score's text stays within this many rows of the bar's ends.
constexpr int TextBand = 14;

Evaluation Pawns(int centipawns) { return Evaluation { centipawns, std::nullopt }; }
Evaluation Mate(int moves) { return Evaluation { 0, moves }; }

QImage Picture(TEvaluationBar& bar)
{
    bar.resize(TEvaluationBar::BarWidth, BarHeight);
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image);
    return image;
}

bool Light(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) > 128; }

// The share of the bar, from White's end, that is light, read down the column beside the outline
// and outside the text at the ends.
double WhiteShareShown(TEvaluationBar& bar)
{
    const QImage image = Picture(bar);
    const int whiteEnd = bar.WhiteAtBottom() ? BarHeight - 1 : 0;
    const int step = bar.WhiteAtBottom() ? -1 : 1;
    const int first = whiteEnd + step * TextBand;
    const int last = whiteEnd + step * (BarHeight - 1 - TextBand);
    for (int y = first; y != last; y += step)
        if (Light(image, 1, y) != Light(image, 1, y + step))
            return (std::abs(y - whiteEnd) + 1) / double(BarHeight);
    return Light(image, 1, first) ? 1.0 : 0.0;
}

// Dark pixels (the text) on White's part, or light ones on Black's, within the band at one end.
bool TextAtEnd(TEvaluationBar& bar, bool bottom)
{
    const QImage image = Picture(bar);
    const int from = bottom ? BarHeight - TextBand : 1;
    const bool partIsLight = Light(image, 1, bottom ? BarHeight - 2 : 1);
    for (int y = from; y < from + TextBand - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (Light(image, x, y) != partIsLight)
                return true;
    return false;
}

} // namespace

TEST(EvaluationBar, SplitFollowsTheScoreAndTurnsWithTheBoard)
{
    const struct {
        Evaluation evaluation;
        double least, most; // White's share
    } cases[] = {
        { Pawns(0), 0.49, 0.51 },
        { Pawns(300), 0.65, 0.85 },
        { Pawns(-300), 0.15, 0.35 },
        { Pawns(100000), 0.9, 0.97 }, // far ahead, but only a mate fills the bar
        { Mate(3), 1.0, 1.0 },
        { Mate(-2), 0.0, 0.0 },
    };
    for (const auto& c : cases)
        for (bool whiteAtBottom : { true, false }) {
            TEvaluationBar bar;
            bar.SetWhiteAtBottom(whiteAtBottom);
            bar.SetEvaluation(c.evaluation);
            const double shown = WhiteShareShown(bar);
            EXPECT_GE(shown, c.least) << c.evaluation.Centipawns << " at bottom " << whiteAtBottom;
            EXPECT_LE(shown, c.most) << c.evaluation.Centipawns << " at bottom " << whiteAtBottom;
        }
}

TEST(EvaluationBar, ScoreIsWrittenAtTheWinnersEndAndNothingWithoutAnEvaluation)
{
    const struct {
        Evaluation evaluation;
        const char* text;
        bool whiteWins;
    } cases[] = {
        { Pawns(35), "+0.35", true },
        { Pawns(-120), "-1.20", false },
        { Pawns(0), "0.00", true },
        { Pawns(1234), "+12.3", true },
        { Mate(3), "M3", true },
        { Mate(-2), "-M2", false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TEvaluationBar::ScoreText(c.evaluation), c.text);
        for (bool whiteAtBottom : { true, false }) {
            TEvaluationBar bar;
            bar.SetWhiteAtBottom(whiteAtBottom);
            bar.SetEvaluation(c.evaluation);
            const bool winnerAtBottom = c.whiteWins == whiteAtBottom;
            EXPECT_TRUE(TextAtEnd(bar, winnerAtBottom)) << c.text;
            EXPECT_FALSE(TextAtEnd(bar, !winnerAtBottom)) << c.text;
        }
    }
    TEvaluationBar bar;
    bar.SetEvaluation(Pawns(50));
    bar.SetEvaluation(std::nullopt);
    const QImage empty = Picture(bar);
    const QRgb grey = empty.pixel(1, 1);
    for (int y = 1; y < BarHeight - 1; ++y)
        for (int x = 1; x < TEvaluationBar::BarWidth - 1; ++x)
            ASSERT_EQ(empty.pixel(x, y), grey) << x << "," << y;
}

using EvaluationBarInWindow = WindowTest;

// On, the bar stands between the board and the side panel, as high as the board, and only its own
// pixels change; off, the window is the classic picture again.
TEST_F(EvaluationBarInWindow, StandsBesideTheBoardWhileThePreferenceIsOn)
{
    const QImage classic = form->ClientAreaImage();
    EXPECT_FALSE(form->EvaluationBar->isVisible());
    TPreferences preferences = form->Preferences();
    preferences.EvaluationBar = true;
    form->SetPreferences(preferences);

    const TEvaluationBar& bar = *form->EvaluationBar;
    ASSERT_TRUE(bar.isVisible());
    const QRect place = bar.geometry();
    EXPECT_EQ(place.top(), Board().geometry().top());
    EXPECT_EQ(place.height(), Board().height());
    EXPECT_GT(place.left(), Board().geometry().right());
    const QWidget* panel[] = { form->RadioGroup1, form->RadioGroup2, form->Bevel1, form->Bevel2, form->ListBox1 };
    for (const QWidget* part : panel)
        EXPECT_GT(part->geometry().left(), place.right()) << part->metaObject()->className();
    const QImage shown = form->ClientAreaImage();
    // The picture starts below the menu bar.
    const QRect inClient(
        bar.mapTo(form.get(), QPoint(0, 0)) - QPoint(0, form->height() - shown.height()), place.size());
    int outside = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != classic.pixel(x, y) && !inClient.contains(x, y))
                ++outside;
    EXPECT_EQ(outside, 0);
    EXPECT_NE(shown, classic);

    EXPECT_TRUE(bar.WhiteAtBottom());
    form->Whiteontop1->trigger();
    EXPECT_FALSE(bar.WhiteAtBottom()) << "the bar turns with the board";
    form->Whiteontop1->trigger();

    preferences.EvaluationBar = false;
    form->SetPreferences(preferences);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(form->ClientAreaImage(), classic);
}
