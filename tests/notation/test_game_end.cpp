// How games end: what makes two positions the same for a threefold repetition.

#include "tests/notation/notation_test_support.h"

namespace notation::test {
namespace {

    // The number of half-moves after which the game first ends by repetition, 0 if it never does.
    std::size_t FirstRepetition(const Position& start, std::initializer_list<const char*> sans)
    {
        const Game game = GameOf(start, sans);
        Game played = game;
        played.Moves.clear();
        for (const Move move : game.Moves) {
            played.Moves.push_back(move);
            if (EndOfGame(played) == GameEnd::Repetition)
                return played.Moves.size();
        }
        return 0;
    }

    TEST(GameEnd, RepetitionNeedsTheSameRightsAndEnPassantCaptures)
    {
        const auto knightsOut = { "d5", "Nf3", "Nf6", "Ng1", "Ng8", "Nf3", "Nf6", "Ng1", "Ng8", "Nf3" };
        const struct {
            const char* What;
            Position Start;
            std::initializer_list<const char*> Moves;
            std::size_t Ends;
        } cases[] = {
            // The placement after 1...e5 comes back after 3...Ke8 and 5...Ke8, but without castling rights;
            // the position after 2...Ke7 stands for the third time after 6...Ke7.
            { "king walk", StartPosition(),
                { "e4", "e5", "Ke2", "Ke7", "Ke1", "Ke8", "Ke2", "Ke7", "Ke1", "Ke8", "Ke2", "Ke7" }, 12 },
            // After ...d5 exd6 is legal: that position never comes back, the one after Nf3 does.
            { "en passant legal", ReadFen("4k1n1/3p4/8/4P3/8/8/8/4K1N1 b - - 0 1"), knightsOut, 10 },
            // The en passant square after ...d5 has no capture: the position stands again after the 4th knight move.
            { "pawn pinned", ReadFen("k3r1n1/3p4/8/4P3/8/8/8/4K1N1 b - - 0 1"), knightsOut, 9 },
            { "no pawn beside", ReadFen("4k1n1/3p4/8/8/8/8/4P3/4K1N1 b - - 0 1"), knightsOut, 9 },
        };
        for (const auto& c : cases)
            EXPECT_EQ(FirstRepetition(c.Start, c.Moves), c.Ends) << c.What;
    }

    TEST(GameEnd, TheFurtherDrawRulesCountOnlyInGamesPlayedByThem)
    {
        const struct {
            const char* Fen;
            bool MoreDrawRules;
            bool Claimed;
            GameEnd End;
            const char* Result;
        } cases[] = {
            { "4k3/8/8/8/8/8/8/3NK3 w - - 0 1", false, false, GameEnd::None, "*" },
            { "4k3/8/8/8/8/8/8/3NK3 w - - 0 1", true, false, GameEnd::DeadPosition, "1/2-1/2" },
            { "4k1n1/8/8/8/8/8/8/4K1N1 w - - 149 90", true, false, GameEnd::None, "*" },
            { "4k1n1/8/8/8/8/8/8/4K1N1 w - - 150 90", false, true, GameEnd::None, "*" },
            { "4k1n1/8/8/8/8/8/8/4K1N1 w - - 150 90", true, false, GameEnd::SeventyFiveMoves, "1/2-1/2" },
            { "4k1n1/8/8/8/8/8/8/4K1N1 w - - 99 90", true, true, GameEnd::None, "*" },
            { "4k1n1/8/8/8/8/8/8/4K1N1 w - - 100 90", true, true, GameEnd::FiftyMovesClaimed, "1/2-1/2" },
        };
        for (const auto& c : cases) {
            Game game;
            game.Start = ReadFen(c.Fen);
            game.MoreDrawRules = c.MoreDrawRules;
            game.FiftyMoveDrawClaimed = c.Claimed;
            EXPECT_EQ(EndOfGame(game), c.End) << c.Fen;
            EXPECT_EQ(ResultOf(game), c.Result) << c.Fen;
        }
    }

} // namespace
} // namespace notation::test
