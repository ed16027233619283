// Move legality: piece rules, king safety, castling, en passant, repetition and the thinking lock.

#include "tests/board/board_test_support.h"

#include <climits>
#include <sstream>

namespace {

struct LegalityCase {
    const char* fen;
    bool whiteToMove;
    const char* move;
    bool legal;
    const char* why;
};

// Each case is set up without castling rights or en passant square unless the case is about them.
const LegalityCase PieceRuleCases[] = {
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "b1c3", true, "knight jump" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "b1d2", false, "knight onto own pawn" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "b1b3", false, "knight moving straight" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e2e4", true, "pawn double step" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e2e3", true, "pawn single step" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e2e5", false, "pawn triple step" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e7e5", false, "the other side's pawn" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "a1a2", false, "onto own piece" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", false, "e7e5", true, "black double step" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", false, "g8f6", true, "black knight" },
    { "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true, "e4e5", false, "empty square" },
    { "4k3/8/8/8/8/4n3/4P3/4K3", true, "e2e4", false, "double step over a piece" },
    { "4k3/8/8/8/4n3/8/4P3/4K3", true, "e2e4", false, "double step onto a piece" },
    { "4k3/8/8/8/8/4n3/4P3/4K3", true, "e2e3", false, "pawn cannot capture straight ahead" },
    { "4k3/8/8/8/8/3n4/4P3/4K3", true, "e2d3", true, "pawn captures diagonally" },
    { "4k3/8/8/8/8/3N4/4P3/4K3", true, "e2d3", false, "pawn cannot take its own piece" },
    { "4k3/8/8/8/8/8/4P3/4K3", true, "e2d3", false, "pawn diagonal onto an empty square" },
    { "4k3/8/8/8/4P3/8/8/4K3", true, "e4e3", false, "pawn backwards" },
    { "4k3/8/8/8/8/4P3/8/4K3", true, "e3e5", false, "double step from the third rank" },
    { "4k3/4p3/8/8/8/8/8/4K3", false, "e7e5", true, "black double step from the seventh rank" },
    { "4k3/8/4p3/8/8/8/8/4K3", false, "e6e4", false, "black double step from the sixth rank" },
    { "4k3/8/8/8/8/8/8/B3K3", true, "a1h8", true, "bishop along the long diagonal" },
    { "4k3/8/8/8/8/2p5/8/B3K3", true, "a1d4", false, "bishop blocked" },
    { "4k3/8/8/8/8/2p5/8/B3K3", true, "a1c3", true, "bishop captures the blocker" },
    { "4k3/8/8/8/8/8/8/B3K3", true, "a1a3", false, "bishop moving straight" },
    { "4k3/8/8/8/8/8/8/R3K3", true, "a1a8", true, "rook along the file" },
    { "4k3/8/8/8/8/8/8/R3K3", true, "a1d1", true, "rook along the rank" },
    { "4k3/8/8/8/8/8/8/R3K3", true, "a1f1", false, "rook through its own king" },
    { "4k3/8/8/8/8/8/8/R3K3", true, "a1b2", false, "rook diagonally" },
    { "4k3/8/8/8/8/8/8/Q3K3", true, "a1h8", true, "queen diagonally" },
    { "4k3/8/8/8/8/8/8/Q3K3", true, "a1a8", true, "queen straight" },
    { "4k3/8/8/8/8/8/8/Q3K3", true, "a1b3", false, "queen like a knight" },
    { "4k3/8/8/8/8/8/8/4K3", true, "e1f2", true, "king one step" },
    { "4k3/8/8/8/8/8/8/4K3", true, "e1e3", false, "king two steps" },
    { "8/8/8/8/8/4k3/8/4K3", true, "e1e2", false, "king next to the other king" },
    { "4k3/8/8/8/8/8/4r3/4K3", true, "e1e2", true, "king takes an unprotected rook" },
    { "4k3/4r3/8/8/8/8/4R3/4K3", true, "e2d2", false, "pinned rook leaves the pin line" },
    { "4k3/4r3/8/8/8/8/4R3/4K3", true, "e2e7", true, "pinned rook takes the pinner" },
    { "4k3/8/8/b7/8/8/3N4/4K3", true, "d2f3", false, "pinned knight" },
    { "4k3/8/8/8/8/8/3n4/4K3", true, "e1f1", false, "king steps into a knight's reach" },
    { "4k3/8/8/8/8/4p3/8/4K3", true, "e1d2", false, "king steps onto a square a pawn takes" },
    { "4k3/8/8/8/8/4p3/8/4K3", true, "e1e2", true, "a pawn does not take straight ahead" },
    { "4k3/8/8/8/8/8/3p4/4K3", true, "e1d1", true, "king steps out of a pawn's check" },
    { "4k3/4r3/8/8/8/8/8/4K3", true, "e1d1", true, "king steps out of a rook's check" },
    { "4k3/4r3/8/8/8/8/8/N3K3", true, "a1b3", false, "a move that ignores check" },
    { "4k3/8/8/8/8/8/8/N7", true, "a1b3", true, "no white king: nothing to keep safe" },
};

TEST(MoveLegality, PieceRulesChecksAndPins)
{
    for (const LegalityCase& c : PieceRuleCases) {
        TChessBoard board(nullptr, TChessBoard::Mode::Designer);
        Arrange(board, c.fen, c.whiteToMove);
        const std::string move = c.move;
        EXPECT_EQ(board.MoveIsLegal(Sq(move.substr(0, 2)), Sq(move.substr(2, 2))), c.legal)
            << c.why << " (" << c.fen << " " << c.move << ")";
    }
}

TEST(MoveLegality, SquaresAndMoveNumbersOutsideTheirRangeAreRefused)
{
    // A pawn on the rank next to each edge, so that the rules would look past the edge if asked.
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Arrange(board, "4k3/P7/8/8/8/8/7p/4K3");
    const std::string before = board.Position();
    const QImage picture = board.Canvas();
    const Square outside[] = { Square::None, static_cast<Square>(-1), static_cast<Square>(65), static_cast<Square>(100),
        static_cast<Square>(-128), static_cast<Square>(127) };
    for (Square bad : outside) {
        SCOPED_TRACE(SquareIndex(bad));
        for (Square good : { Square::A7, Square::H2, Square::E1 }) {
            for (auto [from, to] : { std::pair { bad, good }, std::pair { good, bad } }) {
                EXPECT_FALSE(board.MoveIsLegal(from, to));
                EXPECT_FALSE(board.CheckLegalPawnMove(from, to));
                EXPECT_FALSE(board.CheckLegalKnightMove(from, to));
                EXPECT_FALSE(board.CheckLegalBishopMove(from, to));
                EXPECT_FALSE(board.CheckLegalRookMove(from, to));
                EXPECT_FALSE(board.CheckLegalQueenMove(from, to));
                EXPECT_FALSE(board.CheckLegalKingMove(from, to));
                EXPECT_FALSE(board.Move(from, to));
            }
        }
        EXPECT_EQ(board.PieceAt(bad), '_');
        board.ClearSquare(bad);
        board.DrawPiece(bad, 'Q');
        board.DoPromotion(bad);
    }
    for (int moveNumber : { INT_MIN, -1, 0, 256, INT_MAX }) {
        for (bool white : { true, false }) {
            EXPECT_FALSE(board.GotoMove(moveNumber, white)) << moveNumber;
            EXPECT_STREQ(board.GetMove(moveNumber, white).PosStr, "init") << moveNumber;
        }
    }
    EXPECT_EQ(board.Position(), before);
    EXPECT_EQ(board.Canvas(), picture);
}

struct CastlingCase {
    const char* fen;
    bool whiteToMove;
    CastlingSet rights;
    const char* move;
    bool legal;
    const char* why;
};

constexpr CastlingSet AllRights = AllCastlingRights;
constexpr CastlingSet BlackRightsOnly { CanStillCastle::BlackKingSide, CanStillCastle::BlackQueenSide };

const CastlingCase CastlingCases[] = {
    { "r3k2r/8/8/8/8/8/8/R3K2R", true, AllRights, "e1g1", true, "white king side" },
    { "r3k2r/8/8/8/8/8/8/R3K2R", true, AllRights, "e1c1", true, "white queen side" },
    { "r3k2r/8/8/8/8/8/8/R3K2R", false, AllRights, "e8g8", true, "black king side" },
    { "r3k2r/8/8/8/8/8/8/R3K2R", false, AllRights, "e8c8", true, "black queen side" },
    { "r3k2r/8/8/8/8/8/8/R3K2R", true, BlackRightsOnly, "e1g1", false, "right missing" },
    { "r3k2r/8/8/8/8/8/8/R3K2R", true, { CanStillCastle::WhiteQueenSide }, "e1g1", false, "other right only" },
    { "r3k2r/8/8/8/8/8/8/R3K3", true, AllRights, "e1g1", false, "no rook on h1" },
    { "r3k2r/8/8/8/8/8/8/R3K2r", true, AllRights, "e1g1", false, "black rook on h1" },
    { "r3k2r/8/8/8/8/8/8/R3K1NR", true, AllRights, "e1g1", false, "g1 occupied" },
    { "r3k2r/8/8/8/8/8/8/R3KN1R", true, AllRights, "e1g1", false, "f1 occupied" },
    { "r3k2r/8/8/8/8/8/8/RN2K2R", true, AllRights, "e1c1", false, "b1 occupied" },
    { "r3k2r/8/8/8/8/8/8/R2QK2R", true, AllRights, "e1c1", false, "d1 occupied" },
    { "r3k2r/8/8/8/8/8/4r3/R3K2R", true, AllRights, "e1g1", false, "king in check" },
    { "r3k2r/8/8/8/8/8/5r2/R3K2R", true, AllRights, "e1g1", false, "f1 attacked" },
    { "r3k2r/8/8/8/8/8/6r1/R3K2R", true, AllRights, "e1g1", false, "g1 attacked" },
    { "r3k2r/8/8/8/8/8/3r4/R3K2R", true, AllRights, "e1c1", false, "d1 attacked" },
    { "r3k2r/8/8/8/8/8/2r5/R3K2R", true, AllRights, "e1c1", false, "c1 attacked" },
    { "r3k2r/8/8/8/8/8/1r6/R3K2R", true, AllRights, "e1c1", true, "b1 attacked is allowed" },
    { "r3k2r/8/8/8/8/8/7r/R3K2R", true, AllRights, "e1g1", true, "h1 rook attacked is allowed" },
    { "r3k2r/8/8/8/8/8/8/R3K2R", true, AllRights, "e1f3", false, "king jumping elsewhere" },
    { "r3k2r/4R3/8/8/8/8/8/R3K2R", false, AllRights, "e8c8", false, "black king in check" },
    { "r3k2r/8/8/8/8/8/8/R3K2R", false, AllRights, "e1g1", false, "white castling on black's turn" },
};

TEST(MoveLegality, CastlingNeedsRightRookEmptyAndSafeSquares)
{
    for (const CastlingCase& c : CastlingCases) {
        TChessBoard board(nullptr, TChessBoard::Mode::Designer);
        Arrange(board, c.fen, c.whiteToMove, c.rights);
        const std::string move = c.move;
        EXPECT_EQ(board.MoveIsLegal(Sq(move.substr(0, 2)), Sq(move.substr(2, 2))), c.legal)
            << c.why << " (" << c.fen << " " << c.move << ")";
    }
}

TEST(MoveLegality, EnPassantNeedsTheDoubleSteppedPawnBehindTheSquare)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    // Black has just played d7-d5 next to the white pawn on e5.
    Arrange(board, "4k3/8/8/3pP3/8/8/8/4K3", true, CastlingSet(), Square::D6);
    EXPECT_TRUE(board.MoveIsLegal(Square::E5, Square::D6));
    EXPECT_FALSE(board.MoveIsLegal(Square::E5, Square::F6));

