// An external engine playing one side of the board: when it is due, its search, its answer made
// through the board's Move, and its losses.

#include "app/engine_player.h"

#include "app/engine_strength.h"
#include "app/game_transfer.h"
#include "board/chessbrd.h"
#include "notation/move_rules.h"

#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <cctype>

namespace {

// The board's OnShownChanged as the player chains it: the handler that was set, then the player.
// A named type, so that the player can find its own link again when it goes.
struct TShownHook {
    QPointer<TEnginePlayer> Player;
    TGameEvents::TNotifyEvent Previous;
    void operator()(QObject* sender) const
    {
        if (Previous)
            Previous(sender);
        if (Player)
            Player->Update();
    }
};

} // namespace

void SendSetup(TUciEngine& engine, const TEngineSetup& setup)
{
    for (const auto& [name, value] : setup.Options)
        engine.SetOption(name, value);
    ApplyStrength(engine, setup.Strength);
    engine.NewGame();
}

TEnginePlayer::TEnginePlayer(TChessBoard& board, bool playsWhite, QObject* parent)
    : QObject(parent)
    , Board(&board)
    , FPlaysWhite(playsWhite)
    , FEngine(new TUciEngine(this))
{
    if (playsWhite)
        board.set_ComputerPlaysWhite(false);
    else
        board.set_ComputerPlaysBlack(false);
    board.set_OutsidePlayer(playsWhite, true);
    board.OnShownChanged = TShownHook { this, std::move(board.OnShownChanged) };
    connect(FEngine, &TUciEngine::Ready, this, &TEnginePlayer::EngineReady);
    connect(FEngine, &TUciEngine::BestMove, this, &TEnginePlayer::Answer);
    connect(
        FEngine, &TUciEngine::Failed, this, [this](TUciEngine::TFailure, const QString& message) { Lose(message); });
}

TEnginePlayer::~TEnginePlayer()
{
    FEngine->disconnect(this);
    // Unlinks the hook when it is still the board's handler; inside a later chain it stays and
    // passes the call on alone.
    if (!Board)
        return;
    Board->set_OutsidePlayer(FPlaysWhite, false);
    if (TShownHook* hook = Board->OnShownChanged.target<TShownHook>(); hook && hook->Player == this)
        Board->OnShownChanged = std::move(hook->Previous);
}

void TEnginePlayer::Start(const TEngineSetup& setup)
{
    Setup = setup;
    FEngine->Start(setup.Program, setup.Arguments);
}

void TEnginePlayer::EngineReady()
{
    if (Configured)
        return;
    if (!OptionsSent) {
        // The first readyok ends the handshake: the options, then one more round for them to take.
        SendSetup(*FEngine, Setup);
        OptionsSent = true;
        return;
    }
    Configured = true;
    Update();
}

bool TEnginePlayer::OwnTurn() const
{
    if (!Board || Board->Reviewing() || Board->GameOver() || Board->WhiteToMove() != FPlaysWhite)
        return false;
    // The board's own computer plays this side when someone turned it on again: it moves, not we.
    return !(FPlaysWhite ? Board->ComputerPlaysWhite() : Board->ComputerPlaysBlack());
}

std::optional<TEnginePlayer::TGameText> TEnginePlayer::BoardGame() const
{
    if (!Board)
        return std::nullopt;
    try {
        notation::Game game = RecordedGame(*Board);
        // A finished game (mate, stalemate, a draw by the rules) has no move left to play, whether or
        // not the window keeps it on the board.
        game.MoreDrawRules = Board->MoreDrawRules();
        if (notation::EndOfGame(game) != notation::GameEnd::None)
            return std::nullopt;
        TGameText text { QString::fromStdString(notation::WriteFen(game.Start)), {} };
        for (const notation::Move& move : game.Moves)
            text.Moves.append(QString::fromStdString(notation::CoordinateText(move)));
        return text;
    } catch (const notation::NotationError&) {
        return std::nullopt; // no legal game on the board: nothing to play
    }
}

void TEnginePlayer::Update()
{
    if (!Board || FLost || !Configured)
        return;
    const std::optional<TGameText> game = OwnTurn() ? BoardGame() : std::nullopt;
    if (Search != 0 && game == Searched)
        return;
    if (Search != 0) {
        FEngine->Stop();
        Search = 0;
    }
    if (!game)
        return;
    // Another start or moves that do not continue the last search's game: the engine forgets its
    // game (hash tables, history) before this one.
    const bool continues = LastGame && LastGame->Fen == game->Fen && LastGame->Moves.size() <= game->Moves.size()
        && std::equal(LastGame->Moves.begin(), LastGame->Moves.end(), game->Moves.begin());
    if (LastGame && !continues)
        FEngine->NewGame();
    TUciGo limits;
    limits.MoveTimeMs = MoveTimeMs;
    if (const std::optional<TEngineClock> clock = Clock ? Clock() : std::nullopt) {
        limits.HasClock = true;
        limits.WhiteMs = clock->WhiteMs;
        limits.BlackMs = clock->BlackMs;
        limits.WhiteIncrementMs = clock->WhiteIncrementMs;
        limits.BlackIncrementMs = clock->BlackIncrementMs;
    }
    Searched = *game;
    LastGame = *game;
    Search = FEngine->Go(game->Fen, game->Moves, limits, FPlaysWhite);
}

void TEnginePlayer::Answer(int search, const QString& move)
{
    if (search != Search)
        return;
    Search = 0;
    if (BoardGame() != Searched || !OwnTurn()) {
        Update(); // the board changed without telling us yet
        return;
    }
    const notation::MoveRules rules(BoardPosition(*Board));
    const notation::LegalMove* found = LegalMoveNamed(rules, move);
    if (!found) {
        FLostByIllegalMove = true;
        Lose(tr("%1 sent an illegal move (%2)").arg(Name(), move));
        return;
    }
    // The promotion piece is for this move only; later promotions keep the board's standing piece.
    const char standing = Board->PromotionPiece();
    const auto restore = qScopeGuard([this, standing] {
        char piece = standing;
        if (Board)
            Board->Promotion(Board, Square::None, Square::None, piece);
    });
    if (found->Move.Promotion != 0) {
        char piece = static_cast<char>(std::tolower(static_cast<unsigned char>(found->Move.Promotion)));
        Board->Promotion(Board, Square::None, Square::None, piece);
    }
    Board->Move(SquareAt(found->Move.From), SquareAt(found->Move.To));
}

void TEnginePlayer::Lose(const QString& reason)
{
    if (FLost)
        return;
    FLost = true;
    Search = 0;
    FEngine->Quit();
    // From the event loop, so that the window may end the game and delete this player in its handler.
    QTimer::singleShot(0, this, [this, message = tr("%1: it loses the game").arg(reason)] {
        if (OnLoses)
            OnLoses(message);
    });
}
