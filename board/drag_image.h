#pragma once

// TDragImage: the picture of a piece in the air. A small frameless child of the board's parent
// window that shows one masked piece image and lets every mouse event through to what lies below.
// The board creates it when a drag starts, moves it with the pointer and deletes it when the drag
// ends in any way; the parent window owns it as a child, so it never outlives that window.

#include <QPixmap>
#include <QWidget>

class TDragImage : public QWidget {
    Q_OBJECT

public:
    TDragImage(QWidget* parent, const QPixmap& piece);

    // Shows the picture with its top-left corner at `topLeft`, in the parent's coordinates.
    void ShowAt(QPoint topLeft);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap Piece;
};
