// The board's accessible description, from its position, its record and the square under focus.

#include "app/board_announcer.h"

#include "app/game_transfer.h"
#include "board/chessbrd.h"

#include <QAccessible>

namespace {

QString SquareName(Square sq)
{
    return QStringLiteral("%1%2").arg(QChar('a' + TChessBoard::XPos(sq) - 1)).arg(TChessBoard::YPos(sq));
}

QString PieceName(char letter)
{
    static const char* const Kinds[]
        = { QT_TRANSLATE_NOOP("TBoardAnnouncer", "pawn"), QT_TRANSLATE_NOOP("TBoardAnnouncer", "knight"),
              QT_TRANSLATE_NOOP("TBoardAnnouncer", "bishop"), QT_TRANSLATE_NOOP("TBoardAnnouncer", "rook"),
              QT_TRANSLATE_NOOP("TBoardAnnouncer", "queen"), QT_TRANSLATE_NOOP("TBoardAnnouncer", "king") };
    const qsizetype kind = QStringLiteral("pnbrqk").indexOf(QChar(letter).toLower());
    if (kind < 0)
        return TBoardAnnouncer::tr("empty");
    const QString name = TBoardAnnouncer::tr(Kinds[kind]);
    return QChar(letter).isUpper() ? TBoardAnnouncer::tr("white %1").arg(name)
                                   : TBoardAnnouncer::tr("black %1").arg(name);
}

} // namespace

TBoardAnnouncer::TBoardAnnouncer(TChessBoard& board, QObject* parent)
    : QObject(parent)
    , Board(board)
{
    Refresh();
}

void TBoardAnnouncer::set_TypedSquare(Square sq)
{
    FTypedSquare = IsOnBoard(sq) ? sq : Square::None;
    Refresh();
}

QString TBoardAnnouncer::Description() const
{
    QString text = Board.WhiteToMove() ? tr("White to move.") : tr("Black to move.");
    if (const QString last = LastMoveText(); !last.isEmpty())
        text += QLatin1Char(' ') + tr("Last move: %1.").arg(last);
    const Square focus = IsOnBoard(FTypedSquare) ? FTypedSquare : Board.SelectedSquare();
    if (IsOnBoard(focus))
        text += QLatin1Char(' ') + tr("Square %1: %2.").arg(SquareName(focus), PieceName(Board.PieceAt(focus)));
    return text;
}

void TBoardAnnouncer::Refresh()
{
    const QString text = Description();
    if (text == Board.accessibleDescription())
        return;
    Board.setAccessibleDescription(text);
    QAccessibleEvent event(&Board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// The half-move that led to the position shown, which need not be the game's last one: the player
// may have gone back.
QString TBoardAnnouncer::LastMoveText() const
{
    try {
        const notation::Game game = RecordedGame(Board);
        const auto order = [](int moveNumber, bool whiteToMove) { return 2 * moveNumber + (whiteToMove ? 0 : 1); };
        const int shown = order(Board.CurrentMove(), Board.WhiteToMove())
            - order(game.Start.FullmoveNumber, game.Start.WhiteToMove);
        if (shown <= 0 || shown > static_cast<int>(game.Moves.size()))
            return {};
        notation::Position before = game.Start;
        for (int i = 0; i + 1 < shown; ++i)
            before = notation::PositionAfter(before, game.Moves[i]);
        return QString::fromStdString(notation::MoveToSan(before, game.Moves[shown - 1]));
    } catch (const notation::NotationError&) {
        // A position set up by hand that is no legal chess position has no moves to name.
        return {};
    }
}
