// New Game...: a game of a chosen setup. The board's own computer plays the sides of the built-in
// engine at their levels, an engine player each side of an external engine; the radio groups say
// Computer for both kinds, so that they keep telling who plays. The setup holds for the games that
// follow (New Game, the next game after one between computers) until the player chooses another
// one or changes a side through the radio groups.

#include "app/unit1.h"

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/engine_list_dialog.h"
#include "app/engine_player.h"
#include "app/new_game_dialog.h"
#include "board/chessbrd.h"
#include "engine/levels.h"

#include <QTimer>

namespace {

std::optional<engine::Level> LevelOf(const TPlayerChoice& choice, bool variety)
{
    if (choice.Kind != TPlayerChoice::TKind::BuiltIn)
        return std::nullopt;
    std::optional<engine::Level> level = engine::LevelNamed(choice.Level.toStdString());
    if (level && variety)
        level = engine::WithVariety(*level, engine::OptionalVariety);
    return level;
}

// The level the dialog offers for a side the computer plays without one.
constexpr const char* DefaultLevel = "Intermediate";

} // namespace

void TForm1::NewGameSetup1Click(QObject*)
{
    TNewGameDialog dialog(EngineList(), this);
    dialog.SetSetup(CurrentSetup());
    // Over the dialog, which blocks the window and its own Engines dialog while it is open.
    dialog.ManageEngines = [this](QWidget* over) {
        TEngineListDialog engines(EngineList(), FDialogs, over);
        engines.exec();
    };
    if (FDialogs.ChooseNewGame(this, dialog))
        StartGame(dialog.Setup());
}

// The setup of the games being played, or the one the classic controls make.
TGameSetup TForm1::CurrentSetup() const
{
    if (FGameSetup)
        return *FGameSetup;
    TGameSetup setup;
    const auto classic = [this](bool white) {
        const bool computer = white ? ChessBrd1->ComputerPlaysWhite() : ChessBrd1->ComputerPlaysBlack();
        const std::optional<engine::Level>& level = ChessBrd1->LevelOf(white);
        return computer ? TPlayerChoice::BuiltIn(QString::fromLatin1(level ? level->Name : DefaultLevel))
                        : TPlayerChoice::Human();
    };
    setup.White = classic(true);
    setup.Black = classic(false);
    setup.Clock = TimeControl();
    return setup;
}

bool TForm1::StartGame(const TGameSetup& setup)
{
    if (setup.Clock && !setup.Clock->IsValid())
        throw std::invalid_argument(tr("The time control %1 is not valid").arg(setup.Clock->Name()).toStdString());
    if (!MayDiscardGame())
        return false;
    FGameSetup = setup;
    FMatch = setup.IsMatch() ? std::make_unique<TMatch>(setup.White, setup.Black, setup.MatchGames, *setup.Clock)
                             : nullptr;
    ShowMatchScore();
    ImportedGame.reset();
    ChessBrd1->NewGame();
    SetTimeControl(setup.Clock);
    PlaceSetupPlayers();
    UpdateMoveList();
    ResetClocks();
    UpdateTakeBack();
    return true;
}

TEnginePlayer* TForm1::EnginePlayer(bool white) const { return FEnginePlayers[white ? 1 : 0]; }

// The players of the setup take their sides: the board's computer with its level, an engine player,
// or nobody for a human; the radio groups show which sides a computer plays.
void TForm1::PlaceSetupPlayers()
{
    for (const bool white : { true, false }) {
        const TPlayerChoice& choice = white ? FGameSetup->White : FGameSetup->Black;
        DropEnginePlayer(white);
        ChessBrd1->set_LevelOf(white, LevelOf(choice, FGameSetup->OpeningVariety));
        const bool builtIn = choice.Kind == TPlayerChoice::TKind::BuiltIn;
        if (white)
            ChessBrd1->set_ComputerPlaysWhite(builtIn);
        else
            ChessBrd1->set_ComputerPlaysBlack(builtIn);
        (white ? RadioGroup2 : RadioGroup1)->set_ItemIndex(choice.IsComputer() ? 1 : 0);
    }
    RenewEnginePlayers();
}

