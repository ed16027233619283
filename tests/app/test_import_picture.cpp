// Putting a game on the board holds its painting back and paints once at the end: the picture must
// be the one that drawing every move as it is made leaves, game after game on one board.

#include "app/game_transfer.h"
#include "board/chessbrd.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// Moves drawn one by one, as a player makes them: the picture an import must end with.
void PlayDrawingEachMove(TChessBoard& board, const notation::Game& game)
{
    board.NewGame();
    char promotion = 'q';
    board.OnPromotion = [&](QObject*, Square, Square, char& piece) { piece = promotion; };
    for (const notation::Move& move : game.Moves) {
        promotion = move.Promotion ? static_cast<char>(std::tolower(static_cast<unsigned char>(move.Promotion))) : 'q';
        ASSERT_TRUE(board.Move(SquareAt(move.From), SquareAt(move.To)));
    }
}

TEST(ImportPicture, IsTheOneThatDrawingEachMoveLeaves)
{
    // Castling on both wings, en passant, a promotion to a knight with a capture, a mate.
    const char* const games[] = {
        "1. e4 d5 2. exd5 Qxd5 3. Nc3 Qa5 4. d4 c6 5. Nf3 Bg4 6. Bf4 e6 7. h3 Bxf3 8. Qxf3 Bb4 9. Be2 Nd7 "
        "10. a3 O-O-O 11. O-O *",
        "1. e4 Nf6 2. e5 d5 3. exd6 Ne4 4. dxc7 Nc3 5. cxd8=N Kxd8 *",
        "1. f3 e5 2. g4 Qh4# 0-1",
    };
    TChessBoard imported;
    for (const char* pgn : games) {
        SCOPED_TRACE(pgn);
        const notation::Game game = notation::ReadPgn(pgn).at(0);
        ASSERT_EQ(ReplayOnBoard(imported, game).Imported.Moves, game.Moves);
        ASSERT_FALSE(imported.PaintingHeld());
        TChessBoard drawn;
        PlayDrawingEachMove(drawn, game);
        ASSERT_FALSE(imported.Canvas().isNull());
        EXPECT_EQ(imported.Canvas(), drawn.Canvas());
        // And the whole picture painted afresh is the same.
        const QImage held = imported.Canvas().copy();
        imported.Paint();
        EXPECT_EQ(imported.Canvas(), held);
    }
}

} // namespace
