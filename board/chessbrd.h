#pragma once

// TChessBoard: one widget that holds a whole game of chess and its picture.
//
// The model side keeps the position as a 66-character buffer, "_" at index 0 so that a Square
// indexes its square and a terminating zero at 65, together with the side to move, castling rights,
// the en passant square, the move number and the record of the game. It is plain C++ over char
// buffers and raises its events through std::function members that are called only when set. The
// view side draws the board into a backing image owned by the widget.
//
// Where each part lives:
//   model_state.cpp     construction and destruction, the record entry type, the overridable reactions
//   model_position.cpp  writing the position from outside a move, set-up, the square and piece functions
//   model_rules.cpp     move legality, king safety, whether a move is available, threefold repetition
//   model_moves.cpp     Move with its steps and events, DoPromotion, castling rights
//   game_events.h       TGameEvents: the handlers of the game events, the board's base
//   handler_calls.h     THandlerCalls: the event handlers of one move, and what they throw
//   model_record.cpp    the game record: navigation, GetMove, the move list
//   model_game_over.cpp GameOver: a finished game kept on the board, refusing moves
//   model_draw_rules.cpp  MoreDrawRules: the half-move clock, dead positions, the 50-move claim, the 75-move rule
//   model_thinking.cpp  the computer player: engine thread, its level and clock, MoveNow, CancelThinking, automatic
//   start model_pause.cpp     the computer's pause before its move while it plays both sides, its progress reports
//   view_geometry.cpp   the view's construction, sizes, appearance properties and their setters, WindowToSquare
//   view_pieces.cpp     piece sets: the built-in and custom sets, the twelve masked images, DrawChessPiece
//   view_render.cpp     Paint, DrawBorder, DrawBoard, ClearSquare, DrawPiece, UpdateChessBoard, paintEvent
//   view_marks.cpp      MarkMoves: the tints on the last move's squares and on a king in check
//   view_arrow.cpp      the hint arrow: a suggested move drawn over the pieces until the position changes
//   view_types.h        TFont (a font with its colour) and TImageList (the piece images)
//   input.cpp           the mouse: dragging pieces, the corner-resize gesture, the mouse and drag events
//   drag_image.cpp      the picture of a piece in the air
//   human_move.cpp      what a player's gesture means: the king onto its rook, the promotion chooser
//   input_click.cpp     click-to-move: selecting a piece and clicking its target
//   view_targets.cpp    the marks of the selected piece's square and its legal targets
//   promotion_chooser.cpp  the popup column in which a player picks the promotion piece
//   view_announce.cpp   OnShownChanged: telling the window that what the board shows has changed
//
// Fields behind a property carry the prefix F (FSizeOfSquare behind SizeOfSquare() and
// set_SizeOfSquare()); fields without a property have plain names (Squares, GameRecord).
//
// Everything here belongs to the main thread. A search request hands the engine thread a copy of
// the position, so the thread never reads the board's fields; it shares only the Thinking flag and
// the search depth, both atomic, and makes its move through a call posted to the board. Every public
// operation refuses squares outside 1..64 and move numbers outside the record with a plain false
// (or the not-in-record entry), so no caller can make it read outside its arrays. The progress
// reports of a search come the same way, as calls posted to the board.

#include "board/chesstypes.h"
#include "board/game_events.h"
#include "board/piece_painting.h"
#include "board/view_types.h"
#include "engine/engine_types.h"
#include "engine/levels.h"
#include "engine/time_allotment.h"
#include "engine/tthread.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPen>
#include <QPointer>
#include <QWidget>

#include <array>
#include <atomic>
#include <cassert>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

class ChessThread;
class QTimer;
class QPainterPath;
class TDragImage;
class THandlerCalls;
namespace engine {
struct RootPosition;
}

// One completed iteration of the computer's search: its depth, its score for the side to move in
// hundredths of a pawn (beyond MateScoreFrom a mate, see MovesToMate), the best move so far (the
// promotion piece as 'Q', 'R', 'B', 'N' or 0) and the nodes searched up to it.
struct TThinkingProgress {
    int Depth = 0;
    int Score = 0;
    Square From = Square::None;
    Square To = Square::None;
    char Promotion = 0;
    std::uint64_t Nodes = 0;

    static constexpr int MateScoreFrom = engine::Infinity - engine::MaxPly;
    // The moves until the mate the score foresees, negative when the side to move is mated; 0 for
    // a score that foresees none.
    int MovesToMate() const
    {
        if (Score >= MateScoreFrom)
            return (engine::Infinity - Score + 1) / 2;
        if (Score <= -MateScoreFrom)
            return -((engine::Infinity + Score + 1) / 2);
        return 0;
    }
};

