#pragma once

// Splitting a text into words and reading whole numbers: the pieces of the texts that the engine's
// users read (FEN fields, UCI commands).

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace engine {

// What separates FEN's fields: blanks and tabs.
inline constexpr std::string_view BlanksAndTabs = " \t";
// White space as the C locale knows it: blank, tab, line feed, vertical tab, form feed, carriage return.
inline constexpr std::string_view WhiteSpace = " \t\n\v\f\r";

// The runs of characters between separators, in order; empty runs are left out.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators);

// The whole number that is all of `text`: decimal digits with an optional leading '-'. One beyond
// 64 bits reads as the nearer end of that range, for the caller's range to clamp or refuse. Empty
// when the text is no such number.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);
// ParseWholeNumber's number when it lies within min..max; empty otherwise.
std::optional<int> NumberWithin(std::string_view text, int min, int max);

} // namespace engine
