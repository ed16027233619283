// Move legality: the movement rule of each piece, the king-safety test, whether the side to move
// can move at all, and the threefold repetition that ends a game. Nothing here changes the board.

#include "board/castling.h"
#include "board/chessbrd.h"

#include <cstdlib>
#include <cstring>

namespace {

// (file step, rank step) of the lines a bishop and a rook walk, in the order they are tried.
constexpr int DiagonalSteps[4][2] = { { -1, -1 }, { -1, +1 }, { +1, -1 }, { +1, +1 } };
constexpr int StraightSteps[4][2] = { { -1, 0 }, { +1, 0 }, { 0, -1 }, { 0, +1 } };
constexpr int KnightJumps[8][2]
    = { { -2, -1 }, { -2, +1 }, { +2, -1 }, { +2, +1 }, { -1, -2 }, { -1, +2 }, { +1, -2 }, { +1, +2 } };

int FileDistance(Square a, Square b) { return std::abs(TChessBoard::XPos(a) - TChessBoard::XPos(b)); }
int RankDistance(Square a, Square b) { return std::abs(TChessBoard::YPos(a) - TChessBoard::YPos(b)); }

// Whether a piece of this kind (lower-case letter) could reach a square so many files and ranks
// away on an empty board, castling included. A cheap sieve: only the squares it lets through are
// worth the full test of MoveObeysRules, which refuses all the others anyway.
bool MayReach(char kind, int files, int ranks)
{
    switch (kind) {
    case 'p': return files <= 1 && ranks >= 1 && ranks <= 2;
    case 'n': return (files == 1 && ranks == 2) || (files == 2 && ranks == 1);
    case 'b': return files == ranks;
    case 'r': return files == 0 || ranks == 0;
    case 'q': return files == ranks || files == 0 || ranks == 0;
    case 'k': return (files <= 1 && ranks <= 1) || (ranks == 0 && files == 2);
    default: return false;
    }
}

} // namespace

bool TChessBoard::MoveIsLegal(Square oldSq, Square newSq)
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    // The computer's move is on its way: searched for, or waiting for the pause to end.
    if (FThinking.load() || FWaitingMove)
        return false;
    if (FGameOver)
        return false;
    // The repetition test walks the whole record, so it comes after the cheap tests; the order of
    // these pure tests does not change the answer.
    return MoveObeysRules(oldSq, newSq) && !CheckForThreefoldPosition();
}

// The part of the legality test that depends on the position alone: whose piece it is, what it
// may capture, how it moves and whether its own king stays safe.
bool TChessBoard::MoveObeysRules(Square oldSq, Square newSq) const
{
    const int mover = ColorOfPiece(oldSq);
    if (mover != (FWhiteToMove ? 1 : 0))
        return false;
    if (ColorOfPiece(newSq) == mover)
        return false;

    bool movementAllowed = false;
    switch (Squares[SquareIndex(oldSq)] | 0x20) {
    case 'p': movementAllowed = CheckLegalPawnMove(oldSq, newSq); break;
    case 'n': movementAllowed = CheckLegalKnightMove(oldSq, newSq); break;
    case 'b': movementAllowed = CheckLegalBishopMove(oldSq, newSq); break;
    case 'r': movementAllowed = CheckLegalRookMove(oldSq, newSq); break;
    case 'q': movementAllowed = CheckLegalQueenMove(oldSq, newSq); break;
    case 'k': movementAllowed = CheckLegalKingMove(oldSq, newSq); break;
    }
    if (!movementAllowed)
        return false;
    return mover == 1 ? !WhiteInCheckAfter(oldSq, newSq) : !BlackInCheckAfter(oldSq, newSq);
}

// The pawn an en passant capture from oldSq to newSq would take, or None when the move is no such
// capture. The capture needs a pawn on its fifth rank stepping diagonally onto the empty en passant
// square, with the opposing pawn that made the double step standing behind that square.
Square TChessBoard::EnPassantVictim(Square oldSq, Square newSq) const
{
    if (newSq == Square::None || newSq != FEnPassant || FileDistance(oldSq, newSq) != 1)
        return Square::None;
    if (Squares[SquareIndex(newSq)] != EmptySquare)
        return Square::None;
    const char mover = Squares[SquareIndex(oldSq)];
    if (mover == 'P' && YPos(oldSq) == 5 && YPos(newSq) == 6 && Squares[SquareIndex(newSq) + 8] == 'p')
        return SquareAt(SquareIndex(newSq) + 8);
    if (mover == 'p' && YPos(oldSq) == 4 && YPos(newSq) == 3 && Squares[SquareIndex(newSq) - 8] == 'P')
        return SquareAt(SquareIndex(newSq) - 8);
    return Square::None;
}

