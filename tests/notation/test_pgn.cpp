// PGN: export byte for byte, import of what real files hold, errors with their place.

#include "tests/notation/notation_test_support.h"

namespace notation::test {
namespace {

    // The message of ReadPgn's refusal, or "accepted".
    std::string PgnRefusal(const std::string& text)
    {
        try {
            ReadPgn(text);
        } catch (const NotationError& error) {
            return error.what();
        }
        return "accepted";
    }

    TEST(Pgn, ExportsAPlayedGameByteForByte)
    {
        Game game = GameOf(StartPosition(),
            { "e4", "e5", "Nf3", "d6", "d4", "Bg4", "dxe5", "Bxf3", "Qxf3", "dxe5", "Bc4", "Nf6", "Qb3", "Qe7", "Nc3",
                "c6", "Bg5", "b5", "Nxb5", "cxb5", "Bxb5+", "Nbd7", "O-O-O", "Rd8", "Rxd7", "Rxd7", "Rd1", "Qe6",
                "Bxd7+", "Nxd7", "Qb8+", "Nxb8", "Rd8#" });
        const Game header = CasualGame(PgnDate(2024, 3, 9), PlayerName(false, 3), PlayerName(true, 3));
        game.Tags = header.Tags;
        EXPECT_EQ(WritePgn(game),
            "[Event \"Casual game\"]\n"
            "[Site \"?\"]\n"
            "[Date \"2024.03.09\"]\n"
            "[Round \"-\"]\n"
            "[White \"Human\"]\n"
            "[Black \"Zugwerk! 2.0 (depth 3)\"]\n"
            "[Result \"1-0\"]\n"
            "\n"
            "1. e4 e5 2. Nf3 d6 3. d4 Bg4 4. dxe5 Bxf3 5. Qxf3 dxe5 6. Bc4 Nf6 7. Qb3 Qe7 8.\n"
            "Nc3 c6 9. Bg5 b5 10. Nxb5 cxb5 11. Bxb5+ Nbd7 12. O-O-O Rd8 13. Rxd7 Rxd7 14.\n"
            "Rd1 Qe6 15. Bxd7+ Nxd7 16. Qb8+ Nxb8 17. Rd8# {Checkmate} 1-0\n");
        EXPECT_EQ(EndOfGame(game), GameEnd::Mate);

        // A running game, a date only partly known.
        game.Moves.resize(4);
        const std::string running = WritePgn(game);
        EXPECT_NE(running.find("[Result \"*\"]"), std::string::npos);
        EXPECT_TRUE(running.ends_with("\n1. e4 e5 2. Nf3 d6 *\n"));
        EXPECT_EQ(PgnDate(2024, 0, 40), "2024.??.??");
    }

    // Four games: a BOM, CR LF line ends, escaped quotes, comments of both kinds, nested variations with a
    // comment holding a parenthesis, NAGs and marks, "0-0", a "%" line; a FEN start with Black to move
    // and moves written loosely; a game without tags; a last game without a result token.
    constexpr const char* FourGames
        = "\xEF\xBB\xBF[Event \"Club \\\"Open\\\" \\\\ 2024\"]\r\n"
          "[White \"Anna\"]\r\n"
          "[Result \"1-0\"]\r\n"
          "\r\n"
          "1. e4 {best by test} e5 2. Nf3 $1 Nc6 (2... d6 3. d4 {has ) inside} (3. Bc4))\r\n"
          "3. Bb5 a6!? ; the rest of the line\r\n"
          "%an escaped line 1. d4\r\n"
          "4. Ba4 Nf6 5. 0-0 Be7 6. Re1 b5 7. Bb3 d6 8. c3 0-0 1-0\r\n"
          "\r\n"
          "[Event \"Study\"]\n"
          "[SetUp \"1\"]\n"
          "[FEN \"4k3/8/8/8/8/8/p7/4K3 b - - 0 12\"]\n"
          "[Annotator \"me\"]\n"
          "\n"
          "12...a1Q 13.Ke2 Qb2 *\n"
          "\n"
          "1. d4 d5 *\n"
          "[Event \"last\"]\n"
          "1. c4";

