// A new board, its property writers, and setting the position from outside a move.

#include "tests/board/board_test_support.h"

namespace {

const std::string Start = StartPosition;

TEST(BoardDefaults, NewBoardHoldsTheStartOfAGame)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    // A QObject of its own class, so that Qt's casts and meta-object find it.
    QWidget* widget = &board;
    EXPECT_EQ(qobject_cast<TChessBoard*>(widget), &board);
    EXPECT_STREQ(board.metaObject()->className(), "TChessBoard");
    EXPECT_EQ(board.Position(), Start);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_EQ(board.CastlingAllowed(), AllCastlingRights);
    EXPECT_EQ(board.EnPassant(), Square::None);
    EXPECT_EQ(board.SearchDepth(), 3);
    EXPECT_EQ(board.ThinkingPriority(), tpLower);
    EXPECT_FALSE(board.Thinking());
    EXPECT_FALSE(board.ComputerPlaysWhite());
    EXPECT_FALSE(board.ComputerPlaysBlack());
    EXPECT_EQ(board.PromotionPiece(), 'q');
    EXPECT_EQ(board.width(), 368);
    EXPECT_EQ(board.height(), 368);
    EXPECT_EQ(board.SizeOfSquare(), 40);
    EXPECT_EQ(board.SizeOfBorder(), 24);
    EXPECT_EQ(board.BorderColor(), RGBColor(128, 128, 0));
    EXPECT_EQ(board.SquareColorDark(), RGBColor(128, 128, 128));
    EXPECT_EQ(board.SquareColorLight(), RGBColor(192, 192, 192));
    EXPECT_EQ(board.DisplayCoordinates(), AllEdges);
    EXPECT_EQ(board.StandardSize(), StandardSet::Size40);
    EXPECT_EQ(board.CoordFont().family(), "Arial");
    EXPECT_EQ(board.CoordFont().pointSize(), 7);
    EXPECT_EQ(board.ResizeMinSize(), 0);
    EXPECT_EQ(board.ResizeMaxSize(), 1000);
    EXPECT_FALSE(board.BoardLines() || board.WhiteOnTop() || board.Resizable());

    // The record holds the start position as its only position.
    const MoveInfo first = board.GetMove(1, true);
    EXPECT_STREQ(first.PosStr, ("_" + Start).c_str());
    EXPECT_EQ(first.Castling, AllCastlingRights);
    EXPECT_EQ(first.oldSq, Square::None);
    EXPECT_STREQ(board.GetMove(1, false).PosStr, "init");
    EXPECT_TRUE(board.GetMoveList().empty());
}

TEST(BoardProperties, WritersClampOrIgnoreOutOfRangeValues)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_CurrentMove(7);
    board.set_Thinking(true);
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_FALSE(board.Thinking());

    board.set_SearchDepth(0);
    EXPECT_EQ(board.SearchDepth(), 1);
    board.set_SearchDepth(-4);
    EXPECT_EQ(board.SearchDepth(), 1);
    board.set_SearchDepth(25);
    EXPECT_EQ(board.SearchDepth(), 10);
    board.set_SearchDepth(6);
    EXPECT_EQ(board.SearchDepth(), 6);

    board.set_ThinkingPriority(tpHighest);
    EXPECT_EQ(board.ThinkingPriority(), tpNormal);
    board.set_ThinkingPriority(tpTimeCritical);
    EXPECT_EQ(board.ThinkingPriority(), tpNormal);
    board.set_ThinkingPriority(tpIdle);
    EXPECT_EQ(board.ThinkingPriority(), tpIdle);

    // The en passant square is taken only on the third and sixth ranks.
    board.set_EnPassant(Square::E3);
    EXPECT_EQ(board.EnPassant(), Square::E3);
    board.set_EnPassant(Square::None);
    EXPECT_EQ(board.EnPassant(), Square::E3);
    board.set_EnPassant(Square::E4);
    EXPECT_EQ(board.EnPassant(), Square::E3);
    board.set_EnPassant(static_cast<Square>(99));
    EXPECT_EQ(board.EnPassant(), Square::E3);
    board.set_EnPassant(Square::H6);
    EXPECT_EQ(board.EnPassant(), Square::H6);

    // Writing the side to move touches nothing else.
    board.set_WhiteToMove(false);
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_EQ(board.Position(), Start);

    board.set_ResizeMaxSize(0);
    EXPECT_EQ(board.ResizeMaxSize(), 1000);
    board.set_ResizeMinSize(2000);
    EXPECT_EQ(board.ResizeMinSize(), 1000);
}

