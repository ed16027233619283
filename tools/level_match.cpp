// The built-in engine at each level against an external UCI engine, played the way the game plays
// them: a board whose own computer plays the built-in side at the level, an engine player for the
// other side, one chess clock for both, told of every move and watched for the flag. Each game ends
// by the rules (as the notation library judges the recorded game), on time, by the engine's failure
// or by adjudication as a draw after a cap of half-moves. Prints per level the score and how much of
// its clock each side spent per move. Run by hand (headless):
//   build/level-match --engine /usr/games/stockfish --elo 1350 --games 2 --tc 1+0 --pgn games.pgn

#include "app/chess_clock.h"
#include "app/engine_player.h"
#include "app/engine_strength.h"
#include "app/game_setup.h"
#include "app/game_transfer.h"
#include "app/match.h"
#include "app/text_files.h"
#include "app/uci_engine.h"
#include "board/chessbrd.h"
#include "engine/levels.h"
#include "notation/game_notation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Often enough that a flag fall is seen within a few milliseconds.
constexpr int FlagPollMs = 5;

// How one side spent its clock over its moves.
struct TTimeUse {
    int Moves = 0;
    std::int64_t TotalMs = 0;
    // The largest part of the time it had at the start of a move that the move took.
    double LargestShare = 0;
    int FlagFalls = 0;

    void AddMove(std::int64_t usedMs, std::int64_t hadMs)
    {
        ++Moves;
        TotalMs += usedMs;
        if (hadMs > 0)
            LargestShare = std::max(LargestShare, double(usedMs) / double(hadMs));
    }
    void Add(const TTimeUse& other)
    {
        Moves += other.Moves;
        TotalMs += other.TotalMs;
        LargestShare = std::max(LargestShare, other.LargestShare);
        FlagFalls += other.FlagFalls;
    }
    double MeanMs() const { return Moves ? double(TotalMs) / Moves : 0; }
};

struct TGameOutcome {
    notation::Game Game;
    QString Ending; // how it ended, in words
    TTimeUse BuiltIn;
    TTimeUse Engine;
};

const char* EndingInWords(notation::GameEnd end)
{
    switch (end) {
    case notation::GameEnd::Mate: return "checkmate";
    case notation::GameEnd::Stalemate: return "stalemate";
    case notation::GameEnd::OnlyKings: return "only the kings left";
    case notation::GameEnd::Repetition: return "threefold repetition";
    case notation::GameEnd::DeadPosition: return "dead position";
    case notation::GameEnd::SeventyFiveMoves: return "75-move rule";
    case notation::GameEnd::FiftyMovesClaimed: return "50-move rule";
    case notation::GameEnd::None: break;
    }
    return "";
}

// One game: the built-in engine at a level on one side, the external engine on the other.
class TLevelGame : public QObject {
public:
    TLevelGame(const engine::Level& level, bool builtInWhite, const TEngineSetup& engineSetup,
        const TTimeControl& control, int maxHalfMoves)
        : BuiltInWhite(builtInWhite)
        , MaxHalfMoves(maxHalfMoves)
        , Clock(control)
    {
        Board.set_Level(level);
        Board.set_MoreDrawRules(true);
        // Nothing moves until the engine has done its handshake and the clock starts.
        Board.set_GameOver(true);
        Board.EngineClock = [this] {
            return engine::ClockReading { std::nullopt, Clock.RemainingMs(Board.WhiteToMove()),
                Clock.Control().IncrementMs(), std::nullopt };
        };
        Board.EngineMessageBox = [this](const QString&, const QString& text) {
            QTimer::singleShot(0, this, [this, text] { End(BuiltInWhite ? "0-1" : "1-0", "rules infraction", text); });
        };
        Board.OnLegalMove = [this](QObject*, Square, Square) { MoveMade(); };
        Player = std::make_unique<TEnginePlayer>(Board, !builtInWhite);
        Player->Clock = [this] {
            const qint64 increment = Clock.Control().IncrementMs();
            return TEngineClock { Clock.RemainingMs(true), Clock.RemainingMs(false), increment, increment };
        };
        Player->OnLoses = [this](const QString& message) { End(BuiltInWhite ? "1-0" : "0-1", "abandoned", message); };
        Player->Start(engineSetup);
        connect(&Poll, &QTimer::timeout, this, &TLevelGame::Watch);
    }

