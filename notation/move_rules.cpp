// Legal moves and making them, through the engine. The engine plays every move at its root (Ply 0)
// and is loaded afresh after each one, so a game of any length fits its ply arrays.

#include "notation/move_rules.h"

#include "engine/coordinate_text.h"
#include "engine/engine.h"
#include "engine/legal_moves.h"
#include "notation/quoted_text.h"

#include <cctype>

namespace notation {

MoveRules::MoveRules(const Position& position)
    : Board(std::make_unique<engine::Engine>())
{
    LegalMoves.reserve(engine::MoveStackSize / engine::MaxPly);
    Load(position);
}

MoveRules::~MoveRules() = default;

void MoveRules::Load(const Position& position)
{
    Pos = position;
    engine::LoadRootPosition(*Board, Pos);
    GenerateLegalMoves();
}

void MoveRules::GenerateLegalMoves()
{
    // The pseudo-legal list of one position fits the move stack, so generation is complete.
    LegalMoves.clear();
    engine::ForEachLegalMove(*Board, [this](engine::EngineMove m) {
        const int from = engine::MoveFrom(m);
        LegalMoves.push_back({
            { engine::BoardSquareNumber(from), engine::BoardSquareNumber(engine::MoveTo(m)),
                engine::PromotionLetter(engine::MovePromotion(m)) },
            static_cast<char>(std::toupper(static_cast<unsigned char>(Pos.Squares[from]))),
            engine::MoveHas(m, engine::mfCapture),
            engine::MoveHas(m, engine::mfCastle),
            m,
        });
    });
}

const LegalMove* MoveRules::Find(Move move) const
{
    for (const LegalMove& legal : LegalMoves)
        if (legal.Move == move)
            return &legal;
    return nullptr;
}

bool MoveRules::InCheck() const { return KingAttacked(Pos.WhiteToMove); }

bool MoveRules::KingAttacked(bool white) const { return Board->KingInCheck(white ? engine::White : engine::Black); }

void MoveRules::Play(Move move)
{
    const LegalMove* legal = Find(move);
    if (!legal) {
        const std::string text = CoordinateText(move);
        throw NotationError(Quoted(text) + " is not a legal move", text);
    }
    const engine::EngineMove m = legal->Encoded;
    const bool quiet = !engine::MoveHas(m, engine::mfCapture | engine::mfPawnMove);
    Board->MakeMove(m);

    // Placement, side, rights and en passant square as the engine left them.
    Position next = Pos;
    Board->ExportPosition(next.Squares, next.WhiteToMove, next.CastlingBits, next.EnPassantSquare);
    // The counters: a capture or pawn move restarts the clock, a Black move ends a full move.
    next.HalfmoveClock = quiet ? Pos.HalfmoveClock + 1 : 0;
    next.FullmoveNumber = Pos.WhiteToMove ? Pos.FullmoveNumber : Pos.FullmoveNumber + 1;
    // The new position becomes the engine's root.
    Load(next);
}

Position StartPosition()
{
    static const Position start = [] {
        Position position;
        std::string error;
        [[maybe_unused]] const bool parsed = engine::ReadFenFields(engine::StartFen, position, error);
        return position;
    }();
    return start;
}

std::vector<Move> LegalMoves(const Position& position)
{
    const MoveRules rules(position);
    std::vector<Move> moves;
    for (const LegalMove& legal : rules.Legal())
        moves.push_back(legal.Move);
    return moves;
}

bool SideToMoveInCheck(const Position& position) { return MoveRules(position).InCheck(); }

Position PositionAfter(const Position& position, Move move)
{
    MoveRules rules(position);
    rules.Play(move);
    return rules.Current();
}

std::string MoveContext(const Position& position)
{
    return "move " + std::to_string(position.FullmoveNumber) + ", " + (position.WhiteToMove ? "White" : "Black");
}

std::string CoordinateText(Move move)
{
    return engine::CoordinateText(engine::EngineSquareOf(move.From), engine::EngineSquareOf(move.To), move.Promotion);
}

} // namespace notation
