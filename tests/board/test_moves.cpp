// Making moves: the position after each kind of move, castling rights, the en passant square, and
// the order and stages of the game events.

#include "tests/board/board_test_support.h"

#include <stdexcept>

namespace {

using Events = std::vector<std::string>;

TEST(MakingMoves, PawnMovesKeepTheEnPassantSquareAndMoveNumber)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    ASSERT_TRUE(board.Move(Square::E2, Square::E4));
    EXPECT_EQ(log.events, Events { "LegalMove e2e4" });
    EXPECT_EQ(board.EnPassant(), Square::E3);
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentMove(), 1);
    const MoveInfo first = board.GetMove(1, true);
    EXPECT_EQ(std::string(first.PosStr + 1), std::string(StartPosition));
    EXPECT_EQ(first.oldSq, Square::E2);
    EXPECT_EQ(first.newSq, Square::E4);
    EXPECT_EQ(first.EnPassant, Square::None);
    const MoveInfo second = board.GetMove(1, false);
    EXPECT_EQ(second.EnPassant, Square::E3);
    EXPECT_EQ(second.oldSq, Square::None);

    Play(board, "e7e5");
    EXPECT_EQ(board.CurrentMove(), 2);
    EXPECT_EQ(board.EnPassant(), Square::E6);
    Play(board, "g1f3");
    EXPECT_EQ(board.EnPassant(), Square::None);
    EXPECT_EQ(board.Position(), Placement("rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R"));
    // A refused move changes nothing and raises nothing.
    log.Clear();
    EXPECT_FALSE(board.Move(Square::F3, Square::F4));
    EXPECT_FALSE(board.Move(Square::E5, Square::E4));
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(board.GetMoveList().size(), 3u);
}

TEST(MakingMoves, CapturesRaiseCaptureAfterLegalMove)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    Play(board, "e2e4 d7d5");
    log.Clear();
    Play(board, "e4d5");
    EXPECT_EQ(log.events, (Events { "LegalMove e4d5", "Capture e4d5 p" }));
    EXPECT_EQ(board.PieceAt(Square::D5), 'P');
}

TEST(MakingMoves, EnPassantTakesThePawnAfterLegalMove)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    Play(board, "e2e4 a7a6 e4e5 d7d5");
    log.Clear();
    Play(board, "e5d6");
    EXPECT_EQ(log.events, (Events { "LegalMove e5d6", "Capture e5d6 p" }));
    // The handler of the move still saw the taken pawn; the capture handler did too.
    EXPECT_EQ(log.positions[0][SquareIndex(Square::D5) - 1], 'p');
    EXPECT_EQ(board.PieceAt(Square::D5), ' ');
    EXPECT_EQ(board.PieceAt(Square::D6), 'P');
    EXPECT_EQ(board.Position()[SquareIndex(Square::D5) - 1], ' ');

    // Black's capture, the mirror image.
    Arrange(board, "4k3/8/8/8/4p3/8/3P4/4K3", true);
    Play(board, "d2d4");
    log.Clear();
    Play(board, "e4d3");
    EXPECT_EQ(log.events, (Events { "LegalMove e4d3", "Capture e4d3 P" }));
    EXPECT_EQ(board.PieceAt(Square::D4), ' ');
}

TEST(MakingMoves, CastlingMovesTheRookAndRemovesBothRights)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    std::string rookSeenByCastleHandler;
    board.OnCastle = [&](QObject*, Square, Square) {
        log.events.push_back("Castle");
        rookSeenByCastleHandler = { board.PieceAt(Square::F1), board.PieceAt(Square::H1) };
    };
    Play(board, "e2e4 e7e5 g1f3 b8c6 f1c4 g8f6");
    log.Clear();
    Play(board, "e1g1");
    EXPECT_EQ(log.events, (Events { "LegalMove e1g1", "Castle" }));
    // The move's handler sees the king moved and the rook not yet.
    EXPECT_EQ(log.positions[0].substr(56, 8), "RNBQ  KR");
    EXPECT_EQ(rookSeenByCastleHandler, "R ");
    EXPECT_EQ(board.PieceAt(Square::F1), 'R');
    EXPECT_EQ(board.PieceAt(Square::H1), ' ');
    EXPECT_EQ(board.PieceAt(Square::G1), 'K');
    EXPECT_EQ(board.CastlingAllowed(), (CastlingSet { CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide }));

    // Black castles long; the list shows the king's move.
    Arrange(board, "r3k3/8/8/8/8/8/8/4K3", false, AllCastlingRights);
    Play(board, "e8c8");
    EXPECT_EQ(board.Position(), Placement("2kr4/8/8/8/8/8/8/4K3"));
    EXPECT_EQ(board.GetMoveList().back(), std::string(14, ' ') + "E8-C8");
}

