// The further draw rules as the window shows them, while MoreDrawRules is on: a dead position and
// the 75-move rule end the game like the other draws, and while a draw by the 50-move rule can be
// claimed, Claim Draw in the Edit menu and a button in the status bar claim it.

#include "app/unit1.h"

#include "board/chessbrd.h"

#include <QAction>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QToolButton>

namespace {

// The status text and the message box of each draw, in one place.
struct TDrawTexts {
    const char* Status;
    const char* Message;
};
constexpr TDrawTexts DeadPositionTexts { QT_TRANSLATE_NOOP("TForm1", "Draw: Dead position"),
    QT_TRANSLATE_NOOP("TForm1", "Draw!  Dead position.") };
constexpr TDrawTexts SeventyFiveMoveTexts { QT_TRANSLATE_NOOP("TForm1", "Draw: 75-move rule"),
    QT_TRANSLATE_NOOP("TForm1", "Draw!  75-move rule.") };
constexpr TDrawTexts FiftyMoveClaimTexts { QT_TRANSLATE_NOOP("TForm1", "Draw: 50-move rule claimed"),
    QT_TRANSLATE_NOOP("TForm1", "Draw!  50-move rule claimed.") };

} // namespace

// Behind the Edit menu's other items, after the board's settings, so that it follows every change.
void TForm1::CreateDrawClaim()
{
    ClaimDraw1 = MenuItem(Edit1, "ClaimDraw1", tr("Claim &Draw"), {}, &TForm1::ClaimDraw1Click);
    ClaimDraw1->setToolTip(tr("50 moves of each side without a capture or a pawn move: claim a draw"));
    ClaimDrawButton = new QToolButton(StatusBar1);
    ClaimDrawButton->setObjectName(QStringLiteral("ClaimDrawButton"));
    ClaimDrawButton->setAutoRaise(true);
    ClaimDrawButton->setDefaultAction(ClaimDraw1);
    StatusBar1->addPermanentWidget(ClaimDrawButton);

    ChessBrd1->OnDeadPosition = [this](QObject* s) { ChessBrd1DeadPosition(s); };
    ChessBrd1->OnSeventyFiveMoveRule = [this](QObject* s) { ChessBrd1SeventyFiveMoveRule(s); };
    ChessBrd1->OnFiftyMoveDrawClaimed = [this](QObject* s) { ChessBrd1FiftyMoveDrawClaimed(s); };
    connect(ChessBrd1, &TChessBoard::DrawClaimChanged, this, &TForm1::ShowDrawClaim);
    ShowDrawClaim();
}

void TForm1::ShowDrawClaim()
{
    const bool stands = ChessBrd1->FiftyMoveClaimStands();
    ClaimDraw1->setVisible(ChessBrd1->MoreDrawRules());
    ClaimDraw1->setEnabled(stands);
    ClaimDrawButton->setVisible(stands);
}

void TForm1::ClaimDraw1Click(QObject*) { ChessBrd1->ClaimFiftyMoveDraw(); }

void TForm1::ChessBrd1DeadPosition(QObject*) { EndGame(DeadPositionTexts.Status, DeadPositionTexts.Message); }

void TForm1::ChessBrd1SeventyFiveMoveRule(QObject*)
{
    EndGame(SeventyFiveMoveTexts.Status, SeventyFiveMoveTexts.Message);
}

void TForm1::ChessBrd1FiftyMoveDrawClaimed(QObject*)
{
    const QScopedValueRollback claimed(FiftyMoveDrawClaimed, true);
    EndGame(FiftyMoveClaimTexts.Status, FiftyMoveClaimTexts.Message);
}
