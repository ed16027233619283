// MoveRules plays on from move to move without loading its engine afresh each time and lists or
// tests moves only as they are asked for. Each position it reaches must be the one a fresh load of
// that position gives, with the same legal moves, and SAN must find each of them there.

#include "notation/move_rules.h"
#include "notation/san.h"
#include "tests/notation/notation_test_support.h"

#include <algorithm>
#include <random>

namespace notation::test {
namespace {

    TEST(MoveRules, PlayingOnAgreesWithAFreshLoadInLongRandomGames)
    {
        std::mt19937 random(7);
        int castles = 0, enPassants = 0, promotions = 0;
        for (int game = 0; game < 12; ++game) {
            MoveRules playing;
            for (int ply = 0; ply < 200; ++ply) {
                const MoveRules fresh(playing.Current());
                const std::vector<LegalMove>& legal = fresh.Legal();
                if (legal.empty()) {
                    EXPECT_FALSE(playing.HasLegalMove());
                    break;
                }
                // Castling, en passant and promotions change more than two squares or the piece: they
                // are played whenever they come up.
                const auto special = [&](const LegalMove& move) {
                    return move.Castle || move.Move.Promotion != 0
                        || (move.Capture && fresh.Current().Squares[move.Move.To - 1] == ' ');
                };
                const auto first = std::find_if(legal.begin(), legal.end(), special);
                const Move chosen = first != legal.end() ? first->Move : legal[random() % legal.size()].Move;
                // Every third move is made without asking anything of the position first.
                if (ply % 3 == 2) {
                    playing.Play(chosen);
                    continue;
                }
                ASSERT_EQ(WriteFen(playing.Current()), WriteFen(fresh.Current()));
                ASSERT_EQ(playing.InCheck(), fresh.InCheck());
                ASSERT_EQ(playing.Legal().size(), legal.size()) << WriteFen(fresh.Current());
                for (const LegalMove& move : legal) {
                    ASSERT_EQ(ParseSan(playing, MoveToSan(fresh.Current(), move.Move)), move.Move)
                        << WriteFen(fresh.Current());
                    castles += move.Castle;
                    enPassants += move.Capture && fresh.Current().Squares[move.Move.To - 1] == ' ';
                    promotions += move.Move.Promotion != 0;
                }
                ASSERT_NE(playing.Find(chosen), nullptr);
                playing.Play(chosen);
            }
        }
        // The games went through the moves that change more than two squares or the piece.
        EXPECT_GT(castles, 0);
        EXPECT_GT(enPassants, 0);
        EXPECT_GT(promotions, 0);
    }

} // namespace
} // namespace notation::test
