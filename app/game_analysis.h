#pragma once

// TGameAnalysis: an external UCI engine's judgement of every position of a game, for the evaluation
// graph and the marks in the move list. It runs one engine in a child process of its own (never the
// board's engine thread) and searches the positions in order: the start, then the position after each
// move, each told as "position fen <start> moves <the moves so far>" with the same limits. The score
// of a position is that of the last complete line of rank 1 the engine reported for it (bounds are
// no score), turned to White's view. The last position, when the game ended there by the rules, is
// not searched: a mate is the winner's (see MatedEvaluation), a drawn end is 0.
// An engine that does not start, ends, stays silent past its time or answers a search without any
// score fails the analysis, naming the engine; a search to a depth waits for its answer as long as
// it takes, until Cancel.
//
// The game is copied at Start; the caller's game is never changed. Signals come from the event loop,
// never from inside Start or Cancel, and a handler that is done with the analysis deletes it with
// deleteLater. After Finished or Failed nothing more comes; after Cancel no signal comes at all.
//
// The pure parts (White's view of a score, the clamped value, a move's mark) are free functions
// below, so that the graph and the tests use them without an engine.

#include "app/analysis_lines.h"
#include "app/engine_player.h"
#include "app/uci_engine.h"
#include "app/uci_info.h"
#include "notation/game_notation.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

using TEvaluations = std::vector<std::optional<notation::Evaluation>>;

// The time an engine has for each position unless the caller says otherwise.
inline constexpr qint64 AnalysisMoveTimeMs = 500;
// Scores count up to this many pawns either way; a mate counts as this much.
inline constexpr int EvaluationLimitPawns = 10;
// A move that gives away more than this many pawns (of the clamped score) for its side is a mistake
// "?", more than the second a blunder "??".
inline constexpr double MistakeLossPawns = 1.0;
inline constexpr double BlunderLossPawns = 3.0;

// The limits of one position's search by default: AnalysisMoveTimeMs.
TUciGo DefaultAnalysisLimits();

// White's advantage in pawns, clamped to +-EvaluationLimitPawns, a mate at the winner's limit.
double ClampedPawns(const notation::Evaluation& evaluation);

// Where the graph draws an evaluation: -1 (Black wins) to +1 (White wins), 0 for equal.
double GraphValue(const notation::Evaluation& evaluation);

// The mark of a move from `before` to `after` (both White's view) by the side that made it: "??" when
// it lost more than BlunderLossPawns of the clamped score, "?" more than MistakeLossPawns, else "".
std::string MoveMark(const notation::Evaluation& before, const notation::Evaluation& after, bool whiteMoved);

// One note per move of a game whose positions have these evaluations (moves + 1 of them): the
// evaluation after the move and its mark; no mark where either side of the move is unscored.
std::vector<notation::MoveNote> MoveNotes(const TEvaluations& evaluations, bool whiteMovesFirst);

class TGameAnalysis : public QObject {
    Q_OBJECT

public:
    explicit TGameAnalysis(QObject* parent = nullptr);
    // Ends a running engine (quit, then a kill after a short wait).
    ~TGameAnalysis() override;

    // Copies the game and starts the engine with its options; the searches follow its handshake.
    // An analysis starts once; a game with an illegal move fails.
    void Start(const notation::Game& game, const TEngineSetup& engine, const TUciGo& limits = DefaultAnalysisLimits());
    // Stops the running search and ends the engine at once. No signal follows.
    void Cancel();

    // Started and neither finished, failed nor cancelled.
    bool Running() const { return FState == TState::Running; }
    const notation::Game& AnalysedGame() const { return FGame; }
    // One per position (the start, then after each move); nothing where not scored yet.
    const TEvaluations& Evaluations() const { return FEvaluations; }
    // One per move: the evaluation after it and its mark.
    std::vector<notation::MoveNote> Notes() const;
    const TUciEngine& Engine() const { return *FEngine; }

Q_SIGNALS:
    // `done` positions of `total` are scored.
    void Progress(int done, int total);
    void Finished();
    void Failed(const QString& message);

private:
    enum class TState { NotStarted, Running, Finished, Failed, Cancelled };
    void EngineReady();
    void TakeInfo(int search, const TUciInfo& info);
    void Answer(int search);
    // Scores the positions from the next unscored one: the game's end at once, else a search.
    void Continue();
    void Score(std::optional<notation::Evaluation> evaluation);
    void Fail(const QString& message);

    TUciEngine* FEngine;
    TState FState = TState::NotStarted;
    notation::Game FGame;
    TEngineSetup Setup;
    TUciGo Limits;
    std::vector<bool> WhiteToMove; // of each position
    std::optional<notation::Evaluation> EndScore; // of the last position when the game ended there
    QString StartFen;
    QStringList MoveTexts; // coordinate moves, "e7e8q"
    bool SetupSent = false;
    int Search = 0; // the running search's number, 0 for none
    std::optional<notation::Evaluation> LastScore; // of the running search
    TEvaluations FEvaluations;
    int Done = 0;
};
