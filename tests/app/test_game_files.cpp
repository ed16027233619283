// Game files and the move-list file: what is written byte for byte, what opening any file does to
// the board, and that a failed save or open reaches the error box and changes nothing.

#include "tests/app/app_test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class GameFiles : public WindowTest {
protected:
    QTemporaryDir folder;

    QString Path(const QString& name) const { return folder.filePath(name); }

    // Runs a menu command as the event loop does, so that what it throws reaches the error box.
    void Run(QAction* command, const QString& fileName)
    {
        dialogs.FileNames.push_back(fileName);
        QMetaObject::invokeMethod(command, &QAction::trigger, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }
};

QByteArray Contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(GameFiles, SaveGameWritesThe64SquareLettersAndAddsTheExtension)
{
    Write(Path("old.zgw"), QByteArray(200, 'x'));
    const struct {
        QString typed;
        QString written;
    } names[] = { { "start", "start.zgw" }, { "old.zgw", "old.zgw" }, { "plain.txt", "plain.txt" } };
    for (const auto& name : names) {
        Run(form->SaveGame1, Path(name.typed));
        EXPECT_EQ(Contents(Path(name.written)), QByteArray(StartPosition)) << name.typed.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("start"))) << "the typed name without the extension";
    EXPECT_TRUE(dialogs.Boxes.empty()) << "an existing file is replaced without a question";
    EXPECT_EQ(dialogs.FileDialogs.front().Title, "Save Game");
    EXPECT_EQ(dialogs.FileDialogs.front().Filter, "Zugwerk! Game (*.zgw)");

    Play(Board(), "e2e4");
    Run(form->SaveGame1, Path("after"));
    EXPECT_EQ(Contents(Path("after.zgw")), QByteArray(Board().Position().c_str()));
    Run(form->SaveGame1, QString()); // cancelled
    EXPECT_EQ(QDir(folder.path()).count(), 2u + 4u);
}

TEST_F(GameFiles, SaveMovesWritesEachLineWithCrLfUnderTheNameAsTyped)
{
    Run(form->Save1, Path("empty"));
    EXPECT_EQ(Contents(Path("empty")), QByteArray());

    Play(Board(), "e2e4 e7e5 g1f3");
    const QStringList lines = ListLines();
    ASSERT_EQ(lines.size(), 3);
    Run(form->Save1, Path("moves"));
    EXPECT_EQ(Contents(Path("moves")), (lines.join("\r\n") + "\r\n").toLatin1());
    EXPECT_EQ(dialogs.FileDialogs.back().Title, "Save Moves");
    EXPECT_EQ(dialogs.FileDialogs.back().Filter, "Plain Text (*.txt)");
    EXPECT_TRUE(dialogs.Boxes.empty());
}

TEST_F(GameFiles, OpenGameTakesGameFilesAndRefusesAnyOtherFile)
{
    const std::string start = StartPosition;
    const std::string midgame = Placement("r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R");
    QByteArray binary(300, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 37);
    QByteArray oneBadLetter(midgame.c_str());
    oneBadLetter[10] = 'x';
    const struct {
        QByteArray file;
        std::string position; // "" when the file is refused
    } cases[] = {
        { QByteArray(midgame.c_str()), midgame },
        { QByteArray(midgame.c_str()) + "\r\n", midgame },
        { QByteArray(midgame.c_str()) + "\n", midgame },
        { "newgame", start },
        { "INIT\n", start },
        { "rnbqkbnrpp", "" },
        { QByteArray(midgame.c_str()) + "trailing text", "" },
        { QByteArray(midgame.c_str()) + "\n\n", "" },
        { oneBadLetter, "" },
        { "", "" },
        { binary, "" },
    };
    Play(Board(), "e2e4 e7e5");
    const QStringList lines = ListLines();
    const QString status = form->StatusText();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.left(20).toStdString());
        dialogs.Clear();
        Board().set_PosStr(start);
        Write(Path("game.zgw"), c.file);
        Run(form->OpenGame1, Path("game.zgw"));
        if (c.position.empty()) {
            ASSERT_EQ(dialogs.Boxes.size(), 1u);
            EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("game.zgw is not a game file"))
                << dialogs.Boxes[0].text.toStdString();
            EXPECT_EQ(Board().Position(), start) << "the board stays as it was";
        } else {
            EXPECT_TRUE(dialogs.Boxes.empty());
            EXPECT_EQ(Board().Position(), c.position);
        }
        EXPECT_TRUE(Board().WhiteToMove()) << "the side to move stays";
        EXPECT_EQ(Board().CurrentMove(), 2);
        EXPECT_EQ(ListLines(), lines);
        EXPECT_EQ(form->StatusText(), status);
    }
    EXPECT_EQ(dialogs.FileDialogs.back().Title, "Open Game");
}

TEST_F(GameFiles, OpenGameReadsOnlyTheStartOfAHugeFile)
{
    QFile huge(Path("huge.zgw"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(QByteArray(StartPosition));
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024)); // sparse: written in no time
    huge.close();
    Run(form->OpenGame1, Path("huge.zgw"));
    ASSERT_EQ(dialogs.Boxes.size(), 1u) << "refused without reading it all";
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("huge.zgw is not a game file"));
}

TEST_F(GameFiles, WhatCannotBeOpenedOrCreatedReachesTheErrorBoxAndChangesNothing)
{
    Write(Path("not a folder"), "x");
    ASSERT_EQ(mkfifo(Path("pipe").toLocal8Bit().constData(), 0600), 0);
    QDir(folder.path()).mkdir("folder");
    Play(Board(), "e2e4");
    const std::string position = Board().Position();
    form->RichEdit1->setPlainText("kept");

    const struct {
        QAction* command;
        QString name;
        QString error;
    } cases[] = {
        { form->OpenGame1, Path("missing.zgw"), "Cannot open file " + Path("missing.zgw") + "." },
        { form->OpenGame1, Path("folder"), "Cannot open file " + Path("folder") + "." },
        { form->OpenGame1, Path("pipe"), "Cannot open file " + Path("pipe") + "." },
        { form->SaveGame1, Path("not a folder/game.zgw"), "Cannot create file " + Path("not a folder/game.zgw") + "." },
        { form->Save1, Path("folder"), "Cannot create file " + Path("folder") + "." },
    };
    for (const auto& c : cases) {
        dialogs.Boxes.clear();
        Run(c.command, c.name);
        ASSERT_EQ(dialogs.Texts(), std::vector<QString> { c.error });
        EXPECT_EQ(dialogs.Boxes[0].caption, "Zugwerk!");
        EXPECT_EQ(Board().Position(), position);
        if (c.command == form->OpenGame1) {
            EXPECT_EQ(form->RichEdit1->toPlainText(), "kept");
        }
    }
}

// A write that fails half-way (here: the file-size limit, which holds for every user) leaves the
// old file whole.
TEST_F(GameFiles, AFailedSaveKeepsTheOldFile)
{
    const QByteArray old("the old game");
    Write(Path("game.zgw"), old);
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    Run(form->SaveGame1, Path("game.zgw"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(dialogs.Texts(), std::vector<QString> { "Failed to Save Stream." });
    EXPECT_EQ(Contents(Path("game.zgw")), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList { "game.zgw" }) << "no temporary file left";
}

} // namespace
