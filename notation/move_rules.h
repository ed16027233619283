#pragma once

// The rules behind the notation: one position, its legal moves and the making of one of them, all
// judged by the engine's move generator. Used by the readers and writers of this library, and by
// tests and tools that play many moves in a row (one engine serves a whole game).

#include "engine/engine_types.h"
#include "notation/game_notation.h"

#include <memory>
#include <vector>

namespace engine {
class Engine;
}

namespace notation {

// A legal move with the facts that its SAN needs.
struct LegalMove {
    notation::Move Move;
    char Piece; // upper-case letter of the moving piece
    bool Capture; // en passant included
    bool Castle;
    engine::EngineMove Encoded; // to make the move
};

// A position and its legal moves, kept in step. Invariant: Legal holds exactly the legal moves of
// Pos, in the generator's order. The engine inside is large (tens of kilobytes), so reuse one
// MoveRules for many moves rather than making one per move. Owned by its user; one thread at a time.
class MoveRules {
public:
    explicit MoveRules(const Position& position = StartPosition());
    ~MoveRules();
    MoveRules(const MoveRules&) = delete;
    MoveRules& operator=(const MoveRules&) = delete;

    void Load(const Position& position);
    const Position& Current() const { return Pos; }
    const std::vector<LegalMove>& Legal() const { return LegalMoves; }
    // The legal move equal to `move`, or null.
    const LegalMove* Find(Move move) const;
    bool InCheck() const; // the side to move
    bool KingAttacked(bool white) const;
    // Makes a legal move and updates the counters; throws NotationError for any other move.
    void Play(Move move);

private:
    void GenerateLegalMoves();

    std::unique_ptr<engine::Engine> Board;
    Position Pos {};
    std::vector<LegalMove> LegalMoves;
};

// Which move of the game is made from the position, for messages: "move 12, Black".
std::string MoveContext(const Position& position);
// A move in coordinate form ("e7e8q") for messages, written by engine::CoordinateText.
std::string CoordinateText(Move move);

} // namespace notation
