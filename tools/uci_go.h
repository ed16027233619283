#pragma once

// What a UCI `go` command asks for, and how much of the clock a search may take.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The parameters of one `go`; absent ones are empty. Times are in milliseconds.
struct GoRequest {
    std::optional<int> Depth;
    std::optional<std::uint64_t> Nodes;
    std::optional<int> Mate; // in moves
    std::optional<std::int64_t> MoveTime;
    std::optional<std::int64_t> TimeLeft[2]; // by colour: wtime, btime (a flag fallen below 0 reads as 0)
    std::int64_t Increment[2] = { 0, 0 }; // winc, binc
    std::optional<int> MovesToGo;
    bool Infinite = false;
    bool Ponder = false;
    std::vector<std::string> SearchMoves; // as given; the session checks them against the position
};

// Reads the words after `go` (words[0] is "go"). False, with `error` saying why, on an unknown word
// or a missing or out-of-range value.
bool ParseGo(const std::vector<std::string_view>& words, GoRequest& request, std::string& error);

// When a timed search ends: no iteration starts after SoftLimit, and the search is stopped at
// HardLimit, both counted from the moment the clock starts.
struct TimeBudget {
    std::chrono::milliseconds SoftLimit;
    std::chrono::milliseconds HardLimit;
};

// The time a search may take for the side to move (colour 0 White, 1 Black), from `movetime` or
// from that side's clock; none when the request gives neither. `overhead` is kept back from the
// clock for what passes between the GUI's clock and ours (pipes, process switches).
std::optional<TimeBudget> AllotTime(const GoRequest& request, int colour, std::chrono::milliseconds overhead);
