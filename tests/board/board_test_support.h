#pragma once

// Helpers for the board tests: square names, placements written as FEN rows, a board that logs
// the drawing the model asks for, and a log of every event with the position its handler saw.

#include "board/chessbrd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// "e2" -> Square::E2; anything else -> None.
inline Square Sq(const std::string& name)
{
    if (name.size() != 2)
        return Square::None;
    return TChessBoard::MouseToSquare(std::tolower(name[0]) - 'a' + 1, name[1] - '0');
}

// The 64-letter position of a FEN placement such as "4k3/8/8/8/8/8/8/4K3".
inline std::string Placement(const std::string& fen)
{
    std::string squares;
    for (char c : fen) {
        if (c == '/')
            continue;
        if (c >= '1' && c <= '8')
            squares.append(static_cast<std::size_t>(c - '0'), ' ');
        else
            squares.push_back(c);
    }
    EXPECT_EQ(squares.size(), 64u) << fen;
    return squares;
}

// A MoveInfo holding a placement, for SetUpPosition.
inline MoveInfo RecordOf(const std::string& fen, CastlingSet rights = CastlingSet(), Square enPassant = Square::None)
{
    MoveInfo info;
    const std::string squares = Placement(fen);
    std::copy(squares.begin(), squares.end(), info.PosStr + 1);
    info.Castling = rights;
    info.EnPassant = enPassant;
    return info;
}

// A board without an engine thread whose placement and side to move are set up directly.
// The record then starts at (1, side to move).
inline void Arrange(TChessBoard& board, const std::string& fen, bool whiteToMove = true,
    CastlingSet rights = CastlingSet(), Square enPassant = Square::None, int moveNumber = 1)
{
    MoveInfo info = RecordOf(fen, rights, enPassant);
    ASSERT_TRUE(board.SetUpPosition(info, moveNumber, whiteToMove)) << fen;
}

// Plays moves written as "e2e4 e7e5 g1f3"; fails the test at the first refused move.
inline void Play(TChessBoard& board, const std::string& moves)
{
    std::istringstream in(moves);
    std::string move;
    while (in >> move)
        ASSERT_TRUE(board.Move(Sq(move.substr(0, 2)), Sq(move.substr(2, 2)))) << "refused: " << move;
}

// Plays the first legal half-move (in square order) that neither repeats a placement for the third
// time nor ends the game, until the given position is reached.
inline void PlayUntil(TChessBoard& board, int moveNumber, bool whiteToMove)
{
    while (board.CurrentMove() != moveNumber || board.WhiteToMove() != whiteToMove) {
        bool moved = false;
        for (int i = 1; i <= 64 && !moved; ++i) {
            for (int j = 1; j <= 64 && !moved; ++j) {
                if (!board.Move(SquareAt(i), SquareAt(j)))
                    continue;
                if (!board.CheckForThreefoldPosition() && board.LegalMoveAvailable())
                    moved = true;
                else
                    board.MoveBackward();
            }
        }
        ASSERT_TRUE(moved) << "stuck at move " << board.CurrentMove();
    }
}

// Every legal half-move of the side to move, in square order.
inline std::vector<std::pair<Square, Square>> LegalMoves(TChessBoard& board)
{
    std::vector<std::pair<Square, Square>> moves;
    for (int i = 1; i <= 64; ++i)
        for (int j = 1; j <= 64; ++j)
            if (board.MoveIsLegal(SquareAt(i), SquareAt(j)))
                moves.emplace_back(SquareAt(i), SquareAt(j));
    return moves;
}

