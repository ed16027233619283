// Games off the board's record and onto the board through its Move.

#include "app/game_transfer.h"

#include "board/chessbrd.h"
#include "notation/move_rules.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// One position of the record and the half-move made from it (oldSq None when there is none).
struct RecordPosition {
    notation::Position Position {};
    Square From = Square::None;
    Square To = Square::None;
};

notation::Position PositionOf(
    const char* squares, int moveNumber, bool whiteToMove, CastlingSet rights, Square ep, int halfMoveClock = 0)
{
    notation::Position position {};
    std::memcpy(position.Squares, squares, 64);
    position.WhiteToMove = whiteToMove;
    position.CastlingBits = rights.Bits();
    position.EnPassantSquare = SquareIndex(ep);
    position.HalfmoveClock = halfMoveClock;
    position.FullmoveNumber = moveNumber;
    return position;
}

bool BoardShowsItsRecordEntry(const TChessBoard& board)
{
    const MoveInfo entry = board.GetMove(board.CurrentMove(), board.WhiteToMove());
    return entry.PosStr[0] == '_' && std::memcmp(entry.PosStr + 1, board.Position().c_str(), 64) == 0;
}

// The record from its first position to its last. When the last entry holds a half-move, Move is
// still making it: the position after it is the board's own. A position written over the board (a
// game file opened) is in no record entry and has no moves leading to it: it stands alone.
std::vector<RecordPosition> RecordPositions(const TChessBoard& board)
{
    std::vector<RecordPosition> record;
    for (int moveNumber = 1; moveNumber <= TChessBoard::LastMoveNumber; ++moveNumber)
        for (const bool white : { true, false }) {
            const MoveInfo entry = board.GetMove(moveNumber, white);
            // Record entries hold the board's buffer, "_" first; positions outside read "init".
            if (entry.PosStr[0] != '_')
                continue;
            record.push_back({ PositionOf(entry.PosStr + 1, moveNumber, white, entry.Castling, entry.EnPassant),
                entry.oldSq, entry.newSq });
        }
    if (!record.empty() && record.back().From != Square::None)
        record.push_back({ BoardPosition(board), Square::None, Square::None });
    else if (!BoardShowsItsRecordEntry(board))
        record = { { BoardPosition(board), Square::None, Square::None } };
    return record;
}

bool SamePlacementAndSide(const notation::Position& a, const notation::Position& b)
{
    return a.WhiteToMove == b.WhiteToMove && std::equal(std::begin(a.Squares), std::end(a.Squares), b.Squares);
}

// The legal move from `from` to `to` in the rules' position; a pawn reaching the last rank becomes
// the piece that stands on `to` afterwards.
const notation::LegalMove* FindRecordedMove(
    const notation::MoveRules& rules, Square from, Square to, const notation::Position& after)
{
    const char arrived = static_cast<char>(
        std::toupper(static_cast<unsigned char>(after.Squares[engine::EngineSquareOf(SquareIndex(to))])));
    const notation::LegalMove* found = nullptr;
    for (const notation::LegalMove& legal : rules.Legal()) {
        if (legal.Move.From != SquareIndex(from) || legal.Move.To != SquareIndex(to))
            continue;
        if (legal.Move.Promotion == 0 || legal.Move.Promotion == arrived)
            return &legal;
        found = &legal; // another promotion piece: only when none matches
    }
    return found;
}

// Validates the position and drops castling rights whose king or rook has left its square, as FEN
// does: the board keeps a right until its king or rook moves, however the pieces came to stand.
notation::Position CheckedPosition(const notation::Position& position)
{
    return notation::ReadFen(notation::WriteFen(position));
}

} // namespace

notation::Position BoardPosition(const TChessBoard& board)
{
    return PositionOf(board.Position().c_str(), board.CurrentMove(), board.WhiteToMove(), board.CastlingAllowed(),
        board.EnPassant(), board.HalfMoveClock());
}

notation::Position RecordedPosition(const TChessBoard& board, int moveNumber, bool whiteToMove)
{
    const MoveInfo entry = board.GetMove(moveNumber, whiteToMove);
    return PositionOf(entry.PosStr + 1, moveNumber, whiteToMove, entry.Castling, entry.EnPassant);
}

notation::Game RecordedGame(const TChessBoard& board)
{
    const std::vector<RecordPosition> record = RecordPositions(board);
    notation::Game game;
    notation::MoveRules rules;
    bool started = false;
    QString whyNotLegal = QCoreApplication::translate("GameTransfer", "the board holds no position");
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (!started) {
            try {
                game.Start = CheckedPosition(record[i].Position);
                game.Moves.clear();
                rules.Load(game.Start);
                started = true;
            } catch (const notation::NotationError& error) {
                whyNotLegal = QString::fromStdString(error.what());
                continue;
            }
        }
        if (i + 1 == record.size() || record[i].From == Square::None)
            break;
        // The game goes on only while the half-move leads to the next position of the record.
        const notation::Position& next = record[i + 1].Position;
        const notation::LegalMove* move = FindRecordedMove(rules, record[i].From, record[i].To, next);
        if (move) {
            const notation::Move made = move->Move;
            rules.Play(made);
            if (SamePlacementAndSide(rules.Current(), next)) {
                game.Moves.push_back(made);
                continue;
            }
        }
        started = false;
    }
    if (!started)
        throw notation::NotationError(
            QCoreApplication::translate("GameTransfer", "The position on the board is not a legal chess position: %1")
                .arg(whyNotLegal)
                .toStdString());
    return game;
}

