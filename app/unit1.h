#pragma once

// TForm1: the main window, the whole user interface of a game. It owns the board ChessBrd1, the
// move list, the two player clocks, the status bar, the menu and the dockable toolbar, and lets the
// user choose for each side whether a human or the computer plays it. It turns the board's game
// events into status texts, message boxes and new games.
//
// Where each part lives:
//   unit1_components.cpp  the components, their places, the menu and the toolbar, the board's settings
//   unit1_commands.cpp    the menu and toolbar commands, the player groups, the colour buttons
//   unit1_board_events.cpp  the board's events as status texts and game-end boxes, the status bar
//   unit1_move_list.cpp   the move list, clicks in it, its lines for the file and the printout, the list
//                         in standard notation and the keys that step through the game
//   unit1_clocks.cpp      the player clocks: timer display, start, reset, switch at every move
//   unit1_game_files.cpp  game files (a position's 64 squares) and the move-list file
//   unit1_printing.cpp    printing the window and the move list, the printer setup
//   unit1_pgn_fen.cpp     whole games as PGN and positions as FEN: files, clipboard, the finished game
//   unit1_preferences.cpp the player's preferences: the dialog, the board, the settings file
//   unit1_take_back.cpp   Take Back: the last half-moves leave the game, back to a human's turn
//   unit1_discarding.cpp  "Ask before discarding a game": the questions before a game is replaced
//   unit1_draw_rules.cpp  the further draw rules: dead positions, the 75-move rule, the 50-move claim
//   unit1_thinking.cpp    what the computer is thinking, beside the status
//   unit1_access.cpp      the accessible names of the controls, moves typed on the board
//   unit1_time_control.cpp  the chess clock of a time control: countdown labels, flag fall, its tags
//   unit1_engines.cpp     the external engines the player can choose: their list and its dialog, kept
//                         in the settings file while the player remembers settings
//   unit1_new_game.cpp    New Game...: the players, levels and time control of a chosen setup
//   unit1_match.cpp       a match between two computers: its games, its score, its PGN file
//   unit1_evaluation_bar.cpp  the evaluation bar beside the board, while the player asks for it
//   unit1_diagrams.cpp    diagrams of the position: copied, exported as PNG or SVG, printed with the game
//   unit1_sounds.cpp      the sounds of moves, captures, check and the game's end, while asked for
// and the rest of the program around it:
//   main.cpp              program start: the application object, the main window, the options dialog
//   application.*         TZugwerkApplication: the title, the dialogs, the error box for what is thrown
//   dialogs.*             TDialogs: every modal dialog behind one interface, so that tests script them
//   unit2.*               TForm2: the options dialog
//   preferences*.*        TPreferences, their settings file and TPreferencesDialog
//   board_themes.*, piece_choices.*, preference_pictures.*  the board's themes and pieces, their pictures
//   game_list_dialog.*    the pick list of the games in a PGN file
//   game_transfer.*       whole games between the board and the notation library
//   status_words.*        the status texts and results in words, and the table of game ends
//   move_typing.*         TMoveTyping: moves typed on the board in SAN or coordinates
//   board_announcer.*     TBoardAnnouncer: the board's accessible description
//   accessible_names.h    accessible names from captions, without their access keys
//   text_files.*          whole-file writes and bounded reads
//   printing.*            the two printouts
//   controls.*, colorbutton97.*, cspinedit.*, qvchrono.*, toolbar_pictures.*  the controls and pictures
//   piece_sets.*          the two extra piece sets of the options dialog
//   move_list_view.*      TMoveListView: the moves in standard notation, two columns, the current one marked
//   move_list_keys.*      TGameStepKeys: Left, Right, Home, End (Up, Down in the list) step through the game
//   chess_clock.*         TTimeControl and TChessClock: minutes and increment per side, counted down
//   uci_engine.*          TUciEngine: one external UCI engine as a child process, its handshake and answers
//   uci_info.*            an engine's info line read into depth, score and line
//   engine_strength.*     an external engine's strength through UCI_Elo or Skill Level
//   engine_list.*         TEngineList: the engines found on the system and added by path
//   engine_list_dialog.*  TEngineListDialog: the engines, their options and strength, Add Engine and Remove
//   engine_player.*       TEnginePlayer: an external engine playing one side of the board
//   game_setup.*          TGameSetup: who plays each side, the time control, the games of a match
//   new_game_dialog.*     TNewGameDialog: the New Game dialog
//   match.*               TMatch: a match between two computer players, colours, score, its games
//   evaluation_bar.*      TEvaluationBar: the upright gauge of an evaluation, White's part against Black's
//   diagram_dialog.*      TDiagramDialog: a diagram's size, coordinates and mark of the side to move
//   diagram_printout.*    the diagram printout: the diagram, the players, the event and the moves
//   move_sounds.*         TMoveSounds: the one sound of each move; TSoundEffectPlayer, which plays it
//
// Every message box goes through the TDialogs seam given to the constructor. Components are created
// by the constructor and owned through Qt's parent tree; they are public, as the form's published
// parts, so that tests drive them. Everything runs on the main thread: board events caused by the
// computer's moves arrive there too.

