// Game files (the 64 squares of a position) and the move-list file. Errors are thrown and reach the
// user in the application's error box; a command stops where its error occurred and leaves the board
// as it was.

#include "app/unit1.h"

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/text_files.h"
#include "board/chessbrd.h"

#include <QFileInfo>
#include <QTextDocument>

#include <algorithm>
#include <optional>

namespace {

// A game file holds the position's 64 square letters, a line break at most, and nothing else.
constexpr qint64 GameFileBytes = 64;
constexpr qint64 LongestGameFile = GameFileBytes + 2;

// The position text of a game file without its line break, or nothing when the bytes are no game
// file: what the program writes, or one of the two words that stand for the starting position.
std::optional<QByteArray> GameFileText(QByteArray bytes)
{
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    const QByteArray word = bytes.toLower();
    const bool letters = bytes.size() == GameFileBytes && std::all_of(bytes.begin(), bytes.end(), IsPositionLetter);
    if (!letters && word != "init" && word != "newgame")
        return std::nullopt;
    return bytes;
}

TFileDialogOptions SaveDialog2()
{
    return { TForm1::tr("Save Game"), TForm1::tr("Zugwerk! Game (*.zgw)"), QStringLiteral("zgw") };
}

TFileDialogOptions OpenDialog1() { return { TForm1::tr("Open Game"), TForm1::tr("Zugwerk! Game (*.zgw)"), {} }; }

TFileDialogOptions SaveDialog1() { return { TForm1::tr("Save Moves"), TForm1::tr("Plain Text (*.txt)"), {} }; }

} // namespace

// The board is only read: a search may go on meanwhile.
void TForm1::SaveGame1Click(QObject*)
{
    const TFileDialogOptions options = SaveDialog2();
    const QString fileName = WithDefaultExtension(FDialogs.SaveFileName(this, options), options.DefaultExt);
    if (fileName.isEmpty())
        return;
    RichEdit1->setPlainText(QString::fromStdString(ChessBrd1->Position()));
    WriteWholeFile(fileName, RichEdit1->toPlainText().toLatin1());
}

void TForm1::OpenGame1Click(QObject*)
{
    const QString fileName = FDialogs.OpenFileName(this, OpenDialog1());
    if (fileName.isEmpty())
        return;
    OpenGameFile(fileName);
}

// Only the squares change: side to move, castling, move number, record, list and clocks stay. Any
// other file (text, a picture, a game file cut short) is refused before the board is touched: its
// bytes would make a board of random pieces or without kings.
void TForm1::OpenGameFile(const QString& fileName)
{
    // One byte more than the longest game file tells a longer file apart without reading it all.
    const std::optional<QByteArray> text = GameFileText(ReadFileStart(fileName, LongestGameFile + 1));
    if (!text)
        throw TFileError(tr("%1 is not a game file: a game file holds the 64 squares of a position, a8 to h1, "
                            "as piece letters and blanks")
                             .arg(QFileInfo(fileName).fileName()));
    if (!MayDiscardGame())
        return;
    const bool reopensFinishedGame = ChessBrd1->GameOver();
    RichEdit1->setPlainText(QString::fromLatin1(*text));
    ChessBrd1->set_PosStr(RichEdit1->toPlainText().toLatin1().toStdString());
    ImportedGame.reset();
    // The clocks stopped with a finished game kept on the board; play goes on from the new placement.
    if (reopensFinishedGame)
        ResumeClocks(0);
    UpdateTakeBack();
}

void TForm1::Save1Click(QObject*)
{
    const QString fileName = FDialogs.SaveFileName(this, SaveDialog1());
    if (fileName.isEmpty())
        return;
    QByteArray bytes;
    for (const QString& line : MoveListLines())
        bytes += line.toLatin1() + "\r\n";
    WriteWholeFile(fileName, bytes);
}