namespace {

// The board's event handlers, computer players and promotion piece, set aside while a game is put
// on the board and given back afterwards, also when a handler of ours throws. The board's picture
// is painted once at the end rather than square by square for every move.
class TQuietBoard {
public:
    explicit TQuietBoard(TChessBoard& board)
        : Board(board)
        , Events(std::exchange(board.GameEvents(), {}))
        , ComputerPlaysWhite(board.ComputerPlaysWhite())
        , ComputerPlaysBlack(board.ComputerPlaysBlack())
        , PromotionPiece(board.PromotionPiece())
    {
        board.set_ComputerPlaysWhite(false);
        board.set_ComputerPlaysBlack(false);
        board.HoldPainting();
    }
    ~TQuietBoard()
    {
        Board.GameEvents() = std::move(Events);
        // The board's own reaction stores a promotion letter as the piece of later promotions.
        char piece = PromotionPiece;
        Board.Promotion(&Board, Square::None, Square::None, piece);
        Board.set_ComputerPlaysWhite(ComputerPlaysWhite);
        Board.set_ComputerPlaysBlack(ComputerPlaysBlack);
        Board.ReleasePainting();
    }
    TQuietBoard(const TQuietBoard&) = delete;
    TQuietBoard& operator=(const TQuietBoard&) = delete;

private:
    TChessBoard& Board;
    TGameEvents Events;
    bool ComputerPlaysWhite;
    bool ComputerPlaysBlack;
    char PromotionPiece;
};

} // namespace

TReplay ReplayOnBoard(TChessBoard& board, const notation::Game& game)
{
    TReplay replay;
    replay.Imported.Tags = game.Tags;
    replay.Imported.Start = game.Start;
    replay.Imported.Result = game.Result;
    replay.Imported.MoreDrawRules = board.MoreDrawRules();
    if (game.Start.FullmoveNumber > TChessBoard::LastSetUpMoveNumber) {
        replay.Imported.Start.FullmoveNumber = 1;
        replay.Renumbered = true;
    }

    const TQuietBoard quiet(board);
    MoveInfo start = MoveInfo::Blank();
    std::memcpy(start.PosStr + 1, game.Start.Squares, 64);
    start.Castling = CastlingSet::FromBits(game.Start.CastlingBits);
    start.EnPassant = SquareAt(game.Start.EnPassantSquare);
    start.HalfMoveClock = game.Start.HalfmoveClock;
    if (!board.SetUpPosition(start, replay.Imported.Start.FullmoveNumber, game.Start.WhiteToMove))
        throw std::logic_error("The board refused the game's start position");

    // The board ends a game itself on these; what follows them stays out.
    TReplay::TCut ended = TReplay::TCut::None;
    board.OnOnlyTwoKingsLeft = [&](QObject*) { ended = TReplay::TCut::OnlyKings; };
    board.OnThreefoldPosition = [&](QObject*) { ended = TReplay::TCut::Repetition; };
    board.OnDeadPosition = [&](QObject*) { ended = TReplay::TCut::DeadPosition; };
    board.OnSeventyFiveMoveRule = [&](QObject*) { ended = TReplay::TCut::SeventyFiveMoves; };
    char promotion = 'q';
    board.OnPromotion = [&](QObject*, Square, Square, char& piece) { piece = promotion; };

    for (std::size_t i = 0; i < game.Moves.size(); ++i) {
        const bool white = board.WhiteToMove();
        const int moveNumber = board.CurrentMove();
        if (ended == TReplay::TCut::None && !white && moveNumber >= TChessBoard::LastMoveNumber)
            ended = TReplay::TCut::RecordFull;
        if (ended != TReplay::TCut::None) {
            replay.Cut = ended;
            replay.MovesLeftOut = static_cast<int>(game.Moves.size() - i);
            replay.CutMoveNumber = moveNumber;
            replay.CutWhite = white;
            replay.Imported.Result = "*";
            break;
        }
        const notation::Move move = game.Moves[i];
        promotion = move.Promotion ? static_cast<char>(std::tolower(static_cast<unsigned char>(move.Promotion))) : 'q';
        if (!board.Move(SquareAt(move.From), SquareAt(move.To)))
            throw std::logic_error("The board refused " + notation::CoordinateText(move) + " at move "
                + std::to_string(moveNumber) + " of a game the notation accepted");
        replay.Imported.Moves.push_back(move);
    }
    return replay;
}
