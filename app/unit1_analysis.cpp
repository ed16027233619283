// Analysis of the position on the board: the analysis panel (a dock, closed until the player opens
// it) and its engines, kept in step with wherever the player has navigated.

#include "app/unit1.h"

#include "app/analysis_panel.h"
#include "app/engine_list.h"
#include "app/game_transfer.h"
#include "board/chessbrd.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>

// A menu of its own behind File and Edit; About stays last on the menu bar.
void TForm1::CreateAnalysisItems()
{
    Analysis1 = new QMenu(tr("&Analysis"), this);
    menuBar()->insertMenu(About1, Analysis1);
    AnalysisPanel = new TAnalysisPanel(this);
    AnalysisPanel->setVisible(false);
    addDockWidget(Qt::RightDockWidgetArea, AnalysisPanel);
    AnalysisPanel1 = AnalysisPanel->toggleViewAction();
    AnalysisPanel1->setObjectName("AnalysisPanel1");
    AnalysisPanel1->setText(tr("Analysis &Panel"));
    AnalysisPanel1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    AnalysisPanel1->setToolTip(tr("An engine's best lines for the position on the board"));
    Analysis1->addAction(AnalysisPanel1);
    CreateHintItem();
    CreateGameAnalysisItems();
    KeepOnScreenWith(*AnalysisPanel);
    AnalysisPanel->BeforeOpening = [this] {
        UpdateAnalysisEngines();
        ShowAnalysisPosition();
    };
}

// The project's own engine first, then those of the engine list.
void TForm1::UpdateAnalysisEngines()
{
    std::vector<TAnalysisEngineChoice> choices;
    const QString own = EngineSearch.OwnEngine();
    if (!own.isEmpty())
        choices.push_back(OwnAnalysisEngine());
    const QString ownCanonical = QFileInfo(own).canonicalFilePath();
    for (const TEngineEntry& entry : EngineList().Engines())
        if (own.isEmpty() || QFileInfo(entry.Program).canonicalFilePath() != ownCanonical || !entry.Arguments.isEmpty())
            choices.push_back({ entry.Name, { entry.Program, entry.Arguments, {}, {} } });
    AnalysisPanel->SetEngines(choices);
}

TAnalysisEngineChoice TForm1::OwnAnalysisEngine() const
{
    return { tr("Zugwerk! 2.0"), { EngineSearch.OwnEngine(), {}, {}, {} } };
}

void TForm1::ShowAnalysisPosition()
{
    ShowAnalysedPosition();
    if (AnalysisPanel->isVisible() || AnalysisPanel1->isChecked())
        AnalysisPanel->SetPosition(AnalysablePosition());
}

std::optional<notation::Position> TForm1::AnalysablePosition() const
{
    try {
        // Read back as FEN: the board may hold a position set up by hand that cannot stand in a game.
        return notation::ReadFen(notation::WriteFen(BoardPosition(*ChessBrd1)));
    } catch (const notation::NotationError&) {
        return std::nullopt;
    }
}

// A dock that opens widens or heightens the window; the window then moves back within the screen
// as far as it can, once the dock has its place.
void TForm1::KeepOnScreenWith(QDockWidget& dock)
{
    connect(&dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible)
            return;
        QTimer::singleShot(0, this, [this] {
            const QScreen* shown = screen();
            if (!shown || isMaximized() || isFullScreen())
                return;
            const QRect available = shown->availableGeometry();
            const QRect frame = frameGeometry();
            const int dx = std::min(0, available.right() - frame.right());
            const int dy = std::min(0, available.bottom() - frame.bottom());
            if (dx != 0 || dy != 0)
                move(std::max(available.left(), x() + dx), std::max(available.top(), y() + dy));
        });
    });
}
