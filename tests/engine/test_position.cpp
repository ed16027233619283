// Loading positions: from the board's fields and from FEN text, including refused input.

#include "tests/engine/engine_test_support.h"

// The sanitizer builds run the engine's and the board's invariant checks.
#if defined(ZUGWERK_SANITIZED) && defined(NDEBUG)
#error "sanitizer builds must compile the asserts in"
#endif

namespace engine::test {
namespace {

    constexpr char StartSquares[] = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";
    static_assert(sizeof StartSquares == SquareCount + 1);

    TEST(LoadPosition, ReadsTheBoardFieldsAndExportsThemBack)
    {
        auto engine = MakeEngine();
        engine->LoadPosition(StartSquares, false, 0b0101, 21); // Black to move, K and k, e6 (Square 21)
        const EnginePosition& p = engine->Position();
        EXPECT_EQ(p.SquareColor[A8], Black);
        EXPECT_EQ(p.SquarePiece[A8], Rook);
        EXPECT_EQ(p.SquareColor[E1], White);
        EXPECT_EQ(p.SquarePiece[E1], King);
        EXPECT_EQ(p.SquareColor[MakeSquare(4, 4)], NoColor);
        EXPECT_EQ(p.SquarePiece[MakeSquare(4, 4)], NoPiece);
        EXPECT_EQ(p.SideToMove, Black);
        EXPECT_EQ(p.OtherSide, White);
        EXPECT_EQ(p.CastleRights, WhiteKingSide | BlackKingSide);
        EXPECT_EQ(p.EnPassantTarget, 20);

        char squares[SquareCount];
        bool whiteToMove = true;
        std::uint8_t castling = 0;
        int enPassant = 0;
        engine->ExportPosition(squares, whiteToMove, castling, enPassant);
        EXPECT_EQ(std::string(squares, SquareCount), StartSquares);
        EXPECT_FALSE(whiteToMove);
        EXPECT_EQ(castling, 0b0101);
        EXPECT_EQ(enPassant, 21);
    }

    TEST(LoadPosition, KeepsOddInputWithinTheEngineCodes)
    {
        auto engine = MakeEngine();
        std::string odd(SquareCount, '_');
        odd[1] = '\0';
        engine->LoadPosition(odd.data(), true, 0xFF, 65); // no piece letters, all rights, no such square
        EXPECT_EQ(engine->Position().SquarePiece[1], NoPiece);
        EXPECT_EQ(engine->Position().CastleRights, AllCastleRights);
        EXPECT_EQ(engine->Position().EnPassantTarget, NoSquare);
        engine->LoadPosition(nullptr, true, 0, -3);
        EXPECT_TRUE(engine->PositionIsConsistent());
    }

    TEST(Fen, ParsesAllFieldsAndRefusesMalformedText)
    {
        RootPosition position {};
        std::string error;
        ASSERT_TRUE(ReadFenFields("r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 0 1", position, error)) << error;
        EXPECT_EQ(std::string(position.Squares, 8), "r   k  r");
        EXPECT_EQ(position.Squares[28], 'P');
        EXPECT_TRUE(position.WhiteToMove);
        EXPECT_EQ(position.CastlingBits, WhiteKingSide | BlackQueenSide);
        EXPECT_EQ(position.EnPassantSquare, 20); // d6 is Square 20
        ASSERT_TRUE(ReadFenFields("8/8/8/8/8/8/8/k6K b - -", position, error)) << error; // counters left out

        const char* bad[] = {
            "",
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", // seven ranks
            "rnbqkbnr/ppp4pp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", // nine squares
            "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNX w KQkq - 0 1", // digit 9, unknown piece
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KK - 0 1", // side, repeated right
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e4 0 1", // en passant rank
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - x 1 extra", // counter, seventh field
        };
        auto engine = EngineAt("4k3/8/8/8/8/8/8/4K3 w - - 0 1");
        for (const char* fen : bad) {
            SCOPED_TRACE(fen);
            error.clear();
            EXPECT_FALSE(LoadFenFields(*engine, fen, error));
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(engine->Position().SquarePiece[A1], NoPiece); // the bare kings are still loaded
        }
    }

} // namespace
} // namespace engine::test