bool TChessBoard::CheckLegalPawnMove(Square oldSq, Square newSq) const
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    const int colour = ColorOfPiece(oldSq);
    if (colour < 0)
        return false;
    const int forward = colour == 1 ? +1 : -1;
    const int startRank = colour == 1 ? 2 : 7;
    const int enemy = 1 - colour;
    const int dx = FileDistance(oldSq, newSq);
    const bool targetEmpty = Squares[SquareIndex(newSq)] == EmptySquare;

    if (YPos(newSq) == YPos(oldSq) + forward) {
        if (dx == 0)
            return targetEmpty;
        if (dx == 1)
            return ColorOfPiece(newSq) == enemy || EnPassantVictim(oldSq, newSq) != Square::None;
        return false;
    }
    const int between = (SquareIndex(oldSq) + SquareIndex(newSq)) / 2;
    return YPos(oldSq) == startRank && YPos(newSq) == startRank + 2 * forward && dx == 0 && targetEmpty
        && Squares[between] == EmptySquare;
}

bool TChessBoard::CheckLegalKnightMove(Square oldSq, Square newSq) const
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    const int dx = FileDistance(oldSq, newSq);
    const int dy = RankDistance(oldSq, newSq);
    return (dx == 2 && dy == 1) || (dx == 1 && dy == 2);
}

// Walks each line from oldSq until the first piece or the edge; newSq is reached when it lies on a
// line before any piece, and holds no piece of the mover's colour.
bool TChessBoard::SlideReaches(Square oldSq, Square newSq, const int (*steps)[2], int stepCount) const
{
    const int x = XPos(oldSq);
    const int y = YPos(oldSq);
    const int mover = ColorOfPiece(oldSq);
    for (int d = 0; d < stepCount; ++d) {
        for (int k = 1; k <= 7; ++k) {
            const Square s = MouseToSquare(x + k * steps[d][0], y + k * steps[d][1]);
            if (s == Square::None)
                break;
            if (s == newSq && ColorOfPiece(s) != mover)
                return true;
            if (ColorOfPiece(s) != -1)
                break;
        }
    }
    return false;
}

bool TChessBoard::CheckLegalBishopMove(Square oldSq, Square newSq) const
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    return SlideReaches(oldSq, newSq, DiagonalSteps, 4);
}

bool TChessBoard::CheckLegalRookMove(Square oldSq, Square newSq) const
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    return SlideReaches(oldSq, newSq, StraightSteps, 4);
}

bool TChessBoard::CheckLegalQueenMove(Square oldSq, Square newSq) const
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    return CheckLegalBishopMove(oldSq, newSq) || CheckLegalRookMove(oldSq, newSq);
}

bool TChessBoard::CheckLegalKingMove(Square oldSq, Square newSq) const
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    if (FileDistance(oldSq, newSq) <= 1 && RankDistance(oldSq, newSq) <= 1)
        return true;
    const CastlingMove* c = FindCastling(oldSq, newSq);
    if (!c || Squares[SquareIndex(oldSq)] != c->king || !FCastlingAllowed.Contains(c->right))
        return false;
    if (Squares[SquareIndex(c->rookFrom)] != c->rook)
        return false;
    for (Square s : c->mustBeEmpty)
        if (s != Square::None && Squares[SquareIndex(s)] != EmptySquare)
            return false;
    const bool white = c->king == 'K';
    for (Square s : c->mustBeSafe)
        if (white ? WhiteInCheckAfter(c->kingFrom, s) : BlackInCheckAfter(c->kingFrom, s))
            return false;
    return true;
}

bool TChessBoard::WhiteInCheckAfter(Square oldSq, Square newSq) const { return KingAttackedAfter(true, oldSq, newSq); }

bool TChessBoard::BlackInCheckAfter(Square oldSq, Square newSq) const { return KingAttackedAfter(false, oldSq, newSq); }

// Plays the move on a copy of the squares (an en passant capture also takes its pawn off) and
// tests whether the first king of the given colour is attacked there.
bool TChessBoard::KingAttackedAfter(bool whiteKing, Square oldSq, Square newSq) const
{
    if (!AreOnBoard(oldSq, newSq))
        return false;
    char board[66];
    std::memcpy(board, Squares, sizeof board);
    const Square victim = EnPassantVictim(oldSq, newSq);
    const char letter = board[SquareIndex(oldSq)];
    board[SquareIndex(oldSq)] = EmptySquare;
    board[SquareIndex(newSq)] = letter;
    if (victim != Square::None)
        board[SquareIndex(victim)] = EmptySquare;
    return KingAttackedOn(board, whiteKing);
}