void TForm1::DropEnginePlayer(bool white)
{
    // Deleted now: a later player for the same side marks the board's side as its own.
    delete FEnginePlayers[white ? 1 : 0].data();
}

// An engine side without a player that can play gets a new one: at the start of a setup, and after
// an engine lost a game and the next one begins.
void TForm1::RenewEnginePlayers()
{
    if (!FGameSetup)
        return;
    for (const bool white : { true, false }) {
        const TPlayerChoice& choice = white ? FGameSetup->White : FGameSetup->Black;
        QPointer<TEnginePlayer>& player = FEnginePlayers[white ? 1 : 0];
        if (choice.Kind != TPlayerChoice::TKind::Engine || (player && !player->Lost()))
            continue;
        DropEnginePlayer(white);
        player = new TEnginePlayer(*ChessBrd1, white, this);
        player->setObjectName(white ? QStringLiteral("WhiteEnginePlayer") : QStringLiteral("BlackEnginePlayer"));
        player->Clock = [this]() -> std::optional<TEngineClock> {
            if (!FChessClock)
                return std::nullopt;
            const qint64 increment = FChessClock->Control().IncrementMs();
            return TEngineClock { FChessClock->RemainingMs(true), FChessClock->RemainingMs(false), increment,
                increment };
        };
        // From the window's own event, so that the player is not inside its signal when it goes.
        player->OnLoses = [this, white](const QString& message) {
            QTimer::singleShot(0, this, [this, white, message] { EngineLost(white, message); });
        };
        player->Start(choice.Engine);
    }
}

// An engine that crashed, hung or moved illegally loses the game it was playing.
void TForm1::EngineLost(bool white, const QString& message)
{
    if (!EnginePlayer(white) || !EnginePlayer(white)->Lost() || ChessBrd1->GameOver())
        return;
    // The result goes with the game kept as it ends; the next game has none.
    // PGN's terminations: breaking the rules, or leaving the game (crashed, silent).
    FForfeit = TForfeit { white ? "0-1" : "1-0",
        EnginePlayer(white)->LostByIllegalMove() ? "rules infraction" : "abandoned" };
    EndGame(message, message + QLatin1Char('.'), QString());
    FForfeit.reset();
}

// A side changed through the radio groups leaves the setup: a human takes over from an engine, the
// board's computer plays at the Options depth.
void TForm1::LeaveSetupForSide(bool white, bool computer)
{
    if (!FGameSetup)
        return;
    DropEnginePlayer(white);
    TPlayerChoice& choice = white ? FGameSetup->White : FGameSetup->Black;
    choice = computer ? TPlayerChoice::BuiltIn({}) : TPlayerChoice::Human();
    ChessBrd1->set_LevelOf(white, std::nullopt);
}

// The players' names as the setup has them, while their sides are still played as set up; a game
// an engine lost by its fault has its result.
void TForm1::AddSetupTags(notation::Game& game, bool imported) const
{
    if (FGameSetup && !imported) {
        for (const bool white : { true, false }) {
            const TPlayerChoice& choice = white ? FGameSetup->White : FGameSetup->Black;
            const bool asSetUp = choice.Kind == TPlayerChoice::TKind::Engine
                || (choice.Kind == TPlayerChoice::TKind::BuiltIn && ChessBrd1->LevelOf(white));
            if (asSetUp)
                game.SetTag(white ? "White" : "Black", choice.DisplayName().toStdString());
        }
    }
    if (FForfeit && game.Result == "*") {
        game.Result = FForfeit->Result;
        game.SetTag("Result", game.Result);
        game.SetTag("Termination", FForfeit->Termination);
    }
}