    TGameOutcome Play()
    {
        Poll.start(FlagPollMs);
        Loop.exec();
        Poll.stop();
        return Outcome;
    }

private:
    void Watch()
    {
        if (Over)
            return;
        if (!Started) {
            if (Player->Ready())
                StartClock();
            return;
        }
        if (const std::optional<bool> white = Clock.TakeFlagFall())
            FlagFell(*white);
    }

    void StartClock()
    {
        Started = true;
        Clock.Start(true);
        TurnStartMs = Clock.RemainingMs(true);
        Board.set_GameOver(false);
        if (BuiltInWhite)
            Board.set_ComputerPlaysWhite(true);
        else
            Board.set_ComputerPlaysBlack(true);
        Player->Update();
    }

    // The board has passed the turn; the built-in engine may start on its move inside this move, so
    // the clock must follow at once.
    void MoveMade()
    {
        if (Over)
            return;
        const bool moverWhite = !Board.WhiteToMove();
        TTimeUse& mover = moverWhite == BuiltInWhite ? Outcome.BuiltIn : Outcome.Engine;
        mover.AddMove(TurnStartMs - Clock.RemainingMs(moverWhite), TurnStartMs);
        Clock.MoveMade(Board.WhiteToMove());
        TurnStartMs = Clock.RemainingMs(Board.WhiteToMove());
        // The rest of the move (promotion, castling rook, en passant) is made after this handler.
        QTimer::singleShot(0, this, &TLevelGame::CheckEnd);
    }

    void CheckEnd()
    {
        if (Over)
            return;
        notation::Game game = RecordedGame(Board);
        game.MoreDrawRules = true;
        // Either player would claim the draw as soon as the 50-move rule allows it.
        game.FiftyMoveDrawClaimed = notation::Replay(game).back().HalfmoveClock >= notation::FiftyMoveRuleHalfMoves;
        FiftyMovesClaimed = game.FiftyMoveDrawClaimed;
        if (const notation::GameEnd end = notation::EndOfGame(game); end != notation::GameEnd::None)
            End(notation::ResultOf(game), "normal", EndingInWords(end));
        else if (const std::optional<bool> white = Clock.TakeFlagFall())
            FlagFell(*white);
        else if (static_cast<int>(game.Moves.size()) >= MaxHalfMoves)
            End("1/2-1/2", "adjudication", QStringLiteral("adjudicated a draw after %1 half-moves").arg(MaxHalfMoves));
    }

    void FlagFell(bool white)
    {
        (white == BuiltInWhite ? Outcome.BuiltIn : Outcome.Engine).FlagFalls++;
        const bool draw = OnlyKingLeft(BoardPosition(Board).Squares, !white);
        const char* side = white ? "White" : "Black";
        End(draw        ? "1/2-1/2"
                : white ? "0-1"
                        : "1-0",
            "time forfeit",
            draw ? QStringLiteral("%1's time is up, the other side cannot mate").arg(side)
                 : QStringLiteral("%1 lost on time").arg(side));
    }

    void End(const std::string& result, const char* termination, const QString& ending)
    {
        if (Over)
            return;
        Over = true;
        Clock.Pause();
        Board.set_GameOver(true);
        Player->Update();
        Outcome.Game = RecordedGame(Board);
        Outcome.Game.MoreDrawRules = true;
        Outcome.Game.FiftyMoveDrawClaimed = FiftyMovesClaimed;
        Outcome.Game.Result = result;
        const QDate today = QDate::currentDate();
        Outcome.Game.SetTag("Date", notation::PgnDate(today.year(), today.month(), today.day()));
        Outcome.Game.SetTag("Termination", termination);
        Outcome.Ending = ending;
        Loop.quit();
    }

