#include "board/drag_image.h"

#include <QPainter>

TDragImage::TDragImage(QWidget* parent, const QPixmap& piece)
    : QWidget(parent)
    , Piece(piece)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Only the piece's own pixels are drawn; the mask leaves the window below showing through.
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(piece.size());
}

void TDragImage::ShowAt(QPoint topLeft)
{
    move(topLeft);
    if (isHidden()) {
        show();
        raise();
    }
}

void TDragImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, Piece);
}
