// Whole games as PGN and positions as FEN: export and import files, the clipboard, the game that
// just ended, and files named on the command line. Errors are thrown and reach the user in the
// application's error box; a refused import leaves the board as it was.

#include "app/unit1.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/game_transfer.h"
#include "app/text_files.h"
#include "board/chessbrd.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

// Larger files are refused rather than read in part; 64 MB hold about 100,000 games.
constexpr qint64 MaxPgnFileBytes = 64 * 1024 * 1024;
// A list of more games than a full-size file of real games holds would take gigabytes to show (a
// file of nothing but result tokens is millions of empty games).
constexpr std::size_t MaxListedGames = 200'000;

TFileDialogOptions ExportDialog()
{
    return { TForm1::tr("Export Game"), TForm1::tr("PGN Game (*.pgn)"), QStringLiteral("pgn") };
}

TFileDialogOptions ImportDialog()
{
    return { TForm1::tr("Import Game"), TForm1::tr("PGN Games (*.pgn);;All Files (*)"), {} };
}

[[noreturn]] void Refuse(const QString& message) { throw std::runtime_error(message.toLocal8Bit().toStdString()); }

// PGN text is UTF-8 today; older files are Latin-1, which shows through where UTF-8 does not fit.
QString PgnText(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return utf8.hasError() ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())) : decoded;
}

QByteArray ReadPgnFile(const QString& fileName)
{
    QByteArray bytes = ReadFileStart(fileName, MaxPgnFileBytes + 1);
    if (bytes.size() > MaxPgnFileBytes)
        Refuse(TForm1::tr("%1 is larger than 64 MB; no game was imported").arg(QFileInfo(fileName).fileName()));
    return bytes;
}

// Moves as the move list counts them: White's and Black's half-moves of one number are one move.
int FullMoves(const notation::Game& game)
{
    const int halfMoves = static_cast<int>(game.Moves.size());
    if (halfMoves == 0)
        return 0;
    return game.Start.WhiteToMove ? (halfMoves + 1) / 2 : (halfMoves + 2) / 2;
}

TGameListEntry ListEntry(const notation::PgnGameRead& read)
{
    const notation::Game& game = read.Read;
    return { PgnText(game.TagValue("White")), PgnText(game.TagValue("Black")), PgnText(game.Result),
        PgnText(game.TagValue("Date")), FullMoves(game), read.Error ? PgnText(read.Error->what()) : QString() };
}

// A text of thousands of games takes a moment to read.
struct TWaitCursor {
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// A game of no moves from the position, as a pasted FEN starts one.
notation::Game GameFrom(const notation::Position& position)
{
    notation::Game game;
    game.Start = position;
    return game;
}

bool SameStartApartFromClock(notation::Position a, notation::Position b)
{
    a.HalfmoveClock = b.HalfmoveClock = 0;
    return a == b;
}

} // namespace

notation::Game TForm1::GameToExport() const
{
    notation::Game game = ListShowsFinishedGame ? *FinishedGame : CurrentGame();
    game.Notes = AnalysisNotesFor(game);
    return game;
}

// The tags and the result of an imported game stay with it while the board's record starts where
// it started; the result only as long as its moves are unchanged.
notation::Game TForm1::CurrentGame() const
{
    notation::Game game = RecordedGame(*ChessBrd1);
    const bool imported = ImportedGame && SameStartApartFromClock(ImportedGame->Start, game.Start);
    if (imported)
        game.Start.HalfmoveClock = ImportedGame->Start.HalfmoveClock;
    if (imported && !ImportedGame->Tags.empty()) {
        game.Tags = ImportedGame->Tags;
    } else {
        const QDate date = Today();
        const int depth = ChessBrd1->SearchDepth();
        game.Tags = notation::CasualGame(notation::PgnDate(date.year(), date.month(), date.day()),
            notation::PlayerName(ChessBrd1->ComputerPlaysWhite(), depth),
            notation::PlayerName(ChessBrd1->ComputerPlaysBlack(), depth))
                        .Tags;
    }
    game.Result = imported && game.Moves == ImportedGame->Moves ? ImportedGame->Result : "*";
    game.MoreDrawRules = ChessBrd1->MoreDrawRules();
    game.FiftyMoveDrawClaimed = FiftyMoveDrawClaimed;
    game.Result = notation::ResultOf(game);
    game.SetTag("Result", game.Result);
    AddTimeControlTags(game);
    AddSetupTags(game, imported && !ImportedGame->Tags.empty());
    return game;
}

// Runs inside the board's move that ended the game, before the board starts the next one.
void TForm1::KeepFinishedGame()
{
    try {
        FinishedGame = CurrentGame();
    } catch (const notation::NotationError&) {
        // The board held no legal game (a position was written over it): there is nothing to keep.
        FinishedGame.reset();
    }
    ListShowsFinishedGame = FinishedGame.has_value();
    ExportFinishedGame1->setEnabled(ListShowsFinishedGame);
    ImportedGame.reset();
}

