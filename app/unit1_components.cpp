// The main window's components at their places, the menu, the toolbar and the board's settings.

#include "app/unit1.h"

#include "app/colorbutton97.h"
#include "app/controls.h"
#include "app/engine_list_dialog.h"
#include "app/move_list_keys.h"
#include "app/move_list_view.h"
#include "app/piece_sets.h"
#include "app/qvchrono.h"
#include "app/toolbar_pictures.h"
#include "board/chessbrd.h"
#include "board/entry_point.h"
#include "engine/engine_types.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// The places below are the form's design places, (0, 0) being the top left corner under the menu.
// The toolbar's dock takes the top DockHeight pixels; the rest lies in the central area below it.
constexpr int DockHeight = 26;
constexpr QSize ClientSize(562, 402);

void Place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top - DockHeight, width, height);
}

QFrame* SunkenFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QLabel* ClockLabel(QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("00:00:00"), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

TForm1::TForm1(TDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , FDialogs(dialogs)
    , FPrinter1(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setWindowTitle(QStringLiteral("Zugwerk! 2.0"));
    setFont(FormFont());
    CreateComponents();
    CreateMenu();
    CreateToolbar();
    SetUpBoard();
    CreateDrawClaim();
    CreateEnginesItem();
    CreateAnalysisItems();
    CreateMoveTyping();
    CreateEvaluationBar();
    CreateDiagramItems();
    CreateMoveSounds();
    NameControls();

    // Centred on the screen.
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The engine list's dialog and the list go first, while the window they report to is whole.
TForm1::~TForm1()
{
    delete FEngineListDialog;
    delete FEngineList;
}

void TForm1::CreateComponents()
{
    auto* client = new QWidget(this);
    client->setMinimumSize(ClientSize.width(), ClientSize.height() - DockHeight);
    setCentralWidget(client);
    client->installEventFilter(this);

    ChessBrd1 = new TChessBoard(client);
    ChessBrd1->setObjectName(QStringLiteral("ChessBrd1"));
    ChessBrd1->move(0, 32 - DockHeight);

    const QStringList players { tr("Human"), tr("Computer") };
    RadioGroup1 = new TRadioGroup(tr("Player 1"), players, client);
    Place(RadioGroup1, 392, 32, 161, 57);
    RadioGroup1->OnClick = GuardedHandler(this, &TForm1::RadioGroup1Click);
    RadioGroup2 = new TRadioGroup(tr("Player 2"), players, client);
    Place(RadioGroup2, 392, 96, 161, 57);
    RadioGroup2->OnClick = GuardedHandler(this, &TForm1::RadioGroup2Click);

    Bevel1 = SunkenFrame(client);
    Place(Bevel1, 400, 160, 57, 17);
    Label1 = ClockLabel(client);
    Place(Label1, 408, 160, 48, 17);
    Bevel2 = SunkenFrame(client);
    Place(Bevel2, 480, 160, 57, 17);
    Label2 = ClockLabel(client);
    Place(Label2, 488, 160, 48, 17);

    ListBox1 = new TListBox(client);
    Place(ListBox1, 392, 184, 161, 217);
    ListBox1->set_LineHeight(13);
    ListBox1->OnClick = GuardedHandler(this, &TForm1::ListBox1Click);
    MoveListView = new TMoveListView(client);
    MoveListView->setObjectName(QStringLiteral("MoveListView"));
    Place(MoveListView, 392, 184, 161, 217);
    MoveListView->hide();
    MoveListView->OnMoveChosen = GuardedHandler(this, &TForm1::MoveListViewChoose);

    // A click on the board gives it the focus for the keys; Tab passes it by, as before.
    ChessBrd1->setFocusPolicy(Qt::ClickFocus);
    GameStepKeys = new TGameStepKeys(this);
    GameStepKeys->Watch(*ChessBrd1, false);
    GameStepKeys->Watch(*MoveListView, true);
    GameStepKeys->OnStep = GuardedHandler(this, &TForm1::StepThroughGame);

    StatusBar1 = statusBar();
    StatusPanel = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel, 1);
    TypingPanel = new QLabel(StatusBar1);
    TypingPanel->hide();
    StatusBar1->addPermanentWidget(TypingPanel);
    ThinkingPanel = new QLabel(StatusBar1);
    ThinkingPanel->hide();
    StatusBar1->addPermanentWidget(ThinkingPanel);

    RichEdit1 = new QTextDocument(this);
    RichEdit1->setDefaultFont(FormFont());
    SetChr32 = LoadSetZgw32();
    ImageCm36 = LoadSetCm36();

    Chr1 = new TQVChronometre(this);
    Chr2 = new TQVChronometre(this);
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this,
        [this, handler = GuardedHandler(this, &TForm1::Timer1Timer)] { handler(Timer1); });
    Timer1->start(1000);
}

// The client area moves when the toolbar leaves its dock or comes back. The window then gives up or
// takes back the dock's height, so that no empty strip opens under the board.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize && FPreferences.BoardFillsWindow)
        CatchAtEntryPoint([this] { LayOutBoard(); });
    if (watched == centralWidget() && event->type() == QEvent::Move && isVisible()) {
        const auto* move = static_cast<QMoveEvent*>(event);
        if (const int shift = move->pos().y() - move->oldPos().y(); shift != 0)
            QTimer::singleShot(0, this, [this, shift] { resize(width(), height() + shift); });
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* TForm1::MenuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
    void (TForm1::*handler)(QObject*))
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setIconVisibleInMenu(false);
    if (handler)
        connect(
            action, &QAction::triggered, this, [action, guarded = GuardedHandler(this, handler)] { guarded(action); });
    menu->addAction(action);
    return action;
}