TEST(MakingMoves, CastlingRightsFollowKingsRooksAndCorners)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Arrange(board, "r3k2r/8/8/8/8/8/8/R3K2R", true, AllCastlingRights);
    Play(board, "h1h2");
    EXPECT_EQ(board.CastlingAllowed(),
        (CastlingSet {
            CanStillCastle::WhiteQueenSide, CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide }));
    Play(board, "e8d8");
    EXPECT_EQ(board.CastlingAllowed(), CastlingSet { CanStillCastle::WhiteQueenSide });

    // Taking a rook on its corner ends that castling as well as the taker's own.
    Arrange(board, "r3k2r/8/8/8/8/8/8/R3K2R", true, AllCastlingRights);
    Play(board, "h1h8");
    EXPECT_EQ(
        board.CastlingAllowed(), (CastlingSet { CanStillCastle::WhiteQueenSide, CanStillCastle::BlackQueenSide }));
    Arrange(board, "4k3/1b6/8/8/8/8/8/R3K2R", false, AllCastlingRights);
    Play(board, "b7h1");
    EXPECT_EQ(board.CastlingAllowed(),
        (CastlingSet {
            CanStillCastle::WhiteQueenSide, CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide }));
}

TEST(MakingMoves, ACapturedCornerRookCannotBeReplacedForCastling)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    // The bishop takes the h8 rook; the other black rook later walks to h8.
    Arrange(board, "r3k2r/8/8/8/8/8/1B6/4K3", true, AllCastlingRights);
    Play(board, "b2h8 a8a7 h8b2 a7h7 b2c3 h7h8 c3b2");
    EXPECT_EQ(board.PieceAt(Square::H8), 'r');
    EXPECT_FALSE(board.CastlingAllowed().Contains(CanStillCastle::BlackKingSide));
    EXPECT_FALSE(board.MoveIsLegal(Square::E8, Square::G8)) << "a rook stands on h8, but not the original one";
}

TEST(MakingMoves, PromotionWithoutHandlerGivesAQueen)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    Arrange(board, "1r2k3/P7/8/8/8/8/7p/4K3", true);
    Play(board, "a7a8");
    EXPECT_EQ(board.PieceAt(Square::A8), 'Q');
    EXPECT_EQ(log.positions[0][0], 'P') << "the move's handler still sees a pawn";
    Play(board, "h2h1");
    EXPECT_EQ(board.PieceAt(Square::H1), 'q');
    log.Clear();

    // A capturing promotion raises the capture before the piece changes.
    Arrange(board, "1r2k3/P7/8/8/8/8/8/4K3", true);
    Play(board, "a7b8");
    EXPECT_EQ(log.events, (Events { "LegalMove a7b8", "Capture a7b8 r", "Check a7b8" }));
    EXPECT_EQ(board.PieceAt(Square::B8), 'Q');
}

TEST(MakingMoves, PromotionHandlerChoiceHoldsForLaterPromotions)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    std::vector<char> offered;
    char answer = 'n';
    board.OnPromotion = [&](QObject* sender, Square oldSq, Square newSq, char& piece) {
        EXPECT_EQ(sender, &board);
        EXPECT_EQ(oldSq, Square::A7);
        EXPECT_EQ(newSq, Square::A8);
        offered.push_back(piece);
        if (answer)
            piece = answer;
    };
    Arrange(board, "4k3/P7/8/8/8/8/8/4K3", true);
    Play(board, "a7a8");
    EXPECT_EQ(board.PieceAt(Square::A8), 'N');
    EXPECT_EQ(board.PromotionPiece(), 'n');

    // Without an answer the earlier choice stays.
    answer = 0;
    Arrange(board, "4k3/P7/8/8/8/8/8/4K3", true);
    Play(board, "a7a8");
    EXPECT_EQ(board.PieceAt(Square::A8), 'N');
    EXPECT_EQ(offered, (std::vector<char> { 'q', 'n' }));

    // An answer outside the promotion letters gives a queen.
    answer = 'k';
    Arrange(board, "4k3/P7/8/8/8/8/8/4K3", true);
    Play(board, "a7a8");
    EXPECT_EQ(board.PieceAt(Square::A8), 'Q');
    EXPECT_EQ(board.PromotionPiece(), 'q');

    // An upper-case answer still gives Black a black piece.
    board.OnPromotion = [](QObject*, Square, Square, char& piece) { piece = 'R'; };
    Arrange(board, "4k3/8/8/8/8/8/p7/4K3", false);
    Play(board, "a2a1");
    EXPECT_EQ(board.PieceAt(Square::A1), 'r');
}