void TForm1::ExportGame1Click(QObject*)
{
    // Before the dialog: a board that holds no legal game is refused without asking for a name.
    ExportGameTo(
        GameToExport(), ListShowsFinishedGame ? tr("Finished game exported to %1") : tr("Game exported to %1"));
}

// Also after the next game has begun, by the computer's opening move for one.
void TForm1::ExportFinishedGame1Click(QObject*)
{
    if (FinishedGame)
        ExportGameTo(*FinishedGame, tr("Finished game exported to %1"));
}

void TForm1::ExportGameTo(const notation::Game& game, const QString& doneText)
{
    ExportPgnTo(notation::WritePgn(game), doneText);
}

void TForm1::ExportPgnTo(const std::string& pgn, const QString& doneText)
{
    const TFileDialogOptions options = ExportDialog();
    const QString fileName = WithDefaultExtension(FDialogs.SaveFileName(this, options), options.DefaultExt);
    if (fileName.isEmpty())
        return;
    WriteWholeFile(fileName, QByteArray::fromStdString(pgn));
    SetStatus(doneText.arg(QFileInfo(fileName).fileName()));
}

void TForm1::ImportGame1Click(QObject*)
{
    const QString fileName = FDialogs.OpenFileName(this, ImportDialog());
    if (fileName.isEmpty())
        return;
    ImportGameFile(fileName);
}

void TForm1::CopyGame1Click(QObject*)
{
    QGuiApplication::clipboard()->setText(PgnText(notation::WritePgn(GameToExport())));
    SetStatus(ListShowsFinishedGame ? tr("Finished game copied") : tr("Game copied"));
}

// A position copied as FEN is taken as a game without moves: Ctrl+V then serves both.
void TForm1::PasteGame1Click(QObject*)
{
    const QString text = QGuiApplication::clipboard()->text();
    std::optional<notation::Position> position;
    try {
        position = notation::ReadFen(text.trimmed().toStdString());
    } catch (const notation::NotationError&) {
        // No FEN: read it as PGN, whose errors say what is wrong.
    }
    if (position)
        ImportGame(GameFrom(*position));
    else
        ImportGameText(text.toUtf8(), tr("the clipboard"));
}

// The half-move clock comes from the game when the board shows one of its positions.
void TForm1::CopyPosition1Click(QObject*)
{
    notation::Position position = BoardPosition(*ChessBrd1);
    try {
        for (const notation::Position& p : notation::Replay(CurrentGame()))
            if (p.FullmoveNumber == position.FullmoveNumber && p.WhiteToMove == position.WhiteToMove
                && std::equal(std::begin(p.Squares), std::end(p.Squares), position.Squares))
                position.HalfmoveClock = p.HalfmoveClock;
    } catch (const notation::NotationError&) {
        // No legal game leads to the board's position: the clock stays 0.
    }
    QGuiApplication::clipboard()->setText(PgnText(notation::WriteFen(position)));
    SetStatus(tr("Position copied"));
}

void TForm1::PastePosition1Click(QObject*)
{
    const std::string text = QGuiApplication::clipboard()->text().trimmed().toStdString();
    notation::Position position;
    try {
        position = notation::ReadFen(text);
    } catch (const notation::NotationError& error) {
        Refuse(tr("The clipboard holds no position in FEN:\n%1").arg(QString::fromUtf8(error.what())));
    }
    ImportGame(GameFrom(position));
}

// Text pasted from the clipboard is read whole: one damaged game refuses it.
void TForm1::ImportGameText(const QByteArray& text, const QString& source)
{
    std::vector<notation::PgnGameRead> games;
    try {
        const TWaitCursor reading;
        for (notation::Game& game :
            notation::ReadPgn(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))))
            games.push_back({ std::move(game), std::nullopt });
    } catch (const notation::NotationError& error) {
        Refuse(tr("Cannot import from %1:\n%2").arg(source, QString::fromUtf8(error.what())));
    }
    if (games.empty())
        Refuse(tr("Cannot import from %1: it holds no game in PGN").arg(source));
    ImportGames(games);
}