// The game events (OnLegalMove, OnCapture, ...) and their handler types come from TGameEvents.
class TChessBoard : public QWidget, public TGameEvents {
    Q_OBJECT

public:
    // A board made for a form designer never gets an engine thread.
    enum class Mode { Runtime, Designer };

    explicit TChessBoard(QWidget* parent = nullptr, Mode mode = Mode::Runtime);
    ~TChessBoard() override;

    // ---- Position and set-up ----
    const std::string& Position() const { return FPosition; }
    void set_PosStr(const std::string& s);
    void NewGame();
    bool SetUpPosition(MoveInfo& info, int moveNumber, bool whiteToMove);

    bool WhiteToMove() const { return FWhiteToMove; }
    void set_WhiteToMove(bool value);
    Square EnPassant() const { return FEnPassant; }
    void set_EnPassant(Square sq);
    CastlingSet CastlingAllowed() const { return FCastlingAllowed; }
    void set_CastlingAllowed(CastlingSet rights);
    int CurrentMove() const { return FCurrentMove; }
    void set_CurrentMove(int) { }
    char PromotionPiece() const { return FPromotionPiece; }
    // The letter on a square: a piece letter, a blank, or "_" for None.
    char PieceAt(Square sq) const { return IsOnBoard(sq) ? Squares[SquareIndex(sq)] : Squares[0]; }

    int ColorOfSquare(Square sq) const;
    int ColorOfPiece(Square sq) const;
    int PieceToInt(char c) const;
    // Inline: the rules call these for every square a king's attackers could stand on.
    static int XPos(Square sq) { return (SquareIndex(sq) - 1) % 8 + 1; }
    static int YPos(Square sq) { return 8 - (SquareIndex(sq) - 1) / 8; }
    static Square MouseToSquare(int file, int rank)
    {
        if (file < 1 || file > 8 || rank < 1 || rank > 8)
            return Square::None;
        return SquareAt((8 - rank) * 8 + file);
    }

    // ---- Legality ----
    bool MoveIsLegal(Square oldSq, Square newSq);
    bool CheckLegalPawnMove(Square oldSq, Square newSq) const;
    bool CheckLegalKnightMove(Square oldSq, Square newSq) const;
    bool CheckLegalBishopMove(Square oldSq, Square newSq) const;
    bool CheckLegalRookMove(Square oldSq, Square newSq) const;
    bool CheckLegalQueenMove(Square oldSq, Square newSq) const;
    bool CheckLegalKingMove(Square oldSq, Square newSq) const;
    bool WhiteInCheckAfter(Square oldSq, Square newSq) const;
    bool BlackInCheckAfter(Square oldSq, Square newSq) const;
    bool LegalMoveAvailable();
    bool CheckForThreefoldPosition() const;

    // ---- Making moves ----
    bool Move(Square oldSq, Square newSq);
    void DoPromotion(Square sq);

    // ---- Game record ----
    bool GotoMove(int moveNumber, bool whiteToMove);
    bool MoveBackward();
    bool MoveForward();
    MoveInfo GetMove(int moveNumber, bool whiteToMove) const;
    std::vector<std::string> GetMoveList() const;
    // The move number of the record's first position, where the game on the board started.
    int FirstRecordedMove() const { return StartMove; }
    // The record's first position has White to move (false for a game set up with Black to move).
    bool FirstRecordedWhite() const { return StartWhite; }
    // The record's last position, the one after the last half-move made.
    int LastRecordedMove() const { return EndMove; }
    bool LastRecordedWhite() const { return EndWhite; }
    // Positions in game order, counted in half-moves: (m, White) < (m, Black) < (m + 1, White).
    static int PositionOrder(int moveNumber, bool whiteToMove) { return 2 * moveNumber + (whiteToMove ? 0 : 1); }
    // Whether the position lies between the record's first and last; inside a move's events the
    // position being made lies beyond the last.
    bool LiesInRecord(int moveNumber, bool whiteToMove) const;
    // True while the board shows a position before the last one of the record (after Back or a
    // jump to an earlier move). The computer does not start by itself then.
    bool Reviewing() const { return PositionOrder(FCurrentMove, FWhiteToMove) < PositionOrder(EndMove, EndWhite); }
    // Makes the position shown the last one of the record: the half-moves after it are taken back
    // and Forward no longer reaches them. It also reopens a finished game (GameOver). False, and
    // nothing changes, when it is the last one already or a move is being made.
    bool CutRecordHere();
    // Asked before a player's move from an earlier position (Reviewing) replaces the rest of the
    // record; false keeps the record and puts the piece back. Unset: the move is made unasked. The
    // computer's moves never ask.
    std::function<bool()> ConfirmReplacingRest;

    // ---- A finished game ----
    // True once the game on the board has ended and is kept there: every move is refused and the
    // computer does not start, while navigation still looks through the game. A new game, a set-up,
    // a new placement or cutting the record (CutRecordHere) ends it; off on a new board.
    bool GameOver() const { return FGameOver; }
    void set_GameOver(bool value);

