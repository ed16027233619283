// Loading positions: from the board's fields and from FEN text, including refused input.

#include "engine_test_support.h"

namespace engine::test {
namespace {

    constexpr char StartSquares[] = "rnbqkbnrpppppppp"
                                    "                "
                                    "                "
                                    "PPPPPPPPRNBQKBNR";

    TEST(LoadPosition, ReadsTheBoardFields)
    {
        auto engine = MakeEngine();
        engine->LoadPosition(StartSquares, false, 0b0101, 21); // Black to move, K and k, e6 (Square 21)
        const EnginePosition& p = engine->Position();
        EXPECT_EQ(p.SquareColor[A8], Black);
        EXPECT_EQ(p.SquarePiece[A8], Rook);
        EXPECT_EQ(p.SquarePiece[E1], King);
        EXPECT_EQ(p.SquareColor[E1], White);
        EXPECT_EQ(p.SquarePiece[MakeSquare(4, 4)], NoPiece);
        EXPECT_EQ(p.SquareColor[MakeSquare(4, 4)], NoColor);
        EXPECT_EQ(p.SideToMove, Black);
        EXPECT_EQ(p.OtherSide, White);
        EXPECT_EQ(p.CastleRights, WhiteKingSide | BlackKingSide);
        EXPECT_EQ(p.EnPassantTarget, 20);
        EXPECT_EQ(p.QuietPlies, 0);
        EXPECT_EQ(p.Ply, 0);

        // Whatever the board holds, the engine position stays within its codes.
        std::string odd(StartSquares, SquareCount);
        odd[0] = 'x';
        odd[1] = '\0';
        odd[2] = '_';
        engine->LoadPosition(odd.c_str(), true, 0xFF, 65);
        EXPECT_EQ(engine->Position().SquarePiece[0], NoPiece);
        EXPECT_EQ(engine->Position().SquarePiece[1], NoPiece);
        EXPECT_EQ(engine->Position().SquarePiece[2], NoPiece);
        EXPECT_EQ(engine->Position().CastleRights, AllCastleRights);
        EXPECT_EQ(engine->Position().EnPassantTarget, NoSquare);
        EXPECT_TRUE(engine->PositionIsConsistent());

        engine->LoadPosition(nullptr, true, 0, -3);
        EXPECT_EQ(engine->Position().SquarePiece[E1], NoPiece);
        EXPECT_EQ(engine->Position().EnPassantTarget, NoSquare);
        EXPECT_TRUE(engine->PositionIsConsistent());
    }

    TEST(LoadPosition, ExportGivesBackWhatWasLoaded)
    {
        auto engine = MakeEngine();
        engine->LoadPosition(StartSquares, true, 0b1010, 44);
        char squares[SquareCount];
        bool whiteToMove = false;
        std::uint8_t castling = 0;
        int enPassant = 0;
        engine->ExportPosition(squares, whiteToMove, castling, enPassant);
        EXPECT_EQ(std::string(squares, SquareCount), std::string(StartSquares, SquareCount));
        EXPECT_TRUE(whiteToMove);
        EXPECT_EQ(castling, 0b1010);
        EXPECT_EQ(enPassant, 44);
    }

    TEST(Fen, ParsesAllFields)
    {
        RootPosition position {};
        std::string error;
        ASSERT_TRUE(ParseFen("r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 0 1", position, error)) << error;
        EXPECT_EQ(std::string(position.Squares, 8), "r   k  r");
        EXPECT_EQ(position.Squares[27], 'p');
        EXPECT_EQ(position.Squares[28], 'P');
        EXPECT_TRUE(position.WhiteToMove);
        EXPECT_EQ(position.CastlingBits, WhiteKingSide | BlackQueenSide);
        EXPECT_EQ(position.EnPassantSquare, 20); // d6 is Square 20
        // The move counters may be left out.
        ASSERT_TRUE(ParseFen("8/8/8/8/8/8/8/k6K b - -", position, error)) << error;
        EXPECT_FALSE(position.WhiteToMove);
        EXPECT_EQ(position.EnPassantSquare, 0);
    }

    TEST(Fen, RefusesMalformedTextAndSaysWhy)
    {
        const char* bad[] = {
            "",
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", // seven ranks
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/8 w KQkq - 0 1", // nine ranks
            "rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", // nine squares
            "rnbqkbnr/ppp4pp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", // 4 + 4 + 1 squares
            "rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", // seven squares
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNX w KQkq - 0 1", // unknown piece
            "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", // digit 9
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1", // side
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkx - 0 1", // castling letter
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KK - 0 1", // repeated right
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e4 0 1", // en passant rank
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq i6 0 1", // en passant file
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - x 1", // counter
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 extra", // seven fields
            "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w", // two fields
        };
        auto engine = MakeEngine();
        Load(*engine, "4k3/8/8/8/8/8/8/4K3 w - - 0 1");
        for (const char* fen : bad) {
            SCOPED_TRACE(fen);
            RootPosition position {};
            std::string error;
            EXPECT_FALSE(ParseFen(fen, position, error));
            EXPECT_FALSE(error.empty());
            // A refused FEN leaves the engine's position alone.
            EXPECT_FALSE(LoadFen(*engine, fen, error));
            EXPECT_EQ(engine->Position().SquarePiece[E1], King);
            EXPECT_EQ(engine->Position().SquarePiece[A1], NoPiece);
        }
    }

} // namespace
} // namespace engine::test
