// A search allocates nothing: every table is a fixed array inside the Engine. This test program
// replaces the global allocation functions to count their calls while a search runs.

#include "tests/engine/engine_test_support.h"

// The replacements pair malloc with free; the compiler cannot see that they replace the standard
// forms, and warns wherever it inlines them.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> CountAllocations { false };
std::atomic<long> Allocations { 0 };

} // namespace

void* operator new(std::size_t size)
{
    if (CountAllocations.load(std::memory_order_relaxed))
        Allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

// Every other form of new and delete ends in these, except the aligned ones, which stay as they are.
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace engine::test {
namespace {

    TEST(Search, AllocatesNothing)
    {
        auto engine = MakeEngine();
        int iterations = 0;
        engine->SetIterationHook([&](const IterationReport&) { ++iterations; });
        int rootMoves = 0;
        engine->SetRootMoveHook([&](const RootMoveReport&) { ++rootMoves; });
        Load(*engine, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
        const std::atomic<int> depth { 4 };
        const std::atomic<bool> stop { false };

        CountAllocations = true;
        ::operator delete(::operator new(16)); // proves the counter counts: an explicit call stays
        const long probe = Allocations.exchange(0);
        const bool completed = engine->RunSearch(depth, stop);
        CountAllocations = false;

        EXPECT_EQ(probe, 1);
        EXPECT_TRUE(completed);
        EXPECT_EQ(iterations, 4);
        EXPECT_EQ(rootMoves, 4 * 48); // every legal root move at every depth
        EXPECT_EQ(Allocations.load(), 0);
    }

} // namespace
} // namespace engine::test
