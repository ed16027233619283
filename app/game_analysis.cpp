// A whole game searched position by position by one external engine, and what its scores say
// about each move.

#include "app/game_analysis.h"

#include "notation/move_rules.h"

#include <QMetaObject>

#include <algorithm>
#include <utility>

TUciGo DefaultAnalysisLimits()
{
    TUciGo limits;
    limits.MoveTimeMs = AnalysisMoveTimeMs;
    return limits;
}

double ClampedPawns(const notation::Evaluation& evaluation)
{
    if (evaluation.MateIn) {
        const int mate = *evaluation.MateIn;
        const int winner = mate != 0 ? mate : evaluation.Centipawns;
        return winner > 0 ? EvaluationLimitPawns : winner < 0 ? -EvaluationLimitPawns : 0.0;
    }
    return std::clamp(evaluation.Centipawns / 100.0, -1.0 * EvaluationLimitPawns, 1.0 * EvaluationLimitPawns);
}

double GraphValue(const notation::Evaluation& evaluation) { return ClampedPawns(evaluation) / EvaluationLimitPawns; }

std::string MoveMark(const notation::Evaluation& before, const notation::Evaluation& after, bool whiteMoved)
{
    const double gain = ClampedPawns(after) - ClampedPawns(before);
    const double loss = whiteMoved ? -gain : gain;
    if (loss > BlunderLossPawns)
        return "??";
    if (loss > MistakeLossPawns)
        return "?";
    return {};
}

std::vector<notation::MoveNote> MoveNotes(const TEvaluations& evaluations, bool whiteMovesFirst)
{
    std::vector<notation::MoveNote> notes;
    bool whiteMoved = whiteMovesFirst;
    for (size_t i = 1; i < evaluations.size(); ++i, whiteMoved = !whiteMoved) {
        const std::optional<notation::Evaluation>& before = evaluations[i - 1];
        const std::optional<notation::Evaluation>& after = evaluations[i];
        // A mate on the board is no evaluation PGN can carry: the mating move goes without one.
        const bool mated = after && after->MateIn == 0;
        notes.push_back(
            { before && after ? MoveMark(*before, *after, whiteMoved) : std::string(), mated ? std::nullopt : after });
    }
    return notes;
}

TGameAnalysis::TGameAnalysis(QObject* parent)
    : QObject(parent)
    , FEngine(new TUciEngine(this))
{
    connect(FEngine, &TUciEngine::Ready, this, &TGameAnalysis::EngineReady);
    connect(FEngine, &TUciEngine::Info, this, &TGameAnalysis::TakeInfo);
    connect(FEngine, &TUciEngine::BestMove, this, [this](int search, const QString&) { Answer(search); });
    connect(FEngine, &TUciEngine::Failed, this,
        [this](TUciEngine::TFailure, const QString& message) { Fail(tr("The analysis stopped: %1").arg(message)); });
}

TGameAnalysis::~TGameAnalysis() { FEngine->disconnect(this); }

void TGameAnalysis::Start(const notation::Game& game, const TEngineSetup& engine, const TUciGo& limits)
{
    if (FState != TState::NotStarted)
        return;
    FState = TState::Running;
    FGame = game;
    Setup = engine;
    Limits = limits;
    std::vector<notation::Position> positions;
    try {
        positions = notation::Replay(FGame);
        const notation::GameEnd end = notation::EndOfGame(FGame);
        if (end == notation::GameEnd::Mate)
            EndScore = MatedEvaluation(positions.back().WhiteToMove);
        else if (end != notation::GameEnd::None)
            EndScore = notation::Evaluation {};
    } catch (const notation::NotationError& error) {
        // From the event loop, as every other signal.
        QMetaObject::invokeMethod(
            this,
            [this, message = tr("The game cannot be analysed: %1").arg(QString::fromStdString(error.what()))] {
                Fail(message);
            },
            Qt::QueuedConnection);
        return;
    }
    for (const notation::Position& position : positions)
        WhiteToMove.push_back(position.WhiteToMove);
    StartFen = QString::fromStdString(notation::WriteFen(FGame.Start));
    for (const notation::Move& move : FGame.Moves)
        MoveTexts.append(QString::fromStdString(notation::CoordinateText(move)));
    FEvaluations.assign(positions.size(), std::nullopt);
    // A game that ended in its start position needs no engine.
    if (EndScore && positions.size() == 1)
        QMetaObject::invokeMethod(this, &TGameAnalysis::Continue, Qt::QueuedConnection);
    else
        FEngine->Start(Setup.Program, Setup.Arguments);
}

void TGameAnalysis::Cancel()
{
    if (FState != TState::Running && FState != TState::NotStarted)
        return;
    FState = TState::Cancelled;
    FEngine->disconnect(this);
    FEngine->Stop();
    FEngine->Quit();
}

std::vector<notation::MoveNote> TGameAnalysis::Notes() const
{
    return MoveNotes(FEvaluations, WhiteToMove.empty() || WhiteToMove.front());
}

void TGameAnalysis::EngineReady()
{
    if (FState != TState::Running)
        return;
    // The first readyok ends the handshake; the next says the engine has taken its setup.
    if (!std::exchange(SetupSent, true))
        SendSetup(*FEngine, Setup);
    else
        Continue();
}

void TGameAnalysis::TakeInfo(int search, const TUciInfo& info)
{
    if (search != Search || info.MultiPv != 1 || info.LowerBound || info.UpperBound)
        return;
    if (const std::optional<notation::Evaluation> score = WhiteView(info, WhiteToMove[Done]))
        LastScore = score;
}

void TGameAnalysis::Answer(int search)
{
    if (search != Search || FState != TState::Running)
        return;
    Search = 0;
    if (!LastScore) {
        Fail(tr("%1 gave no score for position %2 of the game").arg(FEngine->Name()).arg(Done));
        return;
    }
    Score(LastScore);
}

void TGameAnalysis::Continue()
{
    if (FState != TState::Running || Search != 0)
        return;
    const int total = static_cast<int>(FEvaluations.size());
    if (Done == total) {
        FState = TState::Finished;
        FEngine->Quit();
        Q_EMIT Finished();
        return;
    }
    if (Done == total - 1 && EndScore) {
        Score(EndScore);
        return;
    }
    LastScore.reset();
    Search = FEngine->Go(StartFen, MoveTexts.mid(0, Done), Limits, WhiteToMove[Done]);
}

void TGameAnalysis::Score(std::optional<notation::Evaluation> evaluation)
{
    FEvaluations[Done] = evaluation;
    ++Done;
    Q_EMIT Progress(Done, static_cast<int>(FEvaluations.size()));
    Continue();
}

void TGameAnalysis::Fail(const QString& message)
{
    if (FState != TState::Running)
        return;
    FState = TState::Failed;
    Search = 0;
    FEngine->Quit();
    Q_EMIT Failed(message);
}
