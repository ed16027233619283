// Making a half-move: the position, the special moves, castling rights, the en passant square, the
// game events in their fixed order and the record of the game.

#include "board/castling.h"
#include "board/chessbrd.h"
#include "board/handler_calls.h"

#include <QScopeGuard>

#include <cctype>

namespace {

bool IsPawn(char c) { return c == 'P' || c == 'p'; }

} // namespace

// A pawn arriving on the first or last rank; a legal move brings each side's pawns only to the far one.
bool TChessBoard::PawnPromotesOn(char piece, Square sq) { return IsPawn(piece) && (YPos(sq) == 8 || YPos(sq) == 1); }

bool TChessBoard::Move(Square oldSq, Square newSq)
{
    if (!MoveIsLegal(oldSq, newSq) || !RecordHasRoomForNextPosition())
        return false;
    const Square enPassantVictim = EnPassantVictim(oldSq, newSq);

    // The record keeps the half-move in the entry of the position it is made from; later entries drop out.
    MakingMove = true;
    const auto moveMade = qScopeGuard([this] { MakingMove = false; });
    RecordCurrentPosition(oldSq, newSq);
    LastMove = { oldSq, newSq };
    THandlerCalls handlers(this);

    PassTheTurn();
    // The first handlers see the piece moved; promotion, en passant and the castling rook follow.
    const char captured = MovePiece(oldSq, newSq);
    CountHalfMove(newSq, captured);
    handlers.Raise(OnLegalMove, oldSq, newSq);
    if (captured != EmptySquare)
        handlers.Raise(OnCapture, oldSq, newSq, captured);
    PromoteOnLastRank(handlers, oldSq, newSq);
    TakeEnPassantVictim(handlers, oldSq, newSq, enPassantVictim);
    OpenEnPassantAfterDoubleStep(oldSq, newSq);
    BringCastlingRook(handlers, oldSq, newSq);
    RemoveCastlingRights(oldSq);
    RemoveCastlingRights(newSq);

    RaiseCheckAndGameEnd(handlers, oldSq, newSq);
    if (OnlyKingsLeft())
        handlers.Raise(OnOnlyTwoKingsLeft);
    RecordNewPosition();
    if (CheckForThreefoldPosition())
        handlers.Raise(OnThreefoldPosition);
    RaiseDrawRuleEnd(handlers);

    // The computer takes over when it plays the side now to move.
    if (!FThinking.load() && ComputerIsToMove())
        MoveNow();
    handlers.RethrowFirstError();
    return true;
}

// The position after the move needs a slot of the record: Black's move raises the move number.
bool TChessBoard::RecordHasRoomForNextPosition() const
{
    const int nextMoveNumber = FWhiteToMove ? FCurrentMove : FCurrentMove + 1;
    return nextMoveNumber <= LastMoveNumber;
}

void TChessBoard::PassTheTurn()
{
    if (!FWhiteToMove)
        ++FCurrentMove;
    FWhiteToMove = !FWhiteToMove;
}

// Puts the piece on its new square and shows it; returns what stood there.
char TChessBoard::MovePiece(Square oldSq, Square newSq)
{
    const int from = SquareIndex(oldSq);
    const int to = SquareIndex(newSq);
    const char captured = Squares[to];
    Squares[to] = Squares[from];
    Squares[from] = EmptySquare;
    ClearSquare(oldSq);
    ClearSquare(newSq);
    DrawPiece(newSq, Squares[to]);
    RefreshPosition();
    return captured;
}

// The handler's choice of piece is kept for every later promotion.
void TChessBoard::PromoteOnLastRank(THandlerCalls& handlers, Square oldSq, Square newSq)
{
    if (!PawnPromotesOn(Squares[SquareIndex(newSq)], newSq))
        return;
    handlers.Raise(OnPromotion, oldSq, newSq, FPromotionPiece);
    if (!IsPromotionLetter(FPromotionPiece))
        FPromotionPiece = 'q';
    DoPromotion(newSq);
}

// The pawn that made the double step leaves the board; the capture handler still sees it there.
void TChessBoard::TakeEnPassantVictim(THandlerCalls& handlers, Square oldSq, Square newSq, Square victim)
{
    if (victim == Square::None || !IsPawn(Squares[SquareIndex(victim)]))
        return;
    handlers.Raise(OnCapture, oldSq, newSq, Squares[SquareIndex(victim)]);
    Squares[SquareIndex(victim)] = EmptySquare;
    ClearSquare(victim);
}

