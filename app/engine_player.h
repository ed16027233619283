#pragma once

// TEnginePlayer: an external UCI engine playing one colour of a board. When that colour is to move
// at the end of the record, in a game that goes on (not finished by the rules, not GameOver), the
// player sends the game (its start and its moves) and the clock times, and makes the engine's answer
// through the board's Move, as a player's move. The board's own computer player stays off for that
// side: the engine runs in its own process, not in the board's engine thread.
//
// The player looks at the board whenever the board says that what it shows has changed (its
// OnShownChanged: the player links itself behind the handler set before it) and on Update, which the
// window calls when it changes what the board does not show (GameOver, the players). An answer
// to a position that is no longer on the board (Back, New Game, a takeback, a move made meanwhile) is
// dropped. An engine that does not start, crashes, hangs or answers an illegal move loses the game:
// OnLoses says so in a sentence ("Stockfish sent an illegal move (e2e5): it loses the game"), and the
// player plays no more; the window ends the game and makes a new player for the next one.

#include "app/uci_engine.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class TChessBoard;

// The clocks as the engine is told them: remaining time and increment of each side, in milliseconds.
struct TEngineClock {
    qint64 WhiteMs = 0;
    qint64 BlackMs = 0;
    qint64 WhiteIncrementMs = 0;
    qint64 BlackIncrementMs = 0;
};

// What an engine is started as: its program, the arguments (a polyglot .ini for an XBoard engine),
// the options to set after the handshake, and its strength (nothing for full strength).
struct TEngineSetup {
    QString Program;
    QStringList Arguments;
    std::vector<std::pair<QString, QString>> Options;
    std::optional<int> Strength;
    bool operator==(const TEngineSetup&) const = default;
};

// Sets the options and the strength of the setup on an engine that has done its handshake, then
// ucinewgame: the next Ready says the engine has taken them.
void SendSetup(TUciEngine& engine, const TEngineSetup& setup);

class TEnginePlayer : public QObject {
    Q_OBJECT

public:
    TEnginePlayer(TChessBoard& board, bool playsWhite, QObject* parent = nullptr);
    // Ends the engine (quit, then a kill after a short wait).
    ~TEnginePlayer() override;

    // Starts the engine; it plays once its handshake is done and its options are set.
    void Start(const TEngineSetup& setup);
    // Looks at the board: starts a search when the engine's colour is to move, drops one that no
    // longer fits the board.
    void Update();

    // The clocks when the game has one; unset or nothing, the engine thinks MoveTimeMs per move.
    std::function<std::optional<TEngineClock>()> Clock;
    qint64 MoveTimeMs = 1000;
    // The engine lost the game through its own fault; the sentence says why.
    std::function<void(const QString& message)> OnLoses;

    bool PlaysWhite() const { return FPlaysWhite; }
    // The engine has done its handshake and taken its options, and has not lost.
    bool Ready() const { return Configured && !FLost; }
    bool Thinking() const { return Search != 0; }
    bool Lost() const { return FLost; }
    // It lost by a move the rules do not allow, not by failing to answer.
    bool LostByIllegalMove() const { return FLostByIllegalMove; }
    QString Name() const { return FEngine->Name(); }
    TUciEngine& Engine() { return *FEngine; }

private:
    // The game as the engine is told it: start FEN and coordinate moves; empty when the board holds
    // no legal game.
    struct TGameText {
        QString Fen;
        QStringList Moves;
        bool operator==(const TGameText&) const = default;
    };
    std::optional<TGameText> BoardGame() const;
    bool OwnTurn() const;
    void EngineReady();
    void Answer(int search, const QString& move);
    void Lose(const QString& reason);

    QPointer<TChessBoard> Board;
    const bool FPlaysWhite;
    TUciEngine* FEngine;
    TEngineSetup Setup;
    bool OptionsSent = false;
    bool Configured = false;
    bool FLost = false;
    bool FLostByIllegalMove = false;
    int Search = 0; // the running search's number, 0 for none
    TGameText Searched; // the game that search is about
    std::optional<TGameText> LastGame; // the game of the last search, to know when a new one begins
};
