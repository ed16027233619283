#pragma once

// Engine: the search engine core of the game, the UCI engine and the notation library. Plain C++
// without Qt; one Engine holds one position and searches it on the thread that calls it.
//
// Where each part lives:
//   engine_types.h      squares (0 = a8 .. 63 = h1), colours, pieces, the 32-bit move layout, limits
//   board_tables.h      the 10 x 12 mailbox and the piece movement tables
//   eval_tables.h       the evaluation's base tables
//   engine.h            Engine and its position record (this file)
//   engine_inline.h     the innermost steps (square writes, attack test), inlined into the hot loops
//   position.cpp        loading, exporting and checking the position
//   movegen.cpp         pseudo-legal move generation
//   makemove.cpp        making and taking back moves, which settles legality
//   attacks.cpp         attack and check tests
//   evaluate.cpp        the static evaluation
//   search.cpp          iterative deepening, alpha-beta, quiescence
//   root_scores.cpp     RootMovesScoringAtLeast: which root moves come near the best one
//   root_lines.cpp      the lines after the best one that a search asked for several reports
//   time_allotment.*    TimeBudget and AllotTime: how much of the clock one search may take
//   search_timer.*      SearchTimer: the clock that ends a timed search
//   levels.*            the named levels of play and the variety in the opening
//   legal_moves.h       ForEachLegalMove: the legal moves of the position, for callers outside the search
//   root_position.*     RootPosition: a position as the board and FEN hand it over, loaded as the root
//   fen_fields.*        the fields of FEN and the form of each (whether the position can stand is notation/'s)
//   coordinate_text.*   squares and moves as coordinate text ("e4", "e7e8q"), the promotion letters
//   words_and_numbers.* the one word splitter and whole-number reader of the texts the engine reads
//   perft.*, bench.*    the self-checks: move-tree counts and the fixed benchmark suite
// The engine thread of a board is a library of its own beside the core:
//   tthread.*           TThread: a worker thread with a priority and an end notification
//   chess_thread.*      ChessThread: searches a board's position and hands the move back to the board
//   scope_exit.h        ScopeExit

#include "engine/engine_types.h"

#include <array>
#include <atomic>
#include <cassert>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>

namespace engine {

// The engine position: what a search changes as it makes and takes back moves. A plain record so
// that tests and tools can read it through Engine::Position(); only Engine writes it.
// Invariants (Engine::PositionIsConsistent): a square is empty exactly when both its codes are
// NoColor / NoPiece; OtherSide == SideToMove ^ 1; CastleRights within 0..15; EnPassantTarget is
// NoSquare or a square; 0 <= Ply < MaxPly.
struct EnginePosition {
    std::array<int, SquareCount> SquareColor;
    std::array<int, SquareCount> SquarePiece;
    int SideToMove;
    int OtherSide;
    int CastleRights;
    int EnPassantTarget; // where an en passant capture would land, or NoSquare
    int QuietPlies; // plies since the last capture or pawn move
    int Ply; // distance from the search root
};

// One entry of the move list: the move and its ordering score.
struct MoveEntry {
    EngineMove Move;
    int Score;
};

// What the optional iteration hook receives after each completed iteration, once per line when the
// search reports several. Pv points into the engine's own tables and is valid only during the call.
struct IterationReport {
    int Depth;
    int Score;
    std::uint64_t Nodes; // nodes of the whole search so far
    int SelectiveDepth; // deepest ply reached so far, quiescence search included
    const EngineMove* Pv;
    int PvLength;
    int Line = 1; // 1 for the best line, 2 for the best of the other root moves, ...
    int LineCount = 1; // the lines this iteration reports, if it is not stopped first
};

// What the optional root move hook receives as the search of each legal root move begins.
struct RootMoveReport {
    int Depth; // the iteration's
    EngineMove Move;
    int Number; // 1 for the first root move of this search of the root, 2 for the next, ...
};

// The most lines one search reports (SearchOptions::LineCount).
inline constexpr int MaxLineCount = 10;

// What a caller may add to one search: the UCI engine restricts the root moves, knows which
// of them repeat a position of the game, and limits the nodes. With the defaults (the game's own
// searches) the search is the plain one. The spans must stay valid while the search runs.
struct SearchOptions {
    // The root moves to choose among; empty for all.
    std::span<const EngineMove> RootMoves;
    // Root moves that end the game in a draw (a position repeated for the third time): they score
    // DrawScore without being searched further.
    std::span<const EngineMove> DrawnRootMoves;
    // Once this many nodes are visited the search ends as if stopped.
    std::uint64_t NodeLimit = std::numeric_limits<std::uint64_t>::max();
    // How many of the best root moves each iteration reports, each with its own score and line
    // (1 .. MaxLineCount, at most the legal root moves). Every line after the first is a search of
    // its own among the root moves not yet reported. With 1 the search is the plain one; with more
    // the first line scores the same, though among equally scored moves it may pick another.
    int LineCount = 1;
};

// The search engine core: its own compact copy of a position, move generation, evaluation and the
// iterative-deepening alpha-beta search that picks the computer's move.
//
// Besides the square arrays the engine keeps, in step with them, a bit set of squares per colour and
// piece (bit s = square s, so the lowest bit is the square nearest a8) and each colour's sum of
// PieceSquare entries. They let the attack test, generation and evaluation visit the pieces instead
// of the 64 squares; PositionIsConsistent recomputes and compares them.
//
// Everything lives in fixed arrays inside the object (about 170 kilobytes, so allocate the Engine
// itself on the heap); nothing is allocated while it searches. The fixed tables are compile-time
// constants; the position is loaded afresh for every search by LoadPosition and is undefined after
// a stopped search. Within a search every successful MakeMove is paired with exactly one UnmakeMove.
// PvTable is deliberately kept from one search to the next: its stale entries beyond the current
// line still steer move ordering, so a search's choice among equally scored moves can depend on the
// searches made before it with the same Engine.
//
// Owned by whoever searches with it (the engine thread, the UCI engine, a test); all calls
// come from one thread at a time. Only the two atomics given to RunSearch are shared with others.
class Engine {
public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // --- Position (position.cpp) -------------------------------------------------------------

