// The benchmark suite and its runner.

#include "engine/bench.h"

#include "engine/engine.h"
#include "engine/fen_fields.h"

#include <atomic>
#include <string>

namespace engine {

const std::array<BenchPosition, 14> BenchPositions = { {
    { "start position", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1" },
    { "open game, Black to move", "r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3" },
    { "closed centre", "rnbqkb1r/ppp2ppp/4pn2/3p4/2PP4/2N5/PP2PPPP/R1BQKBNR w KQkq - 2 4" },
    { "castling and pins", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1" },
    { "en passant and rook end game", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1" },
    { "promotions under fire", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1" },
    { "promotion by capture", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8" },
    { "symmetric middle game", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10" },
    { "back-rank mate", "6k1/5ppp/8/8/8/8/r4PPP/3R2K1 w - - 0 1" },
    { "pawn end game", "8/pp3k2/2p5/3p4/3P4/2P3K1/PP6/8 w - - 0 1" },
    { "promotion race", "8/P6k/8/8/8/8/6p1/K7 w - - 0 1" },
    { "queen against rook", "8/8/3k4/8/8/2r5/8/3QK3 b - - 0 1" },
    { "opposite castling attack", "r1b2rk1/pp1nqppp/2pbpn2/3p4/2PP4/2NBPN2/PPQ2PPP/2KR3R b - - 5 9" },
    { "minor pieces end game", "8/3k1p2/2p1pnp1/p1Pp4/P2P1B2/4P1P1/5K2/3N4 w - - 0 1" },
} };

BenchOutcome RunBenchPosition(Engine& engine, const BenchPosition& position, const std::atomic<bool>* stop)
{
    std::string error;
    if (!LoadFenFields(engine, position.Fen, error))
        return { false, NoMove, 0, 0 };
    const std::atomic<int> depth { BenchDepth };
    const std::atomic<bool> neverStop { false };
    if (!engine.RunSearch(depth, stop != nullptr ? *stop : neverStop))
        return { false, NoMove, 0, 0 };
    return { true, engine.BestMove(), engine.BestScore(), engine.NodeCount() };
}

} // namespace engine
