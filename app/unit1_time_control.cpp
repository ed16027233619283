// The chess clock of a time control, once one is chosen: the two clock labels count down "White"
// and "Black" instead of the stopwatches, the clock follows the board's side to move, and a flag
// fall ends the game on time. Without a time control none of this acts and the stopwatches stay.

#include "app/unit1.h"

#include "app/controls.h"
#include "app/game_transfer.h"
#include "app/status_words.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include <array>

namespace {

// Often enough that the tenths shown below ten seconds move evenly.
constexpr int ChessClockIntervalMs = 50;

} // namespace

void TForm1::SetTimeControl(std::optional<TTimeControl> control)
{
    if (!control) {
        if (!FChessClock)
            return;
        FChessClock.reset();
        ChessBrd1->EngineClock = nullptr;
        ChessClockTimer->stop();
        PlaceClockLabels(false);
        ResetClocks();
        Timer1Timer(Timer1);
        return;
    }
    // The constructor refuses an invalid control before anything changes.
    auto clock = std::make_unique<TChessClock>(*control, ChessClockTime);
    FChessClock = std::move(clock);
    // The built-in engine plans its moves by the side to move's time.
    ChessBrd1->EngineClock = [this]() -> std::optional<engine::ClockReading> {
        if (!FChessClock)
            return std::nullopt;
        engine::ClockReading reading;
        reading.TimeLeft = FChessClock->RemainingMs(ChessBrd1->WhiteToMove());
        reading.Increment = FChessClock->Control().IncrementMs();
        return reading;
    };
    if (!ChessClockTimer) {
        ChessClockTimer = new QTimer(this);
        connect(ChessClockTimer, &QTimer::timeout, this,
            [this, handler = GuardedHandler(this, &TForm1::ChessClockTimerTimer)] { handler(ChessClockTimer); });
    }
    PlaceClockLabels(true);
    StartChessClockGame();
    ChessClockTimer->start(ChessClockIntervalMs);
}

std::optional<TTimeControl> TForm1::TimeControl() const
{
    return FChessClock ? std::optional(FChessClock->Control()) : std::nullopt;
}

void TForm1::StartChessClockGame()
{
    FChessClock->Start(ChessBrd1->WhiteToMove());
    if (ChessBrd1->GameOver())
        FChessClock->Pause();
    ShowChessClock();
}

void TForm1::FollowSideToMove()
{
    if (!FChessClock || ChessBrd1->GameOver())
        return;
    FChessClock->SetSideToMove(ChessBrd1->WhiteToMove());
    ShowChessClock();
}

void TForm1::ChessClockTimerTimer(QObject*)
{
    if (!FChessClock)
        return;
    // A position set up on the board by other means is followed at the latest here.
    FollowSideToMove();
    ShowChessClock();
    if (const std::optional<bool> white = FChessClock->TakeFlagFall())
        ChessClockFlagFell(*white);
}

// The left clock is the side at the bottom of the board, the right one the side at the top. A side
// whose name leaves too little room for hours of time (a long name in some languages) is named by
// its letter.
void TForm1::ShowChessClock()
{
    const bool whiteAtBottom = !ChessBrd1->WhiteOnTop();
    const auto show = [this](QLabel* label, bool white) {
        const QString time = FChessClock->Text(white);
        QString text = SideInWords(white) + QLatin1Char(' ') + time;
        if (label->fontMetrics().horizontalAdvance(text) > label->width())
            text = (white ? tr("W", "White on a clock") : tr("B", "Black on a clock")) + QLatin1Char(' ') + time;
        if (label->text() != text)
            label->setText(text);
    };
    show(Label1, whiteAtBottom);
    show(Label2, !whiteAtBottom);
}

// The countdown with its side's name needs more room than the stopwatch: the two clocks share the
// move list's width.
void TForm1::PlaceClockLabels(bool wide)
{
    const std::array<QWidget*, 4> parts { Bevel1, Label1, Bevel2, Label2 };
    if (!FClassicClockPlaces) {
        if (!wide)
            return;
        FClassicClockPlaces.emplace();
        for (std::size_t i = 0; i < parts.size(); ++i)
            (*FClassicClockPlaces)[i] = parts[i]->geometry().translated(-FSidePanelShift);
    }
    if (!wide) {
        for (std::size_t i = 0; i < parts.size(); ++i)
            parts[i]->setGeometry((*FClassicClockPlaces)[i].translated(FSidePanelShift));
        return;
    }
    constexpr int gap = 3;
    constexpr int inset = 4;
    const QRect list = ListBox1->geometry();
    const QRect classic = (*FClassicClockPlaces)[0];
    const int width = (list.width() - gap) / 2;
    Bevel1->setGeometry(list.left(), classic.top(), width, classic.height());
    Bevel2->setGeometry(list.right() + 1 - width, classic.top(), width, classic.height());
    Label1->setGeometry(Bevel1->geometry().adjusted(inset, 0, -1, 0));
    Label2->setGeometry(Bevel2->geometry().adjusted(inset, 0, -1, 0));
}

// A side whose time is up loses, unless the other side has only its king left and so no way to mate.
void TForm1::ChessClockFlagFell(bool white)
{
    if (OnlyKingLeft(BoardPosition(*ChessBrd1).Squares, !white)) {
        if (white)
            EndGame(QT_TR_NOOP("Draw: White's time is up, Black cannot mate"),
                QT_TR_NOOP("Draw!  White's time is up, Black cannot mate."));
        else
            EndGame(QT_TR_NOOP("Draw: Black's time is up, White cannot mate"),
                QT_TR_NOOP("Draw!  Black's time is up, White cannot mate."));
    } else if (white)
        EndGame(QT_TR_NOOP("White lost on time"), QT_TR_NOOP("White lost on time."));
    else
        EndGame(QT_TR_NOOP("Black lost on time"), QT_TR_NOOP("Black lost on time."));
}

// The game played under the control names it; a game lost on time has its result. A result the
// rules gave (a late move that mated) stands.
void TForm1::AddTimeControlTags(notation::Game& game) const
{
    if (!FChessClock)
        return;
    if (game.TagValue("TimeControl").empty())
        game.SetTag("TimeControl", FChessClock->Control().PgnTag().toStdString());
    const std::optional<bool> whiteFlagged = FChessClock->FlagFallen();
    if (!whiteFlagged || game.Result != "*")
        return;
    const bool draw = OnlyKingLeft(notation::Replay(game).back().Squares, !*whiteFlagged);
    game.Result = draw ? "1/2-1/2" : *whiteFlagged ? "0-1" : "1-0";
    game.SetTag("Result", game.Result);
    game.SetTag("Termination", "time forfeit");
}
