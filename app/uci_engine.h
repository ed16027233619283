#pragma once

// TUciEngine: one external chess engine that speaks UCI, run as a child process. Everything is
// asynchronous: commands are written to the engine's input at once, its answers arrive as signals
// from the event loop, and every wait has a timer of its own, so the window never blocks on an
// engine. An engine that does not start, ends, crashes or stays silent past a timeout is reported
// once through Failed and ended; nothing it does or sends throws into Qt. Lines the protocol does
// not know are ignored. Its signals come from inside its own reading: a handler that is done with the
// engine deletes it with deleteLater.
//
// XBoard-only engines speak another protocol. Debian's polyglot package wraps one as UCI: a
// polyglot .ini file names the engine (EngineCommand = /usr/games/crafty, EngineDir = ...), and
// the program "polyglot" with the argument "/path/to/crafty.ini" is then started as a UCI engine.

#include "app/uci_info.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class QProcess;
class QTimer;

// One option the engine offers, as its "option name ... type ..." line describes it.
struct TUciOption {
    enum class TType { Check, Spin, Combo, Button, String };
    QString Name;
    TType Type = TType::String;
    QString Default;
    int Min = 0;
    int Max = 0;
    QStringList Vars; // the choices of a combo
};

// An "option name ..." line read into an option; nothing for a line that is not a valid one.
std::optional<TUciOption> ParseUciOption(const QString& line);

// The limits of one search: the remaining clock times and increments in milliseconds, or a fixed
// time for the move when the game has no clock. Analysis asks for a depth or for a search without
// limits instead; those run until the engine is done or stopped, with no deadline for the answer.
struct TUciGo {
    bool HasClock = false;
    qint64 WhiteMs = 0;
    qint64 BlackMs = 0;
    qint64 WhiteIncrementMs = 0;
    qint64 BlackIncrementMs = 0;
    qint64 MoveTimeMs = 1000;
    std::optional<int> Depth; // instead of the times: "depth N"
    bool Infinite = false; // instead of all other limits: "infinite", until Stop
    // The go command's arguments: "infinite", "depth ..", "wtime .. btime .. winc .. binc .." or
    // "movetime ..".
    QString Arguments() const;
    // How long the side to move may think by these limits; none for a depth or an infinite search.
    std::optional<qint64> ThinkingTimeMs(bool whiteToMove) const;
};

class TUciEngine : public QObject {
    Q_OBJECT

public:
    enum class TState { NotStarted, Starting, Handshake, Readying, Ready, Quitting, Ended };
    enum class TFailure { DidNotStart, Ended, NoUciOk, NoReadyOk, NoBestMove };

    explicit TUciEngine(QObject* parent = nullptr);
    // Sends quit and waits a short, bounded time for the engine to end, then kills it.
    ~TUciEngine() override;

    // Starts the program and the handshake: uci, its id and option lines, uciok, then isready and
    // readyok. Ready follows, or Failed.
    void Start(const QString& program, const QStringList& arguments = {});

    TState State() const { return FState; }
    bool IsReady() const { return FState == TState::Ready; }
    // The name the engine gave ("id name"), else its program's file name.
    QString Name() const;
    QString Author() const { return FAuthor; }
    const std::vector<TUciOption>& Options() const { return FOptions; }
    const TUciOption* Option(const QString& name) const;
    QString Program() const { return FProgram; }
    qint64 ProcessId() const;

    // Commands; written only while the engine runs and has finished its uci handshake.
    void SetOption(const QString& name, const QString& value = {});
    // ucinewgame, then isready: Ready follows once the engine has caught up.
    void NewGame();
    // Asks isready; Ready follows on readyok, Failed when it does not come in time.
    void SyncReady();
    // position fen <fen> [moves ...], then go with the limits. The engine has the time the limits
    // give the side to move plus BestMoveGrace to answer. Returns the search's number, which
    // BestMove names.
    int Go(const QString& fen, const QStringList& moves, const TUciGo& limits, bool whiteToMove);
    // Ends the running searches: their answers are dropped when they come.
    void Stop();
    // Searches whose bestmove has not come yet, dropped ones included.
    int SearchesPending() const { return static_cast<int>(Searches.size()); }
    // Answers of stopped searches that came and were dropped.
    int DroppedAnswers() const { return FDroppedAnswers; }
    // quit, then a kill when the engine has not ended after QuitTimeout. Finished follows.
    void Quit();

    // Timeouts in milliseconds, each for one wait.
    int HandshakeTimeout = 5000; // uci to uciok
    int ReadyTimeout = 5000; // isready to readyok
    int BestMoveGrace = 2000; // beyond the thinking time
    int QuitTimeout = 1000; // quit to the end of the process

Q_SIGNALS:
    void Ready();
    // The answer of a search that was not stopped; move as the engine wrote it ("e7e8q").
    void BestMove(int search, const QString& move);
    // A result the running search reported on its way (its depth, score and line); none from a
    // stopped search.
    void Info(int search, const TUciInfo& info);
    void Failed(TUciEngine::TFailure failure, const QString& message);
    void Finished();

private:
    struct TSearch {
        int Number;
        qint64 Deadline; // on the steady clock, ms
        bool Dropped;
    };
    void Send(const QString& line);
    void ReadOutput();
    void HandleLine(const QString& line);
    void ProcessEnded();
    void ProcessError();
    void Fail(TFailure failure, const QString& message);
    void WaitFor(int milliseconds);
    void ArmSearchTimer();
    void TimedOut();
    void EndProcess(int quitTimeout);

    QProcess* Process = nullptr;
    QTimer* Timer = nullptr; // the one wait that runs: handshake, readyok, bestmove or quit
    TState FState = TState::NotStarted;
    QString FProgram;
    QString FName;
    QString FAuthor;
    std::vector<TUciOption> FOptions;
    QByteArray Pending; // output after the last complete line
    std::deque<QString> Lines; // complete lines not handled yet
    bool HandlingLines = false;
    bool AwaitingReady = false;
    std::deque<TSearch> Searches;
    int NextSearch = 1;
    int FDroppedAnswers = 0;
};