    // ---- Computer player ----
    bool Thinking() const { return FThinking.load(); }
    void set_Thinking(bool) { }
    bool ComputerPlaysWhite() const { return FComputerPlaysWhite; }
    void set_ComputerPlaysWhite(bool value);
    bool ComputerPlaysBlack() const { return FComputerPlaysBlack; }
    void set_ComputerPlaysBlack(bool value);
    // Whether the computer plays the side to move.
    bool ComputerIsToMove() const;
    int SearchDepth() const { return FSearchDepth.load(); }
    void set_SearchDepth(int value);
    TThreadPriority ThinkingPriority() const { return FThinkingPriority; }
    void set_ThinkingPriority(TThreadPriority value);
    void CancelThinking();
    // ---- The built-in engine's level (model_thinking.cpp) ----
    // With a level the computer searches to the level's depth within its time per move and varies its
    // first moves as the level says; without one (the default) it searches to SearchDepth alone.
    // Setting SearchDepth, as the Options dialog does, drops the level: the depth chosen there plays.
    // A new level reaches the next search, not the running one. Each side may have its own level:
    // set_Level gives both sides the same one, Level is the side to move's.
    const std::optional<engine::Level>& Level() const { return LevelOf(FWhiteToMove); }
    void set_Level(std::optional<engine::Level> level);
    const std::optional<engine::Level>& LevelOf(bool white) const { return FLevels[white ? 1 : 0]; }
    void set_LevelOf(bool white, std::optional<engine::Level> level);
    // A side played by someone the board does not see, as an engine in a process of its own that
    // makes its moves through Move: the board takes no move for that side from the mouse or the
    // keyboard, and counts it as a computer's side where a human's turn is looked for.
    bool OutsidePlayer(bool white) const { return FOutsidePlayers[white ? 1 : 0]; }
    void set_OutsidePlayer(bool white, bool value);
    // The side to move is one the player at the board may move for: neither the board's computer nor
    // an outside player plays it.
    bool HumanIsToMove() const { return !ComputerIsToMove() && !OutsidePlayer(FWhiteToMove); }
    // The game's clock for the side to move, read at each search request; the search then spends no
    // more than its share of it (engine::AllotTime), with or without a level. Unset, or none: no clock.
    std::function<std::optional<engine::ClockReading>()> EngineClock;
    // Seeds the draws among the near-best moves of a level's variety, so that games can be replayed;
    // a new board is seeded at random.
    void SeedVariety(std::uint32_t seed) { FVarietyRandom.seed(seed); }
    bool MoveNow();
    // "Move Now" for the side the computer plays: a running search ends at once and its best move so
    // far (of its last completed depth) is made; a computer that waits because the board shows an
    // earlier position starts there. False when there is nothing to do: a human is to move, or no
    // move is left.
    bool ComputerMoveNow();
    void FinishedThread(QObject* Sender);
    // The position as a search request hands it to the engine.
    engine::RootPosition PositionForEngine() const;
    // The engine thread, to watch it; nullptr for a board made for a form designer.
    const ChessThread* EngineThread() const { return FEngineThread.get(); }
    // Shows the engine's "illegal move" message: caption, text. Replaceable so that tests see it.
    std::function<void(const QString& caption, const QString& text)> EngineMessageBox;
    // ---- The computer's pace and what it shows of its search (model_pause.cpp) ----
    // Milliseconds that at least pass between the start of the computer's search and its move while
    // it plays both sides, so that a player can follow the game; 0 (the default) for none. The search
    // runs meanwhile; a found move waits for the rest of the time (ComputerMoveWaiting). Stop, New
    // Game, every change of the position or of the players drop a waiting move, Move Now plays it.
    int ComputerPause() const { return FComputerPause; }
    void set_ComputerPause(int milliseconds);
    bool ComputerMoveWaiting() const { return FWaitingMove.has_value(); }
    // Raised on the main thread after each completed iteration of the running search, never for a
    // search that has been cancelled or replaced.
    using TThinkingEvent = std::function<void(QObject* Sender, const TThinkingProgress& Progress)>;
    TThinkingEvent OnThinkingProgress;
    // Raised once the computer's turn that raised OnThinkingProgress is over: its move is about to be
    // made, or the search or the waiting move was cancelled.
    TNotifyEvent OnThinkingEnded;