    Arrange(board, "4k3/8/8/3pP3/8/8/8/4K3", true);
    EXPECT_FALSE(board.MoveIsLegal(Square::E5, Square::D6)) << "no en passant square";

    // A square given through the writer is not enough by itself: an own piece, nothing, or a
    // piece other than a pawn behind it, or a square on the wrong rank for the mover.
    Arrange(board, "4k3/8/8/3NP3/8/8/8/4K3", true);
    board.set_EnPassant(Square::D6);
    EXPECT_FALSE(board.MoveIsLegal(Square::E5, Square::D6)) << "own knight behind";
    Arrange(board, "4k3/8/8/4P3/8/8/8/4K3", true);
    board.set_EnPassant(Square::D6);
    EXPECT_FALSE(board.MoveIsLegal(Square::E5, Square::D6)) << "nothing behind";
    Arrange(board, "4k3/8/8/3nP3/8/8/8/4K3", true);
    board.set_EnPassant(Square::D6);
    EXPECT_FALSE(board.MoveIsLegal(Square::E5, Square::D6)) << "a knight behind";
    Arrange(board, "4k3/8/8/8/8/8/3pP3/7K", true);
    board.set_EnPassant(Square::D3);
    EXPECT_FALSE(board.MoveIsLegal(Square::E2, Square::D3)) << "third rank is Black's en passant rank";

