// The status texts in words and the table of game ends.

#include "app/status_words.h"

#include "app/game_transfer.h"
#include "board/chessbrd.h"

#include <QCoreApplication>

#include <cctype>

namespace {

// The context of this file's translations.
struct StatusWords {
    Q_DECLARE_TR_FUNCTIONS(StatusWords)
};

// One game end: the classic status text the window announces it with, and its words; "%1" stands
// for the winner.
struct TGameEndEntry {
    const char* Classic;
    const char* Status;
    const char* Box;
};

constexpr TGameEndEntry GameEnds[] = {
    { "Mate", QT_TRANSLATE_NOOP("StatusWords", "Checkmate: %1 wins"),
        QT_TRANSLATE_NOOP("StatusWords", "Checkmate: %1 wins the game.") },
    { "Draw: Stalemate", QT_TRANSLATE_NOOP("StatusWords", "Draw by stalemate"),
        QT_TRANSLATE_NOOP("StatusWords", "Draw by stalemate: the side to move has no move and is not in check.") },
    { "Draw: 3-Time Repetition of Position", QT_TRANSLATE_NOOP("StatusWords", "Draw by threefold repetition"),
        QT_TRANSLATE_NOOP("StatusWords", "Draw by threefold repetition: the same position stood three times.") },
    { "Draw: Only two kings left", QT_TRANSLATE_NOOP("StatusWords", "Draw: only the two kings are left"),
        QT_TRANSLATE_NOOP("StatusWords", "Draw: only the two kings are left.") },
    { "Draw: Dead position", QT_TRANSLATE_NOOP("StatusWords", "Draw: neither side can checkmate any more"),
        QT_TRANSLATE_NOOP("StatusWords", "Draw: the position is dead, neither side can checkmate any more.") },
    { "Draw: 75-move rule", QT_TRANSLATE_NOOP("StatusWords", "Draw by the 75-move rule"),
        QT_TRANSLATE_NOOP("StatusWords", "Draw by the 75-move rule: 75 moves without a capture or a pawn move.") },
    { "Draw: 50-move rule claimed", QT_TRANSLATE_NOOP("StatusWords", "Draw claimed by the 50-move rule"),
        QT_TRANSLATE_NOOP(
            "StatusWords", "Draw claimed by the 50-move rule: 50 moves without a capture or a pawn move.") },
    // The chess clock of a time control: the side whose flag fell is named, not the side to move.
    { "White lost on time", QT_TRANSLATE_NOOP("StatusWords", "Black wins on time"),
        QT_TRANSLATE_NOOP("StatusWords", "White's time is up: Black wins on time.") },
    { "Black lost on time", QT_TRANSLATE_NOOP("StatusWords", "White wins on time"),
        QT_TRANSLATE_NOOP("StatusWords", "Black's time is up: White wins on time.") },
    { "Draw: White's time is up, Black cannot mate",
        QT_TRANSLATE_NOOP("StatusWords", "Draw: White's time is up, but Black cannot checkmate"),
        QT_TRANSLATE_NOOP(
            "StatusWords", "Draw: White's time is up, but Black has only the king and cannot checkmate.") },
    { "Draw: Black's time is up, White cannot mate",
        QT_TRANSLATE_NOOP("StatusWords", "Draw: Black's time is up, but White cannot checkmate"),
        QT_TRANSLATE_NOOP(
            "StatusWords", "Draw: Black's time is up, but White has only the king and cannot checkmate.") },
};

QString WithWinner(const char* text, bool whiteWins)
{
    const QString words = StatusWords::tr(text);
    return words.contains(QLatin1String("%1")) ? words.arg(SideInWords(whiteWins)) : words;
}

bool IsPawn(char c) { return c == 'P' || c == 'p'; }

} // namespace

QString SideInWords(bool white) { return white ? StatusWords::tr("White") : StatusWords::tr("Black"); }

QString MovePlayedInWords(bool white, const QString& san)
{
    return StatusWords::tr("%1 played %2").arg(SideInWords(white), san);
}

QString CheckInWords(bool white) { return StatusWords::tr("%1 is in check").arg(SideInWords(white)); }

QString CastlingInWords(bool white, bool kingSide)
{
    return (kingSide ? StatusWords::tr("%1 castled king-side") : StatusWords::tr("%1 castled queen-side"))
        .arg(SideInWords(white));
}

std::optional<TGameEndWords> GameEndInWords(const QString& classicStatus, bool whiteWins)
{
    for (const TGameEndEntry& end : GameEnds)
        if (classicStatus == QLatin1String(end.Classic))
            return TGameEndWords { WithWinner(end.Status, whiteWins), WithWinner(end.Box, whiteWins) };
    return std::nullopt;
}

QString FinishedGameRefusal(const QString& resultStatus)
{
    return StatusWords::tr("%1. The game is over: start a new game to play on").arg(resultStatus);
}

QString SanOfMoveBeingMade(const TChessBoard& board, Square from, Square to)
{
    // The board already has the side to move next: after White's half-move Black is to move at the
    // same move number, after Black's White at the next one.
    const bool white = !board.WhiteToMove();
    const int moveNumber = white ? board.CurrentMove() : board.CurrentMove() - 1;
    const MoveInfo entry = board.GetMove(moveNumber, white);
    if (entry.oldSq != from || entry.newSq != to || !AreOnBoard(from, to))
        return {};
    try {
        // Read back as FEN: refuses what is no chess position and drops rights no king and rook back.
        const notation::Position before
            = notation::ReadFen(notation::WriteFen(RecordedPosition(board, moveNumber, white)));
        notation::Move move { SquareIndex(from), SquareIndex(to), 0 };
        const int rank = TChessBoard::YPos(to);
        // Within the move's first events a promoted pawn is still a pawn; it becomes the board's piece.
        if (IsPawn(before.Squares[SquareIndex(from) - 1]) && (rank == 1 || rank == 8))
            move.Promotion = static_cast<char>(std::toupper(static_cast<unsigned char>(board.PromotionPiece())));
        return QString::fromStdString(notation::MoveToSan(before, move));
    } catch (const notation::NotationError&) {
        return {};
    }
}
