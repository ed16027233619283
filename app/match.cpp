// A match between two computer players: alternating colours, the score and the recorded games.

#include "app/match.h"

#include <QCoreApplication>

#include <stdexcept>
#include <utility>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TMatch", text); }

} // namespace

TMatch::TMatch(TPlayerChoice first, TPlayerChoice second, int games, TTimeControl control)
    : FFirst(std::move(first))
    , FSecond(std::move(second))
    , FGameCount(games)
    , FControl(control)
{
    if (games < 1 || games > TGameSetup::MaxMatchGames)
        throw std::invalid_argument(QCoreApplication::translate("TMatch", "A match has from 1 to %1 games, not %2")
                                        .arg(TGameSetup::MaxMatchGames)
                                        .arg(games)
                                        .toStdString());
    if (!control.IsValid())
        throw std::invalid_argument(
            QCoreApplication::translate("TMatch", "The time control %1 is not one a match can be played at")
                .arg(control.Name())
                .toStdString());
}

const notation::Game& TMatch::Record(notation::Game finished)
{
    if (Finished())
        throw std::logic_error(
            QStringLiteral("The match of %1 games is over: no further game counts").arg(FGameCount).toStdString());
    const std::string result = notation::ResultOf(finished);
    const int whiteHalfPoints = result == "1-0" ? 2 : result == "1/2-1/2" ? 1 : result == "0-1" ? 0 : -1;
    if (whiteHalfPoints < 0)
        throw std::invalid_argument(QStringLiteral("Game %1 of the match has not ended (result \"%2\")")
                                        .arg(CurrentGame())
                                        .arg(QString::fromStdString(result))
                                        .toStdString());

    const int game = CurrentGame();
    finished.Result = result;
    finished.SetTag("Event", EventName);
    finished.SetTag("Round", std::to_string(game));
    finished.SetTag("White", WhiteOf(game).DisplayName().toStdString());
    finished.SetTag("Black", BlackOf(game).DisplayName().toStdString());
    finished.SetTag("Result", result);
    finished.SetTag("TimeControl", FControl.PgnTag().toStdString());

    const bool firstWhite = FirstHasWhite(game);
    FFirstHalfPoints += firstWhite ? whiteHalfPoints : 2 - whiteHalfPoints;
    FSecondHalfPoints += firstWhite ? 2 - whiteHalfPoints : whiteHalfPoints;
    FGames.push_back(std::move(finished));
    return FGames.back();
}

QString TMatch::PointsText(int halfPoints)
{
    const int whole = halfPoints / 2;
    if (halfPoints % 2 == 0)
        return QString::number(whole);
    return whole == 0 ? QStringLiteral("½") : QStringLiteral("%1½").arg(whole);
}

QString TMatch::ScoreText() const
{
    // Two sentences rather than a plural form, so that the English one needs no translation file.
    const char* text = FGameCount == 1 ? QT_TRANSLATE_NOOP("TMatch", "Match: %1 %2 – %3 %4 after %5 of %6 game")
                                       : QT_TRANSLATE_NOOP("TMatch", "Match: %1 %2 – %3 %4 after %5 of %6 games");
    return Tr(text)
        .arg(FFirst.Caption(), PointsText(FFirstHalfPoints), FSecond.Caption(), PointsText(FSecondHalfPoints))
        .arg(GamesPlayed())
        .arg(FGameCount);
}

std::string TMatch::Pgn() const
{
    std::string text;
    for (const notation::Game& game : FGames) {
        if (!text.empty())
            text += '\n';
        text += notation::WritePgn(game);
    }
    return text;
}