    // Black's capture, the mirror image.
    Arrange(board, "4k3/8/8/8/3Pp3/8/8/4K3", false, CastlingSet(), Square::D3);
    EXPECT_TRUE(board.MoveIsLegal(Square::E4, Square::D3));
}

TEST(MoveLegality, EnPassantKingSafetyCountsTheCapturedPawn)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    // Taking en passant would empty the fifth rank between the white king and the black rook.
    Arrange(board, "4k3/8/8/K2pP2r/8/8/8/8", true, CastlingSet(), Square::D6);
    EXPECT_FALSE(board.MoveIsLegal(Square::E5, Square::D6));
    EXPECT_TRUE(board.MoveIsLegal(Square::E5, Square::E6));

    // The double-stepped pawn gives check; taking it en passant answers the check.
    Arrange(board, "8/8/8/2k5/3Pp3/8/8/4K3", false, CastlingSet(), Square::D3);
    EXPECT_TRUE(board.BlackInCheckAfter(Square::C5, Square::C5));
    EXPECT_TRUE(board.MoveIsLegal(Square::E4, Square::D3));
    EXPECT_FALSE(board.MoveIsLegal(Square::E4, Square::E3));
}

TEST(MoveLegality, CheckTestsLookAtTheMovedPosition)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    Arrange(board, "4k3/8/8/8/8/8/8/4K2r", true);
    EXPECT_TRUE(board.WhiteInCheckAfter(Square::E1, Square::E1));
    EXPECT_TRUE(board.WhiteInCheckAfter(Square::E1, Square::D1));
    EXPECT_FALSE(board.WhiteInCheckAfter(Square::E1, Square::E2));
    EXPECT_FALSE(board.BlackInCheckAfter(Square::E8, Square::E8));
    // A king next to the other king is attacked by it.
    Arrange(board, "8/8/8/8/8/3k4/8/4K3", true);
    EXPECT_TRUE(board.WhiteInCheckAfter(Square::E1, Square::E2));
    EXPECT_TRUE(board.BlackInCheckAfter(Square::D3, Square::D2));
    // Attacks by every kind of piece reach the black king on e5.
    for (const char* fen : { "8/8/8/4k3/3P4/8/8/4K3", "8/8/8/4k3/8/3N4/8/4K3", "8/8/8/4k3/8/8/1B6/4K3",
             "8/8/8/4k3/8/8/7Q/4K3", "4R3/8/8/4k3/8/8/8/K7" }) {
        Arrange(board, fen, false);
        EXPECT_TRUE(board.BlackInCheckAfter(Square::E5, Square::E5)) << fen;
    }
    // Blocked lines and pawns that attack the other way do not.
    for (const char* fen :
        { "8/8/3P4/4k3/8/8/8/4K3", "8/8/8/4k3/8/3P4/8/4K3", "8/8/8/4k3/8/2p5/1B6/4K3", "4R3/4n3/8/4k3/8/8/8/K7" }) {
        Arrange(board, fen, false);
        EXPECT_FALSE(board.BlackInCheckAfter(Square::E5, Square::E5)) << fen;
    }
}