// Whether the first king of the given colour on the squares (indexed by Square) is attacked.
bool TChessBoard::KingAttackedOn(const char* board, bool whiteKing)
{
    const char* king = std::strchr(board + 1, whiteKing ? 'K' : 'k');
    if (!king)
        return false;
    const Square kingSq = SquareAt(static_cast<int>(king - board));
    const int x = XPos(kingSq);
    const int y = YPos(kingSq);
    // Attacker letters are the opposite colour's; a white king is attacked by pawns from above.
    const auto enemy = [whiteKing](char lower) { return whiteKing ? lower : static_cast<char>(lower - 0x20); };
    const int pawnRank = whiteKing ? y + 1 : y - 1;
    const auto at = [&board](int file, int rank) { return board[SquareIndex(MouseToSquare(file, rank))]; };

    if (at(x - 1, pawnRank) == enemy('p') || at(x + 1, pawnRank) == enemy('p'))
        return true;
    for (const auto& jump : KnightJumps)
        if (at(x + jump[0], y + jump[1]) == enemy('n'))
            return true;
    const auto lineAttacked = [&](const int(*steps)[2], char slider) {
        for (int d = 0; d < 4; ++d) {
            for (int k = 1; k <= 7; ++k) {
                const Square s = MouseToSquare(x + k * steps[d][0], y + k * steps[d][1]);
                if (s == Square::None)
                    break;
                const char c = board[SquareIndex(s)];
                if (c == EmptySquare)
                    continue;
                if (c == enemy('q') || c == enemy(slider) || (k == 1 && c == enemy('k')))
                    return true;
                break;
            }
        }
        return false;
    };
    return lineAttacked(DiagonalSteps, 'b') || lineAttacked(StraightSteps, 'r');
}

bool TChessBoard::LegalMoveAvailable()
{
    // Both refusals hold for every square pair alike, so they are tested once.
    if (FThinking.load() || CheckForThreefoldPosition())
        return false;
    const int mover = FWhiteToMove ? 1 : 0;
    for (int i = 1; i <= 64; ++i) {
        const Square from = SquareAt(i);
        if (ColorOfPiece(from) != mover)
            continue;
        const char kind = static_cast<char>(Squares[i] | 0x20);
        for (int j = 1; j <= 64; ++j) {
            const Square to = SquareAt(j);
            if (MayReach(kind, FileDistance(from, to), RankDistance(from, to)) && MoveObeysRules(from, to))
                return true;
        }
    }
    return false;
}

// Positions repeat when the same side is to move with the same pieces on the same squares, the same
// castling rights and the same en passant capture open to it. A double step that no pawn can answer
// en passant opens nothing, so it does not make its position differ.
bool TChessBoard::CheckForThreefoldPosition() const
{
    // While a move is being made its new position has no entry yet.
    if (MakingMove)
        return false;
    const MoveInfo& current = RecordEntry(FCurrentMove, FWhiteToMove);
    const auto openEnPassant = [](const MoveInfo& entry, bool whiteToMove) {
        return EnPassantCaptureIsOpen(entry.PosStr, whiteToMove, entry.EnPassant) ? entry.EnPassant : Square::None;
    };
    int earlier = 0;
    // Only every second position has the same side to move.
    for (int m = FCurrentMove - 1; PositionOrder(m, FWhiteToMove) >= PositionOrder(StartMove, StartWhite); --m) {
        if (!LiesInRecord(m, FWhiteToMove))
            continue;
        const MoveInfo& entry = RecordEntry(m, FWhiteToMove);
        // The rights first: they differ from every position before a castling or a king's or rook's
        // first move, and cost no walk over the squares' text.
        if (entry.Castling != current.Castling || std::strcmp(entry.PosStr, current.PosStr) != 0)
            continue;
        if (openEnPassant(entry, FWhiteToMove) == openEnPassant(current, FWhiteToMove))
            ++earlier;
    }
    return earlier >= 2;
}

// Whether the side to move can take en passant on the square without leaving its king in check.
bool TChessBoard::EnPassantCaptureIsOpen(const char* squares, bool whiteToMove, Square target)
{
    if (!IsOnBoard(target) || squares[SquareIndex(target)] != EmptySquare)
        return false;
    // The pawn that made the double step stands one rank behind the target, seen from the taker.
    const int targetRank = whiteToMove ? 6 : 3;
    const int behind = whiteToMove ? +8 : -8;
    const char taker = whiteToMove ? 'P' : 'p';
    const char victim = whiteToMove ? 'p' : 'P';
    const int t = SquareIndex(target);
    if (YPos(target) != targetRank || squares[t + behind] != victim)
        return false;
    for (const int file : { XPos(target) - 1, XPos(target) + 1 }) {
        const Square from = MouseToSquare(file, targetRank - (whiteToMove ? 1 : -1));
        if (from == Square::None || squares[SquareIndex(from)] != taker)
            continue;
        char board[66];
        std::memcpy(board, squares, sizeof board);
        board[SquareIndex(from)] = EmptySquare;
        board[t] = taker;
        board[t + behind] = EmptySquare;
        if (!KingAttackedOn(board, whiteToMove))
            return true;
    }
    return false;
}
