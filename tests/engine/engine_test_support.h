#pragma once

// Helpers shared by the engine tests: loading FENs, finding generated moves by their coordinate text,
// and running fixed-depth searches.

#include "engine/coordinate_text.h"
#include "engine/engine.h"
#include "engine/fen_fields.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace engine::test {

// The Engine is large; tests keep it on the heap like its real owners do.
inline std::unique_ptr<Engine> MakeEngine() { return std::make_unique<Engine>(); }

inline void Load(Engine& engine, std::string_view fen)
{
    std::string error;
    ASSERT_TRUE(LoadFenFields(engine, fen, error)) << fen << ": " << error;
}

inline std::unique_ptr<Engine> EngineAt(std::string_view fen)
{
    auto engine = MakeEngine();
    Load(*engine, fen);
    return engine;
}

// The moves of the current ply in generation order.
inline std::vector<MoveEntry> Generated(Engine& engine, bool capturesOnly = false)
{
    EXPECT_TRUE(capturesOnly ? engine.GenerateCaptures() : engine.GenerateMoves());
    const auto moves = engine.MovesOfCurrentPly();
    return { moves.begin(), moves.end() };
}

inline std::vector<std::string> GeneratedTexts(Engine& engine, bool capturesOnly = false)
{
    std::vector<std::string> texts;
    for (const MoveEntry& entry : Generated(engine, capturesOnly))
        texts.push_back(CoordinateText(entry.Move));
    return texts;
}

// The generated entry with this coordinate text; a failure and a zero entry when there is none.
inline MoveEntry FindGenerated(Engine& engine, std::string_view text)
{
    for (const MoveEntry& entry : Generated(engine))
        if (CoordinateText(entry.Move) == text)
            return entry;
    ADD_FAILURE() << "move " << text << " is not generated";
    return { NoMove, 0 };
}

struct SearchResult {
    bool Completed;
    std::string Move; // "0000" when there is none
    int Score;
};

inline SearchResult Search(Engine& engine, std::string_view fen, int depth)
{
    Load(engine, fen);
    const std::atomic<int> searchDepth { depth };
    const std::atomic<bool> stop { false };
    const bool completed = engine.RunSearch(searchDepth, stop);
    return { completed, CoordinateText(engine.BestMove()), engine.BestScore() };
}

} // namespace engine::test