TEST(BoardProperties, PromotionReactionKeepsOnlyPromotionLetters)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    for (char given : { 'x', 'K', 'p', ' ', '\0' }) {
        char piece = given;
        board.Promotion(&board, Square::E7, Square::E8, piece);
        EXPECT_EQ(piece, 'q') << int(given);
        EXPECT_EQ(board.PromotionPiece(), 'q');
    }
    char knight = 'n';
    board.Promotion(&board, Square::E7, Square::E8, knight);
    EXPECT_EQ(knight, 'n');
    EXPECT_EQ(board.PromotionPiece(), 'n');
}

TEST(PositionString, WritingPositionReplacesOnlyThePieces)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "e2e4");
    board.set_PosStr("K");
    EXPECT_EQ(board.Position(), "K" + std::string(63, ' '));
    // Side to move, en passant square, move number and record are untouched.
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.EnPassant(), Square::E3);
    EXPECT_EQ(board.GetMoveList().size(), 1u);

    for (const char* word : { "newgame", "INIT", "NewGame", "iNiT" }) {
        board.set_PosStr("K");
        board.set_PosStr(word);
        EXPECT_EQ(board.Position(), Start) << word;
        EXPECT_FALSE(board.WhiteToMove());
    }

    // The 65th character is ignored; an unknown letter leaves its square blank.
    board.set_PosStr("x" + std::string(63, ' ') + "k");
    EXPECT_EQ(board.Position(), std::string(64, ' '));

    std::string text = Start;
    text[9] = 'z';
    board.set_PosStr(text);
    std::string expected = Start;
    expected[9] = ' ';
    EXPECT_EQ(board.Position(), expected);
    EXPECT_EQ(board.PieceAt(Square::B7), ' ');
    EXPECT_EQ(board.PieceAt(Square::A7), 'p');

    board.set_PosStr("");
    EXPECT_EQ(board.Position(), std::string(64, ' '));
}

TEST(PositionString, SetUpPositionRefusesBadRecordsAndChangesNothing)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "e2e4 e7e5");
    const std::string before = board.Position();

    MoveInfo tooLate = RecordOf("4k3/8/8/8/8/8/8/4K3");
    EXPECT_FALSE(board.SetUpPosition(tooLate, 201, true));
    EXPECT_FALSE(board.SetUpPosition(tooLate, 0, true));
    EXPECT_FALSE(board.SetUpPosition(tooLate, -3, false));
    MoveInfo badEnPassant = RecordOf("4k3/8/8/8/8/8/8/4K3", CastlingSet(), Square::E4);
    EXPECT_FALSE(board.SetUpPosition(badEnPassant, 5, true));
    for (char bad : { 'x', '_', '\0', '1' }) {
        MoveInfo badLetter = RecordOf("4k3/8/8/8/8/8/8/4K3");
        badLetter.PosStr[33] = bad;
        EXPECT_FALSE(board.SetUpPosition(badLetter, 5, true)) << int(bad);
    }
    EXPECT_EQ(board.Position(), before);
    EXPECT_EQ(board.CurrentMove(), 2);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.GetMoveList().size(), 2u);

    MoveInfo last = RecordOf("4k3/8/8/8/8/8/8/4K3");
    EXPECT_TRUE(board.SetUpPosition(last, 200, true));
    MoveInfo withEnPassant = RecordOf("4k3/8/8/4pP2/8/8/8/4K3", CastlingSet(), Square::E6);
    EXPECT_TRUE(board.SetUpPosition(withEnPassant, 30, true));
    EXPECT_EQ(board.EnPassant(), Square::E6);
}

TEST(PositionString, SetUpWithBlackToMoveStartsANewRecordThere)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "e2e4 e7e5");
    MoveInfo info = RecordOf("r3k2r/8/8/8/8/8/8/R3K2R", { CanStillCastle::BlackKingSide });
    ASSERT_TRUE(board.SetUpPosition(info, 12, false));
    EXPECT_EQ(board.CurrentMove(), 12);
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.Position(), Placement("r3k2r/8/8/8/8/8/8/R3K2R"));
    EXPECT_EQ(board.CastlingAllowed(), CastlingSet { CanStillCastle::BlackKingSide });
    EXPECT_EQ(board.GetMove(12, false).oldSq, Square::None);
    EXPECT_STREQ(board.GetMove(12, true).PosStr, "init");
    EXPECT_STREQ(board.GetMove(1, true).PosStr, "init");
    EXPECT_FALSE(board.MoveBackward());
}