    // ---- Appearance (view_geometry.cpp) ----
    // Width and Height are the control's; the setters change both through the size rule of Paint.
    int Width() const { return width(); }
    void set_Width(int value);
    int Height() const { return height(); }
    void set_Height(int value);
    bool BoardLines() const { return FBoardLines; }
    void set_BoardLines(bool value);
    bool WhiteOnTop() const { return FWhiteOnTop; }
    void set_WhiteOnTop(bool value);
    bool Resizable() const { return FResizable; }
    void set_Resizable(bool value) { FResizable = value; }
    DisplayCoordsSet DisplayCoordinates() const { return FDisplayCoords; }
    void set_DisplayCoords(DisplayCoordsSet edges);
    int SizeOfSquare() const { return FSizeOfSquare; }
    void set_SizeOfSquare(int value);
    int SizeOfBorder() const { return FSizeOfBorder; }
    void set_SizeOfBorder(int value);
    int ResizeMinSize() const { return FResizeMinSize; }
    void set_ResizeMinSize(int value);
    int ResizeMaxSize() const { return FResizeMaxSize; }
    void set_ResizeMaxSize(int value);
    TColor BorderColor() const { return FBorderColor; }
    void set_BorderColor(TColor value);
    TColor SquareColorDark() const { return FSquareColorDark; }
    void set_SquareColorDark(TColor value);
    TColor SquareColorLight() const { return FSquareColorLight; }
    void set_SquareColorLight(TColor value);
    // Textures; a null image is the empty bitmap.
    const QImage& BorderBitmap() const { return FBorderBitmap; }
    void set_BorderBitmap(const QImage& bitmap);
    const QImage& SquareDark() const { return FSquareDark; }
    void set_SquareDark(const QImage& bitmap);
    const QImage& SquareLight() const { return FSquareLight; }
    void set_SquareLight(const QImage& bitmap);
    const TFont& CoordFont() const { return FCoordFont; }
    void set_CoordFont(const TFont& font);
    const QPen& LineStyle() const { return FLineStyle; }
    void set_LineStyle(const QPen& pen);
    // The square under a pixel of the control; None on the frame and outside.
    Square WindowToSquare(int x, int y) const;
    // ---- Filling a room (view_geometry.cpp) ----
    // Given a room, the board takes the largest size that fits in it: squares of at least the classic
    // 40 pixels, the frame growing with them from 60 pixels on and the coordinates with the frame. A change of
    // the squares' size is one full redraw; a room that gives the same size redraws nothing. None (the
    // default) brings the classic sizes back.
    const std::optional<QSize>& Room() const { return FRoom; }
    void set_Room(std::optional<QSize> room);
    static constexpr int ClassicSizeOfSquare = 40;
    static constexpr int ClassicSizeOfBorder = 24;

    // ---- Move marks (view_marks.cpp) ----
    // Tints the from and to squares of the move that led to the position shown, and the king of
    // the side to move while it is in check, under the pieces. Off on a new board.
    bool MarkMoves() const { return FMarkMoves; }
    void set_MarkMoves(bool value);

    // ---- The hint arrow (view_arrow.cpp) ----
    // A translucent arrow from the centre of one square towards the centre of another, drawn over the
    // pieces. It stays while the position does: a move, a new position, a new game or a step through
    // the record removes it. Squares outside the board, or from equal to to, are refused with false.
    using SquarePair = std::pair<Square, Square>;
    const std::optional<SquarePair>& HintArrow() const { return FHintArrow; }
    bool set_HintArrow(Square from, Square to);
    void ClearHintArrow();

    // ---- Piece sets (view_pieces.cpp) ----
    StandardSet StandardSize() const { return FStandardSize; }
    void set_StandardSize(StandardSet value);
    // A null image is "none": back to the built-in set. A set that is not 6 x 4 square cells is ignored.
    const QImage& CustomPieceSet() const { return FCustomPieceSet; }
    void set_CustomPieceSet(const QImage& bitmap);
    const QImage& BuiltInPieceSet() const { return FBuiltInPieceSet; }
    int PieceSize() const { return FPieceSize; }
    const TImageList& PieceImages() const { return FPieceImages; }
    static bool BitmapExists(const QImage& bitmap);
    static bool BitmapIsValidPieceSet(const QImage& bitmap);
    void InitializeBitmaps();
    void OrganizeBitmaps();
    // Draws a piece letter's image at (x, y) on any painter: upper case White, anything else Black.
    void DrawChessPiece(QPainter& canvas, int x, int y, char piece) const;
    // Vector pieces: with a design the twelve images are painted from its outlines at the square's
    // size and the screen's pixel ratio, painted anew when either changes, in place of the bitmap
    // sets (which stay as they are and come back with none, the default).
    const std::optional<PieceDesign>& VectorPieces() const { return FVectorPieces; }
    void set_VectorPieces(std::optional<PieceDesign> design);