    const bool BuiltInWhite;
    const int MaxHalfMoves;
    TChessClock Clock;
    TChessBoard Board;
    std::unique_ptr<TEnginePlayer> Player;
    QEventLoop Loop;
    QTimer Poll;
    bool Started = false;
    bool Over = false;
    bool FiftyMovesClaimed = false;
    std::int64_t TurnStartMs = 0;
    TGameOutcome Outcome;
};

// The engine's name from its handshake and the unit of its strength; throws when it does not start.
TPlayerChoice EngineChoice(const TEngineSetup& setup)
{
    TUciEngine probe;
    QEventLoop loop;
    QString failure;
    QObject::connect(&probe, &TUciEngine::Ready, &loop, &QEventLoop::quit);
    QObject::connect(&probe, &TUciEngine::Failed, &loop, [&](TUciEngine::TFailure, const QString& message) {
        failure = message;
        loop.quit();
    });
    probe.Start(setup.Program, setup.Arguments);
    loop.exec();
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
    TPlayerChoice choice;
    choice.Kind = TPlayerChoice::TKind::Engine;
    choice.Engine = setup;
    choice.EngineName = probe.Name();
    choice.StrengthUnit = StrengthUnit(StrengthControlOf(probe.Options()));
    probe.Quit();
    return choice;
}

struct TLevelResult {
    QString Level;
    QString Score; // "1½/4"
    TTimeUse BuiltIn;
    TTimeUse Engine;
};

struct TRun {
    TEngineSetup Engine;
    std::vector<engine::Level> Levels;
    int Games = 2;
    TTimeControl Control { 1, 0 };
    int MaxHalfMoves = 400;
    QString PgnFile;
};

int Fail(const QString& message)
{
    std::fprintf(stderr, "level-match: %s\n", qPrintable(message));
    return 2;
}

std::optional<int> PositiveNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 ? std::optional(value) : std::nullopt;
}

void PrintTable(const std::vector<TLevelResult>& results, const QString& engineName)
{
    std::printf("\n%-13s %-8s | %-32s | %s\n", "level", "score", "built-in: ms/move  largest  flags",
        qPrintable(engineName + QStringLiteral(": ms/move  largest  flags")));
    for (const TLevelResult& r : results)
        // Padded as text: "½" is one character but two bytes.
        std::printf("%-13s %s | %16.1f  %6.2f%%  %5d | %16.1f  %6.2f%%  %5d\n", qPrintable(r.Level),
            qPrintable(r.Score.leftJustified(8)), r.BuiltIn.MeanMs(), 100 * r.BuiltIn.LargestShare, r.BuiltIn.FlagFalls,
            r.Engine.MeanMs(), 100 * r.Engine.LargestShare, r.Engine.FlagFalls);
}

