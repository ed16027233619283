// Moves typed on the board: the keys that write a move, the text they make, and playing it.

#include "app/move_typing.h"

#include "app/game_transfer.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"
#include "notation/quoted_text.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopeGuard>

#include <cctype>
#include <string_view>

namespace {

// Longer than any move in either notation with its marks ("exd8=Q+!!").
constexpr int LongestText = 12;

// The characters of a move in either notation; whatever else is typed goes on to the board.
bool IsMoveCharacter(QChar c) { return c.isLetterOrNumber() || QStringLiteral("-=+#:!?").contains(c); }

// The last square the text names: "Nf3" f3, "e2e4" e4, "Nb" none.
Square LastSquareNamed(const QString& text)
{
    for (qsizetype i = text.size() - 2; i >= 0; --i) {
        const QChar file = text[i];
        const QChar rank = text[i + 1];
        if (file >= 'a' && file <= 'h' && rank >= '1' && rank <= '8')
            return TChessBoard::MouseToSquare(file.unicode() - 'a' + 1, rank.unicode() - '0');
    }
    return Square::None;
}

// The notation's reasons for refusing a typed move, known by what follows the quoted text, and the
// same sentence in the program's language ("%1" is the quoted text).
struct TRefusalReason {
    std::string_view Rest;
    const char* Sentence;
};
constexpr TRefusalReason RefusalReasons[] = {
    { " is not a move", QT_TRANSLATE_NOOP("TMoveTyping", "%1 is not a move") },
    { " is not a legal move", QT_TRANSLATE_NOOP("TMoveTyping", "%1 is not a legal move") },
    { " does not say which piece the pawn becomes",
        QT_TRANSLATE_NOOP("TMoveTyping", "%1 does not say which piece the pawn becomes") },
};
// Followed by the moves it could be, joined by " or ".
constexpr std::string_view AmbiguousRest = " is ambiguous: ";

// The reason in the program's language; a reason not known here stays as the notation gave it.
QString RefusalReason(const notation::NotationError& error, const std::string& typed)
{
    const std::string quoted = notation::Quoted(typed);
    const std::string_view reason = error.Reason();
    if (!reason.starts_with(quoted))
        return QString::fromStdString(error.what());
    const std::string_view rest = reason.substr(quoted.size());
    for (const TRefusalReason& known : RefusalReasons)
        if (rest == known.Rest)
            return TMoveTyping::tr(known.Sentence).arg(QString::fromStdString(quoted));
    if (rest.starts_with(AmbiguousRest)) {
        const QStringList moves
            = QString::fromStdString(std::string(rest.substr(AmbiguousRest.size()))).split(QStringLiteral(" or "));
        return TMoveTyping::tr("%1 is ambiguous: %2")
            .arg(QString::fromStdString(quoted), moves.join(TMoveTyping::tr(" or ")));
    }
    return QString::fromStdString(error.what());
}

} // namespace

TMoveTyping::TMoveTyping(TChessBoard& board, QObject* parent)
    : QObject(parent)
    , Board(board)
{
    board.setFocusPolicy(Qt::StrongFocus);
    board.installEventFilter(this);
}

bool TMoveTyping::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &Board)
        return false;
    if (event->type() == QEvent::FocusOut) {
        // Another control took the focus: what was typed here is given up. Another window taking
        // it (a message box, a menu) leaves it for the player's return.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            SetText({});
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    bool taken = false;
    CatchAtEntryPoint([&] { taken = KeyPressed(key->key(), key->text()); });
    return taken;
}

bool TMoveTyping::KeyPressed(int key, const QString& text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (FText.isEmpty())
            return false;
        Enter();
        return true;
    case Qt::Key_Backspace:
        if (FText.isEmpty())
            return false;
        SetText(FText.chopped(1));
        return true;
    case Qt::Key_Escape:
        if (FText.isEmpty() && !Showing)
            return false;
        SetText({});
        return true;
    default: break;
    }
    if (text.size() != 1 || !IsMoveCharacter(text[0]))
        return false;
    if (FText.size() < LongestText)
        SetText(FText + text);
    return true;
}

QString TMoveTyping::Enter()
{
    const QString typed = std::exchange(FText, {});
    if (SquareNamed)
        SquareNamed(Square::None);
    if (typed.isEmpty())
        return {};
    if (Board.Thinking() || Board.ComputerMoveWaiting() || !Board.HumanIsToMove())
        return Refuse(tr("Not played: the computer is to move"));

    const notation::Position position = BoardPosition(Board);
    const std::string san = typed.toStdString();
    notation::Move move;
    try {
        move = notation::SanToMove(position, san);
    } catch (const notation::NotationError& error) {
        // A promotion without its piece becomes the piece the board promotes to by itself, as when
        // the pawn is dragged there.
        const char standing = static_cast<char>(std::toupper(static_cast<unsigned char>(Board.PromotionPiece())));
        try {
            move = notation::SanToMove(position, san + standing);
        } catch (const notation::NotationError&) {
            move = {};
        }
        if (move.Promotion == 0)
            return Refuse(tr("Not played: %1").arg(RefusalReason(error, san)));
    }

    // The typed piece is for this move only; later promotions keep the board's standing piece.
    const char standing = Board.PromotionPiece();
    const auto restore = qScopeGuard([&] {
        char piece = standing;
        Board.Promotion(&Board, Square::None, Square::None, piece);
    });
    if (move.Promotion != 0) {
        char piece = static_cast<char>(std::tolower(static_cast<unsigned char>(move.Promotion)));
        Board.Promotion(&Board, Square::None, Square::None, piece);
    }
    Display({});
    if (!Board.Move(SquareAt(move.From), SquareAt(move.To)))
        return Refuse(tr("Not played: the board takes no move now"));
    return {};
}

void TMoveTyping::ShownChanged()
{
    if (FText.isEmpty() && Showing && RefusedIn != ShownPosition())
        Display({});
}

std::string TMoveTyping::ShownPosition() const
{
    return Board.Position() + (Board.WhiteToMove() ? 'w' : 'b') + std::to_string(Board.CurrentMove());
}

void TMoveTyping::SetText(const QString& text)
{
    FText = text;
    Display(text.isEmpty() ? QString() : tr("Your move: %1").arg(text));
    if (SquareNamed)
        SquareNamed(LastSquareNamed(text));
}

QString TMoveTyping::Refuse(const QString& reason)
{
    RefusedIn = ShownPosition();
    Display(reason);
    return reason;
}

void TMoveTyping::Display(const QString& text)
{
    Showing = !text.isEmpty();
    if (Show)
        Show(text);
}