TEST(MoveLegality, LegalMoveAvailableFindsMateAndStalemate)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EXPECT_TRUE(board.LegalMoveAvailable());
    Arrange(board, "7k/6Q1/6K1/8/8/8/8/8", false); // mate
    EXPECT_FALSE(board.LegalMoveAvailable());
    Arrange(board, "7k/8/6QK/8/8/8/8/8", false); // stalemate
    EXPECT_FALSE(board.LegalMoveAvailable());
    Arrange(board, "7k/8/6QK/8/8/8/p7/8", false); // the pawn can still move
    EXPECT_TRUE(board.LegalMoveAvailable());
    Arrange(board, "8/8/8/8/8/8/8/8", true); // nothing at all
    EXPECT_FALSE(board.LegalMoveAvailable());
}

TEST(MoveLegality, NothingIsLegalWhileThinking)
{
    // A board without an engine thread keeps the request standing, as a form designer's board does.
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    ASSERT_TRUE(board.MoveNow());
    EXPECT_TRUE(board.Thinking());
    EXPECT_FALSE(board.MoveIsLegal(Square::E2, Square::E4));
    EXPECT_FALSE(board.LegalMoveAvailable());
    EXPECT_FALSE(board.Move(Square::E2, Square::E4));
    EXPECT_EQ(board.Position(), std::string(StartPosition));
}