    // ---- Drawing (view_render.cpp) ----
    // Each paints into the board's image at once and asks the toolkit to show the changed part.
    virtual void Paint();
    void DrawBorder();
    void DrawBoard();
    void DrawPieces();
    virtual void ClearSquare(Square sq);
    virtual void DrawPiece(Square sq, char piece);
    // oldPosStr: the previous squares, indexed by Square (index 0 unused).
    virtual void UpdateChessBoard(const char* oldPosStr);
    const QImage& Canvas() const { return FCanvas; }
    // Drawing held back while many pieces move at once (a game put on the board): while a hold
    // stands nothing is drawn into the image, and when the last hold ends the whole picture is
    // painted once. The picture is then the one that drawing each change would have left.
    void HoldPainting() { ++FPaintingHolds; }
    void ReleasePainting();
    bool PaintingHeld() const { return FPaintingHolds > 0; }

    // ---- Mouse and drag input (input.cpp) ----
    // A piece is moved by dragging it: a press on a piece starts a drag that becomes active once the
    // pointer has moved DragThreshold pixels; the release makes the move, puts the piece back, or
    // reports an illegal move. The board is both the source and the only target of its drags.
    struct TShiftState {
        Qt::MouseButtons Buttons;
        Qt::KeyboardModifiers Keys;
    };
    enum class TDragState { Enter, Leave, Move };
    using TMouseEvent = std::function<void(QObject* Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y)>;
    using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
    using TDragOverEvent
        = std::function<void(QObject* Sender, QObject* Source, int X, int Y, TDragState State, bool& Accept)>;
    using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>;
    // Target is the board after a drop, nullptr when the drag was cancelled.
    using TEndDragEvent = std::function<void(QObject* Sender, QObject* Target, int X, int Y)>;
    static constexpr int DragThreshold = 5;

    // What the board does with the toolkit's notifications; X and Y are in the board's pixels.
    virtual void MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(QObject* Source, int X, int Y);
    virtual void DragCanceled();
    // Ends a drag in progress, with the drop its last pointer position would give, or cancelled.
    void EndDrag(bool Drop);
    bool Dragging() const { return DragPhase == TDragPhase::Active; }

    // The cursor over a square that would take the piece; elsewhere the no-drop cursor shows.
    Qt::CursorShape DragCursor() const { return FDragCursor; }
    void set_DragCursor(Qt::CursorShape value) { FDragCursor = value; }

    // ---- Player preferences, all off on a new board ----
    // A click on a piece of the side to move selects it (its square is tinted), a click on a target
    // moves it (input_click.cpp).
    bool ClickToMove() const { return FClickToMove; }
    void set_ClickToMove(bool value);
    // The selected or dragged piece's square and its legal targets are marked (view_targets.cpp).
    bool ShowLegalTargets() const { return FShowLegalTargets; }
    void set_ShowLegalTargets(bool value);
    // The king put onto its own rook castles on that side (human_move.cpp).
    bool CastleOntoRook() const { return FCastleOntoRook; }
    void set_CastleOntoRook(bool value) { FCastleOntoRook = value; }
    // A player's pawn reaching the last rank asks PromotionChooser for the piece (human_move.cpp).
    bool ChoosePromotion() const { return FChoosePromotion; }
    void set_ChoosePromotion(bool value) { FChoosePromotion = value; }
    // Dead positions and the 75-move rule end the game, and the player to move may claim a draw by
    // the 50-move rule (model_draw_rules.cpp). The half-move clock is kept whether or not it is on.
    bool MoreDrawRules() const { return FMoreDrawRules; }
    void set_MoreDrawRules(bool value);
    // Half-moves since the last capture or pawn move in the position shown; a position set up or
    // written over the board starts at the clock it is given, else at 0.
    int HalfMoveClock() const { return FHalfMoveClock; }
    // The material leaves neither side a way to mate (K+N v K, kings with bishops on one colour only).
    bool DeadPosition() const;
    // With MoreDrawRules, at the end of the record, with a human to move who has a legal move: the
    // last 50 moves of each side were made without a capture or a pawn move.
    bool FiftyMoveClaimStands();
    static constexpr int FiftyMoveRuleHalfMoves = 100;
    static constexpr int SeventyFiveMoveRuleHalfMoves = 150;
    // Raises OnFiftyMoveDrawClaimed when the claim stands; false when it does not.
    bool ClaimFiftyMoveDraw();
    // Asks for the promotion piece of a pawn arriving on the square: 'q', 'r', 'b' or 'n', anything
    // else cancels the move. Shows a popup column by default; replaceable so that tests answer it.
    std::function<char(Square)> PromotionChooser;
    // The square a click has selected, None when there is none.
    Square SelectedSquare() const { return FSelectedSquare; }
    // Raised on the main thread soon after what the board shows has changed (the position, the side
    // to move, the selected square): once for all the changes of one operation, after it has ended,
    // so that its handler sees the outcome (a whole move, not its steps).
    TNotifyEvent OnShownChanged;

    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnStartDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;

