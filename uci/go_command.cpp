// Reading the words of `go`.

#include "uci/go_command.h"

#include "engine/words_and_numbers.h"

#include <algorithm>

namespace uci {

namespace {

    std::int64_t ClampTime(std::int64_t ms) { return std::clamp<std::int64_t>(ms, 0, MaxGoTimeMs); }

    constexpr std::string_view Keywords[] = { "depth", "nodes", "mate", "movetime", "wtime", "btime", "winc", "binc",
        "movestogo", "infinite", "ponder", "searchmoves" };

    bool IsKeyword(std::string_view word)
    {
        return std::find(std::begin(Keywords), std::end(Keywords), word) != std::end(Keywords);
    }

} // namespace

bool ParseGo(const std::vector<std::string_view>& words, GoRequest& request, std::string& error)
{
    GoRequest parsed;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word == "infinite") {
            parsed.Infinite = true;
            continue;
        }
        if (word == "ponder") {
            parsed.Ponder = true;
            continue;
        }
        if (word == "searchmoves") {
            while (i + 1 < words.size() && !IsKeyword(words[i + 1]))
                parsed.SearchMoves.emplace_back(words[++i]);
            if (parsed.SearchMoves.empty()) {
                error = "searchmoves needs at least one move";
                return false;
            }
            continue;
        }
        if (!IsKeyword(word)) {
            error = "unknown go parameter '" + std::string(word) + "'";
            return false;
        }
        const std::string_view text = i + 1 < words.size() ? words[++i] : std::string_view {};
        const auto refuse = [&](const std::string& what) {
            error = std::string(word) + " needs " + what;
            return false;
        };
        // Beyond 64 bits a number reads as the nearer end, which the ranges below clamp or refuse.
        const std::optional<std::int64_t> number = engine::ParseWholeNumber(text);
        if (!number)
            return refuse("a whole number");
        const std::int64_t value = *number;
        if (word == "wtime" || word == "btime") {
            // A GUI may report a fallen flag as a negative time.
            parsed.TimeLeft[word == "wtime" ? 0 : 1] = ClampTime(value);
        } else if (word == "winc" || word == "binc") {
            parsed.Increment[word == "winc" ? 0 : 1] = ClampTime(value);
        } else if (word == "movetime") {
            if (value < 0)
                return refuse("a time of 0 or more");
            parsed.MoveTime = ClampTime(value);
        } else if (word == "nodes") {
            if (value < 1)
                return refuse("a count of 1 or more");
            parsed.Nodes = static_cast<std::uint64_t>(value);
        } else {
            // depth, mate, movestogo: small counts.
            if (value < 1 || value > MaxGoCount)
                return refuse("a whole number from 1 to " + std::to_string(MaxGoCount));
            (word == "depth"         ? parsed.Depth
                    : word == "mate" ? parsed.Mate
                                     : parsed.MovesToGo)
                = static_cast<int>(value);
        }
    }
    request = std::move(parsed);
    return true;
}

} // namespace uci
