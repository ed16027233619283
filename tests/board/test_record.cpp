// The game record: stepping back and forth, jumping to a move, replacing the rest of a game, and
// the move list as text.

#include "tests/board/board_test_support.h"

namespace {

using Lines = std::vector<std::string>;
const std::string Black(14, ' ');

TEST(GameRecord, StepsBackAndForwardThroughTheGame)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EXPECT_FALSE(board.MoveBackward());
    EXPECT_FALSE(board.MoveForward());

    Play(board, "e2e4");
    EXPECT_EQ(board.GetMoveList(), Lines { "1. E2-E4" });
    ASSERT_TRUE(board.MoveBackward());
    EXPECT_EQ(board.Position(), std::string(StartPosition));
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.EnPassant(), Square::None);
    EXPECT_FALSE(board.MoveBackward());
    ASSERT_TRUE(board.MoveForward());
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.EnPassant(), Square::E3);
    EXPECT_EQ(board.PieceAt(Square::E4), 'P');
    EXPECT_FALSE(board.MoveForward());
    // Navigation leaves the list alone.
    EXPECT_EQ(board.GetMoveList(), Lines { "1. E2-E4" });
}

TEST(GameRecord, AMoveFromAnEarlierPositionReplacesTheRest)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "e2e4 e7e5 g1f3");
    ASSERT_TRUE(board.MoveBackward());
    ASSERT_TRUE(board.MoveBackward());
    Play(board, "b8c6");
    EXPECT_EQ(board.GetMoveList(), (Lines { "1. E2-E4", Black + "B8-C6" }));
    EXPECT_FALSE(board.GotoMove(2, false));
    EXPECT_STREQ(board.GetMove(2, false).PosStr, "init");
    EXPECT_FALSE(board.MoveForward());
    EXPECT_EQ(board.CurrentMove(), 2);
}

TEST(GameRecord, GotoMoveRestoresRightsAndEnPassant)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "e2e4 e7e5 e1e2 e8e7");
    EXPECT_TRUE(board.CastlingAllowed().IsEmpty());
    ASSERT_TRUE(board.GotoMove(1, true));
    EXPECT_EQ(board.CastlingAllowed(), AllCastlingRights);
    EXPECT_EQ(board.Position(), std::string(StartPosition));
    ASSERT_TRUE(board.GotoMove(2, true));
    EXPECT_EQ(board.EnPassant(), Square::E6);
    ASSERT_TRUE(board.GotoMove(3, true));
    EXPECT_EQ(board.PieceAt(Square::E7), 'k');
    EXPECT_FALSE(board.GotoMove(3, false));
    EXPECT_FALSE(board.GotoMove(0, false));
    EXPECT_FALSE(board.GotoMove(-1, true));
    EXPECT_FALSE(board.GotoMove(1000, true));
    EXPECT_EQ(board.CurrentMove(), 3);
    // Writing the move number has no effect; navigation and moves change it.
    board.set_CurrentMove(1);
    EXPECT_EQ(board.CurrentMove(), 3);
}

TEST(GameRecord, GetMoveCopiesEntriesAndAnswersInitOutside)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "d2d4 g8f6");
    const MoveInfo black = board.GetMove(1, false);
    EXPECT_EQ(black.oldSq, Square::G8);
    EXPECT_EQ(black.newSq, Square::F6);
    EXPECT_EQ(black.EnPassant, Square::D3);
    EXPECT_EQ(black.Castling, AllCastlingRights);
    const MoveInfo outside = board.GetMove(3, true);
    EXPECT_STREQ(outside.PosStr, "init");
    EXPECT_EQ(outside.Castling, AllCastlingRights);
    EXPECT_EQ(outside.oldSq, Square::None);
    EXPECT_EQ(outside.newSq, Square::None);
    EXPECT_EQ(outside.EnPassant, Square::None);
    const MoveInfo current = board.GetMove(2, true);
    EXPECT_EQ(current.oldSq, Square::None);
    EXPECT_EQ(current.PosStr[SquareIndex(Square::F6)], 'n');
}

TEST(GameRecord, MoveListLinesNumberWhiteAndIndentBlack)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "e2e4 e7e5 g1f3 b8c6 f1c4 g8f6 e1g1 f8c5 d2d3 d7d6 c1g5 h7h6 g5h4");
    const Lines list = board.GetMoveList();
    ASSERT_EQ(list.size(), 13u);
    EXPECT_EQ(list[0], "1. E2-E4");
    EXPECT_EQ(list[1], Black + "E7-E5");
    EXPECT_EQ(list[2], "2. G1-F3");
    EXPECT_EQ(list[6], "4. E1-G1");
    EXPECT_EQ(list[12], "7. G5-H4");
    Play(board, "c8g4 b1c3 a7a6 a2a3 b7b5 c4b3");
    EXPECT_EQ(board.GetMoveList()[18], "10. C4-B3");
    EXPECT_EQ(board.GetMoveList()[17], Black + "B7-B5");
}

TEST(GameRecord, ARecordStartingWithBlackShowsDotsForWhite)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Arrange(board, "4k3/4p3/8/8/8/8/4P3/4K3", false, CastlingSet(), Square::None, 12);
    EXPECT_EQ(board.GetMoveList(), Lines { "12.  ...   " });
    Play(board, "e7e5");
    EXPECT_EQ(board.GetMoveList(), (Lines { "12.  ...   ", Black + "E7-E5" }));
    EXPECT_FALSE(board.GotoMove(12, true));
    EXPECT_TRUE(board.GotoMove(12, false));
    EXPECT_FALSE(board.MoveBackward());
    EXPECT_TRUE(board.MoveForward());
    EXPECT_EQ(board.CurrentMove(), 13);
    Play(board, "e2e4");
    EXPECT_EQ(board.GetMoveList().back(), "13. E2-E4");
}

TEST(GameRecord, TheMoveHandlerSeesTheListEndWithItsMove)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Lines seen;
    board.OnLegalMove = [&](QObject*, Square, Square) { seen = board.GetMoveList(); };
    Play(board, "e2e4");
    EXPECT_EQ(seen, Lines { "1. E2-E4" });
    Play(board, "c7c5");
    EXPECT_EQ(seen, (Lines { "1. E2-E4", Black + "C7-C5" }));
}

} // namespace