int RunMatches(const TRun& run)
{
    const TPlayerChoice engineChoice = EngineChoice(run.Engine);
    std::vector<TLevelResult> results;
    std::string pgn;
    for (const engine::Level& level : run.Levels) {
        TMatch match(TPlayerChoice::BuiltIn(QString::fromLatin1(level.Name)), engineChoice, run.Games, run.Control);
        TLevelResult result { QString::fromLatin1(level.Name), {}, {}, {} };
        while (!match.Finished()) {
            const int number = match.CurrentGame();
            TLevelGame game(level, TMatch::FirstHasWhite(number), run.Engine, run.Control, run.MaxHalfMoves);
            TGameOutcome outcome = game.Play();
            const notation::Game& recorded = match.Record(std::move(outcome.Game));
            result.BuiltIn.Add(outcome.BuiltIn);
            result.Engine.Add(outcome.Engine);
            std::printf("game %d: %s - %s %s (%s, %zu half-moves)\n", number, recorded.TagValue("White").c_str(),
                recorded.TagValue("Black").c_str(), recorded.Result.c_str(), qPrintable(outcome.Ending),
                recorded.Moves.size());
            std::fflush(stdout);
        }
        std::printf("%s\n", qPrintable(match.ScoreText()));
        result.Score = QStringLiteral("%1/%2").arg(TMatch::PointsText(match.Score(true))).arg(match.GameCount());
        results.push_back(result);
        if (!pgn.empty())
            pgn += '\n';
        pgn += match.Pgn();
        // Written after every level, so that an interrupted run keeps the games played.
        if (!run.PgnFile.isEmpty())
            WriteWholeFile(run.PgnFile, QByteArray::fromStdString(pgn));
    }
    PrintTable(results, engineChoice.DisplayName());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the built-in engine at each level against an external UCI engine."));
    parser.addHelpOption();
    const QCommandLineOption engineOption(
        "engine", "The UCI engine to play against, with its arguments (\"gnuchess --uci\").", "PROGRAM");
    const QCommandLineOption optionOption("option", "An option of the engine, repeatable.", "NAME=VALUE");
    const QCommandLineOption eloOption("elo", "The engine's strength, through UCI_Elo or Skill Level.", "N");
    const QCommandLineOption levelOption("level", "Only this level, repeatable (default: every level).", "NAME");
    const QCommandLineOption gamesOption("games", "Games per level, colours alternating (default 2).", "N", "2");
    const QCommandLineOption tcOption("tc", "Time control, minutes+increment seconds (default 1+0).", "M+S", "1+0");
    const QCommandLineOption capOption(
        "max-plies", "Half-moves after which a game is a draw (default 400).", "N", "400");
    const QCommandLineOption pgnOption("pgn", "Writes all games to this PGN file.", "FILE");
    parser.addOptions(
        { engineOption, optionOption, eloOption, levelOption, gamesOption, tcOption, capOption, pgnOption });
    parser.process(app);

    TRun run;
    const QStringList command = QProcess::splitCommand(parser.value(engineOption));
    if (command.isEmpty())
        return Fail(QStringLiteral("--engine PROGRAM is needed"));
    // A program named by a path is started by its full path, whatever the working directory.
    const QFileInfo program(command.front());
    run.Engine.Program = command.front().contains(QLatin1Char('/')) ? program.absoluteFilePath() : command.front();
    run.Engine.Arguments = command.mid(1);
    for (const QString& option : parser.values(optionOption)) {
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return Fail(QStringLiteral("--option wants NAME=VALUE, not \"%1\"").arg(option));
        run.Engine.Options.emplace_back(option.left(equals), option.mid(equals + 1));
    }
    if (parser.isSet(eloOption)) {
        run.Engine.Strength = PositiveNumber(parser.value(eloOption));
        if (!run.Engine.Strength)
            return Fail(QStringLiteral("--elo wants a positive number, not \"%1\"").arg(parser.value(eloOption)));
    }
    for (const QString& name : parser.values(levelOption)) {
        const std::optional<engine::Level> level = engine::LevelNamed(name.toStdString());
        if (!level)
            return Fail(QStringLiteral("no level is named \"%1\"").arg(name));
        run.Levels.push_back(*level);
    }
    if (run.Levels.empty())
        run.Levels.assign(engine::Levels().begin(), engine::Levels().end());
    const std::optional<int> games = PositiveNumber(parser.value(gamesOption));
    const std::optional<int> cap = PositiveNumber(parser.value(capOption));
    const std::optional<TTimeControl> control = TTimeControl::FromName(parser.value(tcOption));
    if (!games || !cap || !control)
        return Fail(QStringLiteral("--games and --max-plies want positive numbers, --tc a control such as 1+0"));
    run.Games = *games;
    run.MaxHalfMoves = *cap;
    run.Control = *control;
    run.PgnFile = parser.value(pgnOption);
    try {
        return RunMatches(run);
    } catch (const std::exception& error) {
        return Fail(QString::fromStdString(error.what()));
    }
}
