#include "app/analysis_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DefaultLines = 3;

QString Speed(qint64 nodesPerSecond)
{
    if (nodesPerSecond >= 1'000'000)
        return TAnalysisPanel::tr("%1 M nodes/s").arg(nodesPerSecond / 1e6, 0, 'f', 1);
    return TAnalysisPanel::tr("%1 k nodes/s").arg(nodesPerSecond / 1000);
}

// What the position's end is, when the game is over there; empty while there are moves.
QString GameOverText(const notation::Position& position)
{
    if (!notation::LegalMoves(position).empty())
        return {};
    if (!notation::SideToMoveInCheck(position))
        return TAnalysisPanel::tr("Stalemate: no analysis.");
    return position.WhiteToMove ? TAnalysisPanel::tr("White is mated.") : TAnalysisPanel::tr("Black is mated.");
}

} // namespace

TAnalysisPanel::TAnalysisPanel(QWidget* parent)
    : QDockWidget(tr("Analysis"), parent)
    , EngineBox(new QComboBox)
    , LinesBox(new QSpinBox)
    , PauseButton(new QToolButton)
    , StatusLabel(new QLabel)
    , LinesView(new QTreeWidget)
{
    setObjectName("AnalysisPanel");
    auto* contents = new QWidget;
    auto* controls = new QHBoxLayout;
    EngineBox->setAccessibleName(tr("Analysis engine"));
    EngineBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    LinesBox->setRange(1, MaxLines);
    LinesBox->setValue(DefaultLines);
    LinesBox->setPrefix(tr("Lines: "));
    LinesBox->setAccessibleName(tr("Number of lines"));
    PauseButton->setText(tr("&Pause"));
    PauseButton->setCheckable(true);
    controls->addWidget(EngineBox, 1);
    controls->addWidget(LinesBox);
    controls->addWidget(PauseButton);
    LinesView->setColumnCount(3);
    LinesView->setHeaderLabels({ tr("Score"), tr("Depth"), tr("Line") });
    LinesView->setRootIsDecorated(false);
    LinesView->setUniformRowHeights(true);
    LinesView->setSelectionMode(QAbstractItemView::NoSelection);
    LinesView->setTextElideMode(Qt::ElideRight);
    LinesView->header()->setStretchLastSection(true);
    LinesView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    LinesView->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    // Wide enough for a few moves of each line; the rest is in the tool tip.
    LinesView->setMinimumWidth(LinesView->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 56);
    LinesView->setAccessibleName(tr("Analysis lines"));
    LinesView->header()->setAccessibleName(tr("Columns of the analysis lines"));
    PauseButton->setAccessibleName(tr("Pause the analysis"));
    setAccessibleName(tr("Analysis panel"));
    StatusLabel->setAccessibleName(tr("Analysis status"));
    StatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(contents);
    layout->addLayout(controls);
    layout->addWidget(StatusLabel);
    layout->addWidget(LinesView, 1);
    setWidget(contents);

    connect(toggleViewAction(), &QAction::toggled, this, &TAnalysisPanel::OpenedOrClosed);
    connect(EngineBox, &QComboBox::currentIndexChanged, this, [this] {
        if (FEngine)
            StartEngine();
    });
    connect(LinesBox, &QSpinBox::valueChanged, this, [this] {
        EngineConfigured = false; // MultiPV is set between searches
        ClearLines();
        Restart();
    });
    connect(PauseButton, &QToolButton::toggled, this, [this](bool paused) {
        PauseButton->setText(paused ? tr("&Resume") : tr("&Pause"));
        Restart();
    });
}

TAnalysisPanel::~TAnalysisPanel() = default;

void TAnalysisPanel::SetEngines(const std::vector<TAnalysisEngineChoice>& engines)
{
    const QString chosen = EngineBox->currentData().toString();
    Engines = engines;
    const QSignalBlocker blocker(EngineBox);
    EngineBox->clear();
    for (const TAnalysisEngineChoice& engine : Engines)
        EngineBox->addItem(engine.Name, engine.Setup.Program + ' ' + engine.Setup.Arguments.join(' '));
    const int keep = EngineBox->findData(chosen);
    EngineBox->setCurrentIndex(keep >= 0 ? keep : 0);
    if (keep < 0 && FEngine)
        StartEngine(); // the engine in use is gone from the list
}

QString TAnalysisPanel::EngineName() const { return EngineBox->currentText(); }

std::optional<TAnalysisEngineChoice> TAnalysisPanel::ChosenEngine() const
{
    const int index = EngineBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(Engines.size()))
        return std::nullopt;
    return Engines[index];
}

int TAnalysisPanel::LineCount() const { return LinesBox->value(); }
void TAnalysisPanel::SetLineCount(int lines) { LinesBox->setValue(lines); }
bool TAnalysisPanel::Paused() const { return PauseButton->isChecked(); }
void TAnalysisPanel::SetPaused(bool paused) { PauseButton->setChecked(paused); }
QString TAnalysisPanel::StatusText() const { return StatusLabel->text(); }

void TAnalysisPanel::SetPosition(const std::optional<notation::Position>& position)
{
    if (FPosition == position)
        return;
    FPosition = position;
    ClearLines();
    Restart();
}