    TEST(Pgn, ImportsWhatRealFilesHold)
    {
        const std::vector<Game> games = ReadPgn(FourGames);
        ASSERT_EQ(games.size(), 4u);

        EXPECT_EQ(games[0].TagValue("Event"), "Club \"Open\" \\ 2024");
        EXPECT_EQ(games[0].Result, "1-0");
        EXPECT_EQ(
            WriteFen(Replay(games[0]).back()), "r1bq1rk1/2p1bppp/p1np1n2/1p2p3/4P3/1BP2N2/PP1P1PPP/RNBQR1K1 w - - 1 9");

        EXPECT_EQ(WriteFen(Replay(games[1]).back()), "4k3/8/8/8/8/8/1q2K3/8 w - - 2 14");
        EXPECT_EQ(WritePgn(games[1]),
            "[Event \"Study\"]\n"
            "[Site \"?\"]\n"
            "[Date \"????.??.??\"]\n"
            "[Round \"?\"]\n"
            "[White \"?\"]\n"
            "[Black \"?\"]\n"
            "[Result \"*\"]\n"
            "[SetUp \"1\"]\n"
            "[FEN \"4k3/8/8/8/8/8/p7/4K3 b - - 0 12\"]\n"
            "[Annotator \"me\"]\n"
            "\n"
            "12... a1=Q+ 13. Ke2 Qb2+ *\n");

        EXPECT_TRUE(games[2].Tags.empty());
        EXPECT_EQ(games[2].Moves.size(), 2u);
        EXPECT_EQ(games[3].TagValue("Event"), "last");
        EXPECT_EQ(games[3].Moves, std::vector<Move> { Coord("c2c4") });
        EXPECT_EQ(games[3].Result, "*");

        EXPECT_TRUE(ReadPgn("").empty());
        EXPECT_TRUE(ReadPgn("\xEF\xBB\xBF  {just a comment}\n").empty());
    }

