#pragma once

// Whole games and positions as text: standard algebraic notation (SAN) for single moves, FEN for
// positions and PGN for games. Plain C++ without Qt; the rules of chess come from the engine's move
// generator, so the notation accepts exactly the moves the engine plays.
//
// Squares are the board's Square values: 1 = a8, 2 = b8, ... 8 = h8, 9 = a7, ... 64 = h1, and 0 for
// none. Every reader checks the whole text before it returns anything: it either returns a complete
// result or throws NotationError, never a half-read game (ReadPgnGames gives a damaged game back as
// its tags alone, with the error).
//
// Where each part lives:
//   game_notation.h     the whole library's interface: Move, Position, Game, NotationError (this file)
//   move_rules.*        MoveRules: one position, its legal moves, making one of them, through the engine
//   san.*               SAN both ways on a MoveRules
//   fen_position.cpp    FEN as positions that can stand on a board (the form of the fields is
//                       engine/fen_fields'), and the FEN writer
//   game.cpp            games: tags, positions, how they ended (mate, stalemate, repetition, bare kings,
//                       and the further draw rules of dead material and 50 and 75 quiet moves)
//   pgn_scanner.*       PGN text as tokens with line and column
//   pgn_reader.cpp      PGN games from tokens, every move replayed; ReadPgnGames game by game
//   pgn_writer.cpp      PGN export format
//   move_notes.*        marks, NAGs and "[%eval ...]" comments: the PGN text of MoveNote
//   notation_error.cpp  the refusals, with their place in the text
//   quoted_text.*       text made fit to stand in an error message

#include "engine/fen_fields.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace notation {

// A position as FEN describes it: placement (a8 first), side to move, castling rights in the board's
// bit order, en passant square (board Square value, 0 for none) and the two move counters.
using Position = engine::RootPosition;

// A half-move. Promotion is the new piece's upper-case letter ('Q', 'R', 'B', 'N'), or 0 when the
// move is no promotion; castling is the king's move (e1 to g1).
struct Move {
    int From = 0;
    int To = 0;
    char Promotion = 0;

    bool operator==(const Move&) const = default;
};

// Why a text was refused. The message names the place (game, line and column in a PGN text) and
// quotes the text that failed, made printable and cut short; the fields give the same facts to
// callers that want them apart, Text() as the raw bytes. Copies share the text, which can be as
// large as the whole input.
class NotationError : public std::runtime_error {
public:
    explicit NotationError(const std::string& reason, std::string text = {});
    // The same error placed in a PGN text: game number, line and column (all from 1), and for a move
    // its number and side.
    NotationError At(int game, int line, int column, const std::string& moveContext = {}) const;

    const std::string& Reason() const { return FReason; }
    const std::string& Text() const { return *FText; }
    int Game() const { return FGame; }
    int Line() const { return FLine; }
    int Column() const { return FColumn; }

private:
    NotationError(const std::string& message, const NotationError& cause, int game, int line, int column);

    std::string FReason;
    std::shared_ptr<const std::string> FText;
    int FGame = 0;
    int FLine = 0;
    int FColumn = 0;
};

// --- Positions and moves -------------------------------------------------------------------------

Position StartPosition();

// The legal moves of the side to move; a promotion counts once for each piece the pawn can become.
std::vector<Move> LegalMoves(const Position& position);
bool SideToMoveInCheck(const Position& position);
// The position after a legal move, counters and en passant square included; throws for any other.
Position PositionAfter(const Position& position, Move move);

// --- FEN -----------------------------------------------------------------------------------------

// Reads all six fields (the two counters may be left out, but only both together) and refuses any
// position that cannot stand on a board: ranks that do not sum to 8 or write two digits in a row, a
// bad side to move, castling rights without king and rook on their squares, an en passant square
// that no pawn can have passed, pawns on the first or last rank, not exactly one king per side, the
// side not to move in check, a move number below 1.
Position ReadFen(std::string_view fen);
// Castling rights only where king and rook still stand on their squares; the en passant square
// after every double step, whether or not a pawn can take (ReadFen accepts both forms).
std::string WriteFen(const Position& position);

// --- SAN -----------------------------------------------------------------------------------------

// The move in standard algebraic notation: "Nbd7", "exd6", "e8=Q+", "O-O-O#". Throws for a move
// that is not legal in the position.
std::string MoveToSan(const Position& position, Move move);
// Reads SAN as real files write it: "0-0" for "O-O", a missing or surplus "+" or "#", "e8Q" for
// "e8=Q", trailing "!" and "?" marks and "$n" NAGs, long forms such as "Ng1-f3" or "e7e8q". "b" is
// always a pawn's file, "B" a bishop. Throws for text that names no legal move or more than one.
Move SanToMove(const Position& position, std::string_view san);

// --- Games ---------------------------------------------------------------------------------------

struct Tag {
    std::string Name;
    std::string Value;

    bool operator==(const Tag&) const = default;
};

// How a game ended by the rules this program plays by. The first that applies after the last move
// counts, in this order: mate, stalemate, only the two kings left, and the same position standing for
// the third time in the game. Positions are the same with the same placement, side to move, castling
// rights and en passant capture (only one that is legal counts: a double step that no pawn can take
// changes nothing); the move counters do not count.
// A game played with MoreDrawRules ends after those also by a dead position (DeadMaterial), by 150
// half-moves without a capture or a pawn move, and by a standing 50-move claim (FiftyMoveDrawClaimed).
enum class GameEnd { None, Mate, Stalemate, OnlyKings, Repetition, DeadPosition, SeventyFiveMoves, FiftyMovesClaimed };

