#pragma once

// A board in a shown window, driven by synthetic Qt mouse events, with every event it raises logged.

#include "board/drag_image.h"
#include "tests/board/board_test_support.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

using Events = std::vector<std::string>;

// The board in a shown parent window, as in the program, with every event it raises logged.
struct InputBoard {
    QWidget window;
    TChessBoard* board = new TChessBoard(&window, TChessBoard::Mode::Designer);
    EventLog log;
    Qt::MouseButtons held;

    InputBoard()
    {
        window.resize(600, 500);
        board->move(30, 20);
        window.show();
        log.Attach(*board);
        board->OnIllegalMove = [this](QObject*, Square sq) { log.events.push_back("IllegalMove " + Name(sq)); };
    }

    QPoint Centre(Square sq) const
    {
        const int size = board->SizeOfSquare();
        int column = TChessBoard::XPos(sq) - 1;
        int row = 8 - TChessBoard::YPos(sq);
        if (board->WhiteOnTop()) {
            column = 7 - column;
            row = 7 - row;
        }
        return { board->SizeOfBorder() + column * size + size / 2, board->SizeOfBorder() + row * size + size / 2 };
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        QMouseEvent event(type, at, board->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(board, &event);
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        held |= button;
        Send(QEvent::MouseButtonPress, at, button);
    }
    void MoveTo(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton); }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        held &= ~button;
        Send(QEvent::MouseButtonRelease, at, button);
    }
    // Press, a pointer path in small steps, release.
    void Drag(QPoint from, QPoint to)
    {
        Press(from);
        for (int i = 1; i <= 8; ++i)
            MoveTo(from + (to - from) * i / 8);
        Release(to);
    }

    int DragImages() const { return static_cast<int>(window.findChildren<TDragImage*>().size()); }
    const TDragImage* DragImage() const { return window.findChild<TDragImage*>(); }
};