// A double step leaves the skipped square open to en passant for one half-move.
void TChessBoard::OpenEnPassantAfterDoubleStep(Square oldSq, Square newSq)
{
    const char piece = Squares[SquareIndex(newSq)];
    const bool whiteDoubleStep = piece == 'P' && YPos(oldSq) == 2 && YPos(newSq) == 4;
    const bool blackDoubleStep = piece == 'p' && YPos(oldSq) == 7 && YPos(newSq) == 5;
    FEnPassant
        = whiteDoubleStep || blackDoubleStep ? SquareAt((SquareIndex(oldSq) + SquareIndex(newSq)) / 2) : Square::None;
}

// A castling king brings its rook over; the castle handler sees both in place.
void TChessBoard::BringCastlingRook(THandlerCalls& handlers, Square oldSq, Square newSq)
{
    const CastlingMove* c = FindCastling(oldSq, newSq);
    if (!c || Squares[SquareIndex(newSq)] != c->king)
        return;
    Squares[SquareIndex(c->rookFrom)] = EmptySquare;
    ClearSquare(c->rookFrom);
    Squares[SquareIndex(c->rookTo)] = c->rook;
    DrawPiece(c->rookTo, c->rook);
    handlers.Raise(OnCastle, oldSq, newSq);
}

// Check, mate and stalemate of the side now to move.
void TChessBoard::RaiseCheckAndGameEnd(THandlerCalls& handlers, Square oldSq, Square newSq)
{
    const bool inCheck = FWhiteToMove ? WhiteInCheckAfter(newSq, newSq) : BlackInCheckAfter(newSq, newSq);
    // The search for a legal move is the dearest test of a move; it decides only whether the mate
    // or stalemate event is raised, so without a handler for it (a game being put on the board) it
    // is left out. Asked before the check event, whose handler may change the board.
    const bool wanted = inCheck ? static_cast<bool>(OnMate) : static_cast<bool>(OnStaleMate);
    const bool canMove = !wanted || LegalMoveAvailable();
    if (inCheck) {
        handlers.Raise(OnCheck, oldSq, newSq);
        if (!canMove)
            handlers.Raise(OnMate, oldSq, newSq);
    } else if (!canMove) {
        handlers.Raise(OnStaleMate, oldSq, newSq);
    }
}

bool TChessBoard::OnlyKingsLeft() const
{
    for (int i = 1; i <= 64; ++i)
        if (Squares[i] != EmptySquare && Squares[i] != 'k' && Squares[i] != 'K')
            return false;
    return true;
}

// The position the move has reached goes into the record, also when a handler started a new game
// meanwhile; from here on the board is no longer inside a move.
void TChessBoard::RecordNewPosition()
{
    RecordCurrentPosition(Square::None, Square::None);
    MakingMove = false;
    RefreshPosition();
}

void TChessBoard::DoPromotion(Square sq)
{
    if (!IsOnBoard(sq))
        return;
    // A running search is for the position before the promotion. Inside Move nothing is searching,
    // so this returns at once there.
    CancelThinking();
    char& letter = Squares[SquareIndex(sq)];
    if (YPos(sq) == 8)
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(FPromotionPiece)));
    else if (YPos(sq) == 1)
        letter = static_cast<char>(std::tolower(static_cast<unsigned char>(FPromotionPiece)));
    ClearSquare(sq);
    DrawPiece(sq, letter);
    RefreshPosition();
}

void TChessBoard::RemoveCastlingRights(Square sq)
{
    switch (sq) {
    case Square::A8: FCastlingAllowed.Exclude(CanStillCastle::BlackQueenSide); break;
    case Square::H8: FCastlingAllowed.Exclude(CanStillCastle::BlackKingSide); break;
    case Square::E8:
        FCastlingAllowed.Exclude(CanStillCastle::BlackQueenSide);
        FCastlingAllowed.Exclude(CanStillCastle::BlackKingSide);
        break;
    case Square::A1: FCastlingAllowed.Exclude(CanStillCastle::WhiteQueenSide); break;
    case Square::H1: FCastlingAllowed.Exclude(CanStillCastle::WhiteKingSide); break;
    case Square::E1:
        FCastlingAllowed.Exclude(CanStillCastle::WhiteQueenSide);
        FCastlingAllowed.Exclude(CanStillCastle::WhiteKingSide);
        break;
    default: break;
    }
}

bool TChessBoard::ComputerIsToMove() const { return FWhiteToMove ? FComputerPlaysWhite : FComputerPlaysBlack; }