    TEST(Pgn, NamesGameLineColumnAndTextOfEveryError)
    {
        const struct {
            const char* Text;
            const char* Message;
        } cases[] = {
            { "[Event \"a\"]\n\n1. e4 e5 *\n\n[Event \"b\"]\n\n1. e4 e5 2. Ke3 *\n",
                "Game 2, line 7, column 13 (move 2, White): \"Ke3\" is not a legal move" },
            { "1. Nf3 d5 2. d3 Nf6 3. Nd2 *",
                "Game 1, line 1, column 24 (move 3, White): \"Nd2\" is ambiguous: Nbd2 or Nfd2" },
            { "1. e4 e5\r\n2. Qxf7 *\r\n", "Game 1, line 2, column 4 (move 2, White): \"Qxf7\" is not a legal move" },
            { "\xEF\xBB\xBF{\xC3\xA4rger} e5", "Game 1, line 1, column 9 (move 1, White): \"e5\" is not a legal move" },
            { "1. e4 {never closed\n", "Game 1, line 1, column 7: comment not closed with \"}\": \"{never closed\"" },
            { "1. e4 (1. d4 e5\n", "Game 1, line 1, column 7: variation not closed with \")\": \"(1. d4 e5\"" },
            { "1. e4 e5 ) *", "Game 1, line 1, column 10: unexpected character \")\"" },
            { "[Event \"open\n1. e4 *",
                "Game 1, line 1, column 1: tag value not closed with a double quote: \"[Event \"open\"" },
            { "*\n[SetUp \"1\"]\n[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n\n*\n",
                "Game 2, line 3, column 1: invalid FEN: White must have exactly one king, not 0" },
            { "[SetUp \"1\"]\n1. e4", "Game 1, line 1, column 1: SetUp tag \"1\" without a FEN tag" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(PgnRefusal(c.Text), c.Message) << c.Text;
    }

    // Good games around damage of every kind: an illegal move, text that is no game, a tag not closed,
    // a comment not closed that runs over the next games, and a last game cut off.
    TEST(Pgn, ReadsGameByGamePastDamagedOnes)
    {
        const std::string text = "[Event \"one\"]\n[White \"Anna\"]\n[Black \"Bert\"]\n\n1. e4 e5 2. Nf3 Nc6 1-0\n\n"
                                 "this is no game\n\n"
                                 "[Event \"two\"]\n[White \"Carl\"]\n[Black \"Dora\"]\n\n1. d4 d5 2. Ke3 Nf6 *\n\n"
                                 "[Event \"four\"]\n[White \"Emil\n[Black \"Fritz\"]\n\n1. c4 *\n\n"
                                 "[Event \"five\"]\n\n1. e4 {never closed\n\n"
                                 "[Event \"six\"]\n\n1. Nf3 d5 *\n\n"
                                 "[Event \"seven\"]\n[White \"Gina\"]\n[Black \"Hans\"]\n\n1. e4 e5 2. Nf3 {trunc";
        const struct {
            const char* Event;
            const char* White;
            std::size_t Moves;
            const char* Error;
        } expected[] = {
            { "one", "Anna", 4, "" },
            { "", "", 0, "Game 2, line 7, column 1 (move 1, White): \"this\" is not a move" },
            { "two", "Carl", 0, "Game 3, line 13, column 13 (move 2, White): \"Ke3\" is not a legal move" },
            { "four", "", 0, "Game 4, line 16, column 1: tag value not closed with a double quote: \"[White \"Emil\"" },
            { "five", "", 0, "Game 5, line 23, column 7: comment not closed with \"}\": \"{never closed\"" },
            { "six", "", 2, "" },
            { "seven", "Gina", 0, "Game 7, line 33, column 17: comment not closed with \"}\": \"{trunc\"" },
        };
        const std::vector<PgnGameRead> games = ReadPgnGames(text);
        ASSERT_EQ(games.size(), std::size(expected));
        for (std::size_t i = 0; i < games.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const PgnGameRead& game = games[i];
            EXPECT_EQ(game.Read.TagValue("Event"), expected[i].Event);
            EXPECT_EQ(game.Read.TagValue("White"), expected[i].White);
            EXPECT_EQ(game.Read.Moves.size(), expected[i].Moves);
            EXPECT_EQ(game.Error ? game.Error->what() : std::string(), expected[i].Error);
        }
        EXPECT_EQ(games[0].Read.Result, "1-0");
        EXPECT_EQ(games[6].Error->Game(), 7);
        EXPECT_EQ(games[6].Error->Line(), 33);
        EXPECT_EQ(games[6].Error->Column(), 17);

        // The strict reader stops at the first damage with the same message.
        EXPECT_EQ(PgnRefusal(text), expected[1].Error);
        EXPECT_TRUE(ReadPgnGames("").empty());
        EXPECT_TRUE(ReadPgnGames("\xEF\xBB\xBF  {just a comment}\n").empty());
    }

    // What cannot show is escaped, printable UTF-8 stays, a long text is cut; Text() keeps the bytes.
    TEST(Pgn, QuotesFailingTextVisiblyAndShort)
    {
        std::string longToken = "a";
        for (int i = 0; i < 50000; ++i)
            longToken += "\xC3\xA4"; // two bytes each: the cut must not split one
        const struct {
            std::string Text;
            std::string Message;
        } cases[] = {
            { "1. N\xFF\xFE"
              "f3 *",
                R"(Game 1, line 1, column 4 (move 1, White): "N\xFF\xFEf3" is not a move)" },
            { "1. e4\x01\x7F\xC2\x85 *",
                R"(Game 1, line 1, column 4 (move 1, White): "e4\x01\x7F\xC2\x85" is not a move)" },
            { "1. e4\xC3", R"(Game 1, line 1, column 4 (move 1, White): "e4\xC3" is not a move)" },
            { "1. \x80\x80 *", R"(Game 1, line 1, column 4: unexpected character "\x80")" },
            { "[White \"M\xC3\xBCller\n",
                "Game 1, line 1, column 1: tag value not closed with a double quote: \"[White \"M\xC3\xBCller\"" },
            { "1. e4 " + longToken,
                "Game 1, line 1, column 7 (move 1, Black): \"a" + longToken.substr(1, 78)
                    + "...\" (100001 bytes) is not a move" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(PgnRefusal(c.Text), c.Message);
        try {
            ReadFen("4k3/8/8/8/8/8/8/4K2\xFF w - - 0 1");
            ADD_FAILURE() << "accepted";
        } catch (const NotationError& error) {
            EXPECT_STREQ(error.what(), R"(invalid FEN: unexpected character '\xFF' in the piece placement)");
            EXPECT_EQ(error.Text(), "4k3/8/8/8/8/8/8/4K2\xFF w - - 0 1");
        }
    }

    // Mutated files and positions get a NotationError or are read; nothing else may happen (ASan and
    // UBSan watch the reads in the sanitizer build). Both PGN readers agree on the first damage.
    TEST(Pgn, DamagedTextIsRefusedOrRead)
    {
        std::mt19937 random(7);
        const std::string pieces = "[]{}()\";$%.!?\\\r\nx=+#-/0123456789abcdefghKQRBNPO *\xC3\xA4\xEF\xBB\xBF";
        const std::string originals[] = { FourGames, "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1" };
        for (int round = 0; round < 2000; ++round) {
            std::string text = originals[round % 2];
            for (int edit = random() % 4; edit >= 0 && !text.empty(); --edit) {
                const std::size_t at = random() % text.size();
                const char piece = pieces[random() % pieces.size()];
                switch (random() % 3) {
                case 0: text[at] = piece; break;
                case 1: text.insert(text.begin() + at, piece); break;
                default: text.erase(at, 1 + random() % 8); break;
                }
            }
            if (round % 2) {
                try {
                    WriteFen(ReadFen(text));
                } catch (const NotationError&) {
                }
                continue;
            }
            // The strict reader stops at the first damage that the reader game by game gives back.
            const std::vector<PgnGameRead> games = ReadPgnGames(text);
            const auto damaged = std::find_if(
                games.begin(), games.end(), [](const PgnGameRead& game) { return game.Error.has_value(); });
            for (const PgnGameRead& game : games)
                if (!game.Error)
                    WritePgn(game.Read);
            try {
                ReadPgn(text);
                EXPECT_EQ(damaged, games.end()) << text;
            } catch (const NotationError& error) {
                ASSERT_NE(damaged, games.end()) << text;
                EXPECT_STREQ(error.what(), damaged->Error->what());
            }
        }
    }

} // namespace
} // namespace notation::test
