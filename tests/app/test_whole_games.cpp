// Whole games and positions in the window: PGN export and import through files and the clipboard,
// FEN copy and paste, the game kept after its end, games the board cuts short, and round trips of
// random games played through the board.

#include "app/game_list_dialog.h"
#include "app/game_transfer.h"
#include "tests/app/app_test_support.h"

#include "tools/random_game.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <set>

namespace {

class WholeGames : public WindowTest {
protected:
    QTemporaryDir folder;

    void SetUp() override
    {
        WindowTest::SetUp();
        form->Today = [] { return QDate(2024, 3, 9); };
    }
    QString Path(const QString& name) const { return folder.filePath(name); }

    // Runs a command as the event loop does, so that what it throws reaches the error box.
    void Run(QAction* command)
    {
        QMetaObject::invokeMethod(command, &QAction::trigger, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }
    void RunWithFile(QAction* command, const QString& fileName)
    {
        dialogs.FileNames.push_back(fileName);
        Run(command);
    }
    void Paste(QAction* command, const std::string& text)
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        Run(command);
    }
    std::string Exported()
    {
        RunWithFile(form->ExportGame1, Path("exported.pgn"));
        QFile file(Path("exported.pgn"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<no file>";
    }
    std::string Clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }
    void Write(const QString& name, const std::string& text)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    // The board's record as moves, compared with a game's.
    std::vector<notation::Move> RecordedMoves() { return RecordedGame(Board()).Moves; }
};

notation::Game GameOf(const std::string& pgn) { return notation::ReadPgn(pgn).at(0); }

const std::string FoolsMate = "[Event \"Casual game\"]\n[Site \"?\"]\n[Date \"2024.03.09\"]\n[Round \"-\"]\n"
                              "[White \"Human\"]\n[Black \"Human\"]\n[Result \"0-1\"]\n\n"
                              "1. f3 e5 2. g4 Qh4# {Checkmate} 0-1\n";

TEST_F(WholeGames, ExportWritesTheGameTheMoveListShowsAndTheFinishedGameStaysAtHand)
{
    EXPECT_FALSE(form->ExportFinishedGame1->isEnabled()) << "no game has ended yet";
    Play(Board(), "f2f3 e7e5 g2g4 d8h4");
    ASSERT_EQ(dialogs.Texts(), std::vector<QString> { "Mate!" });
    ASSERT_EQ(Board().Position(), std::string(StartPosition)) << "the board has started the next game";

    // The list still shows the finished game: that is the game written.
    EXPECT_EQ(Exported(), FoolsMate);
    EXPECT_EQ(form->StatusText(), "Finished game exported to exported.pgn");
    EXPECT_EQ(dialogs.FileDialogs.back().Title, "Export Game");
    EXPECT_EQ(dialogs.FileDialogs.back().Filter, "PGN Game (*.pgn)");
    Run(form->CopyGame1);
    EXPECT_EQ(Clipboard(), FoolsMate);

    // Once the list shows the new game, Export writes that one; the finished one has its own item.
    Run(form->New1);
    const std::string empty = "[Event \"Casual game\"]\n[Site \"?\"]\n[Date \"2024.03.09\"]\n[Round \"-\"]\n"
                              "[White \"Human\"]\n[Black \"Human\"]\n[Result \"*\"]\n\n*\n";
    EXPECT_EQ(Exported(), empty);
    EXPECT_EQ(form->StatusText(), "Game exported to exported.pgn");
    Play(Board(), "e2e4");
    ASSERT_TRUE(form->ExportFinishedGame1->isEnabled());
    RunWithFile(form->ExportFinishedGame1, Path("finished.pgn"));
    QFile finished(Path("finished.pgn"));
    ASSERT_TRUE(finished.open(QIODevice::ReadOnly));
    EXPECT_EQ(finished.readAll().toStdString(), FoolsMate);
    EXPECT_NE(Exported().find("1. e4 *"), std::string::npos);
    EXPECT_TRUE(dialogs.Boxes.size() == 1) << "no box but the mate's";
}

TEST_F(WholeGames, ExportNamesTheComputerWithItsDepth)
{
    Board().set_SearchDepth(5);
    Board().set_ComputerPlaysBlack(true); // White is to move: the computer only waits
    const notation::Game game = form->GameToExport();
    Board().set_ComputerPlaysBlack(false);
    EXPECT_EQ(game.TagValue("White"), "Human");
    EXPECT_EQ(game.TagValue("Black"), "Zugwerk! 2.0 (depth 5)");
}

TEST_F(WholeGames, ImportPicksAGameFromSeveralAndReplaysItThroughTheBoard)
{
    const std::string file = "\xEF\xBB\xBF[Event \"One\"]\r\n[White \"Anna\"]\r\n[Black \"Bert\"]\r\n"
                             "[Date \"2001.02.03\"]\r\n[Result \"1-0\"]\r\n\r\n"
                             "1. e4 {a comment} e5 (1... c5 2. Nf3) 2. Nf3 $1 Nc6 3. Bb5 a6!? ; the Spanish\r\n"
                             "4. Ba4 Nf6 5. O-O 1-0\r\n\r\n"
                             "[Event \"Two\"]\n[White \"Carl\"]\n[Black \"D\xF6rte\"]\n[Result \"1/2-1/2\"]\n"
                             "[SetUp \"1\"]\n[FEN \"4k3/P7/8/8/8/8/8/4K3 w - - 0 60\"]\n\n"
                             "60. a8=N Kd7 61. Nb6+ 1/2-1/2\n";
    Write("two.pgn", file);

    dialogs.GameChoices.push_back(-1); // cancelled: nothing changes
    RunWithFile(form->ImportGame1, Path("two.pgn"));
    ASSERT_EQ(dialogs.GameLists.size(), 1u);
    const QList<TGameListEntry>& list = dialogs.GameLists.front();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].White, "Anna");
    EXPECT_EQ(list[0].Black, "Bert");
    EXPECT_EQ(list[0].Result, "1-0");
    EXPECT_EQ(list[0].Date, "2001.02.03");
    EXPECT_EQ(list[0].Moves, 5);
    EXPECT_EQ(list[1].Moves, 2);
    EXPECT_EQ(list[1].Black, QString::fromUtf8("D\u00F6rte")) << "a Latin-1 name";
    EXPECT_EQ(Board().Position(), std::string(StartPosition));
    EXPECT_TRUE(ListLines().isEmpty());