    // ---- Overridable reactions, one per event; they do nothing unless a subclass says so ----
    virtual void Capture(QObject* Sender, Square oldSq, Square newSq, char CapturedPiece);
    virtual void Castle(QObject* Sender, Square oldSq, Square newSq);
    virtual void Check(QObject* Sender, Square oldSq, Square newSq);
    virtual void IllegalMove(QObject* Sender, Square sq);
    virtual void LegalMove(QObject* Sender, Square oldSq, Square newSq);
    virtual void Mate(QObject* Sender, Square oldSq, Square newSq);
    virtual void OnlyTwoKingsLeft(QObject* Sender);
    virtual void Promotion(QObject* Sender, Square oldSq, Square newSq, char& NewPiece);
    virtual void StaleMate(QObject* Sender, Square oldSq, Square newSq);
    virtual void ThreefoldPosition(QObject* Sender);

    // ---- Events ----
    // MoreDrawRules() or FiftyMoveClaimStands() may have changed: the position, its side to move,
    // the players or the preference did.
Q_SIGNALS:
    void DrawClaimChanged();
    // The board was turned: WhiteOnTop changed.
    void WhiteOnTopChanged();

public:
    // All handlers of the game events, to set aside and put back as a whole.
    TGameEvents& GameEvents() { return *this; }

    // Move slots of the game record; slot 0 is never used.
    static constexpr int RecordSlots = 256;
    static constexpr int LastMoveNumber = RecordSlots - 1;
    static constexpr int LastSetUpMoveNumber = 200;

protected:
    // Starts the computer's search when it is due, then handles the event as usual.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // model_position.cpp
    void RefreshPosition();
    // model_rules.cpp
    bool MoveObeysRules(Square oldSq, Square newSq) const;
    Square EnPassantVictim(Square oldSq, Square newSq) const;
    bool KingAttackedAfter(bool whiteKing, Square oldSq, Square newSq) const;
    static bool KingAttackedOn(const char* board, bool whiteKing);
    static bool EnPassantCaptureIsOpen(const char* squares, bool whiteToMove, Square target);
    bool SlideReaches(Square oldSq, Square newSq, const int (*steps)[2], int stepCount) const;
    // model_pause.cpp
    void CreatePauseTimer();
    bool TakeEngineMove(Square oldSq, Square newSq);
    int PauseLeft() const;
    void PlayWaitingMove();
    void DropWaitingMove();
    void ReportThinking(const TThinkingProgress& progress);
    void EndThinkingReports();
    // model_thinking.cpp
    void StartEngineThread();
    void EngineMoveRefused();
    bool AutomaticStartIsDue() const;
    // Has the board look at once whether the computer is to start (through the next event it handles).
    void PostAutomaticStartCheck();
    // model_moves.cpp: the steps of Move, in its order
    static bool PawnPromotesOn(char piece, Square sq);
    bool RecordHasRoomForNextPosition() const;
    void PassTheTurn();
    char MovePiece(Square oldSq, Square newSq);
    void PromoteOnLastRank(THandlerCalls& handlers, Square oldSq, Square newSq);
    void TakeEnPassantVictim(THandlerCalls& handlers, Square oldSq, Square newSq, Square victim);
    void OpenEnPassantAfterDoubleStep(Square oldSq, Square newSq);
    void BringCastlingRook(THandlerCalls& handlers, Square oldSq, Square newSq);
    void RemoveCastlingRights(Square sq);
    void RaiseCheckAndGameEnd(THandlerCalls& handlers, Square oldSq, Square newSq);
    bool OnlyKingsLeft() const;
    void RecordNewPosition();
    // model_draw_rules.cpp
    void CountHalfMove(Square movedTo, char captured);
    void RaiseDrawRuleEnd(THandlerCalls& handlers);
    void RefreshDrawClaim();
    // model_record.cpp
    MoveInfo& RecordEntry(int moveNumber, bool whiteToMove);
    const MoveInfo& RecordEntry(int moveNumber, bool whiteToMove) const;
    void RecordCurrentPosition(Square oldSq, Square newSq);
    struct MovedSquares {
        Square from = Square::None;
        Square to = Square::None;
        bool operator==(const MovedSquares&) const = default;
    };
    MovedSquares MoveLeadingTo(int moveNumber, bool whiteToMove) const;
    // view_geometry.cpp
    static TFont DefaultCoordFont();
    void ConstructView();
    void SetControlSize(int width, int height);
    void MakeCanvas();
    void FitControlToSquares();
    template <typename T> void StoreAndRepaint(T& field, const T& value)
    {
        field = value;
        Paint();
    }
    QRect SquareRect(Square sq) const;
    QRect SquaresArea() const;
    // input.cpp
    void ActivateDrag(QPoint at);
    void FollowPointer(QPoint at);
    void FollowWithImage(QPoint at);
    void EndDragPicture();
    void PutDraggedPieceBack();
    void AbandonDrag();
    void AbandonDragIfMouseIsLost(const QEvent& event);
    void ResizeGesture(TShiftState Shift, int X, int Y);
    static QCursor& SavedCursor();
    static bool WithinDragThreshold(QPoint pressed, QPoint at);
    // human_move.cpp
    enum class TGestureOutcome { Moved, Cancelled, Refused };
    TGestureOutcome HumanMove(Square oldSq, Square newSq);
    Square IntendedTarget(Square oldSq, Square newSq) const;
    // input_click.cpp
    void ClickOnSquare(Square sq);
    bool IsPlayersPiece(Square sq) const;
    void Select(Square sq);
    void DropSelection();
    // view_announce.cpp
    void AnnounceShownChange();
    // view_targets.cpp
    std::vector<Square> LegalTargets(Square from);
    void MarkTargetsOf(Square from);
    void UnmarkTargets();
    void DrawTargetMarks();
    void DrawTargetMark(Square sq);
    void RedrawSquare(Square sq);
    // view_render.cpp
    void FillFrame(QPainter& painter) const;
    void DrawCoordinates(QPainter& painter) const;
    void DrawOutlines(QPainter& painter) const;
    void FillArea(QPainter& painter, const QRegion& clip, const QImage& texture, TColor color) const;
    void DrawBoardLines(QPainter& painter) const;
    // view_marks.cpp
    struct SquareMarks {
        MovedSquares lastMove;
        Square checkedKing = Square::None;
        bool OnLastMove(Square sq) const { return sq == lastMove.from || sq == lastMove.to; }
        bool operator==(const SquareMarks&) const = default;
    };
    SquareMarks MarksOfPosition() const;
    void RefreshMarks();
    void DrawMarks(QPainter& painter) const;
    void DrawSquareMarks(QPainter& painter, Square sq) const;
    // view_arrow.cpp
    QPainterPath HintArrowPath() const;
    bool HintArrowCovers(Square sq) const;
    void DrawHintArrowWithin(const QRect& clip);
    void DrawHintArrowOn(Square sq);

