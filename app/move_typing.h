#pragma once

// TMoveTyping: moves typed on the board. While the board has the focus, the letters, digits and
// signs of a move gather into a text: standard notation ("Nf3", "exd5", "O-O", "e8=Q") or
// coordinates ("e2e4", "e7e8n"). Backspace takes back the last character, Esc drops the text, Enter
// plays the move as the player at the board would, through the board's Move. Only on a human's
// turn; a text that names no legal move, or more than one, is refused with the reason, and nothing
// changes. Keys it has no use for (the arrows, Home, End, shortcuts) go on to the board unchanged.
//
// An event filter on the board, owned by the window, on the main thread.

#include "board/chesstypes.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class TChessBoard;

class TMoveTyping : public QObject {
    Q_OBJECT

public:
    // Filters the board's keys and lets the board take the focus by a click or by Tab.
    TMoveTyping(TChessBoard& board, QObject* parent);

    const QString& Text() const { return FText; }
    // Plays the text typed so far, as Enter does. Returns the refusal, empty when the move was made.
    QString Enter();
    // The board shows another position or selection: a refusal shown is out of date. A text being
    // typed stays, as the player may be typing ahead of the computer's move.
    void ShownChanged();

    // Called with what the player is to see of the typing: the text so far, a refusal, or an empty
    // text once there is nothing to show.
    std::function<void(const QString&)> Show;
    // Called with the square the text names last ("Nf3": f3), None while it names none.
    std::function<void(Square)> SquareNamed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(int key, const QString& text);
    void SetText(const QString& text);
    // Shows the refusal and returns it.
    QString Refuse(const QString& reason);
    void Display(const QString& text);
    // The placement, side to move and move number the board shows.
    std::string ShownPosition() const;

    TChessBoard& Board;
    QString FText;
    // Something of the typing is shown: the text or a refusal.
    bool Showing = false;
    // Where the refusal shown was given.
    std::string RefusedIn;
};
