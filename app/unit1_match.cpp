// A match between two computers with a clock: each finished game goes into the match, the next
// game swaps the colours, the score shows in the status bar and in the box at each game's end, and
// the games are exported as one PGN file. The last game stays on the board when the match is over.

#include "app/unit1.h"

#include <QLabel>
#include <QStatusBar>

#include <stdexcept>

void TForm1::CreateMatchItems()
{
    ExportMatch1 = MenuItem(File1, "ExportMatch1", tr("Export Matc&h (PGN)..."), {}, &TForm1::ExportMatch1Click);
    ExportMatch1->setEnabled(false);
    MatchPanel = new QLabel(StatusBar1);
    MatchPanel->setObjectName(QStringLiteral("MatchPanel"));
    MatchPanel->setAccessibleName(tr("Match score"));
    StatusBar1->addPermanentWidget(MatchPanel);
    MatchPanel->hide();
}

bool TForm1::RecordMatchGame()
{
    if (!FMatch || FMatch->Finished() || !FinishedGame)
        return false;
    try {
        FMatch->Record(*FinishedGame);
    } catch (const std::exception&) {
        return false; // a game without a result (a position written over the board) is not one of the match
    }
    ShowMatchScore();
    return FMatch->Finished();
}

// The players change colours for the next game of the match.
void TForm1::BeginNextMatchGame()
{
    if (!FMatch || FMatch->Finished() || !FGameSetup)
        return;
    FGameSetup->White = FMatch->WhiteOf(FMatch->CurrentGame());
    FGameSetup->Black = FMatch->BlackOf(FMatch->CurrentGame());
    PlaceSetupPlayers();
}

void TForm1::ShowMatchScore()
{
    MatchPanel->setVisible(FMatch != nullptr);
    ExportMatch1->setEnabled(FMatch && FMatch->GamesPlayed() > 0);
    if (!FMatch)
        return;
    MatchPanel->setText(FMatch->Finished() ? FMatch->ScoreText() + tr(": the match is over")
            : FMatch->GamesPlayed() == 0   ? tr("Match of %1 games: game 1").arg(FMatch->GameCount())
                                           : FMatch->ScoreText());
}

void TForm1::ExportMatch1Click(QObject*)
{
    if (FMatch && FMatch->GamesPlayed() > 0)
        ExportPgnTo(FMatch->Pgn(), tr("Match exported to %1"));
}
