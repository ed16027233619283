#pragma once

// TAnalysisPanel: a dock that shows what an engine thinks of the position on the board: its best
// lines (one to five) with their scores from White's side, the depth and the speed, updated as the
// engine deepens. The engine runs in its own process (a TUciEngine), so the game and the board's
// own computer player are never disturbed. It runs only while the panel is open and not paused:
// opening the panel starts it, closing it ends the process, Pause stops the search (the engine then
// sits idle). A new position (SetPosition, wherever the player has navigated) stops the search and
// starts one on it. Lines are kept per rank from the latest exact score; bound-only reports are
// passed over. Lives on the main thread and is owned by the window.

#include "app/analysis_lines.h"
#include "app/engine_player.h"

#include <QDockWidget>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;
class QTreeWidget;

// An engine the panel can use: the name shown and how to start it.
struct TAnalysisEngineChoice {
    QString Name;
    TEngineSetup Setup;
};

class TAnalysisPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit TAnalysisPanel(QWidget* parent = nullptr);
    ~TAnalysisPanel() override;

    // The engines to choose from, the default first; the chosen one stays chosen while it is listed.
    void SetEngines(const std::vector<TAnalysisEngineChoice>& engines);
    QString EngineName() const;
    // The engine chosen in the panel; none before the panel was first opened.
    std::optional<TAnalysisEngineChoice> ChosenEngine() const;
    // The position to analyse, none when the board holds no legal one; the search restarts only
    // when it differs from the one analysed.
    void SetPosition(const std::optional<notation::Position>& position);
    const std::optional<notation::Position>& Position() const { return FPosition; }
    // Called as the panel opens, before its engine starts: the window gives it the engines and the
    // position then.
    std::function<void()> BeforeOpening;

    static constexpr int MaxLines = 5;
    int LineCount() const;
    void SetLineCount(int lines);
    bool Paused() const;
    void SetPaused(bool paused);
    // The engine's lines for the position, best first; fewer than LineCount while it has not
    // reported them all, or when the position has fewer moves.
    const std::vector<TAnalysisLine>& Lines() const { return FLines; }
    // What the panel says above the lines: depth and speed, "Paused", a finished game, an error.
    QString StatusText() const;
    // The running engine process; none while the panel is closed or the engine failed.
    TUciEngine* Engine() const { return FEngine; }

Q_SIGNALS:
    // The best line's score changed, or there is none any more (closed, a finished game).
    void EvaluationChanged(std::optional<notation::Evaluation> eval);

private:
    void OpenedOrClosed(bool open);
    void StartEngine();
    void EndEngine();
    void EngineReady();
    void Restart();
    void TakeInfo(int search, const TUciInfo& info);
    void ShowLines();
    void ShowStatus(const QString& text);
    void ClearLines();
    bool Running() const;

    QComboBox* EngineBox;
    QSpinBox* LinesBox;
    QToolButton* PauseButton;
    QLabel* StatusLabel;
    QTreeWidget* LinesView;
    std::vector<TAnalysisEngineChoice> Engines;
    QPointer<TUciEngine> FEngine;
    bool EngineConfigured = false;
    std::optional<notation::Position> FPosition;
    int Search = 0; // the running search's number, 0 for none
    std::vector<TAnalysisLine> FLines;
};