void TAnalysisPanel::OpenedOrClosed(bool open)
{
    if (open) {
        if (BeforeOpening)
            BeforeOpening();
        StartEngine();
    } else {
        EndEngine();
    }
}

void TAnalysisPanel::StartEngine()
{
    EndEngine();
    const std::optional<TAnalysisEngineChoice> chosen = ChosenEngine();
    if (!chosen) {
        ShowStatus(tr("No engine to analyse with."));
        return;
    }
    const TEngineSetup& setup = chosen->Setup;
    FEngine = new TUciEngine(this);
    connect(FEngine, &TUciEngine::Ready, this, &TAnalysisPanel::EngineReady);
    connect(FEngine, &TUciEngine::Info, this, &TAnalysisPanel::TakeInfo);
    connect(FEngine, &TUciEngine::Failed, this, [this](TUciEngine::TFailure, const QString& message) {
        ShowStatus(message);
        Search = 0;
        FEngine->deleteLater();
        FEngine = nullptr;
    });
    ShowStatus(tr("Starting %1...").arg(EngineName()));
    FEngine->Start(setup.Program, setup.Arguments);
}

void TAnalysisPanel::EndEngine()
{
    Search = 0;
    EngineConfigured = false;
    ClearLines();
    if (!FEngine)
        return;
    FEngine->disconnect(this);
    connect(FEngine, &TUciEngine::Finished, FEngine, &QObject::deleteLater);
    FEngine->Quit();
    FEngine = nullptr;
    ShowStatus({});
}

// Ready comes after the handshake and after each ucinewgame or isready the panel asks for.
void TAnalysisPanel::EngineReady()
{
    if (!EngineConfigured && Search == 0)
        Restart();
}

bool TAnalysisPanel::Running() const { return FEngine && FEngine->IsReady(); }

// Stops what runs and searches the position again as the panel now stands: its position, its
// number of lines, paused or not. The lines shown stay until the new search replaces them.
void TAnalysisPanel::Restart()
{
    if (Search != 0 && FEngine)
        FEngine->Stop();
    Search = 0;
    if (!Running())
        return;
    if (!EngineConfigured) {
        SendSetup(*FEngine, ChosenEngine()->Setup);
        if (FEngine->Option("MultiPV"))
            FEngine->SetOption("MultiPV", QString::number(LineCount()));
        EngineConfigured = true;
    }
    if (!FPosition) {
        ShowStatus(tr("The board holds no legal position."));
        return;
    }
    if (const QString over = GameOverText(*FPosition); !over.isEmpty()) {
        ShowStatus(over);
        return;
    }
    if (Paused()) {
        ShowStatus(tr("Paused."));
        return;
    }
    TUciGo limits;
    limits.Infinite = true;
    Search = FEngine->Go(QString::fromStdString(notation::WriteFen(*FPosition)), {}, limits, FPosition->WhiteToMove);
    ShowStatus(tr("%1 is thinking...").arg(EngineName()));
}

void TAnalysisPanel::TakeInfo(int search, const TUciInfo& info)
{
    if (search != Search || !FPosition || info.LowerBound || info.UpperBound || info.MultiPv > LineCount())
        return;
    std::optional<TAnalysisLine> line = AnalysisLine(*FPosition, info);
    if (!line)
        return;
    const std::size_t rank = static_cast<std::size_t>(line->Rank);
    if (FLines.size() < rank)
        FLines.resize(rank);
    FLines[rank - 1] = *line;
    if (rank == 1) {
        QString status = tr("Depth %1").arg(line->Depth);
        if (line->SelDepth)
            status += '/' + QString::number(*line->SelDepth);
        if (line->Nps)
            status += QStringLiteral("  ·  ") + Speed(*line->Nps);
        ShowStatus(status);
        Q_EMIT EvaluationChanged(line->Eval);
    }
    ShowLines();
}

void TAnalysisPanel::ShowLines()
{
    // A rank can come before the one above it; such gaps show as empty rows until filled.
    while (LinesView->topLevelItemCount() < static_cast<int>(FLines.size()))
        LinesView->addTopLevelItem(new QTreeWidgetItem);
    while (LinesView->topLevelItemCount() > static_cast<int>(FLines.size()))
        delete LinesView->takeTopLevelItem(LinesView->topLevelItemCount() - 1);
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        const TAnalysisLine& line = FLines[i];
        QTreeWidgetItem* item = LinesView->topLevelItem(static_cast<int>(i));
        const bool known = !line.Moves.isEmpty();
        item->setText(0, known ? EvaluationText(line.Eval) : QString());
        item->setText(1, known ? QString::number(line.Depth) : QString());
        item->setText(2, line.Moves);
        item->setToolTip(2, line.Moves);
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void TAnalysisPanel::ClearLines()
{
    const bool had = !FLines.empty();
    FLines.clear();
    LinesView->clear();
    if (had)
        Q_EMIT EvaluationChanged(std::nullopt);
}

void TAnalysisPanel::ShowStatus(const QString& text) { StatusLabel->setText(text); }