// A file is read game by game: its good games are offered even when some are damaged. A file
// without a single good game is refused with the first damage found.
void TForm1::ImportGameFile(const QString& fileName)
{
    const QString source = QFileInfo(fileName).fileName();
    const QByteArray text = ReadPgnFile(fileName);
    std::vector<notation::PgnGameRead> games;
    {
        const TWaitCursor reading;
        games = notation::ReadPgnGames(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }
    if (games.empty())
        Refuse(tr("Cannot import from %1: it holds no game in PGN").arg(source));
    if (games.size() > MaxListedGames)
        Refuse(tr("Cannot import from %1: it holds %2 games, more than the %3 the game list can show")
                   .arg(source)
                   .arg(games.size())
                   .arg(MaxListedGames));
    const auto good = [](const notation::PgnGameRead& read) { return !read.Error; };
    if (std::none_of(games.begin(), games.end(), good))
        Refuse(tr("Cannot import from %1:\n%2").arg(source, PgnText(games.front().Error->what())));
    ImportGames(games);
}

// A single game goes on the board at once; of several, the user picks one of the good ones.
void TForm1::ImportGames(const std::vector<notation::PgnGameRead>& games)
{
    int chosen = 0;
    if (games.size() > 1) {
        QList<TGameListEntry> list;
        list.reserve(static_cast<qsizetype>(games.size()));
        for (const notation::PgnGameRead& game : games)
            list.append(ListEntry(game));
        chosen = FDialogs.ChooseGame(this, list);
        if (chosen < 0 || chosen >= static_cast<int>(games.size()))
            return;
    }
    const notation::PgnGameRead& read = games[static_cast<std::size_t>(chosen)];
    if (read.Error)
        Refuse(tr("This game cannot be imported:\n%1").arg(PgnText(read.Error->what())));
    ImportGame(read.Read);
}

void TForm1::ImportGame(const notation::Game& game)
{
    if (!MayDiscardGame())
        return;
    const TReplay replay = ReplayOnBoard(*ChessBrd1, game);
    ImportedGame = replay.Imported;
    UpdateMoveList();
    ResetClocks();
    RenewEnginePlayers();
    ShowImportedGame();
    UpdateTakeBack();

    QStringList notes;
    if (replay.Renumbered)
        notes.append(tr("The game starts at move %1, beyond the board's move %2: here it starts at move 1.")
                         .arg(game.Start.FullmoveNumber)
                         .arg(TChessBoard::LastSetUpMoveNumber));
    if (replay.Cut != TReplay::TCut::None) {
        const QString why = replay.Cut == TReplay::TCut::OnlyKings ? tr("only the two kings are left")
            : replay.Cut == TReplay::TCut::Repetition              ? tr("the same position stands for the third time")
            : replay.Cut == TReplay::TCut::DeadPosition            ? tr("neither side can mate any more")
            : replay.Cut == TReplay::TCut::SeventyFiveMoves
            ? tr("75 moves of each side have passed without a capture or a pawn move")
            : tr("the game record holds no more moves");
        const QString leftOut = replay.MovesLeftOut == 1
            ? tr("The remaining half-move was left out.")
            : tr("The remaining %1 half-moves were left out.").arg(replay.MovesLeftOut);
        notes.append(tr("The game was imported up to move %1 with %2 to move: %3, which ends the game here. %4")
                         .arg(replay.CutMoveNumber)
                         .arg(replay.CutWhite ? tr("White") : tr("Black"), why, leftOut));
    }
    if (!notes.isEmpty())
        FDialogs.MessageBox(this, TZugwerkApplication::Title(), notes.join(QLatin1Char('\n')), QMessageBox::Information,
            QMessageBox::Ok);
}

// The status after an import: who played, how many moves the board now holds, and how the game
// ended when the board's rules ended it.
void TForm1::ShowImportedGame()
{
    const notation::Game& game = *ImportedGame;
    // PGN writes an unknown name as "?".
    const auto name = [&](const char* tag) {
        const QString value = PgnText(game.TagValue(tag));
        return value.isEmpty() ? QStringLiteral("?") : value;
    };
    const QString white = name("White");
    const QString black = name("Black");
    QString status = tr("Imported: ");
    if (white != QStringLiteral("?") || black != QStringLiteral("?"))
        status += white + QStringLiteral(" - ") + black + QStringLiteral(", ");
    const int moves = FullMoves(game);
    status += moves == 1 ? tr("1 move") : tr("%1 moves").arg(moves);
    switch (notation::EndOfGame(game)) {
    case notation::GameEnd::Mate: status += tr(", mate"); break;
    case notation::GameEnd::Stalemate: status += tr(", stalemate"); break;
    case notation::GameEnd::OnlyKings: status += tr(", only two kings left"); break;
    case notation::GameEnd::Repetition: status += tr(", 3-time repetition of position"); break;
    case notation::GameEnd::DeadPosition: status += tr(", dead position"); break;
    case notation::GameEnd::SeventyFiveMoves: status += tr(", 75-move rule"); break;
    case notation::GameEnd::FiftyMovesClaimed: status += tr(", 50-move rule claimed"); break;
    case notation::GameEnd::None: break;
    }
    SetStatus(status);
}

void TForm1::OpenFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QStringLiteral("pgn")) {
        ImportGameFile(fileName);
    } else {
        OpenGameFile(fileName);
    }
}
