#pragma once

// TPreferences: the player's choices beyond the game's classic behaviour. Each one is off in the
// classic set, which is the game as it always played; the modern set turns them all on but sounds,
// which would surprise a player in a shared room and so wait until asked for. They are kept between
// runs only while the player asks for it: TPreferencesStore writes them to a settings file in the
// user's config folder then, and removes the file when the player stops asking.

#include "app/board_themes.h"
#include "app/piece_choices.h"

#include <QString>

#include <array>
#include <functional>

class QSettings;

class TChessBoard;

struct TPreferences {
    bool MarkMoves = false; // the last move and a king in check marked on the board
    bool ClickToMove = false; // a click on a piece selects it, a click on a target moves it
    bool ShowLegalTargets = false; // the selected or dragged piece's targets marked
    bool CastleOntoRook = false; // the king dropped on its own rook castles
    bool ChoosePromotion = false; // a pawn reaching the last rank asks which piece it becomes
    bool StandardMoveList = false; // the move list in standard notation, one move per row
    bool StatusInWords = false; // status texts and results as sentences: "White played Nf3"
    bool KeepFinalPosition = false; // a finished game stays on the board until a new game
    bool MoreDrawRules = false; // dead positions, the 50-move claim and the 75-move rule
    bool AskBeforeDiscarding = false; // New Game and a move that cuts the record ask first
    bool ShowThinking = false; // the search's depth and best move so far beside the status
    bool WaitAfterComputerGame = false; // no new game by itself after a game between computers
    bool EvaluationBar = false; // an evaluation bar beside the board
    bool BoardFillsWindow = false; // the board grows and shrinks with the window
    bool Sounds = false; // a sound for each move, capture and check, and for the game's end
    // Milliseconds the computer waits before its move while it plays both sides; one of ComputerPauses.
    int ComputerPause = 0;
    BoardTheme Theme = BoardTheme::ClassicGrey; // put on the board when it changes
    PieceChoice Pieces = PieceChoice::Automatic;

    bool operator==(const TPreferences&) const = default;

    static TPreferences Classic() { return {}; }
    static TPreferences Modern();
};

// One preference: its key in the settings file, its caption in the dialog (in English, translated
// where it is shown), and its field.
struct TPreferenceEntry {
    const char* Key;
    const char* Caption;
    bool TPreferences::*Field;
};

inline constexpr std::array<TPreferenceEntry, 15> PreferenceEntries { {
    { "board/markMoves", QT_TRANSLATE_NOOP("TPreferencesDialog", "Mark the &last move and a king in check"),
        &TPreferences::MarkMoves },
    { "input/clickToMove", QT_TRANSLATE_NOOP("TPreferencesDialog", "&Click a piece, then its target, to move"),
        &TPreferences::ClickToMove },
    { "input/showLegalTargets", QT_TRANSLATE_NOOP("TPreferencesDialog", "Show the &targets of the piece in hand"),
        &TPreferences::ShowLegalTargets },
    { "input/castleOntoRook", QT_TRANSLATE_NOOP("TPreferencesDialog", "Castle by dropping the king on its &rook"),
        &TPreferences::CastleOntoRook },
    { "input/choosePromotion", QT_TRANSLATE_NOOP("TPreferencesDialog", "Choose the piece a &pawn becomes"),
        &TPreferences::ChoosePromotion },
    { "moveList/standardNotation",
        QT_TRANSLATE_NOOP("TPreferencesDialog", "Moves in standard notation, in t&wo columns"),
        &TPreferences::StandardMoveList },
    { "status/inWords", QT_TRANSLATE_NOOP("TPreferencesDialog", "Status and results in w&ords"),
        &TPreferences::StatusInWords },
    { "game/keepFinalPosition", QT_TRANSLATE_NOOP("TPreferencesDialog", "Keep the &final position until a new game"),
        &TPreferences::KeepFinalPosition },
    { "rules/moreDraws",
        QT_TRANSLATE_NOOP("TPreferencesDialog", "&Draws by dead position and the 50- and 75-move rules"),
        &TPreferences::MoreDrawRules },
    { "game/askBeforeDiscarding", QT_TRANSLATE_NOOP("TPreferencesDialog", "&Ask before discarding a game"),
        &TPreferences::AskBeforeDiscarding },
    { "engine/showThinking", QT_TRANSLATE_NOOP("TPreferencesDialog", "Show what the computer is thin&king"),
        &TPreferences::ShowThinking },
    { "game/waitAfterComputerGame",
        QT_TRANSLATE_NOOP("TPreferencesDialog", "After a &game between computers, wait for New Game"),
        &TPreferences::WaitAfterComputerGame },
    { "board/evaluationBar", QT_TRANSLATE_NOOP("TPreferencesDialog", "Show an e&valuation bar beside the board"),
        &TPreferences::EvaluationBar },
    { "board/fillsWindow", QT_TRANSLATE_NOOP("TPreferencesDialog", "&Board fills the window"),
        &TPreferences::BoardFillsWindow },
    { "sound/enabled",
        QT_TRANSLATE_NOOP("TPreferencesDialog", "Play sou&nds for moves, captures, check and the game's end"),
        &TPreferences::Sounds },
} };

// The pauses the player can choose between the computer's moves when it plays both sides, in
// milliseconds; the first is the classic none, ModernComputerPause the modern set's.
inline constexpr std::array<int, 4> ComputerPauses { 0, 500, 1000, 2000 };
inline constexpr int ModernComputerPause = 1000;
inline constexpr const char* ComputerPauseKey = "engine/pauseBetweenMoves";

// The board theme and the pieces, each stored by its name; the modern set's choices.
inline constexpr const char* BoardThemeKey = "board/theme";
inline constexpr const char* PiecesKey = "board/pieces";
inline constexpr BoardTheme ModernBoardTheme = BoardTheme::BrownWood;
inline constexpr PieceChoice ModernPieces = PieceChoice::Staunton;

// Hands the board the preferences it carries out itself. The theme is not one of them: the window puts
// it on the board when the player picks one (TForm1::SetPreferences).
void ApplyPreferences(const TPreferences& preferences, TChessBoard& board);

// The settings file of the preferences. Nothing is read or written until asked, so that a player who
// never ticks "Remember settings" leaves no file behind.
class TPreferencesStore {
public:
    explicit TPreferencesStore(QString fileName)
        : FFileName(std::move(fileName))
    {
    }
    // preferences.ini in the user's config folder for this program.
    static QString DefaultFileName();

    const QString& FileName() const { return FFileName; }
    bool Exists() const;
    // The stored preferences; a key that is missing or unreadable keeps its classic value.
    TPreferences Load() const;
    // Writes every preference; throws TFileError when the file cannot be written.
    void Save(const TPreferences& preferences) const;
    // Rewrites one group of the file beside the preferences (the engines the player added): the group
    // is removed, then write fills it, given the file at its top level. Save and this leave each
    // other's keys alone. Throws TFileError when the file cannot be written.
    void SaveGroup(const QString& group, const std::function<void(QSettings&)>& write) const;
    // Removes the file, so that nothing is kept; throws TFileError when it stays.
    void Forget() const;

private:
    QString FFileName;
};
