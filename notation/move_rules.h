#pragma once

// The rules behind the notation: one position, its legal moves and the making of one of them, all
// judged by the engine's move generator. Used by the readers and writers of this library, and by
// tests and tools that play many moves in a row (one engine serves a whole game).

#include "engine/engine.h"
#include "engine/engine_types.h"
#include "notation/game_notation.h"

#include <memory>
#include <span>
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

// A position and its legal moves, kept in step. Invariant: Legal() gives exactly the legal moves of
// Pos, in the generator's order. The engine inside is large (tens of kilobytes), so reuse one
// MoveRules for many moves rather than making one per move. Owned by its user; one thread at a time,
// also for the const members, which list and test moves on demand.
//
// Work is done only when asked for, since reading a game needs far less than its full move lists:
// the generator's moves are listed on the first question about the position, and the legality of a
// move is tested only for the moves asked about (Legal() tests them all, CountLegal only those its
// filter lets through). The engine keeps playing on from one position to the next and is loaded
// afresh only every few moves, before its ply arrays or move list could run out.
class MoveRules {
public:
    explicit MoveRules(const Position& position = StartPosition());
    ~MoveRules();
    MoveRules(const MoveRules&) = delete;
    MoveRules& operator=(const MoveRules&) = delete;

    void Load(const Position& position);
    const Position& Current() const { return Pos; }
    const std::vector<LegalMove>& Legal() const;
    // The legal move equal to `move`, or null; valid until the position changes.
    const LegalMove* Find(Move move) const;
    // Calls visit(const LegalMove&) for each legal move that satisfies wanted(const LegalMove&), in
    // the generator's order. Only the moves that satisfy `wanted` are tested for legality, which is
    // what keeps reading a move cheap: most of the moves of a position never need the test.
    template <class Wanted, class Visit> void VisitLegal(Wanted&& wanted, Visit&& visit) const
    {
        ListCandidates();
        for (const LegalMove& candidate : Candidates)
            if (wanted(candidate) && IsLegal(candidate))
                visit(candidate);
    }
    // How many legal moves satisfy `wanted`, with the first of them in `first` (null for none).
    template <class Wanted> int CountLegal(Wanted&& wanted, const LegalMove*& first) const
    {
        first = nullptr;
        int count = 0;
        VisitLegal(wanted, [&](const LegalMove& legal) {
            if (count++ == 0)
                first = &legal;
        });
        return count;
    }
    // CountLegal among the moves to one square (a board Square value): the others are not even
    // listed. `first` stays valid until the next call.
    template <class Wanted> int CountLegalTo(int to, Wanted&& wanted, const LegalMove*& first) const
    {
        Generate();
        Matched.clear();
        for (const engine::MoveEntry& entry : GeneratedMoves())
            if (engine::BoardSquareNumber(engine::MoveTo(entry.Move)) == to) {
                const LegalMove candidate = FactsOf(entry.Move);
                if (wanted(candidate) && IsLegal(candidate))
                    Matched.push_back(candidate);
            }
        first = Matched.empty() ? nullptr : &Matched.front();
        return static_cast<int>(Matched.size());
    }
    // Whether the side to move has any legal move; stops at the first.
    bool HasLegalMove() const;
    bool InCheck() const; // the side to move
    bool KingAttacked(bool white) const;
    // Makes a legal move and updates the counters; throws NotationError for any other move.
    void Play(Move move);

private:
    void Generate() const;
    std::span<const engine::MoveEntry> GeneratedMoves() const;
    LegalMove FactsOf(engine::EngineMove m) const;
    void ListCandidates() const;
    bool IsLegal(const LegalMove& candidate) const;
    const LegalMove* FindCandidate(Move move) const;
    void CopyChangedSquares(const LegalMove& made);

    std::unique_ptr<engine::Engine> Board;
    Position Pos {};
    // The engine's move list holds the generator's moves of Pos.
    mutable bool Generated = false;
    // Those moves (legal or not) with their facts, once listed.
    mutable std::vector<LegalMove> Candidates;
    mutable bool CandidatesListed = false;
    // The legal ones among them, once Legal() was asked for.
    mutable std::vector<LegalMove> LegalMoves;
    mutable bool LegalListed = false;
    mutable std::vector<LegalMove> Matched; // CountLegalTo's
};

// Which move of the game is made from the position, for messages: "move 12, Black".
std::string MoveContext(const Position& position);
// A move in coordinate form ("e7e8q") for messages, written by engine::CoordinateText.
std::string CoordinateText(Move move);

} // namespace notation