    dialogs.GameChoices.push_back(0);
    RunWithFile(form->ImportGame1, Path("two.pgn"));
    EXPECT_EQ(RecordedMoves(), GameOf(file).Moves);
    EXPECT_EQ(ListLines().size(), 9);
    EXPECT_EQ(ListLines().back(), "5. E1-G1");
    EXPECT_EQ(form->StatusText(), "Imported: Anna - Bert, 5 moves");
    EXPECT_TRUE(dialogs.Boxes.empty());
    // The game plays on: navigation and the window's events work on it.
    Run(form->Back1);
    EXPECT_TRUE(Board().WhiteToMove());
    Play(Board(), "d2d3");
    EXPECT_EQ(form->StatusText(), "Move 5 : 44");

    // The second game starts from a FEN and under-promotes to a knight; later promotions are queens.
    dialogs.GameChoices.push_back(1);
    RunWithFile(form->ImportGame1, Path("two.pgn"));
    EXPECT_EQ(Board().PieceAt(Square::B6), 'N');
    EXPECT_EQ(Board().CurrentMove(), 61);
    EXPECT_EQ(ListLines().front(), "60. A7-A8");
    EXPECT_EQ(Board().PromotionPiece(), 'q');
    Paste(form->PastePosition1, "8/P3k3/8/8/8/8/8/4K3 w - - 0 1");
    Play(Board(), "a7a8");
    EXPECT_EQ(Board().PieceAt(Square::A8), 'Q');
}

