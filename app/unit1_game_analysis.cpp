// Analyse Game: every position of the game searched by an engine in a process of its own, with a
// progress dialog that cancels it. The result is kept with the game it was made for: the evaluation
// graph (a dock below the board and the move list, shown when an analysis ends), the marks "?" and
// "??" of the moves that lost much in the move list, and the marks and evaluations in exported PGN.
// They hold for the moves of the board's game that are still those analysed.

#include "app/unit1.h"

#include "app/analysis_panel.h"
#include "app/controls.h"
#include "app/dialogs.h"
#include "app/evaluation_graph.h"
#include "app/game_analysis.h"
#include "app/game_transfer.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>

#include <algorithm>

namespace {

// The same start for the record: the counters that the board keeps apart are not compared.
bool SameStart(const notation::Position& a, const notation::Position& b)
{
    return std::equal(std::begin(a.Squares), std::end(a.Squares), b.Squares) && a.WhiteToMove == b.WhiteToMove
        && a.CastlingBits == b.CastlingBits && a.EnPassantSquare == b.EnPassantSquare
        && a.FullmoveNumber == b.FullmoveNumber;
}

} // namespace

void TForm1::CreateGameAnalysisItems()
{
    AnalyseGame1 = MenuItem(Analysis1, "AnalyseGame1", tr("Analyse &Game"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &TForm1::AnalyseGame1Click);
    // How long each position is searched.
    AnalysisTime1 = Analysis1->addMenu(tr("Analysis &Time"));
    auto* times = new QActionGroup(AnalysisTime1);
    for (const int ms : { 200, 500, 1000, 2000, 5000 }) {
        QAction* time = AnalysisTime1->addAction(tr("%1 s per move").arg(QLocale().toString(ms / 1000.0)));
        time->setCheckable(true);
        time->setChecked(ms == GameAnalysisLimits.MoveTimeMs);
        times->addAction(time);
        connect(time, &QAction::triggered, this, [this, ms] { GameAnalysisLimits.MoveTimeMs = ms; });
    }
    AnalyseGame1->setToolTip(
        tr("Every position of the game searched, its evaluation graph and the moves that lose much"));
    EvaluationGraph = new TEvaluationGraph;
    auto* dock = EvaluationGraphDock = new QDockWidget(tr("Evaluation Graph"), this);
    dock->setObjectName("EvaluationGraphDock");
    dock->setAccessibleName(tr("Evaluation graph panel"));
    dock->setWidget(EvaluationGraph);
    dock->setVisible(false);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    KeepOnScreenWith(*dock);
    EvaluationGraph1 = dock->toggleViewAction();
    EvaluationGraph1->setObjectName("EvaluationGraph1");
    EvaluationGraph1->setText(tr("Evaluation G&raph"));
    Analysis1->addAction(EvaluationGraph1);
    connect(EvaluationGraph, &TEvaluationGraph::PositionChosen, this,
        [this](int position) { CatchAtEntryPoint([&] { GoToAnalysedPosition(position); }); });
}

void TForm1::AnalyseGame1Click(QObject*)
{
    if (GameAnalysis)
        return; // one runs; its dialog is in front
    notation::Game game;
    try {
        game = GameToExport();
    } catch (const notation::NotationError&) {
        SetStatus(tr("The board holds no game to analyse."));
        return;
    }
    if (game.Moves.empty()) {
        SetStatus(tr("No moves to analyse."));
        return;
    }
    const TAnalysisEngineChoice chosen = AnalysisPanel->ChosenEngine().value_or(OwnAnalysisEngine());
    const TEngineSetup& engine = chosen.Setup;
    const QString& engineName = chosen.Name;
    if (engine.Program.isEmpty()) {
        SetStatus(tr("No engine to analyse with: zugwerk-engine is not beside the program."));
        return;
    }
    game.Notes.clear();
    GameAnalysis = new TGameAnalysis(this);
    const int positions = static_cast<int>(game.Moves.size()) + 1;
    GameAnalysisProgress
        = new QProgressDialog(tr("Analysing the game with %1...").arg(engineName), tr("Cancel"), 0, positions, this);
    GameAnalysisProgress->setWindowTitle(tr("Analyse Game"));
    GameAnalysisProgress->setWindowModality(Qt::WindowModal);
    GameAnalysisProgress->setMinimumDuration(0);
    GameAnalysisProgress->setAutoReset(false);
    GameAnalysisProgress->setAutoClose(false);
    connect(GameAnalysis, &TGameAnalysis::Progress, GameAnalysisProgress, &QProgressDialog::setValue);
    connect(GameAnalysis, &TGameAnalysis::Finished, this, [this] { CatchAtEntryPoint([this] { GameAnalysed(); }); });
    connect(GameAnalysis, &TGameAnalysis::Failed, this, [this](const QString& message) {
        CatchAtEntryPoint([&] {
            EndGameAnalysis();
            FDialogs.MessageBox(this, tr("Analyse Game"), message, QMessageBox::Warning, QMessageBox::Ok);
        });
    });
    connect(GameAnalysisProgress, &QProgressDialog::canceled, this, [this] {
        CatchAtEntryPoint([this] {
            if (GameAnalysis)
                GameAnalysis->Cancel();
            EndGameAnalysis();
            SetStatus(tr("Analysis cancelled."));
        });
    });
    GameAnalysis->Start(game, engine, GameAnalysisLimits);
    GameAnalysisProgress->setValue(0);
}

void TForm1::EndGameAnalysis()
{
    if (GameAnalysisProgress) {
        GameAnalysisProgress->disconnect(this);
        GameAnalysisProgress->close();
        GameAnalysisProgress->deleteLater();
        GameAnalysisProgress = nullptr;
    }
    if (GameAnalysis) {
        GameAnalysis->disconnect(this);
        GameAnalysis->deleteLater();
        GameAnalysis = nullptr;
    }
}

void TForm1::GameAnalysed()
{
    AnalysedGame = GameAnalysis->AnalysedGame();
    AnalysedGame->Notes = GameAnalysis->Notes();
    EvaluationGraph->SetEvaluations(GameAnalysis->Evaluations());
    EndGameAnalysis();
    const auto count = [this](const char* mark) {
        return std::count_if(AnalysedGame->Notes.begin(), AnalysedGame->Notes.end(),
            [mark](const notation::MoveNote& note) { return note.Mark == mark; });
    };
    // Counts after their names, so that one form reads right for any number.
    SetStatus(tr("Game analysed: mistakes (?) %1, blunders (?\?) %2").arg(count("?")).arg(count("??")));
    EvaluationGraphDock->show();
    UpdateMoveList();
    ShowAnalysedPosition();
}

// How many of the game's first moves are those analysed; -1 when it starts elsewhere.
int TForm1::AnalysedMovesKept(const notation::Game& game) const
{
    if (!AnalysedGame || !SameStart(AnalysedGame->Start, game.Start))
        return -1;
    const auto [kept, analysed]
        = std::mismatch(game.Moves.begin(), game.Moves.end(), AnalysedGame->Moves.begin(), AnalysedGame->Moves.end());
    return static_cast<int>(kept - game.Moves.begin());
}

std::vector<notation::MoveNote> TForm1::AnalysisNotesFor(const notation::Game& game) const
{
    const int kept = AnalysedMovesKept(game);
    if (kept <= 0)
        return {};
    std::vector<notation::MoveNote> notes(game.Moves.size());
    std::copy_n(AnalysedGame->Notes.begin(), kept, notes.begin());
    return notes;
}

// The board's position as a position of the analysed game, or -1 where the board's game has left it.
int TForm1::AnalysedPositionShown() const
{
    try {
        const notation::Game game = RecordedGame(*ChessBrd1);
        const int shown = TChessBoard::PositionOrder(ChessBrd1->CurrentMove(), ChessBrd1->WhiteToMove())
            - TChessBoard::PositionOrder(game.Start.FullmoveNumber, game.Start.WhiteToMove);
        return shown >= 0 && shown <= AnalysedMovesKept(game) ? shown : -1;
    } catch (const notation::NotationError&) {
        return -1;
    }
}

void TForm1::ShowAnalysedPosition()
{
    if (AnalysedGame)
        EvaluationGraph->SetCurrent(AnalysedPositionShown());
}

// A click on the graph goes there as a click on the move list does, while the board holds that game.
void TForm1::GoToAnalysedPosition(int position)
{
    if (!AnalysedGame || ChessBrd1->Dragging())
        return;
    const notation::Game game = RecordedGame(*ChessBrd1);
    if (position < 0 || position > AnalysedMovesKept(game))
        return; // the board's game is another by then
    const int ply = TChessBoard::PositionOrder(game.Start.FullmoveNumber, game.Start.WhiteToMove) + position;
    ChessBrd1->GotoMove(ply / 2, ply % 2 == 0);
    UpdateMoveList();
    UpdateTakeBack();
    FollowSideToMove();
}

// The classic list's lines with the marks of the analysis glued on: a line per half-move from the
// record's first, a leading line of dots when it starts with Black.
QStringList TForm1::MarkedMoveListLines(QStringList lines) const
{
    if (!AnalysedGame)
        return lines;
    try {
        const notation::Game game = RecordedGame(*ChessBrd1);
        const std::vector<notation::MoveNote> notes = AnalysisNotesFor(game);
        const int first = game.Start.WhiteToMove ? 0 : 1;
        for (std::size_t i = 0; i < notes.size(); ++i)
            if (const int line = first + static_cast<int>(i); line < lines.size())
                lines[line] += QString::fromStdString(notes[i].Mark);
    } catch (const notation::NotationError&) {
    }
    return lines;
}
