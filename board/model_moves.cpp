// Making a half-move: the position, the special moves, castling rights, the en passant square, the
// game events in their fixed order and the record of the game.

#include "board/castling.h"
#include "board/chessbrd.h"

#include <QScopeGuard>

#include <cctype>
#include <exception>

namespace {

bool IsPawn(char c) { return c == 'P' || c == 'p'; }

} // namespace

bool TChessBoard::Move(Square oldSq, Square newSq)
{
    // 1. Refuse an illegal move, and one whose new position would need a move slot the record lacks.
    if (!MoveIsLegal(oldSq, newSq))
        return false;
    const int nextMoveNumber = FWhiteToMove ? FCurrentMove : FCurrentMove + 1;
    if (nextMoveNumber > LastMoveNumber)
        return false;
    const Square enPassantVictim = EnPassantVictim(oldSq, newSq);
    const int from = SquareIndex(oldSq);
    const int to = SquareIndex(newSq);

    // 2. Record the half-move in the entry of the position it is made from; later entries drop out.
    MakingMove = true;
    const auto moveMade = qScopeGuard([this] { MakingMove = false; });
    RecordCurrentPosition(oldSq, newSq);

    // A handler that throws does not leave the move half made: the move goes on to its end without
    // raising further events, and the first exception then reaches the caller.
    std::exception_ptr handlerError;
    const auto raise = [this, &handlerError](const auto& handler, auto&&... args) {
        if (!handler || handlerError)
            return;
        try {
            handler(this, args...);
        } catch (...) {
            handlerError = std::current_exception();
        }
    };

    // 3. The other side is to move.
    if (!FWhiteToMove)
        ++FCurrentMove;
    FWhiteToMove = !FWhiteToMove;

    // 4-6. Move the piece and show it.
    const char captured = Squares[to];
    Squares[to] = Squares[from];
    Squares[from] = EmptySquare;
    ClearSquare(oldSq);
    ClearSquare(newSq);
    DrawPiece(newSq, Squares[to]);
    RefreshPosition();

    // 7-8. Handlers see the moved piece; promotion, en passant and the castling rook follow.
    raise(OnLegalMove, oldSq, newSq);
    if (captured != EmptySquare)
        raise(OnCapture, oldSq, newSq, captured);

    // 9. Promotion. The handler's choice is kept for every later promotion.
    if (IsPawn(Squares[to]) && (YPos(newSq) == 8 || YPos(newSq) == 1)) {
        raise(OnPromotion, oldSq, newSq, FPromotionPiece);
        if (!IsPromotionLetter(FPromotionPiece))
            FPromotionPiece = 'q';
        DoPromotion(newSq);
    }

    // 10. En passant: the pawn that made the double step leaves the board.
    if (enPassantVictim != Square::None && IsPawn(Squares[SquareIndex(enPassantVictim)])) {
        raise(OnCapture, oldSq, newSq, Squares[SquareIndex(enPassantVictim)]);
        Squares[SquareIndex(enPassantVictim)] = EmptySquare;
        ClearSquare(enPassantVictim);
    }

    // 11. A double step leaves the skipped square open to en passant for one half-move.
    const bool whiteDoubleStep = Squares[to] == 'P' && YPos(oldSq) == 2 && YPos(newSq) == 4;
    const bool blackDoubleStep = Squares[to] == 'p' && YPos(oldSq) == 7 && YPos(newSq) == 5;
    FEnPassant = whiteDoubleStep || blackDoubleStep ? SquareAt((from + to) / 2) : Square::None;

    // 12. Castling brings the rook over.
    if (const CastlingMove* c = FindCastling(oldSq, newSq); c && Squares[to] == c->king) {
        Squares[SquareIndex(c->rookFrom)] = EmptySquare;
        ClearSquare(c->rookFrom);
        Squares[SquareIndex(c->rookTo)] = c->rook;
        DrawPiece(c->rookTo, c->rook);
        raise(OnCastle, oldSq, newSq);
    }

    // 13. A king or rook leaving its square, or anything arriving on a corner, ends those castlings.
    RemoveCastlingRights(oldSq);
    RemoveCastlingRights(newSq);

    // 14-15. Check, mate and stalemate of the side now to move.
    const bool inCheck = FWhiteToMove ? WhiteInCheckAfter(newSq, newSq) : BlackInCheckAfter(newSq, newSq);
    const bool canMove = LegalMoveAvailable();
    if (inCheck) {
        raise(OnCheck, oldSq, newSq);
        if (!canMove)
            raise(OnMate, oldSq, newSq);
    } else if (!canMove) {
        raise(OnStaleMate, oldSq, newSq);
    }

    // 16. Bare kings.
    bool onlyKings = true;
    for (int i = 1; i <= 64 && onlyKings; ++i)
        onlyKings = Squares[i] == EmptySquare || Squares[i] == 'k' || Squares[i] == 'K';
    if (onlyKings)
        raise(OnOnlyTwoKingsLeft);

    // 17-19. Record the new position (a handler may have started a new game) and look for repetition.
    RecordCurrentPosition(Square::None, Square::None);
    MakingMove = false;
    RefreshPosition();
    if (CheckForThreefoldPosition())
        raise(OnThreefoldPosition);

    // 20. Hand over to the computer when it plays the side now to move.
    if (!FThinking.load() && ComputerIsToMove())
        MoveNow();
    if (handlerError)
        std::rethrow_exception(handlerError);
    return true;
}

void TChessBoard::DoPromotion(Square sq)
{
    if (!IsOnBoard(sq))
        return;
    // The engine reads the squares while it searches. Inside Move nothing is searching, so this
    // returns at once there.
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
