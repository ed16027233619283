// The engine and the board judge legality independently; they must agree on every position a game
// can reach, and on odd positions set up through the board's writers.

#include "tests/board/board_test_support.h"

#include "engine/engine.h"
#include "engine/legal_moves.h"

#include <memory>
#include <random>
#include <set>

namespace {

using MoveSet = std::set<std::pair<int, int>>;

// The engine's legal moves as board squares; the four promotions of one pawn move count once.
MoveSet EngineMoves(engine::Engine& e, TChessBoard& board)
{
    e.LoadPosition(
        board.Position().c_str(), board.WhiteToMove(), board.CastlingAllowed().Bits(), SquareIndex(board.EnPassant()));
    MoveSet moves;
    engine::ForEachLegalMove(e, [&](engine::EngineMove m) {
        moves.emplace(engine::BoardSquareNumber(engine::MoveFrom(m)), engine::BoardSquareNumber(engine::MoveTo(m)));
    });
    return moves;
}

MoveSet BoardMoves(TChessBoard& board)
{
    MoveSet moves;
    for (const auto& [from, to] : LegalMoves(board))
        moves.emplace(SquareIndex(from), SquareIndex(to));
    return moves;
}

std::string Describe(TChessBoard& board)
{
    std::string text = board.Position();
    for (char& c : text)
        if (c == ' ')
            c = '.';
    return text + (board.WhiteToMove() ? " w" : " b") + " rights " + std::to_string(board.CastlingAllowed().Bits())
        + " ep " + std::to_string(SquareIndex(board.EnPassant()));
}

TEST(EngineAgreesWithBoard, OnEveryPositionOfRandomGames)
{
    auto e = std::make_unique<engine::Engine>();
    std::mt19937 random(4711);
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    int positions = 0;
    for (int game = 0; game < 12; ++game) {
        board.NewGame();
        for (int ply = 0; ply < 200; ++ply) {
            const MoveSet expected = BoardMoves(board);
            ASSERT_EQ(EngineMoves(*e, board), expected) << Describe(board);
            ++positions;
            if (expected.empty() || board.CheckForThreefoldPosition())
                break;
            auto it = expected.begin();
            std::advance(it, random() % expected.size());
            ASSERT_TRUE(board.Move(SquareAt(it->first), SquareAt(it->second)));
        }
    }
    EXPECT_GT(positions, 500);
}

TEST(EngineAgreesWithBoard, OnRandomPlacementsWithAnyRightsAndEnPassantSquare)
{
    auto e = std::make_unique<engine::Engine>();
    std::mt19937 random(20261208);
    TChessBoard board(nullptr, TChessBoard::Mode::Designer);
    const std::string pieces = "PPPPNBRQppppnbrq";
    for (int round = 0; round < 3000; ++round) {
        // One king each, pieces and pawns anywhere (also on the first and last ranks).
        // Half the time king and rooks stand where castling needs them.
        const bool castlingSquares = random() % 2;
        std::string squares(64, ' ');
        if (castlingSquares) {
            squares[SquareIndex(Square::E1) - 1] = 'K';
            squares[SquareIndex(Square::H1) - 1] = 'R';
            squares[SquareIndex(Square::A8) - 1] = 'r';
        } else {
            squares[random() % 64] = 'K';
        }
        int blackKing;
        do
            blackKing = static_cast<int>(random() % 64);
        while (squares[blackKing] != ' ');
        squares[blackKing] = 'k';
        const int count = static_cast<int>(random() % 20);
        for (int n = 0; n < count; ++n) {
            const int at = static_cast<int>(random() % 64);
            if (squares[at] == ' ')
                squares[at] = pieces[random() % pieces.size()];
        }
        const bool whiteToMove = random() % 2;
        // An en passant square on either rank, or none; often with the pawns that make it usable.
        Square enPassant = Square::None;
        if (random() % 3 == 0) {
            const bool sixthRank = random() % 2;
            const int file = static_cast<int>(random() % 8);
            const int target = (sixthRank ? 17 : 41) + file; // a6..h6 or a3..h3
            enPassant = SquareAt(target);
            if (random() % 2) {
                const int behind = sixthRank ? target + 8 : target - 8;
                const int beside = behind + (file == 0 || (file < 7 && random() % 2) ? 1 : -1);
                const bool victimWhite = !sixthRank;
                squares[target - 1] = ' ';
                if (squares[behind - 1] != 'K' && squares[behind - 1] != 'k')
                    squares[behind - 1] = victimWhite ? 'P' : 'p';
                if (squares[beside - 1] != 'K' && squares[beside - 1] != 'k')
                    squares[beside - 1] = victimWhite ? 'p' : 'P';
            }
        }
        // Through the writers, from a fresh game so that no earlier en passant square remains.
        board.NewGame();
        board.set_PosStr(squares);
        board.set_WhiteToMove(whiteToMove);
        board.set_CastlingAllowed(CastlingSet::FromBits(static_cast<std::uint8_t>(random() % 16)));
        board.set_EnPassant(enPassant);
        ASSERT_EQ(board.Position(), squares);
        ASSERT_EQ(EngineMoves(*e, board), BoardMoves(board)) << Describe(board);
    }
}

} // namespace