// Half-moves without a capture or a pawn move after which a draw may be claimed, and after which
// the game ends by itself.
inline constexpr int FiftyMoveRuleHalfMoves = 100;
inline constexpr int SeventyFiveMoveRuleHalfMoves = 150;

// An engine's judgement of a position, from White's side: centipawns, or a mate in so many moves
// (positive: White mates, negative: Black mates). PGN comments carry it as "[%eval 0.23]" (pawns)
// or "[%eval #-3]".
struct Evaluation {
    int Centipawns = 0;
    std::optional<int> MateIn; // when set, Centipawns is not used

    bool operator==(const Evaluation&) const = default;
};

// What an annotator says about one half-move: a mark glued to the move ("?", "??", "!", "!!",
// "!?", "?!"; empty for none) and the evaluation of the position after it.
struct MoveNote {
    std::string Mark;
    std::optional<Evaluation> Eval;

    bool operator==(const MoveNote&) const = default;
};

struct Game {
    std::vector<Tag> Tags; // in file order; the writer puts the Seven Tag Roster first
    Position Start = StartPosition();
    std::vector<Move> Moves; // legal moves from Start, in order
    // Empty, or one note for each of Moves (the writer and the reader keep it so).
    std::vector<MoveNote> Notes;
    std::string Result = "*"; // "1-0", "0-1", "1/2-1/2" or "*"
    // Played by the further draw rules: a dead position and the 75-move rule end the game, and the
    // player to move may claim a draw by the 50-move rule. Games read from PGN play without them.
    bool MoreDrawRules = false;
    // The player to move claimed a draw by the 50-move rule after the last move; it ends the game only
    // with MoreDrawRules and when the last position has gone 100 half-moves without capture or pawn move.
    bool FiftyMoveDrawClaimed = false;

    // The value of a tag, empty when the game has none.
    std::string TagValue(std::string_view name) const;
    // Replaces the value of a tag or appends the tag.
    void SetTag(std::string_view name, std::string value);
};

// A game as this program starts one: Event "Casual game", Site "?", the date, Round "-", the players.
Game CasualGame(std::string date, std::string white, std::string black);
// "YYYY.MM.DD", the form of the Date tag.
std::string PgnDate(int year, int month, int day);
// "Human", or "Zugwerk! 2.0 (depth N)" for the computer searching N plies.
std::string PlayerName(bool computer, int searchDepth);

// Whether the text is one of the four termination markers: "1-0", "0-1", "1/2-1/2", "*".
bool IsResult(std::string_view text);

// The positions of the game: Start first, then the one after each move. Throws for an illegal move.
std::vector<Position> Replay(const Game& game);
// Whether the material on the 64 squares (a8 first) leaves neither side a way to mate: a king and a
// knight against a bare king, or kings with bishops only, all on squares of one colour.
bool DeadMaterial(const char (&squares)[64]);
GameEnd EndOfGame(const Game& game);
// The result the game's end dictates ("1-0" or "0-1" after a mate, "1/2-1/2" after a drawn end), or the
// game's own Result when it has not ended by the rules.
std::string ResultOf(const Game& game);

// --- PGN -----------------------------------------------------------------------------------------

// Reads every game of a PGN text: tags (escaped quotes and backslashes in values), movetext with move
// numbers ("12." and "12..."), comments in braces and after ";", variations in parentheses (skipped),
// NAGs and "!"/"?" marks, result tokens, a start position from the FEN tag, LF, CR LF or CR line ends
// and a UTF-8 byte order mark. Variations and the text of comments are not kept; each move's mark
// ("e4!?", or NAGs $1 to $6) and the first well-formed "[%eval ...]" in a comment after it fill Notes,
// which stays empty for a game without any. A malformed evaluation is plain comment text, never an
// error. Throws on the first error, naming the game, line and column and the text that failed.
std::vector<Game> ReadPgn(std::string_view text);

// One game of a PGN text, read on its own.
struct PgnGameRead {
    Game Read; // complete when Error is empty; otherwise only the tags read before the damage
    std::optional<NotationError> Error; // why this game was refused, placed at game, line and column
};
// Reads a PGN text as ReadPgn does, but game by game: one damaged game does not hide the others.
// After a damaged game reading goes on at the next tag line that follows a blank line or movetext,
// so the good games after it are found too; text between games that is no game comes back as a
// damaged game of its own. Games are numbered in the text's order, damaged ones included. A text
// without any game gives an empty list.
std::vector<PgnGameRead> ReadPgnGames(std::string_view text);
// One game in PGN export format: the Seven Tag Roster first, SetUp and FEN when the game does not
// start from the initial position, the other tags, then the movetext in lines of fewer than 80
// characters, with a comment that names the game's end (mate, stalemate, ...) and the result. With
// Notes, each move carries its mark ("Nf3?!") and its evaluation in a comment after it
// ("{[%eval -1.50]}", "{[%eval #3]}"). The text ends with a line end; games written one after another
// need a blank line between them. Throws NotationError for Notes that are neither empty nor one per
// move, or that hold a mark other than the six.
std::string WritePgn(const Game& game);

} // namespace notation