TEST_F(WholeGames, ExportOfAnImportedGameKeepsItsTagsAndResultWhileItsMovesStand)
{
    const std::string text = "[Event \"Club match\"]\n[Site \"Bern\"]\n[Date \"1999.??.??\"]\n[Round \"3\"]\n"
                             "[White \"Anna\"]\n[Black \"Bert\"]\n[Result \"1-0\"]\n[ECO \"C20\"]\n\n"
                             "1. e4 e5 2. Qh5 Nc6 1-0\n";
    Paste(form->PasteGame1, text);
    EXPECT_EQ(Exported(), text);
    Play(Board(), "f1c4");
    EXPECT_EQ(form->GameToExport().Result, "*") << "the game went on";
    EXPECT_EQ(form->GameToExport().TagValue("White"), "Anna");
    Run(form->New1);
    EXPECT_EQ(form->GameToExport().TagValue("White"), "Human");
}

TEST_F(WholeGames, RefusedImportsSayWhereAndChangeNothing)
{
    Play(Board(), "e2e4 e7e5");
    const std::string before = Board().Position();
    const QStringList lines = ListLines();
    const struct {
        std::string text;
        QString message;
    } cases[] = {
        { "1. e4 e5\n2. Ke3 *\n",
            "Cannot import from the clipboard:\nGame 1, line 2, column 4 (move 2, White): "
            "\"Ke3\" is not a legal move." },
        { "[White \"x\"]\n\n1. e4 e5 2. Nc3 Nc6 3. Ne2 *\n",
            "Cannot import from the clipboard:\nGame 1, line 3, column 24 (move 3, White): \"Ne2\" is ambiguous: "
            "Nce2 or Nge2." },
        { "[White \"unclosed\n1. e4 *\n", "" },
        { "  \n", "Cannot import from the clipboard: it holds no game in PGN." },
    };
    for (const auto& c : cases) {
        dialogs.Clear();
        Paste(form->PasteGame1, c.text);
        ASSERT_EQ(dialogs.Boxes.size(), 1u) << c.text;
        EXPECT_EQ(dialogs.Boxes[0].icon, QMessageBox::Critical);
        if (!c.message.isEmpty())
            EXPECT_EQ(dialogs.Boxes[0].text, c.message);
        else
            EXPECT_TRUE(dialogs.Boxes[0].text.contains("line")) << dialogs.Boxes[0].text.toStdString();
        EXPECT_EQ(Board().Position(), before);
        EXPECT_EQ(ListLines(), lines);
    }

    dialogs.Clear();
    Paste(form->PastePosition1, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN w KQkq - 0 1");
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("The clipboard holds no position in FEN:\n"));
    dialogs.Clear();
    RunWithFile(form->ImportGame1, Path("missing.pgn"));
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("Cannot open file"));
    EXPECT_EQ(Board().Position(), before);
}

// A file is read game by game: damaged games are listed with their errors and cannot be picked, the
// good ones around them import; the same text pasted is refused whole.
TEST_F(WholeGames, ADamagedGameInAFileLeavesTheOthersImportable)
{
    const std::string file = "[White \"Anna\"]\n\n1. e4 e5 *\n\n"
                             "[White \"Bert\"]\n\n1. e4 e5 2. Ke3 *\n\n"
                             "[White \"Carl\"]\n\n1. d4 d5 2. c4 *\n\n"
                             "[White \"Dora\"]\n\n1. e4 e";
    Write("db.pgn", file);
    dialogs.GameChoices = { 1, 2 };
    RunWithFile(form->ImportGame1, Path("db.pgn"));
    ASSERT_EQ(dialogs.GameLists.size(), 1u);
    const QList<TGameListEntry>& list = dialogs.GameLists.front();
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[1].White, "Bert");
    EXPECT_TRUE(list[1].Damage.startsWith("Game 2, line 7, column 13")) << list[1].Damage.toStdString();
    EXPECT_EQ(list[3].White, "Dora");
    EXPECT_FALSE(list[3].Damage.isEmpty());
    EXPECT_TRUE(list[0].Damage.isEmpty() && list[2].Damage.isEmpty());
    ASSERT_EQ(dialogs.Boxes.size(), 1u) << "a damaged game picked is refused";
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("This game cannot be imported:\nGame 2, line 7"));
    EXPECT_TRUE(ListLines().isEmpty());

    RunWithFile(form->ImportGame1, Path("db.pgn"));
    EXPECT_EQ(ListLines().size(), 3) << "Carl's game";

    dialogs.Clear();
    Paste(form->PasteGame1, file);
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("Cannot import from the clipboard:\nGame 2, line 7"));
    EXPECT_EQ(ListLines().size(), 3);
    Write("bad.pgn", "1. e4 e5 2. Ke3 *\n");
    dialogs.Clear();
    RunWithFile(form->ImportGame1, Path("bad.pgn"));
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("Cannot import from bad.pgn:\nGame 1, line 1"));
    EXPECT_TRUE(dialogs.GameLists.empty());
}

