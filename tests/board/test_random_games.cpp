// Seeded random play through Move, checking the invariants that every game must keep.

#include "tests/board/board_test_support.h"

#include <random>

namespace {

std::string Squares64(TChessBoard& board)
{
    std::string squares;
    for (int i = 1; i <= 64; ++i)
        squares.push_back(board.PieceAt(SquareAt(i)));
    return squares;
}

// Every recorded position can be revisited, shows what was recorded, and leads back to the end.
void CheckRecord(TChessBoard& board, int halfMoves)
{
    const int endMove = board.CurrentMove();
    const bool endWhite = board.WhiteToMove();
    const std::string endPosition = board.Position();
    ASSERT_EQ(board.GetMoveList().size(), static_cast<std::size_t>(halfMoves));
    for (int m = 1; m <= endMove; ++m) {
        for (bool white : { true, false }) {
            if (m == endMove && white == false && endWhite)
                break;
            ASSERT_TRUE(board.GotoMove(m, white)) << m << white;
            const MoveInfo entry = board.GetMove(m, white);
            ASSERT_EQ(board.Position(), std::string(entry.PosStr + 1));
            ASSERT_EQ(board.CastlingAllowed(), entry.Castling);
            ASSERT_EQ(board.EnPassant(), entry.EnPassant);
        }
    }
    ASSERT_TRUE(board.GotoMove(endMove, endWhite));
    ASSERT_EQ(board.Position(), endPosition);
}

TEST(RandomGames, ThousandsOfRandomHalfMovesKeepTheBoardConsistent)
{
    std::mt19937 random(20261208);
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    int games = 0;
    int totalHalfMoves = 0;
    bool ended = false;
    board.OnMate = board.OnStaleMate = [&](QObject*, Square, Square) { ended = true; };
    board.OnOnlyTwoKingsLeft = board.OnThreefoldPosition = [&](QObject*) { ended = true; };

    while (totalHalfMoves < 4000) {
        board.NewGame();
        ++games;
        ended = false;
        int halfMoves = 0;
        while (!ended && halfMoves < 300) {
            const auto moves = LegalMoves(board);
            if (moves.empty())
                break;
            const auto [from, to] = moves[random() % moves.size()];
            const bool whiteMoved = board.WhiteToMove();
            ASSERT_TRUE(board.Move(from, to));
            ++halfMoves;
            ASSERT_EQ(board.Position(), Squares64(board));
            ASSERT_EQ(board.WhiteToMove(), !whiteMoved);
            ASSERT_EQ(board.CurrentMove(), 1 + halfMoves / 2);
            // The position after a move never holds a pawn on its last rank.
            for (int i = 1; i <= 8; ++i) {
                ASSERT_NE(board.PieceAt(SquareAt(i)), 'P');
                ASSERT_NE(board.PieceAt(SquareAt(56 + i)), 'p');
            }
        }
        totalHalfMoves += halfMoves;
        CheckRecord(board, halfMoves);
    }
    EXPECT_GT(games, 5);
}

} // namespace