    // Position: "_" + 64 letters + zero.
    char Squares[66];
    std::string FPosition;
    bool FWhiteToMove = true;
    CastlingSet FCastlingAllowed;
    Square FEnPassant = Square::None;
    int FCurrentMove = 1;
    char FPromotionPiece = 'q';

    // Game record: [move number][0 = White to move, 1 = Black to move], and its first and last position.
    MoveInfo GameRecord[RecordSlots][2];
    int StartMove = 1;
    bool StartWhite = true;
    int EndMove = 1;
    bool EndWhite = true;
    // True from the moment Move records a half-move until it records the new position.
    bool MakingMove = false;
    bool FGameOver = false;
    // A new game, set-up or placement starts play again.
    void ReopenGame();

    // Computer player. Thinking and SearchDepth are shared with the engine thread.
    const Mode FMode;
    std::atomic<bool> FThinking { false };
    std::atomic<int> FSearchDepth { engine::DefaultSearchDepth };
    bool FComputerPlaysWhite = false;
    bool FComputerPlaysBlack = false;
    TThreadPriority FThinkingPriority = tpLower;
    std::unique_ptr<ChessThread> FEngineThread;
    std::array<std::optional<engine::Level>, 2> FLevels; // Black's, White's
    std::array<bool, 2> FOutsidePlayers {};
    std::mt19937 FVarietyRandom { std::random_device {}() };
    // What a search request asks beyond the classic search to SearchDepth: none without level or clock.
    std::optional<engine::SearchBudget> EngineBudget();
    // Where the board last refused the engine's move; the engine is not restarted there by itself.
    struct EngineSituation {
        std::string position;
        bool whiteToMove;
        CastlingSet castling;
        Square enPassant;
        bool operator==(const EngineSituation&) const = default;
    };
    std::optional<EngineSituation> FRefusedEngineSituation;
    EngineSituation CurrentEngineSituation() const { return { FPosition, FWhiteToMove, FCastlingAllowed, FEnPassant }; }
    // The computer's pause: the time since the search was requested, whether Move Now waived the
    // pause for it, the found move that waits, and whether the running turn has reported progress.
    int FComputerPause = 0;
    QTimer* PauseTimer = nullptr;
    QElapsedTimer ThinkingClock;
    bool PauseWaived = false;
    struct WaitingMove {
        Square from;
        Square to;
        EngineSituation situation;
    };
    std::optional<WaitingMove> FWaitingMove;
    bool ThinkingReported = false;

