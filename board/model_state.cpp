// Construction and destruction of the board, the game record entry type and the overridable event
// reactions.

#include "board/chessbrd.h"
#include "board/promotion_chooser.h"
#include "engine/chess_thread.h"

#include <algorithm>
#include <cstring>

MoveInfo::MoveInfo()
    : Castling(AllCastlingRights)
    , oldSq(Square::None)
    , newSq(Square::None)
    , EnPassant(Square::None)
{
    PosStr[0] = '_';
    std::memcpy(PosStr + 1, StartPosition, 64);
    PosStr[65] = '\0';
}

MoveInfo MoveInfo::Blank()
{
    MoveInfo info;
    std::memset(info.PosStr, 0, sizeof info.PosStr);
    info.Castling = CastlingSet();
    return info;
}

MoveInfo MoveInfo::NotInRecord()
{
    MoveInfo info;
    std::memset(info.PosStr, 0, sizeof info.PosStr);
    std::memcpy(info.PosStr, "init", 4);
    return info;
}

TChessBoard::TChessBoard(QWidget* parent, Mode mode)
    : QWidget(parent)
    , FMode(mode)
{
    // Appearance first, so that the first picture already has its final size.
    ConstructView();
    // Pointer moves without a button held matter too: the resize corner shows its cursor.
    setMouseTracking(true);
    PromotionChooser = [this](Square sq) { return TPromotionChooser::Choose(*this, sq, SquareRect(sq)); };

    // The start position; the record holds it as its only position.
    for (auto& slot : GameRecord)
        slot[0] = slot[1] = MoveInfo::Blank();
    Squares[0] = '_';
    std::memcpy(Squares + 1, StartPosition, 64);
    Squares[65] = '\0';
    FCastlingAllowed = AllCastlingRights;
    GameRecord[1][0] = MoveInfo();
    RefreshPosition();
    Paint();

    // Last, the engine thread; a board in a form designer has none.
    if (FMode == Mode::Runtime)
        StartEngineThread();
}

TChessBoard::~TChessBoard()
{
    // No picture of a lifted piece outlives the board.
    EndDragPicture();
    // The thread must be idle and gone before the flags it shares and the board its hand-off calls are.
    if (FEngineThread) {
        // The window that handles these may be going already.
        OnThinkingProgress = nullptr;
        OnThinkingEnded = nullptr;
        CancelThinking();
        FEngineThread->Terminate();
        FEngineThread->WaitFor();
        FEngineThread.reset();
    }
}

// The reactions do nothing by themselves; the board raises its events through the handlers only.
void TChessBoard::Capture(QObject*, Square, Square, char) { }
void TChessBoard::Castle(QObject*, Square, Square) { }
void TChessBoard::Check(QObject*, Square, Square) { }
void TChessBoard::IllegalMove(QObject*, Square) { }
void TChessBoard::LegalMove(QObject*, Square, Square) { }
void TChessBoard::Mate(QObject*, Square, Square) { }
void TChessBoard::OnlyTwoKingsLeft(QObject*) { }
void TChessBoard::StaleMate(QObject*, Square, Square) { }
void TChessBoard::ThreefoldPosition(QObject*) { }

void TChessBoard::Promotion(QObject*, Square, Square, char& NewPiece)
{
    if (!IsPromotionLetter(NewPiece))
        NewPiece = 'q';
    FPromotionPiece = NewPiece;
}