    // Loads a root position. `squares`: 64 piece letters "PNBRQKpnbrqk" or blanks from a8 to h1 (any
    // other character is an empty square). castlingBits: bit 0 White king side, bit 1 White queen
    // side, bit 2 Black king side, bit 3 Black queen side. enPassantSquare: the board's Square value
    // (1 = a8 ... 64 = h1), 0 or anything else out of range for none.
    void LoadPosition(const char* squares, bool whiteToMove, std::uint8_t castlingBits, int enPassantSquare);
    // The current position as LoadPosition takes it back: `squares` receives 64 letters.
    void ExportPosition(char* squares, bool& whiteToMove, std::uint8_t& castlingBits, int& enPassantSquare) const;

    const EnginePosition& Position() const { return Pos; }
    // Debug self-check of every invariant of the position; asserted after each make and take-back.
    bool PositionIsConsistent() const;

    // --- Move generation (movegen.cpp) --------------------------------------------------------

    // Append the pseudo-legal moves (or only the captures, the pawn steps onto the last rank and the
    // en passant captures) of the side to move for the current ply. False when the move list is full;
    // the moves of this ply are then incomplete and must not be searched.
    bool GenerateMoves();
    bool GenerateCaptures();
    // The moves generated for the current ply, in list order.
    std::span<const MoveEntry> MovesOfCurrentPly() const;

    // --- Making moves (makemove.cpp) ----------------------------------------------------------

    // Makes a move generated in this position; false when it is illegal, and then nothing changed.
    bool MakeMove(EngineMove m);
    // Takes back the move made at ply Ply - 1.
    void UnmakeMove();
    // Whether MakeMove(m) would succeed, for a move generated in this position. It makes and takes
    // back the move only when it cannot tell otherwise (king moves, en passant, castling, check).
    bool MoveIsLegal(EngineMove m);

    // --- Attacks (attacks.cpp) ----------------------------------------------------------------

    bool IsAttacked(int square, int side) const;
    // Whether the king of `side` (the first one from a8 on) is attacked; false without a king.
    bool KingInCheck(int side) const;

    // --- Evaluation (evaluate.cpp) ------------------------------------------------------------

    // Builds PieceSquare from the current (root) position: king tables and pawn shelter hold for
    // the whole search that follows.
    void PrepareTables();
    // Static value of the current position for the side to move, in hundredths of a pawn.
    int Evaluate() const;

    // --- Search (search.cpp) ------------------------------------------------------------------