// Plays quiet half-moves (no capture, no pawn move, no castling) that lead to positions not seen
// before in this run, the first such in square order each time, so that no placement repeats.
inline void PlayQuietHalfMoves(TChessBoard& board, int count)
{
    std::vector<std::string> seen { board.Position() + (board.WhiteToMove() ? "w" : "b") };
    for (int n = 0; n < count; ++n) {
        bool moved = false;
        for (int i = 1; i <= 64 && !moved; ++i) {
            const char piece = board.PieceAt(SquareAt(i));
            if (piece == 'P' || piece == 'p')
                continue;
            for (int j = 1; j <= 64 && !moved; ++j) {
                const Square from = SquareAt(i), to = SquareAt(j);
                const bool castles
                    = (piece == 'K' || piece == 'k') && std::abs(TChessBoard::XPos(from) - TChessBoard::XPos(to)) == 2;
                if (board.PieceAt(to) != EmptySquare || castles || !board.MoveIsLegal(from, to))
                    continue;
                std::string after = board.Position();
                std::swap(after[static_cast<std::size_t>(i - 1)], after[static_cast<std::size_t>(j - 1)]);
                after += board.WhiteToMove() ? "b" : "w";
                if (std::find(seen.begin(), seen.end(), after) != seen.end())
                    continue;
                ASSERT_TRUE(board.Move(from, to));
                seen.push_back(after);
                moved = true;
            }
        }
        ASSERT_TRUE(moved) << "no new quiet half-move after " << n;
    }
}

inline std::string Name(Square sq)
{
    if (!IsOnBoard(sq))
        return "--";
    return { static_cast<char>('a' + TChessBoard::XPos(sq) - 1), static_cast<char>('0' + TChessBoard::YPos(sq)) };
}

// Records each event as text, with the board's Position when the handler ran.
struct EventLog {
    std::vector<std::string> events;
    std::vector<std::string> positions;

    void Attach(TChessBoard& board)
    {
        auto note = [this, &board](std::string text) {
            events.push_back(std::move(text));
            positions.push_back(board.Position());
        };
        board.OnLegalMove = [note](QObject*, Square a, Square b) { note("LegalMove " + Name(a) + Name(b)); };
        board.OnCapture = [note](QObject*, Square a, Square b, char c) {
            note("Capture " + Name(a) + Name(b) + " " + std::string(1, c));
        };
        board.OnPromotion = nullptr;
        board.OnCastle = [note](QObject*, Square a, Square b) { note("Castle " + Name(a) + Name(b)); };
        board.OnCheck = [note](QObject*, Square a, Square b) { note("Check " + Name(a) + Name(b)); };
        board.OnMate = [note](QObject*, Square a, Square b) { note("Mate " + Name(a) + Name(b)); };
        board.OnStaleMate = [note](QObject*, Square a, Square b) { note("StaleMate " + Name(a) + Name(b)); };
        board.OnOnlyTwoKingsLeft = [note](QObject*) { note("OnlyTwoKingsLeft"); };
        board.OnThreefoldPosition = [note](QObject*) { note("ThreefoldPosition"); };
    }
    void Clear()
    {
        events.clear();
        positions.clear();
    }
};

// Logs the drawing calls the model makes.
class RecordingBoard : public TChessBoard {
public:
    RecordingBoard()
        : TChessBoard(nullptr, Mode::Designer)
    {
    }
    std::vector<std::string> calls;

    void Paint() override
    {
        calls.push_back("Paint");
        const bool wasRecording = recordSquares;
        recordSquares = false;
        TChessBoard::Paint();
        recordSquares = wasRecording;
    }
    void ClearSquare(Square sq) override
    {
        if (recordSquares)
            calls.push_back("Clear " + Name(sq));
        TChessBoard::ClearSquare(sq);
    }
    void DrawPiece(Square sq, char piece) override
    {
        if (recordSquares)
            calls.push_back("Draw " + Name(sq) + " " + std::string(1, piece));
        TChessBoard::DrawPiece(sq, piece);
    }
    void UpdateChessBoard(const char* old) override
    {
        calls.push_back("Update");
        const bool wasRecording = recordSquares;
        recordSquares = false;
        TChessBoard::UpdateChessBoard(old);
        recordSquares = wasRecording;
    }
    // The square calls that Paint and UpdateChessBoard make themselves are not logged.
    bool recordSquares = true;
};