#include "app/chess_clock.h"
#include "app/diagram_dialog.h"
#include "app/engine_list.h"
#include "app/game_analysis.h"
#include "app/game_setup.h"
#include "app/match.h"
#include "app/preferences.h"
#include "board/chesstypes.h"
#include "notation/game_notation.h"

#include <QDate>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPrinter;
class QStatusBar;
class QTextDocument;
class QTimer;
class QToolBar;
class QToolButton;
class TAnalysisPanel;
struct TAnalysisEngineChoice;
class TEvaluationGraph;
class TGameAnalysis;
class QDockWidget;
class QProgressDialog;
class TBoardAnnouncer;
class TChessBoard;
class TMoveTyping;
struct TThinkingProgress;
class TColorButton97;
class TDialogs;
struct TDiagram;
class TEngineListDialog;
class TEvaluationBar;
class TForm2;
class TPreferencesDialog;
class TListBox;
class TMoveListView;
class TMoveSounds;
class TGameStepKeys;
enum class TGameStep;
class TQVChronometre;
class TRadioGroup;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(TDialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    TDialogs& Dialogs() const { return FDialogs; }
    // The options dialog that Options shows; the window does not own it, and forgets it when it goes.
    void SetOptionsDialog(TForm2& dialog);
    QString StatusText() const;

    // ---- Components ----
    // Dock971 is the window's top toolbar area: Toolbar971 docks there or floats.
    QToolBar* Toolbar971;
    QToolButton* ToolbarButton972; // New Game
    QToolButton* ToolbarButton973; // Open Game
    QToolButton* ToolbarButton971; // Save Game
    QToolButton* ToolbarButton976; // Back
    QToolButton* ToolbarButton975; // Stop
    QToolButton* ToolbarButton974; // Forward
    QToolButton* ToolbarButton977; // Reverse Board
    TColorButton97* ColorButton971; // Black Square Color
    TColorButton97* ColorButton972; // White Square Color
    TChessBoard* ChessBrd1;
    TRadioGroup* RadioGroup1; // "Player 1": who plays Black
    TRadioGroup* RadioGroup2; // "Player 2": who plays White
    QFrame* Bevel1;
    QLabel* Label1; // the clock Chr1
    QFrame* Bevel2;
    QLabel* Label2; // the clock Chr2
    TListBox* ListBox1;
    // The moves in standard notation, in ListBox1's place while the preference StandardMoveList is on
    // (ListBox1 stays filled behind it for the move-list file and printout).
    TMoveListView* MoveListView;
    QStatusBar* StatusBar1;
    // The status bar's areas beside the status text, shown only while they have something to say:
    // what the computer is thinking (when the player asks for it), the move being typed.
    QLabel* ThinkingPanel;
    QLabel* TypingPanel;
    // Moves typed on the board, and what the board tells assistive technology.
    TMoveTyping* MoveTyping;
    TBoardAnnouncer* BoardAnnouncer;
    QTextDocument* RichEdit1; // hidden plain-text buffer
    // Hidden pictures: the piece sets "SetZgw32" (32-pixel pieces) and "SetCm36" (36-pixel pieces).
    QImage SetChr32;
    QImage ImageCm36;
    TQVChronometre* Chr1;
    TQVChronometre* Chr2;
    QTimer* Timer1;
    // The printer of PrintDialog1 and PrinterSetupDialog1: its settings hold for the following jobs.
    QPrinter& Printer1() const { return *FPrinter1; }

    // Menu items; each action is shared with its toolbar button.
    QMenu* File1;
    QAction* New1;
    QAction* SaveGame1;
    QAction* OpenGame1;
    QAction* Save1;
    QAction* Print1;
    QAction* PrintMoves1;
    QAction* PrintSetup1;
    QAction* Exit1;
    QAction* ExportGame1;
    QAction* ImportGame1;
    QAction* ExportFinishedGame1; // available while a finished game is kept
    QMenu* Edit1;
    QAction* Back1;
    QAction* Forward1;
    QAction* Stop1;
    QAction* Whiteontop1;
    QAction* Options1;
    QAction* CopyPosition1;
    QAction* PastePosition1;
    QAction* CopyGame1;
    QAction* PasteGame1;
    QAction* MoveNow1;
    QAction* Preferences1;
    QAction* TakeBack1; // enabled while there is something to take back
    QAction* About1;
    // Edit menu, behind the other items: claims a draw by the 50-move rule; shown with MoreDrawRules,
    // enabled while the claim stands.
    QAction* ClaimDraw1;
    // In the status bar while the claim stands; triggers ClaimDraw1.
    QToolButton* ClaimDrawButton;
    // The last item of the Edit menu: the engine list dialog.
    QAction* Engines1;
    // Diagrams of the position: File menu, behind the other items; Edit menu, behind a separator.
    QAction* ExportDiagram1;
    QAction* PrintDiagram1;
    QAction* CopyDiagram1;

    // True while Chr1 is the clock that runs.
    bool Chr1Running = false;

    // ---- Handlers ----
    void New1Click(QObject* Sender);
    void Back1Click(QObject* Sender);
    void Forward1Click(QObject* Sender);
    void Stop1Click(QObject* Sender);
    void Whiteontop1Click(QObject* Sender);
    void Options1Click(QObject* Sender);
    void About1Click(QObject* Sender);
    void Exit1Click(QObject* Sender);
    void SaveGame1Click(QObject* Sender);
    void OpenGame1Click(QObject* Sender);
    void Save1Click(QObject* Sender);
    void Print1Click(QObject* Sender);
    void PrintMoves1Click(QObject* Sender);
    void PrintSetup1Click(QObject* Sender);
    void ExportGame1Click(QObject* Sender);
    void ExportFinishedGame1Click(QObject* Sender);
    void ImportGame1Click(QObject* Sender);
    void CopyPosition1Click(QObject* Sender);
    void PastePosition1Click(QObject* Sender);
    void CopyGame1Click(QObject* Sender);
    void PasteGame1Click(QObject* Sender);
    void MoveNow1Click(QObject* Sender);
    void Preferences1Click(QObject* Sender);
    void TakeBack1Click(QObject* Sender);
    void RadioGroup1Click(QObject* Sender);
    void RadioGroup2Click(QObject* Sender);
    void ListBox1Click(QObject* Sender);
    void ColorButton971AfterAccept(QObject* Sender);
    void ColorButton972AfterAccept(QObject* Sender);
    void FormShow(QObject* Sender);
    void Timer1Timer(QObject* Sender);

    void ChessBrd1LegalMove(QObject* Sender, Square oldSq, Square newSq);
    void ChessBrd1IllegalMove(QObject* Sender, Square sq);
    void ChessBrd1Check(QObject* Sender, Square oldSq, Square newSq);
    void ChessBrd1Castle(QObject* Sender, Square oldSq, Square newSq);
    void ChessBrd1Mate(QObject* Sender, Square oldSq, Square newSq);
    void ChessBrd1StaleMate(QObject* Sender, Square oldSq, Square newSq);
    void ChessBrd1ThreefoldPosition(QObject* Sender);
    void ChessBrd1OnlyTwoKingsLeft(QObject* Sender);
    void ChessBrd1DeadPosition(QObject* Sender);
    void ChessBrd1SeventyFiveMoveRule(QObject* Sender);
    void ChessBrd1FiftyMoveDrawClaimed(QObject* Sender);
    void ClaimDraw1Click(QObject* Sender);
    void Engines1Click(QObject* Sender);
    void CopyDiagram1Click(QObject* Sender);
    void ExportDiagram1Click(QObject* Sender);
    void PrintDiagram1Click(QObject* Sender);
    void ChessBrd1ThinkingProgress(QObject* Sender, const TThinkingProgress& Progress);
    void ChessBrd1ThinkingEnded(QObject* Sender);

    // The game that Export Game and Copy Game write, the one the move list shows: the game that just
    // ended until the list is next refreshed (by any move, New Game, Back, ...), else the game on the
    // board, with the tags of an imported game.
    notation::Game GameToExport() const;
    // Opens a file named on the command line: a PGN file is imported, any other is a game file.
    void OpenFile(const QString& fileName);
    // ---- Preferences (unit1_preferences.cpp) ----
    const TPreferences& Preferences() const { return FPreferences; }
    // Takes the preferences into use at once, and into the settings file while it is remembered.
    void SetPreferences(const TPreferences& preferences);
    bool RememberSettings() const { return FRememberSettings; }
    // On: the preferences are written to the settings file now and on every change; off: the file is
    // removed, so that nothing is kept.
    void SetRememberSettings(bool remember);
    // The settings file to remember in; one that exists already is read and remembered on.
    void UsePreferencesFile(const QString& fileName);
    // The dialog, once Preferences has opened it.
    TPreferencesDialog* PreferencesDialog() const { return FPreferencesDialog; }

    // The date of the games written; replaceable so that tests fix it.
    std::function<QDate()> Today = &QDate::currentDate;

    // The window's client area as it is on screen: everything below the menu bar.
    QImage ClientAreaImage();

    // Shown instead of a refusal once the record of the game has no room for another move (the
    // English text; the status bar shows its translation).
    static const QString RecordFullText;

    // ---- The chess clock of a time control (unit1_time_control.cpp) ----
    // A control starts a new clock game for the board's side to move: the clock labels count down
    // from then on, and a flag fall ends the game. None brings the stopwatches back. Throws
    // std::invalid_argument for an invalid control, which changes nothing.
    void SetTimeControl(std::optional<TTimeControl> control);
    std::optional<TTimeControl> TimeControl() const;
    // The clock while a time control is set, for players that plan their time; else none.
    const TChessClock* ChessClock() const { return FChessClock.get(); }
    // The clock's time source; replaceable so that tests turn it. Taken by SetTimeControl.
    TChessClock::TTimeSource ChessClockTime;
    // Runs while a time control is set: follows the side to move, shows the clock, sees the flag fall.
    QTimer* ChessClockTimer = nullptr;
    void ChessClockTimerTimer(QObject* Sender);

    // ---- The external engines (unit1_engines.cpp) ----
    // The engine list, looked for on the system the first time it is asked for, so that no engine
    // runs before a player wants one. The search can be replaced before then, as tests do. While
    // settings are remembered, the engines the player added are read from the settings file then,
    // and written to it (group "engines") at every change of the list.
    TEngineList& EngineList();
    TEngineSearch EngineSearch = TEngineSearch::FromEnvironment();
    // The dialog, once Engines has opened it.
    TEngineListDialog* EngineListDialog() const { return FEngineListDialog; }

    // ---- New games of a chosen setup (unit1_new_game.cpp) ----
    // File menu, behind the other items: the New Game dialog.
    QAction* NewGameSetup1;
    void NewGameSetup1Click(QObject* Sender);
    // Starts a new game of the setup: its players take their sides, its time control the clocks.
    // False when the player chose to keep the current game. Throws std::invalid_argument for an
    // invalid time control, which changes nothing.
    bool StartGame(const TGameSetup& setup);
    // The setup of the games being played, else the one the radio groups and the clocks make.
    TGameSetup CurrentSetup() const;
    // The engine player of a side that an external engine plays.
    TEnginePlayer* EnginePlayer(bool white) const;
    // The match between two computers that a setup started, while it runs and after it ended.
    const TMatch* Match() const { return FMatch.get(); }
    // File menu, last: the games of the match as one PGN file; enabled once a game is recorded.
    QAction* ExportMatch1;
    void ExportMatch1Click(QObject* Sender);
    // In the status bar while a match is played: its score.
    QLabel* MatchPanel = nullptr;

    // ---- Analysis (unit1_analysis.cpp) ----
    // The menu behind Edit: the analysis panel, a hint, the analysis of the whole game.
    QMenu* Analysis1 = nullptr;
    TAnalysisPanel* AnalysisPanel = nullptr;
    QAction* AnalysisPanel1 = nullptr; // opens and closes the panel
    // An arrow on the board for the best move of the side to move (unit1_hint.cpp).
    QAction* Hint1 = nullptr;
    void Hint1Click(QObject* Sender);
    // How long the engine searches for a hint when the panel has none.
    int HintTimeMs = 1000;
    // Every position of the game searched (unit1_game_analysis.cpp), with the chosen engine of the
    // analysis panel, else the project's own; the result shows in the evaluation graph's dock.
    QAction* AnalyseGame1 = nullptr;
    void AnalyseGame1Click(QObject* Sender);
    TUciGo GameAnalysisLimits = DefaultAnalysisLimits();
    QMenu* AnalysisTime1 = nullptr; // the time per position: 0.2 to 5 s
    QAction* EvaluationGraph1 = nullptr; // opens and closes the graph's dock
    QDockWidget* EvaluationGraphDock = nullptr;
    TEvaluationGraph* EvaluationGraph = nullptr;
    // The analysis while it runs, and its progress dialog.
    TGameAnalysis* GameAnalysis = nullptr;
    QProgressDialog* GameAnalysisProgress = nullptr;
    // The game last analysed, with its marks and evaluations in Notes.
    std::optional<notation::Game> AnalysedGame;

    // ---- The evaluation bar (unit1_evaluation_bar.cpp) ----
    // Beside the board, between it and the player groups, while the preference EvaluationBar is on;
    // it turns with the board. Empty until it is given an evaluation.
    TEvaluationBar* EvaluationBar = nullptr;

    // ---- Sounds (unit1_sounds.cpp) ----
    // Plays the sound of each move made in the game and of the game's end while the preference Sounds
    // is on; its player is made when they are first turned on.
    TMoveSounds* MoveSounds = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // unit1_components.cpp
    void CreateComponents();
    void CreateMenu();
    void CreateToolbar();
    void SetUpBoard();
    QAction* MenuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {},
        void (TForm1::*handler)(QObject*) = nullptr);
    // unit1_board_events.cpp
    void SetStatus(const QString& text);
    // A game end named by its English status and box texts (marked with QT_TR_NOOP), shown translated.
    void EndGame(const char* status, const char* message);
    // The texts as shown; classicStatus is the English status text that the words of status_words.h
    // know the end by, empty for an end they do not know.
    void EndGame(const QString& status, const QString& message, const QString& classicStatus);
    bool RecordIsFull() const;
    void EngineMessageBox(const QString& caption, const QString& text);
    // unit1_preferences.cpp
    // Places a dialog of the window right of it, within the screen.
    static void PlaceBesideWindow(QWidget& dialog);
    // The theme's colours on the board and on the toolbar's square colour buttons.
    void ShowBoardTheme(BoardTheme theme);
    // unit1_draw_rules.cpp
    void CreateDrawClaim();
    void ShowDrawClaim();
    // unit1_move_list.cpp
    void UpdateMoveList();
    QStringList MoveListLines() const;
    void ShowMoveListOfPreference();
    void UpdateMoveListView();
    void FillMoveListView();
    void MoveListViewChoose(int halfMove);
    void StepThroughGame(TGameStep step);
    // unit1_game_files.cpp
    void OpenGameFile(const QString& fileName);
    // unit1_pgn_fen.cpp
    notation::Game CurrentGame() const;
    void KeepFinishedGame();
    void ExportGameTo(const notation::Game& game, const QString& doneText);
    // Asks for a file name and writes the PGN text there; the status then says doneText with the name.
    void ExportPgnTo(const std::string& pgn, const QString& doneText);
    void ImportGames(const std::vector<notation::PgnGameRead>& games);
    void ImportGame(const notation::Game& game);
    void ImportGameText(const QByteArray& text, const QString& source);
    void ImportGameFile(const QString& fileName);
    void ShowImportedGame();
    // unit1_access.cpp
    void CreateMoveTyping();
    void NameControls();
    // unit1_clocks.cpp
    void ResetClocks();
    void SwitchClocks();
    void StopClocks();
    // The clock of the player to move runs again, after so many half-moves were taken back.
    void ResumeClocks(int halfMovesTakenBack);
    // unit1_time_control.cpp
    void StartChessClockGame();
    // Stepping through the game changes the side to move without a move: the chess clock follows,
    // its times unchanged.
    void FollowSideToMove();
    void ShowChessClock();
    void PlaceClockLabels(bool wide);
    void ChessClockFlagFell(bool white);
    void AddTimeControlTags(notation::Game& game) const;
    // unit1_take_back.cpp
    int HalfMovesToTakeBack() const;
    void UpdateTakeBack();
    // unit1_discarding.cpp
    bool MayDiscardGame();
    bool MayReplaceRestOfGame();
    // unit1_diagrams.cpp
    void CreateDiagramItems();
    // Asks for the use's options, opening on the last ones; on acceptance fills in the board's diagram.
    bool AskDiagramOptions(TDiagramUse use, TDiagram& diagram);
    std::map<TDiagramUse, TDiagramOptions> FDiagramOptions;
    // unit1_evaluation_bar.cpp
    void CreateEvaluationBar();
    void ShowEvaluationBarOfPreference();
    // unit1_board_size.cpp
    void LayOutBoard();
    // unit1_sounds.cpp
    void CreateMoveSounds();
    void PlaySoundsOfPreference();
    // How far the player groups, clocks and move list stand right of their classic places, and how
    // much taller the move list is, while the board fills the window.
    QPoint FSidePanelShift;
    int FMoveListGrowth = 0;

    TDialogs& FDialogs;
    QPointer<TForm2> FOptionsDialog;
    TPreferences FPreferences;
    bool FRememberSettings = false;
    std::optional<TPreferencesStore> FPreferencesStore;
    TPreferencesDialog* FPreferencesDialog = nullptr;
    std::unique_ptr<QPrinter> FPrinter1;
    // The one text area of the status bar.
    QLabel* StatusPanel;
    // The last game that ended by the rules, kept until another one ends.
    std::optional<notation::Game> FinishedGame;
    // True from the end of a game until the move list is refreshed: the list still shows that game,
    // which FinishedGame then holds.
    bool ListShowsFinishedGame = false;
    // The last game imported, whose tags and result go with it while the board plays it.
    std::optional<notation::Game> ImportedGame;
    // The status text with the result of the finished game kept on the board.
    QString FinalStatus;
    // Left, Right, Home and End on the board and in MoveListView.
    TGameStepKeys* GameStepKeys;
    // The board's record position before MoveListView's first half-move, counted in half-moves (two
    // per move number, White's first); none while the list shows a finished game, which is no longer
    // on the board.
    std::optional<int> MoveListViewStartPly;
    // A refill asked for during a move, which the board is still making.
    bool MoveListViewFillPending = false;
    // True while a claimed draw ends the game: the finished game records the claim.
    bool FiftyMoveDrawClaimed = false;
    // The chess clock while a time control is set.
    std::unique_ptr<TChessClock> FChessClock;
    // Bevel1, Label1, Bevel2 and Label2 where the stopwatches have them beside the classic board, while
    // the countdown is wider.
    std::optional<std::array<QRect, 4>> FClassicClockPlaces;
    // unit1_engines.cpp
    void CreateEnginesItem();
    // Writes the added engines into the settings file while it is remembered; a change made while
    // handshakes run waits for them, so that engines still being read back are not lost.
    void SaveEngines();
    TEngineList* FEngineList = nullptr;
    TEngineListDialog* FEngineListDialog = nullptr;
    bool FEnginesUnsaved = false;
    // unit1_new_game.cpp
    void PlaceSetupPlayers();
    void DropEnginePlayer(bool white);
    void RenewEnginePlayers();
    void EngineLost(bool white, const QString& message);
    void LeaveSetupForSide(bool white, bool computer);
    void AddSetupTags(notation::Game& game, bool imported) const;
    void CreateMatchItems();
    // The game that just ended goes into the match; true when it was the match's last.
    bool RecordMatchGame();
    void BeginNextMatchGame();
    void ShowMatchScore();
    std::unique_ptr<TMatch> FMatch;
    // unit1_analysis.cpp
    void CreateAnalysisItems();
    void UpdateAnalysisEngines();
    // The project's own engine as the analysis uses it; no program when it is not beside this one.
    TAnalysisEngineChoice OwnAnalysisEngine() const;
    // Gives the panel the position on the board while it is open, and the graph its place in the game.
    void ShowAnalysisPosition();
    // The position on the board as the engines are told it; none when it cannot stand in a game.
    std::optional<notation::Position> AnalysablePosition() const;
    void KeepOnScreenWith(QDockWidget& dock);
    // unit1_hint.cpp
    void CreateHintItem();
    void AskForHint();
    void HintAnswered(const QString& move);
    void ShowHint(const notation::Position& position, notation::Move move);
    QPointer<TUciEngine> HintEngine;
    // unit1_game_analysis.cpp
    void CreateGameAnalysisItems();
    void GameAnalysed();
    void EndGameAnalysis();
    int AnalysedMovesKept(const notation::Game& game) const;
    // The analysis' notes for the moves of the game that are those analysed, empty when none are.
    std::vector<notation::MoveNote> AnalysisNotesFor(const notation::Game& game) const;
    int AnalysedPositionShown() const;
    void ShowAnalysedPosition();
    void GoToAnalysedPosition(int position);
    QStringList MarkedMoveListLines(QStringList lines) const;
    // The classic list's lines as the record gives them, for the move-list file and printout, and
    // as the list shows them with the marks of an analysis.
    QStringList MoveListRecordLines;
    QStringList MoveListMarkedLines;
    std::optional<notation::Position> HintPosition;
    int HintSearch = 0;
    std::optional<TGameSetup> FGameSetup;
    std::array<QPointer<TEnginePlayer>, 2> FEnginePlayers; // Black's, White's
    // The result of the game an engine lost by its fault, while that game ends.
    struct TForfeit {
        std::string Result;
        std::string Termination;
    };
    std::optional<TForfeit> FForfeit;
};
