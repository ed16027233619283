#pragma once

// What a UCI `go` command asks for, read from its words.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace uci {

// The longest time `go` takes, in milliseconds (over eleven days): longer clocks, increments and
// move times are read as this, so that no sum or product of them, in milliseconds or in the
// clock's nanoseconds, can overflow.
inline constexpr std::int64_t MaxGoTimeMs = 1'000'000'000;
// depth, mate and movestogo are counts from 1 to this; others are refused.
inline constexpr int MaxGoCount = 1000;

// The parameters of one `go`, within the ranges that ParseGo keeps; absent ones are empty. Times
// are in milliseconds.
struct GoRequest {
    std::optional<int> Depth; // 1..MaxGoCount
    std::optional<std::uint64_t> Nodes; // 1..2^63 - 1
    std::optional<int> Mate; // in moves, 1..MaxGoCount
    std::optional<std::int64_t> MoveTime; // 0..MaxGoTimeMs
    // By colour: wtime, btime; 0..MaxGoTimeMs (a flag fallen below 0 reads as 0).
    std::optional<std::int64_t> TimeLeft[2];
    std::int64_t Increment[2] = { 0, 0 }; // winc, binc; 0..MaxGoTimeMs
    std::optional<int> MovesToGo; // 1..MaxGoCount
    bool Infinite = false;
    bool Ponder = false;
    std::vector<std::string> SearchMoves; // as given; the session checks them against the position
};

// Reads the words after `go` (words[0] is "go"). Times beyond their range are clamped to it, node
// counts beyond 2^63 - 1 read as that. False, with `error` saying why, on an unknown word, a missing
// value, a count outside 1..MaxGoCount, a node count below 1 or a negative move time.
bool ParseGo(const std::vector<std::string_view>& words, GoRequest& request, std::string& error);

} // namespace uci