TEST(MakingMoves, CheckMateAndStalemateEvents)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    Play(board, "f2f3 e7e5 g2g4");
    log.Clear();
    Play(board, "d8h4");
    EXPECT_EQ(log.events, (Events { "LegalMove d8h4", "Check d8h4", "Mate d8h4" }));

    Arrange(board, "4k3/8/8/8/8/8/8/R3K3", true);
    log.Clear();
    Play(board, "a1a8");
    EXPECT_EQ(log.events, (Events { "LegalMove a1a8", "Check a1a8" }));

    // A promotion that mates.
    Arrange(board, "k7/2P5/1K6/8/8/8/8/8", true);
    log.Clear();
    Play(board, "c7c8");
    EXPECT_EQ(log.events, (Events { "LegalMove c7c8", "Check c7c8", "Mate c7c8" }));

    // A castling that mates: the rook arrives on f1, facing the boxed-in king on f8.
    Arrange(board, "4rkr1/4p1p1/8/8/8/8/8/4K2R", true, { CanStillCastle::WhiteKingSide });
    log.Clear();
    Play(board, "e1g1");
    EXPECT_EQ(log.events, (Events { "LegalMove e1g1", "Castle e1g1", "Check e1g1", "Mate e1g1" }));

    // Stalemate.
    Arrange(board, "7k/8/5Q1K/8/8/8/8/8", true);
    log.Clear();
    Play(board, "f6g6");
    EXPECT_EQ(log.events, (Events { "LegalMove f6g6", "StaleMate f6g6" }));
}

TEST(MakingMoves, TakingTheLastPieceLeavesTwoKings)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    Arrange(board, "4k3/8/8/8/8/8/4r3/4K3", true);
    Play(board, "e1e2");
    EXPECT_EQ(log.events, (Events { "LegalMove e1e2", "Capture e1e2 r", "OnlyTwoKingsLeft" }));
}

TEST(MakingMoves, AGameEndHandlerMayStartANewGame)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    board.OnMate = [&](QObject*, Square, Square) {
        log.events.push_back("Mate");
        board.NewGame();
    };
    Play(board, "f2f3 e7e5 g2g4");
    log.Clear();
    ASSERT_TRUE(board.Move(Square::D8, Square::H4));
    EXPECT_EQ(log.events, (Events { "LegalMove d8h4", "Check d8h4", "Mate" }));
    EXPECT_EQ(board.Position(), std::string(StartPosition));
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.CurrentMove(), 1);
    EXPECT_TRUE(board.GetMoveList().empty());
    EXPECT_EQ(board.GetMove(1, true).oldSq, Square::None);
    EXPECT_FALSE(board.MoveBackward());
    Play(board, "e2e4");
    EXPECT_EQ(board.GetMoveList(), std::vector<std::string> { "1. E2-E4" });

    // The same from the bare-kings event, with the computer playing White: it is asked to move.
    Arrange(board, "4k3/8/8/8/8/8/4r3/4K3", true);
    board.OnOnlyTwoKingsLeft = [&](QObject*) { board.NewGame(); };
    board.set_ComputerPlaysWhite(true);
    ASSERT_TRUE(board.Move(Square::E1, Square::E2));
    EXPECT_EQ(board.Position(), std::string(StartPosition));
    EXPECT_TRUE(board.Thinking());
}

struct ThrowingHandlerCase {
    const char* what;
    const char* fen;
    bool whiteToMove;
    const char* moves; // the last one meets the throwing handler
    void (*makeThrow)(TChessBoard&);
};

[[noreturn]] void Fail() { throw std::runtime_error("handler failed"); }