    // Searches the position loaded by LoadPosition (call it before every search) by iterative
    // deepening from depth 1 up to searchDepth, which is read (and kept within MinSearchDepth ..
    // MaxSearchDepth) before every iteration. stopRequested is read after every legal move made, in
    // the quiescence search too, and after every iteration. Returns false when stopped; the position is then undefined.
    bool RunSearch(
        const std::atomic<int>& searchDepth, const std::atomic<bool>& stopRequested, const SearchOptions& options = {});

    // The first generated move of the current position that is legal (and among `among`, unless
    // that is empty); NoMove when there is none or the move list is full. What a search that ends
    // before its first iteration can still play.
    EngineMove FirstLegalRootMove(std::span<const EngineMove> among = {});

    // Called after each completed iteration; set it before searching. It is not copied or
    // allocated during a search.
    void SetIterationHook(std::function<void(const IterationReport&)> hook) { IterationHook = std::move(hook); }
    // Called as each legal root move is made, before its search; the further lines of a search that
    // reports several count their root moves from 1 again. Set it before searching; it does not
    // change what is searched.
    void SetRootMoveHook(std::function<void(const RootMoveReport&)> hook) { RootMoveHook = std::move(hook); }

    // Results of the last completed iteration of the last search, kept apart from the working
    // tables so that they stay valid after a stop. After a completed search BestMove is PvTable[0][0].
    // HasBestMove is false when no iteration completed or the root has no legal move.
    bool HasBestMove() const { return CompletedPvLength > 0; }
    EngineMove BestMove() const { return HasBestMove() ? CompletedPv[0] : NoMove; }
    int BestScore() const { return CompletedScore; }
    int CompletedDepth() const { return CompletedDepthValue; }
    std::uint64_t NodeCount() const { return CompletedNodes; } // nodes of the search up to that iteration
    int SelectiveDepth() const { return CompletedSelectiveDepth; }
    // Nodes of the last search cut short by the end of the ply arrays or of the move list.
    std::uint64_t LimitCutoffs() const { return LimitCutoffCount; }
    std::span<const EngineMove> PrincipalVariation() const { return { CompletedPv, CompletedPv + CompletedPvLength }; }
    // The move to play however the last search ended: BestMove, or when no iteration completed the
    // first legal root move (among the search's root moves); NoMove only when the root has none.
    EngineMove BestMoveSoFar() const { return HasBestMove() ? BestMove() : RootFallback; }

    // --- Root move scores (root_scores.cpp) ---------------------------------------------------

    // After a completed search, with the position still at its root: writes into `out` the legal root
    // moves (among the search's root moves) whose score at `depth` is at least `threshold`, the best
    // move first, and returns how many. Each move but the best is decided by a null-window search, so
    // the answer is exact for that depth whatever the move order. The stop request and node limit of
    // the last search end it too: it then returns 0 and the position is undefined.
    int RootMovesScoringAtLeast(int threshold, int depth, std::span<EngineMove> out);

private:
    // Moves and their undo records.
    struct UndoRecord {
        EngineMove Move;
        int Captured; // piece code that stood on the target square, NoPiece when it was empty
        int CastleRights;
        int EnPassantTarget;
        int QuietPlies;
    };

    // The only writers of the square arrays; they keep the bit sets and placement scores in step.
    // These and the attack tests below are defined in engine_inline.h.
    inline void ClearSquare(int square);
    inline void PutPiece(int square, int color, int piece); // onto an empty square
    inline void MovePiece(int from, int to); // onto an empty square
    inline bool AttackedBy(int square, int side) const; // IsAttacked
    inline bool KingAttacked(int side) const; // KingInCheck
    // KingAttacked(Pos.SideToMove), worked out at most once per position the search reaches.
    inline bool SideToMoveInCheck();
    // After a move from `from` by `side` that was not in check and did not move its king: whether
    // the move opened a line from that king to an enemy slider.
    bool UncoveredKing(int from, int side) const;
    // Before such a move: whether the piece on `from` is pinned to its king and `to` leaves the pin line.
    bool BreaksPin(int from, int to, int side) const;
    void ClearBoard();
    void RecomputePlacementScores();
    bool IsEmpty(int square) const { return Pos.SquarePiece[square] == NoPiece; }
    bool Holds(int square, int color, int piece) const
    {
        return Pos.SquareColor[square] == color && Pos.SquarePiece[square] == piece;
    }

