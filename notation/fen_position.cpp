// FEN as positions that can stand on a board: the form of each field is engine::ReadFenFields's; here
// come the checks of the position the fields describe, and the writer.

#include "notation/game_notation.h"
#include "notation/move_rules.h"
#include "notation/quoted_text.h"

#include "engine/coordinate_text.h"
#include "engine/engine_types.h"

namespace notation {

namespace {

    // Move counters beyond any real game; the limit keeps counting after them far from overflow.
    constexpr int MaxCounter = 999999;

    // Castling rights in bit order: the right's letter and the squares (indices into Squares) where
    // its king and rook must stand.
    struct CastlingPlaces {
        char Letter;
        int King;
        int Rook;
    };
    constexpr CastlingPlaces CastlingRights[] = {
        { 'K', engine::E1, engine::H1 },
        { 'Q', engine::E1, engine::A1 },
        { 'k', engine::E8, engine::H8 },
        { 'q', engine::E8, engine::A8 },
    };

    bool IsWhite(char letter) { return letter >= 'A' && letter <= 'Z'; }
    char OfColor(char upper, bool white) { return white ? upper : static_cast<char>(upper - 'A' + 'a'); }

    bool CastlingRightFits(const Position& position, const CastlingPlaces& right)
    {
        const bool white = IsWhite(right.Letter);
        return position.Squares[right.King] == OfColor('K', white)
            && position.Squares[right.Rook] == OfColor('R', white);
    }

    // Whether a pawn of the side not to move can just have crossed the en passant square with a double
    // step: the square on the right rank and empty, the pawn's start square empty, the pawn in front.
    bool EnPassantFits(const Position& position)
    {
        if (position.EnPassantSquare == 0)
            return true;
        if (position.EnPassantSquare < 1 || position.EnPassantSquare > engine::SquareCount)
            return false;
        const int square = engine::EngineSquareOf(position.EnPassantSquare);
        const int towardsMover = position.WhiteToMove ? engine::RankStep : -engine::RankStep;
        const int skippedRow = position.WhiteToMove ? 2 : 5; // rank 6 or rank 3
        return engine::RowOf(square) == skippedRow && position.Squares[square] == ' '
            && position.Squares[square - towardsMover] == ' '
            && position.Squares[square + towardsMover] == OfColor('P', !position.WhiteToMove);
    }

    const char* SideName(bool white) { return white ? "White" : "Black"; }

    // The first reason why the position cannot stand on a board, or an empty text.
    std::string WhyPositionCannotStand(const Position& position)
    {
        if (position.FullmoveNumber < 1 || position.FullmoveNumber > MaxCounter)
            return "the move number must be from 1 to " + std::to_string(MaxCounter);
        if (position.HalfmoveClock > MaxCounter)
            return "the half-move clock must be at most " + std::to_string(MaxCounter);

        int kings[2] = {};
        for (int square = 0; square < engine::SquareCount; ++square) {
            const char letter = position.Squares[square];
            if (letter == 'K' || letter == 'k')
                ++kings[IsWhite(letter) ? 0 : 1];
            const int row = engine::RowOf(square);
            if ((letter == 'P' || letter == 'p') && (row == 0 || row == 7))
                return "a pawn stands on " + engine::SquareName(square)
                    + "; pawns never stand on the first or last rank";
        }
        for (const bool white : { true, false })
            if (kings[white ? 0 : 1] != 1)
                return std::string(SideName(white)) + " must have exactly one king, not "
                    + std::to_string(kings[white ? 0 : 1]);

        for (std::size_t bit = 0; bit < std::size(CastlingRights); ++bit) {
            const CastlingPlaces& right = CastlingRights[bit];
            if ((position.CastlingBits & (1u << bit)) && !CastlingRightFits(position, right)) {
                const bool white = IsWhite(right.Letter);
                return std::string("castling right \"") + right.Letter + "\" needs the " + (white ? "white" : "black")
                    + " king on " + engine::SquareName(right.King) + " and a rook on " + engine::SquareName(right.Rook);
            }
        }
        if (!EnPassantFits(position))
            return std::string("no ") + SideName(!position.WhiteToMove)
                + " pawn can just have passed the en passant square "
                + engine::SquareName(engine::EngineSquareOf(position.EnPassantSquare));
        if (MoveRules(position).KingAttacked(!position.WhiteToMove))
            return std::string(SideName(!position.WhiteToMove)) + " is in check but " + SideName(position.WhiteToMove)
                + " is to move";
        return {};
    }

} // namespace

Position ReadFen(std::string_view fen)
{
    // Pasted text often brings a line end along.
    const std::size_t first = fen.find_first_not_of(" \t\r\n");
    fen = first == std::string_view::npos ? std::string_view()
                                          : fen.substr(first, fen.find_last_not_of(" \t\r\n") - first + 1);
    Position position;
    std::string error;
    // The engine's reason may quote a byte of the text, which need not be printable.
    if (!engine::ReadFenFields(fen, position, error))
        throw NotationError("invalid FEN: " + Printable(error), std::string(fen));
    if (const std::string flaw = WhyPositionCannotStand(position); !flaw.empty())
        throw NotationError("invalid FEN: " + flaw, std::string(fen));
    return position;
}

std::string WriteFen(const Position& position)
{
    std::string fen;
    // Placement, rank 8 first, runs of empty squares as digits.
    for (int row = 0; row < 8; ++row) {
        int empty = 0;
        for (int file = 0; file < 8; ++file) {
            const char letter = position.Squares[engine::MakeSquare(row, file)];
            if (std::string_view("PNBRQKpnbrqk").find(letter) == std::string_view::npos) {
                ++empty;
                continue;
            }
            if (empty)
                fen += static_cast<char>('0' + empty);
            empty = 0;
            fen += letter;
        }
        if (empty)
            fen += static_cast<char>('0' + empty);
        if (row < 7)
            fen += '/';
    }
    // Side, the rights whose king and rook are in place, the en passant square if it fits.
    fen += position.WhiteToMove ? " w " : " b ";
    const std::size_t rightsStart = fen.size();
    for (std::size_t bit = 0; bit < std::size(CastlingRights); ++bit)
        if ((position.CastlingBits & (1u << bit)) && CastlingRightFits(position, CastlingRights[bit]))
            fen += CastlingRights[bit].Letter;
    if (fen.size() == rightsStart)
        fen += '-';
    fen += ' ';
    fen += position.EnPassantSquare != 0 && EnPassantFits(position)
        ? engine::SquareName(engine::EngineSquareOf(position.EnPassantSquare))
        : "-";
    // The counters.
    fen += ' ' + std::to_string(position.HalfmoveClock) + ' ' + std::to_string(position.FullmoveNumber);
    return fen;
}

} // namespace notation