TEST(Repetition, ThirdOccurrenceEndsTheGameUntilNavigation)
{
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    EventLog log;
    log.Attach(board);
    Play(board, "g1f3 g8f6 f3g1 f6g8");
    EXPECT_FALSE(board.CheckForThreefoldPosition()) << "second occurrence";
    Play(board, "g1f3 g8f6 f3g1");
    EXPECT_TRUE(log.events.size() == 7 && log.events.back() == "LegalMove f3g1");
    log.Clear();
    Play(board, "f6g8");
    EXPECT_EQ(log.events, (std::vector<std::string> { "LegalMove f6g8", "ThreefoldPosition" }));
    EXPECT_TRUE(board.CheckForThreefoldPosition());
    EXPECT_FALSE(board.MoveIsLegal(Square::E2, Square::E4));
    EXPECT_FALSE(board.LegalMoveAvailable());
    // Writing the position does not help; going back one half-move does.
    board.set_PosStr(board.Position());
    EXPECT_FALSE(board.MoveIsLegal(Square::E2, Square::E4));
    ASSERT_TRUE(board.MoveBackward());
    EXPECT_FALSE(board.CheckForThreefoldPosition());
    EXPECT_TRUE(board.MoveIsLegal(Square::B8, Square::C6));
    // Positions taken back and replaced no longer count.
    Play(board, "b8c6 g1f3");
    EXPECT_FALSE(board.CheckForThreefoldPosition());
}

TEST(Repetition, APositionIsTheSameOnlyWithTheSameRightsAndEnPassantCaptures)
{
    struct Case {
        const char* why;
        const char* placement;
        CastlingSet rights;
        const char* moves;
        int firstThreefold; // the half-move after which the position stands for the third time
    };
    // Kings walking out and back bring the placement back every four half-moves.
    const char* const walk = "e8d8 e1d1 d8e8 d1e1 e8d8 e1d1 d8e8 d1e1 e8d8";
    const Case cases[] = {
        { "the first position still had castling rights", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
            AllCastlingRights, "e2e4 e7e5 e1e2 e8e7 e2e1 e7e8 e1e2 e8e7 e2e1 e7e8 e1e2 e8e7", 12 },
        { "after the double step Black could take en passant", "4k3/8/8/8/5p2/8/4P3/4K3", {}, walk, 9 },
        { "no pawn can take the double step", "4k3/8/8/8/p7/8/4P3/4K3", {}, walk, 8 },
        { "the pawn that could take is pinned", "8/8/8/8/R4p1k/8/4P3/4K3", {},
            "h4h5 e1d1 h5h4 d1e1 h4h5 e1d1 h5h4 d1e1 h4h5", 8 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TChessBoard board(nullptr, TChessBoard::Mode::Designer);
        Arrange(board, c.placement, true, c.rights);
        if (c.rights.IsEmpty())
            Play(board, "e2e4");
        std::istringstream moves(c.moves);
        std::string move;
        for (int halfMove = 1; halfMove <= c.firstThreefold && moves >> move; ++halfMove) {
            Play(board, move);
            EXPECT_EQ(board.CheckForThreefoldPosition(), halfMove == c.firstThreefold) << "after " << move;
        }
    }
}

} // namespace
