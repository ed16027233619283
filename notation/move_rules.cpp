// Legal moves and making them, through the engine. The engine plays on from move to move, each
// move one ply deeper, and is loaded afresh from the position every PliesPerLoad moves, so a game
// of any length fits its ply arrays and its move list.

#include "notation/move_rules.h"

#include "engine/coordinate_text.h"
#include "engine/engine.h"
#include "notation/quoted_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace notation {

namespace {

    // Every ply played keeps its move list on the engine's move stack until the next load. A
    // position has at most a few hundred generated moves, so this many lists fit; should they not,
    // ListCandidates loads the engine afresh and lists again.
    constexpr int PliesPerLoad = 12;
    static_assert(PliesPerLoad < engine::MaxPly - 1);

    constexpr char WhiteLetters[] = "PNBRQK";
    constexpr char BlackLetters[] = "pnbrqk";

    // The letter of one square as Engine::ExportPosition writes it.
    char LetterOn(const engine::EnginePosition& position, int square)
    {
        const int piece = position.SquarePiece[square];
        if (piece == engine::NoPiece)
            return ' ';
        return position.SquareColor[square] == engine::White ? WhiteLetters[piece] : BlackLetters[piece];
    }

} // namespace

MoveRules::MoveRules(const Position& position)
    : Board(std::make_unique<engine::Engine>())
{
    Candidates.reserve(engine::MoveStackSize / engine::MaxPly * 2);
    LegalMoves.reserve(engine::MoveStackSize / engine::MaxPly);
    Load(position);
}

MoveRules::~MoveRules() = default;

void MoveRules::Load(const Position& position)
{
    Pos = position;
    engine::LoadRootPosition(*Board, Pos);
    Generated = CandidatesListed = LegalListed = false;
}

void MoveRules::Generate() const
{
    if (Generated)
        return;
    if (!Board->GenerateMoves()) {
        // The lists of the plies since the last load fill the move stack; one list alone fits.
        engine::LoadRootPosition(*Board, Pos);
        Board->GenerateMoves();
    }
    Generated = true;
}

std::span<const engine::MoveEntry> MoveRules::GeneratedMoves() const { return Board->MovesOfCurrentPly(); }

LegalMove MoveRules::FactsOf(engine::EngineMove m) const
{
    return {
        { engine::BoardSquareNumber(engine::MoveFrom(m)), engine::BoardSquareNumber(engine::MoveTo(m)),
            engine::PromotionLetter(engine::MovePromotion(m)) },
        WhiteLetters[Board->Position().SquarePiece[engine::MoveFrom(m)]],
        engine::MoveHas(m, engine::mfCapture),
        engine::MoveHas(m, engine::mfCastle),
        m,
    };
}

void MoveRules::ListCandidates() const
{
    if (CandidatesListed)
        return;
    Generate();
    Candidates.clear();
    for (const engine::MoveEntry& entry : GeneratedMoves())
        Candidates.push_back(FactsOf(entry.Move));
    CandidatesListed = true;
}

bool MoveRules::IsLegal(const LegalMove& candidate) const
{
    // The engine refuses a move that leaves the mover's king attacked, and then changes nothing.
    if (!Board->MakeMove(candidate.Encoded))
        return false;
    Board->UnmakeMove();
    return true;
}

const std::vector<LegalMove>& MoveRules::Legal() const
{
    if (!LegalListed) {
        LegalMoves.clear();
        VisitLegal(
            [](const LegalMove&) { return true; }, [this](const LegalMove& legal) { LegalMoves.push_back(legal); });
        LegalListed = true;
    }
    return LegalMoves;
}

bool MoveRules::HasLegalMove() const
{
    if (LegalListed)
        return !LegalMoves.empty();
    ListCandidates();
    return std::any_of(
        Candidates.begin(), Candidates.end(), [this](const LegalMove& candidate) { return IsLegal(candidate); });
}

const LegalMove* MoveRules::FindCandidate(Move move) const
{
    ListCandidates();
    for (const LegalMove& candidate : Candidates)
        if (candidate.Move == move)
            return &candidate;
    return nullptr;
}

const LegalMove* MoveRules::Find(Move move) const
{
    const LegalMove* candidate = FindCandidate(move);
    return candidate && IsLegal(*candidate) ? candidate : nullptr;
}

bool MoveRules::InCheck() const { return KingAttacked(Pos.WhiteToMove); }

bool MoveRules::KingAttacked(bool white) const { return Board->KingInCheck(white ? engine::White : engine::Black); }

void MoveRules::CopyChangedSquares(const LegalMove& made)
{
    const engine::EngineMove m = made.Encoded;
    if (engine::MoveHas(m, engine::mfCastle | engine::mfEnPassant)) {
        // A third square changes too (the rook's, the captured pawn's): all of them, as the engine has them.
        Board->ExportPosition(Pos.Squares, Pos.WhiteToMove, Pos.CastlingBits, Pos.EnPassantSquare);
        return;
    }
    const engine::EnginePosition& position = Board->Position();
    Pos.Squares[engine::MoveFrom(m)] = LetterOn(position, engine::MoveFrom(m));
    Pos.Squares[engine::MoveTo(m)] = LetterOn(position, engine::MoveTo(m));
}

void MoveRules::Play(Move move)
{
    // Looked up in the engine's list itself: the facts of the other moves are not needed.
    Generate();
    std::optional<LegalMove> candidate;
    for (const engine::MoveEntry& entry : GeneratedMoves())
        if (engine::BoardSquareNumber(engine::MoveTo(entry.Move)) == move.To
            && engine::BoardSquareNumber(engine::MoveFrom(entry.Move)) == move.From
            && engine::PromotionLetter(engine::MovePromotion(entry.Move)) == move.Promotion) {
            candidate = FactsOf(entry.Move);
            break;
        }
    if (!candidate || !Board->MakeMove(candidate->Encoded)) {
        const std::string text = CoordinateText(move);
        throw NotationError(Quoted(text) + " is not a legal move", text);
    }
    // The counters: a capture or pawn move restarts the clock, a Black move ends a full move.
    const bool quiet = !engine::MoveHas(candidate->Encoded, engine::mfCapture | engine::mfPawnMove);
    Pos.HalfmoveClock = quiet ? Pos.HalfmoveClock + 1 : 0;
    if (!Pos.WhiteToMove)
        ++Pos.FullmoveNumber;
    // Placement, side, rights and en passant square as the engine left them.
    CopyChangedSquares(*candidate);
    const engine::EnginePosition& position = Board->Position();
    Pos.WhiteToMove = position.SideToMove == engine::White;
    Pos.CastlingBits = static_cast<std::uint8_t>(position.CastleRights);
    Pos.EnPassantSquare = engine::BoardSquareNumber(position.EnPassantTarget);
    Generated = CandidatesListed = LegalListed = false;
    if (position.Ply >= PliesPerLoad)
        engine::LoadRootPosition(*Board, Pos);
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
