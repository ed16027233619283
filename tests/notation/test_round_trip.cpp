// Round trips over seeded random games: export, import, export again gives the same text.

#include "tests/notation/notation_test_support.h"

#include <map>

namespace notation::test {
namespace {

    TEST(PgnRoundTrip, RandomGamesComeBackUnchanged)
    {
        std::mt19937 random(20240309);
        std::map<GameEnd, int> ends;
        std::string file;
        std::vector<Game> written;
        for (int i = 0; i < 80; ++i) {
            // Every fourth game starts from a position reached by random moves, so from a FEN.
            Position start = StartPosition();
            if (i % 4 == 3) {
                const Game opening = RandomGame(random, start, 5 + i % 7);
                start = Replay(opening).back();
            }
            Game game = RandomGame(random, start, 600);
            game.Tags = CasualGame(PgnDate(2024, 3, 9), "Human", PlayerName(true, i % 10 + 1)).Tags;
            ++ends[EndOfGame(game)];

            const std::string text = WritePgn(game);
            const std::vector<Game> read = ReadPgn(text);
            ASSERT_EQ(read.size(), 1u) << text;
            EXPECT_EQ(read[0].Start, game.Start) << text;
            EXPECT_EQ(read[0].Moves, game.Moves) << text;
            ASSERT_EQ(WritePgn(read[0]), text);

            std::size_t lineStart = 0;
            for (std::size_t end; (end = text.find('\n', lineStart)) != std::string::npos; lineStart = end + 1)
                EXPECT_LT(end - lineStart, 80u) << text.substr(lineStart, end - lineStart);
            file += text + "\n";
            written.push_back(std::move(game));
        }
        for (const GameEnd end : { GameEnd::Mate, GameEnd::Stalemate, GameEnd::OnlyKings, GameEnd::Repetition })
            EXPECT_GT(ends[end], 0) << "no game ended by " << static_cast<int>(end);

        // All of them as one file.
        const std::vector<Game> all = ReadPgn(file);
        ASSERT_EQ(all.size(), written.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            EXPECT_EQ(all[i].Moves, written[i].Moves);
    }

} // namespace
} // namespace notation::test
