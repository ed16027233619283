// A match between two computer players: colours, the score and the games written as PGN.

#include "app/match.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TPlayerChoice Stockfish()
{
    TPlayerChoice choice;
    choice.Kind = TPlayerChoice::TKind::Engine;
    choice.EngineName = QStringLiteral("Stockfish");
    return choice;
}

notation::Game GameOf(std::initializer_list<const char*> sans, const char* result)
{
    notation::Game game;
    notation::Position position = game.Start;
    for (const char* san : sans) {
        game.Moves.push_back(notation::SanToMove(position, san));
        position = notation::PositionAfter(position, game.Moves.back());
    }
    game.Result = result;
    return game;
}

// Black mates; the game's own result is left open, as a board's recorded game has it.
notation::Game FoolsMate() { return GameOf({ "f3", "e5", "g4", "Qh4#" }, "*"); }

TMatch BeginnerAgainstStockfish(int games)
{
    return TMatch(TPlayerChoice::BuiltIn("Beginner"), Stockfish(), games, { 1, 0 });
}

} // namespace

TEST(Match, ColoursAlternateAndEachResultCreditsTheWinningColour)
{
    TMatch match = BeginnerAgainstStockfish(4);
    const struct {
        notation::Game Played;
        const char* FirstAfter; // the first player's score after the game
        const char* SecondAfter;
    } games[] = {
        { GameOf({}, "1/2-1/2"), "½", "½" },
        { GameOf({ "e4" }, "0-1"), "1½", "½" }, // the first player has Black
        { FoolsMate(), "1½", "1½" }, // the first player has White and is mated
        { GameOf({}, "1-0"), "1½", "2½" },
    };
    for (const auto& game : games) {
        const int number = match.CurrentGame();
        SCOPED_TRACE(number);
        const bool firstWhite = number % 2 == 1;
        EXPECT_EQ(match.WhiteOf(number).DisplayName(), firstWhite ? "Zugwerk! Beginner" : "Stockfish");
        const notation::Game& recorded = match.Record(game.Played);
        EXPECT_EQ(recorded.TagValue("White"), match.WhiteOf(number).DisplayName().toStdString());
        EXPECT_EQ(recorded.TagValue("Black"), match.BlackOf(number).DisplayName().toStdString());
        EXPECT_EQ(TMatch::PointsText(match.Score(true)), game.FirstAfter);
        EXPECT_EQ(TMatch::PointsText(match.Score(false)), game.SecondAfter);
        if (number == 2) {
            EXPECT_EQ(match.ScoreText(), "Match: Zugwerk! Beginner 1½ – Stockfish ½ after 2 of 4 games");
        }
    }
    EXPECT_EQ(match.Games()[2].Result, "0-1") << "the rules' result stands for a game left open";
    EXPECT_TRUE(match.Finished());
    EXPECT_THROW(match.Record(GameOf({}, "1-0")), std::logic_error);
    EXPECT_EQ(match.GamesPlayed(), 4);
}

TEST(Match, GamesWithoutResultAndBadSizesAreRefused)
{
    TMatch match = BeginnerAgainstStockfish(2);
    EXPECT_THROW(match.Record(GameOf({ "e4", "e5" }, "*")), std::invalid_argument);
    EXPECT_EQ(match.GamesPlayed(), 0);
    EXPECT_EQ(match.Score(true) + match.Score(false), 0);

    for (const int games : { 0, -1, TGameSetup::MaxMatchGames + 1 })
        EXPECT_THROW(BeginnerAgainstStockfish(games), std::invalid_argument) << games;
    EXPECT_NO_THROW(BeginnerAgainstStockfish(1));
    EXPECT_NO_THROW(BeginnerAgainstStockfish(TGameSetup::MaxMatchGames));
    EXPECT_THROW(TMatch(Stockfish(), Stockfish(), 2, { 0, 0 }), std::invalid_argument);
}

TEST(Match, PgnOfAllGamesReadsBackWithRoundsAndPlayers)
{
    TMatch match = BeginnerAgainstStockfish(2);
    match.Record(FoolsMate());
    match.Record(GameOf({ "d4", "d5", "c4" }, "1/2-1/2"));
    const std::vector<notation::Game> read = notation::ReadPgn(match.Pgn());
    ASSERT_EQ(read.size(), 2u);
    for (std::size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read[i].TagValue("Round"), std::to_string(i + 1));
        EXPECT_EQ(read[i].TagValue("Event"), "Zugwerk! match");
        EXPECT_EQ(read[i].TagValue("TimeControl"), "60+0");
        EXPECT_EQ(read[i].Moves, match.Games()[i].Moves);
        EXPECT_EQ(read[i].Result, match.Games()[i].Result);
    }
    EXPECT_EQ(read[0].TagValue("White"), "Zugwerk! Beginner");
    EXPECT_EQ(read[0].TagValue("Black"), "Stockfish");
    EXPECT_EQ(read[1].TagValue("White"), "Stockfish");
    EXPECT_EQ(read[1].TagValue("Black"), "Zugwerk! Beginner");
}