const ThrowingHandlerCase ThrowingHandlerCases[] = {
    { "castling", "r3k2r/8/8/8/8/8/8/R3K2R", true, "e1g1",
        [](TChessBoard& b) { b.OnLegalMove = [](QObject*, Square, Square) { Fail(); }; } },
    { "en passant", "4k3/3p4/8/4P3/8/8/8/4K3", false, "d7d5 e5d6",
        [](TChessBoard& b) { b.OnCapture = [](QObject*, Square, Square, char) { Fail(); }; } },
    { "promotion", "4k3/P7/8/8/8/8/8/4K3", true, "a7a8",
        [](TChessBoard& b) { b.OnPromotion = [](QObject*, Square, Square, char&) { Fail(); }; } },
    { "mate", "6k1/5ppp/8/8/8/8/8/R5K1", true, "a1a8",
        [](TChessBoard& b) { b.OnMate = [](QObject*, Square, Square) { Fail(); }; } },
    { "third repetition", nullptr, true, "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8",
        [](TChessBoard& b) { b.OnLegalMove = [&b](QObject*, Square, Square) { if (b.WhiteToMove()) Fail(); }; } },
};

TEST(MakingMoves, AThrowingHandlerLeavesTheMoveMadeRecordedAndTheBoardAlive)
{
    for (const ThrowingHandlerCase& c : ThrowingHandlerCases) {
        SCOPED_TRACE(c.what);
        TChessBoard expected(nullptr, TChessBoard::Mode::Designer);
        TChessBoard board(nullptr, TChessBoard::Mode::Designer);
        const std::string moves(c.moves);
        const std::size_t last = moves.size() - 4;
        for (TChessBoard* b : { &expected, &board }) {
            if (c.fen)
                Arrange(*b, c.fen, c.whiteToMove, AllCastlingRights);
            Play(*b, moves.substr(0, last));
        }
        Play(expected, moves.substr(last));
        c.makeThrow(board);
        EXPECT_THROW(board.Move(Sq(moves.substr(last, 2)), Sq(moves.substr(last + 2, 2))), std::runtime_error);

        // The whole move was made, the second part of a special move included.
        EXPECT_EQ(board.Position(), expected.Position());
        EXPECT_EQ(board.WhiteToMove(), expected.WhiteToMove());
        EXPECT_EQ(board.CastlingAllowed(), expected.CastlingAllowed());
        EXPECT_EQ(board.EnPassant(), expected.EnPassant());
        // It is recorded, and the board treats the new position as any other.
        EXPECT_EQ(board.GetMoveList(), expected.GetMoveList());
        const MoveInfo entry = board.GetMove(board.CurrentMove(), board.WhiteToMove());
        EXPECT_EQ(std::string(entry.PosStr + 1), expected.Position());
        EXPECT_EQ(board.CheckForThreefoldPosition(), expected.CheckForThreefoldPosition());
        EXPECT_EQ(board.LegalMoveAvailable(), expected.LegalMoveAvailable());
        EXPECT_EQ(board.MoveNow(), expected.MoveNow());
    }
}

TEST(MakingMoves, TheComputerIsAskedWhenItsSideIsToMove)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    board.set_ComputerPlaysBlack(true);
    Play(board, "e2e4");
    EXPECT_TRUE(board.Thinking());

    // No request when the side to move has no move.
    TChessBoard mated(nullptr, TChessBoard::Mode::Designer);
    mated.set_ComputerPlaysBlack(true);
    Arrange(mated, "k7/8/1K6/8/8/8/8/7R", true);
    Play(mated, "h1h8");
    EXPECT_FALSE(mated.Thinking());
}

TEST(MakingMoves, TheRecordsLastSlotRefusesBlacksNextMove)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Arrange(board, "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R", true, CastlingSet(), Square::None, 200);
    PlayUntil(board, 255, false);
    const std::string before = board.Position();
    EventLog log;
    log.Attach(board);
    bool refusedSomething = false;
    for (int i = 1; i <= 64; ++i)
        for (int j = 1; j <= 64; ++j)
            if (board.MoveIsLegal(SquareAt(i), SquareAt(j))) {
                EXPECT_FALSE(board.Move(SquareAt(i), SquareAt(j)));
                refusedSomething = true;
            }
    EXPECT_TRUE(refusedSomething);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(board.Position(), before);
    EXPECT_EQ(board.CurrentMove(), 255);
    EXPECT_FALSE(board.WhiteToMove());
    EXPECT_EQ(board.GetMoveList().size(), 111u);
    // Going back and playing on still works.
    ASSERT_TRUE(board.MoveBackward());
    EXPECT_TRUE(board.WhiteToMove());
}

} // namespace
