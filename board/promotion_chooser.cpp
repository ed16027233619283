// The promotion popup: its place at the square, its picture from the board's piece images, and
// the clicks and keys that pick or cancel.

#include "board/promotion_chooser.h"

#include "board/chessbrd.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <cctype>

char TPromotionChooser::Choose(TChessBoard& board, Square sq, const QRect& squareRect)
{
    QPointer<TPromotionChooser> chooser = new TPromotionChooser(board, sq, squareRect);
    QEventLoop loop;
    chooser->OnClosed = [&loop] { loop.quit(); };
    // The board going away takes its popup along, which ends the wait too.
    QObject::connect(chooser, &QObject::destroyed, &loop, &QEventLoop::quit);
    chooser->show();
    loop.exec();
    if (!chooser)
        return 0;
    const char picked = chooser->Picked();
    delete chooser;
    return picked;
}

TPromotionChooser::TPromotionChooser(TChessBoard& board, Square sq, const QRect& squareRect)
    : QWidget(&board, Qt::Popup | Qt::FramelessWindowHint)
    , Board(board)
    , WhitePiece(TChessBoard::YPos(sq) == 8)
    , Downwards(squareRect.center().y() < board.height() / 2)
    , Cell(squareRect.width())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    resize(Cell, 4 * Cell);
    const QPoint top = Downwards ? squareRect.topLeft() : squareRect.topLeft() - QPoint(0, 3 * Cell);
    move(board.mapToGlobal(top));
}

QRect TPromotionChooser::CellRect(int index) const
{
    const int row = Downwards ? index : 3 - index;
    return { 0, row * Cell, Cell, Cell };
}

void TPromotionChooser::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int inset = (Cell - Board.PieceSize()) / 2;
    for (int i = 0; i < 4; ++i) {
        const QRect cell = CellRect(i);
        painter.fillRect(cell, ToQColor(i == Highlighted ? Board.SquareColorDark() : Board.SquareColorLight()));
        const char letter = Pieces[i];
        Board.DrawChessPiece(painter, cell.x() + inset, cell.y() + inset,
            WhitePiece ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter))) : letter);
    }
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TPromotionChooser::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < 4; ++i)
        if (CellRect(i).contains(at)) {
            Pick(i);
            return;
        }
    close();
}

void TPromotionChooser::keyPressEvent(QKeyEvent* event)
{
    // Up and Down follow the picture: towards the square or away from it.
    const int away = Downwards ? Qt::Key_Down : Qt::Key_Up;
    const int towards = Downwards ? Qt::Key_Up : Qt::Key_Down;
    const int key = event->key();
    if (key == away && Highlighted < 3) {
        ++Highlighted;
        update();
    } else if (key == towards && Highlighted > 0) {
        --Highlighted;
        update();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Pick(Highlighted);
    } else if (key == Qt::Key_Escape) {
        close();
    } else {
        const QString text = event->text().toLower();
        for (int i = 0; i < 4; ++i)
            if (text == QChar::fromLatin1(Pieces[i]))
                Pick(i);
    }
}

void TPromotionChooser::hideEvent(QHideEvent*)
{
    if (OnClosed)
        OnClosed();
}

void TPromotionChooser::Pick(int index)
{
    FPicked = Pieces[index];
    close();
}