void TForm1::CreateMenu()
{
    File1 = menuBar()->addMenu(tr("&File"));
    New1 = MenuItem(File1, "New1", tr("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N), &TForm1::New1Click);
    SaveGame1 = MenuItem(File1, "SaveGame1", tr("&Save Game..."), {}, &TForm1::SaveGame1Click);
    OpenGame1 = MenuItem(File1, "OpenGame1", tr("&Open Game..."), {}, &TForm1::OpenGame1Click);
    File1->addSeparator();
    Save1 = MenuItem(File1, "Save1", tr("Save &Moves..."), {}, &TForm1::Save1Click);
    File1->addSeparator();
    Print1
        = MenuItem(File1, "Print1", tr("&Print Chessboard"), QKeySequence(Qt::CTRL | Qt::Key_P), &TForm1::Print1Click);
    PrintMoves1 = MenuItem(File1, "PrintMoves1", tr("Print &Moves"), {}, &TForm1::PrintMoves1Click);
    PrintSetup1 = MenuItem(File1, "PrintSetup1", tr("P&rinter Setup..."), {}, &TForm1::PrintSetup1Click);
    File1->addSeparator();
    Exit1 = MenuItem(File1, "Exit1", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &TForm1::Exit1Click);
    File1->addSeparator();
    ExportGame1 = MenuItem(File1, "ExportGame1", tr("&Export Game (PGN)..."), QKeySequence(Qt::CTRL | Qt::Key_E),
        &TForm1::ExportGame1Click);
    ImportGame1 = MenuItem(File1, "ImportGame1", tr("&Import Game (PGN)..."), QKeySequence(Qt::CTRL | Qt::Key_I),
        &TForm1::ImportGame1Click);
    ExportFinishedGame1 = MenuItem(
        File1, "ExportFinishedGame1", tr("Export &Finished Game (PGN)..."), {}, &TForm1::ExportFinishedGame1Click);
    ExportFinishedGame1->setEnabled(false);
    NewGameSetup1 = MenuItem(File1, "NewGameSetup1", tr("New &Game..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        &TForm1::NewGameSetup1Click);
    CreateMatchItems();

    Edit1 = menuBar()->addMenu(tr("&Edit"));
    Back1 = MenuItem(Edit1, "Back1", tr("&Back"), QKeySequence(Qt::CTRL | Qt::Key_B), &TForm1::Back1Click);
    Forward1 = MenuItem(Edit1, "Forward1", tr("&Forward"), QKeySequence(Qt::CTRL | Qt::Key_F), &TForm1::Forward1Click);
    Edit1->addSeparator();
    Stop1 = MenuItem(Edit1, "Stop1", tr("&Stop"), {}, &TForm1::Stop1Click);
    Edit1->addSeparator();
    Whiteontop1 = MenuItem(
        Edit1, "Whiteontop1", tr("&Reverse board"), QKeySequence(Qt::CTRL | Qt::Key_R), &TForm1::Whiteontop1Click);
    Options1 = MenuItem(Edit1, "Options1", tr("&Options..."), {}, &TForm1::Options1Click);
    Edit1->addSeparator();
    CopyPosition1 = MenuItem(Edit1, "CopyPosition1", tr("Copy &Position (FEN)"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TForm1::CopyPosition1Click);
    PastePosition1 = MenuItem(Edit1, "PastePosition1", tr("Paste Position (FEN)"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &TForm1::PastePosition1Click);
    CopyGame1 = MenuItem(
        Edit1, "CopyGame1", tr("&Copy Game (PGN)"), QKeySequence(Qt::CTRL | Qt::Key_C), &TForm1::CopyGame1Click);
    PasteGame1 = MenuItem(
        Edit1, "PasteGame1", tr("Paste &Game (PGN)"), QKeySequence(Qt::CTRL | Qt::Key_V), &TForm1::PasteGame1Click);
    Edit1->addSeparator();
    MoveNow1 = MenuItem(Edit1, "MoveNow1", tr("Move &Now"), QKeySequence(Qt::CTRL | Qt::Key_M), &TForm1::MoveNow1Click);
    Preferences1 = MenuItem(Edit1, "Preferences1", tr("Pr&eferences..."), {}, &TForm1::Preferences1Click);
    Edit1->addSeparator();
    TakeBack1
        = MenuItem(Edit1, "TakeBack1", tr("&Take Back"), QKeySequence(Qt::CTRL | Qt::Key_Z), &TForm1::TakeBack1Click);
    TakeBack1->setEnabled(false);
    connect(Edit1, &QMenu::aboutToShow, this, [this] { UpdateTakeBack(); });

    // A menu-bar item of its own, without sub-items.
    About1 = menuBar()->addAction(tr("About..."));
    About1->setObjectName(QStringLiteral("About1"));
    connect(About1, &QAction::triggered, this,
        [this, guarded = GuardedHandler(this, &TForm1::About1Click)] { guarded(About1); });
}

void TForm1::CreateToolbar()
{
    Toolbar971 = new QToolBar(tr("Zugwerk! Toolbar"), this);
    Toolbar971->setObjectName(QStringLiteral("Toolbar971"));
    Toolbar971->setMovable(true);
    Toolbar971->setFloatable(true);
    Toolbar971->setAllowedAreas(Qt::TopToolBarArea);
    Toolbar971->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, Toolbar971);

    const auto button = [this](QAction* action, const char* name, const QString& hint, ToolPicture picture) {
        action->setIcon(ToolbarIcon(picture));
        action->setToolTip(hint);
        Toolbar971->addAction(action);
        auto* widget = qobject_cast<QToolButton*>(Toolbar971->widgetForAction(action));
        widget->setObjectName(QString::fromLatin1(name));
        widget->setFixedSize(23, 22);
        return widget;
    };
    const auto separator = [this](const char* name) {
        Toolbar971->widgetForAction(Toolbar971->addSeparator())->setObjectName(QString::fromLatin1(name));
    };
    const auto colorButton = [this](const char* name, const QString& hint, TColor color) {
        auto* widget = new TColorButton97(Toolbar971);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setToolTip(hint);
        widget->setFixedSize(34, 22);
        widget->set_Color(color);
        Toolbar971->addWidget(widget);
        return widget;
    };

    ToolbarButton972 = button(New1, "ToolbarButton972", tr("New Game"), ToolPicture::NewGame);
    ToolbarButton973 = button(OpenGame1, "ToolbarButton973", tr("Open Game"), ToolPicture::OpenGame);
    ToolbarButton971 = button(SaveGame1, "ToolbarButton971", tr("Save Game"), ToolPicture::SaveGame);
    separator("ToolbarSep971");
    ToolbarButton976 = button(Back1, "ToolbarButton976", tr("Back"), ToolPicture::Back);
    ToolbarButton975 = button(Stop1, "ToolbarButton975", tr("Stop"), ToolPicture::Stop);
    ToolbarButton974 = button(Forward1, "ToolbarButton974", tr("Forward"), ToolPicture::Forward);
    separator("ToolbarSep972");
    ToolbarButton977 = button(Whiteontop1, "ToolbarButton977", tr("Reverse Board"), ToolPicture::ReverseBoard);
    ColorButton971 = colorButton("ColorButton971", tr("Black Square Color"), clGray);
    ColorButton971->OnAfterAccept = GuardedHandler(this, &TForm1::ColorButton971AfterAccept);
    ColorButton972 = colorButton("ColorButton972", tr("White Square Color"), clSilver);
    ColorButton972->OnAfterAccept = GuardedHandler(this, &TForm1::ColorButton972AfterAccept);
}

void TForm1::SetUpBoard()
{
    TChessBoard& board = *ChessBrd1;
    board.set_WhiteToMove(true);
    board.set_CastlingAllowed(AllCastlingRights);
    board.set_DisplayCoords(AllEdges);
    board.set_SearchDepth(engine::DefaultSearchDepth);
    board.set_CurrentMove(1);
    board.set_ResizeMaxSize(1000);
    board.set_SizeOfBorder(24);
    board.set_SizeOfSquare(40);
    board.set_StandardSize(StandardSet::Size40);
    board.set_PosStr(StartPosition);
    board.set_BorderColor(clOlive);
    board.set_SquareColorDark(clGray);
    board.set_SquareColorLight(clSilver);
    TFont coordFont(QFont(QStringLiteral("Arial")), clWhite);
    coordFont.setPixelSize(9);
    board.set_CoordFont(coordFont);
    board.set_ThinkingPriority(tpLower);

    board.OnLegalMove = [this](QObject* s, Square a, Square b) { ChessBrd1LegalMove(s, a, b); };
    board.OnIllegalMove = [this](QObject* s, Square sq) { ChessBrd1IllegalMove(s, sq); };
    board.OnCheck = [this](QObject* s, Square a, Square b) { ChessBrd1Check(s, a, b); };
    board.OnCastle = [this](QObject* s, Square a, Square b) { ChessBrd1Castle(s, a, b); };
    board.OnMate = [this](QObject* s, Square a, Square b) { ChessBrd1Mate(s, a, b); };
    board.OnStaleMate = [this](QObject* s, Square a, Square b) { ChessBrd1StaleMate(s, a, b); };
    board.OnThreefoldPosition = [this](QObject* s) { ChessBrd1ThreefoldPosition(s); };
    board.OnOnlyTwoKingsLeft = [this](QObject* s) { ChessBrd1OnlyTwoKingsLeft(s); };
    board.EngineMessageBox = [this](const QString& caption, const QString& text) { EngineMessageBox(caption, text); };
    board.ConfirmReplacingRest = [this] { return MayReplaceRestOfGame(); };
    board.OnThinkingProgress = [this](QObject* s, const TThinkingProgress& p) { ChessBrd1ThinkingProgress(s, p); };
    board.OnThinkingEnded = [this](QObject* s) { ChessBrd1ThinkingEnded(s); };
}