    // Appearance, with the settings of a new board.
    bool FBoardLines = false;
    bool FWhiteOnTop = false;
    bool FResizable = false;
    DisplayCoordsSet FDisplayCoords = AllEdges;
    int FSizeOfSquare = 40;
    int FSizeOfBorder = 24;
    int FResizeMinSize = 0;
    int FResizeMaxSize = 1000;
    TColor FBorderColor = clOlive;
    TColor FSquareColorDark = clGray;
    TColor FSquareColorLight = clSilver;
    QImage FBorderBitmap;
    QImage FSquareDark;
    QImage FSquareLight;
    TFont FCoordFont = DefaultCoordFont();
    // The room the board fills, and how much larger than the classic size its frame's coordinates are drawn then.
    std::optional<QSize> FRoom;
    double FCoordScale = 1.0;
    QPen FLineStyle = QPen(Qt::black, 1, Qt::SolidLine);

    // Move marks: the half-move that led to the position on the board (none after a set-up or a
    // new placement) and the marks the canvas shows now.
    bool FMarkMoves = false;
    MovedSquares LastMove;
    SquareMarks ShownMarks;
    // The hint arrow the canvas shows, none when there is none.
    std::optional<SquarePair> FHintArrow;

    // Piece sets: the built-in set of StandardSize, the user's set (null when none), the cell edge of
    // the set in use and its twelve images.
    StandardSet FStandardSize = StandardSet::Size40;
    QImage FBuiltInPieceSet;
    QImage FCustomPieceSet;
    int FPieceSize = 0;
    TImageList FPieceImages;
    // Image index of each piece by colour (0 White, 1 Black) and kind (PNBRQK).
    int PieceImageIndex[2][6] = { { 0, 1, 2, 3, 4, 5 }, { 6, 7, 8, 9, 10, 11 } };
    // The vector design in use, none for the bitmap sets, and the pixel ratio its images were painted at.
    std::optional<PieceDesign> FVectorPieces;
    qreal FVectorPixelRatio = 0;
    // Paints the vector images anew when the squares or the screen's pixels no longer match them.
    void FitVectorPieces();

    // Mouse input. A drag is Pending from the press until the pointer has moved far enough, then
    // Active; Abandoned when the position changed under it or the window lost the mouse, until the
    // button is released. The piece stays in the position throughout; only its picture is lifted.
    enum class TDragPhase { Idle, Pending, Active, Abandoned };
    TDragPhase DragPhase = TDragPhase::Idle;
    Square DragFromSquare = Square::None;
    Square DragToSquare = Square::None;
    QPoint DragPressPoint;
    QPoint DragLastPoint;
    bool DragAccepted = false;
    bool DragOverWasInside = false;
    QPointer<TDragImage> DragImage;
    bool DragCursorShown = false;
    Qt::CursorShape FDragCursor = Qt::DragMoveCursor;
    bool Resizing = false;
    QPoint PressPoint;

    // Player preferences and the state they keep.
    bool FClickToMove = false;
    bool FShowLegalTargets = false;
    bool FCastleOntoRook = false;
    bool FChoosePromotion = false;
    bool FMoreDrawRules = false;
    int FHalfMoveClock = 0;
    // What the last DrawClaimChanged told: the preference and whether the claim stood.
    std::pair<bool, bool> ShownDrawClaim { false, false };
    Square FSelectedSquare = Square::None;
    // The square whose piece's targets are marked, and those targets; None and empty when none are.
    Square MarkedFrom = Square::None;
    std::vector<Square> MarkedTargets;
    // An OnShownChanged is on its way.
    bool ShownChangeAnnounced = false;

    // The backing image, the size of the control; everything is drawn here and paintEvent copies it.
    QImage FCanvas;
    // Set when the canvas was made anew for a new size; the next paint event draws it in full.
    bool FCanvasNeedsPaint = true;
    // The painter a running Paint holds open on the canvas, so that its steps share one.
    QPainter* FCanvasPainter = nullptr;
    int FPaintingHolds = 0;
    void PaintCanvas(bool withFrame);
    // Paint after a new position was set up; inside a hold, left to its end.
    void PaintPosition();
};

// Inline: the repetition test calls these for every earlier position on every move.
inline MoveInfo& TChessBoard::RecordEntry(int moveNumber, bool whiteToMove)
{
    assert(moveNumber >= 1 && moveNumber <= LastMoveNumber);
    return GameRecord[moveNumber][whiteToMove ? 0 : 1];
}

inline const MoveInfo& TChessBoard::RecordEntry(int moveNumber, bool whiteToMove) const
{
    assert(moveNumber >= 1 && moveNumber <= LastMoveNumber);
    return GameRecord[moveNumber][whiteToMove ? 0 : 1];
}

inline bool TChessBoard::LiesInRecord(int moveNumber, bool whiteToMove) const
{
    // Any int may come from a caller; only the record's own move numbers go into PositionOrder.
    if (moveNumber < 1 || moveNumber > LastMoveNumber)
        return false;
    const int order = PositionOrder(moveNumber, whiteToMove);
    return order >= PositionOrder(StartMove, StartWhite) && order <= PositionOrder(EndMove, EndWhite);
}