    void AddMove(int from, int to, int flags);
    void AddPromotions(int from, int to, int flags);
    void AppendMove(EngineMove m, int score);
    void AddPawnMoves(int from, bool capturesOnly);
    void AddPieceMoves(int from, bool capturesOnly);
    void AddCastling();
    void AddEnPassant();
    void BeginGeneration();
    void AddMovesOfAllPieces(bool capturesOnly);
    bool FinishGeneration();

    bool PlaceCastlingRook(int kingTarget);
    void ReturnCastlingRook(int kingTarget);

    int SearchNode(int alpha, int beta, int depth);
    int QuiescenceSearch(int alpha, int beta);
    void PickMove(int i);
    void MarkPvMove();
    void UpdatePv(EngineMove m);
    int LimitCutoff();
    bool StopIsRequested() const { return StopFlag->load(std::memory_order_relaxed) || Nodes >= Options.NodeLimit; }
    int ScoreDrawnRootMove();
    void RecordIteration(int depth, int score, int lineCount);
    // Whether the root search tries m: among the search's root moves and not yet reported.
    bool IsSearchedRootMove(EngineMove m) const;
    int LegalRootMoveCount();
    void SearchFurtherLines(int depth, int lineCount);

    EnginePosition Pos {};
    SquareSet PieceSet[ColorCount][PieceTypeCount] {};
    SquareSet ColorSet[ColorCount] {};
    // Sum of PieceSquare over each colour's pieces, for the current PieceSquare.
    int PlacementScore[ColorCount] {};

    // Per-search evaluation table, [colour][piece][square], material included.
    int PieceSquare[ColorCount][PieceTypeCount][SquareCount] {};

    // The pawn-structure terms of Evaluate by the pawns of both sides, which most positions of a
    // search share with many others. They depend on PieceSquare too, so PrepareTables empties the
    // cache; an empty entry (no pawns) holds the right value, zero, for positions without pawns.
    struct PawnStructure {
        SquareSet Pawns[ColorCount];
        int Score[ColorCount];
    };
    static constexpr int PawnCacheBits = 12;
    mutable PawnStructure PawnCache[1 << PawnCacheBits] {};
    const PawnStructure& PawnStructureOf(SquareSet whitePawns, SquareSet blackPawns) const;

    // Move list shared by all plies: ply p owns entries PlyStart[p] .. PlyEnd[p] - 1.
    MoveEntry MoveStack[MoveStackSize] {};
    int PlyStart[MaxPly] {};
    int PlyEnd[MaxPly] {};
    UndoRecord UndoStack[MaxPly] {};
    // Whether the side to move is in check at each ply of the current line: CheckUnknown until
    // SideToMoveInCheck asks, reset as a move reaches the ply.
    static constexpr std::int8_t CheckUnknown = -1;
    std::int8_t CheckAtPly[MaxPly] {};
    bool MoveListFull = false; // a move did not fit into MoveStack during the last generation

    // Search state. PvTable row p holds the best line from ply p in entries p .. PvLength[p] - 1.
    EngineMove PvTable[MaxPly][MaxPly] {};
    int PvLength[MaxPly] {};
    bool OnPvPath = false;
    // Quiet-move ordering scores by from and to square; cleared once per search.
    int HistoryTable[SquareCount][SquareCount] {};
    const std::atomic<bool>* StopFlag = nullptr;
    SearchOptions Options;
    std::uint64_t Nodes = 0;
    int DeepestPly = 0;
    std::uint64_t LimitCutoffCount = 0;
    // Lines of the current iteration after the first: the root moves already reported, which the
    // search of the next line passes over, and the line being reported.
    EngineMove ReportedRootMoves[MaxLineCount] {};
    int ReportedRootMoveCount = 0;
    // The first line's row of PvTable, kept while the further lines overwrite it.
    EngineMove FirstLineRow[MaxPly] {};

    // What the last search plays when no iteration completed (FirstLegalRootMove).
    EngineMove RootFallback = NoMove;
    // Results of the last completed iteration.
    EngineMove CompletedPv[MaxPly] {};
    int CompletedPvLength = 0;
    int CompletedScore = 0;
    int CompletedDepthValue = 0;
    std::uint64_t CompletedNodes = 0;
    int CompletedSelectiveDepth = 0;
    std::function<void(const IterationReport&)> IterationHook;
    std::function<void(const RootMoveReport&)> RootMoveHook;
    int IterationDepth = 0; // the depth the root is being searched to, for RootMoveHook
};

} // namespace engine