TEST(GameList, DamagedGamesAreGreyedOutWithTheirErrorAndCannotBePicked)
{
    const QList<TGameListEntry> games { { "Bert", "?", "*", "", 0, "Game 1, line 3: \"Ke3\" is not a legal move" },
        { "Carl", "?", "*", "", 3, "" }, { "Dora", "?", "*", "", 0, "Game 3, line 12: \"e\" is not a move" } };
    TGameListDialog dialog(games);
    EXPECT_EQ(dialog.ChosenGame(), 1) << "the first good game is selected";
    auto* table = dialog.findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->item(0, 3)->text(), "damaged");
    EXPECT_FALSE(table->item(0, 1)->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(table->item(2, 1)->toolTip(), games[2].Damage);
    dialog.show();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(2, 1)).center());
    EXPECT_EQ(dialog.ChosenGame(), 1) << "a click on a damaged game leaves the choice";
    auto* note = dialog.findChild<QLabel*>("DamageNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith("2 games are damaged and cannot be imported:\nGame 1, line 3"));
}

TEST_F(WholeGames, FenCopyAndPasteKeepSideCastlingEnPassantAndCounters)
{
    Play(Board(), "e2e4");
    Run(form->CopyPosition1);
    EXPECT_EQ(Clipboard(), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    Play(Board(), "g8f6 g1f3 f6g8");
    Run(form->CopyPosition1);
    EXPECT_EQ(Clipboard(), "rnbqkbnr/pppppppp/8/8/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 3 3");

    const std::string fen = "r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 7 30";
    Paste(form->PastePosition1, fen);
    EXPECT_FALSE(Board().CastlingAllowed().Contains(CanStillCastle::WhiteQueenSide));
    EXPECT_EQ(Board().EnPassant(), Square::D6);
    EXPECT_EQ(Board().CurrentMove(), 30);
    EXPECT_TRUE(ListLines().isEmpty());
    Run(form->CopyPosition1);
    EXPECT_EQ(Clipboard(), fen);
    Run(form->New1);
    Paste(form->PasteGame1, fen); // a FEN pasted as a game
    Run(form->CopyPosition1);
    EXPECT_EQ(Clipboard(), fen);
    Play(Board(), "e5d6");
    EXPECT_EQ(Board().PieceAt(Square::D5), ' ') << "en passant from the pasted square";

    // The board sets up positions up to move 200 only: a later one starts at move 1, and says so.
    dialogs.Clear();
    Paste(form->PastePosition1, "4k3/8/8/8/8/8/8/4K2R b K - 0 230");
    EXPECT_EQ(Board().CurrentMove(), 1);
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_EQ(
        dialogs.Boxes[0].text, "The game starts at move 230, beyond the board's move 200: here it starts at move 1.");
}

// Games that go on past where this board ends a game are imported up to that point.
TEST_F(WholeGames, ImportStopsWhereTheBoardEndsTheGameAndSaysWhy)
{
    const std::string repeated = "1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 5. e4 *\n";
    Paste(form->PasteGame1, repeated);
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_EQ(dialogs.Boxes[0].text,
        "The game was imported up to move 5 with White to move: the same position stands for the third time, "
        "which ends the game here. The remaining half-move was left out.");
    EXPECT_EQ(RecordedMoves().size(), 8u);
    EXPECT_EQ(form->StatusText(), "Imported: 4 moves, 3-time repetition of position");
    EXPECT_EQ(Board().Position(), std::string(StartPosition)) << "the board keeps the imported game";
    EXPECT_NE(Exported().find("4. Ng1 Ng8 {Threefold repetition} 1/2-1/2\n"), std::string::npos);

    // From move 200 the record has room for 55 more moves.
    std::mt19937 random(7);
    notation::Position start = notation::StartPosition();
    start.FullmoveNumber = 200;
    notation::Game longGame;
    do
        longGame = notation::RandomGame(random, start, 140);
    while (longGame.Moves.size() < 140);
    dialogs.Clear();
    Paste(form->PasteGame1, notation::WritePgn(longGame));
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_EQ(dialogs.Boxes[0].text,
        "The game was imported up to move 255 with Black to move: the game record holds no more moves, which ends "
        "the game here. The remaining 29 half-moves were left out.");
    EXPECT_EQ(RecordedMoves().size(), 111u);
    const notation::Game exported = GameOf(Exported());
    EXPECT_EQ(exported.Moves.size(), 111u);
    EXPECT_EQ(exported.Result, "*");
}

// Random games played through the window's board, ending in each of the board's four ways and
// cut off while running: export, import and export again give the same text.
TEST_F(WholeGames, RoundTripsOfRandomGamesPlayedThroughTheBoard)
{
    std::mt19937 random(20240309);
    std::set<notation::GameEnd> endings;
    int games = 0;
    while (endings.size() < 5 || games < 12) {
        const notation::Game game = notation::RandomGame(random, notation::StartPosition(), 300);
        const notation::GameEnd end = notation::EndOfGame(game);
        const bool running = end == notation::GameEnd::None;
        if (endings.count(end) && games >= 12)
            continue;
        endings.insert(end);
        ++games;
        Run(form->New1);
        // The window leaves promotions to the board's default; the game names its own pieces.
        char promotion = 'q';
        Board().OnPromotion = [&](QObject*, Square, Square, char& piece) { piece = promotion; };
        for (const notation::Move& move : game.Moves) {
            promotion = move.Promotion ? static_cast<char>(std::tolower(move.Promotion)) : 'q';
            ASSERT_TRUE(Board().Move(SquareAt(move.From), SquareAt(move.To)));
        }
        Board().OnPromotion = nullptr;
        if (!running) {
            EXPECT_EQ(Board().Position(), std::string(StartPosition)) << "the board started the next game";
        }

        notation::Game expected = game;
        expected.Tags = notation::CasualGame("2024.03.09", "Human", "Human").Tags;
        const std::string first = Exported();
        EXPECT_EQ(first, notation::WritePgn(expected)) << "game " << games;
        Paste(form->PasteGame1, first);
        EXPECT_EQ(RecordedMoves(), game.Moves);
        EXPECT_EQ(Exported(), first) << "game " << games;
    }
}

// A position written over the board breaks its record: the game exported starts where the record
// forms a legal game again, and a board without kings holds no game at all.
TEST_F(WholeGames, ExportAfterAPositionWasWrittenOverTheBoard)
{
    Play(Board(), "e2e4");
    Board().set_PosStr("rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR"); // e-pawn back home
    Board().set_EnPassant(Square::None);
    Play(Board(), "d7d5");
    const notation::Game game = form->GameToExport();
    EXPECT_EQ(notation::WriteFen(game.Start), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1");
    EXPECT_EQ(game.Moves.size(), 1u);

    Board().set_PosStr(std::string(64, ' '));
    Run(form->ExportGame1);
    ASSERT_EQ(dialogs.Boxes.size(), 1u);
    EXPECT_TRUE(dialogs.Boxes[0].text.startsWith("The position on the board is not a legal chess position"));
    EXPECT_TRUE(dialogs.FileDialogs.empty()) << "refused before a file name is asked for";
}

TEST_F(WholeGames, FilesNamedOnTheCommandLineOpen)
{
    Write("game.pgn", "1. d4 d5 *\n");
    form->OpenFile(Path("game.pgn"));
    EXPECT_EQ(ListLines().size(), 2);
    Write("position.zgw", std::string("rnbqkbnrpppppppp                ") + "    P           PPPP PPPRNBQKBNR");
    form->OpenFile(Path("position.zgw"));
    EXPECT_EQ(Board().PieceAt(Square::E4), 'P');
}

// A game imported from a later move lists its moves from that move on; a click on a line goes to the
// position after that half-move, as in a game that starts at move 1.
TEST_F(WholeGames, MoveListLinesOfAGameFromALaterMoveGoToTheirPositions)
{
    const struct {
        std::string fen;
        std::string moves;
        int row;
        int moveNumber;
        bool whiteToMove;
    } cases[] = {
        { "4k3/8/8/8/8/8/8/R3K3 w Q - 0 60", "60. Ra2 Kd7 61. Ra3 Ke6", 0, 60, false },
        { "4k3/8/8/8/8/8/8/R3K3 w Q - 0 60", "60. Ra2 Kd7 61. Ra3 Ke6", 1, 61, true },
        { "4k3/8/8/8/8/8/8/R3K3 w Q - 0 60", "60. Ra2 Kd7 61. Ra3 Ke6", 2, 61, false },
        { "4k3/8/8/8/8/8/8/R3K3 b Q - 0 60", "60... Kd7 61. Ra2 Ke6", 1, 61, true },
        { "4k3/8/8/8/8/8/8/R3K3 b Q - 0 60", "60... Kd7 61. Ra2 Ke6", 2, 61, false },
    };
    for (const auto& c : cases) {
        Paste(form->PasteGame1, "[SetUp \"1\"]\n[FEN \"" + c.fen + "\"]\n\n" + c.moves + " *\n");
        ASSERT_EQ(ListLines().size(), 4) << c.fen;
        ClickListLine(c.row);
        EXPECT_EQ(Board().CurrentMove(), c.moveNumber) << c.fen << " row " << c.row;
        EXPECT_EQ(Board().WhiteToMove(), c.whiteToMove) << c.fen << " row " << c.row;
    }
}

// Computer against computer, games follow each other at once: Export always writes the game on the
// board, and Export Finished Game the one that ended last.
TEST_F(WholeGames, WhileTheComputerPlaysOnExportWritesTheBoardsGameAndTheFinishedOneStaysKept)
{
    Play(Board(), "f2f3 e7e5 g2g4");
    Board().set_ComputerPlaysWhite(true); // Black is to move: the computer waits
    Play(Board(), "d8h4");
    ASSERT_EQ(dialogs.Texts(), std::vector<QString> { "Mate!" });
    ASSERT_TRUE(WaitFor([&] { return Board().GetMoveList().size() == 1; })) << "the computer opened the new game";
    Board().set_ComputerPlaysWhite(false);
    const std::string exported = Exported();
    EXPECT_EQ(exported.find("Qh4#"), std::string::npos) << exported;
    EXPECT_NE(exported.find("[Result \"*\"]"), std::string::npos) << exported;

    Play(Board(), "e7e5");
    RunWithFile(form->ExportFinishedGame1, Path("finished.pgn"));
    QFile file(Path("finished.pgn"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string finished = file.readAll().toStdString();
    EXPECT_NE(finished.find("[White \"Zugwerk! 2.0 (depth 3)\"]\n"), std::string::npos) << "who played at the end";
    EXPECT_NE(finished.find("\n1. f3 e5 2. g4 Qh4# {Checkmate} 0-1\n"), std::string::npos) << finished;
}

} // namespace
