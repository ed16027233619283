// The evaluation bar: its split read from its pixels, its text, and its place in the window while
// the preference is on.

#include "app/analysis_lines.h"
#include "app/evaluation_bar.h"
#include "tests/app/app_test_support.h"

#include <QFrame>
#include <QPainter>

namespace {

using notation::Evaluation;

constexpr int BarHeight = 368;
// The score's text stays within this many rows of the bar's ends, where the split is not read.
constexpr int TextBand = 14;

Evaluation Pawns(int centipawns) { return Evaluation { centipawns, std::nullopt }; }
Evaluation Mate(int moves) { return Evaluation { 0, moves }; }

bool Light(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) > 128; }

// The share of the bar, from White's end, that is light, read down the column beside the outline
// and outside the text at the ends.
double WhiteShareShown(TEvaluationBar& bar)
{
    bar.resize(TEvaluationBar::BarWidth, BarHeight);
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image);
    const int whiteEnd = bar.WhiteAtBottom() ? BarHeight - 1 : 0;
    const int step = bar.WhiteAtBottom() ? -1 : 1;
    const int first = whiteEnd + step * TextBand;
    const int last = whiteEnd + step * (BarHeight - 1 - TextBand);
    for (int y = first; y != last; y += step)
        if (Light(image, 1, y) != Light(image, 1, y + step))
            return (std::abs(y - whiteEnd) + 1) / double(BarHeight);
    return Light(image, 1, first) ? 1.0 : 0.0;
}

} // namespace

// White's share of the bar for a few scores, both ways up, and the score's text.
TEST(EvaluationBar, SplitAndTextFollowTheScoreAndTheBoardsTurn)
{
    const struct {
        Evaluation evaluation;
        const char* text;
        double least, most; // White's share
    } cases[] = {
        { Pawns(0), "0.00", 0.49, 0.51 },
        { Pawns(300), "+3.00", 0.65, 0.85 },
        { Pawns(-120), "-1.20", 0.3, 0.45 },
        { Pawns(1234), "+12.3", 0.9, 0.97 }, // far ahead, but only a mate fills the bar
        { Mate(3), "M3", 1.0, 1.0 },
        { Mate(-2), "-M2", 0.0, 0.0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EvaluationText(c.evaluation), c.text);
        for (bool whiteAtBottom : { true, false }) {
            SCOPED_TRACE(std::string(c.text) + (whiteAtBottom ? ", White at the bottom" : ", turned"));
            TEvaluationBar bar;
            bar.SetWhiteAtBottom(whiteAtBottom);
            bar.SetEvaluation(c.evaluation);
            const double shown = WhiteShareShown(bar);
            EXPECT_GE(shown, c.least);
            EXPECT_LE(shown, c.most);
        }
    }
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
    const std::initializer_list<const QWidget*> panel { form->RadioGroup1, form->RadioGroup2, form->Bevel1,
        form->Bevel2, form->ListBox1 };
    for (const QWidget* part : panel)
        EXPECT_GT(part->geometry().left(), place.right());
    // Only the bar's pixels change; the picture starts below the menu bar.
    const QImage shown = form->ClientAreaImage();
    const QPoint corner = bar.mapTo(form.get(), QPoint(0, 0)) - QPoint(0, form->height() - shown.height());
    QImage withoutBar = shown;
    QPainter(&withoutBar).drawImage(corner, classic.copy(QRect(corner, place.size())));
    EXPECT_EQ(withoutBar, classic);
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
