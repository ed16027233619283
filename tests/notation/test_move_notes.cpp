// Move notes in PGN: marks and "[%eval ...]" comments written and read back, and the forms read.

#include "tests/notation/notation_test_support.h"

namespace notation::test {
namespace {

    MoveNote Note(std::string mark, std::optional<Evaluation> eval = std::nullopt) { return { std::move(mark), eval }; }
    Evaluation Pawns(int centipawns) { return { centipawns, std::nullopt }; }
    Evaluation Mate(int moves) { return { 0, moves }; }

    TEST(MoveNotes, AnnotatedGameIsWrittenAndReadBack)
    {
        Game game = GameOf(StartPosition(),
            { "e4", "e5", "Nf3", "Nc6", "Bc4", "Nd4", "Nxe5", "Qg5", "Nxf7", "Qxg2", "Rf1", "Qxe4+", "Be2", "Nf3#" });
        game.Notes = { Note("", Pawns(23)), Note(""), Note("!", Pawns(5)), Note("!?", Mate(5)), Note("", Pawns(0)),
            Note("?!", Pawns(-5)), Note("??", Pawns(-1250)), Note("!!", Mate(-4)), Note("?", Mate(-3)),
            Note("", Mate(-3)), Note(""), Note("!", Mate(-1)), Note("??", Mate(-1)), Note("!!") };
        const std::string text = WritePgn(game);
        EXPECT_EQ(text.substr(text.find("\n\n") + 2),
            "1. e4 {[%eval 0.23]} e5 2. Nf3! {[%eval 0.05]} Nc6!? {[%eval #5]} 3. Bc4\n"
            "{[%eval 0.00]} Nd4?! {[%eval -0.05]} 4. Nxe5?? {[%eval -12.50]} Qg5!!\n"
            "{[%eval #-4]} 5. Nxf7? {[%eval #-3]} Qxg2 {[%eval #-3]} 6. Rf1 Qxe4+!\n"
            "{[%eval #-1]} 7. Be2?? {[%eval #-1]} Nf3#!! {Checkmate} 0-1\n");

        const std::vector<Game> read = ReadPgn(text);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].Moves, game.Moves);
        EXPECT_EQ(read[0].Notes, game.Notes);

        // Notes the movetext cannot carry are refused, not written as a file that no reader takes.
        Game badMark = game;
        badMark.Notes[2].Mark = "!!!";
        EXPECT_THROW(WritePgn(badMark), NotationError);
        Game tooFew = game;
        tooFew.Notes.pop_back();
        EXPECT_THROW(WritePgn(tooFew), NotationError);
    }

    TEST(MoveNotes, MarksGlyphsAndEvaluationsAreReadFromWhatFollowsAMove)
    {
        const struct {
            const char* AfterFirstMove; // between "1. e4" and "e5 *"
            std::vector<MoveNote> Notes; // empty: the game has none
        } cases[] = {
            { "{[%eval 0.23]}", { Note("", Pawns(23)), {} } },
            { "{[%eval -1.5]}", { Note("", Pawns(-150)), {} } },
            { "{[%eval +3]}", { Note("", Pawns(300)), {} } },
            { "{[%eval -.235]}", { Note("", Pawns(-24)), {} } },
            { "{[%eval 0.23,18]}", { Note("", Pawns(23)), {} } },
            { "{[%eval  #3 ]}", { Note("", Mate(3)), {} } },
            { "{[%eval #-2,30]}", { Note("", Mate(-2)), {} } },
            { "{good [%eval 1.00] [%clk 0:01:00]}", { Note("", Pawns(100)), {} } },
            { "{[%clk 0:01:00][%eval -0.50]}", { Note("", Pawns(-50)), {} } },
            { "{[%eval x]} {[%eval 0.40]} {[%eval 0.90]}", { Note("", Pawns(40)), {} } },
            { "; [%eval 0.70]\n", { Note("", Pawns(70)), {} } },
            { "! {[%eval 0.30]}", { Note("!", Pawns(30)), {} } },
            { "!?", { Note("!?"), {} } },
            { "$1", { Note("!"), {} } },
            { "$4", { Note("??"), {} } },
            { "$6 $2", { Note("?!"), {} } },
            // Not notes: malformed commands, other glyphs and marks, a variation's comments.
            { "{[%eval]} {[%eval abc]} {[%eval 1.2.3]} {[%eval #]} {[%eval 0.5,]}", {} },
            { "{[%evaluation 1.0]} {[%eval 1e5]} {[%eval 12345678]} {[%eval 0.3} {eval 0.3}", {} },
            { "$7 $10 $ !!! ?!?", {} },
            { "(1. d4 {[%eval 9.99]} $1) {text}", {} },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.AfterFirstMove);
            const std::vector<Game> games = ReadPgn(std::string("1. e4 ") + c.AfterFirstMove + " e5 *");
            ASSERT_EQ(games.size(), 1u);
            EXPECT_EQ(games[0].Moves.size(), 2u);
            EXPECT_EQ(games[0].Notes, c.Notes);
        }
        // A comment before the first move notes nothing.
        EXPECT_TRUE(ReadPgn("{[%eval 0.50]} 1. e4 *")[0].Notes.empty());
    }

} // namespace
} // namespace notation::test