TEST(PositionString, NewGameRestoresTheStart)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Play(board, "e2e4 e7e5 e1e2");
    board.NewGame();
    EXPECT_EQ(board.Position(), Start);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_EQ(board.CastlingAllowed(), AllCastlingRights);
    EXPECT_EQ(board.EnPassant(), Square::None);
    EXPECT_TRUE(board.GetMoveList().empty());
    EXPECT_FALSE(board.MoveForward());
    EXPECT_FALSE(board.MoveBackward());
    EXPECT_STREQ(board.GetMove(1, false).PosStr, "init");
}

TEST(SquareFunctions, ConvertBetweenSquaresFilesAndRanks)
{
    EXPECT_EQ(TChessBoard::MouseToSquare(1, 8), Square::A8);
    EXPECT_EQ(TChessBoard::MouseToSquare(8, 1), Square::H1);
    EXPECT_EQ(TChessBoard::MouseToSquare(5, 2), Square::E2);
    EXPECT_EQ(TChessBoard::MouseToSquare(0, 5), Square::None);
    EXPECT_EQ(TChessBoard::MouseToSquare(3, 9), Square::None);
    EXPECT_EQ(TChessBoard::MouseToSquare(9, 1), Square::None);
    EXPECT_EQ(TChessBoard::MouseToSquare(1, 0), Square::None);
    for (int i = 1; i <= 64; ++i) {
        const Square sq = SquareAt(i);
        EXPECT_EQ(TChessBoard::MouseToSquare(TChessBoard::XPos(sq), TChessBoard::YPos(sq)), sq);
    }
    EXPECT_EQ(TChessBoard::XPos(Square::None), 0);
    EXPECT_EQ(TChessBoard::YPos(Square::None), 8);

    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EXPECT_EQ(board.ColorOfSquare(Square::A8), 1);
    EXPECT_EQ(board.ColorOfSquare(Square::H1), 1);
    EXPECT_EQ(board.ColorOfSquare(Square::A1), 0);
    EXPECT_EQ(board.ColorOfSquare(Square::H8), 0);
    EXPECT_EQ(board.ColorOfSquare(Square::E4), 1);
    EXPECT_EQ(board.ColorOfPiece(Square::E4), -1);
    EXPECT_EQ(board.ColorOfPiece(Square::E8), 0);
    EXPECT_EQ(board.ColorOfPiece(Square::D1), 1);
    EXPECT_EQ(board.ColorOfPiece(Square::None), -1);
    EXPECT_EQ(board.PieceToInt('P'), 0);
    EXPECT_EQ(board.PieceToInt('K'), 5);
    EXPECT_EQ(board.PieceToInt('p'), 6);
    EXPECT_EQ(board.PieceToInt('k'), 11);
    EXPECT_EQ(board.PieceToInt(' '), -1);
    EXPECT_EQ(board.PieceToInt('\0'), -1);
    EXPECT_EQ(board.PieceToInt('x'), -1);
}

TEST(BoardView, ModelOperationsRepaintWhatTheyChange)
{
    RecordingBoard board;
    board.set_PosStr("newgame");
    EXPECT_EQ(board.calls, std::vector<std::string> { "Paint" });
    board.calls.clear();
    board.NewGame();
    MoveInfo info = RecordOf("4k3/8/8/8/8/8/8/4K3");
    board.SetUpPosition(info, 1, true);
    EXPECT_EQ(board.calls, (std::vector<std::string> { "Paint", "Paint" }));

    board.NewGame();
    board.calls.clear();
    Play(board, "e2e4");
    EXPECT_EQ(board.calls, (std::vector<std::string> { "Clear e2", "Clear e4", "Draw e4 P" }));
    board.calls.clear();
    board.MoveBackward();
    EXPECT_EQ(board.calls, std::vector<std::string> { "Update" });
    EXPECT_EQ(board.Canvas().size(), QSize(368, 368));
}

} // namespace
